#include "app/ToolBarButtons.h"

const std::vector<ToolBarButton>& ToolBarButtons()
{
    static const std::vector<ToolBarButton> buttons = {
        {u" New ", u" New ", "mnuFileNew", "document-new", "new", true},
        {u" Open ", u" Open ", "mnuFileOpen", "document-open", "open", true},
        {u" Save ", u" Save ", "mnuFileSave", "document-save", "save", false},
        {nullptr, nullptr, nullptr, nullptr, nullptr, true},
        {u" Print ", u" Print ", "mnuFilePrint", "document-print", "print", false},
        {nullptr, nullptr, nullptr, nullptr, nullptr, true},
        {u" Cut ", u" Cut ", "mnuEditCut", "edit-cut", "cut", false},
        {u" Copy ", u" Copy ", "mnuEditCopy", "edit-copy", "copy", false},
        {u" Past ", u" Past ", "mnuEditPaste", "edit-paste", "paste", false},
        {u" Find ", u" Find ", "mnuSearchFind", "edit-find", "find", false},
        {nullptr, nullptr, nullptr, nullptr, nullptr, true},
        {u" Auto Sequence No.  Insert ", u" Auto N000  Insert ", "mnuToolsAutoNo", "", "autono",
            false},
        {u" Sequence number arrange", u" Sequence  number arrange", "mnuToolsNumberArrange", "",
            "arrange", false},
        {u" Data Calculation ", u"Calculation Replace", "mnuToolsSizeShift", "", "calc-data",
            false},
        {u" Spindle Speed Calculation ", u" Spindle Speed Calculation ", "mnuToolsrpm", "",
            "spindle", false},
        {u" Calculator ", u" Calculator ", "mnuToolsCalculator", "accessories-calculator",
            "calculator", false},
    };
    return buttons;
}
