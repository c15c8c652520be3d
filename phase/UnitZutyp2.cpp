#include "phase/UnitZutyp2.h"

#include "platform/Dialogs.h"
#include "shell/ScreenFrame.h"

#include <span>

TFormZuTyp2* FormZuTyp2 = nullptr;

namespace UnitZutyp2 {

Variables Unit;

const std::array<TieRow, 19> UnterRows{{
    {146, 204}, {150, 208}, {154, 213}, {158, 218}, {162, 224}, {166, 229}, {170, 234},
    {174, 239}, {178, 245}, {182, 250}, {186, 255}, {190, 260}, {194, 265}, {198, 270},
    {202, 274}, {206, 278}, {210, 282}, {214, 286}, {218, 290},
}};

const std::array<TieRow, 17> UeberRows{{
    {154, 388},
    {158, 382},
    {162, 377},
    {166, 372},
    {170, 366},
    {174, 360},
    {178, 354},
    {182, 348},
    {186, 342},
    {190, 336},
    {194, 330},
    {198, 325},
    {202, 319},
    {206, 314},
    {210, 310},
    {214, 306},
    {218, 301},
}};

namespace {
constexpr PhaseDiagram::Quad LeftBranch{0.0013L, -70, 48};
constexpr PhaseDiagram::Quad RightBranch{0.0011L, 677, 62};
} // namespace

long double LiquidusA(int x) {
    return LeftBranch(x);
}

long double LiquidusB(int x) {
    return RightBranch(x);
}

namespace {

using PhaseDiagram::Label;
using PhaseDiagram::Line;
using PhaseDiagram::Write;

constexpr TColor Yellow = 0x00FFFF;
constexpr TColor OverlayRed = 0x0000FF;
constexpr TColor StripViolet = 8388672;
constexpr TColor StripGreen = 4227072;
constexpr TColor RunGreen = 0x008000;
constexpr int EditAFontHeight = -12;
constexpr int SymbolHeight = 14;
constexpr int RunPenWidth = 3;
constexpr int StripPenWidth = 1;
constexpr int HandHeight = 60;
constexpr int HandAboveBottom = 70;
constexpr const char* RunFace = "Ms Sans Serif";

// The diagram: the white field, the eutectic line at row 222 from pure A (x 20) to pure B (x 480)
// and the eutectic composition C at x 296.
constexpr TRect WhiteField{20, 20, 481, 370};
constexpr int PureA = 20;
constexpr int PureB = 480;
constexpr int EutecticX = 296;
constexpr int EutecticRow = 222;
constexpr int FieldBottom = 370;

// The cooling point moves 4 rows a tick down to the eutectic line, then 16, down to the bottom.
constexpr int CoolingTop = 22;
constexpr int KinkRow = 225;
constexpr int StepAbove = 4;
constexpr int StepBelow = 16;
constexpr int MeltRow = 30;
constexpr int EndRow = 370;

// What the boxes show at the eutectic line: the share of primary crystals, and no melt left.
constexpr int UnterEutecticShare = 33;
constexpr int UeberEutecticShare = 50;

const Label DiagramTexts[] = {
    {220, 75, "Schmelze"},
    {50, 110, "Schmelze"},
    {420, 136, "Schmelze"},
    {232, 227, "Eutektikum"},
    {390, 99, "Liquiduslinie"},
    {55, 55, "Liquiduslinie"},
    {30, 205, "Soliduslinie = Eutektikale"},
    {22, 45, "A*"},
    {466, 87, "B*"},
    {291, 205, "C"},
    {5, 3, "Temperatur/T"},
    {210, 405, "Konzentration/C"},
    {18, 372, "A"},
    {475, 372, "B"},
    {10, 390, "0 %B"},
    {102, 390, " 20"},
    {194, 390, " 40"},
    {288, 390, " 60"},
    {380, 390, " 80"},
    {447, 390, "100 %B"},
};
// In the Symbol face a shows as α and b as β.
const Label SymbolTexts[] = {
    {50, 126, "+ a - K"},
    {425, 153, "+ b - K"},
    {300, 270, " a - K "},
    {310, 290, "+ b - K"},
};

// The lever strips: run 1's left of the middle, run 3's right of it, each on its own surface.
constexpr TRect LeverBox{0, 420, 505, 492};
const PhaseDiagram::LeverStrip LeverStrip1{
    LeverBox,
    {{2, 422, "L 1"}, {2, 440, "m (Alp-K)"}, {2, 460, "m (Schm.)"}},
    {{5, 457}, {50, 457}},
    {{64, 450, "="}, {82, 440, "X"}, {82, 460, "Y"}},
    {{74, 457}, {99, 457}},
    {{112, 435, "m (Alp-K) /%"}, {112, 463, "m (Schm.)/%"}},
};
const PhaseDiagram::LeverStrip LeverStrip2{
    LeverBox,
    {{2, 422, "L 3"}, {2, 440, "m (Beta-K)"}, {2, 460, "m (Schm.)"}},
    {{5, 457}, {60, 457}},
    {{70, 450, "="}, {86, 440, "X"}, {86, 460, "Y"}},
    {{81, 457}, {99, 457}},
    {{110, 435, "m (Beta-K) /%"}, {110, 463, "m (Schm.)/%"}},
};

const PhaseDiagram::LeverIllustration Lever1{.AlloyX = 204,
                                             .LeverY = 174,
                                             .LeftX = 20,
                                             .RightX = 239,
                                             .Crystals = {27, 180, " m(K) "},
                                             .ArmX = {212, 178, "X"},
                                             .Melt = {205, 196, "m(Schm.)"},
                                             .ArmY = {110, 178, "Y"}};
// At the strip's own x: the diagram's x less 252.
const PhaseDiagram::LeverIllustration Lever2{.AlloyX = 136,
                                             .LeverY = 174,
                                             .LeftX = 107,
                                             .RightX = 228,
                                             .Crystals = {90, 196, " m(K) "},
                                             .ArmX = {212, 178, "X"},
                                             .Melt = {185, 196, "m(Schm.)"},
                                             .ArmY = {117, 178, "Y"}};

// Where each run writes the name of what its picture shows.
const TPoint PictureCaption[] = {{30, 350}, {220, 350}, {405, 350}};

const std::string Dashes = " " + std::string(46, '-');

const AlloyRuns::Design ScreenData{
    .Caption = "Zustandsschaubild mit vollkommener Löslichkeit im flüssigen und vollkommener "
               "Unlöslichkeit im festen Zustand (schematisch)",
    .RestY = CoolingTop,
    .SmallDiagLinks = 275,
    .SmallMemoBack = 274,
    .SmallMemoWidth = 270,
    .LargeMemo = {30, 40, 30 + 330, 40 + 590},
    .MemoReadOnly = true,
    .DiagramPen = clBlack,
    .Explanation =
        {
            " Dieses Erstarrungsverhalten tritt für",
            " den idealen Fall ein, dass im flüssigen ",
            " Zustand  völlige  Löslichkeit  und im ",
            " festen Zustand keine Löslichkeit der ",
            " Bestandteile vorliegt. ",
            " Charakteristisch für diesen Diagrammtyp",
            " ist das Vorhandensein eines unteren ",
            " Haltepunktes bei gleicher Temperatur- ",
            " lage für alle Zusammensetzungen, die  ",
            " zwischen A und B liegen.",
            " Ausgehend von den Schmelzpunkten",
            " A* und B* fallen beide Liquiduslinie mit",
            " zunehmender Konzentration der jeweils ",
            " anderen Komponente zu tiefer liegen-",
            " den Temperaturen ab (V-Kurve).",
            " Im Punkt C bilden die beiden Liquidus-",
            " linien somit einen gemeinsamen Schnitt-",
            " punkt (eutektische Legierung).",
            " ",
            " Die Grafik zeigt drei für diesen \"Typ\"",
            " charakteristische Erstarrungsverhalten.",
            " ",
            " 1) Legierung aus dem untereutektischen ",
            "     Bereich (B < 60%, A > 40%)",
            " 2) Legierung mit eutektischer Zusam- ",
            "     mensetzung (B = 60%, A = 40%)",
            " 3) Legierung aus dem übereutektischen ",
            "     Bereich (B > 60%, A < 40%)",
        },
    .Runs =
        {
            {
                .StartName = "Startunter",
                .StartCaption = "Start/Stop &untereutektisch",
                .Strip = "ZuTyp2.Unter",
                .Colour = clBlack,
                .Titles = {{115, 30, "L(1) mit 60% A"}, {130, 50, "und 40% B"}},
                .Explanation =
                    {
                        Dashes,
                        " L(1) untereutektisch",
                        " Nach Unterschreitung der  Liquidus-",
                        " linie (Punkt 1) scheiden Alpha-K aus",
                        " der Schmelze aus. Dies bedeutet, dass",
                        " die Restschmelze an A-Konzentration ",
                        " entlang der Liquiduslinie verarmt.",
                        " Wird die Temperatur T(Eu) erreicht,",
                        " zerfällt die Restschmelze, die nun die",
                        " eutektische Zusammensetzung hat, in",
                        " ein Eutektikum (Alpha-K + Beta-K",
                        " aus A = 40%, B = 60 %).",
                    },
            },
            {
                .StartName = "Starteutektisch",
                .StartCaption = "Start/Stop &eutektisch",
                .Strip = "ZuTyp2.Eu",
                .Colour = clBlue,
                .Titles = {{210, 30, "L(2) mit 40% A "}, {220, 50, " und 60% B"}},
                .Explanation =
                    {
                        Dashes,
                        " L(2) eutektisch",
                        " Diese Legierungszusammensetzung ",
                        " bleibt bis zum Erreichen der Temperatur",
                        " T(Eu) flüssig und erstarrt dann nach dem",
                        " Unterschreiten der Eutektikalen sofort",
                        " vollständig als feinkörniges Eutektikum.",
                        " Eutektische Reaktion bei T(Eu) = const.",
                        "    Schmelze --> Alpha-K + Beta-K",
                    },
            },
            {
                .StartName = "Startueber",
                .StartCaption = "Start/Stop &übereutektisch",
                .Strip = "ZuTyp2.Ueber",
                .Colour = RunGreen,
                .Titles = {{302, 30, "L(3) mit 20% A "}, {312, 50, " und 80% B "}},
                .Explanation =
                    {
                        Dashes,
                        " L(3) übereutektisch ",
                        " Nach Unterschreitung der  Liquidus-",
                        " linie (Punkt 2) scheiden Beta-K aus",
                        " der Schmelze aus. Dies bedeutet, dass",
                        " die Restschmelze an B-Konzentration ",
                        " entlang der Liquiduslinie verarmt.",
                        " Wird die Temperatur T(Eu) erreicht,",
                        " zerfällt die Restschmelze, die nun die",
                        " eutektische Zusammensetzung hat, in",
                        " ein Eutektikum (Alpha-K + Beta-K",
                        " aus A = 40%, B = 60 %).",
                    },
            },
        },
};

} // namespace

const DiagramProbe::Map& ProbeMap() {
    namespace P = DiagramProbe;
    using P::MeltSide;
    using P::Role;
    static const P::Map map = [] {
        constexpr TRect frame{PureA, WhiteField.Top, PureB, FieldBottom};
        P::Map m = P::Schematic(frame);
        const TPoint eutectic[] = {{PureA, EutecticRow}, {PureB, EutecticRow}};
        // The melt of eutectic composition solidifies below C without crystals of its own; the
        // structure changes there, the phases do not.
        const TPoint belowC[] = {{EutecticX, EutecticRow}, {EutecticX, FieldBottom}};
        m.Lines.push_back(
            {"LiquidusA", "Liquiduslinie A*–C\nhier beginnt die Kristallisation von A (α-K)",
             Role::Boundary,
             P::Course(PhaseDiagram::CurvePoints({PureA, 60}, PureA, EutecticX, LiquidusA))});
        m.Lines.push_back({"LiquidusB",
                           "Liquiduslinie C–B*\nhier beginnt die Kristallisation von B (β-K)",
                           Role::Boundary,
                           P::Course(PhaseDiagram::CurvePoints({EutecticX, EutecticRow}, EutecticX,
                                                               PureB, LiquidusB))});
        m.Lines.push_back({"Eutektikale",
                           "Soliduslinie = Eutektikale\nhier erstarrt die Restschmelze bei "
                           "gleicher Temperatur zum Eutektikum",
                           Role::Named, P::Course(eutectic)});
        m.Lines.push_back({"unter C", "", Role::Divider, P::Course(belowC)});

        const long double starA = PhaseDiagram::CurveRow(LiquidusA(PureA));
        const long double starB = PhaseDiagram::CurveRow(LiquidusB(PureB));
        m.Marks.push_back({"A*, Schmelzpunkt der Komponente A (0 % B)", {PureA, starA}});
        m.Marks.push_back({"B*, Schmelzpunkt der Komponente B (100 % B)", {PureB, starB}});
        m.Marks.push_back({"Punkt C, eutektischer Punkt, " + P::ShareOfB(frame, EutecticX) +
                               "\nSchmelze → Eutektikum (α-K + β-K)",
                           {EutecticX, EutecticRow}});

        P::Field melt{{{"LiquidusA", "B"}, {"LiquidusA", "LiquidusB"}},
                      "Schmelze",
                      "oberhalb der Liquiduslinie"};
        const P::Field meltAbove = P::AcrossAbove(melt, starA);
        P::Field withA{{{"A", "LiquidusA"}},
                       "Schmelze + α-K",
                       "zwischen Liquiduslinie und Eutektikale",
                       {{"α-K", PureA}, {"Schmelze"}},
                       MeltSide::Right};
        for (const TieRow& row : UnterRows)
            withA.Rows.push_back(
                {static_cast<long double>(row.K), PureA, static_cast<long double>(row.Xl)});
        P::Field withB{{{"LiquidusB", "B"}},
                       "Schmelze + β-K",
                       "zwischen Liquiduslinie und Eutektikale",
                       {{"Schmelze"}, {"β-K", PureB}},
                       MeltSide::Left};
        for (const TieRow& row : UeberRows)
            withB.Rows.push_back(
                {static_cast<long double>(row.K), static_cast<long double>(row.Xl), PureB});
        P::Field solid{{{"A", "B"}},
                       "α-K + β-K",
                       "unterhalb der Eutektikale",
                       {{"α-K"}, {"β-K"}},
                       MeltSide::None};
        solid.FromY = EutecticRow;
        m.Fields = {melt, meltAbove, withA, withB, solid};
        m.Structures = {{"A", "unter C", "α-K + Eutektikum"}, {"unter C", "B", "β-K + Eutektikum"}};
        return m;
    }();
    return map;
}

} // namespace UnitZutyp2

