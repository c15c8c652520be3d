#pragma once
// A steel as it forms on cooling, for the painters of several screens: austenite grains, the
// proeutectoid phase that nucleates on their boundaries and grows into them, and the pearlite
// colonies that take what is left at the eutectoid temperature, with their lamellae.

#include <cstdint>
#include <vector>

#include "assets/generator/Microstructure.h"

namespace Generator {

// How one steel forms, at one picture size: the phase that precipitates on the austenite grain
// boundaries before the pearlite is ferrite below 0.8 % carbon and cementite above.
struct TRecipe {
    int Width = 0;
    int Height = 0;
    std::uint64_t Seed = 0;
    TNucleation Austenite;
    TNucleation Proeutectoid;
    TNucleation Colonies;
    double ProeutectoidShare = 0; // what the lever rule gives just above the eutectoid temperature
    // The proeutectoid phase spreads along the austenite boundaries at the speed of its crystals
    // and takes this much longer for every pixel it grows away from them, so it forms lens-shaped
    // allotriomorphs that join into a network of uneven thickness, not round blobs.
    double Drag = 0;
    // Cementite closes its network over every austenite boundary before the pearlite forms, even
    // where that takes it past its share.
    bool ClosedNetwork = false;
    double MinSpacing = 0; // of the pearlite lamellae, pixels
    double MaxSpacing = 0;
    double CementiteShare = 0; // of a lamella period, as it shows at this magnification
};

// The three grain maps of one steel, at the scale it is painted at, and the pearlite lamellae of
// every colony.
struct TSteel {
    TGrainMap Austenite;
    TGrainMap Proeutectoid;
    TGrainMap Colonies;
    std::vector<int> Regions;        // colonies cut by the austenite grains (Overlay)
    std::vector<TLamellae> Lamellae; // one per region
    double ProeutectoidComplete = 0; // when the proeutectoid phase stops growing
    bool IsPearlite(int x, int y) const {
        return Proeutectoid.Arrival(x, y) > ProeutectoidComplete;
    }
};

// Every map draws from the same random source in a fixed order, so one seed fixes the steel; the
// nuclei are chosen on the maps at the picture's own size, so it is the same steel at every scale.
TSteel Form(const TRecipe& recipe, int scale);

// The hypoeutectoid steel of 100 x 100 pixels the cooling and heating strips are painted from.
TRecipe HypoeutectoidRecipe();

// Turns the steel's austenite left at the eutectoid temperature into pearlite: ferrite with the
// lamellae of its colony in the dark colour. The lamellae are painted on their own, so that
// cleaning up their slivers cannot touch what lies around the pearlite.
// The light lamellae are white ferrite.
void PaintPearlite(TPixels& f, const TSteel& steel, std::uint32_t dark);

} // namespace Generator
