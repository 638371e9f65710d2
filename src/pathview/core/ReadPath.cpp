// Reading a lathe program into its tool path: the words of each line, the modal state the control
// keeps between lines, the cycles drawn as the passes they cut, the blank and chuck from the
// graphic data, and the estimated time of every move.
#include "pathview/core/PathModel.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace path {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLimit = 1e7; // larger numbers are no machine's coordinates or feeds
constexpr int kMaxPasses = 2000; // a cycle implying more passes is not drawn
constexpr double kSmallest = 1e-6; // smaller feeds, speeds and rates are none
// Arcs are flattened into chords that stray at most 0.01 mm from the arc, in steps of 2.5 to 30
// degrees.
constexpr double kArcTolerance = 0.01;
constexpr double kArcMinStep = kPi / 72, kArcMaxStep = kPi / 6;

bool isLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\f';
}
char16_t upper(QChar c)
{
    return c >= u'a' && c <= u'z' ? c.unicode() - 32 : c.unicode();
}

bool sameName(QStringView name, QStringView ascii)
{
    if (name.size() != ascii.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i)
        if (upper(name[i]) != ascii[i].unicode())
            return false;
    return true;
}

// A plain decimal number at pos ([+-]digits[.digits]); advances pos. False when there is none.
bool readNumber(QStringView s, qsizetype& pos, double& value, int* digits = nullptr)
{
    qsizetype i = pos;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }
    double v = 0;
    int count = 0;
    while (i < s.size() && isDigit(s[i])) {
        v = v * 10 + (s[i].unicode() - u'0');
        ++i;
        ++count;
    }
    if (digits)
        *digits = count;
    if (i < s.size() && s[i] == u'.') {
        ++i;
        double scale = 1;
        while (i < s.size() && isDigit(s[i])) {
            scale /= 10;
            v += (s[i].unicode() - u'0') * scale;
            ++i;
            ++count;
        }
    }
    if (count == 0)
        return false;
    pos = i;
    value = negative ? -v : v;
    return true;
}

// One word of a line: a letter address with a number, or a name with '=' and a value
// (TL=0505, F=SB*0.1, VCHKX=50, VTLIN[5]=22).
struct Word
{
    QStringView name;
    QStringView index; // of a variable: VTLD[5]
    QStringView text; // the value as written
    double value = 0;
    bool number = false; // the text is one plain number
};

QString twoDigits(int n)
{
    return QString::number(n).rightJustified(2, u'0');
}

struct Point
{
    double z = 0;
    double r = 0; // radius: X / 2
};

enum class Seg { Rapid, Feed, Arc, Rotating };

struct ShapeMove
{
    Seg kind = Seg::Feed;
    int line = 0;
    double feed = 0;
    QList<QPointF> points; // from the move's start
};

struct Shape
{
    int code = 81; // 81 along Z, 82 across the face
    QList<ShapeMove> moves;
};

struct PendingLap
{
    bool active = false;
    int line = 0;
    QString name;
    double d = 0, u = 0, w = 0, f = 0;
    Point start;
};

// Pecks of a drilling cycle: the first D deep, the next ones L (or D again without L); none
// without D.
struct Pecks
{
    double first = 0, next = 0;

    int count(double total) const
    {
        if (first <= 0 || total <= first)
            return 1;
        const double step = next > 0 ? next : first;
        return 1 + int(std::min(1e9, std::ceil((total - first) / step - 1e-9)));
    }
    double reach(int n, double total) const
    {
        if (first <= 0)
            return total;
        return std::min(total, first + (n - 1) * (next > 0 ? next : first));
    }
};

struct RotatingCycle
{
    int code = 0; // 0: none
    int line = 0;
    double k = 0, i = 0, feed = 0;
    double dwell = 0; // E of the drilling cycles, seconds at the bottom
    int holes = 1; // Q
    Pecks pecks;
    Point at; // the position of the last hole: X for work on the face, Z on the circumference
    bool hasK = false, hasI = false;
};

class Reader
{
public:
    Reader(const PathSettings& s)
        : settings(s)
    {
        pos = {s.homeZ, s.homeX / 2};
    }

    void readLine(QStringView line, int number);
    void finish();

    PathResult result;

private:
    const PathSettings& settings;

    // Modal state.
    Point pos;
    int motion = 0; // 0, 1, 2, 3
    bool incremental = false;
    bool perMinute = false; // G94
    bool css = false; // G96
    double surfaceSpeed = 0; // G96 S, m/min
    double fixedSpeed = 0; // G97 S, 1/min
    double speedLimit = 0; // G50 S
    double feed = 0;
    double toolSpeed = 0; // SB, the rotating tool's speed
    int tool = -1;
    QHash<QString, int> toolIndex;
    int lineNo = 0;
    bool lineFailed = false;

    // Shapes and cycles.
    QHash<QString, Shape> shapes;
    PendingLap lap;
    bool capturing = false;
    QString captureName;
    Shape capture;
    Point captureSaved;
    int captureMotion = 0;
    RotatingCycle rotating;
    bool milling = false; // G138: moves in the milling frame (X, Y, Z of the inclined plane)
    Point shift; // G174 SX, SZ

    // Graphic data.
    struct Value
    {
        bool set = false;
        double v = 0;
        int line = 0;
    };
    QHash<QString, double> toolDiameter; // by tool name, from the tool data
    Value chuckX, chuckZ, jawPlan, jawLength, tsHole, tsDia, tsLength, workRight;
    double blankDia = 0;

    QList<Word> words;

    bool fail(const QString& reason)
    {
        if (!lineFailed)
            result.notDrawn.append({lineNo, reason});
        lineFailed = true;
        return false;
    }

    bool parseWords(QStringView s, qsizetype from);
    void handleKeywordLine(QStringView s, qsizetype from, QStringView keyword);
    void readStock(QStringView s);
    struct LineWords;
    struct GCodes;
    void handleWords(QStringView seqName);
    void readVariables();
    bool readGCodes(GCodes& g);
    bool sortWords(LineWords& lw, int cycle);
    bool readTools(QStringView seqName, const LineWords& lw);
    void runCycle(int cycle, const LineWords& lw, double feedValue);

    double speedLimitNow() const;
    double feedSeconds(Point a, Point b, double feedValue, Seg kind) const;
    void move(Seg kind, Point to, double feedValue = -1);
    void moveAlong(Seg kind, const QList<QPointF>& points, double length, double feedValue);
    void addElement(MoveKind kind, const QList<QPointF>& points);
    void addSeconds(double seconds);
    void addLength(bool rapid, double length);
    void callTool(const QString& name);

    bool linearTarget(const Word* x, const Word* z, const Word* a, Point& to);
    bool arcPoints(bool clockwise, Point to, const Word* r, const Word* i, const Word* k,
        QList<QPointF>& points, double& length);

    void drill(double depthZ, double approachK, Pecks pecks, bool hasApproach);
    void groove(bool face, double endX, double endZ, double step);
    struct ThreadWords
    {
        double lead = 0; // F
        double allowance = 0; // U of G71, W of G72: the finishing pass
        double starts = 1; // Q
    };
    void thread(bool face, double x, double z, double h, double d, const ThreadWords& more);
    void lapRough(const Shape& shape);
    void lapFinish(const Shape& shape);
    void rotatingCycle(Point at);
    void finishCapture();
};

const Word* find(const QList<Word>& words, QStringView name)
{
    for (const Word& w : words)
        if (sameName(w.name, name))
            return &w;
    return nullptr;
}

