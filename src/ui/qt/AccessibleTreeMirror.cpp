#include "ui/qt/AccessibleTreeMirror.h"

#include "ui/qt/ModelAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

namespace brelvon {

namespace {

class RowInterface;

// One child of the window: a widget, or a row made of widgets.
struct Child {
    QPointer<QWidget> Widget;
    int Row = 0;  // with no widget: the row's number
};

struct WindowTree {
    std::vector<Child> Children;
    // Interfaces of the rows, registered with Qt: Qt hands out their ids.
    std::map<int, QAccessible::Id> Rows;
    std::map<int, QString> RowNames;
    std::map<int, std::vector<QPointer<QWidget>>> RowParts;
};

std::unordered_map<const QWidget*, WindowTree>& Trees()
{
    static std::unordered_map<const QWidget*, WindowTree> trees;
    return trees;
}

QAccessibleInterface* InterfaceOf(const QWidget* window, const Child& child);

// A table row: named by its sentence; its children are its cells and its bar.
class RowInterface final : public QAccessibleInterface {
public:
    RowInterface(QWidget* window, int row) : window_(window), row_(row) {}

    [[nodiscard]] bool isValid() const override { return !window_.isNull() && Tree() != nullptr; }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (QAccessibleInterface* part = child(i); part != nullptr && part->rect().contains(x, y)) return part;
        }
        return nullptr;
    }
    [[nodiscard]] QAccessibleInterface* parent() const override
    {
        return window_ ? QAccessible::queryAccessibleInterface(window_.data()) : nullptr;
    }
    [[nodiscard]] QAccessibleInterface* child(int index) const override
    {
        const auto* parts = Parts();
        if (parts == nullptr || index < 0 || index >= static_cast<int>(parts->size())) return nullptr;
        QWidget* part = (*parts)[static_cast<std::size_t>(index)];
        return part != nullptr ? QAccessible::queryAccessibleInterface(part) : nullptr;
    }
    [[nodiscard]] int childCount() const override
    {
        const auto* parts = Parts();
        return parts != nullptr ? static_cast<int>(parts->size()) : 0;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* parts = Parts();
        if (parts == nullptr || child == nullptr) return -1;
        for (std::size_t i = 0; i < parts->size(); ++i) {
            if ((*parts)[i] == child->object()) return static_cast<int>(i);
        }
        return -1;
    }
    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        const WindowTree* tree = Tree();
        if (kind != QAccessible::Name || tree == nullptr) return {};
        const auto found = tree->RowNames.find(row_);
        return found != tree->RowNames.end() ? found->second : QString();
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    [[nodiscard]] QRect rect() const override
    {
        QRect area;
        for (int i = 0; i < childCount(); ++i) {
            if (QAccessibleInterface* part = child(i)) area = area.united(part->rect());
        }
        return area;
    }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Row; }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

private:
    [[nodiscard]] const WindowTree* Tree() const
    {
        const auto found = Trees().find(window_.data());
        return found != Trees().end() ? &found->second : nullptr;
    }
    [[nodiscard]] const std::vector<QPointer<QWidget>>* Parts() const
    {
        const WindowTree* tree = Tree();
        if (tree == nullptr) return nullptr;
        const auto found = tree->RowParts.find(row_);
        return found != tree->RowParts.end() ? &found->second : nullptr;
    }

    QPointer<QWidget> window_;
    int row_;
};

// The window: its children are the tree's.
class WindowInterface final : public QAccessibleWidget {
public:
    explicit WindowInterface(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    // Until the window is first mirrored, its widgets as they stand.
    [[nodiscard]] int childCount() const override
    {
        const WindowTree* tree = Tree();
        return tree != nullptr ? static_cast<int>(tree->Children.size()) : QAccessibleWidget::childCount();
    }
    [[nodiscard]] QAccessibleInterface* child(int index) const override
    {
        const WindowTree* tree = Tree();
        if (tree == nullptr) return QAccessibleWidget::child(index);
        if (index < 0 || index >= static_cast<int>(tree->Children.size())) return nullptr;
        return InterfaceOf(widget(), tree->Children[static_cast<std::size_t>(index)]);
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (Tree() == nullptr) return QAccessibleWidget::indexOfChild(child);
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child) return i;
        }
        return -1;
    }

