// The frame strips of the animated phase diagrams (types 1 to 4): what the alloy looks like under
// the microscope at each step of its cooling.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <span>

#include "assets/generator/Generator.h"
#include "assets/generator/Microstructure.h"
#include "assets/generator/PhaseMicrostructure.h"

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
TFrames MkBildung(int scale) {
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
    const TGrainMap map(Side, Side, Nucleate(random, Side, Side, nucleation), scale);

    TFrames frames;
    const TPixels melt(map.Width(), map.Height(), MeltRed);
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

// --- types 2 to 4: 80 x 80 frames ---------------------------------------------------------------

constexpr int Side80 = 80;
// The drawing surfaces of types 3 and 4 end 75 rows below the top of their pictures: the shares
// that matter are those of the rows the learner sees.
constexpr int ShownRows = 75;
// Frames drawn when the lever rule still gives 0 % crystals show the first nuclei: a few dots.
constexpr double FirstNuclei = 0.004;
// Where two crystals meet, a seam of melt stays while the fronts grow on by this many pixels.
constexpr double CrystalSeam = 6;

// Primary crystals in the melt: about a dozen nuclei 19 px or more apart, forming over the first
// frames, rounded and no two alike; at a third of the picture they stand apart, at two thirds
// they begin to meet.
TNucleation PrimaryCrystals() {
    TNucleation n;
    n.Count = 12;
    n.MinDistance = 19;
    n.Margin = 8;
    n.LastBirth = 8;
    n.SpeedSpread = 0.15;
    n.Roughness = 0.08;
    n.MinHeadStart = 3;
    return n;
}

// Grains of a solid solution: a little denser, so that the picture fills with some ten grains.
TNucleation SolidSolutionGrains() {
    TNucleation n;
    n.Count = 16;
    n.MinDistance = 18;
    n.Margin = 10;
    n.LastBirth = 6;
    n.SpeedSpread = 0.1;
    n.Roughness = 0.08;
    n.MinHeadStart = 3;
    return n;
}

// Fine segregates: many small dots, each a few pixels across when it has grown.
TNucleation Segregates(int count) {
    TNucleation n;
    n.Count = count;
    n.MinDistance = 5;
    n.LastBirth = 2;
    n.SpeedSpread = 0.2;
    n.Roughness = 0.1;
    return n;
}

// An 80 x 80 frame at the scale.
TPixels Frame(int scale, std::uint32_t colour) {
    return TPixels(Side80 * scale, Side80 * scale, colour);
}

TMask Everywhere(int scale) {
    return TMask(static_cast<std::size_t>(Side80 * scale) * (Side80 * scale), 1);
}

// The rows of a frame at the scale that show the top `rows` of the frame at its own size.
TMask Shown(int scale, int rows) {
    return TopRows(Side80 * scale, Side80 * scale, rows * scale);
}

// Crystals in an 80 x 80 frame, on the grid of the scale.
TGrainMap Crystals(TRandom& random, const TNucleation& n, int scale) {
    return TGrainMap(Side80, Side80, Nucleate(random, Side80, Side80, n), scale);
}

// The picture with every pixel the map has reached by the time it covers the share of the area.
TPixels Grown(const TPixels& base, const TGrainMap& map, const TMask& area, double share,
              std::uint32_t colour, double seamDelay = CrystalSeam) {
    TPixels f = base;
    PaintGrown(f, map, TimeToCover(map, area, share, seamDelay), colour, seamDelay);
    return f;
}

// Crystals of one colour growing in the melt, one frame per share.
void AddGrowth(TFrames& frames, const TGrainMap& map, const TMask& area,
               std::span<const double> shares, std::uint32_t colour) {
    const TPixels melt(map.Width(), map.Height(), PhaseMelt);
    for (const double share : shares) {
        frames.push_back(Grown(melt, map, area, share, colour));
    }
}

// The melt left in the last frame solidifies to the eutectic.
TPixels Solidified(TPixels f, int scale, TRandom& random, double eutecticBlack,
                   std::uint32_t seam = 0) {
    const TMask melt = PixelsOf(f, PhaseMelt);
    TEutectic(random, Side80, Side80, scale, eutecticBlack, melt, seam).Paint(f, melt);
    return f;
}

// An alloy off the eutectic composition: melt, the first nuclei, the primary crystals at the
// lever rule's shares, and at the eutectic line the primary crystals in the eutectic.
struct PrimaryAlloy {
    std::uint64_t Seed;
    std::uint32_t Crystal;
    std::span<const double> Shares;
    double Primary;
    double EutecticBlack;
    int ShownRows;
};

TFrames PrimaryInEutectic(const PrimaryAlloy& alloy, int scale) {
    TRandom random(alloy.Seed);
    const TGrainMap map = Crystals(random, PrimaryCrystals(), scale);
    const TMask area = Shown(scale, alloy.ShownRows);
    TFrames frames{Frame(scale, PhaseMelt)};
    AddGrowth(frames, map, area, std::array{FirstNuclei}, alloy.Crystal);
    AddGrowth(frames, map, area, alloy.Shares, alloy.Crystal);
    const TPixels last = Grown(frames.front(), map, area, alloy.Primary, alloy.Crystal);
    // The eutectic's other phase forms first on the primary crystals.
    const std::uint32_t seam = alloy.Crystal == PhaseAlpha ? PhaseBeta : PhaseAlpha;
    frames.push_back(Solidified(last, scale, random, alloy.EutecticBlack, seam));
    return frames;
}

// The eutectic composition: melt, then eutectic at once.
TFrames EutecticOnly(std::uint64_t seed, double eutecticBlack, int scale) {
    TRandom random(seed);
    const TPixels melt = Frame(scale, PhaseMelt);
    return {melt, Solidified(melt, scale, random, eutecticBlack)};
}

// Type 2: no solubility in the solid, so the eutectic is pure A (white) and pure B (black) in
// the proportions of the eutectic point at 60 % B.
constexpr double Type2EutecticBlack = 0.60;

// The hypoeutectic alloy (40 % B): white A crystals at the α shares the lever boxes show at
// frames 2 to 19, then 33 % primary A in the eutectic.
TFrames Unter(int scale) {
    static constexpr std::array Shares{0.02, 0.04, 0.07, 0.09, 0.11, 0.14, 0.15, 0.18, 0.20,
                                       0.21, 0.23, 0.24, 0.26, 0.27, 0.28, 0.29, 0.30, 0.31};
    return PrimaryInEutectic(
        {0x54797032556E7465ull, PhaseAlpha, Shares, 0.33, Type2EutecticBlack, Side80}, scale);
}

TFrames Eu(int scale) {
    return EutecticOnly(0x5479703245757465ull, Type2EutecticBlack, scale);
}

// The hypereutectic alloy (80 % B): black B crystals at the β shares of frames 2 to 17, then
// half primary B in the eutectic.
TFrames Ueber(int scale) {
    static constexpr std::array Shares{0.06, 0.10, 0.14, 0.19, 0.23, 0.26, 0.30, 0.33,
                                       0.36, 0.38, 0.40, 0.42, 0.44, 0.45, 0.47, 0.48};
    return PrimaryInEutectic(
        {0x5479703255656265ull, PhaseBeta, Shares, 0.50, Type2EutecticBlack, Side80}, scale);
}

// Type 3: the eutectic of the α and β solid solutions, β in the share of C between D and E.
constexpr double Type3EutecticBlack = 0.571;

// A solid solution crystallising: melt, the crystals at the lever rule's shares (the last ones
// leave only thin seams of melt between the grains), then the grains with grey boundaries.
TFrames Solidifying(std::uint64_t seed, std::uint32_t crystal, std::span<const double> shares,
                    int scale, TGrainMap* keep = nullptr) {
    TRandom random(seed);
    const TGrainMap map = Crystals(random, SolidSolutionGrains(), scale);
    const TMask area = Shown(scale, ShownRows);
    TFrames frames{Frame(scale, PhaseMelt)};
    AddGrowth(frames, map, area, shares, crystal);
    TPixels grains = Frame(scale, crystal);
    PaintBoundaries(grains, map, PhaseGrey);
    frames.push_back(grains);
    if (keep) {
        *keep = map;
    }
    return frames;
}

// Alloy 1 (6 % B): α crystals at the shares the tie lines give at frames 1 to 11, the seams at
// 12 to 14, then homogeneous α.
TFrames Typ3L1(int scale) {
    static constexpr std::array Shares{0.04,  0.353, 0.545, 0.66,  0.726, 0.771, 0.818,
                                       0.857, 0.889, 0.915, 0.931, 0.953, 0.973, 0.991};
    return Solidifying(0x5479703320204C31ull, PhaseAlpha, Shares, scale);
}

// Black β rims round the primary α crystals: each crystal's rim grows along its edge from two
// points on opposite sides, until the black share of the shown rows is the lever rule's β.
// The rims are the crystals' outermost pixels (a band one pixel of the picture wide), so the
// crystals shrink by what the rims take.
TFrames Rims(const TPixels& base, const TGrainMap& primary, double primaryTime, TRandom& random,
             std::span<const double> blackShares) {
    const int scale = primary.Scale();
    const int side = primary.Width();
    const TMask area = Shown(scale, ShownRows);
    auto isPrimary = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < side && y < side &&
               SolidAt(primary, x, y, CrystalSeam) <= primaryTime;
    };
    // A rim shows only where the crystal borders a white lamella: where a black one touches it,
    // the crystal's edge is black already.
    auto lightEutectic = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < side && y < side && !isPrimary(x, y) &&
               base.at(x, y) == PhaseAlpha;
    };
    // Where each crystal's rim starts, as angles round its nucleus.
    std::vector<std::array<double, 2>> starts;
    for (std::size_t g = 0; g < primary.Grains().size(); ++g) {
        const double a = random.Uniform(0, 2 * std::numbers::pi);
        starts.push_back({a, a + std::numbers::pi + random.Uniform(-1, 1)});
    }
    // The edge pixels of the crystals, ordered by how far along the edge the rim must grow to
    // reach them. Pixels at the picture's border are no edge: the crystal goes on beyond it.
    constexpr double NotOnEdge = std::numeric_limits<double>::infinity();
    std::vector<double> along(static_cast<std::size_t>(side) * side, NotOnEdge);
    std::vector<double> shownEdge;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const bool inside = x >= scale && y >= scale && x + scale < side && y + scale < side;
            if (!inside || !isPrimary(x, y) || !NearAlongAxes(x, y, scale, lightEutectic)) {
                continue;
            }
            const TGrain& g = primary.Grains()[static_cast<std::size_t>(primary.Owner(x, y))];
            const TPoint c = PixelCentre(x, y, scale);
            const double dx = c.X - g.Nucleus.X;
            const double dy = c.Y - g.Nucleus.Y;
            const double angle = std::atan2(dy, dx);
            double arc = NotOnEdge;
            for (const double start : starts[static_cast<std::size_t>(primary.Owner(x, y))]) {
                const double turn = std::remainder(angle - start, 2 * std::numbers::pi);
                arc = std::min(arc, std::abs(turn) * std::hypot(dx, dy));
            }
            along[static_cast<std::size_t>(y) * side + x] = arc;
            if (area[static_cast<std::size_t>(y) * side + x] != 0) {
                shownEdge.push_back(arc);
            }
        }
    }
    std::sort(shownEdge.begin(), shownEdge.end());
    const double shownPixels = static_cast<double>(side) * ShownRows * scale;
    const double baseBlack = ShareOf(base, PhaseBeta, area);
    TFrames frames;
    for (const double share : blackShares) {
        const auto wanted =
            static_cast<std::size_t>(std::max(0.0, std::round((share - baseBlack) * shownPixels)));
        TPixels f = base;
        if (wanted > 0 && !shownEdge.empty()) {
            const double reach = shownEdge[std::min(wanted, shownEdge.size()) - 1];
            for (std::size_t i = 0; i < along.size(); ++i) {
                if (along[i] <= reach) {
                    f.Data[i] = PhaseBeta;
                }
            }
        }
        frames.push_back(f);
    }
    return frames;
}

