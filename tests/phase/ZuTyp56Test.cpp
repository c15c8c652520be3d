// Types 5 and 6: the two static diagrams in both layouts, their curves, lines and texts at the
// pixels the formulas give, the text beside them, the menu and what closing and repainting do.

#include "Harness.h"
#include "phase/UnitZuTyp5.h"
#include "phase/UnitZuTyp6.h"
#include "phase/UnitZutyp1.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

#include <algorithm>
#include <array>
#include <cstdlib>

using harness::Pixel;

namespace {

constexpr TColor Line = 1; // every line of both diagrams
constexpr TColor Gold = 0x00D2FF;
constexpr TColor Yellow = 0x00FFFF;
constexpr const char* Typ5Command = "System intermediäre Phase (\"Typ 5\")";
constexpr const char* Typ6Command = "System mit Umwandlungen im festen Zustand (\"Typ 6\")";

// The field's colour in the band where yellow turns red.
constexpr TColor Turning(int y) {
    return 0x0145FF - 256 * y;
}
// And in the darkening red band at the bottom.
constexpr TColor Darkening(int y) {
    return 905 - 2 * y;
}

struct Box {
    int Left = 1 << 20;
    int Top = 1 << 20;
    int Right = -1; // inclusive
    int Bottom = -1;
    bool Empty() const { return Right < 0; }
};

class StaticDiagram : public testing::TestWithParam<std::pair<int, int>> {
protected:
    bool Open(const char* command, TStaticPhaseForm* expected) {
        if (!harness::Menu(*FormMenue, command))
            return false;
        form = expected;
        unit = expected == FormZuTyp5 ? &UnitZuTyp5::Unit : &UnitZuTyp6::Unit;
        return harness::ActiveForm() == expected;
    }
    void SetUp() override { ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten")); }
    bool Large() const { return GetParam().first >= 1024; }
    // A pixel of the diagram.
    TColor At(int x, int y) const { return Pixel(*form, unit->DiagLinks + x, unit->DiagOben + y); }
    // The black pixels of text (the lines are colour 1, not black) inside a diagram rectangle.
    Box Ink(int left, int top, int right, int bottom) const {
        Box box;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (At(x, y) == clBlack) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x);
                    box.Bottom = std::max(box.Bottom, y);
                }
        return box;
    }
    // Whether a text written at (x, y) stands there: ink inside its cell, and none in a margin
    // around the cell.
    void ExpectText(int x, int y, const std::string& text) const {
        const TCanvas& c = form->PaintBoxHaupt->Canvas;
        const int w = c.TextWidth(text);
        const int h = c.TextHeight(text);
        constexpr int Margin = 4;
        const Box ink = Ink(x - Margin, y - Margin, x + w + Margin, y + h + Margin);
        ASSERT_FALSE(ink.Empty()) << text;
        EXPECT_GE(ink.Left, x) << text;
        EXPECT_LE(ink.Left, x + 2) << text;
        EXPECT_GE(ink.Top, y) << text;
        EXPECT_LT(ink.Right, x + w) << text;
        EXPECT_LT(ink.Bottom, y + h) << text;
    }
    // Where a curve crosses column x: at row y, and nowhere more than the pen's width away from
    // it, so that a curve shifted by a few rows is caught.
    void ExpectCurveAt(int x, int y) const {
        constexpr int Search = 8, Spread = 2;
        EXPECT_EQ(At(x, y), Line) << "(" << x << ", " << y << ")";
        for (int row = y - Search; row <= y + Search; ++row) {
            if (std::abs(row - y) > Spread) {
                EXPECT_NE(At(x, row), Line) << "(" << x << ", " << row << ")";
            }
        }
    }
    // The dots of a dotted vertical line: both the line's colour and the field show along it.
    void ExpectDotted(int x, int top, int bottom) const {
        int dots = 0, gaps = 0;
        for (int y = top; y < bottom; ++y)
            (At(x, y) == Line ? dots : gaps) += 1;
        EXPECT_GT(dots, (bottom - top) / 4) << "x " << x;
        EXPECT_GT(gaps, (bottom - top) / 4) << "x " << x;
    }

