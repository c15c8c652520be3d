#include "platform/Canvas.h"

#include "platform/Controls.h"
#include "platform/detail/QtBridge.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Lengths of the on and off runs of styled one-pixel pens. The pattern starts anew with every
// line, as the drawing interface does.
constexpr int DotOn = 3, DotOff = 3;
constexpr int DashOn = 18, DashOff = 6;

// A painter on the canvas's surface in device pixels, clipped to the control's bounds (and to
// the region being repainted, in the control's own paint). Coordinates are mapped from the
// control's logical ones by Map; at a ratio of 1 the mapping is the identity. It shows what it
// drew when it goes.
class SurfacePainter {
public:
    explicit SurfacePainter(TCanvasHost& host) : target_(host.CanvasTarget()) {
        if (!target_.Surface)
            return;
        clip_ = detail::ClipOf(target_);
        if (clip_.isEmpty())
            return;
        detail::ContainerImpl& impl = target_.Surface->Impl();
        device_ = impl.device;
        painter_.emplace(&impl.image);
        painter_->setClipRegion(device_.Region(clip_));
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }
    ~SurfacePainter() {
        if (!painter_)
            return;
        painter_.reset();
        detail::ContainerImpl& impl = target_.Surface->Impl();
        if (impl.painting)
            impl.touched += clip_.boundingRect();
        impl.Blit(clip_.boundingRect());
    }
    bool Active() const { return painter_.has_value(); }
    QPainter& operator*() { return *painter_; }
    QPainter* operator->() { return &*painter_; }

    // A point of the control: where its logical pixel starts on the device, and its middle.
    QPoint Corner(int x, int y) const {
        return device_.Point(target_.Bounds.Left + x, target_.Bounds.Top + y);
    }
    QPoint Centre(int x, int y) const {
        return device_.CentrePoint(target_.Bounds.Left + x, target_.Bounds.Top + y);
    }
    // The device pixels of the control's logical pixels [x1, x2) x [y1, y2).
    QRect Span(int x1, int y1, int x2, int y2) const {
        return QRect(Corner(x1, y1), Corner(x2, y2) - QPoint(1, 1));
    }
    const detail::DeviceMap& Device() const { return device_; }

private:
    TCanvasHost::Target target_;
    QRegion clip_;
    detail::DeviceMap device_;
    std::optional<QPainter> painter_;
};

void SetMode(QPainter& p, TPenMode mode) {
    p.setCompositionMode(mode == pmNotXor ? QPainter::RasterOp_NotSourceXorDestination
                                          : QPainter::CompositionMode_SourceOver);
}

// The toolkit's pen for outlines and thick lines at the surface's device size. A pen wider than
// one pixel always draws solid, with round ends and joins. Dash lengths are in logical pixels,
// the toolkit's in pen widths.
QPen OutlinePen(const TPen& pen, const detail::DeviceMap& device) {
    QPen q(detail::ToQColor(pen.Color));
    const int width = device.Pen(std::max(1, pen.Width));
    q.setWidth(width);
    if (pen.Width > 1) {
        q.setCapStyle(Qt::RoundCap);
        q.setJoinStyle(Qt::RoundJoin);
    } else if (pen.Style != psSolid) {
        const qreal unit = device.Ratio / width;
        q.setDashPattern(pen.Style == psDot ? QList<qreal>{DotOn * unit, DotOff * unit}
                                            : QList<qreal>{DashOn * unit, DashOff * unit});
        q.setCapStyle(Qt::FlatCap);
    } else {
        q.setCapStyle(Qt::SquareCap);
    }
    return q;
}

void SetBrushAndGaps(QPainter& p, const TBrush& brush) {
    if (brush.Style == bsClear) {
        p.setBrush(Qt::NoBrush);
        p.setBackgroundMode(Qt::TransparentMode);
    } else {
        p.setBrush(detail::ToQColor(brush.Color));
        p.setBackground(detail::ToQColor(brush.Color));
        p.setBackgroundMode(Qt::OpaqueMode);
    }
}

// The pixels of a one-pixel line from a to b without b, in drawing order.
std::vector<QPoint> LinePixels(QPoint a, QPoint b) {
    std::vector<QPoint> points;
    int dx = std::abs(b.x() - a.x()), dy = -std::abs(b.y() - a.y());
    int sx = a.x() < b.x() ? 1 : -1, sy = a.y() < b.y() ? 1 : -1;
    int err = dx + dy;
    int x = a.x(), y = a.y();
    points.reserve(static_cast<std::size_t>(std::max(dx, -dy)));
    while (x != b.x() || y != b.y()) {
        points.emplace_back(x, y);
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    return points;
}

// A thin line on the device: each pixel of the device line grows into a run of the pen's device
// width across the line's main direction, so that the line is as wide at every slope and its
// runs fill exactly the logical pixels' spans of a straight line.
void DrawThinLine(QPainter& p, const std::vector<QPoint>& pixels, bool mostlyHorizontal,
                  int width) {
    if (width == 1) {
        p.drawPoints(pixels.data(), static_cast<int>(pixels.size()));
        return;
    }
    const QPoint across = mostlyHorizontal ? QPoint(0, width - 1) : QPoint(width - 1, 0);
    std::vector<QLine> runs;
    runs.reserve(pixels.size());
    for (const QPoint& pt : pixels)
        runs.emplace_back(pt, pt + across);
    p.drawLines(runs.data(), static_cast<int>(runs.size()));
}

} // namespace

