#include "RandomLearner.h"

#include "Harness.h"
#include "platform/Controls.h"
#include "platform/Keys.h"

#include <string>
#include <vector>

namespace harness {
namespace {

void CollectItems(TMenuItem& item, std::vector<TMenuItem*>& out) {
    for (const auto& sub : item.Items()) {
        if (sub->Items().empty())
            out.push_back(sub.get());
        CollectItems(*sub, out);
    }
}

bool Leaves(const TForm& form, const TMenuItem* item, int key) {
    if (&form != Application.MainForm())
        return false;
    if (item)
        return item->Caption() == "Programm &beenden" || item->ShortCut == VK_ESCAPE;
    return key == VK_ESCAPE;
}

template <class T>
T* Pick(Dice& dice, const std::vector<T*>& from) {
    return from.empty() ? nullptr
                        : from[static_cast<std::size_t>(dice.Below(static_cast<int>(from.size())))];
}

// The enabled controls of a kind that the learner can see: the control and every container
// it lies in are visible.
template <class T>
void CollectShown(const TContainer& container, std::vector<T*>& out) {
    for (const auto& child : container.Controls()) {
        if (!child->Visible())
            continue;
        if (auto* control = dynamic_cast<T*>(child.get()); control && control->Enabled())
            out.push_back(control);
        if (auto* inner = dynamic_cast<const TContainer*>(child.get()))
            CollectShown(*inner, out);
    }
}

void ChooseMenu(Dice& dice, TForm& form) {
    std::vector<TMenuItem*> items;
    CollectItems(form.MainMenu, items);
    TMenuItem* item = Pick(dice, items);
    if (!item || (Leaves(form, item, 0) && dice.Below(LeaveOnceIn) != 0))
        return;
    if (item->Visible)
        form.ChooseMenu(*item);
    else if (item->ShortCut)
        form.KeyDown(item->ShortCut);
}

void PressKey(Dice& dice, TForm& form) {
    const int keys[] = {VK_ESCAPE, VK_F1, VK_F2, VK_SPACE, VK_RETURN, 'A', 'S', '1'};
    const int key = keys[dice.Below(static_cast<int>(std::size(keys)))];
    if (Leaves(form, nullptr, key) && dice.Below(LeaveOnceIn) != 0)
        return;
    form.KeyDown(key);
}

int RandomX(Dice& dice, const TForm& form) {
    return dice.Below(std::max(1, form.ClientWidth()));
}
int RandomY(Dice& dice, const TForm& form) {
    return dice.Below(std::max(1, form.ClientHeight()));
}

// A press and a few moves while the button is held: the program knows no dragging, so the
// moves must do no more than ordinary moves.
void Drag(Dice& dice, TForm& form) {
    form.MouseDown(mbLeft, RandomX(dice, form), RandomY(dice, form));
    for (int moves = 1 + dice.Below(5); moves > 0; --moves) {
        form.MouseMove(RandomX(dice, form), RandomY(dice, form));
        Settle();
    }
}

// What a learner types into a box for a heating rate: sensible values, the edges of the range,
// the decimal comma, and texts that are no number at all.
std::string TypedText(Dice& dice) {
    static const char* const texts[] = {"2",     "999",    "2,5",  "2.5", " 2 ",
                                        "1,6",   "1.5",    "1000", "0",   "-5",
                                        "10",    "500",    "",     " ",   "abc",
                                        "2,5,1", "2abc",   "0x10", "nan", "inf",
                                        "1e400", "1e-400", "%s%n", "1e",  "99999999999999999999999",
                                        "+3",    "٣"};
    if (dice.Below(4) == 0) {
        std::string digits;
        for (int n = 1 + dice.Below(6); n > 0; --n)
            digits += static_cast<char>('0' + dice.Below(10));
        return digits;
    }
    return texts[dice.Below(static_cast<int>(std::size(texts)))];
}

// Boxes and buttons take the mouse only on a window that takes input.
void TypeIntoBox(Dice& dice, TForm& form) {
    if (!form.AcceptsInput())
        return;
    std::vector<TEdit*> boxes;
    CollectShown(form, boxes);
    if (TEdit* box = Pick(dice, boxes))
        box->SetText(TypedText(dice));
}

void PressButton(Dice& dice, TForm& form) {
    if (!form.AcceptsInput())
        return;
    std::vector<TButton*> buttons;
    CollectShown(form, buttons);
    if (TButton* button = Pick(dice, buttons))
        button->Click();
}

} // namespace

void Act(Dice& dice) {
    TForm* form = ActiveForm();
    if (!form)
        return;
    // Menu commands most often, since they lead from screen to screen; time passing next, since
    // it runs the animations.
    switch (dice.Below(12)) {
    case 0:
    case 1:
    case 2:
    case 3:
        ChooseMenu(dice, *form);
        break;
    case 4:
        PressKey(dice, *form);
        break;
    case 5:
        form->MouseDown(mbLeft, RandomX(dice, *form), RandomY(dice, *form));
        break;
    case 6:
        form->MouseMove(RandomX(dice, *form), RandomY(dice, *form));
        break;
    case 7:
        Drag(dice, *form);
        break;
    case 8:
        TypeIntoBox(dice, *form);
        PressButton(dice, *form);
        break;
    case 9:
        PressButton(dice, *form);
        break;
    default:
        Clock::Advance(dice.Below(3000));
        break;
    }
    Settle();
}

} // namespace harness
