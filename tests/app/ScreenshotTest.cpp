#include "TestSupport.h"

#include "common/ProgramFolder.h"
#include "pathview/PathCanvas.h"
#include "pathview/PathView.h"
#include "process/core/CutConditions.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>

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
            // On an X server, the whole screen too: where the window is, frame and all.
            if (QGuiApplication::platformName() == u"xcb" && w->isWindow()) {
                QTest::qWait(300); // for the window manager and the first paint
                w->screen()->grabWindow(0).save(m_folder + u"/screen-"_qs + name + u".png"_qs);
            }
        }
    }

    // Wholly on its screen, frame and title bar included.
    static bool fitsItsScreen(const QWidget* w)
    {
        return w->screen()->availableGeometry().contains(w->frameGeometry());
    }

    // Every control wholly visible, none cut off by the window's edge or scrolled away, and
    // every picture drawn for the screen's pixel density.
    static bool everyControlShows(QWidget* w)
    {
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(w))
                continue;
            if (auto* label = qobject_cast<QLabel*>(c); label && !label->pixmap().isNull()
                && label->pixmap().devicePixelRatio() < w->devicePixelRatioF()) {
                qWarning() << "blurred picture" << label->objectName();
                return false;
            }
            if (!(qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c)
                    || qobject_cast<QComboBox*>(c)))
                continue;
            if (c->visibleRegion() != QRegion(c->rect())) {
                qWarning() << "cut off" << c->objectName();
                return false;
            }
        }
        return true;
    }

private slots:
    // The first start takes most of the screen it opens on, with the menus and tool bar whole
    // and every status bar panel readable.
    void firstStartSuitsEachScreen()
    {
        for (QScreen* screen : QGuiApplication::screens()) {
            QCursor::setPos(screen->geometry().center());
            frmMain* main = StartFresh();
            main->action(u"mnuFileNew"_qs)->trigger();
            QCoreApplication::processEvents();
            const QRect area = screen->availableGeometry();
            // Four fifths with the frame; the frame may be thinner than expected beforehand.
            const QRect frame = main->frameGeometry();
            QVERIFY(area.contains(frame));
            QVERIFY(frame.width() > area.width() * 0.7 && frame.width() <= area.width() * 0.8);
            QVERIFY(frame.height() > area.height() * 0.7 && frame.height() <= area.height() * 0.8);
            // About centred: off by no more than half a wrongly guessed title bar.
            const QPoint off = frame.center() - area.center();
            QVERIFY(qAbs(off.x()) <= 20 && qAbs(off.y()) <= 20);
            for (const char* overflow : {"qt_menubar_ext_button", "qt_toolbar_ext_button"})
                for (QWidget* button : main->findChildren<QWidget*>(QLatin1String(overflow)))
                    QVERIFY2(!button->isVisible(), overflow);
            QRect before;
            for (QLabel* panel : main->statusBar()->findChildren<QLabel*>()) {
                if (!panel->isVisible())
                    continue;
                QVERIFY2(
                    panel->width() >= panel->sizeHint().width(), qPrintable(panel->objectName()));
                QVERIFY2(!panel->geometry().intersects(before), qPrintable(panel->objectName()));
                before = panel->geometry();
            }
            keep(main, u"first-start-"_qs + screen->name());
            CloseMainDiscardingChanges();
        }
    }

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

    // A dialog that cannot shrink to its screen scrolls, and each control can be scrolled to.
    void aDialogTooLargeForItsScreenScrolls()
    {
        StartFresh();
        QDialog dialog; // not the main window's: it outlives the window below
        dialog.setObjectName(u"Large"_qs);
        auto* layout = new QVBoxLayout(&dialog);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        auto* drawing = new QWidget;
        drawing->setFixedSize(3000, 2000);
        layout->addWidget(drawing);
        auto* ok = new QPushButton(u"O K"_qs);
        layout->addWidget(ok, 0, Qt::AlignRight);
        dialog.show();
        QCoreApplication::processEvents();
        QVERIFY(fitsItsScreen(&dialog));
        auto* area = dialog.findChild<QScrollArea*>();
        QVERIFY(area && area->widget()->isAncestorOf(ok));
        area->ensureWidgetVisible(ok);
        QCOMPARE(ok->visibleRegion(), QRegion(ok->rect()));
        dialog.close();
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
            if (QGuiApplication::platformName() == u"xcb")
                QTest::qWait(300); // the window manager's frame, to check it too
            QVERIFY2(w->width() <= 1024 && w->height() <= 740, qPrintable(form));
            QVERIFY2(fitsItsScreen(w), qPrintable(form));
            QVERIFY2(everyControlShows(w), qPrintable(form));
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