// Alloy 2 (40 % B): α crystals at the tie lines' shares of frames 2 to 19, half primary α in the
// eutectic at the eutectic line, then β segregating as rims round the crystals as the solvus
// lines part below it.
TFrames Typ3L2(int scale) {
    static constexpr std::array Shares{0.027, 0.067, 0.098, 0.129, 0.164, 0.193,
                                       0.221, 0.242, 0.268, 0.29,  0.316, 0.343,
                                       0.364, 0.384, 0.408, 0.428, 0.45,  0.475};
    constexpr double Primary = 0.50;
    static constexpr std::array RimBlack{0.2879, 0.2976, 0.30,   0.3035, 0.3068,
                                         0.3079, 0.3101, 0.3111, 0.3122};
    TRandom random(0x5479703320204C32ull);
    const TGrainMap map = Crystals(random, PrimaryCrystals(), scale);
    const TMask area = Shown(scale, ShownRows);
    TFrames frames{Frame(scale, PhaseMelt)};
    AddGrowth(frames, map, area, std::array{FirstNuclei}, PhaseAlpha);
    AddGrowth(frames, map, area, Shares, PhaseAlpha);
    const double primaryTime = TimeToCover(map, area, Primary, CrystalSeam);
    TPixels last = Frame(scale, PhaseMelt);
    PaintGrown(last, map, primaryTime, PhaseAlpha, CrystalSeam);
    const TPixels eutectic = Solidified(last, scale, random, Type3EutecticBlack);
    frames.push_back(eutectic);
    for (TPixels& f : Rims(eutectic, map, primaryTime, random, RimBlack)) {
        frames.push_back(std::move(f));
    }
    return frames;
}

