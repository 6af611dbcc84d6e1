// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Sheet.h"

#include "PrimaryButton.h"

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

} // namespace vesk
