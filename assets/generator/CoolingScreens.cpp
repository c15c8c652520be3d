// The cooling screens of the iron-carbon diagram: what a steel looks like under the microscope at
// each step of its cooling from the melt, and the micrograph of the structure it ends with.
//
// A hypoeutectoid steel goes through three structures, each painted from grain maps of the
// library: austenite crystallises from the melt; ferrite nucleates on the austenite grain
// boundaries and grows into the grains; at the eutectoid temperature the austenite left turns
// into pearlite, colonies of lamellae that start at the boundaries and never cross one. A
// hypereutectoid steel is the same with cementite in place of the ferrite, which stays on the
// boundaries as a closed network. A hypoeutectic white cast iron first grows austenite crystals
// in the melt; the rest of the melt solidifies as ledeburite, a fine mottle of austenite and
// cementite particles, whose austenite gives off more cementite on cooling and turns into pearlite
// at the end, like the austenite crystals.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "assets/generator/Generator.h"
#include "assets/generator/Microstructure.h"
#include "assets/generator/Paint.h"
#include "assets/generator/Steel.h"

namespace Generator {
namespace {

// The colour codes the screens and their captions refer to.
constexpr std::uint32_t MeltRed = 0xFFFF0000u;   // (255, 0, 0)
constexpr std::uint32_t Austenite = 0xFF844200u; // brown (132, 66, 0)
constexpr std::uint32_t Boundary = 0xFF000000u;  // black, also the cementite of the lamellae
constexpr std::uint32_t Ferrite = 0xFFFFFFFFu;   // white, also the ferrite of the lamellae
constexpr std::uint32_t Cementite = 0xFF848484u; // grey (132, 132, 132), outside the 0.6 % steel

const TSteel& EkdSteel(int scale) {
    return OncePerScale(scale, [](int s) { return Form(HypoeutectoidRecipe(), s); });
}

// The austenite grains with their boundaries: the end of solidification and the start of the
// ferrite strip.
TPixels AusteniteGrains(const TSteel& steel) {
    TPixels f(steel.Austenite.Width(), steel.Austenite.Height(), Austenite);
    PaintBoundaries(f, steel.Austenite, Boundary);
    return f;
}

// Crystals growing in the melt: count frames evenly spaced in temperature, where the crystal share
// rises about evenly from firstShare to lastShare.
TFrames CrystalsInMelt(const TGrainMap& map, int count, double firstShare, double lastShare) {
    const TPixels melt(map.Width(), map.Height(), MeltRed);
    TFrames frames;
    for (int k = 0; k < count; ++k) {
        const double share = firstShare + (lastShare - firstShare) * k / (count - 1);
        TPixels f = melt;
        PaintCrystals(f, map, map.TimeOfCoverage(share), Austenite);
        frames.push_back(std::move(f));
    }
    return frames;
}

// Solidification of a steel: frame 0 is melt; then growthFrames frames through the
// solidification range, from the first few nuclei to nine tenths crystals; the last frame is the
// solid austenite with its grain boundaries.
TFrames Solidification(const TSteel& steel, int growthFrames) {
    constexpr double FirstShare = 0.01;
    constexpr double LastShare = 0.90;
    const TGrainMap& map = steel.Austenite;
    TFrames frames{TPixels(map.Width(), map.Height(), MeltRed)};
    for (TPixels& f : CrystalsInMelt(map, growthFrames, FirstShare, LastShare)) {
        frames.push_back(std::move(f));
    }
    frames.push_back(AusteniteGrains(steel));
    return frames;
}

TFrames SchA(int scale) {
    constexpr int GrowthFrames = 17;
    return Solidification(EkdSteel(scale), GrowthFrames);
}

// Below the A3 line: frame 0 is the austenite; in frames 1 to 6 ferrite grows from the grain
// boundaries to its share at the eutectoid temperature, the seams between ferrite crystals that
// have met showing as boundaries; frame 7 is the final structure, the austenite left turned into
// pearlite.
TFrames AFerPer(int scale) {
    // Frames 1 to 5; frame 6 shows the ferrite complete, at the recipe's share.
    constexpr std::array FerriteShares{0.03, 0.07, 0.11, 0.15, 0.20};
    const TSteel& steel = EkdSteel(scale);
    const TGrainMap& ferrite = steel.Proeutectoid;
    const TPixels austenite = AusteniteGrains(steel);
    TFrames frames{austenite};
    std::vector<double> times;
    for (const double share : FerriteShares) {
        times.push_back(ferrite.TimeOfCoverage(share));
    }
    times.push_back(steel.ProeutectoidComplete);
    for (const double time : times) {
        TPixels f = austenite;
        PaintCrystals(f, ferrite, time, Ferrite);
        PaintBoundaries(f, ferrite, time, Boundary);
        frames.push_back(std::move(f));
    }
    TPixels final = frames.back();
    PaintPearlite(final, steel, Boundary);
    frames.push_back(std::move(final));
    return frames;
}

// The 1.2 % steel: austenite grains like those of the 0.6 % steel, from a seed of its own.
// Cementite nucleates on their boundaries a little more densely than the ferrite did and spreads
// along them ten times as fast as into the grains, so that it closes a thin network over every
// boundary before it thickens to a tenth of the picture, a little more than the 7 % of the lever
// rule, so that the network shows beside the lamellae; thicker near where it started. Its pearlite
// has thinner dark lamellae farther apart than the 0.6 % steel's, so that the network stays the
// thickest grey.
TRecipe Ekd12Recipe() {
    TRecipe r = HypoeutectoidRecipe();
    r.Seed = 0x454B443132415A50ull;
    r.Proeutectoid.Count = 40;
    r.Proeutectoid.MinDistance = 10;
    r.Proeutectoid.LastBirth = 4;
    r.Proeutectoid.SpeedSpread = 0.3;
    r.Proeutectoid.Roughness = 0.1;
    r.Proeutectoid.MinHeadStart = 2;
    r.Drag = 10;
    r.ProeutectoidShare = 0.10;
    r.ClosedNetwork = true;
    r.MinSpacing = 5;
    r.MaxSpacing = 6;
    r.CementiteShare = 0.3;
    return r;
}

const TSteel& Ekd12Steel(int scale) {
    return OncePerScale(scale, [](int s) { return Form(Ekd12Recipe(), s); });
}

TFrames Ekd12SchA(int scale) {
    constexpr int GrowthFrames = 18;
    return Solidification(Ekd12Steel(scale), GrowthFrames);
}

// Below the Acm line: frame 0 is the austenite; in frames 1 to 5 grey cementite runs along the
// grain boundaries until it covers all of them, and in frames 6 to 8 it thickens a little into
// the grains; frame 9 is the final structure, the austenite inside the network turned into
// pearlite with grey lamellae.
TFrames AZemPer(int scale) {
    constexpr int SpreadingFrames = 5;
    constexpr int ThickeningFrames = 3;
    const TSteel& steel = Ekd12Steel(scale);
    const double closed = TimeToReach(steel.Proeutectoid, BoundaryMask(steel.Austenite), 1.0);
    const double complete = steel.ProeutectoidComplete;
    std::vector<double> times;
    for (int k = 1; k <= SpreadingFrames; ++k) {
        times.push_back(closed * k / SpreadingFrames);
    }
    for (int k = 1; k <= ThickeningFrames; ++k) {
        times.push_back(closed + (complete - closed) * k / ThickeningFrames);
    }
    const TPixels austenite = AusteniteGrains(steel);
    TFrames frames{austenite};
    for (const double time : times) {
        TPixels f = austenite;
        PaintReached(f, steel.Proeutectoid, time, Cementite);
        frames.push_back(std::move(f));
    }
    TPixels final = frames.back();
    PaintPearlite(final, steel, Cementite);
    frames.push_back(std::move(final));
    return frames;
}

// The 3.0 % white cast iron: austenite crystals that grow in the melt until about half of it has
// solidified (the lever rule gives 58 % at the eutectic temperature; half reads better), and the
// ledeburite that fills the rest, a fine mottle of cementite and austenite particles.
struct TCastIron {
    TGrainMap Primary;                    // the austenite crystals from the melt
    std::vector<std::uint8_t> Ledeburite; // the rest of the picture, row by row
    // Per pixel, row by row, the scale at which the cementite of the ledeburite takes it. Its
    // particles are round crystals whose size is their speed: a pixel lies in a particle scaled
    // by s when the particle's arrival there is at most s. The cementite that the austenite gives
    // off on cooling grows onto them, a rising scale, so the cementite only ever gains: at first
    // separate grey specks, later a grey matrix with brown islands. Along the faces of the
    // crystals (a band one pixel of the picture wide) it grows twice as fast, and outlines them.
    std::vector<double> CementiteScale;
    bool IsPrimary(int x, int y) const {
        return Ledeburite[static_cast<std::size_t>(y) * Primary.Width() + x] == 0;
    }
};

constexpr double PrimaryShare = 0.50;

// The primary crystals: nuclei 11 px or more apart, forming over a long stretch so that new small
// crystals keep appearing while the first grow; rougher than the steel's grains. The cementite
// particles of the ledeburite lie about 3.5 px apart and differ in size by a third either way:
// a fine, even stipple that sets the ledeburite off from the plain crystals.
TCastIron CastIron(int scale) {
    constexpr int Side = 100;
    TRandom random(0x454B4433304C6564ull);
    TNucleation primary;
    primary.Count = 60;
    primary.MinDistance = 11;
    primary.Margin = 6;
    primary.LastBirth = 8;
    primary.SpeedSpread = 0.2;
    primary.Roughness = 0.2;
    primary.MinHeadStart = 3;
    TNucleation particles;
    particles.Count = 900;
    particles.MinDistance = 2.6;
    particles.Margin = 3;
    particles.SpeedSpread = 0.35;
    particles.Roughness = 0.25;
    TGrainMap primaryMap(Side, Side, Nucleate(random, Side, Side, primary), scale);
    TGrainMap particleMap(Side, Side, Nucleate(random, Side, Side, particles), scale);
    const double end = primaryMap.TimeOfCoverage(PrimaryShare);
    const int side = primaryMap.Width();
    auto isCrystal = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < side && y < side && !primaryMap.IsBoundary(x, y) &&
               primaryMap.Arrival(x, y) <= end;
    };
    constexpr double FaceSpeedUp = 2;
    std::vector<std::uint8_t> ledeburite;
    std::vector<double> cementiteScale;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const bool face = NearAlongAxes(x, y, scale, isCrystal);
            ledeburite.push_back(isCrystal(x, y) ? 0 : 1);
            cementiteScale.push_back(particleMap.Arrival(x, y) / (face ? FaceSpeedUp : 1));
        }
    }
    return TCastIron{std::move(primaryMap), std::move(ledeburite), std::move(cementiteScale)};
}

