#include "shell/UnitAllZu.h"

TFormAllZu* FormAllZu = nullptr;

namespace UnitAllZu {

Variables Unit;

const TextPageData Page{
    "Allgemeines zu  Zustandsschaubildern",
    96,
    13,
    {720, 480, 40, 10},
    {720, 400, 40, 50},
    {{30, 20, "Zustandsschaubilder sind Gleichgewichtsdiagramme, d. h. sie liefern Aussagen über "},
     {150, 45, "- Aggregatzustände (fest, flüssig, gasförmig) "},
     {150, 70, "- Anzahl der Phasen und Phasenveränderungen  "},
     {150, 95, "- chemische Zusammensetzung"},
     {30, 120, "in Legierungen im thermodynamischen Gleichgewicht."},
     {30, 160,
      "Bei der Darstellung von Zustandsschaubildern, hier metallische Zweistoffsysteme, kommt "
      "man "},
     {30, 185, "üblicherweise mit den beiden Zustandsgrößen "},
     {150, 210, "- Konzentration c (Anteile der Komponenten A und B)"},
     {150, 235, "- Temperatur T der Legierung"},
     {30, 260,
      "aus, da der Dampfzustand und damit der Druck in der Regel nicht berücksichtigt wird."},
     {30, 300, "In einem cartesischen Koordinatensystem wird somit auf der"},
     {150, 325, "- Abzisse (Waagerechten) die Konzentration c"},
     {150, 350, "- Ordinate (Senkrechten) die Temperatur T"},
     {30, 375, "aufgetragen."},
     {30, 415,
      "Durch unterscheidbare Linien ist das jeweilige Diagramm in mehrere Zustandsfelder "
      "unterteilt."},
     {30, 440, "In diesen Felder liegt ein gleichartiger Aufbau der Phase vor."}}};

} // namespace UnitAllZu

TFormAllZu::TFormAllZu()
    : TTextPage(UnitAllZu::Page, UnitAllZu::Unit.FaktorX, UnitAllZu::Unit.FaktorY) {}
