#include "phase/UnitZutyp1.h"

#include "assets/Assets.h"
#include "phase/PhaseDiagram.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"
#include "shell/ScreenFrame.h"

#include <string>
#include <vector>

TFormZuTyp1* FormZuTyp1 = nullptr;

namespace UnitZutyp1 {

Variables Unit;

const TieLineStep TieLineSteps[16] = {
    {95, 106, 205, 106, 106},  {98, 112, 212, 112, 112},  {101, 117, 221, 117, 117},
    {104, 122, 230, 122, 122}, {107, 127, 239, 127, 127}, {110, 133, 247, 132, 132},
    {113, 138, 253, 138, 138}, {116, 143, 259, 144, 144}, {119, 150, 266, 150, 150},
    {122, 157, 273, 156, 156}, {125, 163, 280, 162, 162}, {128, 169, 287, 168, 168},
    {131, 175, 294, 174, 175}, {134, 181, 300, 180, 181}, {137, 187, 306, 186, 186},
    {140, 193, 313, 192, 192},
};

long double Solidus(int x) {
    return 250 - 0.0005L * (x - 660) * (x - 660);
}

long double Liquidus(int x) {
    return 0.0005L * (x + 161) * (x + 161) + 27;
}

namespace {

constexpr TColor DiagramGold = 0x00D2FF;
constexpr TColor Yellow = 0x00FFFF;
constexpr TColor MemoYellow = 0x80FFFF;
constexpr int FrameSide = 100;

// The diagram frame inside the surfaces.
constexpr TRect Field{20, 20, 480, 370};
constexpr TPoint CurvesStart{20, 48};

// Rows of the cooling point at which something happens.
constexpr int CoolingTop = 20;
constexpr int StepAbove = 3; // rows per tick above the kink
constexpr int StepBelow = 6; // and below it
constexpr int KinkRow = 160;
constexpr int MeltRow = 29;
constexpr int ArrowRow = 74;
constexpr int LiquidusRow = 92;
constexpr int SolidusRow = 143;
constexpr int EndRow = 369;
constexpr int FinishedRow = 367;

// Where the tie line starts at the liquidus and ends at the solidus.
constexpr int FirstSolidusX = 100;
constexpr int FinalTieLeft = 200;
constexpr int FinalTieRight = 319;
constexpr int FinalLiquidusX = 317;
constexpr int AuxiliaryBottom = 370;

constexpr int EditFontHeight = -15;
constexpr int HintFontHeight = -15;
constexpr int SymbolHeight = 14;
constexpr int MemoFontDesignHeight = 16;

using PhaseDiagram::Label;

const Label DiagramTexts[] = {
    {300, 75, "Schmelze"},    {321, 175, "Schmelze"}, {370, 150, "Liquiduslinie"},
    {24, 78, "Soliduslinie"}, {5, 3, "Temperatur/T"}, {210, 425, "Konzentration/C"},
    {20, 390, "A"},           {475, 390, "B"},        {5, 410, "  0 %B"},
    {97, 410, " 20"},         {189, 410, " 40"},      {281, 410, " 60"},
    {373, 410, " 80"},        {450, 410, "100 %B"},
};
const Label SymbolTexts[] = {{347, 190, "+ a - MK"}, {40, 250, "a- MK"}};

// The lever strip: the mass fraction X/Y with its two fraction lines, and the labels of the
// two edit boxes. The box spans the diagram's width from row 445 down.
PhaseDiagram::LeverStrip LeverTexts(int width, int height) {
    return {{0, 445, width, height},  {{20, 450, "Masse MK"}, {20, 470, "Masse Schm."}},
            {{15, 467}, {90, 467}},   {{100, 457, "="}, {120, 450, "X"}, {120, 470, "Y"}},
            {{115, 467}, {145, 467}}, {{182, 463, "m MK /%"}, {335, 463, "m Schm./%"}}};
}

const PhaseDiagram::LeverIllustration Lever{.AlloyX = 198,
                                            .LeverY = 104,
                                            .LeftX = 122,
                                            .RightX = 230,
                                            .Crystals = {110, 126, " m(MK) "},
                                            .ArmX = {207, 107, "X"},
                                            .Melt = {215, 126, "m(Schm.)"},
                                            .ArmY = {167, 107, "Y"}};

const Label LiquidusTexts[] = {{3, 92, "T"},
                               {8, 100, " 1"},
                               {203, 72, "1"},
                               {102, 72, "1*"},
                               {105, 375, "C-Änderung MK"},
                               {208, 375, "C-Änderung Schmelze"},
                               {150, 393, "im Zweiphasengebiet"}};
const Label SolidusTexts[] = {{3, 140, "T"}, {8, 148, " 2"}, {200, 123, " 2"}};

const std::vector<std::string> Explanation{
    " Beide Komponenten (A und B) bilden",
    " bei diesem Diagrammtyp eine ",
    " lückenlose Mischkristallreihe",
    " ------------------------------------------------------",
    " Legierung mit A = 60 % und B = 40 %:",
    " ------------------------------------------------------",
    " Nach Unterschreiten der Liquiduslinie",
    " (Phasengrenze Punkt 1) beginnt die",
    " Kristallisation von Alpha-MK.",
    " Die Zusammensetzung der Alpha-MK",
    " entspricht dem Schnittpunkt der",
    " Waagerechten mit der Soliduslinie(1*).",
    " Bei weiterer Abkühlung ändert sich die",
    " Konzentration der MK entsprechend dem",
    " jeweiligen Schnittpunkt Waagerechte/",
    " Soliduslinie.",
    " Weil der B-Gehalt der gebildeten",
    " Mischkristalle immer kleiner ist als der",
    " B-Gehalt der ursprünglichen Schmelze,",
    " nimmt der B-Gehalt der Restschmelze",
    " entsprechend dem jeweiligen Schnitt-",
    " punkt der Waagerechten mit der ",
    " Liquiduslinie zu.",
    " Ist der Abkühlungsprozess so weit",
    " fortgeschritten, dass die Temperatur T2",
    " erreicht wird (2), so besitzt der ",
    " auskristallisierte homogene Alpha-MK",
    " die ursprüngliche Zusammensetzung ",
    " (A = 60%, B = 40%).",
};

using PhaseDiagram::Line;
using PhaseDiagram::Write;

} // namespace

const DiagramProbe::Map& ProbeMap() {
    namespace P = DiagramProbe;
    using P::MeltSide;
    using P::Role;
    static const P::Map map = [] {
        P::Map m = P::Schematic(Field);
        const int alloyX = Variables{}.LegierungX;
        m.Lines.push_back(
            {"Liquidus",
             "Liquiduslinie\noberhalb ist die Legierung flüssig, hier beginnt die "
             "Kristallisation der α-MK",
             Role::Boundary,
             P::Course(PhaseDiagram::CurvePoints(CurvesStart, Field.Left, Field.Right, Liquidus))});
        m.Lines.push_back(
            {"Solidus",
             "Soliduslinie\nunterhalb ist die Legierung fest (α-MK), hier endet "
             "die Erstarrung",
             Role::Boundary,
             P::Course(PhaseDiagram::CurvePoints(CurvesStart, Field.Left, Field.Right, Solidus))});
        // Where the two curves meet the components melt and solidify at one temperature.
        const long double meltA = (Liquidus(Field.Left) + Solidus(Field.Left)) / 2;
        const long double meltB = (Liquidus(Field.Right) + Solidus(Field.Right)) / 2;
        m.Marks.push_back({"Schmelzpunkt der Komponente A (0 % B)",
                           {static_cast<long double>(Field.Left), meltA}});
        m.Marks.push_back({"Schmelzpunkt der Komponente B (100 % B)",
                           {static_cast<long double>(Field.Right), meltB}});

        P::Field melt{{{"Liquidus", "B"}}, "Schmelze", "oberhalb der Liquiduslinie"};
        const P::Field meltAbove = P::AcrossAbove(melt, meltA);
        P::Field both{{{"Solidus", "Liquidus"}},
                      "Schmelze + α-MK",
                      "zwischen Liquidus- und Soliduslinie",
                      {{"α-MK"}, {"Schmelze"}},
                      MeltSide::Right};
        // The animation's tie lines, from the liquidus reached to the solidus reached.
        both.Rows.push_back({LiquidusRow, FirstSolidusX, static_cast<long double>(alloyX)});
        for (const UnitZutyp1::TieLineStep& step : TieLineSteps)
            both.Rows.push_back({static_cast<long double>(step.K),
                                 static_cast<long double>(step.Xs),
                                 static_cast<long double>(step.Xl)});
        both.Rows.push_back({SolidusRow, static_cast<long double>(alloyX), FinalTieRight});
        P::Field solid{{{"A", "Solidus"}}, "α-Mischkristalle (α-MK)", "unterhalb der Soliduslinie"};
        const P::Field solidBelow = P::AcrossBelow(solid, meltB);
        m.Fields = {melt, meltAbove, both, solid, solidBelow};
        return m;
    }();
    return map;
}

} // namespace UnitZutyp1

