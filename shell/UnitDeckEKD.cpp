#include "shell/UnitDeckEKD.h"

#include "assets/Assets.h"
#include "platform/Keys.h"
#include "platform/Screen.h"
#include "shell/ScreenFrame.h"
#include "shell/UnitInfo.h"
#include "shell/UnitMenue.h"

#include <string>

TFormHaupt* FormHaupt = nullptr;

namespace UnitDeckEKD {

Variables Unit;

namespace {

constexpr TColor CoverBlue = 0xDD3200;
// The cover keeps the large layout's factor on every screen.
constexpr double CoverFactor = 1.28;

struct Ring {
    TColor Color;
    int DesignLimit; // half-width, in design units, at which the ring stops growing
};
// Rings 1 … 9 from strong blue outside to light yellow inside.
constexpr std::array<Ring, RingCount + 1> Rings{{{0, 0},
                                                 {0xDD3200, 580},
                                                 {0xFF3333, 580},
                                                 {0xFF5B5B, 580},
                                                 {0xFF8282, 580},
                                                 {0xFF9D9D, 580},
                                                 {0xFFB7B7, 580},
                                                 {0x00FFFF, 580},
                                                 {0x00FFF5, 580},
                                                 {0x80FFFF, 250}}};
constexpr int RingPenWidth = 10;
constexpr int GrowX = 7;
constexpr int GrowY = 4;
// A ring starts the next one once its half-width passes this many design units.
constexpr int DesignStartNext = 10;

constexpr int TitleDesignHeight = 24;
struct TitleLine {
    const char* Text;
    int A; // design offset left of the centre
    int B; // design offset below the centre
};
constexpr std::array<TitleLine, 4> Title{{{"Grundlagen binärer Zustandsschaubilder", 205, -100},
                                          {"Das System-Eisen-Kohlenstoff", 155, -40},
                                          {"Zeitabhängige Zustandsänderungen", 185, 20},
                                          {"Grundlagen der Wärmebehandlung", 180, 80}}};

int Limit(int k) {
    return ScreenFrame::Scaled(Rings[k].DesignLimit, Unit.FaktorX);
}

} // namespace
} // namespace UnitDeckEKD

using namespace UnitDeckEKD;

TFormHaupt::TFormHaupt() : TForm(120, 16) {
    SetCaption("Grundlagen der Wärmebehandlung");
    BorderStyle = bsToolWindow;
    SetColor(CoverBlue);
    SetFont({"MS Sans Serif", -14, clWindowText, false});

    PaintBoxStart = Add<TPaintBox>();
    PaintBoxStart->Name = "PaintBoxStart";
    PaintBoxStart->SetAlign(alClient);
    PaintBoxStart->SetFont({"Arial", -15, clWindowText, true});
    PaintBoxStart->OnPaint = [this] { PaintBoxStartPaint(); };
    std::vector<std::string> title;
    for (const TitleLine& line : Title)
        title.emplace_back(line.Text);
    PaintBoxStart->SetAccessibleText(title);

    Image1 = Add<TImage>();
    Image1->Name = "Image1";
    Image1->SetAlign(alClient);
    Image1->Stretch = true;
    Image1->LoadJpeg(Assets::CoverPicture(), Assets::CoverPicture(2));

    StatusBar1 = Add<TStatusBar>();
    StatusBar1->Name = "StatusBar1";
    StatusBar1->SetSimpleText(ScreenFrame::HintEsc);

    ESC1 = ScreenFrame::AddEscapeItem(*this, "ESC1", "ESC", [this] { ESC1Click(); });
    Programmbeenden1 =
        MainMenu.Add("Programmbeenden1", "Programm &beenden", [this] { Programmbeenden1Click(); });
    Programmstarten1 =
        MainMenu.Add("Programmstarten1", "&Programm starten", [this] { Programmstarten1Click(); });
    Info1 = MainMenu.Add("Info1", "&Info", [this] { Info1Click(); });

    TimerSTart = new TTimer(this, 1, false);
    TimerSTart->OnTimer = [this] { TimerSTartTimer(); };
    ColorDialog1 = new TColorDialog(this);
}

