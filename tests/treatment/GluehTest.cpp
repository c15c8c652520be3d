// Annealing processes: the steel corner on its grid in both layouts, each band from its first to
// its last tick with the points it passes, its name and explanation, the coarse-grain field, and
// the commands around them: "Neu", Esc in the middle of a band, and band commands typed quickly.

#include "Harness.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"
#include "treatment/UnitGlueh.h"

#include <array>
#include <tuple>

using harness::Pixel;
using UnitGlueh::Unit;

namespace {

constexpr TColor Colour1 = 0x000001;
constexpr TColor Red = 255;
constexpr TColor DarkGreen = 32768;
constexpr TColor LightGreen = 55555;
constexpr TColor YellowGreen = 65454;
constexpr TColor Purple = 8388736;
constexpr int IntroLines = 5;

class Glueh : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(Open());
    }
    bool Open() {
        return harness::Menu(*FormMenue, "Glühverfahren") && harness::ActiveForm() == FormGlueh;
    }
    bool Large() const { return GetParam().first >= 1024; }
    // A pixel of the diagram's surface; the text box covers its left part.
    TColor At(int x, int y) {
        return Pixel(form, form.PaintBoxHaupt->Left() + x, form.PaintBoxHaupt->Top() + y);
    }
    int Run(TTimer& timer) { return harness::Ticks(timer, 200); }
    int Lines() const { return form.MemoErlaeuterung->LinesCount(); }
    std::array<bool, 6> Commands() const {
        return {form.NORMAL->Enabled(),   form.Diffusionsgluehen->Enabled(),
                form.Grobkorn->Enabled(), form.ARM->Enabled(),
                form.Re->Enabled(),       form.WEICH->Enabled()};
    }
    // The band is complete: its timer stopped, the screen takes input again, the command is off.
    void ExpectComplete(TTimer& timer, TMenuItem& command) {
        EXPECT_FALSE(timer.Enabled());
        EXPECT_TRUE(form.Enabled());
        EXPECT_FALSE(command.Enabled());
        EXPECT_FALSE(form.BandRunning());
    }

    harness::Session session{GetParam().first, GetParam().second};
    TFormGlueh& form = *FormGlueh;
};

// --- the diagram -------------------------------------------------------------------------------

TEST_P(Glueh, LaysOutTheDiagramBesideTheText) {
    using B = std::array<int, 4>;
    const TControl& box = *form.PaintBoxHaupt;
    const TControl& memo = *form.MemoErlaeuterung;
    EXPECT_EQ((B{box.Left(), box.Top(), box.Width(), box.Height()}),
              (Large() ? B{250, 60, 740, 540} : B{60, 0, 740, 520}));
    EXPECT_EQ((B{memo.Left(), memo.Top(), memo.Width(), memo.Height()}),
              (Large() ? B{20, 60, 380, 540} : B{0, 0, 250, 520}));
    EXPECT_EQ(memo.Font().Height, Large() ? 20 : 16);
    EXPECT_FALSE(form.MemoErlaeuterung->ReadOnly());
    EXPECT_EQ(Unit.RasterX, 39);
    EXPECT_EQ(Unit.RasterY, Large() ? 63 : 60);
    ASSERT_EQ(Lines(), IntroLines);
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(0), " Die Grafik zeigt schematisch für Glüh-");
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(4), " ");
    EXPECT_EQ(form.StatusBarHint->SimpleText(), "ESC = Abbruch");
    for (TTimer* t :
         {form.TimerNORMAL, form.TimerHOMO, form.TimerArm, form.TimerRE, form.TimerWEICH}) {
        EXPECT_FALSE(t->Enabled());
        EXPECT_EQ(t->Interval(), 1);
    }
    harness::ExpectMenuItems(form, {{"Ende", "&Ende"},
                                    {"ESCAPE", "ESCAPE"},
                                    {"NORMAL", "&Normalglühen"},
                                    {"Diffusionsgluehen", "&Diffusionsglühen"},
                                    {"Grobkorn", "&Grobkornglühen"},
                                    {"ARM", "&Spannungsfreiglühen"},
                                    {"Re", "&Rekristallisationsglühen"},
                                    {"WEICH", "&Weichglühen"},
                                    {"Neu", "&Löschen/Neu"}});
    // The backdrop panels of the large layout: orange outside, golden inside.
    if (Large()) {
        EXPECT_EQ(Pixel(form, 12, 300), 0x02ABFD);
        EXPECT_EQ(Pixel(form, 17, 630), 0x02ABFD);
        EXPECT_EQ(Pixel(form, 17, 610), 0x00D2FF);
    }
}

