#include "TestSupport.h"

#include "app/StartUp.h"
#include "common/RuntimeError.h"

#include <QAbstractButton>
#include <QFileInfo>

ModalScript::ModalScript()
{
    // A dialog already open (a window-modal one such as Go to line) is the test's own to work;
    // the script answers only what opens after it, however slowly the steps run.
    m_last = QApplication::activeModalWidget();
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start(5);
}

ModalScript& ModalScript::answerMessage(QMessageBox::StandardButton button)
{
    return then([this, button](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY2(box, "expected a message box");
        m_messages.append({box->windowTitle(), box->text(), box->icon()});
        box->button(button)->click();
    });
}

QStringList Said(const QList<ModalScript::Message>& messages)
{
    QStringList list;
    for (const ModalScript::Message& m : messages)
        list << m.title + u'|' + m.text;
    return list;
}

void AcceptFileDialog(QFileDialog* dialog, const QString& path)
{
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    const QFileInfo info(path);
    dialog->setDirectory(info.absolutePath());
    // The name box, as a user types it: selectFile() alone is undone by the dialog's own loading.
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY2(name, "the file dialog has no name box");
    name->setText(info.fileName());
    static_cast<QDialog*>(dialog)->accept();
}

ModalScript& ModalScript::chooseFile(const QString& path)
{
    return then([path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        QVERIFY2(dialog, "expected a file dialog");
        path.isEmpty() ? dialog->reject() : AcceptFileDialog(dialog, path);
    });
}

ModalScript& ModalScript::then(std::function<void(QWidget*)> step)
{
    m_steps.append(std::move(step));
    return *this;
}

void ModalScript::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_last || m_steps.isEmpty() || !modal->isVisible())
        return;
    m_last = modal;
    // Run the step from the dialog's own event loop, so that a modal it opens in turn can be
    // answered by the next step.
    QMetaObject::invokeMethod(
        modal, [step = m_steps.takeFirst(), modal] { step(modal); }, Qt::QueuedConnection);
}

namespace {
QTemporaryDir* configDir = nullptr;
QtMessageHandler defaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // The headless platform says this for every top-level window; it tells a test nothing.
    if (!message.contains(QLatin1String("propagateSizeHints")))
        defaultHandler(type, context, message);
}
} // namespace

void PrepareTestEnvironment()
{
    // Headless; a run may give the headless platform screens of its own (a configfile), or ask
    // for an X server (xcb, under Xvfb) to see the windows with a window manager's frames.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.startsWith("offscreen") && platform != "xcb")
        qputenv("QT_QPA_PLATFORM", "offscreen");
    configDir = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", configDir->path().toLocal8Bit());
    // The user's data folder too: no test reads or writes the real one.
    qputenv("XDG_DATA_HOME", (configDir->path() + QLatin1String("/data")).toLocal8Bit());
}

QString SettingsFile()
{
    return configDir->path() + QLatin1String("/Corvane/Corvane.conf");
}

frmMain* StartFresh(const QString& commandLine, bool keepSettings)
{
    // The test runner installs its own handler when it starts; filter in front of it.
    if (!defaultHandler)
        defaultHandler = qInstallMessageHandler(quietHandler);
    if (frmMain* old = MainForm()) {
        old->setAttribute(Qt::WA_DeleteOnClose, true);
        delete old;
    }
    if (!keepSettings)
        QFile::remove(SettingsFile());
    return StartUp(commandLine);
}

