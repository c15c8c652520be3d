// The tempering chart of C 45 and its micrographs: the chart frame on the client area, the four
// property lines grown tick by tick to their end points and names, what closing and "Neu" leave,
// and the micrograph screen with one picture and its caption at a time.

#include "Harness.h"
#include "InkColumns.h"
#include "assets/Assets.h"
#include "platform/Jpeg.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"
#include "treatment/UnitLMC45.h"
#include "treatment/UnitVergschau.h"

#include <array>

using harness::Pixel;
using UnitVergschau::Unit;

namespace {

constexpr TColor ChartYellow = 0x80FFFF;
constexpr TColor Purple = 0x800080;
constexpr TColor Green = 0x008000;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Red = 0x0000FF;

struct LineCase {
    const char* Caption;
    UnitVergschau::Line Line;
    int Ticks;
    TPoint End;
    TColor Color;
};
constexpr std::array<LineCase, 4> LineCases{{
    {"Zugfestigkeit", UnitVergschau::Zug, 37, {629, 307}, Purple},
    {"Brucheinschnürung", UnitVergschau::Bruchein, 29, {620, 326}, Green},
    {"Streckgrenze", UnitVergschau::Streck, 36, {617, 396}, Blue},
    {"Bruchdehnung", UnitVergschau::Bruchde, 29, {620, 416}, Red},
}};

class VerSchau : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(Open());
    }
    bool Open() {
        return harness::Menu(*FormMenue, "Vergütungsschaubild C45") &&
               harness::ActiveForm() == FormVerSchau;
    }
    bool Large() const { return GetParam().first >= 1024; }
    double Factor() const { return Large() ? 1.28 : 1.0; }
    // A design point of a line as it lands on the chart.
    TColor AtDesign(TPoint p) {
        const TPoint shown{Round(p.X * static_cast<long double>(Factor())),
                           Round(p.Y * static_cast<long double>(Factor()))};
        return Pixel(form, form.PaintBoxHaupt->Left() + shown.X,
                     form.PaintBoxHaupt->Top() + shown.Y);
    }
    TTimer& TimerOf(UnitVergschau::Line line) {
        TTimer* timers[] = {form.TimerZug, form.TimerBruchein, form.TimerStreck, form.TimerBruchde};
        return *timers[line];
    }
    TMenuItem& ItemOf(UnitVergschau::Line line) {
        TMenuItem* items[] = {form.Zugfest, form.Bruchein, form.Streck, form.Dehn};
        return *items[line];
    }

    harness::Session session{GetParam().first, GetParam().second};
    TFormVerSchau& form = *FormVerSchau;
};

TEST_P(VerSchau, DrawsTheChartFrameOverTheClientArea) {
    const TControl& chart = *form.PaintBoxHaupt;
    EXPECT_EQ(chart.Left(), 0);
    EXPECT_EQ(chart.Top(), 0);
    EXPECT_EQ(chart.Width(), form.ClientWidth());
    EXPECT_EQ(chart.Height() + form.StatusBar1->Height(), form.ClientHeight());
    EXPECT_EQ(form.PaintBoxTitel->BoundsRect(), (TRect{35, 4, 770, 34}));
    EXPECT_EQ(Unit.Rechts, chart.Width() - 20);
    EXPECT_EQ(Unit.Unten, chart.Height() - 50);
    EXPECT_EQ(Unit.Dx, (Unit.Rechts - 35) / 5);
    EXPECT_EQ(Unit.Dy, (Unit.Unten - 65) / 5);
    EXPECT_EQ(form.StatusBar1->SimpleText(), "ESC = Abbruch");
    EXPECT_TRUE(form.Enabled());
    // Inside the frame the chart's light yellow; above it the red background rows; the title
    // box in the same yellow.
    EXPECT_EQ(Pixel(form, 35 + Unit.Dx / 2, Unit.Unten - Unit.Dy / 2), ChartYellow);
    EXPECT_EQ(Pixel(form, 3, 99), 255 - 33);
    EXPECT_EQ(Pixel(form, 37, 20), ChartYellow);
    harness::ExpectMenuItems(form, {{"Ende", "&Ende"},
                                    {"ESC", "ESC"},
                                    {"Zugfest", "Zugfestigkeit"},
                                    {"Bruchein", "Brucheinschnürung"},
                                    {"Streck", "Streckgrenze"},
                                    {"Dehn", "Bruchdehnung"},
                                    {"Neu1", "Neu"},
                                    {"GefgebilderStahlC451", "&Gefügebilder Stahl C45"}});
}

