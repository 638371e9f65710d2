#include "TestSupport.h"

#include "pathview/PathCanvas.h"
#include "pathview/PathView.h"

#include <QDoubleSpinBox>
#include <QListWidget>
#include <QMdiArea>

using path::PathElement;

// The path view as the operator works it: shown from the Display menu, linked to the text both
// ways, following edits and the active window.
class PathViewTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

    QAction* item(const char* name) const { return m_main->action(QString::fromLatin1(name)); }
    PathView* view() const { return m_main->findChild<PathView*>(u"PathView"_qs); }
    PathCanvas* canvas() const { return view()->canvas(); }

    void newDocument(const QString& text)
    {
        item("mnuFileNew")->trigger();
        ActiveText()->setWholeText(text);
        awaitDrawing();
    }
    // Waits until the drawing shows the text as it is.
    void awaitDrawing() { QTRY_VERIFY(!view()->reading()); }

    // The first element drawn for that 0-based line.
    const PathElement* elementOf(int line) const
    {
        for (const PathElement& e : canvas()->result().elements)
            if (e.line == line)
                return &e;
        return nullptr;
    }
    // Whether some element passes through (Z, radius).
    bool drawnThrough(const QPointF& at) const
    {
        for (const PathElement& e : canvas()->result().elements)
            for (const QPointF& p : e.points)
                if (qAbs(p.x() - at.x()) < 1e-6 && qAbs(p.y() - at.y()) < 1e-6)
                    return true;
        return false;
    }
    void showView()
    {
        if (!item("mnuViewPathView")->isChecked())
            item("mnuViewPathView")->trigger();
        QVERIFY(view()->isVisible());
    }

