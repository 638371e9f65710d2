#pragma once

#include <QObject>
#include <QPointer>

class Shell;
class frmDocument;
class frmFind;
class frmReplace;
class frmSizeShift;
class frmNumberArrange;
class InsertCommands;

// The text tools of the Edit, Insert and Tool menus: find, next find, replace, calculation data
// change, go to line, sequence number arrange, the automatic sequence number switch and the
// insertions.
class TextToolCommands : public QObject
{
    Q_OBJECT

public:
    explicit TextToolCommands(Shell* shell);
    void connectTo(Shell* shell);

    void mnuSearchFind_Click();
    void mnuSearchNextFind_Click();
    void mnuSearchReplace_Click();
    void mnuSearchGoTo_Click();
    void mnuToolsSizeShift_Click();
    void mnuToolsNumberArrange_Click();
    void mnuToolsAutoNo_Click();

private:
    // The active document with its text taken into the search state and gFindPos at its
    // selection start; null (after the missing-document message) without one.
    frmDocument* startSearch();
    template<typename Form> Form* load(QPointer<Form>& form);
    // Find, replace and the data change open their dialog on the active document alike.
    template<typename Form> void openSearchDialog(QPointer<Form>& form);

    Shell* m_shell;
    InsertCommands* m_inserts;
    QPointer<frmFind> m_find;
    QPointer<frmReplace> m_replace;
    QPointer<frmSizeShift> m_sizeShift;
    QPointer<frmNumberArrange> m_arrange;
};
