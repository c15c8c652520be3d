#pragma once
// What the tests of the screens with several alloy runs (types 2 to 4) share: pixels at diagram
// coordinates, a frame at its place, regions to compare before and after an erase.

#include "Harness.h"
#include "phase/AlloyRuns.h"

namespace alloyruns {

class Probe {
public:
    Probe(TAlloyRunsForm& form, const AlloyRuns::Place& place) : form_(form), place_(place) {}

    // A pixel of the diagram frame.
    TColor At(int x, int y) const {
        return harness::Pixel(form_, place_.DiagLinks + x, place_.DiagOben + y);
    }
    TPixels Region(int x0, int y0, int x1, int y1) const {
        TPixels out(x1 - x0, y1 - y0);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                out.at(x - x0, y - y0) = PixelOf(At(x, y));
        return out;
    }
    // Whether frame i of the run's strip stands at the run's picture place, as far as the
    // diagram's surface reaches.
    bool ShowsFrame(int run, int i) const {
        const TPixels& frame = form_.RunStrips[static_cast<std::size_t>(run)]->Frame(i);
        const AlloyRuns::Alloy& a = form_.Alloy(run);
        for (int y = 0; y < frame.Height && a.BildY + y < place_.DiagHoehe; ++y)
            for (int x = 0; x < frame.Width; ++x)
                if (At(a.BildX + x, a.BildY + y) != ColorOfPixel(frame.at(x, y)))
                    return false;
        return true;
    }

private:
    TAlloyRunsForm& form_;
    const AlloyRuns::Place& place_;
};

} // namespace alloyruns