TFrames Typ3L3(int scale) {
    return EutecticOnly(0x5479703320204C33ull, Type3EutecticBlack, scale);
}

// Alloy 4 (92 % B): β crystals at the tie lines' shares of frames 1 to 9, the seams at 10 to
// 12, homogeneous β at 13, then α segregating on the grain boundaries below the solvus, to the
// lever rule's share at each frame.
TFrames Typ3L4(int scale) {
    static constexpr std::array Shares{FirstNuclei, 0.211, 0.356, 0.462, 0.534, 0.594,
                                       0.652,       0.699, 0.74,  0.791, 0.885, 0.932};
    static constexpr std::array SegregateShares{0.002,  0.0057, 0.0114, 0.0141,
                                                0.0196, 0.0222, 0.0275, 0.0301};
    TGrainMap beta(1, 1, {});
    TFrames frames = Solidifying(0x5479703320204C34ull, PhaseBeta, Shares, scale, &beta);
    // The segregates form on the boundaries and spread along them much faster than into the
    // grains.
    TRandom random(0x5479703353656772ull);
    TNucleation onBoundaries;
    onBoundaries.Count = 14;
    onBoundaries.MinDistance = 10;
    onBoundaries.LastBirth = 6;
    onBoundaries.SpeedSpread = 0.2;
    onBoundaries.Roughness = 0.1;
    onBoundaries.MinHeadStart = 1;
    constexpr double IntoGrains = 2.5;
    std::vector<double> delay = DistanceToBoundaries(beta);
    for (double& d : delay) {
        d *= IntoGrains;
    }
    // Their nuclei lie on the boundaries of the grains at the frame's own size, at every scale.
    const TGrainMap segregates(Side80, Side80,
                               NucleateOnBoundaries(random, Rescaled(beta, 1), onBoundaries),
                               std::move(delay), scale);
    const TMask area = Shown(scale, ShownRows);
    const TPixels grains = frames.back();
    for (const double share : SegregateShares) {
        frames.push_back(Grown(grains, segregates, area, share, PhaseAlpha, 0));
    }
    return frames;
}

