#include "treatment/UnitLMC45.h"

#include "assets/Assets.h"
#include "shell/ScaleLabel.h"
#include "shell/ScreenFrame.h"

TFormLMC45* FormLMC45 = nullptr;

namespace {

// The window as stored: at 120 pixels per inch with a text height of 16.
constexpr int DesignPixelsPerInch = 120;
constexpr int DesignTextHeight = 16;
constexpr int FontHeight = -14;
constexpr int HintFontHeight = -20;

// A fixed window; each 800 × 600 picture shows unscaled in a smaller control, its right and
// bottom edges cut off.
constexpr int WindowWidth = 800;
constexpr int WindowHeight = 600;
constexpr TRect PictureBounds{2, 1, 2 + 790, 1 + 470};
constexpr TRect StripBounds{2, 480, 2 + 790, 480 + 40};

constexpr int CaptionFontHeight = 24;
constexpr const char* CaptionFace = "Ms Sans Serif";
constexpr TPoint CaptionAt{10, 10};
// The trailing blanks cover the rest of a longer caption written before.
constexpr const char* NormalCaption = "C 45       Normalgeglüht                 ";
constexpr const char* HartCaption = "C 45              Martensit                 ";
constexpr const char* VergCaption = "C 45             Vergütet                 ";

// The scale bar: a bar from x 500 to 670 at y 20 between two ticks from y 5 to 35, then
// "60 µm" with the µ written in the gap the blanks leave.
constexpr int BarPenWidth = 3;
constexpr int BarLeft = 500;
constexpr int BarRight = 670;
constexpr int BarTop = 5;
constexpr int BarMiddle = 20;
constexpr int BarBottom = 35;
constexpr TPoint BarLabel{690, 5};
constexpr int BarMicroY = 3;

void Place(TControl& control, const TRect& r) {
    control.SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

} // namespace

TFormLMC45::TFormLMC45() : TForm(DesignPixelsPerInch, DesignTextHeight) {
    SetCaption("Lichtmikroskopische Gefügeaufnahmen eines C 45 , Normalglühen, Vergüten, Härten");
    BorderStyle = bsToolWindow;
    SetColor(clBlack);
    SetFont({"MS Sans Serif", FontHeight, clWindowText, false});

    auto picture = [this](const char* name, auto jpegAtScale) {
        auto* image = Add<TImage>();
        image->Name = name;
        image->LoadJpeg(jpegAtScale(1), jpegAtScale(2));
        image->Hide();
        return image;
    };
    ImageHart = picture("ImageHart", [](int scale) { return Assets::C45Hardened(scale); });
    ImageNormal = picture("ImageNormal", [](int scale) { return Assets::C45Normalised(scale); });
    ImageVerg =
        picture("ImageVerg", [](int scale) { return Assets::C45QuenchedAndTempered(scale); });
    PaintBox1000 = Add<TPaintBox>();
    PaintBox1000->Name = "PaintBox1000";
    PaintBox1000->OnPaint = [this] { PaintBox1000Paint(); };
    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, HintFontHeight);

    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    ESCAPE = ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); });
    Normalglhen1 = MainMenu.Add("Normalglhen1", "&Normalglühen", [this] { Normalglhen1Click(); });
    Hrten1 = MainMenu.Add("Hrten1", "&Härten", [this] { Hrten1Click(); });
    Vergten1 = MainMenu.Add("Vergten1", "&Vergüten", [this] { Vergten1Click(); });
}

void TFormLMC45::FormCreate() {
    ScreenFrame::Place(
        *this, ScreenFrame::FixedLayout(Screen.Width, Screen.Height, WindowWidth, WindowHeight));
    for (TImage* image : {ImageHart, ImageNormal, ImageVerg})
        Place(*image, PictureBounds);
    Place(*PaintBox1000, StripBounds);
}

const char* TFormLMC45::VisibleCaption() const {
    if (ImageNormal->Visible())
        return NormalCaption;
    if (ImageHart->Visible())
        return HartCaption;
    if (ImageVerg->Visible())
        return VergCaption;
    return "";
}

void TFormLMC45::CaptionFont(TCanvas& c) {
    c.Font.Name = CaptionFace;
    c.Font.Height = CaptionFontHeight;
    c.Font.Color = clWhite;
    c.Pen.Color = clWhite;
}

void TFormLMC45::PaintBox1000Paint() {
    TCanvas& c = PaintBox1000->Canvas;
    CaptionFont(c);
    c.Pen.Width = BarPenWidth;
    c.TextOut(CaptionAt.X, CaptionAt.Y, VisibleCaption());
    c.MoveTo(BarLeft, BarTop);
    c.LineTo(BarLeft, BarBottom);
    c.MoveTo(BarLeft, BarMiddle);
    c.LineTo(BarRight, BarMiddle);
    c.MoveTo(BarRight, BarTop);
    c.LineTo(BarRight, BarBottom);
    ScaleLabel::Write(c, BarLabel, " 60         m", BarMicroY);
}

void TFormLMC45::ShowPicture(TImage& picture) {
    for (TImage* image : {ImageHart, ImageNormal, ImageVerg})
        image->SetVisible(image == &picture);
    TCanvas& c = PaintBox1000->Canvas;
    CaptionFont(c);
    // On the strip's black, so that the blanks clear what a longer caption left.
    c.Brush.Color = PaintBox1000->Color();
    c.TextOut(CaptionAt.X, CaptionAt.Y, VisibleCaption());
}

void TFormLMC45::Normalglhen1Click() {
    ShowPicture(*ImageNormal);
}

void TFormLMC45::Hrten1Click() {
    ShowPicture(*ImageHart);
}

void TFormLMC45::Vergten1Click() {
    ShowPicture(*ImageVerg);
}

void TFormLMC45::EndeClick() {
    Close();
}

void TFormLMC45::ESCAPEClick() {
    Close();
}
