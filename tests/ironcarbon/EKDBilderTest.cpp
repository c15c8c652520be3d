// The microstructure series: the diagram drawn in pixels on every screen size, the fields that
// open the micrographs (their insides, never their borders), the cursor over them, the cascade
// of the nine viewers, their windows, pictures and caption strips, and closing.

#include "InkColumns.h"
#include "assets/Assets.h"
#include "ironcarbon/UnitBildC01.h"
#include "ironcarbon/UnitBildC03.h"
#include "ironcarbon/UnitBildC04.h"
#include "ironcarbon/UnitBildC08.h"
#include "ironcarbon/UnitBildFe.h"
#include "ironcarbon/UnitEKDBilder.h"
#include "platform/Jpeg.h"
#include "platform/Keys.h"
#include "platform/TestForm.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

#include <array>
#include <optional>
#include <string>

using harness::Pixel;
using UnitEKDBilder::PictureAt;
using UnitEKDBilder::PointsAtPicture;

namespace {

constexpr const char* Command = "EKS-metastabil-Gefügebilder";
constexpr const char* Cascade = "&Gefügereihe Kohlenstoff 0.1 % -0,8 % und Ferrit";
constexpr const char* CloseAll = "&Bilder schließen";

std::array<int, 4> Bounds(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

int VisibleViewers() {
    int n = 0;
    for (TMicrographViewer* viewer : UnitEKDBilder::ViewerList())
        n += viewer->Visible();
    return n;
}

class EKDBilder : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(harness::Menu(*FormMenue, Command));
        ASSERT_EQ(harness::ActiveForm(), FormEKDBilder);
    }
    int W() const { return GetParam().first; }
    int H() const { return GetParam().second; }
    bool Large() const { return W() >= 1024; }
    // Where a point of the diagram lies on the window's client area.
    int FormX(int x) const { return form.PaintBoxHaupt->Left() + x; }
    int FormY(int y) const { return form.PaintBoxHaupt->Top() + y; }
    TColor At(int x, int y) const { return Pixel(form, FormX(x), FormY(y)); }
    void Click(int x, int y, TMouseButton button = mbLeft) {
        form.MouseDown(button, FormX(x), FormY(y));
        harness::Settle();
    }

    harness::Session session{GetParam().first, GetParam().second};
    TFormEKDBilder& form = *FormEKDBilder;
};

// ---------------------------------------------------------------------------------------------
// Hot areas, without a window: every bound is strict.

TEST(EKDBilderFields, TheInsideOfEachFieldShowsItsPictureAndNoBorderShowsAny) {
    // The ferrite label's frame runs from (15, 415) to (50, 430).
    for (const auto& [x, y] : {std::pair{16, 416}, {49, 429}, {30, 422}, {16, 429}, {49, 416}})
        EXPECT_EQ(PictureAt(x, y), 0) << x << "," << y;
    for (const auto& [x, y] : {std::pair{15, 422}, {50, 422}, {30, 415}, {30, 430}, {14, 422}})
        EXPECT_EQ(PictureAt(x, y), std::nullopt) << x << "," << y;
    // Field k from x = 40 + 10 k to 50 + 10 k, y from 480 to 493.
    for (int k = 1; k <= 8; ++k) {
        const int left = 40 + 10 * k, right = 50 + 10 * k;
        for (const auto& [x, y] :
             {std::pair{left + 1, 481}, {right - 1, 492}, {left + 5, 486}, {right - 1, 481}})
            EXPECT_EQ(PictureAt(x, y), k) << x << "," << y;
        for (const auto& [x, y] : {std::pair{left, 486},
                                   {right, 486},
                                   {left + 5, 480},
                                   {left + 5, 493},
                                   {left + 5, 479},
                                   {left + 5, 494}})
            EXPECT_EQ(PictureAt(x, y), std::nullopt) << x << "," << y;
    }
    // Between the label and the fields, and right of the last field.
    EXPECT_EQ(PictureAt(50, 486), std::nullopt);
    EXPECT_EQ(PictureAt(131, 486), std::nullopt);
    EXPECT_EQ(PictureAt(30, 450), std::nullopt);
}

TEST(EKDBilderFields, TheHandPointsAtTheLabelAndTheWholeRowOfFieldsBordersIncluded) {
    for (const auto& [x, y] :
         {std::pair{16, 416}, {49, 429}, {51, 481}, {60, 486}, {90, 486}, {120, 492}, {129, 481}})
        EXPECT_TRUE(PointsAtPicture(x, y)) << x << "," << y;
    for (const auto& [x, y] :
         {std::pair{15, 422}, {50, 486}, {130, 486}, {90, 480}, {90, 493}, {30, 450}, {300, 300}})
        EXPECT_FALSE(PointsAtPicture(x, y)) << x << "," << y;
}

