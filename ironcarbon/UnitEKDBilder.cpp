#include "ironcarbon/UnitEKDBilder.h"

#include "ironcarbon/IronCarbonGeometry.h"
#include "ironcarbon/UnitBildC01.h"
#include "ironcarbon/UnitBildC02.h"
#include "ironcarbon/UnitBildC03.h"
#include "ironcarbon/UnitBildC04.h"
#include "ironcarbon/UnitBildC05.h"
#include "ironcarbon/UnitBildC06.h"
#include "ironcarbon/UnitBildC07.h"
#include "ironcarbon/UnitBildC08.h"
#include "ironcarbon/UnitBildFe.h"
#include "phase/PhaseDiagram.h"
#include "platform/Screen.h"
#include "shell/ScreenFrame.h"

#include <span>
#include <string>

TFormEKDBilder* FormEKDBilder = nullptr;

namespace UnitEKDBilder {

Variables Unit;

namespace {

namespace Geometry = IronCarbonGeometry;

constexpr int DesignPixelsPerInch = 120;
constexpr int DesignTextHeight = 16;
constexpr int HintFontHeight = -17;

// The drawing surface stands framed in the large layout.
constexpr TRect LargeSurface{80, 60, 80 + 850, 60 + 600};
constexpr TRect BackdropOuter{20, 22, 1000, 650};
constexpr TRect BackdropInner{60, 45, 950, 610};

// The background: yellow rows, yellow turning red, then red fading towards black in rows of two
// pixels, row i at y = 1.5 · i − 164.
constexpr int YellowEnd = 70;
constexpr int RedStart = 325;
constexpr int FadeEnd = 466;
constexpr TColor FadeBase = 580;
constexpr int FadePenWidth = 2;
constexpr long double FadeRowStep = 1.5L;
constexpr long double FadeRowShift = 164;

// The diagram's frame and lines.
constexpr TColor FramePaleBlue = 0xFFD7D7;
constexpr TColor LineBlue = clBlue;
constexpr int LinePenWidth = 2;
constexpr int DashedPenWidth = 1;

// Texts.
constexpr const char* TextFace = "Times New Roman";
constexpr int TextHeight = 15;
constexpr const char* GreekFace = "Symbol";
constexpr int GreekHeight = 14;

struct DiagramText {
    const char* Text;
    int X;
    int Y;
};

// Axis labels. The lower temperatures stand on the dark end of the background, in white.
constexpr DiagramText LowTemperatureLabels[] = {
    {" 500°C", 5, 485}, {" 600°C", 5, 442}, {" 700°C", 5, 399},
    {" 800°C", 5, 356}, {" 900°C", 5, 313},
};
constexpr DiagramText HighTemperatureLabels[] = {
    {"1000°C", 5, 270}, {"1100°C", 5, 227}, {"1200°C", 5, 184}, {"1300°C", 5, 141},
    {"1400°C", 5, 98},  {"1500°C", 5, 55},  {"1600°C", 5, 14},  {"Temperatur in °C", 5, 0},
};
constexpr DiagramText MagneticMark{"M", 37, 370};
// Carbon every half per cent, written with a decimal comma.
constexpr int CarbonLabels = 13;
constexpr int CarbonLabelLeft = 42;
constexpr int CarbonLabelStep = 50;
constexpr int ScaleLabelY = 493;
constexpr DiagramText CarbonUnit{"6,67 % Kohlenstoff", 690, 493};
// The share of cementite every ten per cent; the last ones stand a pixel off the step.
constexpr int EvenCementiteLabels = 8;
constexpr int CementiteLabelLeft = 46;
constexpr int CementiteLabelStep = 67;
constexpr int CementitePerLabel = 10;
constexpr int CementiteLabelY = 507;
constexpr DiagramText LastCementiteLabels[] = {
    {"80", 583, 507},
    {"90", 650, 507},
    {"100 % Zementit", 707, 507},
};

// Texts of the diagram in their drawing order, in four runs: the pen changes between them.
constexpr DiagramText PointsAndMelt[] = {
    {"A", 53, 27},          {"B", 100, 49},        {"C", 482, 217},
    {"D", 720, 135},        {"E", 260, 218},       {"F", 720, 218},
    {"G", 54, 295},         {"S", 135, 396},       {"O", 100, 360},
    {"H", 40, 63},          {"J", 69, 75},         {"N", 53, 110},
    {"P", 60, 396},         {"Q", 54, 475},        {"L", 705, 475},
    {"K", 705, 396},        {"Schmelze", 420, 70}, {"Schmelze + Austenit", 200, 140},
    {"Austenit", 100, 240},
};
constexpr DiagramText SteelFields[] = {
    {"Sekundärzementit", 165, 375}, {"Perlit+", 170, 430}, {"Sekundärzementit", 160, 449},
    {"Perlit+", 75, 430},           {"Perlit", 120, 413},
};
constexpr DiagramText CastIronFields[] = {
    {"Ledeburit", 483, 275},
    {"+Ledeburit", 300, 300},
    {"+Sekundärzementit", 300, 320},
    {"Primärzementit+", 580, 280},
    {"Ledeburit", 580, 300},
    {"Sekundärzementit+Perlit+", 310, 430},
    {"Ledeburit", 310, 445},
    {"Primärzementit+", 540, 430},
    {"Ledeburit", 540, 445},
    {"Schmelze+", 600, 170},
    {"Primärzementit", 600, 185},
    {"Schmelze", 76, 37},
    {"1536°C", 70, 21},
};
// The melting point of iron is written off the corner A, with a leader line to it.
constexpr TPoint LeaderFrom{50, 42};
constexpr TPoint LeaderTo{70, 30};
constexpr DiagramText Temperatures[] = {
    {"=1493°C", 113, 56}, {"=1392°C", 67, 116}, {"911°C", 60, 310},   {"769°C", 57, 364},
    {"723°C", 380, 400},  {"1147°C", 380, 220}, {"1320°C", 675, 128},
};
// The phases in Greek (a, g and d show as α, γ and δ); the ferrite label stands white in its
// frame.
constexpr DiagramText GreekTexts[] = {
    {"g-MK+", 180, 360}, {"a-MK", 70, 445},  {"g-MK", 320, 280},  {"a", 55, 340},
    {"g-MK", 54, 354},   {"d-MK", 15, 80},   {"+ d-MK", 130, 37}, {"d+", 65, 88},
    {"g-MK", 58, 101},   {"g-MK", 150, 240},
};
constexpr DiagramText FerriteLabel{"a-MK", 17, 415};

// What the learner clicks: the ferrite label's frame and the row of grey fields under the carbon
// axis, one field for every tenth of a per cent up to 0.8 %.
constexpr TRect FerriteBox{15, 415, 50, 430};
constexpr int FieldLeft = 50;
constexpr int FieldWidth = 10;
constexpr int FieldTop = 480;
constexpr int FieldBottom = 493;
constexpr int Fields = 8;
// From white to mid grey with rising carbon, the last two alike.
constexpr TColor FieldGreys[Fields] = {clWhite,  0xE9E9E9, 0xD1D1D1, 0xC7C7C7,
                                       0xB7B7B7, 0xA4A4A4, 0x949494, 0x949494};

TRect FieldRect(int k) {
    return {FieldLeft + FieldWidth * k, FieldTop, FieldLeft + FieldWidth * (k + 1), FieldBottom};
}

bool StrictlyInside(const TRect& r, int x, int y) {
    return r.Left < x && x < r.Right && r.Top < y && y < r.Bottom;
}

TPen Pen(TColor color, int width, TPenStyle style = psSolid) {
    TPen pen;
    pen.Color = color;
    pen.Width = width;
    pen.Style = style;
    return pen;
}

void Write(TCanvas& c, std::span<const DiagramText> texts) {
    for (const DiagramText& t : texts)
        c.TextOut(t.X, t.Y, t.Text);
}

void Write(TCanvas& c, const DiagramText& text) {
    c.TextOut(text.X, text.Y, text.Text);
}

} // namespace

std::array<TMicrographViewer*, Viewers> ViewerList() {
    return {FormBildFe,  FormBildC01, FormBildC02, FormBildC03, FormBildC04,
            FormBildC05, FormBildC06, FormBildC07, FormBildC08};
}

std::optional<int> PictureAt(int x, int y) {
    if (StrictlyInside(FerriteBox, x, y))
        return 0;
    for (int k = 0; k < Fields; ++k)
        if (StrictlyInside(FieldRect(k), x, y))
            return k + 1;
    return std::nullopt;
}

bool PointsAtPicture(int x, int y) {
    const TRect row{FieldLeft, FieldTop, FieldRect(Fields - 1).Right, FieldBottom};
    return StrictlyInside(FerriteBox, x, y) || StrictlyInside(row, x, y);
}

} // namespace UnitEKDBilder

