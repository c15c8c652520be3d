#pragma once
// The micrograph of the steel with 0.8 % carbon.

#include "ironcarbon/MicrographViewer.h"

namespace UnitBildC08 {
extern const MicrographData Data;
} // namespace UnitBildC08

class TFormBildC08 : public TMicrographViewer {
public:
    TFormBildC08();
};

extern TFormBildC08* FormBildC08;
