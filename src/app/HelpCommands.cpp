#include "app/HelpCommands.h"

#include "app/Platform.h"
#include "app/Shell.h"
#include "app/frmAbout.h"

#include <QAction>

HelpCommands::HelpCommands(Shell* shell)
    : QObject(shell->mainWindow())
    , m_shell(shell)
{ }

void HelpCommands::connectTo(Shell* shell)
{
    static const struct
    {
        const char* control;
        const char* file;
    } pages[] = {
        {"GcodeHelp", "/help/G-code.hlp"},
        {"McodeHelp", "/help/M-code.hlp"},
        {"VariableHelp", "/help/Variable.hlp"},
        {"MnemonicHelp", "/help/Mnemonic.hlp"},
        {"CorvaneHelp", "/help/Corvane.hlp"},
    };
    for (const auto& page : pages) {
        const QString file = QString::fromLatin1(page.file);
        connect(shell->action(QString::fromLatin1(page.control)), &QAction::triggered, this,
            [file] { ShowHelp(file); });
    }
    connect(shell->action(QStringLiteral("mnuHelpAbout")), &QAction::triggered, this,
        &HelpCommands::mnuHelpAbout_Click);
}

void HelpCommands::mnuHelpAbout_Click()
{
    frmAbout about(m_shell->mainWindow());
    about.exec();
}
