#pragma once
// The text page on general remarks on phase diagrams.

#include "shell/TextPage.h"

namespace UnitAllZu {
struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
};
extern Variables Unit;
extern const TextPageData Page;
} // namespace UnitAllZu

class TFormAllZu : public TTextPage {
public:
    TFormAllZu();
};

extern TFormAllZu* FormAllZu;
