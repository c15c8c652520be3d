#pragma once
// The phase diagrams on which several alloys cool one after the other (types 2 to 4). Each alloy
// is a run with its own start command, timer, frame strip and colour: a run's command starts and
// pauses it and shuts the other runs' commands until it has finished, and a finished run leaves
// its drawing, so that the alloys can be compared in one diagram. The explanatory text beside
// the diagram is written anew at every paint of the window; a run appends its own lines to it.
//
// The screens share this frame and, for the limited-solubility types, one player for their
// cooling scripts: tables of keyframes keyed by the cooling point's row.

#include "phase/DiagramProbe.h"
#include "phase/PhaseDiagram.h"
#include "platform/Form.h"
#include "platform/ImageList.h"
#include "platform/Timer.h"

#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace AlloyRuns {

// Where the diagram stands, and the factors of the layout, which serve only the text's font
// height. Every such screen's unit state starts with these.
struct Place {
    int DiagLinks = 0;
    int DiagOben = 0;
    int DiagBreite = 505;
    int DiagHoehe = 492;
    double FaktorX = 0;
    double FaktorY = 0;
};

// One alloy's state: the x of its cooling line, the cooling point's row, and where its next
// microstructure frame goes.
struct Alloy {
    int LegierungX;
    int TempY;
    int BildX;
    int BildY;
    int BildNr = 0;
};

// What a screen says about one of its runs.
struct Run {
    const char* StartName;
    const char* StartCaption;
    const char* Strip; // the frame strip's asset, "<Screen>.<Strip>"
    TColor Colour;
    // The alloy's name, written at the top of the diagram at every tick.
    std::vector<PhaseDiagram::Label> Titles;
    // Appended to the explanatory text when the run begins.
    std::vector<std::string> Explanation;
};

struct Design {
    const char* Caption;
    // The cooling point's row of a run that has not started.
    int RestY;
    // The small layout: the diagram's left, and the text box's left, counted back from it, and
    // width. The large layout puts every such screen's diagram at (430, 70).
    int SmallDiagLinks;
    int SmallMemoBack;
    int SmallMemoWidth;
    TRect LargeMemo;
    bool MemoReadOnly;
    // The pen the diagram starts with.
    TColor DiagramPen;
    std::vector<std::string> Explanation;
    std::vector<Run> Runs;
};

// --- cooling scripts ---------------------------------------------------------------------------

// A tie line at the cooling point's row K, from x From to x To.
struct Row {
    int K;
    int From;
    int To;
};
using Rows = std::vector<Row>;

// The operations of a keyframe, run in their order. Positions relative to the picture count
// from the run's picture place (BildX, BildY); everything else is at diagram pixels.
// The run's lines are appended to the explanatory text.
struct Explain {};
// The box round the picture place, outlined with the run's pen and filled in the given colour,
// or in the run's colour when none is given.
struct PictureBox {
    TRect Around;
    std::optional<TColor> Fill = std::nullopt;
};
// A label on silver, relative to the picture place.
struct Caption {
    int Dx;
    int Dy;
    const char* Text;
};
// The run's next frame at its picture place; the frame index advances unless told not to.
struct Frame {
    bool Advance = true;
};
// The same, at only those rows of a keyframe's range.
struct FramesAt {
    std::vector<int> Ks;
    bool Advance = true;
};
// A line on the diagram that stays.
struct Stroke {
    TPoint From;
    TPoint To;
};
// The tie line of the row K of the table, at y = K + Dy on the overlay, where it is drawn in
// not-xor mode; the row before it in the table is drawn once more first, which erases it, unless
// that row lies before the series: before ErasesFrom when given, else before the keyframe.
struct TieRows {
    const Rows* Table;
    int Dy = 0;
    int ErasesFrom = 0;
};
// The tie line of the table's row K drawn once more: erased.
struct EraseRow {
    const Rows* Table;
    int K;
    int Dy = 0;
};
using Operation = std::variant<Explain, PictureBox, Caption, Frame, FramesAt, Stroke,
                               PhaseDiagram::CurvePiece, TieRows, EraseRow>;

// Rows of the cooling point at which a keyframe happens: one row, or every fourth row from
// First to Last.
struct Keyframe {
    Keyframe(int k, std::vector<Operation> ops) : First(k), Last(k), Operations(std::move(ops)) {}
    Keyframe(int first, int last, std::vector<Operation> ops)
        : First(first), Last(last), Operations(std::move(ops)) {}
    int First;
    int Last;
    std::vector<Operation> Operations;
};