    harness::Session session{GetParam().first, GetParam().second};
    TStaticPhaseForm* form = nullptr;
    StaticPhase::Variables* unit = nullptr;
};

// --- layout and text -------------------------------------------------------------------------

TEST_P(StaticDiagram, LaysOutBothScreensForTheScreenSize) {
    const std::pair<const char*, TStaticPhaseForm*> screens[] = {{Typ5Command, FormZuTyp5},
                                                                 {Typ6Command, FormZuTyp6}};
    for (auto [command, screen] : screens) {
        ASSERT_TRUE(Open(command, screen));
        SCOPED_TRACE(command);
        const int w = Large() ? 1024 : 800, h = Large() ? 768 : 600;
        EXPECT_EQ((std::array{form->Left(), form->Top(), form->Width(), form->Height()}),
                  (std::array{0, 0, w, h}));
        EXPECT_EQ(unit->FaktorX, Large() ? 1.28 : 1.0);
        EXPECT_EQ(unit->FaktorY, Large() ? 1.28 : 1.0);
        EXPECT_EQ((std::array{unit->DiagLinks, unit->DiagOben}),
                  Large() ? (std::array{430, 70}) : (std::array{265, 5}));
        const TPaintBox& box = *form->PaintBoxHaupt;
        EXPECT_EQ((std::array{box.Left(), box.Top(), box.Width(), box.Height()}),
                  (std::array{unit->DiagLinks, unit->DiagOben, 505, 492}));
        const TMemo& memo = *form->MemoErlaeuterung;
        const int smallWidth = screen == FormZuTyp5 ? 267 : 265;
        EXPECT_EQ((std::array{memo.Left(), memo.Top(), memo.Width(), memo.Height()}),
                  Large() ? (std::array{30, 40, 370, 590}) : (std::array{1, 3, smallWidth, 494}));
        EXPECT_TRUE(memo.Visible());
        EXPECT_EQ(memo.Font().Height, Large() ? 20 : 16); // round(16 × 1.28) = round(20.48)
        EXPECT_EQ(form->StatusBarHint->SimpleText(), "ESC = Abbruch");
        // The orange panel behind the diagram only in the large layout.
        EXPECT_EQ(Pixel(*form, 25, 400), Large() ? 0x02ABFD : 0xFF2F2F);
        if (Large()) {
            EXPECT_EQ(Pixel(*form, 1005, 400), 0xFF2F2F);
        }
        harness::Key(*form, VK_ESCAPE);
    }
}

TEST_P(StaticDiagram, WritesTheTextOnceAndKeepsItThroughRepaintsAndReopening) {
    ASSERT_TRUE(Open(Typ5Command, FormZuTyp5));
    TMemo& memo5 = *FormZuTyp5->MemoErlaeuterung;
    ASSERT_EQ(memo5.LinesCount(), 23);
    EXPECT_EQ(memo5.LinesGet(0), " In metallischen Zweistoffsystemen sind");
    EXPECT_EQ(memo5.LinesGet(4), std::string(56, '-'));
    EXPECT_EQ(memo5.LinesGet(9), " aus den Komponenten A und B,  aus-");
    EXPECT_EQ(memo5.LinesGet(11), " Weiterhin besteht für diesen Fall ");
    EXPECT_EQ(memo5.LinesGet(14), " Zustand. ");
    EXPECT_EQ(memo5.LinesGet(22), " Stoff betrachtet werden.");
    // Nothing rewrites the text at paint time: a changed line survives a repaint and a
    // reopening.
    memo5.LinesSet(22, "geändert");
    FormZuTyp5->Refresh();
    harness::Menu(*FormZuTyp5, "&Ende");
    ASSERT_TRUE(Open(Typ5Command, FormZuTyp5));
    EXPECT_EQ(memo5.LinesGet(22), "geändert");
    EXPECT_EQ(memo5.LinesCount(), 23);
    harness::Key(*FormZuTyp5, VK_ESCAPE);

    ASSERT_TRUE(Open(Typ6Command, FormZuTyp6));
    const TMemo& memo6 = *FormZuTyp6->MemoErlaeuterung;
    ASSERT_EQ(memo6.LinesCount(), 25);
    EXPECT_EQ(memo6.LinesGet(0), " Dieses Diagramm zeigt eine Phasen-");
    EXPECT_EQ(memo6.LinesGet(4), std::string(56, '-'));
    EXPECT_EQ(memo6.LinesGet(12), " Entlang der Linie A-B (B-C)  scheiden ");
    EXPECT_EQ(memo6.LinesGet(19), " gemenge von A und B um, dass im Un- ");
    EXPECT_EQ(memo6.LinesGet(24), " = Eisen-Eisenkarbid.");
}

