#include "ironcarbon/UnitEKDGESAMT.h"

#include "ironcarbon/IronCarbonGeometry.h"
#include "ironcarbon/IronCarbonProbe.h"
#include "ironcarbon/TextPanel.h"
#include "ironcarbon/UnitFeKFZ.h"
#include "ironcarbon/UnitFeKRZ.h"
#include "platform/Screen.h"
#include "shell/ScreenFrame.h"

#include <algorithm>
#include <span>

TFormEKDGesamt* FormEKDGesamt = nullptr;

namespace UnitEKDGESAMT {

Variables Unit;

namespace {

namespace Geometry = IronCarbonGeometry;

constexpr int HintFontHeight = -15;

// Colours of the diagram.
constexpr TColor MetastableBlue = clBlue;
constexpr TColor StableRed = clRed;
constexpr TColor StableTextRed = 0x000064;
constexpr TColor MetastableFramePaleBlue = 0xFFD7D7;
constexpr TColor StableFramePalePink = 0xE8E8FF;
constexpr TColor AusteniteFill = clYellow;
// The ferrite field takes the colour of the ferrite lattice screen.
constexpr TColor FerriteFill = UnitFeKRZ::FerriteOrange;
// Backgrounds of the range labels: the lighter the grey, the less carbon.
constexpr TColor HypoeutectoidGrey = 0xE6E6E6;
constexpr TColor EutectoidGrey = 0xD6D6D6;
constexpr TColor HypereutectoidGrey = clSilver;

// Pens of the lines.
constexpr int LinePenWidth = 2;
constexpr int DashedPenWidth = 1;
constexpr int FramePenWidth = 2;

// The background behind every view, in pixels: rows of width-3 lines every 2 pixels, from
// yellow through the green channel to red (0x00FEFF − 256 · k), then red fading to nearly
// black (506 − k).
constexpr int GradientPenWidth = 3;
constexpr int GradientRowSpacing = 2;
constexpr int GradientYellowRows = 250;
constexpr int GradientLastRow = 500;
constexpr TColor GradientYellow = 0x00FEFF;
constexpr int GradientGreenStep = 256;
constexpr int GradientRedBase = 506;

// Texts of the diagram.
constexpr const char* TextFace = "Sains Serif";
constexpr const char* GreekFace = "Symbol";
constexpr int TextDesignHeight = 16;
constexpr int LabelDesignHeight = 18;
constexpr int RangeLabelDesignHeight = 10;

struct DiagramText {
    const char* Text;
    int X;
    int Y;
};

// Axis labels. The five lowest temperatures stand on the dark end of the background.
constexpr int DarkTemperatureLabels = 5;
constexpr DiagramText TemperatureLabels[] = {
    {" 500°C", 5, 485},         {" 600°C", 5, 442}, {" 700°C", 5, 399}, {" 800°C", 5, 356},
    {" 900°C", 5, 313},         {"1000°C", 5, 270}, {"1100°C", 5, 227}, {"1200°C", 5, 184},
    {"1300°C", 5, 141},         {"1400°C", 5, 98},  {"1500°C", 5, 55},  {"1600°C", 5, 16},
    {"Temperatur in °C", 5, 1},
};
constexpr DiagramText MagneticMark{"M", 37, 370};
constexpr DiagramText CarbonLabels[] = {
    {"0,0", 42, 493},  {"0,5", 92, 493},
    {"1,0", 142, 493}, {"1,5", 192, 493},
    {"2,0", 242, 493}, {"2,5", 292, 493},
    {"3,0", 342, 493}, {"3,5", 392, 493},
    {"4,0", 442, 493}, {"4,5", 492, 493},
    {"5,0", 542, 493}, {"5,5", 592, 493},
    {"6,0", 642, 493}, {"6,67 % Kohlenstoff", 680, 493},
};
constexpr DiagramText CementiteLabels[] = {
    {"0", 46, 507},
    {"10", 113, 507},
    {"20", 180, 507},
    {"30", 247, 507},
    {"40", 314, 507},
    {"50", 381, 507},
    {"60", 448, 507},
    {"70", 515, 507},
    {"80", 583, 507},
    {"90", 650, 507},
    {"100 % Zementit", 697, 507},
};

// Texts of the metastable system, in drawing order.
constexpr DiagramText MetastableTexts[] = {
    {"A", 53, 27},
    {"B", 100, 49},
    {"C", 482, 217},
    {"D", 720, 135},
    {"E", 260, 218},
    {"F", 700, 218},
    {"G", 54, 295},
    {"S", 135, 396},
    {"O", 100, 360},
    {"H", 40, 63},
    {"J", 69, 75},
    {"N", 53, 110},
    {"P", 60, 396},
    {"Q", 54, 475},
    {"L", 705, 475},
    {"K", 700, 396},
    {"Ferrit", 60, 404},
    {"Schmelze", 420, 70},
    {"Schmelze + Austenit", 200, 140},
    {"Austenit", 100, 240},
    {"Sekundärzementit", 145, 375},
    {"Perlit+", 170, 430},
    {"Sekundärzementit", 140, 445},
    {"Perlit+", 75, 430},
    {"Perlit", 120, 413},
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
    {"=1536°C", 70, 21},
    {"=1493°C", 113, 56},
    {"=1392°C", 67, 116},
    {"911°C", 60, 310},
    {"769°C", 57, 364},
    {"723°C", 380, 400},
    {"1147°C", 380, 220},
    {"1320°C", 675, 128},
    {"metastabil", 600, 135},
};
// The stable system's texts of the combined view.
constexpr DiagramText StableTextsCombined[] = {
    {"738°C", 380, 375}, {"1153°C", 380, 195}, {"stabil", 555, 78}, {"P´", 63, 378},
    {"C´", 480, 190},    {"D´", 590, 25},      {"E´", 228, 206},    {"F´", 700, 192},
    {"S´", 112, 368},    {"K´", 700, 376},
};
// The Greek phase names (a, g and d show as α, γ and δ in the Symbol face).
constexpr DiagramText MetastableGreekTexts[] = {
    {"g-MK+", 180, 360}, {"a-MK", 70, 445}, {"g-MK", 320, 280}, {"a", 55, 340},
    {"g-MK", 54, 354},   {"a-MK", 57, 415}, {"d-MK", 15, 80},   {"+ d-MK", 134, 37},
    {"d+", 65, 88},      {"g-MK", 58, 101}, {"g-MK", 105, 260},
};
// The stable view writes its own set.
constexpr DiagramText StableTexts[] = {
    {"A", 53, 27},
    {"B", 100, 49},
    {"G", 54, 295},
    {"O", 100, 360},
    {"H", 40, 63},
    {"J", 69, 75},
    {"N", 53, 110},
    {"Q", 54, 475},
    {"L", 705, 475},
    {"C´", 483, 190},
    {"D´", 590, 25},
    {"E´", 225, 206},
    {"F´", 720, 192},
    {"S´", 110, 368},
    {"P´", 62, 376},
    {"K´", 705, 376},
    {"Ferrit", 60, 404},
    {"Schmelze +", 76, 37},
    {"Austenit", 100, 240},
    {"Schmelze", 420, 70},
    {"Schmelze + Austenit", 180, 140},
    {"Schmelze + Graphit", 550, 100},
    {" + Graphit", 450, 290},
    {" + Graphit", 400, 425},
    {"=1536°C", 70, 21},
    {"=1493°C", 113, 56},
    {"=1392°C", 67, 125},
    {"911°C", 60, 310},
    {"769°C", 57, 364},
    {"738°C", 380, 375},
    {"1153°C", 380, 195},
};
constexpr DiagramText StableGreekTexts[] = {
    {"a", 55, 340}, {"g-MK", 54, 354}, {"a-MK", 57, 415},   {"d-MK", 4, 80},     {"d-MK", 136, 37},
    {"d+", 62, 88}, {"g-MK", 54, 104}, {"g-MK ", 350, 290}, {"a-MK ", 300, 425}, {"g-MK", 105, 260},
};

// The two text panels.
constexpr TextPanelLine SteelLines[] = {
    {5, "Ein Eisenwerkstoff ist eine Metalllegierung, in der"},
    {25, "Eisen den größten Massenanteil aller vorhandenen"},
    {45, "Legierungselemente aufweist."},
    {75, "Stahl sind alle schmiedbaren Eisenwerkstoffe"},
    {95, "mit in der Regel weniger als 2 % Kohlenstoff."},
    {125, "Im Gegensatz dazu werden Eisenwerkstoffe mit mehr"},
    {145, "als 2 % Kohlenstoff als Gusseisen bezeichnet."},
};
constexpr TextPanelLine MeaningLines[] = {
    {5, "Mit Hilfe des Eisen-Kohlenstoff-Schaubildes kann"},
    {25, "herausgefunden werden, in welchem Zustand sich ein"},
    {45, "Stahl bei bekannter Temperatur und bekanntem "},
    {65, "Kohlenstoffgehalt befindet. "},
    {85, "In Abhängigkeit vom Kohlenstoffgehalt wird zwischen:"},
    {105, "- untereutektoidischen Stählen"},
    {125, "- eutektoidischen"},
    {145, "- übereutektoidischen Stählen"},
    {165, "unterschieden."},
};

// Design bounds of the panels and labels: left, top, width, height.
struct DesignBounds {
    int Left, Top, Width, Height;
};
constexpr DesignBounds SteelPanel{401, 0, 395, 170};
constexpr DesignBounds MeaningPanel{0, 0, 400, 190};
constexpr DesignBounds UnterBounds{15, 105, 350, 20};
constexpr DesignBounds PerlitBounds{15, 125, 350, 20};
constexpr DesignBounds UeberBounds{15, 145, 350, 20};
constexpr DesignBounds BUnterBounds{30, 483, 101, 12};
constexpr DesignBounds BPerlitBounds{100, 469, 80, 12};
constexpr DesignBounds BUeberBounds{132, 483, 150, 12};

Geometry::DesignScale Scale() {
    return {Unit.FaktorX, Unit.FaktorY};
}

void SetScaledBounds(TControl& control, const ScreenFrame::Layout& layout, const DesignBounds& b) {
    ScreenFrame::SetScaledBounds(control, layout, b.Left, b.Top, b.Width, b.Height);
}

void SetLabelFont(TLabel& label, int designHeight) {
    TFont font = label.Font();
    font.Height = ScreenFrame::Scaled(designHeight, Unit.FaktorX);
    font.Bold = true;
    label.SetFont(font);
}

TPen Pen(TColor color, int width, TPenStyle style = psSolid) {
    TPen pen;
    pen.Color = color;
    pen.Width = width;
    pen.Style = style;
    return pen;
}

// Every text of the views is drawn without a background box.
void WriteTexts(TCanvas& c, std::span<const DiagramText> texts, TColor color,
                const char* face = TextFace) {
    c.Brush.Style = bsClear;
    c.Font.Name = face;
    c.Font.Height = ScreenFrame::Scaled(TextDesignHeight, Unit.FaktorX);
    c.Font.Color = color;
    const Geometry::DesignScale scale = Scale();
    for (const DiagramText& t : texts)
        c.TextOut(scale.X(t.X), scale.Y(t.Y), t.Text);
}

struct AxisStyle {
    TColor LowTemperatures;
    TColor HighTemperatures; // and the axis title
    TColor Scales;           // carbon and cementite
    bool MagneticMark;
    bool Cementite;
};

void WriteAxisLabels(TCanvas& c, const AxisStyle& style) {
    std::span<const DiagramText> temperatures(TemperatureLabels);
    WriteTexts(c, temperatures.first(DarkTemperatureLabels), style.LowTemperatures);
    WriteTexts(c, temperatures.subspan(DarkTemperatureLabels), style.HighTemperatures);
    if (style.MagneticMark)
        WriteTexts(c, std::span(&MagneticMark, 1), clBlack);
    WriteTexts(c, CarbonLabels, style.Scales);
    if (style.Cementite)
        WriteTexts(c, CementiteLabels, style.Scales);
}

} // namespace
} // namespace UnitEKDGESAMT

