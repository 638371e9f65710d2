#pragma once

#include <QString>

// The one message the error reporter shows for a run-time error, and its title (" error " and the
// number with its leading blank). An empty message means nothing is shown.
QString ErrorMessage(int number);
QString ErrorTitle(int number);
