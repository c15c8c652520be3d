// The two lattice screens: their windows in both layouts, the atoms where the turning circle
// puts them, turning and holding, the quarter turn that brings the cell back, and closing both.

#include "ironcarbon/UnitEKDGESAMT.h"
#include "ironcarbon/UnitFeKFZ.h"
#include "ironcarbon/UnitFeKRZ.h"
#include "platform/Keys.h"
#include "platform/TestForm.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

using harness::Pixel;

namespace {

constexpr const char* Command = "EKS-metastabiler und stabiler Zustand (Ferrit + Austenit)";
constexpr int AtomRadius = 25;

std::array<int, 4> Bounds(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

class Lattice : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(harness::Menu(*FormMenue, Command));
    }
    bool Large() const { return GetParam().first == 1024; }
    // Whether a disc of atom size (less a margin for the rounding) is solid red around (x, y).
    static bool AtomAt(const TForm& form, int x, int y) {
        constexpr int Inner = AtomRadius - 5;
        for (int dy = -Inner; dy <= Inner; ++dy)
            for (int dx = -Inner; dx <= Inner; ++dx)
                if (dx * dx + dy * dy <= Inner * Inner && Pixel(form, x + dx, y + dy) != clRed)
                    return false;
        return true;
    }

    harness::Session session{GetParam().first, GetParam().second};
};

TEST_P(Lattice, WindowsTakeTheRoomBesideTheDiagram) {
    // As created, before the diagram places them: 1024 pixels still count as small, so both
    // stand at round(400 × 1.28).
    const auto want = Large() ? std::array{512, 13, 486, 742} : std::array{400, 10, 380, 580};
    EXPECT_EQ(Bounds(*FormFeKFZ), want);
    EXPECT_EQ(Bounds(*FormFeKRZ), want);
    for (TLatticeForm* form :
         {static_cast<TLatticeForm*>(FormFeKFZ), static_cast<TLatticeForm*>(FormFeKRZ)}) {
        EXPECT_EQ(Bounds(*form->Panel1), (std::array{0, Large() ? 474 : 370, want[2], want[3]}));
        EXPECT_FALSE(form->Timer1->Enabled());
        EXPECT_EQ(form->Timer1->Interval(), 50);
        EXPECT_FALSE(form->Visible());
    }
    EXPECT_EQ(FormFeKFZ->Caption(), "Kubisch-flächenzentriertes Gamma-Eisengitter");
    EXPECT_EQ(FormFeKRZ->Caption(), "Kubisch-raumzentriertes Alpha-Eisengitter");
    EXPECT_EQ(FormFeKFZ->Color(), clYellow);
    EXPECT_EQ(FormFeKRZ->Color(), 0x1CB5FF);
}

TEST_P(Lattice, TheAtomsStandOnTheTurningCircle) {
    harness::Menu(*FormEKDGesamt, "Ferrit/Austen&it");
    // Half the window's width, round(270 × FaktorY), round(40 × factor), round(200 × FaktorY).
    TFormFeKFZ& fcc = *FormFeKFZ;
    EXPECT_EQ(
        (std::array{fcc.cx, fcc.cy, fcc.rx, fcc.ry, fcc.h, fcc.r}),
        (Large() ? std::array{243, 346, 51, 51, 256, 25} : std::array{190, 270, 40, 40, 200, 25}));
    // Corners at 120° and 300°: x = cx + 4 · rx · cos a, y = cy − ry · sin a, and h higher.
    if (Large()) {
        EXPECT_TRUE(AtomAt(fcc, 141, 302));
        EXPECT_TRUE(AtomAt(fcc, 141, 46));
        EXPECT_TRUE(AtomAt(fcc, 345, 390));
    } else {
        EXPECT_TRUE(AtomAt(fcc, 110, 235));
        EXPECT_TRUE(AtomAt(fcc, 110, 35));
        EXPECT_TRUE(AtomAt(fcc, 270, 305));
        // The side face at 75°: 190 + 7 · (40 − 24) · cos 75°, 270 − 30 · sin 75° − 100.
        EXPECT_TRUE(AtomAt(fcc, 219, 141));
    }
    // The face-centred cell has atoms in the top and bottom faces, none in the body's centre;
    // the body-centred one has its atom there.
    EXPECT_TRUE(AtomAt(fcc, fcc.cx, fcc.cy));
    EXPECT_TRUE(AtomAt(fcc, fcc.cx, fcc.cy - fcc.h));
    EXPECT_FALSE(AtomAt(fcc, fcc.cx, Large() ? 218 : 170));
    TFormFeKRZ& bcc = *FormFeKRZ;
    EXPECT_TRUE(AtomAt(bcc, bcc.cx, Large() ? 218 : 170));
    EXPECT_FALSE(AtomAt(bcc, bcc.cx, bcc.cy));
}

