#pragma once

#include "pathview/core/PathModel.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QRectF>
#include <QWidget>

// The drawing of a lathe program's tool path (objectName "picPath"): the XZ plane with Z across
// (the chuck on the left) and the radius up, or as a full section mirrored below the centre line.
// The wheel (or + and -) zooms at the mouse, a drag pans, Home fits the whole path, the part
// button the stock and the cuts; a click on a
// drawn element reports its program line, and its tool tip names the line and the tool.
class PathCanvas : public QWidget
{
    Q_OBJECT

public:
    explicit PathCanvas(QWidget* parent = nullptr);

    // Shows a new reading; fitted to the view when asked, else the view stays where it is.
    void setResult(path::PathResult result, bool fit);
    const path::PathResult& result() const { return m_result; }
    void clear();

    void setFullSection(bool on);
    bool fullSection() const { return m_fullSection; }
    // The elements of that 0-based line are drawn highlighted; -1 for none.
    void setHighlightLine(int line);
    int highlightLine() const { return m_highlight; }
    // Frames the whole path, rapids to the home position included (Home).
    void fitAll();
    // Frames the stock and the cutting moves, so the part fills the picture; the first fit of a
    // new picture does this.
    void fitWork();
    // Zooms by the factor about the middle of the picture.
    void zoom(double factor);

    // The colour a tool's moves are drawn in, for the legend and the totals.
    QColor toolColour(int tool) const;
    // Where a point of the plane (Z, radius) is on the widget.
    QPointF toScreen(const QPointF& world) const;
    // The line of the element nearest to that widget position within a few pixels; -1 for none.
    int lineAt(const QPointF& pos) const;

signals:
    void lineClicked(int line);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void fitTo(bool work);
    struct Colours;
    Colours colours() const;
    QPointF toWorld(const QPointF& screen) const;
    void zoomAt(const QPointF& at, double factor);
    QRectF visibleWorld() const;
    void paintGrid(QPainter& p, const Colours& c) const;
    void paintStock(QPainter& p, const Colours& c) const;
    void paintPath(QPainter& p, const Colours& c) const;
    void paintHighlight(QPainter& p, const Colours& c, double markRadius) const;
    void paintLegend(QPainter& p, const Colours& c) const;
    void paintScale(QPainter& p, const Colours& c) const;
    double gridStep() const;

    path::PathResult m_result;
    QList<QRectF> m_bounds; // each element's extent in the plane, for culling and clicks
    QRectF m_extent; // everything drawn
    QRectF m_work; // the stock and the cutting moves: everything but the rapids
    bool m_fitWork = true; // what a fit frames: the work (Fit part) or the whole path (Fit, Home)
    QHash<int, QList<qsizetype>> m_byLine; // the elements of each line
    bool m_fullSection = false;
    int m_highlight = -1;
    double m_scale = 1; // pixels per mm
    QPointF m_origin; // widget position of Z0 on the centre line
    bool m_fitPending = true;
    bool m_fitted = false; // neither zoomed nor panned since the last fit
    QPointF m_pressAt;
    QPointF m_originAtPress;
    bool m_dragged = false;
    bool m_pressed = false;
};
