#include "pathview/PathCanvas.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <map>

using path::MoveKind;
using path::StockKind;

namespace {
// Closer than this (logical pixels) to a drawn element, a click picks it.
constexpr double kPickDistance = 5;
// A segment shorter than this on the screen joins the next one instead of being drawn.
constexpr double kDetail = 0.75;
// Above this many segments on the screen the drawing goes without antialiasing.
constexpr int kSmoothLimit = 20000;

bool overlaps(const QRectF& a, const QRectF& b)
{
    // Also true for the zero-width extent of a move straight along an axis.
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom()
        && b.top() <= a.bottom();
}

QRectF mirrored(const QRectF& r)
{
    return QRectF(r.left(), -r.bottom(), r.width(), r.height());
}

double segmentDistance(const QPointF& p, const QPointF& a, const QPointF& b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t
        = length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

QRectF boundsOf(const QList<QPointF>& points)
{
    if (points.isEmpty())
        return {};
    double left = points[0].x(), right = left, top = points[0].y(), bottom = top;
    for (const QPointF& q : points) {
        left = std::min(left, q.x());
        right = std::max(right, q.x());
        top = std::min(top, q.y());
        bottom = std::max(bottom, q.y());
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QRectF unite(const QRectF& a, const QRectF& b)
{
    if (a.isNull())
        return b;
    return QRectF(QPointF(std::min(a.left(), b.left()), std::min(a.top(), b.top())),
        QPointF(std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom())));
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
        float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QString number(double v)
{
    return QString::number(std::abs(v) < 1e-9 ? 0.0 : v, 'g', 6);
}
} // namespace

struct PathCanvas::Colours
{
    bool dark;
    QColor background, text, grid, axis, centre, rapid, highlight;
    QColor blank, blankEdge, bore, jaw, tailstock;
};

PathCanvas::PathCanvas(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picPath"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 100);
}

PathCanvas::Colours PathCanvas::colours() const
{
    Colours c;
    const QPalette& pal = palette();
    c.background = pal.color(QPalette::Base);
    c.text = pal.color(QPalette::Text);
    c.dark = c.background.lightness() < 128;
    c.grid = mix(c.background, c.text, c.dark ? 0.2 : 0.14);
    c.axis = mix(c.background, c.text, 0.55);
    c.centre = mix(c.background, c.text, 0.65);
    c.rapid = c.dark ? QColor(255, 110, 90) : QColor(215, 40, 30);
    c.highlight = c.dark ? QColor(255, 230, 40) : QColor(255, 170, 0);
    c.blank = c.dark ? QColor(80, 88, 100) : QColor(205, 212, 222);
    c.blankEdge = c.dark ? QColor(150, 160, 175) : QColor(110, 120, 135);
    c.bore = c.background;
    c.jaw = c.dark ? QColor(120, 120, 120) : QColor(95, 95, 95);
    c.tailstock = c.dark ? QColor(105, 105, 95) : QColor(160, 160, 150);
    return c;
}

QColor PathCanvas::toolColour(int tool) const
{
    if (tool < 0)
        return mix(palette().color(QPalette::Base), palette().color(QPalette::Text), 0.7);
    const path::ToolHsv c
        = path::ToolColour(tool, palette().color(QPalette::Base).lightness() < 128);
    return QColor::fromHsv(c.hue, c.saturation, c.value);
}

void PathCanvas::setResult(path::PathResult result, bool fit)
{
    m_result = std::move(result);
    m_bounds.clear();
    m_bounds.reserve(m_result.elements.size());
    m_extent = QRectF();
    m_work = QRectF();
    m_byLine.clear();
    for (const path::PathElement& e : m_result.elements) {
        const QRectF b = boundsOf(e.points);
        // An element beyond any number is never drawn nor picked: a NaN extent meets nothing.
        const bool finite = std::isfinite(b.left()) && std::isfinite(b.right())
            && std::isfinite(b.top()) && std::isfinite(b.bottom());
        m_bounds.append(finite ? b : QRectF(qQNaN(), qQNaN(), 0, 0));
        if (finite)
            m_byLine[e.line].append(m_bounds.size() - 1);
        if (finite && !e.points.isEmpty()) {
            m_extent = unite(m_extent, b);
            if (e.kind != path::MoveKind::Rapid)
                m_work = unite(m_work, b);
        }
    }
    for (const path::StockShape& s : m_result.stock) {
        const QRectF b = boundsOf(s.outline);
        if (!s.outline.isEmpty() && std::isfinite(b.width()) && std::isfinite(b.height())) {
            m_extent = unite(m_extent, b);
            m_work = unite(m_work, b);
        }
    }
    if (fit || m_fitPending || m_fitted)
        fitTo(m_fitWork);
    update();
}

void PathCanvas::clear()
{
    setResult({}, true);
    m_fitPending = true;
    m_highlight = -1;
}

void PathCanvas::setFullSection(bool on)
{
    m_fullSection = on;
    fitTo(m_fitWork);
}

void PathCanvas::setHighlightLine(int line)
{
    if (line == m_highlight)
        return;
    m_highlight = line;
    update();
}

void PathCanvas::fitAll()
{
    fitTo(false);
}

void PathCanvas::fitWork()
{
    fitTo(true);
}

void PathCanvas::fitTo(bool work)
{
    m_fitWork = work;
    const QRectF& wanted = work && !m_work.isNull() ? m_work : m_extent;
    QRectF r = unite(wanted.isNull() ? QRectF(-50, 0, 100, 50) : wanted, QRectF(0, 0, 0, 0));
    if (m_fullSection)
        r = unite(r, mirrored(r));
    if (width() < 20 || height() < 20) {
        m_fitPending = true;
        return;
    }
    m_fitPending = false;
    m_fitted = true;
    const double w = std::max(r.width(), 1.0), h = std::max(r.height(), 1.0);
    const double margin = 0.08;
    m_scale = std::min(width() * (1 - 2 * margin) / w, height() * (1 - 2 * margin) / h);
    m_scale = std::clamp(m_scale, 1e-4, 1e4);
    const QPointF centre = r.center();
    m_origin = QPointF(width() / 2.0 - centre.x() * m_scale, height() / 2.0 + centre.y() * m_scale);
    update();
}

QPointF PathCanvas::toScreen(const QPointF& world) const
{
    return QPointF(m_origin.x() + world.x() * m_scale, m_origin.y() - world.y() * m_scale);
}

QPointF PathCanvas::toWorld(const QPointF& screen) const
{
    return QPointF((screen.x() - m_origin.x()) / m_scale, (m_origin.y() - screen.y()) / m_scale);
}

QRectF PathCanvas::visibleWorld() const
{
    const QPointF a = toWorld(QPointF(0, height())), b = toWorld(QPointF(width(), 0));
    return QRectF(a, b);
}

double PathCanvas::gridStep() const
{
    // The finest of 1, 2, 5 times a power of ten that leaves some room between the lines.
    const double least = fontMetrics().height() * 2.5 / m_scale;
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (f * power >= least)
            return f * power;
    return 10 * power;
}

int PathCanvas::lineAt(const QPointF& pos) const
{
    QPointF at = toWorld(pos);
    if (m_fullSection && at.y() < 0)
        at.setY(-at.y());
    const double reach = kPickDistance / m_scale;
    double best = reach;
    int line = -1;
    for (qsizetype i = 0; i < m_result.elements.size(); ++i) {
        if (!overlaps(m_bounds[i].adjusted(-reach, -reach, reach, reach), QRectF(at, at)))
            continue;
        const path::PathElement& e = m_result.elements[i];
        double d = e.points.size() == 1
            ? std::hypot(at.x() - e.points[0].x(), at.y() - e.points[0].y())
            : reach * 2;
        for (qsizetype k = 1; k < e.points.size(); ++k)
            d = std::min(d, segmentDistance(at, e.points[k - 1], e.points[k]));
        // Inside a region counts, but any line drawn there comes first.
        if (e.kind == MoveKind::Region && d > best
            && QPolygonF(e.points).containsPoint(at, Qt::OddEvenFill))
            d = reach * 0.99;
        if (d < best || (d <= best && line < 0)) {
            best = d;
            line = e.line;
        }
    }
    return line;
}

void PathCanvas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const Colours c = colours();
    p.fillRect(rect(), c.background);
    p.setRenderHint(QPainter::Antialiasing, true);
    paintGrid(p, c);
    paintStock(p, c);
    paintPath(p, c);
    paintScale(p, c);
    paintLegend(p, c);
}

void PathCanvas::paintGrid(QPainter& p, const Colours& c) const
{
    const QRectF world = visibleWorld();
    const double step = gridStep();
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.85);
    p.setFont(small);
    const QFontMetricsF fm(small);
    p.setPen(QPen(c.grid, 0));
    // The multiples of the step on the screen, counted, so that no size of number can stall.
    const auto marks = [step](double from, double to) {
        QList<double> at;
        for (double k = std::ceil(from / step); k * step <= to && at.size() < 200; ++k)
            at.append(k * step);
        return at;
    };
    const QList<double> zs = marks(world.left(), world.right());
    const QList<double> rs = marks(world.top(), world.bottom());
    QList<QLineF> lines;
    for (double z : zs)
        lines.append(QLineF(toScreen({z, world.top()}), toScreen({z, world.bottom()})));
    for (double r : rs)
        lines.append(QLineF(toScreen({world.left(), r}), toScreen({world.right(), r})));
    p.drawLines(lines);

    // Z along the bottom edge, X (a diameter) along the left edge.
    p.setPen(c.axis);
    for (double z : zs)
        p.drawText(QPointF(toScreen({z, 0}).x() + 3, height() - fm.descent() - 2), number(z));
    for (double r : rs) {
        if (r < -step / 2 && !m_fullSection)
            continue; // below the centre line only the full section has diameters
        p.drawText(QPointF(3, toScreen({0, r}).y() - 3), number(2 * std::abs(r)));
    }

    // The centre line (the spindle axis, Z) and the X axis at Z0.
    const QPointF left = toScreen({world.left(), 0}), right = toScreen({world.right(), 0});
    QPen centre(c.centre, 1, Qt::DashDotLine);
    p.setPen(centre);
    p.drawLine(left, right);
    p.setPen(QPen(c.axis, 1));
    const QPointF zero = toScreen({0, 0});
    p.drawLine(QPointF(zero.x(), 0), QPointF(zero.x(), height()));
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(c.text);
    const QFontMetricsF bm(bold);
    p.drawText(
        QPointF(width() - bm.horizontalAdvance(u'Z') - 4, zero.y() - 4), QStringLiteral("Z"));
    p.drawText(QPointF(zero.x() + 4, bm.ascent() + 2), QStringLiteral("X"));
}

void PathCanvas::paintStock(QPainter& p, const Colours& c) const
{
    const auto draw = [&](StockKind kind, const QBrush& fill, const QColor& edge) {
        for (const path::StockShape& s : m_result.stock) {
            if (s.kind != kind || s.outline.size() < 2)
                continue;
            for (int side : {1, -1}) {
                if (side < 0 && !m_fullSection)
                    break;
                QPolygonF poly;
                for (const QPointF& q : s.outline)
                    poly << toScreen({q.x(), side * q.y()});
                p.setPen(QPen(edge, 1));
                p.setBrush(fill);
                p.drawPolygon(poly);
                if (kind == StockKind::Jaw) {
                    p.setBrush(QBrush(c.background, Qt::BDiagPattern));
                    p.drawPolygon(poly);
                }
            }
        }
    };
    draw(StockKind::Blank, c.blank, c.blankEdge);
    draw(StockKind::Bore, c.bore, c.blankEdge);
    draw(StockKind::Jaw, c.jaw, c.jaw.darker(140));
    draw(StockKind::Tailstock, c.tailstock, c.tailstock.darker(140));
    p.setBrush(Qt::NoBrush);
}

void PathCanvas::paintPath(QPainter& p, const Colours& c) const
{
    const QRectF world = visibleWorld();
    const double reach = 8 / m_scale; // marks reach past their point
    std::map<std::pair<int, int>, QList<QLineF>> strokes; // (kind, tool) -> segments
    QList<std::pair<int, QPolygonF>> regions, marks;
    qsizetype segments = 0;
    for (qsizetype i = 0; i < m_result.elements.size(); ++i) {
        const path::PathElement& e = m_result.elements[i];
        for (int side : {1, -1}) {
            if (side < 0 && !m_fullSection)
                break;
            const QRectF b = side > 0 ? m_bounds[i] : mirrored(m_bounds[i]);
            if (!overlaps(b.adjusted(-reach, -reach, reach, reach), world))
                continue;
            QPolygonF screen;
            screen.reserve(e.points.size());
            for (const QPointF& q : e.points) {
                const QPointF s = toScreen({q.x(), side * q.y()});
                // Level of detail: what moves less than a pixel joins the next point.
                if (!screen.isEmpty() && std::abs(s.x() - screen.last().x()) < kDetail
                    && std::abs(s.y() - screen.last().y()) < kDetail)
                    continue;
                screen << s;
            }
            if (e.points.size() > 1 && screen.size() == 1)
                continue; // smaller than a pixel
            if (e.kind == MoveKind::RotatingTool)
                marks.append({e.tool, screen});
            if (e.kind == MoveKind::Region) {
                regions.append({e.tool, screen});
                continue;
            }
            QList<QLineF>& into = strokes[{int(e.kind), e.tool}];
            for (qsizetype k = 1; k < screen.size(); ++k) {
                into.append(QLineF(screen[k - 1], screen[k]));
            }
            segments += screen.size();
        }
    }
    p.setRenderHint(QPainter::Antialiasing, segments < kSmoothLimit);

    // What a cycle removes, under the moves.
    for (const auto& [tool, poly] : regions) {
        QColor fill = toolColour(tool);
        fill.setAlpha(c.dark ? 70 : 55);
        p.setBrush(fill);
        p.setPen(QPen(toolColour(tool), 1, Qt::DotLine));
        p.drawPolygon(poly);
    }
    p.setBrush(Qt::NoBrush);
    for (const auto& [key, lines] : strokes) {
        const auto kind = MoveKind(key.first);
        QPen pen(kind == MoveKind::Rapid ? c.rapid : toolColour(key.second));
        pen.setCosmetic(true);
        pen.setWidthF(kind == MoveKind::Contour ? 2.2 : 1.3);
        if (kind == MoveKind::Rapid)
            pen.setDashPattern({5, 4});
        p.setPen(pen);
        p.drawLines(lines);
    }
    // Rotating-tool work: a circle with a cross at each position.
    const double r = std::max(3.0, fontMetrics().height() * 0.3);
    for (const auto& [tool, poly] : marks) {
        p.setPen(QPen(toolColour(tool), 1.3));
        for (const QPointF& at : poly) {
            p.drawEllipse(at, r, r);
            p.drawLine(at - QPointF(r * 1.4, 0), at + QPointF(r * 1.4, 0));
            p.drawLine(at - QPointF(0, r * 1.4), at + QPointF(0, r * 1.4));
        }
    }
    paintHighlight(p, c, r);
}

void PathCanvas::paintHighlight(QPainter& p, const Colours& c, double markRadius) const
{
    // The caret's line glows over everything, drawn point by point however small it is; a
    // move shorter than a mark gets a ring around it so that it can be found.
    QColor glow = c.highlight;
    glow.setAlpha(150);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(glow, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (qsizetype i : m_byLine.value(m_highlight)) {
        const path::PathElement& e = m_result.elements[i];
        for (int side : {1, -1}) {
            if (side < 0 && !m_fullSection)
                break;
            QPolygonF poly;
            for (const QPointF& q : e.points)
                poly << toScreen({q.x(), side * q.y()});
            if (poly.isEmpty())
                continue;
            const QRectF extent = poly.boundingRect();
            if (e.kind == MoveKind::Region)
                p.drawPolygon(poly);
            else if (poly.size() > 1)
                p.drawPolyline(poly);
            if (extent.width() < 2 * markRadius && extent.height() < 2 * markRadius)
                p.drawEllipse(extent.center(), markRadius * 1.8, markRadius * 1.8);
        }
    }
}

void PathCanvas::paintScale(QPainter& p, const Colours& c) const
{
    const double step = gridStep();
    const double length = step * m_scale;
    const QFontMetricsF fm(font());
    const QString label = number(step) + QStringLiteral(" mm");
    const double right = width() - fm.height() * 0.8;
    const double y = height() - fm.height() * 2.2; // above the Z numbers of the grid
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(c.text, 1));
    p.drawLine(QPointF(right - length, y), QPointF(right, y));
    p.drawLine(QPointF(right - length, y - 4), QPointF(right - length, y + 4));
    p.drawLine(QPointF(right, y - 4), QPointF(right, y + 4));
    p.setFont(font());
    p.drawText(QPointF(right - length / 2 - fm.horizontalAdvance(label) / 2, y - 5), label);
}

void PathCanvas::paintLegend(QPainter& p, const Colours& c) const
{
    if (m_result.tools.isEmpty() && m_result.elements.isEmpty())
        return;
    const QFontMetricsF fm(font());
    const double row = fm.height() * 1.15;
    const double sample = fm.height() * 1.6;
    // As many tools as the picture has room for, then the rapid moves.
    const int room = std::max(1, int((height() - fm.height() * 4) / row) - 1);
    QStringList names;
    for (const path::ToolTotals& t : m_result.tools)
        names << (names.size() + 1 == room && m_result.tools.size() > room ? QStringLiteral("...")
                                                                           : t.name);
    names = names.mid(0, room);
    names << QStringLiteral("G00");
    double text = 0;
    for (const QString& n : names)
        text = std::max(text, fm.horizontalAdvance(n));
    const double pad = fm.height() * 0.4;
    const QRectF box(width() - text - sample - 3 * pad - fm.height() * 0.6, fm.height() * 0.6,
        text + sample + 3 * pad, names.size() * row + 2 * pad);
    QColor back = c.background;
    back.setAlpha(215);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(c.grid.darker(c.dark ? 60 : 115), 0));
    p.setBrush(back);
    p.drawRect(box);
    p.setBrush(Qt::NoBrush);
    p.setFont(font());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const double y = box.top() + pad + row * (double(i) + 0.5);
        const bool rapid = i == names.size() - 1;
        if (names[i] == u"...") {
            p.setPen(c.text);
            p.drawText(
                QPointF(box.left() + 2 * pad + sample, y + fm.ascent() / 2 - fm.descent() / 2),
                names[i]);
            continue;
        }
        QPen pen(rapid ? c.rapid : toolColour(int(i)), rapid ? 1.3 : 2.2);
        if (rapid)
            pen.setDashPattern({5, 4});
        p.setPen(pen);
        p.drawLine(QPointF(box.left() + pad, y), QPointF(box.left() + pad + sample, y));
        p.setPen(c.text);
        p.drawText(QPointF(box.left() + 2 * pad + sample, y + fm.ascent() / 2 - fm.descent() / 2),
            names[i]);
    }
}

