#pragma once

#include <QString>

class QWidget;

// The open and save dialogs. The result is the chosen path, empty when the dialog was cancelled;
// either way the process's current folder becomes the folder the dialog ended in, as the
// commands expect of a file dialog.
QString ShowOpenDialog(QWidget* parent, const QString& folder, const QString& filterPairs);
QString ShowSaveDialog(QWidget* parent, const QString& folder, const QString& filterPairs,
    const QString& suggestedName);
