#pragma once

#include <functional>

class QWidget;

// Runs the action when Enter is pressed in the field; the key goes no further (it would press
// the dialog's default button).
void OnEnter(QWidget* field, std::function<void()> action);

// Runs the action when the field hands the focus to another control of its window; switching to
// another window or opening a menu does not count.
void OnLostFocus(QWidget* field, std::function<void()> action);