using namespace UnitEKDGESAMT;

TFormEKDGesamt::TFormEKDGesamt() : TForm(96, 13) {
    SetCaption("Das System Eisen-Kohlenstoff im Eisen-Kohlenstoff-Zustandsschaubild (EKS)");
    BorderStyle = bsToolWindow;
    WindowState = wsMaximized;
    SetColor(clYellow);
    SetFont({"MS Sans Serif", -11, clWindowText, false});

    PaintBoxSonde = Add<TPaintBox>();
    PaintBoxSonde->Name = "PaintBoxSonde";
    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";

    PaintBoxDefStahl = Add<TPaintBox>();
    PaintBoxDefStahl->Name = "PaintBoxDefStahl";
    PaintBoxDefStahl->SetVisible(false);
    PaintBoxDefStahl->OnPaint = [this] { PaintBoxDefStahlPaint(); };
    PaintBoxDefStahl->OnClick = [this] { PaintBoxDefStahlClick(); };
    PaintBoxDefStahl->SetAccessibleText(TextPanelText(SteelLines));

    PaintBoxDefEKS = Add<TPaintBox>();
    PaintBoxDefEKS->Name = "PaintBoxDefEKS";
    PaintBoxDefEKS->SetVisible(false);
    PaintBoxDefEKS->OnPaint = [this] { PaintBoxDefEKSPaint(); };
    PaintBoxDefEKS->OnClick = [this] { PaintBoxDefEKSClick(); };
    PaintBoxDefEKS->SetAccessibleText(TextPanelText(MeaningLines));

    // The large labels lie over the dash lines of the meaning panel, the small ones over the
    // carbon ranges at the foot of the diagram.
    Labelunter =
        AddLabel("Labelunter", "untereutektoidischen Stählen mit Ferrit/Perlit", HypoeutectoidGrey);
    Labelperlit = AddLabel("Labelperlit", "eutektoidischen Stählen mit Perlit", EutectoidGrey);
    Labelueber = AddLabel("Labelueber", "übereutektoidischen Stählen mit Perlit/Zementit",
                          HypereutectoidGrey);
    LabelBunter = AddLabel("LabelBunter", "untereutek.Stahl", HypoeutectoidGrey);
    LabelBperlit = AddLabel("LabelBperlit", "eutek. Stahl", EutectoidGrey);
    LabelBueber = AddLabel("LabelBueber", "übereutektoidischer Stahl", HypereutectoidGrey);

    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, HintFontHeight);

    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    DefinitionStahl1 =
        MainMenu.Add("DefinitionStahl1", "Sta&hl", [this] { DefinitionStahl1Click(); });
    EisenKohlenstoffSchaubild1 = MainMenu.Add("EisenKohlenstoffSchaubild1", "&Bedeutung des EKS",
                                              [this] { EisenKohlenstoffSchaubild1Click(); });
    Gesamt = MainMenu.Add("Gesamt", "metas&tabil (stabil) ", [this] { GesamtClick(); });
    Gesamt->SetEnabled(false);
    Metastabil = MainMenu.Add("Metastabil", "&metastabil", [this] { MetastabilClick(); });
    Stabil = MainMenu.Add("Stabil", "&stabil", [this] { StabilClick(); });
    AlphaMischkristall1 =
        MainMenu.Add("AlphaMischkristall1", "&Ferrit", [this] { AlphaMischkristall1Click(); });
    GammaMischkristall1 =
        MainMenu.Add("GammaMischkristall1", "&Austenit", [this] { GammaMischkristall1Click(); });
    FerritAustenit1 =
        MainMenu.Add("FerritAustenit1", "Ferrit/Austen&it", [this] { FerritAustenit1Click(); });
    ESCAPE = ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); });
}

