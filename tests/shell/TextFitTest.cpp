// Every text the program shows, at 800 × 600 and 1024 × 768: each screen opened, painted and its
// explanatory text shown, as a learner sees it. No given line may be wider than its box, no line
// of a text box without scroll bars may stand below its bottom, no hint may be wider than its bar
// and no text drawn on a diagram may be cut by the edge of the surface it stands on.

#include "Harness.h"
#include "ironcarbon/UnitEKDGESAMT.h"
#include "platform/Keys.h"
#include "platform/detail/QtBridge.h"
#include "shell/TextPage.h"
#include "shell/UnitALLZTAZTU.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>

#include <sstream>

namespace {

std::string TrimRight(const std::string& s) {
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

class Findings {
public:
    void Add(const TForm& form, const std::string& what) {
        std::ostringstream s;
        s << "\"" << form.Caption() << "\": " << what;
        lines_.push_back(s.str());
    }
    bool Empty() const { return lines_.empty(); }
    std::string Report() const {
        std::string all;
        for (const auto& line : lines_)
            all += line + "\n";
        return all;
    }

private:
    std::vector<std::string> lines_;
};

// The long lines of this page in the small layout run past its panel, as they were laid out.
bool CutByDesign(const TForm& form) {
    return &form == FormALLZTAZTU && Screen.Width < 1024;
}

// "Arial" and "Times New Roman" show in faces of the very same widths: where such a text meets
// an edge, it meets it as it was laid out ("6,67 % Kohlenstoff" on the microstructure series
// ends one pixel past its box). The walk holds the stand-in for the narrow screen font.
bool MetricCompatible(const TFont& font) {
    return font.Name == "Arial" || font.Name == "Times New Roman";
}

// The width a text covers: a filled cell all of it, a text without background up to the right
// edge of its last letter's ink.
int InkWidth(const TTextWritten& t) {
    if (t.Opaque)
        return t.Cell.Width();
    const QString shown = detail::FaceText(t.Font, TrimRight(t.Text));
    return shown.isEmpty() ? 0
                           : QFontMetrics(detail::ToQFont(t.Font)).boundingRect(shown).right() + 1;
}

void CheckDrawnTexts(const TForm& form, const std::vector<TTextWritten>& texts,
                     Findings& findings) {
    for (const TTextWritten& t : texts) {
        // A text may lose the foot of its cell at a box's lower edge, as a subscript does, but
        // no part of its width.
        const int width = InkWidth(t);
        const bool inside = t.Cell.Left >= 0 && t.Cell.Top >= 0 &&
                            t.Cell.Left + width <= t.ControlWidth && t.Cell.Top < t.ControlHeight;
        if (!inside && !CutByDesign(form) && !MetricCompatible(t.Font)) {
            std::ostringstream s;
            s << "\"" << t.Text << "\" at (" << t.Cell.Left << ", " << t.Cell.Top << "), " << width
              << " × " << t.Cell.Height() << ", in a box of " << t.ControlWidth << " × "
              << t.ControlHeight;
            findings.Add(form, s.str());
        }
    }
}

void CheckMemo(const TForm& form, const TMemo& memo, Findings& findings) {
    const TRect area = memo.TextArea();
    const int cell = detail::FontCellHeight(memo.Font());
    for (int i = 0; i < memo.LinesCount(); ++i) {
        const std::string line = TrimRight(memo.LinesGet(i));
        const int width = detail::TextAdvance(memo.Font(), line);
        if (width > area.Width())
            findings.Add(form, "text box line " + std::to_string(i) + " \"" + line + "\" is " +
                                   std::to_string(width) + " px wide in " +
                                   std::to_string(area.Width()));
    }
    if (memo.ScrollBars() == ssNone && memo.LinesCount() * cell > area.Height())
        findings.Add(form, std::to_string(memo.LinesCount()) + " lines of " + std::to_string(cell) +
                               " px in a text box " + std::to_string(area.Height()) + " px high");
}

void CheckHintBar(const TForm& form, const TStatusBar& bar, Findings& findings) {
    auto* label = static_cast<QLabel*>(bar.Widget());
    const int room = bar.Width() - 2 * label->frameWidth() - label->indent();
    const int width = detail::TextAdvance(bar.Font(), bar.SimpleText());
    if (width > room)
        findings.Add(form, "hint \"" + bar.SimpleText() + "\" is " + std::to_string(width) +
                               " px wide in " + std::to_string(room));
    if (label->font() != detail::ToQFont(bar.Font()))
        findings.Add(form, "the hint bar does not show its own font");
}

void CheckControls(const TForm& form, const TContainer& container, Findings& findings) {
    for (const auto& child : container.Controls()) {
        if (auto* memo = dynamic_cast<const TMemo*>(child.get()))
            CheckMemo(form, *memo, findings);
        else if (auto* bar = dynamic_cast<const TStatusBar*>(child.get()))
            CheckHintBar(form, *bar, findings);
        else if (auto* label = dynamic_cast<const TLabel*>(child.get())) {
            if (label->Visible() && (label->BoundsRect().Right > container.ClientWidth() ||
                                     label->BoundsRect().Bottom > container.ClientHeight()))
                findings.Add(form, "label \"" + label->Caption() + "\" runs past its window");
        } else if (auto* panel = dynamic_cast<const TContainer*>(child.get()))
            CheckControls(form, *panel, findings);
    }
}

// The black outline of a text page stays whole: no line's background covers its right edge.
void CheckPageOutline(TForm& form, Findings& findings) {
    auto* page = dynamic_cast<TTextPage*>(&form);
    if (!page)
        return;
    const TRect r = page->PaintBoxText->BoundsRect();
    for (int y = r.Top; y < r.Bottom; ++y)
        if (harness::Pixel(form, r.Right - 1, y) != clBlack) {
            findings.Add(form, "the page's outline is broken at row " + std::to_string(y));
            return;
        }
}

// The commands that show something on the screen itself: everything but closing it.
std::vector<TMenuItem*> ScreenCommands(TMenuItem& menu) {
    std::vector<TMenuItem*> commands;
    for (const auto& item : menu.Items()) {
        if (!item->Items().empty()) {
            auto inner = ScreenCommands(*item);
            commands.insert(commands.end(), inner.begin(), inner.end());
        } else if (item->Visible && item->Name.rfind("Ende", 0) != 0 &&
                   item->ShortCut != VK_ESCAPE) {
            commands.push_back(item.get());
        }
    }
    return commands;
}

// Windows a command opened beside the screen go again.
void CloseOthers(const TForm& screen) {
    for (const auto& other : Application.Forms())
        if (other.get() != &screen && other.get() != Application.MainForm() && other->Visible())
            other->Close();
    harness::Settle();
}

class TextFit : public testing::TestWithParam<std::pair<int, int>> {
protected:
    harness::Session session{GetParam().first, GetParam().second};
};

TEST_P(TextFit, EveryGivenLineFitsItsBoxOnEveryScreen) {
    std::vector<TTextWritten> written;
    WatchTexts([&](const TTextWritten& t) { written.push_back(t); });
    Findings findings;
    for (const auto& owned : Application.Forms()) {
        TForm& form = *owned;
        const bool main = &form == Application.MainForm();
        if (!main)
            form.ShowModal();
        // The explanatory texts are shown too, where a screen has them.
        if (TMenuItem* text = form.MainMenu.FindShortCut(VK_F1))
            text->Click();
        written.clear();
        form.Refresh();
        harness::Settle();
        CheckDrawnTexts(form, written, findings);
        CheckControls(form, form, findings);
        CheckPageOutline(form, findings);
        // Each view the screen's commands show, as drawn at once.
        if (!main) {
            for (TMenuItem* command : ScreenCommands(form.MainMenu)) {
                written.clear();
                form.ChooseMenu(*command);
                harness::Settle();
                CheckDrawnTexts(form, written, findings);
                CheckControls(form, form, findings);
                CloseOthers(form);
            }
        }
        if (!main)
            form.Close();
        harness::Settle();
    }
    WatchTexts({});
    EXPECT_TRUE(findings.Empty()) << findings.Report();
}

// Every screen's menu bar shows all its commands, none behind the overflow arrow, with room to
// spare for the frame a desktop draws round the window.
TEST_P(TextFit, EveryMenuBarShowsAllItsCommands) {
    constexpr int FrameRoom = 16;
    // The bar's height is the client area's top: it must stay as it was.
    constexpr int MenuBarHeight = 20;
    for (const auto& owned : Application.Forms()) {
        TForm& form = *owned;
        const bool main = &form == Application.MainForm();
        if (!main)
            form.ShowModal();
        harness::Settle();
        QMenuBar* bar = form.Window()->MenuBar();
        EXPECT_LE(bar->sizeHint().width() + FrameRoom, bar->width()) << form.Caption();
        for (QAction* action : bar->actions())
            EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(action)))
                << form.Caption() << ": " << action->text().toStdString();
        if (auto* more = bar->findChild<QWidget*>("qt_menubar_ext_button")) {
            EXPECT_FALSE(more->isVisible()) << form.Caption();
        }
        if (bar->isVisibleTo(form.Window())) {
            EXPECT_EQ(bar->height(), MenuBarHeight) << form.Caption();
        }
        if (!main)
            form.Close();
        harness::Settle();
    }
}

// In the stable view "Schmelze +" stands just left of "δ-MK" on the same row: the melt and its
// plus sign must come before the Greek letter, or the label reads out of order.
TEST_P(TextFit, TheStableViewKeepsSchmelzePlusBeforeDeltaMk) {
    std::vector<TTextWritten> written;
    WatchTexts([&](const TTextWritten& t) { written.push_back(t); });
    FormEKDGesamt->ShowModal();
    harness::Settle();
    written.clear();
    ASSERT_TRUE(harness::Menu(*FormEKDGesamt, "&stabil"));
    WatchTexts({});
    const TTextWritten* melt = nullptr;
    const TTextWritten* delta = nullptr;
    for (const TTextWritten& t : written) {
        if (t.Text == "Schmelze +")
            melt = &t;
        if (t.Text == "d-MK" && melt && t.Cell.Top == melt->Cell.Top)
            delta = &t;
    }
    ASSERT_NE(melt, nullptr);
    ASSERT_NE(delta, nullptr);
    EXPECT_LT(melt->Cell.Left + detail::TextAdvance(melt->Font, "Schmelze "), delta->Cell.Left);
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, TextFit,
                         testing::Values(std::make_pair(800, 600), std::make_pair(1024, 768)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

} // namespace
