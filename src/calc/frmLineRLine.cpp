#include "calc/frmLineRLine.h"
#include "ui_frmLineRLine.h"

#include "app/NumberFields.h"
#include "calc/CalcSupport.h"
#include "calc/core/TwoLineCorner.h"
#include "common/Basic.h"
#include "common/FormatNc.h"
#include "common/Module1.h"
#include "common/RuntimeError.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <algorithm>

namespace {
constexpr quint32 kBackColour = 8;
constexpr quint32 kLineColour = 0xFFFFF;
const QString kLineEnd = QStringLiteral("\r\n");

// The value each field Text1 to Text19 holds.
constexpr int kFieldCount = 19;
QString TwoLineFields::*const kFields[kFieldCount + 1]
    = {nullptr, &TwoLineFields::x1, &TwoLineFields::z1, &TwoLineFields::a1, &TwoLineFields::x2,
        &TwoLineFields::z2, &TwoLineFields::a2, &TwoLineFields::xc, &TwoLineFields::zc,
        &TwoLineFields::r, &TwoLineFields::cx, &TwoLineFields::cz, &TwoLineFields::t1x,
        &TwoLineFields::t1z, &TwoLineFields::t2x, &TwoLineFields::t2z, &TwoLineFields::i1,
        &TwoLineFields::k1, &TwoLineFields::i2, &TwoLineFields::k2};
} // namespace

frmLineRLine::frmLineRLine(QWidget* parent)
    : CalculatorDialog(parent)
    , ui(std::make_unique<Ui::frmLineRLine>())
{
    ui->setupUi(this);
    setMouseTracking(true);

    // The drawing keeps the proportions its scale is computed for: 8835 by 4875 twips.
    ui->Picture1->setFixedSize(589, 325);
    // On a short screen (a large scale factor) the drawing gives up size in those proportions, so
    // that the whole dialog fits below its title bar, Cancel included.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const int title = std::max(style()->pixelMetric(QStyle::PM_TitleBarHeight), 24) + 8;
        const int over = sizeHint().height() + title - screen->availableGeometry().height();
        if (over > 0) {
            const int height = std::max(325 - over, 160);
            ui->Picture1->setFixedSize(589 * height / 325, height);
        }
    }
    ui->Picture1->Cls(LinePicture::colourValue(kBackColour));
    m_picture3 = new QLabel(ui->Picture1);
    m_picture3->setObjectName(QStringLiteral("Picture3"));
    m_picture3->setAutoFillBackground(true);
    m_picture3->setFrameShape(QFrame::Box);
    m_picture3->setMargin(2);
    m_picture3->hide();

    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("-00000.000")) + 12;
    for (int i = 1; i <= kFieldCount; ++i)
        field(i)->setFixedWidth(fieldWidth);

    // Enter walks through the input fields and on to the first insert button.
    const QList<QWidget*> chain = {
        ui->Text1, ui->Text2, ui->Text3, ui->Text4, ui->Text5, ui->Text6, ui->Text9, ui->Command1};
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        QWidget* next = chain[i + 1];
        OnEnter(chain[i], [next] { next->setFocus(Qt::TabFocusReason); });
    }
    for (int i : {7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19})
        OnEnter(field(i), [] {});
    for (int i : {1, 2, 3, 4, 5, 6, 9})
        OnLostFocus(field(i), [this] { CalcAndDraw(); });
    connect(ui->Picture1, &LinePicture::gotFocus, this, &frmLineRLine::CalcAndDraw);
    connect(ui->Picture1, &LinePicture::mouseMoved, this, &frmLineRLine::Picture1_MouseMove);
    connect(ui->Picture1, &LinePicture::mouseLeft, m_picture3, &QWidget::hide);

    connect(ui->Command1, &QPushButton::clicked, this, &frmLineRLine::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmLineRLine::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &frmLineRLine::Command3_Click);
    connect(ui->Command4, &QPushButton::clicked, this, &frmLineRLine::Command4_Click);
    connect(ui->Command5, &QPushButton::clicked, this, &frmLineRLine::Command5_Click);
    connect(ui->Command6, &QPushButton::clicked, this, &frmLineRLine::Command6_Click);
    connect(ui->Command7, &QPushButton::clicked, this, &frmLineRLine::Command7_Click);
    connect(ui->Command8, &QPushButton::clicked, this, &frmLineRLine::Command8_Click);
    connect(ui->Command9, &QPushButton::clicked, this, &frmLineRLine::Command9_Click);
    enableInserts();
    ui->Text1->setFocus();
}

frmLineRLine::~frmLineRLine() = default;

QLineEdit* frmLineRLine::field(int index) const
{
    return findChild<QLineEdit*>(QStringLiteral("Text%1").arg(index));
}

QString frmLineRLine::text(int index) const
{
    return field(index)->text();
}

TwoLineFields frmLineRLine::fields() const
{
    TwoLineFields f;
    for (int i = 1; i <= kFieldCount; ++i)
        f.*kFields[i] = text(i);
    return f;
}

