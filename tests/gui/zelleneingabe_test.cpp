// Typing into the object dialogs as a user does, with real key and mouse
// events: a refusal and its message box, then a click elsewhere and digits;
// keys typed into a selected cell; what each dialog shows after a refusal.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <tuple>
#include <utility>
#include <vector>

#include "Fenstertest.h"
#include "forms/DrehenUmGerade.h"
#include "forms/EbenKoord.h"
#include "forms/Ebenen.h"
#include "forms/Fadenkreuz.h"
#include "forms/Geraden_t.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "gui/Dialogansicht.h"
#include "gui/QtOberflaeche.h"
#include "scene/Datensatz.h"
#include "scene/Objekte.h"

namespace {

// A number cell of a grid, or a number field (G nullptr).
struct Ort {
    TStringGrid* G;
    int c, r;
    TEdit* E = nullptr;
    std::string Text() const { return G ? G->Cells(c, r) : E->Text(); }
};
using Eingaben = std::vector<std::pair<Ort, const char*>>;

TForm_Geraden_t& L = Form_Geraden_t;
TForm_Ebenen& E = Form_Ebenen;
TForm_EbenKoord& K = Form_EbenKoord;
TForm_DrehenUmGerade& A = Form_DrehenUmGerade;

// What a refused edit must leave alone: the scene's geometry and the axis.
std::vector<std::uint8_t> Szene() {
    std::vector<std::uint8_t> s;
    for (const auto& b : {InBytes(DatensatzAusObjekten()), InBytes(Datensatz2AusObjekten())})
        s.insert(s.end(), b.begin(), b.end());
    for (const TVek_R3& v : {Drehachse.Stuetzvektor, Drehachse.Richtungsvektor})
        for (Extended x : {v.x, v.y, v.z}) {
            s.resize(s.size() + 10);
            ExtendedZuBytes(x, s.data() + s.size() - 10);
        }
    return s;
}

class Zelleneingabe : public Fenstertest {
protected:
    std::vector<DialogAnsicht*> dialoge;

    void SetUp() override {
        Fenstertest::SetUp();
        dialoge = DialogeAnlegen(fenster.get());
        host.Vergessen();
    }
    DialogAnsicht* Zeigen(const std::string& name) {
        for (DialogAnsicht* d : dialoge)
            if (d->Name() == name) {
                d->show();
                d->activateWindow();
                QApplication::processEvents();
                return d;
            }
        return nullptr;
    }
    static GitterTabelle* Tabelle(DialogAnsicht* d, const Ort& o) { return o.G ? d->B().Tabelle(*o.G) : nullptr; }
    static QLineEdit* Feld(DialogAnsicht* d, const Ort& o) { return static_cast<QLineEdit*>(d->B().Widget(o.E)); }

    static void Klicken(DialogAnsicht* d, const Ort& o) {
        if (GitterTabelle* t = Tabelle(d, o))
            QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(t->model()->index(o.r, o.c)).center());
        else
            QTest::mouseClick(Feld(d, o), Qt::LeftButton);
    }
    // The keys go where the window's focus is, one by one, as the user's do.
    static void Tippen(DialogAnsicht* d, const char* text) {
        for (QChar k : QString::fromUtf8(text)) {
            ASSERT_NE(d->focusWidget(), nullptr);
            QTest::keyClicks(d->focusWidget(), QString(k));
        }
    }
    // Opens o: the cell's editor, or the field with its text selected.
    static void Oeffnen(DialogAnsicht* d, const Ort& o) {
        if (GitterTabelle* t = Tabelle(d, o)) return t->ZelleBearbeiten(o.c, o.r);
        Feld(d, o)->setFocus();
        Feld(d, o)->selectAll();
    }
    static void Eingeben(DialogAnsicht* d, const Eingaben& e) {
        for (const auto& [o, text] : e) {
            Oeffnen(d, o);
            Tippen(d, text);
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
            QApplication::processEvents();
        }
    }
    // What the window shows for o: its open editor, else its item or field.
    static QString Angezeigt(DialogAnsicht* d, const Ort& o) {
        GitterTabelle* t = Tabelle(d, o);
        if (!t) return Feld(d, o)->text();
        if (t->Editor() && t->currentRow() == o.r && t->currentColumn() == o.c) return t->Editor()->text();
        return t->item(o.r, o.c)->text();
    }
    void Schliessen(DialogAnsicht* d) {
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        d->close();
        QApplication::processEvents();
        host.Vergessen();
    }
};

// The rotation axis by support and direction (0) or by two points (1).
template <int i>
void AchsenForm(DialogAnsicht* d) {
    QTest::mouseClick(d->findChildren<QRadioButton*>()[i], Qt::LeftButton);
    ASSERT_EQ(A.RadioGroup_Form.ItemIndex, i);
}

