#include "app/HelpCommands.h"

#include "app/Platform.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"

#include <QAction>

HelpCommands::HelpCommands(frmMain* main)
    : QObject(main)
    , m_main(main)
{ }

void HelpCommands::connectTo(frmMain* main)
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
        connect(main->action(QString::fromLatin1(page.control)), &QAction::triggered, this,
            [file] { ShowHelp(file); });
    }
    connect(main->action(QStringLiteral("mnuHelpAbout")), &QAction::triggered, this,
        &HelpCommands::mnuHelpAbout_Click);
}

void HelpCommands::mnuHelpAbout_Click()
{
    frmAbout about(m_main);
    about.exec();
}
