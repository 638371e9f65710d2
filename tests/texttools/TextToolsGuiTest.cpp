#include "TestSupport.h"

#include "app/frmMain.h"
#include "common/Module1.h"
#include "common/ProgramFolder.h"
#include "documents/NcTextBox.h"
#include "texttools/core/Insertions.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
// A caption or inserted text as CodeMenus.txt writes it.
QString Quoted(const QString& text)
{
    return u'"' + QString(text).replace(u"\r\n"_qs, u"|"_qs) + u'"';
}

// The lines of a data file under tests/texttools that are no comments.
QStringList DataLines(const char* file)
{
    QFile f(QStringLiteral(CORVANE_TESTS_DIR "/texttools/") + QString::fromLatin1(file));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", file);
    QStringList lines;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith(u'#'))
            lines << line;
    return lines;
}
} // namespace

// The text tools on a running program: the G-code and M-code menus and the insert commands here,
// the dialogs of find, replace, the calculation data change and the sequence number arrange by
// the scenarios of Dialogs.txt. The dialogs hand their input to the text functions and write the
// result back; what those functions make of a text is proven case by case in TextToolsLogicTest.
class TextToolsGuiTest : public QObject
{
    Q_OBJECT

    frmMain* m_main = nullptr;
    QTemporaryDir m_folder;
    QList<NcTextBox*> m_documents;
    NcTextBox* m_box = nullptr;
    QWidget* m_form = nullptr;
    QStringList m_said; // messages not yet checked: title, CR LF, text

    void trigger(const QString& command) { m_main->action(command)->trigger(); }

    NcTextBox* newDocument(const QString& text)
    {
        trigger(u"mnuFileNew"_qs);
        m_documents << ActiveText();
        m_box = m_documents.last();
        m_box->loadText(text);
        return m_box;
    }

    template<typename T> T* control(const QString& name)
    {
        T* control = m_form ? m_form->findChild<T*>(name) : nullptr;
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }

    // Runs the operator's step, answering the messages it shows with OK and keeping what they said.
    void act(const std::function<void()>& step)
    {
        ModalScript script;
        script.answerMessage(QMessageBox::Ok).answerMessage(QMessageBox::Ok);
        step();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        for (const ModalScript::Message& m : script.messages())
            m_said << (m.icon == QMessageBox::Warning ? u"warning: "_qs : QString()) + m.title
                    + u"\r\n"_qs + m.text;
    }

