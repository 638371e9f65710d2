#pragma once

#include <QString>
#include <QStringList>

// What the desktop offers differently from the system these commands were first written for.

// Starts the first of the given programs found on the PATH, detached; false when none is there.
bool StartFirstProgram(const QStringList& candidates, const QStringList& arguments = {});

// Starts the desktop's system-information program, or says that none is available.
void StartSysInfo();

// The help file to show for a file named under the program folder: the name itself, or for a
// ".hlp" name that is absent the same name ending in ".html".
QString ResolveHelpFile(const QString& programFolder, const QString& helpFile);

// Shows a help page in the help window; a missing page gives the system's description of the
// error.
void ShowHelp(const QString& helpFile);
