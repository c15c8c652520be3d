#pragma once
// A hypoeutectic cast iron with 3.0 % carbon cooling through the iron–carbon diagram: austenite
// crystallises from the melt below 1300 °C, the remaining melt becomes ledeburite at 1147 °C, the
// austenite precipitates secondary cementite along E–S down to 723 °C and then becomes pearlite.

#include "ironcarbon/CoolingScreen.h"

namespace UnitEKD30 {
using Variables = CoolingVariables;
extern Variables Unit;
extern const CoolingScript::Script ScriptTable;
extern const CoolingScreenData Data;
} // namespace UnitEKD30

class TFormEKD30 : public TCoolingScreen {
public:
    TFormEKD30();

    TPanel* PanelMax;
    TMenuItem* Textja;
    TImageList* ImageListSchAuLede;
    TImageList* ImageListLedePer;

    void TextjaClick() { ToggleTextClick(); }
};

extern TFormEKD30* FormEKD30;
