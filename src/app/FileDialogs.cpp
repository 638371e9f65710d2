#include "app/FileDialogs.h"

#include "app/core/FileFilter.h"

#include <QDir>
#include <QFileDialog>

namespace {
QString run(QFileDialog& dialog)
{
    const bool accepted = dialog.exec() == QDialog::Accepted;
    QDir::setCurrent(dialog.directory().absolutePath());
    const QStringList files = dialog.selectedFiles();
    return accepted && !files.isEmpty() ? files.first() : QString();
}
} // namespace

QString ShowOpenDialog(QWidget* parent, const QString& folder, const QString& filterPairs)
{
    QFileDialog dialog(parent, QString(), folder, DialogFilter(filterPairs));
    dialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return run(dialog);
}

QString ShowSaveDialog(QWidget* parent, const QString& folder, const QString& filterPairs,
    const QString& suggestedName)
{
    QFileDialog dialog(parent, QString(), folder, DialogFilter(filterPairs));
    dialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    return run(dialog);
}
