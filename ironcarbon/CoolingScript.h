#pragma once
// The cooling scripts of the fixed-carbon screens as data, and the one player that runs them.
// Every tick lengthens the alloy line by two design units; the step value K reached then picks the
// script entry whose operations draw frames, captions, markers, black phase lines and the moving
// tie line. The screens differ only in their tables and a few constants.

#include "ironcarbon/IronCarbonGeometry.h"
#include "platform/Canvas.h"
#include "platform/ImageList.h"
#include "platform/Timer.h"

#include <array>
#include <optional>
#include <variant>
#include <vector>

// The state a cooling screen keeps for the whole run, in its own unit.
struct CoolingVariables {
    double FaktorX = 0;
    double FaktorY = 0;
    // The step counter, which is also the design y of the alloy line's lower end drawn so far.
    int AbkuehlY = 0;
    // The next frame of the first and the second frame strip.
    int BildNrA = 0;
    int BildNrB = 0;
};

namespace CoolingScript {

// The backgrounds of the captions name the phase.
inline constexpr TColor MeltRed = 0x0000FF;
inline constexpr TColor AusteniteMaroon = 0x000080;
inline constexpr TColor CementiteGrey = 0x808080;
inline constexpr TColor LedeburiteGrey = CementiteGrey;
inline constexpr TColor FerriteWhite = clWhite;
inline constexpr TColor PearliteSilver = clSilver;

enum class Strip { First, Second };

// One pixel coordinate: a design value scaled, plus a pixel offset that some screens add before
// rounding. A design value of 0 gives a place fixed in pixels.
struct Coordinate {
    constexpr Coordinate(int design, int pixels = 0) : Design(design), Pixels(pixels) {}
    int Design;
    int Pixels;
};

// A picture slot: where a frame's top-left corner stands. Its caption line lies one pixel below
// the 100-pixel frame unless the slot names its own line.
struct Slot {
    Coordinate X;
    Coordinate Y;
    std::optional<Coordinate> CaptionY = std::nullopt;
};

enum class FrameUse {
    // The strip's next frame; the strip's index advances.
    Running,
    // The strip's next frame copied into another slot before the running slot gets it.
    CopyOfNext,
    // The frame the running slot just got, copied into another slot.
    CopyOfLast,
};
struct Frame {
    Strip Of;
    int AtSlot;
    FrameUse Use = FrameUse::Running;
};
// The colours the following markers are written in.
struct Colours {
    TColor Font;
    TColor Brush;
};
// A caption on a slot's caption line, in its phase's colours, which then stay set.
struct Caption {
    const char* Text;
    Coordinate X;
    int UnderSlot;
    TColor Font;
    TColor Brush;
};
// A number beside the alloy line, in the colours set now.
struct Marker {
    const char* Text;
    int X;
    int Y;
};
struct BlackLine {
    TPoint From;
    TPoint To;
};
// The first temperature of a two-phase range: a black line that stays; the first tie line of the
// range traces the boundaries from its ends.
struct PhaseStart {
    int XL;
    int XR;
};
// The tie line moves to (XL, K)–(XR, K). The boundary traces run from the previous tie line's ends
// to the new ones, unless a trace is listed to start or end elsewhere. A step may draw no traces,
// or draw its tie line before them.
struct TieStep {
    int XL;
    int XR;
    std::optional<int> TraceToL = std::nullopt;
    std::optional<int> TraceToR = std::nullopt;
    std::optional<TPoint> TraceFromL = std::nullopt;
    std::optional<TPoint> TraceFromR = std::nullopt;
    bool Traces = true;
    bool TieFirst = false;
};
// The tie line shown is erased and the boundaries traced down to (XL, y) and (XR, y), y being K
// unless the range ends on a line of another height.
struct PhaseEnd {
    int XL;
    int XR;
    std::optional<int> AtY = std::nullopt;
};
// The tie line shown is erased and nothing traced: the range ends on lines drawn separately.
struct EraseTie {};
// The alloy line completed from K (or an earlier y) down to the frame's bottom and the timer
// stopped. Where the counter is set past the run's range, later ticks draw nothing; where it
// stays, a new Start lets the ticks lengthen the line on up to the run limit.
struct End {
    int BottomY;
    std::optional<int> FinalY;
    std::optional<int> FromY = std::nullopt;
};

using Operation = std::variant<Frame, Colours, Caption, Marker, BlackLine, PhaseStart, TieStep,
                               PhaseEnd, EraseTie, End>;

struct Entry {
    int K;
    std::vector<Operation> Operations;
};

// The markers' font height: scaled from 14 design units, or 14 pixels on every screen.
enum class MarkerHeight { Scaled, Pixels };

struct Script {
    int AlloyX;
    int StartY;
    MarkerHeight MarkerFont;
    // The brush every tick starts with, so that every text has an opaque background.
    TColor TickBrush;
    std::vector<Slot> Slots;
    // Ordered by K.
    std::vector<Entry> Entries;
};

// The step counter runs only below this design y; at or beyond it a tick does nothing.
inline constexpr int RunLimitY = 450;
inline constexpr int StepPerTick = 2;
inline constexpr int MarkerDesignHeight = 14;
inline constexpr const char* ScriptFace = "Ms Sans Serif";
inline constexpr TColor TieLineGrey = 0x808080;
inline constexpr int ScriptPenWidth = 3;
// A caption's top lies one pixel below the 100-pixel frame above it.
inline constexpr int CaptionBelowSlot = 101;

// The surfaces and strips a script draws with, and the screen's state it advances.
struct Stage {
    TCanvas& H; // the main surface: everything that stays
    TCanvas& U; // the overlay: only the not-xor tie line
    std::array<const TImageList*, 2> Strips;
    TTimer& Timer;
    CoolingVariables& Unit;
};

class Player {
public:
    Player(const Script& script, Stage stage) : script_(script), stage_(stage) {}

    // One tick of the timer: the alloy line two units longer, then the entry for the new K.
    void Tick();
    // Forgets the tie line shown, for a run that starts afresh after the counters were reset.
    void Reset();

private:
    struct Tie {
        TPoint Left;
        TPoint Right;
    };
    void Prepare();
    void Run(const Operation& op, int k);
    void Do(const Frame& op, int k);
    void Do(const Colours& op, int k);
    void Do(const Caption& op, int k);
    void Do(const Marker& op, int k);
    void Do(const BlackLine& op, int k);
    void Do(const PhaseStart& op, int k);
    void Do(const TieStep& op, int k);
    void Do(const PhaseEnd& op, int k);
    void Do(const EraseTie& op, int k);
    void Do(const End& op, int k);
    void EraseShownTie();
    void Trace(TPoint toLeft, TPoint toRight);
    void DrawTie(const Tie& tie);
    void Line(TCanvas& canvas, TPoint from, TPoint to) const;
    IronCarbonGeometry::DesignScale Scale() const;
    int PixelX(Coordinate x) const;
    int PixelY(Coordinate y) const;
    int& IndexOf(Strip strip);

    const Script& script_;
    Stage stage_;
    // The tie line standing on the overlay now, erased by drawing it once more.
    std::optional<Tie> shown_;
    // Where the next boundary traces start: the ends of the last tie or phase start line.
    Tie traceFrom_{};
};

} // namespace CoolingScript
