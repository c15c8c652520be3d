// Even stems: text in a face whose hints draw stems of one outline width at different widths.
//
// At the sizes the screens use, the serif face's hints draw the stems of "L", "K", "H", "E", "4" …
// two pixels wide beside "F", "P" and the small letters, whose stems are as wide in the outline
// and come out one pixel wide; at other sizes other letters stray. The text is drawn as the hints
// draw it (the same glyphs at the same places, so every width and position stays), and then each
// vertical stem takes the width of its outline rounded to whole pixels: it loses the columns
// farthest from its outline, or takes the free columns beside it nearest to it.

#include "platform/detail/QtBridge.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace detail {

namespace {

// Room around the text's cell for glyphs that reach beyond it.
constexpr int Margin = 4;
// A run of ink that keeps its columns for this many rows is a stem; serifs, bars and the rows of
// a round or slanted stroke change their runs from row to row.
constexpr int StemRows = 3;
// The outline is read at this many points per pixel across a row.
constexpr int Fine = 32;
// How far beside a stem its outline is looked for: the hints move an edge by up to a pixel and a
// half.
constexpr int OutlineReach = 2;

struct Run {
    int First; // first column of the run
    int End;   // one past its last column
    bool operator==(const Run&) const = default;
    int Width() const { return End - First; }
};

// The runs of set points along one row of a picture.
template <typename IsSet>
std::vector<Run> RunsOf(int width, IsSet isSet) {
    std::vector<Run> runs;
    for (int x = 0; x < width;) {
        if (!isSet(x)) {
            ++x;
            continue;
        }
        const int first = x;
        while (x < width && isSet(x))
            ++x;
        runs.push_back({first, x});
    }
    return runs;
}

QImage Transparent(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The ink of a text line: which pixels the hinted glyphs set.
class Ink {
public:
    explicit Ink(const QImage& drawn) : width_(drawn.width()), height_(drawn.height()) {
        set_.resize(static_cast<std::size_t>(width_ * height_));
        for (int y = 0; y < height_; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
            for (int x = 0; x < width_; ++x)
                set_[Index(x, y)] = qAlpha(line[x]) != 0;
        }
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool At(int x, int y) const {
        return x >= 0 && x < width_ && y >= 0 && y < height_ && set_[Index(x, y)];
    }
    void Put(int x, int y, bool set) { set_[Index(x, y)] = set; }
    std::vector<Run> Row(int y) const {
        return RunsOf(width_, [&](int x) { return At(x, y); });
    }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }
    int width_;
    int height_;
    std::vector<bool> set_;
};

// The glyphs' outlines without hints, each at the place the hinted layout gives its glyph, read
// across each row's middle in steps of 1/Fine pixel.
class Outline {
public:
    explicit Outline(const QImage& fine) {
        for (int y = 0; y < fine.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(fine.constScanLine(y));
            rows_.push_back(RunsOf(fine.width(), [&](int x) { return qAlpha(line[x]) != 0; }));
        }
    }
    // The stretch of outline in a row that a run of ink stands for: the one it overlaps most,
    // or failing that the nearest within reach.
    std::optional<Run> Under(const Run& ink, int y) const {
        const int first = ink.First * Fine, end = ink.End * Fine;
        std::optional<Run> best;
        int bestScore = -OutlineReach * Fine;
        for (const Run& r : rows_[static_cast<std::size_t>(y)]) {
            const int overlap = std::min(end, r.End) - std::max(first, r.First);
            if (overlap > bestScore) {
                bestScore = overlap;
                best = r;
            }
        }
        return best;
    }

private:
    std::vector<std::vector<Run>> rows_;
};

// The text's glyphs as the hints lay them out, placed on the baseline from the origin. A text
// wider than its room keeps its glyphs' shapes, drawn closer together until the last one ends at
// the room's end.
QList<QGlyphRun> HintedGlyphs(const QFont& font, const QString& text, int room) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    // The layout places the baseline at the line's ascent.
    const QPointF baseline(0, line.ascent());
    QList<QGlyphRun> runs = layout.glyphRuns();
    qreal lastStart = 0;
    for (const QGlyphRun& run : runs)
        for (const QPointF& at : run.positions())
            lastStart = std::max(lastStart, at.x());
    const qreal natural = line.naturalTextWidth();
    const qreal closer = natural > room && lastStart > 0
                             ? std::max<qreal>(0, room - (natural - lastStart)) / lastStart
                             : 1;
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& at : positions)
            at = QPointF(std::round(at.x() * closer), at.y()) - baseline;
        run.setPositions(positions);
    }
    return runs;
}

// The same glyphs' outlines without hints, each where its hinted glyph stands.
QPainterPath UnhintedOutlines(const QFont& font, const QList<QGlyphRun>& hinted) {
    QFont unhinted = font;
    unhinted.setHintingPreference(QFont::PreferNoHinting);
    const QRawFont plain = QRawFont::fromFont(unhinted);
    QPainterPath outlines;
    for (const QGlyphRun& run : hinted) {
        const QRawFont& shapes =
            run.rawFont().familyName() == plain.familyName() ? plain : run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            outlines.addPath(shapes.pathForGlyph(glyphs[i]).translated(positions[i]));
    }
    return outlines;
}

