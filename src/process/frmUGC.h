#pragma once

#include "process/core/ProgramFrame.h"

#include <QDialog>

namespace Ui {
class frmUGC;
}
class QLineEdit;
class UgcSketch;
struct Module1;

// The material input ("User Graphic Command"): the cutting-condition file, the blank, chuck and
// tailstock dimensions with a sketch that shows which dimension is being typed, and on OK the
// graphic data in gProcessText.
class frmUGC : public QDialog
{
    Q_OBJECT

public:
    frmUGC(Module1& m, QWidget* parent);
    ~frmUGC() override;

    MaterialFields fields() const;
    UgcSketch* sketch() const;

    void Material_Click();
    void Check1_Click();
    void Command1_Click();
    void Command2_Click();

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool checkFields();
    QLineEdit* box(int number) const;
    // The dimension line of box 1 to 9 in the sketch.
    int dimensionLine(int box) const;

    Ui::frmUGC* ui;
    Module1& m_state;
};
