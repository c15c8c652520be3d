// The drawing rules on a scaled desktop: the surface holds device pixels, a logical line is the
// same device width wherever it lies, not-xor still restores every device pixel, fills are the
// 1× fills at the finer grid, text is drawn at its device size and strips take their finer frames.

#include "TestForm.h"
#include "platform/ImageList.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

using harness::FormHeight;
using harness::FormWidth;
using harness::ScaledForm;
using harness::TestForm;

namespace {

// The lengths of the black runs along a device column or row.
std::vector<int> BlackRuns(const ScaledForm& s, int fixed, int length, bool alongColumn) {
    std::vector<int> runs;
    int run = 0;
    for (int i = 0; i <= length; ++i) {
        const bool black =
            i < length && (alongColumn ? s.Device(fixed, i) : s.Device(i, fixed)) == clBlack;
        if (black) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

class DeviceCanvasTest : public testing::TestWithParam<double> {};

INSTANTIATE_TEST_SUITE_P(Scales, DeviceCanvasTest, testing::Values(1.25, 1.5, 2.0));

TEST_P(DeviceCanvasTest, GridLinesOfOneLogicalWidthHaveOneDeviceWidthAcrossTheWindow) {
    ScaledForm s(GetParam());
    ASSERT_EQ(s.form->PixelRatio(), GetParam());
    TCanvas& c = s.Canvas();
    const int deviceWidth = s.At(FormWidth);
    const int deviceHeight = s.At(FormHeight);
    // A grid as the diagrams draw it: a line on every seventh row and column.
    for (int width : {1, 2, 3}) {
        s.Clear();
        c.Pen.Width = width;
        for (int y = 3; y < FormHeight - 4; y += 7) {
            c.MoveTo(0, y);
            c.LineTo(FormWidth, y);
        }
        // Between two grid columns, so that only the rows cross the scanned column.
        const std::vector<int> rows = BlackRuns(s, s.At(FormWidth / 2), deviceHeight, true);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(std::set<int>(rows.begin(), rows.end()).size(), 1u) << "pen width " << width;

        s.Clear();
        c.Pen.Width = width;
        for (int x = 3; x < FormWidth - 4; x += 7) {
            c.MoveTo(x, 0);
            c.LineTo(x, FormHeight);
        }
        const std::vector<int> columns = BlackRuns(s, s.At(FormHeight / 2), deviceWidth, false);
        ASSERT_FALSE(columns.empty());
        EXPECT_EQ(std::set<int>(columns.begin(), columns.end()).size(), 1u)
            << "pen width " << width;
        EXPECT_EQ(rows.front(), columns.front());
    }
    // A thin line starts where its logical row starts and is never thinner than one device pixel.
    s.Clear();
    c.Pen.Width = 1;
    c.MoveTo(10, 41);
    c.LineTo(150, 41);
    EXPECT_EQ(s.Device(s.At(50), s.At(41)), clBlack);
    EXPECT_EQ(s.Device(s.At(50), s.At(41) - 1), clWhite);
    // LineTo still leaves out its end point, at every scale.
    EXPECT_EQ(s.Device(s.At(150), s.At(41)), clWhite);
    EXPECT_EQ(s.Device(s.At(150) - 1, s.At(41)), clBlack);
}

TEST_P(DeviceCanvasTest, NotXorDrawnTwiceRestoresEveryDevicePixel) {
    ScaledForm s(GetParam());
    harness::PaintVariedBackground(s.Canvas());
    const TPixels before = s.form->Snapshot();
    harness::DrawNotXorShapes(s.Canvas());
    EXPECT_FALSE(harness::SamePixels(before, s.form->Snapshot()));
    harness::DrawNotXorShapes(s.Canvas());
    EXPECT_TRUE(harness::SamePixels(before, s.form->Snapshot()));
}

TEST_P(DeviceCanvasTest, TextStaysInItsCellWithTheBrushAndFontColoursOnly) {
    ScaledForm s(GetParam());
    TCanvas& c = s.Canvas();
    c.Font.Name = "MS Sans Serif";
    c.Font.Color = clBlack;
    c.Brush.Color = clYellow;
    const int x = 20, y = 30;
    const int right = x + c.TextWidth("Austenit 723 °C");
    const int bottom = y + c.TextHeight("Austenit 723 °C");
    c.TextOut(x, y, "Austenit 723 °C");
    const TPixels shot = s.form->Snapshot();
    for (int dy = 0; dy < shot.Height; ++dy) {
        for (int dx = 0; dx < shot.Width; ++dx) {
            const TColor colour = s.Device(dx, dy);
            const bool inCell =
                dx >= s.At(x) && dx < s.At(right) && dy >= s.At(y) && dy < s.At(bottom);
            if (!inCell)
                ASSERT_EQ(colour, clWhite) << dx << "," << dy;
            else
                ASSERT_TRUE(colour == clYellow || colour == clBlack) << dx << "," << dy;
        }
    }
}

// What one picture looks like at 1 and at 2, both in device pixels.
struct TwoScales {
    TPixels single;
    TPixels twice;
};

TwoScales DrawnAtOneAndTwo(const std::function<void(TCanvas&)>& draw) {
    TwoScales out;
    {
        ScaledForm s(1.0);
        draw(s.Canvas());
        out.single = s.form->Snapshot();
    }
    ScaledForm s(2.0);
    draw(s.Canvas());
    out.twice = s.form->Snapshot();
    return out;
}

// The picture at 1 with every pixel made a 2 × 2 block.
TPixels Doubled(const TPixels& single) {
    TPixels out(single.Width * 2, single.Height * 2);
    for (int y = 0; y < out.Height; ++y)
        for (int x = 0; x < out.Width; ++x)
            out.Data[static_cast<std::size_t>(y * out.Width + x)] =
                single.Data[static_cast<std::size_t>((y / 2) * single.Width + x / 2)];
    return out;
}

// Wide pens are left out: their round joins and caps are curves, finer at 2 as they should be.
TEST(DeviceCanvasAtTwo, FillsAndStraightOutlinesCoverTheBlocksOfTheirSingleSizePixels) {
    const TwoScales drawn = DrawnAtOneAndTwo([](TCanvas& c) {
        c.Brush.Color = 0x02ABFD;
        c.Rectangle(10, 10, 61, 47);
        c.Pen.Color = clRed;
        c.Brush.Color = clSilver;
        c.Rectangle(70, 5, 71, 140); // one pixel wide: outline only
        c.Rectangle(120, 30, 180, 100);
        c.Pen.Color = clBlue;
        c.MoveTo(5, 120);
        c.LineTo(190, 120);
        c.MoveTo(100, 0);
        c.LineTo(100, 149);
        c.Brush.Style = bsClear;
        c.Rectangle(3, 60, 50, 100);
    });
    EXPECT_TRUE(harness::SamePixels(drawn.twice, Doubled(drawn.single)));
}

TEST(DeviceCanvasAtTwo, TextIsDrawnAtItsDeviceSizeNotAsDoubledPixels) {
    const TwoScales drawn = DrawnAtOneAndTwo([](TCanvas& c) {
        c.Font.Name = "MS Sans Serif";
        c.Font.Color = clBlack;
        c.Brush.Color = clYellow;
        c.TextOut(20, 30, "Ferrit + Perlit");
        c.Font.Name = "Times New Roman";
        c.Font.Height = -16;
        c.TextOut(20, 60, "Ledeburit");
    });
    EXPECT_FALSE(harness::SamePixels(drawn.twice, Doubled(drawn.single)));
    // The cells are filled as at 1: the same count of brush and ink pixels, give or take the
    // finer outlines of the letters.
    auto count = [](const TPixels& p, TColor colour) {
        return std::count(p.Data.begin(), p.Data.end(), PixelOf(colour));
    };
    const auto cellsTwice = count(drawn.twice, clYellow) + count(drawn.twice, clBlack);
    const auto cellsSingle = count(drawn.single, clYellow) + count(drawn.single, clBlack);
    EXPECT_EQ(cellsTwice, 4 * cellsSingle);
    EXPECT_GT(count(drawn.twice, clBlack), 2 * count(drawn.single, clBlack));
}

TEST(DeviceCanvasAtTwo, StripsDrawTheirTwiceSizeFramesAndHalfSizeOnesAtOne) {
    // A source whose finer frame is a pattern no enlargement of the coarse one could give.
    auto source = [](int scale) {
        TPixels frame(4 * scale, 3 * scale, PixelOf(clRed));
        if (scale == 2)
            for (int y = 0; y < frame.Height; ++y)
                for (int x = y % 2; x < frame.Width; x += 2)
                    frame.Data[static_cast<std::size_t>(y * frame.Width + x)] = PixelOf(clBlue);
        return std::vector<TPixels>{frame};
    };
    for (double ratio : {1.0, 2.0}) {
        ScaledForm s(ratio);
        TImageList strip(nullptr, 4, 3, source);
        strip.Draw(s.Canvas(), 10, 10, 0);
        const int scale = static_cast<int>(ratio);
        EXPECT_EQ(strip.Frame(0).Width, 4 * scale);
        const TPixels& frame = strip.Frame(0);
        for (int y = 0; y < frame.Height; ++y)
            for (int x = 0; x < frame.Width; ++x)
                ASSERT_EQ(PixelOf(s.Device(s.At(10) + x, s.At(10) + y)),
                          frame.Data[static_cast<std::size_t>(y * frame.Width + x)]);
        EXPECT_EQ(s.Device(s.At(14), s.At(10)), clWhite);
    }
}

} // namespace
