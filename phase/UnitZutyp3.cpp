#include "phase/UnitZutyp3.h"

#include "shell/ScreenFrame.h"

#include <string>

TFormZuTyp3* FormZuTyp3 = nullptr;

namespace UnitZutyp3 {

Variables Unit;

const PhaseDiagram::Quad LeftLiquidus{0.0013L, -70, 48};
const PhaseDiagram::Quad AlphaSolidus{-0.009L, 165, 247};
const PhaseDiagram::Quad AlphaSolvus{0.11L, 130, 184};
const PhaseDiagram::Quad RightLiquidus{0.0011L, 677, 63};
const PhaseDiagram::Quad BetaSolidus{-0.0224L, 400, 248};
const PhaseDiagram::Quad BetaSolvus{0.05L, 380, 75};

const AlloyRuns::Rows L1Rows{
    {71, 26, 60},   {75, 28, 72},   {79, 30, 83},   {83, 31, 93},   {87, 32, 102},
    {91, 34, 111},  {95, 36, 120},  {99, 38, 128},  {103, 40, 134}, {107, 41, 142},
    {111, 43, 149}, {115, 45, 155}, {119, 47, 162},
};

// Drawn one row above the cooling point.
const AlloyRuns::Rows L2Rows{
    {151, 62, 208},  {155, 64, 214},  {159, 66, 219},  {163, 69, 224}, {167, 71, 230},
    {171, 74, 235},  {175, 77, 240},  {179, 79, 244},  {183, 81, 249}, {187, 84, 253},
    {191, 87, 258},  {195, 89, 264},  {199, 92, 268},  {203, 95, 272}, {207, 98, 277},
    {211, 101, 281}, {215, 105, 285}, {219, 109, 290},
};

const AlloyRuns::Rows L4Rows{
    {127, 436, 474}, {131, 428, 473}, {135, 420, 472}, {139, 413, 471}, {143, 406, 470},
    {147, 399, 468}, {151, 393, 466}, {155, 387, 464}, {159, 382, 463}, {163, 376, 462},
    {167, 370, 460}, {171, 364, 458}, {175, 358, 457}, {179, 352, 456}, {183, 346, 455},
    {187, 340, 454}, {191, 335, 452}, {195, 330, 450}, {199, 325, 448}, {203, 320, 446},
};

const AlloyRuns::Rows SolvusRows{
    {227, 112, 434}, {231, 111, 434}, {235, 110, 435}, {239, 109, 436}, {243, 108, 436},
    {247, 107, 437}, {251, 106, 438}, {255, 105, 439}, {259, 104, 440}, {263, 104, 440},
    {267, 103, 441}, {271, 102, 442}, {275, 102, 442}, {279, 101, 443}, {283, 100, 444},
    {287, 100, 444}, {291, 99, 445},  {295, 98, 446},  {299, 98, 446},  {303, 97, 447},
    {307, 96, 448},  {311, 96, 448},  {315, 95, 449},  {319, 95, 449},  {323, 95, 449},
    {327, 94, 450},  {331, 94, 450},  {335, 93, 451},  {339, 93, 451},  {343, 92, 452},
    {347, 92, 452},  {351, 91, 453},  {355, 91, 453},  {359, 90, 454},  {363, 90, 454},
    {367, 89, 455},
};

namespace {

using namespace AlloyRuns;
using PhaseDiagram::CurvePiece;

// L2 and L3 draw their tie lines one row above the cooling point.
constexpr int RowAbove = -1;
constexpr int RestY = 19;
constexpr TColor RunPurple = 0x800080;
constexpr TColor RunGreen = 0x008000;

// The box round the picture: filled in the run's colour (L1 to L3) or in silver (L4).
constexpr PictureBox RunColourBox{{-2, -2, 83, 83}};
constexpr PictureBox SilverBox{{-2, -2, 82, 82}, clSilver};
// The labels stand above the picture, on silver.
constexpr int LabelDy = -15;

const CurvePiece SolvusPieces[] = {{{89, 370}, 89, 112, AlphaSolvus},
                                   {{434, 222}, 434, 457, BetaSolvus}};
const Stroke EutecticLine{{112, 222}, {433, 222}};
const Stroke BottomLine{{89, 369}, {455, 369}};

// How the cooling lines grow: L1 from row 19 to the cooling point and ending from row 370 on;
// L2 and L3 from row 20 to one row above it, L4 from row 20 to it, all three ending at 371.
constexpr Cooling L1Line{
    .TopY = 19, .Limit = 370, .EndShort = 0, .RedrawLimit = 370, .EndY = 370, .EndsFromY = true};
constexpr Cooling EutecticLines{
    .TopY = 20, .Limit = 380, .EndShort = 1, .RedrawLimit = 380, .EndY = 371, .EndsFromY = false};
constexpr Cooling L4Line{
    .TopY = 20, .Limit = 380, .EndShort = 0, .RedrawLimit = 380, .EndY = 371, .EndsFromY = false};

const std::string Dashes = " " + std::string(58, '-');

const Design ScreenData{
    .Caption = "Zustandsschaubild mit begrenzter Löslichkeit im festen Zustand / eutektisches "
               "System (schematisch)",
    .RestY = RestY,
    .SmallDiagLinks = 285,
    .SmallMemoBack = 285,
    .SmallMemoWidth = 290,
    .LargeMemo = {30, 40, 30 + 370, 40 + 590},
    .MemoReadOnly = false,
    .DiagramPen = clBlack,
    .Explanation =
        {
            " Bei diesem Zustandsdiagramm entsteht ",
            " ein eutektischer Erstarrungstyp (Punkt C),",
            " wobei die Erstarrungspunkte der beiden",
            " Komponenten durch den Zusatz der zweiten",
            " erniedrigt wird (Liquiduslinie = V-Form).",
            " Dies bedeutet, dass Legierungen zwischen ",
            " den Punkten D und E ihrer jeweiligen Zu-",
            " sammensetzung  entsprechend  ein Eutek- ",
            " tikum neben dem Mischkristall aufweisen.",
            " Außerdem  kommt  es  nach dem  Unter-",
            " schreiten der Eutektikalen (Linie D - E) bei",
            " Legierungen, deren Zusammensetzung in",
            " diesem Bereich liegen, zu Ausscheidungen",
            " fester Bestandteile (Segregat).",
            " ",
            " Einschränkend  wird  festgestellt, dass",
            " Legierungen mit Zusammensetzungen in",
            " der Nähe der reinen Komponenten A und B",
            " aufgrund ihres  Lösungsvermögens  der ",
            " jeweils  anderen  Komponente  zu einem ",
            " homogenen Mischkristall erstarren.",
            " ",
            " Die Grafik zeigt vier für diesen \"Typ\"",
            " charakteristische Erstarrungsverhalten",
            " von Legierungen unterschiedlicher Konzen-",
            " tration der Komponenten A und B.",
        },
    .Runs =
        {
            {
                .StartName = "StartL1",
                .StartCaption = "Start /Stop L&1",
                .Strip = "ZuTyp3.L1",
                .Colour = RunPurple,
                .Titles = {{60, 22, "L(1) 94% A"}, {60, 37, "und 6% B"}},
                .Explanation =
                    {
                        Dashes,
                        " Legierung 1: ",
                        " Nach Unterschreiten der Liquiduslinie ",
                        " scheiden Alpha-MK aus der Schmelze aus. ",
                        " Nach der Erstarrung liegt ein homogener ",
                        " Alpha-MK vor. Dieser Zustand bleibt bei  ",
                        " weiterer Abkühlung bestehen. ",
                    },
            },
            {
                .StartName = "StartL2",
                .StartCaption = "Start /Stop L&2",
                .Strip = "ZuTyp3.L2",
                .Colour = clBlue,
                .Titles = {{208, 22, "L(2) 60% A"}, {208, 37, "und 40% B"}},
                .Explanation =
                    {
                        Dashes,
                        " Legierung 2:",
                        " Zunächst scheiden unterhalb der Liquidus-",
                        " linie solange Alpha-MK aus, bis die Rest-",
                        " schmelze die eutektische Zusammen-",
                        " setzung (60% B,40% A) erreicht und zum",
                        " Eutektikum erstarrt.",
                        " Bei weiterer Abkühlung scheiden Beta-",
                        " Segregate aus.",
                    },
            },
            {
                .StartName = "StartL3",
                .StartCaption = "Start/Stop L&3",
                .Strip = "ZuTyp3.L3",
                .Colour = RunGreen,
                .Titles = {{300, 22, "L(3) 40% A"}, {300, 37, "und 60% B"}},
                .Explanation =
                    {
                        Dashes,
                        " Legierung 3: ",
                        " Diese Legierung hat hier die eutektische Zu-",
                        " sammensetzung (60% B, 40% A), d. h. nach",
                        " dem Unterschreiten der Eutektikalen erstarrt",
                        " die Legierung sofort vollständig zum fein-",
                        " körnigen Eutektikum.",
                        " Eutektische Reaktion bei T = const.",
                        "    Schmelze --> Alpha-MK + Beta-MK",
                    },
            },
            {
                .StartName = "StartL4",
                .StartCaption = "Start/Stop L&4",
                .Strip = "ZuTyp3.L4",
                .Colour = clBlack,
                .Titles = {{385, 22, "L(4) 8% A"}, {380, 37, "und 92% B"}},
                .Explanation =
                    {
                        Dashes,
                        " Legierung 4: ",
                        " Nachdem die Schmelze erstarrt ist, besteht",
                        " die gesamte Legierung aus homogenen ",
                        " Beta-MK. ",
                        " Bei weiterer Abkühlung kann der Beta-MK ",
                        " nicht mehr die gesamte Menge A lösen, so ",
                        " dass nach Unterschreiten der nächsten ",
                        " Löslichkeitsgrenze A-reiche Alpha-MK",
                        " ausscheiden.",
                    },
            },
        },
};

using PhaseDiagram::Label;

const Label DiagramTexts[] = {
    {220, 75, "Schmelze"},
    {120, 160, "Schmelze"},
    {385, 160, "Schmelze"},
    {232, 227, "Eutektikum"},
    {400, 95, "Liquiduslinie"},
    {55, 55, "Liquiduslinie"},
    {55, 55, "Liquiduslinie"},
    {27, 155, "Solidus."},
    {162, 270, "Eutek."},
    {340, 270, "Eutek."},
    {96, 330, "+"},
    {440, 330, "+"},
    {170, 290, "(Seg)"},
    {350, 290, "(Seg)"},
    {105, 350, "(Seg)"},
    {427, 350, "(Seg)"},
    {95, 218, "D"},
    {295, 200, "C"},
    {440, 218, "E"},
    {22, 3, "Temperatur/T"},
    {210, 374, "Konzentration/C"},
    {22, 370, "A"},
    {475, 370, "B"},
    {22, 385, "0 %B"},
    {102, 385, " 20"},
    {194, 385, " 40"},
    {288, 385, " 60"},
    {380, 385, " 80"},
    {447, 385, "100 %B"},
};
// In the Symbol face a shows as α and b as β.
const Label SymbolTexts[] = {
    {120, 176, "+a - MK"}, {380, 176, "+ b - MK"}, {440, 230, "b-MK"}, {32, 250, "a-MK"},
    {162, 250, "a-MK"},    {162, 290, "b"},        {340, 250, "b-MK"}, {340, 290, "a"},
    {97, 310, "a"},        {96, 350, "b"},         {439, 310, "b"},    {417, 350, "a"},
};

const CurvePiece Boundaries[] = {
    {{20, 58}, 20, 296, LeftLiquidus},   {{20, 58}, 20, 112, AlphaSolidus},
    {{89, 370}, 89, 112, AlphaSolvus},   {{296, 222}, 296, 480, RightLiquidus},
    {{434, 222}, 434, 480, BetaSolidus}, {{434, 222}, 434, 457, BetaSolvus},
};
const PhaseDiagram::Segment DottedLines[] = {
    {{112, 222}, {112, 370}}, {{296, 222}, {296, 370}}, {{434, 222}, {434, 370}}};
// D–C–E: the eutectic line, from the α crystals' greatest solubility to the β crystals'.
const PhaseDiagram::Segment DiagramEutectic{{112, 222}, {434, 222}};
constexpr TPoint PointC{296, 222};

constexpr TRect WhiteField{20, 20, 481, 370};
constexpr int SymbolHeight = 14;

} // namespace

const std::array<Script, 4> Scripts{{
    {L1Line,
     {
         {31, {Explain{}, RunColourBox, Caption{0, LabelDy, "Schmelze"}, Frame{}}},
         {67,
          {Caption{0, LabelDy, "MK-Bildung"}, Frame{}, Stroke{{24, 67}, {49, 67}},
           CurvePiece{{49, 67}, 49, 170, LeftLiquidus},
           CurvePiece{{24, 67}, 24, 48, AlphaSolidus}}},
         {71, 119, {TieRows{&L1Rows}, Frame{}}},
         {123,
          {EraseRow{&L1Rows, 119}, Frame{}, Stroke{{48, 123}, {170, 123}},
           Caption{0, LabelDy, "Alpha-Mischkristall "}}},
     }},
    {EutecticLines,
     {
         {31, {Explain{}, RunColourBox, Caption{0, LabelDy, "Schmelze"}, Frame{}}},
         {147,
          {Caption{0, LabelDy, "MK-Bildung"}, Frame{}, Stroke{{59, 146}, {204, 146}},
           CurvePiece{{204, 146}, 204, 296, LeftLiquidus},
           CurvePiece{{59, 146}, 59, 112, AlphaSolidus}}},
         {151, 219, {TieRows{&L2Rows, RowAbove}, Frame{}}},
         {223, {EraseRow{&L2Rows, 219, RowAbove}, Frame{}, EutecticLine}},
         {227,
          {Caption{-30, LabelDy, "Alpha-MK+Eu+Beta-Seg"}, TieRows{&SolvusRows, RowAbove},
           SolvusPieces[0], SolvusPieces[1]}},
         {231,
          367,
          {TieRows{&SolvusRows, RowAbove, 227}, FramesAt{{231, 259, 275, 291, 307, 323, 339, 347}},
           FramesAt{{355}, false}}},
         {371,
          {EraseRow{&SolvusRows, 367, RowAbove}, Stroke{{204, 19}, {204, 370}}, BottomLine,
           Frame{false}}},
     }},
    {EutecticLines,
     {
         {31, {Explain{}, RunColourBox, Caption{10, LabelDy, "Schmelze"}, Frame{}}},
         {223, {Caption{10, LabelDy, "Eutektikum"}, Frame{}, EutecticLine}},
         {227, {TieRows{&SolvusRows, RowAbove}, SolvusPieces[0], SolvusPieces[1]}},
         {231, 367, {TieRows{&SolvusRows, RowAbove, 227}}},
         {371, {EraseRow{&SolvusRows, 367, RowAbove}, Stroke{{296, 19}, {296, 370}}, BottomLine}},
     }},
    {L4Line,
     {
         {31, {Explain{}, Caption{0, LabelDy, "Schmelze "}, SilverBox, Frame{}}},
         {123,
          {Caption{0, LabelDy, "MK-Bildung"}, Frame{}, Stroke{{444, 123}, {475, 123}},
           CurvePiece{{315, 207}, 315, 443, RightLiquidus},
           CurvePiece{{443, 207}, 443, 474, BetaSolidus}}},
         {127,
          203,
          {TieRows{&L4Rows}, FramesAt{{127, 131, 135, 139, 143, 147, 151, 155, 163, 179, 191}}}},
         {175, {Stroke{{444, 19}, {444, 175}}}},
         {207,
          {EraseRow{&L4Rows, 203}, Frame{}, Stroke{{315, 207}, {443, 207}},
           Caption{0, LabelDy, "Beta-Mischkristall"}}},
         {283,
          {Caption{-20, LabelDy, "Beta-MK + Alpha-Seg"}, Stroke{{100, 283}, {444, 283}},
           CurvePiece{{89, 370}, 89, 100, AlphaSolvus},
           CurvePiece{{444, 283}, 444, 457, BetaSolvus}}},
         {287,
          367,
          {TieRows{&SolvusRows}, FramesAt{{287, 299, 311, 323, 335, 351, 359}},
           FramesAt{{343}, false}}},
         {371, {EraseRow{&SolvusRows, 367}, Frame{}, Stroke{{444, 19}, {444, 371}}, BottomLine}},
     }},
}};

const DiagramProbe::Map& ProbeMap() {
    namespace P = DiagramProbe;
    using P::MeltSide;
    using P::Role;
    static const P::Map map = [] {
        const TRect frame{WhiteField.Left, WhiteField.Top, WhiteField.Right - 1, WhiteField.Bottom};
        P::Map m = P::Schematic(frame);
        // The curves in the order the diagram draws them.
        const char* keys[] = {"LiquidusA", "SolidusA", "SolvusA",
                              "LiquidusB", "SolidusB", "SolvusB"};
        const char* meanings[] = {
            "Liquiduslinie A*–C\nhier beginnt die Kristallisation der α-MK",
            "Soliduslinie A*–D\nunterhalb sind die α-MK erstarrt",
            "Löslichkeitslinie unter D\nhier scheiden α-MK β-Segregat aus",
            "Liquiduslinie C–B*\nhier beginnt die Kristallisation der β-MK",
            "Soliduslinie E–B*\nunterhalb sind die β-MK erstarrt",
            "Löslichkeitslinie unter E\nhier scheiden β-MK α-Segregat aus",
        };
        for (std::size_t i = 0; i < std::size(Boundaries); ++i)
            m.Lines.push_back({keys[i], meanings[i], Role::Boundary,
                               P::Course(PhaseDiagram::CurvePoints(Boundaries[i]))});
        const TPoint eutectic[] = {DiagramEutectic.From, DiagramEutectic.To};
        m.Lines.push_back({"Eutektikale",
                           "Eutektikale D–E\nhier erstarrt die Restschmelze zum Eutektikum",
                           Role::Named, P::Course(eutectic)});
        // Below D, C and E the structure changes, the phases do not.
        const char* dividers[] = {"unter D", "unter C", "unter E"};
        for (std::size_t i = 0; i < std::size(DottedLines); ++i) {
            const TPoint course[] = {DottedLines[i].From, DottedLines[i].To};
            m.Lines.push_back({dividers[i], "", Role::Divider, P::Course(course)});
        }

        const TPoint starA = Boundaries[0].Start;
        const long double starB = PhaseDiagram::CurveRow(RightLiquidus(frame.Right));
        m.Marks.push_back({"A*, Schmelzpunkt der Komponente A (0 % B)",
                           {static_cast<long double>(starA.X), static_cast<long double>(starA.Y)}});
        m.Marks.push_back({"B*, Schmelzpunkt der Komponente B (100 % B)",
                           {static_cast<long double>(frame.Right), starB}});
        auto mark = [&](TPoint at, const std::string& name) {
            m.Marks.push_back({name + ", " + P::ShareOfB(frame, at.X),
                               {static_cast<long double>(at.X), static_cast<long double>(at.Y)}});
        };
        mark(DiagramEutectic.From, "Punkt D, größte Löslichkeit von B in den α-MK");
        mark(PointC, "Punkt C, eutektischer Punkt");
        mark(DiagramEutectic.To, "Punkt E, größte Löslichkeit von A in den β-MK");

        const long double row = DiagramEutectic.From.Y;
        P::Field melt{{{"LiquidusA", "B"}, {"LiquidusA", "LiquidusB"}},
                      "Schmelze",
                      "oberhalb der Liquiduslinie"};
        const P::Field meltAbove = P::AcrossAbove(melt, starA.Y);
        P::Field alpha{{{"A", "SolidusA"}, {"A", "SolvusA"}},
                       "α-Mischkristalle (α-MK)",
                       "links der Solidus- und Löslichkeitslinie"};
        P::Field meltAlpha{{{"SolidusA", "LiquidusA"}},
                           "Schmelze + α-MK",
                           "zwischen Liquidus- und Soliduslinie",
                           {{"α-MK"}, {"Schmelze"}},
                           MeltSide::Right};
        P::Field meltBeta{{{"LiquidusB", "SolidusB"}},
                          "Schmelze + β-MK",
                          "zwischen Liquidus- und Soliduslinie",
                          {{"Schmelze"}, {"β-MK"}},
                          MeltSide::Left};
        P::Field beta{{{"SolidusB", "B"}, {"SolvusB", "B"}},
                      "β-Mischkristalle (β-MK)",
                      "rechts der Solidus- und Löslichkeitslinie"};
        P::Field both{{{"SolvusA", "SolvusB"}},
                      "α-MK + β-MK",
                      "unterhalb der Eutektikale",
                      {{"α-MK"}, {"β-MK"}},
                      MeltSide::None};
        both.FromY = row;
        m.Fields = {melt, meltAbove, alpha, meltAlpha, meltBeta, beta, both};
        m.Structures = {{"SolvusA", "unter D", "α-MK + β-Segregat"},
                        {"unter D", "unter C", "α-MK + Eutektikum + β-Segregat"},
                        {"unter C", "unter E", "β-MK + Eutektikum + α-Segregat"},
                        {"unter E", "SolvusB", "β-MK + α-Segregat"}};
        return m;
    }();
    return map;
}

} // namespace UnitZutyp3

