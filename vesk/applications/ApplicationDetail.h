// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "DesignSystem/Sheet.h"
#include "VeskCore/Models.h"

#include <QMessageBox>
#include <QPointer>
#include <QSet>

class QVBoxLayout;

namespace vesk {

class DemoSession;
class PrimaryButton;
class TextLabel;

// The sheet of one application: its components to tick, a review of the
// chosen ones, a confirmation alert and a completion note. Its only effect is
// one history record of a simulated uninstall. Read-only for a protected
// application. Starts with nothing ticked every time it opens.
class ApplicationDetail : public Sheet
{
    Q_OBJECT

public:
    static constexpr int fixedWidth = 640;
    static constexpr int listMaximumHeight = 350;

    ApplicationDetail(const DemoApplication &app, DemoSession &session, QWidget *parent = nullptr);

    // The ticked components that can be part of the simulation, in order.
    static QList<Candidate> chosen(const DemoApplication &app, const QSet<QString> &selectedIDs);

    QList<Candidate> chosen() const { return chosen(m_app, m_selectedIDs); }
    bool reviewing() const { return m_reviewing; }
    bool completed() const { return m_completed; }
    QMessageBox *confirmationAlert() const { return m_confirmation; }

    void setTicked(const QString &componentId, bool ticked);
    void advance();
    void back();

private:
    void rebuild();
    // Returns the scroll area that holds the list.
    QWidget *addComponentList(QVBoxLayout *stack);
    void addGuidance(QVBoxLayout *stack);
    void addActions(QVBoxLayout *stack);
    void refreshSelection();
    QWidget *buildComponent(const Candidate &component);
    // What a screen reader hears of a step that has just appeared: its
    // subtitle, then what it holds.
    QString stepSummary(const QString &subtitle) const;
    // A chosen component as the review reads it: "name: size, risk".
    QString componentLine(const Candidate &component) const;
    static QString completionNote();

    DemoApplication m_app;
    DemoSession &m_session;
    QSet<QString> m_selectedIDs;
    bool m_reviewing = false;
    bool m_completed = false;
    QPointer<QWidget> m_body;
    TextLabel *m_total = nullptr;
    PrimaryButton *m_primary = nullptr;
    // The control a person continues with when the step appears.
    QPointer<QWidget> m_firstAction;
    QPointer<QMessageBox> m_confirmation;
};

} // namespace vesk
