#include "calc/LinePicture.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {
// A circle this many pixels across is beyond any drawing: its visible part is a straight line
// that the area's own lines already show.
constexpr double kLargestRadius = 1e6;
} // namespace

LinePicture::LinePicture(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
}

QColor LinePicture::colourValue(quint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void LinePicture::Cls(const QColor& back)
{
    m_back = back;
    m_shapes.clear();
    update();
}

void LinePicture::setScale(const PictureScale& scale)
{
    m_scale = scale;
    update();
}

void LinePicture::drawLine(const QLineF& user, const QColor& colour)
{
    m_shapes.append({Shape::Line, m_scale, user, QString(), colour});
    update();
}

void LinePicture::drawCircle(const QPointF& centre, double radius, const QColor& colour)
{
    m_shapes.append(
        {Shape::Circle, m_scale, QLineF(centre, QPointF(radius, 0)), QString(), colour});
    update();
}

void LinePicture::drawText(const QPointF& user, const QString& text, const QColor& colour)
{
    m_shapes.append({Shape::Text, m_scale, QLineF(user, user), text, colour});
    update();
}

void LinePicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_back);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(-2, -2, 2, 2);
    for (const Shape& s : m_shapes) {
        p.setPen(QPen(s.colour, 1));
        const QPointF p1 = ToPixels(s.scale, size(), s.line.p1());
        switch (s.kind) {
        case Shape::Line:
            if (const auto visible
                = ClipLine(QLineF(p1, ToPixels(s.scale, size(), s.line.p2())), area))
                p.drawLine(*visible);
            break;
        case Shape::Circle: {
            const double r = s.line.p2().x() * width() / s.scale.width;
            const QRectF bounds(p1.x() - r, p1.y() - r, 2 * r, 2 * r);
            if (std::isfinite(r) && r < kLargestRadius && bounds.intersects(area))
                p.drawEllipse(p1, r, r);
            break;
        }
        case Shape::Text:
            p.drawText(p1, s.text);
            break;
        }
    }
}

void LinePicture::mouseMoveEvent(QMouseEvent* e)
{
    // Taken here: the window around would take a move it receives as the mouse leaving the area.
    emit mouseMoved(ToUser(m_scale, size(), e->position()));
    e->accept();
}

void LinePicture::leaveEvent(QEvent* e)
{
    emit mouseLeft();
    QWidget::leaveEvent(e);
}

void LinePicture::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    emit gotFocus();
}
