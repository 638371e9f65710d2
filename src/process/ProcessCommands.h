#pragma once

#include <QObject>

class QWidget;
class Shell;
struct ProcessItem;

// The Process menu: the generators with their common run, the material input with the program
// frame, the machine parameters and the ATC ready-request items.
class ProcessCommands : public QObject
{
    Q_OBJECT

public:
    explicit ProcessCommands(Shell* shell);
    void connectTo(Shell* shell);

    // The common run of a generator: dialog set-up, pre-fill, the dialog, and after OK the block
    // built from the shared state and inserted at the caret (a sub-program: its call at the caret,
    // the sub-program at the end). A run-time error anywhere shows its one message and inserts
    // nothing.
    void RunGenerator(const ProcessItem& generator);

    void ProcessUGC_Click();
    void ProcessSetup_Click();
    void ProcessMT1_Click();
    void ProcessMT3_Click();

    // The items that only an ATC multi-tasking machine has, shown or hidden by gDuomill.
    void ShowDuomillItems();

private:
    Shell* m_shell;
};

// Loads the machine parameters dialog into the main window at start-up, laid out for the machine
// type.
void LoadProcessSetup(QWidget* mainWindow);
