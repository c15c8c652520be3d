#include "RandomLearner.h"

#include "platform/Accelerators.h"

#include "platform/Controls.h"
#include "platform/Input.h"
#include "platform/Keys.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace harness {
namespace {

// ---------------------------------------------------------------------------------------------
// What there is to reach

std::string CommandName(const TForm& form, const TMenuItem& item) {
    std::string path = item.Caption();
    for (const TMenuItem* p = item.Parent(); p && p->Parent(); p = p->Parent())
        path = p->Caption() + " > " + path;
    return form.Caption() + ": " + path;
}

void CollectItems(const TMenuItem& item, std::vector<TMenuItem*>& out) {
    for (const auto& sub : item.Items()) {
        if (sub->Items().empty())
            out.push_back(sub.get());
        CollectItems(*sub, out);
    }
}

std::vector<TMenuItem*> LeafItems(const TForm& form) {
    std::vector<TMenuItem*> items;
    CollectItems(form.MainMenu, items);
    return items;
}

// ---------------------------------------------------------------------------------------------
// Picking

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
        auto* control = dynamic_cast<T*>(child.get());
        auto* windowed = dynamic_cast<TWinControl*>(child.get());
        if (control && (!windowed || windowed->Enabled()))
            out.push_back(control);
        if (auto* inner = dynamic_cast<const TContainer*>(child.get()))
            CollectShown(*inner, out);
    }
}

template <class T>
std::vector<T*> Shown(const TForm& form) {
    std::vector<T*> out;
    CollectShown(form, out);
    return out;
}

bool Leaves(const TForm& form, const TMenuItem* item, int key) {
    if (&form != Application.MainForm())
        return false;
    if (item)
        return item->Caption() == "Programm &beenden" || item->ShortCut == VK_ESCAPE;
    return key == VK_ESCAPE;
}

// Whether the learner goes ahead with an act that leaves the program: rarely.
bool MayLeave(Dice& dice, const TForm& form, const TMenuItem* item, int key) {
    return !Leaves(form, item, key) || dice.Below(LeaveOnceIn) == 0;
}

// The letter or digit a command shows underlined, upper case as typed with Alt; 0 for none.
char Accelerator(const TMenuItem& item) {
    const char c = Accelerators::LetterOf(item.ShownCaption());
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    return c >= '0' && c <= '9' ? c : 0;
}

// What a key types without Shift: its small letter, digit or blank; nothing for the rest.
std::string TypedBy(int key) {
    if (key >= 'A' && key <= 'Z')
        return std::string(1, static_cast<char>(key - 'A' + 'a'));
    if ((key >= '0' && key <= '9') || key == VK_SPACE)
        return std::string(1, static_cast<char>(key));
    return "";
}

// ---------------------------------------------------------------------------------------------
// Menu commands

void Ran(Reach& reach, const TForm& form, const TMenuItem& item) {
    reach.Commands.insert(CommandName(form, item));
}

// The learner sometimes takes a colour in the dialog a command may open, and cancels otherwise.
void MaybeTakeColour(Dice& dice, Session& session) {
    if (dice.Below(3) == 0)
        session.NextColor = RGB(dice.Below(256), dice.Below(256), dice.Below(256));
    else
        session.NextColor.reset();
}

void NoteColour(Session& session, Reach& reach, int runsBefore, bool offered) {
    if (session.ColorDialogRuns > runsBefore && offered && !session.NextColor)
        ++reach.Acts["colour taken"];
}

void Choose(Dice& dice, Session& session, Reach& reach, TForm& form, TMenuItem& item) {
    if (!MayLeave(dice, form, &item, 0))
        return;
    MaybeTakeColour(dice, session);
    const bool offered = session.NextColor.has_value();
    const int runs = session.ColorDialogRuns;
    if (form.ChooseMenu(item))
        Ran(reach, form, item);
    NoteColour(session, reach, runs, offered);
}

void ClickMenu(Dice& dice, Session& session, Reach& reach, TForm& form) {
    TMenuItem* item = Pick(dice, LeafItems(form));
    if (!item)
        return;
    if (item->Visible) {
        Choose(dice, session, reach, form, *item);
    } else if (item->ShortCut && MayLeave(dice, form, item, 0) && form.KeyDown(item->ShortCut)) {
        Ran(reach, form, *item);
    }
}

