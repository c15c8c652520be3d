#pragma once
// The text page on the iron-carbon diagram in general.

#include "shell/TextPage.h"

namespace UnitAllEKD {
struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
};
extern Variables Unit;
extern const TextPageData Page;
} // namespace UnitAllEKD

class TFormAllEKD : public TTextPage {
public:
    TFormAllEKD();
};

extern TFormAllEKD* FormAllEKD;
