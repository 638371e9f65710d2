#include "documents/core/PrintLayout.h"

#include <algorithm>
#include <cmath>

namespace {
// Kept free at the right of every column.
constexpr double kReserve = 10;
constexpr int kTabWidth = 8;
// The body starts this many line heights down, below the header and its rule.
constexpr int kFirstBodyLine = 4;

QString expandTabs(QStringView line)
{
    if (!line.contains(u'\t'))
        return line.toString();
    QString out;
    out.reserve(line.size() + kTabWidth);
    for (const QChar c : line) {
        if (c == u'\t')
            out.append(QString(kTabWidth - out.size() % kTabWidth, u' '));
        else
            out.append(c);
    }
    return out;
}

// How many characters of the line go on the next printed line: the characters before the first
// one that would come closer than the reserve to the column's right edge, but at least one.
qsizetype fittingLength(QStringView line, double columnWidth, const TextWidth& width)
{
    const qsizetype n = line.size();
    const auto tooWide
        = [&](qsizetype count) { return width(line.left(count)) + kReserve > columnWidth; };
    // Widths grow with the count: double the count until it is too wide, then halve the gap, so a
    // very long line costs a few measures per printed line, not one per character.
    qsizetype fits = 0; // known to fit
    qsizetype probe = 1;
    while (true) {
        if (probe >= n) {
            if (!tooWide(n))
                return n;
            probe = n;
            break;
        }
        if (tooWide(probe))
            break;
        fits = probe;
        probe *= 2;
    }
    qsizetype wide = probe; // known to be too wide
    while (wide - fits > 1) {
        const qsizetype mid = fits + (wide - fits) / 2;
        if (tooWide(mid))
            wide = mid;
        else
            fits = mid;
    }
    qsizetype count = std::max<qsizetype>(1, fits);
    // Never part the two halves of one character.
    if (count < n && line[count - 1].isHighSurrogate() && line[count].isLowSurrogate())
        ++count;
    return count;
}

class Pager
{
public:
    Pager(const PrintGeometry& g)
        : m_g(g)
        , m_limit(double(g.lines - 1) * g.lineHeight)
    {
        newPage();
    }

    void print(QString text)
    {
        if (m_g.twoColumns && m_y > m_limit && m_column == 1) {
            m_column = 2;
            m_y = kFirstBodyLine * m_g.lineHeight;
            m_x = SecondColumnX(m_g);
        }
        if (m_y > m_limit)
            newPage();
        m_pages.last().append({double(m_x), double(m_y), std::move(text)});
        m_y += m_g.lineHeight;
    }

    QList<PrintedPage> pages() const { return m_pages; }

private:
    void newPage()
    {
        m_pages.append(PrintedPage());
        m_y = kFirstBodyLine * m_g.lineHeight;
        m_column = 1;
        m_x = m_g.left;
    }

    const PrintGeometry& m_g;
    const double m_limit;
    QList<PrintedPage> m_pages;
    int m_x = 0;
    int m_y = 0;
    int m_column = 1;
};
} // namespace

int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

PrintGeometry PrintSetupGeometry(double heightOfA, double printableWidth, double printableHeight,
    int leftMerge, int rightMerge, int printLineNo)
{
    PrintGeometry g;
    // A font too small to measure still moves the printer on by a millimetre a line.
    g.lineHeight = std::max(1, RoundHalfEven(heightOfA));
    g.lines = static_cast<int>(printableHeight / g.lineHeight);
    g.right = RoundHalfEven(printableWidth - rightMerge);
    g.left = leftMerge;
    g.twoColumns = printLineNo == 2;
    return g;
}

int ColumnWidth(const PrintGeometry& g)
{
    return g.twoColumns ? RoundHalfEven((g.right - g.left) / 2.0 - 1) : g.right - g.left;
}

int SecondColumnX(const PrintGeometry& g)
{
    return RoundHalfEven(g.right / 2.0 + g.left + 1);
}

QList<PrintedPage> PaginateText(const QString& text, const PrintGeometry& g, const TextWidth& width)
{
    Pager pager(g);
    const double columnWidth = ColumnWidth(g);
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QString line = expandTabs(QStringView(text).mid(start, end - start));
        QStringView rest(line);
        do {
            const qsizetype count = rest.isEmpty() ? 0 : fittingLength(rest, columnWidth, width);
            pager.print(rest.left(count).toString());
            rest = rest.mid(count);
        } while (!rest.isEmpty());
        start = end;
        if (start < n && text[start] == u'\r')
            ++start;
        if (start < n && text[start] == u'\n')
            ++start;
    }
    return pager.pages();
}

PageHeader PrintHeaderLayout(const QString& date, const QString& caption, int page,
    const PrintGeometry& g, const TextWidth& width)
{
    const double h = g.lineHeight;
    const QString pageText = QStringLiteral("Page ") + QString::number(page);
    PageHeader header;
    header.texts = {
        {double(g.left), h, date},
        {(g.right - width(caption)) / 2 + g.left, h, caption},
        {g.right - width(pageText), h, pageText},
    };
    header.rule = QLineF(g.left, 2.2 * h, g.right, 2.2 * h);
    return header;
}
