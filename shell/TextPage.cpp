#include "shell/TextPage.h"

#include "shell/ScreenFrame.h"

namespace {
constexpr TColor PanelYellow = 0x80FFFF;
constexpr int TextDesignHeight = 18;
constexpr int HintFontHeight = -15;
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
