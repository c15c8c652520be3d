// The probe on the complete iron–carbon diagram: what the tooltip reads at the characteristic
// points, on the lines and inside the fields of both systems, with the compositions where the
// tie line meets the drawn boundaries and the shares by the lever rule; the picture as before
// afterwards; the panels keep their clicks; the tooltip stays on the screen.
//
// Expected values are worked out from the points the lines run through: x = 50 + 100 · C and
// y = 493 − 0.43 · (T − 500) in design units, one pixel each on an 800 × 600 screen.

#include "Harness.h"
#include "ironcarbon/UnitEKDGESAMT.h"
#include "platform/Keys.h"
#include "platform/ToolTip.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

#include <gmock/gmock.h>

using testing::HasSubstr;
using testing::Not;

namespace {

class EKDProbe : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(
            harness::Menu(*FormMenue, "EKS-metastabiler und stabiler Zustand (Ferrit + Austenit)"));
        ASSERT_EQ(harness::ActiveForm(), FormEKDGesamt);
    }
    bool Small() const { return GetParam().first < 1024; }
    // The mouse at a design point of the diagram.
    std::string At(int x, int y) {
        const double f = Small() ? 1.0 : 1.28;
        form.MouseMove(Round(x * static_cast<long double>(f)),
                       Round(y * static_cast<long double>(f)));
        return ToolTip::Text();
    }

    harness::Session session{GetParam().first, GetParam().second};
    TFormEKDGesamt& form = *FormEKDGesamt;
};

TEST_P(EKDProbe, NamesTheCharacteristicPointsAndLines) {
    EXPECT_EQ(At(130, 395), "Punkt S, eutektoidischer Punkt, 0,8 % C, 723 °C");
    EXPECT_EQ(At(480, 215), "Punkt C, eutektischer Punkt, 4,3 % C, 1147 °C");
    EXPECT_THAT(At(256, 215), HasSubstr("Punkt E, größte Löslichkeit für Kohlenstoff im "
                                        "Austenit, 2,06 % C, 1147 °C"));
    EXPECT_THAT(At(56, 395), HasSubstr("Punkt P, größte Löslichkeit für Kohlenstoff im Ferrit, "
                                       "0,06 % C, 723 °C"));
    EXPECT_THAT(At(350, 215), HasSubstr("Eutektikale E–C–F, 1147 °C"));
    EXPECT_THAT(At(350, 395), HasSubstr("Perlitlinie P–S–K, eutektoidische Linie, 723 °C"));
    EXPECT_THAT(At(270, 114), HasSubstr("Liquiduslinie B–C"));
    // Outside the frame nothing is read.
    EXPECT_EQ(At(30, 300), "");
    EXPECT_FALSE(ToolTip::Shown());
}

TEST_P(EKDProbe, ReadsTheFieldsAndTheStructuresBelowTheEutectoid) {
    EXPECT_THAT(At(100, 300), HasSubstr("\nAustenit (γ-Mischkristalle)"));
    EXPECT_THAT(At(100, 300), Not(HasSubstr("Anteil")));
    EXPECT_THAT(At(54, 75), HasSubstr("\nδ-Mischkristalle"));
    EXPECT_THAT(At(90, 450), HasSubstr("Gefüge: Ferrit + Perlit"));
    EXPECT_THAT(At(200, 450), HasSubstr("Gefüge: Perlit + Sekundärzementit"));
    EXPECT_THAT(At(350, 450), HasSubstr("Gefüge: Perlit + Sekundärzementit + Ledeburit"));
    EXPECT_THAT(At(600, 450), HasSubstr("Gefüge: Primärzementit + Ledeburit"));
    EXPECT_THAT(At(600, 180), HasSubstr("Schmelze + Primärzementit"));
}

