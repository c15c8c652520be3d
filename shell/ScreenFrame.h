#pragma once
// What every screen shares: the layout rule with its variants, the frame's colours and hint
// texts, the common commands, the explanatory text box, the hint bar, the speed slider and the
// backdrop panels of the large layout.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Timer.h"

#include <functional>
#include <string>
#include <vector>

namespace ScreenFrame {

// The design screen every scaled coordinate refers to, and the large layout's fixed window.
inline constexpr int DesignWidth = 800;
inline constexpr int DesignHeight = 600;
inline constexpr int LargeWidth = 1024;
inline constexpr int LargeHeight = 768;
inline constexpr double LargeFactor = 1.28;

// Frame colours.
inline constexpr TColor ScreenBlue = 0xFF2F2F;    // topic screen background
inline constexpr TColor DiagramOrange = 0x02ABFD; // main drawing surface
inline constexpr TColor BackdropGold = 0x00D2FF;  // inner backdrop panel
inline constexpr TColor ExplanationYellow = 0x80FFFF;
// What a screen reader calls the explanatory text.
inline constexpr const char* ExplanationName = "Erläuterung";

// Hint texts.
inline constexpr const char* HintEsc = "ESC = Abbruch";
inline constexpr const char* HintF1 =
    "Drücken Sie F1 um den begleitenden Text ein- oder auszublenden / ESC = Abbruch";
inline constexpr const char* HintF2 = "F2 = Prozess anhalten/fortsetzen, ESC = Abbruch";

// Which screens take the small layout: the usual test is a width below 1024; a few screens use
// the small branch at exactly 1024, too.
enum class LayoutTest { WidthBelow1024, WidthUpTo1024 };

struct Layout {
    double FaktorX = 0;
    double FaktorY = 0;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Small = true;
};

// The layout rule for a screen of W × H pixels: the small layout fills the screen and scales
// the 800 × 600 design to it, the large one is a centred 1024 × 768 window at factor 1.28.
Layout StandardLayout(int screenWidth, int screenHeight,
                      LayoutTest test = LayoutTest::WidthBelow1024);
// Whether every window lies wholly on a screen of W × H pixels: the large layout's window, or in
// the small layout the fixed 800 × 600 windows that it shares the screen with.
bool FitsScreen(int screenWidth, int screenHeight);
// A window of fixed size, centred (integer halving rounds toward zero, so it may start off-screen).
Layout FixedLayout(int screenWidth, int screenHeight, int width, int height);
// A window that fills the screen.
Layout ScreenSizedLayout(int screenWidth, int screenHeight);

// Places the form as the layout says.
void Place(TForm& form, const Layout& layout);
// Applies the standard layout rule to the form and returns its factors.
Layout PlaceStandard(TForm& form, LayoutTest test = LayoutTest::WidthBelow1024);

// A design value scaled by a factor: the nearest integer, ties to the even one.
inline int Scaled(long double design, double factor) {
    return Round(design * static_cast<long double>(factor));
}
// Bounds in design units scaled by the factors.
void SetScaledBounds(TControl& control, const Layout& layout, int left, int top, int width,
                     int height);
// A control's place on its window in pixels, as the screens' layout tables list it.
struct Bounds {
    int Left, Top, Width, Height;
};
void Place(TControl& control, const Bounds& b);

// The invisible Esc command every screen has.
TMenuItem* AddEscapeItem(TForm& form, const std::string& name, const std::string& caption,
                         std::function<void()> onClick);
// The hint bar along the bottom edge with its fixed text, silver and bold.
TStatusBar* AddHintBar(TForm& form, const std::string& text, int fontHeight, bool bold = true);

// The explanatory text box: light yellow unless told otherwise, black "MS Sans Serif", read-only.
struct ExplanationStyle {
    TColor Color = ExplanationYellow;
    bool WordWrap = true;
    TScrollStyle ScrollBars = ssBoth;
    bool ReadOnly = true;
    bool StartsHidden = true;
};
TMemo* AddExplanation(TForm& form, const ExplanationStyle& style);
// Writes the lines as the creation handlers do: clear, the first line, then the rest appended.
void WriteLines(TMemo& memo, const std::vector<std::string>& lines);
// The memo's font height for a screen's factor: round(16 × FaktorY).
void SetExplanationFont(TMemo& memo, double faktorY, int designHeight = 16);
// F1: shows the text if hidden, hides it if shown.
void ToggleExplanation(TMemo& memo);

// The speed slider of the cooling screens: each scroll of the learner sets the animation
// timer's interval to the slider position in milliseconds.
inline constexpr int SliderMin = 1;
inline constexpr int SliderMax = 2000;
inline constexpr int SliderStart = 1000;
inline constexpr int SliderSmallStep = 10;
inline constexpr int SliderLargeStep = 100;
void SetUpSpeedSlider(TScrollBar& slider, TTimer& timer);

// The backdrop panels that frame a diagram in the large layout, drawn on the form's own canvas:
// an outer rectangle in the drawing surface's colour and, where given, an inner golden one. On a
// screen narrower than 1024 pixels nothing is drawn.
void DrawBackdrop(TForm& form, TColor outerColor, const TRect& outer);
void DrawBackdrop(TForm& form, TColor outerColor, const TRect& outer, const TRect& inner);

} // namespace ScreenFrame
