#include "ironcarbon/Lattice.h"

#include "platform/Screen.h"
#include "shell/ScreenFrame.h"

#include <cmath>
#include <numbers>

namespace {

// The lattice windows take what the diagram beside them leaves: the screen less 420 design
// units of width and 20 of height, at the design's x of 400.
constexpr int DiagramDesignWidth = 420;
constexpr int DesignHeightMargin = 20;
constexpr int DesignLeft = 400;
constexpr int PanelDesignTop = 370;
constexpr int TurnInterval = 50;

// The cell: the bottom face's centre, the turning circle's radius and the cell's height in
// design units; the atoms are drawn at a fixed pixel size on every screen.
constexpr int CentreDesignY = 270;
constexpr int CircleDesignRadius = 40;
constexpr int CellDesignHeight = 200;
constexpr int AtomRadius = 25;
// Seen obliquely from above, the bottom square lies on an ellipse four times as wide as high.
constexpr int CornerSpread = 4;
// The side-face centres lie on a flatter ellipse, inset from the corners' one, halfway up.
constexpr int FaceCentreSpread = 7;
constexpr int FaceCentreInsetX = 24;
constexpr int FaceCentreInsetY = 10;
constexpr int HalfCellDesignHeight = 100;

constexpr long double FullTurn = 360;
constexpr long double HalfTurn = 180;
constexpr std::array<int, 4> EckStart{30, 120, 210, 300};
constexpr std::array<int, 4> MittenStart{75, 165, 255, 345};

// The angle is taken within one full turn first, so a cell that has turned on by whole quarter
// turns lands on exactly the pixels it started on, however long it has turned.
long double Radians(long double degrees) {
    return std::fmod(degrees, FullTurn) * std::numbers::pi_v<long double> / HalfTurn;
}

} // namespace

namespace LatticeCell {

void Atom(TCanvas& canvas, long double x, long double y, int r) {
    canvas.Ellipse(Round(x - r), Round(y - r), Round(x + r), Round(y + r));
}

void BodyDiagonals(TCanvas& canvas, const Corners& corners) {
    for (int j = 0; j < Sides; ++j) {
        const TPoint from = corners.Bottom[j];
        const TPoint to = corners.Top[(j + 2) % Sides];
        canvas.MoveTo(from.X, from.Y);
        canvas.LineTo(to.X, to.Y);
    }
}

} // namespace LatticeCell

TLatticeForm::TLatticeForm(const LatticeData& data, LatticeVariables& unit)
    : TForm(96, 13), data_(data), unit_(unit) {
    SetCaption(data.Caption);
    BorderStyle = bsToolWindow;
    SetColor(data.Color);
    SetFont({"MS Sans Serif", -11, clWindowText, false});

    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetAlign(alClient);
    if (data.PaintBoxColor)
        PaintBoxHaupt->SetColor(*data.PaintBoxColor);
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };

    Panel1 = Add<TPanel>();
    Panel1->Name = "Panel1";
    PaintBox1 = Panel1->Add<TPaintBox>();
    PaintBox1->Name = "PaintBox1";
    PaintBox1->SetAlign(alClient);
    PaintBox1->OnPaint = [this] { PaintBox1Paint(); };
    PaintBox1->SetAccessibleText(TextPanelText(data_.Lines));

    Timer1 = new TTimer(this, TurnInterval, false);
    Timer1->OnTimer = [this] { Timer1Timer(); };

    Ende1 = MainMenu.Add("Ende1", "&Ende", [this] { Ende1Click(); });
    ESC1 = ScreenFrame::AddEscapeItem(*this, "ESC1", "ESC", [this] { ESC1Click(); });
    start1 = MainMenu.Add("start1", "&Start", [this] { start1Click(); });
    Stopp1 = MainMenu.Add("Stopp1", "Sto&pp", [this] { Stopp1Click(); });
}

void TLatticeForm::FormCreate() {
    // The small layout also holds at exactly 1024 pixels.
    const ScreenFrame::Layout layout = ScreenFrame::StandardLayout(
        Screen.Width, Screen.Height, ScreenFrame::LayoutTest::WidthUpTo1024);
    unit_.FaktorX = layout.FaktorX;
    unit_.FaktorY = layout.FaktorY;
    const int width = layout.Width - ScreenFrame::Scaled(DiagramDesignWidth, unit_.FaktorX);
    const int height = layout.Height - ScreenFrame::Scaled(DesignHeightMargin, unit_.FaktorY);
    const int left = !layout.Small && data_.FlushRightWhenLarge
                         ? Screen.Width - width
                         : ScreenFrame::Scaled(DesignLeft, unit_.FaktorX);
    SetBounds(left, (Screen.Height - height) / 2, width, height);
    // The panel is as large as the window and is cut off by its bottom edge.
    Panel1->SetBounds(0, ScreenFrame::Scaled(PanelDesignTop, unit_.FaktorY), width, height);
}

void TLatticeForm::FormShow() {
    cx = PaintBoxHaupt->Width() / 2;
    cy = ScreenFrame::Scaled(CentreDesignY, unit_.FaktorY);
    rx = ScreenFrame::Scaled(CircleDesignRadius, unit_.FaktorX);
    ry = ScreenFrame::Scaled(CircleDesignRadius, unit_.FaktorY);
    h = ScreenFrame::Scaled(CellDesignHeight, unit_.FaktorY);
    r = AtomRadius;
    unit_.Drehschritt = 0;
    TurnTo(unit_.Drehschritt);
}

