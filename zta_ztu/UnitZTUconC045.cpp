#include "zta_ztu/UnitZTUconC045.h"

#include <climits>

TFormZTUcon045* FormZTUcon045 = nullptr;

namespace UnitZTUconC045 {

Variables Unit;

namespace {
using namespace ContinuousZtu;
constexpr TColor Black = clBlack;
constexpr TColor White = clWhite;
} // namespace

const TData Data{
    .Caption = "Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten "
               "Stahl mit C =  0.45 % (schematisch) ",
    .Diagram =
        {
            .ZtuLinks = 412,
            .ZtuRightMargin = 10,
            .EkdRightMargin = 380,
            .TightLastTimeLabel = true,
            .SectionLabels = {{"G", 53, 104},
                              {"S", 169, 185},
                              {"E", 349, 29},
                              {"P", 57, 168},
                              {"723°C", 331, 189},
                              {"1147°C", 299, 36},
                              {" Austenit ", 160, 90},
                              {" Austenit ", 270, 110},
                              {"+Zementit ", 270, 124},
                              {" Austenit ", 58, 158},
                              {"+ Ferrit ", 74, 172},
                              {" Ferrit ", 62, 206},
                              {" Perlit ", 70, 280},
                              {"+ Ferrit ", 72, 294},
                              {" Perlit ", 230, 280},
                              {"+ Zementit ", 240, 294},
                              {"Eutektoid ", 170, 335},
                              {" Perlit ", 170, 348}},
            .SteelText = " Stahl mit 0.45% C ",
            .Composition = {0.45L,
                            780,
                            {780, 780, {" A(3) = 780°C ", 240, 149}},
                            {722.4L, 722.4L, {" A(1) = 723°C ", 240, 189}}},
            .Curves =
                {
                    // Ms line
                    {{0, 340}, {1.47L, 340}, {2.47L, 276}},
                    // end of the transformation
                    {{2.65L, 140},
                     {2, 600},
                     {2.02L, 610},
                     {2.1L, 620},
                     {2.2L, 630},
                     {3, 646},
                     {4, 664},
                     {5, 678}},
                    // start of the pearlite
                    {{1.29L, 520},
                     {1.37L, 564},
                     {1.4L, 578},
                     {1.5L, 600},
                     {1.7L, 620},
                     {1.85L, 636},
                     {2, 644},
                     {2.02L, 648},
                     {2.1L, 650},
                     {2.2L, 652},
                     {3, 670},
                     {4, 686},
                     {5, 700}},
                    // start of the ferrite, below the nose the start of the bainite
                    {{5, 744},
                     {4, 728},
                     {3, 716},
                     {2, 696},
                     {1.8L, 688},
                     {1.6L, 680},
                     {1.4L, 666},
                     {1.22L, 640},
                     {1.17L, 628},
                     {1.16L, 596},
                     {1.36L, 470}},
                    // from the Ms line to the end of the transformation
                    {{1.47L, 340}, {1.32L, 400}, {1.28L, 420}, {1.32L, 460}, {2, 600}},
                },
            .FieldLabels = {{"Austenit", 534, 124},
                            {"Ferrit", 499, 199},
                            {"Perlit", 487, 233},
                            {"Bainit", 499, 274},
                            {"Martensit", 418, 369},
                            {"Ms", 441, 301}},
        },
    .Equilibrium =
        {
            .K = 3.61e-4L,
            .A3Celsius = 780,
            .A1Celsius = 722.4L,
            .BoxLeft = 13,
            .BoxBottom = 4.71L,
            .BoxRight = 17.7L,
            .BoxTop = 5.5L,
            .BoxTexts = {{" ~ ", 442, 67},
                         {"Gleichgewicht ", 456, 63},
                         {" sehr langsame ", 450, 76},
                         {" Abkühlung ", 456, 90}},
            .Markers = {{310, Black, -15, -8, -9, -2}, {328, White, -6, -5, 0, 1}},
            .EndTexts = {{" 55 % Perlit ", 427, 124}, {" 45 % Ferrit ", 427, 138}},
        },
    .Curves = {{
        {"Timer004",
         "V004",
         "v = &0.04 °C/s",
         0.0152L,
         {{INT_MIN, 238, true, 0, 0, 0, 2}, {238, INT_MAX, true, 0, 0, 0, 1}},
         {{236, Black, -8, -6, -2, 0}, {246, Black, -6, -7, 0, -1}, {250, White, -6, -8, 0, -2}},
         50,
         {{" v = 0.04°C/s ", -40, 0}, {" Normalisiert ", -40, 16}},
         TPicture::Normalised},
        {"Timer06",
         "V06",
         "v = 0.&6 °C/s",
         0.38L,
         {{INT_MIN, 168, true, 0, 0, 0, 2}, {168, 230, false, 91, 3.3L, -214, 1, true}},
         {{166, Black, -8, -7, -2, -1}, {172, Black, -5, -7, 1, -1}, {176, White, -6, -12, 0, -6}},
         50,
         {{" v = 0.6°C/s ", -20, -20}}},
        {"Timer20",
         "V15",
         "v = &15 °C/s",
         9.12L,
         {{INT_MIN, 100, true, 0, 0, 0, 3},
          {100, 113, false, 0, 0, 58, 2},
          {113, 170, false, 0, 4, -392, 2}},
         {{96, Black, -7, -6, -1, 0}, {104, Black, -7, -3, -1, 3}, {118, White, -7, -12, -1, -5}},
         50,
         {{" v = 15°C/s ", 5, 7}}},
        {"Timer60",
         "V60",
         "v = 60 °&C/s",
         38,
         {{INT_MIN, 73, true, 0, 0, 0, 3},
          {73, 80, false, 0, 0, 81, 2},
          {80, 150, false, 88, 3.35L, 110, 2}},
         {{72, Black, -10, -14, -4, -8},
          {83, Black, -10, -10, -4, -4},
          {91, Black, -8, -16, -2, -10},
          {109, White, -7, -8, -1, -2}},
         30,
         {{" v = 60°C/s ", -40, -10}}},
        {"Timer600",
         "V600",
         "v = 600 °C/&s",
         258.4L,
         {{INT_MIN, 44, true, 0, 0, 0, 3}, {44, 80, false, 93, 2.4L, 277, 3}},
         {{51, Black, -9, -13, -3, -7}},
         40,
         {{" v = 600°C/s ", -70, -10}, {"   Martensit   ", -70, 7}},
         TPicture::Martensite},
    }},
    .TableLines =
        {
            " Geschwindigkeit (°C/s)              600     60       15       0.6       0.04",
            " Ferritanteil (%)                                 -         5        20       36   "
            "        42",
            " Perlitanteil (%)                                 -        50       80       64   "
            "        58",
            " Bainitanteil (%)                                -        20         -           - "
            "            -",
            " Martensitanteil (%)                      100     25          -           -         "
            "   -",
            " Erzielte Härte HV                        780    390      280     200      190",
            "     ",
        },
    .ExplanationLines =
        {
            " Die Darstellung zeigt ein ZTU-Schaubild kontinuierlicher Ab-",
            " kühlung am Beispiel eines unlegierten Stahls mit 0.45% C,",
            " in der Kurven unterschiedlicher stetiger Abkühlungsgeschwin-",
            " digkeiten eingetragen sind",
            " (nach A.Wylk, Atlas zur Wärmebehandlung der Stähle).",
            "",
            " Die Kurve, die annähernd die Abkühlung unter Gleichgewichts-",
            " bedingungen zeigt, soll den Zusammenhang zwischen EKD",
            " und einem  ZTU-Schaubild wiederspiegeln.",
            "",
            " Kühlt man beispielsweise nach einer durchgeführten Austenit-.",
            " isierung von 800°C mit einer mittleren Geschwindigkeit von ",
            " 0.6°C/s ab, so entsteht ab 720°C zunächst Ferrit. Nach Unter- ",
            " schreitung von 670°C beginnt die Perlitbildung und bei 650°C ",
            " ist die Umwandlung beendet.",
            "",
            " Bei einer Abkühlung mit einer mittleren Geschwindigkeit von ",
            " 60°C/s beginnt die Ferritbildung bei ca. 635°C, bei 580°C be-",
            " ginnt die Perlitbildung und bei 510°C schließt sich die Bildung ",
            " des Bainits (Ferrit mit feinverteilten Karbiden) an. Unterhalb von ",
            " 320°C bildet sich aus dem noch verbliebenen Austenit Martensit.",
            "",
            " Wird von der Austenitisiertemperatur so schnell abgekühlt",
            " (v = 600°C/s), dass für Diffusionsvorgänge keine Zeit verbleibt, ",
            " entsteht unterhalb von  345°C  infolge eines Umklappens  des ",
            " kfz-Gitter in ein tetragonal verspanntes Gitter, indem der Kohlen-",
            " stoff zwangsweise eingelagert ist, Martensit.",
            "  ",
            " ",
        },
    .ExplanationReadOnly = true,
    .Small = {{0, 0, 410, 480}, {0, 435, 385, 97}},
    .Large = {{5, 5, 500, 560}, {70, 550, 385, 97}},
    .ManagesTexts = true,
};

} // namespace UnitZTUconC045

TFormZTUcon045::TFormZTUcon045()
    : TContinuousZtuScreen(UnitZTUconC045::Data, UnitZTUconC045::Unit) {}
