#include "zta_ztu/ContinuousZta.h"

#include "platform/Dialogs.h"
#include "platform/Screen.h"
#include "platform/TextDirection.h"

#include <cmath>
#include <limits>

using namespace ContinuousZta;
using namespace ZtaScreen;
using namespace TimeTemperature;

namespace {

// Pixels per decade in the curves' exponent.
constexpr long double CurveDecade = 54;
constexpr int CurvePenWidth = 2;

// The learner's rate v in °C/min rises v / 60 kelvin a second, 0.38 pixels a kelvin, from one
// pixel above the overlay's lower edge.
constexpr long double PixelsPerKelvin = 0.38L;
constexpr long double SecondsPerMinute = 60;
constexpr long double OwnLift = 1;
constexpr int OwnX0 = 53;
constexpr int OwnStep = 3;
constexpr float SlowestRate = 1.5f;
constexpr float FastestRate = 1000.0f;

// The transformation lines grow leftwards in steps of 3 while X is right of this column.
constexpr int LineStep = 3;
constexpr int LineFloor = 40;
constexpr int NameFontHeight = 12;
constexpr int FieldFontHeight = 8;
constexpr TColor NearBlack = ZtuDiagram::NearBlack;

// Controls: design bounds of the two layouts.
constexpr TZtuBounds SmallEdit{610, 480, 32, 50};
constexpr TZtuBounds LargeEdit{780, 570, 32, 50};
constexpr TZtuBounds SmallButton{660, 482, 45, 20};
constexpr TZtuBounds LargeButton{830, 572, 45, 20};
constexpr TPoint SmallLabel{310, 482};
constexpr TPoint LargeLabel{480, 572};
constexpr int LabelFontHeight = 18;
constexpr int LabelHeight = 20;
// 300 plus the form font's height of −11.
constexpr int LabelWidth = 289;
constexpr const char* LabelCaption = " Aufheizgeschwindigkeit in °C/min (2-999 °C/min)";
constexpr const char* RateName = "Aufheizgeschwindigkeit in °C/min";
constexpr const char* StartRate = "0";

float Exponential(long double k, int x, int x0) {
    return static_cast<float>(k * std::pow(10.0L, (x - x0) / CurveDecade));
}

} // namespace

namespace ContinuousZta {

float ReadRate(const std::string& text) {
    const double value = StrToFloat(text);
    // A number beyond the single's range is stored as its infinity, out of range like any other
    // too large rate; converting it directly would be undefined.
    constexpr double Largest = std::numeric_limits<float>::max();
    constexpr float Infinity = std::numeric_limits<float>::infinity();
    if (std::fabs(value) > Largest)
        return value > 0 ? Infinity : -Infinity;
    return static_cast<float>(value);
}

bool DrawsCurve(float rate) {
    return rate > SlowestRate && rate < FastestRate;
}

} // namespace ContinuousZta

TContinuousZtaScreen::TContinuousZtaScreen(const ContinuousZta::TData& data, Variables& unit)
    : TZtaScreen(data.Screen, unit), data_(data), con_(unit) {
    // The learner may write into the text, tabs included.
    MemoErlaeuterung->SetWantTabs(true);
    LabelVauf = Add<TLabel>();
    LabelVauf->Name = "LabelVauf";
    LabelVauf->SetCaption(LabelCaption);
    LabelVauf->SetColor(clWhite);
    LabelVauf->AutoSize = false;
    EditVauf = Add<TEdit>();
    EditVauf->Name = "EditVauf";
    EditVauf->SetColor(clWhite);
    EditVauf->SetText(StartRate);
    EditVauf->SetEnabled(false);
    ButtonVauf = Add<TButton>();
    ButtonVauf->Name = "ButtonVauf";
    ButtonVauf->SetCaption(data.ButtonCaption);
    ButtonVauf->SetEnabled(false);
    ButtonVauf->OnClick = [this] { ButtonVaufClick(); };
    // The rate and its button come first for Tab; the explanatory text, which takes Tab as
    // text, comes after them.
    EditVauf->SetTabOrder(0);
    ButtonVauf->SetTabOrder(1);
    EditVauf->SetAccessibleName(RateName);

    for (int i = 0; i < static_cast<int>(TimerLog.size()); ++i)
        TimerLog[i] = AddTimer([this, i] { TimerLogTimer(i); });
    TimerVauf = AddTimer([this] { TimerVaufTimer(); });
    for (int i = 0; i < static_cast<int>(data.Boundaries.size()); ++i)
        LineTimers.push_back(AddTimer([this, i] { LineTimer(i); }));
}