// The items of an open menu the keyboard walks through: shown and enabled.
std::vector<TMenuItem*> Walkable(const TMenuItem& menu) {
    std::vector<TMenuItem*> out;
    for (const auto& item : menu.Items())
        if (item->Visible && item->Enabled())
            out.push_back(item.get());
    return out;
}

// Alt with a letter: the key goes through the window's input rules like any other; the menu bar
// then runs the top-level command with that letter, or opens its menu, in which the learner
// walks down to a command and takes it, presses a command's letter, or leaves with Esc.
void AltLetter(Dice& dice, Session& session, Reach& reach, TForm& form) {
    std::vector<char> letters;
    for (const auto& top : form.MainMenu.Items())
        if (char a = Accelerator(*top); a && top->Visible)
            letters.push_back(a);
    // Now and then a letter no caption marks.
    const char letter =
        letters.empty() || dice.Below(5) == 0
            ? static_cast<char>('A' + dice.Below(26))
            : letters[static_cast<std::size_t>(dice.Below(static_cast<int>(letters.size())))];
    Input::KeyStroke(form, letter, Input::ssAlt, TypedBy(letter));
    if (!form.AcceptsInput())
        return;
    TMenuItem* top = nullptr;
    for (const auto& item : form.MainMenu.Items())
        if (item->Visible && item->Enabled() && Accelerator(*item) == letter && !top)
            top = item.get();
    if (!top)
        return;
    ++reach.Acts["menu by its letter"];
    if (top->Items().empty()) {
        Choose(dice, session, reach, form, *top);
        return;
    }
    const std::vector<TMenuItem*> items = Walkable(*top);
    if (items.empty() || dice.Below(6) == 0)
        return; // Esc closes the menu again
    TMenuItem* chosen = nullptr;
    if (dice.Below(3) == 0) {
        const char key = static_cast<char>('A' + dice.Below(26));
        for (TMenuItem* item : items)
            if (Accelerator(*item) == key && !chosen)
                chosen = item;
    } else {
        // Down from the first command, round to the top after the last.
        chosen = items[static_cast<std::size_t>(dice.Below(3 * static_cast<int>(items.size()))) %
                       items.size()];
    }
    if (chosen && chosen->Items().empty())
        Choose(dice, session, reach, form, *chosen);
}

// ---------------------------------------------------------------------------------------------
// Keys

// A key on the window, or on the control that has the focus: the screens' keys, Tab either
// way, arrows, letters and digits, and keys nothing waits for.
void PressKey(Dice& dice, Reach& reach, TForm& form) {
    static const int keys[] = {VK_ESCAPE, VK_F1,   VK_F2,     VK_SPACE, VK_RETURN, VK_TAB,
                               VK_TAB,    VK_LEFT, VK_RIGHT,  VK_UP,    VK_DOWN,   VK_HOME,
                               VK_END,    VK_BACK, VK_DELETE, 'A',      'S',       'L',
                               'X',       '1',     '7',       VK_F12,   VK_SHIFT,  0xFF};
    const int key = keys[dice.Below(static_cast<int>(std::size(keys)))];
    if (!MayLeave(dice, form, nullptr, key))
        return;
    const bool back = key == VK_TAB && dice.Below(3) == 0;
    const std::string text = key == 0xFF ? "ä" : TypedBy(key);
    if (TMenuItem* item = form.Blocked() ? nullptr : form.MainMenu.FindShortCut(key))
        Ran(reach, form, *item);
    if (Input::Focused(form))
        ++reach.Acts["key on a focused control"];
    Input::KeyStroke(form, key, back ? Input::ssShift : Input::ssNone, text);
}

// ---------------------------------------------------------------------------------------------
// The mouse

int Below(Dice& dice, int n) {
    return dice.Below(std::max(1, n));
}
int RandomX(Dice& dice, const TForm& form) {
    return Below(dice, form.ClientWidth());
}
int RandomY(Dice& dice, const TForm& form) {
    return Below(dice, form.ClientHeight());
}

