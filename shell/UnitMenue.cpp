#include "shell/UnitMenue.h"

#include "assets/Assets.h"
#include "ironcarbon/UnitEKD06.h"
#include "ironcarbon/UnitEKD12.h"
#include "ironcarbon/UnitEKD30.h"
#include "ironcarbon/UnitEKDBilder.h"
#include "ironcarbon/UnitEKDGESAMT.h"
#include "ironcarbon/UnitReineisen.h"
#include "phase/UnitAbZUTYP1.h"
#include "phase/UnitAbZUTYP2.h"
#include "phase/UnitZuTyp5.h"
#include "phase/UnitZuTyp6.h"
#include "phase/UnitZutyp1.h"
#include "phase/UnitZutyp2.h"
#include "phase/UnitZutyp3.h"
#include "phase/UnitZutyp4.h"
#include "platform/Keys.h"
#include "platform/Screen.h"
#include "shell/ScreenFrame.h"
#include "shell/UnitALLZTAZTU.h"
#include "shell/UnitAllEKD.h"
#include "shell/UnitAllZu.h"
#include "shell/UnitEntZu.h"
#include "shell/UnitWarme.h"
#include "shell/UnitZeitab.h"
#include "treatment/UnitGlueh.h"
#include "treatment/UnitHaerten.h"
#include "treatment/UnitNormal.h"
#include "treatment/UnitVergschau.h"
#include "treatment/UnitVergueten.h"
#include "treatment/UnitZTAZTU.h"
#include "zta_ztu/UnitZTAZTU045.h"
#include "zta_ztu/UnitZTAconC045.h"
#include "zta_ztu/UnitZTAconC07.h"
#include "zta_ztu/UnitZTAisoC045.h"
#include "zta_ztu/UnitZTUconC045.h"
#include "zta_ztu/UnitZTUconC07.h"
#include "zta_ztu/UnitZTUisoC045.h"
#include "zta_ztu/UnitZTUisoC07.h"

TFormMenue* FormMenue = nullptr;

