#include "TestSupport.h"

#include "common/ProgramFolder.h"
#include "pathview/PathCanvas.h"
#include "pathview/PathView.h"
#include "process/core/CutConditions.h"

#include <QDialog>
#include <QMdiArea>
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
            picture.save(m_folder + u'/' + name + u".png"_qs);
        }
    }

private slots:
    void mainWindowWithTwoDocumentsAndEveryMenu()
    {
        frmMain* main = StartFresh();
        main->resize(1000, 700);
        main->action(u"mnuFileNew"_qs)->trigger();
        ActiveText()->loadText(u"O1000\r\nN001 G50 S2500\r\nN002 G00 X200 Z50\r\n"_qs);
        main->action(u"mnuFileNew"_qs)->trigger();
        ActiveText()->loadText(u"(-----< DRILL >-----)\r\nN000 G00 X0 Z50\r\n"_qs);
        main->action(u"mnuWindowTileVertical"_qs)->trigger();
        keep(main, u"main"_qs);
        const QSize small(1024, 768);
        for (QAction* top : main->menuBar()->actions()) {
            QMenu* menu = top->menu();
            menu->popup(main->mapToGlobal(QPoint(0, 0)));
            QCoreApplication::processEvents();
            QVERIFY2(menu->width() <= small.width() && menu->height() <= small.height(),
                qPrintable(menu->objectName()));
            keep(menu, u"menu-"_qs + menu->objectName());
            menu->hide();
        }
        CloseMainDiscardingChanges();
    }

    // The example program with the path view beside it on a small screen: the text and a
    // drawing big enough to read both keep their room.
    void pathViewBesideTheExampleProgram()
    {
        frmMain* main = StartFresh(ProgramFolder() + u"/Program/SAMPLE.MIN"_qs);
        main->resize(1024, 740);
        main->action(u"mnuViewPathView"_qs)->trigger();
        auto* view = main->findChild<PathView*>(u"PathView"_qs);
        QTRY_VERIFY(!view->canvas()->result().elements.isEmpty());
        QCoreApplication::processEvents();
        const QRect area = main->mdiArea()->geometry();
        QVERIFY2(view->canvas()->width() >= 300 && view->canvas()->height() >= 250,
            qPrintable(u"%1 x %2"_qs.arg(view->canvas()->width()).arg(view->canvas()->height())));
        QVERIFY(area.width() >= 500 && main->rect().contains(view->geometry()));
        keep(main, u"pathview"_qs);
        CloseMainDiscardingChanges();
    }

    void everyDialogFitsASmallScreen_data() { AddDataRows(u"app/Dialogs.txt"_qs); }
    void everyDialogFitsASmallScreen()
    {
        QFETCH(QStringList, row);
        const QString command = row[0], form = row[1];
        frmMain* main = StartFresh();
        main->action(u"mnuFileNew"_qs)->trigger();
        LoadCuttingConditions(module1()); // as the material input does before any process
        QAction* item = main->action(command);
        QVERIFY2(item && item->isEnabled(), qPrintable(command));
        const auto look = [this, form](QWidget* w) {
            QCOMPARE(w->objectName(), form);
            QVERIFY2(w->width() <= 1024 && w->height() <= 740, qPrintable(form));
            keep(w, u"dialog-"_qs + form);
        };
        if (row[2] == u"modal") {
            ModalScript script;
            script.then([look](QWidget* w) {
                look(w);
                static_cast<QDialog*>(w)->reject();
            });
            item->trigger();
            QCOMPARE(script.pendingSteps(), 0);
        } else {
            item->trigger();
            QWidget* w = ShownWindow(form);
            QVERIFY2(w, qPrintable(form));
            look(w);
            w->close();
        }
        CloseMainDiscardingChanges();
    }
};

CORVANE_TEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
