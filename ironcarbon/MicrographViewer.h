#pragma once
// A small window that shows one light micrograph of the microstructure series: the picture at
// its own size from the top-left corner (what does not fit is cut off), below it a black strip
// that names the structure and holds a scale bar. The nine viewers are this one design with
// their own picture and texts; the diagram of the series shows them beside itself.

#include "platform/Form.h"

#include <string>

struct MicrographData {
    const char* Caption;
    // The text of the caption strip.
    const char* Text;
    // The scale bar's label; the gap before its last letter takes a μ (see the caption strip).
    const char* Scale;
    // The picture: 0 pure ferrite, 1 to 8 the steel with that many tenths of a per cent carbon.
    int Picture;
};

class TMicrographViewer : public TForm {
public:
    explicit TMicrographViewer(const MicrographData& data);

    TImage* ImageBild;
    TPaintBox* PaintBoxBildFe;
    TStatusBar* StatusBarHint;
    TMenuItem* Ende;
    TMenuItem* ESCAPE;

    void FormCreate() override;
    void PaintBoxBildFePaint();
    void EndeClick();
    void ESCAPEClick();

    const MicrographData& Data() const { return data_; }

private:
    const MicrographData& data_;
};

// The viewer's fixed window and the places in it, in pixels.
namespace MicrographViewer {
inline constexpr int WindowWidth = 400;
inline constexpr int WindowHeight = 340;
inline constexpr int PictureHeight = 230;
inline constexpr int StripHeight = 30;
// Where the caption strip writes and draws, in the strip's pixels.
inline constexpr int TextX = 10;
inline constexpr int TextY = 5;
inline constexpr int BarLeft = 200;
inline constexpr int BarRight = 280;
inline constexpr int BarTop = 4;
inline constexpr int BarMiddle = 12;
inline constexpr int BarBottom = 20;
inline constexpr int ScaleX = 290;
} // namespace MicrographViewer
