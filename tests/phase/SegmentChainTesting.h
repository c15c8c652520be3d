#pragma once
// Plays a curve chain on a canvas that draws nowhere and notes, tick by tick, every point a line
// is drawn to and where the pieces stand. The canvas asks its host where to draw each time it
// draws a line, with its pen already at the line's end point.

#include "phase/SegmentChain.h"

#include <vector>

namespace harness {

class ChainRun : public TCanvasHost {
public:
    // Plays the chain from these positions and that pen position until its end test holds or
    // the tick limit is reached.
    ChainRun(const SegmentChain::Chain& chain, std::vector<float> positions, TPoint from,
             int limit = 1000) {
        canvas_.MoveTo(from.X, from.Y);
        Start = positions;
        for (int tick = 1; tick <= limit; ++tick) {
            Points.emplace_back();
            const bool ended = SegmentChain::Tick(canvas_, chain, positions);
            Positions.push_back(positions);
            if (ended) {
                EndTick = tick;
                break;
            }
        }
    }

    Target CanvasTarget() override {
        Points.back().push_back(canvas_.PenPos);
        return {};
    }

    // The first tick on which piece k stepped (0 if it never did).
    int BeginTick(std::size_t k) const {
        for (std::size_t t = 0; t < Positions.size(); ++t)
            if (Positions[t][k] != Start[k])
                return static_cast<int>(t) + 1;
        return 0;
    }
    // Whether the point was drawn to on that tick.
    bool DrawnOn(int tick, TPoint p) const {
        if (tick < 1 || tick > static_cast<int>(Points.size()))
            return false;
        for (TPoint q : Points[tick - 1])
            if (q == p)
                return true;
        return false;
    }
    // The tick on which the point was drawn to first (0 if never).
    int TickOf(TPoint p) const {
        for (std::size_t t = 0; t < Points.size(); ++t)
            if (DrawnOn(static_cast<int>(t) + 1, p))
                return static_cast<int>(t) + 1;
        return 0;
    }

    std::vector<float> Start;
    std::vector<std::vector<TPoint>> Points;
    std::vector<std::vector<float>> Positions;
    int EndTick = 0;

private:
    TCanvas canvas_{*this};
};

} // namespace harness