// Evaluates a feed or speed value such as "SB*0.1": numbers and SB joined by * / + -, left to
// right. False when it is anything else.
bool evaluate(QStringView text, double sb, double& out)
{
    qsizetype p = 0;
    double acc = 0;
    QChar op = u'+';
    bool any = false;
    while (p < text.size()) {
        double v = 0;
        if (text.size() - p >= 2 && upper(text[p]) == u'S' && upper(text[p + 1]) == u'B') {
            v = sb;
            p += 2;
        } else if (!readNumber(text, p, v)) {
            return false;
        }
        switch (op.unicode()) {
        case u'+':
            acc += v;
            break;
        case u'-':
            acc -= v;
            break;
        case u'*':
            acc *= v;
            break;
        default:
            if (v == 0)
                return false;
            acc /= v;
        }
        any = true;
        if (p == text.size())
            break;
        op = text[p++];
        if (op != u'+' && op != u'-' && op != u'*' && op != u'/')
            return false;
    }
    out = acc;
    return any && std::isfinite(acc) && std::abs(acc) < kLimit;
}

bool Reader::parseWords(QStringView s, qsizetype p)
{
    words.clear();
    while (p < s.size()) {
        if (isBlank(s[p])) {
            ++p;
            continue;
        }
        const qsizetype start = p;
        while (p < s.size() && isLetter(s[p]))
            ++p;
        if (p == start)
            return fail(QStringLiteral("cannot read '%1'").arg(s[p]));
        if (p - start >= 2) {
            // A variable's name may go on with digits: VTLA1[5]=55.
            qsizetype e = p;
            while (e < s.size() && (isLetter(s[e]) || isDigit(s[e])))
                ++e;
            if (e < s.size() && (s[e] == u'[' || s[e] == u'='))
                p = e;
        }
        Word w;
        w.name = s.mid(start, p - start);
        if (p < s.size() && s[p] == u'[') {
            const qsizetype from = p + 1;
            while (p < s.size() && s[p] != u']')
                ++p;
            w.index = s.mid(from, p - from);
            if (p < s.size())
                ++p;
            if (p >= s.size() || s[p] != u'=')
                return fail(QStringLiteral("word %1 without a value").arg(w.name));
        }
        if (p < s.size() && s[p] == u'=') {
            const qsizetype v = ++p;
            while (p < s.size() && !isBlank(s[p]))
                ++p;
            w.text = s.mid(v, p - v);
            qsizetype q = 0;
            w.number = readNumber(w.text, q, w.value) && q == w.text.size();
        } else {
            if (w.name.size() != 1 && !sameName(w.name, u"NAP"))
                return fail(QStringLiteral("unknown word %1").arg(w.name));
            const qsizetype v = p;
            if (!readNumber(s, p, w.value))
                return fail(QStringLiteral("word %1 without a number").arg(w.name));
            w.text = s.mid(v, p - v);
            w.number = true;
        }
        if (w.number && !(std::abs(w.value) < kLimit))
            return fail(QStringLiteral("number out of range in %1").arg(w.name));
        words.append(w);
    }
    return true;
}

void Reader::readLine(QStringView raw, int number)
{
    lineNo = number;
    lineFailed = false;
    // Comments in parentheses are no part of the block.
    QString cleaned;
    QStringView s = raw;
    if (raw.contains(u'(')) {
        cleaned.reserve(raw.size());
        int depth = 0;
        for (QChar c : raw) {
            if (c == u'(')
                ++depth;
            else if (c == u')' && depth > 0)
                --depth;
            else if (depth == 0)
                cleaned.append(c);
        }
        s = cleaned;
    }
    qsizetype p = 0;
    while (p < s.size() && isBlank(s[p]))
        ++p;
    if (p == s.size())
        return;
    // A title line ("----< USER GRAPHIC COMMAND >----") and a continuation of a call's
    // arguments ("$  MSP=30 ...") carry no motion.
    if (s[p] == u'-' || s[p] == u'$')
        return;
    if (lap.active && !capturing) {
        // The shape block must follow its roughing cycle.
        const QStringView rest = s.mid(p);
        const QString expected = lap.name;
        if (!rest.startsWith(expected, Qt::CaseInsensitive)) {
            result.notDrawn.append({lap.line, QStringLiteral("G85 without its shape block")});
            lap.active = false;
        }
    }
    QStringView seqName;
    if (upper(s[p]) == u'N') {
        const qsizetype start = p++;
        if (p < s.size() && isDigit(s[p])) {
            while (p < s.size() && isDigit(s[p]))
                ++p;
        } else {
            while (p < s.size() && (isLetter(s[p]) || isDigit(s[p])))
                ++p;
        }
        seqName = s.mid(start, p - start);
        while (p < s.size() && isBlank(s[p]))
            ++p;
    } else if (upper(s[p]) == u'O' && p + 1 < s.size() && isLetter(s[p + 1])) {
        // A program name (OUGC: the graphic data of the blank and chuck) moves nothing.
        qsizetype e = p;
        while (e < s.size() && (isLetter(s[e]) || isDigit(s[e])))
            ++e;
        if (e < s.size() && s[e] == u'=') {
            if (parseWords(s, p))
                handleWords({});
            return;
        }
        return;
    }
    // A keyword (CALL, PS, DEF, ...) rather than words.
    qsizetype e = p;
    while (e < s.size() && isLetter(s[e]))
        ++e;
    if (sameName(s.mid(p, e - p), u"IF") || sameName(s.mid(p, e - p), u"GOTO")) {
        fail(QStringLiteral("%1 jump not followed").arg(s.mid(p, e - p)));
        return;
    }
    qsizetype v = e;
    while (v < s.size() && (isLetter(s[v]) || isDigit(s[v])))
        ++v;
    if (e - p >= 2 && (v == s.size() || (s[v] != u'=' && s[v] != u'['))) {
        handleKeywordLine(s, p, s.mid(p, e - p));
        return;
    }
    if (!parseWords(s, p))
        return;
    handleWords(seqName);
}

void Reader::handleKeywordLine(QStringView s, qsizetype from, QStringView keyword)
{
    if (sameName(keyword, u"CALL")) {
        qsizetype p = from + 4;
        while (p < s.size() && isBlank(s[p]))
            ++p;
        qsizetype e = p;
        while (e < s.size() && !isBlank(s[e]))
            ++e;
        if (!sameName(s.mid(p, e - p), u"OUGC"))
            fail(QStringLiteral("call of %1 not drawn").arg(s.mid(p, e - p)));
        return;
    }
    if (sameName(keyword, u"PS")) {
        readStock(s.mid(from + 2));
        return;
    }
    if (sameName(keyword, u"RTS")) {
        return;
    }
    static const char16_t* const understood[]
        = {u"CLEAR", u"DEF", u"END", u"DRAW", u"PF", u"PO", u"CI", u"TLID"};
    for (const char16_t* k : understood)
        if (sameName(keyword, k))
            return;
    fail(QStringLiteral("unknown word %1").arg(keyword));
}

