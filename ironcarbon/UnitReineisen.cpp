#include "ironcarbon/UnitReineisen.h"

#include "ironcarbon/Lattice.h"
#include "phase/PhaseDiagram.h"
#include "phase/SegmentChain.h"
#include "shell/ScreenFrame.h"

#include <optional>
#include <span>
#include <vector>

TFormReineisen* FormReineisen = nullptr;

namespace UnitReineisen {

Variables Unit;

namespace {

using PhaseDiagram::Quad;
using SegmentChain::After;
using SegmentChain::Flat;
using SegmentChain::Test;

// The window as stored: at 120 pixels per inch with a text height of 16.
constexpr int DesignPixelsPerInch = 120;
constexpr int DesignTextHeight = 16;
constexpr int FontHeight = -13;
constexpr int HintFontHeight = -17;
constexpr int MemoFontDesignHeight = 16;
constexpr int CurveInterval = 100;

using ScreenFrame::Bounds;
using ScreenFrame::Place;
struct Layout {
    Bounds Diagram;
    Bounds Panel;
    Bounds Memo;
};
constexpr Layout SmallLayout{{20, 10, 500, 400}, {520, 10, 250, 520}, {20, 405, 500, 120}};
constexpr Layout LargeLayout{{100, 50, 500, 400}, {670, 50, 250, 570}, {70, 470, 560, 150}};
constexpr TRect Backdrop{40, 22, 970, 640};

constexpr TColor DiagramGold = 0x00D2FF;
constexpr TColor Green = 0x008235;
constexpr TColor DarkRed = 0x00006F;
constexpr TColor Orange = 0x00CDFF;
constexpr TColor Red222 = 0x0000DE;
constexpr TColor Red254 = 0x0000FE;
constexpr int DiagramPenWidth = 2;

// The diagram: a white field with the colour rows, from the melt at the top to the solid.
constexpr TRect Field{20, 20, 450, 370};
constexpr int FirstFieldRow = 21;

// A curve counts as drawn once its last piece has got this far.
constexpr int CoolingLast = 150;
constexpr int HeatingLast = 438;
// What "&Neu" puts there, so that neither curve counts as drawn.
constexpr int CoolingCleared = 145;
constexpr int HeatingCleared = 433;

std::span<float> Pieces(Positions& p) {
    return std::span<float>(p).subspan(1);
}

// --- the curves ------------------------------------------------------------------------------

constexpr int CurvePenWidth = 3;

// --- guide lines and names -------------------------------------------------------------------

using Caption = PhaseDiagram::Label;
struct Captions {
    TColor Font;
    TColor Brush;
    std::vector<Caption> Texts;
};
struct Guide {
    int Left;
    int Right;
    int Y;
};
// Drawn at every tick while piece Position stands at Value.
struct Label {
    int Position;
    int Value;
    std::optional<Guide> Line;
    std::vector<Captions> Groups;
};

const Caption Melt{205, 30, "Schmelze"};
const Captions DeltaIron{
    clYellow, clBlue, {{210, 77, "DELTA-Fe"}, {190, 92, "kubisch-raumzentriert"}}};
const Captions GammaIron{
    clYellow, Red222, {{215, 180, "GAMMA-Fe"}, {190, 200, "kubisch-flächenzentriert"}}};
const Captions AlphaIron{
    clYellow, clBlue, {{210, 280, "ALPHA-Fe"}, {190, 300, "kubisch-raumzentriert"}}};
const Caption Magnetic{195, 330, "Eisen magnetisch"};

const std::vector<Label> CoolingLabels{
    {1, 33, {}, {{clBlack, clYellow, {Melt}}}},
    {1,
     38,
     Guide{20, 200, 65},
     {{clBlack, clYellow, {{23, 70, "1536°C"}, {80, 60, "Erstarrungspunkt"}}}}},
    {2, 65, {}, {DeltaIron}},
    {3, 73, Guide{20, 200, 113}, {{clBlack, Orange, {{26, 98, "Ar(4)"}, {23, 118, "1392°C"}}}}},
    {4, 87, {}, {GammaIron}},
    {5, 115, Guide{20, 200, 275}, {{clYellow, Red254, {{26, 260, "Ar(3)"}, {23, 280, "906°C"}}}}},
    {6, 125, {}, {AlphaIron}},
    {7,
     135,
     Guide{20, 200, 320},
     {{clYellow, Red254, {{26, 305, "Ar(2)"}, {23, 325, "769°C"}, {60, 312, "Curiepunkt"}}}}},
    {8, 145, {}, {{clYellow, clBlue, {Magnetic}}}},
};

const std::vector<Label> HeatingLabels{
    {1,
     325,
     Guide{260, 450, 320},
     {{clYellow, clBlue, {Magnetic, AlphaIron.Texts[0], AlphaIron.Texts[1]}},
      {clYellow, Red254, {{340, 312, "Curiepunkt"}, {416, 305, "Ac(2)"}, {413, 325, "769°C"}}}}},
    {3,
     345,
     Guide{260, 450, 273},
     {{clYellow, Red254, {{413, 278, "911°C"}, {416, 258, "Ac(3)"}}}}},
    {4, 355, {}, {GammaIron}},
    {5, 383, Guide{260, 450, 113}, {{clBlack, Orange, {{406, 118, "1392°C"}}}}},
    {6, 397, {}, {DeltaIron}},
    {7,
     405,
     Guide{260, 450, 65},
     {{clBlack, clYellow, {{407, 70, "1536°C"}, {310, 60, "Schmelzpunkt"}}}}},
    {8, 432, {}, {{clBlack, clYellow, {Melt}}}},
};

void DrawLabels(TCanvas& c, std::span<const Label> labels, const Positions& x, TColor font,
                TColor brush) {
    c.Pen.Color = clBlack;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Brush.Color = brush;
    c.Font.Color = font;
    for (const Label& label : labels) {
        if (x[label.Position] != label.Value)
            continue;
        if (label.Line) {
            c.MoveTo(label.Line->Left, label.Line->Y);
            c.LineTo(label.Line->Right, label.Line->Y);
        }
        for (const Captions& group : label.Groups) {
            c.Font.Color = group.Font;
            c.Brush.Color = group.Brush;
            PhaseDiagram::Write(c, group.Texts);
        }
    }
}

// --- the lattice panel -----------------------------------------------------------------------

constexpr int AtomRadius = 3;
constexpr int BodyCentred = 12;
constexpr int FaceCentred = 0;
// Where the panel shows δ-iron, the change between γ and α, and α-iron.
constexpr int AtTop = -180;
constexpr int AtMiddle = 0;
constexpr int AtBottom = 200;
// Cleared areas: two fixed ones and bands across the panel, from x 10 to 5 pixels inside its
// right edge.
constexpr TRect WholePanel{5, 2, 247, 518};
constexpr TRect UpperPanel{5, 2, 247, 330};
struct Band {
    int Top;
    int Bottom;
};
constexpr int BandLeft = 10;
constexpr int BandInset = 5;
constexpr Band TopBand{0, 133};
constexpr Band MiddleBand{150, 400};
constexpr Band MiddleBandHeating{150, 330};
constexpr Band BottomBand{370, 520};
constexpr TPoint BodyCentredTitleTop{20, 30};
constexpr TPoint FaceCentredTitle{20, 150};
constexpr TPoint BodyCentredTitleBottom{20, 430};

// Cooling: the whole panel is laid out anew at every tick of the 1536 °C arrest (piece 1 at 38).
constexpr int Solidifying = 38;
// The δ/γ arrest: piece 4 at 74 shows the body-centred cell, at 75 … 85 it changes shape to
// 86 − x, at 86 the face-centred picture stands.
constexpr int GammaCellShown = 74;
constexpr int GammaFirst = 75;
constexpr int GammaLast = 85;
constexpr int GammaDone = 86;
// The γ/α arrest: piece 6 at 116 … 123 takes these shapes, at 124 the body-centred cell stands.
constexpr int AlphaFirst = 116;
constexpr int AlphaShapes[] = {0, 1, 2, 3, 4, 6, 8, 10};
constexpr int AlphaDone = 124;
// Heating: the first tick (piece 1 at 321); the α/γ arrest, piece 4 at 346 … 353 with shape
// 355 − x, at 354 the last shape 1 and then the face-centred picture; the γ/δ arrest, piece 6 at
// 384 … 394 with shape x − 384, at 395 the body-centred cell in shape 11.
constexpr int HeatingFirstTick = 321;
constexpr int GammaHeatFirst = 346;
constexpr int GammaHeatLast = 353;
constexpr int GammaHeatDone = 354;
constexpr int GammaHeatShapes = 355;
constexpr int DeltaHeatFirst = 384;
constexpr int DeltaHeatLast = 394;
constexpr int DeltaHeatDone = 395;
constexpr int DeltaHeatShape = 11;

// The face-centred picture: two cells stacked, each a front square and a back square shifted by
// (+40, −20) with the edges between, face diagonals and atoms at corners and face centres.
struct FaceCentredCell {
    TRect Front;
    std::vector<std::vector<TPoint>> Solid;
    std::vector<std::vector<TPoint>> Dotted;
    std::vector<TPoint> Atoms;
};
const FaceCentredCell UpperCell{
    {100, 160, 200, 260},
    {{{100, 160}, {140, 140}},
     {{200, 160}, {240, 140}},
     {{140, 140}, {240, 140}, {240, 240}, {200, 260}},
     {{100, 160}, {240, 140}},
     {{140, 140}, {200, 160}, {240, 240}},
     {{200, 260}, {240, 140}},
     {{100, 260}, {200, 160}},
     {{100, 160}, {200, 260}}},
    {{{100, 160}, {140, 240}},
     {{100, 260}, {140, 140}},
     {{100, 260}, {140, 240}, {240, 240}},
     {{140, 240}, {140, 140}},
     {{140, 240}, {240, 140}},
     {{240, 240}, {140, 140}},
     {{100, 260}, {240, 240}},
     {{200, 260}, {140, 240}}},
    {{100, 160},
     {200, 160},
     {100, 260},
     {200, 260},
     {140, 140},
     {240, 140},
     {140, 240},
     {240, 240},
     {150, 210},
     {220, 200},
     {120, 200},
     {170, 150},
     {170, 250},
     {190, 190}},
};
const FaceCentredCell LowerCell{
    {100, 260, 200, 360},
    {{{100, 260}, {140, 240}},
     {{200, 260}, {240, 240}},
     {{140, 240}, {240, 240}, {240, 340}, {200, 360}, {240, 340}},
     {{200, 360}, {240, 240}},
     {{100, 360}, {200, 260}},
     {{100, 260}, {200, 360}}},
    {{{100, 260}, {140, 340}},
     {{100, 360}, {140, 240}},
     {{100, 360}, {140, 340}, {240, 340}},
     {{140, 340}, {140, 240}},
     {{140, 340}, {240, 240}},
     {{240, 340}, {140, 240}},
     {{100, 360}, {240, 340}},
     {{200, 360}, {140, 340}}},
    {{100, 260},
     {200, 260},
     {100, 360},
     {200, 360},
     {140, 240},
     {240, 240},
     {140, 340},
     {240, 340},
     {150, 310},
     {220, 300},
     {120, 300},
     {170, 250},
     {170, 350},
     {190, 290}},
};

void Polyline(TCanvas& c, const std::vector<TPoint>& points) {
    c.MoveTo(points.front().X, points.front().Y);
    for (std::size_t i = 1; i < points.size(); ++i)
        c.LineTo(points[i].X, points[i].Y);
}

void DrawFaceCentredCell(TCanvas& c, const FaceCentredCell& cell) {
    c.Pen.Style = psSolid;
    c.Brush.Color = clYellow;
    c.Rectangle(cell.Front);
    for (const auto& line : cell.Solid)
        Polyline(c, line);
    c.Pen.Style = psDot;
    c.Brush.Color = clWhite;
    for (const auto& line : cell.Dotted)
        Polyline(c, line);
    c.Pen.Style = psSolid;
    c.Brush.Color = clRed;
    for (TPoint atom : cell.Atoms)
        LatticeCell::Atom(c, atom.X, atom.Y, AtomRadius);
}

constexpr std::array<const char*, 7> Explanation{
    " Die Umwandlung des kubisch-raumzentrierten (krz) in das ",
    " kubisch-flächenzentrierte (kfz) Eisengitter und umgekehrt",
    " ist ein diffusionsloser Vorgang.",
    " Es handelt sich um ein Umklappen der Gitterstruktur.",
    " Die Atome legen bei der Umwandlung nur sehr kleine Wege zurück.",
    " Stellt man zwei kfz-Zellen aufeinander, so wird ersichtlich, dass ",
    " die Atome der Flächenmitten eine kleinere krz-Zelle bilden. ",
};

} // namespace

const SegmentChain::Chain Cooling{
    {
        {Green, {Test::AtMost, 37}, {-0.01L, 360, 1100}}, // melt
        After(Green, 38, Flat(65)),                       // solidification at 1536 °C
        After(clBlue, 65, {-0.007L, 500, 1383}),          // δ-iron
        After(clBlack, 73, Flat(113)),                    // δ to γ at 1392 °C
        After(DarkRed, 87, {-0.007L, 500, 1313}),         // γ-iron
        After(clBlack, 115, Flat(275)),                   // γ to α at 906 °C
        After(clBlue, 125, {-0.007L, 500, 1253}),         // α-iron
        After(clBlue, 135, Flat(320)),                    // Curie point at 769 °C
        After(clBlue, 145, {-0.007L, 500, 1200}),         // magnetic α-iron
    },
    CurvePenWidth,
    {Test::Above, 150},
};
const Positions CoolingStart{0, 32, 38, 65, 73, 85, 115, 125, 135, 145};
const TPoint CoolingFrom{32, 20};

const SegmentChain::Chain Heating{
    {
        {clBlue, {Test::Below, 325}, {-0.032L, 240, 550}}, // magnetic α-iron
        After(clBlue, 325, Flat(320)),                     // Curie point at 769 °C
        After(clBlue, 335, {-0.025L, 250, 505}),           // α-iron
        After(clBlack, 345, Flat(273)),                    // α to γ at 911 °C
        After(DarkRed, 355, {-0.025L, 250, 554}),          // γ-iron
        After(clBlack, 383, Flat(113)),                    // γ to δ at 1392 °C
        After(clBlue, 397, {-0.02L, 250, 547}),            // δ-iron
        After(Green, 405, Flat(65)),                       // melting at 1536 °C
        After(Green, 433, {-0.03L, 250, 1080}),            // melt
    },
    CurvePenWidth,
    {Test::Equal, 438},
};
const Positions HeatingStart{0, 320, 325, 335, 345, 355, 383, 397, 405, 433};
const TPoint HeatingFrom{320, 347};

bool CoolingComplete() {
    return Unit.AbkuehlX[9] > CoolingLast;
}

bool HeatingComplete() {
    return Unit.AufheizX[9] >= HeatingLast;
}

} // namespace UnitReineisen

