#include "ironcarbon/UnitBildC03.h"

TFormBildC03* FormBildC03 = nullptr;

namespace UnitBildC03 {

const MicrographData Data{
    .Caption = "Gefügeaufnahme Stahl mit 0,3 % Kohlenstoff",
    .Text = "Stahl mit 0,3 % Kohlenstoff",
    .Scale = "200      m",
    .Picture = 3,
};

} // namespace UnitBildC03

TFormBildC03::TFormBildC03() : TMicrographViewer(UnitBildC03::Data) {}
