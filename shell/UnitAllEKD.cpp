#include "shell/UnitAllEKD.h"

TFormAllEKD* FormAllEKD = nullptr;

namespace UnitAllEKD {

Variables Unit;

const TextPageData Page{
    "Allgemeines zum Eisen-Kohlenstoff-Schaubild",
    120,
    16,
    {720, 510, 40, 10},
    {720, 450, 40, 40},
    {{20, 10,
      "Das Zustandsschaubild Eisen-Kohlenstoff ist ein Zweistoffsystem und macht Aussagen über"},
     {20, 40, "Gleichgewichtsverhältnisse im System Eisen-Kohlenstoff."},
     {20, 80,
      "Es bildet eine wichtige Grundlage für technische Eisenlegierungen, insbesondere für die "
      "Wärmebehandlung"},
     {20, 110,
      "von Stählen, mit der man neben der Auswahl von Legierungselementen gezielt Einfluss auf "
      "deren"},
     {20, 140, "Eigenschaften nehmen kann."},
     {20, 180,
      "Mit Hilfe des Eisen-Kohlenstoff-Schaubildes wird festgestellt, in welchem Zustand sich ein "
      "unlegierter Stahl mit"},
     {20, 210,
      "bekanntem Kohlenstoffgehalt bei einer bestimmten Temperatur befindet und welche "
      "Gefügeveränderungen bei"},
     {20, 240, "Temperaturänderungen zu erwarten sind.  "},
     {20, 280,
      "Eisen (Fe) ist ein Schwermetall (Dichte 7.85 g/qqcm) und ist als reines Metall zäher und "
      "weicher als Stahl."},
     {20, 310, "Es wird technisch nur für ganz bestimmte Aufgaben verwendet."},
     {20, 350,
      "Kohlenstoff (C) kann in der Natur in verschiedenen Modifikationen vorkommen (Graphit oder "
      "Diamant).  "},
     {20, 380,
      "In Eisenwerkstoffen liegt er atomar in den Mischkristallen Ferrit und Austenit vor, "
      "gebunden an Eisen als   "},
     {20, 410, "Eisenkarbid (Zementit) oder ungebunden als Graphit.  "},
     {20, 450,
      "Der Kohlenstoff ist ein wichtiges Begleitelement des Eisens und geringe Unterschiede im "
      "Gehalt beeinflussen  "},
     {20, 480, "die mechanischen und technologischen Stahleigenschaften deutlich.   "}}};

} // namespace UnitAllEKD

TFormAllEKD::TFormAllEKD()
    : TTextPage(UnitAllEKD::Page, UnitAllEKD::Unit.FaktorX, UnitAllEKD::Unit.FaktorY) {}
