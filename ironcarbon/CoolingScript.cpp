#include "ironcarbon/CoolingScript.h"

#include <algorithm>

namespace CoolingScript {

IronCarbonGeometry::DesignScale Player::Scale() const {
    return {stage_.Unit.FaktorX, stage_.Unit.FaktorY};
}

int Player::PixelX(Coordinate x) const {
    return Round(x.Design * static_cast<long double>(stage_.Unit.FaktorX) + x.Pixels);
}

int Player::PixelY(Coordinate y) const {
    return Round(y.Design * static_cast<long double>(stage_.Unit.FaktorY) + y.Pixels);
}

int& Player::IndexOf(Strip strip) {
    return strip == Strip::First ? stage_.Unit.BildNrA : stage_.Unit.BildNrB;
}

void Player::Reset() {
    shown_.reset();
    traceFrom_ = {};
}

void Player::Tick() {
    CoolingVariables& unit = stage_.Unit;
    // Past the run's range the counter stands still and no entry can match any more.
    if (unit.AbkuehlY >= RunLimitY)
        return;
    Prepare();
    Line(stage_.H, {script_.AlloyX, unit.AbkuehlY}, {script_.AlloyX, unit.AbkuehlY + StepPerTick});
    unit.AbkuehlY += StepPerTick;

    const int k = unit.AbkuehlY;
    auto entry = std::lower_bound(script_.Entries.begin(), script_.Entries.end(), k,
                                  [](const Entry& e, int key) { return e.K < key; });
    if (entry == script_.Entries.end() || entry->K != k)
        return;
    for (const Operation& op : entry->Operations)
        Run(op, k);
}

// Every tick sets its pens, font and brush again: a repaint in between leaves the canvases in
// the paint handler's state.
void Player::Prepare() {
    TCanvas& h = stage_.H;
    TCanvas& u = stage_.U;
    h.Font.Name = ScriptFace;
    u.Font.Name = ScriptFace;
    h.Font.Color = clBlack;
    h.Font.Height = script_.MarkerFont == MarkerHeight::Scaled ? Scale().Y(MarkerDesignHeight)
                                                               : MarkerDesignHeight;
    h.Pen.Color = clBlack;
    h.Pen.Width = ScriptPenWidth;
    h.Brush.Color = script_.TickBrush;
    u.Pen.Color = TieLineGrey;
    u.Pen.Width = ScriptPenWidth;
    u.Pen.Mode = pmNotXor;
}

void Player::Run(const Operation& op, int k) {
    std::visit([this, k](const auto& o) { Do(o, k); }, op);
}

void Player::Do(const Frame& op, int) {
    const Slot& slot = script_.Slots.at(static_cast<std::size_t>(op.AtSlot));
    int& index = IndexOf(op.Of);
    const int shown = op.Use == FrameUse::CopyOfLast ? index - 1 : index;
    stage_.Strips[op.Of == Strip::First ? 0 : 1]->Draw(stage_.H, PixelX(slot.X), PixelY(slot.Y),
                                                       shown);
    if (op.Use == FrameUse::Running)
        ++index;
}

void Player::Do(const Colours& op, int) {
    stage_.H.Font.Color = op.Font;
    stage_.H.Brush.Color = op.Brush;
}

void Player::Do(const Caption& op, int k) {
    Do(Colours{op.Font, op.Brush}, k);
    const Slot& slot = script_.Slots.at(static_cast<std::size_t>(op.UnderSlot));
    const int y = slot.CaptionY ? PixelY(*slot.CaptionY) : PixelY(slot.Y) + CaptionBelowSlot;
    stage_.H.TextOut(PixelX(op.X), y, op.Text);
}

void Player::Do(const Marker& op, int) {
    const auto scale = Scale();
    stage_.H.TextOut(scale.X(op.X), scale.Y(op.Y), op.Text);
}

void Player::Do(const BlackLine& op, int) {
    Line(stage_.H, op.From, op.To);
}

void Player::Do(const PhaseStart& op, int k) {
    const Tie start{{op.XL, k}, {op.XR, k}};
    Line(stage_.H, start.Left, start.Right);
    traceFrom_ = start;
    shown_.reset();
}

void Player::Do(const TieStep& op, int k) {
    EraseShownTie();
    const Tie tie{{op.XL, k}, {op.XR, k}};
    if (op.TieFirst)
        DrawTie(tie);
    if (op.Traces) {
        traceFrom_.Left = op.TraceFromL.value_or(traceFrom_.Left);
        traceFrom_.Right = op.TraceFromR.value_or(traceFrom_.Right);
        Trace({op.TraceToL.value_or(op.XL), k}, {op.TraceToR.value_or(op.XR), k});
    }
    if (!op.TieFirst)
        DrawTie(tie);
    shown_ = tie;
    traceFrom_ = tie;
}

void Player::Do(const PhaseEnd& op, int k) {
    EraseShownTie();
    const int y = op.AtY.value_or(k);
    Trace({op.XL, y}, {op.XR, y});
}

void Player::Do(const EraseTie&, int) {
    EraseShownTie();
}

void Player::Do(const End& op, int k) {
    Line(stage_.H, {script_.AlloyX, op.FromY.value_or(k)}, {script_.AlloyX, op.BottomY});
    if (op.FinalY)
        stage_.Unit.AbkuehlY = *op.FinalY;
    stage_.Timer.SetEnabled(false);
}

// Not-xor restores every pixel when the same line is drawn a second time.
void Player::EraseShownTie() {
    if (shown_)
        DrawTie(*shown_);
    shown_.reset();
}

void Player::Trace(TPoint toLeft, TPoint toRight) {
    Line(stage_.H, traceFrom_.Left, toLeft);
    Line(stage_.H, traceFrom_.Right, toRight);
}

void Player::DrawTie(const Tie& tie) {
    Line(stage_.U, tie.Left, tie.Right);
}

void Player::Line(TCanvas& canvas, TPoint from, TPoint to) const {
    const auto scale = Scale();
    const TPoint a = scale(from);
    const TPoint b = scale(to);
    canvas.MoveTo(a.X, a.Y);
    canvas.LineTo(b.X, b.Y);
}

} // namespace CoolingScript
