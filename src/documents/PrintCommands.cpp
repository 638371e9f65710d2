#include "documents/PrintCommands.h"

#include "app/frmMain.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"
#include "documents/PrintDocument.h"
#include "documents/PrintSetting.h"
#include "documents/ProgramFont.h"

#include <QAction>

PrintCommands::PrintCommands(frmMain* main)
    : QObject(main)
    , m_main(main)
{ }

void PrintCommands::connectTo(frmMain* main)
{
    const auto on = [main, this](const char* name, void (PrintCommands::*slot)()) {
        connect(main->action(QString::fromLatin1(name)), &QAction::triggered, this, slot);
    };
    on("mnuFilePrinterSetup", &PrintCommands::mnuFilePrinterSetup_Click);
    on("mnuFilePrint", &PrintCommands::mnuFilePrint_Click);
    on("mnuFileFont", &PrintCommands::mnuFileFont_Click);
}

void PrintCommands::mnuFilePrinterSetup_Click()
{
    PrintSetting dialog(m_main);
    dialog.exec();
}

void PrintCommands::mnuFilePrint_Click()
{
    module1().gActiveDoc = m_main->activeDocument();
    PrintDocument();
}

void PrintCommands::mnuFileFont_Click()
{
    Module1& m = module1();
    const std::optional<QFont> font = ChooseFont(m_main, m.gScreenFontName, m.gScreenFontSize);
    if (!font)
        return;
    // Every open program shows the new font at once; new ones get its name and size.
    for (frmDocument* doc : m_main->documents())
        doc->txtText()->setScreenFont(*font);
}
