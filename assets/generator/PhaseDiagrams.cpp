// The frame strips of the animated phase diagrams (types 1 to 4): what the alloy looks like under
// the microscope at each step of its cooling.

#include <array>
#include <cstdint>

#include "assets/generator/Generator.h"
#include "assets/generator/Microstructure.h"

namespace Generator {
namespace {

// The colour codes the screens and their captions refer to.
constexpr std::uint32_t MeltRed = 0xFFFF0000u;       // (255, 0, 0)
constexpr std::uint32_t SolidSolution = 0xFF844200u; // brown (132, 66, 0)
constexpr std::uint32_t GrainBoundary = 0xFF000000u; // black

// Type 1, complete solubility: a solid solution crystallises from the melt between liquidus and
// solidus. Frame 0 is melt; frame 1 shows the first nuclei when the lever rule still gives 0 %
// crystals; frames 2 to 16 follow the crystal shares the screen's lever box shows at the same
// steps; frame 17 (95 %) is the grains touching, with only the thin seams between them still
// liquid; frame 18 is the solidified solution with its grain boundaries.
TFrames MkBildung() {
    constexpr int Side = 100;
    constexpr std::uint64_t Seed = 0x4D4B42696C64756Eull;
    // The first nuclei are just visible: a few dots of some pixels each.
    constexpr double FirstNucleiShare = 0.005;
    constexpr std::array GrowthShares{0.07, 0.14, 0.22, 0.29, 0.36, 0.42, 0.47, 0.52,
                                      0.58, 0.64, 0.70, 0.75, 0.80, 0.85, 0.90};

    // Nuclei 22 px or more apart over the picture and a 12 px margin leave about a dozen grains
    // of some 30 px across in the picture, plus pieces of grains from outside along the edges.
    // They form over the first 8 time units, while the first crystals grow 8 px: new nuclei keep
    // appearing until frame 2 or 3. Speeds and outlines vary a little, so the crystals are
    // rounded but no two alike.
    TNucleation nucleation;
    nucleation.Count = 17;
    nucleation.MinDistance = 22;
    nucleation.Margin = 12;
    nucleation.LastBirth = 8;
    nucleation.SpeedSpread = 0.1;
    nucleation.Roughness = 0.08;
    nucleation.MinHeadStart = 3;
    TRandom random(Seed);
    const TGrainMap map(Side, Side, Nucleate(random, Side, Side, nucleation));

    TFrames frames;
    const TPixels melt(Side, Side, MeltRed);
    frames.push_back(melt);
    auto grown = [&](double share) {
        TPixels f = melt;
        PaintCrystals(f, map, map.TimeOfCoverage(share), SolidSolution);
        return f;
    };
    frames.push_back(grown(FirstNucleiShare));
    for (const double share : GrowthShares) {
        frames.push_back(grown(share));
    }
    // Everything that can grow has grown; the seams left are about 5 % of the picture, which is
    // why the nuclei are spaced as they are.
    constexpr double Everything = 1;
    frames.push_back(grown(Everything));
    TPixels solid = frames.back();
    PaintBoundaries(solid, map, GrainBoundary);
    frames.push_back(solid);
    return frames;
}

} // namespace

TOutputs PhaseDiagrams() {
    return {
        StripOutput("ZuTyp1.MkBildung", MkBildung),
    };
}

} // namespace Generator
