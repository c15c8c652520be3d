#include "Harness.h"

#include "app/Registry.h"

namespace harness {

Session::Session(int width, int height) {
    Screen.Width = width;
    Screen.Height = height;
    Screen.Cursor = crDefault;
    Dialogs::SetErrorSink([this](const std::string& message) { Errors.push_back(message); });
    Dialogs::SetColorResponder([this](TColor current) {
        ++ColorDialogRuns;
        LastDialogColor = current;
        std::optional<TColor> answer = NextColor;
        NextColor.reset();
        return answer;
    });
    CreateScreens();
    // The program starts by showing its main window.
    Application.MainForm()->Show();
    Settle();
}

Session::~Session() {
    DestroyScreens();
    Dialogs::SetErrorSink({});
    Dialogs::SetColorResponder({});
}

void Settle() {
    Application.ProcessMessages();
}

bool Menu(TForm& form, const std::string& caption) {
    TMenuItem* item = form.MainMenu.Find(caption);
    EXPECT_NE(item, nullptr) << "no menu item \"" << caption << "\"";
    if (!item)
        return false;
    bool chosen = form.ChooseMenu(*item);
    Settle();
    return chosen;
}

bool Key(TForm& form, int key) {
    bool consumed = form.KeyDown(key);
    Settle();
    return consumed;
}

int Ticks(TTimer& timer, int n) {
    int ran = 0;
    for (int i = 0; i < n && timer.Enabled(); ++i) {
        timer.Tick();
        ++ran;
    }
    Settle();
    return ran;
}

void ExpectMenuItems(const TForm& form,
                     const std::vector<std::pair<std::string, std::string>>& expected) {
    const auto& items = form.MainMenu.Items();
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i]->Name, expected[i].first);
        EXPECT_EQ(items[i]->Caption(), expected[i].second);
    }
}

TForm* ActiveForm() {
    for (auto it = Application.Forms().rbegin(); it != Application.Forms().rend(); ++it)
        if ((*it)->Visible() && !(*it)->Blocked())
            return it->get();
    return nullptr;
}

} // namespace harness
