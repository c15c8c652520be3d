#pragma once
// The micrograph of pure ferrite.

#include "ironcarbon/MicrographViewer.h"

namespace UnitBildFe {
extern const MicrographData Data;
} // namespace UnitBildFe

class TFormBildFe : public TMicrographViewer {
public:
    TFormBildFe();
};

extern TFormBildFe* FormBildFe;
