#pragma once
// An isothermal ZTU diagram beside the steel corner of the iron–carbon diagram: the learner picks
// a holding temperature; the steel is quenched to it (a steep line with an arrowhead), held there
// (the isotherm grows a pixel per tick, with dots where a transformation starts or ends) and the
// structure it leaves is written at the isotherm's end. The two steels are this one design with
// their own data.

#include "platform/Timer.h"
#include "zta_ztu/ZtuScreen.h"

#include <array>
#include <vector>

namespace IsothermalZtu {

struct TDot {
    int AtX;
    TColor Fill;
    int Left, Top, Right, Bottom; // relative to (KurveX, L)
};

struct TEndText {
    const char* Text;
    int Dx; // relative to (E, L)
    int Dy;
};

struct TIsotherm {
    const char* TimerName;
    const char* ItemName;
    const char* Caption;
    // The quench goes on while KurveX is below the limit (or at it, where Inclusive).
    int QuenchLimit;
    bool QuenchInclusive;
    int Knee;          // N: where the arrowhead stands on the isotherm
    int ArrowDrop;     // δ
    int ArrowLength;   // a
    bool QuenchToKnee; // the quench line runs on to the arrowhead's tip
    int Level;         // L: the isotherm's overlay y
    std::vector<TDot> Dots;
    int End; // E
    std::vector<TEndText> Texts;
};

struct TData {
    const char* Caption;
    ZtuDiagram::TData Diagram;
    bool OverlayBold;
    TZtuBounds SmallText;
    TZtuBounds LargeText;
    std::vector<std::string> ExplanationLines;
    // 20, 330, 530 and 670 °C.
    std::array<TIsotherm, 4> Isotherms;
};

using Variables = TZtuVariables;

} // namespace IsothermalZtu

class TIsothermalZtuScreen : public TZtuScreen {
public:
    TIsothermalZtuScreen(const IsothermalZtu::TData& data, IsothermalZtu::Variables& unit);

    std::array<TTimer*, 4> Timers{};
    TMenuItem* Ende;
    TMenuItem* Text;
    TMenuItem* ESCApe;
    std::array<TMenuItem*, 4> Items{};
    TMenuItem* NEU;

    void FormCreate() override;
    void FormClose() override;
    void EndeClick() { Close(); }
    void ESCClick() { Close(); }
    void NEUClick();
    void TemperatureClick(int i);
    void IsothermTimer(int i);

private:
    void EndIsotherm(int i);
    const IsothermalZtu::TData& data_;
};
