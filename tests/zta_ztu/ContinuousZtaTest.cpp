// The continuous ZTA screens: layout and the static picture by pixel probes, the chain of heating
// curves and transformation lines with its dots, pictures and labels, the learner's own heating
// rate (accepted, ignored, refused with the error box), clearing, closing and F1 during a chain.

#include "Harness.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"
#include "zta_ztu/UnitZTAconC045.h"
#include "zta_ztu/UnitZTAconC07.h"
#include "zta_ztu/UnitZTAisoC045.h"

#include <array>
#include <numeric>

using harness::Pixel;

namespace {

constexpr TColor NearBlack = 1;
constexpr TColor Green = 0x008000;
constexpr TColor Grey = 0x808080;
constexpr TColor Gold = 0x00D7FF;
constexpr int Enough = 1000;

class ContinuousZta : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void Open(const char* command, TContinuousZtaScreen* screen) {
        if (form && form->Visible())
            harness::Key(*form, VK_ESCAPE);
        if (!FormMenue->Visible()) {
            ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        }
        ASSERT_TRUE(harness::Menu(*FormMenue, command));
        ASSERT_EQ(harness::ActiveForm(), screen);
        form = screen;
    }
    void Open045() { Open("Kontinuierliches ZTA-Schaubild (C = 0.45%)", FormZTAcon045); }
    void Open07() { Open("Kontinuierliches ZTA-Schaubild (C = 0.70%)", FormZTAcon07); }
    bool Large() const { return GetParam().first >= 1024; }
    TColor At(int x, int y) {
        return Pixel(*form, form->PaintBoxHaupt->Left() + x, form->PaintBoxHaupt->Top() + y);
    }
    TColor OnOverlay(int x, int y) {
        return Pixel(*form, form->PaintBoxLog->Left() + x, form->PaintBoxLog->Top() + y);
    }
    // Whether the picture of frame i stands with its corner at (x, y) of the surface.
    bool FrameAt(int i, int x, int y) {
        const TPixels& frame = form->ImageListGef->Frame(i);
        for (int d = 0; d < 100; d += 7)
            if (At(x + d, y + 99 - d) != ColorOfPixel(frame.at(d, 99 - d)))
                return false;
        return true;
    }
    // Every timer of the chain in its order, and the ticks each ran.
    std::vector<TTimer*> Chain() {
        std::vector<TTimer*> chain(form->TimerLog.begin(), form->TimerLog.end());
        chain.insert(chain.end(), form->LineTimers.begin(), form->LineTimers.end());
        return chain;
    }
    std::vector<int> RunChain() {
        std::vector<int> ticks;
        for (TTimer* timer : Chain()) {
            EXPECT_TRUE(timer->Enabled());
            ticks.push_back(harness::Ticks(*timer, Enough));
        }
        return ticks;
    }
    bool Idle() {
        for (TTimer* timer : Chain())
            if (timer->Enabled())
                return false;
        return !form->TimerVauf->Enabled();
    }
    void Type(const std::string& text) {
        form->EditVauf->SetText(text);
        form->ButtonVauf->Click();
        harness::Settle();
    }
    // The learner's curve to its end, then the lines after it; returns the curve's ticks.
    int OwnCurve(const std::string& text) {
        Type(text);
        EXPECT_TRUE(form->TimerVauf->Enabled()) << text;
        const int ticks = harness::Ticks(*form->TimerVauf, Enough);
        for (TTimer* line : form->LineTimers)
            harness::Ticks(*line, Enough);
        EXPECT_TRUE(Idle());
        return ticks;
    }

    harness::Session session{GetParam().first, GetParam().second};
    TContinuousZtaScreen* form = nullptr;
};

