#include "ironcarbon/IronCarbonProbe.h"

#include "ironcarbon/IronCarbonGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>

namespace IronCarbonProbe {
namespace {

namespace Geometry = IronCarbonGeometry;
namespace P = DiagramProbe;
using P::MeltSide;
using P::Role;

constexpr int CarbonDecimals = 2;
// Graphite is carbon: the stable system's tie lines end at 100 % C, far right of the diagram.
constexpr long double GraphiteCarbon = 100;

long double CarbonOf(long double x) {
    return (x - Geometry::CarbonZeroX) / Geometry::UnitsPerPercentCarbon;
}

long double CelsiusOf(long double y) {
    return Geometry::BottomCelsius + (Geometry::Frame.Bottom - y) / Geometry::UnitsPerDegree;
}

std::string Carbon(long double x) {
    return P::Decimal(CarbonOf(x), CarbonDecimals) + " % C";
}

// A value as the diagram prints it: without the zeros a decimal ends in.
std::string Printed(long double value) {
    std::string s = P::Decimal(value, CarbonDecimals);
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == ',')
        s.pop_back();
    return s;
}

// The edges of the frame: pure iron on the left, cementite on the right.
void AddEdges(P::Map& m) {
    const TRect f = Geometry::Frame;
    const TPoint iron[] = {{f.Left, f.Top}, {f.Left, f.Bottom}};
    const TPoint cementite[] = {{f.Right, f.Top}, {f.Right, f.Bottom}};
    m.Lines.push_back({"Fe", "reines Eisen, 0 % C", Role::Boundary, P::Course(iron)});
    m.Lines.push_back({"Fe3C", "Zementit (Fe3C), 6,67 % C", Role::Boundary, P::Course(cementite)});
}

P::Map Frame(long double faktorX, long double faktorY) {
    P::Map m;
    const TRect f = Geometry::Frame;
    m.Frame = {static_cast<long double>(f.Left), static_cast<long double>(f.Top),
               static_cast<long double>(f.Right), static_cast<long double>(f.Bottom)};
    m.PixelsX = faktorX;
    m.PixelsY = faktorY;
    m.Position = Position;
    m.Composition = Carbon;
    AddEdges(m);
    return m;
}

// What each line means, by the name the geometry gives it.
const std::map<std::string, std::string>& Meanings() {
    static const std::map<std::string, std::string> meanings{
        {"P–K", "Perlitlinie P–S–K, eutektoidische Linie, 723 °C\nAustenit zerfällt zu Perlit"},
        {"Q–P", "Linie Q–P\nLöslichkeitsgrenze für Kohlenstoff im Ferrit"},
        {"P–G", "Linie G–P\nunterhalb nur Ferrit (α-Mischkristalle)"},
        {"E–F", "Eutektikale E–C–F, 1147 °C\nRestschmelze erstarrt zu Ledeburit"},
        {"S–E", "Linie S–E\nLöslichkeitsgrenze für Kohlenstoff im Austenit, Ausscheidung von "
                "Sekundärzementit"},
        {"S–G", "Linie G–S\nBeginn der Umwandlung Austenit → Ferrit beim Abkühlen"},
        {"H–B", "Peritektikale H–J–B, 1493 °C\nSchmelze + δ-Mischkristalle → Austenit"},
        {"B–C", "Liquiduslinie B–C\nBeginn der Erstarrung zu Austenit"},
        {"C–D", "Liquiduslinie C–D\nBeginn der Ausscheidung von Primärzementit"},
        {"J–E", "Soliduslinie J–E\nEnde der Erstarrung zu Austenit"},
        {"A–H", "Soliduslinie A–H\nEnde der Erstarrung zu δ-Mischkristallen"},
        {"H–N", "Linie N–H\nBeginn der Umwandlung δ-Mischkristalle → Austenit"},
        {"J–N", "Linie N–J\nEnde der Umwandlung δ-Mischkristalle → Austenit"},
        {"A–B", "Liquiduslinie A–B\nBeginn der Erstarrung zu δ-Mischkristallen"},
        {"below C", "eutektisches Gusseisen, 4,3 % C\nLedeburit"},
        {"below E", "2,06 % C\nGrenze zwischen Stahl und Gusseisen"},
        {"below S", "eutektoidischer Stahl, 0,8 % C\nPerlit"},
        {"M–O", "Linie M–O, 769 °C\nmagnetische Umwandlung des Ferrits (Curie-Temperatur)"},
        {"K´–P´", "Perlitlinie P´–S´–K´ des stabilen Systems, 738 °C"},
        {"E´–F´", "Eutektikale E´–C´–F´ des stabilen Systems, 1153 °C"},
        {"S´–E´", "Linie S´–E´\nLöslichkeitsgrenze für Kohlenstoff im Austenit (stabil)"},
        {"C´–D´", "Liquiduslinie C´–D´\nBeginn der Ausscheidung von Graphit"},
        {"Q–P´", "Linie Q–P´\nLöslichkeitsgrenze für Kohlenstoff im Ferrit (stabil)"},
        {"P´–G", "Linie G–P´\nunterhalb nur Ferrit (α-Mischkristalle)"},
        {"S´–G", "Linie G–S´\nBeginn der Umwandlung Austenit → Ferrit beim Abkühlen"},
        {"B–C´", "Liquiduslinie B–C´\nBeginn der Erstarrung zu Austenit"},
        {"J–E´", "Soliduslinie J–E´\nEnde der Erstarrung zu Austenit"},
    };
    return meanings;
}

// What each characteristic point is.
const std::map<std::string, std::string>& Roles() {
    static const std::map<std::string, std::string> roles{
        {"A", "Schmelzpunkt des reinen Eisens"},
        {"H", "größte Löslichkeit für Kohlenstoff in δ-Mischkristallen"},
        {"J", "peritektischer Punkt"},
        {"B", "Schmelze der peritektischen Umsetzung"},
        {"N", "Umwandlung δ → γ des reinen Eisens"},
        {"G", "Umwandlung γ → α des reinen Eisens"},
        {"M", "magnetische Umwandlung"},
        {"O", "magnetische Umwandlung"},
        {"P", "größte Löslichkeit für Kohlenstoff im Ferrit"},
        {"S", "eutektoidischer Punkt"},
        {"K", "Zementit auf der Perlitlinie"},
        {"E", "größte Löslichkeit für Kohlenstoff im Austenit"},
        {"C", "eutektischer Punkt"},
        {"F", "Zementit auf der Eutektikalen"},
        {"D", "Schmelzpunkt des Zementits"},
        {"Q", "Löslichkeit für Kohlenstoff im Ferrit bei 500 °C"},
        {"L", "Zementit bei 500 °C"},
        {"P´", "größte Löslichkeit für Kohlenstoff im Ferrit, stabil"},
        {"S´", "eutektoidischer Punkt, stabil"},
        {"K´", "Perlitlinie des stabilen Systems"},
        {"E´", "größte Löslichkeit für Kohlenstoff im Austenit, stabil"},
        {"C´", "eutektischer Punkt, stabil"},
        {"F´", "Eutektikale des stabilen Systems"},
        {"D´", "Liquiduslinie des Graphits"},
    };
    return roles;
}

Role RoleOf(const Geometry::Line& line, bool stable) {
    if (!stable && line.Kind == Geometry::Stroke::Dashed)
        return line.Name == std::string("M–O") ? Role::Named : Role::Divider;
    if (line.Name == std::string("M–O"))
        return Role::Named;
    return Role::Boundary;
}

void AddLines(P::Map& m, const std::vector<Geometry::Line>& lines, bool stable) {
    for (const Geometry::Line& line : lines) {
        const auto meaning = Meanings().find(line.Name);
        m.Lines.push_back({line.Name, meaning == Meanings().end() ? "" : meaning->second,
                           RoleOf(line, stable), P::Course(line.Points)});
    }
}

void AddMarks(P::Map& m, bool stable) {
    // Both systems share the points the stable view letters in its own colour.
    static const std::string shared[] = {"A", "H", "J", "B", "N", "G"};
    for (const Geometry::CharacteristicPoint& p : Geometry::CharacteristicPoints()) {
        const std::string letter = p.Letter;
        const bool own =
            p.Of == Geometry::System::Both || (p.Of == Geometry::System::Stable) == stable ||
            (stable && std::find(std::begin(shared), std::end(shared), letter) != std::end(shared));
        if (!own)
            continue;
        m.Marks.push_back(
            {"Punkt " + letter + ", " + Roles().at(letter) + ", " + Printed(p.Carbon) + " % C, " +
                 Printed(p.Celsius) + " °C",
             {static_cast<long double>(p.Design.X), static_cast<long double>(p.Design.Y)}});
    }
}

const P::Phase Melt{"Schmelze"};
const P::Phase Delta{"δ-Mischkristalle"};
const P::Phase Austenite{"Austenit"};
const P::Phase Ferrite{"Ferrit"};
const P::Phase Cementite{"Zementit"};
const P::Phase Graphite{"Graphit", Geometry::CarbonX(GraphiteCarbon)};

const char* const MeltName = "Schmelze";
const char* const DeltaName = "δ-Mischkristalle";
const char* const AusteniteName = "Austenit (γ-Mischkristalle)";
const char* const FerriteName = "Ferrit (α-Mischkristalle)";

P::Field Two(std::vector<std::pair<std::string, std::string>> between, std::string name,
             P::Phase left, P::Phase right, MeltSide melt = MeltSide::None) {
    return {std::move(between), std::move(name), "", {std::move(left), std::move(right)}, melt};
}

P::Field One(std::vector<std::pair<std::string, std::string>> between, std::string name) {
    return {std::move(between), std::move(name)};
}

} // namespace

