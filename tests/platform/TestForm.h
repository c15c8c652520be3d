#pragma once
// A bare form for the tests of the window-system layer: a white surface with one paint box that
// records its paints, shown at a fixed place.

#include "Harness.h"
#include "platform/Form.h"

#include <functional>

namespace harness {

class TestForm : public TForm {
public:
    explicit TestForm(int width = 200, int height = 150, int ppi = 96, int textHeight = 13)
        : TForm(ppi, textHeight) {
        SetColor(clWhite);
        Box = Add<TPaintBox>();
        Box->SetColor(clYellow);
        Box->OnPaint = [this] {
            ++BoxPaints;
            if (PaintBox)
                PaintBox();
        };
        Create();
        SetBounds(0, 0, width, height);
    }
    void FormPaint() override {
        ++FormPaints;
        if (Paint)
            Paint();
    }
    void FormKeyDown(int key) override { LastKey = key; }
    void FormClose() override { ++Closes; }

    TPaintBox* Box;
    std::function<void()> Paint;    // extra steps of FormPaint
    std::function<void()> PaintBox; // what the paint box draws
    int FormPaints = 0;
    int BoxPaints = 0;
    int Closes = 0;
    int LastKey = 0;
};

} // namespace harness