// ---------------------------------------------------------------------------------------------
// The screen

TEST_P(EKDBilder, TheDiagramStandsInPixelsFramedOnlyOnALargeScreen) {
    EXPECT_EQ(form.Caption(), "Eisen-Kohlenstoff-Schaubild: metastabiler Zustand  (Gefügereihe "
                              "von 0.1% bis 0.8% Kohlenstoff)");
    harness::ExpectMenuItems(form, {{"Ende", "&Ende"},
                                    {"ESCAPE", "ESCAPE"},
                                    {"GefgereiheKohlenstoff0108undFerrit1", Cascade},
                                    {"Bildershlieen1", CloseAll}});
    if (Large()) {
        EXPECT_EQ(Bounds(form), (std::array{(W() - 1024) / 2, (H() - 768) / 2, 1024, 768}));
        EXPECT_EQ(Bounds(*form.PaintBoxHaupt), (std::array{80, 60, 850, 600}));
        // The orange frame round the gold one, both outside the surface.
        EXPECT_EQ(Pixel(form, 40, 35), 0x02ABFD);
        EXPECT_EQ(Pixel(form, 70, 55), 0x00D2FF);
        EXPECT_EQ(Pixel(form, 10, 10), 0xFF2F2F);
    } else {
        EXPECT_EQ(Bounds(form), (std::array{0, 0, W(), H()}));
        EXPECT_EQ(Bounds(*form.PaintBoxHaupt),
                  (std::array{0, 0, form.ClientWidth(),
                              form.ClientHeight() - form.StatusBarHint->Height()}));
    }
    // The same pixels on both sizes: the yellow top rows, yellow turning red (0x145FF − 256 y)
    // right of the frame, the pale blue frame, the line P–K at 723 °C, the grey fields.
    EXPECT_EQ(At(730, 10), clYellow);
    EXPECT_EQ(At(730, 200), 0x0145FF - 256 * 200);
    EXPECT_EQ(At(400, 60), 0xFFD7D7);
    EXPECT_EQ(At(400, 395), clBlue);
    EXPECT_EQ(At(55, 486), clWhite);
    EXPECT_EQ(At(125, 486), 0x949494);
    for (int k = 1; k < 8; ++k) // darker with every tenth of a per cent
        EXPECT_LE(At(55 + 10 * k, 486) & 0xFF, At(45 + 10 * k, 486) & 0xFF) << k;
    EXPECT_EQ(At(60, 486), clBlack); // the border between fields 1 and 2
    // The ferrite label's frame is blue on its left and right edges.
    EXPECT_TRUE(At(15, 422) == clBlue || At(14, 422) == clBlue);
    EXPECT_TRUE(At(50, 422) == clBlue || At(49, 422) == clBlue);
}

TEST_P(EKDBilder, AClickInsideAFieldShowsItsViewerAndABorderShowsNone) {
    EXPECT_EQ(VisibleViewers(), 0);
    Click(60, 486); // between fields 1 and 2
    Click(50, 486);
    Click(15, 422);
    EXPECT_EQ(VisibleViewers(), 0);
    Click(16, 416);
    EXPECT_TRUE(FormBildFe->Visible());
    EXPECT_EQ(VisibleViewers(), 1);
    Click(55, 486, mbRight); // any button
    EXPECT_TRUE(FormBildC01->Visible());
    Click(125, 482);
    EXPECT_TRUE(FormBildC08->Visible());
    // Showing one that is open leaves it where the learner put it.
    FormBildFe->SetBounds(10, 20, 420, 350);
    Click(30, 420);
    EXPECT_TRUE(FormBildFe->Visible());
    EXPECT_EQ(Bounds(*FormBildFe), (std::array{10, 20, 420, 350}));
    EXPECT_EQ(VisibleViewers(), 3);
    // The diagram stays usable beside them.
    EXPECT_TRUE(form.AcceptsInput());
    EXPECT_TRUE(FormBildFe->AcceptsInput());
}

