// What a screen reader finds: every window a frame with its title, the windowed controls named
// by their roles, the click areas as buttons named by what they do, and the texts the screens
// paint as panels as static text in reading order.

#include "Harness.h"
#include "ironcarbon/UnitEKD06.h"
#include "ironcarbon/UnitEKDGESAMT.h"
#include "phase/UnitZutyp1.h"
#include "phase/UnitZutyp2.h"
#include "platform/detail/QtBridge.h"
#include "shell/UnitAllZu.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"
#include "treatment/UnitHaerten.h"
#include "zta_ztu/UnitZTAconC045.h"
#include "zta_ztu/UnitZTUconC045.h"

#include <QAccessible>
#include <QScrollBar>
#include <QTextEdit>

#include <algorithm>

namespace {

using Strings = std::vector<std::string>;

QAccessibleInterface* Reader(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

std::string NameOf(QAccessibleInterface* node) {
    return node ? node->text(QAccessible::Name).toStdString() : std::string("(none)");
}

// The painted texts below a node, depth first in the order a reader walks the children (the
// hint bar is a static text too, but one of the toolkit's own).
void CollectTexts(QAccessibleInterface* node, Strings& out) {
    if (!node)
        return;
    if (node->role() == QAccessible::StaticText && !node->object())
        out.push_back(NameOf(node));
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(node->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), node);
        CollectTexts(child, out);
    }
}

Strings TextsOf(TForm& form) {
    Strings texts;
    CollectTexts(Reader(form.Window()), texts);
    return texts;
}

class ScreenReader : public testing::Test {
protected:
    void Open(TForm& form, const std::string& command) {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(harness::Menu(*FormMenue, command));
        ASSERT_EQ(harness::ActiveForm(), &form);
    }
    harness::Session session{1024, 768};
};

TEST_F(ScreenReader, EveryWindowIsAFrameNamedByItsTitle) {
    ASSERT_EQ(Application.Forms().size(), 49u);
    for (const auto& form : Application.Forms()) {
        QAccessibleInterface* frame = Reader(form->Window());
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->role(), QAccessible::Window) << form->Caption();
        EXPECT_EQ(NameOf(frame), form->Caption());
        // Its client area and menu bar are inside it.
        EXPECT_GE(frame->indexOfChild(Reader(form->Window()->Surface())), 0) << form->Caption();
    }
    QAccessibleInterface* hint = Reader(FormHaupt->StatusBar1->Widget());
    EXPECT_EQ(hint->role(), QAccessible::StaticText);
    EXPECT_EQ(NameOf(hint), "ESC = Abbruch");
}

TEST_F(ScreenReader, TextBoxesEditBoxesAndSlidersCarryTheNamesOfTheirRoles) {
    TMemo& memo = *FormHaerten->MemoErlaeuterung;
    QAccessibleInterface* text = Reader(memo.Widget());
    EXPECT_EQ(NameOf(text), "Erläuterung");
    EXPECT_EQ(memo.AccessibleName(), "Erläuterung");
    auto* edit = static_cast<QTextEdit*>(memo.Widget());
    EXPECT_EQ(NameOf(Reader(edit->verticalScrollBar())), "Erläuterung");
    EXPECT_EQ(NameOf(Reader(edit->horizontalScrollBar())), "Erläuterung");
    EXPECT_EQ(NameOf(Reader(FormEKD06->MemoErlaeuterung->Widget())), "Erläuterung");

    QAccessibleInterface* rate = Reader(FormZTAcon045->EditVauf->Widget());
    EXPECT_EQ(rate->role(), QAccessible::EditableText);
    EXPECT_EQ(NameOf(rate), "Aufheizgeschwindigkeit in °C/min");

    QAccessibleInterface* slider = Reader(FormEKD06->ScrollBarVAb->Widget());
    EXPECT_EQ(slider->role(), QAccessible::ScrollBar);
    EXPECT_EQ(NameOf(slider), "Geschwindigkeit");
    // The slider reads its position as its value.
    ASSERT_NE(slider->valueInterface(), nullptr);
    EXPECT_EQ(slider->valueInterface()->currentValue().toInt(), 1000);

    EXPECT_EQ(NameOf(Reader(FormZTUcon045->MemoT->Widget())), "Tabelle Gefügeanteile");
}

TEST_F(ScreenReader, TheLeverAreasAreButtonsNamedByWhatTheyDoThatAReaderCanPress) {
    const std::vector<std::pair<const TGraphicControl*, std::string>> areas{
        {FormZuTyp1->PaintBoxHand, "Hebelgesetz zeigen"},
        {FormZuTyp2->PaintBoxHand1, "Hebelgesetz links zeigen"},
        {FormZuTyp2->PaintBoxHand2, "Hebelgesetz rechts zeigen"}};
    for (const auto& [area, name] : areas) {
        QAccessibleInterface* button = Reader(area->FocusWidget());
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->role(), QAccessible::Button);
        EXPECT_EQ(NameOf(button), name);
        // It lies in its window's client area, among the controls there.
        EXPECT_GE(button->parent()->indexOfChild(button), 0) << name;
    }

    TFormZuTyp1& form = *FormZuTyp1;
    Open(form, "Vollkommene Löslichkeit im flüssigen und festen Zustand (\"Typ 1\") ");
    QAccessibleActionInterface* press = Reader(form.PaintBoxHand->FocusWidget())->actionInterface();
    ASSERT_NE(press, nullptr);
    const TPixels before = form.Snapshot();
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(harness::SamePixels(form.Snapshot(), before)) << "the lever is drawn";
    EXPECT_FALSE(form.TimerHaupt->Enabled()) << "a press is a click, not a key";
}