// "PS RC,[z,x],[length,diameter]" is the blank; with ",0" after it, the bore.
void Reader::readStock(QStringView s)
{
    qsizetype p = 0;
    while (p < s.size() && isBlank(s[p]))
        ++p;
    if (!(s.mid(p).startsWith(u"RC,", Qt::CaseInsensitive))) {
        fail(QStringLiteral("shape PS %1 not drawn").arg(s.mid(p).left(2)));
        return;
    }
    p += 3;
    double n[4];
    for (int i = 0; i < 4; ++i) {
        while (p < s.size() && (isBlank(s[p]) || s[p] == u'[' || s[p] == u']' || s[p] == u','))
            ++p;
        if (!readNumber(s, p, n[i]) || !(std::abs(n[i]) < kLimit)) {
            fail(QStringLiteral("shape PS RC without its four numbers"));
            return;
        }
    }
    while (p < s.size() && (isBlank(s[p]) || s[p] == u']'))
        ++p;
    bool bore = false;
    if (p < s.size() && s[p] == u',') {
        ++p;
        double flag = 0;
        while (p < s.size() && isBlank(s[p]))
            ++p;
        if (!readNumber(s, p, flag)) {
            fail(QStringLiteral("shape PS RC not understood"));
            return;
        }
        bore = true;
    }
    const double z = n[0], r0 = n[1] / 2, len = n[2], r1 = r0 + n[3] / 2;
    StockShape shape;
    shape.kind = bore ? StockKind::Bore : StockKind::Blank;
    shape.line = lineNo;
    shape.outline = {{z, r0}, {z, r1}, {z - len, r1}, {z - len, r0}};
    if (!bore)
        blankDia = std::max(blankDia, n[1] + n[3]);
    result.stock.append(shape);
}

// The mean of max(g(t), b) over t in [0, 1] for g linear from g0 to g1.
double meanOfMax(double g0, double g1, double b)
{
    if (g0 >= b && g1 >= b)
        return (g0 + g1) / 2;
    if (g0 <= b && g1 <= b)
        return b;
    const double t = (b - g0) / (g1 - g0);
    if (g0 < b) // at the floor until t
        return b * t + (1 - t) * (b + g1) / 2;
    return t * (g0 + b) / 2 + (1 - t) * b;
}

// The spindle's limit: the machine's maximum speed and G50 S; a limit under 1/min is none.
double Reader::speedLimitNow() const
{
    double limit = settings.maxSpeed >= 1 ? settings.maxSpeed : 1e9;
    if (speedLimit >= 1)
        limit = std::min(limit, speedLimit);
    return limit;
}

// Seconds to feed from a to b. Per revolution the time per millimetre is 1/(F n): with constant
// surface speed n follows the diameter, so 1/n = max(pi D / (1000 V), 1 / limit) is integrated
// along the move, D changing linearly. A feed, speed or surface speed too small to be meant adds
// no time.
double Reader::feedSeconds(Point a, Point b, double f, Seg kind) const
{
    const double length = std::hypot(b.z - a.z, b.r - a.r);
    if (length == 0 || !(f >= kSmallest))
        return 0;
    if (perMinute)
        return length / f * 60;
    if (kind == Seg::Rotating)
        return toolSpeed >= kSmallest ? length / (f * toolSpeed) * 60 : 0;
    if (!css) {
        const double n = std::min(speedLimitNow(), fixedSpeed);
        return n >= kSmallest ? length / (f * n) * 60 : 0;
    }
    if (!(surfaceSpeed >= kSmallest))
        return 0;
    const double k = kPi / (1000 * surfaceSpeed);
    const double mean = meanOfMax(
        k * std::abs(2 * a.r), k * std::abs(2 * b.r), 1 / speedLimitNow()); // minutes per rev
    return length / f * mean * 60;
}

void Reader::addSeconds(double seconds)
{
    result.total.seconds += seconds;
    if (tool >= 0)
        result.tools[tool].seconds += seconds;
}

void Reader::addLength(bool rapid, double length)
{
    double& t = rapid ? result.total.rapidLength : result.total.feedLength;
    t += length;
    if (tool >= 0)
        (rapid ? result.tools[tool].rapidLength : result.tools[tool].feedLength) += length;
}

void Reader::addElement(MoveKind kind, const QList<QPointF>& points)
{
    if (!result.elements.isEmpty()) {
        PathElement& last = result.elements.last();
        if (last.kind == kind && last.line == lineNo && last.tool == tool
            && last.points.last() == points.first()) {
            last.points.append(points.mid(1));
            return;
        }
    }
    result.elements.append({kind, lineNo, tool, points});
}

// A straight move of the tool, counted and drawn.
void Reader::move(Seg kind, Point to, double f)
{
    const Point from = pos;
    pos = to;
    if (capturing) {
        capture.moves.append(
            {kind, lineNo, f < 0 ? feed : f, {QPointF(from.z, from.r), QPointF(to.z, to.r)}});
        return;
    }
    const double length = std::hypot(to.z - from.z, to.r - from.r);
    if (length == 0)
        return;
    if (kind == Seg::Rapid) {
        addLength(true, length);
        addSeconds(settings.rapidMmPerMin >= kSmallest ? length / settings.rapidMmPerMin * 60 : 0);
    } else {
        addLength(false, length);
        addSeconds(feedSeconds(from, to, f < 0 ? feed : f, kind));
    }
    const MoveKind mk = kind == Seg::Rapid ? MoveKind::Rapid
        : kind == Seg::Rotating            ? MoveKind::RotatingTool
                                           : MoveKind::Feed;
    addElement(mk, {QPointF(from.z, from.r), QPointF(to.z, to.r)});
}

// A flattened arc: its true length, its time over the chords scaled to that length.
void Reader::moveAlong(Seg kind, const QList<QPointF>& points, double length, double f)
{
    pos = {points.last().x(), points.last().y()};
    if (capturing) {
        capture.moves.append({kind, lineNo, f < 0 ? feed : f, points});
        return;
    }
    double chords = 0, seconds = 0;
    for (qsizetype i = 1; i < points.size(); ++i) {
        const Point a {points[i - 1].x(), points[i - 1].y()}, b {points[i].x(), points[i].y()};
        chords += std::hypot(b.z - a.z, b.r - a.r);
        seconds += feedSeconds(a, b, f < 0 ? feed : f, kind);
    }
    addLength(false, length);
    addSeconds(chords > 0 ? seconds * length / chords : 0);
    addElement(kind == Seg::Arc ? MoveKind::Arc : MoveKind::Feed, points);
}

void Reader::callTool(const QString& name)
{
    auto it = toolIndex.constFind(name);
    int index;
    if (it == toolIndex.constEnd()) {
        index = int(result.tools.size());
        ToolTotals t;
        t.name = name;
        result.tools.append(t);
        toolIndex.insert(name, index);
    } else {
        index = *it;
    }
    if (index == tool)
        return; // the tool already in place: an offset change, no tool change
    const bool first = tool < 0 && result.tools.size() == 1 && index == 0;
    tool = index;
    if (!first && !capturing)
        addSeconds(settings.toolChangeSeconds);
}

bool Reader::linearTarget(const Word* x, const Word* z, const Word* a, Point& to)
{
    to = pos;
    if (x)
        to.r = incremental ? pos.r + x->value / 2 : x->value / 2;
    if (z)
        to.z = incremental ? pos.z + z->value : z->value;
    if (!a)
        return true;
    if (x && z)
        return fail(QStringLiteral("angle A with both X and Z"));
    const double rad = a->value * kPi / 180;
    const double c = std::cos(rad), s = std::sin(rad);
    if (x) {
        if (std::abs(s) < 1e-9)
            return fail(QStringLiteral("angle A%1 cannot reach an X").arg(a->text));
        to.z = pos.z + (to.r - pos.r) * c / s;
    } else if (z) {
        if (std::abs(c) < 1e-9)
            return fail(QStringLiteral("angle A%1 cannot reach a Z").arg(a->text));
        to.r = pos.r + (to.z - pos.z) * s / c;
    } else {
        return fail(QStringLiteral("angle A without X or Z"));
    }
    if (!(std::abs(to.z) < kLimit && std::abs(to.r) < kLimit))
        return fail(QStringLiteral("angle A leads out of range"));
    return true;
}

