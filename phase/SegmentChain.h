#pragma once
// A curve drawn piece by piece along the time axis, one pixel column per tick. Each piece keeps
// its own position: the first piece steps while its position has not reached its limit, every
// later piece steps while the piece before it stands exactly at its end, and a piece that takes
// over sets the position two pieces back to 1000, which ends that piece for good. Several pieces
// can step in one tick, so a kink or an arrest joins the piece before it without a gap. The
// cooling curves of the thermal analysis and the cooling and heating curves of pure iron are
// chains of this kind.

#include "phase/PhaseDiagram.h"

#include <span>
#include <vector>

namespace SegmentChain {

// A position set to this value passes none of its chain's tests any more.
inline constexpr float Ended = 1000;

enum class Test { Below, AtMost, Equal, AtLeast, Above };

struct Condition {
    Test Op;
    int Value;
    bool Holds(float x) const;
};

struct Piece {
    TColor Pen;
    // The first piece runs while its own position passes this test, every later piece while the
    // position of the piece before it does.
    Condition Runs;
    // The row drawn to, from the whole-pixel position (a constant row is a flat Quad).
    PhaseDiagram::Quad Row;
};

struct Chain {
    std::vector<Piece> Pieces;
    int PenWidth;
    // Tested on the last piece's position at the end of every tick.
    Condition Ends;
    // Some curves take the first piece's row at the position before its step and draw it one
    // pixel further on.
    bool FirstRowBeforeStep = false;
};

// An arrest: a piece that stays on one row.
constexpr PhaseDiagram::Quad Flat(int row) {
    return {0, 0, static_cast<long double>(row)};
}
// A piece after the first: it runs while the piece before it rests exactly at `end`.
inline Piece After(TColor pen, int end, PhaseDiagram::Quad row) {
    return {pen, {Test::Equal, end}, row};
}

// One tick on the chain's positions, one per piece in order: every piece sets its pen, and each
// whose test holds steps its position by one and draws a line from wherever the canvas's pen
// stands to its new point, the row stored as a single-precision real and then rounded. Returns
// whether the end test holds afterwards.
bool Tick(TCanvas& canvas, const Chain& chain, std::span<float> positions);

} // namespace SegmentChain
