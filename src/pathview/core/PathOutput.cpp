// The summary the command line prints and the path as an SVG picture.
#include "pathview/core/PathModel.h"

#include <algorithm>
#include <cmath>

namespace path {
namespace {

// Minutes without padding, seconds with two digits and one decimal, to the nearest 0.1 s.
QString timeText(double seconds)
{
    // Beyond a hundred million years the figure says nothing more; it stays a whole number.
    const long long tenths = std::llround(std::clamp(seconds, 0.0, 3e15) * 10);
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg(tenths % 600 / 10, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

QString lengthText(double mm)
{
    const long long tenths = std::llround(std::clamp(mm, 0.0, 1e15) * 10);
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(std::abs(tenths % 10));
}

QString totalsLine(const ToolTotals& t)
{
    return QStringLiteral("%1  feed %2 mm  rapid %3 mm  time %4\n")
        .arg(t.name, lengthText(t.feedLength), lengthText(t.rapidLength), timeText(t.seconds));
}

// The tool's colour on the picture's white ground, as #rrggbb.
QString toolColour(int tool)
{
    if (tool < 0)
        return QStringLiteral("#444444");
    const ToolHsv c = ToolColour(tool, false);
    const double v = c.value / 255.0, s = c.saturation / 255.0, h = c.hue / 60.0;
    const double chroma = v * s, x = chroma * (1 - std::abs(std::fmod(h, 2) - 1)), m = v - chroma;
    const int sector = int(h) % 6;
    const double rgb[6][3] = {{chroma, x, 0}, {x, chroma, 0}, {0, chroma, x}, {0, x, chroma},
        {x, 0, chroma}, {chroma, 0, x}};
    QString text = QStringLiteral("#");
    for (double part : rgb[sector])
        text += QStringLiteral("%1").arg(qRound((part + m) * 255), 2, 16, QLatin1Char('0'));
    return text;
}

QString num(double v)
{
    return QString::number(v, 'f', 3);
}

// Points in the picture: Z to the right, the radius up (the picture's y grows downwards).
QString pointsText(const QList<QPointF>& points)
{
    QString s;
    s.reserve(points.size() * 20);
    for (const QPointF& p : points) {
        if (!s.isEmpty())
            s += u' ';
        s += num(p.x()) + u',' + num(-p.y());
    }
    return s;
}

} // namespace

QString PlotSummary(const PathResult& result)
{
    QString out;
    for (const ToolTotals& t : result.tools)
        out += totalsLine(t);
    ToolTotals total = result.total;
    total.name = QStringLiteral("total");
    out += totalsLine(total);
    out += QStringLiteral("lines not drawn: %1\n").arg(result.notDrawn.size());
    return out;
}

QString PathSvg(const PathResult& result)
{
    double minZ = 0, maxZ = 0, minR = 0, maxR = 0;
    bool any = false;
    auto extend = [&](const QPointF& p) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            return;
        if (!any) {
            minZ = maxZ = p.x();
            minR = maxR = p.y();
            any = true;
        }
        minZ = std::min(minZ, p.x());
        maxZ = std::max(maxZ, p.x());
        minR = std::min(minR, p.y());
        maxR = std::max(maxR, p.y());
    };
    extend({0, 0});
    for (const PathElement& e : result.elements)
        for (const QPointF& p : e.points)
            extend(p);
    for (const StockShape& s : result.stock)
        for (const QPointF& p : s.outline)
            extend(p);
    const double margin = std::max({5.0, (maxZ - minZ) * 0.05, (maxR - minR) * 0.05});
    const double x0 = minZ - margin, y0 = -maxR - margin;
    const double width = maxZ - minZ + 2 * margin;
    const double unit = std::max(width, maxR - minR + 2 * margin) / 1500; // a hairline
    const double lineHeight = 15 * unit; // of the legend
    const double height = maxR - minR + 2 * margin + lineHeight * double(result.tools.size() + 1);

    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1mm\" "
                          "height=\"%2mm\" viewBox=\"%3 %4 %1 %2\">\n")
               .arg(num(width), num(height), num(x0), num(y0));
    svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"white\"/>\n")
               .arg(num(x0), num(y0), num(width), num(height));

    // Stock under everything: blank, bore, jaws, tailstock.
    for (const StockShape& s : result.stock) {
        QString fill;
        switch (s.kind) {
        case StockKind::Blank:
            fill = QStringLiteral("#d9d9d9");
            break;
        case StockKind::Bore:
            fill = QStringLiteral("#ffffff");
            break;
        case StockKind::Jaw:
            fill = QStringLiteral("#8c8c8c");
            break;
        case StockKind::Tailstock:
            fill = QStringLiteral("#b0b0b0");
            break;
        }
        svg += QStringLiteral("<polygon class=\"stock\" data-line=\"%1\" points=\"%2\" "
                              "fill=\"%3\" stroke=\"#606060\" stroke-width=\"%4\"/>\n")
                   .arg(s.line + 1)
                   .arg(pointsText(s.outline), fill, num(unit));
    }