using namespace UnitReineisen;

TFormReineisen::TFormReineisen() : TForm(DesignPixelsPerInch, DesignTextHeight) {
    SetCaption("Reines Eisen: Abkühl- und Aufheizkurve");
    BorderStyle = bsToolWindow;
    SetColor(ScreenFrame::ScreenBlue);
    SetFont({"MS Sans Serif", FontHeight, clWindowText, false});

    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetColor(DiagramGold);
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    // Guide lines and names are drawn on a surface of their own over the diagram; it paints
    // nothing itself.
    PaintBoxHilfslinien = Add<TPaintBox>();
    PaintBoxHilfslinien->Name = "PaintBoxHilfslinien";
    PaintBoxHilfslinien->SetColor(ScreenFrame::DiagramOrange);
    PaintBoxUmwandlung = Add<TPaintBox>();
    PaintBoxUmwandlung->Name = "PaintBoxUmwandlung";
    PaintBoxUmwandlung->SetColor(clYellow);
    PaintBoxUmwandlung->OnPaint = [this] { PaintBoxUmwandlungPaint(); };
    // Seven short lines with their own breaks, always shown.
    MemoErlaeuterung = ScreenFrame::AddExplanation(
        *this, {ScreenFrame::ExplanationYellow, false, ssNone, true, /*StartsHidden=*/false});
    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, HintFontHeight);

    TimerAbkuehl = new TTimer(this, CurveInterval, false);
    TimerAbkuehl->OnTimer = [this] { TimerAbkuehlTimer(); };
    TimerAufheiz = new TTimer(this, CurveInterval, false);
    TimerAufheiz->OnTimer = [this] { TimerAufheizTimer(); };
    AddMenu();
}

