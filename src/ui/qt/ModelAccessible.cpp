#include "ui/qt/ModelAccessible.h"

#include "ui/qt/AccessibleTreeMirror.h"

#include <QAccessibleWidget>
#include <QRadioButton>
#include <QVariant>

namespace brelvon {

namespace {

constexpr const char* RoleProperty = "brelvonAccessibleRole";
constexpr const char* ValueProperty = "brelvonAccessibleValue";
constexpr int BarMinimum = 0;
constexpr int BarMaximum = 100;

// A model widget as a screen reader sees it: the role set by Describe(), and
// a value for a bar.
class ModelWidgetInterface final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ModelWidgetInterface(QWidget* widget) : QAccessibleWidget(widget) {}

    // Read when asked: the interface may be made before the view describes the widget.
    [[nodiscard]] QAccessible::Role role() const override
    {
        const QVariant role = widget()->property(RoleProperty);
        return role.isValid() ? static_cast<QAccessible::Role>(role.toInt()) : QAccessible::Client;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface && role() == QAccessible::ProgressBar) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // A frame is read as the heading of the controls after it: the window
    // lists those itself (AccessibleTreeMirror).
    [[nodiscard]] int childCount() const override
    {
        return role() == QAccessible::Grouping ? 0 : QAccessibleWidget::childCount();
    }
    [[nodiscard]] QAccessibleInterface* child(int index) const override
    {
        return role() == QAccessible::Grouping ? nullptr : QAccessibleWidget::child(index);
    }

    [[nodiscard]] QVariant currentValue() const override { return widget()->property(ValueProperty); }
    void setCurrentValue(const QVariant& /*value*/) override {}  // a bar follows its drive, not the user
    [[nodiscard]] QVariant maximumValue() const override { return BarMaximum; }
    [[nodiscard]] QVariant minimumValue() const override { return BarMinimum; }
    [[nodiscard]] QVariant minimumStepSize() const override { return 1; }
};

// An option button: the model groups option buttons itself, so Qt's own
// grouping is off, and Qt would then call them check boxes.
class OptionButtonInterface final : public QAccessibleWidget {
public:
    explicit OptionButtonInterface(QRadioButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Button()->isChecked();
        return state;
    }

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) text = Button()->text();
        return text;
    }

    [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction() || action == toggleAction()) {
            Button()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    [[nodiscard]] QRadioButton* Button() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object)
{
    static const QStringList ModelClasses{QStringLiteral("brelvon::ModelLabel"), QStringLiteral("brelvon::ModelFrame"),
                                          QStringLiteral("brelvon::ModelLine"),
                                          QStringLiteral("brelvon::ModelPicture")};
    if (auto* option = qobject_cast<QRadioButton*>(object); option != nullptr && className == "QRadioButton") {
        return new OptionButtonInterface(option);
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && className == "brelvon::FormWidget") return AccessibleTreeMirror::InterfaceFor(widget);
    if (widget == nullptr || !ModelClasses.contains(className)) return nullptr;
    return new ModelWidgetInterface(widget);
}

}  // namespace

void ModelAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&MakeInterface);
        return true;
    }();
    (void)installed;
}

void ModelAccessible::Describe(QWidget& widget, AccessibleRole role, std::optional<int> value)
{
    widget.setProperty(RoleProperty, static_cast<int>(ToQtRole(role)));
    const QVariant next = value ? QVariant(*value) : QVariant();
    if (widget.property(ValueProperty) == next) return;
    widget.setProperty(ValueProperty, next);
    if (value && QAccessible::isActive()) {
        QAccessibleValueChangeEvent change(&widget, next);
        QAccessible::updateAccessibility(&change);
    }
}

QAccessible::Role ModelAccessible::ToQtRole(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::Button: return QAccessible::Button;
    case AccessibleRole::CheckBox: return QAccessible::CheckBox;
    case AccessibleRole::RadioButton: return QAccessible::RadioButton;
    case AccessibleRole::Text: return QAccessible::EditableText;
    case AccessibleRole::StaticText: return QAccessible::StaticText;
    case AccessibleRole::Grouping: return QAccessible::Grouping;
    case AccessibleRole::ProgressBar: return QAccessible::ProgressBar;
    case AccessibleRole::Graphic: return QAccessible::Graphic;
    case AccessibleRole::ColumnHeader: return QAccessible::ColumnHeader;
    case AccessibleRole::Row: return QAccessible::Row;
    case AccessibleRole::Window: break;
    }
    return QAccessible::Window;
}

}  // namespace brelvon