TEST_P(EKDBilder, TheCursorIsAHandOverTheFieldsAndAnArrowElsewhere) {
    TPaintBox& surface = *form.PaintBoxHaupt;
    form.MouseMove(FormX(60), FormY(486));
    EXPECT_EQ(surface.Cursor, crHandPoint);
    form.MouseMove(FormX(300), FormY(300));
    EXPECT_EQ(surface.Cursor, crDefault);
    form.MouseMove(FormX(20), FormY(420));
    EXPECT_EQ(surface.Cursor, crHandPoint);
    form.MouseMove(FormX(20), FormY(430));
    EXPECT_EQ(surface.Cursor, crDefault);
}

TEST_P(EKDBilder, TheCascadeStepsFromTheScreensMiddle) {
    ASSERT_TRUE(harness::Menu(form, Cascade));
    EXPECT_EQ(UnitEKDBilder::Unit.BildMitteX, W() / 2);
    EXPECT_EQ(UnitEKDBilder::Unit.BildMitteY, H() / 2);
    const auto viewers = UnitEKDBilder::ViewerList();
    for (int i = 0; i < 9; ++i) {
        // 800 × 600: from (40, 60) 40 right and 20 down; 1024 wide: all at 612, 40 apart from
        // 384 − 380 = 4, or from 300 − 380 = −80 on a screen 600 high.
        const std::array want = Large() ? std::array{612, H() / 2 - 380 + 40 * i, 400, 340}
                                        : std::array{40 + 40 * i, 60 + 20 * i, 400, 340};
        EXPECT_TRUE(viewers[i]->Visible()) << i;
        EXPECT_EQ(Bounds(*viewers[i]), want) << i;
    }
    ASSERT_TRUE(harness::Menu(form, CloseAll));
    EXPECT_EQ(VisibleViewers(), 0);
    EXPECT_TRUE(form.Visible());
    // A viewer keeps where the cascade put it.
    Click(85, 486);
    EXPECT_EQ(Bounds(*FormBildC04), (Large() ? std::array{612, H() / 2 - 380 + 160, 400, 340}
                                             : std::array{200, 140, 400, 340}));
}

TEST_P(EKDBilder, EscapeClosesTheViewerOrTheScreenWithAllItsViewers) {
    ASSERT_TRUE(harness::Menu(form, Cascade));
    ASSERT_TRUE(harness::Key(*FormBildC08, VK_ESCAPE));
    EXPECT_FALSE(FormBildC08->Visible());
    ASSERT_TRUE(harness::Menu(*FormBildC03, "&Ende"));
    EXPECT_FALSE(FormBildC03->Visible());
    EXPECT_EQ(VisibleViewers(), 7);
    EXPECT_TRUE(form.Visible());
    ASSERT_TRUE(harness::Key(form, VK_ESCAPE));
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(VisibleViewers(), 0);
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    // Opened again, the screen shows none; the close box closes them as well.
    ASSERT_TRUE(harness::Menu(*FormMenue, Command));
    EXPECT_EQ(VisibleViewers(), 0);
    Click(16, 416);
    form.CloseBoxClicked();
    harness::Settle();
    EXPECT_EQ(VisibleViewers(), 0);
    ASSERT_TRUE(harness::Menu(*FormMenue, Command));
    ASSERT_TRUE(harness::Menu(form, "&Ende"));
    EXPECT_FALSE(form.Visible());
}

// ---------------------------------------------------------------------------------------------
// The viewers

TEST_P(EKDBilder, EveryViewerIsACentredBlackWindowWithItsCaption) {
    const auto viewers = UnitEKDBilder::ViewerList();
    EXPECT_EQ(FormBildFe->Caption(), "Gefügeaufnahme Ferrit");
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(viewers[k]->Caption(),
                  "Gefügeaufnahme Stahl mit 0," + std::to_string(k) + " % Kohlenstoff");
    for (TMicrographViewer* viewer : viewers) {
        EXPECT_FALSE(viewer->Visible());
        EXPECT_EQ(Bounds(*viewer), (std::array{(W() - 400) / 2, (H() - 340) / 2, 400, 340}));
        EXPECT_EQ(viewer->BorderStyle, bsSizeToolWin);
        EXPECT_EQ(viewer->Color(), clBlack);
        harness::ExpectMenuItems(*viewer, {{"Ende", "&Ende"}, {"ESCAPE", "ESCAPE"}});
    }
}

