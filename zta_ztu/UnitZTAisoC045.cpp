#include "zta_ztu/UnitZTAisoC045.h"

TFormZTAiso045* FormZTAiso045 = nullptr;

namespace UnitZTAisoC045 {

Variables Unit;

namespace {
using namespace ZtaScreen;
using ZtaDiagram::TLine;
constexpr TColor Blue = clBlue;
constexpr TColor White = clWhite;
// The three lines that bound the austenite's forming, and the grey line of its homogeneity.
constexpr TColor LinePen = 10;
constexpr int LineWidth = 2;
constexpr TColor Grey = 0x808080;
// " 800" stands 2.93 steps above the bottom edge, a little below its grid line.
constexpr long double Label800 = ZtaDiagram::BottomCelsius + 2.93L * TimeTemperature::KelvinPerStep;

std::vector<ZtuDiagram::TTemperatureLabel> IsothermalLabels() {
    return {{"1000", 1000, clBlack},
            {" 800", Label800, clBlack},
            {" 600", 600, clYellow},
            {" 400", 400, clWhite}};
}
} // namespace

const TData Data{
    .Screen =
        {
            .Caption = "Isothermes Zeit-Temperatur-Austenitisierungs-Schaubild für einen "
                       "unlegierten Stahl mit C =  0.45 % (schematisch) ",
            .Diagram =
                {
                    .EkdLinks = 40,
                    .EkdRightMargin = 400,
                    .TemperatureLabels = IsothermalLabels(),
                    .SectionLabels = ZtaDiagram::SectionLabels(-10),
                    .SteelText = " Stahl mit 0.45% C ",
                    .Composition = {0.45L,
                                    780,
                                    {780, 780, {" A(3) = 780°C ", 220, 172}},
                                    {722.4L, 722.4L, {" A(1) = 723°C ", 220, 206}}},
                    .Lines =
                        {
                            // A(c1b)
                            TLine{LinePen,
                                  LineWidth,
                                  {{0, 814}, {0.2L, 810}, {0.4L, 802}, {0.6L, 800}},
                                  {{430, 173}, 202, 0.00042L, 690, 430, 723},
                                  {}},
                            // A(c1e)
                            TLine{LinePen,
                                  LineWidth,
                                  {{0, 850}, {0.2L, 848}, {0.6L, 836}},
                                  {{430, 158}, 188, 0.00045L, 690, 430, 723},
                                  {}},
                            // A(c3)
                            TLine{LinePen,
                                  LineWidth,
                                  {{0, 920}, {0.4L, 918}, {0.6L, 914}, {0.8L, 906}, {1.0L, 898}},
                                  {{455, 135}, 181, 0.00045L, 775, 455, 685},
                                  {{5.31L, 784}, {5.9L, 784}}},
                            // homogenisation
                            TLine{Grey,
                                  1,
                                  {},
                                  {{455, 56}, 175, 0.0018L, 715, 455, 685},
                                  {{5.31L, 798}, {5.9L, 792}}},
                        },
                    .FieldLabels = {{" Perlit + Ferrit", 438, 195},
                                    {" A + F + K", 672, 188},
                                    {" A + F ", 518, 159},
                                    {" Austenit ", 428, 43},
                                    {" inhomogen ", 408, 66},
                                    {" homogen ", 508, 66}},
                    .LineLabels = {{" A(c1e) ", 358, 142},
                                   {" A(c1b) ", 358, 157},
                                   {" A(c3) ", 358, 119}},
                },
            .OverlayStepsUp = 2.9L,
            .StartCaption = "&Start Isotherme",
            .Strip = "ZTAiso045.Gef",
            .ExplanationLines =
                {
                    " Beim isothermen Zeit-Temperatur-Austenitisierungs-",
                    " Schaubild wird mit einer definierten Geschwindigkeit  ",
                    " bis zu einer bestimmten Temperatur schnell erwärmt",
                    " und anschließend bei isothermer Versuchsführung ",
                    " (konstante Temperatur) Beginn und Ende der Austenit-",
                    " bildung verfolgt. Die Grafik zeigt dies schematisch",
                    " anhand verschiedener Isothermen für einen unlegierten ",
                    " Stahl mit 0.45% Kohlenstoff",
                    " (nach A. Wylk, Atlas zur Wärmebehandlung der Stähle). ",
                    " ",
                    " Beispielsweise beginnt die Austenitbildung bei einer ",
                    " Isothermen von T= 800°C nach 0.3 s und nach einer ",
                    " Haltedauer von 9 s sind die Karbide aufgelöst.  ",
                    " Nach ca. 1600 s ist schließlich der Ferrit vollständig in ",
                    " Austenit umgewandelt. Erst nach etwa 10500 s ist der ",
                    " Kohlenstoff gleichmäßig im Austenit verteilt und es liegt",
                    " ein homogener Austenit vor.",
                },
            .SmallText = {0, 0, 365, 480},
            .LargeText = {10, 50, 460, 400},
        },
    .Isotherms = {{
        {3,
         300,
         {{21, Blue, -3, -3, 3, 3}, {102, White, -9, -3, -3, 3}, {231, Blue, -3, -3, 3, 3}},
         290,
         " T = 800°C ",
         5,
         -10},
        {3.25L,
         270,
         {{6, White, -9, -3, -3, 3}, {126, Blue, -3, -3, 3, 3}},
         270,
         " T = 850°C ",
         10,
         -10},
        {3.5L, 260, {{45, Blue, -3, -3, 3, 3}}, 260, " T = 900°C ", 10, -8},
    }},
    .Pictures =
        {
            // 130 °C/s at 0.3 steps above the bottom edge, one decade in.
            {0,
             395,
             220,
             {OnGreen("   Aufheizgeschwindigkeit = 130 °C/sec   ", 454, 377),
              OnBlack("   < A(c1b)       ", 405, 325), OnYellow(" Ferrit + Perlit ", 405, 340)}},
            {21,
             508,
             220,
             {OnBlack(" > A(c1b) und < A(c1e) ", 490, 325),
              OnYellow(" Ferrit + Austenit +   ", 490, 340),
              OnYellow(" Resteisenkarbid      ", 490, 355)}},
            {102,
             620,
             220,
             {OnBlack(" > A(c1e) und < A(c3) ", 625, 325),
              OnYellow("     Austenit +              ", 625, 340),
              OnYellow("       Ferrit                   ", 625, 355)}},
            {231, 570, 5, {OnBlack("> A(c3)", 570, 110), OnYellow(" Austenit  ", 610, 110)}},
        },
};

} // namespace UnitZTAisoC045