TEST_P(Glueh, DrawsTheSteelCornerOnItsGrid) {
    const int bottom = Large() ? 520 : 500;
    // The grid points of the phase boundaries, as they land in each layout.
    for (TPoint p : Large()
                        ? std::vector<TPoint>{{386, 293}, {632, 158}, {230, 233}, {230, 35}}
                        : std::vector<TPoint>{
                              {386, 283}, {632, 156}, {230, 227}, {234, 283}, {288, 52}, {328, 52}})
        EXPECT_EQ(At(p.X, p.Y), Colour1) << p.X << "," << p.Y;
    // P–S–K at 722 °C runs to the frame's right edge; the 0.8 % line stands blue below S.
    const int s = Large() ? 293 : 283;
    EXPECT_EQ(At(500, s), Colour1);
    EXPECT_EQ(At(386, (s + bottom) / 2), clBlue);
    // The frame, 3 pixels wide, from (230, 20) to (660, bottom).
    EXPECT_EQ(At(230, 300), clBlack);
    EXPECT_EQ(At(659, 300), clBlack);
    EXPECT_EQ(At(450, 20), clBlack);
    // Yellow above y 100, then rows of width 3 fading towards orange-red: y 300 lies in row 87.
    EXPECT_EQ(At(700, 50), clYellow);
    EXPECT_EQ(At(700, 300), 70655 - 256 * 87);
    EXPECT_EQ(At(700, 100), clYellow);
}

// --- the bands ---------------------------------------------------------------------------------

TEST_P(Glueh, NormalisingRisesAlongGSAndRunsLevelTo608) {
    harness::Menu(form, "&Normalglühen");
    EXPECT_TRUE(form.TimerNORMAL->Enabled());
    EXPECT_FALSE(form.NORMAL->Enabled());
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, (TPoint{240, 222}));
    // The first tick takes the screen's input away and explains the process.
    EXPECT_EQ(harness::Ticks(*form.TimerNORMAL, 1), 1);
    EXPECT_FALSE(form.Enabled());
    EXPECT_FALSE(form.ChooseMenu(*form.Neu));
    EXPECT_EQ(Lines(), IntroLines + 7);
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(IntroLines + 1), " Normalglühen:");
    EXPECT_EQ(Run(*form.TimerNORMAL), 92);
    ExpectComplete(*form.TimerNORMAL, *form.NORMAL);
    EXPECT_EQ(Unit.GluehX, 612);
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, (TPoint{608, 277}));
    // 0.36 · 300 + 136 = 244 on the slope, y 277 on the level part.
    EXPECT_EQ(At(300, 244), clBlue);
    EXPECT_EQ(At(388, 276), clBlue);
    EXPECT_EQ(At(500, 277 + 8), clBlue);
    EXPECT_NE(At(500, 277 + 12), clBlue);
    // The name in white on its blue box.
    EXPECT_EQ(At(631, 268), clBlue);
    EXPECT_EQ(Lines(), IntroLines + 7);
}

TEST_P(Glueh, DiffusionNarrowsToAPointAt596) {
    harness::Menu(form, "&Diffusionsglühen");
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, (TPoint{260, 173}));
    EXPECT_EQ(Run(*form.TimerHOMO), 86);
    ExpectComplete(*form.TimerHOMO, *form.Diffusionsgluehen);
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, (TPoint{596, 173}));
    EXPECT_EQ(At(400, 173 + 27), Red);
    EXPECT_EQ(At(530, 173 - 27), Red);
    // Narrowing: the segment to 592 is 6 pixels wide.
    EXPECT_EQ(At(590, 173), Red);
    EXPECT_NE(At(590, 173 - 8), Red);
    EXPECT_EQ(Lines(), IntroLines + 7);
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(IntroLines + 1),
              " Diffusionsglühen (Homogenisieren):");
}

TEST_P(Glueh, StressReliefEndsAt618) {
    harness::Menu(form, "&Spannungsfreiglühen");
    EXPECT_EQ(Run(*form.TimerArm), 93);
    ExpectComplete(*form.TimerArm, *form.ARM);
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, (TPoint{618, 330}));
    EXPECT_EQ(At(260, 330 + 15), DarkGreen);
    EXPECT_EQ(At(600, 330 - 15), DarkGreen);
    EXPECT_NE(At(600, 330 + 20), DarkGreen);
    EXPECT_EQ(Lines(), IntroLines + 5);
}

TEST_P(Glueh, RecrystallisationAloneShowsOnlyItsOwnBand) {
    harness::Menu(form, "&Rekristallisationsglühen");
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, (TPoint{264, 331}));
    EXPECT_EQ(Run(*form.TimerRE), 90);
    ExpectComplete(*form.TimerRE, *form.Re);
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, (TPoint{616, 330}));
    EXPECT_EQ(At(600, 330), LightGreen);
    EXPECT_EQ(At(600, 330 + 28), LightGreen);
    EXPECT_EQ(At(600, 330 - 28), LightGreen);
}

