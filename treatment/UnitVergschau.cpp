#include "treatment/UnitVergschau.h"

#include "shell/ScreenFrame.h"
#include "treatment/UnitLMC45.h"

#include <string>

TFormVerSchau* FormVerSchau = nullptr;

namespace UnitVergschau {

Variables Unit;

namespace {

// The window as stored: at 120 pixels per inch with a text height of 16.
constexpr int DesignPixelsPerInch = 120;
constexpr int DesignTextHeight = 16;
constexpr int FontHeight = -13;
constexpr int LineInterval = 50;

constexpr TColor ChartYellow = 0x80FFFF;
constexpr TColor Colour1 = 0x000001;
constexpr TRect TitleBounds{35, 4, 35 + 735, 4 + 30};
constexpr TRect StoredChartBounds{0, 0, 380, 510};

// The chart frame: 35 from the left, 65 from the top, 20 from the right and 50 from the bottom
// edge, in five steps each way: 50 K of tempering temperature across, 300 N/mm² or 30 % up.
constexpr int FrameLeft = 35;
constexpr int FrameTop = 65;
constexpr int FrameRightMargin = 20;
constexpr int FrameBottomMargin = 50;
constexpr int Steps = 5;

// The background: 201 rows of width 3 from red darkening to 55, 3 pixels apart.
constexpr int BackgroundRows = 200;
constexpr int BackgroundRed = 255;
constexpr int BackgroundRowWidth = 3;

constexpr int FramePenWidth = 2;
constexpr int LabelFontHeight = 18;
constexpr int LabelRise = 6;
constexpr int TitleRise = 22;
constexpr int ScaleLabelsLeft = 5;
constexpr int TemperatureTitleShift = 140;
constexpr int TemperatureBelow = 22;
constexpr int TemperatureLabelsBelow = 5;
constexpr int TemperatureLabelShift = 7;
constexpr long double RightTitleSteps = 3.3L;
constexpr const char* LeftValues[] = {"1500", "1200", " 900", " 600", " 300"};
constexpr const char* RightValues[] = {" 30", " 60", " 90"}; // 1, 2 and 3 steps up
constexpr const char* Temperatures[] = {"450", "500", "550", "600", "650", "700"};

constexpr int TitleFontHeight = 24;
constexpr TPoint TitleText{66, 2};

// The property lines: colour, step per tick, the last x that still grows, name and the name's
// height above the bottom of the frame in the small and the large layout.
struct LineData {
    TColor Color;
    TPoint Step;
    int Limit;
    const char* Name;
    int OffsetSmall;
    int OffsetLarge;
};
constexpr std::array<LineData, LineCount> Lines{{
    {0x800080, {12, 1}, 620, " Zugfestigkeit ", 210, 300},
    {0x008000, {15, -1}, 610, " Brucheinschnürung ", 160, 230},
    {0xFF0000, {12, 1}, 610, " Streckgrenze ", 120, 170},
    {0x0000FF, {15, -1}, 610, " Bruchdehnung ", 50, 110},
}};
constexpr int LinePenWidth = 3;
constexpr long double NameSteps = 2.27L;
constexpr int NameLeft = 28;

} // namespace

} // namespace UnitVergschau

using namespace UnitVergschau;

TFormVerSchau::TFormVerSchau() : TForm(DesignPixelsPerInch, DesignTextHeight) {
    SetCaption("Vergütungsschaubild eines C 45");
    BorderStyle = bsToolWindow;
    SetColor(clBlack);
    SetFont({"MS Sans Serif", FontHeight, clWindowText, false});

    StatusBar1 = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, FontHeight, false);
    StatusBar1->Name = "StatusBar1";
    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetColor(ChartYellow);
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    PaintBoxTitel = Add<TPaintBox>();
    PaintBoxTitel->Name = "PaintBoxTitel";
    PaintBoxTitel->SetColor(ChartYellow);
    PaintBoxTitel->OnPaint = [this] { PaintBoxTitelPaint(); };

    auto timer = [this](void (TFormVerSchau::*tick)()) {
        auto* t = new TTimer(this, LineInterval, false);
        t->OnTimer = [this, tick] { (this->*tick)(); };
        return t;
    };
    TimerZug = timer(&TFormVerSchau::TimerZugTimer);
    TimerBruchein = timer(&TFormVerSchau::TimerBrucheinTimer);
    TimerStreck = timer(&TFormVerSchau::TimerStreckTimer);
    TimerBruchde = timer(&TFormVerSchau::TimerBruchdeTimer);

    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    ESC = ScreenFrame::AddEscapeItem(*this, "ESC", "ESC", [this] { ESCClick(); });
    Zugfest = MainMenu.Add("Zugfest", "Zugfestigkeit", [this] { ZugfestClick(); });
    Bruchein = MainMenu.Add("Bruchein", "Brucheinschnürung", [this] { BrucheinClick(); });
    Streck = MainMenu.Add("Streck", "Streckgrenze", [this] { StreckClick(); });
    Dehn = MainMenu.Add("Dehn", "Bruchdehnung", [this] { DehnClick(); });
    Neu1 = MainMenu.Add("Neu1", "Neu", [this] { Neu1Click(); });
    GefgebilderStahlC451 = MainMenu.Add("GefgebilderStahlC451", "&Gefügebilder Stahl C45",
                                        [this] { GefgebilderStahlC451Click(); });
}