void TFormHaupt::CentreAnimation() {
    Unit.MitteX = Screen.Width / 2 - 10;
    Unit.MitteY = Screen.Height / 2 - 50;
}

void TFormHaupt::ResetAnimation() {
    Unit.RingHalbBreite.fill(0);
    Unit.RingHalbHoehe.fill(0);
    Unit.RingLaeuft.fill(false);
}

void TFormHaupt::FormCreate() {
    CentreAnimation();
    ScreenFrame::Place(*this, ScreenFrame::ScreenSizedLayout(Screen.Width, Screen.Height));
    Unit.FaktorX = CoverFactor;
    Unit.FaktorY = CoverFactor;
    // The picture fills the client area; these bounds hold only until the window aligns it.
    Image1->SetBounds(ScreenFrame::Scaled(10, Unit.FaktorX), ScreenFrame::Scaled(20, Unit.FaktorY),
                      ScreenFrame::Scaled(770, Unit.FaktorX),
                      ScreenFrame::Scaled(500, Unit.FaktorY));
}

// Every paint of the cover, for whatever reason, starts the animation again.
void TFormHaupt::FormPaint() {
    ResetAnimation();
    TimerSTart->SetEnabled(true);
}

void TFormHaupt::PaintBoxStartPaint() {
    TCanvas& c = PaintBoxStart->Canvas;
    c.Brush.Color = Color();
    c.Pen.Color = Color();
    c.Rectangle(ScreenFrame::Scaled(0, Unit.FaktorX), ScreenFrame::Scaled(0, Unit.FaktorY),
                PaintBoxStart->Width(), PaintBoxStart->Height());
}

void TFormHaupt::TimerSTartTimer() {
    TCanvas& c = PaintBoxStart->Canvas;
    c.Brush.Style = bsClear;
    for (int k = 1; k <= RingCount; ++k) {
        if (k > 1 && !Unit.RingLaeuft[k])
            continue;
        int& halfWidth = Unit.RingHalbBreite[k];
        int& halfHeight = Unit.RingHalbHoehe[k];
        if (halfWidth < Limit(k)) {
            c.Pen.Width = RingPenWidth;
            c.Pen.Color = Rings[k].Color;
            c.Rectangle(Unit.MitteX - halfWidth, Unit.MitteY - halfHeight, Unit.MitteX + halfWidth,
                        Unit.MitteY + halfHeight);
            halfWidth += GrowX;
            halfHeight += GrowY;
        }
        if (k < RingCount && halfWidth > ScreenFrame::Scaled(DesignStartNext, Unit.FaktorX))
            Unit.RingLaeuft[k + 1] = true;
    }
    if (!Unit.RingLaeuft[RingCount] || Unit.RingHalbBreite[RingCount] < Limit(RingCount))
        return;
    WriteTitle();
    TimerSTart->SetEnabled(false);
}

void TFormHaupt::WriteTitle() {
    TCanvas& c = PaintBoxStart->Canvas;
    c.Font.Height = ScreenFrame::Scaled(TitleDesignHeight, Unit.FaktorX);
    for (const TitleLine& line : Title)
        c.TextOut(Round(Unit.MitteX - line.A * static_cast<long double>(Unit.FaktorX)),
                  Round(Unit.MitteY + line.B * static_cast<long double>(Unit.FaktorY)), line.Text);
}

void TFormHaupt::ESC1Click() {
    Close();
}

void TFormHaupt::Programmbeenden1Click() {
    Close();
}

void TFormHaupt::Programmstarten1Click() {
    CentreAnimation();
    ResetAnimation();
    Refresh();
    FormMenue->ShowModal();
}

void TFormHaupt::Info1Click() {
    FormInfo->ShowModal();
}