const TCastIron& Ekd30Iron(int scale) {
    return OncePerScale(scale, [](int s) { return CastIron(s); });
}

// The cast iron once the melt is gone, with the cementite at the share of the whole picture: the
// primary crystals and the austenite particles brown, the rest of the ledeburite grey.
TPixels Ledeburite(const TCastIron& iron, double cementiteShare) {
    const double ledeburite = static_cast<double>(
        std::count(iron.Ledeburite.begin(), iron.Ledeburite.end(), std::uint8_t{1}));
    const double pixels = static_cast<double>(iron.Ledeburite.size());
    const double scale =
        ValueAtShare(iron.CementiteScale, iron.Ledeburite, cementiteShare * pixels / ledeburite);
    TPixels f(iron.Primary.Width(), iron.Primary.Height(), Austenite);
    for (int y = 0; y < f.Height; ++y) {
        for (int x = 0; x < f.Width; ++x) {
            if (!iron.IsPrimary(x, y) &&
                iron.CementiteScale[static_cast<std::size_t>(y) * f.Width + x] <= scale) {
                f.at(x, y) = Cementite;
            }
        }
    }
    return f;
}

// Cementite shares of the whole picture: as the ledeburite solidifies, and at the eutectoid
// temperature after the austenite has given off the cementite it can no longer hold.
constexpr double EutecticCementite = 0.155;
constexpr double EutectoidCementite = 0.285;

