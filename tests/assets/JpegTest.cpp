#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Jpeg.h"

namespace {

struct TRgbBytes {
    int R, G, B;
};

std::uint32_t Pixel(TRgbBytes c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(c.R) << 16) |
           (static_cast<std::uint32_t>(c.G) << 8) | static_cast<std::uint32_t>(c.B);
}

TRgbBytes Channels(std::uint32_t p) {
    return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
            static_cast<int>(p & 0xFF)};
}

// Four flat quadrants of strong colours: inside each, the JPEG blocks are uniform, so a decoded
// quadrant centre must come back close to its colour.
constexpr TRgbBytes QuadrantColours[4] = {
    {220, 30, 30}, {30, 160, 40}, {20, 60, 200}, {250, 210, 20}};

TPixels Quadrants(int width, int height) {
    TPixels p(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            p.at(x, y) = Pixel(QuadrantColours[(x < width / 2 ? 0 : 1) + (y < height / 2 ? 0 : 2)]);
        }
    }
    return p;
}

// Centre of quadrant q of a width x height picture.
std::pair<int, int> QuadrantCentre(int q, int width, int height) {
    const int x = q % 2 == 0 ? width / 4 : (width + width / 2) / 2;
    const int y = q / 2 == 0 ? height / 4 : (height + height / 2) / 2;
    return {x, y};
}

void ExpectNear(TRgbBytes actual, TRgbBytes expected, int tolerance) {
    EXPECT_NEAR(actual.R, expected.R, tolerance);
    EXPECT_NEAR(actual.G, expected.G, tolerance);
    EXPECT_NEAR(actual.B, expected.B, tolerance);
}

// Offset of the first marker FF code at or after from, or npos.
std::size_t FindMarker(const std::vector<std::uint8_t>& bytes, std::uint8_t code,
                       std::size_t from = 2) {
    for (std::size_t i = from; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == code) {
            return i;
        }
    }
    return std::string::npos;
}

int Luma(TRgbBytes c) {
    return static_cast<int>(0.299 * c.R + 0.587 * c.G + 0.114 * c.B + 0.5);
}

} // namespace

