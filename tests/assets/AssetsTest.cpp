#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "assets/Assets.h"
#include "platform/Jpeg.h"

namespace {

enum class THue { Blue, Yellow, Red, Other };

// Loose classes: they must hold for the flat parts of a band or ray after JPEG coding, and must
// not confuse the three colours with each other or with their blends.
THue HueOf(std::uint32_t p) {
    const int r = (p >> 16) & 0xFF;
    const int g = (p >> 8) & 0xFF;
    const int b = p & 0xFF;
    if (b > 120 && r < 90 && g < 120) {
        return THue::Blue;
    }
    if (r > 200 && g > 160 && b < 90) {
        return THue::Yellow;
    }
    if (r > 160 && g < 80 && b < 90) {
        return THue::Red;
    }
    return THue::Other;
}

char Letter(THue h) {
    return "BYR?"[static_cast<int>(h)];
}

struct TRun {
    THue Hue;
    int Length;
};

// Runs of equal hue, with unclassified samples (blended edges) left out.
std::vector<TRun> Runs(const std::vector<THue>& samples) {
    std::vector<TRun> runs;
    for (const THue h : samples) {
        if (h == THue::Other) {
            continue;
        }
        if (runs.empty() || runs.back().Hue != h) {
            runs.push_back({h, 0});
        }
        ++runs.back().Length;
    }
    return runs;
}

std::string Letters(const std::vector<TRun>& runs) {
    std::string s;
    for (const TRun& r : runs) {
        s += Letter(r.Hue);
    }
    return s;
}

int MaxChannelDifference(std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (const int shift : {16, 8, 0}) {
        d = std::max(d, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                 static_cast<int>((b >> shift) & 0xFF)));
    }
    return d;
}

constexpr int BackgroundWidth = 1078;
constexpr int BackgroundHeight = 768;

} // namespace

// Going from the top-left to the bottom-right corner crosses every band: broad flat bands of all
// three colours, joined by soft blends with no hard edge anywhere.
TEST(CoverPicture, HasBroadBlueYellowAndRedBandsWithSoftBlends) {
    const TPixels p = DecodeJpeg(Assets::CoverPicture());
    ASSERT_EQ(p.Width, BackgroundWidth);
    ASSERT_EQ(p.Height, BackgroundHeight);
    constexpr int Steps = 2000;
    std::vector<THue> hues;
    std::uint32_t previous = p.at(0, 0);
    int steepest = 0;
    for (int i = 0; i < Steps; ++i) {
        const int x = i * (BackgroundWidth - 1) / (Steps - 1);
        const int y = i * (BackgroundHeight - 1) / (Steps - 1);
        hues.push_back(HueOf(p.at(x, y)));
        steepest = std::max(steepest, MaxChannelDifference(previous, p.at(x, y)));
        previous = p.at(x, y);
    }
    const std::vector<TRun> runs = Runs(hues);
    const std::string letters = Letters(runs);
    SCOPED_TRACE("bands along the diagonal: " + letters);
    EXPECT_NE(letters.find('B'), std::string::npos);
    EXPECT_NE(letters.find('Y'), std::string::npos);
    EXPECT_NE(letters.find('R'), std::string::npos);
    EXPECT_GE(runs.size(), 5u);
    EXPECT_LE(runs.size(), 7u);
    // The bands at both corners are cut off; the inner ones must be broad (in diagonal steps of
    // about 0.66 px).
    for (std::size_t i = 1; i + 1 < runs.size(); ++i) {
        EXPECT_GE(runs[i].Length, 60) << "band " << i;
    }
    EXPECT_LE(steepest, 16) << "a blend between bands is too hard";
}

// A band is a straight stripe running up to the right: along every line x + y = const the colour
// stays the same.
TEST(CoverPicture, BandsRunFromLowerLeftToUpperRight) {
    const TPixels p = DecodeJpeg(Assets::CoverPicture());
    ASSERT_EQ(p.Width, BackgroundWidth);
    ASSERT_EQ(p.Height, BackgroundHeight);
    for (int sum = 200; sum < BackgroundWidth + BackgroundHeight - 200; sum += 97) {
        const int xFirst = std::max(0, sum - (BackgroundHeight - 1));
        const int xLast = std::min(BackgroundWidth - 1, sum);
        const std::uint32_t reference = p.at(xFirst, sum - xFirst);
        for (int x = xFirst; x <= xLast; x += 7) {
            ASSERT_LE(MaxChannelDifference(reference, p.at(x, sum - x)), 8)
                << "at (" << x << ", " << sum - x << ") on the line x + y = " << sum;
        }
    }
}

namespace {

constexpr int CircleSamples = 1440;

// Hues on a circle round the picture centre, starting on the positive x axis.
std::vector<THue> HuesOnCircle(const TPixels& p, double radius) {
    std::vector<THue> hues;
    for (int i = 0; i < CircleSamples; ++i) {
        const double a = 2 * std::numbers::pi * i / CircleSamples;
        const int x = static_cast<int>(std::lround(p.Width / 2.0 + radius * std::cos(a)));
        const int y = static_cast<int>(std::lround(p.Height / 2.0 + radius * std::sin(a)));
        hues.push_back(HueOf(p.at(x, y)));
    }
    return hues;
}

// The runs of a closed circle, rotated to start with the first blue run and with a run that
// wraps round the starting angle joined into one.
std::vector<TRun> CircleRuns(const std::vector<THue>& hues) {
    std::vector<TRun> runs = Runs(hues);
    if (runs.size() > 1 && runs.front().Hue == runs.back().Hue) {
        runs.front().Length += runs.back().Length;
        runs.pop_back();
    }
    const auto blue =
        std::find_if(runs.begin(), runs.end(), [](const TRun& r) { return r.Hue == THue::Blue; });
    std::rotate(runs.begin(), blue, runs.end());
    return runs;
}

} // namespace

