#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringView>

#include <atomic>

// The tool path of a lathe program in the XZ plane, read from its text. Pure: text in, drawn
// elements with their source lines out. Points are (Z, radius): Z along the spindle axis, the
// radius is the X word (a diameter) halved.
namespace path {

enum class MoveKind {
    Rapid, // G00: drawn dashed
    Feed, // G01 and the straight moves of cycles
    Arc, // G02/G03, flattened into the points
    Contour, // a finished shape a cycle cuts to (G85's shape block, a groove, a thread line)
    Region, // a closed outline of what a cycle removes (roughed area, drilled hole)
    RotatingTool, // rotating-tool work (G178-G191, G101, G127): positions in the plane
};

struct PathElement
{
    MoveKind kind = MoveKind::Feed;
    int line = 0; // 0-based line of the text it comes from
    int tool = -1; // index into PathResult::tools, -1 before the first tool call
    QList<QPointF> points; // polyline (Z, radius); one point for a position mark
};

enum class StockKind {
    Blank,
    Bore,
    Jaw,
    Tailstock,
};

struct StockShape
{
    StockKind kind = StockKind::Blank;
    int line = 0;
    QList<QPointF> outline; // closed polygon (Z, radius)
};

struct ToolTotals
{
    QString name; // as the tool word names it: "T01", "TL=03", "TG=5", "NT05"
    double feedLength = 0; // mm, in the real plane
    double rapidLength = 0; // mm
    double seconds = 0; // estimated time, tool change included
};

struct NotDrawn
{
    int line = 0; // 0-based
    QString reason; // short, for the list: "unknown word Q", "arc without R or I/K"
};

struct PathSettings
{
    double rapidMmPerMin = 20000; // rapid rate
    double toolChangeSeconds = 2; // added for each tool call after the first
    double homeX = 500; // start position: X as a diameter
    double homeZ = 500;
    double maxSpeed = 2500; // machine's maximum spindle speed (1/min)
};

struct PathResult
{
    QList<PathElement> elements; // in program order
    QList<StockShape> stock; // blank, bore, jaws, tailstock from the graphic data
    QList<ToolTotals> tools; // in the order of their first call
    ToolTotals total; // name "total"
    QList<NotDrawn> notDrawn; // lines not understood, in order
    bool cancelled = false;
};

// Reads the whole program. Never throws; what it does not understand goes to notDrawn.
// When cancel becomes true the reading stops early with cancelled set.
PathResult ReadPath(
    QStringView text, const PathSettings& settings, const std::atomic<bool>* cancel = nullptr);

// The command line's summary: one line per tool, the total, the count of lines not drawn,
// each line ended by "\n".
QString PlotSummary(const PathResult& result);

// The path as a self-contained SVG picture.
QString PathSvg(const PathResult& result);

// The colour a tool's moves are drawn in, on the screen and in the picture alike: hue (0-359),
// saturation and value (0-255), for a light or a dark ground. Tools are counted from 0 in the
// order of their first call.
struct ToolHsv
{
    int hue = 0, saturation = 0, value = 0;
};
ToolHsv ToolColour(int tool, bool dark);

} // namespace path
