#pragma once
// The text page on time-dependent transformations.

#include "shell/TextPage.h"

namespace UnitZeitab {
struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
};
extern Variables Unit;
extern const TextPageData Page;
} // namespace UnitZeitab

class TFormZeitAb : public TTextPage {
public:
    TFormZeitAb();
};

extern TFormZeitAb* FormZeitAb;
