// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AccessibleRoles.h"

#include "TextLabel.h"
#include <QAccessibleWidget>

#include <mutex>

namespace vesk::AccessibleRoles {

namespace {

const char *const roleProperty = "vesk_accessibleRole";
const char *const valueProperty = "vesk_accessibleValue";
enum Mark
{
    heading = 1,
    decorative = 2,
    gauge = 3,
    text = 4
};

QAccessible::Role roleFor(Mark mark)
{
    switch (mark) {
    case heading:
        return QAccessible::Heading;
    case gauge:
        return QAccessible::ProgressBar;
    case text:
        return QAccessible::StaticText;
    case decorative:
        break;
    }
    return QAccessible::NoRole;
}

class MarkedWidget : public QAccessibleWidget
{
public:
    MarkedWidget(QWidget *widget, Mark mark)
        : QAccessibleWidget(widget, roleFor(mark)), m_mark(mark)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (m_mark == decorative)
            return {};
        if (t == QAccessible::Value && m_mark == gauge)
            return widget()->property(valueProperty).toString();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto *label = qobject_cast<const TextLabel *>(widget()))
                return label->text();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (m_mark == decorative)
            s.invisible = true;
        return s;
    }

private:
    Mark m_mark;
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    // Qt asks once per class of the object's hierarchy; answer only for the
    // most derived one, and cheaply for everything that carries no mark.
    if (!object || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto *label = qobject_cast<TextLabel *>(object))
        return new MarkedWidget(label, label->isHeading() ? heading : text);
    const QVariant mark = object->property(roleProperty);
    if (!mark.isValid())
        return nullptr;
    return new MarkedWidget(static_cast<QWidget *>(object), Mark(mark.toInt()));
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
    install();
    widget->setProperty(roleProperty, int(decorative));
}

void markGauge(QWidget *widget, const QString &text)
{
    install();
    widget->setProperty(roleProperty, int(gauge));
    widget->setProperty(valueProperty, text);
}

} // namespace vesk::AccessibleRoles
