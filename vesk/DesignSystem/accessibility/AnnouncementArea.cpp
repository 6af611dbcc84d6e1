// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "AnnouncementArea.h"

#include "AccessibleFactory.h"
#include "Announcement.h"

namespace vesk {

AnnouncementArea::AnnouncementArea(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("announcements"));
    // Nothing to see or click: it exists for the accessibility tree only.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    AccessibleFactory::install();
    show();
}

AnnouncementArea *AnnouncementArea::of(QWidget *widget)
{
    QWidget *window = widget->window();
    while (window->parentWidget())
        window = window->parentWidget()->window();
    auto *area = window->findChild<AnnouncementArea *>(QString(), Qt::FindDirectChildrenOnly);
    return area ? area : new AnnouncementArea(window);
}

void AnnouncementArea::say(const QString &message)
{
    if (m_pending.isEmpty())
        QMetaObject::invokeMethod(this, &AnnouncementArea::showPending, Qt::QueuedConnection);
    m_pending << message;
}

void AnnouncementArea::showPending()
{
    if (m_pending.isEmpty())
        return;
    delete m_previous;
    m_previous = m_latest;
    // Shown with its text already set: showing it is what is announced.
    m_latest = new Announcement(m_pending.join(QLatin1Char(' ')), this);
    m_pending.clear();
    m_latest->show();
}

} // namespace vesk