using namespace UnitEKDBilder;

TFormEKDBilder::TFormEKDBilder() : TForm(DesignPixelsPerInch, DesignTextHeight) {
    SetCaption("Eisen-Kohlenstoff-Schaubild: metastabiler Zustand  (Gefügereihe von 0.1% bis 0.8% "
               "Kohlenstoff)");
    BorderStyle = bsToolWindow;
    SetColor(ScreenFrame::ScreenBlue);

    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetColor(ScreenFrame::DiagramOrange);
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    PaintBoxHaupt->OnMouseMove = [this](int x, int y) { PaintBoxHauptMouseMove(x, y); };
    PaintBoxHaupt->OnMouseDown = [this](TMouseButton button, int x, int y) {
        PaintBoxHauptMouseDown(button, x, y);
    };
    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, HintFontHeight);

    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    ESCAPE = ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); });
    GefgereiheKohlenstoff0108undFerrit1 = MainMenu.Add(
        "GefgereiheKohlenstoff0108undFerrit1", "&Gefügereihe Kohlenstoff 0.1 % -0,8 % und Ferrit",
        [this] { GefgereiheKohlenstoff0108undFerrit1Click(); });
    Bildershlieen1 =
        MainMenu.Add("Bildershlieen1", "&Bilder schließen", [this] { Bildershlieen1Click(); });
}

