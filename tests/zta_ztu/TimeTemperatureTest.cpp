// The time–temperature frame: its logarithmic time axis, its temperature scale, the steel corner
// of the iron–carbon diagram, the overlay's place and the model of a cooling curve.

#include "zta_ztu/TimeTemperature.h"
#include "platform/Controls.h"

#include <gtest/gtest.h>

using namespace TimeTemperature;

TEST(TimeTemperature, DecadesCountFromATenthOfASecond) {
    EXPECT_NEAR(static_cast<double>(Decade(0.1L)), 0.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(Decade(1)), 1.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(Decade(100000)), 6.0, 1e-12);
}

TEST(TimeTemperature, TheZtuAxisHas54PixelDecadesAnd68PixelSteps) {
    const TZtuFrame f = MakeZtuFrame(412, 740, 20, 430);
    EXPECT_EQ(f.Dekade, 54);
    EXPECT_EQ(f.Stufe, 68);
    EXPECT_EQ(f.At(1.47L, 340), (TPoint{491, 314}));
    EXPECT_EQ(f.Y(0), 430);
    // Six steps of 68 do not fill the 410-pixel height: 1200 °C is 2 pixels below the top.
    EXPECT_EQ(f.Y(1200), 22);
    EXPECT_EQ(f.Y(100) - f.Y(200), 34);
    // The six decades span 324 of the 328 pixels.
    EXPECT_EQ(f.X(6), 736);
    EXPECT_EQ(f.X(Decade(1)), 466);
}

TEST(TimeTemperature, TheAxisRoundsHalfwayPointsToEven) {
    const TZtuFrame f = MakeZtuFrame(400, 728, 20, 430);
    // 400 + 2.25 · 54 = 521.5 → 522; 400 + 0.75 · 54 = 440.5 → 440.
    EXPECT_EQ(f.X(2.25L), 522);
    EXPECT_EQ(f.X(0.75L), 440);
}

TEST(TimeTemperature, TheCombinedScreensFramesFollowTheirFactors) {
    // At factor 1 the austenitisation diagram has 60-pixel decades beside the 54 of the ZTU one.
    EXPECT_EQ(MakeZtuFrame(93, 458, 20, 430).Dekade, 60);
    EXPECT_EQ(MakeZtuFrame(458, 785, 20, 430).Dekade, 54);
    const TZtuFrame large = MakeZtuFrame(586, 1005, 26, 550);
    EXPECT_EQ(large.Dekade, 69);
    EXPECT_EQ(large.Stufe, 87);
    EXPECT_EQ(MakeZtuFrame(119, 587, 26, 550).Dekade, 78);
}

TEST(TimeTemperature, TheSteelCornerHas29Or28PixelsPerFifthOfAPercent) {
    const TSectionFrame wide = MakeSectionFrame(50, 370, 20, 430);
    EXPECT_EQ(wide.StufeC, 29);
    EXPECT_EQ(wide.Stufe, 68);
    EXPECT_EQ(wide.X(0.45L), 115);
    EXPECT_EQ(wide.At(0.96L, 480), (TPoint{189, 267}));
    EXPECT_EQ(wide.At(1.96L, 640), (TPoint{334, 212}));
    const TSectionFrame narrow = MakeSectionFrame(50, 360, 20, 430);
    EXPECT_EQ(narrow.StufeC, 28);
    EXPECT_EQ(narrow.X(0.7L), 148);
    EXPECT_EQ(narrow.Y(744), 177);
    EXPECT_EQ(narrow.Y(742), 178);
}

TEST(TimeTemperature, CoolingCurvesRiseTenfoldPer55Pixels) {
    EXPECT_FLOAT_EQ(CurveY(1, 55), 1.0f);
    EXPECT_FLOAT_EQ(CurveY(2, 110), 20.0f);
    // The fastest rate falls 26 pixels in its first stroke, the 0.6 °C/s one reaches 43 at 168.
    EXPECT_EQ(Round(CurveY(258.4L, 0)), 26);
    EXPECT_EQ(Round(CurveY(0.38L, 168)), 43);
}
