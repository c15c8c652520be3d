// The process routes of hardening, normalising and quench and temper, in both layouts: the
// austenitising level and the frames of the diagrams, each route and each ZTU curve from its
// first to its last tick with the points it reaches and the pictures at their cues, F2 pausing
// and continuing a run, and F2 at every moment without a run, which must change nothing.

#include "Harness.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"
#include "treatment/UnitHaerten.h"
#include "treatment/UnitNormal.h"
#include "treatment/UnitVergschau.h"
#include "treatment/UnitVergueten.h"

#include <array>
#include <map>

using harness::Pixel;

namespace {

constexpr TColor Red = 255;
constexpr int FrameSide = 100;

class Routes : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override { ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten")); }
    bool Large() const { return GetParam().first >= 1024; }
    bool Open(TForm& form, const char* command) {
        return harness::Menu(*FormMenue, command) && harness::ActiveForm() == &form;
    }
    // A pixel of the route's drawing surface.
    static TColor At(const TProcessRoute& f, int x, int y) {
        return Pixel(f, f.PaintBoxHaupt->Left() + x, f.PaintBoxHaupt->Top() + y);
    }
    static TColor AtOverlay(const TProcessRoute& f, int x, int y) {
        return Pixel(f, f.PaintBoxLog->Left() + x, f.PaintBoxLog->Top() + y);
    }
    // Whether the frame of the strip stands with its corner at (x, y) of the surface, in its
    // top rows where a text lies over the rest.
    static bool ShowsFrame(const TProcessRoute& f, int frame, int x, int y, int rows = FrameSide) {
        const TPixels& p = f.ImageListGef->Frame(frame);
        for (int j = 0; j < rows; ++j)
            for (int i = 0; i < FrameSide; ++i) {
                const std::uint32_t c = p.at(i, j);
                if (At(f, x + i, y + j) != RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF))
                    return false;
            }
        return true;
    }
    // Runs the timer tick by tick to its end, or until the head reaches untilX; notes BildNr
    // after every tick that changed it.
    static int RunNoting(TTimer& timer, const ProcessRoute::TVariables& unit,
                         std::map<int, int>& bildNr, int untilX = 100000) {
        int ticks = 0;
        while (timer.Enabled() && ticks < 1000 && unit.KurveX < untilX) {
            const int before = unit.BildNr;
            ticks += harness::Ticks(timer, 1);
            if (unit.BildNr != before)
                bildNr[unit.KurveX] = unit.BildNr;
        }
        return ticks;
    }
    static int Run(TTimer& timer) { return harness::Ticks(timer, 1000); }

    harness::Session session{GetParam().first, GetParam().second};
};

// --- exact products ----------------------------------------------------------------------------

TEST(ProcessRouteExact, RoundsTiesToEvenWithoutError) {
    using ProcessRoute::Exact;
    // 350 − 4.1 · 55 = 124.5 and 300 − 4.1 · 46 = 111.4.
    EXPECT_EQ(Exact(350, -410, 55), 124);
    EXPECT_EQ(Exact(300, -410, 46), 111);
    EXPECT_EQ(Exact(0, 250, 1), 2);
    EXPECT_EQ(Exact(0, 350, 1), 4);
    EXPECT_EQ(Exact(0, -250, 1), -2);
    EXPECT_EQ(Exact(0, -350, 1), -4);
    EXPECT_EQ(Exact(40, 416, 42), 215); // 214.72
}

// --- the screens at rest -----------------------------------------------------------------------

