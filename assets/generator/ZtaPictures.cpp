// The pictures of the heating (ZTA) screens: how a ferrite–pearlite steel turns into austenite.
// Austenite nucleates in the pearlite colonies, whose cementite lamellae break up into carbide
// particles that dissolve more slowly; it then eats into the ferrite from the pearlite's side,
// and at last the carbon spreads evenly and the austenite shows as grains of its own.
//
// The steel is painted as it formed on cooling (Steel.h): white ferrite on the old austenite
// boundaries, black-and-white lamellar pearlite in what was left. The ferrite that formed last,
// nearest to the pearlite, is the first to go; the pearlite goes from its colonies' starting
// points inwards. Colours: austenite pink (255, 107, 107), homogeneous austenite light pink
// (255, 132, 132) with dark red grain boundaries (198, 0, 0), carbides black.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "assets/generator/Generator.h"
#include "assets/generator/Microstructure.h"
#include "assets/generator/Steel.h"

namespace Generator {
namespace {

constexpr int Side = 100;
constexpr std::uint32_t White = 0xFFFFFFFFu; // ferrite
constexpr std::uint32_t Black = 0xFF000000u; // cementite, ferrite seams, carbide particles
constexpr std::uint32_t Rose = 0xFFFF6B6Bu;  // austenite
constexpr std::uint32_t LightRose = 0xFFFF8484u;
constexpr std::uint32_t GrainRed = 0xFFC60000u;

// A steel of the heating screens with the carbide particles its pearlite breaks up into and the
// grains of the austenite it ends as.
struct THeatedSteel {
    TSteel Steel;
    std::vector<TPoint> Carbides;
    TGrainMap NewGrains;
};

// Like the cooling screen's steel at this size: about a dozen old austenite grains, ferrite lenses
// on their boundaries joining into a network, pearlite colonies with lamellae 4 to 5 px apart.
// The ferrite takes the share the lever rule gives the steel's carbon. Carbide particles lie 5 px
// apart or more; the new austenite grains are finer than the old ones.
THeatedSteel Heat(std::uint64_t seed, double ferriteShare, int scale) {
    static_assert(Side == 100, "the recipe's steel is 100 x 100 pixels");
    TRecipe r = HypoeutectoidRecipe();
    r.Seed = seed;
    r.ProeutectoidShare = ferriteShare;
    TSteel steel = Form(r, scale);

    TRandom random(seed ^ 0x4175737465ull);
    constexpr int CarbideCount = 600;
    constexpr double CarbideDistance = 5;
    std::vector<TPoint> carbides =
        ScatterPoints(random, {0, 0, Side, Side}, CarbideCount, CarbideDistance);
    TNucleation grains;
    grains.Count = 60;
    grains.MinDistance = 17;
    grains.Margin = 10;
    grains.Roughness = 0.08;
    TGrainMap newGrains(Side, Side, Nucleate(random, Side, Side, grains), scale);
    return {std::move(steel), std::move(carbides), std::move(newGrains)};
}

// The size of the grid the steel is painted on, in its pixels.
int SideOf(const THeatedSteel& s) {
    return s.NewGrains.Width();
}

std::vector<std::uint8_t> Mask(const THeatedSteel& s, bool pearlite) {
    const int side = SideOf(s);
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(side) * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            mask[static_cast<std::size_t>(y) * side + x] = s.Steel.IsPearlite(x, y) == pearlite;
    return mask;
}

std::vector<double> Arrivals(const TGrainMap& map) {
    std::vector<double> values;
    for (int y = 0; y < map.Height(); ++y)
        for (int x = 0; x < map.Width(); ++x)
            values.push_back(map.Arrival(x, y));
    return values;
}

// Ferrite with its seams and lamellar pearlite: the steel before heating.
TPixels FerritePearlite(const THeatedSteel& s) {
    TPixels f(SideOf(s), SideOf(s), White);
    PaintBoundaries(f, s.Steel.Proeutectoid, s.Steel.ProeutectoidComplete, Black);
    PaintPearlite(f, s.Steel, Black);
    return f;
}

// Black particles of 2 x 2 pixels of the picture wherever it shows austenite at the first of
// them (at its centre, on a finer grid).
void PaintCarbides(TPixels& f, const THeatedSteel& s) {
    const int scale = s.NewGrains.Scale();
    for (const TPoint& p : s.Carbides) {
        const int x = static_cast<int>(p.X);
        const int y = static_cast<int>(p.Y);
        const int centre = scale / 2;
        if (x + 1 >= Side || y + 1 >= Side || f.at(x * scale + centre, y * scale + centre) != Rose)
            continue;
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                FillPixel(f, x + dx, y + dy, scale, Black);
    }
}

// The pearlite is austenite; of the ferrite the share ferriteLeft remains, nearest to where it
// nucleated. While carbides are left the ferrite still shows its seams; the thin network left
// after them is plain white, so that nothing dark remains that could be taken for a carbide.
TPixels IntoFerrite(const THeatedSteel& s, double ferriteLeft, bool carbides) {
    const TGrainMap& ferrite = s.Steel.Proeutectoid;
    const double cut = ValueAtShare(Arrivals(ferrite), Mask(s, false), ferriteLeft);
    TPixels f(SideOf(s), SideOf(s), White);
    if (carbides)
        PaintBoundaries(f, ferrite, cut, Black);
    for (int y = 0; y < f.Height; ++y)
        for (int x = 0; x < f.Width; ++x)
            if (s.Steel.IsPearlite(x, y) || ferrite.Arrival(x, y) > cut)
                f.at(x, y) = Rose;
    if (carbides)
        PaintCarbides(f, s);
    return f;
}

// Austenite has taken the share pearliteGone of the pearlite, from its colonies' starts.
TPixels IntoPearlite(const THeatedSteel& s, double pearliteGone) {
    const TGrainMap& colonies = s.Steel.Colonies;
    const double cut = ValueAtShare(Arrivals(colonies), Mask(s, true), pearliteGone);
    TPixels f = FerritePearlite(s);
    for (int y = 0; y < f.Height; ++y)
        for (int x = 0; x < f.Width; ++x)
            if (s.Steel.IsPearlite(x, y) && colonies.Arrival(x, y) <= cut)
                f.at(x, y) = Rose;
    return f;
}

// Homogeneous austenite: its own grains.
TPixels Homogeneous(const THeatedSteel& s) {
    TPixels f(SideOf(s), SideOf(s), LightRose);
    PaintBoundaries(f, s.NewGrains, GrainRed);
    return f;
}

// 0.45 % carbon: ferrite about 44 % by the lever rule.
const THeatedSteel& Steel045(int scale) {
    return OncePerScale(scale, [](int s) { return Heat(0x5A544130343553ull, 0.44, s); });
}
// 0.70 % carbon: a little ferrite, about 12 %.
const THeatedSteel& Steel07(int scale) {
    return OncePerScale(scale, [](int s) { return Heat(0x5A5441303037ull, 0.12, s); });
}

// Shares of the ferrite left while the carbides dissolve, and after they have.
constexpr double FerriteWithCarbides = 0.75;
constexpr double FerriteWithoutCarbides = 0.35;
constexpr double PearliteGone = 0.5;

// Ferrite and pearlite; ferrite and austenite with carbides left; austenite.
TFrames Continuous045(int scale) {
    const THeatedSteel& s = Steel045(scale);
    return {FerritePearlite(s), IntoFerrite(s, FerriteWithCarbides, true), Homogeneous(s)};
}

// Mostly pearlite; austenite in the pearlite beside ferrite and lamellae left; austenite with
// carbides left; austenite.
TFrames Continuous07(int scale) {
    const THeatedSteel& s = Steel07(scale);
    return {FerritePearlite(s), IntoPearlite(s, PearliteGone), IntoFerrite(s, 0, true),
            Homogeneous(s)};
}

// Ferrite and pearlite; austenite with carbides in a ferrite network; the carbides gone and the
// network thinner; austenite.
TFrames Isothermal045(int scale) {
    const THeatedSteel& s = Steel045(scale);
    return {FerritePearlite(s), IntoFerrite(s, FerriteWithCarbides, true),
            IntoFerrite(s, FerriteWithoutCarbides, false), Homogeneous(s)};
}

} // namespace

TOutputs ZtaPictures() {
    return {
        StripOutput("ZTAcon045.Gef", Continuous045),
        StripOutput("ZTAcon07.Gef", Continuous07),
        StripOutput("ZTAiso045.Gef", Isothermal045),
    };
}

} // namespace Generator