using namespace UnitZutyp2;

// What tells the hypoeutectic run from the hypereutectic one: which pure component crystallises
// and where, on which liquidus branch the melt travels, which boxes show the lever, and the
// texts at the liquidus.
struct TFormZuTyp2::PrimaryRun {
    int Run;
    int PureX;
    std::span<const TieRow> Rows;
    long double (*Liquidus)(int x);
    // The hypoeutectic run traces the travelled liquidus from where the alloy met it; the
    // hypereutectic one from the tie line's end back to the alloy.
    bool TracesFromAlloy;
    TEdit* TFormZuTyp2::*CrystalBox;
    TEdit* TFormZuTyp2::*MeltBox;
    std::array<Label, 3> LiquidusTexts;
    Label Caption;
};

namespace {
const TFormZuTyp2::PrimaryRun UnterRun{
    .Run = Unter,
    .PureX = PureA,
    .Rows = UnterRows,
    .Liquidus = LiquidusA,
    .TracesFromAlloy = true,
    .CrystalBox = &TFormZuTyp2::EditA,
    .MeltBox = &TFormZuTyp2::EditSch1,
    .LiquidusTexts = {{{3, 138, "T"}, {8, 146, " 1"}, {210, 136, " 1"}}},
    .Caption = {30, 350, "Bildung Alpha-K"},
};
const TFormZuTyp2::PrimaryRun UeberRun{
    .Run = Ueber,
    .PureX = PureB,
    .Rows = UeberRows,
    .Liquidus = LiquidusB,
    .TracesFromAlloy = false,
    .CrystalBox = &TFormZuTyp2::EditB,
    .MeltBox = &TFormZuTyp2::EditSch2,
    .LiquidusTexts = {{{480, 138, "T"}, {485, 146, " 2"}, {370, 140, " 2"}}},
    .Caption = {392, 350, "Bildung Beta-K"},
};
} // namespace

