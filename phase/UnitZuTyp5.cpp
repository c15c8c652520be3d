#include "phase/UnitZuTyp5.h"

TFormZuTyp5* FormZuTyp5 = nullptr;

namespace UnitZuTyp5 {

Variables Unit;

namespace {
constexpr int RuleLength = 56;
}

const StaticPhase::Data Diagram{
    "Zustandsschaubild vollkommener Unlöslichkeit im festen Zustand mit intermediären Phasen "
    "(schematisch)",
    267,
    false,
    clWhite,
    {
        " In metallischen Zweistoffsystemen sind",
        " auch intermetallische Verbindungen",
        " möglich. Diese Phasen sind chemische",
        " Verbindungen.",
        std::string(RuleLength, '-'),
        " An dieser Stelle ist der Diagrammtyp",
        " wiedergegeben, bei dem zwischen den",
        " Eutektikum 1 und Eutektikum 2 primär",
        " eine Verbindung A(m)B(n), bestehend",
        " aus den Komponenten A und B,  aus-",
        " scheidet.",
        " Weiterhin besteht für diesen Fall ",
        " vollständige Löslichkeit im flüssigen",
        " und vollständige Unlöslichkeit im festen",
        " Zustand. ",
        " Außerdem kann man das Diagramm",
        " in zwei Teildiagramme zerlegen.",
        " Die Teilung wird in diesem Fall bei einer",
        " Konzentration von 60% B vorgenommen.",
        " Somit erhält man die  Teildiagramme",
        " A-A(m)B(n) und A(m)B(n)-B und die Ver-",
        " bindung A(m)B(n) kann wie ein reiner",
        " Stoff betrachtet werden.",
    },
    // The indices m and n of A(m)B(n) stand 5 px below their letters.
    {
        {110, 252, "Eutektikum 1"},
        {360, 167, "Eutektikum 2"},
        {100, 35, "Schmelze"},
        {350, 35, "Schmelze"},
        {25, 217, "Schmelze"},
        {45, 233, "+A"},
        {260, 100, "Schmelze"},
        {262, 120, "+ A     B   "},
        {283, 125, "m"},
        {305, 125, "n"},
        {427, 133, "Schmelze"},
        {425, 150, "+B"},
        {160, 300, "Eutektikum 1"},
        {167, 320, "+ A     B"},
        {188, 325, "m"},
        {210, 325, "n"},
        {300, 260, "Eutektikum 2"},
        {307, 280, "+ A     B"},
        {328, 285, "m"},
        {350, 285, "n"},
        {70, 300, "A"},
        {30, 320, "+ Eutektikum 1"},
        {430, 260, "B"},
        {392, 275, "+ Eutektikum 2"},
        {400, 95, "Liquiduslinie"},
        {110, 160, "Liquiduslinie"},
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
        {279, 372, "A     B"},
        {290, 376, "m"},
        {312, 376, "n"},
    },
    {
        // The two eutectic lines, and the compound's line with a gap for its label.
        StaticPhase::Pen{2, psSolid},
        StaticPhase::Line{{20, 250}, {296, 250}},
        StaticPhase::Line{{296, 165}, {480, 165}},
        StaticPhase::Line{{296, 88}, {296, 100}},
        StaticPhase::Line{{296, 134}, {296, 370}},
        // The compound's melting point and the two eutectic compositions.
        StaticPhase::Pen{1, psDot},
        StaticPhase::Line{{295, 20}, {295, 88}},
        StaticPhase::Line{{135, 250}, {135, 370}},
        StaticPhase::Line{{388, 165}, {388, 370}},
        // The four branches of the liquidus: A* to eutectic 1 to the compound to eutectic 2
        // to B*.
        StaticPhase::Pen{2, psSolid},
        StaticPhase::Curve{{20, 177}, 20, 135, {-0.0013L, 320, 294}},
        StaticPhase::Curve{{135, 251}, 135, 296, {0.006L, 300, 88}},
        StaticPhase::Curve{{296, 88}, 296, 388, {0.008L, 290, 88}},
        StaticPhase::Curve{{388, 164}, 388, 480, {0.003L, 540, 95}},
    },
};

} // namespace UnitZuTyp5

TFormZuTyp5::TFormZuTyp5() : TStaticPhaseForm(UnitZuTyp5::Diagram, UnitZuTyp5::Unit) {}