TEST_P(Routes, HardeningLaysOutBothDiagrams) {
    ASSERT_TRUE(Open(*FormHaerten, "Härten"));
    TFormHaerten& f = *FormHaerten;
    const ProcessRoute::TVariables& u = UnitHaerten::Unit;
    using B = std::array<int, 4>;
    auto bounds = [](const TControl& c) { return B{c.Left(), c.Top(), c.Width(), c.Height()}; };
    EXPECT_EQ(bounds(*f.PaintBoxHaupt), (Large() ? B{90, 50, 770, 550} : B{5, 5, 770, 500}));
    EXPECT_EQ(bounds(*f.PaintBoxDef), (Large() ? B{30, 450, 400, 170} : B{10, 350, 320, 170}));
    EXPECT_EQ(bounds(*f.MemoErlaeuterung),
              (Large() ? B{440, 450, 550, 170} : B{332, 350, 428, 170}));
    EXPECT_EQ(f.MemoErlaeuterung->Font().Height, Large() ? 20 : 16);
    EXPECT_EQ(f.MemoErlaeuterung->LinesCount(), 15);
    EXPECT_EQ(f.MemoErlaeuterung->LinesGet(13), "  \"abgeschreckt\" wird. ");
    EXPECT_EQ(f.StatusBarHint->SimpleText(), "ESC = Abbruch");
    EXPECT_EQ(u.Proz.Unten, Large() ? 350 : 300);
    EXPECT_EQ(u.Proz.StufeX, 42);
    EXPECT_EQ(u.Proz.Stufe, Large() ? 55 : 46);
    EXPECT_EQ(u.Ztu.Dekade, 53);
    EXPECT_EQ(f.HoldingLevel(), Large() ? 124 : 111);
    // The overlay: origin at d = 0, 1.95 steps below the top; 320 wide.
    EXPECT_EQ(bounds(*f.PaintBoxLog),
              (Large() ? B{90 + 440, 50 + 20 + 107, 320, 236} : B{5 + 440, 5 + 20 + 90, 320, 202}));
    harness::ExpectMenuItems(f, {{"Ende", "&Ende"},
                                 {"Austenitisierung", "&Austenitisierung und schnelle Abkühlung"},
                                 {"ZTUWasserabkuehlung", "Abkühlung im &ZTU-Schaubild"},
                                 {"NEU", "&Löschen / Neu"},
                                 {"ESCAPE", "ESCAPE"}});

    // The background: yellow losing green down to y 100, red 355 − y below, black from 355; the
    // rows are 2 pixels wide, so a pixel shows the row below it.
    EXPECT_EQ(At(f, 766, 50), 0x00FFFF - 51 * 0x200);
    EXPECT_EQ(At(f, 766, 150), 204);
    EXPECT_EQ(At(f, 766, 353), 1);
    EXPECT_EQ(At(f, 766, 360), clBlack);
    EXPECT_EQ(At(f, 766, 420), clBlack);
    // Both frames in colour 1 with gold inside; the ZTU title on purple.
    EXPECT_EQ(At(f, 40, 200), 1);
    EXPECT_EQ(At(f, 440, 200), 1);
    EXPECT_EQ(At(f, 100, 170), 55295);
    EXPECT_EQ(At(f, 458, Large() ? 22 : 26), clPurple);
    // The definition box: blue with a white top-left border.
    const TControl& def = *f.PaintBoxDef;
    EXPECT_EQ(Pixel(f, def.Left(), def.Top() + 100), clWhite);
    EXPECT_EQ(Pixel(f, def.Left() + 300, def.Top() + 150), 0xFF8000);
    if (Large()) {
        EXPECT_EQ(Pixel(f, 12, 300), 0x02ABFD);
        EXPECT_EQ(Pixel(f, 40, 300), 0x00D2FF);
    }
}

TEST_P(Routes, NormalisingAndQuenchAndTemperLayOutTheirDiagrams) {
    ASSERT_TRUE(Open(*FormNormal, "Normalglühen"));
    TFormNormal& n = *FormNormal;
    EXPECT_EQ(n.StatusBarHint->SimpleText(), "F2 = Prozess anhalten/fortsetzen, ESC = Abbruch");
    EXPECT_EQ(n.PaintBoxDef->Width(), Large() ? 540 : 420);
    EXPECT_EQ(n.MemoErlaeuterung->Left(), Large() ? 570 : 430);
    EXPECT_EQ(n.HoldingLevel(), Large() ? 124 : 111);
    harness::ExpectMenuItems(n, {{"Ende", "&Ende"},
                                 {"Austenitisierung", "&Austenitisierung und  Abkühlung"},
                                 {"ZTULuftab", "Abkühlung im &ZTU-Schaubild"},
                                 {"NEU", "&Löschen / Neu"},
                                 {"ESCAPE", "ESCAPE"},
                                 {"Prozessanhalten", "Prozess anhalten"}});
    EXPECT_TRUE(harness::Key(n, VK_ESCAPE));

    ASSERT_TRUE(Open(*FormVergueten, "Vergüten"));
    TFormVergueten& v = *FormVergueten;
    const ProcessRoute::TVariables& u = UnitVergueten::Unit;
    EXPECT_EQ(v.PaintBoxHaupt->Left(), Large() ? 120 : 5);
    EXPECT_EQ(v.MemoErlaeuterung->Font().Height, Large() ? 20 : 18);
    EXPECT_EQ(v.MemoErlaeuterung->LinesCount(), 10);
    EXPECT_EQ(u.Proz.Links, 190);
    EXPECT_EQ(u.Proz.Unten, 300);
    harness::ExpectMenuItems(v, {{"Ende", "&Ende"},
                                 {"Austenitisierung", "&Austenitisierung und schnelle Abkühlung"},
                                 {"NEU", "&Löschen / Neu"},
                                 {"ESCAPE", "ESCAPE"},
                                 {"Prozessanhalten", "Prozessanhalten"},
                                 {"Vergtungsschaubild1", "Vergütungsschaubild C45"}});
    // The frame (190, 20)–(750, 300), its dotted grid and the time arrow from (587, 315).
    EXPECT_EQ(At(v, 190, 150), 1);
    EXPECT_EQ(At(v, 749, 150), 1);
    EXPECT_EQ(At(v, 300, 150), 55295);
    EXPECT_EQ(At(v, 600, 315), clWhite);
    EXPECT_EQ(At(v, 646, 315), clWhite);
    // The way on to the tempering chart, and back.
    ASSERT_TRUE(harness::Menu(v, "Vergütungsschaubild C45"));
    EXPECT_EQ(harness::ActiveForm(), FormVerSchau);
    EXPECT_TRUE(harness::Key(*FormVerSchau, VK_ESCAPE));
    EXPECT_EQ(harness::ActiveForm(), &v);
}

