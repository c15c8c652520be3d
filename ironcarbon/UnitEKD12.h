#pragma once
// A hypereutectoid steel with 1.2 % carbon cooling through the iron–carbon diagram: austenite
// crystallises from the melt between 1440 °C and 1280 °C, cementite precipitates at the austenite
// grain boundaries from 900 °C, and the remaining austenite becomes pearlite at 723 °C.

#include "ironcarbon/CoolingScreen.h"

namespace UnitEKD12 {
using Variables = CoolingVariables;
extern Variables Unit;
extern const CoolingScript::Script ScriptTable;
extern const CoolingScreenData Data;
} // namespace UnitEKD12

class TFormEKD12 : public TCoolingScreen {
public:
    TFormEKD12();

    TPanel* Panelmax;
    TMenuItem* Textja;
    TImageList* ImageListSchA;
    TImageList* ImageListAZemPer;

    void TextjaClick() { ToggleTextClick(); }
};

extern TFormEKD12* FormEKD12;
