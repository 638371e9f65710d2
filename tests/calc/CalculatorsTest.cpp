// Mouse moves go through the window, as the pointer would deliver them.
#define QTEST_QPA_MOUSE_HANDLING

#include "TestSupport.h"

#include "calc/LinePicture.h"

#include <QLabel>

namespace {
QWidget* openForm(frmMain* main, const char* command, const char* form)
{
    main->action(QString::fromLatin1(command))->trigger();
    QWidget* w = ShownWindow(QLatin1String(form));
    if (w)
        w->activateWindow();
    return w && QTest::qWaitForWindowActive(w) ? w : nullptr;
}

QLineEdit* field(QWidget* form, const QString& name)
{
    return form->findChild<QLineEdit*>(name);
}

// Types into a field as the user does: focus, text, then Tab on to the next control.
void typeAndLeave(QWidget* form, const QString& name, const QString& text)
{
    QLineEdit* edit = field(form, name);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

void click(QWidget* form, const char* button)
{
    QTest::mouseClick(form->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

} // namespace

class CalculatorsTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;

private slots:
    void init()
    {
        m_main = StartFresh();
        m_main->action(u"mnuFileNew"_qs)->trigger();
    }

    void cleanup() { CloseMainDiscardingChanges(); }

    // Speed, Enter, diameter, Enter: the speed rounded down to tens goes in at the caret. A field
    // that is not a number, or a diameter not above 0, is refused: one message naming it, and the
    // form stays open with that field's text selected; nothing goes in.
    void rpm()
    {
        const QString notANumber
            = u"Cut speed V: '150m/min' is not a number. Enter a number, "
              u"written as digits with an optional sign and at most one point."_qs;
        for (const auto& [speed, diameter, result, refused] :
            {std::tuple {"150", "30", u"1590"_qs, ""}, {"0", "50", u"0"_qs, ""},
                {"150m/min", "30", notANumber, "V"},
                {"100", "0", u"Diameter D: 0 is out of range. Enter a number above 0."_qs,
                    "Diameter"},
                {"100", "", u"Diameter D is empty. Enter a number above 0."_qs, "Diameter"}}) {
            ActiveText()->setWholeText(u"S\r\n"_qs);
            ActiveText()->setSelStart(1);
            QPointer<QWidget> form = openForm(m_main, "mnuToolsrpm", "RPM");
            QVERIFY(form);
            QCOMPARE(form->windowTitle(), u"Speed cal."_qs);
            QCOMPARE(QApplication::focusWidget(), field(form, "V"));
            QTest::keyClicks(field(form, "V"), QString::fromLatin1(speed));
            QTest::keyClick(field(form, "V"), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), field(form, "Diameter"));
            QTest::keyClicks(field(form, "Diameter"), QString::fromLatin1(diameter));
            ModalScript script;
            if (*refused)
                script.answerMessage(QMessageBox::Ok);
            QTest::keyClick(field(form, "Diameter"), Qt::Key_Return);
            if (*refused) {
                QCOMPARE(Said(script.messages()), QStringList {u"Corvane|"_qs + result});
                QVERIFY(form && form->isVisible());
                QLineEdit* box = field(form, QString::fromLatin1(refused));
                QCOMPARE(form->focusWidget(), box);
                QCOMPARE(box->selectedText(), box->text());
                form->close();
            }
            QTRY_VERIFY(!form);
            QCOMPARE(ActiveText()->Text(), u"S"_qs + (*refused ? QString() : result) + u"\r\n"_qs);
            if (!*refused)
                QVERIFY(script.messages().isEmpty());
        }
    }

    // Opened by its key and by the tool bar; a diameter without a speed goes back to the speed.
    void rpm_byShortcutAndToolBar_writesIntoTheDocumentActiveWhenOpened()
    {
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        QTest::keyClick(ActiveText(), Qt::Key_N, Qt::ControlModifier);
        QPointer<QWidget> form = ShownWindow(u"RPM"_qs);
        QVERIFY(form);
        form->close();
        QTRY_VERIFY(!form);
        NcTextBox* first = ActiveText();
        m_main->toolBarButton(u" Spindle Speed Calculation "_qs)->trigger();
        form = ShownWindow(u"RPM"_qs);
        QVERIFY(form);
        m_main->action(u"mnuFileNew"_qs)->trigger();
        QVERIFY(ActiveText() != first);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClicks(field(form, "Diameter"), u"20"_qs);
        QTest::keyClick(field(form, "Diameter"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), field(form, "V"));
        QVERIFY(form && form->isVisible() && first->Text().isEmpty());
        QTest::keyClicks(field(form, "V"), u"100"_qs);
        QTest::keyClick(field(form, "Diameter"), Qt::Key_Return);
        QCOMPARE(first->Text(), u"1590"_qs);
        QCOMPARE(ActiveText()->Text(), QString());
    }

    void rpm_withoutDocument_says91()
    {
        CloseActiveDocumentDiscardingChanges();
        QPointer<QWidget> form = openForm(m_main, "mnuToolsrpm", "RPM");
        QTest::keyClicks(field(form, "V"), u"100"_qs);
        QTest::keyClicks(field(form, "Diameter"), u"20"_qs);
        ModalScript script;
        script.answerMessage(QMessageBox::Ok);
        QTest::keyClick(field(form, "Diameter"), Qt::Key_Return);
        QCOMPARE(
            Said(script.messages()), QStringList {" error  91|Not file open. Can not insert."});
        QTRY_VERIFY(!form);
    }

    // The fields typed in order, completed on leaving X2 or Z2, and the button that inserts.
    void lineAngle_completesAndInserts()
    {
        for (const auto& [typed, shown, button, inserted] :
            {std::tuple {QStringList {"20", "0", "45", "40", ""}, QStringList {"45", "40", "10"},
                 "Command4", "X40 Z10"},
                {{"20", "0", "30", "", "10"}, {"30", "31.547", "10"}, "Command1", "X31.547"},
                {{"20", "0", "", "40", "-10"}, {"135", "40", "-10"}, "Command5", "A135"},
                {{"20", "0", "", "20", "-10"}, {"180", "20", "-10"}, "Command3", "Z-10"},
                {{"20", "0", "0", "40", ""}, {"0", "40", ""}, "Command4", "X40 Z"}}) {
            ActiveText()->setWholeText(QString());
            QPointer<QWidget> form = openForm(m_main, "LineAngle", "frmLineAngle");
            QVERIFY(form);
            QCOMPARE(form->windowTitle(), u"Line-Angle"_qs);
            for (int i = 0; i < 5; ++i)
                if (!typed[i].isEmpty())
                    typeAndLeave(form, u"Text%1"_qs.arg(i + 1), typed[i]);
            QCOMPARE((QStringList {field(form, "Text3")->text(), field(form, "Text4")->text(),
                         field(form, "Text5")->text()}),
                shown);
            click(form, button);
            QTRY_VERIFY(!form);
            QCOMPARE(ActiveText()->Text(), QString::fromLatin1(inserted));
        }
    }

    void lineAngle_tabbingOnKeepsTypedX2_cancelUnloads()
    {
        QPointer<QWidget> form = openForm(m_main, "LineAngle", "frmLineAngle");
        for (int i = 1; i <= 4; ++i)
            typeAndLeave(form, u"Text%1"_qs.arg(i), QStringList {"20", "0", "30", "40"}[i - 1]);
        QCOMPARE(field(form, "Text5")->text(), u"17.32"_qs);
        QCOMPARE(QApplication::focusWidget(), field(form, "Text5"));
        // Z2 was cut to three decimals: computing X2 back from it would give 39.999.
        QTest::keyClick(field(form, "Text5"), Qt::Key_Tab);
        QCOMPARE(field(form, "Text4")->text(), u"40"_qs);
        // Typing a new Z2 completes X2 as before.
        typeAndLeave(form, u"Text5"_qs, u"10"_qs);
        QCOMPARE(field(form, "Text4")->text(), u"31.547"_qs);
        // An angle that is not a number is refused, and nothing is completed from it.
        ModalScript script;
        script.answerMessage(QMessageBox::Ok);
        typeAndLeave(form, u"Text3"_qs, u"3O"_qs);
        typeAndLeave(form, u"Text5"_qs, u"20"_qs);
        QCOMPARE(Said(script.messages()),
            QStringList {u"Corvane|A: '3O' is not a number. Enter a number, written as digits with "
                         u"an optional sign and at most one point."_qs});
        QCOMPARE(field(form, "Text4")->text(), u"31.547"_qs);
        // Cancel unloads the form: opened again, it is empty, and nothing was inserted.
        click(form, "Command2");
        QTRY_VERIFY(!form);
        form = openForm(m_main, "LineAngle", "frmLineAngle");
        QCOMPARE(field(form, "Text1")->text(), QString());
        QCOMPARE(ActiveText()->Text(), QString());
    }

    // Enter walks the fields; the corner is computed and drawn, the pointer's place shown.
    void lineRLine()
    {
        QPointer<QWidget> form = openForm(m_main, "LineCircleLine", "frmLineRLine");
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), u"2 Line and Cycle"_qs);
        auto* picture = form->findChild<LinePicture*>(u"Picture1"_qs);
        const QStringList typed = {"20", "0", "45", "40", "20", "180", "2"};
        const QStringList order = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text9"};
        field(form, "Text1")->setFocus();
        for (int i = 0; i < order.size(); ++i) {
            QCOMPARE(QApplication::focusWidget(), field(form, order[i]));
            QTest::keyClicks(field(form, order[i]), typed[i]);
            QTest::keyClick(field(form, order[i]), Qt::Key_Return);
            if (i == 3) {
                // Line 2 not complete yet: only the direction of line 1 is shown.
                QCOMPARE(picture->shapeCount(), 1);
                QCOMPARE(field(form, "Text7")->text(), QString());
            }
        }
        QCOMPARE(QApplication::focusWidget(), form->findChild<QPushButton*>(u"Command1"_qs));
        QCOMPARE(picture->shapeCount(), 3); // two lines and the corner circle
        // Each button inserts its block from the fields.
        for (const char* button : {"Command1", "Command3", "Command4", "Command5", "Command8",
                 "Command6", "Command9", "Command7"})
            click(form, button);
        QVERIFY(form && form->isVisible());
        QCOMPARE(ActiveText()->Text(),
            QStringLiteral("N000 G01 X20 Z0\r\n"
                           "N000 G01 X40 Z20\r\n"
                           "N000 G01 X40 Z10\r\n"
                           "N000 G01 X36 Z10.828\r\n"
                           "N000     X38.828 Z9.414\r\n"
                           " I-1.415 K1.414\r\n"
                           "N000 G X40 Z10.828 L2\r\n"
                           " I-2 K0\r\n"));
        auto* coordinates = form->findChild<QLabel*>(u"Picture3"_qs);
        QVERIFY(!coordinates->isVisible());
        // The scale runs from Z -2 over 24 and from r 22 down: the centre is Z 10, X 2 * 15.379.
        QTest::mouseMove(picture, QPoint(picture->width() / 2, picture->height() / 2));
        QTRY_VERIFY(coordinates->isVisible());
        QVERIFY2(coordinates->text().startsWith(QLatin1String("X30.7"))
                && coordinates->text().contains(QLatin1String(" Z9.9")),
            qPrintable(coordinates->text()));
        QVERIFY(coordinates->geometry().bottom() == picture->height() - 1 && coordinates->x() == 0);
        QTest::mouseMove(form, QPoint(2, form->height() - 2));
        QTRY_VERIFY(!coordinates->isVisible());