TMouseButton RandomButton(Dice& dice) {
    const int b = dice.Below(4);
    return b == 0 ? mbRight : b == 1 ? mbMiddle : mbLeft;
}

// A click anywhere on the surface, of any button, sometimes doubled.
void ClickSurface(Dice& dice, TForm& form) {
    Input::Click(form, RandomButton(dice), RandomX(dice, form), RandomY(dice, form),
                 dice.Below(3) == 0);
}

// A click on a picture or drawing, on whatever surface holds it: the form's or a panel's.
void ClickPicture(Dice& dice, Reach& reach, TForm& form) {
    if (!form.AcceptsInput())
        return;
    // Mostly one that takes clicks, if the screen has one.
    std::vector<TGraphicControl*> all = Shown<TGraphicControl>(form), taking;
    std::copy_if(all.begin(), all.end(), std::back_inserter(taking),
                 [](const TGraphicControl* c) { return c->HandlesMouse(); });
    TGraphicControl* target = Pick(dice, taking.empty() || dice.Below(4) == 0 ? all : taking);
    if (!target || !target->Parent())
        return;
    if (target->Parent() != &form)
        ++reach.Acts["picture in a panel clicked"];
    if (target->HandlesMouse())
        ++reach.Acts["picture that takes clicks clicked"];
    Input::Click(*target->Parent(), dice.Below(4) == 0 ? mbRight : mbLeft,
                 target->Left() + Below(dice, target->Width()),
                 target->Top() + Below(dice, target->Height()), dice.Below(4) == 0);
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

// ---------------------------------------------------------------------------------------------
// Boxes, buttons, sliders, close boxes

// What a learner types into a box: sensible heating rates, the edges of the range, the decimal
// comma, texts that are no number at all and texts that write right to left.
std::string TypedText(Dice& dice) {
    static const char* const texts[] = {"2",
                                        "999",
                                        "2,5",
                                        "2.5",
                                        " 2 ",
                                        "1,6",
                                        "1.5",
                                        "1000",
                                        "0",
                                        "-5",
                                        "10",
                                        "500",
                                        "",
                                        " ",
                                        "abc",
                                        "2,5,1",
                                        "2abc",
                                        "0x10",
                                        "nan",
                                        "inf",
                                        "1e400",
                                        "1e-400",
                                        "%s%n",
                                        "1e",
                                        "1e999",
                                        "+3",
                                        "٣",
                                        "\u202E12",
                                        "שלום",
                                        "\t",
                                        "99999999999999999999999"};
    if (dice.Below(4) == 0) {
        std::string digits;
        for (int n = 1 + dice.Below(6); n > 0; --n)
            digits += static_cast<char>('0' + dice.Below(10));
        return digits;
    }
    return texts[dice.Below(static_cast<int>(std::size(texts)))];
}

// Clicks into a text box (a one-line box or a page of text) and types there, or sets the text as
// pasting does; then sometimes presses Return.
void TypeIntoBox(Dice& dice, Reach& reach, TForm& form) {
    if (!form.AcceptsInput())
        return;
    std::vector<TWinControl*> boxes;
    for (TEdit* e : Shown<TEdit>(form))
        boxes.push_back(e);
    for (TMemo* m : Shown<TMemo>(form))
        boxes.push_back(m);
    TWinControl* box = Pick(dice, boxes);
    if (!box)
        return;
    const std::string text = TypedText(dice);
    auto* edit = dynamic_cast<TEdit*>(box);
    if (edit && dice.Below(3) == 0) {
        edit->SetText(text);
        return;
    }
    Input::Focus(*box);
    if (Input::Focused(form) == box)
        ++reach.Acts["typed into a focused box"];
    if (edit && dice.Below(2) == 0) {
        // Select what is there, so that the typing replaces it.
        Input::KeyStroke(form, VK_HOME);
        Input::KeyStroke(form, VK_END, Input::ssShift);
    }
    Input::Type(form, text);
    if (dice.Below(3) == 0)
        Input::KeyStroke(form, VK_RETURN);
}

void PressButton(Dice& dice, TForm& form) {
    if (!form.AcceptsInput())
        return;
    if (TButton* button = Pick(dice, Shown<TButton>(form)))
        button->Click();
}

// A slider moved by the learner: a step either way, a page, or dragged anywhere in its range.
// The scroll handler sets the pace of what it drives.
void MoveSlider(Dice& dice, Reach& reach, TForm& form) {
    if (!form.AcceptsInput())
        return;
    TScrollBar* bar = Pick(dice, Shown<TScrollBar>(form));
    if (!bar)
        return;
    const int sign = dice.Below(2) == 0 ? -1 : 1;
    int to = bar->Position();
    switch (dice.Below(4)) {
    case 0:
        to += sign * bar->SmallChange();
        break;
    case 1:
        to += sign * bar->LargeChange();
        break;
    case 2:
        to = dice.Below(2) == 0 ? bar->Min() : bar->Max();
        break;
    default:
        to = bar->Min() + Below(dice, bar->Max() - bar->Min() + 1);
        break;
    }
    if (bar->OnScroll)
        ++reach.Acts["slider moved"];
    bar->Scroll(to);
}

void CloseBox(Dice& dice, Reach& reach, TForm& form) {
    if (&form == Application.MainForm() && dice.Below(LeaveOnceIn) != 0)
        return;
    Input::CloseBox(form);
    if (!form.Visible())
        ++reach.Acts["closed by its close box"];
}

} // namespace

