#include "app/Registry.h"

#include "ironcarbon/UnitBildC01.h"
#include "ironcarbon/UnitBildC02.h"
#include "ironcarbon/UnitBildC03.h"
#include "ironcarbon/UnitBildC04.h"
#include "ironcarbon/UnitBildC05.h"
#include "ironcarbon/UnitBildC06.h"
#include "ironcarbon/UnitBildC07.h"
#include "ironcarbon/UnitBildC08.h"
#include "ironcarbon/UnitBildFe.h"
#include "ironcarbon/UnitEKD06.h"
#include "ironcarbon/UnitEKD12.h"
#include "ironcarbon/UnitEKD30.h"
#include "ironcarbon/UnitEKDBilder.h"
#include "ironcarbon/UnitEKDGESAMT.h"
#include "ironcarbon/UnitFeKFZ.h"
#include "ironcarbon/UnitFeKRZ.h"
#include "ironcarbon/UnitReineisen.h"
#include "phase/UnitAbZUTYP1.h"
#include "phase/UnitAbZUTYP2.h"
#include "phase/UnitZuTyp5.h"
#include "phase/UnitZuTyp6.h"
#include "phase/UnitZutyp1.h"
#include "phase/UnitZutyp2.h"
#include "phase/UnitZutyp3.h"
#include "phase/UnitZutyp4.h"
#include "platform/Application.h"
#include "shell/UnitALLZTAZTU.h"
#include "shell/UnitAllEKD.h"
#include "shell/UnitAllZu.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitEntZu.h"
#include "shell/UnitInfo.h"
#include "shell/UnitMenue.h"
#include "shell/UnitWarme.h"
#include "shell/UnitZeitab.h"
#include "treatment/UnitGlueh.h"
#include "treatment/UnitHaerten.h"
#include "treatment/UnitLMC45.h"
#include "treatment/UnitNormal.h"
#include "treatment/UnitVergschau.h"
#include "treatment/UnitVergueten.h"
#include "treatment/UnitZTAZTU.h"
#include "zta_ztu/UnitZTAZTU045.h"
#include "zta_ztu/UnitZTAconC045.h"
#include "zta_ztu/UnitZTAconC07.h"
#include "zta_ztu/UnitZTAisoC045.h"
#include "zta_ztu/UnitZTUconC045.h"
#include "zta_ztu/UnitZTUconC07.h"
#include "zta_ztu/UnitZTUisoC045.h"
#include "zta_ztu/UnitZTUisoC07.h"

namespace {

// Each screen's unit variables start fresh with the screen, as they do when the program starts.
template <class Form, class Variables>
void Create(Form*& instance, Variables& unit) {
    unit = Variables{};
    Application.CreateForm(instance);
}

} // namespace

