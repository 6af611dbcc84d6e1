// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QDialog>

class QVBoxLayout;

namespace vesk {

// A sheet of its window: window-modal (a real sheet on macOS), a fixed width,
// on the page background, deleted once closed. Escape closes it, as does the
// "Tanca" button that closes most sheets.
//
// Opening a dialog, a screen reader reads its title and its sentences, but
// not the marks and lines around them ("Baix risc", "Mida: 90 GB"): the
// sheet tells those facts (facts()) once it is open. (Its description would
// not do: Orca 43 reads it after the sentences, Orca 48 instead of them, and
// not at all when it contains the title, as a file's location does.)
class Sheet : public QDialog
{
    Q_OBJECT

public:
    Sheet(const QString &title, int width, int padding, int spacing, QWidget *parent = nullptr);

    int sheetWidth() const { return m_width; }
    // The width left for content inside the padding.
    int contentWidth() const { return m_width - 2 * m_padding; }
    QVBoxLayout *contentLayout() const { return m_layout; }
    // A row ending in the primary button that closes the sheet ("Tanca").
    void addCloseRow(const QString &label = QString());
    // Lets `scrolling` (a list in a scroll area) give up height until the
    // sheet, sized by its content, fits the window it belongs to.
    void fitWindow(QWidget *scrolling);

    // The badges and the detail lines the sheet shows, as read, in order.
    QStringList facts() const;

    // Shown as tall as its content at its width, never taller than the
    // window it belongs to: Qt's own first sizing of a window stops at two
    // thirds of the screen.
    void setVisible(bool visible) override;

private:
    bool insideList(const QWidget *widget) const;

    int m_width;
    int m_padding;
    QVBoxLayout *m_layout;
};

} // namespace vesk
