#include "appearance/menustyle.h"

#include "appearance/ttbxquorixtheme.h"

#include <QAction>
#include <QActionEvent>
#include <QChildEvent>
#include <QCoreApplication>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSet>

namespace {

using PainterFactory = QStyle *(*)();

struct RegisteredPainter
{
    QString name;
    PainterFactory create;
};

const QList<RegisteredPainter> &RegisteredPainters()
{
    static const QList<RegisteredPainter> painters = {
        {TTBXQuorixTheme::ThemeName, [] { return static_cast<QStyle *>(TTBXQuorixTheme::Create()); }},
    };
    return painters;
}

bool IsMenuWidget(const QObject *object)
{
    return qobject_cast<const QMenu *>(object) || qobject_cast<const QMenuBar *>(object);
}

// Follows one menu tree and styles what joins it. It lives as a child of the tree's root.
class MenuStyleWatcher : public QObject
{
public:
    static constexpr const char *kObjectName = "quorixMenuStyleWatcher";

    explicit MenuStyleWatcher(QWidget *root)
        : QObject(root)
    {
        setObjectName(QLatin1String(kObjectName));
    }

    void SetStyle(QStyle *style) { m_style = style; }

    void StyleTree(QWidget *root)
    {
        QList<QWidget *> pending{root};
        for (QMenuBar *bar : root->findChildren<QMenuBar *>())
            pending.append(bar);
        for (QMenu *menu : root->findChildren<QMenu *>())
            pending.append(menu);
        QSet<QWidget *> seen;
        while (!pending.isEmpty()) {
            QWidget *widget = pending.takeFirst();
            if (seen.contains(widget))
                continue;
            seen.insert(widget);
            widget->installEventFilter(this);
            if (!IsMenuWidget(widget))
                continue;
            StyleOne(widget);
            for (QAction *action : widget->actions()) {
                if (QMenu *submenu = action->menu())
                    pending.append(submenu);
            }
            for (QMenu *menu : widget->findChildren<QMenu *>())
                pending.append(menu);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::ActionAdded:
        case QEvent::ActionChanged:
            if (QMenu *submenu = static_cast<QActionEvent *>(event)->action()->menu())
                JoinIfNew(submenu);
            break;
        case QEvent::ChildPolished:
            if (auto *menu = qobject_cast<QMenu *>(static_cast<QChildEvent *>(event)->child()))
                JoinIfNew(menu);
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void StyleOne(QWidget *widget)
    {
        QStyle *wanted = m_style.data();
        if (wanted ? widget->style() != wanted : widget->testAttribute(Qt::WA_SetStyle))
            widget->setStyle(wanted);
    }

    void JoinIfNew(QMenu *menu)
    {
        const bool styled = m_style ? menu->style() == m_style : !menu->testAttribute(Qt::WA_SetStyle);
        if (!styled)
            StyleTree(menu);
    }

    QPointer<QStyle> m_style;
};

} // namespace

QStringList MenuThemeNames()
{
    QStringList names;
    for (const RegisteredPainter &painter : RegisteredPainters())
        names.append(painter.name);
    return names;
}

QStyle *SelectMenuTheme(const QString &name)
{
    static QHash<QString, QPointer<QStyle>> made;
    for (const RegisteredPainter &painter : RegisteredPainters()) {
        if (painter.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        QPointer<QStyle> &style = made[painter.name];
        if (!style) {
            style = painter.create();
            style->setParent(QCoreApplication::instance());
        }
        return style;
    }
    return nullptr;
}

void ApplyMenuStyle(QWidget *root, QStyle *style)
{
    if (!root)
        return;
    auto *watcher = root->findChild<MenuStyleWatcher *>(QLatin1String(MenuStyleWatcher::kObjectName),
                                                        Qt::FindDirectChildrenOnly);
    if (!watcher)
        watcher = new MenuStyleWatcher(root);
    watcher->SetStyle(style);
    watcher->StyleTree(root);
}
