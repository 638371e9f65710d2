#pragma once

#include <QObject>

class QMdiArea;
class QWidget;
class Shell;

// The Display menu: tool bar, status bar and colouring switches and the arrangement of the document
// windows, which stays in force as windows come and go and as the main window is resized.
class WindowCommands : public QObject
{
    Q_OBJECT

public:
    WindowCommands(Shell* shell, QMdiArea* area);
    // The switches show and hide the tool bar and the status bar.
    void connectTo(Shell* shell, QWidget* toolBar, QWidget* statusBar);

    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewColouring_Click();
    void mnuWindowCascade_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    void ArrangeWindows();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void check(const char* control);
    void cascade();
    void tile(bool horizontal);

    Shell* m_shell;
    QMdiArea* m_area;
    QWidget* m_toolBar = nullptr;
    QWidget* m_statusBar = nullptr;
};
