#pragma once
// The text page on the ZTA and ZTU diagrams in general.

#include "shell/TextPage.h"

namespace UnitALLZTAZTU {
struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
};
extern Variables Unit;
extern const TextPageData Page;
} // namespace UnitALLZTAZTU

class TFormALLZTAZTU : public TTextPage {
public:
    TFormALLZTAZTU();
};

extern TFormALLZTAZTU* FormALLZTAZTU;
