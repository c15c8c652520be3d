#pragma once
// The micrograph of the steel with 0.6 % carbon.

#include "ironcarbon/MicrographViewer.h"

namespace UnitBildC06 {
extern const MicrographData Data;
} // namespace UnitBildC06

class TFormBildC06 : public TMicrographViewer {
public:
    TFormBildC06();
};

extern TFormBildC06* FormBildC06;
