#pragma once
// A field or a band drawn a step at a time from a table. Each timer of such a drawing keeps one
// or more positions; on every tick it sets its pen and then goes through its steps in order: a
// step whose test holds on the position it reads moves its own position on (or none, where the
// screen moves a shared head itself) and draws to the row its curve gives there, as a line from
// wherever the pen stands or as a vertical from a fixed row. The fills of the thermal-analysis
// diagrams and the annealing bands are tables of this kind.

#include "phase/PhaseDiagram.h"
#include "phase/SegmentChain.h"

#include <optional>
#include <span>
#include <vector>

namespace Stepping {

using SegmentChain::Condition;
using SegmentChain::Test;

// A step that moves no position of its own: it draws at the position it reads.
inline constexpr int Reads = -1;

enum class Mark {
    // A line from the pen's position to the step's point.
    LineTo,
    // A vertical from (x, From) to the step's point, the point itself left out.
    Vertical,
};

// A pen width of its own for one step: Base + PerPixel · x at the step's position.
struct Width {
    int Base;
    int PerPixel = 0;
};

struct Step {
    // Tested on position `Tested`, which must also lie below `AndBelow` where that is given;
    // while both hold the step moves position `Moved` by `By`.
    Condition Runs;
    std::optional<int> AndBelow = std::nullopt;
    int Tested = 0;
    int Moved = 0;
    int By = 1;
    // The row, from the whole-pixel position after the move, or before it where the screen
    // computed the row first; stored as a single-precision real and then rounded.
    PhaseDiagram::Quad Row;
    bool RowBeforeMove = false;
    Mark Draw = Mark::LineTo;
    // The surface column lies Dx to the right of the position; the rounded row is lifted by Lift
    // (negative: up); a vertical starts at row From.
    int Dx = 0;
    int Lift = 0;
    int From = 0;
    std::optional<Width> Pen = std::nullopt;
};

struct Run {
    TColor PenColor;
    int PenWidth;
    std::vector<Step> Steps;
    // Tested on position `EndsOn` after the steps.
    Condition Ends;
    int EndsOn = 0;
};

// One tick of a run on its positions: solid pen of the run's colour and width, then every step
// in order. `row`, where given, keeps the row of the last step drawn. Returns whether the end
// test holds afterwards.
template <class Position>
bool Tick(TCanvas& canvas, const Run& run, std::span<Position> positions, float* row = nullptr);

} // namespace Stepping
