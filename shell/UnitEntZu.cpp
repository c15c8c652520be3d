#include "shell/UnitEntZu.h"

TFormEntZu* FormEntZu = nullptr;

namespace UnitEntZu {

Variables Unit;

const TextPageData Page{
    "Entstehung von  Zustandsschaubildern",
    120,
    16,
    {720, 512, 40, 10},
    {720, 450, 40, 40},
    {{30, 20,
      "Die thermische Analyse ist eine Möglichkeit, den Erstarrungstyp einer Zweistofflegierung zu "
      "ermitteln."},
     {30, 50,
      "Dabei werden Abkühlungs- bzw. Aufheizkurven der reinen Elemente und von Legierungen "},
     {30, 80,
      "unterschiedlicher Konzentrationen der Elemente A und B in Abhängigkeit von der Zeit t "
      "ermittelt."},
     {30, 110,
      "In den Temperatur-Zeit-Kurven entstehen bei dem Verfahren charakteristische "
      "Unstetigkeiten."},
     {80, 150, "- Haltepunkte"},
     {80, 180, "- Knickpunkte"},
     {30, 240,
      "Bis zur vollständigen Phasenumwandlung bleibt die Temperatur der Legierung konstant,"},
     {30, 270,
      "weil Wärmeenergie bei der Umwandlung \"freigesetzt\" (Abkühlung) bzw. \"verbraucht\" "
      "(Aufheizung) wird. "},
     {30, 300,
      "Die Haltepunkte sind charakteristisch für reine Stoffe und eutektische Zusammensetzungen."},
     {30, 350,
      "Hier liegen Temperaturbereiche vor, die vorzugsweise bei Legierungen während der "
      "Kristallisation"},
     {30, 380,
      "fester Bestandteile aus der Schmelze bzw. bei der Erwärmung durch Auflösen auftreten."},
     {30, 410,
      "Auch hier wird Wärmeenergie \"freigesetzt\" (Abkühlung), bzw. \"gebunden\" (Aufheizung)."},
     {30, 460,
      "Im folgenden wird auf die Aufstellung zweier Grundtypen und desweiteren auf "
      "unterschiedliche"},
     {30, 490,
      "\"Diagrammtypen\" im idealisierten Zustand mit Hilfe grafischer Darstellungen "
      "eingegangen."}}};

} // namespace UnitEntZu

TFormEntZu::TFormEntZu()
    : TTextPage(UnitEntZu::Page, UnitEntZu::Unit.FaktorX, UnitEntZu::Unit.FaktorY) {}
