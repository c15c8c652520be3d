#include "zta_ztu/UnitZTUisoC045.h"

TFormZTUi045* FormZTUi045 = nullptr;

namespace UnitZTUisoC045 {

Variables Unit;

namespace {
using namespace IsothermalZtu;
constexpr TColor Black = clBlack;
constexpr TColor White = clWhite;
constexpr TColor Blue = clBlue;
} // namespace

const std::vector<std::string>& QuenchLines() {
    static const std::vector<std::string> lines{
        " Die Isotherme (T = 20°C) entspricht einem \"Abschrecken\", ",
        " wie es beispielsweise beim Härten durchgeführt wird. ",
        " Diffusionsvorgänge finden bei Raumtemperatur nicht mehr ",
        " statt. ",
    };
    return lines;
}

namespace {
std::vector<std::string> Explanation() {
    std::vector<std::string> lines{
        " Beim isothermen Zeit-Temperatur-Umwandlungs-Schau-",
        " bild wird aus dem Austenit auf eine vorgegebene Tempe-",
        " ratur schnell abgekühlt und anschließend bei isothermer ",
        " Versuchsführung (konstante Temperatur) Beginn und ",
        " Ende der Umwandlung aufgetragen. Die Grafik zeigt ",
        " dies für unterschiedliche Isothermen  eines unlegierten ",
        " Stahles mit 0.45% Kohlenstoff",
        " (nach A. Wylk, Atlas zur Wärmebehandlung der Stähle). ",
        " ",
        " Beispielsweise beginnt bei einer Temperatur von 670°C ",
        " (Isotherme) nach 4 sec. die Ausscheidung von Ferrit. ",
        " Nach einer Haltedauer von 12 sec schließt sich  die ",
        " Perlitbildung an, die nach etwa 1000 sec abgeschlossen ",
        " ist. ",
        " ",
    };
    lines.insert(lines.end(), QuenchLines().begin(), QuenchLines().end());
    return lines;
}
} // namespace

const TData Data{
    .Caption = "Isothermes Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit "
               "C =  0.45 % (schematisch) ",
    .Diagram =
        {
            .ZtuLinks = 400,
            .ZtuRightMargin = 22,
            .EkdRightMargin = 390,
            .TightLastTimeLabel = false,
            .SectionLabels = ZtuDiagram::NarrowSectionLabels(),
            .SteelText = " Stahl mit 0.45% C ",
            .Composition = {0.45L,
                            780,
                            {780, 780, {" A(3) = 780°C ", 230, 158}},
                            {722.4L, 722.4L, {" A(1) = 723°C ", 230, 189}}},
            .Curves =
                {
                    // the Ms line joined to the start of the ferrite
                    {{0, 350},
                     {1.6L, 350},
                     {1.36L, 400},
                     {1.05L, 500},
                     {1, 550},
                     {1.12L, 600},
                     {1.4L, 646},
                     {1.6L, 666},
                     {1.8L, 684},
                     {2, 696},
                     {3, 736},
                     {4, 752},
                     {5, 766}},
                    // start of the pearlite
                    {{1.33L, 500},
                     {1.25L, 530},
                     {1.25L, 550},
                     {1.32L, 570},
                     {1.47L, 600},
                     {1.6L, 620},
                     {2, 650},
                     {3, 692},
                     {4, 712},
                     {5, 726}},
                    // end of the transformation
                    {{5, 692},
                     {4, 670},
                     {3, 648},
                     {2, 600},
                     {1.85L, 580},
                     {1.82L, 570},
                     {1.79L, 560},
                     {1.77L, 550},
                     {1.85L, 520},
                     {2.05L, 472}},
                    // the bainite nose
                    {{1.16L, 476}, {1.33L, 500}, {1.53L, 484}, {1.8L, 476}, {2.05L, 472}},
                    // start of the bainite below the nose
                    {{5, 210}, {4, 228}, {3, 260}, {2, 310}, {1.8L, 324}, {1.7L, 332}, {1.6L, 350}},
                    // end of the bainite
                    {{5, 288},
                     {4, 302},
                     {3.5L, 316},
                     {3, 336},
                     {2.65L, 360},
                     {2.3L, 400},
                     {2.16L, 420},
                     {2.1L, 454},
                     {2.05L, 472}},
                },
            .FieldLabels = {{"Austenit", 518, 124},
                            {"Ferrit", 568, 177},
                            {"Perlit", 476, 253},
                            {"Bainit", 490, 294},
                            {"Martensit", 422, 342},
                            {"Ms", 428, 296}},
        },
    .OverlayBold = false,
    .SmallText = {0, 0, 373, 350},
    .LargeText = {30, 80, 460, 400},
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
         {{92, Black, -3, -3, 3, 3}, {170, White, -5, -3, 1, 3}},
         220,
         {{" Zwischenstufe ", 10, -15}, {"+ 70% Bainit ", 10, 15}, {"30% Martensit ", 10, 0}}},
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
         {{56, Black, -3, -3, 3, 3}, {72, Blue, -6, -3, 0, 3}, {102, White, -6, -3, 0, 3}},
         220,
         {{"+ 95% Perlit ", 10, 10}, {"5% Ferrit ", 10, -5}}},
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
         {{89, Black, -3, -3, 3, 3}, {128, Black, -3, -3, 3, 3}, {220, White, -3, -3, 3, 3}},
         240,
         {{"+ 80% Perlit ", 10, 0}, {" 20% Ferrit ", 10, -15}}},
    }},
};

} // namespace UnitZTUisoC045

TFormZTUi045::TFormZTUi045() : TIsothermalZtuScreen(UnitZTUisoC045::Data, UnitZTUisoC045::Unit) {}
