#pragma once
// The text page on the definition of heat treatment.

#include "shell/TextPage.h"

namespace UnitWarme {
struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
};
extern Variables Unit;
extern const TextPageData Page;
} // namespace UnitWarme

class TFormWarme : public TTextPage {
public:
    TFormWarme();
};

extern TFormWarme* FormWarme;
