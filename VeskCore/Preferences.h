// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "Models.h"
#include "PreferenceStore.h"

#include <QObject>
#include <QSet>

namespace vesk {

// The user's choices. The four persisted ones are read once from the store,
// falling back to their defaults for anything missing or unreadable, and
// written through on every assignment, even of an equal value. The excluded
// categories live only in memory for the running process.
//
// A store that cannot be written never costs the session its values: the
// members always hold what was last assigned.
class Preferences : public QObject
{
    Q_OBJECT
    Q_PROPERTY(
        vesk::Appearance appearance READ appearance WRITE setAppearance NOTIFY appearanceChanged)
    Q_PROPERTY(vesk::Section startSection READ startSection WRITE setStartSection NOTIFY
                   startSectionChanged)
    Q_PROPERTY(bool preselectLowRisk READ preselectLowRisk WRITE setPreselectLowRisk NOTIFY
                   preselectLowRiskChanged)
    Q_PROPERTY(bool compactCards READ compactCards WRITE setCompactCards NOTIFY compactCardsChanged)
    Q_PROPERTY(QSet<QString> excludedCategories READ excludedCategories WRITE setExcludedCategories
                   NOTIFY excludedCategoriesChanged)
    Q_PROPERTY(bool lastWriteSucceeded READ lastWriteSucceeded NOTIFY lastWriteSucceededChanged)

public:
    explicit Preferences(PreferenceStore &store, QObject *parent = nullptr);

    static constexpr QLatin1String appearanceKey{"appearance"};
    static constexpr QLatin1String startSectionKey{"startSection"};
    static constexpr QLatin1String preselectLowRiskKey{"preselectLowRisk"};
    static constexpr QLatin1String compactCardsKey{"compactCards"};

    Appearance appearance() const { return m_appearance; }
    Section startSection() const { return m_startSection; }
    bool preselectLowRisk() const { return m_preselectLowRisk; }
    bool compactCards() const { return m_compactCards; }
    QSet<QString> excludedCategories() const { return m_excludedCategories; }

    void setAppearance(Appearance value);
    void setStartSection(Section value);
    void setPreselectLowRisk(bool value);
    void setCompactCards(bool value);
    void setExcludedCategories(const QSet<QString> &value);
    // In-place change of one category; always notifies.
    void setCategoryExcluded(const QString &category, bool excluded);

    // Whether the last write reached the store; when not, the value still
    // holds for the session.
    bool lastWriteSucceeded() const { return m_lastWriteSucceeded; }

signals:
    void appearanceChanged();
    void startSectionChanged();
    void preselectLowRiskChanged();
    void compactCardsChanged();
    void excludedCategoriesChanged();
    void lastWriteSucceededChanged();

private:
    void write(QLatin1String key, const QVariant &value);

    PreferenceStore &m_store;
    Appearance m_appearance = Appearance::system;
    Section m_startSection = Section::home;
    bool m_preselectLowRisk = true;
    bool m_compactCards = false;
    QSet<QString> m_excludedCategories;
    bool m_lastWriteSucceeded = true;
};

} // namespace vesk
