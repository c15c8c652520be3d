#pragma once
// Type 2: two components completely soluble in the melt and not at all in the solid, a V-shaped
// liquidus meeting the eutectic line at C. Three alloys solidify one after the other: below the
// eutectic composition pure A crystallises first, at it the melt turns into eutectic at once,
// above it pure B crystallises first. The two outer runs show the lever rule in the strips under
// the diagram, and a click on a strip draws the lever.

#include "phase/AlloyRuns.h"
#include "platform/Controls.h"

#include <array>

namespace UnitZutyp2 {

// The runs in the order of their commands.
enum RunIndex { Unter, Eutek, Ueber };

struct Variables : AlloyRuns::Place {
    std::array<AlloyRuns::Alloy, 3> Runs{{
        {.LegierungX = 204, .TempY = 22, .BildX = 30, .BildY = 265},
        {.LegierungX = 296, .TempY = 22, .BildX = 210, .BildY = 265},
        {.LegierungX = 388, .TempY = 22, .BildX = 395, .BildY = 265},
    }};
    // The melt's end of the tie line shown, and the primary crystals' mass % by the lever rule.
    int LiquidusX = 0;
    float AnteilK = 0;
};
extern Variables Unit;

// A step of a primary run between liquidus and eutectic line: the cooling point's row and where
// the tie line meets the liquidus. The first row is the liquidus reached.
struct TieRow {
    int K;
    int Xl;
};
extern const std::array<TieRow, 19> UnterRows;
extern const std::array<TieRow, 17> UeberRows;

// The two liquidus branches, rows for columns of the diagram: from A* down to C and from C up
// to B*.
long double LiquidusA(int x);
long double LiquidusB(int x);

// What the probe reads on the diagram: its curves, fields and the runs' tie lines.
const DiagramProbe::Map& ProbeMap();

} // namespace UnitZutyp2

class TFormZuTyp2 : public TAlloyRunsForm {
public:
    TFormZuTyp2();

    TPaintBox* PaintBoxHilfslinien;
    TPaintBox* PaintBoxHebel1;
    TPaintBox* PaintBoxHebel2;
    TPaintBox* PaintBoxHand1;
    TPaintBox* PaintBoxHand2;
    TEdit* EditA;
    TEdit* EditSch1;
    TEdit* EditB;
    TEdit* EditSch2;
    TTimer* TimerUnter;
    TTimer* TimerEutek;
    TTimer* TimerUeber;
    TImageList* ImageListUnter;
    TImageList* ImageListEu;
    TImageList* ImageListUeber;
    TMenuItem* Startunter;
    TMenuItem* Starteutektisch;
    TMenuItem* Startueber;

    void PaintBoxHauptPaint();
    void PaintBoxHebel1Paint();
    void PaintBoxHebel2Paint();
    void PaintBoxHand1Click();
    void PaintBoxHand2Click();
    void StartunterClick();
    void StarteutektischClick();
    void StartueberClick();
    void TimerUnterTimer();
    void TimerEutekTimer();
    void TimerUeberTimer();

    struct PrimaryRun;

    const DiagramProbe::Map& ProbeMap() const override { return UnitZutyp2::ProbeMap(); }

protected:
    void LayOut() override;
    void Reset() override;

private:
    void RunTick(int run);
    void PrepareTick(int run);
    void Cool(int run);
    void Begin(int run);
    void ShowLeverRule(const PrimaryRun& p);
    void LiquidusReached(const PrimaryRun& p);
    void TieStep(const PrimaryRun& p, std::size_t row);
    void DrawTieRow(const PrimaryRun& p, std::size_t row);
    void DrawCoolingLine(int run, int toY);
    void UnterEutectic();
    void UeberEutectic();
    void EutekEutectic();
};

extern TFormZuTyp2* FormZuTyp2;
