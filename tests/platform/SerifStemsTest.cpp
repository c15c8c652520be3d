// The serif face's strokes: at the sizes the screens use, at 1 and on scaled desktops, the
// capitals and figures whose hints drew their stems a pixel wider ("L", "K", "H", "4" …) show
// stems as wide as the other letters of the same outline, and the text keeps its glyphs' places.

#include "TestForm.h"
#include "platform/detail/QtBridge.h"

#include <QPainter>

#include <algorithm>
#include <map>
#include <set>
#include <string>

using harness::ScaledForm;

namespace {

// The microstructure series writes its labels in this face and height.
const TFont SeriesFont{"Times New Roman", 15, clBlack, false};
constexpr int StemRows = 3; // a stroke that keeps its columns this long is a stem

struct DeviceBox {
    int Left, Top, Right, Bottom;
};

// The widths of the stems drawn in a box: runs of ink that keep their columns over StemRows rows
// or more.
std::set<int> StemWidths(const std::function<bool(int, int)>& ink, const DeviceBox& box) {
    std::map<std::pair<int, int>, int> rowsOfRun; // (first, end) -> consecutive rows up to here
    std::map<std::pair<int, int>, int> previous;
    std::set<int> widths;
    for (int y = box.Top; y < box.Bottom; ++y) {
        rowsOfRun.clear();
        for (int x = box.Left; x < box.Right;) {
            if (!ink(x, y)) {
                ++x;
                continue;
            }
            const int first = x;
            while (x < box.Right && ink(x, y))
                ++x;
            const auto run = std::pair{first, x};
            const int rows = previous.count(run) ? previous[run] + 1 : 1;
            rowsOfRun[run] = rows;
            if (rows >= StemRows)
                widths.insert(x - first);
        }
        previous = rowsOfRun;
    }
    return widths;
}

// A text written on the canvas at a desktop scale, as the stems of each of its letters: the
// letters are told apart by the blank columns between them.
std::vector<std::set<int>> StemsOfLetters(double ratio, const std::string& text) {
    ScaledForm s(ratio);
    TCanvas& c = s.Canvas();
    c.Font = SeriesFont;
    c.Brush.Style = bsClear;
    constexpr int X = 10, Y = 10;
    c.TextOut(X, Y, text);
    const int top = s.At(Y), bottom = s.At(Y + c.TextHeight(text));
    auto ink = [&s](int x, int y) { return s.Device(x, y) == clBlack; };
    auto inked = [&](int x) {
        for (int y = top; y < bottom; ++y)
            if (ink(x, y))
                return true;
        return false;
    };
    std::vector<std::set<int>> letters;
    for (int x = s.At(X) - 2, end = s.At(X + c.TextWidth(text)) + 2; x < end;) {
        if (!inked(x)) {
            ++x;
            continue;
        }
        const int first = x;
        while (x < end && inked(x))
            ++x;
        letters.push_back(StemWidths(ink, {first, top, x, bottom}));
    }
    return letters;
}

// The widest stem of each letter: its main stem.
std::vector<int> MainStems(double ratio, const std::string& spaced) {
    std::vector<int> widest;
    for (const std::set<int>& stems : StemsOfLetters(ratio, spaced))
        widest.push_back(stems.empty() ? 0 : *stems.rbegin());
    return widest;
}

class SerifStems : public testing::TestWithParam<double> {};

INSTANTIATE_TEST_SUITE_P(Scales, SerifStems, testing::Values(1.0, 1.25, 1.40625, 1.5, 1.875, 2.0));

TEST_P(SerifStems, LettersOfOneOutlineStemHaveOneStemWidth) {
    // These capitals' stems are of one width in the outline, and so are the small letters'; the
    // bowls of "P" and "B" are heavier.
    for (const char* spaced : {"F L K H E I T", "l h n i r u"}) {
        const std::vector<int> stems = MainStems(GetParam(), spaced);
        ASSERT_EQ(stems.size(), std::string(spaced).size() / 2 + 1) << spaced;
        for (std::size_t i = 1; i < stems.size(); ++i)
            EXPECT_EQ(stems[i], stems[0]) << spaced << ": letter " << i;
    }
}

// On the screens at a scale of 1 every stem of the series' labels is one pixel wide, as the
// stems of the small letters beside the capitals.
TEST(SerifStems, TheSeriesLabelsHaveOnePixelStemsAtOne) {
    for (const char* label : {"Ledeburit", "Kohlenstoff", "4,0 4,5", "L K"}) {
        for (const std::set<int>& stems : StemsOfLetters(1.0, label))
            for (int width : stems)
                EXPECT_EQ(width, 1) << label;
    }
}

TEST(SerifStems, TheTextKeepsItsGlyphsInTheirPlacesOnlyItsStemsEdgesMove) {
    for (double ratio : {1.0, 1.25, 1.5, 2.0}) {
        const QFont font = detail::ToDeviceFont(SeriesFont, ratio);
        const QString text = "Ledeburit Kohlenstoff 4,0 4,5 L K Perlit Zementit";
        auto drawn = [&](const std::function<void(QPainter&)>& draw) {
            QImage image(600, 60, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter p(&image);
            p.setFont(font);
            p.setPen(Qt::black);
            p.translate(5, 40);
            draw(p);
            return image;
        };
        const QImage hinted = drawn([&](QPainter& p) { p.drawText(0, 0, text); });
        const QImage even = drawn([&](QPainter& p) {
            detail::DrawTextWithEvenStems(p, font, text,
                                          QFontMetrics(font).horizontalAdvance(text));
        });
        auto inked = [](const QImage& image, int x, int y) {
            return x >= 0 && x < image.width() && image.pixel(x, y) == qRgb(0, 0, 0);
        };
        int ink = 0, moved = 0;
        for (int y = 0; y < hinted.height(); ++y)
            for (int x = 0; x < hinted.width(); ++x) {
                ASSERT_TRUE(inked(even, x, y) || even.pixel(x, y) == qRgb(255, 255, 255));
                ink += inked(hinted, x, y);
                if (inked(hinted, x, y) == inked(even, x, y))
                    continue;
                ++moved;
                EXPECT_TRUE(inked(hinted, x - 1, y) || inked(hinted, x + 1, y))
                    << "ratio " << ratio << ": a change away from the glyphs at " << x << "," << y;
            }
        EXPECT_LT(moved, ink / 4) << ratio;
    }
}

} // namespace
