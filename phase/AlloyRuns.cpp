#include "phase/AlloyRuns.h"

#include "assets/Assets.h"
#include "shell/ScreenFrame.h"

#include <algorithm>

using namespace AlloyRuns;
using PhaseDiagram::Line;

namespace {

constexpr int FontHeight = -10; // the screen font's character height
constexpr int HintFontHeight = -15;
constexpr int MemoFontDesignHeight = 16;
constexpr int RunInterval = 100;
constexpr TColor DiagramGold = 0x00D2FF;
constexpr TColor Yellow = 0x00FFFF;
constexpr TColor OverlayRed = 0x0000FF;
constexpr int DiagramPenWidth = 2;
constexpr int OverlayPenWidth = 2;
constexpr int RunPenWidth = 3;
constexpr const char* RunFace = "Ms Sans Serif";

constexpr int SmallDiagOben = 5;
constexpr int MemoAboveDiagram = 2;
constexpr int LargeDiagLinks = 430;
constexpr int LargeDiagOben = 70;
constexpr TRect Backdrop{20, 22, 1000, 650};

// A run standing above this row has only its last tick left.
constexpr int NearEndY = 366;

// The row a keyframe covers: one row, or every fourth row of its range.
bool Covers(const Keyframe& keyframe, int k) {
    return k >= keyframe.First && k <= keyframe.Last && (k - keyframe.First) % RowsPerTick == 0;
}

const Row* FindRow(const Rows& table, int k, std::size_t* index = nullptr) {
    const auto it =
        std::find_if(table.begin(), table.end(), [k](const Row& r) { return r.K == k; });
    if (it == table.end())
        return nullptr;
    if (index)
        *index = static_cast<std::size_t>(it - table.begin());
    return &*it;
}

} // namespace

TAlloyRunsForm::TAlloyRunsForm(const Design& data, Place& place, std::span<AlloyRuns::Alloy> alloys)
    : TForm(96, 13), place_(place), data_(data), alloys_(alloys) {
    SetCaption(data.Caption);
    BorderStyle = bsToolWindow;
    SetColor(ScreenFrame::ScreenBlue);
    SetFont({"MS Sans Serif", FontHeight, clWindowText, false});
    PaintBoxSonde = AddSurface("PaintBoxSonde");
}

TPaintBox* TAlloyRunsForm::AddSurface(const char* name) {
    TPaintBox* box = Add<TPaintBox>();
    box->Name = name;
    return box;
}

void TAlloyRunsForm::AddFrameControls() {
    MemoErlaeuterung = ScreenFrame::AddExplanation(*this, {ScreenFrame::ExplanationYellow, true,
                                                           ssBoth, data_.MemoReadOnly,
                                                           /*StartsHidden=*/false});
    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, HintFontHeight);
    for (const AlloyRuns::Run& run : data_.Runs) {
        RunTimers.push_back(new TTimer(this, RunInterval, false));
        RunStrips.push_back(AddStrip(run.Strip));
    }
}

TImageList* TAlloyRunsForm::AddStrip(const char* asset) {
    constexpr int FrameSide = 80;
    auto* strip = new TImageList(this, FrameSide, FrameSide,
                                 [asset](int scale) { return Assets::Strip(asset, scale); });
    strips_.push_back(strip);
    return strip;
}

void TAlloyRunsForm::AddMenu(const std::function<void()>& ownCommands) {
    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    for (const AlloyRuns::Run& run : data_.Runs)
        StartItems.push_back(MainMenu.Add(run.StartName, run.StartCaption));
    if (ownCommands)
        ownCommands();
    Neu = MainMenu.Add("Neu", "&Löschen/Neu", [this] { NeuClick(); });
    ESCAPE = ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); });
}

void TAlloyRunsForm::FormCreate() {
    const ScreenFrame::Layout layout = ScreenFrame::PlaceStandard(*this);
    place_.FaktorX = layout.FaktorX;
    place_.FaktorY = layout.FaktorY;
    place_.DiagBreite = 505;
    place_.DiagHoehe = 492;
    if (layout.Small) {
        place_.DiagLinks = data_.SmallDiagLinks;
        place_.DiagOben = SmallDiagOben;
        MemoErlaeuterung->SetBounds(place_.DiagLinks - data_.SmallMemoBack,
                                    place_.DiagOben - MemoAboveDiagram, data_.SmallMemoWidth,
                                    place_.DiagHoehe + MemoAboveDiagram);
    } else {
        place_.DiagLinks = LargeDiagLinks;
        place_.DiagOben = LargeDiagOben;
        const TRect& m = data_.LargeMemo;
        MemoErlaeuterung->SetBounds(m.Left, m.Top, m.Width(), m.Height());
    }
    for (TPaintBox* layer : {PaintBoxSonde, PaintBoxHaupt, PaintBoxUmwandlung})
        layer->SetBounds(place_.DiagLinks, place_.DiagOben, place_.DiagBreite, place_.DiagHoehe);
    Sonde.Attach(
        *this, *PaintBoxSonde,
        [this](DiagramProbe::Point p) { return DiagramProbe::Read(ProbeMap(), p); },
        [this] { return !AnimationRuns(); });

    TCanvas& haupt = PaintBoxHaupt->Canvas;
    haupt.Pen.Width = DiagramPenWidth;
    haupt.Pen.Color = data_.DiagramPen;
    haupt.Pen.Style = psSolid;
    TCanvas& umwandlung = PaintBoxUmwandlung->Canvas;
    umwandlung.Pen.Width = OverlayPenWidth;
    umwandlung.Pen.Color = OverlayRed;
    umwandlung.Pen.Style = psSolid;
    umwandlung.Brush.Color = Yellow;
    LayOut();
}