void TFormReineisen::AddMenu() {
    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    Abkuehlung = MainMenu.Add("Abkuehlung", "&Abkühlung", [this] { AbkuehlungClick(); });
    Aufheizung = MainMenu.Add("Aufheizung", "A&ufheizung", [this] { AufheizungClick(); });
    Neu = MainMenu.Add("Neu", "&Neu", [this] { NeuClick(); });
    ESCAPE =
        ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESC = Abbruch", [this] { ESCAPEClick(); });
}

void TFormReineisen::FormCreate() {
    const ScreenFrame::Layout layout = ScreenFrame::PlaceStandard(*this);
    Unit.FaktorX = layout.FaktorX;
    Unit.FaktorY = layout.FaktorY;
    const Layout& fixed = layout.Small ? SmallLayout : LargeLayout;
    Place(*PaintBoxHaupt, fixed.Diagram);
    Place(*PaintBoxHilfslinien, fixed.Diagram);
    Place(*PaintBoxUmwandlung, fixed.Panel);
    Place(*MemoErlaeuterung, fixed.Memo);
    ScreenFrame::SetExplanationFont(*MemoErlaeuterung, Unit.FaktorY, MemoFontDesignHeight);
    ScreenFrame::WriteLines(*MemoErlaeuterung,
                            std::vector<std::string>(Explanation.begin(), Explanation.end()));
}

