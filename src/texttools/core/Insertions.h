#pragma once

#include <QDate>
#include <QString>

// Sub-program files larger than this are not inserted.
constexpr qint64 kSubProgramLimit = 65000;

// The line the Date command inserts: "DATE : " and the date as yyyy.mm.dd, with CR LF.
QString DateLine(const QDate& date);
