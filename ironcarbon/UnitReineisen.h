#pragma once
// Pure iron: its cooling curve and its heating curve, drawn point by point with their four
// arrests (1536 °C, 1392 °C, 906 °C on cooling or 911 °C on heating, the Curie point at
// 769 °C), the guide lines and names of each arrest and phase, and beside them the iron cell
// turning between its body-centred and its face-centred form during the arrests. The diagram is
// drawn unscaled in one of two fixed layouts.

#include "phase/SegmentChain.h"
#include "platform/Form.h"
#include "platform/Timer.h"

#include <array>

namespace UnitReineisen {

// The x each of the nine pieces of a curve has reached, indexed 1 … 9 like the pieces; element 0
// is unused. Whole numbers held as single-precision reals.
using Positions = std::array<float, 10>;

struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
    Positions AbkuehlX{};
    Positions AufheizX{};
    // The shape of the cell drawn last in the side panel: 12 body-centred, 0 face-centred.
    int ZellVersatz = 0;
};
extern Variables Unit;

// The two curves as chains of nine pieces, the positions each starts from and the point the pen
// starts at.
extern const SegmentChain::Chain Cooling;
extern const SegmentChain::Chain Heating;
extern const Positions CoolingStart;
extern const Positions HeatingStart;
extern const TPoint CoolingFrom;
extern const TPoint HeatingFrom;

// Whether a curve has been drawn to its end (and not cleared since).
bool CoolingComplete();
bool HeatingComplete();

} // namespace UnitReineisen

class TFormReineisen : public TForm {
public:
    TFormReineisen();

    TPaintBox* PaintBoxHaupt;
    TPaintBox* PaintBoxHilfslinien;
    TPaintBox* PaintBoxUmwandlung;
    TMemo* MemoErlaeuterung;
    TStatusBar* StatusBarHint;
    TTimer* TimerAbkuehl;
    TTimer* TimerAufheiz;
    TMenuItem* Ende;
    TMenuItem* Abkuehlung;
    TMenuItem* Aufheizung;
    TMenuItem* Neu;
    TMenuItem* ESCAPE;

    void FormCreate() override;
    void FormPaint() override;
    void PaintBoxHauptPaint();
    void PaintBoxUmwandlungPaint();
    void TimerAbkuehlTimer();
    void TimerAufheizTimer();
    void EndeClick();
    void AbkuehlungClick();
    void AufheizungClick();
    void NeuClick();
    void ESCAPEClick();
    // The cell of the side panel in the shape `ZellVersatz`, moved down by s pixels, with or
    // without its body diagonals.
    void ZeichneZelle(int s, bool bodyDiagonals);

private:
    void AddMenu();
    void StartCurve(TTimer& timer, UnitReineisen::Positions& positions,
                    const UnitReineisen::Positions& start, TPoint from);
    void EndCurve(TTimer& timer, TMenuItem& otherCurve, bool otherComplete);
    void CoolingPanel();
    void HeatingPanel();
    void ClearPanel(const TRect& r);
    void ClearBand(int top, int bottom);
    void PanelTitle(int x, int y, const char* text);
    void Cell(int shape, int s, bool bodyDiagonals);
    void FaceCentredPicture();
};

extern TFormReineisen* FormReineisen;
