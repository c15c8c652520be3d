#include "zta_ztu/IsothermalZtu.h"

#include "platform/Keys.h"

using namespace IsothermalZtu;
using namespace TimeTemperature;

namespace {

constexpr int IsothermInterval = 50;
// The overlay starts 1.95 steps of 200 K below the top edge, at about 815 °C.
constexpr long double OverlayStepsDown = 1.95L;
constexpr int TickFontHeight = 12;
constexpr int PenWidth = 2;
constexpr TColor PenRed = clRed;
constexpr TColor DotBlue = clBlue;
// The quench falls 25 pixels per tick.
constexpr int QuenchSlope = 25;
// The arrowhead at the isotherm's end points right.
constexpr int EndArrowLength = 10;
constexpr int EndArrowSpread = 3;

} // namespace

TIsothermalZtuScreen::TIsothermalZtuScreen(const TData& data, Variables& unit)
    : TZtuScreen({data.Caption, &data.Diagram, OverlayStepsDown, data.OverlayBold, false}, unit),
      data_(data) {
    for (int i = 0; i < static_cast<int>(Timers.size()); ++i) {
        Timers[i] = new TTimer(this, IsothermInterval, false);
        Timers[i]->OnTimer = [this, i] { IsothermTimer(i); };
    }
    auto item = [this](int i) {
        const TIsotherm& t = data_.Isotherms[i];
        Items[i] = MainMenu.Add(t.ItemName, t.Caption, [this, i] { TemperatureClick(i); });
    };
    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    Text = MainMenu.Add(
        "Text", "&Text ja/nein", [this] { TextClick(); }, VK_F1);
    item(0);
    ESCApe = MainMenu.Add(
        "ESCApe", "ESCAPE", [this] { ESCClick(); }, VK_ESCAPE, false);
    for (int i = 1; i < static_cast<int>(Items.size()); ++i)
        item(i);
    NEU = MainMenu.Add("NEU", "&Löschen / Neu", [this] { NEUClick(); });
}

void TIsothermalZtuScreen::FormCreate() {
    PlaceFrame(data_.SmallText, data_.LargeText);
    ScreenFrame::WriteLines(*MemoErlaeuterung, data_.ExplanationLines);
}

void TIsothermalZtuScreen::FormClose() {
    for (TMenuItem* item : Items)
        item->SetEnabled(true);
    SetEnabled(true);
    MemoErlaeuterung->Hide();
    for (TTimer* timer : Timers)
        timer->SetEnabled(false);
}

void TIsothermalZtuScreen::NEUClick() {
    for (TMenuItem* item : Items)
        item->SetEnabled(true);
    Refresh();
}

void TIsothermalZtuScreen::TemperatureClick(int i) {
    Timers[i]->SetEnabled(true);
    // Until the isotherm is complete only the shortcuts act.
    SetEnabled(false);
    unit_.KurveX = 0;
    unit_.KurveY = 0;
    PaintBoxLog->Canvas.MoveTo(0, 0);
}

void TIsothermalZtuScreen::IsothermTimer(int i) {
    const TIsotherm& t = data_.Isotherms[i];
    TCanvas& c = PaintBoxLog->Canvas;
    int& x = unit_.KurveX;
    float& y = unit_.KurveY;
    c.Font.Height = TickFontHeight;
    y = static_cast<float>(QuenchSlope * x);
    c.Pen.Width = PenWidth;
    c.Pen.Color = PenRed;
    c.Pen.Style = psSolid;

    if (t.QuenchInclusive ? x <= t.QuenchLimit : x < t.QuenchLimit) {
        c.LineTo(x, Round(y));
        x += 1;
    }
    if (x == t.Knee) {
        const int tip = Round(y) + t.ArrowDrop;
        y = static_cast<float>(tip);
        if (t.QuenchToKnee)
            c.LineTo(t.Knee, tip);
        x = t.Knee + 1;
        Line(c, {x, tip}, {t.Knee - 2, tip - t.ArrowLength});
        Line(c, {x, tip}, {x, tip - t.ArrowLength});
    }
    if (x > t.Knee) {
        // A zero-length line of the 2-pixel pen marks a dot; the dots of the ticks make the line.
        y = static_cast<float>(t.Level);
        x += 1;
        Line(c, {x, t.Level}, {x, t.Level});
    }
    for (const TDot& d : t.Dots)
        if (x == d.AtX)
            Dot(c, DotBlue, d.Fill, x + d.Left, t.Level + d.Top, x + d.Right, t.Level + d.Bottom);
    if (x == t.End)
        EndIsotherm(i);
}

void TIsothermalZtuScreen::EndIsotherm(int i) {
    const TIsotherm& t = data_.Isotherms[i];
    TCanvas& c = PaintBoxLog->Canvas;
    Line(c, {t.End, t.Level}, {t.End - EndArrowLength, t.Level - EndArrowSpread});
    Line(c, {t.End, t.Level}, {t.End - EndArrowLength, t.Level + EndArrowSpread});
    for (const TEndText& text : t.Texts)
        TimeTemperature::Caption(c, t.End + text.Dx, t.Level + text.Dy, text.Text, clWhite, clRed);
    SetEnabled(true);
    Items[i]->SetEnabled(false);
    Timers[i]->SetEnabled(false);
}
