// The redraw of the whole picture into a 1024 x 740 Qt image: the start
// scene, and a scene with every object visible and the frame's extras on;
// the recorded calls of the latter replayed straight into a QPainter, the
// raster's share of it; rotation ticks with hidden lines off and on. The
// ratio of the redraw to the replay of its own calls is printed at the end.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <QPolygon>
#include <vector>

#include "Drehszene.h"
#include "gemeinsam/Verhaeltnis.h"
#include "control/Programm.h"
#include "forms/Schalter.h"
#include "QtBild.h"
#include "gui/QtZeichenflaeche.h"
#include "gui/Texte.h"
#include "mainwindow/VerdeckteLinienSchalter.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "platform/SkriptHost.h"
#include "platform/Zeichenflaeche.h"
#include "scene/Objekte.h"
#include "view3d/VerdeckteLinien.h"
#include "view3d/Zeichnen.h"

namespace {

void AllesZeigen() {
    for (int nr = 1; nr <= ObjektAnzahl; ++nr) ObjektSichtbar(nr) = 1;
    GitterZeigen = true;
    AchseneinteilungZeigen = true;
    AchsenwerteZeigen = true;
    ParamDarstellungZeigen = true;
}

void Zeichnen(benchmark::State& state, bool alles) {
    QtZeichenflaeche bild(1024, 740);
    ZeichenbitmapEinsetzen einsetzen(bild);
    ProgrammStart();
    if (alles) AllesZeigen();
    for (auto _ : state) {
        SzeneZeichnen();
        benchmark::DoNotOptimize(bild.Bild().constBits());
    }
}

void BM_SzeneZeichnen_Start(benchmark::State& state) { Zeichnen(state, false); }
void BM_SzeneZeichnen_AlleObjekte(benchmark::State& state) { Zeichnen(state, true); }

// One tick of the continuous rotation (turn, write-back, recomputation,
// redraw into the Qt picture) with all 30 objects marked and visible.
void BM_Timer1Tick_QtBild(benchmark::State& state) {
    QtZeichenflaeche bild(1024, 740);
    ZeichenbitmapEinsetzen einsetzen(bild);
    DrehszeneVorbereiten();
    for (auto _ : state) {
        Form_Edits_01.Timer1Timer();
        benchmark::DoNotOptimize(bild.Bild().constBits());
    }
}

// One recorded call, prepared for the painter: everything Qt needs built
// beforehand, so the loop below does nothing but paint.
struct Aufruf {
    ProtokollZeichenflaeche::Art art;
    bool stift = false;       // the pen paints
    bool pinsel = false;      // the brush fills
    QPen pen;
    QColor pinselFarbe, textFarbe;
    QFont schrift;
    QPolygon punkte;
    QRect rechteck;           // ellipse, rectangle, fill, the text's cell
    QPoint textOrt;
    QString text;
};

std::vector<Aufruf> Vorbereiten(const std::vector<ProtokollZeichenflaeche::Eintrag>& eintraege,
                                QtZeichenflaeche& schriften) {
    using Art = ProtokollZeichenflaeche::Art;
    std::vector<Aufruf> v;
    for (const auto& e : eintraege) {
        if (e.art == Art::MoveTo) continue;
        Aufruf a;
        a.art = e.art;
        a.stift = StiftStilWirksam(e.pen) != psClear;
        if (a.stift) a.pen = StiftQt(e.pen);
        a.pinsel = e.brush.Style != bsClear;
        a.pinselFarbe = FarbeQt(e.brush.Color);
        for (const TPoint& p : e.punkte) a.punkte << QPoint(p.X, p.Y);
        if (e.punkte.size() == 2) a.rechteck = QRect(a.punkte[0], a.punkte[1]).normalized().adjusted(0, 0, -1, -1);  // right, bottom outside
        if (e.art == Art::TextOut) {
            schriften.Font = e.font;
            a.schrift = schriften.SchriftQt();
            a.text = QtText(e.text);
            const QFontMetrics fm(a.schrift);
            a.rechteck = QRect(e.punkte[0].X, e.punkte[0].Y, fm.horizontalAdvance(a.text), fm.height());
            a.textOrt = QPoint(e.punkte[0].X, e.punkte[0].Y + fm.ascent());
            a.textFarbe = FarbeQt(e.font.Color);
        }
        v.push_back(a);
    }
    return v;
}

void Abspielen(QPainter& m, const std::vector<Aufruf>& aufrufe) {
    using Art = ProtokollZeichenflaeche::Art;
    for (const Aufruf& a : aufrufe) {
        switch (a.art) {
            case Art::LineTo:
                if (a.stift && a.punkte[0] != a.punkte[1]) {
                    if (m.pen() != a.pen) m.setPen(a.pen);
                    m.drawLine(a.punkte[0], a.punkte[1]);
                }
                break;
            case Art::Polyline:
                if (a.stift) {
                    if (m.pen() != a.pen) m.setPen(a.pen);
                    m.drawPolyline(a.punkte);
                }
                break;
            case Art::Polygon:
                m.setPen(a.stift ? a.pen : QPen(Qt::NoPen));
                if (a.pinsel) m.setBrush(a.pinselFarbe);
                else m.setBrush(Qt::NoBrush);
                m.drawPolygon(a.punkte, Qt::OddEvenFill);
                break;
            case Art::Ellipse:
                m.setPen(a.stift ? a.pen : QPen(Qt::NoPen));
                if (a.pinsel) m.setBrush(a.pinselFarbe);
                else m.setBrush(Qt::NoBrush);
                m.drawEllipse(a.stift ? a.rechteck.adjusted(0, 0, -1, -1) : a.rechteck);
                break;
            case Art::Rectangle:
                if (a.pinsel) m.fillRect(a.rechteck, a.pinselFarbe);
                if (a.stift) {
                    m.setPen(a.pen);
                    m.setBrush(Qt::NoBrush);
                    m.drawRect(a.rechteck.adjusted(0, 0, -1, -1));
                }
                break;
            case Art::FillRect:
                if (a.pinsel) m.fillRect(a.rechteck, a.pinselFarbe);
                break;
            case Art::TextOut:
                if (a.pinsel) m.fillRect(a.rechteck, a.pinselFarbe);
                m.setFont(a.schrift);
                m.setPen(a.textFarbe);
                m.drawText(a.textOrt, a.text);
                break;
            case Art::MoveTo: break;
        }
    }
}

// The scene of BM_SzeneZeichnen_AlleObjekte recorded once and replayed.
void BM_Wiedergabe_AlleObjekte(benchmark::State& state) {
    ProtokollZeichenflaeche protokoll(1024, 740);
    {
        ZeichenbitmapEinsetzen einsetzen(protokoll);
        ProgrammStart();
        AllesZeigen();
        protokoll.Leeren();
        SzeneZeichnen();
    }
    QtZeichenflaeche schriften(1, 1);
    const std::vector<Aufruf> aufrufe = Vorbereiten(protokoll.Eintraege, schriften);
    QImage bild(1024, 740, QImage::Format_RGB32);
    bild.fill(Qt::white);
    for (auto _ : state) {
        QPainter m(&bild);
        m.setRenderHint(QPainter::Antialiasing, false);
        m.setRenderHint(QPainter::TextAntialiasing, false);
        Abspielen(m, aufrufe);
        m.end();
        benchmark::DoNotOptimize(bild.constBits());
    }
    state.counters["Aufrufe"] = static_cast<double>(aufrufe.size());
}

// A rotation tick with hidden lines at the list's limit: the rotation scene
// with 30 spokes shown on every cone queues 2383 of the 2399 segments the
// list holds, in every position of the turn. The same tick with hidden
// lines off beside it.
void TickMitVollerListe(benchmark::State& state, bool verdeckt) {
    QtBildUmgebung u;
    QtZeichenflaeche& bild = u.bild;
    DrehszeneMitSpeichen();
    const int n = StreckenAnzahl;
    if (!verdeckt) Form_Edits_01.vdLClick();
    for (auto _ : state) {
        Form_Edits_01.Timer1Timer();
        benchmark::DoNotOptimize(bild.Bild().constBits());
    }
    if (VerdeckteLinien != verdeckt) state.SkipWithError("hidden lines switched");
    state.counters["Strecken"] = n;
}

void BM_Timer1Tick_VolleListe_Aus(benchmark::State& state) { TickMitVollerListe(state, false); }
void BM_Timer1Tick_VolleListe_Ein(benchmark::State& state) { TickMitVollerListe(state, true); }

const bool angemeldet = VerhaeltnisAnmelden("Neuzeichnen alle Objekte / Wiedergabe seiner Aufrufe",
                                             "BM_SzeneZeichnen_AlleObjekte", "BM_Wiedergabe_AlleObjekte");

BENCHMARK(BM_SzeneZeichnen_Start)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_SzeneZeichnen_AlleObjekte)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Wiedergabe_AlleObjekte)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Timer1Tick_QtBild)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Timer1Tick_VolleListe_Aus)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_Timer1Tick_VolleListe_Ein)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
