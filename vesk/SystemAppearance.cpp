// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SystemAppearance.h"

#include <QGuiApplication>
#include <QPalette>
#include <QStyleHints>

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
const char *const interfaceNamespace = "org.gnome.desktop.interface";
const char *const animationsKey = "enable-animations";
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
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this,
            &SystemAppearance::platformChanged);
#endif
}

void SystemAppearance::followDesktop()
{
    if (m_following)
        return;
    m_following = true;
    queryPortal();
}

bool SystemAppearance::paletteIsDark()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

bool SystemAppearance::platformIsDark()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    const Qt::ColorScheme scheme = QGuiApplication::styleHints()->colorScheme();
    if (scheme != Qt::ColorScheme::Unknown)
        return scheme == Qt::ColorScheme::Dark;
#endif
    // vesk's palette sets every role and so hides the platform's. Qt
    // completes an application palette from the platform theme's wherever
    // it sets nothing: lend it one that sets nothing, read it, and put
    // vesk's back.
    const QPalette own = QGuiApplication::palette();
    QPalette nothingSet(Qt::black);
    nothingSet.setResolveMask(0);
    QGuiApplication::setPalette(nothingSet);
    const bool dark = paletteIsDark();
    QGuiApplication::setPalette(own);
    return dark;
}

void SystemAppearance::platformChanged()
{
    const bool before = prefersDark();
    m_platformDark = platformIsDark();
    if (prefersDark() != before)
        emit prefersDarkChanged();
}

bool SystemAppearance::prefersDark() const
{
    return m_portalDark.value_or(m_platformDark);
}

bool SystemAppearance::asksThePortal()
{
#ifdef VESK_HAS_DBUS
    return true;
#else
    return false;
#endif
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

void SystemAppearance::setReducedMotion(bool reduced)
{
    if (m_reducedMotion == reduced)
        return;
    m_reducedMotion = reduced;
    emit prefersReducedMotionChanged();
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
    readPortal(appearanceNamespace, colorSchemeKey, [this](const QVariant &value) {
        setPortalPreference(darkFromPortalValue(value.toUInt()));
    });
    readPortal(interfaceNamespace, animationsKey,
               [this](const QVariant &value) { setReducedMotion(!value.toBool()); });
#endif
}

void SystemAppearance::readPortal(const char *nameSpace, const char *key,
                                  const std::function<void(const QVariant &)> &apply)
{
#ifdef VESK_HAS_DBUS
    QDBusMessage read = QDBusMessage::createMethodCall(
        QString::fromLatin1(portalService), QString::fromLatin1(portalPath),
        // untranslated: a D-Bus method
        QString::fromLatin1(settingsInterface), QStringLiteral("Read"));
    read << QString::fromLatin1(nameSpace) << QString::fromLatin1(key);
    // Asynchronous with a timeout: start-up never waits for the portal.
    auto *watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(read, portalTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [apply](QDBusPendingCallWatcher *call) {
                const QDBusPendingReply<QVariant> reply = *call;
                if (!reply.isError())
                    apply(unwrap(reply.value()));
                call->deleteLater();
            });
#else
    Q_UNUSED(nameSpace)
    Q_UNUSED(key)
    Q_UNUSED(apply)
#endif
}

void SystemAppearance::onPortalSettingChanged(const QDBusMessage &message)
{
#ifdef VESK_HAS_DBUS
    const QList<QVariant> args = message.arguments();
    if (args.size() < 3)
        return;
    const QString nameSpace = args.at(0).toString();
    const QString key = args.at(1).toString();
    if (nameSpace == QLatin1String(appearanceNamespace) && key == QLatin1String(colorSchemeKey))
        setPortalPreference(darkFromPortalValue(unwrap(args.at(2)).toUInt()));
    else if (nameSpace == QLatin1String(interfaceNamespace) && key == QLatin1String(animationsKey))
        setReducedMotion(!unwrap(args.at(2)).toBool());
#else
    Q_UNUSED(message)
#endif
}

} // namespace vesk
