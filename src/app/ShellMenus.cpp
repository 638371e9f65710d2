#include "app/ShellMenus.h"

const std::vector<ShellMenu>& ShellMenus()
{
    static const std::vector<ShellMenu> menus = {
        {"mnuFile", u"File(&F)"},
        {"mnuEdit", u"Edit(&E)"},
        {"mnuInsert", u"Insert "},
        {"Process", u"Process(&P)"},
        {"mnuTools", u"Tool(&T)"},
        {"ClosPoint", u"Point calculation(&C)"},
        {"Gcode", u"G-code(&G)"},
        {"Mcode", u"M-code(&M)"},
        {"mnuView", u"Display(&V)"},
        {"mnuHelp", u"Help(&H)"},
    };
    return menus;
}

const std::vector<ShellItem>& ShellItems()
{
    static const std::vector<ShellItem> items = {
        {"mnuFile", "mnuFileNew", u"New (&N)", "", 0},
        {"mnuFile", "mnuFileOpen", u"Open (&O)", "Ctrl+O", 0},
        {"mnuFile", "mnuFileClose", u"Close (&C)", "", StartsDisabled},
        {"mnuFile", "mnuFileBar1", u"", "", Separator},
        {"mnuFile", "mnuFileSave", u"Save (&S)", "Ctrl+S", StartsDisabled},
        {"mnuFile", "mnuFileSaveAs", u"As Save (&A)...", "", StartsDisabled},
        {"mnuFile", "mnuFileBar3", u"", "", Separator},
        {"mnuFile", "mnuFilePrinterSetup", u"Printer Setup ", "", 0},
        {"mnuFile", "mnuFilePrint", u"Print (&P)...", "Ctrl+P", StartsDisabled},
        {"mnuFile", "mnuFileBar4", u"", "", Separator},
        {"mnuFile", "mnuFileFont", u"Screen Font (&F)...", "Ctrl+F", 0},
        {"mnuFile", "mnuFileBar5", u"", "", Separator},
        {"mnuFile", "mnuFileRecentFile(1)", u"RecentFile1", "", StartsHidden},
        {"mnuFile", "mnuFileRecentFile(2)", u"RecentFile2", "", StartsHidden},
        {"mnuFile", "mnuFileRecentFile(3)", u"RecentFile3", "", StartsHidden},
        {"mnuFile", "mnuFileRecentFile(4)", u"RecentFile4", "", StartsHidden},
        {"mnuFile", "mnuFileRecentFile(5)", u"RecentFile5", "", StartsHidden},
        {"mnuFile", "mnuFileBar6", u"", "", Separator},
        {"mnuFile", "mnuFileExit", u" Corvane Exit (&X)", "", 0},

        {"mnuEdit", "mnuEditUndo", u" Undo (&U)", "Ctrl+Z", StartsDisabled},
        {"mnuEdit", "mnuEditRedo", u" Redo (&Y)", "Ctrl+Y; Ctrl+Shift+Z", StartsDisabled},
        {"mnuEdit", "mnuEditBar1", u"", "", Separator},
        {"mnuEdit", "mnuEditCut", u" Cut (&T)", "Ctrl+X", StartsDisabled},
        {"mnuEdit", "mnuEditCopy", u" Copy (&C)", "Ctrl+C", StartsDisabled},
        {"mnuEdit", "mnuEditPaste", u" Past (&P)", "Ctrl+V", StartsDisabled},
        {"mnuEdit", "mnuSearch", u"", "", Separator},
        {"mnuEdit", "mnuSearchFind", u" Fund (&F)", "", StartsDisabled},
        {"mnuEdit", "mnuSearchNextFind", u" Next Fund (&N)", "F3", StartsDisabled},
        {"mnuEdit", "mnuSearchReplace", u" Replace (&R)", "", StartsDisabled},
        {"mnuEdit", "mnuSearchGoTo", u" Go to line (&G)...", "Ctrl+G", StartsDisabled},

        {"mnuInsert", "mnuInsertComment", u" Fix Comment ", "", 0},
        {"mnuInsert", "mnuInsertFile", u" Sub Program ", "", 0},
        {"mnuInsert", "mnuInsertDate", u" Date ", "", 0},

        {"mnuTools", "mnuToolsAutoNo", u" Auto Sequence No.  Insert ", "", Checkable},
        {"mnuTools", "mnuToolsNumberArrange", u"Sequence  number arrange (&A)", "", 0},
        {"mnuTools", "mnuToolsSizeShift", u"Calculation data change (&S)", "", StartsDisabled},
        {"mnuTools", "mnuToolsBar1", u"", "", Separator},
        {"mnuTools", "mnuToolsrpm", u"Spindle Speed Calculation (&N)", "Ctrl+N", 0},
        {"mnuTools", "mnuToolsCalculator", u"Calculator ", "", 0},

        {"ClosPoint", "LineAngle", u"Line and angle ", "", 0},
        {"ClosPoint", "LineCircleLine", u"2 line and circle ", "", 0},

        {"mnuView", "mnuViewToolbar", u"Tool bar (&T)", "", Checkable | StartsChecked},
        {"mnuView", "mnuViewStatusBar", u"Status bar (&B)", "", Checkable | StartsChecked},
        {"mnuView", "mnuViewColouring", u"Colouring", "", Checkable | StartsChecked},
        {"mnuView", "mnuViewPathView", u"Path view", "F9", Checkable},
        {"mnuView", "mnuViewBar", u"", "", Separator},
        {"mnuView", "mnuWindowCascade", u"Cascade(&C)", "", Checkable},
        {"mnuView", "mnuWindowTileHorizontal", u"Horizontal(&H)", "", Checkable},
        {"mnuView", "mnuWindowTileVertical", u"Vertical(&V)", "", Checkable},

        {"mnuHelp", "GcodeHelp", u"G  code ", "", 0},
        {"mnuHelp", "McodeHelp", u"M  code ", "", 0},
        {"mnuHelp", "VariableHelp", u"System  variable ", "", 0},
        {"mnuHelp", "MnemonicHelp", u"Mnemonic", "", 0},
        {"mnuHelp", "mnuHelpBar1", u"", "", Separator},
        {"mnuHelp", "CorvaneHelp", u"Corvane help ", "", 0},
        {"mnuHelp", "mnuHelpAbout", u"Abut Corvane(&A)", "", 0},
    };
    return items;
}

const std::vector<const char*>& DocumentCommands()
{
    static const std::vector<const char*> names
        = {"mnuFileSave", "mnuFileSaveAs", "mnuFileClose", "mnuFilePrint", "mnuEditCopy",
            "mnuEditCut", "mnuEditPaste", "mnuToolsSizeShift", "mnuToolsNumberArrange",
            "mnuSearchFind", "mnuSearchReplace", "mnuSearchNextFind", "mnuSearchGoTo"};
    return names;
}