void Reach::NoteScreens() {
    if (AllScreens.empty()) {
        for (const auto& form : Application.Forms()) {
            AllScreens.insert(form->Caption());
            for (const TMenuItem* item : LeafItems(*form))
                AllCommands.insert(CommandName(*form, *item));
        }
    }
    for (const auto& form : Application.Forms())
        if (form->Visible())
            Screens.insert(form->Caption());
}

std::string Summary(const Reach& reach) {
    const std::set<std::string>&screens = reach.AllScreens, &commands = reach.AllCommands;
    auto missing = [](const std::set<std::string>& all, const std::set<std::string>& got) {
        std::vector<std::string> out;
        std::set_difference(all.begin(), all.end(), got.begin(), got.end(),
                            std::back_inserter(out));
        return out;
    };
    const std::vector<std::string> lostScreens = missing(screens, reach.Screens);
    const std::vector<std::string> lostCommands = missing(commands, reach.Commands);
    std::ostringstream out;
    out << "reached " << screens.size() - lostScreens.size() << " of " << screens.size()
        << " screens and " << commands.size() - lostCommands.size() << " of " << commands.size()
        << " menu commands\n";
    for (const std::string& s : lostScreens)
        out << "  screen never shown: " << s << "\n";
    for (const std::string& c : lostCommands)
        out << "  command never run: " << c << "\n";
    for (const auto& [act, count] : reach.Acts)
        out << "  " << act << ": " << count << "\n";
    return out.str();
}

void Act(Dice& dice, Session& session, Reach& reach) {
    TForm* form = ActiveForm();
    if (!form)
        return;
    // Menu commands most often, since they lead from screen to screen; time passing next, since
    // it runs the animations.
    switch (dice.Below(27)) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
        ClickMenu(dice, session, reach, *form);
        break;
    case 9:
    case 10:
        AltLetter(dice, session, reach, *form);
        break;
    case 11:
    case 12:
        PressKey(dice, reach, *form);
        break;
    case 13:
        ClickSurface(dice, *form);
        break;
    case 14:
        ClickPicture(dice, reach, *form);
        break;
    case 15:
        form->MouseMove(RandomX(dice, *form), RandomY(dice, *form));
        break;
    case 16:
        Drag(dice, *form);
        break;
    case 17:
        TypeIntoBox(dice, reach, *form);
        if (dice.Below(2) == 0)
            PressButton(dice, *form);
        break;
    case 18:
        PressButton(dice, *form);
        break;
    case 19:
        MoveSlider(dice, reach, *form);
        break;
    case 20:
        // Closing a screen by its box is rarer than by its menu: the learner stays a while.
        if (dice.Below(2) == 0)
            CloseBox(dice, reach, *form);
        break;
    default:
        Clock::Advance(dice.Below(3000));
        break;
    }
    Settle();
    reach.NoteScreens();
}

} // namespace harness
