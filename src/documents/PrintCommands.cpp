#include "documents/PrintCommands.h"

#include "app/Shell.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"
#include "documents/PrintDocument.h"
#include "documents/PrintSetting.h"
#include "documents/ProgramFont.h"
#include "documents/frmDocument.h"

#include <QAction>

PrintCommands::PrintCommands(Shell* shell)
    : QObject(shell->mainWindow())
    , m_shell(shell)
{ }

void PrintCommands::connectTo(Shell* shell)
{
    ConnectCommands(shell, this,
        {{"mnuFilePrinterSetup", &PrintCommands::mnuFilePrinterSetup_Click},
            {"mnuFilePrint", &PrintCommands::mnuFilePrint_Click},
            {"mnuFileFont", &PrintCommands::mnuFileFont_Click}});
}

void PrintCommands::mnuFilePrinterSetup_Click()
{
    PrintSetting dialog(m_shell->mainWindow());
    dialog.exec();
}

void PrintCommands::mnuFilePrint_Click()
{
    module1().gActiveDoc = m_shell->activeDocument();
    PrintDocument();
}

void PrintCommands::mnuFileFont_Click()
{
    Module1& m = module1();
    const std::optional<QFont> font
        = ChooseFont(m_shell->mainWindow(), m.gScreenFontName, m.gScreenFontSize);
    if (!font)
        return;
    // Every open program shows the new font at once; new ones get its name and size.
    for (frmDocument* doc : m_shell->documents())
        doc->txtText()->setScreenFont(*font);
}
