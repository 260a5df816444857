// Typing into the object dialogs as a user does it, with real key and mouse
// events: a refusal and its message box, then a click into another cell and
// digits; keys typed into a selected cell; what every dialog shows after a
// refusal.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <vector>

#include "Fenstertest.h"
#include "dialogs/DrehenUmGerade.h"
#include "dialogs/EbenKoord.h"
#include "dialogs/Ebenen.h"
#include "dialogs/Eingabeprotokoll.h"
#include "dialogs/Fadenkreuz.h"
#include "dialogs/Geraden_t.h"
#include "dialogs/Kegel.h"
#include "dialogs/Kugeln.h"
#include "dialogs/Punkte.h"
#include "dialogs/Spate.h"
#include "dialogs/Strecken.h"
#include "dialogs/Vektoren.h"
#include "gui/Dialogansicht.h"
#include "gui/QtOberflaeche.h"
#include "scene/Datensatz.h"
#include "scene/Objekte.h"

namespace {

// A number cell of an object grid, or a number field (G nullptr).
struct Ort {
    TStringGrid* G;
    int c, r;
    TEdit* E = nullptr;
    std::string Text() const { return G ? G->Cells(c, r) : E->Text(); }
};

// Everything a refused edit must leave as it was: the geometry records, the
// rotation axis and the planes' coordinate forms.
std::vector<unsigned char> Szene() {
    std::vector<unsigned char> s;
    for (const auto& b : {InBytes(DatensatzAusObjekten()), InBytes(Datensatz2AusObjekten())})
        s.insert(s.end(), b.begin(), b.end());
    const TVek_R3 a[] = {Drehachse.Stuetzvektor, Drehachse.Richtungsvektor, Ebene[1].Normalenvektor,
                         Ebene[2].Normalenvektor};
    const auto* p = reinterpret_cast<const unsigned char*>(a);
    for (std::size_t i = 0; i < sizeof a; ++i)
        if (i % sizeof(Extended) < 10) s.push_back(p[i]);  // the value bytes of each number
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
        DialogAnsicht* d = nullptr;
        for (DialogAnsicht* x : dialoge)
            if (x->Name() == name) d = x;
        EXPECT_NE(d, nullptr) << name;
        if (!d) return nullptr;
        d->show();
        d->activateWindow();
        QApplication::processEvents();
        return d;
    }

    static GitterTabelle* Tabelle(DialogAnsicht* d, const Ort& o) { return d->B().Tabelle(*o.G); }
    static QLineEdit* Feld(DialogAnsicht* d, const Ort& o) { return static_cast<QLineEdit*>(d->B().Widget(o.E)); }

    static void Klicken(GitterTabelle* t, int c, int r) {
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(t->model()->index(r, c)).center());
    }
    static void Klicken(DialogAnsicht* d, const Ort& o) {
        if (o.G)
            Klicken(Tabelle(d, o), o.c, o.r);
        else
            QTest::mouseClick(Feld(d, o), Qt::LeftButton);
    }
    // The keys go where the window's focus is, key by key, as the user's do.
    static void Tippen(DialogAnsicht* d, const QString& s) {
        for (QChar k : s) {
            QWidget* w = d->focusWidget();
            ASSERT_NE(w, nullptr);
            QTest::keyClicks(w, QString(k));
        }
    }
    // Opens o for typing: the cell's editor, or the field with its text selected.
    static void Oeffnen(DialogAnsicht* d, const Ort& o) {
        if (o.G) {
            Tabelle(d, o)->ZelleBearbeiten(o.c, o.r);
        } else {
            Feld(d, o)->setFocus();
            Feld(d, o)->selectAll();
        }
    }
    static void Eingeben(DialogAnsicht* d, const Ort& o, const char* text) {
        Oeffnen(d, o);
        Tippen(d, QString::fromUtf8(text));
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
    }
    // What the window shows for o: the open editor, else the item or field.
    static QString Angezeigt(DialogAnsicht* d, const Ort& o) {
        if (!o.G) return Feld(d, o)->text();
        GitterTabelle* t = Tabelle(d, o);
        if (t->Editor() && t->currentRow() == o.r && t->currentColumn() == o.c) return t->Editor()->text();
        return t->item(o.r, o.c)->text();
    }

    bool Gemeldet(const char* text) const {
        for (const auto& m : host.Meldungen)
            if (m.text == text) return true;
        return false;
    }
};