TEST_P(EKDBilder, TheMicrographStandsUnscaledFromTheTopLeftAndIsCutBelow) {
    ASSERT_TRUE(harness::Menu(form, Cascade));
    for (TMicrographViewer* viewer : UnitEKDBilder::ViewerList()) {
        const TMicrographViewer& v = *viewer;
        const int width = v.ClientWidth();
        EXPECT_EQ(Bounds(*v.ImageBild), (std::array{0, 0, width, 230}));
        const int strip = v.ClientHeight() - v.StatusBarHint->Height() - 30;
        EXPECT_EQ(Bounds(*v.PaintBoxBildFe), (std::array{0, strip, width, 30}));
        const TPixels picture = DecodeJpeg(Assets::SeriesMicrograph(v.Data().Picture));
        ASSERT_EQ(picture.Width, 400);
        ASSERT_GT(picture.Height, 230);
        int same = 0, probes = 0;
        for (int y = 0; y < 230; y += 23)
            for (int x = 0; x < width; x += 13, ++probes)
                same += Pixel(v, x, y) == ColorOfPixel(picture.at(x, y));
        EXPECT_EQ(same, probes) << v.Caption();
        // Below the picture's control the window is black, though the picture goes on.
        EXPECT_EQ(Pixel(v, width / 2, 231), clBlack) << v.Caption();
    }
}

TEST_P(EKDBilder, TheCaptionStripNamesTheStructureBesideAScaleBar) {
    ASSERT_TRUE(harness::Menu(form, Cascade));
    EXPECT_STREQ(UnitBildFe::Data.Text, "Ferritisches Gefüge");
    EXPECT_STREQ(UnitBildFe::Data.Scale, " 50      m");
    EXPECT_STREQ(UnitBildC01::Data.Text, "Stahl mit 0.1 % Kohlenstoff");
    EXPECT_STREQ(UnitBildC03::Data.Text, "Stahl mit 0,3 % Kohlenstoff");
    EXPECT_STREQ(UnitBildC08::Data.Scale, "200      m");
    for (TMicrographViewer* viewer : UnitEKDBilder::ViewerList()) {
        TMicrographViewer& v = *viewer;
        const int top = v.PaintBoxBildFe->Top();
        auto white = [&](int x, int y) { return Pixel(v, x, top + y) == clWhite; };
        auto whiteIn = [&](int left, int right) {
            int n = 0;
            for (int x = left; x < right; ++x)
                for (int y = 5; y < 19; ++y)
                    n += white(x, y);
            return n;
        };
        // The bar: two ticks from 4 to 19 joined at 12, end points left out.
        for (int y = 4; y < 20; ++y) {
            EXPECT_TRUE(white(200, y) && white(280, y)) << v.Caption() << " y " << y;
        }
        EXPECT_FALSE(white(200, 20));
        EXPECT_FALSE(white(280, 20));
        for (int x = 200; x < 280; ++x)
            EXPECT_TRUE(white(x, 12)) << v.Caption() << " x " << x;
        EXPECT_FALSE(white(240, 8));
        // The text from x 10, ending before the bar.
        TCanvas& c = v.PaintBoxBildFe->Canvas;
        c.Font.Name = "Ms Sans Serif";
        c.Font.Height = 14;
        const int textEnd = 10 + c.TextWidth(v.Data().Text);
        EXPECT_LT(textEnd, 200);
        EXPECT_GT(whiteIn(10, textEnd), 20) << v.Caption();
        EXPECT_EQ(whiteIn(textEnd + 1, 199), 0) << v.Caption();
        // The label's number, a blank's gap, and the unit: the μ stands just before the m, as
        // close as two letters of one word, without touching it.
        const std::string scale = v.Data().Scale;
        const int numberEnd = 290 + c.TextWidth(scale.substr(0, 3));
        const int mStart = 290 + c.TextWidth(scale.substr(0, scale.size() - 1));
        EXPECT_GT(whiteIn(290, numberEnd), 10) << v.Caption();
        EXPECT_GT(whiteIn(mStart, 290 + c.TextWidth(scale)), 10) << v.Caption();
        const auto runs = harness::InkRuns(v, {numberEnd, top + 2, 400, top + 22}, clWhite);
        ASSERT_EQ(runs.size(), 2u) << v.Caption();
        const int gap = runs[1].First - runs[0].Last - 1;
        EXPECT_GE(gap, 1) << v.Caption();
        EXPECT_LE(gap, 2) << v.Caption();
        EXPECT_GE(runs[0].First - numberEnd, c.TextWidth(" ")) << v.Caption();
        EXPECT_GE(runs[1].First, mStart) << v.Caption();
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, EKDBilder,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768},
                                         std::pair{1024, 600}));

} // namespace
