#include "ironcarbon/UnitBildC01.h"

TFormBildC01* FormBildC01 = nullptr;

namespace UnitBildC01 {

const MicrographData Data{
    .Caption = "Gefügeaufnahme Stahl mit 0,1 % Kohlenstoff",
    .Text = "Stahl mit 0.1 % Kohlenstoff",
    .Scale = "200      m",
    .Picture = 1,
};

} // namespace UnitBildC01

TFormBildC01::TFormBildC01() : TMicrographViewer(UnitBildC01::Data) {}
