#pragma once
// The micrograph of the steel with 0.2 % carbon.

#include "ironcarbon/MicrographViewer.h"

namespace UnitBildC02 {
extern const MicrographData Data;
} // namespace UnitBildC02

class TFormBildC02 : public TMicrographViewer {
public:
    TFormBildC02();
};

extern TFormBildC02* FormBildC02;
