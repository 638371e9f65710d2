#pragma once

#include <QObject>
#include <QPointer>

class Shell;
class RPM;
class frmLineAngle;
class frmLineRLine;

// The calculators of the Tool and Point calculation menus. Each calculator writes into the
// document that was active when it was opened.
class CalcCommands : public QObject
{
    Q_OBJECT

public:
    explicit CalcCommands(Shell* shell);
    void connectTo(Shell* shell);

    void mnuToolsrpm_Click();
    void mnuToolsCalculator_Click();
    void LineAngle_Click();
    void LineCircleLine_Click();

private:
    // Opens the calculator, or brings the open one to the front, for the active document.
    template<typename Form> void openFor(QPointer<Form>& form);

    Shell* m_shell;
    QPointer<RPM> m_rpm;
    QPointer<frmLineAngle> m_lineAngle;
    QPointer<frmLineRLine> m_lineRLine;
};
