#pragma once

#include <QString>
#include <vector>

struct CodeItem
{
    const char16_t* menu; // "Gcode" or "Mcode"
    const char16_t*
        submenus; // captions from the menu down, joined by '|'; empty for the menu itself
    const char16_t* control; // objectName, with the index for the control arrays: "mnuGcode(13)"
    const char16_t* caption;
    const char16_t* text;
    bool lineEnd;

    // The finished text the item inserts.
    QString insertion() const
    {
        QString t = QString::fromUtf16(text);
        if (lineEnd)
            t += QLatin1String("\r\n");
        return t;
    }
};

const std::vector<CodeItem>& CodeItems();
