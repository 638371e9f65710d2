#pragma once

#include <QString>

// A file-type filter written as "Description|pattern|Description|pattern" in the file dialog's
// own form ("Description (pattern);;..."). "*.*" means every file here, with or without a dot.
QString DialogFilter(const QString& pairs);