TEST_F(Zelleneingabe, NachDerMeldungTipptManInDieAngeklickteZelle) {
    // Each refusal with the real message box, closed as the user closes it;
    // the edit survives the box. Then a click elsewhere and a 6: it goes
    // into the clicked cell or field, the refused one keeps its valid text.
    struct Fall {
        const char* Fenster;
        void (*Vorbereiten)(DialogAnsicht*);
        Eingaben Vorher;
        Ort Abgelehnt;
        const char* Text;
        Ort Geklickt;
        const char* Bleibt;
    };
    const Fall faelle[] = {
        {"Form_Geraden_t", nullptr, {}, {&L.StringGrid1, 0, 3}, "20000", {&L.StringGrid1, 1, 1}, "2000"},
        {"Form_Geraden_t", nullptr, {{{&L.StringGrid1, 1, 1}, "0"}, {{&L.StringGrid1, 1, 2}, "0"}},
         {&L.StringGrid1, 1, 3}, "0", {&L.StringGrid1, 0, 1}, "1"},
        {"Form_Ebenen", nullptr, {{{&E.StringGrid1, 1, 2}, "0"}}, {&E.StringGrid1, 1, 3}, "-2",
         {&E.StringGrid1, 0, 2}, "0"},
        {"Form_DrehenUmGerade", AchsenForm<1>, {}, {&A.StringGrid1, 1, 3}, "0", {&A.StringGrid1, 0, 1}, "1,000"},
        {"Form_EbenKoord", nullptr, {{{nullptr, 0, 0, &K.Edit_c}, "1"}, {{nullptr, 0, 0, &K.Edit_a}, "0"},
                                     {{nullptr, 0, 0, &K.Edit_b}, "0"}},
         {nullptr, 0, 0, &K.Edit_c}, "0", {nullptr, 0, 0, &K.Edit_d}, "1"},
    };
    QtOberflaeche qt;
    HostEinsetzen ein(qt);
    int boxen = 0;
    QTimer zu;
    QObject::connect(&zu, &QTimer::timeout, [&] {
        if (QWidget* m = QApplication::activeModalWidget()) {
            ++boxen;
            m->close();
        }
    });
    zu.start(20);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Fenster);
        DialogAnsicht* d = Zeigen(f.Fenster);
        if (f.Vorbereiten) f.Vorbereiten(d);
        Eingeben(d, f.Vorher);
        const int vorher = boxen;
        Oeffnen(d, f.Abgelehnt);
        Tippen(d, f.Text);
        EXPECT_EQ(boxen, vorher + 1);
        if (GitterTabelle* t = Tabelle(d, f.Abgelehnt)) {
            EXPECT_NE(t->Editor(), nullptr);
        }

        Klicken(d, f.Geklickt);
        QApplication::processEvents();
        if (GitterTabelle* t = Tabelle(d, f.Geklickt)) {
            EXPECT_EQ(std::pair(t->currentColumn(), t->currentRow()), std::pair(f.Geklickt.c, f.Geklickt.r));
        }
        const std::vector<std::uint8_t> szene = Szene();
        const std::string geklickt = f.Geklickt.Text();
        Tippen(d, "6");
        // A click opens a cell with its text selected; in a field it sets the cursor.
        EXPECT_EQ(f.Geklickt.Text() == "6", f.Geklickt.G != nullptr);
        EXPECT_NE(f.Geklickt.Text(), geklickt);
        EXPECT_EQ(f.Abgelehnt.Text(), f.Bleibt);
        EXPECT_EQ(Angezeigt(d, f.Abgelehnt), QString::fromUtf8(f.Bleibt));
        EXPECT_NE(Szene(), szene);  // the 6 reached the object
        Schliessen(d);
    }
}

TEST_F(Zelleneingabe, TastenInDieGewaehlteZelleBeginnenIhreEingabe) {
    // A click on the selected cell, keys at once: they edit that cell and
    // search no other ("-" would find "-5", the 2 of 20000 nothing).
    DialogAnsicht* d = Zeigen("Form_Geraden_t");
    for (const auto& [c, r, text, zelle] : {std::tuple{0, 3, "-7", "-7"}, std::tuple{1, 1, "20000", "2000"}}) {
        Klicken(d, {&L.StringGrid1, c, r});
        Klicken(d, {&L.StringGrid1, c, r});
        Tippen(d, text);
        EXPECT_EQ(L.StringGrid1.Cells(c, r), zelle);
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    }
    // A heading is no cell to type in: a click on it keeps the current cell.
    Klicken(d, {&L.StringGrid1, 1, 0});
    Tippen(d, "4");
    EXPECT_EQ(L.StringGrid1.Cells(1, 1), "4");
    EXPECT_EQ(Gerade[1].Stuetzvektor, (TVek_R3{-5, -3, -7}));
    EXPECT_EQ(Gerade[1].Richtungsvektor.x, 4.0L);
    EXPECT_EQ(host.Meldungen.size(), 1u);
}

