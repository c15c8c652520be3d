// The probe on the schematic diagrams of Types 1 to 4: what the tooltip reads where a learner
// points, the lever shares it gives at the animated alloys against the screens' own boxes, and
// the picture left as it was after the probe and during a run.
//
// Expected compositions come from the curves' formulas and the characteristic points: the frame
// runs from pure A at x 20 to pure B at x 480, so a column x holds (x − 20) / 4.6 % B.

#include "Harness.h"
#include "phase/UnitZutyp1.h"
#include "phase/UnitZutyp2.h"
#include "phase/UnitZutyp3.h"
#include "phase/UnitZutyp4.h"
#include "platform/ToolTip.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

#include <gmock/gmock.h>

#include <regex>

using testing::HasSubstr;
using testing::Not;

namespace {

// The per cent after a phase's name in the tooltip: "α-MK: 25 % B, Anteil 42 %" gives the
// composition with `what` "B" and the share with "Anteil".
int Number(const std::string& text, const std::string& phase, const std::string& what) {
    const std::regex line(phase + ": (\\d+) % B, Anteil (\\d+) %");
    std::smatch m;
    if (!std::regex_search(text, m, line))
        return -1;
    return std::stoi(m[what == "B" ? 1 : 2].str());
}

class Probe : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void Open(const char* command, TForm* expected) {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(harness::Menu(*FormMenue, command));
        ASSERT_EQ(harness::ActiveForm(), expected);
        form_ = expected;
    }
    // The mouse at a point of the diagram frame; the tooltip's text.
    std::string At(TPaintBox& diagram, int x, int y) {
        form_->MouseMove(diagram.Left() + x, diagram.Top() + y);
        return ToolTip::Text();
    }

    harness::Session session{GetParam().first, GetParam().second};
    TForm* form_ = nullptr;
};

// --- Type 1 --------------------------------------------------------------------------------

class ProbeZuTyp1 : public Probe {
protected:
    void SetUp() override {
        Open("Vollkommene Löslichkeit im flüssigen und festen Zustand (\"Typ 1\") ", FormZuTyp1);
    }
    std::string At(int x, int y) { return Probe::At(*FormZuTyp1->PaintBoxHaupt, x, y); }
};

TEST_P(ProbeZuTyp1, ReadsTheFieldsLinesAndMeltingPoints) {
    // Above the liquidus (row 133 at x 300) only melt: (300 − 20) / 4.6 = 60.9 % B.
    EXPECT_THAT(At(300, 60), HasSubstr("61 % B, oberhalb der Liquiduslinie\nSchmelze"));
    // Below the solidus (row 93 at x 100) the solid solution.
    EXPECT_THAT(At(100, 300), HasSubstr("17 % B, unterhalb der Soliduslinie\nα-Mischkristalle"));
    EXPECT_THAT(At(300, 133), HasSubstr("Liquiduslinie"));
    EXPECT_THAT(At(100, 93), HasSubstr("Soliduslinie"));
    // Where the curves meet at A (rows 43 and 45 at x 20).
    EXPECT_THAT(At(20, 44), HasSubstr("Schmelzpunkt der Komponente A"));
    EXPECT_THAT(At(20, 250), HasSubstr("Komponente A (0 % B)"));
    // Outside the frame, and in the lever strip below it, nothing to read.
    EXPECT_EQ(At(10, 100), "");
    EXPECT_EQ(At(300, 400), "");
}

TEST_P(ProbeZuTyp1, ATwoPhasePointReadsTheTieLineOffTheDrawnCurves) {
    // Row 180: the drawn solidus passes x 287 (rows 180 up to 287, 181 at 288), the drawn
    // liquidus x 393; (287 − 20) / 4.6 = 58 % B, (393 − 20) / 4.6 = 81 % B; the crystals'
    // share (393 − 300) / (393 − 287) = 87.7 %, whole per cent as the boxes take it.
    const std::string text = At(300, 180);
    EXPECT_THAT(text, HasSubstr("zwischen Liquidus- und Soliduslinie\nSchmelze + α-MK"));
    EXPECT_THAT(text, HasSubstr("α-MK: 58 % B, Anteil 87 %"));
    EXPECT_THAT(text, HasSubstr("Schmelze: 81 % B, Anteil 13 %"));
}

