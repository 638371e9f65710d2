#include "texttools/frmReplace.h"
#include "ui_frmReplace.h"

#include "texttools/SearchSteps.h"

frmReplace::frmReplace(QWidget* parent)
    : ReplaceFlow(parent)
    , ui(std::make_unique<Ui::frmReplace>())
{
    ui->setupUi(this);
    setUp({ui->txtFind, ui->txtReplace, ui->Check1, ui->NextFind, ui->Change, ui->AllChange,
              ui->Cancel},
        {QStringLiteral("Replace"), QStringLiteral(" times replaced."),
            QStringLiteral(" not find.")},
        {QStringLiteral("Character列Change"), QStringLiteral(" Time Changeしました."),
            QStringLiteral(" 見つかりませんでした.")});
}

frmReplace::~frmReplace() = default;

void frmReplace::changeSelected(NcTextBox* box)
{
    ReplaceSelected(box);
}

bool frmReplace::changeAll(NcTextBox* box)
{
    ReplaceAllFromFindPos(box);
    return true;
}
