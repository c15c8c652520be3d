// The complete iron–carbon diagram: its layout in both layouts and at exactly 1024 pixels, the
// lines and letters of both systems where the design puts them, the three views and their
// commands, the fields filled once by the lattice commands, the placing of the lattice screens,
// and the two text panels with their labels.

#include "ironcarbon/UnitEKDGESAMT.h"
#include "ironcarbon/UnitFeKFZ.h"
#include "ironcarbon/UnitFeKRZ.h"
#include "platform/Keys.h"
#include "platform/TestForm.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

#include <memory>

using harness::Pixel;
using UnitEKDGESAMT::Unit;

namespace {

constexpr const char* Command = "EKS-metastabiler und stabiler Zustand (Ferrit + Austenit)";
constexpr TColor Blue = 0xFF0000;
constexpr TColor Red = 0x0000FF;
constexpr TColor DarkRed = 0x000064;
constexpr TColor FerriteOrange = 0x1CB5FF;
constexpr TColor AusteniteYellow = 0x00FFFF;
constexpr TColor PaleBlue = 0xFFD7D7;
constexpr TColor PalePink = 0xE8E8FF;
constexpr TColor LightGrey = 0xE6E6E6;

// A point given in design units and, computed by hand, in the pixels of the 1024 × 768 layout
// (× 1.28, rounded); on 800 × 600 the design value is the pixel.
struct Spot {
    int X, Y;
    int LargeX, LargeY;
};

// A text of the diagram at its design place and at its place × 1.28.
struct Letter {
    const char* Text;
    Spot At;
    TColor Color;
    const char* Face = "Sains Serif";
};

class EKDGesamt : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(harness::Menu(*FormMenue, Command));
        ASSERT_EQ(harness::ActiveForm(), FormEKDGesamt);
    }
    bool Large() const { return GetParam().first == 1024; }
    int X(const Spot& s) const { return Large() ? s.LargeX : s.X; }
    int Y(const Spot& s) const { return Large() ? s.LargeY : s.Y; }
    TColor At(const Spot& s) const { return Pixel(form, X(s), Y(s)); }
    void Choose(const std::string& caption) { ASSERT_TRUE(harness::Menu(form, caption)); }
    int TextHeight() const { return Large() ? 20 : 16; } // round(16 × factor)

    // How many pixels of a rectangle have the colour.
    int Count(const TRect& r, TColor color) const {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += Pixel(form, x, y) == color;
        return n;
    }
    // Whether the text stands exactly at its place: every pixel it sets when written there
    // alone, with the diagram's font, has its colour on the screen too.
    ::testing::AssertionResult Shows(const Letter& letter) {
        const int w = form.ClientWidth(), h = form.ClientHeight();
        harness::TestForm scratch(w, h);
        scratch.Box->SetBounds(0, 0, w, h);
        scratch.Show();
        TCanvas& c = scratch.Box->Canvas;
        // A ground no text of the diagram has, so that white and black letters show on it.
        constexpr TColor Ground = 0x123456;
        c.Brush.Color = Ground;
        c.Pen.Color = Ground;
        c.Rectangle(0, 0, w, h);
        c.Brush.Style = bsClear;
        c.Font = {letter.Face, TextHeight(), letter.Color, false};
        c.TextOut(X(letter.At), Y(letter.At), letter.Text);
        int set = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (scratch.PixelColor(x, y) != letter.Color)
                    continue;
                ++set;
                if (Pixel(form, x, y) != letter.Color)
                    return ::testing::AssertionFailure()
                           << '"' << letter.Text << "\" lacks its pixel (" << x << ", " << y << ")";
            }
        if (set == 0)
            return ::testing::AssertionFailure() << '"' << letter.Text << "\" draws nothing";
        return ::testing::AssertionSuccess();
    }

    harness::Session session{GetParam().first, GetParam().second};
    TFormEKDGesamt& form = *FormEKDGesamt;
};

