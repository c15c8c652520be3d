#include "zta_ztu/UnitZTAconC07.h"

TFormZTAcon07* FormZTAcon07 = nullptr;

namespace UnitZTAconC07 {

Variables Unit;

namespace {
using namespace ContinuousZta;
using namespace ZtaScreen;
} // namespace

const ContinuousZta::TData Data{
    .Screen =
        {
            .Caption = "Kontinuierliches Zeit-Temperatur-Austenitisierungs-Schaubild für einen "
                       "unlegierten Stahl mit C =  0.70 % (schematisch) ",
            .Diagram =
                {
                    .EkdLinks = 50,
                    .EkdRightMargin = 390,
                    .TemperatureLabels = ZtaDiagram::TemperatureLabels(),
                    .SectionLabels = ZtaDiagram::SectionLabels(0),
                    .SteelText = " Stahl mit 0.7% C ",
                    // The box stands a step further left, clear of the richer steel's marks.
                    .Composition = {0.7L,
                                    742,
                                    {742, 744, {" A(3) = 745°C ", 230, 172}},
                                    {722, 722, {" A(1) = 723°C ", 230, 206}},
                                    0.2L},
                },
            .OverlayStepsUp = 2.4L,
            .StartCaption = "&Start ZTA-Diagramm",
            .Strip = "ZTAcon07.Gef",
            .ExplanationLines =
                {
                    " Die Grafik soll anhand eines unlegierten Stahles mit ",
                    " 0.70 % Kohlenstoff  die  Austenitbildung in  Abhängigkeit ",
                    " von der Erwärmungsgeschwindigkeit zeigen",
                    " (nach A.Wylk, Atlas zur Wärmebehandlung von Stählen).",
                    " ",
                    " Wird die Legierung z. B. mit 35°C/min aufgeheizt, so ",
                    " beginnt die Austenitumwandlung (A[c1b]) bei ca. 730°C. ",
                    " Die Karbide (K) gehen  in Lösung und der Ferrit (F) wandelt  ",
                    " in Austenit (A) um bis schließlich beim Erreichen von 750°C ",
                    " ( A[c3]) kein Ferrit mehr vorliegt. Es bleiben allerdings noch ",
                    " Resteisenkarbide  übrig, die oberhalb 850°C aufgelöst wer-",
                    " den. Ein homogener Austenit liegt erst oberhalb 920°C vor.",
                    "",
                    " Die A[c1b], A[c1e] und A[c3]-Linien, d. h. alle Phasenbe-",
                    " grenzungslinien  werden  mit  zunehmender  Aufheizge-",
                    " schwindigkeit als Folge der zeitabhängigen Diffusion zu ",
                    " höheren Temperatur hin verschoben, wobei bei einem ",
                    " Kohlenstoffanteil  von  0.70 %  bei  kontinuierlicher  Er-",
                    " wärmung das Ende der Karbidauflösung A[c1e] bei deut-",
                    " lich höheren Temperatur liegt als die abgeschlossene ",
                    " Ferrit/Austenit Umwandlung.",
                    " Diese Verschiebung zu höheren Temperaturen bei",
                    " zunehmender Aufheizgeschwindigkeit gilt auch für das",
                    " Erreichen der Homogenität des Austenits.",
                    " Sind die Umwandlungslinien (A[c1b], A[c3], A[c1e]) für eine ",
                    " bestimmte Legierung empirisch ermittelt worden, so kann",
                    " für jede andere Erwärmungsgeschwindigkeit die Phasen-",
                    " änderung aus dem Diagramm entnommen werden.   ",
                    "",
                    " ",
                },
            .SmallText = {0, 0, 365, 480},
            .LargeText = {10, 30, 460, 610},
        },
    .ButtonCaption = "S&tart",
    // The faster curves mark their crossings by temperature rather than by time.
    .Heating = {{
        {1,
         0.0141666L,
         54,
         260,
         1,
         {DotAt(219, Blue, -3, -3, 3, 3), DotAt(232, White, -6, 0, 0, 6),
          DotAt(255, White, -6, 4, 0, 10)},
         {" v = 2.5°C/min ", 0, -20}},
        {0,
         0.2216666L,
         54,
         200,
         3,
         {DotBetween(178, 180, Blue, -3, -4, 3, 2), DotBetween(164, 167, White, -7, -1, -1, 5),
          DotBetween(110, 125, White, -9, 7, -3, 13)},
         {" v = 35°C/min ", -30, -20}},
        {0,
         5.7L,
         53,
         132,
         3,
         {DotBetween(165, 168, Blue, -5, -4, 1, 2), DotBetween(150, 154, White, -7, -1, -1, 5),
          DotBetween(110, 120, White, -8, 5, -2, 11)},
         {" v = 900°C/min ", -20, -15}},
    }},
    .Pictures =
        {
            {0,
             410,
             250,
             {OnBlack("   < A(c1b)       ", 410, 355), OnYellow(" Ferrit + Perlit   ", 410, 370)}},
            {220,
             520,
             250,
             {OnBlack(" > A(c1b) und < A(c3) ", 500, 355),
              OnYellow(" Ferrit + Austenit +   ", 500, 370),
              OnYellow(" Resteisenkarbid      ", 500, 385)}},
            {232,
             630,
             250,
             {OnBlack(" > A(c3) und < A(c1e) ", 625, 355),
              OnYellow("     Austenit +           ", 625, 370),
              OnYellow("   Resteisenkarbid   ", 625, 385)}},
            {254,
             645,
             1,
             {OnBlack("     > A(c1e)     ", 565, 11), OnYellow("     Austenit     ", 565, 26)}},
        },
    .Boundaries =
        {
            {Black,
             LineWidth,
             0.0006L,
             270,
             14,
             237,
             39,
             {{TLabelStyle::Name, {" A(c1b) ", -40, -10}},
              {TLabelStyle::Field, {" F+P ", -5, 20}}}},
            {Black,
             LineWidth,
             0.0007L,
             270,
             24,
             250,
             40,
             {{TLabelStyle::Name, {" A(c3) ", -40, -20}},
              {TLabelStyle::Field, {"F+A", 0, 3}},
              {TLabelStyle::Field, {"+K", 24, 9}}}},
            {Black,
             LineWidth,
             0.0005L,
             280,
             66,
             250,
             40,
             {{TLabelStyle::Name, {" A(c1e) ", -30, -20}}, {TLabelStyle::Field, {"A+K", 0, 9}}}},
            {Grey,
             1,
             0.002L,
             290,
             80,
             270,
             50,
             {{TLabelStyle::Homogeneity, {" AUSTENIT ", 1, 0}},
              {TLabelStyle::Homogeneity, {" homogen ", 40, 15}},
              {TLabelStyle::Homogeneity, {"inhomogen ", -30, 35}}}},
        },
    .OwnRate = {53, {"v =          °C/min", -80, 35}, -52, 35},
};

} // namespace UnitZTAconC07

TFormZTAcon07::TFormZTAcon07() : TContinuousZtaScreen(UnitZTAconC07::Data, UnitZTAconC07::Unit) {}
