#pragma once

#include <QStringList>

// The calculator programs of the common desktops, in the order they are tried.
const QStringList& DesktopCalculators();

// Starts the first desktop calculator found, as a program of its own that the editor does not
// wait for; false when none is installed.
bool StartDesktopCalculator();