private:
    [[nodiscard]] const WindowTree* Tree() const
    {
        const auto found = Trees().find(widget());
        return found != Trees().end() ? &found->second : nullptr;
    }
};

QAccessibleInterface* InterfaceOf(const QWidget* window, const Child& child)
{
    if (child.Widget) return QAccessible::queryAccessibleInterface(child.Widget.data());
    if (child.Row == 0) return nullptr;
    auto& tree = Trees()[window];
    const auto found = tree.Rows.find(child.Row);
    return found != tree.Rows.end() ? QAccessible::accessibleInterface(found->second) : nullptr;
}

void Forget(const QWidget* window)
{
    const auto found = Trees().find(window);
    if (found == Trees().end()) return;
    for (const auto& [row, id] : found->second.Rows) QAccessible::deleteAccessibleInterface(id);
    Trees().erase(found);
}

void NameWidget(QWidget& widget, const std::string& name)
{
    const QString text = QString::fromStdString(name);
    if (widget.accessibleName() != text) widget.setAccessibleName(text);
    // The sentence is the row's, said once.
    if (!widget.accessibleDescription().isEmpty()) widget.setAccessibleDescription(QString());
}

}  // namespace

void AccessibleTreeMirror::Mirror(QWidget& window, const AccessibleNode& tree, const WidgetLookup& widgetOf)
{
    const bool first = Trees().find(&window) == Trees().end();
    WindowTree& mirrored = Trees()[&window];
    if (first) QObject::connect(&window, &QObject::destroyed, [key = &window] { Forget(key); });

    std::vector<Child> children;
    std::map<int, QString> rowNames;
    std::map<int, std::vector<QPointer<QWidget>>> rowParts;
    for (const AccessibleNode& node : tree.Children) {
        if (node.Role == AccessibleRole::Row) {
            children.push_back({nullptr, node.Row});
            rowNames[node.Row] = QString::fromStdString(node.Name);
            auto& parts = rowParts[node.Row];
            for (const AccessibleNode& part : node.Children) {
                QWidget* widget = part.Source != nullptr ? widgetOf(*part.Source) : nullptr;
                if (widget == nullptr) continue;
                NameWidget(*widget, part.Name);
                parts.emplace_back(widget);
            }
            continue;
        }
        QWidget* widget = node.Source != nullptr ? widgetOf(*node.Source) : nullptr;
        if (widget == nullptr) continue;
        NameWidget(*widget, node.Name);
        children.push_back({widget, 0});
    }

    // Rows that went lose their interfaces; new rows get one.
    for (auto entry = mirrored.Rows.begin(); entry != mirrored.Rows.end();) {
        if (rowNames.count(entry->first) != 0) {
            ++entry;
            continue;
        }
        QAccessible::deleteAccessibleInterface(entry->second);
        entry = mirrored.Rows.erase(entry);
    }
    for (const auto& [row, name] : rowNames) {
        if (mirrored.Rows.count(row) == 0) {
            mirrored.Rows[row] = QAccessible::registerAccessibleInterface(new RowInterface(&window, row));
        }
    }
    bool reordered = children.size() != mirrored.Children.size();
    for (std::size_t i = 0; !reordered && i < children.size(); ++i) {
        reordered = children[i].Widget != mirrored.Children[i].Widget || children[i].Row != mirrored.Children[i].Row;
    }
    const bool renamed = rowNames != mirrored.RowNames;
    mirrored.Children = std::move(children);
    mirrored.RowNames = std::move(rowNames);
    mirrored.RowParts = std::move(rowParts);
    if (!first && QAccessible::isActive()) {
        if (reordered) {
            QAccessibleEvent change(&window, QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&change);
        } else if (renamed) {
            for (const auto& [row, id] : mirrored.Rows) {
                QAccessibleEvent change(QAccessible::accessibleInterface(id), QAccessible::NameChanged);
                QAccessible::updateAccessibility(&change);
            }
        }
    }
}

QAccessibleInterface* AccessibleTreeMirror::InterfaceFor(QWidget* window) { return new WindowInterface(window); }

}  // namespace brelvon