// Points of an arc from pos to `to` in the (Z, radius) plane, Z to the right and the radius up:
// G02 turns clockwise. R > 0 takes the short way, R < 0 the long one; I (radius) and K are the
// centre from the start.
bool Reader::arcPoints(bool cw, Point to, const Word* rw, const Word* iw, const Word* kw,
    QList<QPointF>& points, double& length)
{
    const Point a = pos;
    double cz, cr;
    if (rw) {
        const double r = rw->value;
        const double dz = to.z - a.z, dr = to.r - a.r, d = std::hypot(dz, dr);
        if (d == 0)
            return fail(QStringLiteral("arc with R ends where it starts"));
        if (std::abs(r) < d / 2 - 1e-6)
            return fail(QStringLiteral("arc radius %1%2 too small").arg(rw->name, rw->text));
        const double h = std::sqrt(std::max(0.0, r * r - d * d / 4));
        // Right of the chord for a short clockwise arc.
        double side = cw ? 1 : -1;
        if (r < 0)
            side = -side;
        cz = (a.z + to.z) / 2 + side * h * dr / d;
        cr = (a.r + to.r) / 2 - side * h * dz / d;
    } else if (iw || kw) {
        cz = a.z + (kw ? kw->value : 0);
        cr = a.r + (iw ? iw->value : 0);
    } else {
        return fail(QStringLiteral("arc without R or I/K"));
    }
    const double r0 = std::hypot(a.z - cz, a.r - cr), r1 = std::hypot(to.z - cz, to.r - cr);
    if (r0 == 0 || std::abs(r0 - r1) > 0.01 + 1e-4 * r0)
        return fail(QStringLiteral("arc end not on its circle"));
    const double a0 = std::atan2(a.r - cr, a.z - cz), a1 = std::atan2(to.r - cr, to.z - cz);
    double sweep = cw ? a0 - a1 : a1 - a0;
    while (sweep <= 1e-12)
        sweep += 2 * kPi;
    if (sweep > 2 * kPi)
        sweep -= 2 * kPi;
    const double radius = (r0 + r1) / 2;
    const double step = radius > kArcTolerance
        ? std::clamp(2 * std::acos(1 - kArcTolerance / radius), kArcMinStep, kArcMaxStep)
        : kArcMaxStep;
    const int n = std::max(1, int(std::ceil(sweep / step - 1e-9)));
    points.clear();
    points.reserve(n + 1);
    points.append(QPointF(a.z, a.r));
    for (int i = 1; i < n; ++i) {
        const double t = a0 + (cw ? -1 : 1) * sweep * i / n;
        points.append(QPointF(cz + radius * std::cos(t), cr + radius * std::sin(t)));
    }
    points.append(QPointF(to.z, to.r));
    length = radius * sweep;
    return true;
}

bool isKnownNoMove(int g)
{
    switch (g) {
    case 4: // dwell
    case 13: // A turret
    case 14: // B turret
    case 18: // XZ plane
    case 40: // tool-nose compensation off
    case 41: // tool-nose compensation on
    case 42:
    case 50: // spindle limit
    case 80: // end of a shape block
    case 90: // absolute
    case 91: // incremental
    case 94: // feed per minute
    case 95: // feed per revolution
    case 96: // constant surface speed
    case 97: // fixed speed
    case 110: // G96 for a turret
    case 111:
    case 17: // XY plane
    case 19: // YZ plane
    case 52: // B axis
    case 126: // inclined plane off
    case 127: // inclined plane
    case 136: // milling mode off
    case 138: // milling mode
    case 174: // zero shift of the milling mode
    case 175: // zero shift off
    case 140: // spindle select
    case 141:
    case 142:
    case 180: // rotating-tool cycle cancel
        return true;
    default:
        return false;
    }
}

bool isRotatingCycle(int g)
{
    return g >= 178 && g <= 191 && g != 180;
}

// The words of one line by their address.
struct Reader::LineWords
{
    const Word *x = nullptr, *z = nullptr, *a = nullptr, *r = nullptr, *i = nullptr, *k = nullptr,
               *f = nullptr, *s = nullptr, *d = nullptr, *h = nullptr, *u = nullptr, *w = nullptr,
               *c = nullptr, *l = nullptr, *q = nullptr, *e = nullptr, *fExpr = nullptr;
    QList<const Word*> tools;
};

// What the G codes of one line ask for.
struct Reader::GCodes
{
    int motion = -1; // G00 to G03 when given
    int cycle = 0; // the cycle this line starts
    bool dwell = false, limit = false, home = false, lapEnd = false, shapeStart = false;
    bool compensation = false;
    int shapeCode = 0;
};

// NOEX lines: the chuck and tailstock of the graphic data, and the drills' diameters of the tool
// data. Nothing moves.
void Reader::readVariables()
{
    for (const Word& w : std::as_const(words)) {
        Value* v = nullptr;
        if (sameName(w.name, u"VCHKX"))
            v = &chuckX;
        else if (sameName(w.name, u"VCHKZ"))
            v = &chuckZ;
        else if (sameName(w.name, u"VCHKD"))
            v = &jawPlan;
        else if (sameName(w.name, u"VCHKL"))
            v = &jawLength;
        else if (sameName(w.name, u"VTSDA"))
            v = &tsHole;
        else if (sameName(w.name, u"VTSDB"))
            v = &tsDia;
        else if (sameName(w.name, u"VTSL"))
            v = &tsLength;
        else if (sameName(w.name, u"VWKR"))
            v = &workRight;
        if (v && w.number)
            *v = {true, w.value, lineNo};
        // The drill's diameter from the tool data: VTLD[5] of T05 or TL=05, VGRD[5] of TG=5.
        bool indexed = false;
        const int index = w.index.toInt(&indexed);
        if (w.number && indexed && index >= 0 && index < 100) {
            if (sameName(w.name, u"VTLD")) {
                toolDiameter.insert(QStringLiteral("T") + twoDigits(index), w.value);
                toolDiameter.insert(QStringLiteral("TL=") + twoDigits(index), w.value);
            } else if (sameName(w.name, u"VGRD")) {
                toolDiameter.insert(QStringLiteral("TG=") + QString::number(index), w.value);
            }
        }
    }
}

// The G codes first: they set the mode the other words are read in.
bool Reader::readGCodes(GCodes& g)
{
    for (const Word& w : std::as_const(words)) {
        if (upper(w.name[0]) != u'G' || w.name.size() != 1)
            continue;
        if (w.value < 0 || w.value > 999 || w.value != std::floor(w.value)) {
            fail(QStringLiteral("G%1 not understood").arg(w.text));
            return false;
        }
        const int code = int(w.value);
        if (code <= 3)
            g.motion = code;
        else if (code == 4)
            g.dwell = true;
        else if (code == 50)
            g.limit = true;
        else if (code == 20 || code == 21)
            g.home = true;
        else if (code == 40 || code == 41 || code == 42)
            g.compensation = true;
        else if (code == 80)
            g.lapEnd = true;
        else if (code == 81 || code == 82) {
            g.shapeStart = true;
            g.shapeCode = code;
        } else if (code == 71 || code == 72 || code == 73 || code == 74 || code == 85 || code == 87
            || code == 101 || isRotatingCycle(code)) {
            if (g.cycle) {
                fail(QStringLiteral("two cycles in one line"));
                return false;
            }
            g.cycle = code;
        } else if (!isKnownNoMove(code)) {
            fail(QStringLiteral("G%1 not drawn").arg(w.text));
            return false;
        }
    }
    return true;
}

