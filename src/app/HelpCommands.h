#pragma once

#include <QObject>

class frmMain;

// The Help menu: the reference pages and the About box.
class HelpCommands : public QObject
{
    Q_OBJECT

public:
    explicit HelpCommands(frmMain* main);
    void connectTo(frmMain* main);

    void mnuHelpAbout_Click();

private:
    frmMain* m_main;
};
