#pragma once
// The isothermal ZTU diagram of an unalloyed steel with 0.70 % carbon.

#include "zta_ztu/IsothermalZtu.h"

namespace UnitZTUisoC07 {
using Variables = IsothermalZtu::Variables;
extern Variables Unit;
extern const IsothermalZtu::TData Data;
} // namespace UnitZTUisoC07

class TFormZTUi07 : public TIsothermalZtuScreen {
public:
    TFormZTUi07();
};

extern TFormZTUi07* FormZTUi07;