TEST_P(VerSchau, EachLineGrowsToItsEndPointAndName) {
    for (const LineCase& c : LineCases) {
        TTimer& timer = TimerOf(c.Line);
        ASSERT_TRUE(harness::Menu(form, c.Caption));
        EXPECT_TRUE(timer.Enabled());
        EXPECT_EQ(timer.Interval(), 50);
        EXPECT_FALSE(ItemOf(c.Line).Enabled());
        // The window stays open to the learner while a line grows.
        EXPECT_TRUE(form.Enabled());
        EXPECT_EQ(harness::Ticks(timer, 100), c.Ticks) << c.Caption;
        EXPECT_FALSE(timer.Enabled());
        EXPECT_EQ(Unit.Punkt[c.Line], c.End) << c.Caption;
        EXPECT_FALSE(ItemOf(c.Line).Enabled());
        // The line passes through its start and, a step before its end, its last segment.
        const TPoint start = UnitVergschau::StartPunkt[c.Line];
        EXPECT_EQ(AtDesign({start.X + 2, start.Y}), c.Color) << c.Caption;
        EXPECT_EQ(AtDesign({c.End.X - 1, c.End.Y}), c.Color) << c.Caption;
    }
    // Four lines at once: the strengths fall, the ductility values rise.
    EXPECT_GT(Unit.Punkt[UnitVergschau::Zug].Y, UnitVergschau::StartPunkt[UnitVergschau::Zug].Y);
    EXPECT_LT(Unit.Punkt[UnitVergschau::Bruchde].Y,
              UnitVergschau::StartPunkt[UnitVergschau::Bruchde].Y);
}

TEST_P(VerSchau, LinesGrowSideBySide) {
    harness::Menu(form, "Zugfestigkeit");
    harness::Menu(form, "Bruchdehnung");
    for (int i = 0; i < 10; ++i) {
        form.TimerZug->Tick();
        form.TimerBruchde->Tick();
    }
    EXPECT_EQ(Unit.Punkt[UnitVergschau::Zug], (TPoint{185 + 120, 280}));
    EXPECT_EQ(Unit.Punkt[UnitVergschau::Bruchde], (TPoint{185 + 150, 435}));
}

TEST_P(VerSchau, ClosingStopsTheLinesButKeepsTheirItemsOffUntilNeu) {
    const TPixels fresh = form.Snapshot();
    harness::Menu(form, "Zugfestigkeit");
    harness::Ticks(*form.TimerZug, 100);
    harness::Menu(form, "Streckgrenze");
    harness::Ticks(*form.TimerStreck, 5);
    EXPECT_TRUE(harness::Key(form, VK_ESCAPE));
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.TimerStreck->Enabled());
    EXPECT_EQ(Unit.Punkt, UnitVergschau::StartPunkt);

    ASSERT_TRUE(Open());
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), fresh));
    EXPECT_FALSE(form.Zugfest->Enabled());
    EXPECT_FALSE(form.Streck->Enabled());
    EXPECT_TRUE(form.Bruchein->Enabled());
    EXPECT_FALSE(form.ChooseMenu(*form.Zugfest));
    EXPECT_FALSE(form.TimerZug->Enabled());

    harness::Menu(form, "Neu");
    for (TMenuItem* item : {form.Zugfest, form.Bruchein, form.Streck, form.Dehn})
        EXPECT_TRUE(item->Enabled());
    harness::Menu(form, "Zugfestigkeit");
    EXPECT_EQ(harness::Ticks(*form.TimerZug, 100), 37);
}

