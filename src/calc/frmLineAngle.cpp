#include "calc/frmLineAngle.h"
#include "ui_frmLineAngle.h"

#include "app/NumberFields.h"
#include "calc/CalcSupport.h"
#include "calc/core/LineAngleCalc.h"

#include <QTimer>

#include <cmath>

frmLineAngle::frmLineAngle(QWidget* parent)
    : CalculatorDialog(parent)
    , ui(std::make_unique<Ui::frmLineAngle>())
{
    ui->setupUi(this);
    for (QWidget* field : {ui->Text1, ui->Text2, ui->Text3, ui->Text4, ui->Text5})
        OnEnter(field, [] {});
    OnLostFocus(ui->Text4, [this] { Text4_LostFocus(); });
    OnLostFocus(ui->Text5, [this] { Text5_LostFocus(); });
    connect(ui->Command1, &QPushButton::clicked, this, &frmLineAngle::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmLineAngle::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &frmLineAngle::Command3_Click);
    connect(ui->Command4, &QPushButton::clicked, this, &frmLineAngle::Command4_Click);
    connect(ui->Command5, &QPushButton::clicked, this, &frmLineAngle::Command5_Click);
    drawSketch();
    ui->Text1->setFocus();
}

frmLineAngle::~frmLineAngle() = default;

LineAngleFields frmLineAngle::fields() const
{
    return {ui->Text1->text(), ui->Text2->text(), ui->Text3->text(), ui->Text4->text(),
        ui->Text5->text()};
}

void frmLineAngle::writeFields(const LineAngleFields& f)
{
    ui->Text3->setText(f.angle);
    ui->Text4->setText(f.x2);
    ui->Text5->setText(f.z2);
    m_completed = std::make_unique<LineAngleFields>(f);
}

// A field may stay empty (the completion then leaves it), but text that is not a number is
// refused before anything is computed.
bool frmLineAngle::checkFields()
{
    const NumberRule emptyAllowed = ParseNumberRule(QStringLiteral("?"));
    QList<NumberField> checks;
    for (const auto& [box, caption] : {std::pair {ui->Text1, "X1"}, {ui->Text2, "Z1"},
             {ui->Text3, "A"}, {ui->Text4, "X2"}, {ui->Text5, "Z2"}})
        checks.append({box, QString::fromLatin1(caption), emptyAllowed});
    return CheckNumberFields(this, checks);
}

void frmLineAngle::complete(void (*completion)(LineAngleFields&))
{
    // A refusal puts the focus back on the field, which leaves another one: that asks nothing
    // until the refusal is done.
    if (m_checking)
        return;
    m_checking = true;
    if (!checkFields()) {
        QTimer::singleShot(0, this, [this] { m_checking = false; });
        return;
    }
    m_checking = false;
    LineAngleFields f = fields();
    if (m_completed && *m_completed == f)
        return;
    completion(f);
    if (f != fields())
        writeFields(f);
}

void frmLineAngle::Text4_LostFocus()
{
    complete(CompleteFromX2);
}

void frmLineAngle::Text5_LostFocus()
{
    complete(CompleteFromZ2);
}

void frmLineAngle::insertAndUnload(const QString& text)
{
    insertIntoTarget(text);
    close();
}

void frmLineAngle::Command1_Click()
{
    insertAndUnload(QLatin1Char('X') + ui->Text4->text());
}

void frmLineAngle::Command3_Click()
{
    insertAndUnload(QLatin1Char('Z') + ui->Text5->text());
}

void frmLineAngle::Command4_Click()
{
    insertAndUnload(
        QLatin1Char('X') + ui->Text4->text() + QStringLiteral(" Z") + ui->Text5->text());
}

void frmLineAngle::Command5_Click()
{
    insertAndUnload(QLatin1Char('A') + ui->Text3->text());
}

void frmLineAngle::Command2_Click()
{
    close();
}

void frmLineAngle::drawSketch()
{
    // A line rising from its start point, the Z axis through that point and the angle between.
    LinePicture* p = ui->Picture1;
    p->setFixedSize(200, 130);
    p->setScale({0, 0, 200, 130});
    p->Cls(Qt::white);
    const QPointF start(30, 100), end(160, 35);
    p->drawLine(QLineF(10, 100, 190, 100), Qt::gray);
    p->drawLine(QLineF(start, end), Qt::black);
    p->drawCircle(start, 3, Qt::black);
    p->drawCircle(end, 3, Qt::black);
    const double rise = std::atan2(start.y() - end.y(), end.x() - start.x());
    constexpr int kSteps = 8;
    for (int i = 0; i < kSteps; ++i) {
        const auto arcPoint = [&](int step) {
            const double a = rise * step / kSteps;
            return start + QPointF(40 * std::cos(a), -40 * std::sin(a));
        };
        p->drawLine(QLineF(arcPoint(i), arcPoint(i + 1)), Qt::darkGray);
    }
    p->drawText(QPointF(8, 118), QStringLiteral("X1,Z1"), Qt::blue);
    p->drawText(QPointF(140, 22), QStringLiteral("X2,Z2"), Qt::blue);
    p->drawText(QPointF(76, 94), QStringLiteral("A"), Qt::blue);
    p->drawText(QPointF(180, 94), QStringLiteral("Z"), Qt::gray);
}