using namespace UnitZutyp1;

TFormZuTyp1::TFormZuTyp1() : TForm(96, 13) {
    SetCaption("Zustandsschaubild bei vollkommener Löslichkeit im flüssigen und festen Zustand "
               "(schematisch) ");
    BorderStyle = bsToolWindow;
    SetColor(ScreenFrame::ScreenBlue);
    SetFont({"MS Sans Serif", -11, clWindowText, false});
    KeyPreview = true;

    PaintBoxSonde = Add<TPaintBox>();
    PaintBoxSonde->Name = "PaintBoxSonde";
    // The layers in the order they are painted.
    PaintBoxHilfslinien = Add<TPaintBox>();
    PaintBoxHilfslinien->Name = "PaintBoxHilfslinien";
    PaintBoxHilfslinien->SetColor(ScreenFrame::DiagramOrange);
    PaintBoxUmwandlung = Add<TPaintBox>();
    PaintBoxUmwandlung->Name = "PaintBoxUmwandlung";
    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetColor(DiagramGold);
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    PaintBoxHand = Add<TPaintBox>();
    PaintBoxHand->Name = "PaintBoxHand";
    PaintBoxHand->Cursor = crHandPoint;
    PaintBoxHand->OnClick = [this] { PaintBoxHandClick(); };
    PaintBoxHebel = Add<TPaintBox>();
    PaintBoxHebel->Name = "PaintBoxHebel";
    PaintBoxHebel->SetColor(clBlue);
    PaintBoxHebel->OnPaint = [this] { PaintBoxHebelPaint(); };

    MemoErlaeuterung = ScreenFrame::AddExplanation(
        *this, {MemoYellow, true, ssBoth, true, /*StartsHidden=*/false});
    // Tab reaches the lever after the text and before the strip's boxes, as they read.
    PaintBoxHand->SetTabStop("Hebelgesetz zeigen");
    auto edit = [this](const char* name) {
        TEdit* e = Add<TEdit>();
        e->Name = name;
        e->SetReadOnly(true);
        e->SetFont({"MS Sans Serif", EditFontHeight, clWindowText, false});
        return e;
    };
    EditMK = edit("EditMK");
    EditSch = edit("EditSch");
    EditMK->SetAccessibleName("Masse Mischkristalle in %");
    EditSch->SetAccessibleName("Masse Schmelze in %");
    StatusBarHint = ScreenFrame::AddHintBar(
        *this,
        "ESC= Abbruch, Taste drücken --> Prozess beginnt, nochmals drücken -> Prozess anhalten",
        HintFontHeight);

    TimerHaupt = new TTimer(this, 100, false);
    TimerHaupt->OnTimer = [this] { TimerHauptTimer(); };
    ImageListMkBildung = new TImageList(this, FrameSide, FrameSide, [](int scale) {
        return Assets::Strip("ZuTyp1.MkBildung", scale);
    });

    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    StartStop = MainMenu.Add("StartStop", "&Start/Stop", [this] { StartStopClick(); });
    NEu = MainMenu.Add("NEu", "&Löschen/Neu", [this] { NEuClick(); });
    ESCAPE = ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); });
}

