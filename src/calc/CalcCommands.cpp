#include "calc/CalcCommands.h"

#include "app/Messages.h"
#include "app/frmMain.h"
#include "calc/DesktopCalculator.h"
#include "calc/RPM.h"
#include "calc/frmLineAngle.h"
#include "calc/frmLineRLine.h"
#include "common/Module1.h"

#include <QAction>

CalcCommands::CalcCommands(frmMain* main)
    : QObject(main)
    , m_main(main)
{ }

void CalcCommands::connectTo(frmMain* main)
{
    const auto on = [main, this](const char* name, void (CalcCommands::*slot)()) {
        connect(main->action(QString::fromLatin1(name)), &QAction::triggered, this, slot);
    };
    on("mnuToolsrpm", &CalcCommands::mnuToolsrpm_Click);
    on("mnuToolsCalculator", &CalcCommands::mnuToolsCalculator_Click);
    on("LineAngle", &CalcCommands::LineAngle_Click);
    on("LineCircleLine", &CalcCommands::LineCircleLine_Click);
}

template<typename Form> void CalcCommands::openFor(QPointer<Form>& form)
{
    module1().gActiveDoc = m_main->activeDocument();
    if (!form)
        form = new Form(m_main);
    form->setTarget(m_main->activeDocument());
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
