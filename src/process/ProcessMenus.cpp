#include "process/ProcessMenus.h"

#include "process/generators/ProcessMenu.h"

#include <QHash>
#include <QMenu>

void BuildProcessMenu(QMenu* process, const std::function<void(QAction*)>& registerItem)
{
    QHash<QString, QMenu*> menus = {{process->objectName(), process}};
    for (const ProcessItem& item : ProcessItems()) {
        QMenu* parent = menus.value(QLatin1String(item.menu));
        Q_ASSERT(parent);
        const QString control = QLatin1String(item.control);
        const QString caption = QString::fromUtf16(item.caption);
        QAction* a;
        if (item.kind == ProcessItem::Submenu) {
            QMenu* submenu = parent->addMenu(caption);
            submenu->setObjectName(control);
            menus.insert(control, submenu);
            a = submenu->menuAction();
        } else {
            a = parent->addAction(caption);
            a->setEnabled(item.available());
        }
        a->setObjectName(control);
        registerItem(a);
    }
}
