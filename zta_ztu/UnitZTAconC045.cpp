#include "zta_ztu/UnitZTAconC045.h"

TFormZTAcon045* FormZTAcon045 = nullptr;

namespace UnitZTAconC045 {

Variables Unit;

namespace {
using namespace ContinuousZta;
using namespace ZtaScreen;
} // namespace

const ContinuousZta::TData Data{
    .Screen =
        {
            .Caption = "Kontinuierliches Zeit-Temperatur-Austenitisierungs-Schaubild für einen "
                       "unlegierten Stahl mit C =  0.45 % (schematisch) ",
            .Diagram =
                {
                    .EkdLinks = 50,
                    .EkdRightMargin = 390,
                    .TemperatureLabels = ZtaDiagram::TemperatureLabels(),
                    .SectionLabels = ZtaDiagram::SectionLabels(0),
                    .SteelText = " Stahl mit 0.45% C ",
                    .Composition = {0.45L,
                                    780,
                                    {780, 780, {" A(3) = 780°C ", 230, 172}},
                                    {722.4L, 722.4L, {" A(1) = 723°C ", 230, 206}}},
                },
            .OverlayStepsUp = 2.4L,
            .StartCaption = "&Start ZTA-Diagramm",
            .Strip = "ZTAcon045.Gef",
            .ExplanationLines =
                {
                    " Die Grafik soll anhand eines unlegierten Stahles mit ",
                    " 0.45 % Kohlenstoff  die  Austenitbildung in  Abhängigkeit ",
                    " von der Erwärmungsgeschwindigkeit zeigen",
                    " (nach A.Wylk, Atlas zur Wärmebehandlung von Stählen).",
                    " ",
                    " Bei einer Erwärmung von 2.5°C/min beginnt die Austenit-",
                    " bildung (A[c1b]) bei ca. 725°C. Die Karbide (K) gehen in",
                    " Lösung und der Ferrit (F) wandelt in Austenit (A) um, bis ",
                    " beim Erreichen von ca. 780°C (A[c1e], A[c3]) dieser ",
                    " Prozess abgeschlossen ist und ein inhomogener Austenit ",
                    " vorliegt. Erst  oberhalb von  830°C ist der Austenit homogen.",
                    "",
                    " Die A[c1b], A[c1e] und A[c3]-Linien, d. h. die Phasenbe-",
                    " grenzungslinien  werden  mit  zunehmender  Aufheizge-",
                    " schwindigkeit als Folge der zeitabhängigen Diffusion zu ",
                    " höheren Temperatur hin verschoben. Bei einem Kohlen-",
                    " stoffanteil  von  0.45 %  fallen bei  kontinuierlicher  Er-",
                    " wärmung die Linien A[c1e] und A[c3] zusammen.",
                    " Diese Verschiebung zu höheren Temperaturen mit",
                    " zunehmender Aufheizgeschwindigkeit gilt auch für das",
                    " Erreichen der Homogenität des Austenits.",
                    "",
                    " Sind die Umwandlungslinien (A[c1b], A[c3], A[c1e]) für eine ",
                    " bestimmte Legierung empirisch ermittelt worden, so kann",
                    " für jede andere Erwärmungsgeschwindigkeit die Phasen-",
                    " änderung aus dem Diagramm entnommen werden.   ",
                    "",
                    " ",
                },
            .SmallText = {0, 0, 365, 480},
            .LargeText = {10, 30, 460, 550},
        },
    .ButtonCaption = "Sta&rt",
    // 0.85 / 60, 13.3 / 60 and 5.7 pixels at 0.1 s.
    .Heating = {{
        {1,
         0.0141666L,
         54,
         256,
         1,
         {DotAt(218, Blue, -3, -3, 3, 3), DotAt(242, White, -5, 0, 1, 6)},
         {" v = 2.5°C/min ", -50, -20}},
        {0,
         0.2216666L,
         54,
         196,
         3,
         {DotAt(162, Blue, -5, -3, 1, 3), DotAt(183, White, -9, 4, -3, 10)},
         {" v = 35°C/min ", -50, -20}},
        {0,
         5.7L,
         53,
         127,
         3,
         {DotAt(93, Blue, -5, -3, 1, 3), DotAt(111, White, -9, 5, -3, 11)},
         {" v = 900°C/min ", -20, 0}},
    }},
    .Pictures =
        {
            {0,
             404,
             250,
             {OnBlack("   < A(c1b)       ", 404, 355), OnYellow(" Ferrit + Perlit ", 404, 370)}},
            {220,
             515,
             250,
             {OnBlack(" > A(c1b),< A(c3)/A(c1e) ", 510, 355),
              OnYellow(" Ferrit + Austenit +         ", 510, 370),
              OnYellow(" Resteisenkarbid           ", 510, 385)}},
            {241,
             625,
             210,
             {OnBlack(" > A(c3)/A(c1e)       ", 625, 315),
              OnYellow("     Austenit             ", 625, 330)}},
        },
    .Boundaries =
        {
            {Black,
             LineWidth,
             0.0005L,
             262,
             14,
             237,
             39,
             {{TLabelStyle::Name, {" A(c1b) ", -40, -10}}, {TLabelStyle::Field, {" F+P ", 0, 10}}}},
            {Black,
             LineWidth,
             0.0007L,
             235,
             39,
             250,
             40,
             {{TLabelStyle::Name, {" A(c3)/A(c1e) ", -40, -20}},
              {TLabelStyle::Field, {"F+A", 0, 7}},
              {TLabelStyle::Field, {" +K", 30, 13}}}},
            {Grey,
             1,
             0.0037L,
             235,
             50,
             250,
             50,
             {{TLabelStyle::Homogeneity, {" AUSTENIT ", 1, 0}},
              {TLabelStyle::Homogeneity, {" homogen ", 90, 5}},
              {TLabelStyle::Homogeneity, {"inhomogen ", -45, 35}}}},
        },
    .OwnRate = {77, {"v =          °C/min", -20, -2}, 8, -2},
};

} // namespace UnitZTAconC045

TFormZTAcon045::TFormZTAcon045()
    : TContinuousZtaScreen(UnitZTAconC045::Data, UnitZTAconC045::Unit) {}
