// A learner who presses anything: long random sequences of menu commands, keys, clicks, drags,
// typed texts, button presses and elapsing time on every screen the program has, at several
// screen sizes. Nothing may crash, hang or leave the program without a window that takes input;
// the acts must really be made and must reach every screen. (The long run is the soak, tests/soak.)

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
                harness::Act(dice);
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
