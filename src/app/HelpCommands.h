#pragma once

#include <QObject>

class Shell;

// The Help menu: the reference pages and the About box.
class HelpCommands : public QObject
{
    Q_OBJECT

public:
    explicit HelpCommands(Shell* shell);
    void connectTo(Shell* shell);

    void mnuHelpAbout_Click();

private:
    Shell* m_shell;
};
