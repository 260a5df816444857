#pragma once
// Shared by the scene tests: the real start scene with a scripted host, the
// texts of every object grid as one comparable picture, an edit as the edit
// chain applies it (cell, recompute, undo state), and small point helpers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "forms/Ebenen.h"
#include "forms/Fadenkreuz.h"
#include "forms/Geraden_t.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "control/Programm.h"
#include "geometry/Nahe.h"
#include "platform/SkriptHost.h"
#include "platform/Zahltext.h"
#include "scene/Objekte.h"
#include "control/Undo.h"
#include "scene/Datensatz.h"
#include "scene/Speicherzustand.h"
#include "view3d/Szene.h"
#include "forms/Gitter.h"
#include "scene/DrehZustand.h"
#include "control/DatenInDialoge.h"

// Every grid that holds object data, in a fixed order.
inline std::vector<TStringGrid*> AlleObjektgitter() {
    std::vector<TStringGrid*> g = {&Form_Geraden_t.StringGrid1, &Form_Geraden_t.StringGrid2,
                                   &Form_Geraden_t.StringGrid3, &Form_Ebenen.StringGrid1,
                                   &Form_Ebenen.StringGrid2, &Form_Fadenkreuz.StringGrid1};
    for (int i = 1; i <= 4; ++i) {
        g.push_back(&Form_Spate.Gitter(i));
        g.push_back(&Form_Vektoren.Gitter(i));
        g.push_back(&Form_Strecken.Gitter(i));
        g.push_back(&Form_Punkte.Gitter(i));
        g.push_back(&Form_Kugeln.Gitter(i));
        g.push_back(&Form_Kegel.Gitter(i));
    }
    return g;
}

// All cell texts of all object grids; with `normiert` numbers as the
// program writes them ("4" and "4,000" are the same cell).
inline std::vector<std::string> Gitterbild(bool normiert = true) {
    std::vector<std::string> t;
    for (TStringGrid* G : AlleObjektgitter())
        for (int c = 0; c < G->ColCount(); ++c)
            for (int r = 0; r < G->RowCount(); ++r) {
                Extended v = 0;
                const std::string& z = G->Cells(c, r);
                t.push_back(normiert && ZahlLesen(z, v) ? KoordText(v) : z);
            }
    return t;
}

// The scene's geometry, the undo table whole and every object grid's
// texts, part by part: the records as bytes, then the undo states, the
// grid texts and the table's count, index and mode.
inline std::vector<std::string> UndoUndSzene() {
    std::vector<std::string> t;
    auto dazu = [&](const TDatensatzBytes& b) { t.emplace_back(b.begin(), b.end()); };
    dazu(InBytes(DatensatzAusObjekten()));
    dazu(InBytes(Datensatz2AusObjekten()));
    for (int p = 0; p < UndoPlaetze; ++p) dazu(InBytes(UndoDaten[p])), dazu(InBytes(UndoKegelDaten[p]));
    for (const std::string& z : Gitterbild(false)) t.push_back(z);
    t.push_back(std::to_string(UndoAnzahl) + "/" + std::to_string(UndoIndex) + "/" + std::to_string(UndoModus));
    return t;
}

// The scene's values of every object but the one grid Ohne shows: the
// vectors and numbers of record 1 and of the cone part of record 2, each to
// the last digit.
inline std::vector<std::string> ObjektwerteOhne(const TStringGrid* Ohne) {
    std::vector<std::string> t;
    auto zahl = [&](Extended v) { t.push_back(ZahlAllgemein(v, 21)); };
    auto vektoren = [&](const auto& felder, bool nurKegelteil) {
        for (const auto& f : felder) {
            if ((nurKegelteil && !f.Kegelteil) || &DialogGitter(f.Zelle) == Ohne) continue;
            const TVek_R3& v = f.InSzene(f.Nr);
            zahl(v.x), zahl(v.y), zahl(v.z);
        }
    };
    vektoren(Vektorfelder1(), false);
    vektoren(Vektorfelder2(), true);
    for (const auto& f : Zahlfelder1()) zahl(f.AusSzene(f.Nr));
    for (const auto& f : Zahlfelder2())
        if (f.Kegelteil) zahl(f.AusSzene(f.Nr));
    return t;
}

