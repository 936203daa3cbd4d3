#include "ui/views/ViewAccessibility.h"

#include <QAccessibleWidget>
#include <QPointer>

#include "app/views/ViewBase.h"
#include "model/Unit.h"
#include "ui/views/BTSConfigurationBar.h"
#include "ui/views/BTSConfigurationView.h"

namespace {

// One drawn item: a unit of the picture or a button of the bar.
class CDrawnItemAccessible : public QAccessibleInterface {
public:
    CDrawnItemAccessible(QAccessibleInterface* parent, QWidget* owner, int index)
        : m_parent(parent), m_owner(owner), m_index(index) {}

    bool isValid() const override { return !m_owner.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_parent->window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return m_parent; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override {
        if (auto* view = qobject_cast<CBTSConfigurationView*>(m_owner.data())) {
            const auto& units = view->Scene().units;
            if (m_index >= static_cast<int>(units.size())) {
                return {};
            }
            const SSceneUnit& u = units[m_index];
            if (t == QAccessible::Name) {
                return QString::fromStdString(u.label.empty() ? u.unit->DisplayName() : u.label);
            }
            if (t == QAccessible::Description) {
                SPictureHit hit;
                hit.unit = u.unit;
                hit.overCabinet = true;
                return QString::fromStdString(view->Manager().StatusText(hit));
            }
        } else if (auto* bar = qobject_cast<CBTSConfigurationBar*>(m_owner.data())) {
            const auto& entries = bar->State().Entries();
            if (m_index < static_cast<int>(entries.size()) && t == QAccessible::Name) {
                return QString::fromLatin1(entries[m_index].label)
                    .replace(QLatin1Char('\n'), QLatin1Char(' '));
            }
        }
        return {};
    }

    QRect rect() const override {
        if (auto* view = qobject_cast<CBTSConfigurationView*>(m_owner.data())) {
            const auto& units = view->Scene().units;
            if (m_index < static_cast<int>(units.size())) {
                const QRect r = view->FromPictureRect(units[m_index].rect);
                return QRect(view->viewport()->mapToGlobal(r.topLeft()), r.size());
            }
        } else if (auto* bar = qobject_cast<CBTSConfigurationBar*>(m_owner.data())) {
            const QRect r = bar->ButtonRect(m_index);
            return QRect(bar->mapToGlobal(r.topLeft()), r.size());
        }
        return {};
    }

    QAccessible::Role role() const override {
        return qobject_cast<CBTSConfigurationBar*>(m_owner.data()) != nullptr
                   ? QAccessible::Button
                   : QAccessible::ListItem;
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (auto* view = qobject_cast<CBTSConfigurationView*>(m_owner.data())) {
            const auto& units = view->Scene().units;
            s.selectable = true;
            s.selected = m_index < static_cast<int>(units.size()) && units[m_index].selected;
            s.invisible = m_index < static_cast<int>(units.size()) && !units[m_index].shown;
        } else if (auto* bar = qobject_cast<CBTSConfigurationBar*>(m_owner.data())) {
            s.focusable = true;
            s.focused = bar->hasFocus() && bar->State().FocusIndex() == m_index;
            s.pressed = bar->IsActiveButton(m_index);
        }
        return s;
    }

private:
    QAccessibleInterface* m_parent;
    QPointer<QWidget> m_owner;
    int m_index;
};

// The window itself, with one child per drawn item.
class CDrawnItemsAccessible : public QAccessibleWidget {
public:
    CDrawnItemsAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    // The children belong to the accessibility cache, which deletes them by id.
    ~CDrawnItemsAccessible() override {
        for (QAccessibleInterface* c : std::as_const(m_children)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(c));
        }
    }

    int childCount() const override { return Count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= Count()) {
            return nullptr;
        }
        while (m_children.size() <= index) {
            m_children.push_back(new CDrawnItemAccessible(const_cast<CDrawnItemsAccessible*>(this),
                                                          widget(),
                                                          static_cast<int>(m_children.size())));
        }
        return m_children[index];
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(m_children.indexOf(const_cast<QAccessibleInterface*>(child)));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < Count(); ++i) {
            QAccessibleInterface* c = child(i);
            if (c->rect().contains(x, y)) {
                return c;
            }
        }
        return nullptr;
    }

private:
    int Count() const {
        if (auto* view = qobject_cast<CBTSConfigurationView*>(widget())) {
            return static_cast<int>(view->Scene().units.size());
        }
        if (auto* bar = qobject_cast<CBTSConfigurationBar*>(widget())) {
            return bar->State().Count();
        }
        return 0;
    }

    mutable QList<QAccessibleInterface*> m_children;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("CBTSConfigurationView")) {
        return new CDrawnItemsAccessible(static_cast<QWidget*>(object), QAccessible::List);
    }
    if (className == QLatin1String("CBTSConfigurationBar")) {
        return new CDrawnItemsAccessible(static_cast<QWidget*>(object), QAccessible::ToolBar);
    }
    return nullptr;
}

} // namespace

void RegisterViewAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}
