#pragma once
// The continuous-heating ZTA diagram of an unalloyed steel with 0.70 % carbon, where the
// carbides dissolve only well above the end of the ferrite's transformation.

#include "zta_ztu/ContinuousZta.h"

namespace UnitZTAconC07 {
using Variables = ContinuousZta::Variables;
extern Variables Unit;
extern const ContinuousZta::TData Data;
} // namespace UnitZTAconC07

class TFormZTAcon07 : public TContinuousZtaScreen {
public:
    TFormZTAcon07();
};

extern TFormZTAcon07* FormZTAcon07;