// --- the runs ----------------------------------------------------------------------------------

TEST_P(Routes, HardeningHeatsHoldsAndQuenches) {
    ASSERT_TRUE(Open(*FormHaerten, "Härten"));
    TFormHaerten& f = *FormHaerten;
    const ProcessRoute::TVariables& u = UnitHaerten::Unit;
    const int a = Large() ? 124 : 111;
    const int unten = Large() ? 350 : 300;
    ASSERT_TRUE(harness::Menu(f, "&Austenitisierung und schnelle Abkühlung"));
    EXPECT_FALSE(f.Enabled());
    EXPECT_FALSE(f.Austenitisierung->Enabled());
    std::map<int, int> bildNr;
    EXPECT_EQ(RunNoting(*f.TimerZTA, u, bildNr), 173);
    EXPECT_EQ(u.KurveX, 215);
    EXPECT_EQ(u.KurveY, Large() ? 304 : 291);
    EXPECT_EQ(f.PaintBoxHaupt->Canvas.PenPos, (TPoint{215, Large() ? 304 : 291}));
    EXPECT_TRUE(f.Enabled());
    EXPECT_FALSE(f.Austenitisierung->Enabled());
    // The frames come at their cues: 0 twice, then one more at each cue, martensite at the end.
    const std::map<int, int> cues{{41, 1},   {97, 2},   {109, 3}, {119, 4}, {129, 5},
                                  {139, 6},  {149, 7},  {157, 8}, {165, 9}, {173, 10},
                                  {181, 11}, {189, 12}, {215, 13}};
    EXPECT_EQ(bildNr, cues);
    EXPECT_TRUE(ShowsFrame(f, 0, 90, unten - 120));
    EXPECT_TRUE(ShowsFrame(f, 11, 290, 30));
    // " Martensit " stands 17 pixels above the quench line's end, over the picture's foot.
    const int quenchEnd = Large() ? 304 : 291;
    EXPECT_TRUE(
        ShowsFrame(f, 12, 290, unten - 130, std::min(FrameSide, quenchEnd - 17 - (unten - 130))));
    // The holding line at A, from x 106 (95) to 209, 3 pixels wide, with its texts on red.
    const int holdFrom = Large() ? 106 : 95;
    EXPECT_EQ(At(f, holdFrom + 1, a), Red);
    EXPECT_EQ(At(f, 205, a + 1), Red);
    EXPECT_NE(At(f, 205, a + 3), Red);
    EXPECT_EQ(At(f, 45, Large() ? 49 : 48), Red);
    EXPECT_EQ(At(f, 45, Large() ? 87 : 80), Red);
}