void TFormVerSchau::FormCreate() {
    const ScreenFrame::Layout layout = ScreenFrame::PlaceStandard(*this);
    Unit.FaktorX = layout.FaktorX;
    Unit.FaktorY = layout.FaktorY;
    // The stored size only until the alignment gives the chart the whole client area.
    PaintBoxHaupt->SetBounds(StoredChartBounds.Left, StoredChartBounds.Top,
                             StoredChartBounds.Width(), StoredChartBounds.Height());
    PaintBoxHaupt->SetAlign(alClient);
    PaintBoxTitel->SetBounds(TitleBounds.Left, TitleBounds.Top, TitleBounds.Width(),
                             TitleBounds.Height());
}

// --- painting ----------------------------------------------------------------------------------

void TFormVerSchau::PaintBoxHauptPaint() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    Unit.Rechts = PaintBoxHaupt->Width() - FrameRightMargin;
    Unit.Unten = PaintBoxHaupt->Height() - FrameBottomMargin;
    Unit.Dx = (Unit.Rechts - FrameLeft) / Steps;
    Unit.Dy = (Unit.Unten - FrameTop) / Steps;
    const int dx = Unit.Dx;
    const int dy = Unit.Dy;
    const int bottom = Unit.Unten;

    c.Pen.Style = psSolid;
    c.Pen.Width = BackgroundRowWidth;
    for (int i = 0; i <= BackgroundRows; ++i) {
        c.Pen.Color = BackgroundRed - i;
        c.MoveTo(1, BackgroundRowWidth * i);
        c.LineTo(Width(), BackgroundRowWidth * i);
    }
    c.Pen.Color = Colour1;
    c.Pen.Width = FramePenWidth;
    c.Brush.Color = ChartYellow;
    c.Rectangle(FrameLeft, FrameTop, Unit.Rechts, bottom);

    c.Brush.Style = bsClear;
    c.Pen.Width = 1;
    c.Pen.Style = psDot;
    for (int i = 1; i < Steps; ++i) {
        c.MoveTo(FrameLeft, bottom - i * dy);
        c.LineTo(Unit.Rechts, bottom - i * dy);
    }
    for (int i = 0; i < Steps; ++i) {
        c.MoveTo(FrameLeft + i * dx, FrameTop);
        c.LineTo(FrameLeft + i * dx, bottom);
    }

    c.Font.Color = clWhite;
    c.Font.Height = LabelFontHeight;
    const int top = bottom - Steps * dy;
    c.TextOut(ScaleLabelsLeft, top - TitleRise, "Streckgrenze+Zugfestigkeit / N/qmm ");
    for (int i = 0; i < Steps; ++i)
        c.TextOut(ScaleLabelsLeft, bottom - (Steps - i) * dy - LabelRise, LeftValues[i]);
    c.TextOut(Round(FrameLeft + RightTitleSteps * dx), top - TitleRise,
              "Bruchdehnung+Brucheinschnürung/%");
    for (int n = 3; n >= 1; --n)
        c.TextOut(FrameLeft + Steps * dx, bottom - n * dy - LabelRise, RightValues[n - 1]);
    c.TextOut(FrameLeft + (Steps - 1) * dx - TemperatureTitleShift, bottom + TemperatureBelow,
              "Anlasstemperatur / °C");
    for (int n = 0; n <= Steps; ++n)
        c.TextOut(FrameLeft + n * dx - TemperatureLabelShift, bottom + TemperatureLabelsBelow,
                  Temperatures[n]);
}