void PathCanvas::zoomAt(const QPointF& at, double factor)
{
    const QPointF world = toWorld(at);
    m_scale = std::clamp(m_scale * factor, 1e-4, 1e4);
    m_origin = QPointF(at.x() - world.x() * m_scale, at.y() + world.y() * m_scale);
    m_fitted = false;
    update();
}

void PathCanvas::zoom(double factor)
{
    zoomAt(QPointF(width() / 2.0, height() / 2.0), factor);
}

void PathCanvas::wheelEvent(QWheelEvent* e)
{
    zoomAt(e->position(), std::pow(1.0015, e->angleDelta().y()));
    e->accept();
}

bool PathCanvas::event(QEvent* e)
{
    if (e->type() != QEvent::ToolTip)
        return QWidget::event(e);
    const auto* help = static_cast<QHelpEvent*>(e);
    const int line = lineAt(help->pos());
    QString tip;
    for (const path::PathElement& el : m_result.elements) {
        if (line < 0 || el.line != line)
            continue;
        tip = QStringLiteral("Line %1").arg(line + 1);
        if (el.tool >= 0 && el.tool < m_result.tools.size())
            tip += QStringLiteral(" (%1)").arg(m_result.tools[el.tool].name);
        break;
    }
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

void PathCanvas::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(e);
    m_pressed = true;
    m_dragged = false;
    m_pressAt = e->position();
    m_originAtPress = m_origin;
}

