#include "TestSupport.h"

#include "common/Module1.h"
#include "process/core/CutConditions.h"
#include "process/core/ProcessFields.h"
#include "process/generators/MillProcesses.h"

#include <QTemporaryDir>

// The cutting-condition files and the process dialog's pre-fill and read-back, beyond what the
// golden cases and the dialog data files show: the rows of process/ProcessRows.txt.
namespace {
using In = const QStringList&;
using Out = QStringList;

// Loads a file over a table whose cells all hold "old"; the cells "row.column" give their texts.
Out load(In in)
{
    static QTemporaryDir dir;
    Module1 m;
    for (auto& row : m.gCutCond)
        row.fill(u"old"_qs);
    QString bytes = in[1];
    if (bytes.endsWith(u" rows")) {
        bytes = u"h\r\nh\r\n"_qs;
        for (int r = 1; r <= in[1].section(u' ', 0, 0).toInt(); ++r)
            bytes += u"%1,P%1,%1\r\n"_qs.arg(r);
    }
    m.gCsvFileName = in[0] == u"none" ? QString() : dir.filePath(in[0]);
    if (bytes != u"none")
        WriteBytes(m.gCsvFileName, bytes.toLatin1());
    LoadCuttingConditions(m);
    Out out;
    for (const QString& cell : in.mid(2))
        out << m.gCutCond[cell.section(u'.', 0, 0).toInt()][cell.section(u'.', 1).toInt()];
    return out;
}

// The rows of a shipped file that would not fill their dialog: a whole tool number, numbers from
// column 6 on and a speed above 0; drills 1 and 2 need a diameter, the probe row no coolant.
Out shipped(In in)
{
    Module1 m;
    m.gCsvFileName = QCoreApplication::applicationDirPath() + u"/ cutting  condition /"_qs + in[0];
    LoadCuttingConditions(m);
    Out bad;
    for (int r = 1; r <= 34; ++r) {
        bool ok = false;
        const int tool = CutConditionPreset(m, r).texts.value(u"ToolNumber"_qs).toInt(&ok);
        for (int c = 6; c <= 12 && ok; ++c)
            m.gCutCond[r][c].toDouble(&ok);
        if (!ok || tool < 1 || tool > 99 || m.gCutCond[r][6].toDouble() <= 0
            || (r <= 2 && m.gCutCond[r][10].toDouble() <= 0)
            || (r == 34 && m.gCutCond[r][5] != u"0"))
            bad << QString::number(r);
    }
    return bad;
}

const QHash<QString, DataRule> rules = {
    {"fields",
        [](In in) -> Out {
            Out f = CutConditionFields(in[0]);
            const QString count = QString::number(f.size());
            while (!f.isEmpty() && f.last().isEmpty())
                f.removeLast();
            return Out {count} + f;
        }},
    {"load", load},
    {"shipped", shipped},
    // Row 1 (or the row given) of a table holding the spindle and coolant cells given.
    {"preset",
        [](In in) -> Out {
            Module1 m;
            const int row = in.value(2, u"1"_qs).toInt();
            if (row < Module1::kCutCondRows) {
                m.gCutCond[row][4] = in[0];
                m.gCutCond[row][5] = in[1];
            }
            const ProcessFields p = CutConditionPreset(m, row);
            return {p.spindleCW ? "cw" : "ccw", p.coolantON ? "on" : "off"};
        }},
    // The fields "name=text" into the process values, the spindle speed 777 before.
    {"read",
        [](In in) -> Out {
            Module1 m;
            m.gSpindleSpeed = 777;
            ProcessFields f;
            f.spindleCW = in[0] == u"cw";
            f.coolantON = in[1] == u"on";
            for (const QString& field : in.mid(2))
                f.texts.insert(field.section(u'=', 0, 0), field.section(u'=', 1));
            ReadProcessFields(m, f);
            QStringList values;
            for (double v : {m.gToolNumber, m.gV, m.gF, m.gU, m.gW, m.gD, m.gL, m.gC, m.gB, m.gSZ,
                     m.gStartZ, m.gEndZ, m.gSpindleSpeed})
                values << QString::number(v);
            return {values.join(u' '), m.gSpindleCode + m.gCoolantCode};
        }},
    // The circles the end-mill circle cuts down to EndC in steps of D.
    {"circles",
        [](In in) -> Out {
            Module1 m;
            m.gV = 80;
            m.gU = m.gEndX = 10;
            m.gD = in[0].toDouble();
            m.gEndC = in[1].toDouble();
            BuildMCircleSlant(m);
            return {QString::number(m.gProcessText.count(u"N000 G01 X0 G40"_qs))};
        }},
};
} // namespace

class ProcessLogicTest : public QObject
{
    Q_OBJECT

private slots:
    void rows_data() { AddDataRows(u"process/ProcessRows.txt"_qs); }
    void rows() { RunDataRow(rules); }
};

QTEST_GUILESS_MAIN(ProcessLogicTest)
#include "ProcessLogicTest.moc"