// Type 4, the peritectic. Alloy 1 (40 % B): α crystals at the upper tie lines' shares (frames 1
// to 12) and just above the peritectic line (13, 64 %). The reaction turns the melt into β round
// the α, which shrinks to the lever rule's half; below, fine β segregates in the α take it down
// to the lower tie lines' shares.
TFrames Typ4L1(int scale) {
    static constexpr std::array Shares{0.069, 0.122, 0.161, 0.203, 0.237, 0.298, 0.35,
                                       0.40,  0.46,  0.50,  0.554, 0.598, 0.636};
    constexpr double AfterReaction = 0.495;
    static constexpr std::array Lower{0.473, 0.468, 0.461, 0.46, 0.457, 0.457};
    TRandom random(0x5479703420204C31ull);
    const TGrainMap map = Crystals(random, PrimaryCrystals(), scale);
    auto reactedOn = [&](const TGrainMap& m) {
        const int s = m.Scale();
        return Grown(Frame(s, PhaseBeta), m, Shown(s, ShownRows), AfterReaction, PhaseAlpha);
    };
    const TMask area = Shown(scale, ShownRows);
    TFrames frames{Frame(scale, PhaseMelt)};
    AddGrowth(frames, map, area, Shares, PhaseAlpha);
    const TPixels reacted = reactedOn(map);
    frames.push_back(reacted);
    const TMask cores = PixelsOf(reacted, PhaseAlpha);
    // Which nuclei lie in the cores is decided on the frame at its own size, so that every scale
    // gets the same specks.
    const TMask ownCores = scale == 1 ? cores : PixelsOf(reactedOn(Rescaled(map, 1)), PhaseAlpha);
    const TGrainMap specks(Side80, Side80,
                           NucleateInside(random, Side80, Side80, Segregates(40), ownCores), scale);
    const double alpha = ShareOf(reacted, PhaseAlpha, area);
    for (const double share : Lower) {
        TPixels f = reacted;
        PaintGrown(f, specks, TimeToCover(specks, area, cores, alpha - share), PhaseBeta, cores);
        frames.push_back(f);
    }
    return frames;
}