void TContinuousZtaScreen::FormCreate() {
    const ScreenFrame::Layout layout = PlaceZta();
    PlaceControl(*EditVauf, layout.Small ? SmallEdit : LargeEdit);
    PlaceControl(*ButtonVauf, layout.Small ? SmallButton : LargeButton);
    const TPoint label = layout.Small ? SmallLabel : LargeLabel;
    TFont font = LabelVauf->Font();
    font.Height = LabelFontHeight;
    LabelVauf->SetFont(font);
    LabelVauf->SetBounds(label.X, label.Y, LabelWidth, LabelHeight);
}

void TContinuousZtaScreen::EnableInput(bool enabled) {
    ButtonVauf->SetEnabled(enabled);
    EditVauf->SetEnabled(enabled);
    NEU->SetEnabled(enabled);
}

void TContinuousZtaScreen::FormClose() {
    EditVauf->SetText(StartRate);
    EnableInput(false);
    Aufheizungskurven->SetEnabled(true);
    MemoErlaeuterung->Hide();
    for (TTimer* timer : TimerLog)
        timer->SetEnabled(false);
    TimerVauf->SetEnabled(false);
    for (TTimer* timer : LineTimers)
        timer->SetEnabled(false);
}

void TContinuousZtaScreen::NEUClick() {
    EditVauf->SetText(StartRate);
    Aufheizungskurven->SetEnabled(true);
    zta_.BildNr = 0;
    Refresh();
}

void TContinuousZtaScreen::AufheizungskurvenClick() {
    EditVauf->SetText(StartRate);
    TimerLog[0]->SetEnabled(true);
    EnableInput(false);
    Aufheizungskurven->SetEnabled(false);
    RestartCurve();
}

void TContinuousZtaScreen::ButtonVaufClick() {
    float rate = 0;
    try {
        rate = ReadRate(EditVauf->Text());
    } catch (const EConvertError& e) {
        // The message quotes the text as typed; nothing else happens.
        Dialogs::ShowError(e.what());
        return;
    }
    con_.Vauf = rate;
    if (DrawsCurve(rate)) {
        Refresh();
        TimerVauf->SetEnabled(true);
        EnableInput(false);
        Aufheizungskurven->SetEnabled(false);
    }
    RestartCurve();
}

void TContinuousZtaScreen::Mark(const TDot& d) {
    const int x = zta_.KurveX;
    const float y = zta_.KurveY;
    Dot(PaintBoxLog->Canvas, clBlue, d.Fill, x + d.Left, Round(y + d.Top), x + d.Right,
        Round(y + d.Bottom));
}