void TFormEKDBilder::FormCreate() {
    const ScreenFrame::Layout layout = ScreenFrame::PlaceStandard(*this);
    if (layout.Small)
        PaintBoxHaupt->SetBounds(0, 0, ClientWidth(), ClientHeight() - StatusBarHint->Height());
    else
        PaintBoxHaupt->SetBounds(LargeSurface.Left, LargeSurface.Top, LargeSurface.Width(),
                                 LargeSurface.Height());
    Unit.BildMitteX = Screen.Width / 2;
    Unit.BildMitteY = Screen.Height / 2;
}

void TFormEKDBilder::FormPaint() {
    ScreenFrame::DrawBackdrop(*this, PaintBoxHaupt->Color(), BackdropOuter, BackdropInner);
}

// ---------------------------------------------------------------------------------------------
// The diagram

void TFormEKDBilder::DrawBackground() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    const int width = PaintBoxHaupt->Width();
    PhaseDiagram::DrawColourField(c, 0, width, 0, RedStart);
    c.Pen.Width = FadePenWidth;
    for (int i = RedStart; i <= FadeEnd; ++i) {
        c.Pen.Color = FadeBase - i;
        const int y = Round(FadeRowStep * i - FadeRowShift);
        c.MoveTo(0, y);
        c.LineTo(width, y);
    }
}

void TFormEKDBilder::DrawAxisLabels() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Font.Color = clWhite;
    Write(c, LowTemperatureLabels);
    c.Font.Color = clBlack;
    Write(c, HighTemperatureLabels);
    c.Font.Color = clWhite;
    Write(c, MagneticMark);
    for (int k = 0; k < CarbonLabels; ++k) {
        const std::string label = std::to_string(k / 2) + (k % 2 ? ",5" : ",0");
        c.TextOut(CarbonLabelLeft + CarbonLabelStep * k, ScaleLabelY, label);
    }
    Write(c, CarbonUnit);
    for (int k = 0; k < EvenCementiteLabels; ++k)
        c.TextOut(CementiteLabelLeft + CementiteLabelStep * k, CementiteLabelY,
                  std::to_string(CementitePerLabel * k));
    Write(c, LastCementiteLabels);
}

