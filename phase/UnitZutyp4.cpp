#include "phase/UnitZutyp4.h"

#include "shell/ScreenFrame.h"

#include <string>

TFormZuTyp4* FormZuTyp4 = nullptr;

namespace UnitZutyp4 {

Variables Unit;

const PhaseDiagram::Quad LiquidusAP{0.00108L, 15, 48};
const PhaseDiagram::Quad AlphaSolidus{-0.0072L, 165, 200};
const PhaseDiagram::Quad AlphaSolvus{0.066L, 120, 175};
const PhaseDiagram::Quad LiquidusPB{0.0008L, -62, 34};
const PhaseDiagram::Quad BetaSolidus{-0.001L, 633, 293};
const PhaseDiagram::Quad BetaSolvus{0.071L, 251, 29};

const AlloyRuns::Rows UpperRows{
    {92, 43, 216},   {96, 46, 226},   {100, 48, 234}, {104, 51, 243}, {108, 53, 251},
    {112, 55, 259},  {116, 58, 266},  {120, 60, 273}, {124, 63, 280}, {128, 66, 287},
    {132, 69, 294},  {136, 72, 300},  {140, 74, 306}, {144, 77, 312}, {148, 80, 319},
    {152, 83, 325},  {156, 87, 331},  {160, 90, 337}, {164, 93, 342}, {168, 98, 347},
    {172, 103, 354}, {176, 108, 360},
};

const AlloyRuns::Rows LowerRows{
    {184, 109, 297}, {188, 106, 297}, {192, 104, 298}, {196, 102, 298}, {200, 100, 299},
    {204, 99, 299},  {208, 97, 300},  {212, 96, 301},  {216, 95, 302},  {220, 94, 303},
    {224, 93, 303},  {228, 92, 304},  {232, 91, 304},  {236, 90, 305},  {240, 89, 305},
    {244, 88, 306},  {248, 87, 306},  {252, 86, 307},  {256, 85, 307},  {260, 84, 308},
    {264, 83, 308},  {268, 82, 309},  {272, 81, 309},  {276, 80, 310},  {280, 80, 310},
    {284, 79, 311},  {288, 79, 311},  {292, 78, 312},  {296, 78, 312},  {300, 77, 313},
    {304, 77, 313},  {308, 76, 313},  {312, 76, 314},  {316, 75, 314},  {320, 74, 315},
    {324, 73, 315},  {328, 73, 315},  {332, 72, 316},  {336, 71, 316},  {340, 70, 316},
    {344, 69, 317},  {348, 69, 317},  {352, 68, 318},  {356, 68, 318},  {360, 67, 319},
    {364, 67, 319},
};

const AlloyRuns::Rows L3Rows{
    {184, 304, 371}, {188, 309, 376}, {192, 315, 382},
    {196, 321, 388}, {200, 328, 393}, {204, 334, 399},
};

namespace {

using namespace AlloyRuns;
using PhaseDiagram::CurvePiece;
using PhaseDiagram::Label;

constexpr int RestY = 20;
constexpr TColor RunPurple = 0x800080;
constexpr TColor RunGreen = 0x008000;
constexpr int SymbolHeight = 14;

// The box round the picture, silver with the run's outline, and the labels above it.
constexpr PictureBox Box{{-2, -2, 83, 80}, clSilver};
constexpr int LabelDy = -20;

// The peritectic line from P to the α solidus, and the pieces of the boundaries the runs that
// end as α and β trace below it.
const Stroke PeritecticLine{{112, 180}, {365, 180}};
const CurvePiece AlphaSolvusPiece{{66, 370}, 66, 112, AlphaSolvus};
const CurvePiece BetaSolvusPiece{{296, 180}, 298, 320, BetaSolvus};
const Stroke BottomLine{{66, 368}, {320, 368}};

// Every run's cooling line runs from row 20 down to the cooling point and ends from row 370 on;
// L1 draws it once more after its keyframes only above row 376.
constexpr Cooling L1Line{
    .TopY = 20, .Limit = 380, .EndShort = 0, .RedrawLimit = 376, .EndY = 370, .EndsFromY = true};
constexpr Cooling RunLine{
    .TopY = 20, .Limit = 380, .EndShort = 0, .RedrawLimit = 380, .EndY = 370, .EndsFromY = true};

const std::string Dashes = " " + std::string(58, '-');

const Design ScreenData{
    .Caption = "Zustandsschaubild mit begrenzter Löslichkeit im festen Zustand / peritektisches "
               "System (schematisch)",
    .RestY = RestY,
    .SmallDiagLinks = 265,
    .SmallMemoBack = 262,
    .SmallMemoWidth = 265,
    .LargeMemo = {30, 40, 30 + 370, 40 + 590},
    .MemoReadOnly = false,
    .DiagramPen = clSilver,
    .Explanation =
        {
            " Eine Reaktion, bei der eine Schmelze ",
            " mit Kristallen (z. B. Alpha-MK) zu einer",
            " neuen Kristallart (z. B. Beta-MK) umge-, ",
            " setzt wird, nennt man  eine peritektische",
            " Umsetzung.",
            " Schmelze + Alpha-MK --> Beta-MK",
            " Die Umsetzung (Bildung von Beta-MK)",
            " beginnt an der Öberfläche der zuerst",
            " ausgeschiedenen Alpha-MK.",
            " Dabei werden die Alpha-MK mit einer",
            " Hülle von Beta-MK umgeben",
            " (Peritektikum = das Herumgebaute).",
            " Desweiteren ist für dieses Zustands-",
            " schaubild charakteristisch, dass die ",
            " Erstarrungstemperatur der Komponente",
            " A durch die Komponente B erniedrigt",
            " wird, aber die Erstarrungstemperatur ",
            " von B durch A erhöht wird.",
            " ",
            " Die Grafik zeigt drei für diesen \"Typ\"",
            " charakteristische Erstarrungs- und",
            " Umwandlungsverhalten.",
            " Das oben rechts eingeschobene Recht-",
            " eck soll ein Versuch sein, die Alpha-",
            " Beta Umwandlung im Bereich der Peri-",
            " tektikalen besser darzustellen.",
        },
    .Runs =
        {
            {
                .StartName = "StartL1",
                .StartCaption = "Start/Stop L&1",
                .Strip = "ZuTyp4.L1",
                .Colour = clBlue,
                .Titles = {{130, 22, "L(1) 60% A"}, {130, 37, "und 40% B"}},
                .Explanation =
                    {
                        Dashes,
                        " Legierung 1: ",
                        " Die Legierung 1 besteht kurz vor dem ",
                        " erreichen der Peritektikalen aus  ca. ",
                        " 64% Alpha-Mk und 36% Schmelze. ",
                        " Nach der peritektischen Reaktion be- ",
                        " steht die Legierung aus etwa 50%  ",
                        " Alpha-Mk und 50% Beta-Mk. ",
                    },
            },
            {
                .StartName = "StartL2",
                .StartCaption = "Start/Stop L&2",
                .Strip = "ZuTyp4.L2",
                .Colour = RunPurple,
                .Titles = {{228, 22, "L(2) 40% A"}, {228, 37, "und 60% B"}},
                .Explanation =
                    {
                        Dashes,
                        " Legierung 2:",
                        " Diese Legierungszusammensetzung  ",
                        " besteht vor der peritektische Umwand- ",
                        " lung aus ca. 27% ausgeschiedenen",
                        " Alpha-MK und 73% Restschmelze. ",
                        " Bei dieser Zusammensetzung erfolgt ",
                        " die Umwandlung an der Peritektikalen",
                        " vollständig zum Beta-MK.",
                        " Dies bedeutet, dass zur vollständigen",
                        " Umwandlung der Alpha- in Beta-MK ",
                        " mindestens 73% Schmelze erforderlich",
                        " sind.",
                    },
            },
            {
                .StartName = "StartL3",
                .StartCaption = "Start/Stop L&3",
                .Strip = "ZuTyp4.L3",
                .Colour = RunGreen,
                .Titles = {{350, 22, "L(3) 30% A"}, {350, 37, "und 70% B"}},
                .Explanation =
                    {
                        Dashes,
                        " Legierung 3: ",
                        " Bei Raumtemperatur liegt bei dieser  ",
                        " Legierung ein homogener Beta-MK vor.",
                        " Während der Abkühlung scheiden ",
                        " zunächst oberhalb  der  Peritektikalen",
                        " Alpha-MKs aus, die dann während der ",
                        " peritektischen Reaktion mit der Rest- ",
                        " schmelze zu Beta-MKs umwandeln.",
                    },
            },
        },
};

const Label DiagramTexts[] = {
    {220, 75, "Schmelze"},
    {120, 120, "Schmelze"},
    {325, 184, "Schmelze"},
    {415, 205, "Liquiduslinie"},
    {55, 55, "Liquiduslinie"},
    {35, 155, "Soliduslinie"},
    {162, 180, "Peritektikale"},
    {82, 350, "(Seg)"},
    {295, 350, "(Seg)"},
    {172, 260, "(Seg)"},
    {172, 280, "(Seg)"},
    {22, 3, "Temperatur/T"},
    {210, 374, "Konzentration/C"},
    {18, 370, "A"},
    {475, 370, "B"},
    {10, 382, "0 %B"},
    {102, 382, " 20"},
    {194, 382, " 40"},
    {288, 382, " 60"},
    {380, 382, " 80"},
    {447, 382, "100 %B"},
};
// In the Symbol face a shows as α and b as β.
const Label SymbolTexts[] = {
    {162, 240, "a-MK + b-MK"}, {162, 260, "a"},        {162, 280, "b"}, {345, 200, "+ b - MK"},
    {332, 240, "b - MK"},      {120, 136, "+ a - MK"}, {75, 310, "a"},  {85, 330, "+"},
    {303, 310, "b"},           {300, 330, "+"},        {72, 350, "b"},  {285, 350, "a"},
};

const CurvePiece Boundaries[] = {
    {{20, 51}, 20, 365, LiquidusAP},     {{20, 51}, 20, 112, AlphaSolidus},
    {{66, 370}, 66, 112, AlphaSolvus},   {{365, 180}, 365, 480, LiquidusPB},
    {{296, 180}, 297, 480, BetaSolidus}, {{296, 180}, 298, 320, BetaSolvus},
};
const PhaseDiagram::Segment DottedLines[] = {{{112, 180}, {112, 370}}, {{296, 180}, {296, 370}}};
// The peritectic line, from the melt's end to the α crystals' greatest solubility, and the
// peritectic point P, the β crystals' composition on it.
const PhaseDiagram::Segment DiagramPeritectic{{365, 180}, {112, 180}};
constexpr TPoint PointP{296, 180};

constexpr TRect WhiteField{20, 20, 481, 370};
// The inset, where the α → β pictures run, with its captions.
constexpr TRect Inset{360, 60, 481, 170};
constexpr TPoint InsetPicture{380, 80};
constexpr int InsetFrames = 17;
constexpr TColor OverlayRed = 0x0000FF;

} // namespace

const std::array<Script, 3> Scripts{{
    {L1Line,
     {
         {32, {Explain{}, Box, Caption{0, LabelDy, "Schmelze"}, Frame{}}},
         {88,
          {Stroke{{40, 88}, {204, 88}}, CurvePiece{{204, 88}, 204, 365, LiquidusAP},
           CurvePiece{{40, 88}, 40, 112, AlphaSolidus}}},
         {92,
          176,
          {TieRows{&UpperRows},
           FramesAt{{92, 96, 100, 104, 108, 116, 124, 132, 144, 152, 164, 172}}}},
         {92, {Caption{-10, LabelDy, "Alpha-MK+Schmelze"}}},
         {180, {EraseRow{&UpperRows, 176}, PeritecticLine, Frame{}}},
         {184,
          {AlphaSolvusPiece, BetaSolvusPiece, TieRows{&LowerRows},
           Caption{-10, LabelDy, "Alpha-MK + Beta-MK"}, Frame{}}},
         {188, 364, {TieRows{&LowerRows, 0, 184}, FramesAt{{216, 244, 276, 308, 336}}}},
         {368, {EraseRow{&LowerRows, 364}, BottomLine, Frame{}}},
     }},
    {RunLine,
     {
         {32, {Explain{}, Box, Caption{0, LabelDy, "Schmelze"}, Frame{}}},
         {132,
          {CurvePiece{{294, 132}, 294, 365, LiquidusAP},
           CurvePiece{{69, 132}, 69, 112, AlphaSolidus}, Stroke{{69, 132}, {294, 132}}}},
         {136, 176, {TieRows{&UpperRows}, FramesAt{{136, 140, 144, 148, 156, 164, 172}}}},
         {136, {Caption{-15, LabelDy, "Alpha-MK+Schm."}}},
         {180, {EraseRow{&UpperRows, 176}, PeritecticLine, Frame{}}},
         {184,
          {AlphaSolvusPiece, BetaSolvusPiece, TieRows{&LowerRows},
           Caption{-15, LabelDy, "  Beta-MK + Alpha-Seg."}, Frame{}}},
         {188, 364, {TieRows{&LowerRows, 0, 184}, FramesAt{{216, 248, 276, 308, 340}}}},
         {368, {EraseRow{&LowerRows, 364}, BottomLine, Frame{}}},
     }},
    {RunLine,
     {
         {32, {Explain{}, Box, Caption{0, LabelDy, "Schmelze"}, Frame{}}},
         {164,
          {CurvePiece{{342, 164}, 342, 365, LiquidusAP},
           CurvePiece{{93, 164}, 93, 112, AlphaSolidus}, Stroke{{95, 164}, {342, 164}}}},
         {168, 176, {TieRows{&UpperRows}, Frame{}}},
         {168, {Caption{0, LabelDy, "Alpha-MK"}}},
         {180, {EraseRow{&UpperRows, 176}, PeritecticLine, Frame{}}},
         {184,
          {CurvePiece{{403, 208}, 365, 403, LiquidusPB},
           CurvePiece{{342, 208}, 298, 342, BetaSolidus}, TieRows{&L3Rows}, Frame{},
           Caption{0, LabelDy, " Beta-MK "}}},
         {188, 204, {TieRows{&L3Rows, 0, 184}, Frame{}}},
         {208, {EraseRow{&L3Rows, 204}, Stroke{{342, 208}, {403, 208}}, Frame{}}},
     }},
}};

const DiagramProbe::Map& ProbeMap() {
    namespace P = DiagramProbe;
    using P::MeltSide;
    using P::Role;
    static const P::Map map = [] {
        const TRect frame{WhiteField.Left, WhiteField.Top, WhiteField.Right - 1, WhiteField.Bottom};
        P::Map m = P::Schematic(frame);
        // The inset shows pictures, not the diagram.
        m.Excluded.push_back(
            {static_cast<long double>(Inset.Left), static_cast<long double>(Inset.Top),
             static_cast<long double>(Inset.Right), static_cast<long double>(Inset.Bottom)});
        const char* keys[] = {"LiquidusAP", "SolidusA", "SolvusA",
                              "LiquidusPB", "SolidusB", "SolvusB"};
        const char* meanings[] = {
            "Liquiduslinie A*–P\nhier beginnt die Kristallisation der α-MK",
            "Soliduslinie der α-MK\nunterhalb sind die α-MK erstarrt",
            "Löslichkeitslinie der α-MK\nhier scheiden α-MK β-Segregat aus",
            "Liquiduslinie P–B*\nhier beginnt die Kristallisation der β-MK",
            "Soliduslinie der β-MK\nunterhalb sind die β-MK erstarrt",
            "Löslichkeitslinie der β-MK\nhier scheiden β-MK α-Segregat aus",
        };
        for (std::size_t i = 0; i < std::size(Boundaries); ++i)
            m.Lines.push_back({keys[i], meanings[i], Role::Boundary,
                               P::Course(PhaseDiagram::CurvePoints(Boundaries[i]))});
        const TPoint peritectic[] = {DiagramPeritectic.From, DiagramPeritectic.To};
        m.Lines.push_back({"Peritektikale",
                           "Peritektikale\nSchmelze + α-MK → β-MK (peritektische Umsetzung)",
                           Role::Named, P::Course(peritectic)});
        const char* dividers[] = {"unter α", "unter P"};
        for (std::size_t i = 0; i < std::size(DottedLines); ++i) {
            const TPoint course[] = {DottedLines[i].From, DottedLines[i].To};
            m.Lines.push_back({dividers[i], "", Role::Divider, P::Course(course)});
        }

        const TPoint starA = Boundaries[0].Start;
        const long double starB = PhaseDiagram::CurveRow(LiquidusPB(frame.Right));
        m.Marks.push_back({"A*, Schmelzpunkt der Komponente A (0 % B)",
                           {static_cast<long double>(starA.X), static_cast<long double>(starA.Y)}});
        m.Marks.push_back({"B*, Schmelzpunkt der Komponente B (100 % B)",
                           {static_cast<long double>(frame.Right), starB}});
        auto mark = [&](TPoint at, const std::string& name) {
            m.Marks.push_back({name + ", " + P::ShareOfB(frame, at.X),
                               {static_cast<long double>(at.X), static_cast<long double>(at.Y)}});
        };
        mark(DiagramPeritectic.To, "größte Löslichkeit von B in den α-MK");
        mark(PointP, "Punkt P, peritektischer Punkt, β-MK");
        mark(DiagramPeritectic.From, "Schmelze der peritektischen Umsetzung");

        const long double row = PointP.Y;
        P::Field melt{
            {{"LiquidusAP", "B"}, {"LiquidusPB", "B"}}, "Schmelze", "oberhalb der Liquiduslinie"};
        const P::Field meltAbove = P::AcrossAbove(melt, starA.Y);
        P::Field alpha{{{"A", "SolidusA"}, {"A", "SolvusA"}},
                       "α-Mischkristalle (α-MK)",
                       "links der Solidus- und Löslichkeitslinie"};
        P::Field meltAlpha{{{"SolidusA", "LiquidusAP"}},
                           "Schmelze + α-MK",
                           "oberhalb der Peritektikale",
                           {{"α-MK"}, {"Schmelze"}},
                           MeltSide::Right};
        P::Field meltBeta{{{"SolidusB", "LiquidusPB"}},
                          "Schmelze + β-MK",
                          "zwischen Liquidus- und Soliduslinie",
                          {{"β-MK"}, {"Schmelze"}},
                          MeltSide::Right};
        P::Field beta{{{"SolvusB", "SolidusB"}, {"SolvusB", "B"}},
                      "β-Mischkristalle (β-MK)",
                      "zwischen Löslichkeits- und Soliduslinie"};
        P::Field both{{{"SolvusA", "SolvusB"}},
                      "α-MK + β-MK",
                      "unterhalb der Peritektikale",
                      {{"α-MK"}, {"β-MK"}},
                      MeltSide::None};
        both.FromY = row;
        m.Fields = {melt, meltAbove, alpha, meltAlpha, meltBeta, beta, both};
        m.Structures = {{"SolvusA", "unter α", "α-MK + β-Segregat"},
                        {"unter α", "unter P", "α-MK + β-MK"},
                        {"unter P", "SolvusB", "β-MK + α-Segregat"}};
        return m;
    }();
    return map;
}

} // namespace UnitZutyp4

