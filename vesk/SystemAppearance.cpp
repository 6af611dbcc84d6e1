#include "SystemAppearance.h"

#include <QGuiApplication>
#include <QPalette>

#ifdef VESK_HAS_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#endif

namespace vesk {

namespace {
#ifdef VESK_HAS_DBUS
const char *const portalService = "org.freedesktop.portal.Desktop";
const char *const portalPath = "/org/freedesktop/portal/desktop";
const char *const settingsInterface = "org.freedesktop.portal.Settings";
const char *const appearanceNamespace = "org.freedesktop.appearance";
const char *const colorSchemeKey = "color-scheme";
constexpr int portalTimeoutMs = 1500;

// The portal wraps values in one or more variants.
QVariant unwrap(QVariant value)
{
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}
#endif
} // namespace

SystemAppearance::SystemAppearance(bool platformPrefersDark, QObject *parent)
    : QObject(parent), m_platformDark(platformPrefersDark)
{
    queryPortal();
}

bool SystemAppearance::paletteIsDark()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

bool SystemAppearance::prefersDark() const
{
    return m_portalDark.value_or(m_platformDark);
}

std::optional<bool> SystemAppearance::darkFromPortalValue(uint value)
{
    switch (value) {
    case 1:
        return true;
    case 2:
        return false;
    default:
        return std::nullopt;
    }
}

void SystemAppearance::setPortalPreference(std::optional<bool> dark)
{
    const bool before = prefersDark();
    m_portalDark = dark;
    if (prefersDark() != before)
        emit prefersDarkChanged();
}

void SystemAppearance::queryPortal()
{
#ifdef VESK_HAS_DBUS
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(QString::fromLatin1(portalService), QString::fromLatin1(portalPath),
                QString::fromLatin1(settingsInterface), QStringLiteral("SettingChanged"), this,
                SLOT(onPortalSettingChanged(QDBusMessage)));

    QDBusMessage read = QDBusMessage::createMethodCall(
        QString::fromLatin1(portalService), QString::fromLatin1(portalPath),
        QString::fromLatin1(settingsInterface), QStringLiteral("Read"));
    read << QString::fromLatin1(appearanceNamespace) << QString::fromLatin1(colorSchemeKey);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(read, portalTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *call) {
                const QDBusPendingReply<QVariant> reply = *call;
                if (!reply.isError())
                    setPortalPreference(darkFromPortalValue(unwrap(reply.value()).toUInt()));
                call->deleteLater();
            });
#endif
}

void SystemAppearance::onPortalSettingChanged(const QDBusMessage &message)
{
#ifdef VESK_HAS_DBUS
    const QList<QVariant> args = message.arguments();
    if (args.size() < 3 || args.at(0).toString() != QLatin1String(appearanceNamespace) ||
        args.at(1).toString() != QLatin1String(colorSchemeKey))
        return;
    setPortalPreference(darkFromPortalValue(unwrap(args.at(2)).toUInt()));
#else
    Q_UNUSED(message)
#endif
}

} // namespace vesk