// --- the menu --------------------------------------------------------------------------------

TEST_P(StaticDiagram, HasEndeAndAnInvisibleEscapeInTheScreensOrder) {
    auto items = [](TForm& f) {
        std::vector<std::string> names;
        for (const auto& item : f.MainMenu.Items())
            names.push_back(item->Name);
        return names;
    };
    EXPECT_EQ(items(*FormZuTyp5), (std::vector<std::string>{"Ende", "ESCAPE"}));
    EXPECT_EQ(items(*FormZuTyp6), (std::vector<std::string>{"ESCAPE", "Ende"}));
    for (TStaticPhaseForm* f :
         {static_cast<TStaticPhaseForm*>(FormZuTyp5), static_cast<TStaticPhaseForm*>(FormZuTyp6)}) {
        EXPECT_EQ(f->Ende->Caption(), "&Ende");
        EXPECT_TRUE(f->Ende->Visible);
        EXPECT_EQ(f->Ende->ShortCut, 0);
        EXPECT_EQ(f->ESCAPE->Caption(), "ESCAPE");
        EXPECT_FALSE(f->ESCAPE->Visible);
        EXPECT_EQ(f->ESCAPE->ShortCut, VK_ESCAPE);
    }
    EXPECT_EQ(FormZuTyp5->Caption(),
              "Zustandsschaubild vollkommener Unlöslichkeit im festen Zustand mit "
              "intermediären Phasen (schematisch)");
    EXPECT_EQ(FormZuTyp6->Caption(),
              "Zustandsschaubild mit Umwandlungen im festen Zustand (schematisch)");
}

TEST_P(StaticDiagram, EndeAndEscCloseBackToTheMenu) {
    ASSERT_TRUE(Open(Typ5Command, FormZuTyp5));
    EXPECT_TRUE(harness::Menu(*FormZuTyp5, "&Ende"));
    EXPECT_FALSE(FormZuTyp5->Visible());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    ASSERT_TRUE(Open(Typ6Command, FormZuTyp6));
    EXPECT_TRUE(harness::Key(*FormZuTyp6, VK_ESCAPE));
    EXPECT_FALSE(FormZuTyp6->Visible());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    ASSERT_TRUE(Open(Typ6Command, FormZuTyp6));
    EXPECT_TRUE(harness::Menu(*FormZuTyp6, "&Ende"));
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
}

TEST_P(StaticDiagram, TakeThePageColourAfterType1) {
    const auto& screens = UnitMenue::PageColorScreens();
    std::size_t typ1 = 0;
    while (typ1 < screens.size() && screens[typ1]() != FormZuTyp1)
        ++typ1;
    ASSERT_LT(typ1 + 5, screens.size());
    EXPECT_EQ(screens[typ1 + 4](), FormZuTyp5);
    EXPECT_EQ(screens[typ1 + 5](), FormZuTyp6);
    session.NextColor = 0x123456;
    harness::Menu(*FormMenue, "Hintergrundfarbe wählen: Seiten");
    EXPECT_EQ(FormZuTyp5->Color(), 0x123456);
    EXPECT_EQ(FormZuTyp6->Color(), 0x123456);
}

