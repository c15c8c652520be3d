#pragma once
// The body-centred cubic cell of α-iron (ferrite), turning beside the iron–carbon diagram.

#include "ironcarbon/Lattice.h"

namespace UnitFeKRZ {
// The ferrite screen's colour; the diagram fills the ferrite field in it, too.
inline constexpr TColor FerriteOrange = 0x1CB5FF;
using Variables = LatticeVariables;
extern Variables Unit;
extern const LatticeData Data;
} // namespace UnitFeKRZ

class TFormFeKRZ : public TLatticeForm {
public:
    TFormFeKRZ();
};

extern TFormFeKRZ* FormFeKRZ;
