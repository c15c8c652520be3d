#include "ironcarbon/UnitBildC04.h"

TFormBildC04* FormBildC04 = nullptr;

namespace UnitBildC04 {

const MicrographData Data{
    .Caption = "Gefügeaufnahme Stahl mit 0,4 % Kohlenstoff",
    .Text = "Stahl mit 0,4 % Kohlenstoff",
    .Scale = "200      m",
    .Picture = 4,
};

} // namespace UnitBildC04

TFormBildC04::TFormBildC04() : TMicrographViewer(UnitBildC04::Data) {}