TEST_P(Routes, WaterQuenchEndsInMartensite) {
    ASSERT_TRUE(Open(*FormHaerten, "Härten"));
    TFormHaerten& f = *FormHaerten;
    const ProcessRoute::TVariables& u = UnitHaerten::Unit;
    ASSERT_TRUE(harness::Menu(f, "Abkühlung im &ZTU-Schaubild"));
    EXPECT_FALSE(f.Enabled());
    EXPECT_TRUE(f.ZTUWasserabkuehlung->Enabled());
    EXPECT_EQ(Run(*f.Timer600), Large() ? 34 : 33);
    EXPECT_EQ(u.KurveX, 102);
    EXPECT_FLOAT_EQ(u.KurveY, Large() ? 260.1f : 183.8f);
    EXPECT_EQ(f.PaintBoxLog->Canvas.PenPos, (TPoint{99, 184}));
    EXPECT_TRUE(f.Enabled());
    EXPECT_FALSE(f.ZTUWasserabkuehlung->Enabled());
    EXPECT_TRUE(ShowsFrame(f, 12, 600, 170));
    EXPECT_EQ(u.BildNr, 13);
    // The parabola through (60, 90) and the dot at (65…71, 110…116).
    EXPECT_EQ(AtOverlay(f, 60, 90), Red);
    EXPECT_EQ(AtOverlay(f, 68, 113), clBlack);
    // The label stands 20 pixels above the curve's last point in both layouts, white on purple,
    // its whole cell (the overlay's face at height 8) inside the overlay.
    const TPoint label{102, 184 - 20};
    const int cell = f.PaintBoxLog->Canvas.TextHeight(" Martensit / evtl. mit Restaustenit ");
    ASSERT_LE(cell, 8);
    ASSERT_LE(label.Y + cell, f.PaintBoxLog->Height());
    int purple = 0;
    int white = 0;
    for (int y = label.Y; y < label.Y + cell; ++y)
        for (int x = label.X; x < f.PaintBoxLog->Width(); ++x) {
            purple += AtOverlay(f, x, y) == clPurple;
            white += AtOverlay(f, x, y) == clWhite;
        }
    EXPECT_EQ(AtOverlay(f, label.X, label.Y), clPurple);
    EXPECT_EQ(AtOverlay(f, label.X, label.Y + cell - 1), clPurple);
    EXPECT_GT(purple, 300);
    EXPECT_GT(white, 100);
    // "Löschen / Neu" wipes it and lets the command run again.
    ASSERT_TRUE(harness::Menu(f, "&Löschen / Neu"));
    EXPECT_TRUE(f.ZTUWasserabkuehlung->Enabled());
    EXPECT_NE(AtOverlay(f, 60, 90), Red);
}

TEST_P(Routes, NormalisingCoolsInAirToFerriteAndPearlite) {
    ASSERT_TRUE(Open(*FormNormal, "Normalglühen"));
    TFormNormal& f = *FormNormal;
    const ProcessRoute::TVariables& u = UnitNormal::Unit;
    const int a = Large() ? 124 : 111;
    const int unten = Large() ? 350 : 300;
    ASSERT_TRUE(harness::Menu(f, "&Austenitisierung und  Abkühlung"));
    std::map<int, int> bildNr;
    EXPECT_EQ(RunNoting(*f.TimerZTA, u, bildNr), 248);
    EXPECT_EQ(u.KurveX, 290);
    EXPECT_EQ(u.KurveY, a + 162);
    EXPECT_TRUE(f.Enabled());
    EXPECT_FALSE(f.Prozessanhalten->Enabled());
    EXPECT_FALSE(u.ProzessLaeuft);
    for (int x = 218; x <= 225; ++x)
        EXPECT_EQ(bildNr[x], x - 218 + 13) << x;
    EXPECT_EQ(bildNr.rbegin()->first, 225);
    // The end of the cooling line and " Ferrit/Perlit " beside it lie over the picture's foot.
    EXPECT_TRUE(
        ShowsFrame(f, 19, 290, unten - 130, std::min(FrameSide, a + 162 - (unten - 130) - 6)));
    // The cooling line falls 2 pixels a pixel from (209, A).
    EXPECT_EQ(At(f, 250, a + 2 * (250 - 209)), Red);
    // A frame number past the 20 of the strip draws nothing.
    const TPixels before = f.Snapshot();
    f.ImageListGef->Draw(f.PaintBoxHaupt->Canvas, 290, unten - 130, 20);
    EXPECT_TRUE(harness::SamePixels(f.Snapshot(), before));
}