TLabel* TFormEKDGesamt::AddLabel(const char* name, const char* caption, TColor background) {
    TLabel* label = Add<TLabel>();
    label->Name = name;
    label->AutoSize = false;
    label->SetCaption(caption);
    label->SetColor(background);
    label->SetVisible(false);
    return label;
}

void TFormEKDGesamt::FormCreate() {
    // The small layout also holds at exactly 1024 pixels.
    const ScreenFrame::Layout layout =
        ScreenFrame::PlaceStandard(*this, ScreenFrame::LayoutTest::WidthUpTo1024);
    Unit.FaktorX = layout.FaktorX;
    Unit.FaktorY = layout.FaktorY;
    PaintBoxHaupt->SetBounds(0, 0, ClientWidth(), ClientHeight() - StatusBarHint->Height());
    PaintBoxSonde->SetBounds(0, 0, PaintBoxHaupt->Width(), PaintBoxHaupt->Height());
    metastableMap_ = IronCarbonProbe::Metastable(Unit.FaktorX, Unit.FaktorY);
    stableMap_ = IronCarbonProbe::Stable(Unit.FaktorX, Unit.FaktorY);
    // The screen has no animation: it is always still.
    Sonde.Attach(
        *this, *PaintBoxSonde, [this](DiagramProbe::Point p) { return ReadDiagram(p); },
        [] { return true; }, Unit.FaktorX, Unit.FaktorY);
    SetScaledBounds(*PaintBoxDefStahl, layout, SteelPanel);
    SetScaledBounds(*PaintBoxDefEKS, layout, MeaningPanel);
    SetScaledBounds(*Labelunter, layout, UnterBounds);
    SetScaledBounds(*Labelperlit, layout, PerlitBounds);
    SetScaledBounds(*Labelueber, layout, UeberBounds);
    SetScaledBounds(*LabelBunter, layout, BUnterBounds);
    SetScaledBounds(*LabelBperlit, layout, BPerlitBounds);
    SetScaledBounds(*LabelBueber, layout, BUeberBounds);
    for (TLabel* label : {Labelunter, Labelperlit, Labelueber})
        SetLabelFont(*label, LabelDesignHeight);
    for (TLabel* label : {LabelBunter, LabelBperlit, LabelBueber})
        SetLabelFont(*label, RangeLabelDesignHeight);
    WidenToCaptions({Labelunter, Labelperlit, Labelueber});
}