// Every word of the line by its address; a word the view does not know stops the line.
bool Reader::sortWords(LineWords& lw, int cycle)
{
    for (const Word& word : std::as_const(words)) {
        const QStringView n = word.name;
        if (n.size() == 1) {
            switch (upper(n[0])) {
            case u'G':
            case u'M':
                break;
            case u'X':
                lw.x = &word;
                break;
            case u'Z':
                lw.z = &word;
                break;
            case u'A':
                lw.a = &word;
                break;
            case u'R':
                lw.r = &word;
                break;
            case u'I':
                lw.i = &word;
                break;
            case u'K':
                lw.k = &word;
                break;
            case u'F':
                if (word.number)
                    lw.f = &word;
                else
                    lw.fExpr = &word;
                break;
            case u'S':
                lw.s = &word;
                break;
            case u'D':
                lw.d = &word;
                break;
            case u'H':
                lw.h = &word;
                break;
            case u'U':
                lw.u = &word;
                break;
            case u'W':
                lw.w = &word;
                break;
            case u'C': // the C axis turns the work: no move in the plane
                lw.c = &word;
                break;
            case u'T':
                lw.tools.append(&word);
                break;
            case u'L':
                lw.l = &word;
                break;
            case u'Q':
                lw.q = &word;
                break;
            case u'E':
                lw.e = &word;
                break;
            case u'P':
            case u'B': // words of the cycles and of the B axis
                break;
            case u'Y':
                if (!milling) {
                    fail(QStringLiteral("Y axis not drawn"));
                    return false;
                }
                break;
            default:
                fail(QStringLiteral("unknown word %1").arg(n));
                return false;
            }
        } else if (sameName(n, u"TL") || sameName(n, u"TG")) {
            lw.tools.append(&word);
        } else if (sameName(n, u"SB")) {
            if (!word.number) {
                fail(QStringLiteral("SB=%1 not understood").arg(word.text));
                return false;
            }
        } else if (sameName(n, u"OG") || sameName(n, u"MT") || sameName(n, u"HP")
            || sameName(n, u"SA") || sameName(n, u"PW") || sameName(n, u"E") || sameName(n, u"SX")
            || sameName(n, u"SZ") || sameName(n, u"BA")) {
            // offset group, ATC, home, thread, torque, zero shift and B axis words: no move
        } else if (sameName(n, u"NAP")) {
            if (cycle != 85 && cycle != 87) {
                fail(QStringLiteral("NAP outside G85 or G87"));
                return false;
            }
        } else if (upper(n[0]) != u'V') { // variables move nothing
            fail(QStringLiteral("unknown word %1").arg(n));
            return false;
        }
    }
    return true;
}

// Tool calls: T0505 (tool, offset) or T050505 (offset, tool, nose), TL= likewise; TG=n. A
// sequence name NTnn names the tool when no tool word came before.
bool Reader::readTools(QStringView seqName, const LineWords& lw)
{
    for (const Word* t : std::as_const(lw.tools)) {
        if (!t->number || t->value < 0 || t->value != std::floor(t->value)) {
            fail(QStringLiteral("tool word %1%2%3 not understood")
                     .arg(t->name, t->name.size() > 1 ? u"=" : u"")
                     .arg(t->text));
            return false;
        }
    }
    if (sameName(seqName, u"NT") || (seqName.size() > 2 && sameName(seqName.left(2), u"NT"))) {
        if (tool < 0 && seqName.size() > 2)
            callTool(seqName.toString().toUpper());
    }
    for (const Word* t : std::as_const(lw.tools)) {
        int digits = 0;
        qsizetype at = 0;
        double v = 0;
        readNumber(t->text, at, v, &digits);
        const long long n = (long long)v;
        if (sameName(t->name, u"TG")) {
            callTool(QStringLiteral("TG=") + QString::number(n));
            continue;
        }
        int number;
        if (digits <= 2)
            continue; // an offset change of the tool in place
        else if (digits <= 4)
            number = int(n / 100);
        else if (digits <= 6)
            number = int(n / 100 % 100);
        else {
            fail(QStringLiteral("tool word %1 not understood").arg(t->text));
            return false;
        }
        callTool((sameName(t->name, u"TL") ? QStringLiteral("TL=") : QStringLiteral("T"))
            + twoDigits(number));
    }
    return true;
}

// The cycle a line starts, from its words.
void Reader::runCycle(int cycle, const LineWords& lw, double feedValue)
{
    if (capturing) {
        fail(QStringLiteral("cycle inside a shape block"));
        return;
    }
    Point target;
    switch (cycle) {
    case 74:
        if (!lw.z) {
            fail(QStringLiteral("G74 without Z"));
            return;
        }
        if (lw.i) {
            if (!lw.x) {
                fail(QStringLiteral("G74 groove without X"));
                return;
            }
            groove(true, lw.x->value, lw.z->value, lw.i->value);
        } else {
            if (lw.x && lw.x->value / 2 != pos.r)
                move(Seg::Rapid, {pos.z, lw.x->value / 2});
            drill(lw.z->value, lw.k ? lw.k->value : 0,
                {lw.d ? lw.d->value : 0, lw.l ? lw.l->value : 0}, lw.k != nullptr);
        }
        return;
    case 73:
        if (!lw.x || !lw.z || !lw.k) {
            fail(QStringLiteral("G73 without X, Z and K"));
            return;
        }
        groove(false, lw.x->value, lw.z->value, lw.k->value);
        return;
    case 71:
    case 72:
        if (!lw.x || !lw.z || !lw.h || !lw.d || (!lw.f && !lw.fExpr)) {
            fail(QStringLiteral("G%1 without X, Z, H, D and F").arg(cycle));
            return;
        }
        thread(cycle == 72, lw.x->value, lw.z->value, lw.h->value, lw.d->value,
            {feedValue, cycle == 72 ? (lw.w ? lw.w->value : 0) : (lw.u ? lw.u->value : 0),
                lw.q ? lw.q->value : 1});
        return;
    case 85:
    case 87: {
        const Word* nap = find(words, u"NAP");
        if (!nap) {
            fail(QStringLiteral("G%1 without the name of its shape block").arg(cycle));
            return;
        }
        const QString name = QStringLiteral("NAP") + nap->text.toString();
        if (cycle == 85) {
            if (!lw.d) {
                fail(QStringLiteral("G85 without a depth D"));
                return;
            }
            lap = {true, lineNo, name, lw.d->value, lw.u ? lw.u->value : 0, lw.w ? lw.w->value : 0,
                lw.f ? lw.f->value : feed, pos};
            return;
        }
        const auto it = shapes.constFind(name);
        if (it == shapes.constEnd()) {
            fail(QStringLiteral("no shape block %1 before G87").arg(name));
            return;
        }
        lapFinish(*it);
        return;
    }
    case 101:
        if (!linearTarget(lw.x, lw.z, nullptr, target))
            return;
        if (lw.x || lw.z)
            move(Seg::Rotating, target);
        else
            addElement(MoveKind::RotatingTool, {QPointF(pos.z, pos.r)});
        return;
    default:
        rotating = {};
        rotating.code = cycle;
        rotating.line = lineNo;
        rotating.hasK = lw.k;
        rotating.hasI = lw.i;
        rotating.k = lw.k ? lw.k->value : 0;
        rotating.i = lw.i ? lw.i->value : 0;
        rotating.pecks = {lw.d ? lw.d->value : 0, lw.l ? lw.l->value : 0};
        rotating.dwell = (cycle >= 181 && cycle <= 183) && lw.e ? std::max(0.0, lw.e->value) : 0;
        if (lw.q
            && (lw.q->value < 1 || lw.q->value > 360 || lw.q->value != std::floor(lw.q->value))) {
            rotating.code = 0;
            fail(QStringLiteral("Q%1 is no count of holes").arg(lw.q->text));
            return;
        }
        rotating.holes = lw.q ? int(lw.q->value) : 1;
        rotating.feed = feedValue;
        if (!lw.x || !lw.z || (!lw.k && !lw.i)) {
            rotating.code = 0;
            fail(QStringLiteral("G%1 without X, Z and K or I").arg(cycle));
            return;
        }
        rotatingCycle({lw.z->value, lw.x->value / 2});
        return;
    }
}

