#pragma once
// The isothermal ZTU diagram of an unalloyed steel with 0.45 % carbon.

#include "zta_ztu/IsothermalZtu.h"

namespace UnitZTUisoC045 {
using Variables = IsothermalZtu::Variables;
extern Variables Unit;
extern const IsothermalZtu::TData Data;
// The explanation's closing lines, which the 0.70 % screen repeats.
const std::vector<std::string>& QuenchLines();
} // namespace UnitZTUisoC045

class TFormZTUi045 : public TIsothermalZtuScreen {
public:
    TFormZTUi045();
};

extern TFormZTUi045* FormZTUi045;
