#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "assets/StripCodec.h"

namespace {

constexpr std::uint32_t Red = 0xFFFF0000u;
constexpr std::uint32_t Brown = 0xFF844200u;
constexpr std::uint32_t Black = 0xFF000000u;

using TBytes = std::vector<std::uint8_t>;

// A small growth sequence with an odd size, so that runs cross row ends: melt, a crystal, the
// crystal grown, the same frame again (all copy), then boundaries.
StripCodec::TFrames Growth() {
    constexpr int Width = 13;
    constexpr int Height = 7;
    StripCodec::TFrames frames(4, TPixels(Width, Height, Red));
    for (int f = 1; f < 4; ++f) {
        const int size = f == 1 ? 2 : 5;
        for (int y = 1; y < 1 + size; ++y) {
            for (int x = 3; x < 3 + size + f; ++x) {
                frames[f].at(x, y) = Brown;
            }
        }
    }
    frames.push_back(frames.back());
    for (int y = 0; y < Height; ++y) {
        frames.back().at(Width / 2, y) = Black;
    }
    return frames;
}

void ExpectSameFrames(const StripCodec::TFrames& actual, const StripCodec::TFrames& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].Width, expected[i].Width) << "frame " << i;
        EXPECT_EQ(actual[i].Height, expected[i].Height) << "frame " << i;
        EXPECT_EQ(actual[i].Data, expected[i].Data) << "frame " << i;
    }
}

// Builds strips by hand, to give the decoder exactly the damage a test wants.
struct TStripBytes {
    TBytes Bytes{'W', 'B', 'S', '1'};

    TStripBytes& U8(int v) {
        Bytes.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    TStripBytes& U16(int v) { return U8(v & 0xFF).U8(v >> 8); }
    TStripBytes& Header(int width, int height, int frames, std::vector<std::uint32_t> palette) {
        U16(width).U16(height).U16(frames).U8(static_cast<int>(palette.size()));
        for (const std::uint32_t p : palette) {
            U8((p >> 16) & 0xFF).U8((p >> 8) & 0xFF).U8(p & 0xFF);
        }
        return *this;
    }
    // A run with a one-byte length.
    TStripBytes& Run(int code, int length) { return U8(code).U8(length); }
};

} // namespace

TEST(StripCodec, RoundTripIsExact) {
    const StripCodec::TFrames growth = Growth();
    const TBytes bytes = StripCodec::Encode(growth);
    ASSERT_FALSE(bytes.empty());
    ExpectSameFrames(StripCodec::Decode(bytes), growth);
    EXPECT_EQ(StripCodec::Encode(growth), bytes) << "encoding must be reproducible";

    const StripCodec::TFrames single{TPixels(1, 1, 0xFF123456u)};
    ExpectSameFrames(StripCodec::Decode(StripCodec::Encode(single)), single);

    // Runs longer than 127 pixels need more than one length byte; 300 x 300 needs three.
    constexpr int Side = 300;
    StripCodec::TFrames large(2, TPixels(Side, Side, Brown));
    large[1].at(Side - 1, Side - 1) = Black;
    ExpectSameFrames(StripCodec::Decode(StripCodec::Encode(large)), large);
}

// The palette is one byte per run; the fullest palette must still leave the copy code free.
TEST(StripCodec, PaletteLimit) {
    TPixels many(StripCodec::MaxPaletteSize, 1);
    for (int x = 0; x < many.Width; ++x) {
        many.at(x, 0) = 0xFF000000u | static_cast<std::uint32_t>(x * 0x010203);
    }
    const StripCodec::TFrames fullest{many, many};
    ExpectSameFrames(StripCodec::Decode(StripCodec::Encode(fullest)), fullest);

    TPixels tooMany(StripCodec::MaxPaletteSize + 1, 1);
    for (int x = 0; x < tooMany.Width; ++x) {
        tooMany.at(x, 0) = 0xFF000000u | static_cast<std::uint32_t>(x);
    }
    EXPECT_TRUE(StripCodec::Encode({tooMany}).empty());
}

TEST(StripCodec, EncodeRefusesWhatCannotBeAStrip) {
    EXPECT_TRUE(StripCodec::Encode({}).empty());
    EXPECT_TRUE(StripCodec::Encode({TPixels()}).empty());
    EXPECT_TRUE(StripCodec::Encode({TPixels(4, 4, Red), TPixels(4, 5, Red)}).empty());
    EXPECT_TRUE(StripCodec::Encode({TPixels(4, 4, 0x00FF0000u)}).empty()) << "not opaque";
    TPixels inconsistent(4, 4, Red);
    inconsistent.Data.pop_back();
    EXPECT_TRUE(StripCodec::Encode({inconsistent}).empty());
    EXPECT_TRUE(StripCodec::Encode({TPixels(StripCodec::MaxSide + 1, 1, Red)}).empty());
}

