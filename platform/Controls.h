#pragma once
// Controls of a window. Graphic controls (paint boxes, pictures, labels) own no pixels: they draw
// through their own canvas into the pixel surface of the window or panel that holds them, so
// controls lying on top of each other share pixels. Windowed controls (panels, text boxes, edit
// boxes, buttons, scroll bars, hint bars) are real windows above that surface.

#include "platform/Canvas.h"
#include "platform/Screen.h"
#include "platform/Types.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

class QWidget;
class TContainer;
class TForm;

namespace detail {
struct ContainerImpl;
struct ImageCache;
struct TabStop;
} // namespace detail

enum TAlign { alNone, alTop, alBottom, alClient };
enum TMouseButton { mbLeft, mbRight, mbMiddle };

class TControl {
public:
    explicit TControl(TContainer* parent);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    std::string Name;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    // A control without a colour or font of its own shows its parent's.
    TColor Color() const;
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    const TFont& Font() const;
    void SetFont(const TFont& font);
    bool ParentFont() const { return parentFont_; }

    TContainer* Parent() const { return parent_; }
    TForm* OwnerForm();
    virtual bool IsWindowed() const = 0;

    // Resource values are stored at the window's design resolution; the form converts them once,
    // before its creation handler runs.
    virtual void ScaleResource(int numerator, int denominator);

protected:
    // Called after the bounds, the visibility or the look changed; the default invalidates what
    // the control covered and covers now.
    virtual void BoundsChanged(const TRect& old);
    virtual void VisibilityChanged();
    virtual void LookChanged();
    void InvalidateOwnArea(const TRect& area);
    friend class TContainer;
    // The position a parent's alignment gives, without undoing the alignment.
    void PlaceAligned(const TRect& r);
    // Sets the flag alone, for a form that starts hidden.
    void InitVisible(bool visible) { visible_ = visible; }

private:
    TContainer* parent_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    TAlign align_ = alNone;
    TColor color_ = clSilver;
    bool parentColor_ = true;
    TFont font_;
    bool parentFont_ = true;
};

// ---------------------------------------------------------------------------------------------
// Graphic controls

class TCanvasHost {
public:
    virtual ~TCanvasHost() = default;
    // Where the canvas draws now: the surface, the control's origin on it, the bounds that clip
    // it, and whether the drawing belongs to the control's own paint (then it is clipped to the
    // region being repainted, too).
    struct Target {
        TContainer* Surface = nullptr;
        TRect Bounds;
        bool InOwnPaint = false;
    };
    virtual Target CanvasTarget() = 0;
};

class TGraphicControl : public TControl, public TCanvasHost {
public:
    explicit TGraphicControl(TContainer* parent);
    ~TGraphicControl() override;
    bool IsWindowed() const override { return false; }
    TCanvas Canvas;

    std::function<void()> OnClick;
    std::function<void(TMouseButton, int x, int y)> OnMouseDown;
    std::function<void(int x, int y)> OnMouseMove;
    // The mouse has left the control: it moved onto another control or off the surface, or the
    // window stopped taking the mouse (it was hidden or disabled).
    std::function<void()> OnMouseLeave;
    TCursor Cursor = crDefault;
    // A control that handles no mouse event lets clicks through to what lies below it, and so
    // does one that only follows the mouse.
    bool HandlesMouse() const { return HandlesClicks() || OnMouseMove; }
    bool HandlesClicks() const { return OnClick || OnMouseDown; }

    Target CanvasTarget() override;
    // One step of the window's paint cycle: the canvas takes the control's font and colour, then
    // the control paints.
    void PaintInCycle();
    // The surface the control draws on was given back: the window is hidden.
    virtual void SurfaceReleased() {}
    // What a screen reader reads of a control that paints text as a panel (a definition, a page
    // of text, a title): its lines in reading order. Drawings read nothing; a label reads its
    // caption.
    void SetAccessibleText(std::vector<std::string> lines) { accessibleText_ = std::move(lines); }
    virtual std::vector<std::string> AccessibleText() const { return accessibleText_; }

