#include "shell/TextPage.h"

#include "shell/ScreenFrame.h"

#include <algorithm>

namespace {
constexpr TColor PanelYellow = 0x80FFFF;
constexpr int TextDesignHeight = 18;
constexpr int HintFontHeight = -15;
// The page's lines from the top down; pieces that share a row are read left to right as one line.
std::vector<std::string> ReadingOrder(std::vector<TextPageLine> lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const TextPageLine& a, const TextPageLine& b) {
        return a.Y != b.Y ? a.Y < b.Y : a.X < b.X;
    });
    std::vector<std::string> text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0 && lines[i].Y == lines[i - 1].Y)
            text.back() += std::string(" ") + lines[i].Text;
        else
            text.emplace_back(lines[i].Text);
    }
    return text;
}

} // namespace

TTextPage::TTextPage(const TextPageData& data, double& faktorX, double& faktorY)
    : TForm(data.DesignPixelsPerInch, data.DesignTextHeight), data_(data), faktorX_(faktorX),
      faktorY_(faktorY) {
    SetCaption(data.Caption);
    BorderStyle = bsToolWindow;
    SetColor(ScreenFrame::ScreenBlue);
    SetFont({"MS Sans Serif", -11, clWindowText, false});

    PaintBoxText = Add<TPaintBox>();
    PaintBoxText->Name = "PaintBoxText";
    PaintBoxText->SetFont({"MS Sans Serif", -11, clWindowText, false});
    PaintBoxText->OnPaint = [this] { PaintBoxTextPaint(); };
    PaintBoxText->SetAccessibleText(ReadingOrder(data.Lines));

    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, HintFontHeight);
    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    ESCAPE = ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); });
}

void TTextPage::FormCreate() {
    ScreenFrame::Layout layout = ScreenFrame::PlaceStandard(*this);
    faktorX_ = layout.FaktorX;
    faktorY_ = layout.FaktorY;
    const TextPageBounds& b = layout.Small ? data_.Small : data_.Large;
    ScreenFrame::SetScaledBounds(*PaintBoxText, layout, b.Left, b.Top, b.Width, b.Height);
}

void TTextPage::PaintBoxTextPaint() {
    TCanvas& c = PaintBoxText->Canvas;
    c.Brush.Color = PanelYellow;
    c.Rectangle(0, 0, PaintBoxText->Width(), PaintBoxText->Height());
    c.Font.Color = clBlack;
    c.Font.Height = ScreenFrame::Scaled(TextDesignHeight, faktorX_);
    for (const TextPageLine& line : data_.Lines)
        c.TextOut(line.X, line.Y, line.Text);
}

void TTextPage::EndeClick() {
    Close();
}

void TTextPage::ESCAPEClick() {
    Close();
}