// The undo states in use, each as its bytes (record 1 and the cone part).
inline std::vector<std::string> Undozustaende() {
    std::vector<std::string> t;
    for (int p = 0; p < UndoAnzahl; ++p) {
        const TDatensatzBytes a = InBytes(UndoDaten[p]), b = InBytes(UndoKegelDaten[p]);
        t.emplace_back(a.begin(), a.end());
        t.back().append(b.begin(), b.end());
    }
    return t;
}

// The first part where two of them differ, for a short failure message;
// -1 when they agree.
inline long ErsterUnterschied(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i]) return static_cast<long>(i);
    return a.size() == b.size() ? -1 : static_cast<long>(std::min(a.size(), b.size()));
}

// The first cell of an object record whose text does not show what the
// scene holds (ZeigtWert), as "grid kind/number column,row: text for
// value"; "" when every one does. Open cells and the axes' frame of a
// scene turned with its axes are left out. Not `streng`, a cell may also
// be off by the rounding a turn back leaves in a column of its size.
inline std::string ZelleOhneIhrObjekt(bool streng = true) {
    if (ZellenImAchsenrahmen()) return "";
    auto pruefen = [streng](const auto& felder, bool nurKegelteil) -> std::string {
        for (const auto& f : felder) {
            if (nurKegelteil && !f.Kegelteil) continue;
            const TVek_R3& v = f.InSzene(f.Nr);
            const Extended w[3] = {v.x, v.y, v.z};
            const Extended groesse = std::max({Extended{1}, std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
            for (int k = 0; k < 3; ++k) {
                const TStringGrid& G = DialogGitter(f.Zelle);
                const int c = f.Zelle.Spalte, r = f.Zelle.Zeile + k;
                if (G.Bearbeitung && G.Col == c && G.Row == r) continue;
                const std::string& t = G.Cells(c, r);
                Extended gelesen = 0;
                const Extended d = 1e-12L * groesse;
                // Not strict: a turn back may also have carried the value
                // across the rounding edge of its three decimals.
                if (ZeigtWert(t, w[k]) ||
                    (!streng && ((ZahlLesen(t, gelesen) && std::fabs(gelesen - w[k]) <= d) || ZeigtWert(t, w[k] - d) ||
                                 ZeigtWert(t, w[k] + d))))
                    continue;
                return std::to_string(static_cast<int>(f.Zelle.Gitter)) + "/" + std::to_string(f.Zelle.Nr) + " " +
                       std::to_string(c) + "," + std::to_string(r) + ": " + t + " fuer " + ZahlAllgemein(w[k], 18);
            }
        }
        return "";
    };
    std::string t = pruefen(Vektorfelder1(), false);
    return t.empty() ? pruefen(Vektorfelder2(), true) : t;
}

// Three cells of column c from row r down.
inline void Spalte(TStringGrid& G, int c, int r, const char* x, const char* y, const char* z) {
    G.Cells(c, r) = x;
    G.Cells(c, r + 1) = y;
    G.Cells(c, r + 2) = z;
}

class Szenenstand : public ::testing::Test {
protected:
    SkriptHost host;

    void SetUp() override {
        hostEin_ = std::make_unique<HostEinsetzen>(host);
        ProgrammStart();
        host.Vergessen();
    }
    void TearDown() override { hostEin_.reset(); }

    // One applied edit: the text into the cell, the scene rebuilt, a state
    // recorded.
    static void Bearbeiten(TStringGrid& G, int Spalte, int Zeile, const std::string& Text) {
        G.Cells(Spalte, Zeile) = Text;
        SzeneNeuBerechnen();
        UndoPunktSetzen();
    }
    int Meldungen(const std::string& text) const {
        int n = 0;
        for (const auto& m : host.Meldungen) n += m.text == text;
        return n;
    }

private:
    std::unique_ptr<HostEinsetzen> hostEin_;
};