using namespace UnitZutyp4;

TFormZuTyp4::TFormZuTyp4() : TAlloyRunsForm(ScreenData, Unit, Unit.Runs) {
    // The overlay lies under the diagram, in the order they are painted.
    PaintBoxUmwandlung = AddSurface("PaintBoxUmwandlung");
    PaintBoxHaupt = AddSurface("PaintBoxHaupt");
    PaintBoxHaupt->SetColor(ScreenFrame::BackdropGold);
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    AddFrameControls();
    TimerL1 = RunTimers[L1];
    TimerL2 = RunTimers[L2];
    TimerL3 = RunTimers[L3];
    TimerL1->OnTimer = [this] { TimerL1Timer(); };
    TimerL2->OnTimer = [this] { TimerL2Timer(); };
    TimerL3->OnTimer = [this] { TimerL3Timer(); };
    constexpr int InsetInterval = 100;
    TimerAinB = new TTimer(this, InsetInterval, false);
    TimerAinB->OnTimer = [this] { TimerAinBTimer(); };
    ImageListL1 = RunStrips[L1];
    ImageListL2 = RunStrips[L2];
    ImageListL3 = RunStrips[L3];
    ImageListAinB = AddStrip("ZuTyp4.AinB");
    AddMenu([this] {
        AinB = MainMenu.Add("AinB", "&Start/Stop Alpha in Beta ", [this] { AinBClick(); });
    });
    StartL1 = StartItems[L1];
    StartL2 = StartItems[L2];
    StartL3 = StartItems[L3];
    StartL1->OnClick = [this] { StartL1Click(); };
    StartL2->OnClick = [this] { StartL2Click(); };
    StartL3->OnClick = [this] { StartL3Click(); };
}

