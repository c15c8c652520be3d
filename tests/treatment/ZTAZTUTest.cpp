// The temperature-control overview: the steel corner and the time axis in both layouts, the
// band and the ten curves with their tick counts, start and end points and the gap at X 140, the
// window disabled for exactly the run, and Esc, "&Löschen/Neu" and a repaint in the middle of it.

#include "Harness.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"
#include "treatment/UnitZTAZTU.h"

#include <array>

using harness::Pixel;
using UnitZTAZTU::Unit;

namespace {

constexpr TColor Colour1 = 0x000001;
constexpr TColor CurveGreen = 60160;
constexpr TColor AxisGreen = 0x008000;
constexpr int BandTicks = 103;
constexpr int CurveTicks = 63;
constexpr int Interval = 50;

// Where each curve starts, and where its last tick ends: the cooling parabola at X 264 gives
// 304.41, lifted by the curve's b.
constexpr TPoint Starts[] = {{142, 350}, {182, 365}, {222, 380}, {262, 393}, {302, 395},
                             {342, 395}, {382, 395}, {422, 395}, {462, 395}, {502, 395}};
constexpr TPoint Ends[] = {{394, 254}, {434, 269}, {474, 284}, {514, 297}, {554, 299},
                           {594, 299}, {634, 299}, {674, 299}, {714, 299}, {754, 299}};

class ZTAZTU : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(Open());
    }
    bool Open() {
        return harness::Menu(*FormMenue, "Temperaturführung") &&
               harness::ActiveForm() == FormZTAZTU;
    }
    bool Large() const { return GetParam().first >= 1024; }
    // A pixel of the drawing surface.
    TColor At(int x, int y) {
        return Pixel(form, form.PaintBoxHaupt->Left() + x, form.PaintBoxHaupt->Top() + y);
    }
    TPoint Pen() const { return form.PaintBoxHaupt->Canvas.PenPos; }
    void Start() { ASSERT_TRUE(harness::Menu(form, "&Start")); }
    // The whole run, timer by timer; returns the ticks each took.
    std::vector<int> RunAll() {
        std::vector<int> ticks{harness::Ticks(*form.TimerAc, 1000)};
        for (TTimer* t : form.CurveTimers)
            ticks.push_back(harness::Ticks(*t, 1000));
        return ticks;
    }

    harness::Session session{GetParam().first, GetParam().second};
    TFormZTAZTU& form = *FormZTAZTU;
};

std::array<int, 4> Bounds(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

// --- the picture -------------------------------------------------------------------------------

TEST_P(ZTAZTU, LaysOutTheSurfaceAndTheTextForEachLayout) {
    EXPECT_EQ(Bounds(*form.PaintBoxHaupt),
              (Large() ? std::array{100, 50, 760, 492} : std::array{10, 5, 760, 492}));
    EXPECT_EQ(Bounds(*form.MemoErlaeuterung),
              (Large() ? std::array{60, 550, 888, 110} : std::array{50, 424, 690, 90}));
    EXPECT_EQ(form.MemoErlaeuterung->Font().Height, Large() ? 20 : 16);
    EXPECT_TRUE(form.MemoErlaeuterung->Visible());
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 5);
    EXPECT_EQ(form.StatusBarHint->SimpleText(), "ESC = Abbruch");
    harness::ExpectMenuItems(
        form,
        {{"Ende", "&Ende"}, {"ESCAPE", "ESCAPE"}, {"START", "&Start"}, {"Neu", "&Löschen/Neu"}});
    // The backdrop of the large layout: orange around the golden panel.
    if (Large()) {
        EXPECT_EQ(Pixel(form, 40, 300), 0x02ABFD);
        EXPECT_EQ(Pixel(form, 80, 300), 0x00D2FF);
        EXPECT_EQ(Pixel(form, 970, 300), 0x02ABFD);
    } else {
        EXPECT_EQ(Pixel(form, 5, 300), 0xFF2F2F);
    }
}

