// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Preferences.h"

#include "SettingsReader.h"

namespace vesk {

Preferences::Preferences(PreferenceStore &store, QObject *parent) : QObject(parent), m_store(store)
{
    // Read once, in this order; the initialiser never writes.
    if (const auto text = SettingsReader::string(m_store.value(appearanceKey)))
        m_appearance = fromRawValue<Appearance>(*text).value_or(Appearance::system);
    if (const auto text = SettingsReader::string(m_store.value(startSectionKey)))
        m_startSection = fromRawValue<Section>(*text).value_or(Section::home);
    m_preselectLowRisk = SettingsReader::boolean(m_store.value(preselectLowRiskKey)).value_or(true);
    // Read the platform's way, as other tools write it: 1/0, yes/no count.
    m_compactCards =
        SettingsReader::platformBoolean(m_store.value(compactCardsKey)).value_or(false);
}

void Preferences::setAppearance(Appearance value)
{
    if (m_appearance != value) {
        m_appearance = value;
        emit appearanceChanged();
    }
    write(appearanceKey, rawValue(value));
}

void Preferences::setStartSection(Section value)
{
    if (m_startSection != value) {
        m_startSection = value;
        emit startSectionChanged();
    }
    write(startSectionKey, rawValue(value));
}

void Preferences::setPreselectLowRisk(bool value)
{
    if (m_preselectLowRisk != value) {
        m_preselectLowRisk = value;
        emit preselectLowRiskChanged();
    }
    write(preselectLowRiskKey, value);
}

void Preferences::setCompactCards(bool value)
{
    if (m_compactCards != value) {
        m_compactCards = value;
        emit compactCardsChanged();
    }
    write(compactCardsKey, value);
}

void Preferences::setExcludedCategories(const QSet<QString> &value)
{
    if (m_excludedCategories != value) {
        m_excludedCategories = value;
        emit excludedCategoriesChanged();
    }
}

void Preferences::setCategoryExcluded(const QString &category, bool excluded)
{
    if (excluded)
        m_excludedCategories.insert(category);
    else
        m_excludedCategories.remove(category);
    emit excludedCategoriesChanged();
}

void Preferences::write(QLatin1String key, const QVariant &value)
{
    // Written at once so that a crash or a killed process loses nothing; the
    // member above already holds the value whatever the store says.
    const bool succeeded = m_store.setValue(key, value);
    if (succeeded != m_lastWriteSucceeded) {
        m_lastWriteSucceeded = succeeded;
        emit lastWriteSucceededChanged();
    }
}

} // namespace vesk