TFormZuTyp2::TFormZuTyp2() : TAlloyRunsForm(ScreenData, Unit, Unit.Runs) {
    // The layers in the order they are painted.
    PaintBoxHaupt = AddSurface("PaintBoxHaupt");
    PaintBoxHaupt->SetColor(ScreenFrame::BackdropGold);
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    PaintBoxHilfslinien = AddSurface("PaintBoxHilfslinien");
    PaintBoxHilfslinien->SetColor(ScreenFrame::DiagramOrange);
    PaintBoxUmwandlung = AddSurface("PaintBoxUmwandlung");
    PaintBoxHebel1 = AddSurface("PaintBoxHebel1");
    PaintBoxHebel1->SetColor(StripViolet);
    PaintBoxHebel1->OnPaint = [this] { PaintBoxHebel1Paint(); };
    PaintBoxHebel2 = AddSurface("PaintBoxHebel2");
    PaintBoxHebel2->SetColor(StripGreen);
    PaintBoxHebel2->OnPaint = [this] { PaintBoxHebel2Paint(); };
    PaintBoxHand1 = AddSurface("PaintBoxHand1");
    PaintBoxHand1->Cursor = crHandPoint;
    PaintBoxHand1->OnClick = [this] { PaintBoxHand1Click(); };
    PaintBoxHand2 = AddSurface("PaintBoxHand2");
    PaintBoxHand2->Cursor = crHandPoint;
    PaintBoxHand2->OnClick = [this] { PaintBoxHand2Click(); };

    AddFrameControls();
    auto edit = [this](const char* name) {
        TEdit* e = Add<TEdit>();
        e->Name = name;
        return e;
    };
    // Tab reaches each half's lever before the half's boxes, the left half before the right,
    // after the text.
    PaintBoxHand1->SetTabStop("Hebelgesetz links zeigen");
    EditA = edit("EditA");
    EditA->SetFont({"MS Sans Serif", EditAFontHeight, clWindowText, false});
    EditSch1 = edit("EditSch1");
    PaintBoxHand2->SetTabStop("Hebelgesetz rechts zeigen");
    EditB = edit("EditB");
    EditSch2 = edit("EditSch2");
    EditA->SetAccessibleName("Masse Alpha-Kristalle in %");
    EditSch1->SetAccessibleName("Masse Schmelze in %");
    EditB->SetAccessibleName("Masse Beta-Kristalle in %");
    EditSch2->SetAccessibleName("Masse Schmelze in %");

    TimerUnter = RunTimers[Unter];
    TimerEutek = RunTimers[Eutek];
    TimerUeber = RunTimers[Ueber];
    TimerUnter->OnTimer = [this] { TimerUnterTimer(); };
    TimerEutek->OnTimer = [this] { TimerEutekTimer(); };
    TimerUeber->OnTimer = [this] { TimerUeberTimer(); };
    ImageListUnter = RunStrips[Unter];
    ImageListEu = RunStrips[Eutek];
    ImageListUeber = RunStrips[Ueber];

    AddMenu();
    Startunter = StartItems[Unter];
    Starteutektisch = StartItems[Eutek];
    Startueber = StartItems[Ueber];
    Startunter->OnClick = [this] { StartunterClick(); };
    Starteutektisch->OnClick = [this] { StarteutektischClick(); };
    Startueber->OnClick = [this] { StartueberClick(); };
}

