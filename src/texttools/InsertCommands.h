#pragma once

#include <QObject>

class frmMain;

// The Insert menu: the fixed comment of the program folder, a sub-program file and the date.
class InsertCommands : public QObject
{
    Q_OBJECT

public:
    InsertCommands(frmMain* main, QObject* parent);
    void connectTo(frmMain* main);

    void mnuInsertComment_Click();
    void mnuInsertFile_Click();
    void mnuInsertDate_Click();

private:
    frmMain* m_main;
};
