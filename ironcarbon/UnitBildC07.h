#pragma once
// The micrograph of the steel with 0.7 % carbon.

#include "ironcarbon/MicrographViewer.h"

namespace UnitBildC07 {
extern const MicrographData Data;
} // namespace UnitBildC07

class TFormBildC07 : public TMicrographViewer {
public:
    TFormBildC07();
};

extern TFormBildC07* FormBildC07;
