#include "phase/UnitAbZUTYP2.h"

TFormAbZuTyp2* FormAbZuTyp2 = nullptr;

namespace UnitAbZUTYP2 {

Variables Unit;

namespace {

using PhaseDiagram::Quad;
using SegmentChain::Flat;
using SegmentChain::Test;
using Stepping::Mark;
using ThermalAnalysis::After;
using ThermalAnalysis::Until;

constexpr int CurvePenWidth = 3;
constexpr int EutecticArrest = 270;

// The fills run over positions p; the diagram stands 100 pixels further right.
enum FillSlot {
    Links = 21,
    Rechts = 22,
    Eutektikum = 23,
    SchmelzeLinks = 24,
    SchmelzeRechts = 25,
    Fest = 26
};
constexpr int Offset = 100;
// The left branch ends where it meets the right one, at the eutectic point.
constexpr int LeftBranchEnd = 530;
constexpr int EutecticPoint = 531;
constexpr int FieldEnd = 648;
constexpr int FillPenWidth = 3;
constexpr int EutecticRow = 268;
constexpr TColor MeltYellow = 0x00E1FF;
constexpr TColor SolidRed = 0x000064;
constexpr int MeltTop = 60;
constexpr int SolidBottom = 349;
// Gaps left between the melt and the red band under each branch.
constexpr int LeftMeltGap = 4;
constexpr int RightMeltGap = 1;

constexpr Quad LeftRow{0.001L, 22, 12};
constexpr Quad RightRow{0.002L, 840, 79};

} // namespace

long double LeftBranch(int p) {
    return LeftRow(p);
}

long double RightBranch(int p) {
    return RightRow(p);
}

const ThermalAnalysis::Data Data{
    .Caption = "Thermische Analyse und Zustandsschaubild bei vollkommener Löslichkeit im flüssigen "
               "und Unlöslichkeit im festen Zustand (schematisch)",
    .DesignTextHeight = 16,
    .FontHeight = -13,
    .RightHalfFirst = true,
    .TimeLabelBrush = 0x0000C8,
    .TimeLabelColor = clWhite,
    .ConcentrationRow = 375,
    .CoolingCurves = {{
        // A: melt, the arrest at its melting point, the solid.
        {{9, 61},
         0,
         {{Until(20, {-0.009L, 360, 1160}), After(20, Flat(120)), After(50, {-0.0064L, 370, 771})},
          CurvePenWidth,
          {Test::Above, 110}}},
        // L1, L2, L4: melt, a kink where crystals of one component start to form, the eutectic
        // arrest, the solid. Their first piece and that of L3 and B take the row at the position
        // before the step.
        {{70, 59},
         3,
         {{Until(90, {-0.0104L, 324, 730}), After(90, {0.006L, -47, 46}),
           After(146, Flat(EutecticArrest)), After(150, {-0.013L, 300, 562})},
          CurvePenWidth,
          {Test::AtLeast, 170},
          true}},
        {{130, 59},
         7,
         {{Until(160, {-0.0167L, 304, 565}), After(160, {0.017L, 140, 206}),
           After(200, Flat(EutecticArrest)), After(210, {-0.023L, 300, 455})},
          CurvePenWidth,
          {Test::AtLeast, 230},
          true}},
        // L3, the eutectic alloy: no kink, only the long arrest.
        {{190, 59},
         11,
         {{Until(235, {-0.026L, 304, 397}), After(235, Flat(EutecticArrest)),
           After(270, {-0.03L, 340, 415})},
          CurvePenWidth,
          {Test::AtLeast, 290},
          true}},
        {{250, 59},
         14,
         {{Until(280, {-0.05L, 315, 270}), After(280, {0.0075L, 205, 162}),
           After(325, Flat(EutecticArrest)), After(335, {-0.14L, 360, 352})},
          CurvePenWidth,
          {Test::AtLeast, 350},
          true}},
        // B.
        {{310, 59},
         18,
         {{Until(332, {-0.0234L, 408, 284}), After(332, Flat(150)),
           After(360, {-0.015L, 514, 500})},
          CurvePenWidth,
          {Test::AtLeast, 410},
          true}},
    }},
    .ProjectionColor = clBlue,
    // Arrest of A, start of L1 and L2, the eutectic line with the arrests of L1 to L4 at its
    // start and the alloys it passes, start of L4, arrest of B.
    .Projections = {{450, 120},
                    {510, 163},
                    {570, 212},
                    {690, EutecticArrest, {145, 200, 235, 325}, {510, 570, 630, 690}},
                    {690, 202},
                    {750, 150}},
    .LastProjection = 3,
    .FieldStart = {450, 120},
    // Each step of the band draws up to the liquidus, the left branch until it meets the right
    // one, and back down to the eutectic line, so the band between the two fills with red. The
    // left branch takes its row at the position before the step.
    .Liquidus = {clRed,
                 FillPenWidth,
                 {{.Runs = {Test::AtMost, LeftBranchEnd},
                   .Tested = Links,
                   .Moved = Links,
                   .Row = LeftRow,
                   .RowBeforeMove = true,
                   .Dx = Offset},
                  {.Runs = {Test::Equal, EutecticPoint},
                   .Tested = Links,
                   .Moved = Rechts,
                   .Row = RightRow,
                   .Dx = Offset},
                  {.Runs = {Test::AtMost, FieldEnd},
                   .Tested = Eutektikum,
                   .Moved = Eutektikum,
                   .Row = Flat(EutecticRow),
                   .Dx = Offset}},
                 {Test::Above, FieldEnd},
                 Rechts},
    .Melt = {MeltYellow,
             FillPenWidth,
             {{.Runs = {Test::AtMost, LeftBranchEnd},
               .Tested = SchmelzeLinks,
               .Moved = SchmelzeLinks,
               .Row = LeftRow,
               .RowBeforeMove = true,
               .Draw = Mark::Vertical,
               .Dx = Offset,
               .Lift = -LeftMeltGap,
               .From = MeltTop},
              {.Runs = {Test::Equal, EutecticPoint},
               .Tested = SchmelzeLinks,
               .Moved = SchmelzeRechts,
               .Row = RightRow,
               .Draw = Mark::Vertical,
               .Dx = Offset,
               .Lift = -RightMeltGap,
               .From = MeltTop}},
             {Test::Above, FieldEnd},
             SchmelzeRechts},
    .Solid = {SolidRed,
              FillPenWidth,
              {{.Runs = {Test::AtMost, FieldEnd},
                .Tested = Fest,
                .Moved = Fest,
                .Row = Flat(EutecticRow),
                .Draw = Mark::Vertical,
                .Dx = Offset,
                .From = SolidBottom}},
              {Test::Above, FieldEnd},
              Fest},
    .BlackNames = {{600, 110, "Schmelze"},
                   {500, 140, "Liquiduslinie"},
                   {640, 180, "Liquiduslinie"}},
    .WhiteNames = {{500, 220, "Schmelze"},
                   {680, 220, "Schmelze"},
                   {500, 245, "- Kristalle"},
                   {680, 245, "- Kristalle"},
                   {580, 300, "- Kristalle +"},
                   {600, 320, "- Kristalle"},
                   {600, 275, "Eutektikum"},
                   {500, 275, "Soliduslinie"}},
    .GreekNames = {{492, 245, "a"}, {672, 245, "b"}, {572, 300, "a"}, {592, 320, "b"}},
    .Explanation =
        {" Mit dem Verfahren der thermischen Analyse kann man den Erstarrungstyp mit Hilfe von "
         "zeitabhängigen Temperaturverläufen",
         " verschiedener Legierungszusammensetzungen ermitteln.",
         " Sind A und B im festen Zustand unlöslich, so senkt jede Komponente den "
         "Erstarrungspunkt der anderen.",
         " Die Liquiduslinie hat zwei Äste, die sich im eutektischen Punkt auf der Soliduslinie "
         "treffen.",
         " Alle Legierungen erstarren zuletzt eutektisch bei derselben Temperatur; L3 zeigt nur "
         "diesen Haltepunkt."},
    .KurvenStart = KurvenStart,
    .ProjektionStart = ProjektionStart,
};

} // namespace UnitAbZUTYP2

using namespace UnitAbZUTYP2;

TFormAbZuTyp2::TFormAbZuTyp2()
    : TThermalAnalysisForm(Data, {Unit.FaktorX, Unit.FaktorY, Unit.KurvenTab, Unit.ProjektionX}) {}