// The large labels are grey bars of one length over the panel's dash lines. Our sans face is
// wider than the one they were laid out for, so the bars grow until the longest caption shows
// whole; the meaning panel has the room.
void TFormEKDGesamt::WidenToCaptions(std::initializer_list<TLabel*> labels) {
    int width = 0;
    for (TLabel* label : labels) {
        label->Canvas.Font = label->Font();
        width = std::max({width, label->Width(), label->Canvas.TextWidth(label->Caption())});
    }
    for (TLabel* label : labels)
        label->SetWidth(width);
}

// ---------------------------------------------------------------------------------------------
// The views

void TFormEKDGesamt::DrawBackground() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Pen = Pen(GradientYellow, GradientPenWidth);
    for (int k = 0; k <= GradientLastRow; ++k) {
        c.Pen.Color =
            k <= GradientYellowRows ? GradientYellow - GradientGreenStep * k : GradientRedBase - k;
        // The rows run to the screen's width; the surface clips them.
        c.MoveTo(0, GradientRowSpacing * k);
        c.LineTo(Screen.Width, GradientRowSpacing * k);
    }
}

void TFormEKDGesamt::DrawFrame(TColor fill, TColor outline) {
    TCanvas& c = PaintBoxHaupt->Canvas;
    const Geometry::DesignScale scale = Scale();
    c.Brush.Color = fill;
    c.Pen = Pen(outline, FramePenWidth);
    c.Rectangle(scale.X(Geometry::Frame.Left), scale.Y(Geometry::Frame.Top),
                scale.X(Geometry::Frame.Right), scale.Y(Geometry::Frame.Bottom));
}

