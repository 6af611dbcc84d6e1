// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "SettingsForm.h"

#include "DesignSystem/FieldTitle.h"
#include "DesignSystem/Picker.h"
#include "DesignSystem/text/Fonts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vesk::SettingsForm {

QVBoxLayout *stack(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 5, 14, 5);
    layout->setSpacing(spacing);
    return layout;
}

QHBoxLayout *labelledRow(const QString &label, QWidget *control)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(new FieldTitle(label, control));
    row->addWidget(control);
    row->addStretch(1);
    return row;
}

QCheckBox *toggle(const QString &text)
{
    auto *box = new QCheckBox(text);
    box->setFont(Fonts::ui(13));
    return box;
}

QComboBox *picker(const QStringList &choices)
{
    auto *box = new Picker;
    box->setFont(Fonts::ui(13));
    box->addItems(choices);
    return box;
}

} // namespace vesk::SettingsForm
