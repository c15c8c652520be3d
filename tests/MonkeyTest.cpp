// A learner who presses anything: long random sequences of menu commands, keys, clicks and
// elapsing time on every screen the program has, at several screen sizes. Nothing may crash,
// hang or leave the program without a window that takes input; the acts must really be made and
// must reach every screen.

#include "Harness.h"
#include "platform/Keys.h"

#include <cstdint>
#include <set>

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

// Leaving the program ends a sequence too early to see much, so the learner does it rarely,
// whichever way: the cover's command, its Esc item or the Esc key on the cover.
constexpr int LeaveOnceIn = 200;

bool Leaves(const TForm& form, const TMenuItem* item, int key) {
    if (&form != Application.MainForm())
        return false;
    if (item)
        return item->Caption() == "Programm &beenden" || item->ShortCut == VK_ESCAPE;
    return key == VK_ESCAPE;
}

// One random act of the learner on the window in front.
void Act(Dice& dice) {
    TForm* form = harness::ActiveForm();
    if (!form)
        return;
    switch (dice.Below(5)) {
    case 0: {
        std::vector<TMenuItem*> items;
        CollectItems(form->MainMenu, items);
        if (items.empty())
            break;
        TMenuItem* item =
            items[static_cast<std::size_t>(dice.Below(static_cast<int>(items.size())))];
        if (Leaves(*form, item, 0) && dice.Below(LeaveOnceIn) != 0)
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
        if (Leaves(*form, nullptr, key) && dice.Below(LeaveOnceIn) != 0)
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
}

TEST(Monkey, RandomUseOfEveryScreenNeverBreaksTheProgram) {
    constexpr int Seeds = 8;
    constexpr int ActsPerSeed = 400;
    const std::pair<int, int> sizes[] = {{800, 600}, {1024, 768}, {640, 480}, {1280, 1024}};
    // Screens by their place in the creation order.
    std::set<std::size_t> reached;
    std::size_t screens = 0;
    int acts = 0;
    int ends = 0;
    for (std::uint64_t seed = 1; seed <= Seeds; ++seed) {
        auto [w, h] = sizes[seed % 4];
        Dice dice(seed);
        int done = 0;
        // When the learner leaves the program, it is started again and the sequence goes on.
        while (done < ActsPerSeed) {
            harness::Session session(w, h);
            session.NextColor = 0x00FF00;
            screens = Application.Forms().size();
            for (; done < ActsPerSeed && !Application.Terminated(); ++done, ++acts) {
                Act(dice);
                for (std::size_t i = 0; i < Application.Forms().size(); ++i)
                    if (Application.Forms()[i]->Visible())
                        reached.insert(i);
                if (!Application.Terminated())
                    ASSERT_NE(harness::ActiveForm(), nullptr)
                        << "seed " << seed << ", act " << done << ": no window takes input";
            }
            ends += Application.Terminated();
        }
    }
    EXPECT_EQ(acts, Seeds * ActsPerSeed);
    // Leaving is rare: the sequences run long enough to go deep into the screens.
    EXPECT_LT(ends, Seeds);
    for (std::size_t i = 0; i < screens; ++i)
        EXPECT_TRUE(reached.count(i)) << "the random learner never brought up screen " << i + 1;
}

} // namespace
