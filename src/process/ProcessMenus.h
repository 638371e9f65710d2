#pragma once

#include <functional>

class QAction;
class QMenu;

// Fills the "Process(&P)" menu from the process item table. Every item and every submenu's
// action is handed to registerItem under its control name. Generators whose builder does not
// exist yet and the items that never have an action are disabled.
void BuildProcessMenu(QMenu* process, const std::function<void(QAction*)>& registerItem);