// The creation order of the whole program; a screen not built yet keeps its place empty.
void CreateScreens() {
    Create(FormHaupt, UnitDeckEKD::Unit);        // 1
    Application.CreateForm(FormMenue);           // 2
    Create(FormAllZu, UnitAllZu::Unit);          // 3
    Create(FormEntZu, UnitEntZu::Unit);          // 4
    Create(FormAbZuTyp2, UnitAbZUTYP2::Unit);    // 5
    Create(FormZuTyp1, UnitZutyp1::Unit);        // 6
    Create(FormZuTyp2, UnitZutyp2::Unit);        // 7
    Create(FormZuTyp3, UnitZutyp3::Unit);        // 8
    Create(FormZuTyp4, UnitZutyp4::Unit);        // 9
    Create(FormZuTyp5, UnitZuTyp5::Unit);        // 10
    Create(FormZuTyp6, UnitZuTyp6::Unit);        // 11
    Create(FormAllEKD, UnitAllEKD::Unit);        // 12
    Create(FormReineisen, UnitReineisen::Unit);  // 13
    Create(FormEKDGesamt, UnitEKDGESAMT::Unit);  // 14
    Create(FormEKD06, UnitEKD06::Unit);          // 15
    Create(FormEKD12, UnitEKD12::Unit);          // 16
    Create(FormEKD30, UnitEKD30::Unit);          // 17
    Create(FormALLZTAZTU, UnitALLZTAZTU::Unit);  // 18
    Create(FormZTAcon045, UnitZTAconC045::Unit); // 19
    Create(FormZTAcon07, UnitZTAconC07::Unit);   // 20
    Create(FormZTAiso045, UnitZTAisoC045::Unit); // 21
    Create(FormZTUcon045, UnitZTUconC045::Unit); // 22
    Create(FormZTUcon07, UnitZTUconC07::Unit);   // 23
    Create(FormZTUi045, UnitZTUisoC045::Unit);   // 24
    Create(FormZTUi07, UnitZTUisoC07::Unit);     // 25
    Create(FormZTAZTU045, UnitZTAZTU045::Unit);  // 26
    Create(FormWarme, UnitWarme::Unit);          // 27
    Create(FormZTAZTU, UnitZTAZTU::Unit);        // 28
    Create(FormHaerten, UnitHaerten::Unit);      // 29
    Create(FormNormal, UnitNormal::Unit);        // 30
    Create(FormVergueten, UnitVergueten::Unit);  // 31
    Create(FormZeitAb, UnitZeitab::Unit);        // 32
    Create(FormAbZuTyp1, UnitAbZUTYP1::Unit);    // 33
    Create(FormEKDBilder, UnitEKDBilder::Unit);  // 34
    Create(FormGlueh, UnitGlueh::Unit);          // 35
    Application.CreateForm(FormLMC45);           // 36
    Application.CreateForm(FormBildC01);         // 37
    Application.CreateForm(FormBildC02);         // 38
    Application.CreateForm(FormBildC03);         // 39
    Application.CreateForm(FormBildC04);         // 40
    Application.CreateForm(FormBildC05);         // 41
    Application.CreateForm(FormBildC06);         // 42
    Application.CreateForm(FormBildC07);         // 43
    Application.CreateForm(FormBildC08);         // 44
    Application.CreateForm(FormBildFe);          // 45
    Application.CreateForm(FormInfo);            // 46
    Create(FormFeKFZ, UnitFeKFZ::Unit);          // 47
    Create(FormFeKRZ, UnitFeKRZ::Unit);          // 48
    Create(FormVerSchau, UnitVergschau::Unit);   // 49
}

void DestroyScreens() {
    Application.DestroyForms();
    FormHaupt = nullptr;
    FormMenue = nullptr;
    FormAllZu = nullptr;
    FormAbZuTyp1 = nullptr;
    FormAbZuTyp2 = nullptr;
    FormZuTyp1 = nullptr;
    FormZuTyp2 = nullptr;
    FormZuTyp3 = nullptr;
    FormZuTyp4 = nullptr;
    FormZuTyp5 = nullptr;
    FormZuTyp6 = nullptr;
    FormEntZu = nullptr;
    FormAllEKD = nullptr;
    FormALLZTAZTU = nullptr;
    FormWarme = nullptr;
    FormZeitAb = nullptr;
    FormInfo = nullptr;
    FormReineisen = nullptr;
    FormEKDGesamt = nullptr;
    FormEKD06 = nullptr;
    FormEKD12 = nullptr;
    FormEKD30 = nullptr;
    FormFeKFZ = nullptr;
    FormFeKRZ = nullptr;
    FormGlueh = nullptr;
    FormLMC45 = nullptr;
    FormVerSchau = nullptr;
    FormEKDBilder = nullptr;
    FormBildC01 = nullptr;
    FormBildC02 = nullptr;
    FormBildC03 = nullptr;
    FormBildC04 = nullptr;
    FormBildC05 = nullptr;
    FormBildC06 = nullptr;
    FormBildC07 = nullptr;
    FormBildC08 = nullptr;
    FormBildFe = nullptr;
    FormZTAcon045 = nullptr;
    FormZTAcon07 = nullptr;
    FormZTAiso045 = nullptr;
    FormZTUcon045 = nullptr;
    FormZTUcon07 = nullptr;
    FormZTUi045 = nullptr;
    FormZTUi07 = nullptr;
    FormZTAZTU045 = nullptr;
    FormZTAZTU = nullptr;
    FormHaerten = nullptr;
    FormNormal = nullptr;
    FormVergueten = nullptr;
}
