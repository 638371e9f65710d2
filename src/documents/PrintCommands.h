#pragma once

#include <QObject>

class frmMain;

// The File menu's print settings, print and screen font commands.
class PrintCommands : public QObject
{
    Q_OBJECT

public:
    explicit PrintCommands(frmMain* main);
    void connectTo(frmMain* main);

    void mnuFilePrinterSetup_Click();
    void mnuFilePrint_Click();
    void mnuFileFont_Click();

private:
    frmMain* m_main;
};