TEST_P(ProbeZuTyp1, TheSharesAtTheAlloyAreThoseTheBoxesShow) {
    TFormZuTyp1& form = *FormZuTyp1;
    harness::Menu(form, "&Start/Stop");
    int checked = 0;
    for (int tick = 0; tick < 41; ++tick) {
        harness::Ticks(*form.TimerHaupt, 1);
        const int k = UnitZutyp1::Unit.TempY;
        if (k < 95 || k > 140)
            continue;
        const std::string text = At(UnitZutyp1::Unit.LegierungX, k);
        EXPECT_EQ(Number(text, "α-MK", "Anteil"), std::stoi(form.EditMK->Text())) << k;
        EXPECT_EQ(Number(text, "Schmelze", "Anteil"), std::stoi(form.EditSch->Text())) << k;
        ++checked;
    }
    EXPECT_EQ(checked, 16);
}

TEST_P(ProbeZuTyp1, TheStillDiagramIsAsBeforeOnceTheMouseMovesOnAndLeaves) {
    TFormZuTyp1& form = *FormZuTyp1;
    const TPixels before = form.Snapshot();
    At(300, 180);
    EXPECT_TRUE(form.Sonde.Drawn());
    EXPECT_FALSE(harness::SamePixels(form.Snapshot(), before));
    At(150, 120);
    At(100, 300);
    form.SurfaceMouseLeave();
    EXPECT_FALSE(ToolTip::Shown());
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), before));
}

TEST_P(ProbeZuTyp1, DuringARunOnlyTheTooltipShowsAndTheRunDrawsAsWithoutTheProbe) {
    TFormZuTyp1& form = *FormZuTyp1;
    harness::Menu(form, "&Start/Stop");
    harness::Ticks(*form.TimerHaupt, 30);
    const TPixels plain = form.Snapshot();
    harness::Menu(form, "&Löschen/Neu");

    // The probe drawn on the still diagram, then a key starts the run under the resting mouse.
    At(300, 180);
    ASSERT_TRUE(form.Sonde.Drawn());
    harness::Key(form, 'A');
    harness::Ticks(*form.TimerHaupt, 15);
    const TPixels midRun = form.Snapshot();
    EXPECT_THAT(At(250, 120), HasSubstr("Schmelze + α-MK"));
    EXPECT_FALSE(form.Sonde.Drawn());
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), midRun));
    harness::Ticks(*form.TimerHaupt, 15);
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), plain));
}

TEST_P(ProbeZuTyp1, TheLeverClickAreaKeepsItsClick) {
    TFormZuTyp1& form = *FormZuTyp1;
    TPaintBox& hand = *form.PaintBoxHand;
    form.MouseMove(hand.Left() + 200, hand.Top() + 10);
    EXPECT_FALSE(ToolTip::Shown());
    const TPixels before = form.Snapshot();
    EXPECT_TRUE(form.MouseDown(mbLeft, hand.Left() + 200, hand.Top() + 10));
    EXPECT_FALSE(harness::SamePixels(form.Snapshot(), before)); // the lever is drawn
}

