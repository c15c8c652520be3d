// The microstructure strips of the three process routes of a steel with 0.45 % carbon, 100 x 100
// pixels a frame, flat colours as a teacher draws them on the board.
//
// Every route starts from coarse ferrite (white grains) and lamellar pearlite. On heating,
// austenite nucleates in the pearlite colonies, where ferrite and cementite lie close together,
// eats the lamellae quickly and grows slowly into the ferrite, until the part is homogeneous
// austenite. Hardening quenches it to martensite, plates in three directions per former grain.
// Normalising lets finer austenite grains replace the coarse ones, then ferrite forms on their
// boundaries while the part cools in air and the rest turns into fine pearlite. Quench and temper
// hardens first, then the tempering breaks the martensite plates up into rows and finally into a
// fine dispersion of carbides.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>
#include <vector>

#include "assets/generator/Generator.h"
#include "assets/generator/Microstructure.h"

namespace Generator {
namespace {

constexpr int Side = 100;

constexpr std::uint32_t White = 0xFFFFFFFFu;             // ferrite, matrix of the martensite
constexpr std::uint32_t Black = 0xFF000000u;             // cementite, plates, grain boundaries
constexpr std::uint32_t AusteniteGrowing = 0xFFFF6B6Bu;  // pink-red (255, 107, 107)
constexpr std::uint32_t AusteniteRed = 0xFFDC2828u;      // (220, 40, 40)
constexpr std::uint32_t AusteniteBoundary = 0xFF8C0000u; // dark red (140, 0, 0)
constexpr std::uint32_t PriorBoundary = 0xFFC8C8C8u;     // the former austenite grains, faint

// --- the start: coarse ferrite and pearlite ----------------------------------------------------

struct TStart {
    TGrainMap Grains;
    std::vector<bool> Pearlite;
    std::vector<TLamellae> Lamellae;

    bool IsPearlite(int x, int y) const {
        const int g = Grains.Owner(x, y);
        return g != TGrainMap::NoGrain && Pearlite[static_cast<std::size_t>(g)];
    }
};

// About a dozen grains in the picture, a little more than half of them pearlite, as the lever
// rule gives at 0.45 % carbon. At the picture's own size.
TStart Coarse(TRandom& random) {
    TNucleation n;
    n.Count = 30;
    n.MinDistance = 25;
    n.Margin = 14;
    n.SpeedSpread = 0.1;
    n.Roughness = 0.1;
    TGrainMap grains(Side, Side, Nucleate(random, Side, Side, n));
    constexpr double PearliteShare = 0.55;
    std::vector<bool> pearlite;
    std::vector<TLamellae> lamellae;
    for (std::size_t g = 0; g < grains.Grains().size(); ++g) {
        pearlite.push_back(random.Uniform() < PearliteShare);
        lamellae.push_back(RandomLamellae(random, 3.5, 4.5, 0.5));
    }
    return {std::move(grains), std::move(pearlite), std::move(lamellae)};
}

// The same start on the grid of the scale.
TStart AtScale(const TStart& s, int scale) {
    return {Rescaled(s.Grains, scale), s.Pearlite, s.Lamellae};
}

TPixels PaintStart(const TStart& s) {
    const int side = s.Grains.Width();
    TPixels f(side, side, White);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int g = s.Grains.Owner(x, y);
            const TPoint c = PixelCentre(x, y, s.Grains.Scale());
            if (s.Grains.IsBoundary(x, y)) {
                f.at(x, y) = Black;
            } else if (s.IsPearlite(x, y) &&
                       s.Lamellae[static_cast<std::size_t>(g)].IsDark(c.X, c.Y)) {
                f.at(x, y) = Black;
            }
        }
    }
    return f;
}

// --- heating: austenite from the pearlite ------------------------------------------------------

