#pragma once
// A unit cell of iron as a wire model that turns about its vertical axis, with a white panel
// below that names the phase. The face-centred (austenite) and the body-centred (ferrite) screen
// are this one design with their own data. The complete iron–carbon diagram shows them beside
// itself and places them again each time.

#include "ironcarbon/TextPanel.h"
#include "platform/Form.h"
#include "platform/Timer.h"

#include <array>
#include <optional>
#include <vector>

// The pieces every drawing of an iron cell is made of, whatever its view and size.
namespace LatticeCell {

inline constexpr int Sides = 4;

// The corners of a cell's bottom and top faces, each face in order around it, so that corner j
// of one face lies above or below corner j of the other and corner j + 2 opposite corner j.
struct Corners {
    std::array<TPoint, Sides> Bottom;
    std::array<TPoint, Sides> Top;
};

// An atom: the circle of radius r about (x, y), outlined with the pen and filled with the brush.
void Atom(TCanvas& canvas, long double x, long double y, int r);
// The four body diagonals, each from a bottom corner to the top corner opposite it.
void BodyDiagonals(TCanvas& canvas, const Corners& corners);

} // namespace LatticeCell

// The state each lattice unit keeps for the whole run.
struct LatticeVariables {
    double FaktorX = 0;
    double FaktorY = 0;
    // Ticks since the screen was last shown: the cell has turned by that many degrees.
    int Drehschritt = 0;
};

enum class LatticeKind { FaceCentred, BodyCentred };

struct LatticeData {
    const char* Caption;
    TColor Color;
    // The colour of the cell's drawing surface as stored with the window; it is never filled,
    // so only the canvas's starting brush shows it. Without one the surface takes the screen's.
    std::optional<TColor> PaintBoxColor;
    LatticeKind Kind;
    // In the large layout the face-centred screen stands flush with the right screen edge, the
    // body-centred one at the design's left of 400.
    bool FlushRightWhenLarge;
    // "&Ende" closes the partner first (face-centred) or this screen first (body-centred).
    bool ClosesPartnerFirst;
    TForm* (*Partner)();
    std::vector<TextPanelLine> Lines;
};

class TLatticeForm : public TForm {
public:
    TLatticeForm(const LatticeData& data, LatticeVariables& unit);

    TPaintBox* PaintBoxHaupt;
    TPanel* Panel1;
    TPaintBox* PaintBox1;
    TTimer* Timer1;
    TMenuItem* Ende1;
    TMenuItem* ESC1;
    TMenuItem* start1;
    TMenuItem* Stopp1;

    void FormCreate() override;
    void FormShow() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBox1Paint();
    void Timer1Timer();
    void Ende1Click();
    void ESC1Click();
    void start1Click();
    void Stopp1Click();

    // Indexed 1 … 4 like the cell's vertical edges and side faces; element 0 is unused.
    static constexpr int Sides = LatticeCell::Sides;
    std::array<long double, Sides + 1> EckWinkel{};
    std::array<long double, Sides + 1> MittenWinkel{};
    // Where the bottom corners stood at the last paint.
    std::array<long double, Sides + 1> EckX{};
    std::array<long double, Sides + 1> EckY{};
    int cx = 0;
    int cy = 0;
    int rx = 0;
    int ry = 0;
    int h = 0;
    int r = 0;

private:
    void TurnTo(int degrees);
    void CloseBoth();
    // The point at angle a on the bottom face's turning circle.
    long double CircleX(long double a) const;
    long double CircleY(long double a) const;
    void Atom(long double x, long double y);
    void Edge(int from, int to, bool fromTop, bool toTop);
    void DrawCorners();
    void DrawFaceCentres();
    void DrawFaceDiagonals();
    void DrawBodyCentre();
    void DrawBodyDiagonals();
    void DrawSquares();

    const LatticeData& data_;
    LatticeVariables& unit_;
};