void TLatticeForm::FormClose() {
    Timer1->SetEnabled(false);
}

void TLatticeForm::TurnTo(int degrees) {
    for (int j = 1; j <= Sides; ++j) {
        EckWinkel[j] = degrees + EckStart[j - 1];
        // The body-centred cell has no atoms on its side faces.
        if (data_.Kind == LatticeKind::FaceCentred)
            MittenWinkel[j] = degrees + MittenStart[j - 1];
    }
}

long double TLatticeForm::CircleX(long double a) const {
    return cx + CornerSpread * rx * std::cos(Radians(a));
}

long double TLatticeForm::CircleY(long double a) const {
    return cy - ry * std::sin(Radians(a));
}

void TLatticeForm::Atom(long double x, long double y) {
    LatticeCell::Atom(PaintBoxHaupt->Canvas, x, y, r);
}

void TLatticeForm::Edge(int from, int to, bool fromTop, bool toTop) {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.MoveTo(Round(EckX[from]), Round(EckY[from] - (fromTop ? h : 0)));
    c.LineTo(Round(EckX[to]), Round(EckY[to] - (toTop ? h : 0)));
}

void TLatticeForm::DrawCorners() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    for (int j = 1; j <= Sides; ++j) {
        EckX[j] = CircleX(EckWinkel[j]);
        EckY[j] = CircleY(EckWinkel[j]);
        c.MoveTo(Round(EckX[j]), Round(EckY[j]));
        c.LineTo(Round(EckX[j]), Round(EckY[j] - h));
        Atom(EckX[j], EckY[j]);
        Atom(EckX[j], EckY[j] - h);
    }
}

void TLatticeForm::DrawFaceCentres() {
    const long double fx = unit_.FaktorX, fy = unit_.FaktorY;
    for (int j = 1; j <= Sides; ++j) {
        const long double a = Radians(MittenWinkel[j]);
        const long double x = cx + FaceCentreSpread * (rx - FaceCentreInsetX * fx) * std::cos(a);
        const long double y = cy - (ry - FaceCentreInsetY * fy) * std::sin(a);
        Atom(x, y - HalfCellDesignHeight * fy);
    }
    Atom(cx, cy - CellDesignHeight * fy);
    Atom(cx, cy);
}

void TLatticeForm::DrawFaceDiagonals() {
    // Each side face j–(j+1) gets both diagonals, bottom of one corner to top of the other.
    for (int j = 1; j <= Sides; ++j)
        Edge(j, j % Sides + 1, false, true);
    for (int j = 1; j <= Sides; ++j)
        Edge(j % Sides + 1, j, false, true);
    Edge(1, 3, false, false);
    Edge(2, 4, false, false);
    Edge(1, 3, true, true);
    Edge(2, 4, true, true);
}

void TLatticeForm::DrawBodyCentre() {
    Atom(cx, cy - HalfCellDesignHeight * static_cast<long double>(unit_.FaktorY));
}

void TLatticeForm::DrawBodyDiagonals() {
    LatticeCell::Corners corners;
    for (int j = 1; j <= Sides; ++j) {
        corners.Bottom[j - 1] = {Round(EckX[j]), Round(EckY[j])};
        corners.Top[j - 1] = {Round(EckX[j]), Round(EckY[j] - h)};
    }
    LatticeCell::BodyDiagonals(PaintBoxHaupt->Canvas, corners);
}

void TLatticeForm::DrawSquares() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Brush.Style = bsClear;
    for (int lift : {0, h}) {
        std::array<TPoint, Sides> square;
        for (int j = 1; j <= Sides; ++j)
            square[j - 1] = {Round(EckX[j]), Round(EckY[j] - lift)};
        c.Polygon(square);
    }
}

void TLatticeForm::PaintBoxHauptPaint() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Pen.Color = clRed;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Pen.Mode = pmCopy;
    c.Brush.Color = clRed;
    // All atoms come before the lines, so that the lines cross them.
    DrawCorners();
    if (data_.Kind == LatticeKind::FaceCentred) {
        DrawFaceCentres();
        DrawFaceDiagonals();
    } else {
        DrawBodyCentre();
        DrawBodyDiagonals();
    }
    DrawSquares();
}

void TLatticeForm::PaintBox1Paint() {
    DrawTextPanel(*PaintBox1, unit_.FaktorX, unit_.FaktorY, data_.Lines);
}

void TLatticeForm::Timer1Timer() {
    ++unit_.Drehschritt;
    TurnTo(unit_.Drehschritt);
    Refresh();
    PaintBoxHauptPaint();
}

void TLatticeForm::CloseBoth() {
    TForm* partner = data_.Partner();
    if (data_.ClosesPartnerFirst && partner)
        partner->Close();
    Close();
    if (!data_.ClosesPartnerFirst && partner)
        partner->Close();
}

void TLatticeForm::Ende1Click() {
    CloseBoth();
}

void TLatticeForm::ESC1Click() {
    CloseBoth();
}

void TLatticeForm::start1Click() {
    Timer1->SetEnabled(true);
}

void TLatticeForm::Stopp1Click() {
    Timer1->SetEnabled(false);
}
