#include "ironcarbon/UnitFeKRZ.h"

#include "ironcarbon/UnitFeKFZ.h"

TFormFeKRZ* FormFeKRZ = nullptr;

namespace UnitFeKRZ {

Variables Unit;

const LatticeData Data{
    .Caption = "Kubisch-raumzentriertes Alpha-Eisengitter",
    .Color = FerriteOrange,
    .PaintBoxColor = std::nullopt,
    .Kind = LatticeKind::BodyCentred,
    .FlushRightWhenLarge = false,
    .ClosesPartnerFirst = false,
    .Partner = [] { return static_cast<TForm*>(FormFeKFZ); },
    .Lines = {{10, "Ferrit ist die metallographische Bezeichnung"},
              {30, "für den krz ALPHA-Mischkristall in dem der "},
              {50, "Kohlenstoff auf Zwischengitterplätzen gelöst ist."},
              {70, "Die maximale Kohlenstofflöslichkeit beträgt"},
              {90, "im System Eisen-Kohlenstoff 0.02 %."},
              {120, "Die Elemente Cr, Al, Ti, Ta, Si, Mo, V, W"},
              {140, "erweitern das Ferritgebiet."}},
};

} // namespace UnitFeKRZ

TFormFeKRZ::TFormFeKRZ() : TLatticeForm(UnitFeKRZ::Data, UnitFeKRZ::Unit) {}