using namespace UnitZutyp3;

TFormZuTyp3::TFormZuTyp3() : TAlloyRunsForm(ScreenData, Unit, Unit.Runs) {
    // The overlay lies under the diagram, in the order they are painted.
    PaintBoxUmwandlung = AddSurface("PaintBoxUmwandlung");
    PaintBoxHaupt = AddSurface("PaintBoxHaupt");
    PaintBoxHaupt->SetColor(ScreenFrame::BackdropGold);
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    AddFrameControls();
    TimerL1 = RunTimers[L1];
    TimerL2 = RunTimers[L2];
    TimerL3 = RunTimers[L3];
    TimerL4 = RunTimers[L4];
    TimerL1->OnTimer = [this] { TimerL1Timer(); };
    TimerL2->OnTimer = [this] { TimerL2Timer(); };
    TimerL3->OnTimer = [this] { TimerL3Timer(); };
    TimerL4->OnTimer = [this] { TimerL4Timer(); };
    ImageListL1 = RunStrips[L1];
    ImageListL2 = RunStrips[L2];
    ImageListL3 = RunStrips[L3];
    ImageListL4 = RunStrips[L4];
    AddMenu();
    StartL1 = StartItems[L1];
    StartL2 = StartItems[L2];
    StartL3 = StartItems[L3];
    StartL4 = StartItems[L4];
    StartL1->OnClick = [this] { StartL1Click(); };
    StartL2->OnClick = [this] { StartL2Click(); };
    StartL3->OnClick = [this] { StartL3Click(); };
    StartL4->OnClick = [this] { StartL4Click(); };
}

