#pragma once
// Normalising of a steel with 0.45 % carbon: heated to the austenitising temperature, held and
// cooled in still air, while coarse ferrite and pearlite turn into austenite, fine austenite grains
// and finally fine ferrite and pearlite; F2 pauses and continues the run. Beside the route, the
// air-cooling curve in the ZTU diagram of the same steel.

#include "treatment/ZtuRoute.h"

namespace UnitNormal {

using Variables = ProcessRoute::TVariables;
extern Variables Unit;

} // namespace UnitNormal

class TFormNormal : public TZtuRoute {
public:
    TFormNormal();

    TTimer* TimerZTA;
    TTimer* Timer15;
    TMenuItem* ZTULuftab;

    void ZTULuftabClick();
    void TimerZTATimer();
    void Timer15Timer();
};

extern TFormNormal* FormNormal;
