#pragma once
// The continuous-heating ZTA diagram of an unalloyed steel with 0.45 % carbon.

#include "zta_ztu/ContinuousZta.h"

namespace UnitZTAconC045 {
using Variables = ContinuousZta::Variables;
extern Variables Unit;
extern const ContinuousZta::TData Data;
} // namespace UnitZTAconC045

class TFormZTAcon045 : public TContinuousZtaScreen {
public:
    TFormZTAcon045();
};

extern TFormZTAcon045* FormZTAcon045;
