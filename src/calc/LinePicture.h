#pragma once

#include "calc/core/PictureGeometry.h"

#include <QColor>
#include <QList>
#include <QWidget>

// A drawing area with a user coordinate scale. What is drawn stays until the area is cleared,
// and is painted again whenever the window needs it.
class LinePicture : public QWidget
{
    Q_OBJECT

public:
    explicit LinePicture(QWidget* parent = nullptr);

    // Clears the drawing and sets the background.
    void Cls(const QColor& back);
    void setScale(const PictureScale& scale);
    const PictureScale& scale() const { return m_scale; }

    void drawLine(const QLineF& user, const QColor& colour);
    void drawCircle(const QPointF& centre, double radius, const QColor& colour);
    void drawText(const QPointF& user, const QString& text, const QColor& colour);

    // What has been drawn since the last Cls, for a look from outside.
    int shapeCount() const { return int(m_shapes.size()); }

    // A colour as the program's colour numbers write it: &HBBGGRR.
    static QColor colourValue(quint32 value);

signals:
    void mouseMoved(const QPointF& user);
    void mouseLeft();
    void gotFocus();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    // Shapes keep the scale they were drawn in, as on paper: a later scale does not move them.
    struct Shape
    {
        enum Kind { Line, Circle, Text } kind;
        PictureScale scale;
        QLineF line; // a line; a circle's centre in p1 and radius in p2.x; a text's place in p1
        QString text;
        QColor colour;
    };

    PictureScale m_scale;
    QColor m_back = Qt::white;
    QList<Shape> m_shapes;
};