void Reader::handleWords(QStringView seqName)
{
    if (sameName(seqName, u"NOEX")) {
        readVariables();
        return;
    }
    GCodes g;
    LineWords lw;
    if (!readGCodes(g) || !sortWords(lw, g.cycle))
        return;
    double feedValue = feed;
    if (lw.fExpr) {
        const Word* sbWord = find(words, u"SB");
        const double sb = sbWord ? sbWord->value : toolSpeed;
        if (!evaluate(lw.fExpr->text, sb, feedValue)) {
            fail(QStringLiteral("feed F=%1 not understood").arg(lw.fExpr->text));
            return;
        }
    }
    // The milling frame and the inclined plane: G138 enters the frame, G136 leaves it, G174 SX SZ
    // sets its origin, G127's work is marked there.
    for (const Word& code : std::as_const(words)) {
        if (upper(code.name[0]) != u'G' || code.name.size() != 1)
            continue;
        if (code.value == 138)
            milling = true;
        else if (code.value == 136)
            milling = false;
        else if (code.value == 174) {
            const Word* sx = find(words, u"SX");
            const Word* sz = find(words, u"SZ");
            shift = {sz && sz->number ? sz->value : 0, sx && sx->number ? sx->value / 2 : 0};
        } else if (code.value == 127 && !capturing)
            addElement(MoveKind::RotatingTool, {QPointF(shift.z, shift.r)});
    }
    if (milling && (lw.x || lw.z || find(words, u"Y") || g.cycle || g.motion >= 0)) {
        fail(QStringLiteral("move in the milling frame (G138) not drawn"));
        return;
    }
    if (g.home) {
        fail(QStringLiteral("return to a stored home position not drawn"));
        pos = {settings.homeZ, settings.homeX / 2};
        return;
    }
    if (g.limit && (lw.x || lw.z)) {
        fail(QStringLiteral("G50 with X or Z not drawn"));
        return;
    }
    if ((lw.u || lw.w) && !g.cycle) {
        fail(QStringLiteral("%1 word outside a cycle").arg(QChar(lw.u ? u'U' : u'W')));
        return;
    }
    const bool arc
        = g.motion == 2 || g.motion == 3 || (g.motion < 0 && (motion == 2 || motion == 3));
    if ((lw.i || lw.k) && !g.cycle && !g.compensation && !arc && !rotating.code) {
        fail(QStringLiteral("%1 word outside an arc or cycle").arg(QChar(lw.i ? u'I' : u'K')));
        return;
    }
    // The words of the cycles mean nothing in a plain move; L is also an arc's radius.
    for (const Word* word : {lw.d, lw.h, lw.q, lw.e, lw.l}) {
        if (word && !g.cycle && !rotating.code && !(word == lw.l && arc)) {
            fail(QStringLiteral("%1 word outside a cycle").arg(word->name));
            return;
        }
    }

    if (!readTools(seqName, lw))
        return;

    // Modes.
    for (const Word& code : std::as_const(words)) {
        if (upper(code.name[0]) != u'G' || code.name.size() != 1)
            continue;
        switch (int(code.value)) {
        case 90:
            incremental = false;
            break;
        case 91:
            incremental = true;
            break;
        case 94:
            perMinute = true;
            break;
        case 95:
            perMinute = false;
            break;
        case 96:
            css = true;
            break;
        case 97:
            css = false;
            break;
        case 180:
            rotating.code = 0;
            break;
        default:
            break;
        }
    }
    if (const Word* sb = find(words, u"SB"))
        toolSpeed = sb->value;
    if (lw.s) {
        if (g.limit)
            speedLimit = lw.s->value;
        else if (css)
            surfaceSpeed = lw.s->value;
        else
            fixedSpeed = lw.s->value;
    }
    if (g.dwell) {
        if (!lw.f) {
            fail(QStringLiteral("G04 without F"));
            return;
        }
        if (!capturing)
            addSeconds(std::max(0.0, lw.f->value));
        return;
    }
    // The feed of a roughing or thread cycle is the cycle's own.
    if ((lw.f || lw.fExpr) && g.cycle != 71 && g.cycle != 72 && g.cycle != 85)
        feed = lw.f ? lw.f->value : feedValue;
    if (lw.f)
        feedValue = lw.f->value;

    // Shape blocks of the roughing cycle: NAPn G81 ... G80.
    if (g.shapeStart) {
        if (capturing) {
            fail(QStringLiteral("shape block inside a shape block"));
            return;
        }
        capturing = true;
        captureName = seqName.toString().toUpper();
        capture = Shape();
        capture.code = g.shapeCode;
        captureSaved = pos;
        captureMotion = motion;
        if (lap.active && captureName == lap.name)
            pos = lap.start;
    }
    if (g.lapEnd) {
        if (capturing)
            finishCapture();
        return;
    }

    if (g.cycle) {
        runCycle(g.cycle, lw, feedValue);
        return;
    }

    if (rotating.code && g.motion < 0 && (lw.x || lw.z || lw.c)) {
        // A new position of the rotating-tool cycle in force.
        Point at = rotating.at;
        if (lw.x)
            at.r = lw.x->value / 2;
        if (lw.z)
            at.z = lw.z->value;
        rotatingCycle(at);
        return;
    }
    if (g.motion >= 0)
        motion = g.motion;
    if (!lw.x && !lw.z) {
        if (lw.a)
            fail(QStringLiteral("angle A without X or Z"));
        else if ((lw.r || (lw.l && arc)) && !lw.s)
            fail(QStringLiteral("%1 without an arc end").arg(lw.r ? lw.r->name : lw.l->name));
        return;
    }
    Point target;
    if (motion == 2 || motion == 3) {
        if (lw.a) {
            fail(QStringLiteral("angle A on an arc"));
            return;
        }
        if (!linearTarget(lw.x, lw.z, nullptr, target))
            return;
        QList<QPointF> points;
        double length = 0;
        if (!arcPoints(motion == 2, target, lw.r ? lw.r : lw.l, lw.i, lw.k, points, length))
            return;
        moveAlong(Seg::Arc, points, length, feedValue);
        return;
    }
    if (!linearTarget(lw.x, lw.z, lw.a, target))
        return;
    move(motion == 0 ? Seg::Rapid : Seg::Feed, target, feedValue);
}

// A hole drilled on the centre line: rapid K toward the hole, feed in pecks of D back to the
// start of the hole after each, to Z; back to where the cycle began.
void Reader::drill(double depthZ, double approachK, Pecks pecks, bool hasApproach)
{
    const Point start = pos;
    const double z0 = hasApproach ? pos.z - approachK : pos.z;
    const double total = std::abs(z0 - depthZ);
    const double dir = depthZ < z0 ? -1 : 1;
    const int count = pecks.count(total);
    if (count > kMaxPasses) {
        fail(QStringLiteral("too many pecks"));
        return;
    }
    move(Seg::Rapid, {z0, pos.r});
    for (int n = 1; n <= count; ++n) {
        move(Seg::Feed, {z0 + dir * pecks.reach(n, total), pos.r});
        if (n < count) {
            const double at = pos.z;
            move(Seg::Rapid, {z0, pos.r});
            move(Seg::Rapid, {at, pos.r});
        }
    }
    const double bottom = pos.z;
    move(Seg::Rapid, {z0, pos.r});
    move(Seg::Rapid, start);
    // The hole itself when the tool data give the drill's diameter.
    const double d = tool >= 0 ? toolDiameter.value(result.tools[tool].name, 0) : 0;
    if (d > 0 && !capturing)
        result.elements.append({MoveKind::Region, lineNo, tool,
            {{z0, start.r}, {z0, start.r + d / 2}, {bottom, start.r + d / 2}, {bottom, start.r}}});
}