INSTANTIATE_TEST_SUITE_P(Screens, ProbeZuTyp1,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

// --- Type 2 --------------------------------------------------------------------------------

class ProbeZuTyp2 : public Probe {
protected:
    void SetUp() override {
        Open("Vollkommene &Löslichkeit im flüssigen und vollkommene Unlöslichkeit im festen "
             "Zustand (\"Typ 2\")",
             FormZuTyp2);
    }
    std::string At(int x, int y) { return Probe::At(*FormZuTyp2->PaintBoxHaupt, x, y); }
};

TEST_P(ProbeZuTyp2, ReadsTheEutecticAndTheFieldsBesideAndBelowIt) {
    EXPECT_EQ(At(296, 222), "Punkt C, eutektischer Punkt, 60 % B\nSchmelze → Eutektikum (α-K + "
                            "β-K)");
    EXPECT_THAT(At(20, 59), HasSubstr("A*, Schmelzpunkt der Komponente A"));
    EXPECT_THAT(At(150, 222), HasSubstr("Soliduslinie = Eutektikale"));
    EXPECT_THAT(At(296, 100), HasSubstr("oberhalb der Liquiduslinie\nSchmelze"));
    // Below the eutectic pure A and pure B: α-K (480 − 100) / 460 = 82 %. (Row 275 stays above
    // the lever click areas of the large layout.)
    const std::string left = At(100, 275);
    EXPECT_THAT(left, HasSubstr("α-K: 0 % B, Anteil 82 %"));
    EXPECT_THAT(left, HasSubstr("β-K: 100 % B, Anteil 18 %"));
    EXPECT_THAT(left, HasSubstr("Gefüge: α-K + Eutektikum"));
    const std::string right = At(400, 275);
    EXPECT_THAT(right, HasSubstr("α-K: 0 % B, Anteil 17 %"));
    EXPECT_THAT(right, HasSubstr("Gefüge: β-K + Eutektikum"));
    // Row 150 is a row of the first run: the melt at x 208, (208 − 20) / 4.6 = 41 % B, and the
    // crystals (208 − 100) / 188 = 57 %.
    const std::string primary = At(100, 150);
    EXPECT_THAT(primary, HasSubstr("Schmelze + α-K"));
    EXPECT_THAT(primary, HasSubstr("α-K: 0 % B, Anteil 57 %"));
    EXPECT_THAT(primary, HasSubstr("Schmelze: 41 % B, Anteil 43 %"));
}

TEST_P(ProbeZuTyp2, TheSharesAtBothPrimaryAlloysAreThoseTheBoxesShow) {
    TFormZuTyp2& form = *FormZuTyp2;
    struct Case {
        const char* Start;
        int Run;
        TTimer* Timer;
        const char* Crystals;
        TEdit* CrystalBox;
        TEdit* MeltBox;
        int FirstRow; // the row after the liquidus reached, which lies on the liquidus itself
    };
    const Case cases[] = {
        {"Start/Stop &untereutektisch", 0, form.TimerUnter, "α-K", form.EditA, form.EditSch1, 150},
        {"Start/Stop &übereutektisch", 2, form.TimerUeber, "β-K", form.EditB, form.EditSch2, 158},
    };
    for (const Case& c : cases) {
        harness::Menu(form, "&Löschen/Neu");
        harness::Menu(form, c.Start);
        int checked = 0;
        for (int tick = 0; tick < 50; ++tick) {
            harness::Ticks(*c.Timer, 1);
            const AlloyRuns::Alloy& alloy = form.Alloy(c.Run);
            // The eutectic row lies on the eutectic line.
            if (alloy.TempY < c.FirstRow || alloy.TempY > 218)
                continue;
            const std::string text = At(alloy.LegierungX, alloy.TempY);
            EXPECT_EQ(Number(text, c.Crystals, "Anteil"), std::stoi(c.CrystalBox->Text()))
                << c.Start << " " << alloy.TempY;
            EXPECT_EQ(Number(text, "Schmelze", "Anteil"), std::stoi(c.MeltBox->Text()));
            ++checked;
        }
        EXPECT_GE(checked, 16) << c.Start;
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ProbeZuTyp2,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

// --- Types 3 and 4 -------------------------------------------------------------------------

class ProbeZuTyp3 : public Probe {
protected:
    void SetUp() override {
        Open("Eutektisches System mit begrenzter Löslichkeit (\"Typ 3\")", FormZuTyp3);
    }
    std::string At(int x, int y) { return Probe::At(*FormZuTyp3->PaintBoxHaupt, x, y); }
};

TEST_P(ProbeZuTyp3, ReadsDCEAndTheSolidSolutionFields) {
    EXPECT_THAT(At(112, 222), HasSubstr("Punkt D, größte Löslichkeit von B in den α-MK, 20 % B"));
    EXPECT_THAT(At(296, 222), HasSubstr("Punkt C, eutektischer Punkt, 60 % B"));
    EXPECT_THAT(At(434, 222), HasSubstr("Punkt E, größte Löslichkeit von A in den β-MK, 90 % B"));
    EXPECT_THAT(At(200, 222), HasSubstr("Eutektikale D–E"));
    // α solvus at row 300 near x 97.5, β solvus near x 447.
    EXPECT_THAT(At(60, 300), HasSubstr("α-Mischkristalle"));
    EXPECT_THAT(At(465, 300), HasSubstr("β-Mischkristalle"));
    EXPECT_THAT(At(250, 150), HasSubstr("Schmelze"));
    EXPECT_THAT(At(250, 150), Not(HasSubstr("Anteil")));
}

TEST_P(ProbeZuTyp3, TwoPhasePointsReadTheirTieLines) {
    // Row 150: α solidus at x 61.2 (9 % B), left liquidus at x 210.1 (41 % B); crystals
    // (210.1 − 80) / (210.1 − 61.2) = 87 %.
    const std::string melt = At(80, 150);
    EXPECT_THAT(melt, HasSubstr("Schmelze + α-MK"));
    EXPECT_NEAR(Number(melt, "α-MK", "B"), 9, 1);
    EXPECT_NEAR(Number(melt, "Schmelze", "B"), 41, 1);
    EXPECT_NEAR(Number(melt, "α-MK", "Anteil"), 87, 1);
    // Row 226 just below D–E: α solvus at x 110.5 (20 % B), β solvus at x 435 (90 % B);
    // α (435 − 200) / (435 − 110.5) = 72 %; between D and C the eutectic with β segregates.
    const std::string solid = At(200, 226);
    EXPECT_THAT(solid, HasSubstr("α-MK + β-MK"));
    EXPECT_NEAR(Number(solid, "α-MK", "B"), 20, 1);
    EXPECT_NEAR(Number(solid, "β-MK", "B"), 90, 1);
    EXPECT_NEAR(Number(solid, "α-MK", "Anteil"), 72, 1);
    EXPECT_THAT(solid, HasSubstr("Gefüge: α-MK + Eutektikum + β-Segregat"));
    EXPECT_THAT(At(445, 330), HasSubstr("Gefüge: β-MK + α-Segregat"));
}

TEST_P(ProbeZuTyp3, TheProbeLeavesTheStillDiagramAndARunAsTheyWere) {
    TFormZuTyp3& form = *FormZuTyp3;
    const TPixels still = form.Snapshot();
    At(200, 226);
    EXPECT_TRUE(form.Sonde.Drawn());
    At(80, 150);
    form.SurfaceMouseLeave();
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), still));

    harness::Menu(form, "Start /Stop L&2");
    harness::Ticks(*form.TimerL2, 20);
    const TPixels midRun = form.Snapshot();
    EXPECT_THAT(At(80, 150), HasSubstr("Schmelze + α-MK"));
    EXPECT_FALSE(form.Sonde.Drawn());
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), midRun));
}

