#pragma once
// A learner who presses anything: menu commands, keys, clicks, drags, typed heating rates and
// button presses on the window in front, and time passing. The short random-use test and the
// long soak run both play it; the same seed always gives the same sequence.

#include <cstdint>

namespace harness {

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

// Leaving the program ends a sequence too early to see much, so the learner does it rarely,
// whichever way: the cover's command, its Esc item or the Esc key on the cover.
inline constexpr int LeaveOnceIn = 200;

// One random act on the window in front, then the repaints it caused.
void Act(Dice& dice);

} // namespace harness
