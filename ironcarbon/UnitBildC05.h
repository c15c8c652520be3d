#pragma once
// The micrograph of the steel with 0.5 % carbon.

#include "ironcarbon/MicrographViewer.h"

namespace UnitBildC05 {
extern const MicrographData Data;
} // namespace UnitBildC05

class TFormBildC05 : public TMicrographViewer {
public:
    TFormBildC05();
};

extern TFormBildC05* FormBildC05;
