#pragma once

class QDialog;
class QLineEdit;

// A box that receives the focus and is not empty gets its whole text selected, whether the focus
// came by TAB, by Enter or by the mouse.
void SelectWholeTextOnFocus(QLineEdit* box);

// For dialogs whose boxes give Enter a meaning of their own (moving to the next box, or
// nothing): no button is the default, and Enter presses only a button that has the focus.
void EnterPressesOnlyFocusedButton(QDialog* dialog);
