#pragma once

#include <QList>
#include <QPair>
#include <QString>

struct Module1;

// The sixteen "Parameter" keys the machine parameters dialog saves, in the order it saves them,
// with their stored texts: numbers as their shortest decimal text, Booleans as True or False,
// the turret type as 1 or 2.
QList<QPair<QString, QString>> MachineParameterSettings(const Module1& m);

// The decimal number a single-precision value stands for: the shortest decimal that reads back
// as the same single (a maximum speed typed as 1234.1 is 1234.1, not 1234.0999755859375).
double SingleValue(float value);
