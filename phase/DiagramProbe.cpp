#include "phase/DiagramProbe.h"

#include "phase/PhaseDiagram.h"
#include "platform/Form.h"
#include "platform/Timer.h"
#include "platform/ToolTip.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace DiagramProbe {
namespace {

struct Crossing {
    const Line* Of = nullptr;
    long double X = 0;
};

bool Crosses(Role kind, bool withDividers) {
    return kind == Role::Boundary || (withDividers && kind == Role::Divider);
}

// Where the horizontal through y meets the lines. A vertex on the row belongs to the segment
// that leaves it downwards, so a polyline is met once there; horizontal segments meet nothing.
std::vector<Crossing> CrossingsAt(const Map& map, long double y, bool withDividers) {
    std::vector<Crossing> crossings;
    for (const Line& line : map.Lines) {
        if (!Crosses(line.Kind, withDividers))
            continue;
        for (std::size_t i = 1; i < line.Course.size(); ++i) {
            const Point a = line.Course[i - 1], b = line.Course[i];
            if (a.Y == b.Y)
                continue;
            if ((a.Y <= y && y < b.Y) || (b.Y <= y && y < a.Y))
                crossings.push_back({&line, a.X + (y - a.Y) * (b.X - a.X) / (b.Y - a.Y)});
        }
    }
    return crossings;
}

// The crossings next to x on its left (at or before it) and on its right, if any.
struct Ends {
    std::optional<Crossing> Left;
    std::optional<Crossing> Right;
};
Ends Around(const std::vector<Crossing>& crossings, long double x) {
    Ends ends;
    for (const Crossing& c : crossings) {
        if (c.X <= x && (!ends.Left || c.X > ends.Left->X))
            ends.Left = c;
        if (c.X > x && (!ends.Right || c.X < ends.Right->X))
            ends.Right = c;
    }
    return ends;
}

// Distance in pixels from p to the segment a–b.
long double PixelDistance(const Map& map, Point p, Point a, Point b) {
    const long double px = p.X * map.PixelsX, py = p.Y * map.PixelsY;
    const long double ax = a.X * map.PixelsX, ay = a.Y * map.PixelsY;
    const long double bx = b.X * map.PixelsX, by = b.Y * map.PixelsY;
    const long double dx = bx - ax, dy = by - ay;
    const long double length2 = dx * dx + dy * dy;
    long double t = length2 == 0 ? 0 : ((px - ax) * dx + (py - ay) * dy) / length2;
    t = std::clamp(t, 0.0L, 1.0L);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

const Mark* NearMark(const Map& map, Point p) {
    const Mark* nearest = nullptr;
    long double best = NearPixels;
    for (const Mark& mark : map.Marks) {
        const long double d = PixelDistance(map, p, mark.At, mark.At);
        if (d <= best) {
            best = d;
            nearest = &mark;
        }
    }
    return nearest;
}

const Line* NearLine(const Map& map, Point p) {
    const Line* nearest = nullptr;
    long double best = NearPixels;
    for (const Line& line : map.Lines) {
        if (line.Meaning.empty())
            continue;
        for (std::size_t i = 1; i < line.Course.size(); ++i) {
            const long double d = PixelDistance(map, p, line.Course[i - 1], line.Course[i]);
            if (d <= best) {
                best = d;
                nearest = &line;
            }
        }
    }
    return nearest;
}

bool Bounds(const std::vector<std::pair<std::string, std::string>>& between,
            const std::string& left, const std::string& right) {
    return std::any_of(between.begin(), between.end(), [&](const auto& pair) {
        return pair.first == left && pair.second == right;
    });
}

std::pair<std::string, std::string> Keys(const Ends& ends) {
    if (!ends.Left || !ends.Right)
        return {};
    return {ends.Left->Of->Key, ends.Right->Of->Key};
}

const Field* FieldAt(const Map& map, Point p, Ends& ends) {
    ends = Around(CrossingsAt(map, p.Y, false), p.X);
    const auto [left, right] = Keys(ends);
    for (const Field& field : map.Fields)
        if (Bounds(field.Between, left, right) && p.Y >= field.FromY && p.Y <= field.ToY)
            return &field;
    return nullptr;
}

const Structure* StructureAt(const Map& map, Point p) {
    const auto [left, right] = Keys(Around(CrossingsAt(map, p.Y, true), p.X));
    for (const Structure& s : map.Structures)
        if (s.Left == left && s.Right == right && p.Y >= s.FromY && p.Y <= s.ToY)
            return &s;
    return nullptr;
}

// The tie line's ends: on the field's boundaries, or where the screen's own tie lines run.
std::pair<long double, long double> TieEnds(const Field& field, long double y, long double left,
                                            long double right) {
    const std::vector<TieRow>& rows = field.Rows;
    if (rows.empty() || y < rows.front().Y || y > rows.back().Y)
        return {left, right};
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const TieRow& a = rows[i - 1];
        const TieRow& b = rows[i];
        if (y > b.Y)
            continue;
        const long double t = b.Y == a.Y ? 0 : (y - a.Y) / (b.Y - a.Y);
        return {a.Left + t * (b.Left - a.Left), a.Right + t * (b.Right - a.Right)};
    }
    return {rows.back().Left, rows.back().Right};
}

std::string Join(const std::string& heading, const std::string& body) {
    if (heading.empty())
        return body;
    return body.empty() ? heading : heading + "\n" + body;
}

void ReadField(const Map& map, const Field& field, Point p, long double left, long double right,
               Reading& r) {
    r.Of = Subject::Field;
    r.Subject = field.Name;
    r.Body = field.Name;
    if (!field.Where.empty())
        r.Heading += ", " + field.Where;
    if (field.Phases.size() == 2) {
        const auto [tieLeft, tieRight] = TieEnds(field, p.Y, left, right);
        r.Tie = true;
        r.TieY = p.Y;
        r.TieLeft = tieLeft;
        r.TieRight = tieRight;
        const long double xs[2] = {field.Phases[0].FixedX.value_or(tieLeft),
                                   field.Phases[1].FixedX.value_or(tieRight)};
        // The crystals' share by the lever rule as the screens' boxes take it, the melt the rest;
        // of two solid phases the left one's.
        if (field.Melt == MeltSide::Left) {
            r.Shares[1] = PhaseDiagram::LeverShare(xs[0], p.X, xs[1]);
            r.Shares[0] = 100 - r.Shares[1];
        } else {
            r.Shares[0] = PhaseDiagram::LeverShare(xs[1], p.X, xs[0]);
            r.Shares[1] = 100 - r.Shares[0];
        }
        for (int i = 0; i < 2; ++i)
            r.Body += "\n" + field.Phases[static_cast<std::size_t>(i)].Name + ": " +
                      map.Composition(xs[i]) + ", Anteil " + std::to_string(r.Shares[i]) + " %";
    }
    if (const Structure* s = StructureAt(map, p))
        r.Body += "\nGefüge: " + s->Name;
}

} // namespace