// A groove cut by plunges: a face groove (G74) plunges in Z and steps in X, an outside or inside
// groove (G73) plunges in X and steps in Z. Each plunge feeds to the bottom and returns; the step
// (I or K) moves the next plunge toward the end point, the last plunge lands on it.
void Reader::groove(bool face, double endX, double endZ, double step)
{
    const Point start = pos;
    const double endR = endX / 2;
    // along: the plunging axis; across: the stepping axis.
    const double acrossFrom = face ? start.r : start.z, acrossTo = face ? endR : endZ;
    const double alongTo = face ? endZ : endR;
    const double span = std::abs(acrossTo - acrossFrom);
    if (step <= 0 && span > 0) {
        fail(QStringLiteral("groove without a step"));
        return;
    }
    const int plunges = span > 0 ? int(std::ceil(span / step - 1e-9)) + 1 : 1;
    if (plunges > kMaxPasses) {
        fail(QStringLiteral("too many plunges"));
        return;
    }
    const double dir = acrossTo < acrossFrom ? -1 : 1;
    auto at = [&](double across, double along) -> Point {
        return face ? Point {along, across} : Point {across, along};
    };
    const double alongFrom = face ? start.z : start.r;
    for (int n = 0; n < plunges; ++n) {
        const double across = acrossFrom + dir * std::min(span, n * step);
        if (n > 0)
            move(Seg::Rapid, at(across, alongFrom));
        move(Seg::Feed, at(across, alongTo));
        move(Seg::Rapid, at(across, alongFrom));
    }
    move(Seg::Rapid, start);
    if (!capturing) {
        const Point p0 = at(acrossFrom, alongTo), p1 = at(acrossTo, alongTo);
        const Point q0 = at(acrossFrom, alongFrom), q1 = at(acrossTo, alongFrom);
        result.elements.append({MoveKind::Contour, lineNo, tool,
            {{q0.z, q0.r}, {p0.z, p0.r}, {p1.z, p1.r}, {q1.z, q1.r}}});
    }
}

// A thread cut in passes from the start point: G71 along Z to Z, G72 across the face to X. The
// thread's root is at X (G71) or Z (G72), H its depth (on the diameter for G71), D the depth of
// the first pass, the last pass at the full depth; F the lead.
void Reader::thread(bool face, double x, double z, double h, double d, const ThreadWords& more)
{
    const Point start = pos;
    if (h < 0 || d <= 0) {
        fail(QStringLiteral("thread without a depth"));
        return;
    }
    if (more.starts < 1 || more.starts > 36 || more.starts != std::floor(more.starts)) {
        fail(QStringLiteral("Q is no number of thread starts"));
        return;
    }
    // The depths of the passes: D sqrt(n), each taking as much as the first, to the depth less
    // the finishing allowance; then the allowance in one pass.
    const double allowance = std::clamp(more.allowance, 0.0, h);
    const double rough = h - allowance;
    const double roughPasses = rough > 0 ? std::ceil((rough / d) * (rough / d) - 1e-9) : 0;
    const double passes = std::max(1.0, roughPasses + (allowance > 0 ? 1 : 0));
    if (passes * more.starts > kMaxPasses) {
        fail(QStringLiteral("too many thread passes"));
        return;
    }
    auto depth = [&](int n) { return n <= roughPasses ? std::min(rough, d * std::sqrt(n)) : h; };
    const double side = face ? (start.z >= z ? 1 : -1) : (start.r >= x / 2 ? 1 : -1);
    // G71: the crest above the root outside, below it inside; G72: in front of the root.
    const double crest = face ? z + side * h : x / 2 + side * h / 2;
    for (int thread = 0; thread < int(more.starts); ++thread) {
        for (int n = 1; n <= int(passes); ++n) {
            if (face) {
                const double at = crest - side * depth(n);
                move(Seg::Rapid, {at, start.r});
                move(Seg::Feed, {at, x / 2}, more.lead);
                move(Seg::Rapid, {start.z, x / 2});
            } else {
                const double at = crest - side * depth(n) / 2;
                move(Seg::Rapid, {start.z, at});
                move(Seg::Feed, {z, at}, more.lead);
                move(Seg::Rapid, {z, start.r});
            }
            move(Seg::Rapid, start);
        }
    }
    const QList<QPointF> contour = face
        ? QList<QPointF> {{crest, start.r}, {z, start.r}, {z, x / 2}, {crest, x / 2}}
        : QList<QPointF> {{start.z, crest}, {start.z, x / 2}, {z, x / 2}, {z, crest}};
    if (!capturing)
        result.elements.append({MoveKind::Contour, lineNo, tool, contour});
}

// Rotating-tool work at a position: to the position's X (or Z) in rapid, K (or I) toward the
// work, feed to the depth, pecks of D for G183, back to where it began. Taps (G178, G179, G184)
// feed back out.
void Reader::rotatingCycle(Point at)
{
    const Point start = pos;
    const int g = rotating.code;
    const bool tap = g == 178 || g == 179 || g == 184;
    const bool axial = rotating.hasK;
    const Point begin
        = axial ? Point {start.z - rotating.k, at.r} : Point {at.z, start.r - rotating.i / 2};
    const Point bottom = at;
    const double total = std::hypot(bottom.z - begin.z, bottom.r - begin.r);
    const Pecks pecks = g == 183 ? rotating.pecks : Pecks {};
    const int count = pecks.count(total);
    if (double(count) * rotating.holes > kMaxPasses) {
        fail(QStringLiteral("too many pecks"));
        return;
    }
    rotating.at = at;
    move(Seg::Rapid, axial ? Point {start.z, at.r} : Point {at.z, start.r});
    move(Seg::Rapid, begin);
    auto along = [&](double distance) {
        const double t = total > 0 ? distance / total : 1;
        return Point {begin.z + (bottom.z - begin.z) * t, begin.r + (bottom.r - begin.r) * t};
    };
    // Q holes at the same place in this plane, the C axis turning between them.
    for (int hole = 0; hole < rotating.holes; ++hole) {
        for (int n = 1; n <= count; ++n) {
            const Point reach = along(pecks.reach(n, total));
            move(Seg::Rotating, reach, rotating.feed);
            if (n < count) {
                move(Seg::Rapid, begin);
                move(Seg::Rapid, reach);
            }
        }
        if (!capturing)
            addSeconds(rotating.dwell);
        if (tap)
            move(Seg::Rotating, begin, rotating.feed);
        else
            move(Seg::Rapid, begin);
    }
    move(Seg::Rapid, axial ? Point {start.z, at.r} : Point {at.z, start.r});
}

