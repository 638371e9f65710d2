#pragma once

#include <QIcon>

// Icons follow the desktop theme; our own pictures stand in where the theme has none.
QIcon ToolBarIcon(const char* themeName, const char* fallback);
QIcon AppIcon();
QIcon DocumentIcon();
