#pragma once
// A continuous-cooling ZTU diagram beside the steel corner of the iron–carbon diagram: the
// learner picks a cooling rate and its curve grows from about 800 °C across the diagram on a
// transparent overlay, with dots where it crosses the transformation lines and a label at its
// end; the equilibrium run creeps along just below A1 and names the structure it leaves. A table
// of structure fractions and hardness can be shown. The two steels are this one design with
// their own data.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Timer.h"
#include "zta_ztu/ZtuScreen.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ContinuousZtu {

using TSegment = TimeTemperature::TSegment;

// A dot where the curve crosses a line, its corners relative to (KurveX, KurveY).
struct TMarker {
    int AtX;
    TColor Fill;
    int Left, Top, Right, Bottom;
};

struct TEndText {
    const char* Text;
    int Dx;
    int Dy;
};

enum class TPicture { None, Martensite, Normalised };

struct TCurve {
    const char* TimerName;
    const char* ItemName;
    const char* Caption;
    long double K;
    std::vector<TSegment> Segments;
    std::vector<TMarker> Markers;
    int StopMargin; // the curve ends once KurveY passes the overlay's height less this
    std::vector<TEndText> EndTexts;
    TPicture Picture = TPicture::None;
};

struct TEquilibrium {
    long double K;
    long double A3Celsius;
    long double A1Celsius;
    // The purple label box in section steps, and its texts in pixels.
    long double BoxLeft, BoxBottom, BoxRight, BoxTop;
    std::vector<ZtuDiagram::TText> BoxTexts;
    std::vector<TMarker> Markers;
    std::vector<ZtuDiagram::TText> EndTexts;
};

struct TLayout {
    TZtuBounds Explanation;
    TZtuBounds Table;
};

struct TData {
    const char* Caption;
    ZtuDiagram::TData Diagram;
    TEquilibrium Equilibrium;
    std::array<TCurve, 5> Curves;
    std::vector<std::string> TableLines;
    std::vector<std::string> ExplanationLines;
    bool ExplanationReadOnly;
    TLayout Small;
    TLayout Large;
    // The 0.45 % screen shows the table with every cooling rate, has the two micrographs and
    // hides its texts and pictures again on "Löschen / Neu" and on closing; the 0.70 % screen
    // leaves its texts as the learner set them.
    bool ManagesTexts;
};

using Variables = TZtuVariables;

} // namespace ContinuousZtu

class TContinuousZtuScreen : public TZtuScreen {
public:
    TContinuousZtuScreen(const ContinuousZtu::TData& data, ContinuousZtu::Variables& unit);

    // Only the 0.45 % screen has pictures.
    TImage* ImageMart = nullptr;
    TImage* ImageNorm = nullptr;
    TMemo* MemoT;
    TTimer* TimerGleich;
    // In the order of the menu: 0.04 °C/s first, the fastest rate last.
    std::array<TTimer*, 5> CurveTimers{};
    TMenuItem* Datei;
    TMenuItem* NEU;
    TMenuItem* Text;
    TMenuItem* Tabelle;
    TMenuItem* ESCAPE;
    TMenuItem* Ende;
    TMenuItem* VGleich;
    std::array<TMenuItem*, 5> CurveItems{};

    void FormCreate() override;
    void FormClose() override;
    void NEUClick();
    void TabelleClick();
    void EndeClick() { Close(); }
    void ESCAPEClick() { Close(); }
    void VGleichClick();
    void CurveClick(int i);
    void TimerGleichTimer();
    void CurveTimer(int i);

private:
    void AddMenu();
    void StartCurve(TTimer& timer, TMenuItem& item, bool showTable);
    void EndCurve(TTimer& timer);
    void DrawEquilibriumMarks();
    void Mark(const ContinuousZtu::TMarker& m);
    TImage* AddPicture(const char* name);

    const ContinuousZtu::TData& data_;
};
