#include "ironcarbon/UnitFeKFZ.h"

#include "ironcarbon/UnitFeKRZ.h"

TFormFeKFZ* FormFeKFZ = nullptr;

namespace UnitFeKFZ {

Variables Unit;

namespace {
constexpr TColor CellSurfaceOrange = 0x4080FF;
} // namespace

const LatticeData Data{
    .Caption = "Kubisch-flächenzentriertes Gamma-Eisengitter",
    .Color = clYellow,
    .PaintBoxColor = CellSurfaceOrange,
    .Kind = LatticeKind::FaceCentred,
    .FlushRightWhenLarge = true,
    .ClosesPartnerFirst = true,
    .Partner = [] { return static_cast<TForm*>(FormFeKRZ); },
    .Lines = {{10, "Austenit ist die metallographische Bezeichnung"},
              {30, "für den kfz GAMMA-Mischkristall mit einer"},
              {50, "maximalen Kohlenstofflöslichkeit im System"},
              {70, "Eisen-Kohlenstoff von 2.06 %."},
              {110, "Die Elemente Ni, C, Co, Mn, N erweitern"},
              {130, "das Austenitgebiet."}},
};

} // namespace UnitFeKFZ

TFormFeKFZ::TFormFeKFZ() : TLatticeForm(UnitFeKFZ::Data, UnitFeKFZ::Unit) {}