        // Line 2 turned parallel to line 1: every result goes blank, its insert button off, and
        // one message says why, once; text that is not a number is refused before any
        // calculation. A crossing again brings the results and their buttons back.
        const char* results[]
            = {"Command4", "Command5", "Command8", "Command6", "Command9", "Command7"};
        const auto resultsShown = [&] {
            QStringList shown;
            for (int i : {7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19})
                shown << field(form, u"Text%1"_qs.arg(i))->text();
            for (const char* button : results)
                shown << (form->findChild<QPushButton*>(QLatin1String(button))->isEnabled()
                        ? u"on"_qs
                        : u"off"_qs);
            return shown.join(u' ');
        };
        ModalScript script;
        script.answerMessage(QMessageBox::Ok).answerMessage(QMessageBox::Ok);
        const auto activate = [&] { // as the desktop does when a message over the form closes
            form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(form));
        };
        typeAndLeave(form, u"Text6"_qs, u"45"_qs);
        QCOMPARE(resultsShown(), QString(12, u' ') + u"off off off off off off"_qs);
        activate();
        typeAndLeave(form, u"Text9"_qs, u"3"_qs);
        typeAndLeave(form, u"Text6"_qs, u"4x5"_qs);
        activate();
        QTRY_COMPARE(form->focusWidget(), field(form, "Text6"));
        QCOMPARE(field(form, "Text6")->selectedText(), u"4x5"_qs);
        QCOMPARE(Said(script.messages()),
            (QStringList {u"Corvane|Line 1 and line 2 are parallel: they never cross, so there is "
                          u"no crossing point and no corner arc. Change an angle."_qs,
                u"Corvane|Line 2 A: '4x5' is not a number. Enter a number, written as digits "
                u"with an optional sign and at most one point."_qs}));
        typeAndLeave(form, u"Text6"_qs, u"180"_qs);
        QCOMPARE(field(form, "Text7")->text(), u"40"_qs);
        QCOMPARE(resultsShown().section(u' ', 12), u"on on on on on on"_qs);
        QCOMPARE(ActiveText()->Text().count(u"\r\n"_qs), 8); // nothing inserted meanwhile
    }

    void calculator_firstFoundStarts()
    {
        QTemporaryDir bin;
        const QString marker = bin.filePath(u"started"_qs);
        const QString program = bin.filePath(u"mate-calc"_qs);
        WriteBytes(program, "#!/bin/sh\necho started > '" + marker.toUtf8() + "'\n");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());
        m_main->action(u"mnuToolsCalculator"_qs)->trigger();
        QTRY_VERIFY(QFile::exists(marker));

        qputenv("PATH", QTemporaryDir().path().toUtf8());
        ModalScript script;
        script.answerMessage(QMessageBox::Ok);
        m_main->action(u"mnuToolsCalculator"_qs)->trigger();
        qputenv("PATH", path);
        QCOMPARE(script.messages().size(), 1);
        QVERIFY(script.messages()[0].text.contains(QLatin1String("gnome-calculator")));
        QCOMPARE(script.messages()[0].title, u"Corvane"_qs);
    }
};

CORVANE_TEST_MAIN(CalculatorsTest)
#include "CalculatorsTest.moc"
