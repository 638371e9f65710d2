#pragma once

#include "common/NumberRules.h"

#include <QHash>
#include <QString>

// What each field of the process dialog must hold for a generator, named by its Process menu
// control: the rule of every one of the sixteen fields, by field name. Only the fields the
// generator shows are asked.
QHash<QString, NumberRule> ProcessFieldRules(const QString& generator);
