// The topic menu: its tree of commands, the overview panel, the picture switch and the two
// colour commands.

#include "Harness.h"
#include "platform/Keys.h"
#include "shell/UnitAllZu.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitInfo.h"
#include "shell/UnitMenue.h"
#include "shell/UnitWarme.h"

using harness::Pixel;

namespace {

constexpr TColor PanelYellow = 0x80FFFF;

class Menu : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override { ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten")); }
    harness::Session session{GetParam().first, GetParam().second};
    TFormMenue& menu = *FormMenue;
    // A point of the client area outside the panel and above the hint bar.
    TColor Outside() { return Pixel(menu, 3, menu.ClientHeight() / 2); }
};

TEST_P(Menu, ListsEveryCommandWithItsCaptionInDisplayOrder) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> expected{
        {"&Datei",
         {"Hintergrund Gefüge ja/nein", "Hintergrundfarbe wählen: Seiten",
          "Hintergrundfarbe wählen: Menueblatt", "Beenden", "ESC"}},
        {"&Zustandsschaubilder",
         {"Allgemeines zu Zustandsschaubildern", "Allgemeines zur Entstehung ",
          "Entstehung: Vollkommene Löslichkeit im flüssigen und festen Zustand ",
          "Entstehung: Vollkommene Löslichkeit im flüssigen und vollkommene Unlöslichkeit im "
          "festen Zustand ",
          "Vollkommene Löslichkeit im flüssigen und festen Zustand (\"Typ 1\") ",
          "Vollkommene &Löslichkeit im flüssigen und vollkommene Unlöslichkeit im festen Zustand "
          "(\"Typ 2\")",
          "Eutektisches System mit begrenzter Löslichkeit (\"Typ 3\")",
          "Peritektisches System mit begrenzter Löslichkeit (\"Typ 4\")",
          "System intermediäre Phase (\"Typ 5\")",
          "System mit Umwandlungen im festen Zustand (\"Typ 6\")"}},
        {"Zustandsschaubild &Eisen-Kohlenstoff",
         {"Allgemeines", "Reineisen", "EKS-metastabiler und stabiler Zustand (Ferrit + Austenit)",
          "EKS-metastabil-Gefügebilder", "Abkühlung bei C= 0.6 %", "Abkühlung bei C = 1.2 %",
          "Abkühlung bei C = 3.0 %"}},
        {"Zei&tabhängige Zustandsänderungen",
         {"Allgemeines", "ZTA/ZTU-Schaubilder", "Kontinuierliches ZTA-Schaubild (C = 0.45%)",
          "Kontinuierliches ZTA-Schaubild (C = 0.70%)", "Isothermes ZTA-Schaubild (C = 0.45%)",
          "Kontinuierliches ZTU-Schaubild (C = 0.45%)",
          "Kontinuierliches ZTU-Schaubild (C = 0.70%)", "Isothermes ZTU-Schaubild (C = 0.45%)",
          "Isothermes ZTU-Schaubild (C = 0.70%)"}},
        {"&Wärmebehandlung",
         {"Definition", "Iso.ZTA/konti.ZTU-Schaubild (C = 0.45%)", "Temperaturführung",
          "Glühverfahren", "Normalglühen", "Härten", "Vergüten", "Vergütungsschaubild C45"}},
    };
    const auto& top = menu.MainMenu.Items();
    ASSERT_EQ(top.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(top[i]->Caption(), expected[i].first);
        const auto& items = top[i]->Items();
        ASSERT_EQ(items.size(), expected[i].second.size()) << expected[i].first;
        for (std::size_t j = 0; j < items.size(); ++j)
            EXPECT_EQ(items[j]->Caption(), expected[i].second[j]);
    }
    EXPECT_FALSE(menu.ESC1->Visible);
    EXPECT_EQ(menu.ESC1->ShortCut, VK_ESCAPE);
}

TEST_P(Menu, CommandsOfScreensNotInTheProgramYetAreGreyedOut) {
    std::string missing;
    for (const auto& menuOfTopics : UnitMenue::TopicMenus())
        for (const auto& command : menuOfTopics.Commands) {
            TMenuItem* item = menu.MainMenu.Find(command.Caption);
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->Enabled(), command.Screen != nullptr) << command.Caption;
            if (!command.Screen && missing.empty())
                missing = command.Caption;
        }
    if (missing.empty())
        return; // every screen is built
    EXPECT_FALSE(harness::Menu(menu, missing));
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
}