void TCanvas::MoveTo(int x, int y) {
    PenPos = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    TPoint from = PenPos;
    PenPos = {x, y};
    SurfacePainter p(host_);
    if (!p.Active())
        return;
    SetMode(*p, Pen.Mode);
    if (Pen.Width > 1) {
        p->setPen(OutlinePen(Pen, p.Device()));
        if (from == PenPos)
            p->drawPoint(p.Centre(x, y));
        else
            p->drawLine(p.Centre(from.X, from.Y), p.Centre(x, y));
        return;
    }
    const QPoint a = p.Corner(from.X, from.Y), b = p.Corner(x, y);
    const bool mostlyHorizontal = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    const int width = p.Device().Pen(1);
    std::vector<QPoint> pixels = LinePixels(a, b);
    if (Pen.Style == psSolid) {
        p->setPen(QPen(detail::ToQColor(Pen.Color), 1));
        DrawThinLine(*p, pixels, mostlyHorizontal, width);
        return;
    }
    // The dash pattern runs in logical pixels along the line's main direction.
    int on = Pen.Style == psDot ? DotOn : DashOn;
    int period = on + (Pen.Style == psDot ? DotOff : DashOff);
    std::vector<QPoint> marks, gaps;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const int logical = static_cast<int>(static_cast<double>(i) / p.Device().Ratio);
        (logical % period < on ? marks : gaps).push_back(pixels[i]);
    }
    p->setPen(QPen(detail::ToQColor(Pen.Color), 1));
    DrawThinLine(*p, marks, mostlyHorizontal, width);
    if (Brush.Style == bsSolid && !gaps.empty()) {
        p->setPen(QPen(detail::ToQColor(Brush.Color), 1));
        DrawThinLine(*p, gaps, mostlyHorizontal, width);
    }
}

namespace {
// The rectangle whose outline runs through the edge pixels kept: the right and bottom edges of
// (x1, y1)–(x2, y2) are left out. Reversed corners are put in order first.
std::optional<QRect> OutlineRect(int x1, int y1, int x2, int y2) {
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x1 == x2 || y1 == y2)
        return std::nullopt;
    return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
}
} // namespace

namespace {
// The outline of a rectangle's device span with a thin solid pen wider than one device pixel:
// four strips of the pen's width inside the span that never overlap, so that not-xor drawing
// inverts each pixel once.
void FillOutline(QPainter& p, const QRect& span, int width, const QColor& color) {
    const int top = span.top(), bottom = span.bottom() + 1;
    const int left = span.left(), right = span.right() + 1;
    const int topEnd = std::min(bottom, top + width);
    const int bottomStart = std::max(topEnd, bottom - width);
    p.fillRect(QRect(left, top, right - left, topEnd - top), color);
    if (bottomStart < bottom)
        p.fillRect(QRect(left, bottomStart, right - left, bottom - bottomStart), color);
    const int leftEnd = std::min(right, left + width);
    const int rightStart = std::max(leftEnd, right - width);
    if (bottomStart > topEnd) {
        p.fillRect(QRect(left, topEnd, leftEnd - left, bottomStart - topEnd), color);
        if (rightStart < right)
            p.fillRect(QRect(rightStart, topEnd, right - rightStart, bottomStart - topEnd), color);
    }
}
} // namespace

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    auto r = OutlineRect(x1, y1, x2, y2);
    if (!r)
        return;
    SurfacePainter p(host_);
    if (!p.Active())
        return;
    SetMode(*p, Pen.Mode);
    SetBrushAndGaps(*p, Brush);
    const QRect span = p.Span(r->left(), r->top(), r->right() + 1, r->bottom() + 1);
    if (Brush.Style == bsSolid)
        p->fillRect(span, detail::ToQColor(Brush.Color));
    p->setBrush(Qt::NoBrush);
    const int thin = p.Device().Pen(1);
    if (Pen.Width <= 1 && Pen.Style == psSolid && thin > 1) {
        FillOutline(*p, span, thin, detail::ToQColor(Pen.Color));
        return;
    }
    p->setPen(OutlinePen(Pen, p.Device()));
    const QPoint first = p.Centre(r->left(), r->top());
    const QPoint last = p.Centre(r->right(), r->bottom());
    // A one-pixel-high or -wide rectangle is a line; the outline call would double it.
    if (r->width() == 1 || r->height() == 1)
        p->drawLine(first, last);
    else
        p->drawRect(QRect(first, QSize(last.x() - first.x(), last.y() - first.y())));
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    auto r = OutlineRect(x1, y1, x2, y2);
    if (!r)
        return;
    SurfacePainter p(host_);
    if (!p.Active())
        return;
    SetMode(*p, Pen.Mode);
    SetBrushAndGaps(*p, Brush);
    p->setPen(OutlinePen(Pen, p.Device()));
    // The outline is centred on the rectangle's edge; a thin pen that is wider than a device
    // pixel moves inwards by its extra width, so the ellipse keeps to its rectangle.
    const int inset = (p.Device().Pen(1) - 1) / 2;
    const QRect span = p.Span(r->left(), r->top(), r->right() + 1, r->bottom() + 1);
    p->drawEllipse(span.adjusted(inset, inset, -1 - inset, -1 - inset));
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    if (points.empty())
        return;
    SurfacePainter p(host_);
    if (!p.Active())
        return;
    SetMode(*p, Pen.Mode);
    SetBrushAndGaps(*p, Brush);
    p->setPen(OutlinePen(Pen, p.Device()));
    QPolygon polygon;
    for (const TPoint& pt : points)
        polygon << p.Centre(pt.X, pt.Y);
    p->drawPolygon(polygon, Qt::OddEvenFill);
}