// The inset's outline takes the colour and width the colour field's last row left the pen.
void TFormZuTyp4::PaintBoxHauptPaint() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    PrepareDiagramPen();
    c.Pen.Color = clWhite;
    c.Rectangle(0, 0, Unit.DiagBreite, Unit.DiagHoehe);
    c.Brush.Color = clWhite;
    c.Rectangle(WhiteField);
    PhaseDiagram::DrawColourField(c);
    c.Brush.Color = clWhite;
    c.Rectangle(Inset);

    c.Brush.Style = bsClear;
    c.Font.Name = "Ms Sans Serif";
    PhaseDiagram::Write(c, DiagramTexts);
    c.Font.Name = "Symbol";
    c.Font.Height = SymbolHeight;
    PhaseDiagram::Write(c, SymbolTexts);

    c.Pen.Width = 2;
    c.Pen.Color = clSilver;
    for (const CurvePiece& piece : Boundaries)
        PhaseDiagram::DrawCurve(c, piece);
    PhaseDiagram::Line(c, DiagramPeritectic);

    c.Pen.Width = 1;
    c.Pen.Style = psDot;
    for (const PhaseDiagram::Segment& line : DottedLines)
        PhaseDiagram::Line(c, line);
    c.Pen.Style = psSolid;
    c.Pen.Color = OverlayRed;
}

