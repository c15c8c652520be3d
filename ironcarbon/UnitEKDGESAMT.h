#pragma once
// The complete iron–carbon diagram: the metastable system in blue and the stable system in red,
// with the letters of the characteristic points, the temperatures and the phase fields. The
// learner switches between the combined, the metastable and the stable view, opens two text
// panels, and opens the lattice cells of ferrite and austenite beside the diagram.

#include "phase/DiagramProbe.h"
#include "platform/Form.h"

#include <array>
#include <initializer_list>

namespace UnitEKDGESAMT {

struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
    // True only while a lattice command repaints: the combined view then fills that field.
    bool FuellungAustenit = false;
    bool FuellungFerrit = false;
    // The view on the canvas now, which the probe reads: a repaint draws the combined one.
    enum class View { Combined, Metastable, Stable };
    View Shown = View::Combined;
};
extern Variables Unit;

} // namespace UnitEKDGESAMT

class TFormEKDGesamt : public TForm {
public:
    TFormEKDGesamt();

    // Under the diagram and the panels: where the learner points into the diagram.
    TPaintBox* PaintBoxSonde;
    TPaintBox* PaintBoxHaupt;
    TPaintBox* PaintBoxDefStahl;
    TPaintBox* PaintBoxDefEKS;
    TLabel* Labelunter;
    TLabel* Labelperlit;
    TLabel* Labelueber;
    TLabel* LabelBunter;
    TLabel* LabelBperlit;
    TLabel* LabelBueber;
    TStatusBar* StatusBarHint;
    TMenuItem* Ende;
    TMenuItem* DefinitionStahl1;
    TMenuItem* EisenKohlenstoffSchaubild1;
    TMenuItem* Gesamt;
    TMenuItem* Metastabil;
    TMenuItem* Stabil;
    TMenuItem* AlphaMischkristall1;
    TMenuItem* GammaMischkristall1;
    TMenuItem* FerritAustenit1;
    TMenuItem* ESCAPE;

    void FormCreate() override;
    void FormPaint() override;
    void FormClose() override;
    void PaintBoxDefStahlPaint();
    void PaintBoxDefEKSPaint();
    void PaintBoxDefStahlClick();
    void PaintBoxDefEKSClick();
    void EndeClick();
    void ESCAPEClick();
    void DefinitionStahl1Click();
    void EisenKohlenstoffSchaubild1Click();
    void GesamtClick();
    void MetastabilClick();
    void StabilClick();
    void AlphaMischkristall1Click();
    void GammaMischkristall1Click();
    void FerritAustenit1Click();

    DiagramProbe::TProbe Sonde;
    // What the probe reads at a design point of the view shown.
    DiagramProbe::Reading ReadDiagram(DiagramProbe::Point design) const;

private:
    TLabel* AddLabel(const char* name, const char* caption, TColor background);
    void WidenToCaptions(std::initializer_list<TLabel*> labels);
    // The small labels at the foot of the diagram and the large ones on the meaning panel.
    std::array<TLabel*, 6> RangeLabels() const;
    // Both panels and all six labels.
    void HideOverlays();
    void ShowView(TMenuItem* drawn);
    void ShowFilled(bool& fill, TForm& shown, TForm& closed);
    void PlaceBeside(TForm& lattice, int left);
    // The steps the three views share.
    void DrawBackground();
    void DrawFrame(TColor fill, TColor outline);
    void DrawCombinedView();
    void DrawMetastableView();
    void DrawStableView();
    void ClearSurface();
    void ViewDrawn(UnitEKDGESAMT::Variables::View view);

    DiagramProbe::Map metastableMap_;
    DiagramProbe::Map stableMap_;
};

extern TFormEKDGesamt* FormEKDGesamt;
