#pragma once

#include <QString>

// A turning program as a CAM system writes it, `lines` lines long (400,000 lines are about
// 10 MB): every fourth line carries the coolant word M08, most carry an X value; a few named
// sequences, comments, TAB lines and program ends.
inline QString GenerateProgram(int lines)
{
    QString text;
    text.reserve(lines * 28);
    quint32 seed = 12345;
    const auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<quint32>(range));
    };
    for (int i = 0; i < lines; ++i) {
        QString line;
        switch (i % 8) {
        case 0:
            line = QStringLiteral("N000 G00 X%1 Z%2").arg(100 + next(400)).arg(next(200));
            break;
        case 1:
            line = QStringLiteral("N000 G01 X%1.%2 Z-%3.%4 F0.%5")
                       .arg(next(300))
                       .arg(next(1000), 3, 10, QLatin1Char('0'))
                       .arg(next(90))
                       .arg(next(10))
                       .arg(10 + next(30));
            break;
        case 2:
            line = QStringLiteral("N000     Z-%1.%2").arg(next(99)).arg(next(10));
            break;
        case 3:
            line = QStringLiteral("N000     X%1.%2").arg(next(300)).arg(next(10));
            break;
        case 4:
            line = QStringLiteral("NT%1     Z0.1 G96 S%2")
                       .arg(1 + next(12), 2, 10, QLatin1Char('0'))
                       .arg(100 + next(200));
            break;
        case 5:
            line = QStringLiteral("N000 G01 X%1 Z%2 F0.2").arg(next(300)).arg(next(50));
            break;
        case 6:
            line = next(4) == 0 ? QStringLiteral("\t")
                                : QStringLiteral("(-----< PROCESS %1 >-----)").arg(i / 8);
            break;
        default:
            line = i % 4000 == 3999 ? QStringLiteral("NEND M02")
                                    : QStringLiteral("N000 G85 NAP2 D3 U0.4 W0.1 F0.3");
            break;
        }
        if (i % 4 == 1)
            line += QStringLiteral(" M08");
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}
