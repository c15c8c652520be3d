#pragma once
// What the tests of the 1.2 % and 3.0 % cooling screens share: the screen opened from the topic
// menu at a screen size, its scale, counted ticks, and pixels of the diagram's surface.

#include "Harness.h"
#include "ironcarbon/CoolingScreen.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

#include <array>
#include <utility>

namespace cooling_testing {

inline constexpr TColor Grey = 0x808080;
inline constexpr TColor Maroon = 0x000080;
inline constexpr TColor Yellow = 0x00FFFF;
inline constexpr TColor FrameOrange = 0x0058EA;
inline constexpr const char* StartCommand = "&Start/Abkühlung mit Regler";

inline std::array<int, 4> Bounds(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

class CoolingScreenTest : public testing::TestWithParam<std::pair<int, int>> {
protected:
    using Instance = TCoolingScreen* (*)();
    CoolingScreenTest(Instance instance, const char* command)
        : command_(command), screen_(*instance()) {}

    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(harness::Menu(*FormMenue, command_));
        ASSERT_EQ(harness::ActiveForm(), &screen_);
    }
    bool Reopen() { return harness::Menu(*FormMenue, command_); }
    bool Large() const { return GetParam().first >= 1024; }
    long double Factor() const { return Large() ? 1.28L : 1.0L; }
    // A design value scaled, with pixels added before rounding.
    int X(long double design, int pixels = 0) const { return Round(design * Factor() + pixels); }
    int Y(long double design, int pixels = 0) const { return X(design, pixels); }
    // A pixel of the diagram's surface, in its own pixels.
    TColor AtPixel(int x, int y) const {
        return harness::Pixel(screen_, screen_.PaintBoxHaupt->Left() + x,
                              screen_.PaintBoxHaupt->Top() + y);
    }
    // A pixel of the diagram at a design point.
    TColor At(int x, int y) const { return AtPixel(X(x), Y(y)); }
    int Run(int ticks) { return harness::Ticks(*screen_.TimerHaupt, ticks); }
    void Start() { harness::Menu(screen_, StartCommand); }
    // Whether frame i of a strip stands, unscaled, with its top-left corner at the pixel.
    bool ShowsFrame(const TImageList& strip, int i, int left, int top) const {
        const TPixels& frame = strip.Frame(i);
        for (int y = 0; y < frame.Height; ++y)
            for (int x = 0; x < frame.Width; ++x)
                if (AtPixel(left + x, top + y) != ColorOfPixel(frame.at(x, y)))
                    return false;
        return true;
    }
    // The pixels of a band of the diagram, from design corner to design corner (exclusive).
    TPixels Region(int x0, int y0, int x1, int y1) const {
        TPixels out(X(x1) - X(x0), Y(y1) - Y(y0));
        for (int y = 0; y < out.Height; ++y)
            for (int x = 0; x < out.Width; ++x)
                out.at(x, y) = PixelOf(AtPixel(X(x0) + x, Y(y0) + y));
        return out;
    }
    // How many pixels of a box, in pixels of the surface, have the colour.
    int CountIn(int left, int top, int width, int height, TColor color) const {
        int n = 0;
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x)
                n += AtPixel(x, y) == color ? 1 : 0;
        return n;
    }

    harness::Session session{GetParam().first, GetParam().second};

private:
    const char* command_;
    TCoolingScreen& screen_;
};

} // namespace cooling_testing
