#include "shell/UnitInfo.h"

#include "platform/Screen.h"
#include "shell/ScreenFrame.h"

TFormInfo* FormInfo = nullptr;

namespace {

constexpr TColor InfoBlue = 0xDD3200;
constexpr TColor InfoPanelYellow = 0xB9FFFF;
constexpr int InfoWidth = 800;
constexpr int InfoHeight = 500;

} // namespace

TFormInfo::TFormInfo() : TForm(120, 16) {
    SetCaption("Information");
    BorderStyle = bsToolWindow;
    SetColor(InfoBlue);
    SetFont({"MS Sans Serif", -14, clWindowText, false});

    PanelInfo = Add<TPanel>();
    PanelInfo->Name = "PanelInfo";
    PanelInfo->SetColor(InfoPanelYellow);
    PanelInfo->SetFont({"@Arial Unicode MS", -20, clWindowText, false});

    auto label = [this](const char* name, const char* caption, int left, int top) {
        TLabel* l = PanelInfo->Add<TLabel>();
        l->Name = name;
        l->SetCaption(caption);
        l->SetBounds(left, top, l->Width(), l->Height());
        l->Transparent = true;
        return l;
    };
    // Positions as stored with the window, at its design resolution.
    Label2 = label("Label2", "Bildschirmeinstellungen/", 11, 20);
    Label1 = label("Label1", "Bildschirmauflösung", 11, 65);
    Label3 = label("Label3", "800x600 oder 1024x768", 11, 111);
    Label4 = label("Label4", "Lehrprogramm Wärmebehandlung von Stählen", 489, 265);
    Label5 = label("Label5", "Ausgabe 2026", 489, 298);

    StatusBar1 = Add<TStatusBar>();
    StatusBar1->Name = "StatusBar1";
    StatusBar1->SetSimpleText(ScreenFrame::HintEsc);

    Ende1 = MainMenu.Add("Ende1", "&Ende", [this] { Ende1Click(); });
    ESC1 = ScreenFrame::AddEscapeItem(*this, "ESC1", "ESC", [this] { ESC1Click(); });
}

void TFormInfo::FormCreate() {
    ScreenFrame::Place(
        *this, ScreenFrame::FixedLayout(Screen.Width, Screen.Height, InfoWidth, InfoHeight));
    PanelInfo->SetBounds(15, 20, 750, 370);
}

void TFormInfo::Ende1Click() {
    Close();
}

void TFormInfo::ESC1Click() {
    Close();
}
