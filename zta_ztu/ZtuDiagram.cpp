#include "zta_ztu/ZtuDiagram.h"

#include <array>
#include <span>
#include <string>

namespace ZtuDiagram {

namespace {

using namespace TimeTemperature;

constexpr int FrameTop = 20;
constexpr int FrameBottomMargin = 70;
constexpr int EkdLinks = 50;

// The gradient: yellow rows whose green fades out, then red rows fading towards black.
constexpr int GradientPenWidth = 2;
constexpr int GradientLeft = 4;
constexpr int YellowRows = 255;
constexpr TColor GradientYellow = 0x00FFFF;
constexpr TColor GreenStep = 0x100;
constexpr int RedFadeBase = 510;

constexpr int LinePenWidth = 2;
constexpr long double GridCelsius[] = {200, 400, 600, 800, 1000};
constexpr int GridDecades = 5;
constexpr long double GridCarbonStep = 0.2L;
constexpr int GridCarbonLines = 10;

// Axis labels, relative to the frames' edges and their grid points.
constexpr long double TopCelsius = 1200;
constexpr int AxisTitleDx = -5;
constexpr int AxisTitleDy = -17;
constexpr int TopLabelDx = -33;
constexpr int LabelDx = -30;
constexpr int LabelDy = -6;
constexpr TTemperatureLabel TemperatureLabels[] = {
    {"1000", 1000, clBlack}, {" 800", 800, clBlack}, {" 600", 600, clYellow},
    {" 400", 400, clWhite},  {" 200", 200, clWhite},
};
constexpr int TimeLabelDx = -5;
constexpr int TimeLabelDy = 6;
constexpr int ExponentDx = 11;
constexpr int TightTimeLabelDx = -12;
constexpr int TightExponentDx = 3;
constexpr const char* Exponents[] = {"-1", "", "", "2", "3", "4", "5"};
constexpr int TimeTitleDecade = 3;
constexpr int TimeTitleDx = 100;
constexpr int TitleDy = 25;
struct CarbonLabel {
    const char* Text;
    long double Carbon;
};
constexpr CarbonLabel CarbonLabels[] = {{"0", 0},      {"0.4", 0.4L}, {"0.8", 0.8L},
                                        {"1.2", 1.2L}, {"1.6", 1.6L}, {"2.0", 2.0L}};
constexpr long double CarbonTitleAt = 0.6L;
constexpr int CarbonTitleDx = 24;

// The steel corner of the iron–carbon diagram: (carbon %, °C).
using CarbonPoint = TCarbonPoint;
constexpr CarbonPoint Eutectoid{0.8L, 722};
constexpr CarbonPoint EutectoidLineStart{0.04L, 722};
constexpr CarbonPoint EutecticLineStart{2.06L, 1146};
constexpr CarbonPoint LiquidusEnd{1.8L, 1200};
constexpr CarbonPoint A3Line[] = {{0, 910},    {0.2L, 840}, {0.4L, 790},
                                  {0.6L, 756}, {0.7L, 740}, {0.8L, 724}};
constexpr CarbonPoint AcmLine[] = {{0.8L, 722},  {1.0L, 800},  {1.2L, 870},  {1.4L, 942},
                                   {1.6L, 1006}, {1.8L, 1068}, {2.06L, 1146}};
constexpr CarbonPoint FerriteSolvus[] = {{0, 910}, {0.04L, 722}, {0, 500}};

// The steel box in the free corner of the section.
constexpr CarbonPoint SteelBoxFrom{0.96L, 480};
constexpr CarbonPoint SteelBoxTo{1.96L, 640};
constexpr CarbonPoint SteelTextAt{1.06L, 600};
constexpr CarbonPoint EquilibriumTextAt{1.04L, 560};
constexpr const char* EquilibriumText = "  Gleichgewicht ";

void Polyline(TCanvas& c, const TSectionFrame& ekd, std::span<const CarbonPoint> points) {
    c.MoveTo(ekd.X(points[0].C), ekd.Y(points[0].T));
    for (const CarbonPoint& p : points.subspan(1))
        c.LineTo(ekd.X(p.C), ekd.Y(p.T));
}

} // namespace

void DrawGradient(TCanvas& c, int width, int height) {
    c.Pen = MakePen(GradientYellow, GradientPenWidth);
    for (int y = 0; y <= YellowRows; ++y) {
        c.Pen.Color = GradientYellow - y * GreenStep;
        Line(c, {GradientLeft, y}, {width, y});
    }
    for (int y = YellowRows; y <= height; ++y) {
        c.Pen.Color = RedFadeBase - y;
        Line(c, {GradientLeft, y}, {width, y});
    }
}

void DrawFrameBoxes(TCanvas& c, const TFrames& f) {
    c.Pen = MakePen(NearBlack, LinePenWidth);
    c.Brush.Color = FrameGold;
    c.Rectangle(f.Ztu.Rect());
    c.Rectangle(f.Ekd.Rect());
}

void DrawGrids(TCanvas& c, const TFrames& f, std::span<const long double> celsius) {
    c.Brush.Style = bsClear;
    c.Pen.Width = 1;
    c.Pen.Style = psDot;
    for (long double t : celsius) {
        Line(c, {f.Ztu.Links, f.Ztu.Y(t)}, {f.Ztu.Rechts, f.Ztu.Y(t)});
        Line(c, {f.Ekd.Links, f.Ekd.Y(t)}, {f.Ekd.Rechts, f.Ekd.Y(t)});
    }
    for (int d = 0; d <= GridDecades; ++d)
        Line(c, {f.Ztu.X(d), f.Ztu.Oben}, {f.Ztu.X(d), f.Ztu.Unten});
    for (int i = 1; i <= GridCarbonLines; ++i) {
        const int x = f.Ekd.X(i * GridCarbonStep);
        Line(c, {x, f.Ekd.Oben}, {x, f.Ekd.Unten});
    }
    c.Pen.Style = psSolid;
}

void DrawTemperatureLabels(TCanvas& c, int left, const TZtuFrame& scale,
                           std::span<const TTemperatureLabel> labels) {
    c.Font.Color = clBlack;
    c.TextOut(left + AxisTitleDx, scale.Y(TopCelsius) + AxisTitleDy, "Temperatur/°C");
    c.TextOut(left + TopLabelDx, scale.Y(TopCelsius) + LabelDy, "1200");
    for (const TTemperatureLabel& l : labels) {
        c.Font.Color = l.Color;
        c.TextOut(left + LabelDx, scale.Y(l.Celsius) + LabelDy, l.Text);
    }
}

TZtuFrame SectionScale(const TFrames& f) {
    TZtuFrame scale = f.Ztu;
    scale.Unten = f.Ekd.Unten;
    scale.Stufe = f.Ekd.Stufe;
    scale.Bottom = f.Ekd.Bottom;
    return scale;
}

void DrawTimeLabels(TCanvas& c, const TZtuFrame& z, bool tightLast) {
    DrawTimeAxis(c, z, tightLast, {z.X(TimeTitleDecade) + TimeTitleDx, z.Unten + TitleDy});
}

void DrawCarbonLabels(TCanvas& c, const TSectionFrame& e) {
    for (const CarbonLabel& l : CarbonLabels)
        c.TextOut(e.X(l.Carbon) + TimeLabelDx, e.Unten + TimeLabelDy, l.Text);
    c.TextOut(e.X(CarbonTitleAt) + CarbonTitleDx, e.Unten + TitleDy, "Kohlenstoffgehalt/Gew.%");
}

void DrawSection(TCanvas& c, const TSectionFrame& e, std::span<const TCarbonPoint> a3Line) {
    c.Pen = MakePen(NearBlack, 1);
    Line(c, e.At(Eutectoid.C, Eutectoid.T), e.At(Eutectoid.C, e.Bottom));
    c.Pen.Width = LinePenWidth;
    Line(c, e.At(EutectoidLineStart.C, EutectoidLineStart.T), {e.Rechts, e.Y(Eutectoid.T)});
    Line(c, e.At(EutecticLineStart.C, EutecticLineStart.T), {e.Rechts, e.Y(EutecticLineStart.T)});
    Line(c, e.At(EutecticLineStart.C, EutecticLineStart.T), e.At(LiquidusEnd.C, LiquidusEnd.T));
    Polyline(c, e, a3Line);
    Polyline(c, e, AcmLine);
    Polyline(c, e, FerriteSolvus);
}

std::span<const TCarbonPoint> CoolingA3Line() {
    return A3Line;
}

void Write(TCanvas& c, std::span<const TText> texts) {
    for (const TText& t : texts)
        c.TextOut(t.X, t.Y, t.Text);
}

void DrawSteel(TCanvas& c, const char* steelText, const TComposition& m, const TSectionFrame& e) {
    auto boxX = [&](long double carbon) { return e.X(carbon - m.BoxShift); };
    c.Brush.Color = clPurple;
    c.Pen = MakePen(clBlack, 1);
    c.Font.Color = clWhite;
    c.Rectangle(boxX(SteelBoxFrom.C), e.Y(SteelBoxFrom.T), boxX(SteelBoxTo.C), e.Y(SteelBoxTo.T));
    c.TextOut(boxX(SteelTextAt.C), e.Y(SteelTextAt.T), steelText);
    c.TextOut(boxX(EquilibriumTextAt.C), e.Y(EquilibriumTextAt.T), EquilibriumText);

    c.Pen.Style = psDash;
    Line(c, e.At(m.Carbon, m.Top), e.At(m.Carbon, e.Bottom));
    c.Brush.Color = clBlack;
    for (const TLevel* level : {&m.A3, &m.A1}) {
        Line(c, e.At(m.Carbon, level->AtSteel), {e.Rechts, e.Y(level->AtEdge)});
        c.TextOut(level->Label.X, level->Label.Y, level->Label.Text);
    }
    c.Pen.Style = psSolid;
}

void DrawTimeAxis(TCanvas& c, const TZtuFrame& z, bool tightLast, TPoint title) {
    c.Font.Color = clWhite;
    for (int d = 0; d <= Decades; ++d) {
        const bool tight = d == Decades && tightLast;
        const int x = z.X(d);
        c.TextOut(x + (tight ? TightTimeLabelDx : TimeLabelDx), z.Unten + TimeLabelDy,
                  d == 1 ? "1" : "10");
        if (*Exponents[d])
            c.TextOut(x + (tight ? TightExponentDx : ExponentDx), z.Unten, Exponents[d]);
    }
    c.TextOut(title.X, title.Y, "Zeit/sec");
}

void DrawCurves(TCanvas& c, std::span<const TCurve> curves, const TZtuFrame& z, TColor color) {
    c.Pen = MakePen(color, LinePenWidth);
    for (const TCurve& curve : curves) {
        c.MoveTo(z.X(curve[0].D), z.Y(curve[0].T));
        for (const TTimePoint& p : curve)
            c.LineTo(z.X(p.D), z.Y(p.T));
    }
}

const std::vector<TText>& NarrowSectionLabels() {
    static const std::vector<TText> labels{
        {"G", 53, 104},           {"S", 165, 185},
        {"E", 338, 29},           {"P", 57, 168},
        {"723°C", 322, 189},      {"1147°C", 291, 36},
        {" Austenit ", 150, 90},  {" Austenit ", 260, 110},
        {"+Zementit ", 260, 124}, {" Austenit ", 53, 158},
        {"+ Ferrit ", 75, 172},   {" Ferrit ", 52, 206},
        {" Perlit ", 80, 280},    {"+ Ferrit ", 90, 294},
        {" Perlit ", 220, 280},   {"+ Zementit ", 230, 294},
        {"Eutektoid ", 162, 335}, {" Perlit ", 162, 348},
    };
    return labels;
}

TFrames Frames(const TData& data, int width, int height) {
    const int bottom = height - FrameBottomMargin;
    return {MakeZtuFrame(data.ZtuLinks, width - data.ZtuRightMargin, FrameTop, bottom),
            MakeSectionFrame(EkdLinks, width - data.EkdRightMargin, FrameTop, bottom)};
}

TFrames Paint(TPaintBox& surface, const TData& data) {
    TCanvas& c = surface.Canvas;
    const TFrames f = Frames(data, surface.Width(), surface.Height());
    DrawGradient(c, surface.Width(), surface.Height());
    DrawFrameBoxes(c, f);
    DrawGrids(c, f, GridCelsius);

    DrawTemperatureLabels(c, f.Ztu.Links, f.Ztu, TemperatureLabels);
    DrawTemperatureLabels(c, f.Ekd.Links, SectionScale(f), TemperatureLabels);
    DrawTimeLabels(c, f.Ztu, data.TightLastTimeLabel);
    DrawCarbonLabels(c, f.Ekd);

    DrawSection(c, f.Ekd, A3Line);
    c.Font.Color = NearBlack;
    Write(c, data.SectionLabels);
    DrawCurves(c, data.Curves, f.Ztu, NearBlack);
    Write(c, data.FieldLabels);
    DrawSteel(c, data.SteelText, data.Composition, f.Ekd);
    return f;
}

} // namespace ZtuDiagram
