#pragma once

#include <QString>

// The folder of the program's data files (help, cutting conditions, Comment.txt, Program): the
// executable's folder in the build tree, <prefix>/share/corvane when installed. No trailing
// separator; "/" separates.
QString ProgramFolder();

// Lets tests point the program at a folder of their own; an empty path restores the default.
void SetProgramFolder(const QString& folder);
