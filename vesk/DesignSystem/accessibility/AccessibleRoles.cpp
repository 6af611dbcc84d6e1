// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DesignSystem/accessibility/AccessibleRoles.h"

#include "DesignSystem/accessibility/AccessibleButton.h"
#include "DesignSystem/text/TextLabel.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

#include <mutex>

namespace vesk::AccessibleRoles {

namespace {

const char *const markProperty = "vesk_accessibleMark";
const char *const roleProperty = AccessibleButton::roleProperty;
const char *const valueTextProperty = "vesk_accessibleValueText";
const char *const fractionProperty = "vesk_accessibleFraction";

enum Mark
{
    heading = 1,
    decorative,
    gauge,
    text,
    separator,
    window,
    group,
};

QAccessible::Role roleFor(Mark mark, const QWidget *widget)
{
    switch (mark) {
    case heading:
        return QAccessible::Heading;
    case gauge:
        return QAccessible::ProgressBar;
    case text:
        return QAccessible::StaticText;
    case separator:
        return QAccessible::Separator;
    case window:
        return QAccessible::Window;
    case group:
        return QAccessible::Role(widget->property(roleProperty).toInt());
    case decorative:
        return QAccessible::Graphic;
    }
    return QAccessible::Client;
}

// A widget of ours read with the role its mark gives; a gauge also answers
// the value interface, which is where the Linux bridge reads a bar's value.
class MarkedWidget : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    MarkedWidget(QWidget *widget, Mark mark)
        : QAccessibleWidget(widget, roleFor(mark, widget)), m_mark(mark)
    {}

    QAccessible::Role role() const override { return roleFor(m_mark, widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface && m_mark == gauge)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (m_mark == decorative || m_mark == separator)
            return {};
        if (t == QAccessible::Value && m_mark == gauge)
            return widget()->property(valueTextProperty).toString();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto *label = qobject_cast<const TextLabel *>(widget()))
                return label->text();
            if (m_mark == Mark::window)
                return widget()->windowTitle();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (m_mark == decorative)
            s.invisible = true;
        if (m_mark == Mark::window)
            s.active = widget()->isActiveWindow();
        return s;
    }

    QVariant currentValue() const override
    {
        return widget()->property(fractionProperty).toDouble();
    }
    void setCurrentValue(const QVariant &) override {} // read-only: a gauge shows, never sets
    QVariant maximumValue() const override { return 1.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.0; }

private:
    Mark m_mark;
};

bool isOwnButton(const QObject *object)
{
    // Our own buttons, and the check and radio boxes of Qt we use; Qt's
    // plain push buttons (alerts, dialogs) already click when pressed.
    const char *name = object->metaObject()->className();
    return qstrncmp(name, "vesk::", 6) == 0 || qstrcmp(name, "QCheckBox") == 0 ||
           qstrcmp(name, "QRadioButton") == 0;
}

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    // Qt asks once per class of the object's hierarchy; answer only for the
    // most derived one, and cheaply for everything that carries no mark.
    if (!object || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (auto *label = qobject_cast<TextLabel *>(object))
        return new MarkedWidget(label, label->isHeading() ? heading : text);
    if (auto *button = qobject_cast<QAbstractButton *>(object); button && isOwnButton(button))
        return new AccessibleButton(button);
    const QVariant mark = object->property(markProperty);
    if (!mark.isValid())
        return nullptr;
    return new MarkedWidget(widget, Mark(mark.toInt()));
}

void mark(QWidget *widget, Mark value)
{
    install();
    widget->setProperty(markProperty, int(value));
}

} // namespace

void install()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(factory); });
}

void markHeading(TextLabel *label)
{
    install();
    label->setHeading(true);
}

void markDecorative(QWidget *widget)
{
    mark(widget, decorative);
}

void markSeparator(QWidget *widget)
{
    mark(widget, separator);
}

void markGauge(QWidget *widget, const QString &text, double fraction)
{
    mark(widget, gauge);
    widget->setProperty(valueTextProperty, text);
    widget->setProperty(fractionProperty, qBound(0.0, fraction, 1.0));
}

void markWindow(QWidget *widget)
{
    mark(widget, window);
}

void markButtonRole(QAbstractButton *button, QAccessible::Role role)
{
    install();
    button->setProperty(roleProperty, int(role));
}

void markRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(roleProperty, int(role));
    mark(widget, group);
}

void notifyNameChanged(QWidget *widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void notifyDescriptionChanged(QWidget *widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace vesk::AccessibleRoles