void frmLineRLine::writeFields(const TwoLineFields& f)
{
    for (int i = 1; i <= kFieldCount; ++i)
        if (text(i) != f.*kFields[i])
            field(i)->setText(f.*kFields[i]);
}

// The input fields may stay empty (nothing is computed from an incomplete line), but text that
// is not a number is refused before anything is computed.
bool frmLineRLine::checkInput()
{
    const NumberRule emptyAllowed = ParseNumberRule(QStringLiteral("?"));
    QList<NumberField> checks;
    for (const auto& [index, caption] : {std::pair {1, "Line 1 X"}, {2, "Line 1 Z"},
             {3, "Line 1 A"}, {4, "Line 2 X"}, {5, "Line 2 Z"}, {6, "Line 2 A"}, {9, "R"}})
        checks.append({field(index), QString::fromLatin1(caption), emptyAllowed});
    return CheckNumberFields(this, checks);
}

// A result's insert button works only while its result fields hold a result.
void frmLineRLine::enableInserts()
{
    const std::pair<QPushButton*, QList<int>> buttons[]
        = {{ui->Command4, {7, 8}}, {ui->Command5, {10, 11}}, {ui->Command8, {12, 13}},
            {ui->Command6, {16, 17}}, {ui->Command9, {14, 15, 9}}, {ui->Command7, {18, 19}}};
    for (const auto& [button, results] : buttons)
        button->setEnabled(std::all_of(
            results.begin(), results.end(), [this](int index) { return !text(index).isEmpty(); }));
}

void frmLineRLine::CalcAndDraw()
{
    // A refusal puts the focus back on the field, which leaves another one: that asks nothing
    // until the refusal is done.
    if (m_calculating || m_refusing)
        return;
    const QScopedValueRollback calculating(m_calculating, true);
    if (!checkInput()) {
        m_refusing = true;
        QTimer::singleShot(0, this, [this] { m_refusing = false; });
        return;
    }
    TwoLineFields f = fields();
    const TwoLineDrawing drawing = CalcTwoLines(f, module1().gPi);
    writeFields(f);
    enableInserts();
    // Said once for the same reason, not again at every change of field.
    if (drawing.noResult != m_noResult) {
        m_noResult = drawing.noResult;
        if (!m_noResult.isEmpty())
            QMessageBox(
                QMessageBox::Warning, QStringLiteral("Corvane"), m_noResult, QMessageBox::Ok, this)
                .exec();
    }
    if (!drawing.redraw)
        return;
    LinePicture* picture = ui->Picture1;
    const QColor lineColour = LinePicture::colourValue(kLineColour);
    picture->Cls(LinePicture::colourValue(kBackColour));
    picture->setScale(drawing.scale);
    for (const QLineF& line : drawing.lines)
        picture->drawLine(line, lineColour);
    if (drawing.circle)
        picture->drawCircle(drawing.circle->centre, drawing.circle->radius, lineColour);
}

void frmLineRLine::Picture1_MouseMove(const QPointF& user)
{
    QString position;
    try {
        position = QLatin1Char('X') + NumberText(DecimalFloor(-2 * user.y(), 3))
            + QStringLiteral(" Z") + NumberText(DecimalFloor(user.x(), 3));
    } catch (const RuntimeError&) {
        return; // a point of a drawing beyond the numbers has no coordinates to show
    }
    m_picture3->setText(position);
    m_picture3->adjustSize();
    m_picture3->move(0, ui->Picture1->height() - m_picture3->height());
    m_picture3->show();
}

void frmLineRLine::mouseMoveEvent(QMouseEvent* e)
{
    m_picture3->hide();
    CalculatorDialog::mouseMoveEvent(e);
}

void frmLineRLine::insertBlock(const QString& block)
{
    insertIntoTarget(block + kLineEnd);
}

void frmLineRLine::Command1_Click()
{
    insertBlock(QStringLiteral("N000 G01 X") + text(1) + QStringLiteral(" Z") + text(2));
}

void frmLineRLine::Command3_Click()
{
    insertBlock(QStringLiteral("N000 G01 X") + text(4) + QStringLiteral(" Z") + text(5));
}

void frmLineRLine::Command4_Click()
{
    insertBlock(QStringLiteral("N000 G01 X") + text(7) + QStringLiteral(" Z") + text(8));
}

void frmLineRLine::Command5_Click()
{
    insertBlock(QStringLiteral("N000 G01 X") + text(10) + QStringLiteral(" Z") + text(11));
}

void frmLineRLine::Command8_Click()
{
    insertBlock(QStringLiteral("N000     X") + text(12) + QStringLiteral(" Z") + text(13));
}

void frmLineRLine::Command6_Click()
{
    insertBlock(QStringLiteral(" I") + text(16) + QStringLiteral(" K") + text(17));
}

void frmLineRLine::Command9_Click()
{
    insertBlock(QStringLiteral("N000 G X") + text(14) + QStringLiteral(" Z") + text(15)
        + QStringLiteral(" L") + text(9));
}

void frmLineRLine::Command7_Click()
{
    insertBlock(QStringLiteral(" I") + text(18) + QStringLiteral(" K") + text(19));
}

void frmLineRLine::Command2_Click()
{
    close();
}
