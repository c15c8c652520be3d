#pragma once
// What the three process-route screens (hardening, normalising, quench and temper) share: the
// window with its drawing surface, definition box and explanatory text, the background and the
// temperature–time process diagram, the strip of microstructure pictures played by cues on the
// line's x, and the process run that F2 pauses and continues. Each screen adds its own stages.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ImageList.h"
#include "platform/Timer.h"
#include "shell/ScreenFrame.h"
#include "zta_ztu/TimeTemperature.h"

#include <span>
#include <string>
#include <vector>

namespace ProcessRoute {

// round(base + hundredths / 100 · step), ties to the even integer, without a rounding error on
// the way: 350 − 4.10 · 55 is exactly 124.5 and gives 124.
int Exact(int base, int hundredths, int step);

// The temperature–time process diagram: x = Links + u · StufeX for u time divisions, y = Unten −
// T / 200 · Stufe for T in °C. The steps are whole pixels held as reals.
struct TProzFrame {
    int Links = 0;
    int Rechts = 0;
    int Oben = 0;
    int Unten = 0;
    float StufeX = 0; // pixels per time division
    float Stufe = 0;  // pixels per 200 K

    // Links + hundredths / 100 time divisions, and Unten less hundredths / 100 steps, rounded.
    int X(int hundredths) const;
    int Down(int hundredths) const;
};

// The unit variables of a process-route screen.
struct TVariables {
    double FaktorX = 0;
    double FaktorY = 0;
    TProzFrame Proz;
    TimeTemperature::TZtuFrame Ztu; // only where the screen has a ZTU diagram
    // The head of the animated line, shared by every animation of the screen.
    int KurveX = 0;
    float KurveY = 0;
    int BildNr = 0;
    // A process run was started and has not ended: it is running or paused. F2 acts only then;
    // otherwise it would run the process stages from wherever the other curve left the head.
    bool ProzessLaeuft = false;
};

using TBounds = ScreenFrame::Bounds;
struct TLayout {
    TBounds Haupt;
    TBounds Def;
    TBounds Memo;
    int MemoFontHeight; // 0: round(16 · FaktorY)
};

struct TLine {
    int Y;
    const char* Text;
};

struct TData {
    const char* Caption;
    const char* Hint;
    const char* Strip; // name of the frame strip
    TLayout Small;
    TLayout Large;
    TRect BackdropOuter;
    std::vector<std::string> Explanation;
    int DefinitionX;
    std::vector<TLine> Definition;
};

// Where a picture or a text stands: a pixel of the surface, or a row counted from the process
// diagram's top or bottom edge.
enum class TRow { Pixel, FromOben, FromUnten };
struct TSpot {
    int X;
    int Y;
    TRow From = TRow::Pixel;
};
struct TCaption {
    const char* Text;
    TSpot At;
};

// What happens when the line's head reaches AtX: with a brush colour given, texts are written
// white on it; a frame (a fixed one, the next one, or none) is drawn; BildNr then becomes the
// given number or counts on.
inline constexpr int NextFrame = -1;
inline constexpr int NoFrame = -2;
inline constexpr int CountOn = -1;
inline constexpr TColor KeepBrush = -1;
struct TCue {
    int AtX;
    int Frame;
    TSpot At;
    int BildNrAfter = CountOn;
    TColor Brush = KeepBrush;
    std::vector<TCaption> Captions = {};
};

// The line of a process and the curves in the ZTU diagram.
inline constexpr TColor LineRed = 255;
inline constexpr int LineWidth = 3;
inline constexpr int ProcessInterval = 50;
// The texts of the holding stage, on a red brush.
inline constexpr const char* HoldingText = " isothermes \"Halten\" ";

} // namespace ProcessRoute

class TProcessRoute : public TForm {
public:
    TProcessRoute(const ProcessRoute::TData& data, ProcessRoute::TVariables& unit);

    TPaintBox* PaintBoxHaupt;
    TPaintBox* PaintBoxLog;
    TPaintBox* PaintBoxDef;
    TMemo* MemoErlaeuterung;
    TStatusBar* StatusBarHint;
    TImageList* ImageListGef;
    TMenuItem* Ende = nullptr;
    TMenuItem* Austenitisierung = nullptr;
    TMenuItem* NEU = nullptr;
    TMenuItem* ESCAPE = nullptr;
    TMenuItem* Prozessanhalten = nullptr;

    void FormCreate() override;
    void FormPaint() override;
    void FormClose() override;
    void PaintBoxDefPaint();
    void EndeClick() { Close(); }
    void ESCAPEClick() { Close(); }
    void NEUClick();
    void AustenitisierungClick();
    // F2: pauses the running process or continues the paused one; nothing without a run.
    void ProzessanhaltenClick();

protected:
    // The menu items every screen has, each added where the screen's menu lists it.
    void AddEnde();
    void AddStart(const char* caption);
    void AddNeu();
    void AddEscape();
    void AddPause(const char* caption);

    // The surface's background: rows from yellow to orange, then red fading to black.
    void PaintBackground(TCanvas& c) const;
    // The golden frame of the process diagram, its grid, temperatures and the time arrow.
    void PaintProcessDiagram(TCanvas& c) const;
    // Sets the frame values of the layout, as every paint of the surface does.
    virtual void SetFrames() = 0;
    // Pen and font of a process tick.
    void BeginProcessTick();
    // The last step of a run: the screen takes input again.
    void EndProcess();
    void PlayCues(std::span<const ProcessRoute::TCue> cues);
    int SpotY(const ProcessRoute::TSpot& spot) const;

    ProcessRoute::TVariables& unit_;
    const ProcessRoute::TData& data_;
    // Set by the screens: the process timer, and the ZTU curve with its command where one is.
    TTimer* processTimer_ = nullptr;
    TTimer* curveTimer_ = nullptr;
    TMenuItem* curveItem_ = nullptr;
};
