#pragma once
// A continuous-heating ZTA diagram beside the steel corner of the iron–carbon diagram. "Start"
// grows three heating curves of 2.5, 35 and 900 °C/min one after the other, with dots where they
// cross the transformation lines and the pictures of the microstructure along the slowest one,
// and then the transformation lines themselves, each from right to left. Afterwards the learner
// types a heating rate of their own: its curve grows in a cleared diagram and the lines and
// pictures follow it again. The window stays enabled throughout. The two steels are this one
// design with their own data.

#include "platform/Controls.h"
#include "platform/Timer.h"
#include "zta_ztu/ZtaScreen.h"

#include <array>
#include <vector>

namespace ContinuousZta {

// A dot on a curve, its corners relative to (KurveX, KurveY): placed where KurveX reaches AtX,
// or, where InY, on every tick whose KurveY lies strictly between Above and Below.
struct TDot {
    bool InY;
    int AtX;
    float Above;
    float Below;
    TColor Fill;
    int Left, Top, Right, Bottom;
};
inline constexpr TDot DotAt(int x, TColor fill, int l, int t, int r, int b) {
    return {false, x, 0, 0, fill, l, t, r, b};
}
inline constexpr TDot DotBetween(float above, float below, TColor fill, int l, int t, int r,
                                 int b) {
    return {true, 0, above, below, fill, l, t, r, b};
}

// A text placed relative to a curve's last point.
struct TOffsetText {
    const char* Text;
    int Dx;
    int Dy;
};

// A heating curve of constant rate: y = h − Lift − K · 10^((X − X0) / 54) on the overlay of
// height h, grown by Step while X is below Limit.
struct THeating {
    long double Lift;
    long double K;
    int X0;
    int Limit;
    int Step;
    std::vector<TDot> Dots;
    TOffsetText Label;
};

// The look of a line's label: its name white on black, the fields it parts in small dark
// letters on yellow, the homogenisation line's texts larger on yellow.
enum class TLabelStyle { Name, Field, Homogeneity };
struct TLineLabel {
    TLabelStyle Style;
    TOffsetText Text;
};

// A transformation line, y = h − A · (X − Pivot)² − Lift, drawn from StartX leftwards until X
// is at most StopX.
struct TBoundary {
    TColor Pen;
    int Width;
    long double A;
    int Pivot;
    long double Lift;
    int StartX;
    int StopX;
    std::vector<TLineLabel> Labels;
};

// The learner's curve stops above this overlay y (about 1000 °C or 1060 °C); its caption has a
// gap that the typed text fills, placed at (TypedDx, TypedDy) from the curve's end.
struct TOwnRate {
    float Ceiling;
    TOffsetText Caption;
    int TypedDx;
    int TypedDy;
};

struct TData {
    ZtaScreen::TData Screen;
    const char* ButtonCaption;
    std::array<THeating, 3> Heating;
    std::vector<ZtaScreen::TPicture> Pictures;
    std::vector<TBoundary> Boundaries;
    TOwnRate OwnRate;
};

struct Variables : TZtaVariables {
    float Vauf = 0; // the learner's heating rate, °C/min
};

// What the learner's text means as a heating rate, stored as a single; throws EConvertError
// for a text that is no number.
float ReadRate(const std::string& text);
// Whether a rate draws a curve: above 1.5 and below 1000 °C/min.
bool DrawsCurve(float rate);

// The colours and the pen width the two screens' tables name.
inline constexpr TColor Blue = clBlue;
inline constexpr TColor White = clWhite;
inline constexpr TColor Black = clBlack;
inline constexpr TColor Grey = 0x808080;
inline constexpr int LineWidth = 2;

} // namespace ContinuousZta

class TContinuousZtaScreen : public TZtaScreen {
public:
    TContinuousZtaScreen(const ContinuousZta::TData& data, ContinuousZta::Variables& unit);

    TLabel* LabelVauf;
    TEdit* EditVauf;
    TButton* ButtonVauf;
    std::array<TTimer*, 3> TimerLog{};
    TTimer* TimerVauf;
    // TimerAc1, TimerAc3, on the 0.70 % steel TimerAcm, and TimerHomo last.
    std::vector<TTimer*> LineTimers;

    void FormCreate() override;
    void FormClose() override;
    void AufheizungskurvenClick() override;
    void NEUClick() override;
    void ButtonVaufClick();
    void TimerLogTimer(int i);
    void TimerVaufTimer();
    void LineTimer(int i);

private:
    void StartBoundary(int i);
    // The button, the edit box and "Löschen / Neu", which the running curves hold back.
    void EnableInput(bool enabled);
    void Mark(const ContinuousZta::TDot& dot);

    const ContinuousZta::TData& data_;
    ContinuousZta::Variables& con_;
};
