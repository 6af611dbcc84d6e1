// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Sheet.h"

#include "CapsuleLabel.h"
#include "DesignSystem/accessibility/Announcer.h"
#include "PrimaryButton.h"

#include <QAbstractScrollArea>
#include <QAccessible>

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vesk {

Sheet::Sheet(const QString &title, int width, int padding, int spacing, QWidget *parent)
    : QDialog(parent), m_width(width), m_padding(padding), m_layout(new QVBoxLayout(this))
{
    setWindowTitle(title);
    setWindowModality(Qt::WindowModal);
#ifdef Q_OS_MACOS
    setWindowFlag(Qt::Sheet);
#endif
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    setFixedWidth(width);
    m_layout->setContentsMargins(padding, padding, padding, padding);
    m_layout->setSpacing(spacing);
}

void Sheet::addCloseRow(const QString &label)
{
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    auto *close = new PrimaryButton(label.isEmpty() ? tr("Tanca") : label);
    connect(close, &PrimaryButton::clicked, this, &QDialog::reject);
    row->addWidget(close);
    m_layout->addLayout(row);
    close->setFocus();
}

void Sheet::fitWindow(QWidget *scrolling)
{
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner || !scrolling)
        return;
    const int room = owner->height();
    const int wanted = layout()->totalHeightForWidth(m_width);
    if (wanted <= room)
        return;
    // The list keeps at least a few rows' worth, and scrolls.
    constexpr int least = 96;
    const int height = qMax(least, scrolling->minimumHeight() - (wanted - room));
    scrolling->setMinimumHeight(height);
    scrolling->setMaximumHeight(height);
    // Before the sheet is first shown nothing has told the widgets between
    // the list and the sheet, whose cached heights still hold the old list.
    for (QWidget *w = scrolling->parentWidget(); w && w != this; w = w->parentWidget())
        w->updateGeometry();
    layout()->invalidate();
}

bool Sheet::insideList(const QWidget *widget) const
{
    for (const QWidget *w = widget->parentWidget(); w && w != this; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(w))
            return true;
    }
    return false;
}

QStringList Sheet::facts() const
{
    QStringList read;
    // Children are listed in the order they were made, which is the order
    // the sheets lay them out in.
    const QList<QWidget *> widgets = findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        // A list's rows are heard one by one as the focus goes through them.
        if (!widget->isVisibleTo(this) || insideList(widget))
            continue;
        const QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
        if (qobject_cast<CapsuleLabel *>(widget) || (node && node->role() == QAccessible::ListItem))
            read << Announcer::spokenText(widget);
    }
    return read;
}

void Sheet::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        // Told after the screen reader has read the sheet as it opened.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isVisible())
                    Announcer::announce(this, Announcer::sentences(facts()));
            },
            Qt::QueuedConnection);
        const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
        int height = layout()->totalHeightForWidth(m_width);
        if (owner)
            height = qMin(height, owner->height());
        resize(m_width, qMax(height, minimumHeight()));
    }
    QDialog::setVisible(visible);
}

} // namespace vesk
