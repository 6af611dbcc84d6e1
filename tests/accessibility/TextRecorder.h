// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QPaintDevice>
#include <QSize>
#include <QStringList>

#include <memory>

class QWidget;

// A paint device that keeps only the text painted on it: what a widget's
// paintEvent really draws, whatever the widget says about itself. Glyph runs
// drawn without their characters are not seen; such widgets are read from
// their own text instead.
class TextRecorder : public QPaintDevice
{
public:
    explicit TextRecorder(QSize size);
    ~TextRecorder() override;

    QPaintEngine *paintEngine() const override;
    QStringList texts() const;

    // The texts `widget` paints itself, its children left out.
    static QStringList paintedBy(QWidget *widget);

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    std::unique_ptr<QPaintEngine> m_engine;
};