void TFormZuTyp1::FormCreate() {
    ScreenFrame::Layout layout = ScreenFrame::PlaceStandard(*this);
    Unit.FaktorX = layout.FaktorX;
    Unit.FaktorY = layout.FaktorY;
    Unit.DiagBreite = 505;
    Unit.DiagHoehe = 492;
    if (layout.Small) {
        Unit.DiagLinks = 265;
        Unit.DiagOben = 5;
        MemoErlaeuterung->SetBounds(Unit.DiagLinks - 266, Unit.DiagOben - 2, 267,
                                    Unit.DiagHoehe + 2);
    } else {
        Unit.DiagLinks = 430;
        Unit.DiagOben = 70;
        MemoErlaeuterung->SetBounds(30, 30, 330, 610);
    }
    for (TPaintBox* layer :
         {PaintBoxSonde, PaintBoxHaupt, PaintBoxHilfslinien, PaintBoxUmwandlung, PaintBoxHebel})
        layer->SetBounds(Unit.DiagLinks, Unit.DiagOben, Unit.DiagBreite, Unit.DiagHoehe);
    Sonde.Attach(
        *this, *PaintBoxSonde,
        [](DiagramProbe::Point p) { return DiagramProbe::Read(ProbeMap(), p); },
        [this] { return !TimerHaupt->Enabled(); });
    PaintBoxHand->SetBounds(Unit.DiagLinks, Unit.DiagOben + Unit.DiagBreite - 70, Unit.DiagBreite,
                            60);

    TCanvas& haupt = PaintBoxHaupt->Canvas;
    haupt.Pen.Width = 2;
    haupt.Pen.Color = clBlack;
    haupt.Pen.Style = psSolid;
    TCanvas& umwandlung = PaintBoxUmwandlung->Canvas;
    umwandlung.Pen.Width = 2;
    umwandlung.Pen.Color = clBlue;
    umwandlung.Pen.Style = psSolid;
    umwandlung.Brush.Color = Yellow;
    TCanvas& hilfslinien = PaintBoxHilfslinien->Canvas;
    hilfslinien.Pen.Width = 1;
    hilfslinien.Pen.Color = clRed;
    hilfslinien.Pen.Style = psSolid;
    hilfslinien.Brush.Color = Yellow;

    EditMK->SetBounds(PaintBoxHebel->Left() + 250, PaintBoxHebel->Top() + 455, 50, 25);
    EditSch->SetBounds(PaintBoxHebel->Left() + 400, PaintBoxHebel->Top() + 455, 50, 25);

    MemoErlaeuterung->LinesClear();
    ScreenFrame::SetExplanationFont(*MemoErlaeuterung, Unit.FaktorY, MemoFontDesignHeight);
    ScreenFrame::WriteLines(*MemoErlaeuterung, Explanation);
}

