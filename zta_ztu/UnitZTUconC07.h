#pragma once
// The continuous-cooling ZTU diagram of an unalloyed steel with 0.70 % carbon.

#include "zta_ztu/ContinuousZtu.h"

namespace UnitZTUconC07 {
using Variables = ContinuousZtu::Variables;
extern Variables Unit;
extern const ContinuousZtu::TData Data;
} // namespace UnitZTUconC07

class TFormZTUcon07 : public TContinuousZtuScreen {
public:
    TFormZTUcon07();
};

extern TFormZTUcon07* FormZTUcon07;