// A run or the screen's own animation: any of its timers on.
bool TAlloyRunsForm::AnimationRuns() const {
    for (const auto& component : Components())
        if (auto* timer = dynamic_cast<const TTimer*>(component.get()); timer && timer->Enabled())
            return true;
    return false;
}

void TAlloyRunsForm::PrepareDiagramPen() {
    TCanvas& haupt = PaintBoxHaupt->Canvas;
    haupt.Pen.Width = DiagramPenWidth;
    haupt.Pen.Style = psSolid;
}

// Every paint of the window puts the general text back, which also drops the lines the runs
// appended. The text box is a window of its own: writing it repaints the box, not this window,
// so the paint does not call itself again. A text that is already what the paint would write is
// left alone, so that a repaint does not make it flicker or jump back to its first line.
void TAlloyRunsForm::WriteExplanation() {
    TMemo& memo = *MemoErlaeuterung;
    const int height = ScreenFrame::Scaled(MemoFontDesignHeight, place_.FaktorY);
    if (memo.Font().Height != height)
        ScreenFrame::SetExplanationFont(memo, place_.FaktorY, MemoFontDesignHeight);
    const std::vector<std::string>& lines = data_.Explanation;
    bool same = memo.LinesCount() == static_cast<int>(lines.size());
    for (int i = 0; same && i < memo.LinesCount(); ++i)
        same = memo.LinesGet(i) == lines[static_cast<std::size_t>(i)];
    if (!same)
        ScreenFrame::WriteLines(memo, lines);
}

void TAlloyRunsForm::FormPaint() {
    WriteExplanation();
    Canvas.Font.Name = RunFace;
    ScreenFrame::DrawBackdrop(*this, ScreenFrame::DiagramOrange, Backdrop);
}

void TAlloyRunsForm::NeuClick() {
    Refresh();
    for (TTimer* timer : RunTimers)
        timer->SetEnabled(false);
    for (AlloyRuns::Alloy& alloy : alloys_) {
        alloy.TempY = data_.RestY;
        alloy.BildNr = 0;
    }
    for (TMenuItem* item : StartItems)
        item->SetEnabled(true);
    Reset();
}

void TAlloyRunsForm::EndeClick() {
    NeuClick();
    Close();
}

void TAlloyRunsForm::ESCAPEClick() {
    NeuClick();
    Close();
}

void TAlloyRunsForm::StartRun(int run, bool restartsNearEnd) {
    for (std::size_t other = 0; other < StartItems.size(); ++other)
        if (static_cast<int>(other) != run)
            StartItems[other]->SetEnabled(false);
    TTimer& timer = *RunTimers[static_cast<std::size_t>(run)];
    timer.SetEnabled(!timer.Enabled());
    AlloyRuns::Alloy& alloy = Alloy(run);
    if (restartsNearEnd && alloy.TempY > NearEndY) {
        alloy.TempY = data_.RestY;
        alloy.BildNr = 0;
    }
}

void TAlloyRunsForm::FinishRun(int run) {
    for (std::size_t other = 0; other < StartItems.size(); ++other)
        if (static_cast<int>(other) != run && alloys_[other].TempY == data_.RestY)
            StartItems[other]->SetEnabled(true);
    StartItems[static_cast<std::size_t>(run)]->SetEnabled(false);
    RunTimers[static_cast<std::size_t>(run)]->SetEnabled(false);
}

void TAlloyRunsForm::DrawFrame(int run, bool advance) {
    AlloyRuns::Alloy& alloy = Alloy(run);
    RunStrips[static_cast<std::size_t>(run)]->Draw(PaintBoxHaupt->Canvas, alloy.BildX, alloy.BildY,
                                                   alloy.BildNr);
    if (advance)
        alloy.BildNr += 1;
}

