// SPDX-License-Identifier: GPL-3.0-or-later
#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qttranslations {

QString catalogPath()
{
    return QStringLiteral(":/translations/tundrik_qt_et.qm");
}

bool install(QCoreApplication &app)
{
    const QLocale estonian(QLocale::Estonian, QLocale::Estonia);

    // Installed first, so it is asked last: Qt's own words where the
    // program's catalog has none.
    auto *system = new QTranslator(&app);
    if (system->load(estonian, QStringLiteral("qt"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(system);
    else
        delete system;

    auto *own = new QTranslator(&app);
    if (!own->load(catalogPath())) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

} // namespace qttranslations
