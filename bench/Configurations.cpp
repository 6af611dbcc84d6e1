// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "Configurations.h"

#include "Measuring.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QProcess>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace vesk::bench {

namespace {

// Every interaction's figures in a configuration's JSON, by name.
QList<std::pair<QString, QJsonObject>> interactions(const QJsonObject &figures)
{
    QList<std::pair<QString, QJsonObject>> found;
    for (const QString &group :
         {u"section_switch_ms"_s, u"resize_ms"_s, u"wheel_step_ms"_s, u"sheet_ms"_s}) {
        const QJsonObject byName = figures.value(group).toObject();
        for (auto it = byName.begin(); it != byName.end(); ++it)
            found.append({group + u' ' + it.key(), it.value().toObject()});
    }
    found.append({u"appearance_switch_ms"_s, figures.value(u"appearance_switch_ms").toObject()});
    return found;
}

// A long session holds no more after 6000 switches than after 1000.
constexpr double soakGrowthBudgetMib = 1.0;

} // namespace

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

QString nameOf(const Configuration &configuration)
{
    return QStringLiteral("ratio %1, %2")
        .arg(configuration.ratio)
        .arg(sizeText(configuration.size));
}

QStringList overBudget(const Configuration &configuration, const QJsonObject &figures)
{
    QStringList over;
    const double floor = figures.value(u"resize_floor_ms").toObject().value(u"median").toDouble();
    for (const auto &[name, stats] : interactions(figures)) {
        // A resize allocates a new backing store; what a one-label window
        // takes for the same resizes is said alongside.
        const QString reference =
            name.startsWith(u"resize_ms"_s)
                ? QStringLiteral(" (a minimal Qt window: %1 ms)").arg(floor, 0, 'f', 2)
                : QString();
        const auto check = [&](const char *what, double figure, double budget) {
            if (budget > 0 && figure > budget)
                over << QStringLiteral("%1: %2 %3 ms > %4 ms%5")
                            .arg(name, QLatin1String(what))
                            .arg(figure, 0, 'f', 2)
                            .arg(budget)
                            .arg(reference);
        };
        check("median", stats.value(u"median").toDouble(), configuration.medianBudgetMs);
        check("maximum", stats.value(u"max").toDouble(), configuration.maximumBudgetMs);
    }
    const double growth = figures.value(u"memory_soak").toObject().value(u"growth_mib").toDouble();
    if (growth > soakGrowthBudgetMib)
        over << QStringLiteral("memory soak: %1 MiB more after 6000 switches than after 1000")
                    .arg(growth, 0, 'f', 2);
    return over;
}

QJsonObject measureInChild(const Configuration &configuration, const QStringList &passOn,
                           const QString &home)
{
    QProcess child;
    child.setProcessEnvironment(childEnvironment(home));
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{u"--ratio"_s, QString::number(configuration.ratio), u"--size"_s,
                            sizeText(configuration.size)} +
                    passOn);
    if (!child.waitForFinished(-1))
        return {};
    const QList<QByteArray> lines = child.readAllStandardOutput().trimmed().split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        std::printf("%s\n", lines.at(i).constData());
    return QJsonDocument::fromJson(lines.last()).object();
}

} // namespace vesk::bench
