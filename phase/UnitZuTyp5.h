#pragma once
// Type 5: an intermetallic compound A(m)B(n) at 60 % B splits the diagram into two eutectic
// sub-diagrams, each of which reads like Type 2.

#include "phase/StaticPhase.h"

namespace UnitZuTyp5 {
using Variables = StaticPhase::Variables;
extern Variables Unit;
extern const StaticPhase::Data Diagram;
} // namespace UnitZuTyp5

class TFormZuTyp5 : public TStaticPhaseForm {
public:
    TFormZuTyp5();
};

extern TFormZuTyp5* FormZuTyp5;
