#pragma once

#include "pathview/core/PathModel.h"

#include <QDockWidget>
#include <QMetaObject>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

#include <memory>

class Shell;
class NcTextBox;
class PathCanvas;
class QCheckBox;
class QDoubleSpinBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTreeWidget;

// The path view (objectName "PathView"): a dock beside the documents that draws the active
// program's tool path and its cycle time. Display -> Path view shows and hides it. The drawing
// and the text are one: a click on the path puts the caret on the line, the caret's line is lit
// in the drawing, and the drawing follows the text once typing pauses, read in a worker thread.
class PathView : public QDockWidget
{
    Q_OBJECT

public:
    explicit PathView(Shell* shell);
    ~PathView() override;

    // Takes the menu item, the stored visibility and the settings.
    void connectTo(Shell* shell);

    // Shows the document that is now active.
    void followActiveDocument();

    PathCanvas* canvas() const { return m_canvas; }
    // Counts finished readings, for whoever waits for the drawing to catch up.
    int readings() const { return m_readings; }
    // Whether a reading waits for typing to pause or is under way.
    bool reading() const { return m_pause.isActive() || m_run; }

    void mnuViewPathView_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    struct Run
    {
        std::atomic<bool> cancel {false};
    };

    void read(bool fit);
    void showResult(int serial, path::PathResult result, bool fit);
    void showTotals();
    void showLine(int line);
    void caretMoved();
    void settingsChanged();
    void notDrawnChosen(QListWidgetItem* item);

    Shell* m_shell;
    PathCanvas* m_canvas;
    QPushButton* m_fit;
    QCheckBox* m_section;
    QTreeWidget* m_totals;
    QPushButton* m_notDrawnButton;
    QListWidget* m_notDrawn;
    QDoubleSpinBox* m_rapidRate;
    QDoubleSpinBox* m_toolChange;
    QTimer m_pause; // typing pauses: read again
    QThreadPool m_workers;
    std::shared_ptr<Run> m_run; // the reading under way
    int m_serial = 0;
    int m_readings = 0;
    bool m_sized = false; // given its share of the main window when first shown
    bool m_stale = true; // the text changed while the view was hidden
    QPointer<NcTextBox> m_text;
    QList<QMetaObject::Connection> m_followed;
};
