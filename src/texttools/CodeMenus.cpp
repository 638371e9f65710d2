#include "texttools/CodeMenus.h"

#include "texttools/InsertAtCaret.h"
#include "texttools/core/CodeTables.h"

#include <QHash>
#include <QMenu>

void BuildCodeMenus(QMenu* gcode, QMenu* mcode, const std::function<void(QAction*)>& registerItem)
{
    QHash<QString, QMenu*> submenus;
    for (const CodeItem& item : CodeItems()) {
        QMenu* parent = QStringView(item.menu) == u"Gcode" ? gcode : mcode;
        QString path = parent->objectName();
        const QString submenuPath = QString::fromUtf16(item.submenus);
        if (!submenuPath.isEmpty()) {
            for (const QString& caption : submenuPath.split(u'|')) {
                path += u'|' + caption;
                QMenu*& submenu = submenus[path];
                if (!submenu) {
                    submenu = parent->addMenu(caption);
                    submenu->setObjectName(path);
                }
                parent = submenu;
            }
        }
        QAction* a = parent->addAction(QString::fromUtf16(item.caption));
        a->setObjectName(QString::fromUtf16(item.control));
        const QString text = item.insertion();
        QObject::connect(a, &QAction::triggered, a, [text] { InsertOrReport(text); });
        registerItem(a);
    }
}
