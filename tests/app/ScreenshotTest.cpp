#include "TestSupport.h"

#include "app/frmMain.h"
#include "documents/NcTextBox.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

// Every menu and window fits a small screen; with CORVANE_SCREENSHOTS set to a folder the
// pictures are kept there for a person to look at.
class ScreenshotTest : public QObject
{
    Q_OBJECT

    QString m_folder = qEnvironmentVariable("CORVANE_SCREENSHOTS");

    void keep(QWidget* w, const QString& name)
    {
        QCoreApplication::processEvents();
        const QPixmap picture = w->grab();
        QVERIFY(!picture.isNull());
        if (!m_folder.isEmpty()) {
            QDir().mkpath(m_folder);
            picture.save(m_folder + u'/' + name + QStringLiteral(".png"));
        }
    }

private slots:
    void mainWindowWithTwoDocumentsAndEveryMenu()
    {
        frmMain* main = StartFresh();
        main->resize(1000, 700);
        main->action(QStringLiteral("mnuFileNew"))->trigger();
        ActiveText()->loadText(QStringLiteral("O1000\r\nN001 G50 S2500\r\nN002 G00 X200 Z50\r\n"));
        main->action(QStringLiteral("mnuFileNew"))->trigger();
        ActiveText()->loadText(QStringLiteral("(-----< DRILL >-----)\r\nN000 G00 X0 Z50\r\n"));
        main->action(QStringLiteral("mnuWindowTileVertical"))->trigger();
        keep(main, QStringLiteral("main"));
        const QSize small(1024, 768);
        for (QAction* top : main->menuBar()->actions()) {
            QMenu* menu = top->menu();
            menu->popup(main->mapToGlobal(QPoint(0, 0)));
            QCoreApplication::processEvents();
            QVERIFY2(menu->width() <= small.width() && menu->height() <= small.height(),
                qPrintable(menu->objectName()));
            keep(menu, QStringLiteral("menu-") + menu->objectName());
            menu->hide();
        }
        CloseMainDiscardingChanges();
    }

    void aboutBoxAndHelpWindow()
    {
        frmMain* main = StartFresh();
        ModalScript script;
        script.then([this](QWidget* about) {
            keep(about, QStringLiteral("about"));
            QVERIFY(about->sizeHint().width() <= 1024);
            static_cast<QDialog*>(about)->accept();
        });
        main->action(QStringLiteral("mnuHelpAbout"))->trigger();
        main->action(QStringLiteral("CorvaneHelp"))->trigger();
        QWidget* help = main->findChild<QWidget*>(QStringLiteral("frmHelp"));
        QVERIFY(help);
        keep(help, QStringLiteral("help"));
        help->close();
        CloseMain();
    }
};

CORVANE_TEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