void TFormZuTyp2::LayOut() {
    const int left = Unit.DiagLinks;
    const int top = Unit.DiagOben;
    const int half = Unit.DiagBreite / 2;
    PaintBoxHilfslinien->SetBounds(left, top, Unit.DiagBreite, Unit.DiagHoehe);
    PaintBoxHebel1->SetBounds(left, top, half, Unit.DiagHoehe);
    PaintBoxHebel2->SetBounds(left + half, top, half, Unit.DiagHoehe);
    // The click areas' top is counted from the diagram's height, not from its top.
    const int handTop = Unit.DiagHoehe - Unit.DiagOben - HandAboveBottom;
    PaintBoxHand1->SetBounds(left, handTop, half, HandHeight);
    PaintBoxHand2->SetBounds(left + half, handTop, half, HandHeight);

    TCanvas& hilfslinien = PaintBoxHilfslinien->Canvas;
    hilfslinien.Pen.Width = 1;
    hilfslinien.Pen.Color = OverlayRed;
    hilfslinien.Pen.Style = psSolid;
    hilfslinien.Brush.Color = Yellow;

    constexpr int BoxWidth = 50;
    constexpr int BoxHeight = 20;
    const TControl& h1 = *PaintBoxHebel1;
    const TControl& h2 = *PaintBoxHebel2;
    EditA->SetBounds(h1.Left() + 195, h1.Top() + 430, BoxWidth, BoxHeight);
    EditSch1->SetBounds(h1.Left() + 195, h1.Top() + 460, BoxWidth, BoxHeight);
    EditB->SetBounds(h2.Left() + 200, h2.Top() + 430, BoxWidth, BoxHeight);
    EditSch2->SetBounds(h2.Left() + 200, h2.Top() + 460, BoxWidth, BoxHeight);
    Reset();
}