INSTANTIATE_TEST_SUITE_P(Screens, ProbeZuTyp3,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

class ProbeZuTyp4 : public Probe {
protected:
    void SetUp() override {
        Open("Peritektisches System mit begrenzter Löslichkeit (\"Typ 4\")", FormZuTyp4);
    }
    std::string At(int x, int y) { return Probe::At(*FormZuTyp4->PaintBoxHaupt, x, y); }
};

TEST_P(ProbeZuTyp4, ReadsThePeritecticAndItsFields) {
    EXPECT_THAT(At(296, 180), HasSubstr("Punkt P, peritektischer Punkt, β-MK, 60 % B"));
    EXPECT_THAT(At(112, 180), HasSubstr("größte Löslichkeit von B in den α-MK, 20 % B"));
    EXPECT_THAT(At(365, 180), HasSubstr("Schmelze der peritektischen Umsetzung, 75 % B"));
    EXPECT_THAT(At(200, 180), HasSubstr("Peritektikale"));
    // The inset shows pictures: nothing to read there.
    EXPECT_EQ(At(420, 100), "");
    // Row 100: α solidus at x 47.1 (6 % B), liquidus at x 234.4 (47 % B), α 71.7 %.
    const std::string above = At(100, 100);
    EXPECT_THAT(above, HasSubstr("Schmelze + α-MK"));
    EXPECT_NEAR(Number(above, "α-MK", "B"), 6, 1);
    EXPECT_NEAR(Number(above, "Schmelze", "B"), 47, 1);
    EXPECT_NEAR(Number(above, "α-MK", "Anteil"), 71, 1);
    // Row 250: α solvus at x 86.3 (14 % B), β solvus at x 306.8 (62 % B), α 48.4 %.
    const std::string below = At(200, 250);
    EXPECT_THAT(below, HasSubstr("α-MK + β-MK"));
    EXPECT_NEAR(Number(below, "α-MK", "B"), 14, 1);
    EXPECT_NEAR(Number(below, "β-MK", "B"), 62, 1);
    EXPECT_NEAR(Number(below, "α-MK", "Anteil"), 48, 1);
    EXPECT_THAT(below, HasSubstr("Gefüge: α-MK + β-MK"));
    // Row 230: the drawn β solidus reaches it at x 383 (rows 230 at 382 and 383, 231 at 384;
    // 79 % B), the drawn liquidus P–B* at x 433 (90 % B); β (433 − 400) / (433 − 383) = 66 %.
    const std::string beta = At(400, 230);
    EXPECT_THAT(beta, HasSubstr("Schmelze + β-MK"));
    EXPECT_NEAR(Number(beta, "β-MK", "B"), 79, 1);
    EXPECT_NEAR(Number(beta, "Schmelze", "B"), 90, 1);
    EXPECT_EQ(Number(beta, "β-MK", "Anteil"), 66);
    EXPECT_THAT(At(350, 300), HasSubstr("β-Mischkristalle"));
}

TEST_P(ProbeZuTyp4, TheInsetAnimationCountsAsARun) {
    TFormZuTyp4& form = *FormZuTyp4;
    harness::Menu(form, "&Start/Stop Alpha in Beta ");
    harness::Ticks(*form.TimerAinB, 3);
    const TPixels midRun = form.Snapshot();
    EXPECT_THAT(At(200, 250), HasSubstr("α-MK + β-MK"));
    EXPECT_FALSE(form.Sonde.Drawn());
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), midRun));
}

INSTANTIATE_TEST_SUITE_P(Screens, ProbeZuTyp4,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
