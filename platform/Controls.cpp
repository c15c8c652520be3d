#include "platform/Controls.h"

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/Jpeg.h"
#include "platform/detail/QtBridge.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace {

// Resource values are scaled as the form framework does it: to the nearest integer, halves away
// from zero.
int MulDiv(int value, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

QWidget* SurfaceOf(TContainer* parent) {
    return parent ? parent->Impl().surface : nullptr;
}

void ApplyPalette(QWidget* widget, TColor color, const TFont& font) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, detail::ToQColor(color));
    pal.setColor(QPalette::Base, detail::ToQColor(color));
    pal.setColor(QPalette::Button, detail::ToQColor(color));
    pal.setColor(QPalette::WindowText, detail::ToQColor(font.Color));
    pal.setColor(QPalette::Text, detail::ToQColor(font.Color));
    pal.setColor(QPalette::ButtonText, detail::ToQColor(font.Color));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
    widget->setFont(detail::ToQFont(font));
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TControl

TControl::TControl(TContainer* parent) : parent_(parent) {}

TControl::~TControl() = default;

void TControl::SetBounds(int left, int top, int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    TRect old = BoundsRect();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged(old);
    // An aligned control keeps the place its alignment gives it.
    if (align_ != alNone && parent_)
        parent_->Realign();
}

void TControl::PlaceAligned(const TRect& r) {
    TRect old = BoundsRect();
    if (old == r)
        return;
    left_ = r.Left;
    top_ = r.Top;
    width_ = std::max(0, r.Width());
    height_ = std::max(0, r.Height());
    BoundsChanged(old);
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    VisibilityChanged();
    if (align_ != alNone && parent_)
        parent_->Realign();
}

void TControl::SetAlign(TAlign align) {
    align_ = align;
    if (parent_)
        parent_->Realign();
}

TColor TControl::Color() const {
    return parentColor_ && parent_ ? parent_->Color() : color_;
}

void TControl::SetColor(TColor color) {
    bool changed = color != Color() || parentColor_;
    color_ = color;
    parentColor_ = false;
    if (changed)
        LookChanged();
}

const TFont& TControl::Font() const {
    return parentFont_ && parent_ ? parent_->Font() : font_;
}

void TControl::SetFont(const TFont& font) {
    font_ = font;
    parentFont_ = false;
    LookChanged();
}

TForm* TControl::OwnerForm() {
    TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TForm*>(c);
}

void TControl::ScaleResource(int numerator, int denominator) {
    left_ = MulDiv(left_, numerator, denominator);
    top_ = MulDiv(top_, numerator, denominator);
    width_ = MulDiv(width_, numerator, denominator);
    height_ = MulDiv(height_, numerator, denominator);
    if (!parentFont_)
        font_.Height = MulDiv(font_.Height, numerator, denominator);
    BoundsChanged(BoundsRect());
    LookChanged();
}

void TControl::BoundsChanged(const TRect& old) {
    InvalidateOwnArea(old);
    InvalidateOwnArea(BoundsRect());
}

void TControl::VisibilityChanged() {
    if (parent_)
        parent_->InvalidateRect(BoundsRect());
}

void TControl::LookChanged() {
    InvalidateOwnArea(BoundsRect());
}

void TControl::InvalidateOwnArea(const TRect& area) {
    if (parent_ && visible_)
        parent_->InvalidateRect(area);
}

// ---------------------------------------------------------------------------------------------
// Graphic controls

TGraphicControl::TGraphicControl(TContainer* parent) : TControl(parent), Canvas(*this) {}

TGraphicControl::~TGraphicControl() {
    if (tabStop_)
        delete tabStop_->widget.data();
}

void TGraphicControl::Click() {
    if (OnClick)
        TApplication::Guard(OnClick);
}

void TGraphicControl::BoundsChanged(const TRect& old) {
    TControl::BoundsChanged(old);
    PlaceTabStop();
}

void TGraphicControl::VisibilityChanged() {
    TControl::VisibilityChanged();
    PlaceTabStop();
}

TCanvasHost::Target TGraphicControl::CanvasTarget() {
    TContainer* surface = Parent();
    return {surface, BoundsRect(), surface && surface->Impl().paintingControl == this};
}