// The roughing cycle's passes between its start point and the shape, shifted by the stock U
// (on the diameter) and W. Along Z (G81) each pass feeds at one radius from the start's Z until it
// meets the shape; across the face (G82) at one Z from the start's radius. Passes D apart, the
// last on the shifted shape; back to the start point after each.
void Reader::lapRough(const Shape& shape)
{
    QList<QPointF> contour;
    for (const ShapeMove& m : shape.moves) {
        if (m.kind == Seg::Rapid && contour.isEmpty())
            continue;
        if (contour.isEmpty())
            contour.append(m.points.first());
        contour.append(m.points.mid(1));
    }
    if (contour.size() < 2) {
        fail(QStringLiteral("shape block without a contour"));
        return;
    }
    const bool alongZ = shape.code == 81;
    // (cut, layer) coordinates.
    auto cutOf = [&](const QPointF& p) { return alongZ ? p.x() : p.y(); };
    auto layerOf = [&](const QPointF& p) { return alongZ ? p.y() : p.x(); };
    const Point start = lap.start;
    const double c0 = alongZ ? start.z : start.r, l0 = alongZ ? start.r : start.z;
    double lo = layerOf(contour.first()), hi = lo;
    for (const QPointF& p : contour) {
        lo = std::min(lo, layerOf(p));
        hi = std::max(hi, layerOf(p));
    }
    double dir;
    if (l0 >= hi)
        dir = -1;
    else if (l0 <= lo)
        dir = 1;
    else {
        fail(QStringLiteral("G85 starts inside its shape"));
        return;
    }
    const double layerStock = alongZ ? lap.u / 2 : lap.w;
    const double cutStock = alongZ ? lap.w : lap.u / 2;
    const double cutSide = c0 >= cutOf(contour.first()) ? 1 : -1;
    QList<QPointF> shifted;
    for (const QPointF& p : contour) {
        const double cc = cutOf(p) + cutSide * cutStock, ll = layerOf(p) - dir * layerStock;
        shifted.append(alongZ ? QPointF(cc, ll) : QPointF(ll, cc));
    }
    const double lEnd = (dir < 0 ? lo : hi) - dir * layerStock;
    const double depth = (lEnd - l0) * dir;
    if (lap.d <= 0) {
        fail(QStringLiteral("G85 without a depth D"));
        return;
    }
    const int passes = depth > 0 ? int(std::ceil(depth / lap.d - 1e-9)) : 0;
    if (passes > kMaxPasses || double(passes) * shifted.size() > 1e7) {
        fail(QStringLiteral("too many passes"));
        return;
    }
    auto point = [&](double cut, double layer) {
        return alongZ ? Point {cut, layer} : Point {layer, cut};
    };
    pos = start;
    double previous = l0;
    for (int n = 1; n <= passes; ++n) {
        const double layer = l0 + dir * std::min(depth, n * lap.d);
        // Where the pass meets the shifted shape, walking it from its start.
        double cEnd = cutOf(shifted.last());
        for (qsizetype j = 0; j < shifted.size(); ++j) {
            const double lj = layerOf(shifted[j]);
            if ((dir < 0 && lj > layer + 1e-9) || (dir > 0 && lj < layer - 1e-9)) {
                if (j == 0) {
                    cEnd = cutOf(shifted[0]);
                } else {
                    const double la = layerOf(shifted[j - 1]);
                    const double t = lj == la ? 1 : (layer - la) / (lj - la);
                    cEnd = cutOf(shifted[j - 1]) + (cutOf(shifted[j]) - cutOf(shifted[j - 1])) * t;
                }
                break;
            }
        }
        move(Seg::Rapid, point(c0, layer));
        move(Seg::Feed, point(cEnd, layer), lap.f);
        move(Seg::Rapid, point(cEnd, previous));
        move(Seg::Rapid, point(c0, previous));
        previous = layer;
    }
    move(Seg::Rapid, start);
    QList<QPointF> region = contour;
    region.append(alongZ ? QPointF(contour.last().x(), l0) : QPointF(l0, contour.last().y()));
    region.append(alongZ ? QPointF(contour.first().x(), l0) : QPointF(l0, contour.first().y()));
    result.elements.append({MoveKind::Region, lineNo, tool, region});
}

// The finishing cycle runs the shape block once at its own feeds, and returns to its start.
void Reader::lapFinish(const Shape& shape)
{
    const Point start = pos;
    bool approach = true;
    for (const ShapeMove& m : shape.moves) {
        if (approach && m.kind == Seg::Rapid) {
            // The shape's approach runs from wherever the finishing tool stands.
            move(Seg::Rapid, {m.points.last().x(), m.points.last().y()});
            continue;
        }
        approach = false;
        const Point from {m.points.first().x(), m.points.first().y()};
        if (std::hypot(from.z - pos.z, from.r - pos.r) > 1e-9)
            move(Seg::Rapid, from);
        if (m.kind == Seg::Arc) {
            double length = 0;
            for (qsizetype j = 1; j < m.points.size(); ++j)
                length += std::hypot(
                    m.points[j].x() - m.points[j - 1].x(), m.points[j].y() - m.points[j - 1].y());
            moveAlong(Seg::Arc, m.points, length, m.feed);
        } else {
            for (qsizetype j = 1; j < m.points.size(); ++j)
                move(m.kind, {m.points[j].x(), m.points[j].y()}, m.feed);
        }
    }
    // Back to the start point along Z first, clear of the finished shape, then in X.
    move(Seg::Rapid, {start.z, pos.r});
    move(Seg::Rapid, start);
}

void Reader::finishCapture()
{
    capturing = false;
    shapes.insert(captureName, capture);
    // The shape drawn as the contour it describes, each piece at its own line.
    bool started = false;
    for (const ShapeMove& m : std::as_const(capture.moves)) {
        if (m.kind == Seg::Rapid && !started)
            continue;
        started = true;
        result.elements.append({MoveKind::Contour, m.line, tool, m.points});
    }
    motion = captureMotion;
    pos = captureSaved;
    if (lap.active && lap.name == captureName) {
        const int saved = lineNo;
        lineNo = lap.line;
        lineFailed = false;
        pos = lap.start;
        lapRough(capture);
        lap.active = false;
        pos = lap.start;
        lineNo = saved;
    }
}

void Reader::finish()
{
    if (capturing) {
        result.notDrawn.append({lineNo, QStringLiteral("shape block without G80")});
        capturing = false;
    }
    if (lap.active)
        result.notDrawn.append({lap.line, QStringLiteral("G85 without its shape block")});
    // The jaws hold the blank at the chuck diameter, from the chuck face VCHKZ over the jaw's
    // depth VCHKD, VCHKL high: outside the blank, or inside the bore when gripping inside.
    if (chuckX.set && chuckZ.set && jawPlan.set && jawLength.set) {
        const double r = chuckX.v / 2, z0 = chuckZ.v, z1 = chuckZ.v + jawPlan.v;
        const bool inside = blankDia > 0 && chuckX.v < blankDia;
        const double r1 = inside ? std::max(0.0, r - jawLength.v) : r + jawLength.v;
        result.stock.append({StockKind::Jaw, chuckX.line, {{z0, r}, {z1, r}, {z1, r1}, {z0, r1}}});
    }
    // The tailstock centre at the work's right end VWKR: the hole VTSDA, the centre's body VTSDB
    // over VTSL.
    if (tsLength.set && workRight.set && tsHole.set && tsDia.set) {
        const double z = workRight.v;
        result.stock.append({StockKind::Tailstock, tsLength.line,
            {{z, 0}, {z, tsHole.v / 2}, {z + tsLength.v, tsDia.v / 2}, {z + tsLength.v, 0}}});
    }
}

} // namespace

PathResult ReadPath(QStringView text, const PathSettings& settings, const std::atomic<bool>* cancel)
{
    Reader reader(settings);
    qsizetype start = 0;
    int line = 0;
    const qsizetype size = text.size();
    while (start <= size) {
        if (cancel && (line & 1023) == 0 && cancel->load(std::memory_order_relaxed)) {
            reader.result.cancelled = true;
            return reader.result;
        }
        qsizetype end = start;
        while (end < size && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        reader.readLine(text.mid(start, end - start), line);
        if (end >= size)
            break;
        start = end + ((text[end] == u'\r' && end + 1 < size && text[end + 1] == u'\n') ? 2 : 1);
        ++line;
    }
    reader.finish();
    return reader.result;
}

} // namespace path