namespace UnitMenue {

namespace {

constexpr TColor PanelYellow = 0x80FFFF;
constexpr int PanelWidth = 770;
constexpr int PanelHeight = 460;
// The panel stands this much above the vertical centre, counted twice in the halving.
constexpr int PanelLift = 20;
constexpr int OverviewFontHeight = 24;
constexpr int OverviewLeft = 50;

struct OverviewLine {
    int Y;
    const char* Text;
};
const OverviewLine Overview[] = {
    {20, "- Binäre Zustandsschaubilder"},
    {80, "- Eisen-Kohlenstoff-Diagramm (metastabil und stabil)"},
    {120, "   im Gleichgewichtszustand"},
    {180, "- Temperatur- und zeitabhängige Phasenveränderungen"},
    {220, "   im System Eisen-Kohlenstoff"},
    {260, "   Zeit-Temperatur-Austenitisierungs-Schaubilder "},
    {300, "   Zeit-Temperatur-Umwandlungs-Schaubilder"},
    {360, "- Verfahren der Wärmebehandlung"},
    {400, "   Normalglühen, Härten und Vergüten"},
};

} // namespace

// The screens the commands show.
#define SCREEN(instance) [] { return static_cast<TForm*>(instance); }

const std::vector<TopicMenu>& TopicMenus() {
    static const std::vector<TopicMenu> menus{
        {"&Zustandsschaubilder",
         {{"AllgemeinesZU", "Allgemeines zu Zustandsschaubildern", SCREEN(FormAllZu)},
          {"AllgemeineszumAufstellen1", "Allgemeines zur Entstehung ", SCREEN(FormEntZu)},
          {"AbTyp1", "Entstehung: Vollkommene Löslichkeit im flüssigen und festen Zustand ",
           SCREEN(FormAbZuTyp1)},
          {"AbTyp2",
           "Entstehung: Vollkommene Löslichkeit im flüssigen und vollkommene Unlöslichkeit im "
           "festen Zustand ",
           SCREEN(FormAbZuTyp2)},
          {"Typ1", "Vollkommene Löslichkeit im flüssigen und festen Zustand (\"Typ 1\") ",
           SCREEN(FormZuTyp1)},
          {"Typ2",
           "Vollkommene &Löslichkeit im flüssigen und vollkommene Unlöslichkeit im festen "
           "Zustand (\"Typ 2\")",
           SCREEN(FormZuTyp2)},
          {"Typ3", "Eutektisches System mit begrenzter Löslichkeit (\"Typ 3\")",
           SCREEN(FormZuTyp3)},
          {"Typ4", "Peritektisches System mit begrenzter Löslichkeit (\"Typ 4\")",
           SCREEN(FormZuTyp4)},
          {"Typ5", "System intermediäre Phase (\"Typ 5\")", SCREEN(FormZuTyp5)},
          {"Typ6", "System mit Umwandlungen im festen Zustand (\"Typ 6\")", SCREEN(FormZuTyp6)}}},
        {"Zustandsschaubild &Eisen-Kohlenstoff",
         {{"AllgemeinesEKD", "Allgemeines", SCREEN(FormAllEKD)},
          {"Reineisen", "Reineisen", SCREEN(FormReineisen)},
          {"EKDGesamt", "EKS-metastabiler und stabiler Zustand (Ferrit + Austenit)",
           SCREEN(FormEKDGesamt)},
          {"EKSmetastabilGefgebilder1", "EKS-metastabil-Gefügebilder", SCREEN(FormEKDBilder)},
          {"C06", "Abkühlung bei C= 0.6 %", SCREEN(FormEKD06)},
          {"C12", "Abkühlung bei C = 1.2 %", SCREEN(FormEKD12)},
          {"C30", "Abkühlung bei C = 3.0 %", SCREEN(FormEKD30)}}},
        {"Zei&tabhängige Zustandsänderungen",
         {{"AllZeit", "Allgemeines", SCREEN(FormZeitAb)},
          {"ZTAZTU", "ZTA/ZTU-Schaubilder", SCREEN(FormALLZTAZTU)},
          {"ZTAcon045", "Kontinuierliches ZTA-Schaubild (C = 0.45%)", SCREEN(FormZTAcon045)},
          {"ZTAcon07", "Kontinuierliches ZTA-Schaubild (C = 0.70%)", SCREEN(FormZTAcon07)},
          {"ZTAiso045", "Isothermes ZTA-Schaubild (C = 0.45%)", SCREEN(FormZTAiso045)},
          {"ZTUcon045", "Kontinuierliches ZTU-Schaubild (C = 0.45%)", SCREEN(FormZTUcon045)},
          {"ZTUcon07", "Kontinuierliches ZTU-Schaubild (C = 0.70%)", SCREEN(FormZTUcon07)},
          {"ZTUiso045", "Isothermes ZTU-Schaubild (C = 0.45%)", SCREEN(FormZTUi045)},
          {"ZTUiso07", "Isothermes ZTU-Schaubild (C = 0.70%)", SCREEN(FormZTUi07)}}},
        {"&Wärmebehandlung",
         {{"Definition", "Definition", SCREEN(FormWarme)},
          {"ZTAZTUSchaubildC0451", "Iso.ZTA/konti.ZTU-Schaubild (C = 0.45%)",
           SCREEN(FormZTAZTU045)},
          {"Temperatufhrung", "Temperaturführung", SCREEN(FormZTAZTU)},
          {"Glhverfahren1", "Glühverfahren", SCREEN(FormGlueh)},
          {"Normal", "Normalglühen", SCREEN(FormNormal)},
          {"Haerten", "Härten", SCREEN(FormHaerten)},
          {"Vergten", "Vergüten", SCREEN(FormVergueten)},
          {"Vergtungsschaubild1", "Vergütungsschaubild C45", SCREEN(FormVerSchau)}}},
    };
    return menus;
}

const std::vector<TForm* (*)()>& PageColorScreens() {
    // In the order the colour is set: FormAllZu, FormEntZu, FormAbZuTyp1, FormAbZuTyp2,
    // FormZuTyp1 … FormZuTyp6, FormAllEKD, FormReineisen, FormEKDGesamt, FormEKD06, FormEKD12,
    // FormEKD30, FormZeitAb, FormALLZTAZTU, FormZTAcon07, FormZTAcon045, FormZTAiso045,
    // FormZTUcon07, FormZTUcon045, FormZTUi045, FormZTUi07, FormWarme, FormZTAZTU045,
    // FormZTAZTU, FormHaerten, FormNormal, FormVergueten.
    static const std::vector<TForm* (*)()> screens{
        SCREEN(FormAllZu),     SCREEN(FormEntZu),     SCREEN(FormAbZuTyp1),  SCREEN(FormAbZuTyp2),
        SCREEN(FormZuTyp1),    SCREEN(FormZuTyp2),    SCREEN(FormZuTyp3),    SCREEN(FormZuTyp4),
        SCREEN(FormZuTyp5),    SCREEN(FormZuTyp6),    SCREEN(FormAllEKD),    SCREEN(FormReineisen),
        SCREEN(FormEKDGesamt), SCREEN(FormEKD06),     SCREEN(FormEKD12),     SCREEN(FormEKD30),
        SCREEN(FormZeitAb),    SCREEN(FormALLZTAZTU), SCREEN(FormZTAcon07),  SCREEN(FormZTAcon045),
        SCREEN(FormZTAiso045), SCREEN(FormZTUcon07),  SCREEN(FormZTUcon045), SCREEN(FormZTUi045),
        SCREEN(FormZTUi07),    SCREEN(FormWarme),     SCREEN(FormZTAZTU045), SCREEN(FormZTAZTU),
        SCREEN(FormHaerten),   SCREEN(FormNormal),    SCREEN(FormVergueten),
    };
    return screens;
}

#undef SCREEN

} // namespace UnitMenue

