// Pure iron: the two curves piece by piece with the points they pass, the guide lines and names,
// the lattice panel during the arrests, the commands and the menu states they leave, in both
// fixed layouts.

#include "Harness.h"
#include "ironcarbon/UnitReineisen.h"
#include "phase/SegmentChainTesting.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

#include <array>

using harness::Pixel;
using UnitReineisen::Unit;

namespace {

constexpr TColor Gold = 0x00D2FF;
constexpr TColor Green = 0x008235;
constexpr int CoolingTicks = 113;
constexpr int HeatingTicks = 110;

std::vector<float> Pieces(const UnitReineisen::Positions& p) {
    return {p.begin() + 1, p.end()};
}

// --- the curves as chains ---------------------------------------------------------------------

TEST(PureIronCurves, CoolingPassesItsPointsPieceByPiece) {
    harness::ChainRun run(UnitReineisen::Cooling, Pieces(UnitReineisen::CoolingStart), {32, 20});
    EXPECT_EQ(run.EndTick, CoolingTicks);
    // Melt, 1536 °C arrest, δ, 1392 °C arrest, γ, 906 °C arrest, α, Curie point, magnetic α.
    const int begins[] = {1, 6, 32, 39, 52, 81, 90, 99, 108};
    for (std::size_t k = 0; k < 9; ++k)
        EXPECT_EQ(run.BeginTick(k), begins[k]) << "piece " << k + 1;
    // The tick that brings a piece to its end already draws the next piece's first point.
    EXPECT_TRUE(run.DrawnOn(6, {38, 63}));
    EXPECT_TRUE(run.DrawnOn(6, {39, 65}));
    EXPECT_TRUE(run.DrawnOn(32, {65, 65}));
    EXPECT_TRUE(run.DrawnOn(39, {73, 107}));
    EXPECT_TRUE(run.DrawnOn(39, {74, 113}));
    EXPECT_TRUE(run.DrawnOn(52, {87, 113}));
    // The γ piece starts at 86, one pixel back from the arrest's end.
    EXPECT_TRUE(run.DrawnOn(52, {86, 113}));
    EXPECT_TRUE(run.DrawnOn(81, {115, 275}));
    EXPECT_TRUE(run.DrawnOn(81, {116, 275}));
    EXPECT_TRUE(run.DrawnOn(90, {126, 274}));
    EXPECT_TRUE(run.DrawnOn(99, {135, 320}));
    EXPECT_TRUE(run.DrawnOn(108, {145, 320}));
    EXPECT_EQ(run.Points.back().back(), (TPoint{151, 347}));
    // Each arrest is flat over its whole length.
    for (int x = 39; x <= 65; ++x)
        EXPECT_NE(run.TickOf({x, 65}), 0) << x;
    for (int x = 116; x <= 125; ++x)
        EXPECT_NE(run.TickOf({x, 275}), 0) << x;
}

TEST(PureIronCurves, HeatingPassesItsPointsPieceByPiece) {
    harness::ChainRun run(UnitReineisen::Heating, Pieces(UnitReineisen::HeatingStart), {320, 347});
    EXPECT_EQ(run.EndTick, HeatingTicks);
    const int begins[] = {1, 5, 14, 23, 32, 59, 72, 79, 106};
    for (std::size_t k = 0; k < 9; ++k)
        EXPECT_EQ(run.BeginTick(k), begins[k]) << "piece " << k + 1;
    EXPECT_TRUE(run.DrawnOn(5, {325, 319}));
    EXPECT_TRUE(run.DrawnOn(5, {326, 320}));
    EXPECT_TRUE(run.DrawnOn(23, {345, 279}));
    EXPECT_TRUE(run.DrawnOn(23, {346, 273}));
    EXPECT_TRUE(run.DrawnOn(59, {383, 112}));
    EXPECT_TRUE(run.DrawnOn(59, {384, 113}));
    // 547 − 0.02 × 155² is 66.5 exactly and goes to the even row.
    EXPECT_TRUE(run.DrawnOn(79, {405, 66}));
    EXPECT_TRUE(run.DrawnOn(79, {406, 65}));
    EXPECT_EQ(run.Points.back().back(), (TPoint{438, 20}));
    for (int x = 406; x <= 433; ++x)
        EXPECT_NE(run.TickOf({x, 65}), 0) << x;
}

// --- the screen ---------------------------------------------------------------------------

class Reineisen : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(Open());
    }
    bool Open() {
        return harness::Menu(*FormMenue, "Reineisen") && harness::ActiveForm() == FormReineisen;
    }
    bool Large() const { return GetParam().first >= 1024; }
    TColor Diagram(int x, int y) {
        return Pixel(form, form.PaintBoxHaupt->Left() + x, form.PaintBoxHaupt->Top() + y);
    }
    TColor Panel(int x, int y) {
        return Pixel(form, form.PaintBoxUmwandlung->Left() + x, form.PaintBoxUmwandlung->Top() + y);
    }
    void Cool() { harness::Menu(form, "&Abkühlung"); }
    void Heat() { harness::Menu(form, "A&ufheizung"); }
    int CoolTicks(int n) { return harness::Ticks(*form.TimerAbkuehl, n); }
    int HeatTicks(int n) { return harness::Ticks(*form.TimerAufheiz, n); }
    std::array<bool, 4> Items() const {
        return {form.Ende->Enabled(), form.Abkuehlung->Enabled(), form.Aufheizung->Enabled(),
                form.Neu->Enabled()};
    }

    harness::Session session{GetParam().first, GetParam().second};
    TFormReineisen& form = *FormReineisen;
};