TEST_P(Glueh, RecrystallisationAfterStressReliefKeepsTheNarrowBandOnTop) {
    harness::Menu(form, "&Spannungsfreiglühen");
    Run(*form.TimerArm);
    harness::Menu(form, "&Rekristallisationsglühen");
    EXPECT_EQ(Run(*form.TimerRE), 90);
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, (TPoint{620, 330}));
    EXPECT_EQ(At(600, 330 + 10), DarkGreen);
    EXPECT_EQ(At(600, 330 + 25), LightGreen);
    EXPECT_EQ(Lines(), IntroLines + 5 + 7);
}

TEST_P(Glueh, SoftAnnealingStepsUpAndWidensBeyond416) {
    harness::Menu(form, "&Weichglühen");
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, (TPoint{244, 301}));
    // Its explanation comes with the sixth tick, at x 268.
    EXPECT_EQ(harness::Ticks(*form.TimerWEICH, 5), 5);
    EXPECT_EQ(Lines(), IntroLines);
    EXPECT_EQ(harness::Ticks(*form.TimerWEICH, 1), 1);
    EXPECT_EQ(Lines(), IntroLines + 8);
    EXPECT_EQ(Run(*form.TimerWEICH), 95 - 6);
    ExpectComplete(*form.TimerWEICH, *form.WEICH);
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, (TPoint{624, 292}));
    EXPECT_EQ(At(300, 300 + 8), YellowGreen);
    EXPECT_NE(At(300, 300 + 12), YellowGreen);
    EXPECT_EQ(At(500, 292 + 15), YellowGreen);
    EXPECT_EQ(At(500, 292 - 15), YellowGreen);
}

TEST_P(Glueh, CoarseGrainAppearsAtOnce) {
    harness::Menu(form, "&Grobkornglühen");
    EXPECT_FALSE(form.BandRunning());
    EXPECT_TRUE(form.Enabled());
    EXPECT_FALSE(form.Grobkorn->Enabled());
    EXPECT_EQ(At(300, 212), Purple);
    EXPECT_EQ(At(383, 230), Purple);
    EXPECT_NE(At(300, 225), Purple); // below the field's lower edge
    EXPECT_EQ(Lines(), IntroLines + 10);
    EXPECT_FALSE(form.ChooseMenu(*form.Grobkorn));
    EXPECT_EQ(Lines(), IntroLines + 10);
}

// The purple of the coarse-grain field on the diagram's surface, pixel by pixel.
std::vector<bool> PurpleOf(const TFormGlueh& form) {
    const TPixels p = form.Snapshot();
    const TControl& box = *form.PaintBoxHaupt;
    std::vector<bool> purple;
    for (int y = box.Top(); y < box.Top() + box.Height(); ++y)
        for (int x = box.Left(); x < box.Left() + box.Width(); ++x)
            purple.push_back(ColorOfPixel(p.at(x, y)) == Purple);
    return purple;
}

// Whatever band came before, the field has the outline it has on a fresh screen: a wide band's
// pen must not turn it into a blob over the other bands.
TEST_P(Glueh, CoarseGrainLooksTheSameAfterEveryBand) {
    harness::Menu(form, "&Grobkornglühen");
    const std::vector<bool> fresh = PurpleOf(form);
    for (auto [caption, timer] : {std::pair{"&Diffusionsglühen", form.TimerHOMO},
                                  std::pair{"&Normalglühen", form.TimerNORMAL},
                                  std::pair{"&Spannungsfreiglühen", form.TimerArm},
                                  std::pair{"&Rekristallisationsglühen", form.TimerRE},
                                  std::pair{"&Weichglühen", form.TimerWEICH}}) {
        harness::Menu(form, "&Löschen/Neu");
        harness::Menu(form, caption);
        Run(*timer);
        ASSERT_FALSE(form.BandRunning()) << caption;
        harness::Menu(form, "&Grobkornglühen");
        EXPECT_TRUE(PurpleOf(form) == fresh) << caption;
    }
}

