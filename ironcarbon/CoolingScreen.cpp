#include "ironcarbon/CoolingScreen.h"

#include "assets/Assets.h"
#include "platform/Keys.h"
#include "shell/ScreenFrame.h"

#include <span>

namespace {

namespace Geometry = IronCarbonGeometry;

// The window as stored: at 120 pixels per inch with a text height of 16.
constexpr int DesignPixelsPerInch = 120;
constexpr int DesignTextHeight = 16;
constexpr int FormFontHeight = -14;
constexpr int PanelFontHeight = -17;
constexpr int HintFontHeight = -17;
constexpr int StoredTimerInterval = 50;
constexpr int StartInterval = 500;
constexpr int StripFrameSize = 100;

// Design bounds: left, top, width, height.
struct DesignBounds {
    int Left, Top, Width, Height;
};
constexpr DesignBounds DiagramBounds{10, 30, 760, 490};
constexpr DesignBounds MaxBounds{10, 0, 50, 20};
constexpr DesignBounds SliderBounds{60, 0, 300, 17};
constexpr DesignBounds MinBounds{360, 0, 50, 20};
constexpr int MemoTop = 1;
constexpr int MemoWidth = 360;

// The background: yellow rows at the top in scaled steps, then a glow from yellow to orange-red
// in unscaled rows of three pixels, overdrawing the yellow from row 210 on.
constexpr int BandPenWidth = 10;
constexpr int YellowBandLast = 250;
constexpr TColor BandYellow = 0x00FFFF;
constexpr int GlowFirst = 70;
constexpr int GlowLast = 310;
constexpr int GlowRowSpacing = 3;
constexpr TColor GlowBase = 0x0145FF;
constexpr int GlowGreenStep = 256;

constexpr TColor FrameOrange = 0x0058EA;
constexpr int FramePenWidth = 3;
constexpr int OutlinePenWidth = 2;
constexpr int TextDesignHeight = 14;
constexpr const char* TextFace = "Arial";
constexpr const char* GreekFace = "Symbol";

struct DiagramText {
    const char* Text;
    int X;
    int Y;
};

constexpr DiagramText TemperatureLabels[] = {
    {" 600°C", 5, 442}, {" 700°C", 5, 399}, {" 800°C", 5, 356}, {" 900°C", 5, 313},
    {"1000°C", 5, 270}, {"1100°C", 5, 227}, {"1200°C", 5, 184}, {"1300°C", 5, 141},
    {"1400°C", 5, 98},  {"1500°C", 5, 55},  {"1600°C", 5, 14},
};
constexpr DiagramText CarbonLabels[] = {
    {"0,0", 42, 455},  {"0,5", 82, 455},       {"1,0", 142, 455}, {"1,5", 192, 455},
    {"2,0", 242, 455}, {"2,5", 292, 455},      {"3,0", 342, 455}, {"3,5", 392, 455},
    {"4,0", 442, 455}, {"4,5", 492, 455},      {"5,0", 542, 455}, {"5,5", 592, 455},
    {"6,0", 642, 455}, {"6,67 % C", 690, 455},
};
constexpr DiagramText CementiteLabels[] = {
    {"0", 46, 475},   {"10", 113, 475}, {"20", 180, 475},     {"30", 247, 475},
    {"40", 314, 475}, {"50", 381, 475}, {"60", 448, 475},     {"70", 515, 475},
    {"80", 583, 475}, {"90", 650, 475}, {"100 % ", 707, 475}, {"Fe   C", 670, 475},
    {"3", 682, 480},
};
constexpr DiagramText Texts[] = {
    {"A", 53, 27},
    {"B", 100, 49},
    {"C", 488, 217},
    {"D", 720, 135},
    {"E", 260, 218},
    {"F", 720, 218},
    {"G", 54, 305},
    {"S", 135, 396},
    {"O", 100, 360},
    {"H", 40, 63},
    {"J", 69, 75},
    {"N", 53, 110},
    {"M", 37, 370},
    {"P", 60, 396},
    {"Q", 57, 432},
    {"L", 720, 430},
    {"K", 720, 396},
    {"1147°C", 520, 200},
    {" 723°C", 520, 380},
    {"Schmelze", 420, 70},
    {"Schmelze + Austenit", 200, 130},
    {"Austenit", 115, 240},
    {"Sekundärzementit", 165, 375},
    {"Perlit+", 170, 400},
    {"Sekundärzementit", 160, 420},
    {"Perlit+", 75, 400},
    {"Perlit", 120, 413},
    {"Ledeburit", 483, 275},
    {"+Ledeburit", 380, 300},
    {"+Sekundärzementit", 380, 320},
    {"Primärzementit+", 580, 280},
    {"Ledeburit", 580, 300},
    {"Sekundärzementit+", 258, 400},
    {"Perlit+", 275, 415},
    {"Ledeburit", 270, 430},
    {"Primärzementit+", 540, 400},
    {"Ledeburit", 540, 420},
    {"Schmelze+", 600, 170},
    {"Primärzementit", 600, 185},
    {"Schmelze", 76, 37},
    {"Liquiduslinie", 190, 75},
    {"Soliduslinie", 203, 170},
};
// In the Symbol face a, g and d show as α, γ and δ.
constexpr DiagramText GreekTexts[] = {
    {"g-MK+", 180, 340}, {"a-MK", 70, 425}, {"g-MK", 390, 280}, {"a-MK+", 10, 328},
    {"g-MK", 16, 339},   {"a-MK", 18, 415}, {"d-MK", 15, 80},   {"+ d-MK", 130, 37},
    {"d+", 65, 88},      {"g-MK", 58, 101}, {"g-MK", 120, 260},
};

void SetScaledBounds(TControl& control, const ScreenFrame::Layout& layout, const DesignBounds& b) {
    ScreenFrame::SetScaledBounds(control, layout, b.Left, b.Top, b.Width, b.Height);
}

void Line(TCanvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void Write(TCanvas& c, const Geometry::DesignScale& scale, std::span<const DiagramText> texts) {
    for (const DiagramText& t : texts)
        c.TextOut(scale.X(t.X), scale.Y(t.Y), t.Text);
}

TPen Pen(TColor color, int width, TPenStyle style) {
    TPen pen;
    pen.Color = color;
    pen.Width = width;
    pen.Style = style;
    return pen;
}

} // namespace

TCoolingScreen::TCoolingScreen(const CoolingScreenData& data, CoolingVariables& unit)
    : TForm(DesignPixelsPerInch, DesignTextHeight), data_(data), unit_(unit) {
    SetCaption(data.Caption);
    BorderStyle = bsToolWindow;
    SetColor(ScreenFrame::ScreenBlue);
    SetFont({"MS Sans Serif", FormFontHeight, clWindowText, false});

    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetColor(clWhite);
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    // Lies exactly over the diagram and paints nothing: the tie lines are drawn on it in not-xor.
    PaintBoxUmwandlung = Add<TPaintBox>();
    PaintBoxUmwandlung->Name = "PaintBoxUmwandlung";

    // Holds the 317 × 209 micrograph of ferrite and pearlite; it has no size and never shows.
    Image1 = Add<TImage>();
    Image1->Name = "Image1";
    Image1->LoadJpeg(Assets::CoolingMicrograph(), Assets::CoolingMicrograph(2));
    ImageSA1 = Add<TImage>();
    ImageSA1->Name = "ImageSA1";
    ImageSA2 = Add<TImage>();
    ImageSA2->Name = "ImageSA2";
    for (TImage* image : {Image1, ImageSA1, ImageSA2})
        image->SetBounds(0, 0, 0, 0);

    MaxPanel = AddSpeedPanel(data.MaxPanelName, "max");
    ScrollBarVAb = Add<TScrollBar>();
    ScrollBarVAb->Name = "ScrollBarVAb";
    ScrollBarVAb->SetAccessibleName("Geschwindigkeit");
    PanelMin = AddSpeedPanel("PanelMin", "min");

    MemoErlaeuterung = ScreenFrame::AddExplanation(*this, {data.MemoColor, data.MemoWordWrap,
                                                           ssNone, /*ReadOnly=*/false,
                                                           /*StartsHidden=*/true});
    MemoErlaeuterung->SetWantTabs(data.MemoWantTabs);
    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintF1, HintFontHeight);

