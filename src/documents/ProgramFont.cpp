#include "documents/ProgramFont.h"

#include <QFontDatabase>
#include <QFontDialog>

#include <cmath>

QFont ProgramFont(const QString& family, int pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        font.setFamily(family);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    return font;
}

int WholePoints(const QFont& font)
{
    return static_cast<int>(std::nearbyint(font.pointSizeF()));
}

bool ChooseFont(QWidget* parent, QFont& font)
{
    QFontDialog dialog(font, parent);
    dialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.selectedFont();
    return true;
}
