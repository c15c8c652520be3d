#pragma once
// What is at this point of the diagram? The learner rests the mouse inside a diagram's frame and
// reads, in a tooltip, where the point lies, the phase field with the names the screen uses, and
// in a two-phase field the tie line through the point: the composition of each phase where the
// tie line meets the field's boundaries and their mass shares by the lever rule. On a line or a
// characteristic point the tooltip names it instead.
//
// A diagram is given as a map: its lines (the courses the screen draws them along), its points
// and its fields. A field is known by the two lines that the horizontal through the point meets
// next on its left and on its right, so the map names no region twice: move a boundary in the
// screen's data and the probe follows it. Coordinates are the diagram's own units (pixels of the
// schematic diagrams, design units of the iron–carbon diagram) with their size in pixels.

#include "platform/Canvas.h"

#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

class TForm;
class TPaintBox;

namespace DiagramProbe {

struct Point {
    long double X = 0;
    long double Y = 0;
};

struct Box {
    long double Left = 0;
    long double Top = 0;
    long double Right = 0;
    long double Bottom = 0;
    bool Holds(Point p) const { return p.X >= Left && p.X <= Right && p.Y >= Top && p.Y <= Bottom; }
};

enum class Role {
    Boundary, // a field ends at it
    Divider,  // the structure changes at it, the phases do not
    Named,    // only pointed at (horizontal lines, magnetic transformation)
};

struct Line {
    std::string Key;     // how fields and structures name it
    std::string Meaning; // what the tooltip says on it; empty: it cannot be pointed at
    Role Kind = Role::Boundary;
    std::vector<Point> Course;
};

struct Mark {
    std::string Meaning;
    Point At;
};

struct Phase {
    std::string Name;
    // A phase of fixed composition (pure crystals, graphite) that the tie line does not reach.
    std::optional<long double> FixedX{};
};

// A tie line that the screen draws in its animation: between its rows the probe's tie line ends
// where the screen's do, so that the shares are the screen's.
struct TieRow {
    long double Y;
    long double Left;
    long double Right;
};

enum class MeltSide { None, Left, Right };

struct Field {
    // Pairs (line met on the left, line met on the right) that bound the field.
    std::vector<std::pair<std::string, std::string>> Between;
    std::string Name;
    // For diagrams without a temperature scale: "oberhalb der Liquiduslinie" and the like.
    std::string Where{};
    // None for one phase; the phase at the left end of the tie line and the one at its right.
    std::vector<Phase> Phases{};
    // The crystals' share is the one the lever rule gives, the melt takes the rest.
    MeltSide Melt = MeltSide::None;
    std::vector<TieRow> Rows{}; // in rising Y
    // Where the same two lines bound another field above or below, the rows this one holds.
    long double FromY = -std::numeric_limits<long double>::infinity();
    long double ToY = std::numeric_limits<long double>::infinity();
};

struct Structure {
    std::string Left;
    std::string Right;
    std::string Name;
    long double FromY = -std::numeric_limits<long double>::infinity();
    long double ToY = std::numeric_limits<long double>::infinity();
};

struct Map {
    Box Frame;
    std::vector<Box> Excluded; // insets that are no part of the diagram
    long double PixelsX = 1;
    long double PixelsY = 1;
    std::function<std::string(Point)> Position;
    std::function<std::string(long double x)> Composition;
    std::vector<Line> Lines;
    std::vector<Mark> Marks;
    std::vector<Field> Fields;
    std::vector<Structure> Structures;
};

enum class Subject { None, Field, Line, Mark };

struct Reading {
    bool Inside = false;
    DiagramProbe::Subject Of = DiagramProbe::Subject::None;
    std::string Subject; // the field, line or point read
    std::string Heading; // where the point lies
    std::string Body;    // what is said about it
    std::string Text;    // the whole tooltip: the heading, then the body
    // The tie line through the point, in map units, with the phases' shares in whole per cent.
    bool Tie = false;
    long double TieY = 0;
    long double TieLeft = 0;
    long double TieRight = 0;
    int Shares[2] = {0, 0};
};

// How close to a line or point, in logical pixels, the mouse reads it instead of a field.
inline constexpr long double NearPixels = 2;

Reading Read(const Map& map, Point at);
// A field's reading with a second system's, where that one reads another field or a line.
Reading WithSecond(Reading first, const Reading& second, const std::string& title);

// A number with a decimal comma.
std::string Decimal(long double value, int decimals);

// A polyline through the points a screen draws a curve or a line along.
std::vector<Point> Course(std::span<const TPoint> points);

// A schematic diagram of two components inside its frame: A at the left edge and B at the
// right, both as lines, and the share of B in whole per cent as its position and composition.
Map Schematic(const TRect& frame);
// A field of a schematic map where it reaches from side A to side B with no line between: the
// melt above a component's melting point (up to toY), the solid below one (from fromY).
Field AcrossAbove(Field field, long double toY);
Field AcrossBelow(Field field, long double fromY);
// The share of B at x of a schematic diagram's frame, in whole per cent.
std::string ShareOfB(const TRect& frame, long double x);

// The probe on one screen: it reads the diagram under the mouse, shows the tooltip and, while the
// screen is still, draws the tie line and the point in not-xor onto the diagram, to erase them
// again when the mouse moves on or leaves, so that the picture is as before.
class TProbe {
public:
    TProbe() = default;
    TProbe(const TProbe&) = delete;
    TProbe& operator=(const TProbe&) = delete;
    // A probe that goes takes its tooltip with it.
    ~TProbe();
    // `box` lies under the screen's click areas over the diagram, with the diagram's origin; its
    // own paint tells the probe that the diagram was painted afresh. `map` gives the map of what
    // the diagram shows now (none: nothing to read), `still` whether no animation runs. Every
    // timer of the form takes the drawing off before it ticks.
    void Attach(TForm& form, TPaintBox& box, std::function<Reading(Point)> read,
                std::function<bool()> still, long double pixelsX = 1, long double pixelsY = 1);
    void Move(int x, int y);
    void Leave();
    // The diagram was drawn afresh: what the probe drew has gone with the old picture.
    void Forget();
    // Takes the drawing off; the tooltip stays.
    void Erase();
    bool Drawn() const { return drawn_; }
    const Reading& Last() const { return last_; }

private:
    struct Stroke {
        TPoint From;
        TPoint To;
    };
    std::vector<Stroke> StrokesFor(const Reading& reading, TPoint at) const;
    std::vector<TRect> ClickAreas() const;
    void Draw(const std::vector<Stroke>& strokes);

    TForm* form_ = nullptr;
    TPaintBox* box_ = nullptr;
    std::function<Reading(Point)> read_;
    std::function<bool()> still_;
    long double pixelsX_ = 1;
    long double pixelsY_ = 1;
    Reading last_;
    // What is on the diagram now, to be drawn once more to take it off.
    std::vector<Stroke> drawnStrokes_;
    bool drawn_ = false;
};

} // namespace DiagramProbe
