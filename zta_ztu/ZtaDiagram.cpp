#include "zta_ztu/ZtaDiagram.h"

namespace ZtaDiagram {

namespace {

using namespace TimeTemperature;
using ZtuDiagram::TCarbonPoint;

// The A3 line as the heating screens draw it, a little cooler below 0.6 % C than on the cooling
// ones.
constexpr TCarbonPoint A3Line[] = {{0, 910},    {0.2L, 840}, {0.4L, 786},
                                   {0.6L, 752}, {0.7L, 740}, {0.8L, 724}};

void DrawLine(TCanvas& c, const TZtuFrame& z, const TLine& line) {
    c.Pen = MakePen(line.Pen, line.Width);
    if (!line.Polyline.empty()) {
        c.MoveTo(z.X(line.Polyline[0].D), z.Y(line.Polyline[0].T));
        for (const ZtuDiagram::TTimePoint& p : line.Polyline)
            c.LineTo(z.X(p.D), z.Y(p.T));
    }
    const TParabola& p = line.Parabola;
    c.MoveTo(p.Start.X, p.Start.Y);
    for (int k = p.K1; k <= p.K2; ++k) {
        const long double dk = k - p.K0;
        const float y = static_cast<float>(p.C - p.A * dk * dk);
        c.LineTo(k, Round(y));
    }
    if (!line.Tail.empty()) {
        c.MoveTo(z.X(line.Tail[0].D), z.Y(line.Tail[0].T));
        for (const ZtuDiagram::TTimePoint& t : line.Tail)
            c.LineTo(z.X(t.D), z.Y(t.T));
    }
}

} // namespace

std::vector<TText> SectionLabels(int dx) {
    std::vector<TText> labels{
        {"G", 53, 111},           {"S", 165, 202},
        {"E", 338, 28},           {"P", 57, 183},
        {"723°C", 322, 206},      {"1147°C", 291, 35},
        {" Austenit ", 150, 58},  {" Austenit ", 260, 119},
        {"+Zementit ", 260, 134}, {" Austenit ", 53, 172},
        {"+ Ferrit ", 75, 187},   {" Ferrit ", 52, 225},
        {" Perlit ", 80, 309},    {"+ Ferrit ", 90, 324},
        {" Perlit ", 220, 309},   {"+ Zementit ", 230, 324},
        {"Eutektoid ", 162, 332}, {" Perlit ", 162, 347},
    };
    for (TText& t : labels)
        t.X += dx;
    return labels;
}

const std::vector<ZtuDiagram::TTemperatureLabel>& TemperatureLabels() {
    static const std::vector<ZtuDiagram::TTemperatureLabel> labels{{"1000", 1000, clBlack},
                                                                   {" 800", 800, clBlack},
                                                                   {" 600", 600, clYellow},
                                                                   {" 400", 400, clWhite}};
    return labels;
}

ZtuDiagram::TFrames Frames(const TData& data, int width, int height) {
    const int bottom = height - FrameBottomMargin;
    return {MakeZtuFrame(ZtuLinks, width - ZtuRightMargin, FrameTop, bottom, Steps, BottomCelsius),
            MakeSectionFrame(data.EkdLinks, width - data.EkdRightMargin, FrameTop, bottom, Steps,
                             BottomCelsius)};
}

ZtuDiagram::TFrames Paint(TPaintBox& surface, const TData& data) {
    using namespace ZtuDiagram;
    TCanvas& c = surface.Canvas;
    const TFrames f = Frames(data, surface.Width(), surface.Height());
    DrawGradient(c, surface.Width(), surface.Height());
    DrawFrameBoxes(c, f);
    DrawGrids(c, f, GridCelsius);

    DrawTemperatureLabels(c, f.Ztu.Links, f.Ztu, data.TemperatureLabels);
    DrawTemperatureLabels(c, f.Ekd.Links, SectionScale(f), TemperatureLabels());
    DrawTimeLabels(c, f.Ztu, false);
    DrawCarbonLabels(c, f.Ekd);

    DrawSection(c, f.Ekd, A3Line);
    c.Font.Color = NearBlack;
    Write(c, data.SectionLabels);
    for (const TLine& line : data.Lines)
        DrawLine(c, f.Ztu, line);
    DrawSteel(c, data.SteelText, data.Composition, f.Ekd);

    c.Brush.Style = bsClear;
    c.Font.Color = clBlack;
    Write(c, data.FieldLabels);
    c.Brush.Color = clBlack;
    c.Font.Color = clWhite;
    Write(c, data.LineLabels);
    return f;
}

} // namespace ZtaDiagram
