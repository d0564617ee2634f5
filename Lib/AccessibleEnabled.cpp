#include "AccessibleEnabled.h"

#include <QAccessible>
#include <QPointer>
#include <QQuickItem>

namespace {

// Qt Quick's own interface for the item, with `disabled` filled in. Every
// other question goes to that interface, which stays in Qt's cache under an
// id of its own: Qt deletes both when the cache goes, and the factory has
// the inner one deleted with its item (the cache then only knows this one).
class EnabledStateItem final : public QAccessibleInterface
{
public:
    EnabledStateItem(QQuickItem *item, QAccessibleInterface *inner) : m_item(item), m_inner(inner) {}

    bool isValid() const override { return m_item && m_inner->isValid(); }
    QObject *object() const override { return m_inner->object(); }
    QWindow *window() const override { return m_inner->window(); }
    QVector<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        return m_inner->relations(match);
    }
    QAccessibleInterface *focusChild() const override { return m_inner->focusChild(); }
    QAccessibleInterface *childAt(int x, int y) const override { return m_inner->childAt(x, y); }
    QAccessibleInterface *parent() const override { return m_inner->parent(); }
    QAccessibleInterface *child(int index) const override { return m_inner->child(index); }
    int childCount() const override { return m_inner->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override { return m_inner->indexOfChild(child); }
    QString text(QAccessible::Text t) const override { return m_inner->text(t); }
    void setText(QAccessible::Text t, const QString &text) override { m_inner->setText(t, text); }
    QRect rect() const override { return m_inner->rect(); }
    QAccessible::Role role() const override { return m_inner->role(); }
    QColor foregroundColor() const override { return m_inner->foregroundColor(); }
    QColor backgroundColor() const override { return m_inner->backgroundColor(); }
    void *interface_cast(QAccessible::InterfaceType type) override { return m_inner->interface_cast(type); }

    QAccessible::State state() const override
    {
        QAccessible::State state = m_inner->state();
        if (m_item && !m_item->isEnabled())
            state.disabled = true;
        return state;
    }

private:
    QPointer<QQuickItem> m_item;
    QAccessibleInterface *m_inner;
};

// The item whose interface is being built: asked again from inside the
// factory, Qt Quick's own factory answers.
QObject *g_building = nullptr;

QAccessibleInterface *enabledStateFactory(const QString &, QObject *object)
{
    auto *item = qobject_cast<QQuickItem *>(object);
    if (!item || object == g_building)
        return nullptr;
    g_building = object;
    QAccessibleInterface *inner = QAccessible::queryAccessibleInterface(object);
    g_building = nullptr;
    // Items Qt Quick keeps out of the tree stay out.
    if (!inner)
        return nullptr;
    // After the cache's own handler, which deletes the interface it keeps
    // for the item (this factory's); the inner one would be left over.
    const QAccessible::Id innerId = QAccessible::uniqueId(inner);
    QObject::connect(item, &QObject::destroyed, [innerId] {
        if (QAccessible::accessibleInterface(innerId))
            QAccessible::deleteAccessibleInterface(innerId);
    });
    QObject::connect(item, &QQuickItem::enabledChanged, item, [item] {
        QAccessible::State changed;
        changed.disabled = true;
        QAccessibleStateChangeEvent event(item, changed);
        QAccessible::updateAccessibility(&event);
    });
    return new EnabledStateItem(item, inner);
}

} // namespace

void reportDisabledItems()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&enabledStateFactory);
}