    // What a click does, without a place: the click handler.
    void Click();
    // Makes a control the learner clicks reachable from the keyboard: Tab stops at it after the
    // windowed controls of its parent made so far, a focus mark shows over its bounds while it
    // has the focus (on the screen only, never in the surface's pixels), and Space or Return
    // there click it. The mouse passes through as before. A screen reader finds it as a button
    // with this name.
    void SetTabStop(const std::string& accessibleName);
    // The widget that takes the keyboard focus for the control; nullptr unless it is a tab stop.
    QWidget* FocusWidget() const;

protected:
    virtual void Paint() = 0;
    void BoundsChanged(const TRect& old) override;
    void VisibilityChanged() override;

private:
    // The tab stop covers the control's bounds and shows while the control does.
    void PlaceTabStop();
    std::vector<std::string> accessibleText_;
    std::unique_ptr<detail::TabStop> tabStop_;
};

class TPaintBox : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::function<void()> OnPaint;

protected:
    void Paint() override;
};

class TImage : public TGraphicControl {
public:
    explicit TImage(TContainer* parent);
    ~TImage() override;
    // The picture as a JPEG file in memory that lasts as long as the control (the pictures
    // embedded in the program do); it is decoded while the control is on the screen.
    // A second JPEG of the picture painted at twice its size serves surfaces finer than the
    // logical pixels.
    void LoadJpeg(std::span<const std::uint8_t> jpeg, std::span<const std::uint8_t> jpeg2x = {});
    void SetPicture(TPixels pixels);
    bool HasPicture() const;
    int PictureWidth();
    int PictureHeight();
    bool Stretch = false;

protected:
    void Paint() override;
    void SurfaceReleased() override;

private:
    double Ratio() const;
    std::unique_ptr<detail::ImageCache> cache_;
};

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TContainer* parent);
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    std::vector<std::string> AccessibleText() const override;
    bool Transparent = false;
    // Fits the bounds to the caption, as labels do unless told otherwise.
    bool AutoSize = true;
    void ScaleResource(int numerator, int denominator) override;

protected:
    void Paint() override;
    void LookChanged() override;

private:
    void FitToCaption();
    std::string caption_;
};

// ---------------------------------------------------------------------------------------------
// Windowed controls

class TWinControl : public TControl {
public:
    TWinControl(TContainer* parent, QWidget* widget);
    ~TWinControl() override;
    bool IsWindowed() const override { return true; }
    QWidget* Widget() const { return widget_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Where the control stands in the order in which Tab walks through the controls of its
    // parent, counted from 0; controls come in the order they were made unless a screen sets it.
    int TabOrder() const;
    void SetTabOrder(int order);
    // The name a screen reader gives the control: the role it has on its screen.
    std::string AccessibleName() const;
    void SetAccessibleName(const std::string& name);

protected:
    void BoundsChanged(const TRect& old) override;
    void VisibilityChanged() override;
    void LookChanged() override;
    // Applies colour and font to the widget.
    virtual void ApplyLook();
    QWidget* widget_;

private:
    bool enabled_ = true;
};

// A windowed control with a pixel surface of its own: the client area of a form, or a panel.
// It runs the paint cycle of everything drawn on it.
class TContainer : public TWinControl {
public:
    TContainer(TContainer* parent, QWidget* widget);
    ~TContainer() override;

    // Children in z-order, lowest first. The container owns them.
    const std::vector<std::unique_ptr<TControl>>& Controls() const { return children_; }
    template <class T, class... Args>
    T* Add(Args&&... args) {
        auto child = std::make_unique<T>(this, std::forward<Args>(args)...);
        T* raw = child.get();
        children_.push_back(std::move(child));
        Realign();
        return raw;
    }

    virtual int ClientWidth() const;
    virtual int ClientHeight() const;

    // Marks an area of the surface for repainting; the paint runs when the program is next idle.
    void Invalidate();
    void InvalidateRect(const TRect& r);
    // Invalidates this surface and those of the panels on it (a window that appears).
    void InvalidateAll();
    // Paints the whole surface and every panel on it at once.
    void Refresh();
    // Runs the pending repaints of this surface now.
    void Update();

    // The colour a pixel of the surface has now (client coordinates); -1 while it is not shown.
    TColor PixelColor(int x, int y) const;
    // The same on the surface's device pixels, and how many of those a logical pixel measures.
    TColor DevicePixelColor(int x, int y) const;
    double PixelRatio() const;
    // The surface's current pixels, for the tests and benchmarks (none while it is not shown).
    TPixels Snapshot() const;
    // A surface holds pixels only while it is on the screen: a hidden window has nothing to draw
    // on, and what is drawn on it goes nowhere. Its picture is painted afresh when it shows.
    bool HoldsSurface() const;

