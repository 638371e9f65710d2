#pragma once

#include <QDialog>

class QTextBrowser;

// The help window: one window for all help pages, with back and forward through the links.
class HelpViewer : public QDialog
{
    Q_OBJECT

public:
    static HelpViewer* show(const QString& path);
    QTextBrowser* browser() const { return m_browser; }

private:
    explicit HelpViewer(QWidget* parent);
    QTextBrowser* m_browser;
};
