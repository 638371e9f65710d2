#include "documents/frmDocument.h"

#include "documents/NcTextBox.h"

#include <QCloseEvent>
#include <QLayout>

frmDocument::frmDocument(DocumentHost* host, QWidget* parent)
    : QMdiSubWindow(parent)
    , m_host(host)
    , m_text(new NcTextBox(this))
{
    setObjectName(QStringLiteral("frmDocument"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_text);
    if (layout())
        layout()->setContentsMargins(1, 1, 1, 1);
    m_text->installEventFilter(this);
    const auto showChanged = [this] { setWindowModified(m_text->DataChanged()); };
    connect(m_text, &QsciScintilla::modificationChanged, this, showChanged);
    connect(m_text, &QsciScintilla::textChanged, this, showChanged);
}

void frmDocument::setCaption(const QString& caption)
{
    m_caption = caption;
    // "[*]" marks where the window puts "*"; one already in a path is written twice to stay text.
    QString title = caption;
    setWindowTitle(
        title.replace(QLatin1String("[*]"), QLatin1String("[*][*]")) + QLatin1String("[*]"));
}

QString frmDocument::shownCaption() const
{
    return isWindowModified() ? m_caption + u'*' : m_caption;
}

void frmDocument::setFilePath(const QString& path)
{
    m_filePath = path;
    setCaption(path);
}

void frmDocument::closeEvent(QCloseEvent* e)
{
    if (m_host && !m_host->queryUnload(this)) {
        e->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(e);
    if (e->isAccepted() && m_host)
        m_host->documentUnloaded(this);
}

bool frmDocument::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_text && e->type() == QEvent::FocusIn && m_host)
        m_host->documentFocused(this);
    return QMdiSubWindow::eventFilter(watched, e);
}
