#pragma once
// The continuous-cooling ZTU diagram of an unalloyed steel with 0.45 % carbon, with the
// micrographs of the fastest and the slowest rate.

#include "zta_ztu/ContinuousZtu.h"

namespace UnitZTUconC045 {
using Variables = ContinuousZtu::Variables;
extern Variables Unit;
extern const ContinuousZtu::TData Data;
} // namespace UnitZTUconC045

class TFormZTUcon045 : public TContinuousZtuScreen {
public:
    TFormZTUcon045();
};

extern TFormZTUcon045* FormZTUcon045;
