#include "ironcarbon/CoolingScript.h"

#include <algorithm>

namespace CoolingScript {

IronCarbonGeometry::DesignScale Player::Scale() const {
    return {stage_.Unit.FaktorX, stage_.Unit.FaktorY};
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
    const auto scale = Scale();
    int& index = IndexOf(op.Of);
    stage_.Strips[op.Of == Strip::First ? 0 : 1]->Draw(stage_.H, scale.X(slot.X), scale.Y(slot.Y),
                                                       index);
    if (op.Advances)
        ++index;
}

void Player::Do(const Colours& op, int) {
    stage_.H.Font.Color = op.Font;
    stage_.H.Brush.Color = op.Brush;
}

void Player::Do(const Caption& op, int k) {
    Do(Colours{op.Font, op.Brush}, k);
    const Slot& slot = script_.Slots.at(static_cast<std::size_t>(op.UnderSlot));
    const auto scale = Scale();
    stage_.H.TextOut(scale.X(op.X), scale.Y(slot.Y) + CaptionBelowSlot, op.Text);
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
    Trace({op.TraceToL.value_or(op.XL), k}, {op.TraceToR.value_or(op.XR), k});
    const Tie tie{{op.XL, k}, {op.XR, k}};
    DrawTie(tie);
    shown_ = tie;
    traceFrom_ = tie;
}

void Player::Do(const PhaseEnd& op, int k) {
    EraseShownTie();
    Trace({op.XL, k}, {op.XR, k});
    shown_.reset();
}

void Player::Do(const End& op, int k) {
    Line(stage_.H, {script_.AlloyX, k}, {script_.AlloyX, op.BottomY});
    stage_.Unit.AbkuehlY = op.FinalY;
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
