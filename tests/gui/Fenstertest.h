#pragma once
// The fixture of the gui tests that need the real main window: a scripted
// host and the Qt picture put in, the program started, the window shown at
// 1024 x 740 and its first picture painted.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <memory>
#include <vector>

#include "QtTestAnwendung.h"
#include "gui/Dialogansicht.h"
#include "gui/Hauptfensteransicht.h"
#include "gui/QtOberflaeche.h"
#include "gui/QtZeichenflaeche.h"
#include "forms/Hauptfenster.h"
#include "control/Programm.h"
#include "platform/SkriptHost.h"
#include "platform/Zeichenflaeche.h"

class Fenstertest : public ::testing::Test {
protected:
    SkriptHost host;
    QtZeichenflaeche bild;
    std::unique_ptr<HostEinsetzen> hostEin;
    std::unique_ptr<ZeichenbitmapEinsetzen> bildEin;
    std::unique_ptr<Hauptfensteransicht> fenster;
    TForm_Edits_01& F = Form_Edits_01;

    // Starts with another host than the scripted one (the real Qt host).
    void Starten(Oberflaeche& h) {
        TestAnwendung();
        hostEin = std::make_unique<HostEinsetzen>(h);
        bildEin = std::make_unique<ZeichenbitmapEinsetzen>(bild);
        FensterErzeugen();
        fenster = std::make_unique<Hauptfensteransicht>();
        fenster->ClientGroesseSetzen(1024, 740);
        fenster->show();
        QApplication::processEvents();
    }
    void SetUp() override { Starten(host); }
    void TearDown() override {
        fenster.reset();  // its dialogs with it
        bildEin.reset();
        hostEin.reset();
    }

    QImage Aufnahme() const { return fenster->PaintBox1()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// The same with the real Qt host, and the program's dialogs made and
// registered with it as the program starts.
class QtFenstertest : public Fenstertest {
protected:
    std::unique_ptr<QtOberflaeche> qt;
    std::vector<DialogAnsicht*> angelegt;  // the dialogs, in the order made

    void SetUp() override {
        TestAnwendung();
        qt = std::make_unique<QtOberflaeche>();
        Starten(*qt);
        angelegt = DialogeAnlegen(fenster.get());
        for (DialogAnsicht* d : angelegt) qt->FensterRegistrieren(d->Name(), d);
    }
    void TearDown() override {
        Fenstertest::TearDown();
        qt.reset();
    }
};
