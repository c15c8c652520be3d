#include "ironcarbon/UnitBildC05.h"

TFormBildC05* FormBildC05 = nullptr;

namespace UnitBildC05 {

const MicrographData Data{
    .Caption = "Gefügeaufnahme Stahl mit 0,5 % Kohlenstoff",
    .Text = "Stahl mit 0,5 % Kohlenstoff",
    .Scale = "200      m",
    .Picture = 5,
};

} // namespace UnitBildC05

TFormBildC05::TFormBildC05() : TMicrographViewer(UnitBildC05::Data) {}
