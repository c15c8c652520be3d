#pragma once
// The cover: a full-screen picture, an opening animation of nine growing rings and the four
// subject titles; from here the learner opens the topic menu or the information screen.

#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/Timer.h"

#include <array>

namespace UnitDeckEKD {

inline constexpr int RingCount = 9;

struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
    int MitteX = 0;
    int MitteY = 0;
    // Indexed 1 … 9 like the rings; element 0 is unused.
    std::array<int, RingCount + 1> RingHalbBreite{};
    std::array<int, RingCount + 1> RingHalbHoehe{};
    std::array<bool, RingCount + 1> RingLaeuft{};
};
extern Variables Unit;

} // namespace UnitDeckEKD

class TFormHaupt : public TForm {
public:
    TFormHaupt();

    TPaintBox* PaintBoxStart;
    TImage* Image1;
    TStatusBar* StatusBar1;
    TMenuItem* ESC1;
    TMenuItem* Programmbeenden1;
    TMenuItem* Programmstarten1;
    TMenuItem* Info1;
    TTimer* TimerSTart;
    TColorDialog* ColorDialog1;

    void FormCreate() override;
    void FormPaint() override;
    void PaintBoxStartPaint();
    void TimerSTartTimer();
    void ESC1Click();
    void Programmbeenden1Click();
    void Programmstarten1Click();
    void Info1Click();

private:
    void CentreAnimation();
    void ResetAnimation();
    void WriteTitle();
};

extern TFormHaupt* FormHaupt;