void TAlloyRunsForm::AppendExplanation(int run) {
    for (const std::string& line : data_.Runs[static_cast<std::size_t>(run)].Explanation)
        MemoErlaeuterung->LinesAdd(line);
}

// --- the cooling scripts of the limited-solubility screens --------------------------------------

void TAlloyRunsForm::PrepareSilverTick(int run) {
    const AlloyRuns::Run& r = data_.Runs[static_cast<std::size_t>(run)];
    TCanvas& h = PaintBoxHaupt->Canvas;
    h.Font.Name = RunFace;
    h.Brush.Color = clSilver;
    h.Font.Color = r.Colour;
    h.Pen.Color = r.Colour;
    h.Pen.Width = RunPenWidth;
    PhaseDiagram::Write(h, r.Titles);
    TCanvas& u = PaintBoxUmwandlung->Canvas;
    u.Pen.Width = OverlayPenWidth;
    u.Pen.Color = r.Colour;
    u.Pen.Mode = pmNotXor;
}

void TAlloyRunsForm::DrawCoolingLine(int run, const Cooling& line) {
    const AlloyRuns::Alloy& a = Alloy(run);
    Line(PaintBoxHaupt->Canvas, a.LegierungX, line.TopY, a.LegierungX, a.TempY - line.EndShort);
}

void TAlloyRunsForm::PlayTick(int run, const Script& script) {
    PrepareSilverTick(run);
    AlloyRuns::Alloy& a = Alloy(run);
    const Cooling& line = script.Line;
    if (a.TempY < line.Limit) {
        a.TempY += RowsPerTick;
        DrawCoolingLine(run, line);
    }
    const int k = a.TempY;
    for (const Keyframe& keyframe : script.Keyframes)
        if (Covers(keyframe, k))
            Play(run, keyframe, k);
    if (a.TempY < line.RedrawLimit)
        DrawCoolingLine(run, line);
    if (line.EndsFromY ? a.TempY >= line.EndY : a.TempY == line.EndY)
        FinishRun(run);
}

void TAlloyRunsForm::DrawRow(const Rows& table, std::size_t index, int dy) {
    const Row& row = table[index];
    Line(PaintBoxUmwandlung->Canvas, row.From, row.K + dy, row.To, row.K + dy);
}

void TAlloyRunsForm::Play(int run, const Keyframe& keyframe, int k) {
    AlloyRuns::Alloy& a = Alloy(run);
    TCanvas& h = PaintBoxHaupt->Canvas;
    for (const Operation& op : keyframe.Operations) {
        if (std::holds_alternative<AlloyRuns::Explain>(op)) {
            AppendExplanation(run);
        } else if (const auto* box = std::get_if<AlloyRuns::PictureBox>(&op)) {
            h.Brush.Color = box->Fill.value_or(data_.Runs[static_cast<std::size_t>(run)].Colour);
            h.Rectangle(a.BildX + box->Around.Left, a.BildY + box->Around.Top,
                        a.BildX + box->Around.Right, a.BildY + box->Around.Bottom);
        } else if (const auto* caption = std::get_if<AlloyRuns::Caption>(&op)) {
            h.Brush.Color = clSilver;
            h.TextOut(a.BildX + caption->Dx, a.BildY + caption->Dy, caption->Text);
        } else if (const auto* frame = std::get_if<AlloyRuns::Frame>(&op)) {
            DrawFrame(run, frame->Advance);
        } else if (const auto* frames = std::get_if<AlloyRuns::FramesAt>(&op)) {
            if (std::find(frames->Ks.begin(), frames->Ks.end(), k) != frames->Ks.end())
                DrawFrame(run, frames->Advance);
        } else if (const auto* stroke = std::get_if<AlloyRuns::Stroke>(&op)) {
            Line(h, stroke->From.X, stroke->From.Y, stroke->To.X, stroke->To.Y);
        } else if (const auto* piece = std::get_if<PhaseDiagram::CurvePiece>(&op)) {
            PhaseDiagram::DrawCurve(h, *piece);
        } else if (const auto* rows = std::get_if<AlloyRuns::TieRows>(&op)) {
            std::size_t index = 0;
            if (!FindRow(*rows->Table, k, &index))
                continue;
            // Not-xor: the line drawn a second time is gone.
            const int seriesStart = rows->ErasesFrom != 0 ? rows->ErasesFrom : keyframe.First;
            if (index > 0 && (*rows->Table)[index - 1].K >= seriesStart)
                DrawRow(*rows->Table, index - 1, rows->Dy);
            DrawRow(*rows->Table, index, rows->Dy);
        } else if (const auto* erase = std::get_if<AlloyRuns::EraseRow>(&op)) {
            std::size_t index = 0;
            if (FindRow(*erase->Table, erase->K, &index))
                DrawRow(*erase->Table, index, erase->Dy);
        }
    }
}