TEST_F(ScreenReader, TheCoverAndTheMenuReadTheirPaintedTextsInOrder) {
    EXPECT_EQ(TextsOf(*FormHaupt),
              (Strings{"Grundlagen binärer Zustandsschaubilder", "Das System-Eisen-Kohlenstoff",
                       "Zeitabhängige Zustandsänderungen", "Grundlagen der Wärmebehandlung"}));
    // The overview's indented lines read without their leading blanks.
    EXPECT_EQ(
        TextsOf(*FormMenue),
        (Strings{"- Binäre Zustandsschaubilder",
                 "- Eisen-Kohlenstoff-Diagramm (metastabil und stabil)", "im Gleichgewichtszustand",
                 "- Temperatur- und zeitabhängige Phasenveränderungen",
                 "im System Eisen-Kohlenstoff", "Zeit-Temperatur-Austenitisierungs-Schaubilder",
                 "Zeit-Temperatur-Umwandlungs-Schaubilder", "- Verfahren der Wärmebehandlung",
                 "Normalglühen, Härten und Vergüten"}));
}

TEST_F(ScreenReader, ATextPageAndADefinitionBoxReadLineByLine) {
    const Strings page = TextsOf(*FormAllZu);
    ASSERT_EQ(page.size(), 16u);
    EXPECT_EQ(page.front(),
              "Zustandsschaubilder sind Gleichgewichtsdiagramme, d. h. sie liefern Aussagen über");
    EXPECT_EQ(page[1], "- Aggregatzustände (fest, flüssig, gasförmig)");
    EXPECT_EQ(page.back(), "In diesen Felder liegt ein gleichartiger Aufbau der Phase vor.");

    const Strings hardening = TextsOf(*FormHaerten);
    const Strings definition{
        "Härten: Definition nach DIN EN 10052", "\"Austenitisieren und Abkühlen unter Bedingungen,",
        "die bei Härtesteigerung zur Martensit- gegebenen-", "falls Bainitbildung führen.\""};
    EXPECT_TRUE(std::search(hardening.begin(), hardening.end(), definition.begin(),
                            definition.end()) != hardening.end());
}

TEST_F(ScreenReader, TheIronCarbonPanelsReadWhileTheyShow) {
    TFormEKDGesamt& form = *FormEKDGesamt;
    Open(form, "EKS-metastabiler und stabiler Zustand (Ferrit + Austenit)");
    const Strings plain = TextsOf(form);
    EXPECT_TRUE(plain.empty()) << plain.front();

    ASSERT_TRUE(harness::Menu(form, "Sta&hl"));
    Strings steel = TextsOf(form);
    ASSERT_EQ(steel.size(), 7u);
    EXPECT_EQ(steel.front(), "Ein Eisenwerkstoff ist eine Metalllegierung, in der");
    EXPECT_EQ(steel.back(), "als 2 % Kohlenstoff als Gusseisen bezeichnet.");
    // A reader that holds on to a line keeps it while the panel stays.
    QAccessibleInterface* first =
        Reader(form.Window()->Surface())->child(Reader(form.Window()->Surface())->childCount() - 7);
    EXPECT_EQ(NameOf(first), steel.front());
    EXPECT_EQ(first->rect().topLeft(),
              form.Window()->Surface()->mapToGlobal(
                  QPoint(form.PaintBoxDefStahl->Left(), form.PaintBoxDefStahl->Top())));
    EXPECT_EQ(TextsOf(form), steel);
    EXPECT_EQ(
        Reader(form.Window()->Surface())->child(Reader(form.Window()->Surface())->childCount() - 7),
        first);

    // The learner clicks the panel away: its lines go with it.
    form.MouseDown(mbLeft, form.PaintBoxDefStahl->Left() + 5, form.PaintBoxDefStahl->Top() + 5);
    harness::Settle();
    EXPECT_TRUE(TextsOf(form).empty());

    // The meaning panel reads before the range labels that lie over its lower lines.
    ASSERT_TRUE(harness::Menu(form, "&Bedeutung des EKS"));
    const Strings meaning = TextsOf(form);
    ASSERT_EQ(meaning.size(), 15u);
    EXPECT_EQ(meaning.front(), "Mit Hilfe des Eisen-Kohlenstoff-Schaubildes kann");
    EXPECT_NE(
        std::find(meaning.begin(), meaning.end(), "untereutektoidischen Stählen mit Ferrit/Perlit"),
        meaning.end());
    EXPECT_NE(std::find(meaning.begin(), meaning.end(), "übereutektoidischer Stahl"),
              meaning.end());
}

} // namespace