// Corners and bends of both systems, away from the letters.
const Spot MetastableSpots[] = {
    {56, 395, 72, 506},   // P
    {717, 395, 918, 506}, // K
    {480, 215, 614, 275}, // C
    {256, 215, 328, 275}, // E
    {100, 66, 128, 84},   // B
    {717, 140, 918, 179}, // D
    {50, 316, 64, 404},   // G
    {151, 355, 193, 454}, // on S–E
    {600, 164, 768, 210}, // on C–D
};
const Spot StableSpots[] = {
    {56, 390, 72, 499},   // P´
    {717, 390, 918, 499}, // K´
    {250, 210, 320, 269}, // E´
    {470, 210, 602, 269}, // C´
    {590, 20, 755, 26},   // D´
    {120, 390, 154, 499}, // S´
};
// Inside the ferrite triangle and inside the austenite field, clear of lines and letters.
const Spot InFerrite{52, 420, 67, 538};
const Spot InAustenite{100, 300, 128, 384};
// Inside the austenite field only if the field's heights are scaled too: unscaled, its lower
// edge would run at 367 pixels here.
const Spot LowInAustenite{90, 340, 115, 435};
// On line 19 (K´–P´, 738 °C), on line 1 (P–K, 723 °C) and just below both, inside the frame.
const Spot OnStableEutectoid{300, 390, 384, 499};
const Spot OnMetastableEutectoid{300, 395, 384, 506};
const Spot UnderTheEutectoids{300, 400, 384, 512};

TEST_P(EKDGesamt, OpensMaximisedWithTheControlsScaledFromTheDesign) {
    EXPECT_EQ(form.WindowState, wsMaximized);
    EXPECT_EQ((std::array{form.Left(), form.Top(), form.Width(), form.Height()}),
              (std::array{0, 0, GetParam().first, GetParam().second}));
    EXPECT_DOUBLE_EQ(Unit.FaktorX, Large() ? 1.28 : 1.0);
    EXPECT_DOUBLE_EQ(Unit.FaktorY, Large() ? 1.28 : 1.0);
    auto bounds = [](const TControl& c) {
        return std::array{c.Left(), c.Top(), c.Width(), c.Height()};
    };
    EXPECT_EQ(
        bounds(*form.PaintBoxHaupt),
        (std::array{0, 0, form.ClientWidth(), form.ClientHeight() - form.StatusBarHint->Height()}));
    EXPECT_EQ(bounds(*form.PaintBoxDefStahl),
              (Large() ? std::array{513, 0, 506, 218} : std::array{401, 0, 395, 170}));
    EXPECT_EQ(bounds(*form.PaintBoxDefEKS),
              (Large() ? std::array{0, 0, 512, 243} : std::array{0, 0, 400, 190}));
    EXPECT_EQ(bounds(*form.LabelBunter),
              (Large() ? std::array{38, 618, 129, 15} : std::array{30, 483, 101, 12}));
    EXPECT_EQ(bounds(*form.LabelBperlit),
              (Large() ? std::array{128, 600, 102, 15} : std::array{100, 469, 80, 12}));
    EXPECT_EQ(bounds(*form.LabelBueber),
              (Large() ? std::array{169, 618, 192, 15} : std::array{132, 483, 150, 12}));
    // The large labels start at their design place and are at least their design width; they
    // share one width and stay on the meaning panel.
    const std::array<int, 3> tops = Large() ? std::array{134, 160, 186} : std::array{105, 125, 145};
    int i = 0;
    for (TLabel* label : {form.Labelunter, form.Labelperlit, form.Labelueber}) {
        EXPECT_EQ(label->Left(), Large() ? 19 : 15);
        EXPECT_EQ(label->Top(), tops[i++]);
        EXPECT_EQ(label->Height(), Large() ? 26 : 20);
        EXPECT_GE(label->Width(), Large() ? 448 : 350);
        EXPECT_EQ(label->Width(), form.Labelunter->Width());
        EXPECT_LE(label->Left() + label->Width(), form.PaintBoxDefEKS->Width());
        EXPECT_GE(label->Width(), label->Canvas.TextWidth(label->Caption()));
        EXPECT_EQ(label->Font().Height, Large() ? 23 : 18);
        EXPECT_TRUE(label->Font().Bold);
    }
    EXPECT_EQ(form.LabelBunter->Font().Height, Large() ? 13 : 10);
    EXPECT_EQ(form.StatusBarHint->SimpleText(), "ESC = Abbruch");
    for (TControl* hidden : std::initializer_list<TControl*>{
             form.PaintBoxDefStahl, form.PaintBoxDefEKS, form.Labelunter, form.Labelperlit,
             form.Labelueber, form.LabelBunter, form.LabelBperlit, form.LabelBueber})
        EXPECT_FALSE(hidden->Visible()) << hidden->Name;
}

