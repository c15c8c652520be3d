#include "zta_ztu/UnitZTUisoC07.h"

#include "zta_ztu/UnitZTUisoC045.h"

TFormZTUi07* FormZTUi07 = nullptr;

namespace UnitZTUisoC07 {

Variables Unit;

namespace {
using namespace IsothermalZtu;
constexpr TColor Black = clBlack;
constexpr TColor White = clWhite;

std::vector<std::string> Explanation() {
    std::vector<std::string> lines{
        " Beim isothermen Zeit-Temperatur-Umwandlungs-Schau-",
        " bild wird aus dem Austenit auf eine vorgegebene Tempe-",
        " ratur schnell abgekühlt und anschließend bei isothermer ",
        " Versuchsführung (konstante Temperatur) Beginn und ",
        " Ende der Umwandlung aufgetragen. Die Grafik zeigt ",
        " dies für unterschiedliche Isothermen eines unlegierten ",
        " Stahles mit 0.7% Kohlenstoff",
        " (nach A. Wylk, Atlas zur Wärmebehandlung der Stähle). ",
        " ",
        " Beispielsweise beginnt bei einer Temperatur von 670°C ",
        " (Isotherme) nach 1.5 sec. die Ausscheidung von Ferrit. ",
        " Der Beginn und das Ende der Perlitbildung erfolgt ",
        " im Vergleich zu einem unlegierten Stahl mit niedrigeren",
        " Kohlenstoffgehalt (siehe unlegierter Stahl C = 0.45%)",
        " bei gleicher Isotherme schneller. ",
        " ",
    };
    const std::vector<std::string>& quench = UnitZTUisoC045::QuenchLines();
    lines.insert(lines.end(), quench.begin(), quench.end());
    return lines;
}

} // namespace

const TData Data{
    .Caption = "Isothermes Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit "
               "C =  0.70 % (schematisch) ",
    .Diagram =
        {
            .ZtuLinks = 400,
            .ZtuRightMargin = 22,
            .EkdRightMargin = 390,
            .TightLastTimeLabel = false,
            .SectionLabels = ZtuDiagram::NarrowSectionLabels(),
            .SteelText = " Stahl mit 0.7% C ",
            .Composition = {0.7L,
                            742,
                            {742, 744, {" A(3) = 745°C ", 230, 158}},
                            {722, 722, {" A(1) = 723°C ", 230, 189}}},
            .Curves =
                {
                    // the Ms line joined to the start of the transformation
                    {{0, 230},
                     {3.45L, 230},
                     {2.3L, 335},
                     {1.48L, 400},
                     {1.28L, 420},
                     {1, 460},
                     {0.86L, 488},
                     {0.76L, 530},
                     {0.78L, 560},
                     {0.84L, 600},
                     {0.92L, 620},
                     {1, 636},
                     {1.2L, 670},
                     {1.27L, 676},
                     {1.4L, 688},
                     {2, 718},
                     {3, 732},
                     {4, 744},
                     {5, 750}},
                    // start of the pearlite
                    {{1, 636},
                     {1.26L, 664},
                     {1.3L, 664},
                     {1.44L, 680},
                     {2.05L, 710},
                     {3, 724},
                     {4, 732},
                     {5, 740}},
                    // end of the transformation
                    {{5, 220},
                     {4.5L, 240},
                     {4, 270},
                     {2.85L, 380},
                     {2.82L, 394},
                     {2.5L, 400},
                     {2.2L, 410},
                     {2, 420},
                     {1.7L, 450},
                     {1.5L, 480},
                     {1.32L, 530},
                     {1.41L, 580},
                     {1.5L, 600},
                     {1.67L, 620},
                     {2, 650},
                     {2.28L, 670},
                     {3, 700},
                     {4, 720},
                     {5, 730}},
                    // a piece of the bainite
                    {{2.4L, 400}, {1.7L, 420}, {1.4L, 432}, {1, 460}},
                    // the Ms line continued
                    {{3.45L, 230}, {4, 200}, {4.5L, 180}, {5, 166}},
                },
            .FieldLabels = {{"Austenit", 518, 124},
                            {"Ferrit", 456, 184},
                            {"Perlit", 450, 219},
                            {"Bainit", 520, 301},
                            {"Martensit", 422, 389},
                            {"Ms", 428, 337}},
        },
    .OverlayBold = true,
    .SmallText = {0, 0, 374, 390},
    .LargeText = {30, 80, 460, 450},
    .ExplanationLines = Explanation(),
    .Isotherms = {{
        {"Timer20",
         "T20",
         "T = &20°C",
         10,
         true,
         11,
         19,
         19,
         false,
         270,
         {},
         200,
         {{" Abschrecken auf Raumtemperatur ", -100, -35}, {" Martensit ", 0, -20}}},
        {"Timer330",
         "T330",
         "T = &330°C",
         7,
         false,
         7,
         13,
         13,
         false,
         164,
         {{127, Black, -3, -3, 3, 3}, {176, White, -3, -3, 3, 3}},
         220,
         {{" Zwischenstufe ", 10, -15}, {" Bainit ", 10, 0}}},
        {"Timer530",
         "T530",
         "T = &530°C",
         4,
         false,
         4,
         21,
         13,
         true,
         98,
         {{42, Black, -3, -3, 3, 3}, {72, White, -3, -3, 3, 3}},
         220,
         {{" Perlit ", 10, -5}}},
        {"Timer670",
         "T670",
         "T = &670°C",
         2,
         false,
         2,
         24,
         13,
         true,
         50,
         {{65, Black, -3, -3, 3, 3}, {72, Black, -3, -3, 3, 3}, {121, White, -3, -3, 3, 3}},
         220,
         {{" 5% Ferrit ", 10, -15}, {" + 95% Perlit ", 10, 0}}},
    }},
};

} // namespace UnitZTUisoC07

TFormZTUi07::TFormZTUi07() : TIsothermalZtuScreen(UnitZTUisoC07::Data, UnitZTUisoC07::Unit) {}
