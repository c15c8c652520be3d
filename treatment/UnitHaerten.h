#pragma once
// Hardening of a steel with 0.45 % carbon: heated to the austenitising temperature, held and
// quenched, while ferrite and pearlite turn into austenite and then into martensite; beside the
// route, the water-quench curve in the ZTU diagram of the same steel.

#include "treatment/ZtuRoute.h"

namespace UnitHaerten {

using Variables = ProcessRoute::TVariables;
extern Variables Unit;

} // namespace UnitHaerten

class TFormHaerten : public TZtuRoute {
public:
    TFormHaerten();

    TTimer* TimerZTA;
    TTimer* Timer600;
    TMenuItem* ZTUWasserabkuehlung;

    void ZTUWasserabkuehlungClick();
    void TimerZTATimer();
    void Timer600Timer();
};

extern TFormHaerten* FormHaerten;
