#pragma once
// The toolkit side of the window-system layer. Only platform/*.cpp include this.

#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "platform/Form.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <optional>

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

// Fonts: the program's face names resolved to the embedded faces, heights in pixels.
void RegisterEmbeddedFonts();
QFont ToQFont(const TFont& font);
// The text as the face shows it: the "Symbol" face turns Latin letters into Greek ones.
QString FaceText(const TFont& font, const std::string& text);
// Ascent and cell height of a font in pixels.
int FontAscent(const TFont& font);
int FontCellHeight(const TFont& font);
int TextAdvance(const TFont& font, const std::string& text);

// The widget that shows a container's surface and reports the mouse on it.
class SurfaceWidget : public QWidget {
public:
    SurfaceWidget(TContainer& owner, QWidget* parent);
    TContainer& Owner() const { return owner_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TContainer& owner_;
};

struct ContainerImpl {
    // The pixels, held only while the surface is on the screen; `size` is what they measure then.
    QImage image;
    QSize size{1, 1};
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

// Whether windows are really shown (false for the headless tests).
bool WindowsOnDisplay();

// Draws a picture into a surface, stretched to `target` or unscaled at its top-left corner,
// clipped to `clip`.
void DrawPicture(TContainer& surface, const QImage& picture, const QRect& target, bool stretch,
                 const QRegion& clip);
QImage ToQImage(const TPixels& pixels);
// The clip of a canvas target in surface coordinates.
QRegion ClipOf(const TCanvasHost::Target& target);

} // namespace detail