// Every command's explanation comes into view as it is added, though the text grows past the
// box's edge after a few of them; the text itself stays whole, and "Neu" shows it from the top.
TEST_P(Glueh, EachExplanationScrollsIntoView) {
    TMemo& memo = *form.MemoErlaeuterung;
    int lines = IntroLines;
    for (auto [caption, timer, added] : {std::tuple{"&Normalglühen", form.TimerNORMAL, 7},
                                         std::tuple{"&Diffusionsglühen", form.TimerHOMO, 7},
                                         std::tuple{"&Grobkornglühen", (TTimer*)nullptr, 10},
                                         std::tuple{"&Spannungsfreiglühen", form.TimerArm, 5},
                                         std::tuple{"&Rekristallisationsglühen", form.TimerRE, 7},
                                         std::tuple{"&Weichglühen", form.TimerWEICH, 8}}) {
        harness::Menu(form, caption);
        if (timer)
            Run(*timer);
        harness::Settle();
        ASSERT_EQ(Lines(), lines + added) << caption;
        EXPECT_EQ(memo.LinesGet(lines), " ------------------------------------------------------");
        EXPECT_TRUE(memo.LineInView(lines)) << caption;
        EXPECT_TRUE(memo.LineInView(lines + 1)) << caption;
        lines += added;
    }
    // By now the first lines have scrolled out of the box; the text still begins with them.
    EXPECT_FALSE(memo.LineInView(0));
    EXPECT_EQ(memo.LinesGet(0), " Die Grafik zeigt schematisch für Glüh-");
    harness::Menu(form, "&Löschen/Neu");
    harness::Settle();
    EXPECT_TRUE(memo.LineInView(0));
}

// --- clearing, closing and quick commands ------------------------------------------------------

TEST_P(Glueh, NeuClearsEveryBandAndOffersEveryCommandAgain) {
    const TPixels fresh = form.Snapshot();
    harness::Menu(form, "&Normalglühen");
    Run(*form.TimerNORMAL);
    harness::Menu(form, "&Grobkornglühen");
    harness::Menu(form, "&Weichglühen");
    // "Neu" chosen before the soft-annealing band's first tick stops that band, too.
    harness::Menu(form, "&Löschen/Neu");
    EXPECT_FALSE(form.BandRunning());
    EXPECT_EQ(harness::Ticks(*form.TimerWEICH, 10), 0);
    EXPECT_TRUE(form.Enabled());
    EXPECT_EQ(Commands(), (std::array{true, true, true, true, true, true}));
    EXPECT_EQ(Lines(), IntroLines);
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), fresh));
}

TEST_P(Glueh, EscInTheMiddleOfABandLeavesNothingForTheNextOpening) {
    const TPixels fresh = form.Snapshot();
    for (auto [caption, timer] : {std::pair{"&Diffusionsglühen", form.TimerHOMO},
                                  std::pair{"&Spannungsfreiglühen", form.TimerArm},
                                  std::pair{"&Rekristallisationsglühen", form.TimerRE},
                                  std::pair{"&Weichglühen", form.TimerWEICH},
                                  std::pair{"&Normalglühen", form.TimerNORMAL}}) {
        harness::Menu(form, caption);
        harness::Ticks(*timer, 20);
        ASSERT_FALSE(form.Enabled());
        EXPECT_TRUE(harness::Key(form, VK_ESCAPE));
        EXPECT_FALSE(form.Visible());
        EXPECT_FALSE(form.BandRunning()) << caption;
        // Reopened at once: enabled, no band drawn since, the diagram as it was first shown.
        EXPECT_EQ(harness::Ticks(*timer, 10), 0);
        ASSERT_TRUE(Open());
        EXPECT_TRUE(form.Enabled());
        EXPECT_TRUE(harness::SamePixels(form.Snapshot(), fresh)) << caption;
        EXPECT_EQ(Lines(), IntroLines);
    }
    // The started commands stay off until "Neu".
    EXPECT_EQ(Commands(), (std::array{false, false, true, false, false, false}));
}

TEST_P(Glueh, TwoBandCommandsTypedQuicklyDrawOneBand) {
    harness::Menu(form, "&Normalglühen");
    EXPECT_TRUE(harness::Menu(form, "&Diffusionsglühen"));
    harness::Menu(form, "&Grobkornglühen");
    EXPECT_TRUE(form.TimerNORMAL->Enabled());
    EXPECT_FALSE(form.TimerHOMO->Enabled());
    EXPECT_TRUE(form.Diffusionsgluehen->Enabled());
    EXPECT_TRUE(form.Grobkorn->Enabled());
    EXPECT_EQ(Run(*form.TimerNORMAL), 93);
    EXPECT_EQ(Unit.GluehX, 612);
    EXPECT_NE(At(400, 173), Red);
    EXPECT_NE(At(300, 212), Purple);
    EXPECT_EQ(Lines(), IntroLines + 7);
    // Once the band stands, the next one starts as usual.
    harness::Menu(form, "&Diffusionsglühen");
    EXPECT_TRUE(form.TimerHOMO->Enabled());
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, Glueh,
                         testing::Values(std::make_pair(800, 600), std::make_pair(1024, 768)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

} // namespace