void TFormReineisen::FormPaint() {
    ScreenFrame::DrawBackdrop(*this, PaintBoxHilfslinien->Color(), Backdrop);
    // The surfaces' pens for what their paint handlers outline. Each surface takes its own font
    // before it paints, so no font is set here.
    TCanvas& haupt = PaintBoxHaupt->Canvas;
    haupt.Pen.Color = clBlack;
    haupt.Pen.Width = DiagramPenWidth;
    haupt.Pen.Style = psSolid;
    TCanvas& panel = PaintBoxUmwandlung->Canvas;
    panel.Pen.Color = clRed;
    panel.Pen.Width = 1;
    panel.Pen.Style = psSolid;
    panel.Brush.Color = clYellow;
}

void TFormReineisen::PaintBoxHauptPaint() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    // The whole surface in its colour, without an outline.
    const TPen pen = c.Pen;
    c.Pen.Color = PaintBoxHaupt->Color();
    c.Pen.Width = 1;
    c.Rectangle(0, 0, PaintBoxHaupt->Width(), PaintBoxHaupt->Height());
    c.Pen = pen;
    c.Brush.Color = clWhite;
    c.Rectangle(Field);
    PhaseDiagram::DrawColourField(c, Field.Left, Field.Right, FirstFieldRow, Field.Bottom);
    c.Brush.Style = bsClear;
    c.TextOut(10, 3, "Temperatur/T");
    c.TextOut(210, 380, "Zeit/t   ----------->");
}