private slots:
    void init() { m_main = StartFresh(); }
    void cleanup() { CloseMainDiscardingChanges(); }

    // Hidden at first; the menu item's key shows it from the text, its own close button hides
    // it, and both the visibility and the view's settings are kept for the next run.
    void shownFromTheDisplayMenuAndKept()
    {
        QVERIFY(view() && !view()->isVisible() && !item("mnuViewPathView")->isChecked());
        item("mnuFileNew")->trigger();
        QApplication::setActiveWindow(m_main);
        ActiveText()->setFocus();
        QTest::keyClick(ActiveText(), Qt::Key_F9); // the menu's key, not the text box's
        QVERIFY(view()->isVisible() && item("mnuViewPathView")->isChecked());
        QCOMPARE(ActiveText()->Text(), QString());
        auto* rapid = view()->findChild<QDoubleSpinBox*>(u"txtRapidRate"_qs);
        auto* change = view()->findChild<QDoubleSpinBox*>(u"txtToolChange"_qs);
        QCOMPARE(rapid->value(), 20.0); // m/min
        QCOMPARE(change->value(), 2.0);
        rapid->setValue(12.5);
        change->setValue(0);
        view()->setFloating(true);
        CloseMain();
        const QByteArray stored = ReadBytes(SettingsFile());
        QVERIFY(stored.contains("Shown=True") && stored.contains("RapidRate=12500"));

        m_main = StartFresh(QString(), true);
        QVERIFY(view()->isVisible() && item("mnuViewPathView")->isChecked());
        QCOMPARE(view()->findChild<QDoubleSpinBox*>(u"txtRapidRate"_qs)->value(), 12.5);
        QCOMPARE(view()->findChild<QDoubleSpinBox*>(u"txtToolChange"_qs)->value(), 0.0);
        view()->close();
        QVERIFY(!item("mnuViewPathView")->isChecked());
        CloseMain();
        m_main = StartFresh(QString(), true);
        QVERIFY(!view()->isVisible());
    }

    // A click on a move selects its line and gives the text the caret; the caret's line is lit
    // in the drawing; an edit is drawn once typing pauses, without a click on anything.
    void clickSelectsTheLineAndTheCaretLightsTheElement()
    {
        showView();
        newDocument(u"N1 G00 X100 Z10\r\nN2 G01 X50 Z0 F0.2\r\nN3 Z-60\r\nN4 G00 X100\r\n"_qs);
        const PathElement* third = elementOf(2);
        QVERIFY(third && third->points.size() >= 2);
        const QPointF middle = (third->points.first() + third->points.last()) / 2;
        QCOMPARE(middle, QPointF(-30, 25)); // X is a diameter: drawn at half its value
        ActiveText()->setSelStart(0);
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, canvas()->toScreen(middle).toPoint());
        QCOMPARE(ActiveText()->SelText(), u"N3 Z-60"_qs);
        QCOMPARE(canvas()->highlightLine(), 2);

        // Empty space selects nothing; the caret moved by the keys lights its line.
        ActiveText()->setSelStart(0);
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(ActiveText()->SelStart(), 0);
        QTRY_COMPARE(canvas()->highlightLine(), 0);
        QTest::keyClick(ActiveText(), Qt::Key_Down);
        QTRY_COMPARE(canvas()->highlightLine(), 1);

        // Typing over Z-60 with Z-75: drawn after the pause.
        const int before = view()->readings();
        ActiveText()->setSelStart(u"N1 G00 X100 Z10\r\nN2 G01 X50 Z0 F0.2\r\nN3 Z-"_qs.size());
        ActiveText()->setSelLength(2);
        QTest::keyClicks(ActiveText(), u"75"_qs);
        QTest::qWait(100);
        QCOMPARE(view()->readings(), before); // nothing read until typing pauses
        awaitDrawing();
        QVERIFY(view()->readings() == before + 1 && drawnThrough({-75, 25})
            && !drawnThrough({-60, 25}));
    }

    // The lines the view cannot draw are counted and listed; a listed line is a way to it.
    void linesNotDrawnAreListedAndLeadToTheirLine()
    {
        showView();
        newDocument(u"N1 G00 X100 Z10\r\nN2 Q7 ?\r\nN3 G01 X50\r\n"_qs);
        auto* button = view()->findChild<QPushButton*>(u"cmdNotDrawn"_qs);
        auto* list = view()->findChild<QListWidget*>(u"lstNotDrawn"_qs);
        QCOMPARE(button->text(), u"1 line not drawn"_qs);
        QVERIFY(!list->isVisible());
        button->click();
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), 1);
        QVERIFY(list->item(0)->text().startsWith(u"Line 2: "_qs));
        ActiveText()->setSelStart(0);
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QCOMPARE(ActiveText()->SelText(), u"N2 Q7 ?"_qs);

        // Taking the line out leaves nothing to list.
        ActiveText()->setSelText(QString());
        awaitDrawing();
        QCOMPARE(button->text(), u"0 lines not drawn"_qs);
        QVERIFY(!button->isEnabled() && !list->isVisible() && list->count() == 0);
    }

    // The drawing is always the active window's program, and nothing once none is open; a
    // hidden view reads nothing and catches up when shown.
    void followsTheActiveWindow()
    {
        showView();
        newDocument(u"N1 G00 X100 Z10\r\n"_qs);
        newDocument(u"N1 G00 X40 Z-30\r\n"_qs);
        QVERIFY(drawnThrough({-30, 20}) && !drawnThrough({10, 50}));
        m_main->mdiArea()->activatePreviousSubWindow();
        awaitDrawing();
        QVERIFY(drawnThrough({10, 50}) && !drawnThrough({-30, 20}));

        item("mnuViewPathView")->trigger();
        m_main->mdiArea()->activateNextSubWindow();
        QVERIFY(!view()->reading());
        item("mnuViewPathView")->trigger();
        awaitDrawing();
        QVERIFY(drawnThrough({-30, 20}));

        CloseActiveDocumentDiscardingChanges();
        CloseActiveDocumentDiscardingChanges();
        QTRY_VERIFY(canvas()->result().elements.isEmpty());
    }
};

CORVANE_TEST_MAIN(PathViewTest)
#include "PathViewTest.moc"
