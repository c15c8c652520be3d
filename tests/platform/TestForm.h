#pragma once
// A bare form for the tests of the window-system layer: a white surface with one paint box that
// records its paints, shown at a fixed place.

#include "Harness.h"
#include "platform/Form.h"

#include <cmath>
#include <functional>
#include <memory>

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

inline constexpr int FormWidth = 200;
inline constexpr int FormHeight = 150;

// A test form shown on a desktop of the given scale; the scale goes back to 1 afterwards.
class ScaledForm {
public:
    explicit ScaledForm(double ratio) {
        Screen.PixelRatio = ratio;
        form = std::make_unique<TestForm>(FormWidth, FormHeight);
        form->Show();
        harness::Settle();
        form->Box->SetBounds(0, 0, FormWidth, FormHeight);
        harness::Settle();
        Clear();
    }
    ~ScaledForm() {
        form.reset();
        Screen.PixelRatio = 1.0;
    }
    ScaledForm(const ScaledForm&) = delete;
    ScaledForm& operator=(const ScaledForm&) = delete;

    TCanvas& Canvas() { return form->Box->Canvas; }
    void Clear() {
        TCanvas& c = Canvas();
        c.Pen = TPen{};
        c.Pen.Color = clWhite;
        c.Brush.Color = clWhite;
        c.Rectangle(0, 0, FormWidth, FormHeight);
        c.Pen.Color = clBlack;
    }
    TColor Device(int x, int y) const { return form->DevicePixelColor(x, y); }
    // The device pixels of one logical coordinate's start.
    int At(int logical) const {
        return static_cast<int>(std::floor(logical * form->PixelRatio() + 0.5));
    }

    std::unique_ptr<TestForm> form;
};

// A varied background for the not-xor tests: coloured fills, a wide line and text.
inline void PaintVariedBackground(TCanvas& c) {
    c.Brush.Color = 0x02ABFD;
    c.Rectangle(0, 0, 120, 90);
    c.Pen.Width = 3;
    c.Pen.Color = clBlue;
    c.MoveTo(0, 149);
    c.LineTo(199, 0);
    c.Brush.Color = 0x80FFFF;
    c.TextOut(10, 100, "Schmelze");
}

// Every kind of shape in not-xor: lines of several widths (with a point of no length), a dotted
// line whose gaps are xor-ed too, outlines of a rectangle, an ellipse and a polygon.
inline void DrawNotXorShapes(TCanvas& c) {
    c.Pen.Mode = pmNotXor;
    c.Brush.Color = clYellow;
    c.Pen.Color = 0x808080;
    for (int width : {1, 2, 3, 10}) {
        c.Pen.Width = width;
        c.MoveTo(5, 5 + width * 3);
        c.LineTo(190, 140 - width * 5);
        c.LineTo(100, 10);
        c.LineTo(100, 10);
    }
    c.Pen.Width = 1;
    c.Pen.Style = psDot;
    c.MoveTo(0, 70);
    c.LineTo(199, 75);
    c.Pen.Style = psSolid;
    c.Brush.Style = bsClear;
    c.Rectangle(20, 20, 170, 120);
    c.Ellipse(30, 30, 90, 80);
    c.Polygon({{10, 140}, {60, 90}, {110, 140}});
}

} // namespace harness
