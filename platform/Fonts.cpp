// Fonts: the faces the screens name are mapped onto the faces embedded in the program, so that
// text looks and measures the same on every machine.

#include "assets/Assets.h"
#include "platform/detail/QtBridge.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>

#include <cmath>
#include <map>
#include <tuple>

namespace detail {

namespace {

const char* const SansFamily = "Liberation Sans";
const char* const SerifFamily = "Liberation Serif";

// The screens were laid out with a narrow bitmap screen font: every line was fitted to its box in
// it. Its stand-in is the embedded sans face at the same heights, drawn narrower (per cent of the
// normal width). Hinted advances snap to whole pixels, so the widths move in steps, and the steps
// differ from size to size; each size takes the widest stretch at which every given line fits its
// box (measured over all screens at 800 x 600 and 1024 x 768), so that the face stays as even as
// the lines allow.
int ScreenFaceStretch(int pixelSize) {
    constexpr int PageTextSize = 16;      // the text pages on an 800-pixel screen
    constexpr int LargePageTextSize = 21; // the text pages on a 1024-pixel screen
    if (pixelSize >= LargePageTextSize)
        return 83;
    if (pixelSize >= PageTextSize)
        return 84;
    return 88;
}

// The bold face's hints thin its stems to one pixel below this size, where it would look regular;
// unhinted it keeps visibly heavier stems.
constexpr int BoldHintedFrom = 15;

QString Lower(const std::string& s) {
    return Q(s).trimmed().toLower();
}

bool IsSymbolFace(const TFont& font) {
    return Lower(font.Name) == "symbol";
}

// Every sans face the screens name ("MS Sans Serif", "Arial", "Sains Serif",
// "@Arial Unicode MS" …) shows in the embedded sans face; only "Times New Roman" is serif.
QString FamilyOf(const TFont& font) {
    QString name = Lower(font.Name);
    if (name.contains("times"))
        return SerifFamily;
    return SansFamily;
}

// The screen font by its two spellings, and the name a few screens give it that the desktop
// resolves to the same face. "Arial" keeps its own, wider metrics.
bool IsScreenFace(const TFont& font) {
    QString name = Lower(font.Name);
    return name == "ms sans serif" || name == "sains serif";
}

int CellOf(const QString& family, bool bold, int pixelSize) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    QFontMetrics m(f);
    return m.ascent() + m.descent();
}

// The largest pixel size whose character cell fits a positive height. Loading a size is costly,
// so the search starts from the face's proportion of cell to size and tries only its neighbours.
int PixelSizeForCell(const QString& family, bool bold, int cell) {
    static std::map<std::tuple<QString, bool, int>, int> cache;
    auto key = std::make_tuple(family, bold, cell);
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    constexpr int ReferenceSize = 100;
    static std::map<std::pair<QString, bool>, double> proportion;
    auto face = std::make_pair(family, bold);
    if (!proportion.count(face))
        proportion[face] = CellOf(family, bold, ReferenceSize) / double(ReferenceSize);
    int size = std::max(1, static_cast<int>(cell / proportion[face]));
    while (size > 1 && CellOf(family, bold, size) > cell)
        --size;
    while (CellOf(family, bold, size + 1) <= cell)
        ++size;
    cache.emplace(key, size);
    return size;
}

struct Metrics {
    int ascent;
    int cell;
};

Metrics MetricsOf(const TFont& font) {
    QFontMetrics m(ToQFont(font));
    return {m.ascent(), m.ascent() + m.descent()};
}

} // namespace

void RegisterEmbeddedFonts() {
    for (auto data : {Assets::FontSansRegular(), Assets::FontSansBold(), Assets::FontSerifRegular(),
                      Assets::FontSerifBold()}) {
        QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size())));
    }
}

QFont ToQFont(const TFont& font) {
    QString family = FamilyOf(font);
    QFont q(family);
    q.setBold(font.Bold);
    int pixels = font.Height < 0 ? -font.Height : PixelSizeForCell(family, font.Bold, font.Height);
    q.setPixelSize(std::max(1, pixels));
    if (IsScreenFace(font))
        q.setStretch(ScreenFaceStretch(q.pixelSize()));
    // Crisp text in exactly the font colour, as on the screens the program was drawn for.
    q.setStyleStrategy(QFont::NoAntialias);
    q.setHintingPreference(font.Bold && q.pixelSize() < BoldHintedFrom ? QFont::PreferNoHinting
                                                                       : QFont::PreferFullHinting);
    return q;
}

QFont ToDeviceFont(const TFont& font, double ratio) {
    QFont q = ToQFont(font);
    if (ratio != 1.0)
        q.setPixelSize(std::max(1, static_cast<int>(std::lround(q.pixelSize() * ratio))));
    return q;
}

QString FaceText(const TFont& font, const std::string& text) {
    QString s = Q(text);
    if (!IsSymbolFace(font))
        return s;
    // The classic symbol encoding puts the Greek alphabet on the Latin letters.
    static const char16_t upper[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
    static const char16_t lower[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";
    for (QChar& c : s) {
        char16_t u = c.unicode();
        if (u >= 'A' && u <= 'Z')
            c = QChar(upper[u - 'A']);
        else if (u >= 'a' && u <= 'z')
            c = QChar(lower[u - 'a']);
        else if (u == '-')
            c = QChar(0x2212);
    }
    return s;
}

int FontAscent(const TFont& font) {
    return MetricsOf(font).ascent;
}

int FontCellHeight(const TFont& font) {
    return MetricsOf(font).cell;
}

// The serif face's hints widen the stems of some capitals and figures ("L", "K", "H", "4" …) by a
// pixel at the sizes the screens use, beside letters whose stems are as wide in the outline.
bool HintsWidenStems(const TFont& font) {
    return FamilyOf(font) == SerifFamily;
}

int TextAdvance(const TFont& font, const std::string& text) {
    return QFontMetrics(ToQFont(font)).horizontalAdvance(FaceText(font, text));
}

} // namespace detail
