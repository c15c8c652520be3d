#include "ironcarbon/UnitBildC08.h"

TFormBildC08* FormBildC08 = nullptr;

namespace UnitBildC08 {

const MicrographData Data{
    .Caption = "Gefügeaufnahme Stahl mit 0,8 % Kohlenstoff",
    .Text = "Stahl mit 0,8 % Kohlenstoff",
    .Scale = "200      m",
    .Picture = 8,
};

} // namespace UnitBildC08

TFormBildC08::TFormBildC08() : TMicrographViewer(UnitBildC08::Data) {}
