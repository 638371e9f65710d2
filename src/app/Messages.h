#pragma once

#include "common/RuntimeError.h"

#include <QMessageBox>

// A message box owned by the main window, titled "Corvane" unless told otherwise.
QMessageBox::StandardButton ShowMessage(const QString& text,
    QMessageBox::Icon icon = QMessageBox::NoIcon,
    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
    const QString& title = QStringLiteral("Corvane"));

// The error reporter: one message for a run-time error, with the exclamation icon.
void ReportError(int number);

// Runs a command that may raise a run-time error and reports it.
template<typename F> void RunReportingErrors(F&& command)
{
    try {
        command();
    } catch (const RuntimeError& e) {
        ReportError(e.number());
    }
}