// Each run goes back to the top when it is chosen on its last row but one.
void TFormZuTyp4::StartL1Click() {
    StartRun(L1, true);
}

void TFormZuTyp4::StartL2Click() {
    StartRun(L2, true);
}

void TFormZuTyp4::StartL3Click() {
    StartRun(L3, true);
}

// The inset runs on its own, beside a run or alone.
void TFormZuTyp4::AinBClick() {
    TimerAinB->SetEnabled(!TimerAinB->Enabled());
}

void TFormZuTyp4::TimerL1Timer() {
    PlayTick(L1, Scripts[L1]);
}

void TFormZuTyp4::TimerL2Timer() {
    PlayTick(L2, Scripts[L2]);
}

void TFormZuTyp4::TimerL3Timer() {
    PlayTick(L3, Scripts[L3]);
}

// Each tick sets the brush and font it writes with, so that a run going at the same time keeps
// its own.
void TFormZuTyp4::TimerAinBTimer() {
    TCanvas& h = PaintBoxHaupt->Canvas;
    h.Font.Name = "Ms Sans Serif";
    h.Brush.Color = clBlack;
    h.Font.Color = clWhite;
    h.TextOut(372, 62, " Umwandlung ");
    TCanvas& u = PaintBoxUmwandlung->Canvas;
    u.Brush.Color = clBlack;
    u.Font.Color = clWhite;
    u.Font.Name = "Symbol";
    u.Font.Height = SymbolHeight;
    u.TextOut(438, 62, " a --> b ");
    ImageListAinB->Draw(h, InsetPicture.X, InsetPicture.Y, Unit.BildNrAinB);
    Unit.BildNrAinB += 1;
    if (Unit.BildNrAinB >= InsetFrames) {
        AinB->SetEnabled(false);
        TimerAinB->SetEnabled(false);
    }
}

void TFormZuTyp4::Reset() {
    AinB->SetEnabled(true);
    TimerAinB->SetEnabled(false);
    Unit.BildNrAinB = 0;
}
