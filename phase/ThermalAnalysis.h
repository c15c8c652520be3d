#pragma once
// Thermal analysis: the cooling curves of the pure component A, four alloys L1 to L4 and the pure
// component B are drawn one after the other on the left half of one surface; dotted lines then
// carry their arrests and kinks across to the concentration axis on the right, and the phase
// fields of the diagram are filled and named. Every part of the run is a timer that hands over
// to the next when its part is done. The two thermal-analysis screens are this one design with
// their own curves, lines, fills, end picture and text.

#include "phase/SegmentChain.h"
#include "phase/Stepping.h"
#include "platform/Form.h"
#include "platform/Timer.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace ThermalAnalysis {

inline constexpr int Curves = 6;

// A screen's unit state, seen through its own tables: the positions of every curve piece and
// fill (`KurvenTab`) and where each projection line has got to (`ProjektionX`).
struct State {
    double& FaktorX;
    double& FaktorY;
    std::span<float> KurvenTab;
    std::span<int> ProjektionX;
};

// The pieces of a cooling curve, drawn in black: the first runs until its position reaches the
// first kink or arrest, each later one while the piece before it rests at its end.
SegmentChain::Piece Until(int end, PhaseDiagram::Quad row);
SegmentChain::Piece After(int end, PhaseDiagram::Quad row);

struct Curve {
    // Where the pen is put before the curve's first tick.
    TPoint First;
    // Where the curve's positions begin in `KurvenTab`, one per piece.
    int Slot;
    SegmentChain::Chain Pieces;
};

// A projection line runs from its start in `ProjektionX` to To along row Y. Dots mark the points
// it carries: where it starts (its start alone unless listed) and where it arrives (its end alone
// unless listed).
struct Projection {
    int To;
    int Y;
    std::vector<int> StartDots = {};
    std::vector<int> PassDots = {};
};

using PhaseDiagram::Label;

struct Data {
    const char* Caption;
    // The window as stored: its design text height at 120 pixels per inch and its font.
    int DesignTextHeight;
    int FontHeight;
    // The static picture: whether the white right half is laid with a white pen before the colour
    // rows (instead of after them, outlined in the last row's colour, with a line at its edge),
    // the time label's box and text colours and the row of the concentration axis's names.
    bool RightHalfFirst;
    TColor TimeLabelBrush;
    TColor TimeLabelColor;
    int ConcentrationRow;
    std::array<Curve, Curves> CoolingCurves;
    TColor ProjectionColor;
    std::vector<Projection> Projections;
    // The line whose arrival ends the projection; the lines after it still run in that tick.
    std::size_t LastProjection;
    // Where the pen is put for the fills, and the fills themselves on the positions of
    // `KurvenTab`: the red band between the liquidus and the line below it, the melt above, the
    // solid below. Their timers tick together.
    TPoint FieldStart;
    Stepping::Run Liquidus;
    Stepping::Run Melt;
    Stepping::Run Solid;
    // The names of the phase fields in the end picture: black, then white, then Greek letters.
    std::vector<Label> BlackNames;
    std::vector<Label> WhiteNames;
    std::vector<Label> GreekNames;
    std::vector<std::string> Explanation;
    // The tables as the program starts; "&Ende" and Esc put them back.
    std::span<const float> KurvenStart;
    std::span<const int> ProjektionStart;
};

} // namespace ThermalAnalysis

class TThermalAnalysisForm : public TForm {
public:
    TThermalAnalysisForm(const ThermalAnalysis::Data& data, ThermalAnalysis::State state);

    TPaintBox* PaintBoxHaupt;
    TMemo* MemoErlaeuterung;
    TStatusBar* StatusBarHint;
    TTimer* Timer1;
    TTimer* Timer2;
    TTimer* Timer3;
    TTimer* Timer4;
    TTimer* Timer5;
    TTimer* Timer6;
    TTimer* TimerVerbindung;
    TTimer* TimerLiquidus;
    TTimer* TimerSchmelze;
    TTimer* TimerFest;
    TMenuItem* Ende;
    TMenuItem* Start;
    TMenuItem* ESCAPEDOWN;

    void FormCreate() override;
    void FormPaint() override;
    void PaintBoxHauptPaint();
    void StartClick();
    void EndeClick();
    void ESCAPEDOWNClick();
    // The cooling curve of timer i (0 for `Timer1` … 5 for `Timer6`).
    void CurveTimer(int i);
    void TimerVerbindungTimer();
    // The three fields are filled by timers that tick together.
    void TimerLiquidusTimer();
    void TimerSchmelzeTimer();
    void TimerFestTimer();

protected:
    TCanvas& Diagram() { return PaintBoxHaupt->Canvas; }

private:
    void AddMenu();
    void DrawBackground(int width, int height);
    void DrawAxes();
    void Project(std::size_t line);
    void Dot(int x, int y);
    void StartFields();
    void DrawEndPicture();
    void RestoreTables();

    const ThermalAnalysis::Data& data_;
    ThermalAnalysis::State state_;
    std::array<TTimer*, ThermalAnalysis::Curves> curveTimers_;
};