// Before a view of one system is drawn the whole surface takes the screen's colour.
void TFormEKDGesamt::ClearSurface() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Brush.Color = Color();
    c.Pen.Color = MetastableBlue;
    c.Rectangle(0, 0, PaintBoxHaupt->Width(), PaintBoxHaupt->Height());
}

// A view covers the whole diagram: what the probe drew has gone under it.
void TFormEKDGesamt::ViewDrawn(Variables::View view) {
    Unit.Shown = view;
    Sonde.Forget();
}

// The combined view reads the metastable system and adds what the stable one reads where that
// is another field, line or point.
DiagramProbe::Reading TFormEKDGesamt::ReadDiagram(DiagramProbe::Point design) const {
    using View = Variables::View;
    switch (Unit.Shown) {
    case View::Metastable:
        return DiagramProbe::Read(metastableMap_, design);
    case View::Stable:
        return DiagramProbe::Read(stableMap_, design);
    case View::Combined:
        break;
    }
    return DiagramProbe::WithSecond(DiagramProbe::Read(metastableMap_, design),
                                    DiagramProbe::Read(stableMap_, design), "Stabiles System");
}

void TFormEKDGesamt::DrawCombinedView() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    ViewDrawn(Variables::View::Combined);
    const Geometry::DesignScale scale = Scale();
    DrawBackground();
    DrawFrame(clWhite, clBlack);
    WriteAxisLabels(c, {clWhite, clBlack, clWhite, false, true});
    Geometry::DrawLines(c, scale, Geometry::MetastableLines(), Pen(MetastableBlue, LinePenWidth),
                        Pen(MetastableBlue, DashedPenWidth, psDash));
    const TPen stablePen = Pen(StableRed, LinePenWidth);
    Geometry::DrawLines(c, scale, Geometry::StableLines(), stablePen, stablePen);
    c.Pen = stablePen;
    if (Unit.FuellungAustenit) {
        c.Brush.Color = AusteniteFill;
        Geometry::DrawField(c, scale, Geometry::AusteniteField());
    }
    if (Unit.FuellungFerrit) {
        c.Brush.Color = FerriteFill;
        Geometry::DrawField(c, scale, Geometry::FerriteField());
    }
    WriteTexts(c, MetastableTexts, MetastableBlue);
    WriteTexts(c, StableTextsCombined, StableRed);
    WriteTexts(c, MetastableGreekTexts, MetastableBlue, GreekFace);
}

