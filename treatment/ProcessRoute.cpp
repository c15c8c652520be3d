#include "treatment/ProcessRoute.h"

#include "assets/Assets.h"
#include "platform/Keys.h"
#include "shell/ScreenFrame.h"

#include <algorithm>
#include <string>

namespace ProcessRoute {

namespace {

constexpr int FormFontHeight = -11;
constexpr int HintFontHeight = -15;
constexpr int ExplanationFontHeight = -15;
constexpr int FrameSide = 100;
constexpr TColor DefinitionBlue = 0xFF8000;
constexpr TRect BackdropInner{32, 45, 991, 460};

// The background: rows 2 pixels wide from x 4, yellow losing its green down to y 100, then red
// fading by one step a row, black from y 355.
constexpr int RowPenWidth = 2;
constexpr int RowLeft = 4;
constexpr int YellowRows = 100;
constexpr TColor Yellow = 0x00FFFF;
constexpr TColor GreenStep = 0x200;
constexpr int RedFade = 355;

// The process diagram.
constexpr TColor NearBlack = 1;
constexpr TColor FrameGold = 55295;
constexpr int FramePenWidth = 2;
constexpr int TimeDivisions = 8;
constexpr int GridSteps = 5;
constexpr int HundredthsPerStep = 100;
constexpr int TopSteps = 6;
constexpr int TitleDx = -5;
constexpr int TitleDy = -19;
constexpr int LabelDx = -30;
constexpr int LabelDy = -6;
struct TemperatureLabel {
    const char* Text;
    int Steps;
    TColor Color;
};
constexpr TemperatureLabel TemperatureLabels[] = {
    {"1200", 6, clBlack}, {"1000", 5, clBlack}, {" 800", 4, clWhite},
    {" 600", 3, clWhite}, {" 400", 2, clWhite}, {" 200", 1, clWhite},
};
// The time arrow below the diagram, ending 70 pixels left of 8.5 time divisions.
constexpr int ArrowAt = 850;
constexpr int TimeTextDx = -40;
constexpr int TimeTextDy = 10;
constexpr int ShaftFrom = -130;
constexpr int ShaftTo = -70;
constexpr int ShaftDy = 15;
constexpr int HeadBack = -80;
constexpr int HeadSpread = 5;

} // namespace

int Exact(int base, int hundredths, int step) {
    const long long num = 100LL * base + static_cast<long long>(hundredths) * step;
    constexpr long long den = 100;
    long long q = num / den;
    long long r = num % den;
    if (r < 0) {
        r += den;
        --q;
    }
    if (2 * r > den || (2 * r == den && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

int TProzFrame::X(int hundredths) const {
    return Exact(Links, hundredths, static_cast<int>(StufeX));
}

int TProzFrame::Down(int hundredths) const {
    return Exact(Unten, -hundredths, static_cast<int>(Stufe));
}

} // namespace ProcessRoute

using namespace ProcessRoute;

TProcessRoute::TProcessRoute(const TData& data, TVariables& unit) : unit_(unit), data_(data) {
    SetCaption(data.Caption);
    BorderStyle = bsToolWindow;
    SetColor(ScreenFrame::ScreenBlue);
    SetFont({"MS Sans Serif", FormFontHeight, clWindowText, false});

    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetColor(ScreenFrame::DiagramOrange);
    // Paints nothing of its own: the curves drawn on it lie over the diagram.
    PaintBoxLog = Add<TPaintBox>();
    PaintBoxLog->Name = "PaintBoxLog";
    PaintBoxDef = Add<TPaintBox>();
    PaintBoxDef->Name = "PaintBoxDef";
    PaintBoxDef->SetColor(DefinitionBlue);
    PaintBoxDef->OnPaint = [this] { PaintBoxDefPaint(); };
    std::vector<std::string> definition;
    for (const TLine& line : data_.Definition)
        definition.emplace_back(line.Text);
    PaintBoxDef->SetAccessibleText(definition);

    // Its lines are given with their breaks.
    MemoErlaeuterung = ScreenFrame::AddExplanation(
        *this, {ScreenFrame::ExplanationYellow, false, ssBoth, true, /*StartsHidden=*/false});
    MemoErlaeuterung->SetFont({"MS Sans Serif", ExplanationFontHeight, clBlack, false});
    StatusBarHint = ScreenFrame::AddHintBar(*this, data.Hint, HintFontHeight);

    const std::string strip = data.Strip;
    ImageListGef = new TImageList(this, FrameSide, FrameSide,
                                  [strip](int scale) { return Assets::Strip(strip, scale); });
}

void TProcessRoute::AddEnde() {
    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
}

void TProcessRoute::AddStart(const char* caption) {
    Austenitisierung =
        MainMenu.Add("Austenitisierung", caption, [this] { AustenitisierungClick(); });
}

void TProcessRoute::AddNeu() {
    NEU = MainMenu.Add("NEU", "&Löschen / Neu", [this] { NEUClick(); });
}

void TProcessRoute::AddEscape() {
    ESCAPE = ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); });
}

