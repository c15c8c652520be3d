#pragma once
// The micrograph of the steel with 0.1 % carbon.

#include "ironcarbon/MicrographViewer.h"

namespace UnitBildC01 {
extern const MicrographData Data;
} // namespace UnitBildC01

class TFormBildC01 : public TMicrographViewer {
public:
    TFormBildC01();
};

extern TFormBildC01* FormBildC01;