void TFormReineisen::PaintBoxUmwandlungPaint() {
    PaintBoxUmwandlung->Canvas.Rectangle(0, 0, PaintBoxUmwandlung->Width(),
                                         PaintBoxUmwandlung->Height());
}

// --- the commands ----------------------------------------------------------------------------

void TFormReineisen::StartCurve(TTimer& timer, Positions& positions, const Positions& start,
                                TPoint from) {
    timer.SetEnabled(true);
    positions = start;
    PaintBoxHaupt->Canvas.MoveTo(from.X, from.Y);
    for (TMenuItem* item : {Ende, Neu, Abkuehlung, Aufheizung})
        item->SetEnabled(false);
    // Until the curve is drawn only the Esc shortcut acts.
    SetEnabled(false);
}

void TFormReineisen::AbkuehlungClick() {
    StartCurve(*TimerAbkuehl, Unit.AbkuehlX, CoolingStart, CoolingFrom);
}

void TFormReineisen::AufheizungClick() {
    StartCurve(*TimerAufheiz, Unit.AufheizX, HeatingStart, HeatingFrom);
}

void TFormReineisen::NeuClick() {
    Aufheizung->SetEnabled(true);
    Abkuehlung->SetEnabled(true);
    Unit.AbkuehlX[9] = CoolingCleared;
    Unit.AufheizX[9] = HeatingCleared;
    Refresh();
}

void TFormReineisen::EndeClick() {
    SetEnabled(true);
    for (TMenuItem* item : {Ende, Neu, Abkuehlung, Aufheizung})
        item->SetEnabled(true);
    TimerAbkuehl->SetEnabled(false);
    TimerAufheiz->SetEnabled(false);
    Close();
}