// The paint leaves the pen dotted; the colour field draws its lines solid again.
void TFormZuTyp3::PaintBoxHauptPaint() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    PrepareDiagramPen();
    c.Pen.Color = clWhite;
    c.Rectangle(0, 0, Unit.DiagBreite, Unit.DiagHoehe);
    c.Brush.Color = clWhite;
    c.Rectangle(WhiteField);
    c.Pen.Style = psSolid;
    PhaseDiagram::DrawColourField(c);

    c.Brush.Style = bsClear;
    PhaseDiagram::Write(c, DiagramTexts);

    c.Pen.Width = 2;
    c.Pen.Color = clSilver;
    for (const CurvePiece& piece : Boundaries)
        PhaseDiagram::DrawCurve(c, piece);
    PhaseDiagram::Line(c, DiagramEutectic);

    c.Pen.Width = 1;
    c.Pen.Style = psDot;
    for (const PhaseDiagram::Segment& line : DottedLines)
        PhaseDiagram::Line(c, line);

    c.Brush.Style = bsClear;
    c.Font.Name = "Symbol";
    c.Font.Height = SymbolHeight;
    PhaseDiagram::Write(c, SymbolTexts);
}

// Only L1 goes back to the top when it is chosen on its last row but one.
void TFormZuTyp3::StartL1Click() {
    StartRun(L1, true);
}

void TFormZuTyp3::StartL2Click() {
    StartRun(L2, false);
}

void TFormZuTyp3::StartL3Click() {
    StartRun(L3, false);
}

void TFormZuTyp3::StartL4Click() {
    StartRun(L4, false);
}

void TFormZuTyp3::TimerL1Timer() {
    PlayTick(L1, Scripts[L1]);
}

void TFormZuTyp3::TimerL2Timer() {
    PlayTick(L2, Scripts[L2]);
}

void TFormZuTyp3::TimerL3Timer() {
    PlayTick(L3, Scripts[L3]);
}

void TFormZuTyp3::TimerL4Timer() {
    PlayTick(L4, Scripts[L4]);
}