std::string Position(P::Point design) {
    return P::Decimal(CarbonOf(design.X), CarbonDecimals) + " Gew.-% C, " +
           P::Decimal(CelsiusOf(design.Y), 0) + " °C";
}

P::Map Metastable(long double faktorX, long double faktorY) {
    P::Map m = Frame(faktorX, faktorY);
    AddLines(m, Geometry::MetastableLines(), false);
    AddMarks(m, false);
    m.Fields = {
        One({{"Fe", "Fe3C"}, {"A–B", "Fe3C"}, {"B–C", "Fe3C"}, {"B–C", "C–D"}}, MeltName),
        One({{"Fe", "A–H"}, {"Fe", "H–N"}}, DeltaName),
        Two({{"A–H", "A–B"}}, "Schmelze + δ-Mischkristalle", Delta, Melt, MeltSide::Right),
        Two({{"H–N", "J–N"}}, "δ-Mischkristalle + Austenit", Delta, Austenite),
        One({{"J–N", "J–E"}, {"Fe", "J–E"}, {"Fe", "S–E"}, {"S–G", "S–E"}}, AusteniteName),
        Two({{"J–E", "B–C"}}, "Schmelze + Austenit", Austenite, Melt, MeltSide::Right),
        Two({{"C–D", "Fe3C"}}, "Schmelze + Primärzementit", Melt, Cementite, MeltSide::Left),
        Two({{"S–E", "Fe3C"}}, "Austenit + Zementit", Austenite, Cementite),
        Two({{"P–G", "S–G"}}, "Ferrit + Austenit", Ferrite, Austenite),
        One({{"Fe", "P–G"}, {"Fe", "Q–P"}}, FerriteName),
        Two({{"Q–P", "Fe3C"}}, "Ferrit + Zementit", Ferrite, Cementite),
    };
    // Above the eutectoid the ledeburite holds austenite, below it pearlite.
    const long double eutectoid = Geometry::Points::S.Y;
    const long double infinity = std::numeric_limits<long double>::infinity();
    m.Structures = {
        {"S–E", "below E", "Austenit + Sekundärzementit", -infinity, eutectoid},
        {"below E", "below C", "Austenit + Sekundärzementit + Ledeburit", -infinity, eutectoid},
        {"below C", "Fe3C", "Primärzementit + Ledeburit"},
        {"Q–P", "below S", "Ferrit + Perlit"},
        {"below S", "below E", "Perlit + Sekundärzementit", eutectoid, infinity},
        {"below E", "below C", "Perlit + Sekundärzementit + Ledeburit", eutectoid, infinity},
    };
    return m;
}