    TimerHaupt = new TTimer(this, StoredTimerInterval, false);
    TimerHaupt->OnTimer = [this] { TimerHauptTimer(); };
    FirstStrip = AddStrip(data.FirstStripAsset);
    SecondStrip = AddStrip(data.SecondStripAsset);

    AddMenu();

    player_.emplace(data.Script, CoolingScript::Stage{PaintBoxHaupt->Canvas,
                                                      PaintBoxUmwandlung->Canvas,
                                                      {FirstStrip, SecondStrip},
                                                      *TimerHaupt,
                                                      unit_});
    // The counters hold their start values from the beginning, as after every reset.
    unit_.AbkuehlY = data.Script.StartY;
    unit_.BildNrA = 0;
    unit_.BildNrB = 0;
}

void TCoolingScreen::AddMenu() {
    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    TextItem = MainMenu.Add(
        data_.TextItemName, data_.TextItemCaption, [this] { ToggleTextClick(); }, VK_F1);
    Start = MainMenu.Add("Start", "&Start/Abkühlung mit Regler", [this] { StartClick(); });
    auto escape = [this] {
        ESCAPE = ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); });
    };
    if (data_.EscapeBeforeNeu)
        escape();
    Neu = MainMenu.Add("Neu", "Löschen/&Neu", [this] { NeuClick(); });
    if (!data_.EscapeBeforeNeu)
        escape();
}

TPanel* TCoolingScreen::AddSpeedPanel(const char* name, const char* caption) {
    TPanel* panel = Add<TPanel>();
    panel->Name = name;
    panel->SetCaption(caption);
    panel->SetFont({"MS Sans Serif", PanelFontHeight, clWindowText, true});
    return panel;
}

