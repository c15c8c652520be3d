// The stepping of fills and bands: which step moves which position, the row each draws to, the
// pen of a single step and the tick on which a run ends, on a canvas that notes every line.

#include "phase/Stepping.h"
#include "platform/Controls.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Stepping::Mark;
using Stepping::Reads;
using Op = Stepping::Test;

struct Line {
    TPoint To;
    int Width;
    bool operator==(const Line&) const = default;
};

// A canvas that draws nowhere; it notes where each line ends and its pen width (the canvas asks
// its host where to draw with its pen already at the line's end).
class Notes : public TCanvasHost {
public:
    Target CanvasTarget() override {
        Lines.push_back({Canvas.PenPos, Canvas.Pen.Width});
        return {};
    }
    template <class Position>
    bool Tick(const Stepping::Run& run, std::vector<Position>& positions, float* row = nullptr) {
        return Stepping::Tick(Canvas, run, std::span<Position>(positions), row);
    }
    TCanvas Canvas{*this};
    std::vector<Line> Lines;
};

// A piece that takes over when another rests at its end moves its own position, not the tested
// one; a row taken before the move comes from the old column; the run ends on its own position.
TEST(Stepping, ATakeOverMovesItsOwnPositionAndRowsComeFromBeforeOrAfterTheMove) {
    const Stepping::Run run{
        .PenColor = clRed,
        .PenWidth = 3,
        .Steps = {{.Runs = {Op::AtMost, 11}, .Row = {1, 0, 0}, .RowBeforeMove = true, .Dx = 100},
                  {.Runs = {Op::Equal, 12},
                   .Tested = 0,
                   .Moved = 1,
                   .Row = {0, 0, 7},
                   .Dx = 100,
                   .Lift = -2}},
        .Ends = {Op::AtLeast, 21},
        .EndsOn = 1};
    Notes n;
    std::vector<float> positions{10, 20};
    EXPECT_FALSE(n.Tick(run, positions));
    EXPECT_EQ(n.Lines.back().To, (TPoint{111, 100})); // 10², one column on
    EXPECT_EQ(n.Lines.back().Width, 3);
    // The first piece reaches 12 and hands over in the same tick.
    EXPECT_TRUE(n.Tick(run, positions));
    EXPECT_EQ(positions, (std::vector<float>{12, 21}));
    ASSERT_EQ(n.Lines.size(), 3u);
    EXPECT_EQ(n.Lines[1].To, (TPoint{112, 121}));
    EXPECT_EQ(n.Lines[2], (Line{{121, 5}, 3}));
    EXPECT_EQ(n.Canvas.Pen.Color, clRed);
}

// A vertical runs to the curve's row, lifted; a row of .5 rounds to the even pixel.
TEST(Stepping, AVerticalStartsAtItsFixedRow) {
    const Stepping::Run run{.PenColor = clBlue,
                            .PenWidth = 1,
                            .Steps = {{.Runs = {Op::Below, 100},
                                       .Row = {0.5L, 0, 0},
                                       .Draw = Mark::Vertical,
                                       .Lift = -3,
                                       .From = 60}},
                            .Ends = {Op::AtLeast, 100}};
    Notes n;
    std::vector<float> positions{4};
    n.Tick(run, positions);
    // 0.5 · 5² = 12.5 rounds to 12.
    EXPECT_EQ(n.Lines.back(), (Line{{5, 9}, 1}));
}

// Steps that read a shared head draw at it without moving it; an open range holds strictly
// inside; a step's own pen width follows the head and lasts to the end of the tick; the row
// drawn last is kept.
TEST(Stepping, StepsOnASharedHeadDrawAtItWithTheirOwnPens) {
    const Stepping::Run run{
        .PenColor = clBlue,
        .PenWidth = 58,
        .Steps = {{.Runs = {Op::Below, 540}, .Moved = Reads, .Row = {0, 0, 173}},
                  {.Runs = {Op::Above, 540},
                   .AndBelow = 600,
                   .Moved = Reads,
                   .Row = {0, 0, 170},
                   .Pen = Stepping::Width{598, -1}}},
        .Ends = {Op::Above, 600}};
    Notes n;
    float row = 0;
    for (int head : {536, 540, 592, 600, 604}) {
        std::vector<int> positions{head};
        const bool ended = n.Tick(run, positions, &row);
        EXPECT_EQ(positions[0], head);
        EXPECT_EQ(ended, head == 604);
    }
    ASSERT_EQ(n.Lines.size(), 2u);
    EXPECT_EQ(n.Lines[0], (Line{{536, 173}, 58}));
    EXPECT_EQ(n.Lines[1], (Line{{592, 170}, 6}));
    EXPECT_EQ(row, 170);
}

} // namespace