// Solidification of the cast iron: frame 0 is melt; in frames 1 to 14 austenite crystals appear
// and grow to half of the picture; frame 15 is the rest solidified as ledeburite.
TFrames SchAuLede(int scale) {
    constexpr int GrowthFrames = 14;
    constexpr double FirstShare = 0.01;
    const TCastIron& iron = Ekd30Iron(scale);
    TFrames frames{TPixels(iron.Primary.Width(), iron.Primary.Height(), MeltRed)};
    for (TPixels& f : CrystalsInMelt(iron.Primary, GrowthFrames, FirstShare, PrimaryShare)) {
        frames.push_back(std::move(f));
    }
    frames.push_back(Ledeburite(iron, EutecticCementite));
    return frames;
}

// Cooling of the cast iron: in frames 0 to 8, evenly spaced in temperature from the eutectic to
// the eutectoid line, cementite grows out of the austenite between the crystals; frame 9 is the
// final structure, every austenite turned into pearlite: the crystals white areas, the austenite
// of the ledeburite white specks in its grey.
TFrames LedePer(int scale) {
    constexpr int CoolingFrames = 9;
    const TCastIron& iron = Ekd30Iron(scale);
    TFrames frames;
    for (int k = 0; k < CoolingFrames; ++k) {
        const double share =
            EutecticCementite + (EutectoidCementite - EutecticCementite) * k / (CoolingFrames - 1);
        frames.push_back(Ledeburite(iron, share));
    }
    // At this magnification the pearlite shows as plain white: its lamellae are finer than a
    // pixel, and lines drawn into the crystals would merge with the grey of the ledeburite.
    TPixels final = frames.back();
    std::replace(final.Data.begin(), final.Data.end(), Austenite, Ferrite);
    frames.push_back(std::move(final));
    return frames;
}

