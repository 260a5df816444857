#pragma once
// Shared by the main-window tests and the rotation tests of the view: the
// started program with a scripted host, a count of the pictures that reach
// the screen, and a user's click on a speed button (it toggles, then acts).

#include <gtest/gtest.h>

#include "forms/Hauptfenster.h"
#include "control/Programm.h"
#include "forms/Schalter.h"
#include "platform/SkriptHost.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

inline void Klick(TSpeedButton& b) {
    b.Down = !b.Down;
    b.Click();
}

class Hauptfenstertest : public ::testing::Test {
protected:
    SkriptHost host;
    HostEinsetzen eingesetzt{host};
    TForm_Edits_01& F = Form_Edits_01;
    int bilder = 0;

    void SetUp() override {
        ProgrammStart();
        BildUebertragen = [this] { ++bilder; };
    }
    void TearDown() override { BildUebertragen = nullptr; }
};
