#include "AccessibleRoles.h"

#include <QAccessibleWidget>
#include <QLabel>

#include <mutex>

namespace vesk::AccessibleRoles {

namespace {

const char *const roleProperty = "vesk_accessibleRole";
enum Mark
{
    heading = 1,
    decorative = 2
};

class MarkedWidget : public QAccessibleWidget
{
public:
    MarkedWidget(QWidget *widget, Mark mark)
        : QAccessibleWidget(widget, mark == heading ? QAccessible::Heading : QAccessible::NoRole),
          m_mark(mark)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (m_mark == decorative)
            return {};
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto *label = qobject_cast<const QLabel *>(widget()))
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

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
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

void markHeading(QWidget *widget)
{
    widget->setProperty(roleProperty, int(heading));
}

void markDecorative(QWidget *widget)
{
    widget->setProperty(roleProperty, int(decorative));
}

} // namespace vesk::AccessibleRoles
