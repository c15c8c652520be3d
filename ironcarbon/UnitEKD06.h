#pragma once
// A hypoeutectoid steel with 0.6 % carbon cooling through the iron–carbon diagram: austenite
// crystals grow in the melt, the austenite grains turn partly into ferrite from 760 °C, and the
// rest becomes pearlite at 723 °C.

#include "ironcarbon/CoolingScreen.h"

namespace UnitEKD06 {
using Variables = CoolingVariables;
extern Variables Unit;
extern const CoolingScript::Script ScriptTable;
extern const CoolingScreenData Data;
} // namespace UnitEKD06

class TFormEKD06 : public TCoolingScreen {
public:
    TFormEKD06();

    TPanel* PanelMax;
    TMenuItem* Textjanein1;
    TImageList* ImageListSchA;
    TImageList* ImageListAFerPer;

    void Textjanein1Click() { ToggleTextClick(); }
};

extern TFormEKD06* FormEKD06;
