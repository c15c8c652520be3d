#pragma once
// The temperature control of a heat treatment, shown with the example of normalising: the steel
// corner of the iron–carbon diagram (0 to 2.2 % carbon, 0 to 1200 °C) beside a time axis drawn in
// perspective. "&Start" paints the range of austenitising temperatures into the diagram as a
// broad blue band and then, one after the other, ten temperature–time curves (heating, holding,
// cooling), one for each carbon content from 0.2 to 2.0 %, each held at that content's
// austenitising temperature.

#include "platform/Form.h"
#include "platform/Timer.h"

#include <array>
#include <optional>

namespace UnitZTAZTU {

// The curves for 0.2, 0.4 … 2.0 % carbon.
inline constexpr int Curves = 10;

struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
    // The head of the animation: a point of the band on the drawing surface, or a curve's own
    // coordinates, which the curve's offsets move to its place on the surface.
    int KurveX = 0;
    float KurveY = 0;
};
extern Variables Unit;

// Where a curve stands on the surface: shifted right and up from its own coordinates.
struct CurveOffset {
    int A;
    int B;
};
// The curve's row at its own X: heating up to X 53, holding up to X 140, cooling beyond; at
// X 140 itself no part applies and nothing is drawn.
std::optional<float> CourseY(int x);

} // namespace UnitZTAZTU

class TFormZTAZTU : public TForm {
public:
    TFormZTAZTU();

    TPaintBox* PaintBoxHaupt;
    TMemo* MemoErlaeuterung;
    TStatusBar* StatusBarHint;
    TTimer* TimerAc;
    // Timer02 … Timer20, one per curve, in the order they run.
    std::array<TTimer*, UnitZTAZTU::Curves> CurveTimers{};
    TMenuItem* Ende;
    TMenuItem* ESCAPE;
    TMenuItem* START;
    TMenuItem* Neu;

    void FormCreate() override;
    void FormPaint() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void EndeClick();
    void ESCAPEClick();
    void STARTClick();
    void NeuClick();
    void TimerAcTimer();
    // The tick of the curve timer with this index (0 for 0.2 % carbon).
    void CurveTimerTimer(int curve);

    // Whether the band or one of the curves is being drawn now.
    bool Running() const;

private:
    void StopTimers();
    void PaintBackground(TCanvas& c, int w, int h);
    void PaintFrameAndGrid(TCanvas& c, int w, int h);
    void PaintLabels(TCanvas& c);
    void PaintIronCarbonLines(TCanvas& c);
    void PaintTimeAxis(TCanvas& c);
    TPoint HeadPoint() const;
};

extern TFormZTAZTU* FormZTAZTU;