// The pixels of the map's grains at least two pixels away from their boundaries.
TMask GrainInteriors(const TGrainMap& map) {
    const std::vector<double> distance = DistanceToBoundaries(map);
    constexpr double Clearance = 2;
    TMask mask(distance.size());
    for (std::size_t i = 0; i < distance.size(); ++i) {
        mask[i] = distance[i] >= Clearance ? 1 : 0;
    }
    return mask;
}

// Alloy 2 (60 % B): α crystals in the melt (frames 1 to 8, up to 27 % above the peritectic
// line); the reaction turns all of it into β grains, one round each α crystal, their boundaries
// white; below the solvus white α dots appear in the grains, to the lever rule's share over the
// α the boundaries stand for.
TFrames Typ4L2(int scale) {
    static constexpr std::array Shares{0.0175, 0.0431, 0.0681, 0.0962,
                                       0.1434, 0.1847, 0.2311, 0.273};
    constexpr double BoundaryAlpha = 0.0053;
    static constexpr std::array Lower{0.029, 0.0457, 0.0609, 0.0717, 0.0813, 0.0945};
    TRandom random(0x5479703420204C32ull);
    const TGrainMap map = Crystals(random, PrimaryCrystals(), scale);
    const TMask area = Shown(scale, ShownRows);
    TFrames frames{Frame(scale, PhaseMelt)};
    AddGrowth(frames, map, area, Shares, PhaseAlpha);
    TPixels grains = Frame(scale, PhaseBeta);
    PaintBoundaries(grains, map, PhaseAlpha);
    frames.push_back(grains);
    const TMask interiors = GrainInteriors(map);
    // As for the specks of alloy 1: the dots' nuclei are chosen at the frame's own size.
    const TMask ownInteriors = scale == 1 ? interiors : GrainInteriors(Rescaled(map, 1));
    const TGrainMap dots(Side80, Side80,
                         NucleateInside(random, Side80, Side80, Segregates(90), ownInteriors),
                         scale);
    for (const double share : Lower) {
        TPixels f = grains;
        PaintGrown(f, dots, TimeToCover(dots, area, interiors, share - BoundaryAlpha), PhaseAlpha,
                   interiors);
        frames.push_back(f);
    }
    return frames;
}