void TProcessRoute::AddPause(const char* caption) {
    Prozessanhalten = MainMenu.Add(
        "Prozessanhalten", caption, [this] { ProzessanhaltenClick(); }, VK_F2, false);
}

void TProcessRoute::FormCreate() {
    const ScreenFrame::Layout layout = ScreenFrame::PlaceStandard(*this);
    unit_.FaktorX = layout.FaktorX;
    unit_.FaktorY = layout.FaktorY;
    const TLayout& fixed = layout.Small ? data_.Small : data_.Large;
    ScreenFrame::Place(*PaintBoxHaupt, fixed.Haupt);
    ScreenFrame::Place(*PaintBoxDef, fixed.Def);
    ScreenFrame::Place(*MemoErlaeuterung, fixed.Memo);
    if (fixed.MemoFontHeight > 0) {
        TFont font = MemoErlaeuterung->Font();
        font.Height = fixed.MemoFontHeight;
        MemoErlaeuterung->SetFont(font);
    } else {
        ScreenFrame::SetExplanationFont(*MemoErlaeuterung, unit_.FaktorY);
    }
    ScreenFrame::WriteLines(*MemoErlaeuterung, data_.Explanation);
    // The frame is the same on every paint; the first run may start before the first paint.
    SetFrames();
}

void TProcessRoute::FormPaint() {
    ScreenFrame::DrawBackdrop(*this, PaintBoxHaupt->Color(), data_.BackdropOuter, BackdropInner);
}

void TProcessRoute::FormClose() {
    SetEnabled(true);
    processTimer_->SetEnabled(false);
    if (curveTimer_)
        curveTimer_->SetEnabled(false);
    unit_.ProzessLaeuft = false;
    NEUClick();
}

void TProcessRoute::NEUClick() {
    // Nothing runs when the command can be chosen; a run paused before is over now.
    unit_.ProzessLaeuft = false;
    Austenitisierung->SetEnabled(true);
    if (curveItem_)
        curveItem_->SetEnabled(true);
    if (Prozessanhalten)
        Prozessanhalten->SetEnabled(true);
    Refresh();
}

void TProcessRoute::AustenitisierungClick() {
    unit_.ProzessLaeuft = true;
    processTimer_->SetEnabled(true);
    SetEnabled(false);
    Austenitisierung->SetEnabled(false);
    unit_.KurveX = unit_.Proz.Links;
    unit_.KurveY = static_cast<float>(unit_.Proz.Unten);
    PaintBoxHaupt->Canvas.MoveTo(unit_.KurveX, unit_.Proz.Unten);
}

void TProcessRoute::ProzessanhaltenClick() {
    if (!unit_.ProzessLaeuft)
        return;
    SetEnabled(false);
    Austenitisierung->SetEnabled(false);
    unit_.KurveY = static_cast<float>(Round(unit_.KurveY));
    // The line goes on from where it stopped.
    PaintBoxHaupt->Canvas.MoveTo(unit_.KurveX, Round(unit_.KurveY));
    processTimer_->SetEnabled(!processTimer_->Enabled());
}

void TProcessRoute::BeginProcessTick() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Pen.Width = LineWidth;
    c.Pen.Color = LineRed;
    c.Pen.Style = psSolid;
    c.Font.Color = clWhite;
}

void TProcessRoute::EndProcess() {
    SetEnabled(true);
    processTimer_->SetEnabled(false);
    unit_.ProzessLaeuft = false;
}