void TGraphicControl::PaintInCycle() {
    Canvas.Font = Font();
    Canvas.Brush.Color = Color();
    detail::ContainerImpl& impl = Parent()->Impl();
    impl.paintingControl = this;
    Paint();
    impl.paintingControl = nullptr;
}

void TPaintBox::Paint() {
    if (OnPaint)
        TApplication::Guard(OnPaint);
}

namespace detail {

int DeviceMap::At(int logical) const {
    if (Ratio == 1.0)
        return logical;
    return static_cast<int>(std::floor(logical * Ratio + 0.5));
}

int DeviceMap::Centre(int logical) const {
    const int first = At(logical);
    return first + (At(logical + 1) - first - 1) / 2;
}

int DeviceMap::Pen(int logicalWidth) const {
    return std::max(1, At(logicalWidth));
}

QRect DeviceMap::Rect(const QRect& logical) const {
    if (logical.isEmpty())
        return QRect();
    return QRect(Point(logical.left(), logical.top()),
                 Point(logical.right() + 1, logical.bottom() + 1) - QPoint(1, 1));
}

QRegion DeviceMap::Region(const QRegion& logical) const {
    if (Ratio == 1.0)
        return logical;
    QRegion out;
    for (const QRect& r : logical)
        out += Rect(r);
    return out;
}

QRect DeviceMap::Logical(const QRect& device) const {
    if (Ratio == 1.0 || device.isEmpty())
        return device;
    const auto down = [this](int v) { return static_cast<int>(std::floor(v / Ratio)); };
    const auto up = [this](int v) { return static_cast<int>(std::ceil(v / Ratio)); };
    return QRect(QPoint(down(device.left()), down(device.top())),
                 QPoint(up(device.right() + 1) - 1, up(device.bottom() + 1) - 1));
}

QImage AtDeviceSize(const QImage& picture, QSize device) {
    if (picture.size() == device || picture.isNull())
        return picture;
    return picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A picture's pixels while its window is on the screen. A JPEG picture is decoded again from the
// program's own data when its window shows again; a picture given as pixels is kept. Surfaces
// finer than the logical pixels take the picture painted at twice its size where there is one.
struct ImageCache {
    static constexpr int FineScale = 2;
    std::span<const std::uint8_t> jpeg;
    std::span<const std::uint8_t> fineJpeg;
    QImage picture;
    QImage fine;
    QImage scaled;

    bool UsesFine(double ratio) const { return ratio > 1.0 && !fineJpeg.empty(); }
    const QImage& Source(double ratio) {
        if (UsesFine(ratio)) {
            if (fine.isNull())
                fine = ToQImage(DecodeJpeg(fineJpeg)).copy();
            return fine;
        }
        if (picture.isNull() && !jpeg.empty())
            picture = ToQImage(DecodeJpeg(jpeg)).copy();
        return picture;
    }
    // The picture's size in logical pixels.
    QSize Size(double ratio) {
        const QImage& source = Source(ratio);
        return UsesFine(ratio) ? source.size() / FineScale : source.size();
    }
    const QImage& ScaledTo(QSize device, double ratio) {
        if (scaled.size() != device)
            scaled = AtDeviceSize(Source(ratio), device);
        return scaled;
    }
    void Release() {
        scaled = QImage();
        fine = QImage();
        if (!jpeg.empty())
            picture = QImage();
    }
};
} // namespace detail

TImage::TImage(TContainer* parent)
    : TGraphicControl(parent), cache_(std::make_unique<detail::ImageCache>()) {}

TImage::~TImage() = default;

void TImage::LoadJpeg(std::span<const std::uint8_t> jpeg, std::span<const std::uint8_t> jpeg2x) {
    cache_ = std::make_unique<detail::ImageCache>();
    cache_->jpeg = jpeg;
    cache_->fineJpeg = jpeg2x;
    LookChanged();
}

void TImage::SetPicture(TPixels pixels) {
    cache_ = std::make_unique<detail::ImageCache>();
    cache_->picture = detail::ToQImage(pixels).copy();
    LookChanged();
}

void TImage::SurfaceReleased() {
    cache_->Release();
}

bool TImage::HasPicture() const {
    return !cache_->jpeg.empty() || !cache_->picture.isNull();
}

double TImage::Ratio() const {
    return Parent() && Parent()->HoldsSurface() ? Parent()->PixelRatio() : Screen.PixelRatio;
}

int TImage::PictureWidth() {
    return cache_->Size(Ratio()).width();
}

int TImage::PictureHeight() {
    return cache_->Size(Ratio()).height();
}

void TImage::Paint() {
    const double ratio = Ratio();
    const QSize size = cache_->Size(ratio);
    if (size.isEmpty() || Width() <= 0 || Height() <= 0)
        return;
    // Stretched, the picture fills the control; unscaled, it keeps its size from the control's
    // corner and the control cuts it off.
    const QRect target =
        Stretch ? detail::ToQRect(BoundsRect()) : QRect(QPoint(Left(), Top()), size);
    const QSize device = Parent()->Impl().device.Rect(target).size();
    detail::DrawPicture(*Parent(), cache_->ScaledTo(device, ratio), target,
                        detail::ClipOf(CanvasTarget()));
}

TLabel::TLabel(TContainer* parent) : TGraphicControl(parent) {}

void TLabel::SetCaption(const std::string& caption) {
    caption_ = caption;
    LookChanged();
}

void TLabel::FitToCaption() {
    if (!AutoSize)
        return;
    TFont f = Font();
    SetBounds(Left(), Top(), detail::TextAdvance(f, caption_), detail::FontCellHeight(f));
}

void TLabel::LookChanged() {
    FitToCaption();
    TGraphicControl::LookChanged();
}

void TLabel::ScaleResource(int numerator, int denominator) {
    TGraphicControl::ScaleResource(numerator, denominator);
    FitToCaption();
}

void TLabel::Paint() {
    if (!Transparent) {
        Canvas.Brush.Color = Color();
        Canvas.Pen.Color = Color();
        Canvas.Rectangle(0, 0, Width(), Height());
    }
    Canvas.Brush.Style = bsClear;
    Canvas.TextOut(0, 0, caption_);
}

// ---------------------------------------------------------------------------------------------
// Windowed controls

TWinControl::TWinControl(TContainer* parent, QWidget* widget) : TControl(parent), widget_(widget) {
    if (parent)
        widget_->setVisible(true);
}

TWinControl::~TWinControl() {
    // The widget goes with its parent widget, or here if it is the top of a tree.
    if (widget_ && !widget_->parent())
        delete widget_;
}

void TWinControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    widget_->setEnabled(enabled);
}

