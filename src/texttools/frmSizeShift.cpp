#include "texttools/frmSizeShift.h"
#include "ui_frmSizeShift.h"

#include "texttools/SearchSteps.h"

#include <QKeyEvent>

frmSizeShift::frmSizeShift(QWidget* parent)
    : ReplaceFlow(parent)
    , ui(std::make_unique<Ui::frmSizeShift>())
{
    ui->setupUi(this);
    setUp({ui->txtFind, ui->txtValue, ui->Check1, ui->NextFind, ui->Change, ui->AllChange,
              ui->Cancel},
        {QStringLiteral("Size Shift"), QStringLiteral(" times size shifted."),
            QStringLiteral(" not find.")},
        {QStringLiteral("DataChange"), QStringLiteral(" Time DataをChangeしました."),
            QStringLiteral(" 見つかりません.")});
    ui->txtFind->installEventFilter(this);
    ui->txtValue->installEventFilter(this);
}

frmSizeShift::~frmSizeShift() = default;

void frmSizeShift::changeSelected(NcTextBox* box)
{
    // The calculation is read from its box at each change.
    ShiftSelected(box, ui->txtValue->text());
}

bool frmSizeShift::changeAll(NcTextBox* box)
{
    return ShiftAllFromFindPos(box, ui->txtValue->text());
}

bool frmSizeShift::eventFilter(QObject* watched, QEvent* e)
{
    // Enter walks from the letters to the calculation and on to "Change" (txtFind_KeyPress,
    // txtValue_KeyPress); every other key is typed as usual.
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == ui->txtFind) {
                ui->txtValue->setFocus();
                return true;
            }
            if (watched == ui->txtValue) {
                if (ui->txtFind->text().isEmpty() || ui->txtValue->text().isEmpty())
                    ui->txtFind->setFocus();
                else
                    ui->Change->setFocus();
                return true;
            }
        }
    }
    return ReplaceFlow::eventFilter(watched, e);
}