// Alloy 3 (70 % B): a few α crystals (frames 1 to 4); the reaction turns them into β, which
// grows on from them and from new nuclei at the lower tie lines' shares (5 to 10); then
// homogeneous β grains with white boundaries.
TFrames Typ4L3(int scale) {
    static constexpr std::array Alpha{0.0201, 0.0478, 0.0714, 0.0909};
    static constexpr std::array Beta{0.433, 0.507, 0.597, 0.687, 0.785, 0.877};
    TRandom random(0x5479703420204C33ull);
    const TGrainMap map = Crystals(random, PrimaryCrystals(), scale);
    const TMask area = Shown(scale, ShownRows);
    TFrames frames{Frame(scale, PhaseMelt)};
    AddGrowth(frames, map, area, Alpha, PhaseAlpha);
    AddGrowth(frames, map, area, Beta, PhaseBeta);
    TPixels grains = Frame(scale, PhaseBeta);
    PaintBoundaries(grains, map, PhaseAlpha);
    frames.push_back(grains);
    return frames;
}

// The inset's α → β picture sequence: crystals growing in the melt (black, frames 0 to 8), then
// white α crystals, round which black β shells grow outwards into the melt and inwards into the
// shrinking white cores (10 to 14), until β grains with thin seams and white remnants (15) and
// finally β grains with grey boundaries (16) remain.
TFrames AinB(int scale) {
    static constexpr std::array Growing{0.02, 0.05, 0.08, 0.12, 0.16, 0.20, 0.24, 0.28, 0.32};
    constexpr double Alpha = 0.36;
    static constexpr std::array Shells{0.46, 0.56, 0.66, 0.76, 0.86, 0.985};
    static constexpr std::array Cores{0.30, 0.24, 0.18, 0.13, 0.09, 0.05};
    TRandom random(0x5479703441696E42ull);
    const TGrainMap map = Crystals(random, PrimaryCrystals(), scale);
    const TMask area = Everywhere(scale);
    TFrames frames;
    AddGrowth(frames, map, area, Growing, PhaseBeta);
    AddGrowth(frames, map, area, std::array{Alpha}, PhaseAlpha);
    for (std::size_t i = 0; i < Shells.size(); ++i) {
        TPixels f = Grown(Frame(scale, PhaseMelt), map, area, Shells[i], PhaseBeta);
        PaintGrown(f, map, TimeToCover(map, area, Cores[i], CrystalSeam), PhaseAlpha, CrystalSeam);
        frames.push_back(f);
    }
    TPixels grains = Frame(scale, PhaseBeta);
    PaintBoundaries(grains, map, PhaseGrey);
    frames.push_back(grains);
    return frames;
}

} // namespace

TOutputs PhaseDiagrams() {
    return {
        StripOutput("ZuTyp1.MkBildung", MkBildung),
        StripOutput("ZuTyp2.Unter", Unter),
        StripOutput("ZuTyp2.Eu", Eu),
        StripOutput("ZuTyp2.Ueber", Ueber),
        StripOutput("ZuTyp3.L1", Typ3L1),
        StripOutput("ZuTyp3.L2", Typ3L2),
        StripOutput("ZuTyp3.L3", Typ3L3),
        StripOutput("ZuTyp3.L4", Typ3L4),
        StripOutput("ZuTyp4.L1", Typ4L1),
        StripOutput("ZuTyp4.L2", Typ4L2),
        StripOutput("ZuTyp4.L3", Typ4L3),
        StripOutput("ZuTyp4.AinB", AinB),
    };
}

} // namespace Generator
