#pragma once
// The tempering chart of the steel C 45: tensile strength, yield strength, reduction of area and
// elongation at fracture over the tempering temperature from 450 to 700 °C. The learner grows the
// four property lines one by one from the menu; each ends with its name. A further command shows
// the micrographs of the steel after normalising, hardening and quenching and tempering.

#include "platform/Form.h"
#include "platform/Timer.h"

#include <array>

namespace UnitVergschau {

// The four property lines in menu order.
enum Line { Zug, Bruchein, Streck, Bruchde, LineCount };

// Where each line starts, in design pixels.
inline constexpr std::array<TPoint, LineCount> StartPunkt{
    {{185, 270}, {185, 355}, {185, 360}, {185, 445}}};

struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
    // The chart frame and its steps, from the last paint of the chart.
    int Rechts = 0;
    int Unten = 0;
    int Dx = 0;
    int Dy = 0;
    // The head of each line, in design pixels.
    std::array<TPoint, LineCount> Punkt = StartPunkt;
};
extern Variables Unit;

} // namespace UnitVergschau

class TFormVerSchau : public TForm {
public:
    TFormVerSchau();

    TPaintBox* PaintBoxHaupt;
    TPaintBox* PaintBoxTitel;
    TStatusBar* StatusBar1;
    TTimer* TimerZug;
    TTimer* TimerBruchein;
    TTimer* TimerStreck;
    TTimer* TimerBruchde;
    TMenuItem* Ende;
    TMenuItem* ESC;
    TMenuItem* Zugfest;
    TMenuItem* Bruchein;
    TMenuItem* Streck;
    TMenuItem* Dehn;
    TMenuItem* Neu1;
    TMenuItem* GefgebilderStahlC451;

    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBoxTitelPaint();
    void EndeClick();
    void ESCClick();
    void ZugfestClick();
    void BrucheinClick();
    void StreckClick();
    void DehnClick();
    void Neu1Click();
    void GefgebilderStahlC451Click();
    void TimerZugTimer();
    void TimerBrucheinTimer();
    void TimerStreckTimer();
    void TimerBruchdeTimer();

private:
    void StartLine(UnitVergschau::Line line);
    void LineTick(UnitVergschau::Line line);
    void StopLines();
    TTimer& TimerOf(UnitVergschau::Line line);
    TPoint Shown(TPoint design) const;
};

extern TFormVerSchau* FormVerSchau;
