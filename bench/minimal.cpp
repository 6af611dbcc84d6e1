// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

// The yardstick for vesk's start-up: the smallest Qt Widgets program that
// shows a window, with the same first-paint probe.

#include "FirstPaintProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("vesk")));
    window.resize(1100, 760);
    window.show();
    new FirstPaintProbe(&window);
    return app.exec();
}
