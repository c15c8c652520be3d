#pragma once
// A heat treatment of an unalloyed steel with 0.45 % carbon as one run through two diagrams that
// share their temperature scale: rapid heating and holding at about 800 °C in the isothermal ZTA
// diagram, then five cooling curves of different rates through the continuous ZTU diagram. Unlike
// the other time–temperature screens it scales its whole drawing with the screen.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Timer.h"
#include "zta_ztu/TimeTemperature.h"

#include <array>

namespace UnitZTAZTU045 {
struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
    TimeTemperature::TZtuFrame Ztu{};
    TimeTemperature::TZtuFrame Zta{};
    int KurveX = 0;
    float KurveY = 0;
};
extern Variables Unit;
} // namespace UnitZTAZTU045

class TFormZTAZTU045 : public TForm {
public:
    TFormZTAZTU045();

    TPaintBox* PaintBoxHaupt;
    TPaintBox* PaintBoxLog;
    TMemo* MemoErlaeuterung;
    TStatusBar* StatusBarHint;
    TTimer* TimerZTA;
    // 0.04, 0.6, 15, 60 and 600 °C/s, run one after the other.
    std::array<TTimer*, 5> CoolingTimers{};
    TMenuItem* Ende;
    TMenuItem* Austenitisierung;
    TMenuItem* NEU;
    TMenuItem* ESCAPE;

    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBoxLogPaint();
    void EndeClick() { Close(); }
    void ESCAPEClick() { Close(); }
    void AustenitisierungClick();
    void NEUClick();
    void TimerZTATimer();
    void CoolingTimer(int i);

private:
    void ComputeFrames();
    void DrawBackground();
    void DrawGrids();
    void DrawAxisLabels();
    void DrawZtu();
    void DrawTitles();
    void DrawZta();
    int X(long double design) const;
    int Y(long double design) const;
};

extern TFormZTAZTU045* FormZTAZTU045;
