#pragma once
// The text page on how phase diagrams are obtained by thermal analysis.

#include "shell/TextPage.h"

namespace UnitEntZu {
struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
};
extern Variables Unit;
extern const TextPageData Page;
} // namespace UnitEntZu

class TFormEntZu : public TTextPage {
public:
    TFormEntZu();
};

extern TFormEntZu* FormEntZu;