TEST_P(Menu, ShowsTheOverviewPanelCentredOnTheClientArea) {
    const int left = (menu.ClientWidth() - 770) / 2;
    const int top = (menu.ClientHeight() - 480) / 2;
    EXPECT_EQ((std::array{menu.PaintBoxHaupt->Left(), menu.PaintBoxHaupt->Top(),
                          menu.PaintBoxHaupt->Width(), menu.PaintBoxHaupt->Height()}),
              (std::array{left, top, 770, 460}));
    EXPECT_EQ(Pixel(menu, left, top + 5), clBlack); // outline
    EXPECT_EQ(Pixel(menu, left + 20, top + 5), PanelYellow);
    EXPECT_EQ(Pixel(menu, left + 769, top + 459), clBlack);
    EXPECT_NE(Pixel(menu, left + 770, top + 200), PanelYellow);
    // Text in the rows of the first overview line, none left of x 50.
    int black = 0;
    for (int y = top + 20; y < top + 44; ++y) {
        for (int x = left + 1; x < left + 50; ++x)
            ASSERT_NE(Pixel(menu, x, y), clBlack);
        for (int x = left + 50; x < left + 400; ++x)
            black += Pixel(menu, x, y) == clBlack;
    }
    EXPECT_GT(black, 100);
}

TEST_P(Menu, WithoutThePictureTheChosenMenuColourShowsAroundThePanel) {
    const TColor picture = Outside();
    EXPECT_NE(picture, 0x00FF00);
    session.NextColor = 0x00FF00;
    harness::Menu(menu, "Hintergrundfarbe wählen: Menueblatt");
    EXPECT_EQ(Outside(), picture); // the picture still covers it
    harness::Menu(menu, "Hintergrund Gefüge ja/nein");
    EXPECT_EQ(Outside(), 0x00FF00);
    EXPECT_EQ(Pixel(menu, menu.PaintBoxHaupt->Left() + 20, menu.PaintBoxHaupt->Top() + 5),
              PanelYellow);
    harness::Menu(menu, "Hintergrund Gefüge ja/nein");
    EXPECT_EQ(Outside(), picture);
}

TEST_P(Menu, APageColourChangesExactlyTheListedScreens) {
    std::vector<TColor> before;
    for (const auto& form : Application.Forms())
        before.push_back(form->Color());
    session.NextColor = 0x123456;
    harness::Menu(menu, "Hintergrundfarbe wählen: Seiten");
    std::vector<TForm*> listed;
    for (auto screen : UnitMenue::PageColorScreens())
        listed.push_back(screen());
    for (std::size_t i = 0; i < Application.Forms().size(); ++i) {
        TForm* form = Application.Forms()[i].get();
        bool isListed = std::find(listed.begin(), listed.end(), form) != listed.end();
        EXPECT_EQ(form->Color(), isListed ? 0x123456 : before[i]) << form->Caption();
    }
    EXPECT_EQ(FormHaupt->Color(), 0xDD3200);
    EXPECT_EQ(FormInfo->Color(), 0xDD3200);
    EXPECT_EQ(FormMenue->Color(), 0xFF2F2F);
    // The new colour shows around the page's panel at its next paint.
    harness::Menu(menu, "Allgemeines zu Zustandsschaubildern");
    EXPECT_EQ(Pixel(*FormAllZu, 2, 2), 0x123456);
}

TEST_P(Menu, TheColourDialogOpensOnTheColourItLastReturnedAndCancellingChangesNothing) {
    harness::Menu(menu, "Hintergrundfarbe wählen: Seiten");
    EXPECT_EQ(session.LastDialogColor, clBlack);
    EXPECT_EQ(FormWarme->Color(), 0xFF2F2F);
    session.NextColor = 0x00AA00;
    harness::Menu(menu, "Hintergrundfarbe wählen: Menueblatt");
    harness::Menu(menu, "Hintergrundfarbe wählen: Seiten");
    EXPECT_EQ(session.LastDialogColor, 0x00AA00);
    EXPECT_EQ(FormWarme->Color(), 0xFF2F2F);
    EXPECT_EQ(session.ColorDialogRuns, 3);
}

TEST_P(Menu, EscOnATopicScreenReturnsToTheMenuAndEscInTheMenuToTheCover) {
    harness::Menu(menu, "Definition");
    EXPECT_EQ(harness::ActiveForm(), FormWarme);
    EXPECT_TRUE(menu.Blocked());
    harness::Key(*FormWarme, VK_ESCAPE);
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    harness::Key(menu, VK_ESCAPE);
    EXPECT_FALSE(menu.Visible());
    EXPECT_EQ(harness::ActiveForm(), FormHaupt);
    // The menu opens again as it was left.
    harness::Menu(menu, "Hintergrund Gefüge ja/nein");
    ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
    EXPECT_TRUE(menu.Visible());
    harness::Menu(menu, "Beenden");
    EXPECT_FALSE(menu.Visible());
}

INSTANTIATE_TEST_SUITE_P(Screens, Menu, testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
