#pragma once

#include "calc/CalculatorDialog.h"
#include <memory>

namespace Ui {
class frmLineRLine;
}
class QLabel;
class QLineEdit;
struct TwoLineFields;

// The two lines and circle calculator: two lines of a turned contour, each by a point and an
// angle, and a corner radius give the crossing, the corner arc's centre and tangent points; the
// lines and the arc are drawn to scale, and the buttons write ready NC blocks at the caret.
class frmLineRLine : public CalculatorDialog
{
    Q_OBJECT

public:
    explicit frmLineRLine(QWidget* parent = nullptr);
    ~frmLineRLine() override;

    void CalcAndDraw();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool checkInput();
    void enableInserts();
    void Picture1_MouseMove(const QPointF& user);
    void insertBlock(const QString& text);
    QString text(int index) const;
    QLineEdit* field(int index) const;
    TwoLineFields fields() const;
    void writeFields(const TwoLineFields& f);

    std::unique_ptr<Ui::frmLineRLine> ui;
    QLabel* m_picture3;
    bool m_calculating = false;
    bool m_refusing = false;
    QString m_noResult; // the reason last given why there is no result
};