    detail::ContainerImpl& Impl() const { return *impl_; }
    // Lays out the aligned children again (after a size change).
    void Realign();
    // Mouse input on the surface, in client coordinates; returns whether a control took it.
    bool SurfaceMouseDown(TMouseButton button, int x, int y);
    void SurfaceMouseMove(int x, int y);
    // The mouse is no longer over the surface; the control it was over hears of it.
    void SurfaceMouseLeave();

protected:
    // Paints on the form's own canvas before the graphic controls (a panel paints its bevel).
    virtual void PaintSurface() {}
    void LookChanged() override;
    void BoundsChanged(const TRect& old) override;
    void VisibilityChanged() override;
    friend struct detail::ContainerImpl;
    friend class TGraphicControl;
    void ResizeSurface(int width, int height);
    void AttachSurface();
    void DetachSurface();

private:
    TGraphicControl* ControlAt(int x, int y, bool clicks = false) const;
    // Remembers the control the mouse is over now and tells the one it left.
    void TrackHover(TGraphicControl* now);
    TGraphicControl* hover_ = nullptr;
    std::vector<std::unique_ptr<TControl>> children_;
    std::unique_ptr<detail::ContainerImpl> impl_;
};

enum TBevel { bvNone, bvRaised, bvLowered };

class TPanel : public TContainer {
public:
    explicit TPanel(TContainer* parent);
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TBevel BevelOuter = bvRaised;

protected:
    void PaintSurface() override;

private:
    std::string caption_;
};

enum TScrollStyle { ssNone, ssVertical, ssBoth };

// A multi-line text box.
class TMemo : public TWinControl {
public:
    explicit TMemo(TContainer* parent);
    void LinesClear();
    void LinesAdd(const std::string& line);
    void LinesSet(int index, const std::string& line);
    int LinesCount() const;
    std::string LinesGet(int index) const;
    void SetReadOnly(bool readOnly);
    bool ReadOnly() const;
    void SetWordWrap(bool wrap);
    bool WordWrap() const;
    void SetScrollBars(TScrollStyle style);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetWantTabs(bool wantTabs);
    void SetBorder(bool border);
    // Where the lines stand inside the box (control coordinates): within the border and the
    // margins, left of and above the scroll bars. Lines are exactly one character cell apart.
    TRect TextArea() const;
    // Scrolls the lines so that line `index` stands at the top of the box, or as near to it as
    // the lines below it allow; the learner can scroll back as before.
    void ScrollToLine(int index);
    // Whether the whole of line `index` is in view.
    bool LineInView(int index) const;

protected:
    void ApplyLook() override;

private:
    bool noLines_ = true;
    TScrollStyle scrollBars_ = ssNone;
};

class TEdit : public TWinControl {
public:
    explicit TEdit(TContainer* parent);
    std::string Text() const;
    void SetText(const std::string& text);
    void SetReadOnly(bool readOnly);

protected:
    void ApplyLook() override;
};

class TButton : public TWinControl {
public:
    explicit TButton(TContainer* parent);
    void SetCaption(const std::string& caption);
    std::string Caption() const;
    std::function<void()> OnClick;
    // What a press of the button does (used by the widget and by the tests).
    void Click();
};

// A horizontal scroll bar; every scroll event the learner makes reports the new position.
class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TContainer* parent);
    void SetParams(int position, int min, int max);
    int Position() const;
    void SetPosition(int position);
    int Min() const;
    int Max() const;
    void SetSmallChange(int step);
    void SetLargeChange(int step);
    int SmallChange() const;
    int LargeChange() const;
    std::function<void(int position)> OnScroll;
    // What a scroll of the learner does (used by the widget and by the tests): the slider moves
    // to the position, kept within the range, and the scroll handler gets where it stands.
    void Scroll(int position);
};

// A hint bar along the bottom edge with one fixed text.
class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TContainer* parent);
    void SetSimpleText(const std::string& text);
    std::string SimpleText() const { return text_; }

protected:
    void ApplyLook() override;

private:
    std::string text_;
};
