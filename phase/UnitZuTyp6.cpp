#include "phase/UnitZuTyp6.h"

TFormZuTyp6* FormZuTyp6 = nullptr;

namespace UnitZuTyp6 {

Variables Unit;

namespace {
constexpr int RuleLength = 56;
}

const StaticPhase::Data Diagram{
    "Zustandsschaubild mit Umwandlungen im festen Zustand (schematisch)",
    265,
    true,
    clBlack,
    {
        " Dieses Diagramm zeigt eine Phasen-",
        " änderung im festen Zustand, die durch",
        " eine allotrope Umwandlung der Kom-",
        " ponenten hervorgerufen wird.",
        std::string(RuleLength, '-'),
        " Zunächst findet zwischen der Liquidus-",
        " und Soliduslinie beim Abkühlprozeß auf",
        " der gesamten Konzentrationsbreite eine",
        " homogene Mischkristallbildung statt.",
        " Die unterhalb der Linie A-B-C neu ent-",
        " stehenden Kristalle tragen nicht zur MK-",
        " Bildung bei.",
        " Entlang der Linie A-B (B-C)  scheiden ",
        " solange A-Kristalle (B-Kristalle) aus,",
        " bis die Konzentration der homogenen",
        " Mischkristalle die Zusammensetzung in",
        " Punkt B erreicht hat. Unterhalb dieser",
        " Temperatur wandelt der Rest der festen",
        " Lösung (MK) in ein feinverteiltes Kristall-",
        " gemenge von A und B um, dass im Un- ",
        " terschied zum Eutektikum (flüssig) mit",
        " EUTEKTOID bezeichnet wird.",
        " Das technisch wichtigste EUTEKTOID",
        " ist der PERLIT im System Fe-Fe(3)C",
        " = Eisen-Eisenkarbid.",
    },
    {
        {5, 3, "Temperatur/T"},
        {210, 405, "Konzentration/C"},
        {18, 372, "A"},
        {475, 372, "B"},
        {10, 390, "0 %B"},
        {102, 390, " 20"},
        {194, 390, " 40"},
        {288, 390, " 60"},
        {380, 390, " 80"},
        {447, 390, "100 %B"},
        {220, 35, "Schmelze"},
        {130, 70, "Schmelze"},
        {170, 90, "+ Mischkristalle"},
        {200, 190, "Mischkristalle"},
        {50, 260, "Mischkristalle"},
        {50, 280, "+A - Kristalle"},
        {440, 260, "Mk"},
        {410, 280, "+B-Kristalle"},
        {100, 340, "A-Kristalle + Eutektoid"},
        {320, 340, "B-Kristalle + Eutektoid"},
        {300, 302, "Eutektoid"},
        {26, 175, "A"},
        {290, 280, "B"},
        {470, 230, "C"},
    },
    {
        // The transformation lines A-B and B-C meet at the eutectoid point B; the lens of
        // solidus and liquidus spans the whole width.
        StaticPhase::Curve{{20, 188}, 20, 296, {-0.0007L, 450, 317}},
        StaticPhase::Curve{{296, 300}, 296, 480, {-0.0007L, 170, 310}},
        StaticPhase::Curve{{20, 38}, 20, 480, {-0.0004L, 660, 200}},
        StaticPhase::Curve{{20, 38}, 20, 480, {0.0004L, -160, 22}},
        // The eutectoid line and the eutectoid composition.
        StaticPhase::Line{{20, 300}, {480, 300}},
        StaticPhase::Line{{295, 300}, {295, 370}},
    },
};

} // namespace UnitZuTyp6

TFormZuTyp6::TFormZuTyp6() : TStaticPhaseForm(UnitZuTyp6::Diagram, UnitZuTyp6::Unit) {}
