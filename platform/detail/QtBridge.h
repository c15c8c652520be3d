#pragma once
// The toolkit side of the window-system layer. Only platform/*.cpp include this.

#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "platform/Form.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <optional>

class QAbstractSlider;
class QPainter;
class QMenuBar;

namespace detail {

inline QColor ToQColor(TColor c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
inline QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}
inline QString Q(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}
inline std::string S(const QString& s) {
    return s.toUtf8().toStdString();
}

// The logical pixels of the program on the device pixels of a surface. A logical pixel x covers
// the device pixels from At(x) up to At(x + 1), so that shapes side by side tile without gaps or
// overlaps at any scale; a pen one logical pixel wide is Pen(1) device pixels wide everywhere, so
// lines keep one width across a window. At a ratio of 1 every mapping is the identity.
struct DeviceMap {
    double Ratio = 1.0;

    int At(int logical) const;
    // The device pixel in the middle of a logical pixel's span: where thick pens are centred.
    int Centre(int logical) const;
    int Pen(int logicalWidth) const;
    QPoint Point(int x, int y) const { return QPoint(At(x), At(y)); }
    QPoint CentrePoint(int x, int y) const { return QPoint(Centre(x), Centre(y)); }
    // The device pixels of a logical rectangle, and of a logical region.
    QRect Rect(const QRect& logical) const;
    QRegion Region(const QRegion& logical) const;
    // The logical pixels that touch a device rectangle.
    QRect Logical(const QRect& device) const;
};

// Fonts: the program's face names resolved to the embedded faces, heights in pixels.
void RegisterEmbeddedFonts();
QFont ToQFont(const TFont& font);
// The same font at its device size on a surface of that ratio: the same face, hinted for its
// pixel size there.
QFont ToDeviceFont(const TFont& font, double ratio);
// The text as the face shows it: the "Symbol" face turns Latin letters into Greek ones.
QString FaceText(const TFont& font, const std::string& text);
// Ascent and cell height of a font in pixels.
int FontAscent(const TFont& font);
int FontCellHeight(const TFont& font);
int TextAdvance(const TFont& font, const std::string& text);
// Whether the face's hints draw some vertical stems wider than others of the same outline width.
bool HintsWidenStems(const TFont& font);
// Draws a text at the painter's origin (its baseline's left end) in at most `room` pixels, as
// the font's hints draw it but with each vertical stem as wide as its outline, rounded to whole
// pixels.
void DrawTextWithEvenStems(QPainter& p, const QFont& font, const QString& text, int room);

// The widget that shows a container's surface and reports the mouse on it.
class SurfaceWidget : public QWidget {
public:
    SurfaceWidget(TContainer& owner, QWidget* parent);
    TContainer& Owner() const { return owner_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TContainer& owner_;
};

struct ContainerImpl {
    // The pixels, held only while the surface is on the screen; `size` is what they measure then
    // in logical pixels, `device` maps them onto the image's device pixels.
    QImage image;
    QSize size{1, 1};
    DeviceMap device;
    SurfaceWidget* surface = nullptr;
    QRegion pending;
    bool scheduled = false;
    // While the paint cycle runs: the region it repaints.
    std::optional<QRegion> painting;
    // What canvases drew while the paint cycle ran, wherever it was.
    QRegion touched;
    // The graphic control whose own paint handler runs now.
    const TGraphicControl* paintingControl = nullptr;

    // Shows what the canvases drew in this area.
    void Blit(const QRect& area);
    // The surface's logical area; empty while it holds no pixels.
    QRect Area() const { return image.isNull() ? QRect() : QRect(QPoint(0, 0), size); }
    // The paint cycle for a region of the surface.
    static void PaintRegion(TContainer& container, const QRegion& region);
};

// Repaints owed by every surface, run when the program is idle.
void SchedulePaint(TContainer& container);
void FlushPaints();
void ForgetContainer(TContainer& container);

// The top-level window of a form: menu bar above the surface.
class FormWindow : public QWidget {
public:
    explicit FormWindow(TForm& form);
    TForm& Form() const { return form_; }
    QMenuBar* MenuBar() const { return menuBar_; }
    int MenuBarHeight() const;
    SurfaceWidget* Surface() const { return surface_; }
    void SetSurface(SurfaceWidget* surface) { surface_ = surface; }
    void LayOut();
    // Size of the window frame the window manager adds (0 without one).
    QSize FrameExtra() const { return frameExtra_; }
    void MeasureFrame();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;

private:
    TForm& form_;
    QMenuBar* menuBar_;
    SurfaceWidget* surface_ = nullptr;
    QSize frameExtra_{0, 0};
};

// Where Tab stops at a graphic control the learner clicks: a widget over the control's bounds,
// below the windowed controls, that the mouse passes through to the surface. It draws the focus
// mark while it has the focus and turns Space and Return into the control's click.
class TabStopWidget : public QWidget {
public:
    TabStopWidget(TGraphicControl& control, QWidget* surface);
    // The control's click, while its window takes input.
    void Activate();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TGraphicControl& control_;
};

struct TabStop {
    // Gone with the surface, should the surface go first.
    QPointer<TabStopWidget> widget;
};

// Keyboard: a control the learner works with takes the focus with Tab as well as with a click.
void AcceptKeyboardFocus(QWidget* widget);
// A text box that takes Tab as text still lets Ctrl+Tab and Ctrl+Shift+Tab move on.
void LeaveWithCtrlTab(QWidget* textBox);
// The arrow keys move a horizontal slider the way they point.
void ArrowsMoveSlider(QAbstractSlider* slider);

// Screen readers: the program's windows, surfaces and painted texts as they read them.
void InstallAccessibility();

// Whether windows are really shown (false for the headless tests).
bool WindowsOnDisplay();

// Draws a picture that fills the logical rectangle `target` of a surface, clipped to the logical
// region `clip`. The picture is expected at the target's device size; one of another size is
// scaled to it smoothly.
void DrawPicture(TContainer& surface, const QImage& picture, const QRect& target,
                 const QRegion& clip);
// A picture at the device size of a logical rectangle: itself when it has that size, else
// smoothly scaled.
QImage AtDeviceSize(const QImage& picture, QSize device);
QImage ToQImage(const TPixels& pixels);
// The clip of a canvas target in surface coordinates.
QRegion ClipOf(const TCanvasHost::Target& target);

} // namespace detail
