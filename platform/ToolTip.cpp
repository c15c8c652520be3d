#include "platform/ToolTip.h"

#include "platform/Form.h"
#include "platform/Screen.h"
#include "platform/detail/QtBridge.h"

#include <QCoreApplication>
#include <QLabel>

#include <algorithm>
#include <sstream>
#include <vector>

namespace ToolTip {
namespace {

// The pointer's arrow covers about this much below its hot spot; the tip starts under it.
constexpr int BelowPointer = 20;
constexpr int BesidePointer = 4;
// Inner margin and border of the tip.
constexpr int Padding = 3;
constexpr int Border = 1;
constexpr TColor TipYellow = 0xE1FFFF;
const TFont TipFont{"MS Sans Serif", -11, clBlack, false};

struct State {
    bool shown = false;
    std::string text;
    TRect rect;
    // Made when first shown on the display; it goes before the toolkit does.
    QLabel* window = nullptr;
};

State& Tip() {
    static State state;
    return state;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The tip's outer size for the text, measured in its own font as the canvas measures text.
void MeasureInto(const std::string& text, int& width, int& height) {
    const std::vector<std::string> lines = LinesOf(text);
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, detail::TextAdvance(TipFont, line));
    const int inner = 2 * (Padding + Border);
    width = widest + inner;
    height = static_cast<int>(lines.size()) * detail::FontCellHeight(TipFont) + inner;
}

void ShowWindow(State& tip) {
    if (!tip.window) {
        tip.window = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [&tip] {
            delete tip.window;
            tip.window = nullptr;
        });
        tip.window->setAttribute(Qt::WA_ShowWithoutActivating);
        tip.window->setTextFormat(Qt::PlainText);
        tip.window->setFont(detail::ToQFont(TipFont));
        tip.window->setMargin(Padding);
        tip.window->setStyleSheet(
            QString("QLabel { background: %1; color: black; border: %2px solid black; }")
                .arg(detail::ToQColor(TipYellow).name())
                .arg(Border));
    }
    tip.window->setText(QString::fromStdString(tip.text));
    tip.window->setGeometry(tip.rect.Left, tip.rect.Top, tip.rect.Width(), tip.rect.Height());
    tip.window->show();
    tip.window->raise();
}

} // namespace

TRect Place(int pointerX, int pointerY, int width, int height, int screenWidth, int screenHeight) {
    int left = pointerX + BesidePointer;
    int top = pointerY + BelowPointer;
    // Where the screen ends the tip moves to the other side of the pointer, and never off the
    // screen's top-left corner.
    if (left + width > screenWidth)
        left = pointerX - BesidePointer - width;
    if (top + height > screenHeight)
        top = pointerY - BesidePointer - height;
    left = std::clamp(left, 0, std::max(0, screenWidth - width));
    top = std::clamp(top, 0, std::max(0, screenHeight - height));
    return {left, top, left + width, top + height};
}

void Show(const TForm& form, int clientX, int clientY, const std::string& text) {
    State& tip = Tip();
    int width = 0, height = 0;
    MeasureInto(text, width, height);
    const TRect surface = form.SurfaceScreenRect();
    tip.rect = Place(surface.Left + clientX, surface.Top + clientY, width, height, Screen.Width,
                     Screen.Height);
    tip.text = text;
    tip.shown = true;
    if (detail::WindowsOnDisplay())
        ShowWindow(tip);
}

void Hide() {
    State& tip = Tip();
    tip.shown = false;
    if (tip.window)
        tip.window->hide();
}

bool Shown() {
    return Tip().shown;
}

std::string Text() {
    return Tip().shown ? Tip().text : std::string();
}

TRect ScreenRect() {
    return Tip().shown ? Tip().rect : TRect{};
}

} // namespace ToolTip