TEST_P(Lattice, TurnsOneDegreePerTickAndHoldsItsPositionWhenStopped) {
    harness::Menu(*FormEKDGesamt, "&Austenit");
    TFormFeKFZ& form = *FormFeKFZ;
    const TPixels start = form.Snapshot();
    harness::Menu(form, "&Start");
    EXPECT_EQ(harness::Ticks(*form.Timer1, 10), 10);
    EXPECT_EQ(UnitFeKFZ::Unit.Drehschritt, 10);
    EXPECT_DOUBLE_EQ(static_cast<double>(form.EckWinkel[1]), 40);
    EXPECT_DOUBLE_EQ(static_cast<double>(form.MittenWinkel[4]), 355);
    harness::Menu(form, "Sto&pp");
    EXPECT_EQ(harness::Ticks(*form.Timer1, 5), 0);
    const TPixels turned = form.Snapshot();
    EXPECT_FALSE(harness::SamePixels(start, turned));
    form.Refresh();
    EXPECT_TRUE(harness::SamePixels(turned, form.Snapshot()));

    // Showing the screen again starts it from its start position.
    harness::Key(form, VK_ESCAPE);
    harness::Menu(*FormEKDGesamt, "&Austenit");
    EXPECT_EQ(UnitFeKFZ::Unit.Drehschritt, 0);
    EXPECT_TRUE(harness::SamePixels(start, form.Snapshot()));
}

TEST_P(Lattice, AQuarterTurnBringsEachCellBackToItsStartingPicture) {
    harness::Menu(*FormEKDGesamt, "Ferrit/Austen&it");
    for (TLatticeForm* form :
         {static_cast<TLatticeForm*>(FormFeKFZ), static_cast<TLatticeForm*>(FormFeKRZ)}) {
        const TPixels start = form->Snapshot();
        harness::Menu(*form, "&Start");
        harness::Ticks(*form->Timer1, 45);
        EXPECT_FALSE(harness::SamePixels(start, form->Snapshot())) << form->Caption();
        harness::Ticks(*form->Timer1, 45);
        harness::Menu(*form, "Sto&pp");
        // The corners have moved on by one place.
        EXPECT_DOUBLE_EQ(static_cast<double>(form->EckWinkel[1]), 120);
        EXPECT_TRUE(harness::SamePixels(start, form->Snapshot())) << form->Caption();
    }
}

TEST_P(Lattice, EndOrEscOnEitherScreenClosesBoth) {
    for (TLatticeForm* first :
         {static_cast<TLatticeForm*>(FormFeKFZ), static_cast<TLatticeForm*>(FormFeKRZ)}) {
        for (bool byKey : {false, true}) {
            harness::Menu(*FormEKDGesamt, "Ferrit/Austen&it");
            harness::Menu(*first, "&Start");
            if (byKey)
                harness::Key(*first, VK_ESCAPE);
            else
                harness::Menu(*first, "&Ende");
            EXPECT_FALSE(FormFeKFZ->Visible()) << first->Caption();
            EXPECT_FALSE(FormFeKRZ->Visible()) << first->Caption();
            EXPECT_FALSE(first->Timer1->Enabled());
            // The diagram stays open and takes the learner's input again.
            EXPECT_EQ(harness::ActiveForm(), FormEKDGesamt);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, Lattice,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

TEST(LatticeLayout, LargeScreensPutTheFaceCentredCellAtTheRightEdge) {
    {
        harness::Session session(1280, 1024);
        EXPECT_EQ(Bounds(*FormFeKFZ), (std::array{794, 141, 486, 742}));
        EXPECT_EQ(Bounds(*FormFeKRZ), (std::array{512, 141, 486, 742}));
    }
    // At exactly 1024 pixels the factors come from the screen.
    harness::Session session(1024, 600);
    EXPECT_DOUBLE_EQ(UnitFeKFZ::Unit.FaktorX, 1.28);
    EXPECT_DOUBLE_EQ(UnitFeKFZ::Unit.FaktorY, 1.0);
    EXPECT_EQ(Bounds(*FormFeKFZ), (std::array{512, 10, 486, 580}));
    EXPECT_EQ(Bounds(*FormFeKRZ), (std::array{512, 10, 486, 580}));
}

} // namespace
