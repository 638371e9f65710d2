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

std::optional<QFont> ChooseFont(QWidget* parent, QString& family, int& pointSize)
{
    QFontDialog dialog(ProgramFont(family, pointSize), parent);
    dialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont font = dialog.selectedFont();
    family = font.family();
    // The settings keep whole points.
    pointSize = static_cast<int>(std::nearbyint(font.pointSizeF()));
    return font;
}
