#include "shell/UnitALLZTAZTU.h"

TFormALLZTAZTU* FormALLZTAZTU = nullptr;

namespace UnitALLZTAZTU {

Variables Unit;

const TextPageData Page{
    " ZTA/ZTU-Schaubilder",
    120,
    16,
    {750, 460, 20, 10},
    {750, 400, 20, 40},
    {{20, 10,
      " Ein kontinuierliches Zeit-Temperatur-Austenitisierungs-Schaubild gibt Auskunft über die "
      "Austenitbildung in Abhängigkeit"},
     {20, 30, " von der Aufheizgeschwindigkeit."},
     {20, 60,
      " Unter der Austenitbildung (Austenitisieren) versteht man die Entstehung eines homogenen, "
      "feinkörnigen Austenits "},
     {20, 80, " (Gamma-MK-Gefüge) im Stahl."},
     {20, 110,
      " Mit Hilfe des isothermen Zeit-Temperatur-Austenitisierungs-Schaubildes werden "
      "Informationen über die Austenitbildung "},
     {20, 130,
      " nach einem definierten, technisch sinnvollem, zügigem Aufheizen und einer anschließenden "
      "isothermen Versuchsführung "},
     {20, 150, " (konstante Temperatur) geliefert."},
     {20, 180,
      " Ein kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild zeigt den Beginn und das Ende "
      "der Austenitumwandlung "},
     {20, 200, " in Abhängigkeit von stetigen Abkühlgeschwindigkeiten. "},
     {20, 230,
      " Beim isothermen Zeit-Temperatur-Umwandlungs-Schaubild wird aus dem Austenit auf eine "
      "vorgegebene Temperatur  "},
     {20, 250,
      " schnell abgekühlt und anschließend bei isothermer Versuchsführung Beginn und Ende der "
      "Umwandlung verfolgt. "},
     {20, 280,
      " Neben denen aus dem Eisen-Kohlenstoff-Diagramm bekannten Gefügeformen Austenit, Ferrit und "
      "Perlit treten in "},
     {20, 300,
      " ZTU-Schaubildern der Bainit (Zwischenstufengefüge), der im Temperaturbereich zwischen der "
      "Perlit- und Martensitstufe  "},
     {20, 320,
      " entsteht, und der Martensit auf. Der Martensit ist ein feinnadliges, sehr hartes und "
      "sprödes Gefüge, das beim Abschrecken"},
     {20, 340,
      " aus dem Austenit mit derart hohen Abkühlungsgeschwindigkeiten entsteht, so dass der "
      "Kohlenstoff nicht die Zeit hat aus "},
     {20, 360, " dem Eisengitter zu diffundieren und im Martensit zwangsgelöst bleibt."},
     {20, 390,
      " Grundsätzlich wird bei der Darstellung zeitabhängiger Phasenänderungen mit Hilfe von "
      "ZTU/ZTA-Schaubildern"},
     {20, 410,
      " für die Zeitachse eine logarithmische Auftragung gewählt, um die Zeit zu raffen. "}}};

} // namespace UnitALLZTAZTU

TFormALLZTAZTU::TFormALLZTAZTU()
    : TTextPage(UnitALLZTAZTU::Page, UnitALLZTAZTU::Unit.FaktorX, UnitALLZTAZTU::Unit.FaktorY) {}
