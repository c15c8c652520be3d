#include "ironcarbon/MicrographViewer.h"

#include "assets/Assets.h"
#include "platform/Screen.h"
#include "shell/ScaleLabel.h"
#include "shell/ScreenFrame.h"

namespace {

constexpr int DesignPixelsPerInch = 120;
constexpr int DesignTextHeight = 16;
constexpr int HintFontHeight = -17;
constexpr const char* StripFace = "Ms Sans Serif";
constexpr int StripFontHeight = 14;

} // namespace

using namespace MicrographViewer;

TMicrographViewer::TMicrographViewer(const MicrographData& data)
    : TForm(DesignPixelsPerInch, DesignTextHeight), data_(data) {
    SetCaption(data.Caption);
    BorderStyle = bsSizeToolWin;
    SetColor(clBlack);

    // The hint bar comes first, so that it keeps the bottom edge below the caption strip.
    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, HintFontHeight);
    ImageBild = Add<TImage>();
    ImageBild->Name = "ImageBild";
    ImageBild->SetAlign(alTop);
    // Decoded only while the viewer is on the screen.
    ImageBild->LoadJpeg(Assets::SeriesMicrograph(data.Picture),
                        Assets::SeriesMicrograph(data.Picture, 2));
    PaintBoxBildFe = Add<TPaintBox>();
    PaintBoxBildFe->Name = "PaintBoxBildFe";
    PaintBoxBildFe->SetAlign(alBottom);
    PaintBoxBildFe->OnPaint = [this] { PaintBoxBildFePaint(); };

    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    ESCAPE = ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); });
}

void TMicrographViewer::FormCreate() {
    ScreenFrame::Place(
        *this, ScreenFrame::FixedLayout(Screen.Width, Screen.Height, WindowWidth, WindowHeight));
    ImageBild->SetHeight(PictureHeight);
    PaintBoxBildFe->SetHeight(StripHeight);
}

// White on the window's black: the structure's name and a bar of the length the label gives.
void TMicrographViewer::PaintBoxBildFePaint() {
    TCanvas& c = PaintBoxBildFe->Canvas;
    c.Font.Name = StripFace;
    c.Font.Height = StripFontHeight;
    c.Font.Color = clWhite;
    c.Pen.Color = clWhite;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.TextOut(TextX, TextY, data_.Text);
    c.MoveTo(BarLeft, BarTop);
    c.LineTo(BarLeft, BarBottom);
    c.MoveTo(BarLeft, BarMiddle);
    c.LineTo(BarRight, BarMiddle);
    c.MoveTo(BarRight, BarTop);
    c.LineTo(BarRight, BarBottom);
    ScaleLabel::Write(c, {ScaleX, TextY}, data_.Scale, TextY);
}

void TMicrographViewer::EndeClick() {
    Close();
}

void TMicrographViewer::ESCAPEClick() {
    Close();
}
