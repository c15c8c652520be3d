// The underlined letters of the menus: the letters captions name are kept, a caption without one
// gets a free letter, and on no menu of any screen do two commands share a letter.

#include "platform/Accelerators.h"
#include "Harness.h"
#include "platform/Form.h"
#include "platform/detail/QtBridge.h"

#include <QAction>

#include <algorithm>
#include <functional>
#include <set>

namespace {

using Accelerators::Assign;
using Strings = std::vector<std::string>;

TEST(Accelerators, KeepNamedLettersAndGiveTheOthersAFreeWordStart) {
    EXPECT_EQ(Assign({"&Ende", "Zugfestigkeit", "Brucheinschnürung", "Streckgrenze", "Bruchdehnung",
                      "Neu"}),
              (Strings{"&Ende", "&Zugfestigkeit", "&Brucheinschnürung", "&Streckgrenze",
                       "B&ruchdehnung", "&Neu"}));
    // A named letter wins over an earlier caption that only could take it.
    EXPECT_EQ(Assign({"Start", "&Stopp"}), (Strings{"S&tart", "&Stopp"}));
    // Later words' starts come before letters inside a word.
    EXPECT_EQ(Assign({"Löschen / Neu", "Leeren"}), (Strings{"&Löschen / Neu", "L&eeren"}));
    EXPECT_EQ(Assign({"Löschen / Neu", "Löschen"}), (Strings{"&Löschen / Neu", "Lö&schen"}))
        << "an umlaut is never chosen";
}

TEST(Accelerators, AClashOfNamedLettersMovesTheLaterOne) {
    EXPECT_EQ(Assign({"&Text ja/nein", "S&tart", "&Ende"}),
              (Strings{"&Text ja/nein", "&Start", "&Ende"}));
    // Case does not make two letters different keys.
    EXPECT_EQ(Assign({"&a", "&A"}), (Strings{"&a", "A"}));
}

TEST(Accelerators, AmpersandsAndCaptionsWithoutAFreeLetter) {
    EXPECT_EQ(Assign({"Rot && Blau"}), (Strings{"&Rot && Blau"}));
    EXPECT_EQ(Accelerators::Plain("&Rot && Blau"), "Rot & Blau");
    EXPECT_EQ(Accelerators::LetterOf("Rot && &Blau"), 'b');
    EXPECT_EQ(Accelerators::LetterOf("Rot && Blau"), 0);
    // Nothing left to take: the caption shows without a letter rather than with a shared one.
    EXPECT_EQ(Assign({"&ab", "&ba", "ab"}), (Strings{"&ab", "&ba", "ab"}));
    EXPECT_EQ(Assign({"", "äö"}), (Strings{"", "äö"}));
    EXPECT_EQ(Assign({"trailing &"}), (Strings{"&trailing &&"}));
}

// Every menu of a form with the visible commands on it: the menu bar, then each submenu.
void ForEachMenu(TMenuItem& menu, const std::function<void(TMenuItem&)>& visit) {
    visit(menu);
    for (const auto& item : menu.Items())
        if (item->Visible && !item->Items().empty())
            ForEachMenu(*item, visit);
}

TEST(Accelerators, EveryCommandOfEveryScreenShowsALetterOfItsOwn) {
    harness::Session session(1024, 768);
    ASSERT_EQ(Application.Forms().size(), 49u);
    int commands = 0;
    for (const auto& form : Application.Forms()) {
        ForEachMenu(form->MainMenu, [&](TMenuItem& menu) {
            std::set<char> letters;
            for (const auto& item : menu.Items()) {
                if (!item->Visible)
                    continue;
                ++commands;
                const std::string shown = item->ShownCaption();
                const char letter = Accelerators::LetterOf(shown);
                EXPECT_NE(letter, 0) << form->Caption() << ": " << shown;
                EXPECT_TRUE(letters.insert(letter).second)
                    << form->Caption() << ": " << shown << " shares its letter";
                EXPECT_EQ(Accelerators::Plain(shown), Accelerators::Plain(item->Caption()));
                // A letter the caption names is the one it shows where no earlier one has it.
                const char named = Accelerators::LetterOf(item->Caption());
                if (named &&
                    std::count_if(menu.Items().begin(), menu.Items().end(), [&](const auto& other) {
                        return other->Visible && Accelerators::LetterOf(other->Caption()) == named;
                    }) == 1) {
                    EXPECT_EQ(shown, item->Caption());
                }
                ASSERT_NE(item->Action, nullptr);
                EXPECT_EQ(static_cast<QAction*>(item->Action)->text(), detail::Q(shown));
            }
        });
    }
    EXPECT_GT(commands, 200);
}

TEST(Accelerators, ANewCaptionIsLabelledAmongItsNeighbours) {
    harness::Session session(800, 600);
    TForm& cover = *Application.MainForm();
    TMenuItem* info = cover.MainMenu.Find("&Info");
    ASSERT_NE(info, nullptr);
    info->SetCaption("Programm");
    // "p" and "b" are taken by the cover's other two commands.
    EXPECT_EQ(info->ShownCaption(), "P&rogramm");
    EXPECT_EQ(static_cast<QAction*>(info->Action)->text(), QStringLiteral("P&rogramm"));
}

} // namespace