// Flat drawings and unchanged areas must cost a few bytes, not bytes per pixel.
TEST(StripCodec, FlatAreasAndUnchangedFramesAreCheap) {
    const StripCodec::TFrames flat(10, TPixels(100, 100, Red));
    EXPECT_LT(StripCodec::Encode(flat).size(), 100u);
    StripCodec::TFrames growth = Growth();
    const std::size_t base = StripCodec::Encode(growth).size();
    growth.push_back(growth.back());
    EXPECT_LE(StripCodec::Encode(growth).size(), base + 2) << "a repeated frame is one copy run";
}

// Hand-made strips: the first ones are valid and pin the format, the rest each carry one fault.
TEST(StripCodec, DecodeReadsTheDocumentedFormat) {
    auto twoRed = TStripBytes().Header(2, 1, 1, {Red}).Run(0, 2);
    const StripCodec::TFrames one = StripCodec::Decode(twoRed.Bytes);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].Data, (std::vector{Red, Red}));

    auto copied = TStripBytes().Header(2, 1, 2, {Red, Brown}).Run(1, 1).Run(0, 1);
    copied.Run(StripCodec::CopyCode, 1).Run(0, 1);
    const StripCodec::TFrames two = StripCodec::Decode(copied.Bytes);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].Data, (std::vector{Brown, Red}));
    EXPECT_EQ(two[1].Data, (std::vector{Brown, Red}));

    // 200 as a two-byte length: 0xC8 0x01.
    auto longRun = TStripBytes().Header(20, 10, 1, {Black}).U8(0).U8(0xC8).U8(0x01);
    ASSERT_EQ(StripCodec::Decode(longRun.Bytes).size(), 1u);
}

TEST(StripCodec, DecodeRejectsDamagedHeaders) {
    struct TCase {
        const char* What;
        TBytes Bytes;
    };
    auto valid = [](int w, int h, int n) {
        TStripBytes s;
        s.Header(w, h, n, {Red});
        for (int i = 0; i < n; ++i) {
            s.U8(0).U8(((w * h) & 0x7F) | (w * h > 0x7F ? 0x80 : 0));
            if (w * h > 0x7F) {
                s.U8(w * h >> 7);
            }
        }
        return s.Bytes;
    };
    ASSERT_EQ(StripCodec::Decode(valid(3, 2, 2)).size(), 2u);
    TBytes foreign = valid(3, 2, 2);
    foreign[3] = '2';
    const TBytes whole = valid(3, 2, 1);
    const TBytes palettePart(whole.begin(), whole.begin() + 12);
    const std::vector<TCase> cases{
        {"empty", {}},
        {"another tag", foreign},
        {"width 0", valid(0, 2, 1)},
        {"height 0", valid(3, 0, 1)},
        {"no frames", TStripBytes().Header(3, 2, 0, {Red}).Bytes},
        {"empty palette", TStripBytes().Header(3, 2, 1, {}).Run(0, 6).Bytes},
        {"too wide", valid(StripCodec::MaxSide + 1, 1, 1)},
        {"too many pixels", TStripBytes().Header(1024, 1024, 5, {Red}).Bytes},
        {"more frames than the data could hold", TStripBytes().Header(1, 1, 1000, {Red}).Bytes},
        {"cut inside the palette", palettePart},
    };
    for (const TCase& c : cases) {
        EXPECT_TRUE(StripCodec::Decode(c.Bytes).empty()) << c.What;
    }
}

TEST(StripCodec, DecodeRejectsDamagedRuns) {
    auto strip = [] { return TStripBytes().Header(3, 2, 2, {Red, Brown}); };
    struct TCase {
        const char* What;
        TStripBytes Strip;
    };
    const std::vector<TCase> cases{
        {"a run past the end of its frame", strip().Run(0, 4).Run(1, 3).Run(0, 6)},
        {"a run past the end of the last frame", strip().Run(0, 6).Run(0, 7)},
        {"a run of length 0", strip().Run(0, 0).Run(0, 6).Run(0, 6)},
        {"a code beyond the palette", strip().Run(2, 6).Run(0, 6)},
        {"a copy in the first frame", strip().Run(StripCodec::CopyCode, 6).Run(0, 6)},
        {"a frame missing", strip().Run(0, 6)},
        {"a frame cut short", strip().Run(0, 6).Run(0, 5)},
        {"a length cut off", strip().Run(0, 6).U8(0).U8(0x86)},
        {"a code without a length", strip().Run(0, 6).U8(0)},
        {"a trailing byte", strip().Run(0, 6).Run(1, 6).U8(0)},
        {"a length of six bytes",
         strip().Run(0, 6).U8(0).U8(0x81).U8(0x80).U8(0x80).U8(0x80).U8(0x80).U8(0)},
        {"a length beyond 32 bits",
         strip().Run(0, 6).U8(0).U8(0x86).U8(0x80).U8(0x80).U8(0x80).U8(0x10)},
    };
    ASSERT_EQ(StripCodec::Decode(strip().Run(0, 4).Run(1, 2).Run(255, 5).Run(0, 1).Bytes).size(),
              2u);
    for (const TCase& c : cases) {
        EXPECT_TRUE(StripCodec::Decode(c.Strip.Bytes).empty()) << c.What;
    }
}