    // Axes through the program zero and the centre line.
    svg += QStringLiteral("<line class=\"axis\" x1=\"%1\" y1=\"0\" x2=\"%2\" y2=\"0\" "
                          "stroke=\"#000000\" stroke-width=\"%3\" "
                          "stroke-dasharray=\"%4 %5 %5 %5\"/>\n")
               .arg(num(x0), num(x0 + width), num(unit), num(8 * unit), num(2 * unit));
    svg += QStringLiteral("<line class=\"axis\" x1=\"0\" y1=\"%1\" x2=\"0\" y2=\"%2\" "
                          "stroke=\"#000000\" stroke-width=\"%3\"/>\n")
               .arg(num(y0), num(-minR + margin), num(unit));
    svg += QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"%3\">Z</text>\n")
               .arg(num(x0 + width - unit * 20), num(-unit * 4), num(unit * 15));
    svg += QStringLiteral("<text x=\"%1\" y=\"%2\" font-size=\"%3\">X</text>\n")
               .arg(num(unit * 4), num(y0 + unit * 15), num(unit * 15));

    for (const PathElement& e : result.elements) {
        const QString colour = toolColour(e.tool);
        const QString pts = pointsText(e.points);
        switch (e.kind) {
        case MoveKind::Rapid:
            svg += QStringLiteral("<polyline class=\"rapid\" data-line=\"%1\" points=\"%2\" "
                                  "fill=\"none\" stroke=\"%3\" stroke-width=\"%4\" "
                                  "stroke-dasharray=\"%5 %5\" stroke-opacity=\"0.6\"/>\n")
                       .arg(e.line + 1)
                       .arg(pts, colour, num(unit), num(3 * unit));
            break;
        case MoveKind::Feed:
        case MoveKind::Arc:
            svg += QStringLiteral("<polyline class=\"%1\" data-line=\"%2\" points=\"%3\" "
                                  "fill=\"none\" stroke=\"%4\" stroke-width=\"%5\"/>\n")
                       .arg(
                           e.kind == MoveKind::Arc ? QStringLiteral("arc") : QStringLiteral("feed"))
                       .arg(e.line + 1)
                       .arg(pts, colour, num(1.5 * unit));
            break;
        case MoveKind::Contour:
            svg += QStringLiteral("<polyline class=\"contour\" data-line=\"%1\" points=\"%2\" "
                                  "fill=\"none\" stroke=\"#000000\" stroke-width=\"%3\"/>\n")
                       .arg(e.line + 1)
                       .arg(pts, num(2.5 * unit));
            break;
        case MoveKind::Region:
            svg += QStringLiteral("<polygon class=\"region\" data-line=\"%1\" points=\"%2\" "
                                  "fill=\"%3\" fill-opacity=\"0.25\" stroke=\"none\"/>\n")
                       .arg(e.line + 1)
                       .arg(pts, colour);
            break;
        case MoveKind::RotatingTool:
            svg += QStringLiteral("<polyline class=\"rotating\" data-line=\"%1\" points=\"%2\" "
                                  "fill=\"none\" stroke=\"%3\" stroke-width=\"%4\"/>\n")
                       .arg(e.line + 1)
                       .arg(pts, colour, num(3 * unit));
            for (const QPointF& p : {e.points.first(), e.points.last()})
                svg += QStringLiteral("<circle class=\"rotating\" cx=\"%1\" cy=\"%2\" r=\"%3\" "
                                      "fill=\"none\" stroke=\"%4\" stroke-width=\"%5\"/>\n")
                           .arg(num(p.x()), num(-p.y()), num(3 * unit), colour, num(unit));
            break;
        }
    }

    // The legend: one line per tool in its colour.
    double y = -minR + margin + lineHeight;
    for (qsizetype t = 0; t < result.tools.size(); ++t) {
        QString name = result.tools[t].name.toHtmlEscaped();
        svg += QStringLiteral("<text class=\"legend\" x=\"%1\" y=\"%2\" font-size=\"%3\" "
                              "fill=\"%4\">%5</text>\n")
                   .arg(num(x0 + lineHeight / 2), num(y), num(12 * unit), toolColour(int(t)), name);
        y += lineHeight;
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

ToolHsv ToolColour(int tool, bool dark)
{
    // Hues apart from the rapid red and the highlight's orange, in the order tools are called;
    // after ten tools the hues come again, lighter or darker.
    static const int hues[] = {220, 120, 290, 175, 330, 70, 250, 150, 195, 310};
    const int round = tool / 10;
    return {hues[tool % 10], dark ? 150 : 230,
        dark ? std::max(150, 235 - 40 * round) : std::min(220, 150 + 35 * round)};
}

} // namespace path
