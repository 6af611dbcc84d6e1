// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#pragma once

#include <QPaintDevice>
#include <QSize>
#include <QStringList>

#include <memory>

class QWidget;

// A paint device that keeps only the text painted on it: what a widget's
// paintEvent really draws, line by line, whatever the widget says about
// itself. (A glyph run drawn without its characters would not be seen; no
// widget of vesk draws one.)
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
