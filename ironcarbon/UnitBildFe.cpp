#include "ironcarbon/UnitBildFe.h"

TFormBildFe* FormBildFe = nullptr;

namespace UnitBildFe {

const MicrographData Data{
    .Caption = "Gefügeaufnahme Ferrit",
    .Text = "Ferritisches Gefüge",
    .Scale = " 50      m",
    .Picture = 0,
};

} // namespace UnitBildFe

TFormBildFe::TFormBildFe() : TMicrographViewer(UnitBildFe::Data) {}