void TFormVerSchau::PaintBoxTitelPaint() {
    TCanvas& c = PaintBoxTitel->Canvas;
    c.Brush.Color = ChartYellow;
    c.Pen = TPen{};
    c.Rectangle(0, 0, PaintBoxTitel->Width(), PaintBoxTitel->Height());
    c.Font.Height = TitleFontHeight;
    c.Font.Color = clBlack;
    c.TextOut(TitleText.X, TitleText.Y,
              "Mechanische Eigenschaften in Abhängigkeit von der Anlasstemperatur");
}

// --- commands ----------------------------------------------------------------------------------

TTimer& TFormVerSchau::TimerOf(Line line) {
    TTimer* timers[] = {TimerZug, TimerBruchein, TimerStreck, TimerBruchde};
    return *timers[line];
}

void TFormVerSchau::StopLines() {
    for (int l = 0; l < LineCount; ++l)
        TimerOf(static_cast<Line>(l)).SetEnabled(false);
    Unit.Punkt = StartPunkt;
}

void TFormVerSchau::EndeClick() {
    Close();
}

void TFormVerSchau::ESCClick() {
    Close();
}

void TFormVerSchau::FormClose() {
    // The items of lines drawn or started stay off until "Neu".
    StopLines();
}

void TFormVerSchau::StartLine(Line line) {
    TimerOf(line).SetEnabled(true);
    TMenuItem* items[] = {Zugfest, Bruchein, Streck, Dehn};
    items[line]->SetEnabled(false);
}

void TFormVerSchau::ZugfestClick() {
    StartLine(UnitVergschau::Zug);
}
void TFormVerSchau::BrucheinClick() {
    StartLine(UnitVergschau::Bruchein);
}
void TFormVerSchau::StreckClick() {
    StartLine(UnitVergschau::Streck);
}
void TFormVerSchau::DehnClick() {
    StartLine(UnitVergschau::Bruchde);
}

void TFormVerSchau::Neu1Click() {
    for (TMenuItem* item : {Zugfest, Bruchein, Streck, Dehn})
        item->SetEnabled(true);
    // The paint steps run straight on the canvases: the background and the frame cover the lines.
    PaintBoxHauptPaint();
    PaintBoxTitelPaint();
    StopLines();
}

void TFormVerSchau::GefgebilderStahlC451Click() {
    FormLMC45->ImageVerg->Hide();
    FormLMC45->ImageHart->Hide();
    FormLMC45->ImageNormal->Show();
    FormLMC45->ShowModal();
}

// --- the lines ---------------------------------------------------------------------------------

// The lines stand in design pixels: scaled in the large layout, one to one in the small one.
TPoint TFormVerSchau::Shown(TPoint design) const {
    if (Screen.Width < ScreenFrame::LargeWidth)
        return design;
    return {ScreenFrame::Scaled(design.X, Unit.FaktorX),
            ScreenFrame::Scaled(design.Y, Unit.FaktorY)};
}

void TFormVerSchau::LineTick(Line line) {
    const LineData& d = Lines[line];
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Pen.Width = LinePenWidth;
    c.Pen.Color = d.Color;
    c.Pen.Style = psSolid;
    c.Brush.Color = d.Color;
    TPoint& p = Unit.Punkt[line];
    if (p.X <= d.Limit) {
        const TPoint from = Shown(p);
        c.MoveTo(from.X, from.Y);
        p.X += d.Step.X;
        p.Y += d.Step.Y;
        const TPoint to = Shown(p);
        c.LineTo(to.X, to.Y);
    }
    if (p.X > d.Limit) {
        TimerOf(line).SetEnabled(false);
        const bool small = Screen.Width < ScreenFrame::LargeWidth;
        c.TextOut(Round(NameSteps * Unit.Dx + NameLeft),
                  Unit.Unten - (small ? d.OffsetSmall : d.OffsetLarge), d.Name);
    }
}

void TFormVerSchau::TimerZugTimer() {
    LineTick(UnitVergschau::Zug);
}
void TFormVerSchau::TimerBrucheinTimer() {
    LineTick(UnitVergschau::Bruchein);
}
void TFormVerSchau::TimerStreckTimer() {
    LineTick(UnitVergschau::Streck);
}
void TFormVerSchau::TimerBruchdeTimer() {
    LineTick(UnitVergschau::Bruchde);
}
