// Every picture and frame strip at twice its size, for screens that draw at a higher resolution:
// the same content from the same seeds on a finer grid. Its 2 x 2 blocks average to the picture
// at its own size, more closely than to that picture moved by two pixels, and it holds detail that
// an enlargement of the smaller picture would not.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "assets/Assets.h"
#include "platform/Jpeg.h"

namespace {

constexpr int Twice = 2;

int Channel(std::uint32_t p, int shift) {
    return static_cast<int>((p >> shift) & 0xFF);
}
constexpr int ChannelShifts[] = {16, 8, 0};

struct TMove {
    int X = 0;
    int Y = 0;
};

// The mean difference per channel between the pixels of `own`, moved by `ownMove`, and the 2 x 2
// block averages of `twice`, moved by `twiceMove` of its own pixels. Pixels within two of the edge
// are left out, so that every move stays inside both pictures.
double BlockError(const TPixels& own, const TPixels& twice, TMove ownMove = {},
                  TMove twiceMove = {}) {
    constexpr int Border = 2;
    double sum = 0;
    long count = 0;
    for (int y = Border; y < own.Height - Border; ++y) {
        for (int x = Border; x < own.Width - Border; ++x) {
            const std::uint32_t o = own.at(x + ownMove.X, y + ownMove.Y);
            const int tx = Twice * x + twiceMove.X;
            const int ty = Twice * y + twiceMove.Y;
            for (const int s : ChannelShifts) {
                const double block =
                    (Channel(twice.at(tx, ty), s) + Channel(twice.at(tx + 1, ty), s) +
                     Channel(twice.at(tx, ty + 1), s) + Channel(twice.at(tx + 1, ty + 1), s)) /
                    4.0;
                sum += std::abs(block - Channel(o, s));
                ++count;
            }
        }
    }
    return count == 0 ? 0 : sum / static_cast<double>(count);
}

// The larger picture shows what the smaller one shows, where it shows it: its block averages lie
// at most half as far from the smaller picture as from that picture moved two pixels to the side
// or down (a wrong seed or a feature out of place lies farther off than that), and moving it by
// one of its own pixels in any direction makes them match worse (it is not off by half a pixel).
void ExpectSameContent(const std::vector<TPixels>& own, const std::vector<TPixels>& twice,
                       const std::string& what) {
    constexpr double MostOfMoved = 0.5;
    constexpr int Moved = 2;
    double error = 0;
    double movedAcross = 0;
    double movedDown = 0;
    for (std::size_t i = 0; i < own.size(); ++i) {
        error += BlockError(own[i], twice[i]);
        movedAcross += BlockError(own[i], twice[i], {Moved, 0});
        movedDown += BlockError(own[i], twice[i], {0, Moved});
    }
    EXPECT_LE(error, MostOfMoved * std::min(movedAcross, movedDown)) << what;
    for (const TMove m : {TMove{1, 0}, TMove{-1, 0}, TMove{0, 1}, TMove{0, -1}}) {
        double off = 0;
        for (std::size_t i = 0; i < own.size(); ++i) {
            off += BlockError(own[i], twice[i], {}, m);
        }
        EXPECT_LT(error, off) << what << ": moved by (" << m.X << ", " << m.Y << ") fits better";
    }
}

TPixels Enlarged(const TPixels& own) {
    TPixels out(own.Width * Twice, own.Height * Twice);
    for (int y = 0; y < out.Height; ++y) {
        for (int x = 0; x < out.Width; ++x) {
            out.at(x, y) = own.at(x / Twice, y / Twice);
        }
    }
    return out;
}

std::set<std::uint32_t> ColoursOf(const TPixels& f) {
    return {f.Data.begin(), f.Data.end()};
}

// --- frame strips -------------------------------------------------------------------------------

const std::vector<std::string> StripNames{
    "ZuTyp1.MkBildung", "ZuTyp2.Unter",    "ZuTyp2.Eu",     "ZuTyp2.Ueber",  "ZuTyp3.L1",
    "ZuTyp3.L2",        "ZuTyp3.L3",       "ZuTyp3.L4",     "ZuTyp4.L1",     "ZuTyp4.L2",
    "ZuTyp4.L3",        "ZuTyp4.AinB",     "EKD06.SchA",    "EKD06.AFerPer", "EKD12.SchA",
    "EKD12.AZemPer",    "EKD30.SchAuLede", "EKD30.LedePer", "Haerten.Gef",   "Normal.Gef",
    "Vergueten.Gef",    "ZTAcon045.Gef",   "ZTAcon07.Gef",  "ZTAiso045.Gef",
};

constexpr std::uint32_t MeltRed = 0xFFFF0000u;

const std::vector<TPixels>& Frames(const std::string& name, int scale) {
    static std::map<std::pair<std::string, int>, std::vector<TPixels>> decoded;
    const auto key = std::pair{name, scale};
    auto it = decoded.find(key);
    if (it == decoded.end()) {
        it = decoded.emplace(key, Assets::Strip(name, scale)).first;
    }
    return it->second;
}

class ScaledStrip : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        ASSERT_FALSE(Own().empty()) << GetParam();
        ASSERT_EQ(Large().size(), Own().size()) << GetParam();
    }
    const std::vector<TPixels>& Own() const { return Frames(GetParam(), 1); }
    const std::vector<TPixels>& Large() const { return Frames(GetParam(), Twice); }
};

