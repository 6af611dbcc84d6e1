// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include "SharedObjects.h"

#include <QTimer>
#include <QWidget>

class QListView;
class QModelIndex;
class QStandardItemModel;
class QVBoxLayout;

namespace vesk {

class SidebarRowDelegate;

// The dark column on the left: the brand, the seven sections, and a footer with
// the settings link. Below 640 px of height it turns compact: no eyebrow, no
// leaf note and no rule, and a tighter header.
class Sidebar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int columnWidth = 215;
    static constexpr int compactBelowHeight = 640;
    static bool isCompact(int height) { return height < compactBelowHeight; }
    // Whether a point `y` down the section list falls between two rows.
    static bool isInRowGap(int y);

    struct HeaderPadding
    {
        int top;
        int bottom;
    };
    // The brand header's vertical padding: 16/20 compact, 38/38 full, less in
    // the full layout by the pixels it would overflow the column.
    static HeaderPadding headerPadding(bool compact, int overflow);

    Sidebar(SharedObjects shared, QWidget *parent = nullptr);

    bool compact() const { return m_compact; }
    QListView *sectionList() const { return m_list; }
    // Whether the cleanup row shows its busy spinner.
    bool showsScanIndicator() const;
    // Whether the section is being changed from the list itself (a click, an
    // arrow, a screen reader's selection): the focus then stays in the list.
    bool isChoosing() const { return m_choosing; }
    QSize minimumSizeHint() const override;

signals:
    void settingsRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool m_choosing = false;
    void addBrand(QVBoxLayout *column);
    void addSectionList(QVBoxLayout *column);
    void addFooter(QVBoxLayout *column);
    void followSharedState();
    void applyLayout();
    void choose(const QModelIndex &row);
    void showSelection();
    void announceCurrentRow();
    void followPhase();

    SharedObjects m_shared;
    QStandardItemModel *m_model;
    QListView *m_list;
    SidebarRowDelegate *m_delegate;
    QVBoxLayout *m_headerLayout;
    QList<QWidget *> m_fullOnly;
    QTimer m_spinner;
    int m_spinnerAngle = 0;
    bool m_compact = false;
};

} // namespace vesk