std::array<int, 4> BoundsOf(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

TEST_P(Reineisen, TakesItsFixedLayoutAndText) {
    using B = std::array<int, 4>;
    EXPECT_EQ(BoundsOf(*form.PaintBoxHaupt),
              (Large() ? B{100, 50, 500, 400} : B{20, 10, 500, 400}));
    EXPECT_EQ(BoundsOf(*form.PaintBoxHilfslinien), BoundsOf(*form.PaintBoxHaupt));
    EXPECT_EQ(BoundsOf(*form.PaintBoxUmwandlung),
              (Large() ? B{670, 50, 250, 570} : B{520, 10, 250, 520}));
    EXPECT_EQ(BoundsOf(*form.MemoErlaeuterung),
              (Large() ? B{70, 470, 560, 150} : B{20, 405, 500, 120}));
    EXPECT_DOUBLE_EQ(Unit.FaktorY, Large() ? 1.28 : 1.0);
    EXPECT_EQ(form.MemoErlaeuterung->Font().Height, Large() ? 20 : 16);
    EXPECT_TRUE(form.MemoErlaeuterung->Visible());
    ASSERT_EQ(form.MemoErlaeuterung->LinesCount(), 7);
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(0),
              " Die Umwandlung des kubisch-raumzentrierten (krz) in das ");
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(6),
              " die Atome der Flächenmitten eine kleinere krz-Zelle bilden. ");
    EXPECT_EQ(form.Caption(), "Reines Eisen: Abkühl- und Aufheizkurve");
    EXPECT_EQ(form.StatusBarHint->SimpleText(), "ESC = Abbruch");
    EXPECT_EQ(form.TimerAbkuehl->Interval(), 100);
    EXPECT_EQ(form.TimerAufheiz->Interval(), 100);
    // The backdrop in orange round the large layout only.
    if (Large()) {
        EXPECT_EQ(Pixel(form, 45, 300), 0x02ABFD);
        EXPECT_EQ(Pixel(form, 40, 300), clBlack);
    }
    EXPECT_EQ(Pixel(form, 10, 300), 0xFF2F2F);
    harness::ExpectMenuItems(form, {{"Ende", "&Ende"},
                                    {"Abkuehlung", "&Abkühlung"},
                                    {"Aufheizung", "A&ufheizung"},
                                    {"Neu", "&Neu"},
                                    {"ESCAPE", "ESC = Abbruch"}});
}

TEST_P(Reineisen, DrawsTheEmptyDiagramAndPanel) {
    EXPECT_EQ(Diagram(0, 0), Gold); // filled edge to edge, no outline
    EXPECT_EQ(Diagram(499, 399), Gold);
    EXPECT_EQ(Diagram(100, 20), clBlack); // the field's outline above the first colour row
    EXPECT_EQ(Diagram(100, 50), clYellow);
    EXPECT_EQ(Diagram(100, 200), 83455 - 256 * 200);
    EXPECT_EQ(Diagram(100, 370), 905 - 2 * 370); // the last row, under the field
    EXPECT_EQ(Diagram(449, 200), 83455 - 256 * 200);
    EXPECT_EQ(Diagram(460, 200), Gold);
    EXPECT_EQ(Panel(0, 100), clRed); // outlined in the panel's red pen
    EXPECT_EQ(Panel(100, 100), clYellow);
}

