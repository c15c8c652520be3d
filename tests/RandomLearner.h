#pragma once
// A learner who presses anything: menu commands by click and by Alt with their letters, keys on
// the window and on the control that has the focus (Tab, arrows, letters), clicks of either
// button, double clicks, clicks on pictures inside panels, drags, text typed into boxes, button
// presses, sliders, close boxes, colours chosen or cancelled, and time passing. The short
// random-use test and the long soak run both play it; the same seed always gives the same
// sequence.

#include "Harness.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>

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
// whichever way: the cover's command, its Esc item, the Esc key or the close box on the cover.
inline constexpr int LeaveOnceIn = 200;

// What the learner got to: the screens that showed and the menu commands that ran, by the
// screen's caption (and the command's, "screen: command"), and how often each kind of act had
// an effect (a slider's handler ran, a typed text reached a focused box, a colour was taken …).
struct Reach {
    std::set<std::string> Screens;
    std::set<std::string> Commands;
    std::map<std::string, long> Acts;
    // Every screen and command the program has, taken while its screens exist.
    std::set<std::string> AllScreens;
    std::set<std::string> AllCommands;
    // Notes the screens shown now (and, the first time, what there is to reach).
    void NoteScreens();
};

// A few lines for a report: how many screens and commands were reached, which were not, and the
// acts' counts.
std::string Summary(const Reach& reach);

// One random act on the window in front, then the repaints it caused.
void Act(Dice& dice, Session& session, Reach& reach);

} // namespace harness
