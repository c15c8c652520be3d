#pragma once
// An iron–carbon alloy of one fixed carbon content cooling from the melt to room temperature: the
// section of the metastable diagram from 0 to 6.67 % carbon and about 600 to 1600 °C, a speed
// slider between "max" and "min", a hidden explanatory text, and a cooling script that draws the
// alloy line, the tie lines and the growing microstructure. The three cooling screens are this
// one design with their own data and script.

#include "ironcarbon/CoolingScript.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ImageList.h"
#include "platform/Timer.h"

#include <optional>
#include <string>
#include <vector>

// The pale yellow of the steel screens' explanatory text.
inline constexpr TColor MemoPaleYellow = 0xAAFFFF;

struct CoolingScreenData {
    const char* Caption;
    // The two frame strips, as "<Screen>.<Strip>".
    const char* FirstStripAsset;
    const char* SecondStripAsset;
    // The explanatory text: its left and height in design units, colour, line breaks.
    int MemoLeft;
    int MemoHeight;
    TColor MemoColor;
    bool MemoWordWrap;
    bool MemoWantTabs;
    std::vector<std::string> MemoLines;
    // The F1 item's name and caption, and the name of the "max" panel, differ between screens.
    const char* TextItemName;
    const char* TextItemCaption;
    const char* MaxPanelName;
    // One screen lists the invisible Esc item before "Löschen/&Neu".
    bool EscapeBeforeNeu;
    const CoolingScript::Script& Script;
};

class TCoolingScreen : public TForm {
public:
    TCoolingScreen(const CoolingScreenData& data, CoolingVariables& unit);

    TPaintBox* PaintBoxHaupt;
    TPaintBox* PaintBoxUmwandlung;
    // The JPEG micrograph, held at zero size and never seen.
    TImage* Image1;
    TImage* ImageSA1;
    TImage* ImageSA2;
    TPanel* MaxPanel;
    TScrollBar* ScrollBarVAb;
    TPanel* PanelMin;
    TMemo* MemoErlaeuterung;
    TStatusBar* StatusBarHint;
    TTimer* TimerHaupt;
    TImageList* FirstStrip;
    TImageList* SecondStrip;
    TMenuItem* Ende;
    TMenuItem* TextItem;
    TMenuItem* Start;
    TMenuItem* Neu;
    TMenuItem* ESCAPE;

    void FormCreate() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void TimerHauptTimer();
    void EndeClick();
    void ToggleTextClick();
    void StartClick();
    void NeuClick();
    void ESCAPEClick();

private:
    void AddMenu();
    TPanel* AddSpeedPanel(const char* name, const char* caption);
    TImageList* AddStrip(const char* asset);
    // Timer stopped, the bare diagram repainted and the script back at its first step.
    void StopAndReset();
    void DrawBackground();
    void DrawAxisLabels();
    void DrawTexts();

    const CoolingScreenData& data_;
    CoolingVariables& unit_;
    std::optional<CoolingScript::Player> player_;
};
