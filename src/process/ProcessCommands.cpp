#include "process/ProcessCommands.h"

#include "app/Messages.h"
#include "app/Shell.h"
#include "common/Module1.h"
#include "common/RuntimeError.h"
#include "documents/NcTextBox.h"
#include "documents/frmDocument.h"
#include "process/core/CutConditions.h"
#include "process/core/ProcessBlock.h"
#include "process/core/ProgramFrame.h"
#include "process/frmProcess.h"
#include "process/frmProcessSetup.h"
#include "process/frmUGC.h"
#include "process/generators/FieldRules.h"
#include "process/generators/ProcessMenu.h"
#include "texttools/InsertAtCaret.h"

#include <QAction>

#include <utility>

namespace {
frmProcessSetup* loadedProcessSetup(QWidget* mainWindow)
{
    return mainWindow->findChild<frmProcessSetup*>(
        QStringLiteral("frmProcessSetup"), Qt::FindDirectChildrenOnly);
}
} // namespace

void LoadProcessSetup(QWidget* mainWindow)
{
    auto* setup = loadedProcessSetup(mainWindow);
    if (!setup)
        setup = new frmProcessSetup(module1(), mainWindow);
    setup->applyDuomillLayout(module1().gDuomill.toBool());
}

ProcessCommands::ProcessCommands(Shell* shell)
    : QObject(shell->mainWindow())
    , m_shell(shell)
{ }

void ProcessCommands::connectTo(Shell* shell)
{
    ConnectCommands(shell, this,
        {{"ProcessUGC", &ProcessCommands::ProcessUGC_Click},
            {"ProcessSetup", &ProcessCommands::ProcessSetup_Click},
            {"ProcessMT1", &ProcessCommands::ProcessMT1_Click},
            {"ProcessMT3", &ProcessCommands::ProcessMT3_Click}});
    for (const ProcessItem& item : ProcessItems()) {
        if (item.kind == ProcessItem::Generator && item.available())
            connect(shell->action(QLatin1String(item.control)), &QAction::triggered, this,
                [this, &item] { RunGenerator(item); });
    }
}

void ProcessCommands::RunGenerator(const ProcessItem& generator)
{
    Module1& m = module1();
    RunReportingErrors([&] {
        if (generator.setUp) {
            const DialogSetup setUp = generator.setUp(m);
            {
                // Unloaded when closed: every run starts from the designer state.
                frmProcess dialog(m, m_shell->mainWindow());
                dialog.applySetUp(setUp, false);
                dialog.FillProcessDialog(generator.row);
                dialog.applySetUp(setUp, true);
                dialog.setFieldRules(ProcessFieldRules(QLatin1String(generator.control)));
                dialog.exec();
            }
            if (!m.gProcessOk)
                return;
        }
        // The whole text is built before the document changes, so a failure leaves it as it was.
        const QString call = generator.callLine ? generator.callLine(m) : QString();
        generator.build(m);
        if (generator.callLine)
            InsertAtCaretAndAppend(call, m.gProcessText);
        else
            InsertAtCaret(m.gProcessText);
    });
}

void ProcessCommands::ProcessUGC_Click()
{
    Module1& m = module1();
    RunReportingErrors([&] {
        LoadCuttingConditions(m);
        {
            frmUGC dialog(m, m_shell->mainWindow());
            dialog.exec();
        }
        if (!m.gProcessOk)
            return;
        const QString graphicData = m.gProcessText;
        const ProgramFrameText frame = BuildProgramFrame(m);
        frmDocument* doc = m_shell->activeDocument();
        if (!doc)
            throw RuntimeError(errNoDocument);
        NcTextBox* text = doc->txtText();
        // The frame and the material's lines are one change: one undo takes them back.
        text->beginUndoAction();
        InsertAtCaret(frame.start, doc);
        // The processes are entered between the start and the end of the program.
        const qint64 processes = text->SelStart();
        InsertAtCaret(frame.rest, doc);
        text->setSelStart(text->Text().size());
        InsertAtCaret(graphicData, doc);
        text->setSelStart(processes);
        text->endUndoAction();
    });
}

void ProcessCommands::ProcessSetup_Click()
{
    Module1& m = module1();
    frmProcessSetup* dialog = loadedProcessSetup(m_shell->mainWindow());
    if (!dialog)
        dialog = new frmProcessSetup(m, m_shell->mainWindow());
    dialog->loadValues();
    dialog->exec();
    delete dialog;
    ShowDuomillItems();
}

void ProcessCommands::ProcessMT1_Click()
{
    RunReportingErrors([] { InsertAtCaret(AtcRequestText(module1(), 1)); });
}

void ProcessCommands::ProcessMT3_Click()
{
    RunReportingErrors([] { InsertAtCaret(AtcRequestText(module1(), 3)); });
}

void ProcessCommands::ShowDuomillItems()
{
    const bool duomill = module1().gDuomill.toBool();
    for (const char* name : {"ProcessMT", "ProcessMDrillSlant", "ProcessMTapSlant",
             "ProcessMKeySlant", "ProcessMCircle", "ProcessMPlanetTap"})
        if (QAction* item = m_shell->action(QLatin1String(name)))
            item->setVisible(duomill);
}