std::string Decimal(long double value, int decimals) {
    const long double step = std::pow(10.0L, -decimals);
    // A value that rounds to nothing is shown without a sign.
    if (std::fabs(value) < step / 2)
        value = 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.*Lf", decimals, value);
    std::string s(text);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

std::vector<Point> Course(std::span<const TPoint> points) {
    std::vector<Point> course;
    course.reserve(points.size());
    for (const TPoint& p : points)
        course.push_back({static_cast<long double>(p.X), static_cast<long double>(p.Y)});
    return course;
}

std::string ShareOfB(const TRect& frame, long double x) {
    return Decimal(100 * (x - frame.Left) / (frame.Right - frame.Left), 0) + " % B";
}

Map Schematic(const TRect& frame) {
    Map map;
    map.Frame = {static_cast<long double>(frame.Left), static_cast<long double>(frame.Top),
                 static_cast<long double>(frame.Right), static_cast<long double>(frame.Bottom)};
    map.Position = [frame](Point p) { return ShareOfB(frame, p.X); };
    map.Composition = [frame](long double x) { return ShareOfB(frame, x); };
    const TPoint a[] = {{frame.Left, frame.Top}, {frame.Left, frame.Bottom}};
    const TPoint b[] = {{frame.Right, frame.Top}, {frame.Right, frame.Bottom}};
    map.Lines.push_back({"A", "Komponente A (0 % B)", Role::Boundary, Course(a)});
    map.Lines.push_back({"B", "Komponente B (100 % B)", Role::Boundary, Course(b)});
    return map;
}

Field AcrossAbove(Field field, long double toY) {
    field.Between = {{"A", "B"}};
    field.ToY = toY;
    return field;
}

Field AcrossBelow(Field field, long double fromY) {
    field.Between = {{"A", "B"}};
    field.FromY = fromY;
    return field;
}

Reading Read(const Map& map, Point at) {
    Reading r;
    if (!map.Frame.Holds(at))
        return r;
    for (const Box& inset : map.Excluded)
        if (inset.Holds(at))
            return r;
    r.Inside = true;
    if (const Mark* mark = NearMark(map, at)) {
        r.Of = Subject::Mark;
        r.Subject = r.Body = mark->Meaning;
        r.Text = r.Body;
        return r;
    }
    r.Heading = map.Position(at);
    if (const Line* line = NearLine(map, at)) {
        r.Of = Subject::Line;
        r.Subject = r.Body = line->Meaning;
    } else {
        Ends ends;
        if (const Field* field = FieldAt(map, at, ends))
            ReadField(map, *field, at, ends.Left->X, ends.Right->X, r);
    }
    r.Text = Join(r.Heading, r.Body);
    return r;
}

Reading WithSecond(Reading first, const Reading& second, const std::string& title) {
    // On a point or a line of the first system that is what the learner asks about.
    if (first.Of != Subject::Field || second.Of == Subject::None || second.Of == Subject::Mark ||
        second.Subject == first.Subject)
        return first;
    first.Body += "\n" + title + ": " + second.Body;
    first.Text = Join(first.Heading, first.Body);
    return first;
}

// ---------------------------------------------------------------------------------------------
// The probe on a screen

namespace {
// Half the side of the square that marks the point.
constexpr int MarkHalf = 3;

// The pieces of a row from `from` to `to` outside the areas.
std::vector<std::pair<int, int>> Outside(int from, int to, int y, const std::vector<TRect>& areas) {
    std::vector<std::pair<int, int>> pieces{{from, to}};
    for (const TRect& a : areas) {
        if (y < a.Top || y >= a.Bottom)
            continue;
        std::vector<std::pair<int, int>> rest;
        for (auto [l, r] : pieces) {
            if (a.Right <= l || a.Left >= r) {
                rest.push_back({l, r});
                continue;
            }
            if (l < a.Left)
                rest.push_back({l, a.Left});
            if (a.Right < r)
                rest.push_back({a.Right, r});
        }
        pieces = std::move(rest);
    }
    return pieces;
}
} // namespace

TProbe::~TProbe() {
    if (last_.Inside)
        ToolTip::Hide();
}

void TProbe::Attach(TForm& form, TPaintBox& box, std::function<Reading(Point)> read,
                    std::function<bool()> still, long double pixelsX, long double pixelsY) {
    form_ = &form;
    box_ = &box;
    read_ = std::move(read);
    still_ = std::move(still);
    pixelsX_ = pixelsX;
    pixelsY_ = pixelsY;
    box.OnMouseMove = [this](int x, int y) { Move(x, y); };
    box.OnMouseLeave = [this] { Leave(); };
    box.OnPaint = [this] { Forget(); };
    // A tick draws onto the picture as the screen left it: the probe's marks go first.
    for (const auto& component : form.Components())
        if (auto* timer = dynamic_cast<TTimer*>(component.get())) {
            std::function<void()> tick = timer->OnTimer;
            timer->OnTimer = [this, tick] {
                Erase();
                if (tick)
                    tick();
            };
        }
}

void TProbe::Move(int x, int y) {
    Erase();
    last_ = read_({x / pixelsX_, y / pixelsY_});
    if (!last_.Inside) {
        ToolTip::Hide();
        return;
    }
    ToolTip::Show(*form_, box_->Left() + x, box_->Top() + y, last_.Text);
    if (still_() && form_->Enabled()) {
        drawnStrokes_ = StrokesFor(last_, {x, y});
        Draw(drawnStrokes_);
        drawn_ = true;
    }
}

void TProbe::Leave() {
    Erase();
    ToolTip::Hide();
    last_ = {};
}

void TProbe::Forget() {
    drawn_ = false;
    drawnStrokes_.clear();
}

void TProbe::Erase() {
    if (!drawn_)
        return;
    Draw(drawnStrokes_);
    Forget();
}

std::vector<TRect> TProbe::ClickAreas() const {
    std::vector<TRect> areas;
    bool above = false;
    for (const auto& child : form_->Controls()) {
        if (child.get() == box_) {
            above = true;
            continue;
        }
        auto* graphic = dynamic_cast<TGraphicControl*>(child.get());
        if (!above || !graphic || !graphic->Visible() || !graphic->HandlesClicks())
            continue;
        const TRect r = graphic->BoundsRect();
        areas.push_back({r.Left - box_->Left(), r.Top - box_->Top(), r.Right - box_->Left(),
                         r.Bottom - box_->Top()});
    }
    return areas;
}

// A square round the point and, in a two-phase field, the tie line on the point's row up to
// the square and on from it, leaving out the click areas that lie over the diagram.
std::vector<TProbe::Stroke> TProbe::StrokesFor(const Reading& reading, TPoint at) const {
    const int l = at.X - MarkHalf, r = at.X + MarkHalf, t = at.Y - MarkHalf, b = at.Y + MarkHalf;
    std::vector<Stroke> strokes{
        {{l, t}, {r, t}}, {{r, t}, {r, b}}, {{r, b}, {l, b}}, {{l, b}, {l, t}}};
    if (!reading.Tie)
        return strokes;
    const int tieLeft = Round(reading.TieLeft * pixelsX_);
    const int tieRight = Round(reading.TieRight * pixelsX_);
    const std::vector<TRect> areas = ClickAreas();
    for (auto [from, to] : {std::pair{tieLeft, l}, std::pair{r + 1, tieRight + 1}})
        for (auto [pl, pr] : Outside(from, to, at.Y, areas))
            if (pl < pr)
                strokes.push_back({{pl, at.Y}, {pr, at.Y}});
    return strokes;
}

void TProbe::Draw(const std::vector<Stroke>& strokes) {
    TCanvas& c = box_->Canvas;
    c.Pen.Color = clBlack;
    c.Pen.Width = 1;
    c.Pen.Style = psSolid;
    c.Pen.Mode = pmNotXor;
    for (const Stroke& s : strokes) {
        c.MoveTo(s.From.X, s.From.Y);
        c.LineTo(s.To.X, s.To.Y);
    }
}

} // namespace DiagramProbe
