#pragma once

#include <QObject>

class Shell;

// The Insert menu: the fixed comment of the program folder, a sub-program file and the date.
class InsertCommands : public QObject
{
    Q_OBJECT

public:
    InsertCommands(Shell* shell, QObject* parent);
    void connectTo(Shell* shell);

    void mnuInsertComment_Click();
    void mnuInsertFile_Click();
    void mnuInsertDate_Click();

private:
    Shell* m_shell;
};
