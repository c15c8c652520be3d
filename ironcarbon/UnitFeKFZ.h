#pragma once
// The face-centred cubic cell of γ-iron (austenite), turning beside the iron–carbon diagram.

#include "ironcarbon/Lattice.h"

namespace UnitFeKFZ {
using Variables = LatticeVariables;
extern Variables Unit;
extern const LatticeData Data;
} // namespace UnitFeKFZ

class TFormFeKFZ : public TLatticeForm {
public:
    TFormFeKFZ();
};

extern TFormFeKFZ* FormFeKFZ;