TEST_P(ZTAZTU, PaintsTheSteelCornerOnItsGradient) {
    // Yellow rows fading to red, then rows two pixels apart darkening from 245.
    EXPECT_EQ(At(720, 100), 0xFFFF - 256 * 100);
    EXPECT_EQ(At(720, 255), 245);
    EXPECT_EQ(At(720, 401), 500 - 328);
    // The frame in the colour the gradient's last row leaves: 8.
    EXPECT_EQ(At(450, 18), 8);
    EXPECT_EQ(At(679, 300), 8); // the right edge, drawn inside
    // The eutectoid vertical in blue below S, the lines of colour 1 through E, S and G.
    EXPECT_EQ(At(390, 300), clBlue);
    EXPECT_EQ(At(390, 164), Colour1);
    EXPECT_EQ(At(500, 164), Colour1); // A1, on to the section's right edge
    EXPECT_EQ(At(656, 37), Colour1);  // E to the right edge at 1148 °C
    EXPECT_EQ(At(642, 37), Colour1);  // E
    EXPECT_EQ(At(231, 108), Colour1); // G
    EXPECT_EQ(At(231, 214), Colour1); // from Q at 500 °C to the bend at 0.02 %
    EXPECT_EQ(At(583, 19), Colour1);  // where E–J leaves through the top edge
    // The time axis: a green arrow and the white edges of the time plane, 4 pixels wide.
    EXPECT_EQ(At(115, 41), AxisGreen);
    EXPECT_EQ(At(10, 300), clWhite);
    EXPECT_EQ(At(140, 46), clWhite);
}

// --- the run -----------------------------------------------------------------------------------

TEST_P(ZTAZTU, TheBandTakes103TicksFromA3DownToA1AndLevelTo648) {
    Start();
    EXPECT_TRUE(form.TimerAc->Enabled());
    EXPECT_EQ(Pen(), (TPoint{240, 100}));
    EXPECT_FLOAT_EQ(Unit.KurveY, 100.4f);
    // Until the first tick the window still takes input.
    EXPECT_TRUE(form.Enabled());
    EXPECT_EQ(harness::Ticks(*form.TimerAc, 1), 1);
    EXPECT_FALSE(form.Enabled());
    EXPECT_EQ(harness::Ticks(*form.TimerAc, 1000), BandTicks - 1);
    EXPECT_FALSE(form.Enabled());
    // The band falls along 0.36 · x + 14 to x 388, then lies level at y 155 up to x 648.
    EXPECT_EQ(At(300, 122), clBlue);
    EXPECT_EQ(At(300, 122 + 7), clBlue);
    EXPECT_NE(At(300, 122 + 12), clBlue);
    EXPECT_EQ(At(388, 154), clBlue);
    EXPECT_EQ(At(500, 155 - 7), clBlue);
    EXPECT_EQ(At(646, 155), clBlue);
    EXPECT_NE(At(648 + 12, 155), clBlue);
    EXPECT_NE(At(240 - 12, 100), clBlue);
    // Then the first curve waits at its start point.
    EXPECT_EQ(Unit.KurveX, 12);
    EXPECT_EQ(Pen(), Starts[0]);
    EXPECT_TRUE(form.CurveTimers[0]->Enabled());
}

TEST_P(ZTAZTU, EachCurveTakes63TicksFromItsStartToItsEnd) {
    Start();
    harness::Ticks(*form.TimerAc, 1000);
    std::vector<TTextWritten> written;
    WatchTexts([&](const TTextWritten& t) { written.push_back(t); });
    for (int i = 0; i < UnitZTAZTU::Curves; ++i) {
        TTimer& timer = *form.CurveTimers[i];
        ASSERT_TRUE(timer.Enabled()) << i;
        EXPECT_EQ(Pen(), Starts[i]) << i;
        EXPECT_EQ(harness::Ticks(timer, CurveTicks - 1), CurveTicks - 1);
        // X 260, 299.92 on the cooling parabola: one tick short of the end.
        EXPECT_EQ(Pen(), (TPoint{Ends[i].X - 4, Ends[i].Y - 4})) << i;
        EXPECT_FALSE(form.Enabled());
        EXPECT_EQ(harness::Ticks(timer, 1000), 1) << i;
        EXPECT_EQ(At(Ends[i].X - 2, Ends[i].Y - 2), CurveGreen) << i;
    }
    WatchTexts({});
    EXPECT_TRUE(form.Enabled());
    EXPECT_FALSE(form.Running());
    // The stages are named once, after the first curve, in black without background.
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[1].Text, "Halten");
    EXPECT_EQ(written[1].Font.Color, clBlack);
    EXPECT_FALSE(written[1].Opaque);
    // The first curve: its start below the heating, the top of the heating, the holding line.
    EXPECT_EQ(At(144, 332), CurveGreen);
    EXPECT_EQ(At(182, 136), CurveGreen);
    EXPECT_EQ(At(226, 117), CurveGreen);
}

