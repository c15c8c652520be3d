#include "phase/UnitAbZUTYP1.h"

TFormAbZuTyp1* FormAbZuTyp1 = nullptr;

namespace UnitAbZUTYP1 {

Variables Unit;

namespace {

using PhaseDiagram::Quad;
using SegmentChain::Flat;
using SegmentChain::Test;
using Stepping::Mark;
using ThermalAnalysis::After;
using ThermalAnalysis::Until;

constexpr int CurvePenWidth = 3;

// The fills: the red band between liquidus and solidus, the melt above, the solid below; each
// runs from the left edge of the diagram to its right edge.
enum FillSlot { LiquidusX = 18, SolidusX = 19, SchmelzeX = 21, FestX = 22 };
constexpr int FieldRight = 750;
constexpr int FillPenWidth = 3;
constexpr TColor MeltYellow = 0x00E1FF;
constexpr TColor SolidRed = 0x000064;
constexpr int MeltTop = 60;
constexpr int SolidBottom = 349;
// Gaps left between the fills and the red band.
constexpr int SolidusLift = 2;
constexpr int MeltGap = 3;

constexpr Quad LiquidusRow{0.00129L, 405, 97};
constexpr Quad SolidusRow{-0.00131L, 790, 252};

} // namespace

long double Liquidus(int x) {
    return LiquidusRow(x);
}

long double Solidus(int x) {
    return SolidusRow(x);
}

const ThermalAnalysis::Data Data{
    .Caption = "Thermische Analyse und Zustandsschaubild bei vollkommener Löslichkeit im flüssigen "
               "und festen Zustand (schematisch)",
    .DesignTextHeight = 25,
    .FontHeight = -20,
    .RightHalfFirst = false,
    .TimeLabelBrush = 0x0000B1,
    .TimeLabelColor = clYellow,
    .ConcentrationRow = 370,
    .CoolingCurves = {{
        // A: melt cooling, the arrest at its melting point, the solid cooling.
        {{11, 60},
         0,
         {{Until(20, {-0.0064L, 360, 840}), After(20, Flat(100)), After(50, {-0.007L, 370, 813})},
          CurvePenWidth,
          {Test::Above, 110}}},
        // L1 … L4: melt, a kink where crystals start to form, a kink where the last melt goes.
        {{71, 60},
         3,
         {{Until(85, {-0.0076L, 324, 545}), After(85, {0.0036L, -35, 57}),
           After(125, {-0.0144L, 300, 587})},
          CurvePenWidth,
          {Test::AtLeast, 170}}},
        {{131, 60},
         6,
         {{Until(150, {-0.0113L, 304, 398}), After(150, {0.0095L, 90, 95}),
           After(190, {-0.0212L, 300, 445})},
          CurvePenWidth,
          {Test::AtLeast, 230}}},
        {{191, 60},
         9,
         {{Until(220, {-0.0173L, 304, 283}), After(220, {0.0047L, 70, 52}),
           After(260, {-0.031L, 340, 420})},
          CurvePenWidth,
          {Test::AtLeast, 290}}},
        {{251, 60},
         12,
         {{Until(290, {-0.022L, 355, 295}), After(290, {0.0049L, 205, 165}),
           After(330, {-0.085L, 370, 373})},
          CurvePenWidth,
          {Test::AtLeast, 350}}},
        // B.
        {{311, 60},
         15,
         {{Until(360, {-0.0205L, 430, 350}), After(360, Flat(250)), After(390, {-0.02L, 514, 557})},
          CurvePenWidth,
          {Test::AtLeast, 410}}},
    }},
    .ProjectionColor = clPurple,
    // Arrest of A; start and end of solidification of L1 … L4; arrest of B.
    .Projections = {{450, 100},
                    {510, 110},
                    {510, 150},
                    {570, 130},
                    {570, 190},
                    {630, 160},
                    {630, 220},
                    {690, 200},
                    {690, 240},
                    {750, 250}},
    .LastProjection = 0,
    .FieldStart = {450, 100},
    // Each step of the band draws from wherever the last drawing on the surface ended, up to the
    // liquidus and down to the solidus, so the band between the two fills with red. The melt and
    // the solid take their row at the column before the step.
    .Liquidus = {clRed,
                 FillPenWidth,
                 {{.Runs = {Test::AtMost, FieldRight},
                   .Tested = LiquidusX,
                   .Moved = LiquidusX,
                   .Row = LiquidusRow},
                  {.Runs = {Test::AtMost, FieldRight},
                   .Tested = SolidusX,
                   .Moved = SolidusX,
                   .Row = SolidusRow,
                   .Lift = -SolidusLift}},
                 {Test::Above, FieldRight},
                 LiquidusX},
    .Melt = {MeltYellow,
             FillPenWidth,
             {{.Runs = {Test::AtMost, FieldRight},
               .Tested = SchmelzeX,
               .Moved = SchmelzeX,
               .Row = LiquidusRow,
               .RowBeforeMove = true,
               .Draw = Mark::Vertical,
               .Lift = -MeltGap,
               .From = MeltTop}},
             {Test::Above, FieldRight},
             SchmelzeX},
    .Solid = {SolidRed,
              FillPenWidth,
              {{.Runs = {Test::AtMost, FieldRight},
                .Tested = FestX,
                .Moved = FestX,
                .Row = SolidusRow,
                .RowBeforeMove = true,
                .Draw = Mark::Vertical,
                .Lift = -SolidusLift,
                .From = SolidBottom}},
              {Test::Above, FieldRight},
              FestX},
    .BlackNames = {{570, 70, "Schmelze"}, {680, 180, "Liquiduslinie"}},
    .WhiteNames = {{540, 150, "Schmelze"},
                   {590, 170, "- MK"},
                   {580, 280, "- Mischkristalle"},
                   {610, 230, "Soliduslinie"}},
    .GreekNames = {{583, 170, "a"}, {573, 280, "a"}},
    .Explanation =
        {" Mit dem Verfahren der thermischen Analyse kann man den Erstarrungstyp mit Hilfe von "
         "zeitabhängigen Temperaturverläufen",
         " verschiedener Legierungszusammensetzungen ermitteln.",
         " Bei der lückenlosen Mischkristallreihe sind die Erstarrungspunkte der reinen "
         "Komponenten A und B ",
         " durch zwei stetige Kurven verbunden. Die obere Kurve gibt die Liquiduslinie und die "
         "untere die Soliduslinie wieder.",
         " Die Diagrammfläche ist somit in die drei Zustandsfelder (Schmelze,Schmelze + "
         "Mischkristalle und Mischkristalle) aufgeteilt."},
    .KurvenStart = KurvenStart,
    .ProjektionStart = ProjektionStart,
};

} // namespace UnitAbZUTYP1

using namespace UnitAbZUTYP1;

TFormAbZuTyp1::TFormAbZuTyp1()
    : TThermalAnalysisForm(Data, {Unit.FaktorX, Unit.FaktorY, Unit.KurvenTab, Unit.ProjektionX}) {}