P::Map Stable(long double faktorX, long double faktorY) {
    P::Map m = Frame(faktorX, faktorY);
    AddLines(m, Geometry::StableViewLines(), true);
    AddMarks(m, true);
    m.Fields = {
        One({{"Fe", "C´–D´"}, {"A–B", "C´–D´"}, {"B–C´", "C´–D´"}}, MeltName),
        Two({{"C´–D´", "Fe3C"}}, "Schmelze + Graphit", Melt, Graphite, MeltSide::Left),
        One({{"Fe", "A–H"}, {"Fe", "H–N"}}, DeltaName),
        Two({{"A–H", "A–B"}}, "Schmelze + δ-Mischkristalle", Delta, Melt, MeltSide::Right),
        Two({{"H–N", "J–N"}}, "δ-Mischkristalle + Austenit", Delta, Austenite),
        One({{"J–N", "J–E´"}, {"Fe", "J–E´"}, {"Fe", "S´–E´"}, {"S´–G", "S´–E´"}}, AusteniteName),
        Two({{"J–E´", "B–C´"}}, "Schmelze + Austenit", Austenite, Melt, MeltSide::Right),
        Two({{"S´–E´", "Fe3C"}}, "Austenit + Graphit", Austenite, Graphite),
        Two({{"P´–G", "S´–G"}}, "Ferrit + Austenit", Ferrite, Austenite),
        One({{"Fe", "P´–G"}, {"Fe", "Q–P´"}}, FerriteName),
        Two({{"Q–P´", "Fe3C"}}, "Ferrit + Graphit", Ferrite, Graphite),
    };
    return m;
}

} // namespace IronCarbonProbe