TEST_P(ScaledStrip, HasEveryFrameAtTwiceItsSize) {
    for (std::size_t i = 0; i < Own().size(); ++i) {
        EXPECT_EQ(Large()[i].Width, Twice * Own()[i].Width) << "frame " << i;
        EXPECT_EQ(Large()[i].Height, Twice * Own()[i].Height) << "frame " << i;
    }
}

// Screens and captions name the phases by their exact colour codes: the finer grid draws the
// same codes, no blends of them, and every frame only the codes its smaller frame has.
TEST_P(ScaledStrip, KeepsItsColourCodes) {
    std::set<std::uint32_t> own;
    std::set<std::uint32_t> large;
    for (std::size_t i = 0; i < Own().size(); ++i) {
        const std::set<std::uint32_t> ownFrame = ColoursOf(Own()[i]);
        const std::set<std::uint32_t> largeFrame = ColoursOf(Large()[i]);
        EXPECT_TRUE(
            std::includes(ownFrame.begin(), ownFrame.end(), largeFrame.begin(), largeFrame.end()))
            << "frame " << i << " has colours its smaller frame lacks";
        own.insert(ownFrame.begin(), ownFrame.end());
        large.insert(largeFrame.begin(), largeFrame.end());
    }
    EXPECT_EQ(large, own);
}

// Frame n shows the same moment at both sizes: every phase covers the same share of the frame,
// within a little of what a boundary one pixel of the picture wide can shift; neighbouring
// frames of a growth differ by more.
TEST_P(ScaledStrip, ShowsTheSameStageInEveryFrame) {
    constexpr double SameShare = 0.03;
    for (std::size_t i = 0; i < Own().size(); ++i) {
        const TPixels& own = Own()[i];
        const TPixels& large = Large()[i];
        for (const std::uint32_t c : ColoursOf(own)) {
            const auto share = [c](const TPixels& f) {
                return static_cast<double>(std::count(f.Data.begin(), f.Data.end(), c)) /
                       static_cast<double>(f.Data.size());
            };
            EXPECT_NEAR(share(large), share(own), SameShare)
                << "frame " << i << ", colour " << std::hex << c;
        }
    }
}

TEST_P(ScaledStrip, ShowsTheSameContentAsAtItsOwnSize) {
    ExpectSameContent(Own(), Large(), GetParam());
}

