#include "zta_ztu/UnitZTUconC07.h"

#include <climits>

TFormZTUcon07* FormZTUcon07 = nullptr;

namespace UnitZTUconC07 {

Variables Unit;

namespace {
using namespace ContinuousZtu;
constexpr TColor Black = clBlack;
constexpr TColor White = clWhite;
} // namespace

const TData Data{
    .Caption = "Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten "
               "Stahl mit C =  0.70 % (schematisch) ",
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
                            {740, 740, {" A(3) = 745°C ", 230, 158}},
                            {724, 724, {" A(1) = 723°C ", 230, 189}}},
            .Curves =
                {
                    // the Ms line joined to the start of the transformation
                    {{0, 230},
                     {1.75L, 230},
                     {1.15L, 500},
                     {1.13L, 520},
                     {1.11L, 540},
                     {1.12L, 560},
                     {1.15L, 580},
                     {1.2L, 600},
                     {1.25L, 616},
                     {1.32L, 632},
                     {1.42L, 650},
                     {1.6L, 668},
                     {2.16L, 684}},
                    // start of the ferrite
                    {{2.16L, 686}, {5, 726}},
                    // start of the pearlite
                    {{1.6L, 664}, {5, 712}},
                    // end of the transformation
                    {{5, 700},
                     {2.4L, 660},
                     {2.25L, 656},
                     {2.1L, 650},
                     {1.95L, 644},
                     {1.8L, 630},
                     {1.75L, 616},
                     {1.72L, 600},
                     {1.68L, 580},
                     {1.68L, 560},
                     {1.74L, 512},
                     {2.5L, 100}},
                    // a piece of the start of the bainite
                    {{1.26L, 460}, {1.76L, 500}},
                    // a piece of the Ms line
                    {{2.2L, 260}, {1.68L, 230}},
                },
            .FieldLabels = {{"Austenit", 518, 124},
                            {"Ferrit", 484, 189},
                            {"Perlit", 464, 246},
                            {"Bainit", 484, 314},
                            {"Martensit", 406, 369},
                            {"Ms", 428, 337}},
        },
    .Equilibrium =
        {
            .K = 3.61e-4L,
            .A3Celsius = 740,
            .A1Celsius = 724,
            .BoxLeft = 13,
            .BoxBottom = 4.71L,
            .BoxRight = 17.7L,
            .BoxTop = 5.5L,
            .BoxTexts = {{" ~ ", 428, 67},
                         {"Gleichgewicht ", 442, 63},
                         {" sehr langsame ", 436, 76},
                         {" Abkühlung ", 442, 90}},
            .Markers = {{326, Black, -10, -8, -4, -2}, {328, White, -6, -5, 0, 1}},
            .EndTexts = {{" 87 % Perlit ", 414, 124}, {" 13 % Ferrit ", 414, 138}},
        },
    .Curves = {{
        {"Timer004",
         "V004",
         "v = &0.04°C/s",
         0.0152L,
         {{INT_MIN, 238, true, 0, 0, 0, 2}, {238, INT_MAX, true, 0, 0, 0, 1}},
         {{241, Black, -8, -6, -2, 0}, {243, Black, -8, -8, -2, -2}, {246, White, -8, -8, -2, -2}},
         50,
         {{" v = 0.04°C/s ", -40, 0}}},
        {"Timer5",
         "V5",
         "v = &5°C/s",
         3.04L,
         {{INT_MIN, 121, true, 0, 0, 0, 2},
          {121, 133, false, 0, 0, 47, 1, true},
          {133, 190, false, 92, 4.2L, -129, 1, true}},
         {{120, Black, -6, -4, 0, 2}, {126, Black, -8, -5, -2, 1}, {136, White, -3, -5, 3, 1}},
         50,
         {{" v = 5°C/s ", 0, -20}}},
        {"Timer40",
         "V40",
         "v = &40°C/s",
         26.6L,
         {{INT_MIN, 77, true, 0, 0, 0, 3},
          {77, 84, false, 0, 0, 63, 2},
          {84, 150, false, 93, 3.35L, 84, 2}},
         {{80, Black, -9, -8, -3, -2}, {96, White, -7, -14, -1, -8}},
         50,
         {{" v = 40°C/s ", 5, 7}}},
        {"Timer60",
         "V60",
         "v = &60°C/s",
         38,
         {{INT_MIN, 73, true, 0, 0, 0, 3},
          {73, 83, false, 0, 0, 81, 2},
          {83, 150, false, 88, 3.35L, 95, 2}},
         {{72, Black, -7, -4, -1, 2}, {95, Black, -7, -8, -1, -2}, {119, White, -7, -8, -1, -2}},
         30,
         {{" v = 60°C/s ", -30, 12}}},
        {"Timer600",
         "V600",
         "v = 600°C/&s",
         228,
         {{INT_MIN, 37, true, 0, 0, 0, 3},
          {37, 57, false, 93, 3.4L, 297, 3},
          {57, 100, false, 91, 1.8L, 249, 3}},
         {{69, Black, -10, -10, -4, -4}},
         40,
         {{" v = 600°C/s ", -70, 0}}},
    }},
    .TableLines =
        {
            " Geschwindigkeit (°C/s)        600       60       40          5         0.04",
            " Ferritanteil (%)                          -            -            -         3    "
            "        10",
            " Perlitanteil (%)                          -           80      100      97           "
            "90",
            " Bainitanteil (%)                         -           20         -          -        "
            "      -",
            " Martensitanteil (%)                100        -            -          -              "
            "-",
            " Erzielte Härte HV                  900       440      370     280       230",
            "     ",
        },
    .ExplanationLines =
        {
            " Die Darstellung zeigt ein ZTU-Schaubild kontinuierlicher Ab-",
            " kühlung am Beispiel eines unlegierten Stahles mit 0.7% C,",
            " in der Kurven unterschiedlicher stetiger Abkühlungsge-",
            " schwindigkeiten eingetragen sind",
            " (nach A.Wylk, Atlas zur Wärmebehandlung der Stähle).",
            " ",
            " Die Kurve, die annähernd die Abkühlung unter Gleichge-",
            " wichtsbedingungen zeigt, soll den Zusammenhang  zwi-",
            " schen EKD und einem  ZTU-Schaubild wiederspiegeln.",
            " Wird mit einer langsamen Geschwindigkeit (v = 0.04°C/s) ",
            " abgekühlt, so fängt die Ferritbildung bei 710°C an. Die ",
            " Perlitbildung beginnt bei ca. 700°C und ist  bei ca. 685°C ",
            " abgeschlossen.",
            " ",
            " Bei einer Abkühlung mit einer mittleren Geschwindigkeit ",
            " von 60°C/s beginnt die Perlitbildung bei ca. 610°C und ",
            " endet bei ca. 500°C. Bei weiterer Abkühlung entsteht ",
            " Bainit (Ferrit mit feinverteilten Karbiden) und zum Abschluss",
            " Martensit.",
            "",
            " Bei einer mittleren Abkühlgeschwindigkeit von v = 600°C ",
            " werden  Diffusionsvorgänge unterbunden und der Austenit ",
            " klappt unterhalb von 210°C in ein tetragonal verzerrtes Gitter ",
            " um (Martensit).  ",
            "  ",
        },
    .ExplanationReadOnly = false,
    .Small = {{0, 0, 390, 430}, {0, 435, 390, 97}},
    .Large = {{5, 5, 500, 540}, {70, 550, 385, 97}},
    .ManagesTexts = false,
};

} // namespace UnitZTUconC07

TFormZTUcon07::TFormZTUcon07() : TContinuousZtuScreen(UnitZTUconC07::Data, UnitZTUconC07::Unit) {}
