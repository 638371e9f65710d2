#pragma once

#include <QString>

#include <functional>

class frmDocument;
class NcTextBox;

// The steps of find, replace and the calculation data change on the shared search state of
// Module1. Each command step first takes the target's text afresh into gSearchText, so an edit
// made by hand while a dialog is open is never written over by an older copy, and lets it go when
// the step ends, so a long program is not kept twice between steps.

// The target's text box; without a target window (closed meanwhile) the missing-document
// message is shown and the result is null.
NcTextBox* TargetText(frmDocument* target);

// The text to find was typed anew: the occurrences of the old one are no longer marked.
void ForgetMatches(frmDocument* target, const QString& findText);

// Runs one command step with the target's whole text in gSearchText and lets the copy go
// before the step's closing message is shown; returns what the step returns.
bool SearchStep(NcTextBox* box, const std::function<bool()>& step);

// Searches gFindText from gFindPos, selects what it finds and moves gFindPos behind it; its
// occurrences on the screen are marked.
bool FindNext(NcTextBox* box);

// Replaces the text found last (at the selection start) by gReplaceText; gFindPos goes behind
// the replacement. Nothing happens when the text to find no longer stands there.
void ReplaceSelected(NcTextBox* box);

// Changes the value behind the letters found last by the calculation; gFindPos goes one
// character behind the letters.
void ShiftSelected(NcTextBox* box, const QString& calculation);

// "All Change" of the replace dialog from gFindPos, written to the text box at once.
void ReplaceAllFromFindPos(NcTextBox* box);

// "All Change" of the calculation data change; false (after a message) when the letters would
// change the text without end and nothing was changed.
bool ShiftAllFromFindPos(NcTextBox* box, const QString& calculation);
