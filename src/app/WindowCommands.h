#pragma once

#include <QObject>

class frmMain;

// The Display menu: tool bar and status bar switches and the arrangement of the document
// windows, which stays in force as windows come and go and as the main window is resized.
class WindowCommands : public QObject
{
    Q_OBJECT

public:
    explicit WindowCommands(frmMain* main);
    void connectTo(frmMain* main);

    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
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

    frmMain* m_main;
};
