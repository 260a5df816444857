#pragma once
// The one QApplication of the gui tests, created on first use (gtest_main
// owns main()). It is never destroyed: Qt's own statics may be gone by then.
// The program's timers run on the test clock: a test lets time pass by
// Taktgeber::Vergehen, never by waiting.

#include <QApplication>

#include "gui/Zeitgeber.h"

inline QApplication& TestAnwendung() {
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    static QApplication* app = QApplication::instance() ? qobject_cast<QApplication*>(QApplication::instance())
                                                         : new QApplication(argc, argv);
    Taktgeber::Testuhr(true);
    return *app;
}
