#include "zta_ztu/ContinuousZtu.h"

#include "assets/Assets.h"
#include "platform/Keys.h"
#include "platform/Screen.h"
#include "shell/ScreenFrame.h"

#include <cmath>

using namespace ContinuousZtu;
using namespace TimeTemperature;

namespace {

constexpr int TableFontHeight = -12;
// Seven lines of 13 pixels fill the 97-pixel box without losing the hardness row, which a cell
// of 18 would push out of sight.
constexpr int TableCellHeight = 13;
constexpr int CurveInterval = 50;

// The overlay starts two 200-K steps below the top edge, at about 800 °C.
constexpr long double OverlayStepsDown = 2;

constexpr TZtuBounds SmallMart{400, 430, 385, 97};
constexpr TZtuBounds SmallNorm{620, 430, 385, 97};
constexpr TZtuBounds LargeMart{510, 550, 385, 97};
constexpr TZtuBounds LargeNorm{770, 550, 385, 97};

// The growing curves.
constexpr int CurvePenWidth = 3;
constexpr TColor CurveBlue = clBlue;
constexpr int EndFontHeight = 8;
// The equilibrium run: purple, and it stops 20 pixels short of the overlay's right edge.
constexpr TColor EquilibriumPurple = clPurple;
constexpr int EquilibriumStep = 2;
constexpr int EquilibriumStopMargin = 20;

} // namespace

TContinuousZtuScreen::TContinuousZtuScreen(const TData& data, Variables& unit)
    : TZtuScreen({data.Caption, &data.Diagram, OverlayStepsDown, false, data.ExplanationReadOnly},
                 unit),
      data_(data) {
    if (data.ManagesTexts) {
        ImageMart = AddPicture("ImageMart");
        ImageMart->LoadJpeg(Assets::MartensiteMicrograph(), Assets::MartensiteMicrograph(2));
        ImageNorm = AddPicture("ImageNorm");
        ImageNorm->LoadJpeg(Assets::NormalisedMicrograph(), Assets::NormalisedMicrograph(2));
    }

    MemoT = Add<TMemo>();
    MemoT->Name = "MemoT";
    MemoT->SetAccessibleName("Tabelle Gefügeanteile");
    MemoT->SetBorder(false);
    MemoT->SetColor(clBlue);
    MemoT->SetFont({"MS Sans Serif", TableFontHeight, clWhite, false});
    MemoT->SetReadOnly(true);
    MemoT->SetWordWrap(false);
    MemoT->Hide();

    TimerGleich = new TTimer(this, CurveInterval, false);
    TimerGleich->OnTimer = [this] { TimerGleichTimer(); };
    for (int i = 0; i < static_cast<int>(CurveTimers.size()); ++i) {
        CurveTimers[i] = new TTimer(this, CurveInterval, false);
        CurveTimers[i]->OnTimer = [this, i] { CurveTimer(i); };
    }
    AddMenu();
}

TImage* TContinuousZtuScreen::AddPicture(const char* name) {
    TImage* image = Add<TImage>();
    image->Name = name;
    image->Hide();
    return image;
}

