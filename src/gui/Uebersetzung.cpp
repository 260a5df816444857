#include "gui/Uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

void DeutscheUmgebungVorbereiten() { qputenv("LC_ALL", "de_DE.UTF-8"); }

void DeutschesGebietsschema() {
    // QApplication set the C library's locale from the environment.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void DeutscheUebersetzungLaden(QCoreApplication& app) {
    DeutschesGebietsschema();
    auto* qtbase = new QTranslator(&app);
    if (qtbase->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtbase);
}