TEST_P(EKDGesamt, DrawsBothSystemsAtTheirDesignPointsInTheCombinedView) {
    for (const Spot& s : MetastableSpots)
        EXPECT_EQ(At(s), Blue) << s.X << ", " << s.Y;
    for (const Spot& s : StableSpots)
        EXPECT_EQ(At(s), Red) << s.X << ", " << s.Y;
    EXPECT_EQ(At(InFerrite), clWhite);
    EXPECT_EQ(At(InAustenite), clWhite);
    // Below E the line is dashed: blue runs with gaps of the frame's white.
    const int x = Large() ? 328 : 256;
    const TRect column{x, Large() ? 288 : 225, x + 1, Large() ? 473 : 370};
    EXPECT_GT(Count(column, Blue), column.Height() / 2);
    EXPECT_GT(Count(column, clWhite), column.Height() / 10);
    EXPECT_EQ(Count(column, Blue) + Count(column, clWhite), column.Height());
}

TEST_P(EKDGesamt, WritesTheLettersOfTheCombinedViewAtTheirScaledPlaces) {
    const Letter letters[] = {
        {"A", {53, 27, 68, 35}, Blue},       {"K", {700, 396, 896, 507}, Blue},
        {"E", {260, 218, 333, 279}, Blue},   {"C", {482, 217, 617, 278}, Blue},
        {"Q", {54, 475, 69, 608}, Blue},     {"L", {705, 475, 902, 608}, Blue},
        {"C´", {480, 190, 614, 243}, Red},   {"D´", {590, 25, 755, 32}, Red},
        {"K´", {700, 376, 896, 481}, Red},   {"a-MK", {70, 445, 90, 570}, Blue, "Symbol"},
        {"1600°C", {5, 16, 6, 20}, clBlack}, {"100 % Zementit", {697, 507, 892, 649}, clWhite},
    };
    for (const Letter& letter : letters)
        EXPECT_TRUE(Shows(letter));
}

TEST_P(EKDGesamt, TheMetastableViewLeavesOutTheStableSystem) {
    Choose("&metastabil");
    EXPECT_FALSE(form.Metastabil->Enabled());
    EXPECT_TRUE(form.Gesamt->Enabled());
    EXPECT_TRUE(form.Stabil->Enabled());
    for (const Spot& s : MetastableSpots)
        EXPECT_EQ(At(s), Blue) << s.X << ", " << s.Y;
    EXPECT_EQ(At(OnStableEutectoid), PaleBlue);
    EXPECT_EQ(At(OnMetastableEutectoid), Blue);
    EXPECT_EQ(At(UnderTheEutectoids), PaleBlue);
    EXPECT_TRUE(Shows({"M", {37, 370, 47, 474}, clBlack}));
    EXPECT_TRUE(Shows({"K", {700, 396, 896, 507}, Blue}));
    EXPECT_TRUE(Shows({"100 % Zementit", {697, 507, 892, 649}, clBlack}));
    // No red letter of the stable system.
    const TRect stabil = Large() ? TRect{710, 100, 770, 122} : TRect{555, 78, 600, 96};
    EXPECT_EQ(Count(stabil, Red), 0);
    EXPECT_GT(Count(stabil, PaleBlue), 0);
}

