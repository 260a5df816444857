// What the Qt side takes from its surroundings: the test clock the timers
// run on, and the German locale whatever the environment says.

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <QMimeDatabase>
#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

#include "QtTestAnwendung.h"
#include "gui/Uebersetzung.h"
#include "gui/Zeitgeber.h"

namespace {

TEST(Taktgeber, TicktNurWennDieTestuhrVorrueckt) {
    TestAnwendung();
    ASSERT_TRUE(Taktgeber::TestuhrAn());
    Taktgeber a, b, c;
    std::string folge;
    QObject::connect(&a, &QTimer::timeout, [&] { folge += 'a'; });
    QObject::connect(&b, &QTimer::timeout, [&] {
        folge += 'b';
        if (folge.size() > 4) b.stop();  // a tick may stop its own timer
    });
    QObject::connect(&c, &QTimer::timeout, [&] { folge += 'c'; });
    a.Starten(30);
    b.Starten(20);
    c.Starten(10);
    c.stop();
    QCoreApplication::processEvents();
    EXPECT_EQ(folge, "");  // real time fires nothing
    Taktgeber::Vergehen(59);
    EXPECT_EQ(folge, "bab");  // 20, 30, 40
    Taktgeber::Vergehen(41);  // up to 100: 60 a, 60 b (which stops), 90 a
    EXPECT_EQ(folge, "bababa");
    // A restart counts its interval from now on the test clock.
    b.Starten(5);
    Taktgeber::Vergehen(5);
    EXPECT_EQ(folge, "bababab");
    b.stop();
    a.stop();
}

TEST(Gebietsschema, QtSprichtDeutschDieZahlenDerCBibliothekBleiben) {
    TestAnwendung();
    const std::string vorher = std::setlocale(LC_ALL, nullptr);
    const QByteArray lcAll = qgetenv("LC_ALL");
    // What QApplication does in a German environment: the C library's
    // numbers would take a decimal comma.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    DeutscheUmgebungVorbereiten();
    EXPECT_EQ(qgetenv("LC_ALL"), QByteArray("de_DE.UTF-8"));
    DeutschesGebietsschema();
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    EXPECT_EQ(std::strtod("0.5", nullptr), 0.5);
    EXPECT_EQ(QLocale().language(), QLocale::German);
    EXPECT_EQ(QLocale().toString(QDate(2026, 12, 7), QLocale::ShortFormat), QStringLiteral("07.12.26"));
    // The type column of the file dialogs.
    EXPECT_EQ(QMimeDatabase().mimeTypeForName(QStringLiteral("text/plain")).comment(),
              QStringLiteral("Einfaches Textdokument"));

    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, vorher.c_str());
    if (lcAll.isNull())
        qunsetenv("LC_ALL");
    else
        qputenv("LC_ALL", lcAll);
}

}  // namespace