void TFormEKDGesamt::DrawMetastableView() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    ViewDrawn(Variables::View::Metastable);
    ClearSurface();
    DrawBackground();
    DrawFrame(MetastableFramePaleBlue, MetastableBlue);
    WriteAxisLabels(c, {clBlack, clBlack, clBlack, true, true});
    Geometry::DrawLines(c, Scale(), Geometry::MetastableLines(), Pen(MetastableBlue, LinePenWidth),
                        Pen(MetastableBlue, DashedPenWidth, psDash));
    WriteTexts(c, MetastableTexts, MetastableBlue);
    WriteTexts(c, MetastableGreekTexts, MetastableBlue, GreekFace);
}

void TFormEKDGesamt::DrawStableView() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    ViewDrawn(Variables::View::Stable);
    ClearSurface();
    DrawBackground();
    DrawFrame(StableFramePalePink, StableRed);
    WriteAxisLabels(c, {clBlack, clBlack, clBlack, true, false});
    const TPen stablePen = Pen(StableRed, LinePenWidth);
    Geometry::DrawLines(c, Scale(), Geometry::StableViewLines(), stablePen, stablePen);
    WriteTexts(c, StableTexts, StableTextRed);
    WriteTexts(c, StableGreekTexts, StableTextRed, GreekFace);
}

// The screen's paint draws the combined view, whatever view was chosen last.
void TFormEKDGesamt::FormPaint() {
    DrawCombinedView();
}

// ---------------------------------------------------------------------------------------------
// Panels

void TFormEKDGesamt::PaintBoxDefStahlPaint() {
    DrawTextPanel(*PaintBoxDefStahl, Unit.FaktorX, Unit.FaktorY, SteelLines);
}

void TFormEKDGesamt::PaintBoxDefEKSPaint() {
    DrawTextPanel(*PaintBoxDefEKS, Unit.FaktorX, Unit.FaktorY, MeaningLines);
}

void TFormEKDGesamt::PaintBoxDefStahlClick() {
    PaintBoxDefStahl->SetVisible(false);
    Refresh();
}

void TFormEKDGesamt::PaintBoxDefEKSClick() {
    PaintBoxDefEKS->SetVisible(false);
    for (TLabel* label : RangeLabels())
        label->SetVisible(false);
    Refresh();
}

