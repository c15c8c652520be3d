#pragma once
// A screen window: a container with a main menu, a caption and a frame, shown modally or beside
// other screens, closed by hiding it. Screens derive from TForm, build their controls in their
// constructor (the values stored with the window) and lay themselves out in FormCreate.

#include "platform/Component.h"
#include "platform/Controls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace detail {
class FormWindow;
}

class TMenuItem {
public:
    TMenuItem(TForm* form, TMenuItem* parent);
    ~TMenuItem();
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    std::string Name;
    // Key code of the shortcut (0 for none). Shortcuts act also while the item is invisible.
    int ShortCut = 0;
    std::function<void()> OnClick;

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // The caption as the menu shows it, with the underlined letter it was given among the
    // commands beside it (see Accelerators); empty while the item is not in a menu.
    std::string ShownCaption() const { return shown_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Whether the item shows in the menu; set once, when the menu is built.
    bool Visible = true;

    // A sub-item, added at the end.
    TMenuItem* Add(const std::string& name, const std::string& caption,
                   std::function<void()> onClick = {}, int shortCut = 0, bool visible = true);
    const std::vector<std::unique_ptr<TMenuItem>>& Items() const { return items_; }
    TMenuItem* Parent() const { return parent_; }

    // What choosing the item does: nothing while it is disabled.
    void Click();
    // The item whose shortcut is this key, in this item's subtree, enabled along the way.
    TMenuItem* FindShortCut(int key);
    TMenuItem* Find(const std::string& caption);

    void* Action = nullptr; // the toolkit's menu entry, once built

private:
    TForm* form_;
    TMenuItem* parent_;
    std::string caption_;
    std::string shown_;
    bool enabled_ = true;
    std::vector<std::unique_ptr<TMenuItem>> items_;
    friend class TForm;
};

enum TFormBorderStyle { bsToolWindow, bsSizeToolWin, bsSizeable };
enum TWindowState { wsNormal, wsMaximized };

class TForm : public TContainer, public TCanvasHost {
public:
    // The design resolution (pixels per inch) and the text height of the form font at it, as
    // stored with the window; resource values are converted from them (see ScaleFromDesign).
    explicit TForm(int designPixelsPerInch = 96, int designTextHeight = 13);
    ~TForm() override;

    // The form's own canvas (client coordinates), painted on before every control.
    TCanvas Canvas;
    Target CanvasTarget() override;

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Set in the constructor; the window takes it when it is created.
    TFormBorderStyle BorderStyle = bsToolWindow;
    TWindowState WindowState = wsNormal;
    // Whether key presses reach FormKeyDown before the focused control.
    bool KeyPreview = false;

    // The top-level items of the main menu.
    TMenuItem MainMenu;

    int ClientWidth() const override;
    int ClientHeight() const override;

    // While false the window ignores the mouse and every key except its menu shortcuts.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    void SetVisible(bool visible) override;
    void Show();
    // Shows the form and blocks every other window shown now until it closes. It returns at once;
    // the caller is blocked from then on, so nothing may follow it that needs the form closed.
    void ShowModal();
    // Runs FormClose, hides the form and ends its modal display.
    void Close();
    bool Modal() const { return modal_; }
    // Whether input to this form is held back by a modal form above it.
    bool Blocked() const { return blockedBy_ > 0; }

    // Event handlers every screen may override.
    virtual void FormCreate() {}
    virtual void FormPaint() {}
    virtual void FormClose() {}
    virtual void FormShow() {}
    virtual void FormKeyDown(int key) {}

    // Input as the window system delivers it (the tests call these too).
    // A key press: menu shortcuts first, then the key preview. Returns whether it was consumed.
    bool KeyDown(int key);
    // A click on the surface at client coordinates.
    bool MouseDown(TMouseButton button, int x, int y);
    void MouseMove(int x, int y);
    // The learner chose a menu command (an item of the menu bar or of a submenu).
    bool ChooseMenu(TMenuItem& item);
    // Whether the window takes mouse and menu input now.
    bool AcceptsInput() const { return Visible() && enabled_ && !Blocked(); }
    // The window's close box.
    void CloseBoxClicked();

    // Called once by the application after construction: converts the stored values from the
    // design resolution, builds the menu bar and runs FormCreate.
    void Create();
    detail::FormWindow* Window() const { return window_; }
    void UpdateMenuItem(TMenuItem& item);
    // Brings the window the learner works in now to the front.
    static void ActivateTopModal();
    // Timers, frame strips and dialogs the form owns.
    const std::vector<std::unique_ptr<TComponent>>& Components() const { return components_; }
    // Where the window and its client area stand on the screen.
    TRect ScreenRect() const;
    TRect SurfaceScreenRect() const;

protected:
    void PaintSurface() override;
    // The surface paints the form's colour itself; the frame and menu bar keep the desktop's look.
    void ApplyLook() override {}
    void BoundsChanged(const TRect& old) override;
    // Showing and hiding a form is Show and Close, not a change of a child area.
    void VisibilityChanged() override {}

private:
    friend class detail::FormWindow;
    void ScaleFromDesign();
    void BuildMenuBar();
    // Gives the visible commands of one menu their underlined letters.
    static void LabelMenu(TMenuItem& menu);
    void ApplyBorderStyle();
    void ApplyGeometry();
    bool SizedByDesktop() const;
    // The form takes the size the desktop gave its window.
    void FollowDesktopSize();
    void WindowResized(int outerWidth, int outerHeight);
    void WindowMoved(int left, int top);
    void HideWindow();
    void EndModal();
    void InvalidateUncovered(const TRect& screenRect);

    detail::FormWindow* window_;
    std::string caption_;
    int designPixelsPerInch_;
    int designTextHeight_;
    bool enabled_ = true;
    bool modal_ = false;
    int blockedBy_ = 0;
    std::vector<TForm*> blockedForms_;
    bool closing_ = false;
    bool applyingGeometry_ = false;
    std::vector<std::unique_ptr<TComponent>> components_;
    friend class TComponent;
};