TEST_P(ZTAZTU, NothingIsDrawnAtX140) {
    Start();
    harness::Ticks(*form.TimerAc, 1000);
    TTimer& first = *form.CurveTimers[0];
    // 31 ticks reach X 136, the last point of the holding: 207 − 0.42 · 136 − 50.
    EXPECT_EQ(harness::Ticks(first, 31), 31);
    EXPECT_EQ(Pen(), (TPoint{266, 100}));
    const TPixels before = form.Snapshot();
    EXPECT_EQ(harness::Ticks(first, 1), 1);
    EXPECT_EQ(Unit.KurveX, 140);
    EXPECT_EQ(Pen(), (TPoint{266, 100}));
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), before));
    // The next tick joins holding and cooling with one line.
    EXPECT_EQ(harness::Ticks(first, 1), 1);
    EXPECT_EQ(Pen(), (TPoint{274, 103}));
    EXPECT_EQ(UnitZTAZTU::CourseY(140), std::nullopt);
}

TEST_P(ZTAZTU, TheWholeRunTakes733TicksOf50Milliseconds) {
    Start();
    for (int tick = 1; tick < BandTicks + UnitZTAZTU::Curves * CurveTicks; ++tick) {
        Clock::Advance(Interval);
        ASSERT_FALSE(form.Enabled()) << tick;
    }
    ASSERT_TRUE(form.Running());
    Clock::Advance(Interval);
    harness::Settle();
    EXPECT_TRUE(form.Enabled());
    EXPECT_FALSE(form.Running());
}

// --- commands in and around the run ------------------------------------------------------------

TEST_P(ZTAZTU, EscMidRunThenASecondRunDrawsTheSamePicture) {
    Start();
    EXPECT_EQ(RunAll(), (std::vector<int>{BandTicks, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63}));
    const TPixels complete = form.Snapshot();
    for (int stop : {50, BandTicks + 100, BandTicks + 9 * CurveTicks + 5}) {
        Start();
        for (int t = 0; t < stop; ++t)
            Clock::Advance(Interval);
        ASSERT_FALSE(form.Enabled());
        // Esc still acts on the disabled window and stops the run.
        EXPECT_TRUE(harness::Key(form, VK_ESCAPE));
        EXPECT_FALSE(form.Visible());
        EXPECT_FALSE(form.Running()) << stop;
        EXPECT_TRUE(form.Enabled());
        Clock::Advance(10 * Interval);
        ASSERT_TRUE(Open());
        Start();
        EXPECT_EQ(RunAll().front(), BandTicks) << stop;
        EXPECT_TRUE(harness::SamePixels(form.Snapshot(), complete)) << stop;
    }
}

TEST_P(ZTAZTU, NeuBeforeTheFirstTickAndStartAfterTheRunBeginAfresh) {
    const TPixels fresh = form.Snapshot();
    Start();
    RunAll();
    const TPixels complete = form.Snapshot();
    // Started again when done, the run's drawing goes at once; "Neu" before the first tick
    // stops the new run and leaves the bare diagram.
    Start();
    EXPECT_FALSE(harness::SamePixels(form.Snapshot(), complete));
    ASSERT_TRUE(harness::Menu(form, "&Löschen/Neu"));
    EXPECT_FALSE(form.Running());
    Clock::Advance(10 * Interval);
    EXPECT_TRUE(form.Enabled());
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), fresh));
    Start();
    RunAll();
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), complete));
    // While the run goes on the menu does not act: no second start, no clearing.
    Start();
    harness::Ticks(*form.TimerAc, 10);
    const int x = Unit.KurveX;
    EXPECT_FALSE(form.ChooseMenu(*form.START));
    EXPECT_FALSE(form.ChooseMenu(*form.Neu));
    EXPECT_EQ(Unit.KurveX, x);
    EXPECT_TRUE(form.TimerAc->Enabled());
}

TEST_P(ZTAZTU, ARepaintMidCurveGoesOnFromTheCurrentPoint) {
    Start();
    harness::Ticks(*form.TimerAc, 1000);
    EXPECT_EQ(harness::Ticks(*form.CurveTimers[0], 20), 20);
    const TPoint head = Pen();
    form.Refresh();
    // The band and the curve so far are gone; the pen waits where the curve stood.
    EXPECT_NE(At(300, 122), clBlue);
    EXPECT_EQ(Pen(), head);
    EXPECT_EQ(harness::Ticks(*form.CurveTimers[0], 1), 1);
    EXPECT_EQ(At(head.X, head.Y), CurveGreen);
    // No line from the curve's own coordinates, 130 to the left and 50 lower, to its place.
    for (int y = head.Y - 10; y <= head.Y + 60; ++y)
        EXPECT_NE(At(head.X - 65, y), CurveGreen) << y;
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, ZTAZTU,
                         testing::Values(std::make_pair(800, 600), std::make_pair(1024, 768)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

} // namespace