// How a run's cooling line grows: while the cooling point is above Limit each tick moves it
// down by four rows and draws the line from TopY to EndShort rows above it; the line is drawn
// once more after the keyframes while the point is above RedrawLimit. The run ends at EndY, or
// at any row from EndY on when EndsFromY is set.
struct Cooling {
    int TopY;
    int Limit;
    int EndShort;
    int RedrawLimit;
    int EndY;
    bool EndsFromY;
};

struct Script {
    Cooling Line;
    std::vector<Keyframe> Keyframes;
};

inline constexpr int RowsPerTick = 4;

} // namespace AlloyRuns

class TAlloyRunsForm : public TForm {
public:
    // Under the other layers: where the learner points into the diagram.
    TPaintBox* PaintBoxSonde = nullptr;
    TPaintBox* PaintBoxHaupt = nullptr;
    TPaintBox* PaintBoxUmwandlung = nullptr;
    TMemo* MemoErlaeuterung = nullptr;
    TStatusBar* StatusBarHint = nullptr;
    TMenuItem* Ende = nullptr;
    TMenuItem* Neu = nullptr;
    TMenuItem* ESCAPE = nullptr;
    // One of each per run, in the order of the runs.
    std::vector<TTimer*> RunTimers;
    std::vector<TMenuItem*> StartItems;
    std::vector<TImageList*> RunStrips;

    void FormCreate() override;
    void FormPaint() override;
    void NeuClick();
    void EndeClick();
    void ESCAPEClick();

    const AlloyRuns::Design& Data() const { return data_; }
    // A run's state in the screen's unit.
    AlloyRuns::Alloy& Alloy(int run) { return alloys_[static_cast<std::size_t>(run)]; }

    DiagramProbe::TProbe Sonde;
    // What the probe reads on the screen's diagram.
    virtual const DiagramProbe::Map& ProbeMap() const = 0;

protected:
    TAlloyRunsForm(const AlloyRuns::Design& data, AlloyRuns::Place& place,
                   std::span<AlloyRuns::Alloy> alloys);

    // Construction, in the order the screen needs: its drawing surfaces first (they are painted
    // in the order they are added), then the windowed controls, the timers and strips, and the
    // menu, into which the screen may put commands of its own before "&Löschen/Neu".
    TPaintBox* AddSurface(const char* name);
    void AddFrameControls();
    TImageList* AddStrip(const char* asset);
    void AddMenu(const std::function<void()>& ownCommands = {});

    // The screen's own steps of the layout and of "&Löschen/Neu".
    virtual void LayOut() {}
    virtual void Reset() {}

    // The run's command: the other runs' commands are shut, the run's timer toggled. A run that
    // stands on its last row but one (above 366) goes back to the top first when told to.
    void StartRun(int run, bool restartsNearEnd);
    // The end of a run: the commands of the runs not yet started open again; the run's own
    // command and timer stop.
    void FinishRun(int run);
    // Frame BildNr of the run's strip at its picture place, then the next index.
    void DrawFrame(int run, bool advance = true);
    void AppendExplanation(int run);

    // The diagram's paint starts with the pen the screen was laid out with, whatever a run or the
    // last paint left on it (3 px wide, or dotted): the diagram then looks the same at every
    // paint, after a run, a repaint or when the screen is shown again.
    void PrepareDiagramPen();

    // The limited-solubility screens' tick: the titles on silver in the run's colour, the cooling
    // line, the run's keyframes for the row reached, the line once more, and the end.
    void PlayTick(int run, const AlloyRuns::Script& script);

    AlloyRuns::Place& place_;

private:
    bool AnimationRuns() const;
    void WriteExplanation();
    void PrepareSilverTick(int run);
    void DrawCoolingLine(int run, const AlloyRuns::Cooling& line);
    void Play(int run, const AlloyRuns::Keyframe& keyframe, int k);
    void DrawRow(const AlloyRuns::Rows& table, std::size_t index, int dy);

    const AlloyRuns::Design& data_;
    std::span<AlloyRuns::Alloy> alloys_;
    std::vector<TImageList*> strips_;
};