// The micrograph the cooling screen holds, 317 x 209: the same kind of steel at a lower
// magnification, so more grains, in the colours of an etched specimen under white light. Painted
// supersampled, so that lamellae and boundaries have the soft edges of a photograph.
TPixels CoolingMicrograph(int scale) {
    TRecipe r = HypoeutectoidRecipe();
    r.Width = 317;
    r.Height = 209;
    r.Seed = 0x4B75686C42696C64ull;
    r.Austenite.Count = 90;
    r.Austenite.MinDistance = 30;
    r.Austenite.Margin = 16;
    r.Austenite.LastBirth = 10;
    r.Proeutectoid.Count = 160;
    r.Proeutectoid.MinDistance = 12;
    r.Colonies.Count = 160;
    r.Colonies.MinDistance = 18;
    const TSteel steel = Form(r, scale);

    constexpr TRgb FerriteLight{226, 222, 208};
    constexpr TRgb FerriteSeam{128, 120, 108};
    constexpr TRgb LamellaLight{176, 164, 146};
    constexpr TRgb Cementite{58, 46, 40};
    return PaintSupersampled(r.Width, r.Height, scale, 3, [&](double x, double y) {
        const int i = static_cast<int>(x * scale);
        const int j = static_cast<int>(y * scale);
        if (steel.IsPearlite(i, j)) {
            const int region = steel.Regions[static_cast<std::size_t>(j) * r.Width * scale + i];
            return steel.Lamellae[region].IsDark(x, y) ? Cementite : LamellaLight;
        }
        return steel.Proeutectoid.IsBoundary(i, j) ? FerriteSeam : FerriteLight;
    });
}

} // namespace

TOutputs CoolingScreens() {
    return {
        StripOutput("EKD06.SchA", SchA),
        StripOutput("EKD06.AFerPer", AFerPer),
        StripOutput("EKD12.SchA", Ekd12SchA),
        StripOutput("EKD12.AZemPer", AZemPer),
        StripOutput("EKD30.SchAuLede", SchAuLede),
        StripOutput("EKD30.LedePer", LedePer),
        {"cooling_micrograph", TKind::JpegColour, 90, CoolingMicrograph},
    };
}

} // namespace Generator
