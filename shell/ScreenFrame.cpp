#include "shell/ScreenFrame.h"

#include "platform/Keys.h"
#include "platform/Screen.h"

namespace ScreenFrame {

Layout StandardLayout(int screenWidth, int screenHeight, LayoutTest test) {
    const bool small =
        test == LayoutTest::WidthBelow1024 ? screenWidth < LargeWidth : screenWidth <= LargeWidth;
    Layout l;
    l.Small = small;
    if (small) {
        l.FaktorX = static_cast<double>(screenWidth) / DesignWidth;
        l.FaktorY = static_cast<double>(screenHeight) / DesignHeight;
        l.Width = screenWidth;
        l.Height = screenHeight;
    } else {
        l.FaktorX = LargeFactor;
        l.FaktorY = LargeFactor;
        l.Width = LargeWidth;
        l.Height = LargeHeight;
    }
    l.Left = (screenWidth - l.Width) / 2;
    l.Top = (screenHeight - l.Height) / 2;
    return l;
}

bool FitsScreen(int screenWidth, int screenHeight) {
    const Layout l = StandardLayout(screenWidth, screenHeight);
    if (!l.Small)
        return screenHeight >= l.Height;
    return screenWidth >= DesignWidth && screenHeight >= DesignHeight;
}

Layout FixedLayout(int screenWidth, int screenHeight, int width, int height) {
    Layout l;
    l.Width = width;
    l.Height = height;
    l.Left = (screenWidth - width) / 2;
    l.Top = (screenHeight - height) / 2;
    return l;
}

Layout ScreenSizedLayout(int screenWidth, int screenHeight) {
    return FixedLayout(screenWidth, screenHeight, screenWidth, screenHeight);
}

void Place(TForm& form, const Layout& layout) {
    form.SetBounds(layout.Left, layout.Top, layout.Width, layout.Height);
}

Layout PlaceStandard(TForm& form, LayoutTest test) {
    Layout layout = StandardLayout(Screen.Width, Screen.Height, test);
    Place(form, layout);
    return layout;
}

void SetScaledBounds(TControl& control, const Layout& layout, int left, int top, int width,
                     int height) {
    control.SetBounds(Scaled(left, layout.FaktorX), Scaled(top, layout.FaktorY),
                      Scaled(width, layout.FaktorX), Scaled(height, layout.FaktorY));
}

void Place(TControl& control, const Bounds& b) {
    control.SetBounds(b.Left, b.Top, b.Width, b.Height);
}

TMenuItem* AddEscapeItem(TForm& form, const std::string& name, const std::string& caption,
                         std::function<void()> onClick) {
    return form.MainMenu.Add(name, caption, std::move(onClick), VK_ESCAPE, false);
}

TStatusBar* AddHintBar(TForm& form, const std::string& text, int fontHeight, bool bold) {
    auto* bar = form.Add<TStatusBar>();
    bar->Name = "StatusBarHint";
    bar->SetColor(clSilver);
    TFont font;
    font.Name = "MS Sans Serif";
    font.Height = fontHeight;
    font.Bold = bold;
    bar->SetFont(font);
    bar->SetSimpleText(text);
    return bar;
}

TMemo* AddExplanation(TForm& form, const ExplanationStyle& style) {
    auto* memo = form.Add<TMemo>();
    memo->Name = "MemoErlaeuterung";
    memo->SetAccessibleName(ExplanationName);
    memo->SetColor(style.Color);
    TFont font;
    font.Name = "MS Sans Serif";
    font.Color = clBlack;
    memo->SetFont(font);
    memo->SetWordWrap(style.WordWrap);
    memo->SetScrollBars(style.ScrollBars);
    memo->SetReadOnly(style.ReadOnly);
    memo->SetVisible(!style.StartsHidden);
    return memo;
}

void WriteLines(TMemo& memo, const std::vector<std::string>& lines) {
    memo.LinesClear();
    if (lines.empty())
        return;
    memo.LinesSet(0, lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i)
        memo.LinesAdd(lines[i]);
}

void SetExplanationFont(TMemo& memo, double faktorY, int designHeight) {
    TFont font = memo.Font();
    font.Height = Scaled(designHeight, faktorY);
    memo.SetFont(font);
}

void ToggleExplanation(TMemo& memo) {
    memo.SetVisible(!memo.Visible());
}

void SetUpSpeedSlider(TScrollBar& slider, TTimer& timer) {
    slider.SetParams(SliderStart, SliderMin, SliderMax);
    slider.SetSmallChange(SliderSmallStep);
    slider.SetLargeChange(SliderLargeStep);
    slider.OnScroll = [&timer](int position) { timer.SetInterval(position); };
}

namespace {
void DrawPanel(TCanvas& canvas, TColor color, const TRect& r) {
    canvas.Brush.Color = color;
    canvas.Rectangle(r);
}
void PreparePen(TCanvas& canvas) {
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 1;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Mode = pmCopy;
}
} // namespace

void DrawBackdrop(TForm& form, TColor outerColor, const TRect& outer) {
    if (Screen.Width < LargeWidth)
        return;
    PreparePen(form.Canvas);
    DrawPanel(form.Canvas, outerColor, outer);
}

void DrawBackdrop(TForm& form, TColor outerColor, const TRect& outer, const TRect& inner) {
    if (Screen.Width < LargeWidth)
        return;
    DrawBackdrop(form, outerColor, outer);
    DrawPanel(form.Canvas, BackdropGold, inner);
}

} // namespace ScreenFrame
