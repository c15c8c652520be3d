// Input made as the window system delivers it: keys reach the focused control and the key preview
// once each, Tab moves the focus, sliders report through their scroll handler within their range,
// clicks of either button and double clicks reach pictures inside panels, the close box closes,
// and a window under a modal one takes none of it.

#include "TestForm.h"
#include "platform/Input.h"
#include "platform/Keys.h"

#include <vector>

using harness::TestForm;

namespace {

class Learner : public TestForm {
public:
    Learner() : TestForm(300, 200) {
        KeyPreview = true;
        Edit = Add<TEdit>();
        Edit->SetBounds(10, 10, 80, 20);
        Button = Add<TButton>();
        Button->SetBounds(100, 10, 60, 20);
        Button->OnClick = [this] { ++Presses; };
        Bar = Add<TScrollBar>();
        Bar->SetBounds(10, 40, 200, 16);
        Bar->SetParams(5, 1, 20);
        Bar->OnScroll = [this](int p) { Scrolls.push_back(p); };
        Panel = Add<TPanel>();
        Panel->SetBounds(10, 70, 100, 100);
        Picture = Panel->Add<TPaintBox>();
        Picture->SetBounds(20, 20, 50, 50);
        Picture->OnMouseDown = [this](TMouseButton b, int x, int y) { Downs.push_back(b); };
    }
    void FormKeyDown(int key) override { Keys.push_back(key); }

    TEdit* Edit;
    TButton* Button;
    TScrollBar* Bar;
    TPanel* Panel;
    TPaintBox* Picture;
    std::vector<int> Keys;
    std::vector<int> Scrolls;
    std::vector<TMouseButton> Downs;
    int Presses = 0;
};

class LearnerInput : public testing::Test {
protected:
    void SetUp() override {
        form.Show();
        harness::Settle();
    }
    Learner form;
};

TEST_F(LearnerInput, KeysReachTheFocusedBoxAndTheKeyPreviewOnceEach) {
    EXPECT_EQ(Input::Focused(form), nullptr);
    Input::Focus(*form.Edit);
    EXPECT_EQ(Input::Focused(form), form.Edit);
    Input::Type(form, "2,5 a");
    EXPECT_EQ(form.Edit->Text(), "2,5 a");
    EXPECT_EQ(form.Keys, (std::vector<int>{'2', 0xFF, '5', VK_SPACE, 'A'}));
    // Keys the box does not take go on to the window, and still reach the preview only once.
    form.Keys.clear();
    for (int key : {VK_UP, VK_F1 + 4, VK_ESCAPE})
        Input::KeyStroke(form, key);
    EXPECT_EQ(form.Keys, (std::vector<int>{VK_UP, VK_F1 + 4, VK_ESCAPE}));
    // Alt with a letter is for the menu bar, never for the preview.
    form.Keys.clear();
    Input::KeyStroke(form, 'E', Input::ssAlt, "e");
    EXPECT_TRUE(form.Keys.empty());
}

TEST_F(LearnerInput, TabMovesTheFocusToTheButtonWhereSpacePressesIt) {
    Input::Focus(*form.Edit);
    Input::KeyStroke(form, VK_TAB);
    EXPECT_EQ(Input::Focused(form), form.Button);
    Input::KeyStroke(form, VK_SPACE, Input::ssNone, " ");
    EXPECT_EQ(form.Presses, 1);
    // A disabled button takes no press.
    form.Button->SetEnabled(false);
    form.Button->Click();
    EXPECT_EQ(form.Presses, 1);
}

TEST_F(LearnerInput, ASliderReportsWhereItStandsWithinItsRange) {
    form.Bar->Scroll(12);
    form.Bar->Scroll(-3);
    form.Bar->Scroll(99);
    EXPECT_EQ(form.Scrolls, (std::vector<int>{12, 1, 20}));
    EXPECT_EQ(form.Bar->Position(), 20);
    // Setting the position from code is silent.
    form.Bar->SetPosition(7);
    EXPECT_EQ(form.Scrolls.size(), 3u);
}

TEST_F(LearnerInput, ClicksOfEitherButtonAndDoubleClicksReachAPictureInAPanel) {
    Input::Click(*form.Panel, mbRight, 30, 30);
    Input::Click(*form.Panel, mbLeft, 40, 40, true);
    EXPECT_EQ(form.Downs, (std::vector<TMouseButton>{mbRight, mbLeft, mbLeft}));
    // Beside the picture the panel takes the click itself.
    Input::Click(*form.Panel, mbLeft, 5, 5);
    EXPECT_EQ(form.Downs.size(), 3u);
}

TEST_F(LearnerInput, AWindowUnderAModalOneTakesNoneOfItAndItsCloseBoxWaits) {
    TestForm modal;
    modal.ShowModal();
    Input::Focus(*form.Edit);
    Input::Type(form, "7");
    Input::Click(*form.Panel, mbLeft, 30, 30);
    Input::CloseBox(form);
    EXPECT_TRUE(form.Keys.empty());
    EXPECT_EQ(form.Edit->Text(), "");
    EXPECT_TRUE(form.Downs.empty());
    EXPECT_TRUE(form.Visible());
    Input::CloseBox(modal);
    EXPECT_FALSE(modal.Visible());
    Input::CloseBox(form);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.Closes, 1);
}

} // namespace
