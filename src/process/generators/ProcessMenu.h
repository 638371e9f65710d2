#pragma once

#include "process/core/DialogSetup.h"

#include <vector>

struct Module1;

// One item of the "Process(&P)" menu. Most items are generators: they configure the process
// dialog (setUp), pre-fill it from their cutting-condition row, and after OK build their block
// from the shared state (build); the common run of the frame does the rest. A generator without
// set-up runs without the dialog. An item without set-up and build is not available yet and
// stays disabled.
struct ProcessItem
{
    enum Kind {
        Generator, // setUp and build (setUp may be null), row
        Submenu, // a menu of further items
        Command, // a command of its own (material input, parameters, ATC ready-request)
        Disabled, // shown, never enabled
    };

    const char* menu; // control of the menu that holds the item: "Process", "ProcessDrill"
    const char* control; // "ProcessDrillHss"
    const char16_t* caption; // "Hiss"
    Kind kind = Generator;
    int row = 0; // cutting-condition row of a generator
    DialogSetup (*setUp)(const Module1&) = nullptr;
    void (*build)(Module1&) = nullptr;
    // A generator whose block is a sub-program: the line that calls it goes in at the caret and
    // the block at the end of the document, the caret staying before the call.
    QString (*callLine)(Module1&) = nullptr;

    bool available() const
    {
        return kind == Submenu || kind == Command || (kind == Generator && build);
    }
};

// The Process menu from top to bottom; a submenu comes before its items.
const std::vector<ProcessItem>& ProcessItems();