// A stem: a run of ink that keeps its columns over a stretch of rows, and the outline it stands
// for, in fine steps, in the stretch's middle row (at the stretch's ends the outline's serifs may
// reach in, hinted elsewhere).
struct Stem {
    Run Columns;
    int FirstRow;
    int EndRow;
    Run Traced; // in fine steps
};

// Whether a column is free of ink along a stem, with a free column beyond it, so that a stem
// widened into it stays apart from its neighbours.
bool FreeBeside(const Ink& ink, const Stem& stem, int x, int beyond) {
    if (x < 0 || x >= ink.Width() || beyond < 0 || beyond >= ink.Width())
        return false;
    for (int y = stem.FirstRow; y < stem.EndRow; ++y)
        if (ink.At(x, y) || ink.At(beyond, y))
            return false;
    return true;
}

// How far a column's middle lies from the middle of the stem's outline, in fine steps.
int OffOutline(const Stem& stem, int x) {
    return std::abs((2 * x + 1) * Fine - (stem.Traced.First + stem.Traced.End));
}

// Gives a stem the width of its outline rounded to whole pixels, one pixel at least.
void FitStem(Ink& ink, Stem stem) {
    const int width =
        std::max(1, static_cast<int>(std::lround(static_cast<double>(stem.Traced.Width()) / Fine)));
    Run& run = stem.Columns;
    auto fill = [&](int x, bool set) {
        for (int y = stem.FirstRow; y < stem.EndRow; ++y)
            ink.Put(x, y, set);
    };
    while (run.Width() > width)
        fill(OffOutline(stem, run.First) > OffOutline(stem, run.End - 1) ? run.First++ : --run.End,
             false);
    while (run.Width() < width) {
        const bool left = FreeBeside(ink, stem, run.First - 1, run.First - 2);
        const bool right = FreeBeside(ink, stem, run.End, run.End + 1);
        if (!left && !right)
            return;
        const bool toLeft =
            left && (!right || OffOutline(stem, run.First - 1) < OffOutline(stem, run.End));
        fill(toLeft ? --run.First : run.End++, true);
    }
}

void EvenStems(Ink& ink, const Outline& outline) {
    std::vector<std::vector<Run>> rows;
    for (int y = 0; y < ink.Height(); ++y)
        rows.push_back(ink.Row(y));
    auto inRow = [&rows](int y, const Run& run) {
        const auto& row = rows[static_cast<std::size_t>(y)];
        return std::find(row.begin(), row.end(), run) != row.end();
    };
    std::vector<Stem> stems;
    for (int y = 0; y < ink.Height(); ++y) {
        for (const Run& run : rows[static_cast<std::size_t>(y)]) {
            if (y > 0 && inRow(y - 1, run))
                continue; // not the stem's first row
            int end = y + 1;
            while (end < ink.Height() && inRow(end, run))
                ++end;
            if (end - y < StemRows)
                continue;
            if (const auto fine = outline.Under(run, (y + end) / 2))
                stems.push_back({run, y, end, *fine});
        }
    }
    for (const Stem& stem : stems)
        FitStem(ink, stem);
}

// The text in a colour, as DrawTextWithEvenStems draws it, with the point of its origin.
struct EvenText {
    QImage Shown;
    QPoint Origin;
};

EvenText WithEvenStems(const QFont& font, const QString& text, int room, QRgb colour) {
    const QFontMetrics metrics(font);
    const QRect reach =
        metrics.boundingRect(text) |
        QRect(0, -metrics.ascent(), metrics.horizontalAdvance(text), metrics.height());
    const QPoint origin(Margin - std::min(0, reach.left()), Margin - reach.top());
    const QSize size(origin.x() + reach.right() + 1 + Margin,
                     origin.y() + reach.bottom() + 1 + Margin);

    const QList<QGlyphRun> glyphs = HintedGlyphs(font, text, room);
    QImage drawn = Transparent(size);
    {
        QPainter ink(&drawn);
        ink.setPen(Qt::black);
        for (const QGlyphRun& run : glyphs)
            ink.drawGlyphRun(origin, run);
    }
    // Filled without smoothing, each fine point is in the outline when its row's middle is.
    QImage fine = Transparent({size.width() * Fine, size.height()});
    {
        QPainter outline(&fine);
        outline.scale(Fine, 1);
        outline.translate(origin);
        outline.fillPath(UnhintedOutlines(font, glyphs), Qt::black);
    }

    Ink ink(drawn);
    EvenStems(ink, Outline(fine));
    QImage shown = Transparent(size);
    for (int y = 0; y < ink.Height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
        for (int x = 0; x < ink.Width(); ++x)
            if (ink.At(x, y))
                line[x] = colour;
    }
    return {shown, origin};
}

} // namespace

void DrawTextWithEvenStems(QPainter& p, const QFont& font, const QString& text, int room) {
    // A screen writes the same labels at every paint: each is worked out once.
    using Key = std::tuple<QString, QString, int, QRgb>;
    static std::map<Key, EvenText> drawn;
    constexpr std::size_t Kept = 256;
    const QRgb colour = p.pen().color().rgba();
    const Key key{font.key(), text, room, colour};
    auto it = drawn.find(key);
    if (it == drawn.end()) {
        if (drawn.size() >= Kept)
            drawn.clear();
        it = drawn.emplace(key, WithEvenStems(font, text, room, colour)).first;
    }
    p.drawImage(-it->second.Origin, it->second.Shown);
}

} // namespace detail