    // One step of a scenario of Dialogs.txt, whose header says what each does.
    void step(const QString& verb, const QStringList& values)
    {
        const QString a = values.value(0);
        const QString b = values.value(1);
        if (verb == u"document")
            newDocument(a);
        else if (verb == u"window")
            m_box = m_documents.value(a.toInt() - 1);
        else if (verb == u"select") {
            m_box->setSelStart(a.toLongLong());
            m_box->setSelLength(b.toLongLong());
        } else if (verb == u"edit")
            m_box->setSelText(a);
        else if (verb == u"append") {
            const QByteArray bytes = a.toUtf8();
            m_box->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT,
                static_cast<unsigned long>(bytes.size()), bytes.constData());
        } else if (verb == u"undo")
            m_box->undo();
        else if (verb == u"close")
            CloseActiveDocumentDiscardingChanges();
        else if (verb == u"command" || verb == u"open") {
            act([&] { trigger(a); });
            if (verb == u"open" && !(m_form = ShownWindow(b)))
                QFAIL("the dialog is not shown");
        } else if (verb == u"type")
            control<QLineEdit>(a)->setText(b);
        else if (verb == u"keys")
            act([&] { QTest::keyClicks(control<QLineEdit>(a), b); });
        else if (verb == u"key")
            act([&] {
                QTest::keyClick(
                    control<QLineEdit>(a), b == u"Enter" ? Qt::Key_Enter : Qt::Key_Return);
            });
        else if (verb == u"escape")
            QTest::keyClick(m_box, Qt::Key_Escape);
        else if (verb == u"matched") {
            QStringList marks;
            const auto indicator = static_cast<unsigned long>(NcTextBox::kMatchIndicator);
            const long length = m_box->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
            for (long p = 0, end = 0; p < length; p = end) {
                end = m_box->SendScintilla(QsciScintillaBase::SCI_INDICATOREND, indicator, p);
                if (m_box->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, indicator, p))
                    marks << QString::number(p) << QString::number(end - p);
                end = qMax(end, p + 1);
            }
            QCOMPARE(marks, values);
        } else if (verb == u"check")
            control<QAbstractButton>(a)->setChecked(b == u"yes");
        else if (verb == u"click")
            act([&] { control<QAbstractButton>(a)->click(); });
        else if (verb == u"text")
            QCOMPARE(m_box->Text(), a);
        else if (verb == u"selection")
            QCOMPARE((QList<qint64> {m_box->SelStart(), m_box->SelLength()}),
                (QList<qint64> {a.toLongLong(), b.toLongLong()}));
        else if (verb == u"said" || verb == u"warned") {
            QStringList expected = values;
            if (verb == u"warned")
                for (QString& message : expected)
                    message.prepend(u"warning: "_qs);
            QCOMPARE(std::exchange(m_said, {}), expected);
        } else if (verb == u"props")
            QCOMPARE(Properties(m_form, values), values);
        else if (verb == u"focus")
            QCOMPARE(m_form->focusWidget() ? m_form->focusWidget()->objectName() : QString(), a);
        else if (verb == u"marked")
            QTRY_COMPARE(control<QLineEdit>(a)->selectedText(), b);
        else if (verb == u"shown")
            QCOMPARE(ShownWindow(a) != nullptr, b == u"yes");
        else if (verb == u"changes")
            QCOMPARE(module1().gChangeCount, a.toLongLong());
        else if (verb == u"set-changes")
            module1().gChangeCount = a.toLongLong();
        else if (verb == u"first-change")
            QCOMPARE(module1().gFirstChange, a == u"yes");
        else
            QFAIL(qPrintable(u"no step "_qs + verb));
    }