namespace {
constexpr int IsothermStep = 3;
constexpr int IsothermPenWidth = 2;
} // namespace

TFormZTAiso045::TFormZTAiso045() : TZtaScreen(UnitZTAisoC045::Data.Screen, UnitZTAisoC045::Unit) {
    for (int i = 0; i < static_cast<int>(Timers.size()); ++i)
        Timers[i] = AddTimer([this, i] { IsothermTimer(i); });
}

void TFormZTAiso045::FormCreate() {
    PlaceZta();
}

void TFormZTAiso045::FormClose() {
    Aufheizungskurven->SetEnabled(true);
    MemoErlaeuterung->Hide();
    for (TTimer* timer : Timers)
        timer->SetEnabled(false);
}

void TFormZTAiso045::NEUClick() {
    zta_.BildNr = 0;
    Aufheizungskurven->SetEnabled(true);
    Refresh();
}

void TFormZTAiso045::AufheizungskurvenClick() {
    Timers[0]->SetEnabled(true);
    Aufheizungskurven->SetEnabled(false);
    NEU->SetEnabled(false);
    RestartCurve();
}

int TFormZTAiso045::IsothermY(int i) const {
    const TimeTemperature::TZtuFrame& z = zta_.Frames.Ztu;
    const long double steps = UnitZTAisoC045::Data.Isotherms[i].Steps;
    return z.Unten - z.Oben - Round(steps * static_cast<long double>(z.Stufe));
}

void TFormZTAiso045::IsothermTimer(int i) {
    using namespace UnitZTAisoC045;
    const TIsotherm& t = Data.Isotherms[i];
    TCanvas& c = PaintBoxLog->Canvas;
    int& x = zta_.KurveX;
    float& y = zta_.KurveY;
    if (i == 0) {
        PaintBoxHaupt->Canvas.Font.Color = clWhite;
        DrawPicturesAt(Data.Pictures, x);
    }
    c.Pen = TimeTemperature::MakePen(clRed, IsothermPenWidth);
    y = static_cast<float>(IsothermY(i));
    // The first tick draws the quick heating from the overlay's lower edge, the rest the holding.
    if (x < t.Limit) {
        c.LineTo(x, Round(y));
        x += IsothermStep;
    }
    for (const TDot& d : t.Dots)
        if (x == d.AtX)
            TimeTemperature::Dot(c, clBlue, d.Fill, x + d.Left, Round(y + d.Top), x + d.Right,
                                 Round(y + d.Bottom));
    if (x < t.Stop)
        return;
    CurveCaption(x + t.LabelDx, Round(y + t.LabelDy), t.Label, clWhite, clRed);
    RestartCurve();
    Timers[i]->SetEnabled(false);
    if (i + 1 < static_cast<int>(Timers.size()))
        Timers[i + 1]->SetEnabled(true);
    else
        NEU->SetEnabled(true);
}