TForm_Geraden_t& L = Form_Geraden_t;
TForm_Ebenen& E = Form_Ebenen;
TForm_DrehenUmGerade& A = Form_DrehenUmGerade;

// The rotation axis by two points, or by support and direction.
void AchsenForm(DialogAnsicht* d, int i) {
    QRadioButton* b = d->findChildren<QRadioButton*>()[i];
    QTest::mouseClick(b, Qt::LeftButton);
    ASSERT_EQ(A.RadioGroup_Form.ItemIndex, i);
}
void ZweiPunkte(DialogAnsicht* d) { AchsenForm(d, 1); }
void Parameterform(DialogAnsicht* d) { AchsenForm(d, 0); }

TEST_F(Zelleneingabe, NachDerMeldungTipptManInDieAngeklickteZelle) {
    TForm_EbenKoord& K = Form_EbenKoord;
    // Each refusal with the real message box, closed as the user closes it;
    // then the user clicks another cell and types. The digits belong to the
    // clicked cell, the refused one keeps its last valid text.
    struct Fall {
        const char* Fenster;
        void (*Vorbereiten)(DialogAnsicht*);
        std::vector<std::pair<Ort, const char*>> Vorher;
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
        {"Form_DrehenUmGerade", ZweiPunkte, {}, {&A.StringGrid1, 1, 3}, "0", {&A.StringGrid1, 0, 1}, "1,000"},
        {"Form_EbenKoord", nullptr, {{{nullptr, 0, 0, &K.Edit_c}, "1"}, {{nullptr, 0, 0, &K.Edit_a}, "0"}, {{nullptr, 0, 0, &K.Edit_b}, "0"}},
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
        for (const auto& [o, text] : f.Vorher) Eingeben(d, o, text);
        const int vorher = boxen;
        Oeffnen(d, f.Abgelehnt);
        Tippen(d, QString::fromUtf8(f.Text));
        EXPECT_EQ(boxen, vorher + 1);

        Klicken(d, f.Geklickt);
        QApplication::processEvents();
        if (GitterTabelle* t = f.Geklickt.G ? Tabelle(d, f.Geklickt) : nullptr) {
            EXPECT_EQ(t->currentColumn(), f.Geklickt.c);
            EXPECT_EQ(t->currentRow(), f.Geklickt.r);
        }
        const std::vector<unsigned char> vorDerEingabe = Szene();
        const std::string geklickt = f.Geklickt.Text();
        Tippen(d, QStringLiteral("6"));
        // A click in a cell opens it with its text selected, in a field it
        // puts the cursor: the 6 replaces, or goes into, the clicked text.
        EXPECT_EQ(f.Geklickt.Text() == "6", f.Geklickt.G != nullptr);
        EXPECT_NE(f.Geklickt.Text(), geklickt);
        EXPECT_EQ(f.Abgelehnt.Text(), f.Bleibt);
        EXPECT_EQ(Angezeigt(d, f.Abgelehnt), QString::fromUtf8(f.Bleibt));
        EXPECT_NE(Szene(), vorDerEingabe);  // the 6 reached the object
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        d->close();
        QApplication::processEvents();
    }
    zu.stop();
}

TEST_F(Zelleneingabe, TastenInDieGewaehlteZelleBeginnenIhreEingabe) {
    // A click on the selected cell and keys at once: the keys edit that
    // cell, they search no other.
    DialogAnsicht* d = Zeigen("Form_Geraden_t");
    GitterTabelle* t = d->B().Tabelle(L.StringGrid1);
    struct Fall {
        int c, r;
        const char* Text;
        const char* Zelle;
        bool Meldung;
    };
    for (const Fall& f : {Fall{0, 3, "-7", "-7", false}, Fall{1, 1, "20000", "2000", true}}) {
        host.Vergessen();
        Klicken(t, f.c, f.r);
        Klicken(t, f.c, f.r);
        Tippen(d, QString::fromUtf8(f.Text));
        EXPECT_EQ(L.StringGrid1.Cells(f.c, f.r), f.Zelle);
        EXPECT_EQ(t->currentColumn(), f.c);
        EXPECT_EQ(t->currentRow(), f.r);
        EXPECT_EQ(Gemeldet(BereichsMeldung), f.Meldung);
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(Gerade[1].Stuetzvektor.z, -7.0L);
    EXPECT_EQ(Gerade[1].Richtungsvektor.x, 2000.0L);
    EXPECT_EQ(L.StringGrid1.Cells(0, 1), "-5");
}

TEST_F(Zelleneingabe, AbgelehnteEingabeZeigtDenLetztenGueltigenText) {
    // In every dialog: after a refusal the cell or field shows its last
    // valid text again and the scene is as before, so grid, picture and
    // reports agree.
    TForm_EbenKoord& K = Form_EbenKoord;
    struct Fall {
        const char* Fenster;
        void (*Vorbereiten)(DialogAnsicht*);
        std::vector<std::pair<Ort, const char*>> Vorher;
        Ort Ziel;
        const char* Text;
        const char* Meldung;
    };
    const Fall faelle[] = {
        {"Form_Geraden_t", nullptr, {{{&L.StringGrid1, 1, 1}, "0"}, {{&L.StringGrid1, 1, 2}, "0"}},
         {&L.StringGrid1, 1, 3}, "0", NullRichtungMeldung},
        {"Form_Ebenen", nullptr, {{{&E.StringGrid1, 1, 2}, "0"}}, {&E.StringGrid1, 1, 3}, "-2",
         AbhaengigeRichtungenMeldung},
        {"Form_EbenKoord", nullptr, {{{nullptr, 0, 0, &K.Edit_c}, "1"}, {{nullptr, 0, 0, &K.Edit_a}, "0"}, {{nullptr, 0, 0, &K.Edit_b}, "0"}},
         {nullptr, 0, 0, &K.Edit_c}, "0", NullNormaleMeldung},
        {"Form_EbenKoord", nullptr, {{{nullptr, 0, 0, &K.Edit_nz}, "1"}, {{nullptr, 0, 0, &K.Edit_nx}, "0"}, {{nullptr, 0, 0, &K.Edit_ny}, "0"}},
         {nullptr, 0, 0, &K.Edit_nz}, "0", NullNormaleMeldung},
        {"Form_Kegel", nullptr, {}, {&Form_Kegel.StringGrid1, 1, 3}, "0", NullNormaleMeldung},
        {"Form_Kegel", nullptr, {}, {nullptr, 0, 0, &Form_Kegel.Edit_Hoehe}, "10000", Betrag10000Meldung},
        {"Form_Spate", nullptr, {}, {&Form_Spate.StringGrid1, 3, 3}, "0", AbhaengigeKantenMeldung},
        {"Form_DrehenUmGerade", ZweiPunkte, {}, {&A.StringGrid1, 1, 3}, "0", GleichePunkteMeldung},
        {"Form_DrehenUmGerade", Parameterform, {{{&A.StringGrid1, 1, 1}, "0"}, {{&A.StringGrid1, 1, 2}, "0"}},
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
        for (const auto& [o, text] : f.Vorher) Eingeben(d, o, text);
        ASSERT_TRUE(host.Meldungen.empty());
        const std::vector<unsigned char> vorher = Szene();
        // The last valid text before the refused key: what the keys before
        // it made ("1000" on the way to "10001"), or the text before the edit.
        const std::string davor = f.Ziel.Text();
        Oeffnen(d, f.Ziel);
        const std::string text = f.Text;
        Tippen(d, QString::fromStdString(text.substr(0, text.size() - 1)));
        const bool angewandt = ZellTextPruefen(f.Ziel.Text()) == ZellStand::Gueltig;
        const std::string gueltig = angewandt ? f.Ziel.Text() : davor;
        const std::vector<unsigned char> gueltigeSzene = angewandt ? Szene() : vorher;
        Tippen(d, QString::fromStdString(text.substr(text.size() - 1)));
        EXPECT_TRUE(Gemeldet(f.Meldung));
        EXPECT_EQ(f.Ziel.Text(), gueltig);
        EXPECT_EQ(Angezeigt(d, f.Ziel), QString::fromStdString(gueltig));
        EXPECT_EQ(Szene(), gueltigeSzene);
        // A refused object's text is selected: the next key starts anew.
        const bool objekt = f.Meldung != BereichsMeldung && f.Meldung != Betrag10000Meldung;
        const auto* w = qobject_cast<QLineEdit*>(d->focusWidget());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->selectedText() == w->text(), objekt);
        // Leaving changes nothing more.
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        d->close();
        QApplication::processEvents();
        EXPECT_EQ(f.Ziel.Text(), gueltig);
        EXPECT_EQ(Szene(), gueltigeSzene);
        host.Vergessen();
    }
}

}  // namespace
