#include "texttools/ReplaceFlow.h"

#include "app/Messages.h"
#include "common/Module1.h"
#include "texttools/SearchSteps.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

ReplaceFlow::ReplaceFlow(QWidget* parent)
    : QDialog(parent)
{
    // Unloaded when closed in any way: the next opening starts afresh.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void ReplaceFlow::setUp(
    const Controls& controls, const EndMessage& skipOrAll, const EndMessage& change)
{
    m_controls = controls;
    m_skipOrAllEnd = skipOrAll;
    m_changeEnd = change;
    controls.find->setMinimumWidth(controls.find->fontMetrics().averageCharWidth() * 32);
    for (QPushButton* button :
        {controls.skip, controls.change, controls.allChange, controls.cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(controls.find, &QLineEdit::textChanged, this, &ReplaceFlow::boxes_Change);
    connect(controls.second, &QLineEdit::textChanged, this, &ReplaceFlow::boxes_Change);
    connect(controls.skip, &QPushButton::clicked, this, &ReplaceFlow::NextFind_Click);
    connect(controls.change, &QPushButton::clicked, this, &ReplaceFlow::Change_Click);
    connect(controls.allChange, &QPushButton::clicked, this, &ReplaceFlow::AllChange_Click);
    connect(controls.cancel, &QPushButton::clicked, this, &ReplaceFlow::Cancel_Click);

    module1().gFirstChange = true;
    for (QPushButton* button : {controls.skip, controls.change, controls.allChange})
        button->setEnabled(false);
}

void ReplaceFlow::boxes_Change()
{
    // Both boxes must hold text: replacing by nothing is not offered.
    const bool ready = !m_controls.find->text().isEmpty() && !m_controls.second->text().isEmpty();
    for (QPushButton* button : {m_controls.skip, m_controls.change, m_controls.allChange})
        button->setEnabled(ready);
    m_controls.change->setDefault(ready);
    Module1& m = module1();
    m.gFindText = m_controls.find->text();
    m.gReplaceText = m_controls.second->text();
    m.gChangeCount = 0;
    ForgetMatches(m_target, m.gFindText);
}

NcTextBox* ReplaceFlow::beginStep()
{
    NcTextBox* box = TargetText(m_target);
    if (!box)
        return nullptr;
    if (m_controls.fromTop->isChecked()) {
        module1().gFindPos = 0;
        m_controls.fromTop->setChecked(false);
    }
    return box;
}

void ReplaceFlow::endSequence(const EndMessage& message)
{
    Module1& m = module1();
    const QString text = m.gChangeCount != 0
        ? QString::number(m.gChangeCount) + message.countText
        : QLatin1Char('"') + m.gFindText + QLatin1Char('"') + message.notFoundText;
    ShowMessage(text, QMessageBox::NoIcon, QMessageBox::Ok, message.title);
    m.gFirstChange = true;
    m.gChangeCount = 0;
}

void ReplaceFlow::NextFind_Click()
{
    NcTextBox* box = beginStep();
    if (box && !SearchStep(box, [box] { return FindNext(box); }))
        endSequence(m_skipOrAllEnd);
}

void ReplaceFlow::Change_Click()
{
    NcTextBox* box = beginStep();
    if (!box)
        return;
    const bool found = SearchStep(box, [this, box] {
        Module1& m = module1();
        // The first press of a sequence only finds; each later press changes what the press
        // before found.
        if (m.gFirstChange)
            m.gFirstChange = false;
        else
            changeSelected(box);
        return FindNext(box);
    });
    if (!found)
        endSequence(m_changeEnd);
}

void ReplaceFlow::AllChange_Click()
{
    NcTextBox* box = beginStep();
    if (box && SearchStep(box, [this, box] { return changeAll(box); }))
        endSequence(m_skipOrAllEnd);
}

void ReplaceFlow::Cancel_Click()
{
    reject();
}
