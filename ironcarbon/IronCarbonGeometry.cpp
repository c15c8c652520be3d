#include "ironcarbon/IronCarbonGeometry.h"

#include <algorithm>
#include <array>

namespace IronCarbonGeometry {

using namespace Points;

long double CarbonX(long double percentCarbon) {
    return CarbonZeroX + UnitsPerPercentCarbon * percentCarbon;
}

long double TemperatureY(long double celsius) {
    return Frame.Bottom - UnitsPerDegree * (celsius - BottomCelsius);
}

namespace {

const Line& Numbered(const std::vector<Line>& lines, int number) {
    return *std::find_if(lines.begin(), lines.end(),
                         [number](const Line& l) { return l.Number == number; });
}

// The points of a line up to and including `last`, followed by `then`.
std::vector<TPoint> BranchOff(const Line& line, TPoint last, TPoint then) {
    auto end = std::find(line.Points.begin(), line.Points.end(), last);
    std::vector<TPoint> points(line.Points.begin(), end + 1);
    points.push_back(then);
    return points;
}

} // namespace

std::span<const CharacteristicPoint> CharacteristicPoints() {
    return CharacteristicPointTable;
}

const std::vector<Line>& MetastableLines() {
    static const std::vector<Line> lines{
        {1, "P–K", Stroke::Solid, {P, K}},
        {2, "Q–P", Stroke::Solid, {Q, P}},
        {3, "P–G", Stroke::Solid, {P, G}},
        {4, "E–F", Stroke::Solid, {E, F}},
        {5,
         "S–E",
         Stroke::Solid,
         {S, {151, 355}, {172, 320}, {193, 290}, {214, 262}, {235, 236}, E}},
        {6,
         "S–G",
         Stroke::Solid,
         {S, {120, 390}, {110, 384}, {100, 376}, {90, 367}, {80, 357}, {70, 346}, {60, 332}, G}},
        {7, "H–B", Stroke::Solid, {H, B}},
        {8,
         "B–C",
         Stroke::Solid,
         {B,
          {130, 74},
          {150, 79},
          {170, 85},
          {190, 91},
          {210, 97},
          {230, 102},
          {250, 108},
          {270, 114},
          {290, 121},
          {310, 129},
          {330, 138},
          {350, 148},
          {370, 158},
          {390, 168},
          {410, 179},
          {430, 189},
          {450, 200},
          C}},
        {9,
         "C–D",
         Stroke::Solid,
         {C,
          {500, 205},
          {520, 196},
          {540, 186},
          {560, 178},
          {580, 170},
          {600, 164},
          {620, 159},
          {640, 154},
          {660, 150},
          {680, 146},
          {700, 143},
          D}},
        {10,
         "J–E",
         Stroke::Solid,
         {J,
          {90, 84},
          {108, 101},
          {126, 118},
          {144, 135},
          {162, 150},
          {180, 164},
          {198, 178},
          {216, 190},
          {236, 202},
          E}},
        {11, "A–H", Stroke::Solid, {A, H}},
        {12, "H–N", Stroke::Solid, {H, N}},
        {13, "J–N", Stroke::Solid, {J, N}},
        // The liquidus from A runs on a little past B.
        {14, "A–B", Stroke::Solid, {A, {60, 45}, {70, 48}, {80, 52}, {87, 56}, {102, 66}}},
        {15, "below C", Stroke::Dashed, {C, {C.X, Frame.Bottom}}},
        {16, "below E", Stroke::Dashed, {E, {E.X, Frame.Bottom}}},
        {17, "below S", Stroke::Dashed, {S, {S.X, Frame.Bottom}}},
        {18, "M–O", Stroke::Dashed, {M, O}},
    };
    return lines;
}

const std::vector<Line>& StableLines() {
    static const std::vector<Line> lines{
        {19, "K´–P´", Stroke::Solid, {KStable, PStable}},
        {20, "E´–F´", Stroke::Solid, {EStable, FStable}},
        {21,
         "S´–E´",
         Stroke::Solid,
         {SStable, {135, 360}, {153, 330}, {172, 300}, {194, 270}, {220, 240}, EStable}},
        {22,
         "C´–D´",
         Stroke::Solid,
         {CStable,
          {482, 190},
          {494, 168},
          {506, 147},
          {518, 128},
          {530, 108},
          {542, 90},
          {554, 71},
          {566, 53},
          {578, 36},
          DStable}},
    };
    return lines;
}

const std::vector<Line>& StableViewLines() {
    static const std::vector<Line> lines = [] {
        const auto& metastable = MetastableLines();
        std::vector<Line> all = StableLines();
        // The stable view's own lines are not numbered.
        all.push_back({0, "Q–P´", Stroke::Solid, {Q, PStableCorner}});
        all.push_back({0, "P´–G", Stroke::Solid, {PStableCorner, G}});
        // The γ/α boundary of the metastable system starting at S´, which is also its second
        // point: the stable view draws a first segment of no length.
        std::vector<TPoint> sg = Numbered(metastable, 6).Points;
        sg.front() = SStable;
        all.push_back({0, "S´–G", Stroke::Solid, sg});
        all.push_back({0, "H–B", Stroke::Solid, Numbered(metastable, 7).Points});
        all.push_back(
            {0, "B–C´", Stroke::Solid, BranchOff(Numbered(metastable, 8), {430, 189}, CStable)});
        all.push_back(
            {0, "J–E´", Stroke::Solid, BranchOff(Numbered(metastable, 10), {236, 202}, EStable)});
        for (int number : {11, 12, 13, 14})
            all.push_back(Numbered(metastable, number));
        Line mo = Numbered(metastable, 18);
        mo.Kind = Stroke::Solid;
        all.push_back(mo);
        return all;
    }();
    return lines;
}

const std::vector<Line>& CoolingSectionLines() {
    static const std::vector<Line> lines = [] {
        std::vector<Line> section = MetastableLines();
        for (Line& line : section) {
            // Every line that ran down to the 500 °C edge ends at the section's bottom instead.
            for (TPoint& p : line.Points)
                if (p.Y == Frame.Bottom)
                    p.Y = CoolingSectionBottom;
            // The section draws two lines a little differently: the liquidus from B bends at
            // (130, 73), and the line to H starts below A.
            if (line.Number == 8)
                line.Points[1] = {130, 73};
            if (line.Number == 11)
                line.Points[0] = {50, 48};
        }
        return section;
    }();
    return lines;
}

const std::vector<TPoint>& AusteniteField() {
    // Bounded by G–S, N–G, the upper boundary of the γ field up to E and E–S.
    static const std::vector<TPoint> outline{
        S,          {120, 390}, {110, 384}, {100, 376}, {90, 367},  {80, 357},  {70, 346},
        {60, 332},  G,          N,          {90, 84},   {108, 101}, {126, 118}, {144, 135},
        {162, 150}, {180, 164}, {198, 178}, {216, 190}, {236, 202}, E,          {235, 236},
        {214, 262}, {193, 290}, {172, 320}, {151, 355}, S};
    return outline;
}

const std::vector<TPoint>& FerriteField() {
    // The triangle Q–P–G below the γ/α boundary.
    static const std::vector<TPoint> outline{P, Q, G, P};
    return outline;
}

int DesignScale::X(long double design) const {
    return Round(design * static_cast<long double>(FaktorX));
}

int DesignScale::Y(long double design) const {
    return Round(design * static_cast<long double>(FaktorY));
}

void DrawPolyline(TCanvas& canvas, const DesignScale& scale, std::span<const TPoint> points) {
    if (points.empty())
        return;
    TPoint first = scale(points.front());
    canvas.MoveTo(first.X, first.Y);
    for (const TPoint& p : points.subspan(1)) {
        TPoint to = scale(p);
        canvas.LineTo(to.X, to.Y);
    }
}

void DrawLines(TCanvas& canvas, const DesignScale& scale, const std::vector<Line>& lines,
               const TPen& solid, const TPen& dashed) {
    for (const Line& line : lines) {
        canvas.Pen = line.Kind == Stroke::Solid ? solid : dashed;
        DrawPolyline(canvas, scale, line.Points);
    }
}

void DrawField(TCanvas& canvas, const DesignScale& scale, std::span<const TPoint> outline) {
    std::vector<TPoint> pixels;
    pixels.reserve(outline.size());
    for (const TPoint& p : outline)
        pixels.push_back(scale(p));
    canvas.Polygon(pixels);
}

} // namespace IronCarbonGeometry
