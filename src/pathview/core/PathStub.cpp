// An interim reader for the path view: straight G00/G01 moves with X (a diameter) and Z, tool
// calls by T word. Every other line that carries words goes to the lines not drawn. The full
// reader replaces this file.
#include "pathview/core/PathModel.h"

#include <QRegularExpression>

#include <cmath>

namespace path {

namespace {
QString minutesAndSeconds(double seconds)
{
    const qint64 tenths = qRound64(seconds * 10);
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

QString summaryLine(const ToolTotals& t)
{
    return QStringLiteral("%1  feed %2 mm  rapid %3 mm  time %4\n")
        .arg(t.name)
        .arg(t.feedLength, 0, 'f', 1)
        .arg(t.rapidLength, 0, 'f', 1)
        .arg(minutesAndSeconds(t.seconds));
}
} // namespace

PathResult ReadPath(QStringView text, const PathSettings& settings, const std::atomic<bool>* cancel)
{
    PathResult result;
    result.total.name = QStringLiteral("total");
    static const QRegularExpression word(QStringLiteral("([A-Z])\\s*([-+]?[0-9]*\\.?[0-9]*)"));
    QPointF at(settings.homeZ, settings.homeX / 2);
    int motion = 0;
    int tool = -1;
    int calls = 0;
    double feed = 0;
    int line = 0;
    for (QStringView raw : text.split(u'\n')) {
        if (cancel && cancel->load()) {
            result.cancelled = true;
            return result;
        }
        QString body = raw.toString().toUpper();
        const qsizetype comment = body.indexOf(u'(');
        if (comment >= 0)
            body.truncate(comment);
        body = body.trimmed();
        bool understood = true;
        bool moved = false;
        QPointF to = at;
        if (body.startsWith(u"NT") || body.startsWith(u"NOEX") || body.startsWith(u"NMAX")
            || body.startsWith(u"NAP"))
            body = body.mid(body.indexOf(u' ') < 0 ? body.size() : body.indexOf(u' '));
        for (auto it = word.globalMatch(body); it.hasNext() && understood;) {
            const auto m = it.next();
            const QChar letter = m.captured(1).at(0);
            bool isNumber = false;
            const double value = m.captured(2).toDouble(&isNumber);
            if (!isNumber) {
                understood = false;
                break;
            }
            switch (letter.unicode()) {
            case 'G':
                if (value == 0 || value == 1)
                    motion = int(value);
                else if (value != 50 && value != 96 && value != 97 && value != 40 && value != 41
                    && value != 42)
                    understood = false;
                break;
            case 'X':
                to.setY(value / 2);
                moved = true;
                break;
            case 'Z':
                to.setX(value);
                moved = true;
                break;
            case 'T': {
                const QString name = u'T' + m.captured(2).left(2);
                tool = -1;
                for (qsizetype i = 0; i < result.tools.size(); ++i)
                    if (result.tools[i].name == name)
                        tool = int(i);
                if (tool < 0) {
                    result.tools.append(ToolTotals {name, 0, 0, 0});
                    tool = int(result.tools.size() - 1);
                }
                if (++calls > 1)
                    result.tools[tool].seconds += settings.toolChangeSeconds;
                break;
            }
            case 'F':
                feed = value;
                break;
            case 'N':
            case 'O':
            case 'S':
            case 'M':
            case 'I':
            case 'K':
                break;
            default:
                understood = false;
            }
        }
        if (!understood) {
            result.notDrawn.append({line, QStringLiteral("not read")});
        } else if (moved && to != at) {
            const double length = std::hypot(to.x() - at.x(), to.y() - at.y());
            ToolTotals* t = tool >= 0 ? &result.tools[tool] : nullptr;
            if (motion == 0) {
                result.total.rapidLength += length;
                if (t)
                    t->rapidLength += length;
                const double s = length / settings.rapidMmPerMin * 60;
                if (t)
                    t->seconds += s;
            } else {
                result.total.feedLength += length;
                if (t)
                    t->feedLength += length;
                // A stand-in speed of 1000 1/min for the feed per revolution.
                const double s = feed > 0 ? length / (feed * 1000) * 60 : 0;
                if (t)
                    t->seconds += s;
            }
            result.elements.append(
                {motion == 0 ? MoveKind::Rapid : MoveKind::Feed, line, tool, {at, to}});
            at = to;
        }
        ++line;
    }
    for (const ToolTotals& t : result.tools)
        result.total.seconds += t.seconds;
    return result;
}

QString PlotSummary(const PathResult& result)
{
    QString out;
    for (const ToolTotals& t : result.tools)
        out += summaryLine(t);
    out += summaryLine(result.total);
    out += QStringLiteral("lines not drawn: %1\n").arg(result.notDrawn.size());
    return out;
}

QString PathSvg(const PathResult& result)
{
    QString out = QStringLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"-600 -600 1200 1200\">\n");
    for (const PathElement& e : result.elements) {
        out += QStringLiteral("<polyline fill=\"none\" stroke=\"black\" points=\"");
        for (const QPointF& p : e.points)
            out += QStringLiteral("%1,%2 ").arg(p.x()).arg(-p.y());
        out += QStringLiteral("\"/>\n");
    }
    return out + QStringLiteral("</svg>\n");
}

} // namespace path