// Sizes that are not multiples of the 8 x 8 block catch row stride and padding mistakes.
TEST(Jpeg, ColourRoundTripKeepsSizeAndColours) {
    for (const auto& [width, height] : {std::pair{64, 48}, {37, 19}, {100, 100}, {1078, 768}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        const std::vector<std::uint8_t> bytes = EncodeJpeg(Quadrants(width, height), 90);
        ASSERT_FALSE(bytes.empty());
        const TPixels decoded = DecodeJpeg(bytes);
        ASSERT_EQ(decoded.Width, width);
        ASSERT_EQ(decoded.Height, height);
        ASSERT_EQ(decoded.Data.size(), static_cast<std::size_t>(width) * height);
        for (int q = 0; q < 4; ++q) {
            const auto [x, y] = QuadrantCentre(q, width, height);
            ExpectNear(Channels(decoded.at(x, y)), QuadrantColours[q], 10);
        }
        for (const std::uint32_t p : decoded.Data) {
            ASSERT_EQ(p >> 24, 0xFFu) << "decoded pixels must be opaque";
        }
    }
}

TEST(Jpeg, SinglePixelRoundTrip) {
    TPixels one(1, 1, Pixel({200, 30, 90}));
    const TPixels decoded = DecodeJpeg(EncodeJpeg(one, 95));
    ASSERT_EQ(decoded.Width, 1);
    ASSERT_EQ(decoded.Height, 1);
    ExpectNear(Channels(decoded.at(0, 0)), {200, 30, 90}, 8);
}

TEST(Jpeg, GreyscaleStoresLuminanceAndDecodesToGreyRgb) {
    const TPixels source = Quadrants(64, 48);
    const std::vector<std::uint8_t> grey = EncodeJpeg(source, 90, true);
    ASSERT_FALSE(grey.empty());
    // Luminance only: the frame header (FF C0, length, precision, height, width) lists one
    // component.
    const std::size_t sof = FindMarker(grey, 0xC0);
    ASSERT_NE(sof, std::string::npos);
    EXPECT_EQ(grey[sof + 9], 1);
    const TPixels decoded = DecodeJpeg(grey);
    ASSERT_EQ(decoded.Width, 64);
    ASSERT_EQ(decoded.Height, 48);
    for (const std::uint32_t p : decoded.Data) {
        const TRgbBytes c = Channels(p);
        ASSERT_TRUE(c.R == c.G && c.G == c.B) << std::hex << p;
    }
    for (int q = 0; q < 4; ++q) {
        const auto [x, y] = QuadrantCentre(q, 64, 48);
        EXPECT_NEAR(Channels(decoded.at(x, y)).R, Luma(QuadrantColours[q]), 6) << "quadrant " << q;
    }
}

TEST(Jpeg, EncodingIsReproducible) {
    const TPixels source = Quadrants(50, 30);
    EXPECT_EQ(EncodeJpeg(source, 90), EncodeJpeg(source, 90));
    EXPECT_EQ(EncodeJpeg(source, 75, true), EncodeJpeg(source, 75, true));
}

TEST(Jpeg, EncodingNothingGivesNothing) {
    EXPECT_TRUE(EncodeJpeg(TPixels{}, 90).empty());
    TPixels inconsistent;
    inconsistent.Width = 4;
    inconsistent.Height = 4; // but no pixel data
    EXPECT_TRUE(EncodeJpeg(inconsistent, 90).empty());
}

namespace {

// Decodes with stderr captured: damaged data must give an empty picture and print nothing.
void ExpectRejectedSilently(std::span<const std::uint8_t> bytes) {
    testing::internal::CaptureStderr();
    const TPixels p = DecodeJpeg(bytes);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(p.Width, 0);
    EXPECT_EQ(p.Height, 0);
    EXPECT_TRUE(p.Data.empty());
    EXPECT_EQ(printed, "");
}

class DamagedJpeg : public testing::Test {
protected:
    const std::vector<std::uint8_t> Good = EncodeJpeg(Quadrants(48, 40), 90);
};

} // namespace

TEST_F(DamagedJpeg, EmptyAndForeignDataAreRejected) {
    ExpectRejectedSilently({});
    const std::vector<std::uint8_t> png = {0x89, 'P',  'N', 'G', 0x0D, 0x0A,
                                           0x1A, 0x0A, 0,   0,   0,    13};
    ExpectRejectedSilently(png);
    const std::vector<std::uint8_t> soiOnly = {0xFF, 0xD8};
    ExpectRejectedSilently(soiOnly);
    const std::vector<std::uint8_t> soiEoi = {0xFF, 0xD8, 0xFF, 0xD9};
    ExpectRejectedSilently(soiEoi);
}

// Every cut, from inside the header to just before the end marker, must be noticed; libjpeg on its
// own would pad a cut-off scan with grey and call it a picture.
TEST_F(DamagedJpeg, EveryTruncationIsRejected) {
    ASSERT_GT(Good.size(), 100u);
    ASSERT_EQ(DecodeJpeg(Good).Width, 48);
    for (std::size_t length = 1; length < Good.size(); length += length < 64 ? 1 : 13) {
        SCOPED_TRACE("length " + std::to_string(length));
        ExpectRejectedSilently(std::span(Good).first(length));
    }
    ExpectRejectedSilently(std::span(Good).first(Good.size() - 1));
    ExpectRejectedSilently(std::span(Good).first(Good.size() - 2));
}

TEST_F(DamagedJpeg, BrokenHuffmanTableIsRejected) {
    std::vector<std::uint8_t> bytes = Good;
    const std::size_t dht = FindMarker(bytes, 0xC4);
    ASSERT_NE(dht, std::string::npos);
    // Table class and id, then sixteen code counts that together claim far more codes than exist.
    for (std::size_t i = dht + 4; i < dht + 4 + 17; ++i) {
        bytes[i] = 0xEE;
    }
    ExpectRejectedSilently(bytes);
}

TEST_F(DamagedJpeg, StrayMarkerInsideTheScanIsRejected) {
    std::vector<std::uint8_t> bytes = Good;
    const std::size_t sos = FindMarker(bytes, 0xDA);
    ASSERT_NE(sos, std::string::npos);
    const std::size_t scanStart = sos + 2 + (bytes[sos + 2] << 8 | bytes[sos + 3]);
    const std::size_t middle = (scanStart + bytes.size()) / 2;
    bytes[middle] = 0xFF;
    bytes[middle + 1] = 0x01;
    ExpectRejectedSilently(bytes);
}

// A forged frame size must not turn into an allocation of many gigabytes.
TEST_F(DamagedJpeg, ForgedHugeSizeIsRejected) {
    std::vector<std::uint8_t> bytes = Good;
    const std::size_t sof = FindMarker(bytes, 0xC0);
    ASSERT_NE(sof, std::string::npos);
    // FF C0, length (2), precision (1), height (2), width (2): 65500 x 65500.
    for (const std::size_t i : {sof + 5, sof + 7}) {
        bytes[i] = 0xFF;
        bytes[i + 1] = 0xDC;
    }
    ExpectRejectedSilently(bytes);
}
