#pragma once

// What the tests of the program share: the main window, its documents and the widgets they drive.
#include "app/frmMain.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

// Answers the modal windows a command opens, in the order they appear: each step receives the
// modal widget and closes it. What the message boxes said is kept for the test to check.
class ModalScript
{
public:
    ModalScript();

    ModalScript& answerMessage(QMessageBox::StandardButton button);
    ModalScript& chooseFile(const QString& path); // empty: cancel the file dialog
    ModalScript& then(std::function<void(QWidget*)> step);

    struct Message
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };
    const QList<Message>& messages() const { return m_messages; }
    int pendingSteps() const { return int(m_steps.size()); }

private:
    void poll();
    QList<std::function<void(QWidget*)>> m_steps;
    QList<Message> m_messages;
    // The window answered last; cleared when it is destroyed, since the next one may be built
    // at the same address.
    QPointer<QWidget> m_last;
    QTimer m_timer;
};

// "title|text" of each message.
QStringList Said(const QList<ModalScript::Message>& messages);

// Chooses a file in an open or save dialog as a user would and accepts it.
void AcceptFileDialog(QFileDialog* dialog, const QString& path);

// A started program with a clean settings store (unless keepSettings).
frmMain* StartFresh(const QString& commandLine = {}, bool keepSettings = false);
// Closes the running main window as the user would (close prompts must be scripted).
void CloseMain();
// Closes the active document window without a prompt and waits until it is gone.
void CloseActiveDocumentDiscardingChanges();
// Closes the running main window without any close prompt: every change is dropped.
void CloseMainDiscardingChanges();

// The number of the run-time error the step raises; 0 when it raises none.
int RuntimeErrorOf(const std::function<void()>& step);

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
NcTextBox* ActiveText();
// Each "control.property=value" entry with the value the control of the form has now, for a test
// to compare with the entries it expects; "bool" properties read "true" or "false".
QStringList Properties(QWidget* form, const QStringList& entries);
// The visible top-level window of that object name, if any.
QWidget* ShownWindow(const QString& objectName);
QString SettingsFile();

// Sets up the isolated settings store and the application, then runs the test object.
#define CORVANE_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        PrepareTestEnvironment();                                                                  \
        QApplication app(argc, argv);                                                              \
        TestObject tc;                                                                             \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

void PrepareTestEnvironment();

// The rows of a data file in the tests folder (such as "common/BasicRows.txt"): one row a line,
// its fields split at '|' and trimmed; "=>" ends a field too and is kept as a field of its own.
// A field in double quotes keeps its blanks; the escapes \r \n \t \| \\ and \xHH (a character
// code) stand for what cannot be written plainly. Blank lines and lines starting with # are
// comments.
QList<QStringList> DataRows(const QString& file, QList<int>* lineNumbers = nullptr);
// One test row per data row, named "file:line", with its fields as the QStringList column "row".
void AddDataRows(const QString& file);

// A function under test for rows "rule | in | in => out | out": what it gives for the inputs.
using DataRule = std::function<QStringList(const QStringList&)>;
// Runs the current data row with the rule its first field names; "error N" stands for the
// run-time error the rule raises.
void RunDataRow(const QHash<QString, DataRule>& rules);

// Compares a listing line by line with a golden file in the tests folder, whose lines starting
// with # are comments; when they differ, the listing is also written to the working folder as
// the file's name with ".actual" for a diff.
void CompareWithFile(const QStringList& listing, const QString& file);

// The values of a line as the text tools' data files write them: bare words, or texts in double
// quotes, each perhaps repeated (*N), joined by "+". In a text "|" is CR LF, \n a lone LF, \r a
// lone CR, \t a TAB and "" one double quote.
QStringList QuotedValues(const QString& line);
