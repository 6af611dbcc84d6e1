// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Page.h"
#include "DesignSystem/Sheet.h"
#include "SharedObjects.h"

#include <QPointer>

class QCheckBox;
class QVBoxLayout;

namespace vesk {

class QuietButton;

// The platform's protections as explanatory cards with example states and
// guidance, and a fictional browser-data example shown only after an explicit
// opt-in; withdrawing the opt-in hides it at once.
class PrivacyView : public Page
{
    Q_OBJECT

public:
    static constexpr int cardMinimumWidth = 260;

    explicit PrivacyView(SharedObjects shared, QWidget *parent = nullptr);

    static QString guidance(const QString &protectionId);
    static QStringList browserRows();

    QCheckBox *consentToggle() const { return m_consent; }
    bool rowsShown() const { return m_showBrowser; }
    Sheet *openSheet() const { return m_sheet; }
    void showGuidance(const QString &protectionId);

private:
    QWidget *buildBrowserCard();
    void showBrowserRows(bool shown);

    SharedObjects m_shared;
    QCheckBox *m_consent = nullptr;
    QVBoxLayout *m_rows = nullptr;
    // "Revisa l’exemple" and "Amaga l’exemple", one shown at a time: a
    // screen reader follows the focus from one to the other, where it would
    // drop the renaming of the button it is on (Qt 6.4's bridge sends the
    // object, not the new name).
    QuietButton *m_reveal = nullptr;
    QuietButton *m_hide = nullptr;
    bool m_showBrowser = false;
    QPointer<Sheet> m_sheet;
};

} // namespace vesk