// --- Type 5 ----------------------------------------------------------------------------------

TEST_P(StaticDiagram, Type5DrawsTheFrameAndTheColourField) {
    ASSERT_TRUE(Open(Typ5Command, FormZuTyp5));
    EXPECT_EQ(At(2, 450), Gold);
    EXPECT_EQ(At(0, 200), clWhite); // the outer rectangle's white outline
    EXPECT_EQ(At(30, 50), Yellow);
    EXPECT_EQ(At(30, 200), Turning(200));
    EXPECT_EQ(At(30, 340), Darkening(340));
    EXPECT_EQ(At(30, 370), 165); // the last row lies below the white field
    EXPECT_EQ(At(479, 340), Darkening(340));
    EXPECT_EQ(At(480, 340), clWhite); // the field's outline beyond the rows' end: white here
    harness::Key(*form, VK_ESCAPE);
    ASSERT_TRUE(Open(Typ6Command, FormZuTyp6));
    EXPECT_EQ(At(479, 200), Turning(200));
    EXPECT_EQ(At(480, 200), clBlack); // and black on Type 6
}

TEST_P(StaticDiagram, Type5DrawsTheFourLiquidusBranchesFromTheirFormulas) {
    ASSERT_TRUE(Open(Typ5Command, FormZuTyp5));
    // −0.0013 (x − 320)² + 294 from its start (20, 177), which is the formula's value there.
    EXPECT_EQ(At(20, 177), Line);
    ExpectCurveAt(60, 206);  // 206.12
    ExpectCurveAt(100, 231); // 231.08
    EXPECT_EQ(At(60, 190), Turning(190));
    // 0.006 (x − 300)² + 88 up to the compound's melting point.
    EXPECT_EQ(At(200, 148), Line); // 148
    ExpectCurveAt(230, 117);       // 117.4
    ExpectCurveAt(250, 103);       // 103
    // 0.008 (x − 290)² + 88 from (296, 88) down to eutectic 2.
    ExpectCurveAt(310, 91);        // 91.2
    ExpectCurveAt(340, 108);       // 108
    EXPECT_EQ(At(370, 139), Line); // 139.2
    // 0.003 (x − 540)² + 95 up to B*.
    ExpectCurveAt(450, 119);       // 119.3
    ExpectCurveAt(470, 110);       // 109.7
    EXPECT_EQ(At(420, 138), Line); // 138.2
}

TEST_P(StaticDiagram, Type5DrawsTheEutecticAndCompoundLinesWithTheLabelGap) {
    ASSERT_TRUE(Open(Typ5Command, FormZuTyp5));
    EXPECT_EQ(At(60, 250), Line);
    EXPECT_EQ(At(250, 250), Line);
    EXPECT_EQ(At(460, 165), Line);
    EXPECT_EQ(At(340, 165), Line);
    EXPECT_EQ(At(200, 165), Turning(165)); // eutectic line 2 starts at the compound
    EXPECT_EQ(At(296, 94), Line);
    EXPECT_EQ(At(296, 200), Line);
    EXPECT_EQ(At(296, 360), Line);
    // The gap for the compound's label between rows 100 and 134.
    EXPECT_EQ(At(296, 115), Turning(115));
    EXPECT_EQ(At(297, 116), Turning(116));
    // The dotted verticals: the compound's melting point and the two eutectics.
    ExpectDotted(295, 22, 80);
    ExpectDotted(135, 268, 368);
    ExpectDotted(388, 180, 255);
}