// The finer grid draws curved outlines, lamellae and boundaries with pixels of its own: no frame
// is the smaller frame with every pixel doubled. The only exception is the heating screen's
// austenite with nothing but carbides in it: they are squares of 2 x 2 pixels of the picture,
// which doubling draws exactly.
TEST_P(ScaledStrip, HoldsFinerDetailThanAnEnlargement) {
    for (std::size_t i = 0; i < Own().size(); ++i) {
        const bool onlySquares = GetParam() == "ZTAcon07.Gef" && i == 2;
        if (ColoursOf(Own()[i]).size() > 1 && !onlySquares) {
            EXPECT_NE(Large()[i].Data, Enlarged(Own()[i]).Data) << "frame " << i;
        }
    }
}

// What has solidified never melts again, on the finer grid as on the coarse one.
TEST_P(ScaledStrip, MeltOnlyRecedes) {
    for (std::size_t i = 1; i < Large().size(); ++i) {
        const TPixels& before = Large()[i - 1];
        const TPixels& after = Large()[i];
        for (std::size_t p = 0; p < after.Data.size(); ++p) {
            if (after.Data[p] == MeltRed) {
                ASSERT_EQ(before.Data[p], MeltRed) << "frame " << i << ", pixel " << p;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllStrips, ScaledStrip, testing::ValuesIn(StripNames),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

// --- pictures -----------------------------------------------------------------------------------

struct TPicture {
    std::string Name;
    std::function<std::span<const std::uint8_t>(int scale)> Bytes;
    int Quality;    // as the picture is stored, to code an enlargement alike
    bool Grey;      // stored as luminance only
    bool HasDetail; // has anything finer than its soft blends
};

void PrintTo(const TPicture& p, std::ostream* os) {
    *os << p.Name;
}

std::vector<TPicture> Pictures() {
    constexpr int Photo = 90;
    constexpr int Series = 88;
    std::vector<TPicture> p{
        // The cover's bands blend over hundreds of pixels: twice the size shows nothing that an
        // enlargement coded as JPEG would not.
        {"Cover", [](int s) { return Assets::CoverPicture(s); }, Photo, false, false},
        {"Menu", [](int s) { return Assets::MenuBackground(s); }, Photo, false, true},
        {"Cooling", [](int s) { return Assets::CoolingMicrograph(s); }, Photo, false, true},
        {"C45Normalised", [](int s) { return Assets::C45Normalised(s); }, Photo, false, true},
        {"C45Hardened", [](int s) { return Assets::C45Hardened(s); }, Photo, false, true},
        {"C45QuenchedAndTempered", [](int s) { return Assets::C45QuenchedAndTempered(s); }, Photo,
         false, true},
        {"Martensite", [](int s) { return Assets::MartensiteMicrograph(s); }, Photo, false, true},
        {"Normalised", [](int s) { return Assets::NormalisedMicrograph(s); }, Photo, false, true},
    };
    for (int k = 0; k < Assets::SeriesMicrographs; ++k) {
        p.push_back({"Series" + std::to_string(k),
                     [k](int s) { return Assets::SeriesMicrograph(k, s); }, Series, true, true});
    }
    return p;
}

const TPixels& Decoded(const TPicture& p, int scale) {
    static std::map<std::pair<std::string, int>, TPixels> decoded;
    const auto key = std::pair{p.Name, scale};
    auto it = decoded.find(key);
    if (it == decoded.end()) {
        it = decoded.emplace(key, DecodeJpeg(p.Bytes(scale))).first;
    }
    return it->second;
}

class ScaledPicture : public testing::TestWithParam<TPicture> {
protected:
    void SetUp() override {
        ASSERT_GT(Own().Width, 0) << GetParam().Name;
        ASSERT_GT(Large().Width, 0) << GetParam().Name;
    }
    const TPixels& Own() const { return Decoded(GetParam(), 1); }
    const TPixels& Large() const { return Decoded(GetParam(), Twice); }
};

TEST_P(ScaledPicture, IsTwiceAsWideAndHigh) {
    EXPECT_EQ(Large().Width, Twice * Own().Width);
    EXPECT_EQ(Large().Height, Twice * Own().Height);
    if (GetParam().Grey) {
        for (const std::uint32_t p : Large().Data) {
            ASSERT_TRUE(Channel(p, 16) == Channel(p, 8) && Channel(p, 8) == Channel(p, 0));
        }
    }
}

TEST_P(ScaledPicture, ShowsTheSameContentAsAtItsOwnSize) {
    ExpectSameContent({Own()}, {Large()}, GetParam().Name);
}

// Within its 2 x 2 blocks the larger picture varies: edges, lamellae and needles fall between
// its pixels, not on the smaller picture's. An enlargement of the smaller picture, coded the same
// way, has only the coding's noise there.
class DetailedPicture : public ScaledPicture {};

TEST_P(DetailedPicture, HoldsFinerDetailThanAnEnlargement) {
    const auto inBlocks = [](const TPixels& t) {
        double sum = 0;
        long count = 0;
        for (int y = 0; y + 1 < t.Height; y += Twice) {
            for (int x = 0; x + 1 < t.Width; x += Twice) {
                for (const int s : ChannelShifts) {
                    const int v[] = {Channel(t.at(x, y), s), Channel(t.at(x + 1, y), s),
                                     Channel(t.at(x, y + 1), s), Channel(t.at(x + 1, y + 1), s)};
                    const double mean = (v[0] + v[1] + v[2] + v[3]) / 4.0;
                    for (const int c : v) {
                        sum += std::abs(c - mean);
                    }
                    count += 4;
                }
            }
        }
        return sum / static_cast<double>(count);
    };
    constexpr double SeveralTimes = 1.5;
    const TPixels enlarged =
        DecodeJpeg(EncodeJpeg(Enlarged(Own()), GetParam().Quality, GetParam().Grey));
    EXPECT_GT(inBlocks(Large()), SeveralTimes * inBlocks(enlarged));
}

std::string PictureName(const testing::TestParamInfo<TPicture>& info) {
    return info.param.Name;
}

std::vector<TPicture> DetailedPictures() {
    std::vector<TPicture> p = Pictures();
    std::erase_if(p, [](const TPicture& q) { return !q.HasDetail; });
    return p;
}

INSTANTIATE_TEST_SUITE_P(AllPictures, ScaledPicture, testing::ValuesIn(Pictures()), PictureName);
INSTANTIATE_TEST_SUITE_P(AllButSmoothOnes, DetailedPicture, testing::ValuesIn(DetailedPictures()),
                         PictureName);

// --- what there is not --------------------------------------------------------------------------

TEST(ScaledAssets, OnlyScalesOneAndTwoExist) {
    for (const TPicture& p : Pictures()) {
        EXPECT_FALSE(p.Bytes(1).empty()) << p.Name;
        for (const int scale : {0, -1, 3, 4}) {
            EXPECT_TRUE(p.Bytes(scale).empty()) << p.Name << " at " << scale;
        }
    }
    for (const std::string& name : StripNames) {
        for (const int scale : {0, -2, 3}) {
            EXPECT_TRUE(Assets::Strip(name, scale).empty()) << name << " at " << scale;
        }
    }
    EXPECT_TRUE(Assets::SeriesMicrograph(Assets::SeriesMicrographs, Twice).empty());
    EXPECT_TRUE(Assets::SeriesMicrograph(-1, Twice).empty());
    for (const char* unknown : {"", "ZuTyp1", "ZuTyp1.mkbildung", "ZuTyp1.MkBildung.", "X.Y"}) {
        EXPECT_TRUE(Assets::Strip(unknown, Twice).empty()) << unknown;
    }
}

} // namespace
