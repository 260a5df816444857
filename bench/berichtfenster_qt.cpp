// The real windows: the main window at 1024 x 740 with its picture and the
// result window, driven as their timers drive them (the handler, then every
// visible view refreshed, then the posted events that paint). A rotation
// tick of all 30 objects with the report on E1 open against the same tick
// with no report open; an eye-point step with the report on g open, and with
// none, against a plain redraw of the same scene. The transfers of the
// picture per tick are counted ("Bilder"); the ratios are printed at the end.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>
#include <vector>

#include "Drehszene.h"
#include "gemeinsam/Verhaeltnis.h"
#include "control/Programm.h"
#include "forms/Datenausgabe.h"
#include "forms/Ergebnisauswahl.h"
#include "forms/Hauptfenster.h"
#include "gui/Auffrischen.h"
#include "gui/Datenausgabeansicht.h"
#include "gui/Dialogansicht.h"
#include "gui/Hauptfensteransicht.h"
#include "gui/QtOberflaeche.h"
#include "gui/QtZeichenflaeche.h"
#include "platform/SkriptHost.h"
#include "platform/Zeichenflaeche.h"
#include "reports/Datenfenster.h"
#include "scene/Ansicht.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

namespace {

// The program's windows as main() creates them, on the scene Vorbereiten
// sets up (it runs after the windows' creation, before their first show).
struct Fenster {
    QtOberflaeche host;
    HostEinsetzen hostEin{host};
    QtZeichenflaeche bild;
    ZeichenbitmapEinsetzen bildEin{bild};
    std::unique_ptr<Hauptfensteransicht> haupt;
    int bilder = 0;

    explicit Fenster(void (*Vorbereiten)()) {
        FensterErzeugen();
        haupt = std::make_unique<Hauptfensteransicht>();
        host.FensterRegistrieren("Form_Edits_01", haupt.get());
        for (DialogAnsicht* d : DialogeAnlegen(haupt.get())) host.FensterRegistrieren(d->Name(), d);
        haupt->ClientGroesseSetzen(1024, 740);
        haupt->show();
        QApplication::processEvents();
        Vorbereiten();
        auto zeigen = BildUebertragen;
        BildUebertragen = [this, zeigen] {
            ++bilder;
            if (zeigen) zeigen();
        };
        Benutzeraktion([] { SzeneZeichnen(); });
        QApplication::processEvents();
    }
    ~Fenster() {
        BildUebertragen = nullptr;
        haupt.reset();
    }
    // What a tick of a Qt timer runs, and the paint it posts. Only posted
    // events: the windows' own timers, which run with the core's, must not
    // add ticks of their own.
    static void Tick(const std::function<void()>& handler) {
        Benutzeraktion(handler);
        QCoreApplication::sendPostedEvents();
    }
};

// The report opens from a menu; the user's next click (the button that
// starts the rotation, the eye-point button held) goes to the main window,
// which is the active window while the timer runs.
void BerichtOeffnen(Fenster& f, Byte code) {
    ErgebnisAuswahl = code;
    Benutzeraktion([] { DatenfensterZeigen(); });
    QApplication::processEvents();
    QApplication::setActiveWindow(f.haupt.get());
    QApplication::processEvents();
}

void BM_Drehtick(benchmark::State& state) {
    Fenster f(DrehszeneEinrichten);
    const Byte code = static_cast<Byte>(state.range(0));
    if (code != 0) BerichtOeffnen(f, code);
    f.bilder = 0;
    for (auto _ : state) Fenster::Tick([] { Form_Edits_01.Timer1.OnTimer(); });
    state.counters["Bilder"] = static_cast<double>(f.bilder) / static_cast<double>(state.iterations());
    state.counters["Zeilen"] = static_cast<double>(Form_Datenausgabe.Memo1.Lines.size());
}

void Augpunktszene() {
    for (int i = 1; i <= 6; ++i) Projektionsgeraden[i].anzeigen = 1;
}

// An eye-point step while y+ is held; every other step y- keeps the eye
// point near its start.
void BM_Augpunktschritt(benchmark::State& state) {
    Fenster f(Augpunktszene);
    const Byte code = static_cast<Byte>(state.range(0));
    if (code != 0) BerichtOeffnen(f, code);
    TForm_Edits_01& F = Form_Edits_01;
    F.ButFPyPl.OnMouseDown();
    Byte taste = 3;
    f.bilder = 0;
    for (auto _ : state) {
        FPTaste = taste;
        Fenster::Tick([&F] { F.Timer4.OnTimer(); });
        taste = taste == 3 ? 4 : 3;
    }
    F.ButFPyPl.OnMouseUp();
    state.counters["Bilder"] = static_cast<double>(f.bilder) / static_cast<double>(state.iterations());
}

// The redraw alone in the same windows and scene, as a handler that only
// redraws would run it.
void BM_Neuzeichnen(benchmark::State& state) {
    Fenster f(Augpunktszene);
    BerichtOeffnen(f, 22);
    f.bilder = 0;
    for (auto _ : state) Fenster::Tick([] { SzeneZeichnen(); });
    state.counters["Bilder"] = static_cast<double>(f.bilder) / static_cast<double>(state.iterations());
}

// The result window alone: g's report as two eye-point steps leave it,
// written into the open window in turn (its refresh only) and painted,
// without the core's handler, the other views or a redraw of the picture.
// "Zeilen" counts the lines that differ.
void BM_Berichtsfenster(benchmark::State& state) {
    Fenster f(Augpunktszene);
    BerichtOeffnen(f, 22);
    std::vector<std::string> bericht[2];
    for (int k = 0; k < 2; ++k) {
        Benutzeraktion([k] { Form_Edits_01.Edit_FPy.SetText(k == 0 ? "80" : "81"); });
        bericht[k] = Form_Datenausgabe.Memo1.Lines;
    }
    QApplication::processEvents();
    Datenausgabeansicht* fenster = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = dynamic_cast<Datenausgabeansicht*>(w)) fenster = d;
    if (!fenster || !fenster->isVisible()) {
        state.SkipWithError("kein Ergebnisfenster");
        return;
    }
    int k = 0;
    for (auto _ : state) {
        k = 1 - k;
        Form_Datenausgabe.Memo1.Lines = bericht[k];
        fenster->Auffrischen();
        QCoreApplication::sendPostedEvents();
    }
    int anders = 0;
    for (std::size_t i = 0; i < std::min(bericht[0].size(), bericht[1].size()); ++i) anders += bericht[0][i] != bericht[1][i];
    state.counters["Zeilen"] = anders;
}

BENCHMARK(BM_Drehtick)->ArgName("Code")->Arg(0)->Arg(34)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Augpunktschritt)->ArgName("Code")->Arg(0)->Arg(22)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Neuzeichnen)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Berichtsfenster)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

const bool angemeldet =
    VerhaeltnisAnmelden("Drehtick mit Bericht E1 / ohne Bericht", "BM_Drehtick/Code:34", "BM_Drehtick/Code:0") &&
    VerhaeltnisAnmelden("Augpunktschritt mit Bericht g / Neuzeichnen", "BM_Augpunktschritt/Code:22", "BM_Neuzeichnen") &&
    VerhaeltnisAnmelden("Augpunktschritt ohne Bericht / Neuzeichnen", "BM_Augpunktschritt/Code:0", "BM_Neuzeichnen");

}  // namespace