// Round the centre, the rays alternate blue and yellow, and every yellow ray has its red line in
// the middle: yellow, red, yellow, with the two yellow halves alike.
TEST(MenuBackground, RaysAlternateBlueAndYellowWithCentredRedLines) {
    const TPixels p = DecodeJpeg(Assets::MenuBackground());
    ASSERT_EQ(p.Width, BackgroundWidth);
    ASSERT_EQ(p.Height, BackgroundHeight);
    for (const double radius : {100.0, 200.0, 360.0}) {
        SCOPED_TRACE("radius " + std::to_string(radius));
        const std::vector<TRun> runs = CircleRuns(HuesOnCircle(p, radius));
        SCOPED_TRACE("round the centre: " + Letters(runs));
        ASSERT_EQ(runs.size() % 4, 0u);
        const std::size_t rayPairs = runs.size() / 4;
        EXPECT_GE(rayPairs, 12u);
        EXPECT_LE(rayPairs, 16u);
        for (std::size_t i = 0; i < runs.size(); i += 4) {
            ASSERT_EQ(Letters({runs.begin() + i, runs.begin() + i + 4}), "BYRY") << "ray " << i;
            EXPECT_NEAR(runs[i + 1].Length, runs[i + 3].Length, 4) << "red line off centre";
            EXPECT_LT(runs[i + 2].Length, runs[i + 1].Length) << "red line too wide";
        }
    }
}

// Straight rays from the centre: a direction shows the same ray near the centre and far out.
TEST(MenuBackground, RaysAreStraightFromTheCentre) {
    const TPixels p = DecodeJpeg(Assets::MenuBackground());
    ASSERT_EQ(p.Width, BackgroundWidth);
    ASSERT_EQ(p.Height, BackgroundHeight);
    auto blueOrNot = [](THue h) { return h == THue::Blue ? 1 : h == THue::Other ? -1 : 0; };
    const std::vector<THue> inner = HuesOnCircle(p, 100);
    const std::vector<THue> outer = HuesOnCircle(p, 370);
    int compared = 0;
    int differing = 0;
    for (int i = 0; i < CircleSamples; ++i) {
        const int a = blueOrNot(inner[i]);
        const int b = blueOrNot(outer[i]);
        if (a >= 0 && b >= 0) {
            ++compared;
            differing += a != b;
        }
    }
    EXPECT_GT(compared, CircleSamples * 9 / 10);
    EXPECT_LE(differing, CircleSamples / 100);
}

namespace {

std::uint32_t BigEndian(std::span<const std::uint8_t> f, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) {
        v = v << 8 | (at + i < f.size() ? f[at + i] : 0);
    }
    return v;
}

// A name from the font's 'name' table (1 family, 2 style), from a Macintosh Roman or Windows
// UTF-16 record; "" when the table or the name is missing. Only ASCII names are expected.
std::string FontName(std::span<const std::uint8_t> f, int nameId) {
    const std::uint32_t tables = BigEndian(f, 4, 2);
    for (std::uint32_t t = 0; t < tables; ++t) {
        const std::size_t record = 12 + 16 * t;
        if (BigEndian(f, record, 4) != 0x6E616D65) { // 'name'
            continue;
        }
        const std::size_t table = BigEndian(f, record + 8, 4);
        const std::uint32_t count = BigEndian(f, table + 2, 2);
        const std::size_t strings = table + BigEndian(f, table + 4, 2);
        for (std::uint32_t n = 0; n < count; ++n) {
            const std::size_t r = table + 6 + 12 * n;
            const std::uint32_t platform = BigEndian(f, r, 2);
            if (BigEndian(f, r + 6, 2) != static_cast<std::uint32_t>(nameId) ||
                (platform != 1 && platform != 3)) {
                continue;
            }
            const std::size_t length = BigEndian(f, r + 8, 2);
            const std::size_t start = strings + BigEndian(f, r + 10, 2);
            if (start + length > f.size()) {
                return "";
            }
            std::string name;
            const std::size_t step = platform == 3 ? 2 : 1;
            for (std::size_t i = step - 1; i < length; i += step) {
                name += static_cast<char>(f[start + i]);
            }
            return name;
        }
    }
    return "";
}

} // namespace

// Each accessor must hand out its own face: a swapped symbol would show bold where regular text
// belongs, or serif for sans.
TEST(EmbeddedFonts, AreTheFourTrueTypeFacesAsNamed) {
    struct TCase {
        std::span<const std::uint8_t> Data;
        const char* Family;
        const char* Style;
    };
    for (const TCase& c : {TCase{Assets::FontSansRegular(), "Liberation Sans", "Regular"},
                           TCase{Assets::FontSansBold(), "Liberation Sans", "Bold"},
                           TCase{Assets::FontSerifRegular(), "Liberation Serif", "Regular"},
                           TCase{Assets::FontSerifBold(), "Liberation Serif", "Bold"}}) {
        SCOPED_TRACE(std::string(c.Family) + " " + c.Style);
        ASSERT_GT(c.Data.size(), 10000u);
        EXPECT_EQ(BigEndian(c.Data, 0, 4), 0x00010000u) << "not a TrueType file";
        EXPECT_EQ(FontName(c.Data, 1), c.Family);
        EXPECT_EQ(FontName(c.Data, 2), c.Style);
    }
}
