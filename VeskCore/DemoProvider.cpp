// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "DemoProvider.h"

#include <QTimeZone>

#include <array>

namespace vesk {

namespace {

constexpr qint64 gb = DemoProvider::gb;

StorageNode file(const char *id, const QString &name, qint64 bytes, const QString &kind,
                 qint64 daysAgo, std::optional<QString> duplicateGroup = std::nullopt)
{
    return StorageNode{QString::fromLatin1(id), name, bytes, kind, daysAgo, {}, duplicateGroup};
}

StorageNode folder(const char *id, const QString &name, qint64 bytes, const QString &kind,
                   QList<StorageNode> children)
{
    return StorageNode{QString::fromLatin1(id), name, bytes, kind, 0, std::move(children), {}};
}

// The six parts an uninstall would touch, always in this order. The data shares
// (1/20, 1/4, 1/5, 2/5, 1/10) add up to the whole of the application's data.
QList<Candidate> componentsOf(const QString &id, const QString &name, qint64 bytes,
                              qint64 dataBytes, bool isProtected)
{
    const qint64 d = dataBytes;
    return {
        {id + QStringLiteral(".bundle"), DemoProvider::tr("Aplicació principal"),
         QStringLiteral("Demo/Aplicacions/") + name, bytes, 1, DemoProvider::tr("Paquet"),
         DemoProvider::tr("Paquet de l’aplicació de mostra."),
         isProtected ? Risk::protected_ : Risk::review},
        {id + QStringLiteral(".preferences"), DemoProvider::tr("Preferències"),
         QStringLiteral("Demo/Preferències/") + id, d / 20, 2, DemoProvider::tr("Preferències"),
         DemoProvider::tr("Conté ajustos que pots voler conservar."), Risk::review},
        {id + QStringLiteral(".cache"), DemoProvider::tr("Memòries cau"),
         QStringLiteral("Demo/Cache/") + id, d / 4, 12, DemoProvider::tr("Memòria cau"),
         DemoProvider::tr("El nom de la carpeta no en garanteix la seguretat."), Risk::review},
        {id + QStringLiteral(".support"), DemoProvider::tr("Fitxers de suport"),
         QStringLiteral("Demo/Suport/") + id, d / 5, 8, DemoProvider::tr("Suport"),
         DemoProvider::tr("Dependències de l’aplicació: requereixen revisió."), Risk::review},
        {id + QStringLiteral(".personal"), DemoProvider::tr("Dades personals"),
         QStringLiteral("Demo/Documents/") + id, (2 * d) / 5, 7, DemoProvider::tr("Personal"),
         DemoProvider::tr("Excloses de la desinstal·lació de demostració."), Risk::protected_},
        {id + QStringLiteral(".shared"), DemoProvider::tr("Recursos compartits"),
         QStringLiteral("Demo/Compartit/") + id, d / 10, 4, DemoProvider::tr("Compartit"),
         DemoProvider::tr("Poden ser necessaris per a altres aplicacions. Exclosos."),
         Risk::protected_},
    };
}

DemoApplication application(const char *id, const QString &name, const QString &developer,
                            const char *symbol, qint64 gigabytes, qint64 dataGigabytes,
                            qint64 installedDaysAgo, bool unused, bool isProtected, bool remnant)
{
    const QString appId = QString::fromLatin1(id);
    const qint64 bytes = gigabytes * gb;
    const qint64 dataBytes = dataGigabytes * gb;
    return DemoApplication{appId,
                           name,
                           developer,
                           QString::fromLatin1(symbol),
                           bytes,
                           dataBytes,
                           installedDaysAgo,
                           unused,
                           isProtected,
                           remnant,
                           componentsOf(appId, name, bytes, dataBytes, isProtected)};
}

// An installed application as it appears in the disk tree. The size goes
// through gigabytes as a floating value and back, truncating; for the demo
// values this is exact.
StorageNode applicationNode(const DemoApplication &app)
{
    const double gigabytes = double(app.bytes) / double(gb);
    return StorageNode{app.id,
                       app.name + QStringLiteral(".app"),
                       qint64(gigabytes * double(gb)),
                       DemoProvider::tr("Aplicació"),
                       app.installedDaysAgo,
                       {},
                       {}};
}

} // namespace

QDateTime DemoProvider::referenceDate()
{
    static const QDateTime date = QDateTime::fromSecsSinceEpoch(1'793'617'200, QTimeZone::utc());
    return date;
}

QList<Candidate> DemoProvider::candidates() const
{
    return {
        {QStringLiteral("temp"), tr("Temporals de sessions finalitzades"),
         QStringLiteral("Demo/Altres/Temporals"), 3'200'000'000, 124, tr("Fitxers temporals"),
         tr("Regla de mostra: sessió finalitzada, fitxers sense ús i cap dada "
            "personal. En un motor real caldria verificar tots tres criteris."),
         Risk::low},
        {QStringLiteral("logs"), tr("Registres de diagnòstic antics"),
         QStringLiteral("Demo/Altres/Registres"), 800'000'000, 36, tr("Fitxers temporals"),
         tr("Regla de mostra: registres de més de 30 dies, tancats i fora de "
            "qualsevol diagnòstic actiu."),
         Risk::low},
        {QStringLiteral("archive"), QStringLiteral("Projecte arxivat.zip"),
         QStringLiteral("Demo/Documents/Projecte arxivat.zip"), 24 * gb, 1, tr("Fitxers grans"),
         tr("Ocupa força espai. Pot contenir treball personal: només tu pots "
            "decidir si el necessites."),
         Risk::review},
        {QStringLiteral("downloads"), QStringLiteral("Recursos de disseny.dmg"),
         QStringLiteral("Demo/Documents/Recursos de disseny.dmg"), 8 * gb, 1, tr("Fitxers grans"),
         tr("Descàrrega de fa 240 dies. L’antiguitat no implica que sigui "
            "prescindible."),
         Risk::review},
        {QStringLiteral("cache"), tr("Memòria cau de Llenç"),
         QStringLiteral("Demo/Altres/Llenç/Cache"), 2 * gb, 48, tr("Aplicacions"),
         tr("Podria contenir previsualitzacions o recursos fora de línia. Es manté "
            "desmarcada i requereix revisió."),
         Risk::review},
    };
}

QList<DiskCategory> DemoProvider::diskCategories() const
{
    return {
        {QStringLiteral("photos"), tr("Fotos i vídeos"), 116},
        {QStringLiteral("apps"), tr("Aplicacions"), 84},
        {QStringLiteral("documents"), tr("Documents"), 62},
        {QStringLiteral("other"), tr("Altres dades"), 96},
        {QStringLiteral("unknown"), tr("No classificat"), 26},
        {QStringLiteral("free"), tr("Espai lliure"), 128},
    };
}

StorageNode DemoProvider::storage() const
{
    const QString folderKind = tr("Carpeta");
    const QString archiveKind = tr("Arxiu");

    QList<StorageNode> appNodes;
    for (const DemoApplication &app : applications()) {
        if (!app.remnant)
            appNodes.append(applicationNode(app));
    }

    return folder(
        "disk", tr("Disc de demostració"), 384 * gb, folderKind,
        {
            folder("photos", tr("Fotos i vídeos"), 116 * gb, tr("Multimèdia"),
                   {
                       file("film", QStringLiteral("Estiu al mar.mov"), 68 * gb, tr("Vídeo"), 42),
                       file("library", tr("Biblioteca de fotos"), 32 * gb, tr("Fototeca"), 2),
                       folder("photoarchive", tr("Arxiu familiar"), 16 * gb, folderKind,
                              {
                                  file("copy1", QStringLiteral("Records originals.zip"), 8 * gb,
                                       archiveKind, 410, QStringLiteral("records")),
                                  file("copy2", QStringLiteral("Records còpia.zip"), 8 * gb,
                                       archiveKind, 390, QStringLiteral("records")),
                              }),
                   }),
            folder("apps", tr("Aplicacions"), 84 * gb, tr("Aplicacions"), appNodes),
            folder("documents", tr("Documents"), 62 * gb, tr("Documents"),
                   {
                       file("archive", QStringLiteral("Projecte arxivat.zip"), 24 * gb, archiveKind,
                            380),
                       folder("work", tr("Projectes"), 18 * gb, folderKind,
                              {
                                  file("book", QStringLiteral("Llibre.pdf"), 10 * gb,
                                       QStringLiteral("PDF"), 30),
                                  file("design", QStringLiteral("Maquetes.design"), 8 * gb,
                                       tr("Disseny"), 14),
                              }),
                       folder("personal", tr("Documents personals"), 12 * gb, folderKind,
                              {
                                  file("papers", QStringLiteral("Arxiu documental.zip"), 12 * gb,
                                       archiveKind, 760),
                              }),
                       file("downloads", QStringLiteral("Recursos de disseny.dmg"), 8 * gb,
                            tr("Imatge de disc"), 240),
                   }),
            folder("other", tr("Altres dades"), 96 * gb, tr("Altres"),
                   {
                       file("temp", tr("Temporals"), 3'200'000'000, tr("Temporal"), 8),
                       file("logs", tr("Registres"), 800'000'000, tr("Registres"), 60),
                       file("cache", tr("Memòria cau de Llenç"), 2 * gb, tr("Memòria cau"), 1),
                       file("support", tr("Suport i altres dades"), 90 * gb,
                            tr("Dades d’aplicacions"), 1),
                   }),
            file("unknown", tr("No classificat"), 26 * gb, StorageNode::noAccessKind(), 0),
        });
}

QList<DemoApplication> DemoProvider::applications() const
{
    return {
        // untranslated: product names
        application("taller", QStringLiteral("Taller"), QStringLiteral("Taller Studio"), "hammer",
                    38, 6, 45, false, false, false),
        // untranslated: product names
        application("llenc", QStringLiteral("Llenç"), QStringLiteral("Llenç Creatiu"),
                    "paintpalette", 22, 4, 280, true, false, false),
        // untranslated: product names
        application("ona", QStringLiteral("Ona"), QStringLiteral("Ona Audio"), "waveform", 12, 3,
                    18, false, false, false),
        // untranslated: product names
        application("orbit", QStringLiteral("Òrbita"), QStringLiteral("Òrbita Labs"), "sparkle", 8,
                    1, 420, true, false, false),
        application("system", tr("Visor del sistema"), tr("Sistema de mostra"), "macwindow", 4, 0,
                    600, false, true, false),
        application("remnant", tr("Estudi antic · restes"), tr("Origen per confirmar"),
                    "questionmark.app", 0, 2, 540, false, false, true),
    };
}

QList<PerformancePoint> DemoProvider::performance() const
{
    static constexpr std::array<double, 24> cpu = {12, 15, 14, 18, 22, 19, 16, 17, 28, 35, 32, 24,
                                                   18, 16, 20, 23, 21, 17, 15, 18, 22, 26, 20, 18};
    static constexpr std::array<double, 6> disk = {6, 9, 5, 12, 8, 4};

    QList<PerformancePoint> points;
    points.reserve(qsizetype(cpu.size()));
    for (qsizetype i = 0; i < qsizetype(cpu.size()); ++i)
        points.append({i, cpu[size_t(i)], double(46 + i % 5), disk[size_t(i % 6)]});
    return points;
}

QList<DemoProcess> DemoProvider::processes() const
{
    return {
        // untranslated: product names
        {QStringLiteral("taller"), QStringLiteral("Taller"), 7.2, QStringLiteral("1,8 GB"), false,
         false},
        // untranslated: product names
        {QStringLiteral("ona"), QStringLiteral("Ona"), 4.1, QStringLiteral("820 MB"), false, true},
        {QStringLiteral("sync"), tr("Sincronització de mostra"), 2.4, QStringLiteral("240 MB"),
         true, true},
        {QStringLiteral("window"), tr("Compositor de mostra"), 1.8, QStringLiteral("410 MB"), true,
         false},
    };
}

QList<Protection> DemoProvider::protections() const
{
    return {
        // untranslated: product names
        {QStringLiteral("filevault"), QStringLiteral("FileVault"), QStringLiteral("lock.doc"),
         QStringLiteral("Activat · exemple"),
         tr("El xifratge del disc ajuda a protegir les dades. vesk no ha consultat "
            "l’estat del teu Mac."),
         true},
        // untranslated: product names
        {QStringLiteral("gatekeeper"), QStringLiteral("Gatekeeper"),
         QStringLiteral("checkmark.shield"), QStringLiteral("Activat · exemple"),
         tr("macOS verifica l’origen de les aplicacions. Aquest és un estat fictici."), true},
        {QStringLiteral("updates"), tr("Actualitzacions de macOS"),
         QStringLiteral("arrow.triangle.2.circlepath"), tr("Sense verificar"),
         tr("En aquesta fase no es consulta la versió ni la disponibilitat "
            "d’actualitzacions."),
         false},
        // untranslated: product names
        {QStringLiteral("firewall"), QStringLiteral("Firewall"),
         QStringLiteral("network.badge.shield.half.filled"), tr("Sense verificar"),
         tr("Cal consultar els ajustos natius per conèixer l’estat real. vesk no "
            "modifica cap protecció."),
         false},
    };
}

QList<HistoryEntry> DemoProvider::history() const
{
    const QDateTime reference = referenceDate();
    const QString completed = HistoryEntry::completedResult();
    const QString noError = tr("Cap error simulat");
    return {
        {QUuid(QStringLiteral("00000000-0000-0000-0000-000000000001")), reference.addSecs(-86'400),
         tr("Revisió de temporals"), 160, 4 * gb,
         tr("Exemple d’una revisió de temporals i registres. Espai estimat; espai "
            "real recuperat: 0 B."),
         completed, noError},
        {QUuid(QStringLiteral("00000000-0000-0000-0000-000000000002")), reference.addSecs(-172'800),
         tr("Anàlisi de demostració"), 5, 0,
         tr("Exemple d’anàlisi amb cinc grups de candidats. No s’ha llegit cap "
            "fitxer."),
         completed, noError},
        {QUuid(QStringLiteral("00000000-0000-0000-0000-000000000003")), reference.addSecs(-345'600),
         tr("Revisió d’aplicacions"), 1, 0,
         tr("Exemple de revisió cancel·lada. Cap aplicació modificada."),
         HistoryEntry::cancelledResult(), tr("Cap element processat")},
    };
}

} // namespace vesk
