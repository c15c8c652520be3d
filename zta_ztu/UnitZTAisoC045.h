#pragma once
// The isothermal ZTA diagram of an unalloyed steel with 0.45 % carbon: its transformation lines
// stand in the picture, and "Start" heats the steel quickly to 800, 850 and 900 °C in turn and
// holds it there, each isotherm a vertical stroke at the left edge and then a line growing to the
// right, with dots where it crosses the lines; along the 800 °C isotherm the pictures of the
// microstructure appear under the diagram.

#include "platform/Timer.h"
#include "zta_ztu/ZtaScreen.h"

#include <array>
#include <vector>

namespace UnitZTAisoC045 {

// A dot on the isotherm, its corners relative to (KurveX, KurveY), where KurveX reaches AtX.
struct TDot {
    int AtX;
    TColor Fill;
    int Left, Top, Right, Bottom;
};

struct TIsotherm {
    long double Steps; // above the bottom edge, in 200-K steps
    int Limit;         // the line grows while KurveX is below it
    std::vector<TDot> Dots;
    int Stop; // the isotherm ends once KurveX reaches it
    const char* Label;
    int LabelDx;
    int LabelDy;
};

struct TData {
    ZtaScreen::TData Screen;
    // 800, 850 and 900 °C.
    std::array<TIsotherm, 3> Isotherms;
    std::vector<ZtaScreen::TPicture> Pictures; // along the first isotherm
};

using Variables = TZtaVariables;
extern Variables Unit;
extern const TData Data;

} // namespace UnitZTAisoC045

class TFormZTAiso045 : public TZtaScreen {
public:
    TFormZTAiso045();

    // Timer800, Timer850, Timer900.
    std::array<TTimer*, 3> Timers{};

    void FormCreate() override;
    void FormClose() override;
    void AufheizungskurvenClick() override;
    void NEUClick() override;
    void IsothermTimer(int i);
    // The overlay y of an isotherm.
    int IsothermY(int i) const;
};

extern TFormZTAiso045* FormZTAiso045;
