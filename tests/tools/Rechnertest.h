#pragma once
// Shared by the calculator tests: the started program with known lines and
// planes (dialogs/Tippen.h), a menu entry found by its captions, and what a
// pick is expected to deliver.

#include <gtest/gtest.h>

#include <vector>
#include <string>

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

    // Picks the entry and checks what it delivered.
    void Pruefen(const std::string& Knopf, const std::vector<std::string>& Pfad, const Erwartet& e,
                 double eps = 1e-12) {
        Markieren();
        TMenuItem* m = Eintrag(Knopf, Pfad);
        std::string wo = Knopf;
        for (const std::string& c : Pfad) wo += " / " + c;
        ASSERT_NE(m, nullptr) << wo;
        m->Click();
        switch (e.art) {
            case Erwartet::Art::Vektor:
                EXPECT_TRUE(host.Meldungen.empty()) << wo << ": " << host.LetzteMeldung();
                EXPECT_NEAR(static_cast<double>(ErgebnisVektor.x), static_cast<double>(e.v.x), eps) << wo;
                EXPECT_NEAR(static_cast<double>(ErgebnisVektor.y), static_cast<double>(e.v.y), eps) << wo;
                EXPECT_NEAR(static_cast<double>(ErgebnisVektor.z), static_cast<double>(e.v.z), eps) << wo;
                break;
            case Erwartet::Art::Laenge:
                EXPECT_TRUE(host.Meldungen.empty()) << wo << ": " << host.LetzteMeldung();
                EXPECT_NEAR(static_cast<double>(Laenge), static_cast<double>(e.l), eps) << wo;
                EXPECT_EQ(ErgebnisVektor, Marke) << wo;
                break;
            case Erwartet::Art::Meldung:
                ASSERT_EQ(host.Meldungen.size(), 1u) << wo;
                EXPECT_EQ(host.Meldungen[0].text, e.Meldung) << wo;
                EXPECT_EQ(host.Meldungen[0].art, MeldungsArt::Information) << wo;
                EXPECT_EQ(ErgebnisVektor, Marke) << wo;
                EXPECT_EQ(R.Edit_Laenge.Text(), "777") << wo;
                break;
        }
    }
};

struct Fall {
    const char* Knopf;
    std::vector<std::string> Pfad;
    Erwartet e;
};
