#include "phase/SegmentChain.h"

namespace SegmentChain {

bool Condition::Holds(float x) const {
    switch (Op) {
    case Test::Below:
        return x < Value;
    case Test::AtMost:
        return x <= Value;
    case Test::Equal:
        return x == Value;
    case Test::AtLeast:
        return x >= Value;
    case Test::Above:
        return x > Value;
    }
    return false;
}

bool Tick(TCanvas& canvas, const Chain& chain, std::span<float> positions) {
    const std::size_t count = chain.Pieces.size();
    for (std::size_t k = 0; k < count; ++k) {
        const Piece& piece = chain.Pieces[k];
        canvas.Pen.Color = piece.Pen;
        canvas.Pen.Width = chain.PenWidth;
        if (!piece.Runs.Holds(positions[k == 0 ? 0 : k - 1]))
            continue;
        // The piece before the one just finished has long stood still; taking over ends it.
        if (k >= 2)
            positions[k - 2] = Ended;
        const int before = static_cast<int>(positions[k]);
        positions[k] += 1;
        const int x = static_cast<int>(positions[k]);
        const int rowAt = k == 0 && chain.FirstRowBeforeStep ? before : x;
        canvas.LineTo(x, PhaseDiagram::CurveRow(piece.Row(rowAt)));
    }
    return chain.Ends.Holds(positions[count - 1]);
}

} // namespace SegmentChain