// Nuclei inside the pearlite grains, a few per colony, chosen on the start at its own size.
std::vector<TGrain> AusteniteNuclei(TRandom& random, const TStart& s) {
    constexpr int Tries = 400;
    constexpr int Wanted = 14;
    constexpr double MinDistance = 13;
    std::vector<TGrain> nuclei;
    for (int i = 0; i < Tries && static_cast<int>(nuclei.size()) < Wanted; ++i) {
        const TPoint p{random.Uniform(0, Side), random.Uniform(0, Side)};
        const int x = static_cast<int>(p.X);
        const int y = static_cast<int>(p.Y);
        if (!s.IsPearlite(x, y) || s.Grains.IsBoundary(x, y)) {
            continue;
        }
        const bool free = std::none_of(nuclei.begin(), nuclei.end(), [&](const TGrain& g) {
            return Distance(g.Nucleus, p) < MinDistance;
        });
        if (free) {
            nuclei.push_back(
                {p, random.Uniform(0, 2), random.Uniform(0.9, 1.1), RoundedOutline(random, 0.1)});
        }
    }
    return nuclei;
}

// The austenite from the nuclei on the start's grid: the front spreads freely through the
// pearlite and takes twice as long for every pixel it has to go into the ferrite.
TGrainMap AusteniteFrom(std::vector<TGrain> nuclei, const TStart& s) {
    constexpr double Drag = 2;
    const int side = s.Grains.Width();
    std::vector<std::uint8_t> pearlite(static_cast<std::size_t>(side) * side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            pearlite[static_cast<std::size_t>(y) * side + x] = s.IsPearlite(x, y) ? 1 : 0;
        }
    }
    std::vector<double> delay = DistanceToMask(side, side, pearlite, s.Grains.Scale());
    for (double& d : delay) {
        d *= Drag;
    }
    return TGrainMap(Side, Side, std::move(nuclei), std::move(delay), s.Grains.Scale());
}

// The austenite grown over the start to the share: pink crystals, dark red seams where two have
// met, the old structure where none has arrived yet.
TPixels AusteniteGrowth(const TPixels& start, const TGrainMap& austenite, double share) {
    TPixels f = start;
    const double time = austenite.TimeOfCoverage(share);
    PaintCrystals(f, austenite, time, AusteniteGrowing);
    PaintBoundaries(f, austenite, time, AusteniteBoundary);
    return f;
}

TPixels Homogeneous(const TGrainMap& austenite) {
    TPixels f(austenite.Width(), austenite.Height(), AusteniteRed);
    PaintBoundaries(f, austenite, AusteniteBoundary);
    return f;
}

// Frames 0 to 11 of every route: the start, ten steps of austenite growing, homogeneous austenite.
struct THeating {
    TStart Start;
    TGrainMap OwnAustenite; // at the picture's own size, for the choices of later steps
    TGrainMap Austenite;    // at the scale painted
    TFrames Frames;
};

THeating Heating(TRandom& random, int scale) {
    constexpr int Steps = 10;
    constexpr double FirstShare = 0.06;
    constexpr double LastShare = 0.94;
    const TStart own = Coarse(random);
    const std::vector<TGrain> nuclei = AusteniteNuclei(random, own);
    TGrainMap ownAustenite = AusteniteFrom(nuclei, own);
    TStart start = AtScale(own, scale);
    TGrainMap austenite = scale == 1 ? ownAustenite : AusteniteFrom(nuclei, start);
    const TPixels first = PaintStart(start);
    TFrames frames{first};
    for (int k = 0; k < Steps; ++k) {
        const double share = FirstShare + (LastShare - FirstShare) * k / (Steps - 1);
        frames.push_back(AusteniteGrowth(first, austenite, share));
    }
    frames.push_back(Homogeneous(austenite));
    return {std::move(start), std::move(ownAustenite), std::move(austenite), std::move(frames)};
}

// --- martensite and its tempering --------------------------------------------------------------

// A plate in section: a lens along its axis, widest in the middle.
struct TPlate {
    TPoint Centre;
    double Cos = 1;
    double Sin = 0;
    double HalfLength = 10;
    double HalfWidth = 1;
};

