#pragma once
// The process route beside the continuous ZTU diagram of the 0.45 % steel, as the hardening and
// normalising screens show it: the process diagram on the left, in which the part is heated to
// the austenitising level A and held there while the austenite grows in the pictures, and the ZTU
// diagram on the right, in which a cooling curve grows on a transparent overlay and leaves the
// structure it makes as a picture. The two screens differ in how the part cools.

#include "treatment/ProcessRoute.h"
#include "zta_ztu/ZtuDiagram.h"

#include <vector>

namespace ZtuRoute {

// A field name of the ZTU diagram at ZtuLinks + A / 100 time divisions and B / 100 200-K steps
// above its bottom edge, on the process diagram's steps.
struct TFieldLabel {
    const char* Text;
    int A;
    int B;
};

struct TData {
    TColor CurveColor;
    TFieldLabel Ferrit;
};

// The first pictures of both routes: the ferrite and pearlite at the start, then the austenite
// growing from it while the part is heated and held.
extern const std::vector<ProcessRoute::TCue> AusteniteCues;

// The colour of the lines and frames: one step above black.
inline constexpr TColor NearBlack = 1;

// Where the holding line runs out and the part starts to cool, in hundredths of a time division.
inline constexpr int CoolingStart = 400;

} // namespace ZtuRoute

class TZtuRoute : public TProcessRoute {
public:
    TZtuRoute(const ProcessRoute::TData& data, const ZtuRoute::TData& ztu,
              ProcessRoute::TVariables& unit);

    void PaintBoxHauptPaint();
    void PaintBoxLogPaint();

    // The austenitising level A: y of 820 °C in the process diagram.
    int HoldingLevel() const;

protected:
    void SetFrames() override;
    // The first two stages of every process tick: the heating fan up to A, then holding at A.
    void HeatAndHold();
    // The ZTU curve's command: the curve starts at the overlay's origin.
    void StartCurve();
    // Pen, brush and font of a curve tick.
    void BeginCurveTick();
    // The end of the curve: the structure it leaves as a picture on the surface, its name on the
    // overlay, and the screen takes input again.
    void EndCurve(int frame, TPoint frameAt, const char* text, TPoint textAt);

private:
    void PlaceOverlay();
    void PaintZtuDiagram(TCanvas& c) const;

    const ZtuRoute::TData& ztu_;
};