private slots:
    void init()
    {
        m_main = StartFresh();
        m_documents.clear();
        m_said.clear();
        m_form = nullptr;
        Module1& m = module1();
        m.gFindText.clear();
        m.gReplaceText.clear();
        m.gFindPos = 0;
        m.gChangeCount = 0;
        m.gFirstChange = true;
    }
    void cleanup() { SetProgramFolder(QString()); }

    void dialogs_data()
    {
        QTest::addColumn<QStringList>("steps");
        QString name;
        QStringList steps;
        const QStringList lines = DataLines("Dialogs.txt") << u"[]"_qs;
        for (const QString& line : lines) {
            if (!line.startsWith(u'[')) {
                steps << line;
                continue;
            }
            if (!name.isEmpty())
                QTest::newRow(qPrintable(name)) << steps;
            name = line.mid(1, line.indexOf(u']') - 1);
            steps.clear();
        }
    }
    void dialogs()
    {
        QFETCH(QStringList, steps);
        for (const QString& line : steps) {
            QStringList values = QuotedValues(line);
            step(values.takeFirst(), values);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(u"at step: "_qs + line));
        }
        QCOMPARE(m_said, QStringList());
    }

    // The built menus against CodeMenus.txt. Each item is triggered on a selection in the middle
    // of a document: its text must replace the selection, the caret behind it.
    void codeMenusAsListed()
    {
        NcTextBox* box = newDocument(QString());
        QStringList built;
        const std::function<void(QMenu*, const QString&)> list
            = [&](QMenu* menu, const QString& indent) {
                  for (QAction* a : menu->actions()) {
                      if (a->menu()) {
                          built << indent + Quoted(a->text());
                          list(a->menu(), indent + u"  "_qs);
                          continue;
                      }
                      box->loadText(u"[selected]"_qs);
                      box->setSelStart(1);
                      box->setSelLength(8);
                      a->trigger();
                      const QString text = box->Text();
                      const bool atCaret = text.startsWith(u'[') && text.endsWith(u']')
                          && box->SelStart() == text.size() - 1 && box->SelLength() == 0
                          && box->DataChanged();
                      built << indent + a->objectName() + u' ' + Quoted(a->text()) + u" -> "_qs
                              + (atCaret ? Quoted(text.mid(1, text.size() - 2))
                                         : u"not at the caret: "_qs + text);
                  }
              };
        for (const QString& name : {u"Gcode"_qs, u"Mcode"_qs}) {
            built << name + u' ' + Quoted(m_main->menu(name)->title());
            list(m_main->menu(name), u"  "_qs);
        }
        QCOMPARE(built, DataLines("CodeMenus.txt"));
    }
    void commentsDateAndAutoNumber()
    {
        const QStringList lines
            = QString::fromUtf8(ReadBytes(ProgramFolder() + u"/Comment.txt"_qs)).split(u"\r\n"_qs);
        QVERIFY(lines.size() > 3);
        QVERIFY(lines.last().isEmpty()); // every line ends with CR LF
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            QVERIFY2(lines[i].startsWith(u'(') && lines[i].endsWith(u')'), qPrintable(lines[i]));
        // Inserted whole at the caret; a missing file is created empty.
        SetProgramFolder(m_folder.path());
        const QString comments = m_folder.filePath(u"Comment.txt"_qs);
        QFile::remove(comments);
        NcTextBox* box = newDocument(u"G00"_qs);
        trigger(u"mnuInsertComment"_qs);
        QCOMPARE(box->Text(), u"G00"_qs);
        QVERIFY(QFile::exists(comments));
        WriteBytes(comments, "(A)\r\n(B)\r\n(C \xE6\xB8\xAC)\r\n");
        trigger(u"mnuInsertComment"_qs);
        QCOMPARE(box->Text(), u"(A)\r\n(B)\r\n(C 測)\r\nG00"_qs);
        QCOMPARE(box->SelStart(), 17); // at the start of the line after them
        box->setSelStart(0);
        trigger(u"mnuInsertDate"_qs);
        QVERIFY(box->Text().startsWith(DateLine(QDate::currentDate()) + u"(A)"_qs));

        // The automatic sequence number switch: menu item and tool bar button go together.
        QAction* item = m_main->action(u"mnuToolsAutoNo"_qs);
        QAction* button = m_main->toolBarButton(u" Auto Sequence No.  Insert "_qs);
        const auto on = [&] {
            return QList<bool> {module1().gAutoSeqNo, item->isChecked(), button->isChecked()};
        };
        QCOMPARE(on(), QList<bool>(3, false));
        item->trigger();
        QCOMPARE(on(), QList<bool>(3, true));
        box->loadText(u"G00\r\n"_qs);
        box->setSelStart(5);
        QTest::keyClicks(box, u"X"_qs);
        QCOMPARE(box->Text(), u"G00\r\nN000     X"_qs);
        for (QAction* a : {item, button, button}) {
            const bool wasOn = module1().gAutoSeqNo;
            a->trigger();
            QCOMPARE(on(), QList<bool>(3, !wasOn));
        }
    }

    void subProgramSizeLimit_data()
    {
        QTest::addColumn<int>("size"); // 0: the file dialog is cancelled
        QTest::newRow("exactly65000") << 65000;
        QTest::newRow("65001") << 65001;
        QTest::newRow("cancelled") << 0;
    }
    void subProgramSizeLimit()
    {
        QFETCH(int, size);
        const QString path = m_folder.filePath(u"SUB.SSB"_qs);
        WriteBytes(path, QByteArray(qMax(size - 2, 0), 'X') + "\r\n");
        NcTextBox* box = newDocument(u"M30"_qs);
        ModalScript script;
        script.chooseFile(size ? path : QString()).answerMessage(QMessageBox::Ok);
        trigger(u"mnuInsertFile"_qs);
        QCOMPARE(box->Text().size(), size == 65000 ? size + 3 : 3);
        QCOMPARE(Said(script.messages()),
            size == 65001
                ? QStringList {u"Corvane| this  file は size が big きすぎるため Open ことが can not do  . "_qs}
                : QStringList());
        if (size)
            QCOMPARE(QDir(module1().gInsertPathName), QDir(m_folder.path()));
    }
};

CORVANE_TEST_MAIN(TextToolsGuiTest)
#include "TextToolsGuiTest.moc"
