#include "calc/frmLineRLine.h"
#include "ui_frmLineRLine.h"

#include "calc/CalcSupport.h"
#include "calc/core/TwoLineCorner.h"
#include "common/Basic.h"
#include "common/FormatNc.h"
#include "common/Module1.h"
#include "common/RuntimeError.h"

#include <QLabel>
#include <QMouseEvent>

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

void frmLineRLine::CalcAndDraw()
{
    TwoLineFields f = fields();
    const TwoLineDrawing drawing = CalcTwoLines(f, module1().gPi);
    if (!drawing.redraw)
        return;
    writeFields(f);
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
