#pragma once

#include <vector>

enum ShellItemFlag {
    Separator = 1,
    StartsDisabled = 2,
    Checkable = 4,
    StartsChecked = 8,
    StartsHidden = 16,
};

struct ShellItem
{
    const char* menu; // objectName of the menu that holds the item
    const char* control; // objectName of the item
    const char16_t* caption;
    const char* shortcut; // portable text, keys apart by "; ", empty for none
    int flags;
};

struct ShellMenu
{
    const char* control;
    const char16_t* caption;
};

// The menu bar from left to right.
const std::vector<ShellMenu>& ShellMenus();
// The items of the shell menus in menu order; the G-code and M-code menus come from their own
// table.
const std::vector<ShellItem>& ShellItems();

// The document commands: disabled until the first document exists (but for the sequence number
// arrange, which starts enabled), then enabled for the rest of the run.
const std::vector<const char*>& DocumentCommands();
