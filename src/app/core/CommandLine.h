#pragma once

#include <QString>

// The file named on the command line: the text between the first double quote and the next one
// (or to the end); without a quote the whole text, blanks included.
QString CommandLinePath(const QString& commandLine);