TEST_F(Zelleneingabe, AbgelehnteEingabeZeigtDenLetztenGueltigenText) {
    // In every dialog: after a refusal the cell or field shows its last
    // valid text and the scene is as before, so grid, picture and reports
    // agree. The text put back is selected: the next key starts anew.
    struct Fall {
        const char* Fenster;
        void (*Vorbereiten)(DialogAnsicht*);
        Eingaben Vorher;
        Ort Ziel;
        const char* Text;
        const char* Meldung;
    };
    const Fall faelle[] = {
        {"Form_Geraden_t", nullptr, {{{&L.StringGrid1, 1, 1}, "0"}, {{&L.StringGrid1, 1, 2}, "0"}},
         {&L.StringGrid1, 1, 3}, "0", NullRichtungMeldung},
        {"Form_Ebenen", nullptr, {{{&E.StringGrid1, 1, 2}, "0"}}, {&E.StringGrid1, 1, 3}, "-2",
         AbhaengigeRichtungenMeldung},
        {"Form_EbenKoord", nullptr, {{{nullptr, 0, 0, &K.Edit_c}, "1"}, {{nullptr, 0, 0, &K.Edit_a}, "0"},
                                     {{nullptr, 0, 0, &K.Edit_b}, "0"}},
         {nullptr, 0, 0, &K.Edit_c}, "0", NullNormaleMeldung},
        {"Form_EbenKoord", nullptr, {{{nullptr, 0, 0, &K.Edit_nz}, "1"}, {{nullptr, 0, 0, &K.Edit_nx}, "0"},
                                     {{nullptr, 0, 0, &K.Edit_ny}, "0"}},
         {nullptr, 0, 0, &K.Edit_nz}, "0", NullNormaleMeldung},
        {"Form_Kegel", nullptr, {}, {&Form_Kegel.StringGrid1, 1, 3}, "0", NullNormaleMeldung},
        {"Form_Kegel", nullptr, {}, {nullptr, 0, 0, &Form_Kegel.Edit_Hoehe}, "10000", Betrag10000Meldung},
        {"Form_Spate", nullptr, {}, {&Form_Spate.StringGrid1, 3, 3}, "0", AbhaengigeKantenMeldung},
        {"Form_DrehenUmGerade", AchsenForm<1>, {}, {&A.StringGrid1, 1, 3}, "0", GleichePunkteMeldung},
        {"Form_DrehenUmGerade", AchsenForm<0>, {{{&A.StringGrid1, 1, 1}, "0"}, {{&A.StringGrid1, 1, 2}, "0"}},
         {&A.StringGrid1, 1, 3}, "0", NullRichtungMeldung},
        {"Form_Kugeln", nullptr, {}, {nullptr, 0, 0, &Form_Kugeln.Edit_Radius}, "10000", Betrag10000Meldung},
        {"Form_Kugeln", nullptr, {}, {&Form_Kugeln.StringGrid1, 1, 2}, "10001", BereichsMeldung},
        {"Form_Punkte", nullptr, {}, {&Form_Punkte.StringGrid1, 1, 0}, "-10001", BereichsMeldung},
        {"Form_Vektoren", nullptr, {}, {&Form_Vektoren.StringGrid1, 1, 1}, "10001", BereichsMeldung},
        {"Form_Strecken", nullptr, {}, {&Form_Strecken.StringGrid1, 0, 2}, "10001", BereichsMeldung},
        {"Form_Fadenkreuz", nullptr, {}, {&Form_Fadenkreuz.StringGrid1, 0, 3}, "10001", BereichsMeldung},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Meldung);
        DialogAnsicht* d = Zeigen(f.Fenster);
        if (f.Vorbereiten) f.Vorbereiten(d);
        Eingeben(d, f.Vorher);
        ASSERT_TRUE(host.Meldungen.empty());
        // The last valid text before the refused key: what the keys before it
        // made ("1000" on the way to "10001"), or the text before the edit.
        const std::string text = f.Text, davor = f.Ziel.Text();
        Oeffnen(d, f.Ziel);
        Tippen(d, text.substr(0, text.size() - 1).c_str());
        const std::string gueltig = ZellTextPruefen(f.Ziel.Text()) == ZellStand::Gueltig ? f.Ziel.Text() : davor;
        const std::vector<std::uint8_t> szene = Szene();
        Tippen(d, text.substr(text.size() - 1).c_str());
        EXPECT_EQ(host.Meldungen.size(), 1u);
        EXPECT_EQ(host.Meldungen[0].text, f.Meldung);
        EXPECT_EQ(f.Ziel.Text(), gueltig);
        EXPECT_EQ(Angezeigt(d, f.Ziel), QString::fromStdString(gueltig));
        EXPECT_EQ(Szene(), szene);
        const auto* w = qobject_cast<QLineEdit*>(d->focusWidget());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->selectedText(), w->text());
        Schliessen(d);
        EXPECT_EQ(f.Ziel.Text(), gueltig);
        EXPECT_EQ(Szene(), szene);
    }
}

}  // namespace
