#include "process/core/CutConditions.h"

#include "common/Module1.h"
#include "documents/core/TextFile.h"

#include <QFile>
#include <QRegularExpression>

QStringList CutConditionFields(const QString& line)
{
    QStringList fields;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (fields.size() < kCutConditionFields && i <= n) {
        while (i < n && (line[i] == u' ' || line[i] == u'\t'))
            ++i;
        QString field;
        if (i < n && line[i] == u'"') {
            ++i;
            for (; i < n; ++i) {
                if (line[i] == u'"') {
                    if (i + 1 < n && line[i + 1] == u'"') {
                        field += u'"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i];
            }
            // Whatever stands between the closing quote and the comma is not part of the field.
            while (i < n && line[i] != u',')
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && line[i] != u',')
                ++i;
            field = line.mid(start, i - start).trimmed();
        }
        fields.append(field);
        ++i; // past the comma, or past the end of the line
    }
    while (fields.size() < kCutConditionFields)
        fields.append(QString());
    return fields;
}

void LoadCuttingConditions(Module1& m)
{
    QFile file(m.gCsvFileName);
    if (m.gCsvFileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    const QString text = DecodeProgramText(file.readAll()).text;
    file.close();

    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineEnd);
    // Blank lines at the end of the file are no rows; a blank line between rows is an empty row,
    // so the rows after it stay with their processes.
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    for (int r = 1; r <= kCutConditionFileRows && r + 1 < lines.size(); ++r) {
        const QStringList fields = CutConditionFields(lines[r + 1]);
        for (int c = 1; c <= kCutConditionFields; ++c)
            m.gCutCond[r][c] = fields[c - 1];
    }
}
