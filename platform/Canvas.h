#pragma once
// The canvas through which every screen draws: pen, brush and font state plus the drawing
// operations. A canvas belongs to one control (or a form) and draws into the pixel surface of the
// window that holds it, offset to the control's top-left corner and clipped to its bounds.

#include "platform/Types.h"

#include <functional>
#include <initializer_list>
#include <span>
#include <string>

enum TPenStyle { psSolid, psDash, psDot };
enum TPenMode { pmCopy, pmNotXor };
enum TBrushStyle { bsSolid, bsClear };

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
};

// Assigning a colour to a clear brush makes it solid again, as the drawing interface does; the
// colour is therefore a small property object rather than a plain field.
class TBrush {
public:
    class ColorProperty {
    public:
        explicit ColorProperty(TBrush& owner) : owner_(owner) {}
        ColorProperty& operator=(TColor c) {
            value_ = c;
            owner_.Style = bsSolid;
            return *this;
        }
        operator TColor() const { return value_; }

    private:
        TBrush& owner_;
        TColor value_ = clWhite;
    };

    TBrush() : Color(*this) {}
    TBrush(const TBrush&) = delete;
    TBrush& operator=(const TBrush&) = delete;

    ColorProperty Color;
    TBrushStyle Style = bsSolid;
};

// Height > 0 is the height of the character cell, height < 0 the character height without the
// internal leading (the form of the values stored with the windows).
struct TFont {
    std::string Name = "MS Sans Serif";
    int Height = -11;
    TColor Color = clWindowText;
    bool Bold = false;
    friend bool operator==(const TFont&, const TFont&) = default;
};

class TCanvasHost;

class TCanvas {
public:
    explicit TCanvas(TCanvasHost& host) : host_(host) {}
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;
    TPoint PenPos;

    void MoveTo(int x, int y);
    // A line from the pen position to (x, y), the end point left out; (x, y) becomes current.
    void LineTo(int x, int y);
    // Outline with the pen and fill with the brush; the right and bottom edges are left out.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int x1, int y1, int x2, int y2);
    void Polygon(std::span<const TPoint> points);
    void Polygon(std::initializer_list<TPoint> points) {
        Polygon(std::span<const TPoint>(points.begin(), points.size()));
    }
    // Text with the top-left corner of its character cell at (x, y); the cell is filled with the
    // brush colour unless the brush is clear. The pen mode does not apply to text.
    void TextOut(int x, int y, const std::string& text);
    // A picture drawn unscaled with its top-left corner at (x, y), every pixel opaque.
    void Draw(int x, int y, const TPixels& picture);
    // A picture drawn to fill the rectangle: the pictures painted at twice their size fill the
    // rectangle of their size at a scale of 1, at every scale of the desktop.
    void StretchDraw(const TRect& r, const TPixels& picture);

    // Width and cell height of a text in the current font.
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;

private:
    TCanvasHost& host_;
};

// A text as a canvas wrote it: its character cell in the coordinates of the control that drew
// it, the control's size, and whether the cell's background was filled. The program itself
// watches nothing; the tests watch, to find texts that do not fit where they stand.
struct TTextWritten {
    const TCanvasHost* Host = nullptr;
    std::string Text;
    TFont Font;
    TRect Cell;
    int ControlWidth = 0;
    int ControlHeight = 0;
    bool Opaque = false;
};
// Every text drawn from now on is reported to the watcher; an empty one stops the reports.
void WatchTexts(std::function<void(const TTextWritten&)> watcher);
