#include "ironcarbon/UnitEKD30.h"

TFormEKD30* FormEKD30 = nullptr;

namespace UnitEKD30 {

Variables Unit;

namespace {

using namespace CoolingScript;

constexpr int AlloyX = 350; // 3.0 % carbon
// An odd start: every step value is odd, and the run limit 450 is passed only at 451.
constexpr int StartY = 21;
constexpr int EndStartY = 397;
constexpr int LineBottomY = 451;
// The right end of every tie line of the cementite range: 6.67 % carbon.
constexpr int CementiteX = 717;
constexpr int EutecticY = 215;
constexpr int EutecticLeftX = 256;  // E
constexpr int EutecticRightX = 480; // C
constexpr int EutectoidY = 395;
constexpr int EutectoidLeftX = 130; // S
constexpr TColor MemoLightYellow = 0x80FFFF;
constexpr TColor MarkerYellow = 0x00FFFF;

// Picture slots in one column at the left edge, over the temperature labels. The upper two keep
// their caption lines (and A2 its frame) at fixed pixel rows; the lower two follow the scale with
// pixel offsets from y 240.
enum SlotName { A1, A2, B1, B2 };
constexpr int SlotX = 10;
constexpr int LowerSlotsY = 240;
// The second caption of a slot starts this many pixels right of the slot's left edge.
constexpr int AusteniteA1Offset = 94;
constexpr int AusteniteA2Offset = 82;
constexpr int PearliteOffset = 72;

constexpr Frame Crystals{Strip::First, A1};
constexpr Frame Ledeburite{Strip::Second, B1};

} // namespace

const Script ScriptTable{
    .AlloyX = AlloyX,
    .StartY = StartY,
    .MarkerFont = MarkerHeight::Pixels,
    .TickBrush = MarkerYellow,
    .Slots = {{SlotX, 3, Coordinate{0, 104}},
              {SlotX, Coordinate{0, 123}, Coordinate{0, 224}},
              {SlotX, LowerSlotsY, Coordinate{LowerSlotsY, 101}},
              {SlotX, Coordinate{LowerSlotsY, 125}, Coordinate{LowerSlotsY, 226}}},
    .Entries =
        {
            // Austenite crystallises from 1300 °C (1) until the remaining melt reaches C at
            // 1147 °C (2); the tie line runs from the solidus J–E to the liquidus B–C.
            {149, {Crystals, Marker{"1", 355, 130}, PhaseStart{163, AlloyX}}},
            {153,
             {Crystals, Caption{"1-2   Schmelze   ", SlotX, A1, clWhite, MeltRed},
              Caption{" Austenit ", Coordinate{SlotX, AusteniteA1Offset}, A1, clWhite,
                      AusteniteMaroon},
              TieStep{167, 359}}},
            {157, {Crystals, TieStep{172, 366}}},
            {161, {Crystals, TieStep{177, 374}}},
            {165, {Crystals, TieStep{183, 383}}},
            {169, {Crystals, TieStep{188, 390}}},
            {173, {Crystals, TieStep{193, 397}}},
            {177, {Crystals, TieStep{198, 404}}},
            {181, {Crystals, TieStep{.XL = 204, .XR = 414, .TraceToR = 411}}},
            {185, {TieStep{.XL = 209, .XR = 418, .TraceFromR = TPoint{411, 181}}}},
            {189, {Crystals, TieStep{215, 428}}},
            {193, {Crystals, TieStep{222, 436}}},
            {197, {Crystals, TieStep{228, 444}}},
            {201, {TieStep{235, 451}}},
            {205, {Crystals, TieStep{242, 459}}},
            {209, {Crystals, TieStep{247, 466}}},
            {213,
             {Crystals, TieStep{254, 475},
              Marker{
                  "2", 355,
                  200}}}, // The remaining melt becomes ledeburite: the eutectic line from E to C
                          // stays black, and the line at 217 starts the secondary cementite range.
            {217,
             {Frame{Strip::First, A2},
              Caption{"2     Ledeburit ", SlotX, A2, clWhite, LedeburiteGrey},
              Caption{" Austenit ", Coordinate{SlotX, AusteniteA2Offset}, A2, clWhite,
                      AusteniteMaroon},
              EraseTie{}, BlackLine{{254, EutecticY}, {EutecticLeftX, EutecticY}},
              BlackLine{{475, EutecticY}, {EutecticRightX, EutecticY}},
              BlackLine{{EutecticLeftX, EutecticY}, {EutecticRightX, EutecticY}},
              PhaseStart{EutecticLeftX, CementiteX}}},
            // Secondary cementite precipitates along E–S; the tie line runs from E–S, the
            // austenite, to the cementite at 6.67 %.
            {221, {TieStep{250, CementiteX}}},
            {225,
             {Ledeburite,
              Caption{"2-3  Zementit Ausscheidung ", SlotX, B1, clWhite, LedeburiteGrey},
              TieStep{246, CementiteX}}},
            {229, {TieStep{242, CementiteX}}},
            {233, {TieStep{238, CementiteX}}},
            {237, {TieStep{235, CementiteX}}},
            {241, {TieStep{231, CementiteX}}},
            {245, {Ledeburite, TieStep{228, CementiteX}}},
            {249, {TieStep{224, CementiteX}}},
            {253, {TieStep{221, CementiteX}}},
            {257, {TieStep{218, CementiteX}}},
            {261, {Ledeburite, TieStep{215, CementiteX}}},
            {265, {Ledeburite, TieStep{212, CementiteX}}},
            {269, {TieStep{209, CementiteX}}},
            {273, {TieStep{206, CementiteX}}},
            {277, {TieStep{203, CementiteX}}},
            {281, {TieStep{200, CementiteX}}},
            {285, {Ledeburite, TieStep{197, CementiteX}}},
            {289, {TieStep{194, CementiteX}}},
            {293, {TieStep{191, CementiteX}}},
            {297, {TieStep{188, CementiteX}}},
            {301, {TieStep{185, CementiteX}}},
            {305, {Ledeburite, TieStep{182, CementiteX}}},
            {309, {TieStep{180, CementiteX}}},
            {313, {TieStep{177, CementiteX}}},
            {317, {TieStep{174, CementiteX}}},
            {321, {TieStep{171, CementiteX}}},
            {325, {Ledeburite, TieStep{168, CementiteX}}},
            {329, {TieStep{166, CementiteX}}},
            {333, {TieStep{163, CementiteX}}},
            {337, {TieStep{161, CementiteX}}},
            {341, {TieStep{159, CementiteX}}},
            {345, {Ledeburite, TieStep{157, CementiteX}}},
            {349, {TieStep{155, CementiteX}}},
            {353, {TieStep{152, CementiteX}}},
            {357, {TieStep{150, CementiteX}}},
            {361, {TieStep{147, CementiteX}}},
            {365, {Ledeburite, TieStep{145, CementiteX}}},
            {369, {TieStep{143, CementiteX}}},
            {373, {TieStep{141, CementiteX}}},
            {377, {TieStep{139, CementiteX}}},
            {381, {TieStep{137, CementiteX}}},
            {385, {TieStep{135, CementiteX}}},
            {389, {TieStep{133, CementiteX}}},
            {393,
             {TieStep{131,
                      CementiteX}}}, // The austenite becomes pearlite at 723 °C (3); the marker
                                     // takes the pearlite caption's colours, black on silver.
            {397,
             {Frame{Strip::Second, B2},
              Caption{"   Ledeburit ", SlotX, B2, clWhite, LedeburiteGrey},
              Caption{" Perlit   ", Coordinate{SlotX, PearliteOffset}, B2, clBlack, PearliteSilver},
              PhaseEnd{EutectoidLeftX, CementiteX, EutectoidY},
              BlackLine{{EutectoidLeftX, EutectoidY}, {CementiteX, EutectoidY}},
              Marker{" 3 ", 355, 380}}},
            // The counter stays at 401: a Start after the end lets the ticks lengthen the
            // already complete line on to 451 and then do nothing.
            {401,
             {End{.BottomY = LineBottomY, .FinalY = std::nullopt, .FromY = EndStartY},
              BlackLine{{CementiteX, EndStartY}, {CementiteX, LineBottomY}}}},
        },
};

const CoolingScreenData Data{
    .Caption = "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 3.0 Gew.% (Gußeisen)",
    .FirstStripAsset = "EKD30.SchAuLede",
    .SecondStripAsset = "EKD30.LedePer",
    .MemoLeft = 440,
    .MemoHeight = 300,
    .MemoColor = MemoLightYellow,
    .MemoWordWrap = true,
    .MemoWantTabs = true,
    .MemoLines =
        {
            "Nach dem Unterschreiten der Liquiduslinie bei  1300°C (1) ",
            "beginnt die Erstarrung und es kristallisieren Gamma-MK ",
            "aus der Schmelze. ",
            "Der Kohlenstoffgehalt der Mischkristalle ändert sich gemäß ",
            "der Soliduslinie (J - E) und  der C-Gehalt der Schmelze ent- ",
            "lang der Liquiduslinie (B - C). ",
            "",
            "Bei 1147°C (2) zerfällt die Restschmelze in einer ",
            "eutektischen Reaktion in das Eutektikum  Ledeburit",
            "(Austenit und Zementit) und somit ist der ",
            "Erstarrungsprozess abgeschlossen.",
            "",
            "Zwischen 1147°C und 723°C (2-3) scheidet sich aus dem ",
            "Austenit (Gamma-MK) und aus dem Austenit des ",
            "Ledeburit  entlang Linie E-S Sekundärzementit aus.",
            "",
            "Bei 723°C (3) zerfallen die Gamma-MK eutektoidisch in ",
            "Perlit.",
        },
    .TextItemName = "Textja",
    .TextItemCaption = "&Text ja/nein",
    .MaxPanelName = "PanelMax",
    .EscapeBeforeNeu = true,
    .Script = ScriptTable,
};

} // namespace UnitEKD30

TFormEKD30::TFormEKD30()
    : TCoolingScreen(UnitEKD30::Data, UnitEKD30::Unit), PanelMax(MaxPanel), Textja(TextItem),
      ImageListSchAuLede(FirstStrip), ImageListLedePer(SecondStrip) {}