TEST_P(Reineisen, CoolingRunsDisabledAndEndsOnTick113) {
    Cool();
    EXPECT_TRUE(form.TimerAbkuehl->Enabled());
    EXPECT_FALSE(form.Enabled());
    EXPECT_EQ(Items(), (std::array{false, false, false, false}));
    // Nothing but Esc acts: no menu command, no mouse, no close box.
    EXPECT_FALSE(form.ChooseMenu(*form.Neu));
    form.CloseBoxClicked();
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(CoolTicks(200), CoolingTicks);
    EXPECT_FALSE(form.TimerAbkuehl->Enabled());
    EXPECT_TRUE(form.Enabled());
    EXPECT_EQ(Unit.AbkuehlX[9], 151);
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, (TPoint{151, 347}));
    // Only the heating curve is left to draw.
    EXPECT_EQ(Items(), (std::array{true, false, true, true}));
    Heat();
    EXPECT_EQ(HeatTicks(200), HeatingTicks);
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, (TPoint{438, 20}));
    EXPECT_EQ(Items(), (std::array{true, false, false, true}));
    // Both curves stand side by side, their 1536 °C arrests under the guide lines at row 65.
    EXPECT_EQ(Diagram(50, 66), Green);
    EXPECT_EQ(Diagram(50, 65), clBlack);
    EXPECT_EQ(Diagram(420, 66), Green);
}

TEST_P(Reineisen, HeatingFirstLeavesTheCoolingCurveToDraw) {
    Heat();
    EXPECT_EQ(HeatTicks(200), HeatingTicks);
    EXPECT_EQ(Items(), (std::array{true, true, false, true}));
    Cool();
    EXPECT_EQ(CoolTicks(200), CoolingTicks);
    EXPECT_EQ(Items(), (std::array{true, false, false, true}));
}

TEST_P(Reineisen, NeuClearsTheDiagramAndOffersBothCurvesAgain) {
    const TPixels fresh = form.Snapshot();
    Cool();
    CoolTicks(200);
    Heat();
    HeatTicks(200);
    EXPECT_FALSE(harness::SamePixels(fresh, form.Snapshot()));
    harness::Menu(form, "&Neu");
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    EXPECT_EQ(Items(), (std::array{true, true, true, true}));
    EXPECT_EQ(Unit.AbkuehlX[9], 145);
    EXPECT_EQ(Unit.AufheizX[9], 433);
    Cool();
    EXPECT_EQ(CoolTicks(200), CoolingTicks);
}

TEST_P(Reineisen, EscAbortsAndTheNextOpeningIsClean) {
    const TPixels fresh = form.Snapshot();
    Cool();
    CoolTicks(200);
    const TPixels cooled = form.Snapshot();
    harness::Menu(form, "&Neu");
    Cool();
    CoolTicks(60);
    EXPECT_TRUE(harness::Key(form, VK_ESCAPE));
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    EXPECT_FALSE(form.TimerAbkuehl->Enabled());
    EXPECT_TRUE(form.Enabled());
    EXPECT_EQ(Items(), (std::array{true, true, true, true}));
    ASSERT_TRUE(Open());
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    // The next curve draws exactly what the first one drew.
    Cool();
    EXPECT_EQ(CoolTicks(200), CoolingTicks);
    EXPECT_TRUE(harness::SamePixels(cooled, form.Snapshot()));
    harness::Menu(form, "&Ende");
    EXPECT_FALSE(form.Visible());
    // "&Ende" offers both curves again, though the diagram it leaves was complete.
    EXPECT_EQ(Items(), (std::array{true, true, true, true}));
}

TEST_P(Reineisen, TheCloseBoxAfterACurveKeepsItsCommandDisabled) {
    Cool();
    CoolTicks(200);
    form.CloseBoxClicked();
    EXPECT_FALSE(form.Visible());
    ASSERT_TRUE(Open());
    EXPECT_EQ(Items(), (std::array{true, false, true, true}));
}

