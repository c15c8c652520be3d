// A hidden screen costs no pixels: every screen and every panel on it holds its surface only
// while it is shown, its frame strips are given back when it hides, drawing on it while hidden
// goes nowhere, and showing it again paints the same picture as the first time.

#include "Harness.h"
#include "platform/ImageList.h"

#include <functional>

namespace {

// The surfaces of a window: its own and those of the panels on it, in a fixed order; with
// `shown`, only those of panels that are not hidden.
std::vector<const TContainer*> Surfaces(const TContainer& window, bool shown = false) {
    std::vector<const TContainer*> all{&window};
    for (const auto& child : window.Controls())
        if (auto* panel = dynamic_cast<const TContainer*>(child.get());
            panel && (panel->Visible() || !shown)) {
            auto inner = Surfaces(*panel, shown);
            all.insert(all.end(), inner.begin(), inner.end());
        }
    return all;
}

int SurfacesHeld(const TForm& form) {
    int held = 0;
    for (const TContainer* s : Surfaces(form))
        held += s->HoldsSurface();
    return held;
}

int StripsDecoded(const TForm& form) {
    int decoded = 0;
    for (const auto& component : form.Components())
        if (auto* strip = dynamic_cast<const TImageList*>(component.get()))
            decoded += strip->Decoded();
    return decoded;
}

std::vector<TPixels> Picture(const TForm& form) {
    std::vector<TPixels> picture;
    for (const TContainer* s : Surfaces(form))
        picture.push_back(s->Snapshot());
    return picture;
}

class HiddenScreens : public testing::TestWithParam<std::pair<int, int>> {
protected:
    harness::Session session{GetParam().first, GetParam().second};
};

TEST_P(HiddenScreens, HoldNoPixelsAndShowTheSamePictureAgain) {
    for (const auto& owned : Application.Forms()) {
        TForm& form = *owned;
        if (&form == Application.MainForm())
            continue;
        EXPECT_EQ(SurfacesHeld(form), 0) << form.Caption() << " holds pixels before it shows";
        // Drawing on the hidden screen goes nowhere and leaves nothing behind.
        form.Canvas.Brush.Color = clRed;
        form.Canvas.Rectangle(0, 0, 50, 50);
        EXPECT_EQ(form.PixelColor(10, 10), -1);

        form.ShowModal();
        harness::Settle();
        EXPECT_EQ(SurfacesHeld(form), static_cast<int>(Surfaces(form, true).size()))
            << form.Caption();
        const std::vector<TPixels> first = Picture(form);
        form.Close();
        harness::Settle();
        EXPECT_EQ(SurfacesHeld(form), 0) << form.Caption() << " keeps pixels when hidden";
        EXPECT_EQ(StripsDecoded(form), 0) << form.Caption() << " keeps frames when hidden";

        form.ShowModal();
        harness::Settle();
        const std::vector<TPixels> again = Picture(form);
        ASSERT_EQ(first.size(), again.size());
        for (std::size_t i = 0; i < first.size(); ++i)
            EXPECT_TRUE(harness::SamePixels(first[i], again[i]))
                << form.Caption() << ": surface " << i << " differs when shown again";
        form.Close();
        harness::Settle();
    }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, HiddenScreens,
                         testing::Values(std::make_pair(800, 600), std::make_pair(1024, 768)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

} // namespace