void TFormEKDBilder::DrawPhaseTexts() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    const Geometry::DesignScale pixels;
    Write(c, PointsAndMelt);
    c.Pen = Pen(LineBlue, LinePenWidth);
    Write(c, SteelFields);
    const TPoint box[] = {{FerriteBox.Left, FerriteBox.Bottom},
                          {FerriteBox.Right, FerriteBox.Bottom},
                          {FerriteBox.Right, FerriteBox.Top},
                          {FerriteBox.Left, FerriteBox.Top},
                          {FerriteBox.Left, FerriteBox.Bottom}};
    Geometry::DrawPolyline(c, pixels, box);
    Write(c, CastIronFields);
    const TPoint leader[] = {LeaderFrom, LeaderTo};
    Geometry::DrawPolyline(c, pixels, leader);
    Write(c, Temperatures);
}

void TFormEKDBilder::DrawGreekTexts() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Font.Name = GreekFace;
    c.Font.Height = GreekHeight;
    c.Font.Color = clBlack;
    Write(c, GreekTexts);
    c.Font.Color = clWhite;
    Write(c, FerriteLabel);
}

void TFormEKDBilder::DrawFields() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Pen = Pen(clBlack, 1);
    for (int k = 0; k < Fields; ++k) {
        c.Brush.Color = FieldGreys[k];
        c.Rectangle(FieldRect(k));
    }
}

void TFormEKDBilder::PaintBoxHauptPaint() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    DrawBackground();
    c.Font.Name = TextFace;
    c.Font.Height = TextHeight;
    c.Font.Color = clWhite;
    c.Brush.Color = FramePaleBlue;
    c.Pen = Pen(LineBlue, LinePenWidth);
    c.Rectangle(Geometry::Frame);
    c.Brush.Style = bsClear;
    DrawAxisLabels();
    c.Font.Color = clBlack;
    Geometry::DrawLines(c, Geometry::DesignScale{}, Geometry::MetastableLines(),
                        Pen(LineBlue, LinePenWidth), Pen(LineBlue, DashedPenWidth, psDash));
    DrawPhaseTexts();
    DrawGreekTexts();
    DrawFields();
}

// ---------------------------------------------------------------------------------------------
// Mouse

void TFormEKDBilder::PaintBoxHauptMouseMove(int x, int y) {
    PaintBoxHaupt->Cursor = PointsAtPicture(x, y) ? crHandPoint : crDefault;
}

void TFormEKDBilder::PaintBoxHauptMouseDown(TMouseButton, int x, int y) {
    if (const std::optional<int> picture = PictureAt(x, y))
        ViewerList()[*picture]->Show();
}

// ---------------------------------------------------------------------------------------------
// Commands

void TFormEKDBilder::GefgereiheKohlenstoff0108undFerrit1Click() {
    constexpr int SmallLeft = 360, SmallStepX = 40, SmallTop = 240, SmallStepY = 20;
    constexpr int LargeLeft = 100, LargeTop = 380, LargeStepY = 40;
    const bool small = Screen.Width < ScreenFrame::LargeWidth;
    const std::array<TMicrographViewer*, Viewers> viewers = ViewerList();
    // Placed before they are shown, so that no window jumps; the later ones lie on top.
    for (int i = 0; i < Viewers; ++i) {
        const int left =
            small ? Unit.BildMitteX - SmallLeft + SmallStepX * i : Unit.BildMitteX + LargeLeft;
        const int top = small ? Unit.BildMitteY - SmallTop + SmallStepY * i
                              : Unit.BildMitteY - LargeTop + LargeStepY * i;
        viewers[i]->SetBounds(left, top, viewers[i]->Width(), viewers[i]->Height());
    }
    for (TMicrographViewer* viewer : viewers)
        viewer->Show();
}

void TFormEKDBilder::Bildershlieen1Click() {
    for (TMicrographViewer* viewer : ViewerList())
        viewer->Close();
}

void TFormEKDBilder::EndeClick() {
    Close();
}

void TFormEKDBilder::ESCAPEClick() {
    Close();
}

// Also on the close box: no picture stays open behind the menu.
void TFormEKDBilder::FormClose() {
    Bildershlieen1Click();
}