std::array<int, 4> Bounds(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

TEST_P(ContinuousZta, LayoutAndTheEmptyDiagram) {
    Open045();
    const int left = Large() ? 130 : 5;
    const int top = Large() ? 60 : 5;
    EXPECT_EQ(Bounds(*form->PaintBoxHaupt), (std::array{left, top, 750, 500}));
    // From 1200 °C down to about 679 °C, 30 pixels beyond the diagram's right edge.
    EXPECT_EQ(Bounds(*form->PaintBoxLog), (std::array{left + 400, top + 20, 358, 198}));
    EXPECT_EQ(Bounds(*form->MemoErlaeuterung),
              Large() ? (std::array{10, 30, 460, 550}) : (std::array{0, 0, 365, 480}));
    EXPECT_EQ(Bounds(*form->EditVauf),
              Large() ? (std::array{780, 570, 32, 50}) : (std::array{610, 480, 32, 50}));
    EXPECT_EQ(Bounds(*form->ButtonVauf),
              Large() ? (std::array{830, 572, 45, 20}) : (std::array{660, 482, 45, 20}));
    EXPECT_EQ(Bounds(*form->LabelVauf),
              Large() ? (std::array{480, 572, 289, 20}) : (std::array{310, 482, 289, 20}));
    EXPECT_EQ(form->MemoErlaeuterung->LinesCount(), 28);
    EXPECT_FALSE(form->MemoErlaeuterung->Visible());
    EXPECT_FALSE(form->MemoErlaeuterung->ReadOnly());
    EXPECT_TRUE(form->Aufheizungskurven->Enabled());
    EXPECT_FALSE(form->NEU->Enabled());
    EXPECT_FALSE(form->ButtonVauf->Enabled());
    EXPECT_FALSE(form->EditVauf->Enabled());
    EXPECT_EQ(form->EditVauf->Text(), "0");

    // The frames, the empty diagram and the steel box of the 0.45 % steel.
    EXPECT_EQ(At(400, 300), NearBlack);
    EXPECT_EQ(At(50, 300), NearBlack);
    EXPECT_EQ(At(500, 300), Gold);
    EXPECT_EQ(At(250, 285), clPurple);
    EXPECT_NE(At(170, 285), clPurple);
    // The 0.70 % steel's box stands a step further left.
    Open07();
    EXPECT_EQ(At(170, 285), clPurple);
    EXPECT_EQ(form->MemoErlaeuterung->LinesCount(), 30);
    EXPECT_EQ(Bounds(*form->MemoErlaeuterung),
              Large() ? (std::array{10, 30, 460, 610}) : (std::array{0, 0, 365, 480}));
}

TEST_P(ContinuousZta, TheChainTakes568TicksWithItsDotsPicturesAndLabels) {
    Open045();
    ASSERT_TRUE(harness::Menu(*form, "&Start ZTA-Diagramm"));
    EXPECT_TRUE(form->Enabled());
    EXPECT_FALSE(form->Aufheizungskurven->Enabled());
    EXPECT_FALSE(form->NEU->Enabled());
    EXPECT_FALSE(form->ButtonVauf->Enabled());

    // The first tick shows the ferrite–pearlite picture with its texts.
    TTimer& log1 = *form->TimerLog[0];
    EXPECT_EQ(harness::Ticks(log1, 1), 1);
    EXPECT_TRUE(FrameAt(0, 404, 250));
    EXPECT_EQ(At(405, 356), clBlack);
    EXPECT_EQ(At(405, 371), clYellow);
    // At 218 the blue dot where the 2.5 °C/min curve crosses A(c1b) (y 182.2).
    harness::Ticks(log1, 217);
    EXPECT_EQ(OnOverlay(218, 182), clBlue);
    EXPECT_FALSE(FrameAt(1, 515, 250));
    // The second picture one tick after the dot, the white dot at 242 centred on (240, 159).
    harness::Ticks(log1, 3);
    EXPECT_TRUE(FrameAt(1, 515, 250));
    harness::Ticks(log1, 21);
    EXPECT_TRUE(FrameAt(2, 625, 210));
    EXPECT_EQ(OnOverlay(240, 159), clWhite);
    EXPECT_NE(OnOverlay(207, 103), Green);

    const std::vector<int> rest = RunChain();
    EXPECT_EQ(rest, (std::vector{256 - 242, 66, 43, 66, 70, 67}));
    EXPECT_EQ(std::accumulate(rest.begin(), rest.end(), 242), 568);
    // The label " v = 2.5°C/min " at (X − 50, Y − 20) = (206, 102), the curve along its way, the
    // A(c1b) line at x 151 and the homogenisation line's grey at its vertex (236, 148).
    EXPECT_EQ(OnOverlay(207, 103), Green);
    EXPECT_EQ(OnOverlay(100, 197), Green);
    EXPECT_EQ(OnOverlay(151, 178), clBlack);
    EXPECT_EQ(OnOverlay(236, 148), Grey);
    // " F+P " at (39, 170), dark on yellow.
    EXPECT_EQ(OnOverlay(40, 171), clYellow);
    EXPECT_TRUE(Idle());
    EXPECT_TRUE(form->ButtonVauf->Enabled());
    EXPECT_TRUE(form->EditVauf->Enabled());
    EXPECT_TRUE(form->NEU->Enabled());
    EXPECT_FALSE(form->Aufheizungskurven->Enabled());
}

TEST_P(ContinuousZta, TheRicherSteelsChainHasAFourthLine) {
    Open07();
    ASSERT_TRUE(harness::Menu(*form, "&Start ZTA-Diagramm"));
    EXPECT_EQ(RunChain(), (std::vector{260, 67, 44, 66, 70, 70, 74}));
    // The fourth picture stands at the top.
    EXPECT_TRUE(FrameAt(3, 645, 1));
    EXPECT_TRUE(form->ButtonVauf->Enabled());
}

TEST_P(ContinuousZta, OwnRatesDrawTheirCurveIntoAClearedDiagram) {
    Open045();
    ASSERT_TRUE(harness::Menu(*form, "&Start ZTA-Diagramm"));
    RunChain();
    // Each stops at 1000 °C; the caption "v =" stands at (X − 20, Y − 2): X 273 for "2" (y
    // 64.8), X 126 for "999" (y 71.7).
    struct Case {
        const char* Text;
        int Ticks;
        TPoint Caption;
    };
    for (const Case c :
         {Case{"2", 91, {254, 64}}, Case{"999", 42, {107, 71}}, Case{" 2 ", 91, {254, 64}}}) {
        Type(c.Text);
        EXPECT_TRUE(form->TimerVauf->Enabled()) << c.Text;
        EXPECT_FALSE(form->ButtonVauf->Enabled());
        EXPECT_FALSE(form->EditVauf->Enabled());
        EXPECT_FALSE(form->NEU->Enabled());
        // The standard curves are gone.
        EXPECT_NE(OnOverlay(207, 103), Green);
        EXPECT_NE(OnOverlay(c.Caption.X, c.Caption.Y), Green);
        EXPECT_EQ(harness::Ticks(*form->TimerVauf, Enough), c.Ticks) << c.Text;
        EXPECT_EQ(OnOverlay(c.Caption.X, c.Caption.Y), Green) << c.Text;
        // The lines follow from their start, and the pictures are back.
        EXPECT_TRUE(form->LineTimers[0]->Enabled());
        EXPECT_EQ(UnitZTAconC045::Unit.KurveX, 237);
        EXPECT_TRUE(FrameAt(2, 625, 210));
        for (TTimer* line : form->LineTimers)
            harness::Ticks(*line, Enough);
        EXPECT_TRUE(Idle());
        EXPECT_TRUE(form->ButtonVauf->Enabled());
    }
    OwnCurve("1.6");
    OwnCurve("999.9");
    for (const char* decimal : {"2,5", "2.5"}) {
        OwnCurve(decimal);
        EXPECT_EQ(UnitZTAconC045::Unit.Vauf, 2.5f);
    }
    EXPECT_TRUE(session.Errors.empty());
}

TEST_P(ContinuousZta, RatesOutOfRangeAndTextsThatAreNoNumberDrawNothing) {
    Open045();
    ASSERT_TRUE(harness::Menu(*form, "&Start ZTA-Diagramm"));
    RunChain();
    const TPixels before = form->Snapshot();
    // 999.99999 is 1000 once stored as a single; 1e-400 is too small to hold, a number that is 0;
    // 1e300 is too large for a single, 1e999 even for a double: both are too large a rate.
    for (const char* ignored :
         {"1.5", "1000", "-5", "0", "999.99999", "1e6", "1e-400", "1e300", "1e999", "-1e999"}) {
        Type(ignored);
        EXPECT_TRUE(Idle()) << ignored;
        EXPECT_TRUE(form->ButtonVauf->Enabled()) << ignored;
        EXPECT_EQ(UnitZTAconC045::Unit.KurveX, 0);
    }
    EXPECT_TRUE(session.Errors.empty());
    for (const std::string bad :
         {"", "abc", "2,5,1", "2abc", "0x10", "nan", "inf", "1e", "%s%n", "2 5"}) {
        session.Errors.clear();
        Type(bad);
        ASSERT_EQ(session.Errors.size(), 1u) << bad;
        EXPECT_EQ(session.Errors[0], "'\u2068" + bad + "\u2069' ist kein gültiger Gleitkommawert");
        EXPECT_TRUE(Idle()) << bad;
        EXPECT_TRUE(form->ButtonVauf->Enabled());
    }
    EXPECT_TRUE(harness::SamePixels(form->Snapshot(), before));
}

TEST_P(ContinuousZta, TheRicherSteelsOwnCurveStopsAt1060Degrees) {
    Open07();
    ASSERT_TRUE(harness::Menu(*form, "&Start ZTA-Diagramm"));
    RunChain();
    // X 276, y 46.8: the caption at (X − 80, Y + 35).
    EXPECT_EQ(OwnCurve("2"), 92);
    EXPECT_EQ(OnOverlay(197, 83), Green);
    EXPECT_TRUE(FrameAt(3, 645, 1));
}

TEST_P(ContinuousZta, ClearingClosingAndTheTextDuringAChain) {
    Open045();
    ASSERT_TRUE(harness::Menu(*form, "&Start ZTA-Diagramm"));
    harness::Ticks(*form->TimerLog[0], 100);
    // Clearing waits for the chain; F1 shows the text while the curve goes on.
    EXPECT_FALSE(harness::Menu(*form, "&Löschen / Neu"));
    EXPECT_TRUE(harness::Key(*form, VK_F1));
    EXPECT_TRUE(form->MemoErlaeuterung->Visible());
    EXPECT_EQ(harness::Ticks(*form->TimerLog[0], 10), 10);
    harness::Key(*form, VK_F1);
    EXPECT_FALSE(form->MemoErlaeuterung->Visible());
    // Esc in the middle stops everything; the next opening starts afresh.
    harness::Key(*form, VK_F1);
    harness::Key(*form, VK_ESCAPE);
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(Idle());
    Open045();
    EXPECT_FALSE(form->MemoErlaeuterung->Visible());
    EXPECT_TRUE(form->Aufheizungskurven->Enabled());
    EXPECT_FALSE(form->NEU->Enabled());
    EXPECT_FALSE(form->ButtonVauf->Enabled());
    EXPECT_NE(OnOverlay(50, 196), Green);
    ASSERT_TRUE(harness::Menu(*form, "&Start ZTA-Diagramm"));
    EXPECT_EQ(RunChain()[0], 256);

    // After the chain "Löschen / Neu" clears the picture and lets the chain start again, from
    // the first picture; the button and the edit box stay as they were.
    form->EditVauf->SetText("5");
    const TPixels drawn = form->Snapshot();
    ASSERT_TRUE(harness::Menu(*form, "&Löschen / Neu"));
    EXPECT_FALSE(harness::SamePixels(form->Snapshot(), drawn));
    EXPECT_NE(OnOverlay(207, 103), Green);
    EXPECT_FALSE(FrameAt(0, 404, 250));
    EXPECT_EQ(form->EditVauf->Text(), "0");
    EXPECT_TRUE(form->ButtonVauf->Enabled());
    EXPECT_TRUE(form->Aufheizungskurven->Enabled());
    ASSERT_TRUE(harness::Menu(*form, "&Start ZTA-Diagramm"));
    EXPECT_EQ(RunChain()[0], 256);
    EXPECT_TRUE(FrameAt(0, 404, 250));
    EXPECT_TRUE(FrameAt(2, 625, 210));
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, ContinuousZta,
                         testing::Values(std::make_pair(800, 600), std::make_pair(1024, 768)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

TEST(HeatingRate, IsReadAsASingleAndDrawsOnlyInsideTheRange) {
    using namespace ContinuousZta;
    EXPECT_EQ(ReadRate(" 2 "), 2.0f);
    EXPECT_EQ(ReadRate("2,5"), 2.5f);
    EXPECT_EQ(ReadRate("999.99999"), 1000.0f);
    EXPECT_THROW(ReadRate("2,5,1"), EConvertError);
    EXPECT_FALSE(DrawsCurve(1.5f));
    EXPECT_TRUE(DrawsCurve(1.6f));
    EXPECT_TRUE(DrawsCurve(999.9f));
    EXPECT_FALSE(DrawsCurve(1000.0f));
    EXPECT_FALSE(DrawsCurve(ReadRate("1e300")));
    EXPECT_FALSE(DrawsCurve(ReadRate("1e999")));
    EXPECT_FALSE(DrawsCurve(ReadRate("-1e999")));
}

} // namespace

namespace {

// The heating diagrams count five 200-K steps up from 200 °C at their bottom edge.
TEST(ZtaFrames, FiveStepsFrom200Degrees) {
    const ZtuDiagram::TFrames con =
        ZtaDiagram::Frames(UnitZTAconC045::Data.Screen.Diagram, 750, 500);
    EXPECT_EQ(con.Ztu.Rect(), (TRect{400, 20, 728, 400}));
    EXPECT_EQ(con.Ztu.Dekade, 54);
    EXPECT_EQ(con.Ztu.Stufe, 76);
    EXPECT_EQ(con.Ztu.Y(1200), 20);
    EXPECT_EQ(con.Ztu.Y(200), 400);
    EXPECT_EQ(con.Ztu.X(5), 670);
    EXPECT_EQ(con.Ekd.Rect(), (TRect{50, 20, 360, 400}));
    EXPECT_EQ(con.Ekd.StufeC, 28);
    EXPECT_EQ(con.Ekd.At(0.45L, 780), (TPoint{113, 180}));
    EXPECT_EQ(con.Ekd.Y(722.4L), 201);
    // The 0.70 % steel's A3 line rises from 742 to 744 °C.
    EXPECT_EQ(con.Ekd.At(0.7L, 742), (TPoint{148, 194}));
    EXPECT_EQ(con.Ekd.Y(744), 193);
    const ZtuDiagram::TFrames iso =
        ZtaDiagram::Frames(UnitZTAisoC045::Data.Screen.Diagram, 750, 500);
    EXPECT_EQ(iso.Ekd.Rect(), (TRect{40, 20, 350, 400}));
    EXPECT_EQ(iso.Ekd.X(0.45L), 103);
    EXPECT_EQ(iso.Ztu.Rect(), con.Ztu.Rect());
}

} // namespace
