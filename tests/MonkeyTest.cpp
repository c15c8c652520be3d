// A learner who presses anything: long random sequences of menu commands, keys, clicks, drags,
// typed texts, button presses, sliders, close boxes and elapsing time on every screen the program
// has, at several screen sizes. Nothing may crash, hang or leave the program without a window
// that takes input; the acts must really be made and must reach every screen. (The long run is
// the soak, tests/soak.)

#include "Harness.h"
#include "RandomLearner.h"

#include <cstdint>
#include <set>

namespace {

using harness::Dice;

TEST(Monkey, RandomUseOfEveryScreenNeverBreaksTheProgram) {
    constexpr int Seeds = 8;
    constexpr int ActsPerSeed = 400;
    const std::pair<int, int> sizes[] = {{800, 600}, {1024, 768}, {640, 480}, {1280, 1024}};
    // Screens by their place in the creation order.
    std::set<std::size_t> reached;
    harness::Reach reach;
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
            screens = Application.Forms().size();
            for (; done < ActsPerSeed && !Application.Terminated(); ++done, ++acts) {
                harness::Act(dice, session, reach);
                for (std::size_t i = 0; i < Application.Forms().size(); ++i)
                    if (Application.Forms()[i]->Visible())
                        reached.insert(i);
                if (!Application.Terminated()) {
                    ASSERT_NE(harness::ActiveForm(), nullptr)
                        << "seed " << seed << ", act " << done << ": no window takes input";
                }
            }
            ends += Application.Terminated();
        }
    }
    EXPECT_EQ(acts, Seeds * ActsPerSeed);
    // Leaving is rare: the sequences run long enough to go deep into the screens.
    EXPECT_LT(ends, Seeds);
    for (std::size_t i = 0; i < screens; ++i)
        EXPECT_TRUE(reached.count(i)) << "the random learner never brought up screen " << i + 1;
    EXPECT_EQ(reach.Screens.size(), reach.AllScreens.size()) << harness::Summary(reach);
    // Each kind of act took effect somewhere, not only was tried.
    for (const char* act : {"slider moved", "typed into a focused box", "key on a focused control",
                            "picture in a panel clicked", "closed by its close box", "colour taken",
                            "menu by its letter"})
        EXPECT_GT(reach.Acts[act], 0) << act << "\n" << harness::Summary(reach);
    // Most commands were run: the menus' shortcuts and letters reach them as clicks do.
    EXPECT_GT(reach.Commands.size() * 2, reach.AllCommands.size()) << harness::Summary(reach);
}

} // namespace