namespace {
// A text in its cell's device span, in the font at its device size. Hinting at the device size
// may make the text a little wider than its logical width times the ratio; it is then narrowed
// to the span, so that it fits the same cell as at a ratio of 1 (the serif face, whose stems are
// evened out, by drawing its glyphs closer together).
void DrawDeviceText(QPainter& p, const QRect& span, const TFont& font, const std::string& text,
                    double ratio) {
    const QFont device = detail::ToDeviceFont(font, ratio);
    const QString shown = detail::FaceText(font, text);
    const QFontMetrics metrics(device);
    const int ascent = std::min(metrics.ascent(), std::max(0, span.height() - metrics.descent()));
    const int natural = metrics.horizontalAdvance(shown);
    p.setFont(device);
    p.setPen(detail::ToQColor(font.Color));
    p.translate(span.left(), span.top() + ascent);
    if (detail::HintsWidenStems(font)) {
        detail::DrawTextWithEvenStems(p, device, shown, span.width());
    } else {
        if (natural > span.width())
            p.scale(static_cast<qreal>(span.width()) / natural, 1);
        p.drawText(0, 0, shown);
    }
    p.resetTransform();
}

std::function<void(const TTextWritten&)>& TextWatcher() {
    static auto* watcher = new std::function<void(const TTextWritten&)>();
    return *watcher;
}
} // namespace

void WatchTexts(std::function<void(const TTextWritten&)> watcher) {
    TextWatcher() = std::move(watcher);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    SurfacePainter p(host_);
    if (!p.Active() || text.empty())
        return;
    const int width = detail::TextAdvance(Font, text);
    const int cell = detail::FontCellHeight(Font);
    if (TextWatcher()) {
        const TRect bounds = host_.CanvasTarget().Bounds;
        TextWatcher()({&host_,
                       text,
                       Font,
                       {x, y, x + width, y + cell},
                       bounds.Width(),
                       bounds.Height(),
                       Brush.Style == bsSolid});
    }
    const QRect span = p.Span(x, y, x + width, y + cell);
    if (Brush.Style == bsSolid)
        p->fillRect(span, detail::ToQColor(Brush.Color));
    DrawDeviceText(*p, span, Font, text, p.Device().Ratio);
}

void TCanvas::Draw(int x, int y, const TPixels& picture) {
    StretchDraw({x, y, x + picture.Width, y + picture.Height}, picture);
}

void TCanvas::StretchDraw(const TRect& r, const TPixels& picture) {
    if (picture.Width <= 0 || picture.Height <= 0 || r.Width() <= 0 || r.Height() <= 0)
        return;
    SurfacePainter p(host_);
    if (!p.Active())
        return;
    const QRect span = p.Span(r.Left, r.Top, r.Right, r.Bottom);
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(span.topLeft(), detail::AtDeviceSize(detail::ToQImage(picture), span.size()));
}

int TCanvas::TextWidth(const std::string& text) const {
    return detail::TextAdvance(Font, text);
}

int TCanvas::TextHeight(const std::string&) const {
    return detail::FontCellHeight(Font);
}