TImageList* TCoolingScreen::AddStrip(const char* asset) {
    return new TImageList(this, StripFrameSize, StripFrameSize,
                          [asset](int scale) { return Assets::Strip(asset, scale); });
}

void TCoolingScreen::FormCreate() {
    const ScreenFrame::Layout layout = ScreenFrame::PlaceStandard(*this);
    unit_.FaktorX = layout.FaktorX;
    unit_.FaktorY = layout.FaktorY;
    SetScaledBounds(*PaintBoxHaupt, layout, DiagramBounds);
    SetScaledBounds(*PaintBoxUmwandlung, layout, DiagramBounds);
    SetScaledBounds(*MaxPanel, layout, MaxBounds);
    SetScaledBounds(*ScrollBarVAb, layout, SliderBounds);
    SetScaledBounds(*PanelMin, layout, MinBounds);
    SetScaledBounds(*MemoErlaeuterung, layout,
                    {data_.MemoLeft, MemoTop, MemoWidth, data_.MemoHeight});
    ScreenFrame::SetExplanationFont(*MemoErlaeuterung, unit_.FaktorY);
    ScreenFrame::WriteLines(*MemoErlaeuterung, data_.MemoLines);
    ScreenFrame::SetUpSpeedSlider(*ScrollBarVAb, *TimerHaupt);
}

void TCoolingScreen::FormClose() {
    MemoErlaeuterung->Hide();
    StopAndReset();
}

void TCoolingScreen::StopAndReset() {
    TimerHaupt->SetEnabled(false);
    Refresh();
    unit_.AbkuehlY = data_.Script.StartY;
    unit_.BildNrA = 0;
    unit_.BildNrB = 0;
    player_->Reset();
}

void TCoolingScreen::EndeClick() {
    Close();
}

void TCoolingScreen::ESCAPEClick() {
    Close();
}

void TCoolingScreen::ToggleTextClick() {
    ScreenFrame::ToggleExplanation(*MemoErlaeuterung);
}

// Start neither restarts nor pauses a running script; it only sets the pace back to 500 ms,
// whatever the slider shows.
void TCoolingScreen::StartClick() {
    TimerHaupt->SetEnabled(true);
    TimerHaupt->SetInterval(StartInterval);
}

void TCoolingScreen::NeuClick() {
    StopAndReset();
}

void TCoolingScreen::TimerHauptTimer() {
    player_->Tick();
}

// --- the diagram -------------------------------------------------------------------------------

void TCoolingScreen::PaintBoxHauptPaint() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    const Geometry::DesignScale scale{unit_.FaktorX, unit_.FaktorY};
    c.Font.Name = TextFace;
    c.Font.Color = clBlack;
    c.Font.Height = scale.Y(TextDesignHeight);
    c.Pen = Pen(clBlack, OutlinePenWidth, psSolid);

    DrawBackground();

    c.Brush.Color = clWhite;
    c.Pen.Color = FrameOrange;
    c.Pen.Width = FramePenWidth;
    const TRect& frame = Geometry::CoolingSectionFrame;
    c.Rectangle(scale.X(frame.Left), scale.Y(frame.Top), scale.X(frame.Right),
                scale.Y(frame.Bottom));

    // From here on the texts stand on the diagram without a box.
    c.Brush.Style = bsClear;
    c.Pen.Color = clBlack;
    c.Pen.Width = 1;
    c.Font.Color = clBlack;
    DrawAxisLabels();
    Geometry::DrawLines(c, scale, Geometry::CoolingSectionLines(), Pen(clBlack, 1, psSolid),
                        Pen(clBlack, 1, psDash));
    DrawTexts();
}

void TCoolingScreen::DrawBackground() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    const Geometry::DesignScale scale{unit_.FaktorX, unit_.FaktorY};
    const int width = PaintBoxHaupt->Width();
    c.Pen.Width = BandPenWidth;
    // The rows run on beyond the right edge when the factor is above 1; the surface clips them.
    c.Pen.Color = BandYellow;
    for (int i = 0; i <= YellowBandLast; ++i)
        Line(c, 0, scale.Y(i), scale.X(width), scale.Y(i));
    for (int i = GlowFirst; i <= GlowLast; ++i) {
        c.Pen.Color = GlowBase - GlowGreenStep * i;
        Line(c, 0, GlowRowSpacing * i, width, GlowRowSpacing * i);
    }
}

void TCoolingScreen::DrawAxisLabels() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    const Geometry::DesignScale scale{unit_.FaktorX, unit_.FaktorY};
    Write(c, scale, TemperatureLabels);
    Write(c, scale, CarbonLabels);
    Write(c, scale, CementiteLabels);
}

void TCoolingScreen::DrawTexts() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    const Geometry::DesignScale scale{unit_.FaktorX, unit_.FaktorY};
    Write(c, scale, Texts);
    c.Font.Name = GreekFace;
    c.Font.Height = scale.Y(TextDesignHeight);
    Write(c, scale, GreekTexts);
}
