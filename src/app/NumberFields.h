#pragma once

#include "common/NumberRules.h"

#include <QList>
#include <QString>

class QLineEdit;
class QWidget;

// A numeric box of a form with the caption that names it in a message and its rule.
struct NumberField
{
    QLineEdit* box;
    QString caption;
    NumberRule rule;
};

// Checks the boxes in order. The first one that breaks its rule is refused: its message is shown
// over the form, then the box takes the focus with its whole text selected. True when every box
// passes.
bool CheckNumberFields(QWidget* form, const QList<NumberField>& fields);