TEST_P(EKDGesamt, TheStableViewDrawsOnlyTheStableSystemInRed) {
    Choose("&stabil");
    EXPECT_FALSE(form.Stabil->Enabled());
    EXPECT_TRUE(form.Gesamt->Enabled());
    EXPECT_TRUE(form.Metastabil->Enabled());
    for (const Spot& s : StableSpots)
        EXPECT_EQ(At(s), Red) << s.X << ", " << s.Y;
    EXPECT_EQ(At(OnStableEutectoid), Red);
    EXPECT_EQ(At(OnMetastableEutectoid), PalePink);
    EXPECT_EQ(At(UnderTheEutectoids), PalePink);
    // Q–P´ and P´–G meet left of P´.
    EXPECT_EQ(At({54, 390, 69, 499}), Red);
    EXPECT_TRUE(Shows({"K´", {705, 376, 902, 481}, DarkRed}));
    EXPECT_TRUE(Shows({"C´", {483, 190, 618, 243}, DarkRed}));
    EXPECT_TRUE(Shows({"M", {37, 370, 47, 474}, clBlack}));
    EXPECT_TRUE(Shows({"g-MK ", {350, 290, 448, 371}, DarkRed, "Symbol"}));
    // No cementite scale: the row below the carbon labels holds neither white nor black text.
    const TRect cementiteRow = Large() ? TRect{50, 652, 1000, 669} : TRect{40, 510, 790, 523};
    EXPECT_EQ(Count(cementiteRow, clBlack), 0);
    EXPECT_EQ(Count(cementiteRow, clWhite), 0);
}

TEST_P(EKDGesamt, ExactlyOneViewCommandIsDisabledAndARepaintDrawsTheCombinedView) {
    EXPECT_FALSE(form.Gesamt->Enabled());
    EXPECT_TRUE(form.Metastabil->Enabled());
    EXPECT_TRUE(form.Stabil->Enabled());
    EXPECT_FALSE(harness::Menu(form, "metas&tabil (stabil) "));

    Choose("&metastabil");
    Choose("Sta&hl");
    EXPECT_TRUE(form.PaintBoxDefStahl->Visible());
    EXPECT_EQ(At(OnStableEutectoid), Red); // the repaint drew the combined view
    // A click on the panel closes it; the menu stays as the last view left it.
    form.MouseDown(mbLeft, form.PaintBoxDefStahl->Left() + 10, 10);
    harness::Settle();
    EXPECT_FALSE(form.PaintBoxDefStahl->Visible());
    EXPECT_EQ(At(OnStableEutectoid), Red);
    EXPECT_FALSE(form.Metastabil->Enabled());
    EXPECT_TRUE(form.Gesamt->Enabled());

    Choose("metas&tabil (stabil) ");
    EXPECT_FALSE(form.Gesamt->Enabled());
    EXPECT_TRUE(form.Metastabil->Enabled());
    EXPECT_TRUE(form.Stabil->Enabled());
    for (const Spot& s : StableSpots)
        EXPECT_EQ(At(s), Red);
    EXPECT_EQ(At(OnStableEutectoid), Red);

    // Closing resets the views; the next opening shows the combined view.
    Choose("&stabil");
    harness::Key(form, VK_ESCAPE);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    EXPECT_FALSE(form.Gesamt->Enabled());
    EXPECT_TRUE(form.Stabil->Enabled());
    ASSERT_TRUE(harness::Menu(*FormMenue, Command));
    for (const Spot& s : MetastableSpots)
        EXPECT_EQ(At(s), Blue);
    EXPECT_EQ(At(UnderTheEutectoids), clWhite);
}

TEST_P(EKDGesamt, FerriteFillsItsFieldOnceAndAnyRepaintRemovesIt) {
    Choose("&Ferrit");
    EXPECT_FALSE(Unit.FuellungFerrit);
    EXPECT_EQ(At(InFerrite), FerriteOrange);
    EXPECT_EQ(At(InAustenite), clWhite);
    EXPECT_TRUE(FormFeKRZ->Visible());
    EXPECT_FALSE(FormFeKFZ->Visible());
    form.Refresh();
    EXPECT_EQ(At(InFerrite), clWhite);

    // Closing the lattice screen repaints what it covered, and the whole diagram with it.
    Choose("&Ferrit");
    EXPECT_EQ(At(InFerrite), FerriteOrange);
    harness::Key(*FormFeKRZ, VK_ESCAPE);
    EXPECT_FALSE(FormFeKRZ->Visible());
    EXPECT_EQ(At(InFerrite), clWhite);
}