void PathCanvas::mouseMoveEvent(QMouseEvent* e)
{
    if (!m_pressed)
        return;
    const QPointF moved = e->position() - m_pressAt;
    if (!m_dragged && moved.manhattanLength() < 4)
        return;
    if (!m_dragged)
        setCursor(Qt::ClosedHandCursor);
    m_dragged = true;
    m_fitted = false;
    m_origin = m_originAtPress + moved;
    update();
}

void PathCanvas::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !m_pressed)
        return QWidget::mouseReleaseEvent(e);
    m_pressed = false;
    if (m_dragged) {
        setCursor(Qt::CrossCursor);
        return;
    }
    const int line = lineAt(e->position());
    if (line >= 0)
        emit lineClicked(line);
}

void PathCanvas::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Home)
        fitAll();
    else if (e->key() == Qt::Key_Plus || e->key() == Qt::Key_Equal)
        zoom(1.25);
    else if (e->key() == Qt::Key_Minus)
        zoom(0.8);
    else
        QWidget::keyPressEvent(e);
}

void PathCanvas::resizeEvent(QResizeEvent* e)
{
    if (m_fitPending || m_fitted) {
        fitTo(m_fitWork); // a picture not zoomed or panned since it was fitted stays fitted
    } else {
        // The middle of the picture stays in the middle.
        m_origin += QPointF(e->size().width() - e->oldSize().width(),
                        e->size().height() - e->oldSize().height())
            / 2;
    }
    QWidget::resizeEvent(e);
}
