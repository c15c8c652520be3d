#pragma once
// Type 1: two components completely soluble in each other, liquid and solid. An alloy of 60 % A
// and 40 % B cools through the diagram; a moving tie line, the lever rule and a growing
// microstructure show how the solid solution forms.

#include "phase/DiagramProbe.h"
#include "platform/Form.h"
#include "platform/ImageList.h"
#include "platform/Timer.h"

namespace UnitZutyp1 {

struct Variables {
    int DiagLinks = 0;
    int DiagOben = 0;
    int DiagBreite = 505;
    int DiagHoehe = 492;
    int LegierungX = 198;
    int TempY = 20;
    int BildX = 370;
    int BildY = 260;
    int BildNr = 0;
    int SolidusX = 0;
    int LiquidusX = 0;
    float AnteilMK = 0;
    double FaktorX = 0;
    double FaktorY = 0;
};
extern Variables Unit;

// One step of the tie line between the curves, at the cooling point's row K.
struct TieLineStep {
    int K;
    int Xs; // solidus end
    int Xl; // liquidus end
    int Hv; // the vertical auxiliary line below the solidus end
    int Hh; // where the horizontal auxiliary line to the temperature axis starts
};
extern const TieLineStep TieLineSteps[16];

// The curves of the diagram, rows for columns of the diagram frame.
long double Solidus(int x);
long double Liquidus(int x);

// What the probe reads on the diagram: its curves, fields and the animation's tie lines.
const DiagramProbe::Map& ProbeMap();

} // namespace UnitZutyp1

class TFormZuTyp1 : public TForm {
public:
    TFormZuTyp1();

    // Under the other layers: where the learner points into the diagram.
    TPaintBox* PaintBoxSonde;
    TPaintBox* PaintBoxHilfslinien;
    TPaintBox* PaintBoxUmwandlung;
    TPaintBox* PaintBoxHaupt;
    TPaintBox* PaintBoxHand;
    TPaintBox* PaintBoxHebel;
    TMemo* MemoErlaeuterung;
    TEdit* EditMK;
    TEdit* EditSch;
    TStatusBar* StatusBarHint;
    TTimer* TimerHaupt;
    TImageList* ImageListMkBildung;
    TMenuItem* Ende;
    TMenuItem* StartStop;
    TMenuItem* NEu;
    TMenuItem* ESCAPE;

    void FormCreate() override;
    void FormPaint() override;
    void FormKeyDown(int key) override;
    void PaintBoxHauptPaint();
    void PaintBoxHebelPaint();
    void PaintBoxHandClick();
    void TimerHauptTimer();
    void StartStopClick();
    void NEuClick();
    void EndeClick();
    void ESCAPEClick();

    DiagramProbe::TProbe Sonde;

private:
    void ToggleRun();
    void PrepareTick();
    void DrawCoolingLine(int toY);
    void ShowLeverRule();
    void DrawFrame();
    void MeltReached();
    void LiquidusReached();
    void TieLineStep(const UnitZutyp1::TieLineStep& step, const UnitZutyp1::TieLineStep* previous);
    void EraseTieLine(const UnitZutyp1::TieLineStep& step);
    void DrawTieLine(const UnitZutyp1::TieLineStep& step);
    void DrawGrownCurves(int solidusTo, int liquidusTo);
    void SolidusReached();
    void Finished();
};

extern TFormZuTyp1* FormZuTyp1;
