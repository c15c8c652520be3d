#pragma once
// The metastable iron–carbon diagram as the door to the microstructure series: a click on the
// framed ferrite label or on one of eight grey fields under the carbon axis from 0 to 0.8 %
// shows the micrograph of that structure in a small window beside the diagram; a command shows
// all nine in a cascade, another closes them. The diagram is drawn in pixels, the same on every
// screen size.

#include "ironcarbon/MicrographViewer.h"
#include "platform/Form.h"

#include <array>
#include <optional>

namespace UnitEKDBilder {

struct Variables {
    // The middle of the screen, taken once when the screen is created: the viewers are placed
    // from it.
    int BildMitteX = 0;
    int BildMitteY = 0;
};
extern Variables Unit;

inline constexpr int Viewers = 9;
// The viewers in the order the cascade shows them: pure ferrite, then 0.1 % to 0.8 % carbon.
std::array<TMicrographViewer*, Viewers> ViewerList();

// The picture a click at (x, y) on the diagram shows (0 ferrite, 1 to 8 the tenths of a per
// cent carbon), if any: the inside of the ferrite label's frame or of a grey field, its border
// not included.
std::optional<int> PictureAt(int x, int y);
// Whether the mouse at (x, y) points at something to click: the ferrite label or the row of
// grey fields, the borders between the fields included.
bool PointsAtPicture(int x, int y);

} // namespace UnitEKDBilder

class TFormEKDBilder : public TForm {
public:
    TFormEKDBilder();

    TPaintBox* PaintBoxHaupt;
    TStatusBar* StatusBarHint;
    TMenuItem* Ende;
    TMenuItem* ESCAPE;
    TMenuItem* GefgereiheKohlenstoff0108undFerrit1;
    TMenuItem* Bildershlieen1;

    void FormCreate() override;
    void FormPaint() override;
    void FormClose() override;
    void PaintBoxHauptPaint();
    void PaintBoxHauptMouseMove(int x, int y);
    void PaintBoxHauptMouseDown(TMouseButton button, int x, int y);
    void EndeClick();
    void ESCAPEClick();
    void GefgereiheKohlenstoff0108undFerrit1Click();
    void Bildershlieen1Click();

private:
    void DrawBackground();
    void DrawAxisLabels();
    void DrawPhaseTexts();
    void DrawGreekTexts();
    void DrawFields();
};

extern TFormEKDBilder* FormEKDBilder;