TEST_P(Reineisen, NamesEachArrestWhileItIsDrawn) {
    Cool();
    CoolTicks(6);                        // the 1536 °C arrest begins
    EXPECT_EQ(Diagram(25, 65), clBlack); // its guide line, left of the curve
    EXPECT_EQ(Diagram(190, 65), clBlack);
    EXPECT_EQ(Diagram(205, 30), clYellow); // "Schmelze" on yellow, from tick 1
    CoolTicks(26 + 7);                     // the δ/γ arrest: 1392 °C, "Ar(4)" on orange
    EXPECT_EQ(Diagram(26, 98), 0x00CDFF);
    EXPECT_EQ(Diagram(190, 113), clBlack);
    EXPECT_EQ(Diagram(210, 77), clBlue); // "DELTA-Fe" on blue, drawn at the δ piece
    CoolTicks(13 + 29);                  // the γ/α arrest: "Ar(3)" and "906°C" on red 254
    EXPECT_EQ(Diagram(23, 280), 0x0000FE);
    EXPECT_EQ(Diagram(215, 180), 0x0000DE); // "GAMMA-Fe"
    CoolTicks(200);
    EXPECT_EQ(Diagram(195, 330), clBlue);  // "Eisen magnetisch"
    EXPECT_EQ(Diagram(23, 325), 0x0000FE); // "769°C"
    harness::Menu(form, "A&ufheizung");
    HeatTicks(23); // the α/γ arrest on heating: "911°C" and "Ac(3)"
    EXPECT_EQ(Diagram(413, 278), 0x0000FE);
    EXPECT_EQ(Diagram(440, 273), clBlack);
    EXPECT_EQ(Diagram(416, 305), 0x0000FE); // "Ac(2)" from the Curie point
}

TEST_P(Reineisen, ThePanelChangesTheCellDuringTheArrests) {
    Cool();
    CoolTicks(6);
    // δ-iron at the top: the body-centred cell, atoms at (150 + 12, 210 + 12 − 180) …
    EXPECT_EQ(Panel(162, 42), clBlue);
    EXPECT_EQ(Panel(170, 70), clBlue); // … and its centre atom
    CoolTicks(33);                     // tick 39: the cell appears in the middle
    EXPECT_EQ(Panel(162, 222), clBlue);
    CoolTicks(6);                         // tick 45: one frame of the change, shape 86 − 80 = 6
    EXPECT_EQ(Panel(114, 250), clBlue);   // its left edge at 120 − 6
    EXPECT_EQ(Panel(113, 250), clYellow); // the frame before is gone
    EXPECT_EQ(Unit.ZellVersatz, 6);
    CoolTicks(6); // tick 51: the face-centred picture
    EXPECT_EQ(Panel(100, 160), clRed);
    EXPECT_EQ(Panel(240, 340), clRed);
    EXPECT_EQ(Panel(150, 210), clBlue); // face centres forming the small body-centred cell
    EXPECT_EQ(Unit.ZellVersatz, 0);
    CoolTicks(38); // tick 89: α-iron at the bottom, body-centred again
    EXPECT_EQ(Panel(162, 422), clBlue);
    EXPECT_EQ(Unit.ZellVersatz, 12);
    EXPECT_EQ(Panel(100, 160), clRed); // the face-centred picture stays above
}

TEST_P(Reineisen, HeatingShowsTheCellsInTheOppositeOrder) {
    Heat();
    HeatTicks(1);
    EXPECT_EQ(Panel(162, 422), clBlue); // α-iron at the bottom first
    EXPECT_EQ(Panel(162, 42), clYellow);
    HeatTicks(30); // tick 31: the last frame, then the face-centred picture
    EXPECT_EQ(Panel(100, 160), clRed);
    EXPECT_EQ(Panel(150, 210), clBlue);
    HeatTicks(39); // tick 70: δ-iron at the top in shape 11
    EXPECT_EQ(Unit.ZellVersatz, 11);
    EXPECT_EQ(Panel(161, 41), clBlue);
}

INSTANTIATE_TEST_SUITE_P(Screens, Reineisen,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
