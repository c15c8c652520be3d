// The drawing rules every diagram relies on: end points and edges, pen widths and styles,
// not-xor erasing, brushes, text cells, font heights and rounding.

#include "TestForm.h"
#include "platform/ImageList.h"
#include "platform/TextDirection.h"
#include "platform/detail/QtBridge.h"

using harness::Pixel;
using harness::TestForm;

namespace {

class CanvasTest : public testing::Test {
protected:
    void SetUp() override {
        form.Show();
        harness::Settle();
        form.Box->SetBounds(0, 0, 200, 150);
        harness::Settle();
    }
    // Paints the box white, as a clean background for one primitive.
    void Clear() {
        c.Pen = TPen{};
        c.Brush.Color = clWhite;
        c.Pen.Color = clWhite;
        c.Rectangle(0, 0, 200, 150);
        c.Pen.Color = clBlack;
    }
    TColor At(int x, int y) { return Pixel(form, x, y); }

    TestForm form{200, 150};
    TCanvas& c = form.Box->Canvas;
};

TEST_F(CanvasTest, LineLeavesOutItsEndPointInEveryDirection) {
    Clear();
    c.MoveTo(5, 5);
    c.LineTo(15, 5);
    EXPECT_EQ(At(5, 5), clBlack);
    EXPECT_EQ(At(14, 5), clBlack);
    EXPECT_EQ(At(15, 5), clWhite);
    EXPECT_EQ(c.PenPos, (TPoint{15, 5}));

    c.MoveTo(40, 40);
    c.LineTo(40, 30); // upwards
    EXPECT_EQ(At(40, 40), clBlack);
    EXPECT_EQ(At(40, 31), clBlack);
    EXPECT_EQ(At(40, 30), clWhite);

    c.MoveTo(60, 60);
    c.LineTo(70, 70); // diagonal
    EXPECT_EQ(At(69, 69), clBlack);
    EXPECT_EQ(At(70, 70), clWhite);

    // A line of no length draws nothing with a thin pen.
    c.MoveTo(100, 100);
    c.LineTo(100, 100);
    EXPECT_EQ(At(100, 100), clWhite);
}

TEST_F(CanvasTest, RectangleLeavesOutRightAndBottomEdgesAndFillsWithTheBrush) {
    Clear();
    c.Brush.Color = clRed;
    c.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(At(10, 10), clBlack);
    EXPECT_EQ(At(19, 10), clBlack);
    EXPECT_EQ(At(10, 19), clBlack);
    EXPECT_EQ(At(19, 19), clBlack);
    EXPECT_EQ(At(20, 15), clWhite);
    EXPECT_EQ(At(15, 20), clWhite);
    EXPECT_EQ(At(15, 15), clRed);
    EXPECT_EQ(At(11, 11), clRed);
    EXPECT_EQ(At(18, 18), clRed);
}

TEST_F(CanvasTest, ReversedCornersDrawTheSameRectangle) {
    Clear();
    c.Brush.Color = clBlue;
    c.Rectangle(30, 30, 50, 45);
    TPixels normal = form.Snapshot();
    Clear();
    c.Brush.Color = clBlue;
    c.Rectangle(50, 45, 30, 30);
    EXPECT_TRUE(harness::SamePixels(normal, form.Snapshot()));
}

TEST_F(CanvasTest, WidePensDrawSolidWithTheirWidthAndRoundEnds) {
    Clear();
    c.Pen.Width = 5;
    c.Pen.Style = psDot; // a wide pen ignores the style
    c.MoveTo(20, 50);
    c.LineTo(120, 50);
    int thickness = 0;
    for (int y = 40; y < 60; ++y)
        thickness += At(70, y) == clBlack;
    EXPECT_EQ(thickness, 5);
    for (int x = 25; x < 115; ++x)
        ASSERT_EQ(At(x, 50), clBlack) << "gap at x " << x;
    // A wide pen covers its end point, and a line of no length leaves a round dot.
    EXPECT_EQ(At(120, 50), clBlack);
    c.MoveTo(150, 100);
    c.LineTo(150, 100);
    EXPECT_EQ(At(150, 100), clBlack);
    EXPECT_EQ(At(150, 98), clBlack);
    EXPECT_EQ(At(150, 104), clWhite);
}

TEST_F(CanvasTest, NotXorDrawnTwiceRestoresEveryPixel) {
    Clear();
    harness::PaintVariedBackground(c);
    TPixels before = form.Snapshot();
    harness::DrawNotXorShapes(c);
    EXPECT_FALSE(harness::SamePixels(before, form.Snapshot()));
    harness::DrawNotXorShapes(c);
    EXPECT_TRUE(harness::SamePixels(before, form.Snapshot()));
}

TEST_F(CanvasTest, NotXorInvertsTheDestinationForABlackPen) {
    Clear();
    c.Pen.Mode = pmNotXor;
    c.MoveTo(0, 10);
    c.LineTo(50, 10);
    EXPECT_EQ(At(20, 10), clBlack);
    c.Pen.Color = clRed;
    c.MoveTo(0, 20);
    c.LineTo(50, 20);
    // not (red xor white) is red again.
    EXPECT_EQ(At(20, 20), clRed);
}

TEST_F(CanvasTest, ClearBrushFillsNothingAndSettingAColourMakesItSolid) {
    Clear();
    c.Brush.Color = clRed;
    c.Brush.Style = bsClear;
    c.Rectangle(10, 10, 40, 40);
    EXPECT_EQ(At(25, 25), clWhite);
    EXPECT_EQ(At(10, 25), clBlack);
    c.Brush.Color = clRed;
    EXPECT_EQ(c.Brush.Style, bsSolid);
    c.Rectangle(10, 10, 40, 40);
    EXPECT_EQ(At(25, 25), clRed);
}

TEST_F(CanvasTest, DottedThinLinesFillTheirGapsWithASolidBrushOnly) {
    Clear();
    c.Pen.Style = psDot;
    c.Brush.Color = clYellow;
    c.MoveTo(0, 10);
    c.LineTo(100, 10);
    int marks = 0, gaps = 0;
    for (int x = 0; x < 99; ++x) {
        marks += At(x, 10) == clBlack;
        gaps += At(x, 10) == clYellow;
    }
    EXPECT_GT(marks, 30);
    EXPECT_GT(gaps, 30);
    EXPECT_EQ(marks + gaps, 99);

    c.Brush.Style = bsClear;
    c.MoveTo(0, 20);
    c.LineTo(100, 20);
    int untouched = 0;
    for (int x = 0; x < 99; ++x)
        untouched += At(x, 20) == clWhite;
    EXPECT_GT(untouched, 30);
}

TEST_F(CanvasTest, TextFillsItsCellWithTheBrushColourUnlessTheBrushIsClear) {
    Clear();
    c.Font.Height = 20;
    c.Brush.Color = clYellow;
    const int width = c.TextWidth("Ferrit ");
    const int height = c.TextHeight("Ferrit ");
    c.TextOut(10, 10, "Ferrit ");
    // The cell's corners and the trailing blank are background, in the brush colour.
    EXPECT_EQ(At(10, 10), clYellow);
    EXPECT_EQ(At(10 + width - 1, 10 + height - 1), clYellow);
    EXPECT_EQ(At(10 + width, 10), clWhite);
    EXPECT_EQ(At(10, 10 + height), clWhite);

    Clear();
    c.Brush.Style = bsClear;
    c.Pen.Mode = pmNotXor; // text ignores the pen's mode
    c.Font.Color = clRed;
    c.TextOut(10, 10, "Ferrit ");
    EXPECT_EQ(At(10, 10), clWhite);
    int red = 0;
    for (int y = 10; y < 10 + height; ++y)
        for (int x = 10; x < 10 + width; ++x)
            red += At(x, y) == clRed;
    EXPECT_GT(red, 20);
}

TEST_F(CanvasTest, IsolatedTypedTextKeepsItsDirectionToItselfAndTheMarksAreInvisible) {
    c.Font.Height = 20;
    c.Brush.Color = clWhite;
    auto drawn = [&](const std::string& text) {
        Clear();
        c.TextOut(5, 5, text);
        return form.Snapshot();
    };
    // The marks take no room and leave no ink.
    EXPECT_EQ(c.TextWidth(Isolated("2,5")), c.TextWidth("2,5"));
    EXPECT_TRUE(harness::SamePixels(drawn(Isolated("2,5")), drawn("2,5")));
    // A right-to-left override typed into the quotes turns only what follows it there, not the
    // rest of the sentence; left alone it turns the sentence too.
    const std::string rest = "' ist kein";
    const TPixels reversed = drawn("'ba" + rest);
    EXPECT_TRUE(harness::SamePixels(drawn("'" + Isolated("\u202Eab") + rest), reversed));
    EXPECT_FALSE(harness::SamePixels(drawn("'\u202Eab" + rest), reversed));
    // A closing mark typed to break out of the isolate is dropped.
    EXPECT_TRUE(harness::SamePixels(drawn("'" + Isolated("\u202Ea\u2069b") + rest), reversed));
}

TEST(TextDirection, TheTypedTextSitsBetweenOneIsolateAndItsClose) {
    EXPECT_EQ(Isolated(""), "\u2068\u2069");
    EXPECT_EQ(Isolated("2,5"), "\u20682,5\u2069");
    // Isolates the text opens are closed inside it; its own closes pair with its own opens only.
    EXPECT_EQ(Isolated("\u2067ab"), "\u2068\u2067ab\u2069\u2069");
    EXPECT_EQ(Isolated("\u2066a\u2069b\u2069"), "\u2068\u2066a\u2069b\u2069");
    // Broken UTF-8 at the end stays as it is.
    EXPECT_EQ(Isolated("a\xE2\x81"), "\u2068a\xE2\x81\u2069");
}

TEST(FontHeights, PositiveIsTheCellAndNegativeTheCharacterHeight) {
    TFont cell{"Arial", 31, clBlack, true};
    EXPECT_LE(detail::FontCellHeight(cell), 31);
    EXPECT_GE(detail::FontCellHeight(cell), 29);
    TFont character{"MS Sans Serif", -20, clBlack, false};
    EXPECT_GT(detail::FontCellHeight(character), 20);
    // Larger positive heights never give smaller cells.
    int last = 0;
    for (int h = 8; h <= 40; ++h) {
        int now = detail::FontCellHeight({"MS Sans Serif", h, clBlack, false});
        EXPECT_GE(now, last);
        EXPECT_LE(now, h);
        last = now;
    }
}

TEST(FontFaces, SymbolShowsGreekLettersAndOtherFacesPlainText) {
    TFont symbol{"Symbol", 14, clBlack, false};
    EXPECT_EQ(detail::S(detail::FaceText(symbol, "a-MK")), "α−ΜΚ");
    EXPECT_EQ(detail::S(detail::FaceText(symbol, "g d b m")), "γ δ β μ");
    TFont sans{"Sains Serif", 14, clBlack, false};
    EXPECT_EQ(detail::S(detail::FaceText(sans, "a-MK")), "a-MK");
    EXPECT_EQ(detail::ToQFont({"Times New Roman", 15, 0, false}).family(), "Liberation Serif");
    EXPECT_EQ(detail::ToQFont({"@Arial Unicode MS", -20, 0, false}).family(), "Liberation Sans");
}

TEST(Rounding, TiesGoToTheEvenIntegerOnTheExactValue) {
    EXPECT_EQ(Round(0.5L), 0);
    EXPECT_EQ(Round(1.5L), 2);
    EXPECT_EQ(Round(2.5L), 2);
    EXPECT_EQ(Round(-2.5L), -2);
    EXPECT_EQ(Round(10.4L), 10);
    // 55 × 4.1 is 225.5 exactly in decimal; the extended product keeps the tie.
    EXPECT_EQ(Round(350 - 4.1L * 55), 124);
    EXPECT_EQ(Round(300 - 4.1L * 46), 111);
    EXPECT_EQ(Round(580 * static_cast<long double>(1.28)), 742);
    EXPECT_EQ(Round(250 * static_cast<long double>(1.28)), 320);
}

class StripTest : public CanvasTest {};

TEST_F(StripTest, FramesAreDrawnOpaqueAndIndicesOutsideTheStripDrawNothing) {
    Clear();
    TImageList strip(nullptr, 4, 3);
    EXPECT_FALSE(strip.Add(TPixels(5, 3)));
    ASSERT_TRUE(strip.Add(TPixels(4, 3, PixelOf(clRed))));
    ASSERT_TRUE(strip.Add(TPixels(4, 3, PixelOf(clBlack))));
    c.Pen.Mode = pmNotXor; // frames ignore the pen's mode
    strip.Draw(c, 10, 10, 1);
    EXPECT_EQ(At(10, 10), clBlack);
    EXPECT_EQ(At(13, 12), clBlack);
    EXPECT_EQ(At(14, 12), clWhite);
    TPixels before = form.Snapshot();
    strip.Draw(c, 50, 50, 2);
    strip.Draw(c, 50, 50, -1);
    EXPECT_TRUE(harness::SamePixels(before, form.Snapshot()));
}

} // namespace
