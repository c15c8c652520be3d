#pragma once
// The micrograph of the steel with 0.4 % carbon.

#include "ironcarbon/MicrographViewer.h"

namespace UnitBildC04 {
extern const MicrographData Data;
} // namespace UnitBildC04

class TFormBildC04 : public TMicrographViewer {
public:
    TFormBildC04();
};

extern TFormBildC04* FormBildC04;
