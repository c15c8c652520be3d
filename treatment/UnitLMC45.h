#pragma once
// Light-microscope micrographs of the steel C 45 after normalising, hardening and quenching and
// tempering, one at a time, each with its caption and a 60-µm scale bar in the black strip below.
// Opened from the tempering chart, which first makes the normalised picture the visible one.

#include "platform/Form.h"

class TFormLMC45 : public TForm {
public:
    TFormLMC45();

    TImage* ImageHart;
    TImage* ImageNormal;
    TImage* ImageVerg;
    TPaintBox* PaintBox1000;
    TStatusBar* StatusBarHint;
    TMenuItem* Ende;
    TMenuItem* ESCAPE;
    TMenuItem* Normalglhen1;
    TMenuItem* Hrten1;
    TMenuItem* Vergten1;

    void FormCreate() override;
    void PaintBox1000Paint();
    void EndeClick();
    void ESCAPEClick();
    void Normalglhen1Click();
    void Hrten1Click();
    void Vergten1Click();

    // The caption of the picture shown now; empty while none is.
    const char* VisibleCaption() const;

private:
    void ShowPicture(TImage& picture);
    void CaptionFont(TCanvas& c);
};

extern TFormLMC45* FormLMC45;
