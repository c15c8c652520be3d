#include "ironcarbon/UnitBildC02.h"

TFormBildC02* FormBildC02 = nullptr;

namespace UnitBildC02 {

const MicrographData Data{
    .Caption = "Gefügeaufnahme Stahl mit 0,2 % Kohlenstoff",
    .Text = "Stahl mit 0.2 % Kohlenstoff",
    .Scale = "200      m",
    .Picture = 2,
};

} // namespace UnitBildC02

TFormBildC02::TFormBildC02() : TMicrographViewer(UnitBildC02::Data) {}
