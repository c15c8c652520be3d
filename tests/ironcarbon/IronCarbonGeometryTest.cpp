// The iron–carbon diagram as data: the points against the scales, the stable view's lines that
// branch off the metastable ones, and the design-to-pixel scale.

#include "ironcarbon/IronCarbonGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace IronCarbonGeometry;

namespace {

const Line& Named(const std::vector<Line>& lines, const std::string& name) {
    for (const Line& line : lines)
        if (line.Name == name)
            return line;
    ADD_FAILURE() << "no line " << name;
    return lines.front();
}

TEST(IronCarbonGeometry, EveryCharacteristicPointFollowsTheScalesWithinAFewUnits) {
    // A mistyped coordinate (a swapped digit, a point of the other system) is off by far more.
    // A lies 5.5 units above its temperature, the largest deviation of the table.
    constexpr long double Tolerance = 6;
    ASSERT_EQ(CharacteristicPoints().size(), 24u);
    for (const CharacteristicPoint& p : CharacteristicPoints()) {
        EXPECT_NEAR(CarbonX(p.Carbon), p.Design.X, Tolerance) << p.Letter;
        EXPECT_NEAR(TemperatureY(p.Celsius), p.Design.Y, Tolerance) << p.Letter;
        EXPECT_GE(p.Design.X, Frame.Left) << p.Letter;
        EXPECT_LE(p.Design.X, Frame.Right) << p.Letter;
        EXPECT_GE(p.Design.Y, Frame.Top) << p.Letter;
        EXPECT_LE(p.Design.Y, Frame.Bottom) << p.Letter;
    }
    // The scale's own anchors: 100 °C are 43 units, 6.67 % is the right edge.
    EXPECT_NEAR(TemperatureY(1600), 20, 1e-9);
    EXPECT_NEAR(TemperatureY(600), 450, 1e-9);
    EXPECT_NEAR(CarbonX(6.67L), 717, 1e-9);
}

TEST(IronCarbonGeometry, SectionsFindTheirCornersByLetterWhileCompiling) {
    static_assert(Characteristic("E").Carbon == 2.06L && Characteristic("E").Celsius == 1147);
    static_assert(Characteristic("S´").Of == System::Stable);
    static_assert(Characteristic("S").Of == System::Metastable);
    // The letters are unique, so no lookup can find the wrong one of two.
    for (const CharacteristicPoint& p : CharacteristicPoints())
        for (const CharacteristicPoint& q : CharacteristicPoints())
            EXPECT_TRUE(&p == &q || std::string(p.Letter) != q.Letter) << p.Letter;
}

TEST(IronCarbonGeometry, TheStableViewBranchesOffTheMetastableLiquidusAndSolidus) {
    const auto& view = StableViewLines();
    // B–C´ follows B–C up to (430, 189), then turns to C´.
    const Line& bc = Named(view, "B–C´");
    ASSERT_EQ(bc.Points.size(), 18u);
    EXPECT_EQ(bc.Points.front(), (TPoint{100, 66}));
    EXPECT_EQ(bc.Points[16], (TPoint{430, 189}));
    EXPECT_EQ(bc.Points[17], (TPoint{470, 210}));
    // J–E´ follows J–E up to (236, 202), then ends at E´.
    const Line& je = Named(view, "J–E´");
    ASSERT_EQ(je.Points.size(), 11u);
    EXPECT_EQ(je.Points[9], (TPoint{236, 202}));
    EXPECT_EQ(je.Points[10], (TPoint{250, 210}));
    // S´–G starts twice at S´ and ends at G.
    const Line& sg = Named(view, "S´–G");
    ASSERT_EQ(sg.Points.size(), 9u);
    EXPECT_EQ(sg.Points[0], (TPoint{120, 390}));
    EXPECT_EQ(sg.Points[1], (TPoint{120, 390}));
    EXPECT_EQ(sg.Points[2], (TPoint{110, 384}));
    EXPECT_EQ(sg.Points.back(), (TPoint{50, 316}));
    // Q–P´ and P´–G meet left of P´; M–O is solid here.
    EXPECT_EQ(Named(view, "Q–P´").Points.back(), (TPoint{54, 390}));
    EXPECT_EQ(Named(view, "P´–G").Points.front(), (TPoint{54, 390}));
    for (const Line& line : view)
        EXPECT_EQ(line.Kind, Stroke::Solid) << line.Name;
    EXPECT_EQ(view.size(), 4u + 6u + 4u + 1u);
}

TEST(IronCarbonGeometry, TheScaleRoundsEachAxisByItsOwnFactorTiesToEven) {
    const DesignScale large{1.28, 1.28};
    EXPECT_EQ(large(TPoint{717, 395}), (TPoint{918, 506})); // 917.76, 505.6
    EXPECT_EQ(large(TPoint{125, 37}), (TPoint{160, 47}));   // 160, 47.36
    const DesignScale wide{1.28, 1.0};
    EXPECT_EQ(wide(TPoint{401, 170}), (TPoint{513, 170}));
    const DesignScale half{0.5, 0.5};
    EXPECT_EQ(half(TPoint{5, 7}), (TPoint{2, 4})); // 2.5 and 3.5 go to the even neighbour
    const DesignScale identity;
    EXPECT_EQ(identity(TPoint{56, 395}), (TPoint{56, 395}));
}

} // namespace