TEST_P(VerSchau, NeuWhileALineGrowsClearsTheChart) {
    harness::Menu(form, "Brucheinschnürung");
    harness::Ticks(*form.TimerBruchein, 12);
    harness::Menu(form, "Neu");
    harness::Settle();
    EXPECT_FALSE(form.TimerBruchein->Enabled());
    EXPECT_EQ(Unit.Punkt[UnitVergschau::Bruchein], UnitVergschau::StartPunkt[1]);
    EXPECT_NE(AtDesign({190, 355}), Green);
    EXPECT_EQ(AtDesign({190, 355}), ChartYellow);
    // The line starts again from its beginning.
    harness::Menu(form, "Brucheinschnürung");
    EXPECT_EQ(harness::Ticks(*form.TimerBruchein, 100), 29);
}

// --- the micrographs ---------------------------------------------------------------------------

TEST_P(VerSchau, OpensTheMicrographsWithTheNormalisedPicture) {
    // Left on another picture the last time, the screen still opens on the normalised one.
    FormLMC45->ImageHart->Show();
    FormLMC45->ImageNormal->Hide();
    ASSERT_TRUE(harness::Menu(form, "&Gefügebilder Stahl C45"));
    TFormLMC45& lm = *FormLMC45;
    ASSERT_EQ(harness::ActiveForm(), &lm);
    EXPECT_TRUE(lm.ImageNormal->Visible());
    EXPECT_FALSE(lm.ImageHart->Visible());
    EXPECT_FALSE(lm.ImageVerg->Visible());
    EXPECT_STREQ(lm.VisibleCaption(), "C 45       Normalgeglüht                 ");
    EXPECT_TRUE(harness::Key(lm, VK_ESCAPE));
    EXPECT_EQ(harness::ActiveForm(), &form);
}

class LMC45 : public VerSchau {
protected:
    void SetUp() override {
        VerSchau::SetUp();
        ASSERT_TRUE(harness::Menu(form, "&Gefügebilder Stahl C45"));
    }
    TFormLMC45& lm = *FormLMC45;
    // The strip's pixels right of the caption's words, where a longer caption would have left
    // its remains.
    bool StripClearAt(int x0, int x1) {
        for (int x = x0; x < x1; ++x)
            for (int y = 10; y < 34; ++y)
                if (Pixel(lm, 2 + x, 480 + y) != clBlack)
                    return false;
        return true;
    }
};

TEST_P(LMC45, ShowsItsFixedWindowAndStrip) {
    EXPECT_EQ(lm.Width(), 800);
    EXPECT_EQ(lm.Height(), 600);
    EXPECT_EQ(lm.Left(), (GetParam().first - 800) / 2);
    EXPECT_EQ(lm.Top(), (GetParam().second - 600) / 2);
    for (TImage* image : {lm.ImageNormal, lm.ImageHart, lm.ImageVerg}) {
        EXPECT_EQ(image->BoundsRect(), (TRect{2, 1, 792, 471}));
        EXPECT_FALSE(image->Stretch);
    }
    EXPECT_EQ(lm.PaintBox1000->BoundsRect(), (TRect{2, 480, 792, 520}));
    EXPECT_EQ(lm.ImageNormal->PictureWidth(), 800);
    EXPECT_EQ(lm.ImageNormal->PictureHeight(), 600);
    // The scale bar: ticks at 500 and 670 from y 5 to 35, the bar at y 20 between them.
    EXPECT_EQ(Pixel(lm, 2 + 500, 480 + 10), clWhite);
    EXPECT_EQ(Pixel(lm, 2 + 670, 480 + 30), clWhite);
    EXPECT_EQ(Pixel(lm, 2 + 585, 480 + 20), clWhite);
    EXPECT_EQ(Pixel(lm, 2 + 585, 480 + 26), clBlack);
    // " 60 µm": after the number and a gap, the µ just before the m, as close as two letters of
    // one word without touching it.
    const auto runs = harness::InkRuns(lm, {2 + 680, 480 + 3, 792, 480 + 35}, clWhite);
    ASSERT_EQ(runs.size(), 4u);
    const int gap = runs[3].First - runs[2].Last - 1;
    EXPECT_GE(gap, 1);
    EXPECT_LE(gap, 2);
    EXPECT_GE(runs[2].First - runs[1].Last, 8);
    EXPECT_EQ(lm.StatusBarHint->SimpleText(), "ESC = Abbruch");
    harness::ExpectMenuItems(lm, {{"Ende", "&Ende"},
                                  {"ESCAPE", "ESCAPE"},
                                  {"Normalglhen1", "&Normalglühen"},
                                  {"Hrten1", "&Härten"},
                                  {"Vergten1", "&Vergüten"}});
}