void TFormReineisen::ESCAPEClick() {
    EndeClick();
}

// --- the curves ------------------------------------------------------------------------------

void TFormReineisen::EndCurve(TTimer& timer, TMenuItem& otherCurve, bool otherComplete) {
    timer.SetEnabled(false);
    Ende->SetEnabled(true);
    Neu->SetEnabled(true);
    SetEnabled(true);
    otherCurve.SetEnabled(!otherComplete);
}

void TFormReineisen::TimerAbkuehlTimer() {
    if (SegmentChain::Tick(PaintBoxHaupt->Canvas, Cooling, Pieces(Unit.AbkuehlX)))
        EndCurve(*TimerAbkuehl, *Aufheizung, HeatingComplete());
    DrawLabels(PaintBoxHilfslinien->Canvas, CoolingLabels, Unit.AbkuehlX, clBlack, clYellow);
    CoolingPanel();
}

void TFormReineisen::TimerAufheizTimer() {
    if (SegmentChain::Tick(PaintBoxHaupt->Canvas, Heating, Pieces(Unit.AufheizX)))
        EndCurve(*TimerAufheiz, *Abkuehlung, CoolingComplete());
    DrawLabels(PaintBoxHilfslinien->Canvas, HeatingLabels, Unit.AufheizX, clWhite, clRed);
    HeatingPanel();
}

// --- the lattice panel -----------------------------------------------------------------------

void TFormReineisen::ClearPanel(const TRect& r) {
    TCanvas& c = PaintBoxUmwandlung->Canvas;
    c.Pen.Color = clYellow;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Brush.Color = clYellow;
    c.Rectangle(r);
}

void TFormReineisen::ClearBand(int top, int bottom) {
    ClearPanel({BandLeft, top, PaintBoxUmwandlung->Width() - BandInset, bottom});
}

// A title over a cell, on the panel's yellow, in the font colour as it stands.
void TFormReineisen::PanelTitle(int x, int y, const char* text) {
    TCanvas& c = PaintBoxUmwandlung->Canvas;
    c.Brush.Color = clYellow;
    c.TextOut(x, y, text);
}

void TFormReineisen::ZeichneZelle(int s, bool bodyDiagonals) {
    const int d = Unit.ZellVersatz;
    TCanvas& c = PaintBoxUmwandlung->Canvas;
    c.Pen.Color = clBlue;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    // Seen obliquely: corner 1 at the left, 2 in front, 3 at the right, 4 behind. The shape d
    // pulls the corners outward and the faces together: at 0 the cell is as tall as wide.
    const LatticeCell::Corners k{
        .Bottom = {{{120 - d, 300 - d + s},
                    {150 + d, 310 - d + s},
                    {220 + d, 300 - d + s},
                    {190 - d, 290 - d + s}}},
        .Top = {{{120 - d, 200 + d + s},
                 {150 + d, 210 + d + s},
                 {220 + d, 200 + d + s},
                 {190 - d, 190 + d + s}}},
    };
    auto line = [&c](TPoint a, TPoint b) {
        c.MoveTo(a.X, a.Y);
        c.LineTo(b.X, b.Y);
    };
    for (int j : {0, 1, 3, 2})
        line(k.Top[j], k.Bottom[j]);
    for (const auto& face : {k.Top, k.Bottom}) {
        line(face[0], face[3]);
        line(face[1], face[2]);
        line(face[0], face[1]);
        line(face[3], face[2]);
    }
    if (bodyDiagonals) {
        c.Pen.Style = psDot;
        c.Brush.Color = clYellow;
        LatticeCell::BodyDiagonals(c, k);
        c.Pen.Style = psSolid;
    }
    c.Brush.Color = clBlue;
    for (int j : {1, 2, 0, 3})
        LatticeCell::Atom(c, k.Top[j].X, k.Top[j].Y, AtomRadius);
    LatticeCell::Atom(c, 170, 250 + s, AtomRadius);
    for (int j : {1, 2, 0, 3})
        LatticeCell::Atom(c, k.Bottom[j].X, k.Bottom[j].Y, AtomRadius);
}