void TWinControl::BoundsChanged(const TRect& old) {
    widget_->setGeometry(Left(), Top(), Width(), Height());
    // What the control uncovered is painted again.
    InvalidateOwnArea(old);
}

void TWinControl::VisibilityChanged() {
    widget_->setVisible(Visible());
    if (!Visible() && Parent())
        Parent()->InvalidateRect(BoundsRect());
}

void TWinControl::LookChanged() {
    ApplyLook();
}

void TWinControl::ApplyLook() {
    ApplyPalette(widget_, Color(), Font());
}

// ---------------------------------------------------------------------------------------------
// Containers and their paint cycle

namespace detail {

namespace {
std::vector<TContainer*>& PaintQueue() {
    // Never destroyed: forms and timers may outlive it when the program ends.
    static auto* queue = new std::vector<TContainer*>();
    return *queue;
}
bool flushPosted = false;

bool Showing(const TControl& c) {
    const TControl* p = &c;
    while (p) {
        if (!p->Visible())
            return false;
        p = p->Parent();
    }
    return true;
}
} // namespace

void SchedulePaint(TContainer& container) {
    ContainerImpl& impl = container.Impl();
    if (impl.scheduled)
        return;
    impl.scheduled = true;
    PaintQueue().push_back(&container);
    if (!flushPosted && QCoreApplication::instance()) {
        flushPosted = true;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { FlushPaints(); }, Qt::QueuedConnection);
    }
}

void FlushPaints() {
    flushPosted = false;
    // A paint may owe further paints (a control placed by its own paint handler); they run in
    // the next round, never recursively.
    for (int round = 0; round < 4 && !PaintQueue().empty(); ++round) {
        std::vector<TContainer*> queue;
        queue.swap(PaintQueue());
        for (TContainer* c : queue) {
            ContainerImpl& impl = c->Impl();
            impl.scheduled = false;
            QRegion region = impl.pending;
            impl.pending = QRegion();
            if (Showing(*c))
                ContainerImpl::PaintRegion(*c, region);
        }
    }
}