// Plates in three directions 60° apart within each former austenite grain (on the map at the
// picture's own size); the first ones span the grain, later ones fill the gaps.
std::vector<TPlate> Plates(TRandom& random, const TGrainMap& austenite) {
    constexpr int Count = 150;
    std::vector<double> grainAngle;
    for (std::size_t g = 0; g < austenite.Grains().size(); ++g) {
        grainAngle.push_back(random.Uniform(0, std::numbers::pi));
    }
    std::vector<TPlate> plates;
    for (int i = 0; i < Count; ++i) {
        const TPoint c{random.Uniform(0, Side), random.Uniform(0, Side)};
        const int g = austenite.Owner(static_cast<int>(c.X), static_cast<int>(c.Y));
        if (g == TGrainMap::NoGrain) {
            continue;
        }
        const int family = static_cast<int>(random.Uniform(0, 3));
        const double angle = grainAngle[static_cast<std::size_t>(g)] +
                             family * std::numbers::pi / 3 + random.Uniform(-0.08, 0.08);
        const double length = i < Count / 4 ? random.Uniform(16, 30) : random.Uniform(6, 14);
        plates.push_back(
            {c, std::cos(angle), std::sin(angle), length / 2, random.Uniform(0.8, 1.6)});
    }
    return plates;
}

// Where a point lies on a plate: along its axis from −1 to 1, or nowhere. However thin a plate
// gets, a quarter of a pixel either side of its axis stays dark.
bool OnPlate(const TPlate& p, double x, double y, double widthScale, double& along) {
    const double dx = x - p.Centre.X;
    const double dy = y - p.Centre.Y;
    along = (dx * p.Cos + dy * p.Sin) / p.HalfLength;
    if (along <= -1 || along >= 1) {
        return false;
    }
    const double across = -dx * p.Sin + dy * p.Cos;
    return std::abs(across) < p.HalfWidth * widthScale * (1 - along * along) + 0.25;
}

// Tempering to the stage (0 = fresh martensite, 1 = fully tempered): each plate thins and breaks
// into more and shorter pieces, and carbides precipitate as fine dots, more and more of them.
TPixels Martensite(const TGrainMap& austenite, const std::vector<TPlate>& plates,
                   const std::vector<TPoint>& carbides, double stage) {
    const int side = austenite.Width();
    const int scale = austenite.Scale();
    TPixels f(side, side, White);
    PaintBoundaries(f, austenite, PriorBoundary);
    const int pieces = 1 + static_cast<int>(std::lround(stage * 18));
    const double kept = 1 - 0.7 * stage;
    const double widthScale = 1 - 0.5 * stage;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const TPoint c = PixelCentre(x, y, scale);
            for (const TPlate& p : plates) {
                double along = 0;
                if (!OnPlate(p, c.X, c.Y, widthScale, along)) {
                    continue;
                }
                const double piece = (along + 1) / 2 * pieces;
                if (pieces == 1 || piece - std::floor(piece) < kept) {
                    f.at(x, y) = Black;
                    break;
                }
            }
        }
    }
    const std::size_t shown = static_cast<std::size_t>(stage * carbides.size());
    for (std::size_t i = 0; i < shown; ++i) {
        FillPixel(f, static_cast<int>(carbides[i].X), static_cast<int>(carbides[i].Y), scale,
                  Black);
    }
    return f;
}

std::vector<TPoint> Carbides(TRandom& random) {
    constexpr int Count = 260;
    std::vector<TPoint> dots;
    for (int i = 0; i < Count; ++i) {
        dots.push_back({random.Uniform(0, Side), random.Uniform(0, Side)});
    }
    return dots;
}

// --- normalising: fine austenite, ferrite on its boundaries, fine pearlite ---------------------

// The pixels a crystal has reached by the time within a pixel of the picture of one it has not:
// the growth front.
void PaintFronts(TPixels& f, const TGrainMap& map, double time, std::uint32_t colour) {
    const int side = map.Width();
    auto reached = [&](int x, int y) { return map.Arrival(x, y) <= time; };
    auto unreached = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < side && y < side && !reached(x, y);
    };
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            if (reached(x, y) && NearAlongAxes(x, y, map.Scale(), unreached)) {
                f.at(x, y) = colour;
            }
        }
    }
}

