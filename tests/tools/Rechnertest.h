#pragma once
// Shared by the calculator tests: the started program with known lines and
// planes (dialogs/Tippen.h), a menu entry found by its captions, and what a
// pick is expected to deliver.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/Tippen.h"
#include "forms/ObjekteDaten.h"
#include "platform/Zahltext.h"

// The item under the object button captioned Knopf, reached by its captions.
inline TMenuItem* Eintrag(const std::string& Knopf, const std::vector<std::string>& Pfad) {
    for (int i = 1; i <= RechenObjektAnzahl; ++i) {
        if (RechenObjekte[i - 1].Name != Knopf) continue;
        std::vector<TMenuItem>* Ebene = &Form_ObjekteDaten.PopupMenu[i].Items;
        TMenuItem* m = nullptr;
        for (const std::string& c : Pfad) {
            m = nullptr;
            for (TMenuItem& k : *Ebene)
                if (k.Caption == c) m = &k;
            if (!m) return nullptr;
            Ebene = &m->Items;
        }
        return m;
    }
    return nullptr;
}

// What a pick delivers: a vector to Ergebnis, a length to "Länge", or a
// message and nothing.
struct Erwartet {
    enum class Art { Vektor, Laenge, Meldung } art;
    TVek_R3 v{};
    long double l = 0;
    std::string Meldung;
};
inline Erwartet Vek(long double x, long double y, long double z) { return {Erwartet::Art::Vektor, {x, y, z}, 0, {}}; }
inline Erwartet Lg(long double l) { return {Erwartet::Art::Laenge, {}, l, {}}; }
inline Erwartet Msg(std::string m) { return {Erwartet::Art::Meldung, {}, 0, std::move(m)}; }

class Rechnertest : public Dialogtest {
protected:
    TForm_ObjekteDaten& R = Form_ObjekteDaten;
    const TVek_R3 Marke{777, 777, 777};

    // Targets "Ergebnis" and "Länge", both registers at a mark.
    void Markieren() {
        Waehle(R.RadioGroup1, 7);
        Waehle(R.RadioGroup2, 2);
        ErgebnisVektor = Marke;
        R.Edit_Laenge.SetText("777");
        host.Vergessen();
    }

    // Runs Klick and checks what it delivered to the marked registers.
    void Pruefen(const std::function<void()>& Klick, const std::string& wo, const Erwartet& e) {
        SCOPED_TRACE(wo);
        const std::string laenge = R.Edit_Laenge.Text();
        host.Vergessen();
        Klick();
        const bool meldung = e.art == Erwartet::Art::Meldung;
        EXPECT_EQ(host.LetzteMeldung(), meldung ? e.Meldung : "");
        if (e.art == Erwartet::Art::Vektor) ErwarteNah(ErgebnisVektor, e.v);
        if (e.art == Erwartet::Art::Laenge) {
            EXPECT_NEAR(static_cast<double>(Laenge), static_cast<double>(e.l), 1e-12);
        }
        if (e.art != Erwartet::Art::Vektor) {
            EXPECT_EQ(ErgebnisVektor, Marke);
        }
        if (meldung) {
            EXPECT_EQ(R.Edit_Laenge.Text(), laenge);
        }
    }
    // Picks the entry of the object menu.
    void Pruefen(const std::string& Knopf, const std::vector<std::string>& Pfad, const Erwartet& e) {
        Markieren();
        std::string wo = Knopf;
        for (const std::string& c : Pfad) wo += " / " + c;
        TMenuItem* m = Eintrag(Knopf, Pfad);
        ASSERT_NE(m, nullptr) << wo;
        Pruefen([m] { m->Click(); }, wo, e);
    }
};

struct Fall {
    const char* Knopf;
    std::vector<std::string> Pfad;
    Erwartet e;
};
