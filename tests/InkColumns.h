#pragma once
// The columns of a strip of the window that hold ink of one colour, in runs: what a reader sees
// as letters and the gaps between them.

#include "Harness.h"

#include <vector>

namespace harness {

struct InkRun {
    int First;
    int Last;
};

inline std::vector<InkRun> InkRuns(const TForm& form, const TRect& strip, TColor ink) {
    std::vector<InkRun> runs;
    for (int x = strip.Left; x < strip.Right; ++x) {
        bool inked = false;
        for (int y = strip.Top; y < strip.Bottom && !inked; ++y)
            inked = Pixel(form, x, y) == ink;
        if (!inked)
            continue;
        if (!runs.empty() && runs.back().Last == x - 1)
            runs.back().Last = x;
        else
            runs.push_back({x, x});
    }
    return runs;
}

} // namespace harness
