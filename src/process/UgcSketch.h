#pragma once

#include <QColor>
#include <QLineF>
#include <QWidget>

// One line of the material sketch (objectName Line1 ... Line19). Dimension lines carry arrow
// heads; the material input highlights the one of the box being typed into.
class SketchLine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(QColor BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)

public:
    enum Kind { Outline, Hidden, CentreLine, Dimension };
    SketchLine(QWidget* sketch, const QString& name, const QLineF& line, Kind kind);

    int borderWidth() const { return m_width; }
    void setBorderWidth(int width);
    QColor borderColor() const { return m_color; }
    void setBorderColor(const QColor& color);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

    QLineF line() const { return m_line; }
    Kind kind() const { return m_kind; }

private:
    QWidget* m_sketch;
    QLineF m_line;
    Kind m_kind;
    int m_width = 1;
    QColor m_color;
    bool m_visible = true;
};

// The chuck body of the sketch (objectName Shape1).
class SketchShape : public QObject
{
    Q_OBJECT

public:
    SketchShape(QObject* sketch, const QString& name, const QRectF& rect)
        : QObject(sketch)
        , m_rect(rect)
    {
        setObjectName(name);
    }
    QRectF rect() const { return m_rect; }

private:
    QRectF m_rect;
};

// The sketch of chuck, jaw, blank and tailstock centre in the material input, drawn on a fixed
// user scale that follows the widget's size.
class UgcSketch : public QWidget
{
    Q_OBJECT

public:
    explicit UgcSketch(QWidget* parent = nullptr);

    SketchLine* line(int number) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
};