TFrames Normalising(const TGrainMap& coarse, TRandom& random) {
    TNucleation fineNuclei;
    fineNuclei.Count = 90;
    fineNuclei.MinDistance = 11;
    fineNuclei.Margin = 6;
    fineNuclei.LastBirth = 6;
    fineNuclei.SpeedSpread = 0.15;
    fineNuclei.Roughness = 0.1;
    fineNuclei.MinHeadStart = 0.5;
    const int scale = coarse.Scale();
    const TGrainMap ownFine(Side, Side, Nucleate(random, Side, Side, fineNuclei));
    const TGrainMap fine = Rescaled(ownFine, scale);

    // The new grains show by their outlines: seams where two have met, and their fronts.
    TFrames frames;
    const TPixels homogeneous = Homogeneous(coarse);
    for (double share : {0.35, 0.6, 0.85}) {
        TPixels f = homogeneous;
        const double time = fine.TimeOfCoverage(share);
        PaintCrystals(f, fine, time, AusteniteRed);
        PaintBoundaries(f, fine, time, AusteniteBoundary);
        PaintFronts(f, fine, time, AusteniteBoundary);
        frames.push_back(std::move(f));
    }
    const TPixels fineAustenite = Homogeneous(fine);
    frames.push_back(fineAustenite);

    // Ferrite spreads along the boundaries three times as fast as into the grains.
    TNucleation onBoundaries;
    onBoundaries.Count = 45;
    onBoundaries.MinDistance = 8;
    onBoundaries.LastBirth = 3;
    onBoundaries.SpeedSpread = 0.3;
    onBoundaries.Roughness = 0.1;
    onBoundaries.MinHeadStart = 1;
    std::vector<double> drag = DistanceToBoundaries(fine);
    for (double& d : drag) {
        d *= 3;
    }
    const TGrainMap ferrite(Side, Side, NucleateOnBoundaries(random, ownFine, onBoundaries),
                            std::move(drag), scale);
    for (double share : {0.1, 0.2, 0.3}) {
        TPixels f = fineAustenite;
        PaintReached(f, ferrite, ferrite.TimeOfCoverage(share), White);
        frames.push_back(std::move(f));
    }

    // What is left of the austenite turns into fine pearlite, one colony per grain.
    constexpr double FerriteShare = 0.45;
    const double done = ferrite.TimeOfCoverage(FerriteShare);
    std::vector<TLamellae> lamellae;
    for (std::size_t g = 0; g < fine.Grains().size(); ++g) {
        lamellae.push_back(RandomLamellae(random, 2.5, 3.2, 0.6));
    }
    TPixels last(fine.Width(), fine.Height(), White);
    for (int y = 0; y < last.Height; ++y) {
        for (int x = 0; x < last.Width; ++x) {
            const int g = fine.Owner(x, y);
            const bool isFerrite = ferrite.Arrival(x, y) <= done;
            const TPoint c = PixelCentre(x, y, scale);
            if (!isFerrite && g != TGrainMap::NoGrain &&
                lamellae[static_cast<std::size_t>(g)].IsDark(c.X, c.Y)) {
                last.at(x, y) = Black;
            }
        }
    }
    PaintBoundaries(last, ferrite, done, Black);
    frames.push_back(std::move(last));
    return frames;
}

// --- the three strips --------------------------------------------------------------------------

TFrames HaertenGef(int scale) {
    TRandom random(0x48617274656E4766ull);
    THeating h = Heating(random, scale);
    h.Frames.push_back(Martensite(h.Austenite, Plates(random, h.OwnAustenite), {}, 0));
    return std::move(h.Frames);
}

TFrames NormalGef(int scale) {
    TRandom random(0x4E6F726D616C4766ull);
    THeating h = Heating(random, scale);
    for (TPixels& f : Normalising(h.Austenite, random)) {
        h.Frames.push_back(std::move(f));
    }
    return std::move(h.Frames);
}

TFrames VerguetenGef(int scale) {
    constexpr int TemperingSteps = 7;
    TRandom random(0x5665726775654766ull);
    THeating h = Heating(random, scale);
    const std::vector<TPlate> plates = Plates(random, h.OwnAustenite);
    const std::vector<TPoint> carbides = Carbides(random);
    for (int k = 0; k <= TemperingSteps; ++k) {
        h.Frames.push_back(
            Martensite(h.Austenite, plates, carbides, static_cast<double>(k) / TemperingSteps));
    }
    return std::move(h.Frames);
}

} // namespace

TOutputs ProcessRoutes() {
    return {
        StripOutput("Haerten.Gef", HaertenGef),
        StripOutput("Normal.Gef", NormalGef),
        StripOutput("Vergueten.Gef", VerguetenGef),
    };
}

} // namespace Generator