// Every cut and a few thousand corruptions of a real strip: each must be refused or give frames of
// the stated size, and never read outside the buffer (the test build runs under
// AddressSanitizer, which would stop on any such read).
TEST(StripCodec, DecodeSurvivesEveryCutAndRandomCorruption) {
    const TBytes good = StripCodec::Encode(Growth());
    for (std::size_t length = 0; length < good.size(); ++length) {
        EXPECT_TRUE(StripCodec::Decode(std::span(good).first(length)).empty()) << length;
    }
    std::uint64_t state = 0x2545F4914F6CDD1Dull; // xorshift64, for repeatable corruption
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    constexpr int Trials = 4000;
    constexpr int MaxFlips = 3;
    for (int trial = 0; trial < Trials; ++trial) {
        TBytes bad = good;
        const int flips = 1 + static_cast<int>(next() % MaxFlips);
        for (int i = 0; i < flips; ++i) {
            bad[next() % bad.size()] = static_cast<std::uint8_t>(next());
        }
        for (const TPixels& f : StripCodec::Decode(bad)) {
            ASSERT_EQ(f.Data.size(), static_cast<std::size_t>(f.Width) * f.Height);
            for (const std::uint32_t p : f.Data) {
                ASSERT_EQ(p >> 24, 0xFFu);
            }
        }
    }
}

TEST(StripArchive, FindsEachStripByItsExactName) {
    const std::vector<StripCodec::TEntry> entries{
        {"ZuTyp1.MkBildung", {1, 2, 3}},
        {"ZuTyp2.Unter", {}},
        {"ZuTyp1.MkBildung2", {4, 5}},
    };
    const TBytes archive = StripCodec::Pack(entries);
    ASSERT_FALSE(archive.empty());
    for (const StripCodec::TEntry& e : entries) {
        const auto found = StripCodec::Find(archive, e.Name);
        EXPECT_EQ(TBytes(found.begin(), found.end()), e.Data) << e.Name;
    }
    for (const char* unknown :
         {"", "ZuTyp1", "ZuTyp1.MkBildun", "zutyp1.mkbildung", "ZuTyp1.MkBildung3"}) {
        EXPECT_TRUE(StripCodec::Find(archive, unknown).empty()) << unknown;
    }
    EXPECT_TRUE(StripCodec::Find(StripCodec::Pack({}), "ZuTyp1.MkBildung").empty());
}

TEST(StripArchive, PackRefusesBadNames) {
    EXPECT_TRUE(StripCodec::Pack({{"", {1}}}).empty());
    EXPECT_TRUE(StripCodec::Pack({{std::string(256, 'a'), {1}}}).empty());
    EXPECT_TRUE(StripCodec::Pack({{"A.B", {1}}, {"A.B", {2}}}).empty());
    EXPECT_FALSE(StripCodec::Pack({{std::string(255, 'a'), {1}}}).empty());
}

// A cut or forged archive gives nothing for the damaged entry, never bytes from outside it or from
// the wrong place.
TEST(StripArchive, DamagedArchiveGivesNothingWrong) {
    const std::vector<StripCodec::TEntry> entries{{"A.One", {1, 2, 3, 4}}, {"B.Two", {5, 6, 7}}};
    const TBytes archive = StripCodec::Pack(entries);
    for (std::size_t length = 0; length < archive.size(); ++length) {
        const auto cut = std::span(archive).first(length);
        for (const StripCodec::TEntry& e : entries) {
            const auto found = StripCodec::Find(cut, e.Name);
            EXPECT_TRUE(found.empty() || TBytes(found.begin(), found.end()) == e.Data)
                << e.Name << " in the first " << length << " bytes";
        }
    }
    EXPECT_TRUE(StripCodec::Find(std::span(archive).first(archive.size() - 1), "B.Two").empty());

    // Entry "B.Two": tag 4, count 4, then per entry 1 + 5 name bytes; its offset follows.
    TBytes forged = archive;
    const std::size_t offsetOfSecond = 4 + 4 + (1 + 5 + 4 + 4) + (1 + 5);
    for (std::size_t i = 0; i < 4; ++i) {
        forged[offsetOfSecond + i] = 0xFF;
    }
    EXPECT_TRUE(StripCodec::Find(forged, "B.Two").empty());
    TBytes manyEntries = archive;
    manyEntries[4] = 0xFF; // more entries than the directory holds
    EXPECT_TRUE(StripCodec::Find(manyEntries, "C.Three").empty());
}
