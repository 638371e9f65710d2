#pragma once

#include <QString>

class frmDocument;

// The one way text goes into a document at the caret: the selection of the target's text box is
// replaced by the finished text in one step, and the caret stands behind it. Without a target
// (no document window) it throws the run-time error 91 and nothing changes.
void InsertAtCaret(const QString& text, frmDocument* target);
// The same into the document window that is active in the main window.
void InsertAtCaret(const QString& text);

// A call at the caret and what it calls at the end of the document: `atCaret` replaces the
// selection of the target's text box, `atEnd` is appended to its text, and the caret returns to
// where the call begins. Both writes are one undoable step. Without a target it throws the
// run-time error 91 and nothing changes.
void InsertAtCaretAndAppend(const QString& atCaret, const QString& atEnd, frmDocument* target);
// The same into the document window that is active in the main window.
void InsertAtCaretAndAppend(const QString& atCaret, const QString& atEnd);

// InsertAtCaret for a menu command: a missing target is reported to the user.
void InsertOrReport(const QString& text);
