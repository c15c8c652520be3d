#pragma once
// Type 6: a lens of complete solubility in the solid state whose solid solution decomposes
// below the line A-B-C into a eutectoid of A and B crystals.

#include "phase/StaticPhase.h"

namespace UnitZuTyp6 {
using Variables = StaticPhase::Variables;
extern Variables Unit;
extern const StaticPhase::Data Diagram;
} // namespace UnitZuTyp6

class TFormZuTyp6 : public TStaticPhaseForm {
public:
    TFormZuTyp6();
};

extern TFormZuTyp6* FormZuTyp6;