void TFormZuTyp1::FormPaint() {
    ScreenFrame::DrawBackdrop(*this, PaintBoxHilfslinien->Color(), {20, 22, 1000, 650});
}

void TFormZuTyp1::PaintBoxHauptPaint() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Pen.Color = clWhite;
    c.Pen.Width = 1;
    c.Rectangle(0, 0, Unit.DiagBreite, Unit.DiagHoehe);
    c.Brush.Color = clWhite;
    c.Rectangle(Field);

    // The colour field: yellow melt at the top turning red towards the solid.
    PhaseDiagram::DrawColourField(c);

    c.Pen.Width = 2;
    c.Brush.Style = bsClear;
    c.Font.Color = clBlack;
    Write(c, DiagramTexts);
    c.Font.Name = "Symbol";
    c.Font.Height = SymbolHeight;
    Write(c, SymbolTexts);

    c.Pen.Color = clSilver;
    c.Pen.Width = 2;
    PhaseDiagram::DrawCurve(c, CurvesStart, Field.Left, Field.Right, Solidus);
    PhaseDiagram::DrawCurve(c, CurvesStart, Field.Left, Field.Right, Liquidus);
}

void TFormZuTyp1::PaintBoxHebelPaint() {
    PhaseDiagram::DrawLeverStrip(PaintBoxHebel->Canvas,
                                 LeverTexts(PaintBoxHaupt->Width(), PaintBoxHaupt->Height()));
}

void TFormZuTyp1::PaintBoxHandClick() {
    PhaseDiagram::DrawLeverIllustration(PaintBoxHebel->Canvas, PaintBoxHebel->Height(), Lever);
}