void TFormZuTyp2::Reset() {
    for (TEdit* box : {EditA, EditB, EditSch1, EditSch2})
        box->SetText("");
}

void TFormZuTyp2::PaintBoxHauptPaint() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    PrepareDiagramPen();
    c.Pen.Color = clWhite;
    c.Rectangle(0, 0, Unit.DiagBreite, Unit.DiagHoehe);
    c.Brush.Color = clWhite;
    c.Rectangle(WhiteField);
    PhaseDiagram::DrawColourField(c);

    c.Font.Name = "MS Sans Serif";
    c.Brush.Style = bsClear;
    Write(c, DiagramTexts);
    c.Font.Name = "Symbol";
    c.Font.Height = SymbolHeight;
    Write(c, SymbolTexts);

    c.Pen.Width = 2;
    c.Pen.Color = clSilver;
    PhaseDiagram::DrawCurve(c, {PureA, 60}, PureA, EutecticX, LiquidusA);
    PhaseDiagram::DrawCurve(c, {EutecticX, EutecticRow}, EutecticX, PureB, LiquidusB);
    Line(c, PureA, EutecticRow, PureB, EutecticRow);
}

void TFormZuTyp2::PaintBoxHebel1Paint() {
    PaintBoxHebel1->Canvas.Pen.Width = StripPenWidth;
    PhaseDiagram::DrawLeverStrip(PaintBoxHebel1->Canvas, LeverStrip1);
}

