#include "ironcarbon/UnitBildC06.h"

TFormBildC06* FormBildC06 = nullptr;

namespace UnitBildC06 {

const MicrographData Data{
    .Caption = "Gefügeaufnahme Stahl mit 0,6 % Kohlenstoff",
    .Text = "Stahl mit 0,6 % Kohlenstoff",
    .Scale = "200      m",
    .Picture = 6,
};

} // namespace UnitBildC06

TFormBildC06::TFormBildC06() : TMicrographViewer(UnitBildC06::Data) {}