void ForgetContainer(TContainer& container) {
    auto& q = PaintQueue();
    q.erase(std::remove(q.begin(), q.end(), &container), q.end());
}

void ContainerImpl::Blit(const QRect& area) {
    if (surface && WindowsOnDisplay())
        surface->update(area);
}

void ContainerImpl::PaintRegion(TContainer& container, const QRegion& wanted) {
    ContainerImpl& impl = container.Impl();
    QRegion region = wanted & QRegion(impl.Area());
    if (region.isEmpty() || impl.painting)
        return;
    impl.painting = region;
    impl.touched = QRegion();
    {
        QPainter p(&impl.image);
        p.setClipRegion(impl.device.Region(region));
        p.fillRect(impl.image.rect(), ToQColor(container.Color()));
    }
    container.PaintSurface();
    // The form's paint may draw through a control's canvas beyond the repainted region; the
    // controls lying there are painted again too, so that they stay above that drawing.
    region += impl.touched & QRegion(impl.Area());
    impl.painting = region;
    for (const auto& child : container.Controls()) {
        auto* graphic = dynamic_cast<TGraphicControl*>(child.get());
        if (!graphic || !graphic->Visible())
            continue;
        if (region.intersects(ToQRect(graphic->BoundsRect())))
            graphic->PaintInCycle();
    }
    impl.painting.reset();
    impl.Blit(region.boundingRect());
}

SurfaceWidget::SurfaceWidget(TContainer& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    const ContainerImpl& impl = owner_.Impl();
    QPainter p(this);
    if (impl.device.Ratio == 1.0) {
        for (const QRect& r : event->region())
            p.drawImage(r, impl.image, r);
        return;
    }
    // The surface holds device pixels: drawn at the logical size they stand for, each lands on
    // its own pixel of the window.
    p.setClipRegion(event->region());
    const QSizeF logical = QSizeF(impl.image.size()) / impl.device.Ratio;
    p.drawImage(QRectF(QPointF(0, 0), logical), impl.image);
}

namespace {
TMouseButton ButtonOf(Qt::MouseButton b) {
    return b == Qt::RightButton ? mbRight : b == Qt::MiddleButton ? mbMiddle : mbLeft;
}
} // namespace

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
    TForm* form = owner_.OwnerForm();
    if (form && form->AcceptsInput())
        owner_.SurfaceMouseDown(ButtonOf(event->button()), event->position().toPoint().x(),
                                event->position().toPoint().y());
}

void SurfaceWidget::leaveEvent(QEvent*) {
    owner_.SurfaceMouseLeave();
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
    TForm* form = owner_.OwnerForm();
    if (form && form->AcceptsInput())
        owner_.SurfaceMouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

QImage ToQImage(const TPixels& pixels) {
    if (pixels.Width <= 0 || pixels.Height <= 0)
        return QImage();
    return QImage(reinterpret_cast<const uchar*>(pixels.Data.data()), pixels.Width, pixels.Height,
                  pixels.Width * 4, QImage::Format_RGB32);
}

QRegion ClipOf(const TCanvasHost::Target& target) {
    if (!target.Surface)
        return QRegion();
    ContainerImpl& impl = target.Surface->Impl();
    QRegion clip = QRegion(ToQRect(target.Bounds)) & QRegion(impl.Area());
    if (target.InOwnPaint && impl.painting)
        clip &= *impl.painting;
    return clip;
}

void DrawPicture(TContainer& surface, const QImage& picture, const QRect& target,
                 const QRegion& clip) {
    if (clip.isEmpty() || target.isEmpty())
        return;
    ContainerImpl& impl = surface.Impl();
    const QRect device = impl.device.Rect(target);
    {
        QPainter p(&impl.image);
        p.setClipRegion(impl.device.Region(clip));
        p.drawImage(device.topLeft(), AtDeviceSize(picture, device.size()));
    }
    impl.Blit(clip.boundingRect());
}

} // namespace detail

TContainer::TContainer(TContainer* parent, QWidget* widget)
    : TWinControl(parent, widget), impl_(std::make_unique<detail::ContainerImpl>()) {
    if (auto* surface = dynamic_cast<detail::SurfaceWidget*>(widget))
        impl_->surface = surface;
}