void TFormZuTyp2::PaintBoxHebel2Paint() {
    PaintBoxHebel2->Canvas.Pen.Width = StripPenWidth;
    PhaseDiagram::DrawLeverStrip(PaintBoxHebel2->Canvas, LeverStrip2);
}

void TFormZuTyp2::PaintBoxHand1Click() {
    PhaseDiagram::DrawLeverIllustration(PaintBoxHebel1->Canvas, PaintBoxHebel1->Height(), Lever1);
}

void TFormZuTyp2::PaintBoxHand2Click() {
    PhaseDiagram::DrawLeverIllustration(PaintBoxHebel2->Canvas, PaintBoxHebel2->Height(), Lever2);
}

void TFormZuTyp2::StartunterClick() {
    StartRun(Unter, false);
}

void TFormZuTyp2::StarteutektischClick() {
    StartRun(Eutek, false);
}

void TFormZuTyp2::StartueberClick() {
    StartRun(Ueber, false);
}

void TFormZuTyp2::TimerUnterTimer() {
    RunTick(Unter);
}

void TFormZuTyp2::TimerEutekTimer() {
    RunTick(Eutek);
}

void TFormZuTyp2::TimerUeberTimer() {
    RunTick(Ueber);
}

// --- the runs ----------------------------------------------------------------------------------

