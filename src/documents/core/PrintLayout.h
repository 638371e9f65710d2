#pragma once

#include <QLineF>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

// Where a print job puts its text, in whole millimetres from the top left of the printable area.
struct PrintGeometry
{
    int lineHeight = 5; // one printed line
    int lines = 57; // lines the printable height holds
    int right = 200; // right edge of the print area
    int left = 10; // left margin
    bool twoColumns = false;
};

// Rounds to the nearest whole number, halves to the even one (2.5 gives 2, 3.5 gives 4).
int RoundHalfEven(double value);

// The geometry from the printer's measures in millimetres: the text height of "A" in the print
// font, the printable width and height, and the print settings.
PrintGeometry PrintSetupGeometry(double heightOfA, double printableWidth, double printableHeight,
    int leftMerge, int rightMerge, int printLineNo);

// The width a printed line may fill before it wraps (10 mm of it are kept free), and where the
// second column starts.
int ColumnWidth(const PrintGeometry& g);
int SecondColumnX(const PrintGeometry& g);

// The printer's width of a text in millimetres.
using TextWidth = std::function<double(QStringView)>;

struct PrintedText
{
    double x = 0;
    double y = 0; // top of the text
    QString text;
};
using PrintedPage = QList<PrintedText>;

// The body of a print job, page by page. Lines end at CR LF (or a lone CR or LF); a line wider
// than its column is wrapped by character, at least one character to a printed line; line-end
// characters are never printed and a TAB prints as blanks to the next multiple of eight.
// Printing starts four lines down and a page holds the lines whose top stays at or above
// (lines - 1) line heights; with two columns the second column follows the first.
QList<PrintedPage> PaginateText(
    const QString& text, const PrintGeometry& g, const TextWidth& width);

// The page header: date at the left, caption in the middle, "Page n" at the right, one line
// down, and a rule under them.
struct PageHeader
{
    QList<PrintedText> texts;
    QLineF rule;
};
PageHeader PrintHeaderLayout(const QString& date, const QString& caption, int page,
    const PrintGeometry& g, const TextWidth& width);
