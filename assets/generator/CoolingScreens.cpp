// The cooling screens of the iron-carbon diagram: what a steel looks like under the microscope at
// each step of its cooling from the melt, and the micrograph of the structure it ends with.
//
// A hypoeutectoid steel goes through three structures, each painted from grain maps of the
// library: austenite crystallises from the melt; ferrite nucleates on the austenite grain
// boundaries and grows into the grains; at the eutectoid temperature the austenite left turns
// into pearlite, colonies of lamellae that start at the boundaries and never cross one.

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "assets/generator/Generator.h"
#include "assets/generator/Microstructure.h"
#include "assets/generator/Paint.h"

namespace Generator {
namespace {

// The colour codes the screens and their captions refer to.
constexpr std::uint32_t MeltRed = 0xFFFF0000u;   // (255, 0, 0)
constexpr std::uint32_t Austenite = 0xFF844200u; // brown (132, 66, 0)
constexpr std::uint32_t Boundary = 0xFF000000u;  // black, also the cementite of the lamellae
constexpr std::uint32_t Ferrite = 0xFFFFFFFFu;   // white, also the ferrite of the lamellae

// How one hypoeutectoid steel forms, at one picture size.
struct TRecipe {
    int Width = 0;
    int Height = 0;
    std::uint64_t Seed = 0;
    TNucleation Austenite;
    TNucleation Ferrite;
    TNucleation Colonies;
    double FerriteShare = 0; // what the lever rule gives just above the eutectoid temperature
    // Ferrite spreads along the austenite boundaries at the speed of its crystals and takes this
    // much longer for every pixel it grows away from them, so it forms lens-shaped allotriomorphs
    // that join into a network of uneven thickness, not round blobs.
    double FerriteDrag = 0;
    double MinSpacing = 0; // of the pearlite lamellae, pixels
    double MaxSpacing = 0;
    double CementiteShare = 0; // of a lamella period, as it shows at this magnification
};

// The three grain maps of one steel and the pearlite lamellae of every colony.
struct TSteel {
    TGrainMap Austenite;
    TGrainMap Ferrite;
    TGrainMap Colonies;
    std::vector<int> Regions;        // colonies cut by the austenite grains (Overlay)
    std::vector<TLamellae> Lamellae; // one per region
    double FerriteComplete = 0;      // when the ferrite covers its share
    bool IsPearlite(int x, int y) const { return Ferrite.Arrival(x, y) > FerriteComplete; }
};

// Every map draws from the same random source in a fixed order, so one seed fixes the steel.
TSteel Form(const TRecipe& recipe) {
    TRandom random(recipe.Seed);
    TGrainMap austenite(recipe.Width, recipe.Height,
                        Nucleate(random, recipe.Width, recipe.Height, recipe.Austenite));
    std::vector<double> drag = DistanceToBoundaries(austenite);
    for (double& d : drag) {
        d *= recipe.FerriteDrag;
    }
    TGrainMap ferrite(recipe.Width, recipe.Height,
                      NucleateOnBoundaries(random, austenite, recipe.Ferrite), std::move(drag));
    TGrainMap colonies(recipe.Width, recipe.Height,
                       NucleateOnBoundaries(random, austenite, recipe.Colonies));
    std::vector<int> regions = Overlay(austenite, colonies);
    std::vector<TLamellae> lamellae;
    const std::size_t regionCount = austenite.Grains().size() * colonies.Grains().size();
    for (std::size_t r = 0; r < regionCount; ++r) {
        lamellae.push_back(
            RandomLamellae(random, recipe.MinSpacing, recipe.MaxSpacing, recipe.CementiteShare));
    }
    const double complete = ferrite.TimeOfCoverage(recipe.FerriteShare);
    return {std::move(austenite), std::move(ferrite),  std::move(colonies),
            std::move(regions),   std::move(lamellae), complete};
}

// The 0.6 % steel of the cooling screen, 100 x 100 pixels.
//
// Austenite: nuclei 22 px or more apart over the picture and a 12 px margin leave about a dozen
// grains, forming over the first 8 time units so that new crystals keep appearing in the early
// frames; rounded, no two alike. Ferrite: nuclei at least 14 px apart on the boundaries, born at
// different times and growing at different speeds, spreading along the boundaries four times as
// fast as into the grains: lenses that join into a network, thicker in some places than in others.
// Pearlite colonies start from the boundaries too, one to three per grain, so that a colony is
// large enough to show its direction; their lamellae are 4 to 5 px apart and half dark, which keeps
// every lamella an unbroken line at this size and the pearlite clearly darker than the ferrite.
TRecipe EkdRecipe() {
    TRecipe r;
    r.Width = 100;
    r.Height = 100;
    r.Seed = 0x454B443036536368ull;
    r.Austenite.Count = 17;
    r.Austenite.MinDistance = 22;
    r.Austenite.Margin = 12;
    r.Austenite.LastBirth = 8;
    r.Austenite.SpeedSpread = 0.1;
    r.Austenite.Roughness = 0.08;
    r.Austenite.MinHeadStart = 3;
    r.Ferrite.Count = 30;
    r.Ferrite.MinDistance = 14;
    r.Ferrite.LastBirth = 10;
    r.Ferrite.SpeedSpread = 0.3;
    r.Ferrite.Roughness = 0.1;
    r.Ferrite.MinHeadStart = 2;
    r.FerriteDrag = 4;
    r.Colonies.Count = 16;
    r.Colonies.MinDistance = 24;
    r.Colonies.LastBirth = 3;
    r.Colonies.SpeedSpread = 0.2;
    r.Colonies.Roughness = 0.1;
    r.Colonies.MinHeadStart = 1;
    r.FerriteShare = 0.25;
    r.MinSpacing = 4;
    r.MaxSpacing = 5;
    r.CementiteShare = 0.5;
    return r;
}

const TSteel& EkdSteel() {
    static const TSteel steel = Form(EkdRecipe());
    return steel;
}

// The austenite grains with their boundaries: the end of solidification and the start of the
// ferrite strip.
TPixels AusteniteGrains(const TSteel& steel) {
    TPixels f(steel.Austenite.Width(), steel.Austenite.Height(), Austenite);
    PaintBoundaries(f, steel.Austenite, Boundary);
    return f;
}

// Solidification: frame 0 is melt; frames 1 to 17 are evenly spaced in temperature through the
// solidification range, where the crystal share rises about evenly, from the first few nuclei to
// nine tenths; frame 18 is the solid austenite with its grain boundaries.
TFrames SchA() {
    constexpr int GrowthFrames = 17;
    constexpr double FirstShare = 0.01;
    constexpr double LastShare = 0.90;
    const TSteel& steel = EkdSteel();
    const TGrainMap& map = steel.Austenite;
    const TPixels melt(map.Width(), map.Height(), MeltRed);
    TFrames frames{melt};
    for (int k = 0; k < GrowthFrames; ++k) {
        const double share = FirstShare + (LastShare - FirstShare) * k / (GrowthFrames - 1);
        TPixels f = melt;
        PaintCrystals(f, map, map.TimeOfCoverage(share), Austenite);
        frames.push_back(std::move(f));
    }
    frames.push_back(AusteniteGrains(steel));
    return frames;
}

// Below the A3 line: frame 0 is the austenite; in frames 1 to 6 ferrite grows from the grain
// boundaries to its share at the eutectoid temperature, the seams between ferrite crystals that
// have met showing as boundaries; frame 7 is the final structure, the austenite left turned into
// pearlite.
TFrames AFerPer() {
    // Frames 1 to 5; frame 6 shows the ferrite complete, at the recipe's share.
    constexpr std::array FerriteShares{0.03, 0.07, 0.11, 0.15, 0.20};
    const TSteel& steel = EkdSteel();
    const TGrainMap& ferrite = steel.Ferrite;
    const TPixels austenite = AusteniteGrains(steel);
    TFrames frames{austenite};
    std::vector<double> times;
    for (const double share : FerriteShares) {
        times.push_back(ferrite.TimeOfCoverage(share));
    }
    times.push_back(steel.FerriteComplete);
    for (const double time : times) {
        TPixels f = austenite;
        PaintCrystals(f, ferrite, time, Ferrite);
        PaintBoundaries(f, ferrite, time, Boundary);
        frames.push_back(std::move(f));
    }
    // The lamellae are painted on their own, so that cleaning up their slivers cannot touch the
    // seams of the ferrite.
    TPixels pearlite(austenite.Width, austenite.Height, Ferrite);
    auto isPearlite = [&](int x, int y) { return steel.IsPearlite(x, y); };
    PaintLamellae(pearlite, steel.Regions, steel.Lamellae, Ferrite, Boundary, isPearlite);
    constexpr int Sliver = 5;
    RemoveSpecks(pearlite, Boundary, Ferrite, Sliver);
    TPixels final = frames.back();
    for (int y = 0; y < final.Height; ++y) {
        for (int x = 0; x < final.Width; ++x) {
            if (isPearlite(x, y)) {
                final.at(x, y) = pearlite.at(x, y);
            }
        }
    }
    frames.push_back(std::move(final));
    return frames;
}

// The micrograph the cooling screen holds, 317 x 209: the same kind of steel at a lower
// magnification, so more grains, in the colours of an etched specimen under white light. Painted
// supersampled, so that lamellae and boundaries have the soft edges of a photograph.
TPixels CoolingMicrograph() {
    TRecipe r = EkdRecipe();
    r.Width = 317;
    r.Height = 209;
    r.Seed = 0x4B75686C42696C64ull;
    r.Austenite.Count = 90;
    r.Austenite.MinDistance = 30;
    r.Austenite.Margin = 16;
    r.Austenite.LastBirth = 10;
    r.Ferrite.Count = 160;
    r.Ferrite.MinDistance = 12;
    r.Colonies.Count = 160;
    r.Colonies.MinDistance = 18;
    const TSteel steel = Form(r);

    constexpr TRgb FerriteLight{226, 222, 208};
    constexpr TRgb FerriteSeam{128, 120, 108};
    constexpr TRgb LamellaLight{176, 164, 146};
    constexpr TRgb Cementite{58, 46, 40};
    return PaintSupersampled(r.Width, r.Height, 3, [&](double x, double y) {
        const int i = static_cast<int>(x);
        const int j = static_cast<int>(y);
        if (steel.IsPearlite(i, j)) {
            const int region = steel.Regions[static_cast<std::size_t>(j) * r.Width + i];
            return steel.Lamellae[region].IsDark(x, y) ? Cementite : LamellaLight;
        }
        return steel.Ferrite.IsBoundary(i, j) ? FerriteSeam : FerriteLight;
    });
}

} // namespace

TOutputs CoolingScreens() {
    return {
        StripOutput("EKD06.SchA", SchA),
        StripOutput("EKD06.AFerPer", AFerPer),
        {"cooling_micrograph", TKind::JpegColour, 90, CoolingMicrograph},
    };
}

} // namespace Generator
