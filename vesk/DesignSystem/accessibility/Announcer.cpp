// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Announcer.h"

#include "AnnouncementArea.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QWidget>

namespace vesk::Announcer {

void announce(QWidget *source, const QString &message)
{
    if (!source || message.isEmpty() || !QAccessible::isActive())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, message);
    QAccessible::updateAccessibility(&event);
#else
    AnnouncementArea::of(source)->say(message);
#endif
}

namespace {
void collectNames(QAccessibleInterface *node, QStringList &names)
{
    const QString name = node->text(QAccessible::Name);
    if (!name.isEmpty()) {
        names << name;
        return;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface *child = node->child(i); child && !child->state().invisible)
            collectNames(child, names);
    }
}
} // namespace

QStringList spokenTexts(QWidget *widget)
{
    QStringList names;
    if (QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget))
        collectNames(node, names);
    return names;
}

QString spokenText(QWidget *widget)
{
    return spokenTexts(widget).join(QLatin1Char(' '));
}

QString sentences(const QStringList &texts)
{
    QStringList read;
    for (const QString &text : texts) {
        const QString trimmed = text.trimmed();
        if (trimmed.isEmpty())
            continue;
        const QChar last = trimmed.back();
        const bool ends =
            last == u'.' || last == u'!' || last == u'?' || last == u':' || last == u'…';
        read << (ends ? trimmed : trimmed + QLatin1Char('.'));
    }
    return read.join(QLatin1Char(' '));
}

QString availability(const QString &action, bool available)
{
    return available
               ? QCoreApplication::translate("vesk::Announcer", "%1: disponible").arg(action)
               : QCoreApplication::translate("vesk::Announcer", "%1: no disponible").arg(action);
}

} // namespace vesk::Announcer
