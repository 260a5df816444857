#include "gui/Uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void DeutscheUebersetzungLaden(QCoreApplication& app) {
    auto* qtbase = new QTranslator(&app);
    if (qtbase->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtbase);
}
