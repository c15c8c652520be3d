#include "assets/generator/Steel.h"

#include <algorithm>
#include <utility>

namespace Generator {

namespace {
constexpr std::uint32_t Ferrite = 0xFFFFFFFFu;
} // namespace

TSteel Form(const TRecipe& recipe) {
    TRandom random(recipe.Seed);
    TGrainMap austenite(recipe.Width, recipe.Height,
                        Nucleate(random, recipe.Width, recipe.Height, recipe.Austenite));
    std::vector<double> drag = DistanceToBoundaries(austenite);
    for (double& d : drag) {
        d *= recipe.Drag;
    }
    TGrainMap proeutectoid(recipe.Width, recipe.Height,
                           NucleateOnBoundaries(random, austenite, recipe.Proeutectoid),
                           std::move(drag));
    TGrainMap colonies(recipe.Width, recipe.Height,
                       NucleateOnBoundaries(random, austenite, recipe.Colonies));
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
    constexpr int Sliver = 5;
    TPixels pearlite(f.Width, f.Height, Ferrite);
    auto isPearlite = [&](int x, int y) { return steel.IsPearlite(x, y); };
    PaintLamellae(pearlite, steel.Regions, steel.Lamellae, Ferrite, dark, isPearlite);
    RemoveSpecks(pearlite, dark, Ferrite, Sliver);
    for (int y = 0; y < f.Height; ++y) {
        for (int x = 0; x < f.Width; ++x) {
            if (isPearlite(x, y)) {
                f.at(x, y) = pearlite.at(x, y);
            }
        }
    }
}

} // namespace Generator
