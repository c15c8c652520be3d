#include "ironcarbon/UnitBildC07.h"

TFormBildC07* FormBildC07 = nullptr;

namespace UnitBildC07 {

const MicrographData Data{
    .Caption = "Gefügeaufnahme Stahl mit 0,7 % Kohlenstoff",
    .Text = "Stahl mit 0,7 % Kohlenstoff",
    .Scale = "200      m",
    .Picture = 7,
};

} // namespace UnitBildC07

TFormBildC07::TFormBildC07() : TMicrographViewer(UnitBildC07::Data) {}