void CloseMain()
{
    if (frmMain* main = MainForm())
        main->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void CloseActiveDocumentDiscardingChanges()
{
    if (frmDocument* doc = MainForm() ? MainForm()->activeDocument() : nullptr) {
        doc->txtText()->setDataChanged(false);
        doc->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void CloseMainDiscardingChanges()
{
    if (frmMain* main = MainForm())
        for (frmDocument* doc : main->documents())
            doc->txtText()->setDataChanged(false);
    CloseMain();
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

NcTextBox* ActiveText()
{
    frmMain* main = MainForm();
    frmDocument* doc = main ? main->activeDocument() : nullptr;
    return doc ? doc->txtText() : nullptr;
}

QWidget* ShownWindow(const QString& objectName)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == objectName)
            return w;
    return nullptr;
}

int RuntimeErrorOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

QStringList Properties(QWidget* form, const QStringList& entries)
{
    QStringList actual;
    for (const QString& entry : entries) {
        const QString key = entry.section(u'=', 0, 0);
        const QString name = key.section(u'.', 0, 0);
        QObject* control = name == form->objectName() ? form : form->findChild<QObject*>(name);
        const QVariant value
            = control ? control->property(key.section(u'.', 1).toLatin1()) : QVariant();
        actual << key + u'=' + (control ? value.toString() : QStringLiteral("<no such control>"));
    }
    return actual;
}

namespace {
QString testsFile(const QString& file)
{
    return QStringLiteral(CORVANE_TESTS_DIR "/") + file;
}

QString unescaped(QString field)
{
    field = field.trimmed();
    if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
        field = field.mid(1, field.size() - 2);
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field[i] == u'\\' && i + 1 < field.size() ? field[++i] : QChar();
        if (c == u'x') {
            out += QChar(field.mid(i + 1, 2).toUShort(nullptr, 16));
            i += 2;
        } else if (c.isNull()) {
            out += field[i];
        } else {
            out += c == u'r' ? u'\r' : c == u'n' ? u'\n' : c == u't' ? u'\t' : c;
        }
    }
    return out;
}
} // namespace

QList<QStringList> DataRows(const QString& file, QList<int>* lineNumbers)
{
    QList<QStringList> rows;
    const QStringList lines = QString::fromUtf8(ReadBytes(testsFile(file))).split(u'\n');
    if (lines.size() < 2)
        qWarning("no data rows in %s", qPrintable(file));
    for (int n = 0; n < lines.size(); ++n) {
        const QString& line = lines[n];
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList fields {QString()};
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i] == u'|' || QStringView(line).mid(i, 2) == u"=>") {
                if (line[i] == u'=')
                    fields << u"=>"_qs, ++i;
                fields << QString();
                continue;
            }
            fields.last() += line[i];
            if (line[i] == u'\\' && i + 1 < line.size())
                fields.last() += line[++i];
        }
        if (fields.size() > 1 && fields.last().trimmed().isEmpty()
            && fields[fields.size() - 2] == u"=>")
            fields.removeLast();
        for (QString& field : fields)
            field = unescaped(field);
        rows << fields;
        if (lineNumbers)
            *lineNumbers << n + 1;
    }
    return rows;
}

void AddDataRows(const QString& file)
{
    QTest::addColumn<QStringList>("row");
    QList<int> numbers;
    const QList<QStringList> rows = DataRows(file, &numbers);
    const QString name = file.section(u'/', -1);
    for (int i = 0; i < rows.size(); ++i)
        QTest::addRow("%s:%d %s", qPrintable(name), numbers[i], qPrintable(rows[i][0])) << rows[i];
}

void RunDataRow(const QHash<QString, DataRule>& rules)
{
    QFETCH(QStringList, row);
    const qsizetype arrow = row.indexOf(u"=>"_qs);
    const DataRule rule = rules.value(row.value(0));
    QVERIFY2(rule && arrow > 0, "no rule of that name, or no => in the row");
    QStringList out;
    if (const int error = RuntimeErrorOf([&] { out = rule(row.mid(1, arrow - 1)); }))
        out = QStringList {u"error %1"_qs.arg(error)};
    QCOMPARE(out, row.mid(arrow + 1));
}

void CompareWithFile(const QStringList& listing, const QString& file)
{
    QString text = QString::fromUtf8(ReadBytes(testsFile(file)));
    text.chop(text.endsWith(u'\n') ? 1 : 0);
    QStringList golden = text.split(u'\n');
    golden.removeIf([](const QString& line) { return line.startsWith(u'#'); });
    if (listing != golden)
        WriteBytes(file.section(u'/', -1) + u".actual"_qs, (listing.join(u'\n') + u'\n').toUtf8());
    QCOMPARE(listing, golden);
}

QStringList QuotedValues(const QString& line)
{
    static const QRegularExpression value(uR"re((?:"(?:[^"]|"")*"(?:\*\d+)?\+?)+|\S+)re"_qs);
    static const QRegularExpression piece(uR"re("((?:[^"]|"")*)"(?:\*(\d+))?)re"_qs);
    QStringList values;
    for (const QRegularExpressionMatch& word : value.globalMatch(line)) {
        if (!word.captured().startsWith(u'"')) {
            values << word.captured();
            continue;
        }
        QString text;
        for (const QRegularExpressionMatch& m : piece.globalMatch(word.captured()))
            text += m.captured(1)
                        .replace(u"\"\""_qs, u"\""_qs)
                        .replace(u"\\n"_qs, u"\n"_qs)
                        .replace(u"\\r"_qs, u"\r"_qs)
                        .replace(u"\\t"_qs, u"\t"_qs)
                        .replace(u'|', u"\r\n"_qs)
                        .repeated(m.hasCaptured(2) ? m.captured(2).toInt() : 1);
        values << text;
    }
    return values;
}