void TFormZuTyp1::ToggleRun() {
    TimerHaupt->SetEnabled(!TimerHaupt->Enabled());
    // After the end, the next start replays the whole cooling.
    if (Unit.TempY >= FinishedRow) {
        Refresh();
        Unit.TempY = CoolingTop;
        Unit.BildNr = 0;
    }
}

void TFormZuTyp1::StartStopClick() {
    ToggleRun();
}

void TFormZuTyp1::FormKeyDown(int) {
    ToggleRun();
}

void TFormZuTyp1::NEuClick() {
    TimerHaupt->SetEnabled(false);
    Refresh();
    Unit.BildNr = 0;
    Unit.TempY = CoolingTop;
    EditMK->SetText("");
    EditSch->SetText("");
}

void TFormZuTyp1::EndeClick() {
    NEuClick();
    Close();
}

void TFormZuTyp1::ESCAPEClick() {
    NEuClick();
    Close();
}

// --- the animation ---------------------------------------------------------------------------

void TFormZuTyp1::TimerHauptTimer() {
    PrepareTick();
    if (Unit.TempY < KinkRow) {
        Unit.TempY += StepAbove;
        DrawCoolingLine(Unit.TempY);
    }
    if (Unit.TempY > KinkRow - 1) {
        Unit.TempY += StepBelow;
        DrawCoolingLine(Unit.TempY);
    }

    const int k = Unit.TempY;
    if (k == MeltRow)
        MeltReached();
    if (k == ArrowRow)
        PhaseDiagram::ArrowHead(PaintBoxHaupt->Canvas, {198, 72}, {195, 64}, {201, 64}, clRed);
    if (k == LiquidusRow)
        LiquidusReached();
    for (int i = 0; i < 16; ++i)
        if (k == TieLineSteps[i].K)
            TieLineStep(TieLineSteps[i], i > 0 ? &TieLineSteps[i - 1] : nullptr);
    if (k == SolidusRow)
        SolidusReached();
    if (k > EndRow)
        Finished();
}

void TFormZuTyp1::PrepareTick() {
    TCanvas& haupt = PaintBoxHaupt->Canvas;
    for (TPaintBox* layer : {PaintBoxHaupt, PaintBoxUmwandlung, PaintBoxHilfslinien})
        layer->Canvas.Pen.Width = 3;
    haupt.Font.Name = "MS Sans Serif";
    haupt.Brush.Color = Yellow;
    haupt.Font.Color = PaintBoxHaupt->Font().Color;
    haupt.Pen.Color = clBlue;
    haupt.TextOut(205, 20, "Legierung mit 40% B und 60% A");
    PaintBoxUmwandlung->Canvas.Pen.Mode = pmNotXor;
    PaintBoxHilfslinien->Canvas.Pen.Mode = pmNotXor;
}

void TFormZuTyp1::DrawCoolingLine(int toY) {
    Line(PaintBoxHaupt->Canvas, 198, CoolingTop, Unit.LegierungX, toY);
}

void TFormZuTyp1::ShowLeverRule() {
    Unit.AnteilMK = PhaseDiagram::LeverRule(Unit.LiquidusX, Unit.LegierungX, Unit.SolidusX);
    EditMK->SetText(FloatToStr(Unit.AnteilMK));
    EditSch->SetText(FloatToStr(100 - Unit.AnteilMK));
}

void TFormZuTyp1::DrawFrame() {
    ImageListMkBildung->Draw(PaintBoxHaupt->Canvas, Unit.BildX, Unit.BildY, Unit.BildNr);
    Unit.BildNr += 1;
}

void TFormZuTyp1::MeltReached() {
    EditMK->SetText("0");
    EditSch->SetText("100");
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Rectangle(Unit.BildX - 27, Unit.BildY - 20, Unit.BildX + 130, Unit.BildY + 130);
    DrawFrame();
    c.TextOut(Unit.BildX + 10, Unit.BildY + 105, "SCHMELZE");
}