void TContinuousZtaScreen::TimerLogTimer(int i) {
    const THeating& h = data_.Heating[i];
    TCanvas& c = PaintBoxLog->Canvas;
    int& x = zta_.KurveX;
    float& y = zta_.KurveY;
    if (i == 0) {
        TCanvas& main = PaintBoxHaupt->Canvas;
        main.Brush.Color = clBlack;
        main.Font.Color = clWhite;
        main.Pen.Color = Green;
        DrawPicturesAt(data_.Pictures, x);
    }
    y = static_cast<float>(PaintBoxLog->Height() - h.Lift - Exponential(h.K, x, h.X0));
    c.Pen = MakePen(Green, CurvePenWidth);
    if (x < h.Limit) {
        c.LineTo(x, Round(y));
        x += h.Step;
    }
    for (const TDot& d : h.Dots)
        if (d.InY ? (y > d.Above && y < d.Below) : x == d.AtX)
            Mark(d);
    if (x < h.Limit)
        return;
    CurveCaption(x + h.Label.Dx, Round(y + h.Label.Dy), h.Label.Text, clWhite, Green);
    TimerLog[i]->SetEnabled(false);
    if (i + 1 < static_cast<int>(TimerLog.size())) {
        RestartCurve();
        TimerLog[i + 1]->SetEnabled(true);
    } else {
        StartBoundary(0);
    }
}

void TContinuousZtaScreen::TimerVaufTimer() {
    const TOwnRate& own = data_.OwnRate;
    TCanvas& c = PaintBoxLog->Canvas;
    int& x = zta_.KurveX;
    float& y = zta_.KurveY;
    const long double k = con_.Vauf * PixelsPerKelvin / SecondsPerMinute;
    y = static_cast<float>(PaintBoxLog->Height() - OwnLift - Exponential(k, x, OwnX0));
    c.Pen.Color = Green;
    if (x < PaintBoxLog->Width()) {
        c.Pen.Width = CurvePenWidth;
        c.LineTo(x, Round(y));
        x += OwnStep;
    }
    if (x < PaintBoxLog->Width() && y >= own.Ceiling)
        return;
    // The typed text, as typed, fills the caption's gap, keeping its direction to itself.
    CurveCaption(x + own.Caption.Dx, Round(y + own.Caption.Dy), own.Caption.Text, clWhite, Green);
    CurveCaption(x + own.TypedDx, Round(y + own.TypedDy), Isolated(EditVauf->Text()), clWhite,
                 Green);
    StartBoundary(0);
    TimerVauf->SetEnabled(false);
    TCanvas& main = PaintBoxHaupt->Canvas;
    main.Brush.Color = clBlack;
    main.Font.Color = clWhite;
    for (const TPicture& p : data_.Pictures)
        DrawPicture(p);
}

void TContinuousZtaScreen::StartBoundary(int i) {
    const TBoundary& b = data_.Boundaries[i];
    zta_.KurveX = b.StartX;
    const long double dx = b.StartX - b.Pivot;
    zta_.KurveY = static_cast<float>(PaintBoxLog->Height() - b.A * dx * dx - b.Lift);
    PaintBoxLog->Canvas.MoveTo(zta_.KurveX, Round(zta_.KurveY));
    LineTimers[i]->SetEnabled(true);
}

void TContinuousZtaScreen::LineTimer(int i) {
    const TBoundary& b = data_.Boundaries[i];
    TCanvas& c = PaintBoxLog->Canvas;
    int& x = zta_.KurveX;
    float& y = zta_.KurveY;
    const long double dx = x - b.Pivot;
    y = static_cast<float>(PaintBoxLog->Height() - b.A * dx * dx - b.Lift);
    c.Pen = MakePen(b.Pen, b.Width);
    if (x > LineFloor) {
        c.LineTo(x, Round(y));
        x -= LineStep;
    }
    if (x > b.StopX)
        return;
    for (const TLineLabel& l : b.Labels) {
        const bool name = l.Style == TLabelStyle::Name;
        c.Font.Height = l.Style == TLabelStyle::Field ? FieldFontHeight : NameFontHeight;
        TimeTemperature::Caption(c, x + l.Text.Dx, Round(y + l.Text.Dy), l.Text.Text,
                                 name ? clWhite : NearBlack, name ? clBlack : clYellow);
    }
    LineTimers[i]->SetEnabled(false);
    if (i + 1 < static_cast<int>(LineTimers.size())) {
        StartBoundary(i + 1);
        return;
    }
    c.Font.Height = FieldFontHeight;
    c.Brush.Style = bsClear;
    EnableInput(true);
}
