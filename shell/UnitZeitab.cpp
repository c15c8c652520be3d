#include "shell/UnitZeitab.h"

TFormZeitAb* FormZeitAb = nullptr;

namespace UnitZeitab {

Variables Unit;

const TextPageData Page{
    "Zeitabhängige Phasenänderungen / Grundlagen der Wärmebehandlung von Stählen",
    120,
    16,
    {750, 460, 20, 10},
    {750, 400, 20, 40},
    {{20, 15,
      "Die Zustandsschaubilder beschreiben Gleichgewichtsverhältnisse in Legierungen, z. B. im "
      "System Eisen-Kohlenstoff,"},
     {20, 40, "die sich nur bei sehr langsamen Temperaturänderungen einstellen.  "},
     {20, 70,
      "Bei der technischen Wärmebehandlung treten allerdings rasche Temperaturänderungen bei der "
      "Prozessführung auf. "},
     {20, 100,
      "Da die Diffusion der Elemente eine zeitabhängige Größe ist, hat die Aufheiz- bzw. "
      "Abkühlgeschwindigkeit einen"},
     {20, 125, "erheblichen Einfluss auf den kristallinen Zustand des metallischen Werkstoffes.  "},
     {20, 150,
      "Dies bedeutet, dass Zustandsdiagramme nur teilweise auf die jeweiligen "
      "Wärmebehandlungsverfahren anwendbar sind, "},
     {20, 175,
      "da sie Art und Zusammensetzung der Phasen während der Temperaturführung nicht immer "
      "widerspiegeln. "},
     {20, 210,
      "Es wird also eine andere Darstellungsweise gewählt, welche die Zeitabhängigkeit der "
      "Umwandlungen berücksichtigt. "},
     {20, 255,
      "Zur Darstellung der Zeitabhänigigkeit der Phasenumwandlungen wendet man folgende "
      "Diagrammformen an: "},
     {20, 290,
      "          - Erwärmung    ----->    Zeit-Temperatur-Austenitisierungsschaubilder (ZTA) "},
     {20, 315,
      "                                                    a) bei kontinuierlicher Erwärmung"},
     {20, 340,
      "                                                    b) bei isothermischer Austenitisierung"},
     {20, 370, "          - Abkühlung     ----->    Zeit-Temperatur-Umwandlungsschaubilder (ZTU) "},
     {20, 395,
      "                                                    a) bei kontinuierlicher Abkühlung"},
     {20, 420,
      "                                                    b) bei isothermischen "
      "Zustandsänderungen"}}};

} // namespace UnitZeitab

TFormZeitAb::TFormZeitAb()
    : TTextPage(UnitZeitab::Page, UnitZeitab::Unit.FaktorX, UnitZeitab::Unit.FaktorY) {}