using namespace UnitMenue;

TFormMenue::TFormMenue() : TForm(96, 24) {
    SetCaption("Zustandsschaubilder/Zustandsschaubild Eisen-Kohlenstoff/Grundlagen der "
               "Wärmebehandlung von Stählen");
    BorderStyle = bsSizeable;
    SetColor(ScreenFrame::ScreenBlue);
    SetFont({"MS Sans Serif", -19, clWindowText, false});

    ImageHinter = Add<TImage>();
    ImageHinter->Name = "ImageHinter";
    ImageHinter->SetAlign(alClient);
    ImageHinter->Stretch = true;
    ImageHinter->LoadJpeg(Assets::MenuBackground(), Assets::MenuBackground(2));

    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetFont({"Arial", -19, clWindowText, false});
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    std::vector<std::string> overview;
    for (const OverviewLine& line : Overview)
        overview.emplace_back(line.Text);
    PaintBoxHaupt->SetAccessibleText(overview);

    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, -16);
    ColorDialog1 = new TColorDialog(this);

    Datei = MainMenu.Add("Datei", "&Datei");
    Hintergrund =
        Datei->Add("Hintergrund", "Hintergrund Gefüge ja/nein", [this] { HintergrundClick(); });
    Farbewaehlen = Datei->Add("Farbewaehlen", "Hintergrundfarbe wählen: Seiten",
                              [this] { FarbewaehlenClick(); });
    HintergrundfarbewhlenMenue =
        Datei->Add("HintergrundfarbewhlenMenue", "Hintergrundfarbe wählen: Menueblatt",
                   [this] { HintergrundfarbewhlenMenueClick(); });
    Ende = Datei->Add("Ende", "Beenden", [this] { EndeClick(); });
    ESC1 = Datei->Add(
        "ESC1", "ESC", [this] { ESC1Click(); }, VK_ESCAPE, false);

    for (const TopicMenu& menu : TopicMenus()) {
        TMenuItem* sub = MainMenu.Add("", menu.Caption);
        for (const TopicCommand& command : menu.Commands) {
            auto screen = command.Screen;
            TMenuItem* item = sub->Add(command.Name, command.Caption, [screen] {
                if (TForm* form = screen())
                    form->ShowModal();
            });
            item->SetEnabled(screen != nullptr);
        }
    }
}

void TFormMenue::FormCreate() {
    ScreenFrame::Place(*this, ScreenFrame::ScreenSizedLayout(Screen.Width, Screen.Height));
    PaintBoxHaupt->SetBounds((ClientWidth() - PanelWidth) / 2,
                             (ClientHeight() - PanelHeight - PanelLift) / 2, PanelWidth,
                             PanelHeight);
}

void TFormMenue::PaintBoxHauptPaint() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Brush.Color = PanelYellow;
    c.Rectangle(0, 0, PaintBoxHaupt->Width(), PaintBoxHaupt->Height());
    c.Font.Height = OverviewFontHeight;
    for (const OverviewLine& line : Overview)
        c.TextOut(OverviewLeft, line.Y, line.Text);
}

void TFormMenue::HintergrundClick() {
    ImageHinter->SetVisible(!ImageHinter->Visible());
}

void TFormMenue::FarbewaehlenClick() {
    if (!ColorDialog1->Execute())
        return;
    for (auto screen : PageColorScreens())
        if (TForm* form = screen())
            form->SetColor(ColorDialog1->Color);
}

void TFormMenue::HintergrundfarbewhlenMenueClick() {
    if (ColorDialog1->Execute())
        SetColor(ColorDialog1->Color);
}

void TFormMenue::EndeClick() {
    Close();
}

void TFormMenue::ESC1Click() {
    Close();
}
