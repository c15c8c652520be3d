#pragma once
// Quench and temper of a steel with 0.45 % carbon in one temperature–time diagram: heated to the
// austenitising temperature, held, quenched to room temperature, heated again to the tempering
// temperature, held and cooled, while the pictures show ferrite and pearlite, the austenite
// growing, the martensite and its tempering. F2 pauses and continues the run; a command opens the
// tempering chart of the steel.

#include "treatment/ProcessRoute.h"

namespace UnitVergueten {

using Variables = ProcessRoute::TVariables;
extern Variables Unit;

} // namespace UnitVergueten

class TFormVergueten : public TProcessRoute {
public:
    TFormVergueten();

    TTimer* TimerProzess;
    TMenuItem* Vergtungsschaubild1;

    void PaintBoxHauptPaint();
    void TimerProzessTimer();
    void Vergtungsschaubild1Click();

protected:
    void SetFrames() override;
};

extern TFormVergueten* FormVergueten;
