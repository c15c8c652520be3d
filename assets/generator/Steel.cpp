#include "assets/generator/Steel.h"

#include <algorithm>
#include <utility>

namespace Generator {

namespace {
constexpr std::uint32_t Ferrite = 0xFFFFFFFFu;
} // namespace

TSteel Form(const TRecipe& recipe, int scale) {
    const int w = recipe.Width;
    const int h = recipe.Height;
    TRandom random(recipe.Seed);
    TGrainMap austenite(w, h, Nucleate(random, w, h, recipe.Austenite));
    std::vector<TGrain> proeutectoidNuclei =
        NucleateOnBoundaries(random, austenite, recipe.Proeutectoid);
    std::vector<TGrain> colonyNuclei = NucleateOnBoundaries(random, austenite, recipe.Colonies);
    if (scale != 1) {
        austenite = TGrainMap(w, h, austenite.Grains(), scale);
    }
    std::vector<double> drag = DistanceToBoundaries(austenite);
    for (double& d : drag) {
        d *= recipe.Drag;
    }
    TGrainMap proeutectoid(w, h, std::move(proeutectoidNuclei), std::move(drag), scale);
    TGrainMap colonies(w, h, std::move(colonyNuclei), scale);
    std::vector<int> regions = Overlay(austenite, colonies);
    std::vector<TLamellae> lamellae;
    const std::size_t regionCount = austenite.Grains().size() * colonies.Grains().size();
    for (std::size_t r = 0; r < regionCount; ++r) {
        lamellae.push_back(
            RandomLamellae(random, recipe.MinSpacing, recipe.MaxSpacing, recipe.CementiteShare));
    }
    double complete = proeutectoid.TimeOfCoverage(recipe.ProeutectoidShare);
    if (recipe.ClosedNetwork) {
        complete = std::max(complete, TimeToReach(proeutectoid, BoundaryMask(austenite), 1.0));
    }
    return {std::move(austenite), std::move(proeutectoid), std::move(colonies),
            std::move(regions),   std::move(lamellae),     complete};
}

void PaintPearlite(TPixels& f, const TSteel& steel, std::uint32_t dark) {
    constexpr int Sliver = 5; // pixels of the picture at its own size
    const int scale = steel.Austenite.Scale();
    TPixels pearlite(f.Width, f.Height, Ferrite);
    auto isPearlite = [&](int x, int y) { return steel.IsPearlite(x, y); };
    PaintLamellae(pearlite, scale, steel.Regions, steel.Lamellae, Ferrite, dark, isPearlite);
    RemoveSpecks(pearlite, dark, Ferrite, Sliver * scale * scale);
    for (int y = 0; y < f.Height; ++y) {
        for (int x = 0; x < f.Width; ++x) {
            if (isPearlite(x, y)) {
                f.at(x, y) = pearlite.at(x, y);
            }
        }
    }
}

// The 0.6 % steel of the cooling screen, 100 x 100 pixels; the heating screens take it with their
// own seed and ferrite share.
//
// Austenite: nuclei 22 px or more apart over the picture and a 12 px margin leave about a dozen
// grains, forming over the first 8 time units so that new crystals keep appearing in the early
// frames; rounded, no two alike. Ferrite: nuclei at least 14 px apart on the boundaries, born at
// different times and growing at different speeds, spreading along the boundaries four times as
// fast as into the grains: lenses that join into a network, thicker in some places than in others.
// Pearlite colonies start from the boundaries too, one to three per grain, so that a colony is
// large enough to show its direction; their lamellae are 4 to 5 px apart and half dark, which keeps
// every lamella an unbroken line at this size and the pearlite clearly darker than the ferrite.
TRecipe HypoeutectoidRecipe() {
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
    r.Proeutectoid.Count = 30;
    r.Proeutectoid.MinDistance = 14;
    r.Proeutectoid.LastBirth = 10;
    r.Proeutectoid.SpeedSpread = 0.3;
    r.Proeutectoid.Roughness = 0.1;
    r.Proeutectoid.MinHeadStart = 2;
    r.Drag = 4;
    r.Colonies.Count = 16;
    r.Colonies.MinDistance = 24;
    r.Colonies.LastBirth = 3;
    r.Colonies.SpeedSpread = 0.2;
    r.Colonies.Roughness = 0.1;
    r.Colonies.MinHeadStart = 1;
    r.ProeutectoidShare = 0.25;
    r.MinSpacing = 4;
    r.MaxSpacing = 5;
    r.CementiteShare = 0.5;
    return r;
}

} // namespace Generator