void TFormZuTyp2::RunTick(int run) {
    PrepareTick(run);
    Cool(run);
    const int k = Alloy(run).TempY;
    if (k == MeltRow)
        Begin(run);
    if (run != Eutek) {
        const PrimaryRun& p = run == Unter ? UnterRun : UeberRun;
        for (std::size_t row = 0; row < p.Rows.size(); ++row) {
            if (k != p.Rows[row].K)
                continue;
            if (row == 0)
                LiquidusReached(p);
            else
                TieStep(p, row);
        }
    }
    if (k == EutecticRow) {
        if (run == Unter)
            UnterEutectic();
        else if (run == Ueber)
            UeberEutectic();
        else
            EutekEutectic();
    }
    if (k >= EndRow)
        FinishRun(run);
}

void TFormZuTyp2::PrepareTick(int run) {
    const TColor colour = Data().Runs[static_cast<std::size_t>(run)].Colour;
    TCanvas& h = PaintBoxHaupt->Canvas;
    h.Font.Name = RunFace;
    h.Brush.Style = bsClear;
    h.Font.Color = colour;
    h.Pen.Width = RunPenWidth;
    h.Pen.Color = colour;
    if (run != Eutek)
        for (TPaintBox* layer : {PaintBoxUmwandlung, PaintBoxHilfslinien}) {
            layer->Canvas.Pen.Color = colour;
            layer->Canvas.Pen.Mode = pmNotXor;
        }
    Write(h, Data().Runs[static_cast<std::size_t>(run)].Titles);
}

// Down to the eutectic line the cooling point moves four rows a tick, below it sixteen; there
// the pure components, too, are solid and their verticals grow with it.
void TFormZuTyp2::Cool(int run) {
    AlloyRuns::Alloy& a = Alloy(run);
    if (a.TempY < KinkRow) {
        a.TempY += StepAbove;
        DrawCoolingLine(run, a.TempY);
    }
    if (a.TempY > KinkRow) {
        a.TempY += StepBelow;
        DrawCoolingLine(run, a.TempY);
        TCanvas& h = PaintBoxHaupt->Canvas;
        Line(h, PureA, EutecticRow, PureA, a.TempY);
        Line(h, PureB, EutecticRow, PureB, a.TempY);
    }
}

void TFormZuTyp2::DrawCoolingLine(int run, int toY) {
    const int x = Alloy(run).LegierungX;
    Line(PaintBoxHaupt->Canvas, x, CoolingTop, x, toY);
}

void TFormZuTyp2::Begin(int run) {
    AppendExplanation(run);
    const AlloyRuns::Alloy& a = Alloy(run);
    TCanvas& h = PaintBoxHaupt->Canvas;
    h.Brush.Color = clSilver;
    h.Rectangle(a.BildX - 2, a.BildY - 2, a.BildX + 82, a.BildY + 82);
    const TPoint caption = PictureCaption[run];
    h.TextOut(caption.X, caption.Y, "Schmelze");
    DrawFrame(run);
    if (run == Unter) {
        EditA->SetText(FloatToStr(0));
        EditSch1->SetText(FloatToStr(100));
    } else if (run == Ueber) {
        EditB->SetText(FloatToStr(0));
        EditSch2->SetText(FloatToStr(100));
    }
}

void TFormZuTyp2::ShowLeverRule(const PrimaryRun& p) {
    Unit.AnteilK = PhaseDiagram::LeverRule(Unit.LiquidusX, Alloy(p.Run).LegierungX, p.PureX);
    (this->*p.CrystalBox)->SetText(FloatToStr(Unit.AnteilK));
    (this->*p.MeltBox)->SetText(FloatToStr(100 - Unit.AnteilK));
}

void TFormZuTyp2::LiquidusReached(const PrimaryRun& p) {
    const int x = Alloy(p.Run).LegierungX;
    const int k = p.Rows[0].K;
    Unit.LiquidusX = x;
    ShowLeverRule(p);
    // The liquidus frame is the strip's frame 1; the tie-line steps show the frames after it.
    DrawFrame(p.Run);
    TCanvas& h = PaintBoxHaupt->Canvas;
    Line(h, p.PureX, k, x, k);
    Line(PaintBoxHilfslinien->Canvas, x, k, x, FieldBottom);
    Write(h, p.LiquidusTexts);
    h.Brush.Color = clSilver;
    Write(h, p.Caption);
}