TEST_P(EKDGesamt, AusteniteAfterFerriteSwapsTheLatticeScreensAndTheFilledField) {
    Choose("&Ferrit");
    Choose("&Austenit");
    EXPECT_FALSE(Unit.FuellungAustenit);
    EXPECT_FALSE(FormFeKRZ->Visible());
    ASSERT_TRUE(FormFeKFZ->Visible());
    EXPECT_EQ(FormFeKFZ->Left(), Large() ? 538 : 420); // flush with the right screen edge
    EXPECT_EQ(FormFeKFZ->Top(), 0);
    EXPECT_EQ(At(InAustenite), AusteniteYellow);
    EXPECT_EQ(At(LowInAustenite), AusteniteYellow);
    EXPECT_EQ(At(InFerrite), clWhite);
    form.Refresh();
    EXPECT_EQ(At(InAustenite), clWhite);
    EXPECT_EQ(At(LowInAustenite), clWhite);
}

TEST_P(EKDGesamt, BothLatticeScreensStandLeftAndRightAtOneHeightWithoutAFill) {
    Choose("Ferrit/Austen&it");
    ASSERT_TRUE(FormFeKFZ->Visible());
    ASSERT_TRUE(FormFeKRZ->Visible());
    EXPECT_EQ(FormFeKFZ->Left(), Large() ? 538 : 420);
    EXPECT_EQ(FormFeKRZ->Left(), 0);
    EXPECT_EQ(FormFeKFZ->Top(), 0);
    EXPECT_EQ(FormFeKRZ->Top(), FormFeKFZ->Top());
    EXPECT_EQ(At(InFerrite), clWhite);
    EXPECT_EQ(At(InAustenite), clWhite);
    // Both stay usable beside the modal diagram, which stays usable too.
    EXPECT_TRUE(FormFeKFZ->AcceptsInput());
    EXPECT_TRUE(FormFeKRZ->AcceptsInput());
    EXPECT_TRUE(form.AcceptsInput());
    EXPECT_TRUE(FormMenue->Blocked());
    EXPECT_TRUE(harness::Menu(*FormFeKRZ, "&Start"));
    EXPECT_TRUE(FormFeKRZ->Timer1->Enabled());

    // Closing the diagram closes both and stops their turning.
    EXPECT_TRUE(harness::Menu(*FormFeKFZ, "&Start"));
    harness::Key(form, VK_ESCAPE);
    EXPECT_FALSE(FormFeKFZ->Visible());
    EXPECT_FALSE(FormFeKRZ->Visible());
    EXPECT_FALSE(FormFeKFZ->Timer1->Enabled());
    EXPECT_FALSE(FormFeKRZ->Timer1->Enabled());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
}

TEST_P(EKDGesamt, ALatticeScreenClosingOverAnOpenPanelLeavesThePanelWhole) {
    Choose("Ferrit/Austen&it");
    Choose("Sta&hl");
    const int border = form.PaintBoxDefStahl->Left();
    EXPECT_EQ(Pixel(form, border, 100), clBlack);
    // The austenite screen covered all of the panel but its left edge.
    ASSERT_GT(FormFeKFZ->Left(), border);
    harness::Key(*FormFeKFZ, VK_ESCAPE);
    EXPECT_FALSE(FormFeKRZ->Visible());
    EXPECT_EQ(Pixel(form, border, 100), clBlack);
}

TEST_P(EKDGesamt, ALatticeScreenClosingOverTheMeaningPanelLeavesItsLabelsShowing) {
    Choose("&Austenit");
    Choose("&Bedeutung des EKS");
    harness::Key(*FormFeKFZ, VK_ESCAPE);
    for (TLabel* label : {form.Labelunter, form.Labelperlit, form.Labelueber, form.LabelBunter,
                          form.LabelBperlit, form.LabelBueber})
        EXPECT_GT(Count(label->BoundsRect(), label->Color()), label->Width() * label->Height() / 3)
            << label->Name;
}

