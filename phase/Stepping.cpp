#include "phase/Stepping.h"

namespace Stepping {

namespace {

template <class Position>
void Take(TCanvas& canvas, const Step& step, std::span<Position> positions, float* row) {
    const int mover = step.Moved == Reads ? step.Tested : step.Moved;
    Position& position = positions[static_cast<std::size_t>(mover)];
    const int before = static_cast<int>(position);
    if (step.Moved != Reads)
        position += step.By;
    const int x = static_cast<int>(position);
    const float value = static_cast<float>(step.Row(step.RowBeforeMove ? before : x));
    if (row)
        *row = value;
    if (step.Pen)
        canvas.Pen.Width = step.Pen->Base + step.Pen->PerPixel * x;
    const int y = Round(value) + step.Lift;
    if (step.Draw == Mark::Vertical) {
        canvas.MoveTo(x + step.Dx, step.From);
        canvas.LineTo(x + step.Dx, y);
    } else {
        canvas.LineTo(x + step.Dx, y);
    }
}

bool Holds(const Step& step, float x) {
    return step.Runs.Holds(x) && (!step.AndBelow || x < *step.AndBelow);
}

} // namespace

template <class Position>
bool Tick(TCanvas& canvas, const Run& run, std::span<Position> positions, float* row) {
    canvas.Pen.Color = run.PenColor;
    canvas.Pen.Width = run.PenWidth;
    canvas.Pen.Style = psSolid;
    for (const Step& step : run.Steps)
        if (Holds(step, static_cast<float>(positions[static_cast<std::size_t>(step.Tested)])))
            Take(canvas, step, positions, row);
    return run.Ends.Holds(static_cast<float>(positions[static_cast<std::size_t>(run.EndsOn)]));
}

template bool Tick<float>(TCanvas&, const Run&, std::span<float>, float*);
template bool Tick<int>(TCanvas&, const Run&, std::span<int>, float*);

} // namespace Stepping
