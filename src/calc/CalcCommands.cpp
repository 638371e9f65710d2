#include "calc/CalcCommands.h"

#include "app/Messages.h"
#include "app/Shell.h"
#include "calc/DesktopCalculator.h"
#include "calc/RPM.h"
#include "calc/frmLineAngle.h"
#include "calc/frmLineRLine.h"
#include "common/Module1.h"
#include "documents/frmDocument.h"

#include <QAction>

CalcCommands::CalcCommands(Shell* shell)
    : QObject(shell->mainWindow())
    , m_shell(shell)
{ }

void CalcCommands::connectTo(Shell* shell)
{
    ConnectCommands(shell, this,
        {{"mnuToolsrpm", &CalcCommands::mnuToolsrpm_Click},
            {"mnuToolsCalculator", &CalcCommands::mnuToolsCalculator_Click},
            {"LineAngle", &CalcCommands::LineAngle_Click},
            {"LineCircleLine", &CalcCommands::LineCircleLine_Click}});
}

template<typename Form> void CalcCommands::openFor(QPointer<Form>& form)
{
    module1().gActiveDoc = m_shell->activeDocument();
    if (!form)
        form = new Form(m_shell->mainWindow());
    form->setTarget(m_shell->activeDocument());
    form->show();
    form->raise();
    form->activateWindow();
}

void CalcCommands::mnuToolsrpm_Click()
{
    openFor(m_rpm);
}

void CalcCommands::LineAngle_Click()
{
    openFor(m_lineAngle);
}

void CalcCommands::LineCircleLine_Click()
{
    openFor(m_lineRLine);
}

void CalcCommands::mnuToolsCalculator_Click()
{
    if (!StartDesktopCalculator())
        ShowMessage(QStringLiteral("No calculator program found. Install one of these: ")
                + DesktopCalculators().join(QStringLiteral(", ")) + QLatin1Char('.'),
            QMessageBox::Information);
}
