#include "shell/UnitWarme.h"

TFormWarme* FormWarme = nullptr;

namespace UnitWarme {

Variables Unit;

const TextPageData Page{
    "Wärmebehandlung",
    120,
    16,
    {640, 330, 60, 70},
    {600, 300, 80, 70},
    {{20, 60, "\"Die Wärmebehandlung ist ein Vorgang, in dessen Verlauf ein Werkstück oder"},
     {20, 100, " ein Bereich eines Werkstückes absichtlich Temperatur-Zeit-Folgen und/oder"},
     {20, 140, " chemischen Einwirkungen ausgesetzt wird, um ihm Eigenschaften zu verleihen"},
     {20, 180, " die für seine Weiterverarbeitung oder Verwendung erforderlich sind.\""},
     {420, 260, " Definition nach DIN EN 10052"}}};

} // namespace UnitWarme

TFormWarme::TFormWarme()
    : TTextPage(UnitWarme::Page, UnitWarme::Unit.FaktorX, UnitWarme::Unit.FaktorY) {}
