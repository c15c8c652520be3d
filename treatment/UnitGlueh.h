#pragma once
// Annealing processes: the steel corner of the iron–carbon diagram (0 to 2.2 % carbon, 0 to
// 1600 °C) on a grid computed from the drawing surface, and in it, on command, the temperature
// range of six annealing processes. Five grow as a broad band from left to right, one tick at a
// time; coarse-grain annealing appears at once as a filled shape. Each process adds its
// explanation to the text at the left and writes its name into the diagram.

#include "platform/Form.h"
#include "platform/Timer.h"

namespace UnitGlueh {

struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
    // The grid: pixels per 0.2 % carbon and per 200 °C, whole numbers held as single-precision
    // reals; set by every paint of the diagram.
    float RasterX = 0;
    float RasterY = 0;
    // The head of the band being drawn.
    int GluehX = 0;
    float GluehY = 0;
};
extern Variables Unit;

// A band that grows a tick at a time, as a table of steps (in the unit).
struct Band;

} // namespace UnitGlueh

class TFormGlueh : public TForm {
public:
    TFormGlueh();

    TPaintBox* PaintBoxHaupt;
    TMemo* MemoErlaeuterung;
    TStatusBar* StatusBarHint;
    TTimer* TimerNORMAL;
    TTimer* TimerHOMO;
    TTimer* TimerArm;
    TTimer* TimerRE;
    TTimer* TimerWEICH;
    TMenuItem* Ende;
    TMenuItem* ESCAPE;
    TMenuItem* NORMAL;
    TMenuItem* Diffusionsgluehen;
    TMenuItem* Grobkorn;
    TMenuItem* ARM;
    TMenuItem* Re;
    TMenuItem* WEICH;
    TMenuItem* Neu;

    void FormCreate() override;
    void FormPaint() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void EndeClick();
    void ESCAPEClick();
    void NORMALClick();
    void DiffusionsgluehenClick();
    void GrobkornClick();
    void ARMClick();
    void ReClick();
    void WEICHClick();
    void NeuClick();
    void TimerNORMALTimer();
    void TimerHOMOTimer();
    void TimerArmTimer();
    void TimerRETimer();
    void TimerWEICHTimer();

    // Whether a band is being drawn now.
    bool BandRunning() const;

private:
    void AddMenu();
    void StopBands();
    void StartBand(TTimer& timer, TMenuItem& command, int startX, float c);
    bool GrowBand(TTimer& timer, const UnitGlueh::Band& band);
    void EndBand(TTimer& timer, const char* name, TPoint at, TColor font, bool onBox);
    void Explain(int process);
    void PaintGrid(TCanvas& c, int w, int h, int bottom);
    void PaintScales(TCanvas& c, int w, int h);
    void PaintBoundaries(TCanvas& c, int bottom);
};

extern TFormGlueh* FormGlueh;
