#include "process/UgcSketch.h"

#include <QPainter>
#include <QtMath>

namespace {
// The user scale of the drawing: 480 wide, 240 high, y downwards, the axis at y = 200.
constexpr double kScaleWidth = 480;
constexpr double kScaleHeight = 240;

void drawArrowHead(QPainter& p, const QPointF& tip, const QPointF& from)
{
    const QLineF back(tip, from);
    if (back.length() < 1)
        return;
    const double size = 6;
    const double angle = qDegreesToRadians(back.angle());
    for (double side : {-0.4, 0.4}) {
        const QPointF end
            = tip + QPointF(std::cos(angle + side) * size, -std::sin(angle + side) * size);
        p.drawLine(tip, end);
    }
}
} // namespace

SketchLine::SketchLine(QWidget* sketch, const QString& name, const QLineF& line, Kind kind)
    : QObject(sketch)
    , m_sketch(sketch)
    , m_line(line)
    , m_kind(kind)
    , m_color(sketch->palette().color(QPalette::WindowText))
{
    setObjectName(name);
}

void SketchLine::setBorderWidth(int width)
{
    m_width = width;
    m_sketch->update();
}

void SketchLine::setBorderColor(const QColor& color)
{
    m_color = color;
    m_sketch->update();
}

void SketchLine::setVisible(bool visible)
{
    m_visible = visible;
    m_sketch->update();
}

UgcSketch::UgcSketch(QWidget* parent)
    : QWidget(parent)
{
    struct Definition
    {
        int number;
        QLineF line;
        SketchLine::Kind kind;
    };
    const Definition lines[] = {
        {1, {0, 200, 470, 200}, SketchLine::CentreLine}, // spindle axis
        {2, {300, 130, 300, 200}, SketchLine::Dimension}, // blank outside diameter
        {3, {55, 20, 330, 20}, SketchLine::Dimension}, // blank length
        {4, {55, 130, 330, 130}, SketchLine::Outline}, // blank outside
        {5, {220, 170, 330, 170}, SketchLine::Hidden}, // bore
        {6, {50, 80, 100, 80}, SketchLine::Dimension}, // jaw length
        {7, {100, 45, 330, 45}, SketchLine::Dimension}, // jaw plan
        {8, {50, 95, 100, 95}, SketchLine::Outline}, // jaw top
        {9, {100, 95, 100, 130}, SketchLine::Outline}, // jaw face
        {10, {440, 180, 440, 200}, SketchLine::Outline}, // tailstock quill end
        {11, {330, 130, 330, 200}, SketchLine::Outline}, // blank face
        {12, {50, 130, 100, 130}, SketchLine::Outline}, // jaw gripping face
        {13, {330, 225, 440, 225}, SketchLine::Dimension}, // centre length
        {14, {55, 130, 55, 200}, SketchLine::Outline}, // blank back end
        {15, {315, 200, 345, 180}, SketchLine::Outline}, // centre point
        {16, {345, 180, 440, 180}, SketchLine::Outline}, // tailstock quill
        {17, {400, 180, 400, 200}, SketchLine::Dimension}, // centre diameter
        {18, {330, 8, 330, 125}, SketchLine::CentreLine}, // program zero
        {19, {315, 170, 315, 200}, SketchLine::Dimension}, // bore or centre hole diameter
    };
    for (const Definition& d : lines)
        new SketchLine(this, QStringLiteral("Line%1").arg(d.number), d.line, d.kind);
    new SketchShape(this, QStringLiteral("Shape1"), QRectF(10, 40, 40, 160));
    for (int number : {10, 13, 15, 16, 17})
        line(number)->setVisible(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

SketchLine* UgcSketch::line(int number) const
{
    return findChild<SketchLine*>(QStringLiteral("Line%1").arg(number), Qt::FindDirectChildrenOnly);
}

QSize UgcSketch::sizeHint() const
{
    return QSize(480, 240);
}

QSize UgcSketch::minimumSizeHint() const
{
    return QSize(320, 160);
}

void UgcSketch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Base));
    const double scale = std::min(width() / kScaleWidth, height() / kScaleHeight);
    const QPointF origin(
        (width() - kScaleWidth * scale) / 2, (height() - kScaleHeight * scale) / 2);
    const auto map = [&](const QPointF& point) { return origin + point * scale; };

    const QRectF chuck = findChild<SketchShape*>(QStringLiteral("Shape1"))->rect();
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.setBrush(palette().color(QPalette::Mid));
    p.drawRect(QRectF(map(chuck.topLeft()), map(chuck.bottomRight())));
    p.setBrush(Qt::NoBrush);

    for (const SketchLine* l : findChildren<SketchLine*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!l->isVisible())
            continue;
        QPen pen(l->borderColor(), l->borderWidth());
        if (l->kind() == SketchLine::Hidden)
            pen.setStyle(Qt::DashLine);
        else if (l->kind() == SketchLine::CentreLine)
            pen.setStyle(Qt::DashDotLine);
        p.setPen(pen);
        const QPointF a = map(l->line().p1());
        const QPointF b = map(l->line().p2());
        p.drawLine(a, b);
        if (l->kind() == SketchLine::Dimension) {
            p.setPen(QPen(l->borderColor(), l->borderWidth()));
            drawArrowHead(p, a, b);
            drawArrowHead(p, b, a);
        }
    }
}