TEST_P(EKDGesamt, TheMeaningPanelShowsTheRangeLabelsAndTheCombinedViewKeepsTheSmallOnes) {
    // The meaning panel's right edge lies over the diagram's white.
    const Spot panelEdge{399, 100, 511, 128};
    EXPECT_EQ(At(panelEdge), clWhite);

    Choose("&metastabil");
    Choose("&Bedeutung des EKS");
    for (TControl* shown : std::initializer_list<TControl*>{
             form.PaintBoxDefEKS, form.Labelunter, form.Labelperlit, form.Labelueber,
             form.LabelBunter, form.LabelBperlit, form.LabelBueber})
        EXPECT_TRUE(shown->Visible()) << shown->Name;
    EXPECT_EQ(At(panelEdge), clBlack);
    auto greyIn = [&](const TLabel& label) { return Count(label.BoundsRect(), label.Color()); };
    for (TLabel* label : {form.Labelunter, form.LabelBunter, form.LabelBueber})
        EXPECT_GT(greyIn(*label), label->Width() * label->Height() / 3) << label->Name;
    EXPECT_EQ(form.LabelBunter->Color(), LightGrey);

    Choose("metas&tabil (stabil) ");
    EXPECT_FALSE(form.PaintBoxDefEKS->Visible());
    for (TLabel* label : {form.Labelunter, form.Labelperlit, form.Labelueber})
        EXPECT_FALSE(label->Visible()) << label->Name;
    EXPECT_EQ(At(panelEdge), clWhite);
    for (TLabel* label : {form.LabelBunter, form.LabelBperlit, form.LabelBueber}) {
        EXPECT_TRUE(label->Visible()) << label->Name;
        EXPECT_GT(greyIn(*label), label->Width() * label->Height() / 3) << label->Name;
    }

    // A click on the panel, even on one of its labels, closes it with all six labels.
    Choose("&Bedeutung des EKS");
    form.MouseDown(mbLeft, form.Labelunter->Left() + 5, form.Labelunter->Top() + 5);
    harness::Settle();
    EXPECT_FALSE(form.PaintBoxDefEKS->Visible());
    EXPECT_FALSE(form.LabelBunter->Visible());
    EXPECT_EQ(greyIn(*form.LabelBunter), 0);
    EXPECT_EQ(At(panelEdge), clWhite);
}

INSTANTIATE_TEST_SUITE_P(Screens, EKDGesamt,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

TEST(EKDGesamtLayout, AScreenExactlyOneThousandAndTwentyFourWideTakesItsFactorsFromTheScreen) {
    auto session = std::make_unique<harness::Session>(1024, 600);
    EXPECT_DOUBLE_EQ(Unit.FaktorX, 1.28);
    EXPECT_DOUBLE_EQ(Unit.FaktorY, 1.0);
    TFormEKDGesamt& form = *FormEKDGesamt;
    EXPECT_EQ((std::array{form.Left(), form.Top(), form.Width(), form.Height()}),
              (std::array{0, 0, 1024, 600}));
    EXPECT_EQ((std::array{form.PaintBoxDefStahl->Left(), form.PaintBoxDefStahl->Top(),
                          form.PaintBoxDefStahl->Width(), form.PaintBoxDefStahl->Height()}),
              (std::array{513, 0, 506, 170}));
    EXPECT_EQ((std::array{form.LabelBunter->Left(), form.LabelBunter->Top(),
                          form.LabelBunter->Width(), form.LabelBunter->Height()}),
              (std::array{38, 483, 129, 12}));
    EXPECT_EQ(form.Labelunter->Font().Height, 23);
    // Above 1024 pixels the large layout's fixed factor holds.
    session.reset();
    harness::Session wide(1280, 1024);
    EXPECT_DOUBLE_EQ(Unit.FaktorX, 1.28);
    EXPECT_DOUBLE_EQ(Unit.FaktorY, 1.28);
}

} // namespace