TContainer::~TContainer() {
    detail::ForgetContainer(*this);
    // Children go first, while the surface they draw on still exists.
    while (!children_.empty())
        children_.pop_back();
}

int TContainer::ClientWidth() const {
    return Width();
}

int TContainer::ClientHeight() const {
    return Height();
}

void TContainer::Invalidate() {
    InvalidateRect({0, 0, impl_->size.width(), impl_->size.height()});
}

void TContainer::InvalidateAll() {
    Invalidate();
    for (const auto& child : children_)
        if (auto* panel = dynamic_cast<TContainer*>(child.get()))
            panel->InvalidateAll();
}

void TContainer::InvalidateRect(const TRect& r) {
    QRegion area = QRegion(detail::ToQRect(r)) & QRegion(impl_->Area());
    if (area.isEmpty())
        return;
    impl_->pending += area;
    detail::SchedulePaint(*this);
}

void TContainer::Refresh() {
    impl_->pending = QRegion();
    if (!detail::Showing(*this))
        return;
    detail::ContainerImpl::PaintRegion(*this, QRegion(impl_->Area()));
    for (const auto& child : children_)
        if (auto* panel = dynamic_cast<TContainer*>(child.get()))
            panel->Refresh();
}

void TContainer::Update() {
    QRegion region = impl_->pending;
    impl_->pending = QRegion();
    if (detail::Showing(*this))
        detail::ContainerImpl::PaintRegion(*this, region);
}

TColor TContainer::PixelColor(int x, int y) const {
    if (!impl_->Area().contains(x, y))
        return -1;
    return DevicePixelColor(impl_->device.At(x), impl_->device.At(y));
}

TColor TContainer::DevicePixelColor(int x, int y) const {
    if (!impl_->image.rect().contains(x, y))
        return -1;
    return ColorOfPixel(impl_->image.pixel(x, y));
}

double TContainer::PixelRatio() const {
    return impl_->device.Ratio;
}

TPixels TContainer::Snapshot() const {
    TPixels out(impl_->image.width(), impl_->image.height());
    for (int y = 0; y < out.Height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(impl_->image.constScanLine(y));
        std::copy(row, row + out.Width,
                  out.Data.begin() + static_cast<std::ptrdiff_t>(y) * out.Width);
    }
    return out;
}

void TContainer::Realign() {
    TRect r{0, 0, ClientWidth(), ClientHeight()};
    for (TAlign pass : {alTop, alBottom, alClient}) {
        for (const auto& child : children_) {
            if (child->Align() != pass || !child->Visible())
                continue;
            switch (pass) {
            case alTop:
                child->PlaceAligned({r.Left, r.Top, r.Right, r.Top + child->Height()});
                r.Top += child->Height();
                break;
            case alBottom:
                child->PlaceAligned({r.Left, r.Bottom - child->Height(), r.Right, r.Bottom});
                r.Bottom -= child->Height();
                break;
            default:
                child->PlaceAligned(r);
                break;
            }
        }
    }
}

void TContainer::ResizeSurface(int width, int height) {
    const QSize size(std::max(1, width), std::max(1, height));
    if (impl_->size != size) {
        impl_->size = size;
        if (!impl_->image.isNull())
            impl_->image = QImage();
        AttachSurface();
    }
    Realign();
    Invalidate();
}

void TContainer::AttachSurface() {
    if (!detail::Showing(*this))
        return;
    if (impl_->image.isNull()) {
        // The ratio is taken when the pixels are made, so a surface is at one scale throughout.
        impl_->device = detail::DeviceMap{Screen.PixelRatio};
        const QSize device(impl_->device.At(impl_->size.width()),
                           impl_->device.At(impl_->size.height()));
        impl_->image = QImage(device, QImage::Format_RGB32);
        impl_->image.fill(detail::ToQColor(Color()));
    }
    for (const auto& child : children_)
        if (auto* panel = dynamic_cast<TContainer*>(child.get()))
            panel->AttachSurface();
}

void TContainer::DetachSurface() {
    // What was drawn is gone; showing the surface again paints it afresh.
    impl_->image = QImage();
    impl_->pending = QRegion();
    for (const auto& child : children_) {
        if (auto* panel = dynamic_cast<TContainer*>(child.get()))
            panel->DetachSurface();
        else if (auto* graphic = dynamic_cast<TGraphicControl*>(child.get()))
            graphic->SurfaceReleased();
    }
}