void TFormEKDGesamt::DefinitionStahl1Click() {
    PaintBoxDefStahl->SetVisible(true);
    Refresh();
}

void TFormEKDGesamt::EisenKohlenstoffSchaubild1Click() {
    for (TLabel* label : RangeLabels())
        label->SetVisible(true);
    PaintBoxDefEKS->SetVisible(true);
    Refresh();
}

std::array<TLabel*, 6> TFormEKDGesamt::RangeLabels() const {
    return {LabelBunter, LabelBperlit, LabelBueber, Labelunter, Labelperlit, Labelueber};
}

void TFormEKDGesamt::HideOverlays() {
    for (TLabel* label : RangeLabels())
        label->SetVisible(false);
    PaintBoxDefStahl->SetVisible(false);
    PaintBoxDefEKS->SetVisible(false);
}

// ---------------------------------------------------------------------------------------------
// View commands: exactly one of them is disabled, the one whose view was drawn last.

void TFormEKDGesamt::ShowView(TMenuItem* drawn) {
    for (TMenuItem* item : {Gesamt, Metastabil, Stabil})
        item->SetEnabled(item != drawn);
}

void TFormEKDGesamt::GesamtClick() {
    for (TLabel* label : {Labelunter, Labelperlit, Labelueber})
        label->SetVisible(false);
    PaintBoxDefStahl->SetVisible(false);
    PaintBoxDefEKS->SetVisible(false);
    ShowView(Gesamt);
    FormPaint();
    // The view was drawn straight over the range labels, which stay: they are painted again
    // with the area the panels leave.
    for (TLabel* label : {LabelBunter, LabelBperlit, LabelBueber})
        if (label->Visible())
            InvalidateRect(label->BoundsRect());
}

void TFormEKDGesamt::MetastabilClick() {
    HideOverlays();
    ShowView(Metastabil);
    Refresh();
    DrawMetastableView();
}

void TFormEKDGesamt::StabilClick() {
    HideOverlays();
    ShowView(Stabil);
    Refresh();
    DrawStableView();
}

// ---------------------------------------------------------------------------------------------
// Lattice commands

void TFormEKDGesamt::PlaceBeside(TForm& lattice, int left) {
    lattice.SetBounds(left, (Screen.Height - Height()) / 2, lattice.Width(), lattice.Height());
}

// The repaint that the command makes fills the field once; any later repaint draws the diagram
// without it.
void TFormEKDGesamt::ShowFilled(bool& fill, TForm& shown, TForm& closed) {
    fill = true;
    HideOverlays();
    Refresh();
    PlaceBeside(shown, Screen.Width - shown.Width());
    shown.Show();
    closed.Close();
    fill = false;
}

void TFormEKDGesamt::AlphaMischkristall1Click() {
    ShowFilled(Unit.FuellungFerrit, *FormFeKRZ, *FormFeKFZ);
}

void TFormEKDGesamt::GammaMischkristall1Click() {
    ShowFilled(Unit.FuellungAustenit, *FormFeKFZ, *FormFeKRZ);
}

void TFormEKDGesamt::FerritAustenit1Click() {
    HideOverlays();
    Refresh();
    PlaceBeside(*FormFeKFZ, Screen.Width - FormFeKFZ->Width());
    PlaceBeside(*FormFeKRZ, 0);
    FormFeKFZ->Show();
    FormFeKRZ->Show();
}

// ---------------------------------------------------------------------------------------------
// Closing

void TFormEKDGesamt::EndeClick() {
    Close();
}

void TFormEKDGesamt::ESCAPEClick() {
    Close();
}

// Also on the close box: the next opening starts in the combined view, and the lattice cells
// do not turn on behind the menu.
void TFormEKDGesamt::FormClose() {
    HideOverlays();
    ShowView(Gesamt);
    for (TLatticeForm* lattice :
         {static_cast<TLatticeForm*>(FormFeKFZ), static_cast<TLatticeForm*>(FormFeKRZ)}) {
        lattice->Close();
        lattice->Timer1->SetEnabled(false);
    }
}