TEST_P(Routes, AirCoolingCurveHasItsPlateauAndEnds) {
    ASSERT_TRUE(Open(*FormNormal, "Normalglühen"));
    TFormNormal& f = *FormNormal;
    const ProcessRoute::TVariables& u = UnitNormal::Unit;
    ASSERT_TRUE(harness::Menu(f, "Abkühlung im &ZTU-Schaubild"));
    EXPECT_EQ(Run(*f.Timer15), Large() ? 79 : 73);
    EXPECT_EQ(u.KurveX, Large() ? 211 : 199);
    EXPECT_EQ(u.KurveY, Large() ? 192 : 156);
    EXPECT_TRUE(f.Enabled());
    EXPECT_FALSE(f.ZTULuftab->Enabled());
    EXPECT_TRUE(ShowsFrame(f, 19, 650, 160));
    EXPECT_EQ(u.BildNr, 20);
    // The plateau at y 36 between x 147 and 155.
    EXPECT_EQ(AtOverlay(f, 152, 36), Red);
    EXPECT_NE(AtOverlay(f, 152, 30), Red);
}

TEST_P(Routes, QuenchAndTemperRunsItsSevenStages) {
    ASSERT_TRUE(Open(*FormVergueten, "Vergüten"));
    TFormVergueten& f = *FormVergueten;
    const ProcessRoute::TVariables& u = UnitVergueten::Unit;
    ASSERT_TRUE(harness::Menu(f, "&Austenitisierung und schnelle Abkühlung"));
    EXPECT_EQ(f.PaintBoxHaupt->Canvas.PenPos, (TPoint{190, 300}));
    // The tick from 290 ends the hold and draws the first quench line; the martensite comes at
    // 293, and the next tick draws the third quench line and the first step at room temperature.
    std::map<int, int> bildNr;
    int ticks = RunNoting(*f.TimerProzess, u, bildNr, 290);
    ticks += RunNoting(*f.TimerProzess, u, bildNr, 291);
    EXPECT_EQ(f.PaintBoxHaupt->Canvas.PenPos, (TPoint{292, 172}));
    ticks += RunNoting(*f.TimerProzess, u, bildNr, 294);
    EXPECT_EQ(f.PaintBoxHaupt->Canvas.PenPos, (TPoint{296, 296}));
    ticks += RunNoting(*f.TimerProzess, u, bildNr);
    EXPECT_EQ(ticks, 457);
    EXPECT_EQ(u.KurveX, 666);
    EXPECT_EQ(u.KurveY, 278);
    EXPECT_TRUE(f.Enabled());
    EXPECT_FALSE(f.Austenitisierung->Enabled());
    EXPECT_TRUE(f.Prozessanhalten->Enabled());
    const std::map<int, int> cues{{191, 1},  {230, 2},  {235, 3},  {240, 4},  {245, 5},
                                  {250, 6},  {255, 7},  {260, 8},  {265, 9},  {270, 10},
                                  {275, 11}, {280, 12}, {293, 13}, {399, 14}, {430, 15},
                                  {460, 16}, {490, 17}, {520, 18}, {550, 19}, {580, 20}};
    EXPECT_EQ(bildNr, cues);
    EXPECT_TRUE(ShowsFrame(f, 0, 40, 220));
    EXPECT_TRUE(ShowsFrame(f, 11, 40, 10));
    EXPECT_TRUE(ShowsFrame(f, 12, 380, 220));
    EXPECT_TRUE(ShowsFrame(f, 19, 580, 10));
    // The tempering level y 146 and the texts on red.
    EXPECT_EQ(At(f, 500, 146), Red);
    EXPECT_EQ(At(f, 222, 44), Red);
    EXPECT_EQ(At(f, 422, 80), Red);
}

// --- F2 ----------------------------------------------------------------------------------------