bool TContainer::HoldsSurface() const {
    return !impl_->image.isNull();
}

void TContainer::VisibilityChanged() {
    TWinControl::VisibilityChanged();
    if (Visible()) {
        AttachSurface();
        InvalidateAll();
    } else {
        DetachSurface();
    }
}

void TContainer::BoundsChanged(const TRect& old) {
    TWinControl::BoundsChanged(old);
    ResizeSurface(ClientWidth(), ClientHeight());
}

void TContainer::LookChanged() {
    TWinControl::LookChanged();
    for (const auto& child : children_)
        if (child->ParentColor() || child->ParentFont())
            child->LookChanged();
    Invalidate();
}

TGraphicControl* TContainer::ControlAt(int x, int y, bool clicks) const {
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        auto* graphic = dynamic_cast<TGraphicControl*>(it->get());
        if (!graphic || !graphic->Visible() ||
            !(clicks ? graphic->HandlesClicks() : graphic->HandlesMouse()))
            continue;
        TRect r = graphic->BoundsRect();
        if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom)
            return graphic;
    }
    return nullptr;
}

bool TContainer::SurfaceMouseDown(TMouseButton button, int x, int y) {
    TGraphicControl* target = ControlAt(x, y, /*clicks=*/true);
    if (!target)
        return false;
    int cx = x - target->Left(), cy = y - target->Top();
    if (target->OnMouseDown)
        TApplication::Guard([&] { target->OnMouseDown(button, cx, cy); });
    target->Click();
    return true;
}

