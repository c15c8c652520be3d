#include "platform/Canvas.h"

#include "platform/Controls.h"
#include "platform/detail/QtBridge.h"

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

// A painter on the canvas's surface, translated to the control's origin and clipped. It shows
// what it drew when it goes.
class SurfacePainter {
public:
    explicit SurfacePainter(TCanvasHost& host) : target_(host.CanvasTarget()) {
        if (!target_.Surface)
            return;
        clip_ = detail::ClipOf(target_);
        if (clip_.isEmpty())
            return;
        painter_.emplace(&target_.Surface->Impl().image);
        painter_->setClipRegion(clip_);
        painter_->translate(target_.Bounds.Left, target_.Bounds.Top);
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

private:
    TCanvasHost::Target target_;
    QRegion clip_;
    std::optional<QPainter> painter_;
};

void SetMode(QPainter& p, TPenMode mode) {
    p.setCompositionMode(mode == pmNotXor ? QPainter::RasterOp_NotSourceXorDestination
                                          : QPainter::CompositionMode_SourceOver);
}

// A pen wider than one pixel always draws solid, with round ends and joins.
QPen OutlinePen(const TPen& pen, bool fillGaps) {
    QPen q(detail::ToQColor(pen.Color));
    q.setWidth(std::max(1, pen.Width));
    if (pen.Width > 1) {
        q.setCapStyle(Qt::RoundCap);
        q.setJoinStyle(Qt::RoundJoin);
    } else if (pen.Style != psSolid) {
        q.setDashPattern(pen.Style == psDot ? QList<qreal>{DotOn, DotOff}
                                            : QList<qreal>{DashOn, DashOff});
        q.setCapStyle(Qt::FlatCap);
    } else {
        q.setCapStyle(Qt::SquareCap);
    }
    (void)fillGaps;
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
std::vector<QPoint> LinePixels(TPoint a, TPoint b) {
    std::vector<QPoint> points;
    int dx = std::abs(b.X - a.X), dy = -std::abs(b.Y - a.Y);
    int sx = a.X < b.X ? 1 : -1, sy = a.Y < b.Y ? 1 : -1;
    int err = dx + dy;
    int x = a.X, y = a.Y;
    points.reserve(static_cast<std::size_t>(std::max(dx, -dy)));
    while (x != b.X || y != b.Y) {
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
        p->setPen(OutlinePen(Pen, false));
        if (from == PenPos)
            p->drawPoint(x, y);
        else
            p->drawLine(from.X, from.Y, x, y);
        return;
    }
    std::vector<QPoint> pixels = LinePixels(from, PenPos);
    if (Pen.Style == psSolid) {
        p->setPen(QPen(detail::ToQColor(Pen.Color), 1));
        p->drawPoints(pixels.data(), static_cast<int>(pixels.size()));
        return;
    }
    int on = Pen.Style == psDot ? DotOn : DashOn;
    int period = on + (Pen.Style == psDot ? DotOff : DashOff);
    std::vector<QPoint> marks, gaps;
    for (std::size_t i = 0; i < pixels.size(); ++i)
        (static_cast<int>(i % period) < on ? marks : gaps).push_back(pixels[i]);
    p->setPen(QPen(detail::ToQColor(Pen.Color), 1));
    p->drawPoints(marks.data(), static_cast<int>(marks.size()));
    if (Brush.Style == bsSolid && !gaps.empty()) {
        p->setPen(QPen(detail::ToQColor(Brush.Color), 1));
        p->drawPoints(gaps.data(), static_cast<int>(gaps.size()));
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

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    auto r = OutlineRect(x1, y1, x2, y2);
    if (!r)
        return;
    SurfacePainter p(host_);
    if (!p.Active())
        return;
    SetMode(*p, Pen.Mode);
    SetBrushAndGaps(*p, Brush);
    if (Brush.Style == bsSolid)
        p->fillRect(*r, detail::ToQColor(Brush.Color));
    p->setBrush(Qt::NoBrush);
    p->setPen(OutlinePen(Pen, Brush.Style == bsSolid));
    // A one-pixel-high or -wide rectangle is a line; the outline call would double it.
    if (r->width() == 1 || r->height() == 1)
        p->drawLine(r->topLeft(), r->bottomRight());
    else
        p->drawRect(QRect(r->topLeft(), QSize(r->width() - 1, r->height() - 1)));
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
    p->setPen(OutlinePen(Pen, Brush.Style == bsSolid));
    p->drawEllipse(QRect(r->topLeft(), QSize(r->width() - 1, r->height() - 1)));
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    if (points.empty())
        return;
    SurfacePainter p(host_);
    if (!p.Active())
        return;
    SetMode(*p, Pen.Mode);
    SetBrushAndGaps(*p, Brush);
    p->setPen(OutlinePen(Pen, Brush.Style == bsSolid));
    QPolygon polygon;
    for (const TPoint& pt : points)
        polygon << QPoint(pt.X, pt.Y);
    p->drawPolygon(polygon, Qt::OddEvenFill);
}

namespace {
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
    if (Brush.Style == bsSolid)
        p->fillRect(QRect(x, y, width, cell), detail::ToQColor(Brush.Color));
    p->setFont(detail::ToQFont(Font));
    p->setPen(detail::ToQColor(Font.Color));
    p->drawText(x, y + detail::FontAscent(Font), detail::FaceText(Font, text));
}

void TCanvas::Draw(int x, int y, const TPixels& picture) {
    if (picture.Width <= 0 || picture.Height <= 0)
        return;
    SurfacePainter p(host_);
    if (!p.Active())
        return;
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(x, y, detail::ToQImage(picture));
}

int TCanvas::TextWidth(const std::string& text) const {
    return detail::TextAdvance(Font, text);
}

int TCanvas::TextHeight(const std::string&) const {
    return detail::FontCellHeight(Font);
}
