#pragma once

#include "TestSupport.h"
#include "app/frmMain.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

// Helpers for driving the text tool dialogs of a running program through their controls.

// Test texts are written with "|" for CR LF.
inline QString Crlf(const QString& text)
{
    return QString(text).replace(u'|', QLatin1String("\r\n"));
}

inline void Trigger(frmMain* main, const char* command)
{
    main->action(QString::fromLatin1(command))->trigger();
}

// A new document holding the text, caret at the start.
inline NcTextBox* NewDocument(frmMain* main, const QString& text)
{
    Trigger(main, "mnuFileNew");
    NcTextBox* box = ActiveText();
    box->loadText(text);
    return box;
}

// The visible top-level window of that name.
inline QWidget* OpenForm(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

template<typename T> T* Control(QWidget* form, const char* name)
{
    T* control = form ? form->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!control)
        qFatal("no control %s", name);
    return control;
}

inline void Click(QWidget* form, const char* button)
{
    Control<QPushButton>(form, button)->click();
}

inline void Type(QWidget* form, const char* box, const QString& text)
{
    Control<QLineEdit>(form, box)->setText(text);
}

// Runs the command that opens a search dialog and fills its two boxes.
inline QWidget* OpenSearchDialog(frmMain* main, const char* command, const char* form,
    const QString& find, const char* secondBox, const QString& second)
{
    Trigger(main, command);
    QWidget* dialog = OpenForm(form);
    Type(dialog, "txtFind", find);
    Type(dialog, secondBox, second);
    return dialog;
}

// Appends text to the document as a hand edit that leaves the selection where it is.
inline void AppendByHand(NcTextBox* box, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    box->SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()),
        bytes.constData());
}

// Windows closed in the last step are gone once their deferred deletion has run.
inline void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Runs the step and answers with OK each of the message boxes it shows; what they said.
inline QList<ModalScript::Message> Answering(const std::function<void()>& step, int messages = 1)
{
    ModalScript script;
    for (int i = 0; i < messages; ++i)
        script.answerMessage(QMessageBox::Ok);
    step();
    return script.messages();
}

inline void CloseActiveDocument(frmMain* main)
{
    main->activeDocument()->close();
    Settle();
}

inline void ResetSearchState()
{
    Module1& m = module1();
    m.gFindText.clear();
    m.gReplaceText.clear();
    m.gFindPos = 0;
    m.gChangeCount = 0;
    m.gFirstChange = true;
}
