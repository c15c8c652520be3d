#include "ironcarbon/UnitEKD06.h"

TFormEKD06* FormEKD06 = nullptr;

namespace UnitEKD06 {

Variables Unit;

namespace {

using namespace CoolingScript;

constexpr int AlloyX = 110; // 0.6 % carbon
constexpr int StartY = 20;
constexpr int FrameBottomY = 452;

// Picture slots: the first crystals, the growing austenite, the forming ferrite, the end.
enum SlotName { A1, A2, B1, B2 };

constexpr Frame Grain{Strip::First, A2};
constexpr Frame Ferrite{Strip::Second, B1};

} // namespace

const Script ScriptTable{
    .AlloyX = AlloyX,
    .StartY = StartY,
    .MarkerFont = MarkerHeight::Scaled,
    .TickBrush = clWhite,
    .Slots = {{260, 5}, {260, 125}, {260, 250}, {260, 367}},
    .Entries =
        {
            // Solidification between the liquidus at 1490 °C (1) and the solidus at 1410 °C (2):
            // the tie line runs from the solidus (austenite) to the liquidus (melt).
            {70, {Grain, Grain, Marker{"1", 115, 55}, PhaseStart{77, 113}}},
            {72, {Grain, TieStep{79, 120, std::nullopt, 117}}},
            {74, {Grain, TieStep{81, 127}}},
            {76,
             {Frame{Strip::First, A1, FrameUse::CopyOfNext}, Grain,
              Caption{"1-2  Schmelze       ", 260, A1, clWhite, MeltRed},
              Caption{" Austenit ", 345, A1, clWhite, AusteniteMaroon}, TieStep{83, 134}}},
            {78, {Grain, TieStep{85, 143}}},
            {80, {Grain, TieStep{87, 150}}},
            {82, {Grain, TieStep{89, 157}}},
            {84, {Grain, TieStep{91, 164}}},
            {86, {Grain, TieStep{93, 171}}},
            {88, {Grain, TieStep{96, 178}}},
            {90, {Grain, TieStep{98, 185}}},
            {92, {Grain, TieStep{100, 191}}},
            {94, {Grain, TieStep{103, 198, std::nullopt, 197}}},
            {96, {Grain, TieStep{104, 205}}},
            {98, {Grain, TieStep{106, 212}}},
            {100, {Grain, TieStep{108, 219}}},
            {102, {Grain, TieStep{110, 226}, Marker{"2", 115, 88}}},
            {104,
             {Grain, Caption{"2-3   Austenit ", 260, A2, clWhite, AusteniteMaroon},
              PhaseEnd{112, 238}, BlackLine{{112, 104}, {238, 104}}}},
            // Ferrite forms from 760 °C (3) until the eutectoid line (4); the tie line runs from
            // the ferrite near 0.05 % to G–S, the austenite. The marker 4 comes first.
            {382,
             {Ferrite, Colours{clBlack, clWhite}, Marker{"4", 113, 395},
              Caption{"3-4   Ferrit    ", 260, B1, clBlack, FerriteWhite},
              Caption{"  Austenit ", 320, B1, clWhite, AusteniteMaroon}}},
            {384, {Ferrite, Marker{"3", 115, 370}, PhaseStart{55, 110}}},
            {386, {Ferrite, TieStep{55, 113}}},
            {388, {Ferrite, TieStep{55, 116}}},
            {390, {Ferrite, TieStep{55, 119}}},
            {392, {Ferrite, TieStep{55, 122}}},
            {394, {Ferrite, PhaseEnd{56, 126}, BlackLine{{55, 394}, {126, 394}}}},
            // The rest of the austenite has become pearlite.
            {396,
             {Frame{Strip::Second, B2}, Caption{"   Ferrit    ", 260, B2, clBlack, FerriteWhite},
              Caption{" Perlit ", 310, B2, clBlack, PearliteSilver},
              End{FrameBottomY, FrameBottomY}}},
        },
};

const CoolingScreenData Data{
    .Caption = "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 0.6 Gew.%",
    .FirstStripAsset = "EKD06.SchA",
    .SecondStripAsset = "EKD06.AFerPer",
    .MemoLeft = 430,
    .MemoHeight = 330,
    .MemoColor = MemoPaleYellow,
    .MemoWordWrap = false,
    .MemoWantTabs = false,
    .MemoLines =
        {
            "Der Erstarrungsprozess beginnt bei 1490°C (1) nach dem ",
            "Erreichen der Liquiduslinie. Es scheiden dabei Gamma-MK",
            "(Austenit) gemäß der Liquiduslinie aus der Schmelze aus.",
            "Entlang der Soliduslinie ändert sich der Kohlenstoffgehalt ",
            "der Mischkristalle, bzw. entsprechend der Liquiduslinie der ",
            "Kohlenstoffgehalt der Schmelze, bis schließlich bei ",
            "1410°C (2) der Erstarrungsprozeß abgeschlossen wird.",
            "",
            "Das Gefüge besteht aus einem homogenen Gamma-",
            "Mischkristall (Austenit), der im Einphasengebiet (2-3)",
            "beständig ist.",
            "",
            "Bei 760°C (3) beginnt bevorzugt an den Korngrenzen die ",
            "Bildung von Ferrit (Alpha-MK), die bei (4) abgeschlossen",
            "ist. Der C-Gehalt des Austenits steigt dabei bis auf 0.8% ",
            "an (3 nach 4).",
            "",
            "Schließlich zerfällt der restliche Austenit bei 723°C in das",
            "Eutektoid Perlit. Das Gefüge besteht nun aus 75 % ",
            "Perlit und 25 % Ferrit (Alpha-MK).",
        },
    .TextItemName = "Textjanein1",
    .TextItemCaption = "Text ja/nein",
    .MaxPanelName = "PanelMax",
    .EscapeBeforeNeu = false,
    .Script = ScriptTable,
};

} // namespace UnitEKD06

TFormEKD06::TFormEKD06()
    : TCoolingScreen(UnitEKD06::Data, UnitEKD06::Unit), PanelMax(MaxPanel), Textjanein1(TextItem),
      ImageListSchA(FirstStrip), ImageListAFerPer(SecondStrip) {}