void TContinuousZtuScreen::AddMenu() {
    Datei = MainMenu.Add("Datei", "&Datei");
    NEU = Datei->Add("NEU", "Löschen / Neu", [this] { NEUClick(); });
    Text = Datei->Add(
        "Text", "Text ja/nein", [this] { TextClick(); }, VK_F1);
    Tabelle = Datei->Add("Tabelle", "Tabelle Gefügeanteile ja/nein", [this] { TabelleClick(); });
    ESCAPE = Datei->Add(
        "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); }, VK_ESCAPE, false);
    Ende = Datei->Add("Ende", "&Ende", [this] { EndeClick(); });
    VGleich = MainMenu.Add("VGleich", "&Gleichgewicht", [this] { VGleichClick(); });
    for (int i = 0; i < static_cast<int>(CurveItems.size()); ++i) {
        const TCurve& curve = data_.Curves[i];
        CurveItems[i] = MainMenu.Add(curve.ItemName, curve.Caption, [this, i] { CurveClick(i); });
    }
}

void TContinuousZtuScreen::FormCreate() {
    const ScreenFrame::Layout layout = PlaceFrame(data_.Small.Explanation, data_.Large.Explanation);
    PlaceControl(*MemoT, layout.Small ? data_.Small.Table : data_.Large.Table);
    TFont tableFont = MemoT->Font();
    tableFont.Height = TableCellHeight;
    MemoT->SetFont(tableFont);
    if (ImageMart) {
        PlaceControl(*ImageMart, layout.Small ? SmallMart : LargeMart);
        PlaceControl(*ImageNorm, layout.Small ? SmallNorm : LargeNorm);
    }
    ScreenFrame::WriteLines(*MemoErlaeuterung, data_.ExplanationLines);
    ScreenFrame::WriteLines(*MemoT, data_.TableLines);
}

void TContinuousZtuScreen::FormClose() {
    if (data_.ManagesTexts) {
        MemoT->Hide();
        ImageMart->Hide();
        ImageNorm->Hide();
        MemoErlaeuterung->Hide();
    }
    VGleich->SetEnabled(true);
    for (TMenuItem* item : CurveItems)
        item->SetEnabled(true);
    SetEnabled(true);
    TimerGleich->SetEnabled(false);
    for (TTimer* timer : CurveTimers)
        timer->SetEnabled(false);
}

void TContinuousZtuScreen::NEUClick() {
    if (data_.ManagesTexts) {
        MemoT->Hide();
        ImageMart->Hide();
        ImageNorm->Hide();
    }
    VGleich->SetEnabled(true);
    for (TMenuItem* item : CurveItems)
        item->SetEnabled(true);
    Refresh();
}

void TContinuousZtuScreen::TabelleClick() {
    MemoT->SetVisible(!MemoT->Visible());
}

// --- the curves --------------------------------------------------------------------------------

void TContinuousZtuScreen::StartCurve(TTimer& timer, TMenuItem& item, bool showTable) {
    timer.SetEnabled(true);
    // Until the curve is finished only the shortcuts act.
    SetEnabled(false);
    item.SetEnabled(false);
    if (showTable && data_.ManagesTexts)
        MemoT->Show();
    unit_.KurveX = 0;
    unit_.KurveY = 0;
    PaintBoxLog->Canvas.MoveTo(0, 0);
}

void TContinuousZtuScreen::EndCurve(TTimer& timer) {
    SetEnabled(true);
    timer.SetEnabled(false);
}

void TContinuousZtuScreen::VGleichClick() {
    StartCurve(*TimerGleich, *VGleich, false);
}

void TContinuousZtuScreen::CurveClick(int i) {
    StartCurve(*CurveTimers[i], *CurveItems[i], true);
}

void TContinuousZtuScreen::Mark(const TMarker& m) {
    const int x = unit_.KurveX;
    const float y = unit_.KurveY;
    Dot(PaintBoxLog->Canvas, CurveBlue, m.Fill, x + m.Left, Round(y + m.Top), x + m.Right,
        Round(y + m.Bottom));
}

void TContinuousZtuScreen::CurveTimer(int i) {
    const TCurve& curve = data_.Curves[i];
    TCanvas& c = PaintBoxLog->Canvas;
    int& x = unit_.KurveX;
    float& y = unit_.KurveY;
    c.Pen.Width = CurvePenWidth;
    c.Pen.Color = CurveBlue;
    c.Brush.Color = CurveBlue;
    c.Font.Color = clWhite;
    GrowCurve(c, curve.Segments, curve.K, x, y);
    for (const TMarker& m : curve.Markers)
        if (x == m.AtX)
            Mark(m);
    if (y > PaintBoxLog->Height() - curve.StopMargin) {
        c.Font.Height = EndFontHeight;
        for (const TEndText& t : curve.EndTexts)
            TimeTemperature::Caption(c, x + t.Dx, Round(y + t.Dy), t.Text, clWhite, CurveBlue);
        if (curve.Picture == TPicture::Martensite)
            ImageMart->Show();
        else if (curve.Picture == TPicture::Normalised)
            ImageNorm->Show();
        EndCurve(*CurveTimers[i]);
    }
}

void TContinuousZtuScreen::DrawEquilibriumMarks() {
    const TEquilibrium& e = data_.Equilibrium;
    const ZtuDiagram::TFrames& f = unit_.Frames;
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Pen = MakePen(clBlack, 1, psDash);
    c.Brush.Color = clWhite;
    const int from = f.Ekd.X(data_.Diagram.Composition.Carbon);
    for (long double t : {e.A3Celsius, e.A1Celsius})
        Line(c, {from, f.Ekd.Y(t)}, {f.Ztu.Rechts, f.Ekd.Y(t)});
    c.Font.Color = clWhite;
    c.Brush.Color = EquilibriumPurple;
    c.Pen = MakePen(EquilibriumPurple, 1);
    auto stepX = [&](long double steps) {
        return Round(f.Ekd.Links + steps * static_cast<long double>(f.Ekd.StufeC));
    };
    auto stepY = [&](long double steps) {
        return Round(f.Ekd.Unten - steps * static_cast<long double>(f.Ekd.Stufe));
    };
    c.Rectangle(stepX(e.BoxLeft), stepY(e.BoxBottom), stepX(e.BoxRight), stepY(e.BoxTop));
    for (const ZtuDiagram::TText& t : e.BoxTexts)
        c.TextOut(t.X, t.Y, t.Text);
}

void TContinuousZtuScreen::TimerGleichTimer() {
    const TEquilibrium& e = data_.Equilibrium;
    TCanvas& c = PaintBoxLog->Canvas;
    int& x = unit_.KurveX;
    float& y = unit_.KurveY;
    if (x == 0)
        DrawEquilibriumMarks();
    y = CurveY(e.K, x);
    c.Pen.Width = CurvePenWidth;
    c.Pen.Color = EquilibriumPurple;
    if (x < PaintBoxLog->Width()) {
        c.LineTo(x, Round(y));
        x += EquilibriumStep;
    }
    for (const TMarker& m : e.Markers)
        if (x == m.AtX)
            Mark(m);
    if (x >= PaintBoxLog->Width() - EquilibriumStopMargin || y > PaintBoxLog->Height()) {
        EndCurve(*TimerGleich);
        TCanvas& main = PaintBoxHaupt->Canvas;
        for (const ZtuDiagram::TText& t : e.EndTexts)
            TimeTemperature::Caption(main, t.X, t.Y, t.Text, clWhite, EquilibriumPurple);
    }
}
