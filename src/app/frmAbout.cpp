#include "app/frmAbout.h"
#include "ui_frmAbout.h"

#include "app/Icons.h"
#include "app/Platform.h"

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    ui->lblTitle->setText(QStringLiteral("Corvane"));
    QFont title = ui->lblTitle->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    ui->lblTitle->setFont(title);
    ui->lblVersion->setText(VersionText());
    ui->lblDescription->setText(tr(
        "An editor for the part programs of CNC turning centres: it inserts G- and M-code blocks, "
        "generates machining processes from cutting conditions and machine parameters, renumbers "
        "sequence numbers, changes address values by arithmetic and prints programs."));
    // Drawn for the screen's pixel density, sharp at any scale factor.
    ui->picIcon->setPixmap(AppIcon().pixmap(QSize(64, 64), devicePixelRatioF()));
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

frmAbout::~frmAbout() = default;

QString frmAbout::VersionText()
{
    return QStringLiteral("Version %1.%2.%3")
        .arg(CORVANE_VERSION_MAJOR)
        .arg(CORVANE_VERSION_MINOR)
        .arg(CORVANE_VERSION_PATCH);
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}