// The numbers are exact on the small screen, where design units are pixels.
TEST(EKDProbeNumbers, TieLinesMeetTheDrawnBoundariesAndTheSharesFollowTheLeverRule) {
    harness::Session session(800, 600);
    ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
    ASSERT_TRUE(
        harness::Menu(*FormMenue, "EKS-metastabiler und stabiler Zustand (Ferrit + Austenit)"));
    auto at = [](int x, int y) {
        FormEKDGesamt->MouseMove(x, y);
        return ToolTip::Text();
    };
    // 0.55 % C at row 385 (751 °C): ferrite on G–P, 56 − 6 · 10 / 79 = 55.24 (0.05 % C);
    // austenite on G–S between (110, 384) and (120, 390), 111.67 (0.62 % C); the ferrite's share
    // (111.67 − 105) / (111.67 − 55.24) = 11.8 %.
    const std::string hypo = at(105, 385);
    EXPECT_THAT(hypo, HasSubstr("0,55 Gew.-% C, 751 °C\nFerrit + Austenit"));
    EXPECT_THAT(hypo, HasSubstr("Ferrit: 0,05 % C, Anteil 11 %"));
    EXPECT_THAT(hypo, HasSubstr("Austenit: 0,62 % C, Anteil 89 %"));
    // 0.40 % C at 600 °C (row 450): ferrite on Q–P, 50 + 6 · 43 / 98 = 52.63 (0.03 % C),
    // cementite 6.67 % C; ferrite (717 − 90) / (717 − 52.63) = 94.4 %.
    const std::string cold = at(90, 450);
    EXPECT_THAT(cold, HasSubstr("0,40 Gew.-% C, 600 °C\nFerrit + Zementit"));
    EXPECT_THAT(cold, HasSubstr("Ferrit: 0,03 % C, Anteil 94 %"));
    EXPECT_THAT(cold, HasSubstr("Zementit: 6,67 % C, Anteil 6 %"));
    // 1.20 % C at 800 °C (row 364): austenite on S–E, 130 + 21 · 31 / 40 = 146.28 (0.96 % C);
    // austenite (717 − 170) / (717 − 146.28) = 95.8 %.
    const std::string hyper = at(170, 364);
    EXPECT_THAT(hyper, HasSubstr("1,20 Gew.-% C, 800 °C\nAustenit + Zementit"));
    EXPECT_THAT(hyper, HasSubstr("Austenit: 0,96 % C, Anteil 95 %"));
    EXPECT_THAT(hyper, HasSubstr("Gefüge: Austenit + Sekundärzementit"));
    // 1.00 % C at 1400 °C (row 106): austenite on J–E, 108 + 18 · 5 / 17 = 113.29 (0.63 % C),
    // melt on B–C, 230 + 20 · 4 / 6 = 243.33 (1.93 % C); austenite 93.33 / 130.04 = 71.8 %.
    const std::string mushy = at(150, 106);
    EXPECT_THAT(mushy, HasSubstr("Schmelze + Austenit"));
    EXPECT_THAT(mushy, HasSubstr("Austenit: 0,63 % C, Anteil 71 %"));
    EXPECT_THAT(mushy, HasSubstr("Schmelze: 1,93 % C, Anteil 29 %"));
    // 3.00 % C at 1000 °C (row 278): austenite on S–E, 193 + 21 · 12 / 28 = 202 (1.52 % C),
    // 367 / 515 = 71.3 %. The stable system reads austenite on S´–E´, 194 − 22 · 8 / 30 =
    // 188.13 (1.38 % C), with graphite of 100 % C: austenite 9700 / 9861.87 = 98.4 %.
    const std::string cast = at(350, 278);
    EXPECT_THAT(cast, HasSubstr("3,00 Gew.-% C, 1000 °C\nAustenit + Zementit"));
    EXPECT_THAT(cast, HasSubstr("Austenit: 1,52 % C, Anteil 71 %"));
    EXPECT_THAT(cast, HasSubstr("Gefüge: Austenit + Sekundärzementit + Ledeburit"));
    EXPECT_THAT(cast, HasSubstr("Stabiles System: Austenit + Graphit\nAustenit: 1,38 % C, "
                                "Anteil 98 %\nGraphit: 100,00 % C, Anteil 2 %"));
    // In the austenite field both systems read the same: nothing is added.
    EXPECT_THAT(at(100, 300), Not(HasSubstr("Stabiles System")));
}

TEST_P(EKDProbe, EachViewReadsItsOwnSystem) {
    harness::Menu(form, "&stabil");
    EXPECT_THAT(At(350, 278), HasSubstr("\nAustenit + Graphit"));
    EXPECT_THAT(At(350, 278), Not(HasSubstr("Zementit")));
    EXPECT_THAT(At(120, 390), HasSubstr("Punkt S´, eutektoidischer Punkt, stabil, 0,7 % C, "
                                        "738 °C"));
    harness::Menu(form, "&metastabil");
    EXPECT_THAT(At(350, 278), HasSubstr("\nAustenit + Zementit"));
    EXPECT_THAT(At(350, 278), Not(HasSubstr("Graphit")));
    // A repaint draws the combined view again, and the probe reads it.
    form.Refresh();
    EXPECT_THAT(At(350, 278), HasSubstr("Stabiles System: Austenit + Graphit"));
}

TEST_P(EKDProbe, ThePictureIsAsBeforeAfterTheProbeAndThePanelsKeepTheirClicks) {
    const TPixels before = form.Snapshot();
    At(105, 385);
    EXPECT_TRUE(form.Sonde.Drawn());
    EXPECT_FALSE(harness::SamePixels(form.Snapshot(), before));
    At(350, 278);
    At(600, 450);
    form.SurfaceMouseLeave();
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), before));

    // Over the open meaning panel the panel has the mouse; the tie line through a point beside
    // it (melt and austenite between J–E and B–C, row 185) stops at the panel's edge.
    harness::Menu(form, "&Bedeutung des EKS");
    TPaintBox& panel = *form.PaintBoxDefEKS;
    form.MouseMove(panel.Left() + 20, panel.Top() + 20);
    EXPECT_FALSE(ToolTip::Shown());
    const TPixels withPanel = form.Snapshot();
    EXPECT_THAT(At(410, 185), HasSubstr("Schmelze + Austenit"));
    ASSERT_TRUE(form.Sonde.Drawn());
    const TPixels probed = form.Snapshot();
    EXPECT_FALSE(harness::SamePixels(probed, withPanel));
    for (int y = panel.Top(); y < panel.Top() + panel.Height(); ++y)
        for (int x = panel.Left(); x < panel.Left() + panel.Width(); ++x)
            ASSERT_EQ(probed.at(x, y), withPanel.at(x, y)) << x << ", " << y;
    form.SurfaceMouseLeave();
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), withPanel));
    EXPECT_TRUE(form.MouseDown(mbLeft, panel.Left() + 20, panel.Top() + 20));
    EXPECT_FALSE(panel.Visible());
}

TEST_P(EKDProbe, TheTooltipStaysOnTheScreenAtTheDiagramsLowerRightCorner) {
    At(700, 480);
    ASSERT_TRUE(ToolTip::Shown());
    const TRect r = ToolTip::ScreenRect();
    EXPECT_GE(r.Left, 0);
    EXPECT_GE(r.Top, 0);
    EXPECT_LE(r.Right, Screen.Width);
    EXPECT_LE(r.Bottom, Screen.Height);
    // Closing the screen takes the tooltip away.
    harness::Key(form, VK_ESCAPE);
    EXPECT_FALSE(ToolTip::Shown());
}

INSTANTIATE_TEST_SUITE_P(Screens, EKDProbe,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
