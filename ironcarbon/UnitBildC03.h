#pragma once
// The micrograph of the steel with 0.3 % carbon.

#include "ironcarbon/MicrographViewer.h"

namespace UnitBildC03 {
extern const MicrographData Data;
} // namespace UnitBildC03

class TFormBildC03 : public TMicrographViewer {
public:
    TFormBildC03();
};

extern TFormBildC03* FormBildC03;
