#include "zta_ztu/ZtaScreen.h"

#include "assets/Assets.h"
#include "platform/Keys.h"
#include "platform/Timer.h"

using namespace ZtaScreen;

namespace {
// The overlay is 30 pixels wider than the diagram, so that the last label can stand beside it.
constexpr int OverlayExtraWidth = 30;
} // namespace

TZtaScreen::TZtaScreen(const TData& data, TZtaVariables& unit)
    : TZtuScreen({data.Caption, nullptr, 0, false, false}, unit), zta_(unit), ztaData_(data) {
    const char* strip = data.Strip;
    ImageListGef = new TImageList(this, FrameSide, FrameSide,
                                  [strip](int scale) { return Assets::Strip(strip, scale); });

    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    Text = MainMenu.Add(
        "Text", "&Text ja/nein", [this] { TextClick(); }, VK_F1);
    ESCAPE = MainMenu.Add(
        "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); }, VK_ESCAPE, false);
    Aufheizungskurven =
        MainMenu.Add("Aufheizungskurven", data.StartCaption, [this] { AufheizungskurvenClick(); });
    NEU = MainMenu.Add("NEU", "&Löschen / Neu", [this] { NEUClick(); });
    NEU->SetEnabled(false);
}

ZtuDiagram::TFrames TZtaScreen::DiagramFrames(int width, int height) const {
    return ZtaDiagram::Frames(ztaData_.Diagram, width, height);
}

ZtuDiagram::TFrames TZtaScreen::PaintDiagram() {
    return ZtaDiagram::Paint(*PaintBoxHaupt, ztaData_.Diagram);
}

TRect TZtaScreen::OverlayBounds() const {
    const TimeTemperature::TZtuFrame& z = zta_.Frames.Ztu;
    const int left = PaintBoxHaupt->Left() + z.Links;
    const int top = PaintBoxHaupt->Top() + z.Oben;
    const int height =
        z.Unten - z.Oben - Round(ztaData_.OverlayStepsUp * static_cast<long double>(z.Stufe));
    return {left, top, left + z.Rechts - z.Links + OverlayExtraWidth, top + height};
}

ScreenFrame::Layout TZtaScreen::PlaceZta() {
    const ScreenFrame::Layout layout = PlaceFrame(ztaData_.SmallText, ztaData_.LargeText);
    ScreenFrame::WriteLines(*MemoErlaeuterung, ztaData_.ExplanationLines);
    return layout;
}

void TZtaScreen::DrawPicture(const TPicture& picture) {
    TCanvas& c = PaintBoxHaupt->Canvas;
    if (picture.AtX == 0)
        zta_.BildNr = 0;
    ImageListGef->Draw(c, picture.X, picture.Y, zta_.BildNr);
    ++zta_.BildNr;
    for (const TPictureText& t : picture.Texts)
        TimeTemperature::Caption(c, t.X, t.Y, t.Text, t.Font, t.Brush);
}

void TZtaScreen::DrawPicturesAt(const std::vector<TPicture>& pictures, int kurveX) {
    for (const TPicture& p : pictures)
        if (p.AtX == kurveX)
            DrawPicture(p);
}

void TZtaScreen::RestartCurve() {
    zta_.KurveX = 0;
    zta_.KurveY = static_cast<float>(PaintBoxLog->Height());
    PaintBoxLog->Canvas.MoveTo(0, PaintBoxLog->Height());
}

void TZtaScreen::CurveCaption(int x, int y, const std::string& text, TColor font, TColor brush) {
    TCanvas& c = PaintBoxLog->Canvas;
    c.Font.Height = CurveFontHeight;
    TimeTemperature::Caption(c, x, y, text, font, brush);
}

TTimer* TZtaScreen::AddTimer(std::function<void()> onTimer) {
    TTimer* timer = new TTimer(this, CurveInterval, false);
    timer->OnTimer = std::move(onTimer);
    return timer;
}