void TFormReineisen::Cell(int shape, int s, bool bodyDiagonals) {
    Unit.ZellVersatz = shape;
    ZeichneZelle(s, bodyDiagonals);
}

void TFormReineisen::FaceCentredPicture() {
    TCanvas& c = PaintBoxUmwandlung->Canvas;
    c.Pen.Color = clRed;
    c.Pen.Width = 1;
    DrawFaceCentredCell(c, UpperCell);
    DrawFaceCentredCell(c, LowerCell);
    // The face centres of the two cells form a smaller body-centred cell.
    Cell(FaceCentred, AtMiddle, false);
}

void TFormReineisen::CoolingPanel() {
    const Positions& x = Unit.AbkuehlX;
    TCanvas& c = PaintBoxUmwandlung->Canvas;
    if (x[1] == Solidifying) {
        ClearPanel(WholePanel);
        ClearBand(BottomBand.Top, BottomBand.Bottom);
        PanelTitle(BodyCentredTitleTop.X, BodyCentredTitleTop.Y, "krz-Gitter");
        Cell(BodyCentred, AtTop, true);
    }
    const float gamma = x[4];
    if (gamma == GammaCellShown)
        Cell(BodyCentred, AtMiddle, false);
    if (gamma >= GammaFirst && gamma <= GammaLast) {
        ClearBand(MiddleBand.Top, MiddleBand.Bottom);
        Cell(GammaDone - static_cast<int>(gamma), AtMiddle, false);
    }
    if (gamma == GammaDone) {
        ClearBand(MiddleBand.Top, MiddleBand.Bottom);
        c.Font.Color = clRed;
        PanelTitle(FaceCentredTitle.X, FaceCentredTitle.Y, "kfz-Gitter");
        FaceCentredPicture();
    }
    const float alpha = x[6];
    if (alpha >= AlphaFirst && alpha < AlphaDone) {
        ClearBand(BottomBand.Top, BottomBand.Bottom);
        Cell(AlphaShapes[static_cast<int>(alpha) - AlphaFirst], AtBottom, false);
    }
    if (alpha == AlphaDone) {
        ClearBand(BottomBand.Top, BottomBand.Bottom);
        c.Font.Color = clBlue;
        PanelTitle(BodyCentredTitleBottom.X, BodyCentredTitleBottom.Y, "krz-Gitter");
        Cell(BodyCentred, AtBottom, true);
    }
}

void TFormReineisen::HeatingPanel() {
    const Positions& x = Unit.AufheizX;
    TCanvas& c = PaintBoxUmwandlung->Canvas;
    if (x[1] == HeatingFirstTick) {
        ClearPanel(WholePanel);
        ClearBand(BottomBand.Top, BottomBand.Bottom);
        PanelTitle(BodyCentredTitleBottom.X, BodyCentredTitleBottom.Y, "krz-Gitter");
        Cell(BodyCentred, AtBottom, true);
    }
    const float gamma = x[4];
    if (gamma >= GammaHeatFirst && gamma <= GammaHeatLast) {
        ClearBand(MiddleBandHeating.Top, MiddleBandHeating.Bottom);
        Cell(GammaHeatShapes - static_cast<int>(gamma), AtMiddle, false);
    }
    if (gamma == GammaHeatDone) {
        ClearBand(MiddleBandHeating.Top, MiddleBandHeating.Bottom);
        Cell(GammaHeatShapes - GammaHeatDone, AtMiddle, false);
        ClearPanel(UpperPanel);
        Cell(FaceCentred, AtMiddle, false);
        c.Font.Color = clRed;
        PanelTitle(FaceCentredTitle.X, FaceCentredTitle.Y, "kfz-Gitter");
        FaceCentredPicture();
    }
    const float delta = x[6];
    if (delta >= DeltaHeatFirst && delta <= DeltaHeatLast) {
        ClearBand(TopBand.Top, TopBand.Bottom);
        Cell(static_cast<int>(delta) - DeltaHeatFirst, AtTop, false);
    }
    if (delta == DeltaHeatDone) {
        ClearBand(TopBand.Top, TopBand.Bottom);
        c.Font.Color = clBlue;
        PanelTitle(BodyCentredTitleTop.X, BodyCentredTitleTop.Y, "krz-Gitter");
        Cell(DeltaHeatShape, AtTop, true);
    }
}