TEST_P(LMC45, ShowsOnePictureAtATimeUnscaledFromItsCorner) {
    struct Case {
        const char* Command;
        TImage* Shown;
        std::span<const std::uint8_t> Jpeg;
        const char* Caption;
    };
    for (const Case& c : {Case{"&Härten", lm.ImageHart, Assets::C45Hardened(),
                               "C 45              Martensit                 "},
                          Case{"&Vergüten", lm.ImageVerg, Assets::C45QuenchedAndTempered(),
                               "C 45             Vergütet                 "},
                          Case{"&Normalglühen", lm.ImageNormal, Assets::C45Normalised(),
                               "C 45       Normalgeglüht                 "}}) {
        ASSERT_TRUE(harness::Menu(lm, c.Command));
        for (TImage* image : {lm.ImageNormal, lm.ImageHart, lm.ImageVerg})
            EXPECT_EQ(image->Visible(), image == c.Shown) << c.Command;
        EXPECT_STREQ(lm.VisibleCaption(), c.Caption);
        // The picture's own pixels, one to one from its top-left corner, up to the control's
        // edges; the rows below are cut off.
        const TPixels picture = DecodeJpeg(c.Jpeg);
        for (TPoint p : {TPoint{0, 0}, TPoint{400, 300}, TPoint{789, 469}})
            EXPECT_EQ(Pixel(lm, 2 + p.X, 1 + p.Y), ColorOfPixel(picture.at(p.X, p.Y)))
                << c.Command << " at " << p.X << "," << p.Y;
        EXPECT_EQ(Pixel(lm, 400, 475), clBlack) << c.Command;
    }
}

TEST_P(LMC45, AShorterCaptionLeavesNothingOfTheLongerOne) {
    const TPixels normalOnly = lm.Snapshot();
    ASSERT_TRUE(harness::Menu(lm, "&Vergüten"));
    // "Vergütet" is shorter than "Normalgeglüht": the blanks cover the rest, up to the bar.
    const int wordsEnd = lm.PaintBox1000->Canvas.TextWidth("C 45             Vergütet");
    EXPECT_TRUE(StripClearAt(10 + wordsEnd + 2, 495));
    // A repaint writes the caption of the picture shown, not the normalised one.
    const TPixels before = lm.Snapshot();
    lm.Refresh();
    harness::Settle();
    EXPECT_TRUE(harness::SamePixels(lm.Snapshot(), before));
    EXPECT_FALSE(harness::SamePixels(before, normalOnly));
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, VerSchau,
                         testing::Values(std::make_pair(800, 600), std::make_pair(1024, 768)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });
INSTANTIATE_TEST_SUITE_P(BothLayouts, LMC45,
                         testing::Values(std::make_pair(800, 600), std::make_pair(1024, 768)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

} // namespace
