#include "platform/ToolTip.h"

#include "platform/Form.h"
#include "platform/Screen.h"
#include "platform/detail/QtBridge.h"

#include <QCoreApplication>
#include <QFontMetrics>
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

// The tip's outer size for the text in its own font: the widest line, and the lines as far
// apart as the tip's window sets them.
void MeasureInto(const std::string& text, int& width, int& height) {
    const std::vector<std::string> lines = LinesOf(text);
    const QFontMetrics metrics(detail::ToQFont(TipFont));
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(line)));
    const int inner = 2 * (Padding + Border);
    width = widest + inner;
    height = static_cast<int>(lines.size()) * metrics.lineSpacing() + inner;
}

// The tip's window with the text, not yet placed; it asks for at least the measured size.
QLabel& Window(State& tip) {
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
        tip.window->setIndent(0);
        tip.window->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        tip.window->setStyleSheet(
            QString("QLabel { background: %1; color: black; border: %2px solid black; }")
                .arg(detail::ToQColor(TipYellow).name())
                .arg(Border));
    }
    tip.window->setText(QString::fromStdString(tip.text));
    return *tip.window;
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
    tip.text = text;
    tip.shown = true;
    QLabel* window = detail::WindowsOnDisplay() ? &Window(tip) : nullptr;
    // The desktop's style may frame a tip more widely than we measure.
    if (window) {
        width = std::max(width, window->sizeHint().width());
        height = std::max(height, window->sizeHint().height());
    }
    const TRect surface = form.SurfaceScreenRect();
    tip.rect = Place(surface.Left + clientX, surface.Top + clientY, width, height, Screen.Width,
                     Screen.Height);
    if (window) {
        window->setGeometry(tip.rect.Left, tip.rect.Top, tip.rect.Width(), tip.rect.Height());
        window->show();
        window->raise();
    }
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
