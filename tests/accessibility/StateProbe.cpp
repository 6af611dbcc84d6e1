// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "StateProbe.h"

#include "TextRecorder.h"

#include "DesignSystem/Palette.h"
#include "DesignSystem/text/TextLabel.h"
#include "VeskCore/DemoSession.h"
#include "VeskCore/NavigationState.h"
#include "VeskCore/Preferences.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"
#include "shell/TitleBar.h"
#include "shell/VeskApp.h"

#include <QAccessible>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>

#include <cstdio>

using namespace vesk;

StateProbe::StateProbe(VeskApp &app)
    : QObject(&app), m_app(app), m_notifier(new QSocketNotifier(0, QSocketNotifier::Read, this))
{
    m_input.open(stdin, QIODevice::ReadOnly);
    connect(m_notifier, &QSocketNotifier::activated, this, &StateProbe::readCommand);
    qApp->installEventFilter(this);
}

bool StateProbe::eventFilter(QObject *watched, QEvent *event)
{
    // Xvfb runs no window manager: activate a window when it shows, and the
    // window below when it goes, as one would.
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (!widget->isWindow() || widget->windowType() == Qt::Popup ||
        widget->windowType() == Qt::ToolTip)
        return false;
    if (event->type() == QEvent::Show) {
        widget->activateWindow();
    } else if (event->type() == QEvent::Hide && widget->parentWidget()) {
        QWidget *below = widget->parentWidget()->window();
        QMetaObject::invokeMethod(
            below, [below] { below->activateWindow(); }, Qt::QueuedConnection);
    }
    return false;
}

void StateProbe::readCommand()
{
    const QByteArray command = m_input.readLine().trimmed();
    if (command.isEmpty() && m_input.atEnd()) {
        m_notifier->setEnabled(false);
        QCoreApplication::quit();
        return;
    }
    QByteArray answer;
    if (command == "state")
        answer = state();
    else if (command == "texts")
        answer = texts(true);
    else if (command == "all-texts")
        answer = texts(false);
    else
        answer = "{}";
    std::fwrite(answer.constData(), 1, size_t(answer.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

namespace {
QJsonObject describe(const QWidget *widget)
{
    if (!widget)
        return {};
    QAccessibleInterface *iface =
        QAccessible::queryAccessibleInterface(const_cast<QWidget *>(widget));
    return {{QStringLiteral("class"), QString::fromLatin1(widget->metaObject()->className())},
            {QStringLiteral("name"), iface ? iface->text(QAccessible::Name) : QString()},
            {QStringLiteral("window"), widget->window()->windowTitle()}};
}
} // namespace

QByteArray StateProbe::state() const
{
    RootView *root = m_app.mainWindow()->rootView();
    const DemoSession &session = m_app.session();
    QJsonArray windows;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible())
            windows.append(QJsonObject{
                {QStringLiteral("class"), QString::fromLatin1(top->metaObject()->className())},
                {QStringLiteral("title"), top->windowTitle()},
                {QStringLiteral("maximized"), top->isMaximized()},
                {QStringLiteral("modal"),
                 top->isModal() || top->windowModality() != Qt::NonModal}});
    }
    QJsonObject json{
        {QStringLiteral("section"), rawValue(m_app.navigation().selection())},
        {QStringLiteral("storageMode"), rawValue(m_app.navigation().storageMode())},
        {QStringLiteral("title"), root->titleBar()->title()},
        {QStringLiteral("screen"),
         root->screen() ? QString::fromLatin1(root->screen()->metaObject()->className())
                        : QString()},
        {QStringLiteral("phase"), int(session.phase())},
        {QStringLiteral("selectedCount"), double(session.selectedCount())},
        {QStringLiteral("selectedIds"),
         QJsonArray::fromStringList(QStringList(session.selectedIDs().values()))},
        {QStringLiteral("selectedBytes"), double(session.selectedBytes())},
        {QStringLiteral("history"), int(session.history().size())},
        {QStringLiteral("appearance"), rawValue(m_app.preferences().appearance())},
        {QStringLiteral("startSection"), rawValue(m_app.preferences().startSection())},
        {QStringLiteral("preselectLowRisk"), m_app.preferences().preselectLowRisk()},
        {QStringLiteral("compactCards"), m_app.preferences().compactCards()},
        {QStringLiteral("excluded"), QJsonArray::fromStringList(QStringList(
                                         m_app.preferences().excludedCategories().values()))},
        {QStringLiteral("dark"), Palette::scheme() == Palette::Scheme::dark},
        {QStringLiteral("focus"), describe(QApplication::focusWidget())},
        {QStringLiteral("windows"), windows},
    };
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

QByteArray StateProbe::texts(bool inView) const
{
    QJsonArray result;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        QList<QWidget *> widgets{top};
        widgets += top->findChildren<QWidget *>();
        for (QWidget *widget : std::as_const(widgets)) {
            if (!widget->isVisible() || widget->width() <= 0 || widget->height() <= 0)
                continue;
            // Only what the window really shows: inside a scroll area, the
            // part scrolled into view.
            const QRect shown = widget->visibleRegion().boundingRect();
            if (inView && shown.isEmpty())
                continue;
            // What the widget really paints, labels included: each drawn
            // line, as the glyphs on screen stand for it.
            const QStringList texts = TextRecorder::paintedBy(widget);
            if (texts.isEmpty())
                continue;
            QJsonObject entry = describe(widget);
            entry[QStringLiteral("texts")] = QJsonArray::fromStringList(texts);
            result.append(entry);
        }
    }
    return QJsonDocument(result).toJson(QJsonDocument::Compact);
}