void TContainer::SurfaceMouseMove(int x, int y) {
    TGraphicControl* target = ControlAt(x, y);
    TrackHover(target);
    // The handler may choose the cursor for the place the mouse has come to; it shows at once.
    if (target && target->OnMouseMove)
        TApplication::Guard([&] { target->OnMouseMove(x - target->Left(), y - target->Top()); });
    TCursor cursor = Screen.Cursor != crDefault ? Screen.Cursor
                     : target                   ? target->Cursor
                                                : crDefault;
    if (impl_->surface)
        impl_->surface->setCursor(cursor == crHandPoint ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TContainer::TrackHover(TGraphicControl* now) {
    TGraphicControl* left = hover_;
    hover_ = now;
    if (left && left != now && left->OnMouseLeave)
        TApplication::Guard(left->OnMouseLeave);
}

void TContainer::SurfaceMouseLeave() {
    TrackHover(nullptr);
}

// ---------------------------------------------------------------------------------------------
// Panels, text boxes and the rest

TPanel::TPanel(TContainer* parent)
    : TContainer(parent, new detail::SurfaceWidget(*this, SurfaceOf(parent))) {
    SetColor(clSilver);
}

void TPanel::SetCaption(const std::string& caption) {
    caption_ = caption;
    Invalidate();
}

void TPanel::PaintSurface() {
    // The panel's edge and caption, drawn as the window system draws them, at the surface's
    // device size: the edge one logical pixel wide.
    detail::ContainerImpl& impl = Impl();
    QImage& image = impl.image;
    QPainter p(&image);
    p.setClipRegion(impl.device.Region(*impl.painting));
    if (BevelOuter != bvNone) {
        QColor light = BevelOuter == bvRaised ? Qt::white : QColor(128, 128, 128);
        QColor dark = BevelOuter == bvRaised ? QColor(128, 128, 128) : Qt::white;
        const int w = image.width(), h = image.height(), edge = impl.device.Pen(1);
        p.fillRect(0, 0, w, edge, light);
        p.fillRect(0, 0, edge, h, light);
        p.fillRect(0, h - edge, w, edge, dark);
        p.fillRect(w - edge, 0, edge, h, dark);
    }
    if (!caption_.empty()) {
        p.setFont(detail::ToDeviceFont(Font(), impl.device.Ratio));
        p.setPen(detail::ToQColor(Font().Color));
        p.drawText(image.rect(), Qt::AlignCenter, detail::Q(caption_));
    }
}

namespace {

QTextEdit* MemoWidget(QWidget* w) {
    return static_cast<QTextEdit*>(w);
}

// The room between the box's edge and its text: small, as in the text boxes the lines were
// fitted to.
constexpr int MemoTextMargin = 2;

// A line of the text box exactly one character cell high, whatever leading the face has.
QTextBlockFormat LineFormat(const TFont& font) {
    QTextBlockFormat format;
    format.setLineHeight(detail::FontCellHeight(font), QTextBlockFormat::FixedHeight);
    return format;
}

} // namespace

TMemo::TMemo(TContainer* parent) : TWinControl(parent, new QTextEdit(SurfaceOf(parent))) {
    auto* edit = MemoWidget(widget_);
    edit->setAcceptRichText(false);
    edit->document()->setDocumentMargin(MemoTextMargin);
    detail::AcceptKeyboardFocus(edit);
    detail::LeaveWithCtrlTab(edit);
    SetScrollBars(ssNone);
    SetColor(clWhite);
}

void TMemo::LinesClear() {
    MemoWidget(widget_)->clear();
    noLines_ = true;
}

void TMemo::LinesAdd(const std::string& line) {
    auto* edit = MemoWidget(widget_);
    QTextCursor cursor(edit->document());
    if (LinesCount() == 0) {
        edit->setPlainText(detail::Q(line));
        cursor = QTextCursor(edit->document());
        cursor.setBlockFormat(LineFormat(Font()));
    } else {
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock(LineFormat(Font()));
        cursor.insertText(detail::Q(line));
    }
    noLines_ = false;
    edit->moveCursor(QTextCursor::Start);
}

void TMemo::LinesSet(int index, const std::string& line) {
    if (index < 0)
        return;
    while (LinesCount() <= index)
        LinesAdd("");
    QTextCursor cursor(MemoWidget(widget_)->document()->findBlockByNumber(index));
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(detail::Q(line));
}

// An empty text box has no lines; one whose only line is empty has one.
int TMemo::LinesCount() const {
    auto* edit = MemoWidget(widget_);
    if (edit->document()->isEmpty() && noLines_)
        return 0;
    return edit->document()->blockCount();
}

std::string TMemo::LinesGet(int index) const {
    if (index < 0 || index >= LinesCount())
        return {};
    return detail::S(MemoWidget(widget_)->document()->findBlockByNumber(index).text());
}

void TMemo::SetReadOnly(bool readOnly) {
    MemoWidget(widget_)->setReadOnly(readOnly);
}

bool TMemo::ReadOnly() const {
    return MemoWidget(widget_)->isReadOnly();
}

void TMemo::SetWordWrap(bool wrap) {
    MemoWidget(widget_)->setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

bool TMemo::WordWrap() const {
    return MemoWidget(widget_)->lineWrapMode() != QTextEdit::NoWrap;
}

void TMemo::SetScrollBars(TScrollStyle style) {
    auto* edit = MemoWidget(widget_);
    scrollBars_ = style;
    edit->setVerticalScrollBarPolicy(style == ssNone ? Qt::ScrollBarAlwaysOff
                                                     : Qt::ScrollBarAlwaysOn);
    edit->setHorizontalScrollBarPolicy(style == ssBoth ? Qt::ScrollBarAlwaysOn
                                                       : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetWantTabs(bool wantTabs) {
    MemoWidget(widget_)->setTabChangesFocus(!wantTabs);
}

void TMemo::SetBorder(bool border) {
    MemoWidget(widget_)->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
}

TRect TMemo::TextArea() const {
    auto* edit = MemoWidget(widget_);
    const int frame = edit->frameWidth();
    const int bar = edit->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, edit);
    const int inset = frame + MemoTextMargin;
    int right = Width() - inset - (scrollBars_ == ssNone ? 0 : bar);
    int bottom = Height() - inset - (scrollBars_ == ssBoth ? bar : 0);
    return {inset, inset, std::max(inset, right), std::max(inset, bottom)};
}

void TMemo::ApplyLook() {
    ApplyPalette(widget_, Color(), Font());
    // The lines keep one cell's height in the new font.
    QTextCursor cursor(MemoWidget(widget_)->document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(LineFormat(Font()));
}

TEdit::TEdit(TContainer* parent) : TWinControl(parent, new QLineEdit(SurfaceOf(parent))) {
    SetColor(clWhite);
    detail::AcceptKeyboardFocus(widget_);
}

std::string TEdit::Text() const {
    return detail::S(static_cast<QLineEdit*>(widget_)->text());
}

void TEdit::SetText(const std::string& text) {
    static_cast<QLineEdit*>(widget_)->setText(detail::Q(text));
}

void TEdit::SetReadOnly(bool readOnly) {
    static_cast<QLineEdit*>(widget_)->setReadOnly(readOnly);
}

void TEdit::ApplyLook() {
    ApplyPalette(widget_, Color(), Font());
}

TButton::TButton(TContainer* parent) : TWinControl(parent, new QPushButton(SurfaceOf(parent))) {
    QObject::connect(static_cast<QPushButton*>(widget_), &QPushButton::clicked, [this] {
        TForm* form = OwnerForm();
        if (form && form->AcceptsInput())
            Click();
    });
}

void TButton::SetCaption(const std::string& caption) {
    static_cast<QPushButton*>(widget_)->setText(detail::Q(caption));
}

std::string TButton::Caption() const {
    return detail::S(static_cast<QPushButton*>(widget_)->text());
}

void TButton::Click() {
    if (Enabled() && OnClick)
        TApplication::Guard(OnClick);
}

namespace {
QScrollBar* Bar(QWidget* w) {
    return static_cast<QScrollBar*>(w);
}
} // namespace

TScrollBar::TScrollBar(TContainer* parent)
    : TWinControl(parent, new QScrollBar(Qt::Horizontal, SurfaceOf(parent))) {
    // Only the learner's scroll events report; setting the position from code is silent.
    QObject::connect(Bar(widget_), &QScrollBar::actionTriggered,
                     [this](int) { Scroll(Bar(widget_)->sliderPosition()); });
    detail::AcceptKeyboardFocus(widget_);
    detail::ArrowsMoveSlider(Bar(widget_));
}

void TScrollBar::Scroll(int position) {
    QScrollBar* bar = Bar(widget_);
    {
        // Moving the slider makes the widget report the move itself; it is reported once, here.
        QSignalBlocker quiet(bar);
        bar->setSliderPosition(std::clamp(position, bar->minimum(), bar->maximum()));
    }
    if (OnScroll)
        TApplication::Guard([&] { OnScroll(bar->sliderPosition()); });
}

void TScrollBar::SetParams(int position, int min, int max) {
    QScrollBar* bar = Bar(widget_);
    QSignalBlocker block(bar);
    bar->setRange(min, max);
    bar->setValue(position);
}

int TScrollBar::Position() const {
    return Bar(widget_)->value();
}

void TScrollBar::SetPosition(int position) {
    QSignalBlocker block(Bar(widget_));
    Bar(widget_)->setValue(position);
}

int TScrollBar::Min() const {
    return Bar(widget_)->minimum();
}

int TScrollBar::Max() const {
    return Bar(widget_)->maximum();
}

void TScrollBar::SetSmallChange(int step) {
    Bar(widget_)->setSingleStep(step);
}

void TScrollBar::SetLargeChange(int step) {
    Bar(widget_)->setPageStep(step);
}

int TScrollBar::SmallChange() const {
    return Bar(widget_)->singleStep();
}

int TScrollBar::LargeChange() const {
    return Bar(widget_)->pageStep();
}

// The hint bar's height when nothing sets it: tall enough for its font.
constexpr int StatusBarMinimumHeight = 19;
constexpr int StatusBarTextMargin = 4;

TStatusBar::TStatusBar(TContainer* parent) : TWinControl(parent, new QLabel(SurfaceOf(parent))) {
    SetColor(clSilver);
    static_cast<QLabel*>(widget_)->setIndent(StatusBarTextMargin);
    static_cast<QLabel*>(widget_)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetAlign(alBottom);
    ApplyLook();
}

void TStatusBar::SetSimpleText(const std::string& text) {
    text_ = text;
    static_cast<QLabel*>(widget_)->setText(detail::Q(text));
}

void TStatusBar::ApplyLook() {
    ApplyPalette(widget_, Color(), Font());
    int needed =
        std::max(StatusBarMinimumHeight, detail::FontCellHeight(Font()) + StatusBarTextMargin);
    if (Height() != needed)
        SetHeight(needed);
}
