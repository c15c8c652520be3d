// The microstructure strips of the three process routes: their sizes, the austenite that only
// grows while the part is heated and held, the homogeneous austenite, and what each route ends
// with (martensite, fine ferrite and pearlite, tempered martensite).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/Assets.h"

namespace {

constexpr std::uint32_t White = 0xFFFFFFFFu;
constexpr std::uint32_t Black = 0xFF000000u;
constexpr int Side = 100;

// Share of the frame's pixels whose red channel clearly outweighs green: austenite of any shade.
double Reddish(const TPixels& f) {
    int n = 0;
    for (std::uint32_t p : f.Data)
        n += ((p >> 16) & 0xFF) > ((p >> 8) & 0xFF) + 60;
    return static_cast<double>(n) / f.Data.size();
}

double Share(const TPixels& f, std::uint32_t colour) {
    int n = 0;
    for (std::uint32_t p : f.Data)
        n += p == colour;
    return static_cast<double>(n) / f.Data.size();
}

TEST(ProcessRouteStrips, HaveTheirFramesAndGrowAusteniteOnHeating) {
    for (const auto& [name, count] : std::vector<std::pair<std::string, int>>{
             {"Haerten.Gef", 13}, {"Normal.Gef", 20}, {"Vergueten.Gef", 20}}) {
        const std::vector<TPixels> frames = Assets::Strip(name);
        ASSERT_EQ(static_cast<int>(frames.size()), count) << name;
        for (const TPixels& f : frames) {
            EXPECT_EQ(f.Width, Side);
            EXPECT_EQ(f.Height, Side);
        }
        // Ferrite and pearlite at the start, no austenite; then the austenite only grows, from a
        // little in frame 1 to nearly all in frame 10, and frame 11 is austenite throughout.
        EXPECT_EQ(Reddish(frames[0]), 0) << name;
        EXPECT_GT(Share(frames[0], White), 0.3) << name;
        EXPECT_GT(Share(frames[0], Black), 0.15) << name;
        EXPECT_GT(Reddish(frames[1]), 0.02) << name;
        EXPECT_LT(Reddish(frames[1]), 0.2) << name;
        for (int k = 2; k <= 11; ++k)
            EXPECT_GT(Reddish(frames[k]), Reddish(frames[k - 1])) << name << " " << k;
        EXPECT_GT(Reddish(frames[10]), 0.85) << name;
        EXPECT_EQ(Reddish(frames[11]), 1) << name;
    }
}

TEST(ProcessRouteStrips, EndWithTheirStructures) {
    // Martensite: dark plates on a light ground, no austenite left.
    for (const char* name : {"Haerten.Gef", "Vergueten.Gef"}) {
        const TPixels m = Assets::Strip(name)[12];
        EXPECT_EQ(Reddish(m), 0) << name;
        EXPECT_GT(Share(m, Black), 0.1) << name;
        EXPECT_GT(Share(m, White), 0.5) << name;
    }
    // Tempering breaks the plates up: less and less black, down to a fine dispersion.
    const std::vector<TPixels> temper = Assets::Strip("Vergueten.Gef");
    for (int k = 13; k <= 19; ++k)
        EXPECT_LT(Share(temper[k], Black), Share(temper[k - 1], Black)) << k;
    EXPECT_LT(Share(temper[19], Black), 0.1);
    EXPECT_GT(Share(temper[19], Black), 0.01);

    // Normalising: fine austenite, ferrite growing on its boundaries, then ferrite and pearlite.
    const std::vector<TPixels> normal = Assets::Strip("Normal.Gef");
    for (int k = 12; k <= 15; ++k)
        EXPECT_EQ(Reddish(normal[k]), 1) << k;
    for (int k = 16; k <= 18; ++k)
        EXPECT_GT(Share(normal[k], White), Share(normal[k - 1], White)) << k;
    EXPECT_EQ(Reddish(normal[19]), 0);
    EXPECT_GT(Share(normal[19], White), 0.4);
    EXPECT_GT(Share(normal[19], Black), 0.2);
}

} // namespace
