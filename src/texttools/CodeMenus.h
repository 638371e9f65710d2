#pragma once

#include <functional>

class QAction;
class QMenu;

// Fills the "G-code(&G)" and "M-code(&M)" menus from the code table; each item inserts its text
// at the caret. Every created item is handed to registerItem.
void BuildCodeMenus(QMenu* gcode, QMenu* mcode, const std::function<void(QAction*)>& registerItem);
