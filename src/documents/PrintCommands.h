#pragma once

#include <QObject>

class Shell;

// The File menu's print settings, print and screen font commands.
class PrintCommands : public QObject
{
    Q_OBJECT

public:
    explicit PrintCommands(Shell* shell);
    void connectTo(Shell* shell);

    void mnuFilePrinterSetup_Click();
    void mnuFilePrint_Click();
    void mnuFileFont_Click();

private:
    Shell* m_shell;
};