void TFormZuTyp1::LiquidusReached() {
    Unit.SolidusX = FirstSolidusX;
    Unit.LiquidusX = Unit.LegierungX;
    ShowLeverRule();
    DrawFrame();
    TCanvas& c = PaintBoxHaupt->Canvas;
    Line(c, FirstSolidusX, LiquidusRow, Unit.LegierungX, LiquidusRow);
    TCanvas& h = PaintBoxHilfslinien->Canvas;
    Line(h, FirstSolidusX, LiquidusRow + 2, FirstSolidusX, AuxiliaryBottom);
    Line(h, Unit.LegierungX, LiquidusRow + 2, Unit.LegierungX, AuxiliaryBottom);
    Line(h, FirstSolidusX, LiquidusRow, Field.Left, LiquidusRow);
    c.Brush.Style = bsClear;
    Write(c, LiquidusTexts);
    c.Brush.Color = Yellow;
    c.Font.Color = PaintBoxHaupt->Font().Color;
    c.TextOut(Unit.BildX - 23, Unit.BildY + 105, "SCHMELZE + ALPHA-MK");
}

void TFormZuTyp1::DrawTieLine(const UnitZutyp1::TieLineStep& s) {
    Line(PaintBoxUmwandlung->Canvas, s.Xs, s.K, s.Xl, s.K);
    TCanvas& h = PaintBoxHilfslinien->Canvas;
    Line(h, s.Hv, s.K, s.Hv, AuxiliaryBottom);
    Line(h, s.Xl, s.K, s.Xl, AuxiliaryBottom);
    Line(h, s.Hh, s.K, Field.Left, s.K);
}

// Not-xor lines vanish when they are drawn a second time exactly as before.
void TFormZuTyp1::EraseTieLine(const UnitZutyp1::TieLineStep& s) {
    DrawTieLine(s);
}

void TFormZuTyp1::DrawGrownCurves(int solidusTo, int liquidusTo) {
    TCanvas& c = PaintBoxHaupt->Canvas;
    PhaseDiagram::DrawCurve(c, {FirstSolidusX, LiquidusRow}, FirstSolidusX, solidusTo, Solidus);
    PhaseDiagram::DrawCurve(c, {Unit.LegierungX, LiquidusRow}, Unit.LegierungX, liquidusTo,
                            Liquidus);
}

void TFormZuTyp1::TieLineStep(const UnitZutyp1::TieLineStep& step,
                              const UnitZutyp1::TieLineStep* previous) {
    Unit.SolidusX = step.Xs;
    Unit.LiquidusX = step.Xl;
    ShowLeverRule();
    if (previous)
        EraseTieLine(*previous);
    DrawFrame();
    if (previous)
        DrawCoolingLine(step.K);
    DrawTieLine(step);
    DrawGrownCurves(step.Xs, step.Xl);
}

void TFormZuTyp1::SolidusReached() {
    EditMK->SetText("100");
    EditSch->SetText("0");
    EraseTieLine(TieLineSteps[15]);
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.TextOut(Unit.BildX - 23, Unit.BildY + 105, "  homogener   ALPHA-MK");
    DrawCoolingLine(SolidusRow);
    Line(c, FinalTieLeft, SolidusRow, FinalTieRight, SolidusRow);
    TCanvas& h = PaintBoxHilfslinien->Canvas;
    Line(h, Unit.LegierungX, SolidusRow, Unit.LegierungX, AuxiliaryBottom);
    Line(h, FinalTieRight, SolidusRow, FinalTieRight, AuxiliaryBottom);
    Line(h, Unit.LegierungX, SolidusRow, Field.Left, SolidusRow);
    DrawFrame();
    DrawGrownCurves(Unit.LegierungX, FinalLiquidusX);
    c.Brush.Color = Yellow;
    c.Brush.Style = bsClear;
    Write(c, SolidusTexts);
    PhaseDiagram::ArrowHead(c, {149, 120}, {137, 118}, {141, 112}, clRed);
    PhaseDiagram::ArrowHead(c, {269, 120}, {257, 118}, {261, 112}, clRed);
}

void TFormZuTyp1::Finished() {
    PhaseDiagram::ArrowHead(PaintBoxHaupt->Canvas, {198, 222}, {195, 214}, {201, 214}, clRed);
    TimerHaupt->SetEnabled(false);
}