int TProcessRoute::SpotY(const TSpot& spot) const {
    switch (spot.From) {
    case TRow::FromOben:
        return unit_.Proz.Oben + spot.Y;
    case TRow::FromUnten:
        return unit_.Proz.Unten + spot.Y;
    case TRow::Pixel:
        break;
    }
    return spot.Y;
}

void TProcessRoute::PlayCues(std::span<const TCue> cues) {
    TCanvas& c = PaintBoxHaupt->Canvas;
    for (const TCue& cue : cues) {
        if (cue.AtX != unit_.KurveX)
            continue;
        if (cue.Brush != KeepBrush)
            c.Brush.Color = cue.Brush;
        if (cue.Frame != NoFrame) {
            const int frame = cue.Frame == NextFrame ? unit_.BildNr : cue.Frame;
            // A number past the strip draws nothing.
            ImageListGef->Draw(c, cue.At.X, SpotY(cue.At), frame);
            unit_.BildNr = cue.BildNrAfter == CountOn ? frame + 1 : cue.BildNrAfter;
        }
        c.Font.Color = clWhite;
        for (const TCaption& caption : cue.Captions)
            c.TextOut(caption.At.X, SpotY(caption.At), caption.Text);
    }
}

void TProcessRoute::PaintBoxDefPaint() {
    TCanvas& c = PaintBoxDef->Canvas;
    c.Pen.Color = clWhite;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Font.Color = clWhite;
    c.Font.Height = ScreenFrame::Scaled(16, unit_.FaktorY);
    // Larger than the box: only its top and left edges show.
    c.Rectangle(0, 0, PaintBoxHaupt->Width(), PaintBoxHaupt->Height());
    for (const TLine& line : data_.Definition)
        c.TextOut(data_.DefinitionX, line.Y, line.Text);
}

void TProcessRoute::PaintBackground(TCanvas& c) const {
    const int w = PaintBoxHaupt->Width();
    const int h = PaintBoxHaupt->Height();
    c.Pen = TimeTemperature::MakePen(Yellow, RowPenWidth);
    for (int y = 0; y <= YellowRows; ++y) {
        c.Pen.Color = Yellow - y * GreenStep;
        TimeTemperature::Line(c, {RowLeft, y}, {w, y});
    }
    for (int y = YellowRows; y <= h; ++y) {
        c.Pen.Color = std::max(RedFade - y, 0);
        TimeTemperature::Line(c, {RowLeft, y}, {w, y});
    }
}

void TProcessRoute::PaintProcessDiagram(TCanvas& c) const {
    using TimeTemperature::Line;
    const TProzFrame& p = unit_.Proz;
    c.Pen = TimeTemperature::MakePen(NearBlack, FramePenWidth);
    c.Brush.Color = FrameGold;
    c.Rectangle(p.Links, p.Oben, p.Rechts, p.Unten);

    c.Brush.Style = bsClear;
    c.Pen.Width = 1;
    c.Pen.Style = psDot;
    for (int k = 1; k <= GridSteps; ++k)
        Line(c, {p.Links, p.Down(k * HundredthsPerStep)},
             {p.Rechts, p.Down(k * HundredthsPerStep)});
    for (int u = 0; u <= TimeDivisions; ++u)
        Line(c, {p.X(u * HundredthsPerStep), p.Oben}, {p.X(u * HundredthsPerStep), p.Unten});

    c.Font.Color = clBlack;
    c.TextOut(p.Links + TitleDx, p.Down(TopSteps * HundredthsPerStep) + TitleDy, "Temperatur/°C");
    for (const TemperatureLabel& l : TemperatureLabels) {
        c.Font.Color = l.Color;
        c.TextOut(p.Links + LabelDx, p.Down(l.Steps * HundredthsPerStep) + LabelDy, l.Text);
    }
    const int x0 = p.X(ArrowAt);
    c.TextOut(x0 + TimeTextDx, p.Unten + TimeTextDy, "Zeit ");
    c.Pen = TimeTemperature::MakePen(clWhite, 1);
    const TPoint tip{x0 + ShaftTo, p.Unten + ShaftDy};
    Line(c, {x0 + ShaftFrom, tip.Y}, tip);
    Line(c, tip, {x0 + HeadBack, tip.Y - HeadSpread});
    Line(c, tip, {x0 + HeadBack, tip.Y + HeadSpread});
}