TEST_P(StaticDiagram, Type5WritesItsTextsWhereTheyBelong) {
    ASSERT_TRUE(Open(Typ5Command, FormZuTyp5));
    ExpectText(5, 3, "Temperatur/T");
    ExpectText(210, 405, "Konzentration/C");
    ExpectText(447, 390, "100 %B");
    ExpectText(360, 167, "Eutektikum 2");
    ExpectText(30, 320, "+ Eutektikum 1");
    ExpectText(400, 95, "Liquiduslinie");
    // The indices m and n of A(m)B(n) stand 5 px lower than their letters.
    const TCanvas& c = form->PaintBoxHaupt->Canvas;
    const int a = 167 + c.TextWidth("+ ");
    const Box letter = Ink(a, 315, a + c.TextWidth("A"), 345);
    const Box index = Ink(188, 315, 188 + c.TextWidth("m"), 345);
    ASSERT_FALSE(letter.Empty());
    ASSERT_FALSE(index.Empty());
    EXPECT_EQ(index.Bottom - letter.Bottom, 5);
}

// --- Type 6 ----------------------------------------------------------------------------------

TEST_P(StaticDiagram, Type6DrawsTheLensAndTheTransformationLines) {
    ASSERT_TRUE(Open(Typ6Command, FormZuTyp6));
    // Transformation line A-B, 317 − 0.0007 (x − 450)², from (20, 188) to the eutectoid point.
    EXPECT_EQ(At(20, 188), Line);
    ExpectCurveAt(100, 231); // 231.25
    ExpectCurveAt(200, 273); // 273.25
    // B-C, 310 − 0.0007 (x − 170)², from (296, 300) up to C.
    ExpectCurveAt(400, 273); // 272.97
    ExpectCurveAt(470, 247); // 247
    // Solidus 200 − 0.0004 (x − 660)² and liquidus 0.0004 (x + 160)² + 22, both from (20, 38).
    EXPECT_EQ(At(20, 37), Line);
    ExpectCurveAt(300, 148); // 148.16
    ExpectCurveAt(100, 75);  // 74.56
    ExpectCurveAt(100, 49);  // 49.04
    ExpectCurveAt(300, 107); // 106.64
    EXPECT_EQ(At(300, 128), Turning(128));
    // The eutectoid line and the eutectoid composition below it.
    EXPECT_EQ(At(100, 300), Line);
    EXPECT_EQ(At(460, 300), Line);
    EXPECT_EQ(At(295, 330), Line);
    EXPECT_EQ(At(295, 360), Line);
}

TEST_P(StaticDiagram, Type6WritesItsTextsWhereTheyBelong) {
    ASSERT_TRUE(Open(Typ6Command, FormZuTyp6));
    ExpectText(5, 3, "Temperatur/T");
    ExpectText(10, 390, "0 %B");
    ExpectText(220, 35, "Schmelze");
    ExpectText(200, 190, "Mischkristalle");
    ExpectText(100, 340, "A-Kristalle + Eutektoid");
    ExpectText(440, 260, "Mk");
    ExpectText(290, 280, "B");
}

// --- repainting ------------------------------------------------------------------------------

TEST_P(StaticDiagram, ARepaintOrAReopeningGivesTheSamePicture) {
    for (auto [command, screen] :
         {std::pair<const char*, TStaticPhaseForm*>{Typ5Command, FormZuTyp5},
          std::pair<const char*, TStaticPhaseForm*>{Typ6Command, FormZuTyp6}}) {
        SCOPED_TRACE(command);
        ASSERT_TRUE(Open(command, screen));
        const TPixels first = form->Snapshot();
        form->Refresh();
        harness::Settle();
        EXPECT_TRUE(harness::SamePixels(first, form->Snapshot()));
        harness::Key(*form, VK_ESCAPE);
        ASSERT_TRUE(Open(command, screen));
        EXPECT_TRUE(harness::SamePixels(first, form->Snapshot()));
        harness::Key(*form, VK_ESCAPE);
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, StaticDiagram,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