TEST_P(Routes, PausingAndContinuingDrawsWhatAnUnpausedRunDraws) {
    for (TProcessRoute* f : std::initializer_list<TProcessRoute*>{FormNormal, FormVergueten}) {
        ASSERT_TRUE(Open(*f, f == FormNormal ? "Normalglühen" : "Vergüten"));
        TTimer& timer = f == FormNormal ? *FormNormal->TimerZTA : *FormVergueten->TimerProzess;
        ASSERT_TRUE(f->ChooseMenu(*f->Austenitisierung));
        Run(timer);
        const TPixels plain = f->Snapshot();

        ASSERT_TRUE(harness::Menu(*f, "&Löschen / Neu"));
        ASSERT_TRUE(f->ChooseMenu(*f->Austenitisierung));
        int done = 0;
        for (int at : {37, 150}) {
            done += harness::Ticks(timer, at - done);
            EXPECT_TRUE(harness::Key(*f, VK_F2));
            EXPECT_FALSE(timer.Enabled());
            EXPECT_FALSE(f->Enabled());
            const int x = (f == FormNormal ? UnitNormal::Unit : UnitVergueten::Unit).KurveX;
            EXPECT_EQ(harness::Ticks(timer, 5), 0);
            EXPECT_EQ((f == FormNormal ? UnitNormal::Unit : UnitVergueten::Unit).KurveX, x);
            EXPECT_TRUE(harness::Key(*f, VK_F2));
            EXPECT_TRUE(timer.Enabled());
        }
        Run(timer);
        EXPECT_TRUE(harness::SamePixels(f->Snapshot(), plain)) << f->Caption();
        EXPECT_TRUE(harness::Key(*f, VK_ESCAPE));
    }
}

// F2 without a run in progress must not start the process stages from wherever the head is.
TEST_P(Routes, F2WithoutARunChangesNothing) {
    for (TProcessRoute* f : std::initializer_list<TProcessRoute*>{FormNormal, FormVergueten}) {
        const bool normal = f == FormNormal;
        const char* command = normal ? "Normalglühen" : "Vergüten";
        TTimer& timer = normal ? *FormNormal->TimerZTA : *FormVergueten->TimerProzess;
        const ProcessRoute::TVariables& u = normal ? UnitNormal::Unit : UnitVergueten::Unit;
        auto expectIdle = [&](const char* when) {
            harness::Key(*f, VK_F2);
            EXPECT_FALSE(timer.Enabled()) << when;
            EXPECT_TRUE(f->Enabled()) << when;
            EXPECT_EQ(harness::Ticks(timer, 3), 0) << when;
        };
        ASSERT_TRUE(Open(*f, command));
        expectIdle("after opening");
        EXPECT_TRUE(f->Austenitisierung->Enabled());

        ASSERT_TRUE(f->ChooseMenu(*f->Austenitisierung));
        Run(timer);
        const TPixels finished = f->Snapshot();
        expectIdle("after a finished run");
        EXPECT_TRUE(harness::SamePixels(f->Snapshot(), finished));

        ASSERT_TRUE(harness::Menu(*f, "&Löschen / Neu"));
        expectIdle("after Neu");
        EXPECT_TRUE(f->Austenitisierung->Enabled());

        // Closed in the middle of a run, paused or not, and opened again.
        ASSERT_TRUE(f->ChooseMenu(*f->Austenitisierung));
        harness::Ticks(timer, 60);
        EXPECT_TRUE(harness::Key(*f, VK_F2));
        EXPECT_TRUE(harness::Key(*f, VK_ESCAPE));
        EXPECT_FALSE(timer.Enabled());
        ASSERT_TRUE(Open(*f, command));
        expectIdle("after closing mid-run");
        // The screen is still fully usable: a new run goes to its end.
        ASSERT_TRUE(f->ChooseMenu(*f->Austenitisierung));
        EXPECT_EQ(Run(timer), normal ? 248 : 457);
        EXPECT_EQ(u.KurveX, normal ? 290 : 666);
        EXPECT_TRUE(harness::Key(*f, VK_ESCAPE));
    }

    // Normalising: F2 while the air-cooling curve runs leaves the curve alone.
    TFormNormal& n = *FormNormal;
    ASSERT_TRUE(Open(n, "Normalglühen"));
    ASSERT_TRUE(harness::Menu(n, "Abkühlung im &ZTU-Schaubild"));
    harness::Ticks(*n.Timer15, 20);
    EXPECT_TRUE(harness::Key(n, VK_F2));
    EXPECT_FALSE(n.TimerZTA->Enabled());
    EXPECT_EQ(harness::Ticks(*n.Timer15, 200), Large() ? 59 : 53);
    EXPECT_EQ(UnitNormal::Unit.KurveX, Large() ? 211 : 199);
    EXPECT_EQ(UnitNormal::Unit.BildNr, 20);
    EXPECT_TRUE(harness::Key(n, VK_F2));
    EXPECT_FALSE(n.TimerZTA->Enabled());
    EXPECT_TRUE(n.Enabled());
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, Routes,
                         testing::Values(std::make_pair(800, 600), std::make_pair(1024, 768)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

} // namespace
