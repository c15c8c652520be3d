#pragma once
// The topic menu: the hub of the program. Its main menu opens every topic screen; the window
// shows a background picture behind a light-yellow overview panel.

#include "platform/Dialogs.h"
#include "platform/Form.h"

#include <string>
#include <vector>

class TFormMenue : public TForm {
public:
    TFormMenue();

    TImage* ImageHinter;
    TPaintBox* PaintBoxHaupt;
    TStatusBar* StatusBarHint;
    TColorDialog* ColorDialog1;
    TMenuItem* Datei;
    TMenuItem* Hintergrund;
    TMenuItem* Farbewaehlen;
    TMenuItem* HintergrundfarbewhlenMenue;
    TMenuItem* Ende;
    TMenuItem* ESC1;

    void FormCreate() override;
    void PaintBoxHauptPaint();
    void HintergrundClick();
    void FarbewaehlenClick();
    void HintergrundfarbewhlenMenueClick();
    void EndeClick();
    void ESC1Click();
};

extern TFormMenue* FormMenue;

namespace UnitMenue {

// A topic command: its item, caption and the screen it shows (null while that screen is not part
// of the program yet; its command then stays greyed out).
struct TopicCommand {
    const char* Name;
    const char* Caption;
    TForm* (*Screen)();
};
struct TopicMenu {
    const char* Caption;
    std::vector<TopicCommand> Commands;
};
// The topic menus after "&Datei", in display order.
const std::vector<TopicMenu>& TopicMenus();
// The screens whose background the page-colour command sets, in the order it sets them.
const std::vector<TForm* (*)()>& PageColorScreens();

} // namespace UnitMenue
