#pragma once
// A page of introductory text drawn line by line onto a light-yellow panel. Six screens share
// this design; each gives its caption, the panel's bounds in both layouts and its lines.

#include "platform/Form.h"

#include <vector>

struct TextPageBounds {
    int Width;
    int Height;
    int Left;
    int Top;
};

struct TextPageLine {
    int X;
    int Y;
    const char* Text;
};

struct TextPageData {
    const char* Caption;
    int DesignPixelsPerInch;
    int DesignTextHeight;
    // Design values of the panel, scaled by the factors: small and large layout.
    TextPageBounds Small;
    TextPageBounds Large;
    // Panel pixels, not scaled.
    std::vector<TextPageLine> Lines;
};

class TTextPage : public TForm {
public:
    // The factors live in the page's own unit.
    TTextPage(const TextPageData& data, double& faktorX, double& faktorY);

    TPaintBox* PaintBoxText;
    TStatusBar* StatusBarHint;
    TMenuItem* Ende;
    TMenuItem* ESCAPE;

    void FormCreate() override;
    void PaintBoxTextPaint();
    void EndeClick();
    void ESCAPEClick();

    const TextPageData& Data() const { return data_; }

private:
    const TextPageData& data_;
    double& faktorX_;
    double& faktorY_;
};
