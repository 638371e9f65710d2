#pragma once

#include <vector>

// The tool bar's sixteen buttons. A button is known by its key; it runs the menu item of the same
// command. Separators have no key.
struct ToolBarButton
{
    const char16_t* key;
    const char16_t* toolTip;
    const char* command; // objectName of the menu item it runs
    const char* themeIcon; // freedesktop icon name, empty for our own pictures
    const char* fallback; // bundled picture
    bool visibleWithoutDocuments;
};

const std::vector<ToolBarButton>& ToolBarButtons();
