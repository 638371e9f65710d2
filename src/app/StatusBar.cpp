#include "app/StatusBar.h"

#include "documents/NcTextBox.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent)
    , m_clock(new QTimer(this))
{
    setObjectName(QStringLiteral("sbStatusBar"));
    const struct
    {
        const char* name;
        const char* text;
        const char* tip;
    } panels[] = {
        {"Memo", "Memo", ""},
        {"Ins", "INS", "Insrt Key"},
        {"Caps", "CAPS", "Caps Lock"},
        {"Num", "NUM", "Num Lock"},
        {"Date", "", "Date"},
        {"Time", "", "Time"},
    };
    for (const auto& p : panels) {
        auto* label = new QLabel(QString::fromLatin1(p.text), this);
        label->setObjectName(QString::fromLatin1(p.name));
        label->setToolTip(QString::fromLatin1(p.tip));
        label->setAlignment(Qt::AlignCenter);
        label->setMargin(2);
        if (m_panels.isEmpty()) {
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            // The memo and the caret position give up their room first, so that a narrow
            // window clips them rather than the key, date and time panels.
            label->setMinimumWidth(1);
            addWidget(label, 1);
        } else {
            label->setMinimumWidth(
                label->fontMetrics().horizontalAdvance(QStringLiteral("CAPS")) + 12);
            addPermanentWidget(label);
        }
        m_panels.append(label);
    }
    m_caret = new QLabel(this);
    m_caret->setObjectName(QStringLiteral("Caret"));
    m_caret->setMargin(2);
    m_caret->setMinimumWidth(1);
    insertWidget(1, m_caret);
    connect(m_clock, &QTimer::timeout, this, &StatusBar::refresh);
    m_clock->start(1000);
    refresh();
}

QLabel* StatusBar::panel(int index) const
{
    return index >= 1 && index <= m_panels.size() ? m_panels.at(index - 1) : nullptr;
}

void StatusBar::followTextBox(NcTextBox* text)
{
    disconnect(m_connection);
    disconnect(m_caretConnection);
    m_text = text;
    if (text) {
        m_connection = connect(text, &NcTextBox::keyStateChanged, this, &StatusBar::refresh);
        m_caretConnection = connect(text, &QsciScintilla::cursorPositionChanged, this,
            [this] { m_caret->setText(caretPosition()); });
    }
    m_caret->setText(caretPosition());
    refresh();
}

QString StatusBar::caretPosition() const
{
    if (!m_text)
        return {};
    // Counted within the caret's line only, so a long program costs no more than a short one.
    const long pos = m_text->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long line = m_text->SendScintilla(
        QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(pos));
    const long start = m_text->SendScintilla(
        QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long column = m_text->SendScintilla(
        QsciScintillaBase::SCI_COUNTCHARACTERS, static_cast<unsigned long>(start), pos);
    return QStringLiteral("Line %1, Col %2").arg(line + 1).arg(column + 1);
}

void StatusBar::refresh()
{
    // A panel whose key is off is shown greyed, as on a keyboard's indicator lights.
    const bool insert = !m_text || !m_text->overwriteMode();
    m_panels[1]->setEnabled(insert);
    m_panels[2]->setEnabled(lockKeyState().caps);
    m_panels[3]->setEnabled(lockKeyState().num);
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    m_panels[4]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_panels[5]->setText(locale.toString(now.time(), QLocale::ShortFormat));
}