void TFormZuTyp2::DrawTieRow(const PrimaryRun& p, std::size_t row) {
    const TieRow& r = p.Rows[row];
    Line(PaintBoxUmwandlung->Canvas, p.PureX, r.K, r.Xl, r.K);
    Line(PaintBoxHilfslinien->Canvas, r.Xl, r.K, r.Xl, FieldBottom);
}

void TFormZuTyp2::TieStep(const PrimaryRun& p, std::size_t row) {
    const TieRow& r = p.Rows[row];
    Unit.LiquidusX = r.Xl;
    ShowLeverRule(p);
    // The tie line at the liquidus stays; every later one goes at the next step (not-xor lines
    // vanish when drawn a second time).
    const bool afterFirstStep = row > 1;
    if (afterFirstStep)
        DrawTieRow(p, row - 1);
    DrawFrame(p.Run);
    if (afterFirstStep)
        DrawCoolingLine(p.Run, r.K);
    DrawTieRow(p, row);
    TCanvas& h = PaintBoxHaupt->Canvas;
    Line(h, p.PureX, r.K - StepAbove, p.PureX, r.K);
    const int alloyX = Alloy(p.Run).LegierungX;
    if (p.TracesFromAlloy)
        PhaseDiagram::DrawCurve(h, {alloyX, p.Rows[0].K}, alloyX, r.Xl, p.Liquidus);
    else
        PhaseDiagram::DrawCurve(h, {r.Xl, r.K}, r.Xl, alloyX, p.Liquidus);
}

void TFormZuTyp2::UnterEutectic() {
    const PrimaryRun& p = UnterRun;
    EditA->SetText(FloatToStr(UnterEutecticShare));
    EditSch1->SetText(FloatToStr(0));
    DrawTieRow(p, p.Rows.size() - 1);
    DrawFrame(Unter);
    DrawCoolingLine(Unter, EutecticRow);
    TCanvas& h = PaintBoxHaupt->Canvas;
    Line(h, PureA, EutecticRow, PureB, EutecticRow);
    Line(PaintBoxHilfslinien->Canvas, EutecticX, EutecticRow, EutecticX, FieldBottom);
    h.TextOut(1, 200, "T");
    h.TextOut(3, 208, " Eu");
    Line(h, PureA, EutecticRow - StepAbove, PureA, EutecticRow);
    h.Brush.Color = clSilver;
    h.TextOut(30, 350, "Alpha-K + Eutektikum");
    const int alloyX = Alloy(Unter).LegierungX;
    PhaseDiagram::DrawCurve(h, {alloyX, p.Rows[0].K}, alloyX, EutecticX, LiquidusA);
}

void TFormZuTyp2::UeberEutectic() {
    const PrimaryRun& p = UeberRun;
    TCanvas& h = PaintBoxHaupt->Canvas;
    h.TextOut(480, 200, "T");
    h.TextOut(485, 208, "Eu");
    EditB->SetText(FloatToStr(UeberEutecticShare));
    EditSch2->SetText(FloatToStr(0));
    DrawTieRow(p, p.Rows.size() - 1);
    DrawFrame(Ueber);
    DrawCoolingLine(Ueber, EutecticRow);
    h.Brush.Color = clSilver;
    h.TextOut(392, 350, "Beta-K+Eutek.");
    // Not-xor, these two stay: nothing erases them.
    Line(PaintBoxUmwandlung->Canvas, PureB, EutecticRow, EutecticX, EutecticRow);
    Line(PaintBoxHilfslinien->Canvas, EutecticX, EutecticRow, EutecticX, FieldBottom);
    Line(h, PureB, EutecticRow - StepAbove, PureB, EutecticRow);
    Line(h, PureB, EutecticRow, PureA, EutecticRow);
    const int alloyX = Alloy(Ueber).LegierungX;
    PhaseDiagram::DrawCurve(h, {EutecticX, EutecticRow}, EutecticX, alloyX, LiquidusB);
}

void TFormZuTyp2::EutekEutectic() {
    TCanvas& h = PaintBoxHaupt->Canvas;
    h.TextOut(1, 200, "T");
    h.TextOut(3, 208, " Eu");
    h.Brush.Color = clSilver;
    h.TextOut(220, 350, "Eutektikum");
    DrawFrame(Eutek);
    Line(h, PureA, EutecticRow, PureB, EutecticRow);
}
