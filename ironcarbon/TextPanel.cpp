#include "ironcarbon/TextPanel.h"

#include "shell/ScreenFrame.h"

namespace {
constexpr int FrameWidth = 3;
constexpr int TextDesignHeight = 18;
constexpr int TextDesignLeft = 5;
constexpr const char* FaceName = "Sains Serif";
} // namespace

std::vector<std::string> TextPanelText(std::span<const TextPanelLine> lines) {
    std::vector<std::string> text;
    for (const TextPanelLine& line : lines)
        text.emplace_back(line.Text);
    return text;
}

void DrawTextPanel(TPaintBox& box, double faktorX, double faktorY,
                   std::span<const TextPanelLine> lines) {
    TCanvas& c = box.Canvas;
    c.Brush.Color = clWhite;
    c.Font.Name = FaceName;
    c.Font.Color = clBlack;
    c.Font.Height = ScreenFrame::Scaled(TextDesignHeight, faktorX);
    c.Pen.Color = clBlack;
    c.Pen.Width = FrameWidth;
    c.Pen.Style = psSolid;
    c.Pen.Mode = pmCopy;
    c.Rectangle(0, 0, box.Width(), box.Height());
    const int left = ScreenFrame::Scaled(TextDesignLeft, faktorX);
    for (const TextPanelLine& line : lines)
        c.TextOut(left, ScreenFrame::Scaled(line.Y, faktorY), line.Text);
}
