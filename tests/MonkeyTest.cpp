// A learner who presses anything: long random sequences of menu commands, keys, clicks and
// elapsing time on every screen the program has, at several screen sizes. Nothing may crash,
// hang or leave the program without a window that takes input.

#include "Harness.h"
#include "platform/Keys.h"

#include <cstdint>
#include <functional>

namespace {

// A small fixed-seed generator, so that a failing sequence can be replayed.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}
    int Below(int n) {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(n));
    }

private:
    std::uint64_t state_;
};

void CollectItems(TMenuItem& item, std::vector<TMenuItem*>& out) {
    for (const auto& sub : item.Items()) {
        if (sub->Items().empty())
            out.push_back(sub.get());
        CollectItems(*sub, out);
    }
}

// One random act of the learner on the window in front; false once the program has ended.
bool Act(Dice& dice) {
    TForm* form = harness::ActiveForm();
    if (!form)
        return false;
    switch (dice.Below(5)) {
    case 0: {
        std::vector<TMenuItem*> items;
        CollectItems(form->MainMenu, items);
        if (items.empty())
            break;
        TMenuItem* item =
            items[static_cast<std::size_t>(dice.Below(static_cast<int>(items.size())))];
        // Leaving the program ends the run too early to see much; do it rarely.
        if (form == Application.MainForm() && item->Caption() == "Programm &beenden" &&
            dice.Below(20) != 0)
            break;
        if (item->Visible)
            form->ChooseMenu(*item);
        else if (item->ShortCut)
            form->KeyDown(item->ShortCut);
        break;
    }
    case 1: {
        const int keys[] = {VK_ESCAPE, VK_F1, VK_F2, VK_SPACE, VK_RETURN, 'A', 'S', '1'};
        int key = keys[dice.Below(8)];
        if (key == VK_ESCAPE && form == Application.MainForm() && dice.Below(20) != 0)
            break;
        form->KeyDown(key);
        break;
    }
    case 2:
        form->MouseDown(mbLeft, dice.Below(std::max(1, form->ClientWidth())),
                        dice.Below(std::max(1, form->ClientHeight())));
        break;
    case 3:
        form->MouseMove(dice.Below(std::max(1, form->ClientWidth())),
                        dice.Below(std::max(1, form->ClientHeight())));
        break;
    default:
        Clock::Advance(dice.Below(3000));
        break;
    }
    harness::Settle();
    return true;
}

TEST(Monkey, RandomUseOfEveryScreenNeverBreaksTheProgram) {
    const std::pair<int, int> sizes[] = {{800, 600}, {1024, 768}, {640, 480}, {1280, 1024}};
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        auto [w, h] = sizes[seed % 4];
        harness::Session session(w, h);
        session.NextColor = 0x00FF00;
        Dice dice(seed);
        int acts = 0;
        while (acts < 400 && Act(dice))
            ++acts;
        if (!Application.Terminated()) {
            EXPECT_NE(harness::ActiveForm(), nullptr)
                << "seed " << seed << ": no window takes input";
        }
    }
}

} // namespace
