#include "ironcarbon/UnitEKD12.h"

TFormEKD12* FormEKD12 = nullptr;

namespace UnitEKD12 {

Variables Unit;

namespace {

using namespace CoolingScript;

constexpr int AlloyX = 170; // 1.2 % carbon
constexpr int StartY = 20;
// The last step completes the alloy line a little beyond the frame's bottom edge at 452.
constexpr int LineBottomY = 454;
// The right end of every tie line of the cementite range: 6.67 % carbon.
constexpr int CementiteX = 717;
constexpr int EutectoidY = 395;
constexpr int EutectoidLeftX = 130; // S

// Picture slots: the first crystals, the growing austenite (inside the diagram, left of the alloy
// line), the cementite network, the end.
enum SlotName { A1, A2, B1, B2 };

constexpr Frame Grain{Strip::First, A2};
constexpr Frame Cementite{Strip::Second, B1};

} // namespace

const Script ScriptTable{
    .AlloyX = AlloyX,
    .StartY = StartY,
    .MarkerFont = MarkerHeight::Scaled,
    .TickBrush = clWhite,
    .Slots = {{290, 5}, {60, 150}, {180, 200}, {260, 360}},
    .Entries =
        {
            // Solidification from the liquidus at 1440 °C (1) to the solidus at 1280 °C (2): the
            // tie line runs from the solidus (austenite) to the liquidus (melt). The first tie
            // line traces nothing; the second traces from just inside the start line.
            {86, {Grain, Marker{"1", 175, 72}, PhaseStart{92, AlloyX}}},
            {88, {Grain, TieStep{.XL = 96, .XR = 178, .Traces = false}}},
            {90,
             {Grain, TieStep{.XL = 98,
                             .XR = 186,
                             .TraceFromL = TPoint{94, 86},
                             .TraceFromR = TPoint{171, 86}}}},
            {92, {Grain, TieStep{101, 193}}},
            {94, {Grain, TieStep{102, 199}}},
            {96, {Grain, TieStep{105, 206}}},
            {98,
             {Grain, Frame{Strip::First, A1, FrameUse::CopyOfLast},
              Caption{"1-2 Schmelze ", 290, A1, clWhite, MeltRed},
              Caption{" Austenit ", 366, A1, clWhite, AusteniteMaroon}, TieStep{107, 214}}},
            {100, {Grain, TieStep{109, 220}}},
            {102, {Grain, TieStep{111, 227}}},
            {104, {Grain, TieStep{113, 234}}},
            {106, {TieStep{115, 241}}},
            {108, {Grain, TieStep{117, 248}}},
            {110, {TieStep{119, 255}}},
            {112, {Grain, TieStep{121, 263}}},
            {114, {TieStep{123, 268}}},
            {116, {Grain, TieStep{125, 275}}},
            {118, {TieStep{128, 281}}},
            {120, {Grain, TieStep{130, 287}}},
            {122, {TieStep{132, 292}}},
            {124, {TieStep{134, 298}}},
            {126, {Grain, TieStep{137, 302}}},
            {128, {TieStep{139, 307}}},
            {130, {TieStep{141, 311}}},
            {132, {Grain, TieStep{143, 315}}},
            {134, {TieStep{145, 320}}},
            {136, {TieStep{147, 324}}},
            {138, {TieStep{150, 328}}},
            {140, {Grain, TieStep{153, 332}}},
            {142, {TieStep{155, 336}}},
            {144, {TieStep{157, 340}}},
            {146, {TieStep{160, 343}}},
            {148, {Grain, TieStep{162, 347}}},
            {150, {TieStep{164, 351}}},
            {152, {TieStep{166, 355}}},
            {154, {Grain, TieStep{168, 360}, Marker{"2", 175, 165}}},
            {156,
             {Grain, Caption{"2-3 Austenit ", 60, A2, clWhite, AusteniteMaroon},
              PhaseEnd{AlloyX, 365}, BlackLine{{AlloyX, 156}, {365, 156}}}},
            // Cementite precipitates from 900 °C (3) on E–S down to the eutectoid line (4); the
            // tie line runs from E–S, the austenite, to the cementite at 6.67 %.
            {324,
             {Marker{"3", 157, 320}, Cementite, PhaseStart{AlloyX, CementiteX},
              Caption{"3-4 Austenit ", 180, B1, clWhite, AusteniteMaroon},
              Caption{" Zementit ", 245, B1, clWhite, CementiteGrey}}},
            {326, {TieStep{.XL = 169, .XR = CementiteX, .TieFirst = true}}},
            {328, {Cementite, TieStep{168, CementiteX}}},
            {330, {TieStep{167, CementiteX}}},
            {332, {TieStep{166, CementiteX}}},
            {334, {Cementite, TieStep{165, CementiteX}}},
            {336, {TieStep{164, CementiteX}}},
            {338, {TieStep{162, CementiteX}}},
            {340, {TieStep{161, CementiteX}}},
            {342, {TieStep{160, CementiteX}}},
            {344,
             {Cementite, TieStep{.XL = 158, .XR = CementiteX, .TraceFromL = TPoint{161, 342}}}},
            {346, {TieStep{157, CementiteX}}},
            {348, {TieStep{156, CementiteX}}},
            {350, {TieStep{155, CementiteX}}},
            {352, {TieStep{154, CementiteX}}},
            {354, {Cementite, TieStep{153, CementiteX}}},
            {356, {TieStep{152, CementiteX}}},
            {358, {TieStep{151, CementiteX}}},
            {360, {TieStep{149, CementiteX}}},
            {362, {TieStep{148, CementiteX}}},
            {364, {Cementite, TieStep{147, CementiteX}}},
            {366, {TieStep{146, CementiteX}}},
            {368, {TieStep{145, CementiteX}}},
            {370, {TieStep{144, CementiteX}}},
            {372, {TieStep{143, CementiteX}}},
            {374, {Cementite, TieStep{142, CementiteX}}},
            {376, {TieStep{141, CementiteX}}},
            {378, {TieStep{140, CementiteX}}},
            {380, {TieStep{139, CementiteX}}},
            {382, {TieStep{138, CementiteX}}},
            {384, {Cementite, TieStep{137, CementiteX}}},
            {386, {TieStep{136, CementiteX}}},
            {388, {TieStep{135, CementiteX}}},
            {390, {TieStep{.XL = 134, .XR = CementiteX, .TraceToL = 135}}},
            {392, {Cementite, TieStep{133, CementiteX}}},
            {394,
             {Marker{"4", 155, 377},
              TieStep{132,
                      CementiteX}}}, // The remaining austenite turns into pearlite: the eutectoid
                                     // line P–S–K stays black. The final cementite caption is black
                                     // on grey, unlike every other grey caption.
            {396,
             {EraseTie{}, BlackLine{{EutectoidLeftX, EutectoidY}, {CementiteX, EutectoidY}},
              PhaseEnd{EutectoidLeftX, CementiteX, EutectoidY}, Frame{Strip::Second, B2},
              End{LineBottomY, LineBottomY}, Caption{"  Perlit ", 260, B2, clBlack, PearliteSilver},
              Caption{" Zementit ", 300, B2, clBlack, CementiteGrey}}},
        },
};

const CoolingScreenData Data{
    .Caption = "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 1.2 Gew.%",
    .FirstStripAsset = "EKD12.SchA",
    .SecondStripAsset = "EKD12.AZemPer",
    .MemoLeft = 430,
    .MemoHeight = 350,
    .MemoColor = MemoPaleYellow,
    .MemoWordWrap = false,
    .MemoWantTabs = false,
    .MemoLines =
        {
            "Der Erstarrungsprozess beginnt bei 1440°C (1) nach dem ",
            "Unterschreiten der Liquiduslinie. Es scheiden dabei ",
            "Gamma-MK (Austenit) aus der Schmelze aus.",
            "Entlang der Soliduslinie ändert sich der Kohlenstoffgehalt ",
            "der Mischkristalle, bzw. gemäß der Liquiduslinie der Kohlen-",
            "stoffgehalt der Schmelze, bis schließlich bei 1280°C (2) der",
            "Erstarrungsprozess abgeschlossen wird.",
            "",
            "Das Gefüge besteht aus einem homogenen Gamma-",
            "Mischkristall (Austenit), der im Einphasengebiet (2-3)",
            "beständig ist.",
            "",
            "Bei 900°C (3) wird die Löslichkeitsgrenze für den ",
            "Kohlenstoff unterschritten und bevorzugt an den ",
            "Korngrenzen scheidet Eisenkarbid (Zementit) aus(4). ",
            "Der C-Gehalt des Austenits sinkt dabei bis auf 0.8% ab ",
            "(3 nach 4).",
            "",
            "Schließlich zerfällt der Austenit bei 723°C in  das",
            "Eutektoid Perlit. Das Gefüge besteht nun aus 93 % ",
            "Perlit und 7 % Zementit (Eisenkarbid).",
        },
    .TextItemName = "Textja",
    .TextItemCaption = "Te&xt ja/nein",
    .MaxPanelName = "Panelmax",
    .EscapeBeforeNeu = false,
    .Script = ScriptTable,
};

} // namespace UnitEKD12

TFormEKD12::TFormEKD12()
    : TCoolingScreen(UnitEKD12::Data, UnitEKD12::Unit), Panelmax(MaxPanel), Textja(TextItem),
      ImageListSchA(FirstStrip), ImageListAZemPer(SecondStrip) {}
