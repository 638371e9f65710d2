#include "pathview/PathView.h"

#include "app/SettingsStore.h"
#include "app/Shell.h"
#include "common/Module1.h"
#include "documents/NcTextBox.h"
#include "documents/frmDocument.h"
#include "pathview/PathCanvas.h"
#include "pathview/PathSettingsStore.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QString kSection = QStringLiteral("PathView");
const QString kShown = QStringLiteral("Shown");
const QString kMenuItem = QStringLiteral("mnuViewPathView");
constexpr qsizetype kListed = 2000; // lines not drawn shown in the list

// Minutes without padding, seconds with two digits and a tenth: "0:42.3".
QString minutesAndSeconds(double seconds)
{
    const qint64 tenths = qRound64(seconds * 10);
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

QDoubleSpinBox* numberField(const char* name, double top, const QString& suffix)
{
    auto* field = new QDoubleSpinBox;
    field->setObjectName(QString::fromLatin1(name));
    field->setDecimals(1);
    field->setRange(0, top);
    field->setSuffix(suffix);
    field->setKeyboardTracking(false);
    return field;
}
} // namespace

PathView::PathView(Shell* shell)
    : QDockWidget(QStringLiteral("Path view"), shell->mainWindow())
    , m_shell(shell)
    , m_canvas(new PathCanvas)
{
    setObjectName(QStringLiteral("PathView"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);

    m_fit = new QPushButton(QStringLiteral("Fit"));
    m_fit->setObjectName(QStringLiteral("cmdFit"));
    m_fit->setToolTip(QStringLiteral("Show the whole path (Home)"));
    auto* fitPart = new QPushButton(QStringLiteral("Fit part"));
    fitPart->setObjectName(QStringLiteral("cmdFitPart"));
    fitPart->setToolTip(QStringLiteral("Show the stock and the cutting moves"));
    connect(fitPart, &QPushButton::clicked, m_canvas, &PathCanvas::fitWork);
    m_section = new QCheckBox(QStringLiteral("Full section"));
    m_section->setObjectName(QStringLiteral("chkFullSection"));
    m_section->setToolTip(QStringLiteral("Mirror the path below the centre line"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_fit);
    buttons->addWidget(fitPart);
    buttons->addWidget(m_section);
    buttons->addStretch();

    m_totals = new QTreeWidget;
    m_totals->setObjectName(QStringLiteral("lstTotals"));
    m_totals->setRootIsDecorated(false);
    m_totals->setHeaderLabels({QStringLiteral("Tool"), QStringLiteral("Feed mm"),
        QStringLiteral("Rapid mm"), QStringLiteral("Time")});
    m_totals->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_totals->header()->setStretchLastSection(false);

    m_notDrawnButton = new QPushButton;
    m_notDrawnButton->setObjectName(QStringLiteral("cmdNotDrawn"));
    m_notDrawnButton->setCheckable(true);
    m_notDrawnButton->setToolTip(QStringLiteral("List the lines the view does not draw"));
    m_notDrawn = new QListWidget;
    m_notDrawn->setObjectName(QStringLiteral("lstNotDrawn"));
    m_notDrawn->hide();
    m_notDrawn->setMaximumHeight(m_notDrawn->fontMetrics().height() * 8);

    m_rapidRate = numberField("txtRapidRate", 999.9, QStringLiteral(" m/min"));
    m_rapidRate->setMinimum(0.1);
    m_toolChange = numberField("txtToolChange", 999.9, QStringLiteral(" s"));
    auto* settings = new QHBoxLayout;
    for (auto [caption, field] :
        {std::pair {"Rapid rate", m_rapidRate}, {"Tool change", m_toolChange}}) {
        auto* label = new QLabel(QString::fromLatin1(caption));
        label->setBuddy(field);
        settings->addWidget(label);
        settings->addWidget(field, 1);
    }

    auto* panel = new QWidget;
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(m_totals, 1);
    auto* notDrawnRow = new QHBoxLayout;
    notDrawnRow->addWidget(m_notDrawnButton);
    notDrawnRow->addStretch();
    panelLayout->addLayout(notDrawnRow);
    panelLayout->addWidget(m_notDrawn, 1);
    panelLayout->addLayout(settings);

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(m_canvas);
    split->addWidget(panel);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(split, 1);
    setWidget(body);

    // The reading of a big program runs apart from typing; one older reading may still be
    // winding down while the next starts.
    m_workers.setMaxThreadCount(2);
    m_pause.setSingleShot(true);
    m_pause.setInterval(300);
    connect(&m_pause, &QTimer::timeout, this, [this] { read(false); });
    connect(m_fit, &QPushButton::clicked, m_canvas, &PathCanvas::fitAll);
    connect(m_section, &QCheckBox::toggled, m_canvas, &PathCanvas::setFullSection);
    connect(m_canvas, &PathCanvas::lineClicked, this, &PathView::showLine);
    connect(m_notDrawnButton, &QPushButton::toggled, m_notDrawn, &QWidget::setVisible);
    connect(m_notDrawn, &QListWidget::itemClicked, this, &PathView::notDrawnChosen);
    connect(m_notDrawn, &QListWidget::itemActivated, this, &PathView::notDrawnChosen);
    showTotals();
}

PathView::~PathView()
{
    m_pause.stop();
    if (m_run)
        m_run->cancel = true;
    m_workers.waitForDone();
}

void PathView::connectTo(Shell* shell)
{
    ConnectCommands(shell, this, {{"mnuViewPathView", &PathView::mnuViewPathView_Click}});
    const bool shown = GetSetting(kSection, kShown, QStringLiteral("False")) == u"True";
    shell->action(kMenuItem)->setChecked(shown);
    setVisible(shown);
    const path::PathSettings s = LoadPathSettings(module1());
    m_rapidRate->setValue(s.rapidMmPerMin / 1000);
    m_toolChange->setValue(s.toolChangeSeconds);
    connect(m_rapidRate, &QDoubleSpinBox::valueChanged, this, &PathView::settingsChanged);
    connect(m_toolChange, &QDoubleSpinBox::valueChanged, this, &PathView::settingsChanged);
}

void PathView::mnuViewPathView_Click()
{
    // The item is checkable: the click has already flipped its check mark.
    const bool shown = m_shell->action(kMenuItem)->isChecked();
    setVisible(shown);
    SaveSetting(kSection, kShown, BooleanText(shown));
    if (shown && m_stale)
        read(true);
}

void PathView::closeEvent(QCloseEvent* e)
{
    // Closed by its own button: the menu item and the setting follow.
    m_shell->action(kMenuItem)->setChecked(false);
    SaveSetting(kSection, kShown, BooleanText(false));
    QDockWidget::closeEvent(e);
}

void PathView::showEvent(QShowEvent* e)
{
    QDockWidget::showEvent(e);
    auto* main = qobject_cast<QMainWindow*>(parentWidget());
    if (m_sized || !main || isFloating())
        return;
    m_sized = true;
    // A good part of the window, leaving the program text the larger share.
    main->resizeDocks({this}, {main->width() * 2 / 5}, Qt::Horizontal);
}

void PathView::followActiveDocument()
{
    frmDocument* doc = m_shell->activeDocument();
    NcTextBox* text = doc ? doc->txtText() : nullptr;
    if (text == m_text && text)
        return;
    for (const QMetaObject::Connection& c : std::as_const(m_followed))
        disconnect(c);
    m_followed.clear();
    m_text = text;
    m_pause.stop();
    if (text) {
        m_followed << connect(text, &NcTextBox::textChanged, &m_pause, qOverload<>(&QTimer::start))
                   << connect(text, &QsciScintillaBase::SCN_UPDATEUI, this, &PathView::caretMoved);
    }
    m_canvas->setHighlightLine(-1);
    read(true);
}

void PathView::read(bool fit)
{
    if (m_run)
        m_run->cancel = true;
    m_run.reset();
    ++m_serial;
    if (!m_text) {
        m_canvas->clear();
        m_stale = false;
        showTotals();
        return;
    }
    if (isHidden()) {
        m_stale = true;
        return;
    }
    m_stale = false;
    // The text box is not thread-safe: its bytes are copied here, read in the worker.
    const long length = m_text->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const auto* bytes = reinterpret_cast<const char*>(
        m_text->SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    const QByteArray copy(bytes, length);
    const path::PathSettings settings = LoadPathSettings(module1());
    auto run = std::make_shared<Run>();
    m_run = run;
    const int serial = m_serial;
    m_workers.start([this, run, copy, settings, serial, fit] {
        path::PathResult result;
        try {
            result = path::ReadPath(QString::fromUtf8(copy), settings, &run->cancel);
        } catch (...) {
            // The reader promises not to throw; should it, the view shows nothing rather than
            // take the editor down from a worker thread.
            result = {};
        }
        if (run->cancel || result.cancelled)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, serial, fit, result = std::move(result)]() mutable {
                showResult(serial, std::move(result), fit);
            },
            Qt::QueuedConnection);
    });
}

void PathView::showResult(int serial, path::PathResult result, bool fit)
{
    if (serial != m_serial)
        return; // a newer reading is under way
    m_run.reset();
    m_canvas->setResult(std::move(result), fit);
    caretMoved();
    showTotals();
    ++m_readings;
}

void PathView::showTotals()
{
    const path::PathResult& r = m_canvas->result();
    m_totals->clear();
    const auto add = [this](const path::ToolTotals& t, const QColor& colour) {
        auto* item = new QTreeWidgetItem(m_totals,
            {t.name, QString::number(t.feedLength, 'f', 1), QString::number(t.rapidLength, 'f', 1),
                minutesAndSeconds(t.seconds)});
        for (int column = 1; column < 4; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        if (colour.isValid()) {
            item->setForeground(0, colour);
            QFont bold = item->font(0);
            bold.setBold(true);
            item->setFont(0, bold);
        }
        return item;
    };
    for (qsizetype i = 0; i < r.tools.size(); ++i)
        add(r.tools[i], m_canvas->toolColour(int(i)));
    path::ToolTotals total = r.total;
    total.name = QStringLiteral("total");
    QTreeWidgetItem* last = add(total, QColor());
    for (int column = 0; column < 4; ++column) {
        QFont bold = last->font(column);
        bold.setBold(true);
        last->setFont(column, bold);
    }

    // Tall enough for every tool and the total, up to eight rows.
    const int rows = int(std::min<qsizetype>(r.tools.size() + 1, 8));
    m_totals->setMinimumHeight(m_totals->header()->sizeHint().height()
        + rows * m_totals->sizeHintForRow(0) + 2 * m_totals->frameWidth() + 2);

    const qsizetype missing = r.notDrawn.size();
    m_notDrawnButton->setText(missing == 1 ? QStringLiteral("1 line not drawn")
                                           : QStringLiteral("%1 lines not drawn").arg(missing));
    m_notDrawnButton->setEnabled(missing > 0);
    if (missing == 0)
        m_notDrawnButton->setChecked(false);
    m_notDrawn->clear();
    // A list of the first lines is a way in; tens of thousands of rows would only stall.
    for (const path::NotDrawn& n : r.notDrawn.mid(0, kListed)) {
        auto* item = new QListWidgetItem(
            QStringLiteral("Line %1: %2").arg(n.line + 1).arg(n.reason), m_notDrawn);
        item->setData(Qt::UserRole, n.line);
    }
    if (missing > kListed)
        new QListWidgetItem(QStringLiteral("... and %1 more").arg(missing - kListed), m_notDrawn);
}

void PathView::showLine(int line)
{
    if (!m_text || line < 0 || line >= m_text->lines())
        return;
    // The whole line is selected and in view, its start shown, the text ready for typing.
    const long start = m_text->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const long end = m_text->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
    m_text->SendScintilla(QsciScintillaBase::SCI_SETSEL, end, start); // caret at the start
    m_text->ensureLineVisible(line);
    m_text->setFocus();
    m_canvas->setHighlightLine(line);
}

void PathView::caretMoved()
{
    // Read from the editor at each update, so that no move of the caret goes unseen.
    if (m_text)
        m_canvas->setHighlightLine(
            int(m_text->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                m_text->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS))));
}

void PathView::notDrawnChosen(QListWidgetItem* item)
{
    if (item && item->data(Qt::UserRole).isValid())
        showLine(item->data(Qt::UserRole).toInt());
}

void PathView::settingsChanged()
{
    path::PathSettings s = LoadPathSettings(module1());
    s.rapidMmPerMin = m_rapidRate->value() * 1000;
    s.toolChangeSeconds = m_toolChange->value();
    SavePathSettings(s);
    read(false);
}
