// Every scene the program can reach saves and loads back: random edits
// through the dialogs' handlers, attribute clicks, rotations with and
// without axes, animation steps, undo, redo and the object store; after each
// round the scene is saved, loaded and saved again, and the two files must
// hold the same bytes. The same for colour sets.

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include "Szenenstand.h"
#include "control/Dateien.h"
#include "dialogs/Tippen.h"
#include "forms/Animationen.h"
#include "forms/DrehenUmGerade.h"
#include "forms/EbenKoord.h"
#include "forms/Hauptfenster.h"
#include "scene/Datensatz.h"

namespace fs = std::filesystem;

namespace {

using Inhalt = std::vector<char>;

Inhalt Lesen(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return Inhalt(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// "" when a and b are equal, else the first byte where they differ and,
// where it lies in a vector slot, the two numbers there.
std::string Unterschied(const Inhalt& a, const Inhalt& b) {
    if (a == b) return "";
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    std::string t = std::to_string(a.size()) + "/" + std::to_string(b.size()) + " Bytes, ab " + std::to_string(i);
    const std::size_t o = i - (i % 1704) % 32 % 10;
    if (o + 10 <= a.size() && o + 10 <= b.size() && (i % 1704) % 32 < 30 && i < 1704 + 416) {
        auto zahl = [o](const Inhalt& x) {
            return ZahlAllgemein(BytesZuExtended(reinterpret_cast<const std::uint8_t*>(&x[o])), 21);
        };
        t += ": " + zahl(a) + " / " + zahl(b);
    }
    return t;
}

class Rundreise : public Szenenstand {
protected:
    TForm_Edits_01& F = Form_Edits_01;
    std::mt19937 zufall{20261207};
    std::string ordner;

    void SetUp() override {
        Szenenstand::SetUp();
        char muster[] = "/tmp/rg_rundreise_XXXXXX";
        ASSERT_NE(::mkdtemp(muster), nullptr);
        ordner = muster;
    }
    void TearDown() override {
        fs::remove_all(ordner);
        Szenenstand::TearDown();
    }

    int Bis(int n) { return static_cast<int>(zufall() % static_cast<unsigned>(n)); }
    template <class T>
    T& Eines(std::initializer_list<T*> auswahl) { return **(auswahl.begin() + Bis(static_cast<int>(auswahl.size()))); }

    // Texts a user types: small whole numbers, decimals with up to four
    // places, values at and beyond the range, and a few that are no number.
    std::string Zahl() {
        static const char* const besondere[] = {"10000", "-10000", "9999,9999", "0,0001", "-0,0001",
                                                "0", "-0", "10001", "1e3", "x", ""};
        switch (Bis(4)) {
            case 0: return std::to_string(Bis(41) - 20);
            case 1: return besondere[Bis(11)];
            default: {
                std::string t = (Bis(2) ? "-" : "") + std::to_string(Bis(200)) + ",";
                for (int k = 1 + Bis(4); k > 0; --k) t += static_cast<char>('0' + Bis(10));
                return t;
            }
        }
    }

    // A random cell of a random object grid, typed and left.
    void ZelleEingeben() {
        struct Platz { TObjektDialog* D; TStringGrid* G; };
        std::vector<Platz> p = {{&Form_Fadenkreuz, &Form_Fadenkreuz.StringGrid1}};
        for (int i = 1; i <= 4; ++i) {
            if (i <= 3) p.push_back({&Form_Geraden_t, &Form_Geraden_t.Gitter(i)});
            if (i <= 2) p.push_back({&Form_Ebenen, &Form_Ebenen.Gitter(i)});
            p.push_back({&Form_Spate, &Form_Spate.Gitter(i)});
            p.push_back({&Form_Vektoren, &Form_Vektoren.Gitter(i)});
            p.push_back({&Form_Strecken, &Form_Strecken.Gitter(i)});
            p.push_back({&Form_Punkte, &Form_Punkte.Gitter(i)});
            p.push_back({&Form_Kugeln, &Form_Kugeln.Gitter(i)});
            p.push_back({&Form_Kegel, &Form_Kegel.Gitter(i)});
        }
        const Platz& z = p[static_cast<std::size_t>(Bis(static_cast<int>(p.size())))];
        const int c = z.G->FixedCols + Bis(z.G->ColCount() - z.G->FixedCols);
        const int r = z.G->FixedRows + Bis(z.G->RowCount() - z.G->FixedRows);
        Eingeben(*z.D, *z.G, c, r, Zahl());
    }

    void Attribut() {
        switch (Bis(8)) {
            case 0: Waehle(Eines({&Form_Geraden_t.GroupStift, &Form_Ebenen.GroupStift, &Form_Spate.GroupStift,
                                  &Form_Vektoren.GroupStift, &Form_Strecken.GroupStift, &Form_Punkte.GroupStift}),
                           Bis(4));
                break;
            case 1: Waehle(Eines({&Form_Geraden_t.GroupStil, &Form_Ebenen.GroupStil, &Form_Spate.GroupStil,
                                  &Form_Vektoren.GroupStil, &Form_Strecken.GroupStil, &Form_Kugeln.GroupStil,
                                  &Form_Kegel.GroupStil, &Form_Fadenkreuz.GroupStil, &Form_Spate.GroupErz}),
                           Bis(2));
                break;
            case 2: Form_Kugeln.Knopf(1 + Bis(9)).Click(); break;
            case 3: Form_Kegel.ComboBox1.ItemIndex = Bis(10), Form_Kegel.ComboBox1Change(); break;
            case 4: Form_Kegel.ComboBox2.ItemIndex = Bis(12), Form_Kegel.ComboBox2Change(); break;
            case 5: Haken(Form_Punkte.CheckBox1, Bis(2)); break;
            case 6: Druecken(F.But_sichtb(1 + Bis(ObjektAnzahl))); break;
            default:   // the crosshair's step, then a shift by it
                Form_Fadenkreuz.Edit1.SetText(Zahl());
                Form_Fadenkreuz.Edit1Exit();
                Form_Fadenkreuz.But_VerschiebenClick(1 + Bis(6));
                break;
        }
    }

    void ObjektWaehlen() {
        const int n = 1 + Bis(4);
        switch (Bis(8)) {
            case 0: Form_Geraden_t.ObjektWaehlen(1 + Bis(3)); break;
            case 1: Form_Ebenen.ObjektWaehlen(1 + Bis(2)); break;
            case 2: Form_Spate.ObjektWaehlen(n); break;
            case 3: Form_Vektoren.ObjektWaehlen(n); break;
            case 4: Form_Strecken.ObjektWaehlen(n); break;
            case 5: Form_Punkte.ObjektWaehlen(n); break;
            case 6: Form_Kugeln.ObjektWaehlen(n); break;
            default: Form_Kegel.ObjektWaehlen(n); break;
        }
    }

    void MassOderEbenenform() {
        switch (Bis(3)) {
            case 0: FeldEingeben(Form_Kugeln, Form_Kugeln.Edit_Radius, Zahl()); break;
            case 1: FeldEingeben(Form_Kegel, Eines({&Form_Kegel.Edit_Radius, &Form_Kegel.Edit_Hoehe}), Zahl()); break;
            default: {
                TForm_EbenKoord& K = Form_EbenKoord;
                AktEbene = static_cast<Byte>(1 + Bis(2));
                K.FormActivate();
                FeldEingeben(K, Eines({&K.Edit_a, &K.Edit_b, &K.Edit_c, &K.Edit_d, &K.Edit_nx, &K.Edit_ny,
                                       &K.Edit_nz, &K.Edit_ax, &K.Edit_ay, &K.Edit_az}),
                             Zahl());
                K.FormCloseQuery();
            }
        }
    }

    void Drehen() {
        switch (Bis(7)) {
            case 0:
                F.Edit_Drehwinkel.SetText(std::to_string(Bis(721) - 360) + (Bis(2) ? ",5" : ""));
                F.Edit_DrehwinkelExit();
                break;
            case 1: F.But_drehenMit_OhneAchsen.Click(); break;
            case 2: Druecken(F.But_Drehen(1 + Bis(ObjektAnzahl))); break;
            case 3: {
                TForm_DrehenUmGerade& D = Form_DrehenUmGerade;
                Eingeben(D, D.StringGrid1, Bis(2), 1 + Bis(3), Zahl());
                Druecken(F.But_GesamtDrehenUmAchse);
                break;
            }
            case 4: {   // the continuous rotation, a few ticks
                TSpeedButton& k = F.But_GesamtDrehen(1 + Bis(6));
                Druecken(F.But_DauerDrehungEinAus);
                Druecken(k);
                for (int n = Bis(5); n > 0; --n) F.Timer1.OnTimer();
                Druecken(k);
                Druecken(F.But_DauerDrehungEinAus);
                break;
            }
            case 5: F.BitBtn_DrehenAufheben.Click(); break;
            default: Druecken(F.But_GesamtDrehen(1 + Bis(6))); break;
        }
    }

    void Animieren() {
        TForm_Einst_GeradenAnima& L = Form_Einst_GeradenAnima;
        TForm_Einst_EbenenAnima& E = Form_Einst_EbenenAnima;
        const bool ebenen = Bis(2);
        const int ebene = 1 + Bis(2);
        ebenen ? E.FormShow() : L.FormShow();
        for (int k = 1; k <= 6; ++k) {
            TEdit& feld = ebenen ? E.SchrittFeld(ebene, k) : L.Edit_Schritt[k];
            feld.SetTextStill(Bis(3) ? "0" : Zahl());
            ebenen ? E.Edit_SchrittExit(ebene, k) : L.Edit_SchrittExit(k);
        }
        TSpeedButton& start = !ebenen ? L.But_Start : ebene == 1 ? E.But_StartE1 : E.But_StartE2;
        TTimer& uhr = !ebenen ? L.Timer1 : ebene == 1 ? E.Timer1 : E.Timer2;
        Druecken(start);
        for (int n = Bis(6); n > 0; --n) uhr.OnTimer();
        if (start.Down) Druecken(start);
        if (Bis(2)) ebenen ? E.But_KoordUebernehmen.Click() : L.But_KoordUebernehmen.Click();
        ebenen ? E.BitBtn_SchliessenClick() : L.BitBtn_SchliessenClick();
    }

    void Zurueck() {
        switch (Bis(5)) {
            case 0: F.widerrufen1Click(); break;
            case 1: F.BitBtn_DatenNachSpeichClick(); break;
            case 2: F.BitBtn_DatenAusSpeichClick(); break;
            case 3: F.ObjektDatensatz1Vorgabeladen1Click(); break;
            default: F.rckgngig1Click(); break;
        }
    }

    // Saves, loads, saves again: the same bytes, and the load said nothing.
    void HinUndZurueck(int runde) {
        const std::string a = ordner + "/a.ovd", b = ordner + "/b.ovd";
        host.Vergessen();
        ObjektdatenPfad = a;
        ASSERT_TRUE(ObjektdatenSchreiben());
        ASSERT_TRUE(ObjektdatenLaden(a)) << "Runde " << runde << ": " << host.LetzteMeldung();
        ObjektdatenPfad = b;
        ASSERT_TRUE(ObjektdatenSchreiben());
        ASSERT_EQ(Unterschied(Lesen(a), Lesen(b)), "") << "Runde " << runde;
    }
};

TEST_F(Rundreise, JederErreichbareZustandKommtGleichZurueck) {
    const std::function<void()> aktionen[] = {
        [&] { ZelleEingeben(); }, [&] { ZelleEingeben(); }, [&] { ZelleEingeben(); },
        [&] { Attribut(); },      [&] { ObjektWaehlen(); }, [&] { MassOderEbenenform(); },
        [&] { Drehen(); },        [&] { Drehen(); },        [&] { Animieren(); },
        [&] { Zurueck(); },
    };
    for (int runde = 1; runde <= 60; ++runde) {
        for (int k = 0; k < 8; ++k) {
            host.StandardAntwort = Bis(3) ? Antwort::Ja : Antwort::Nein;
            aktionen[Bis(std::size(aktionen))]();
        }
        HinUndZurueck(runde);
        if (HasFatalFailure()) return;
    }
}

// Any colours the program holds: a preset set or a file's, saved, loaded and
// saved again.
TEST_F(Rundreise, FarbsetsKommenGleichZurueck) {
    const std::string zufaellig = ordner + "/z.ovf", a = ordner + "/a.ovf", b = ordner + "/b.ovf";
    for (int runde = 1; runde <= 20; ++runde) {
        if (Bis(2)) {
            F.FarbSetClick(1 + Bis(5));
        } else {
            Inhalt z(240, 0);
            for (std::size_t i = 0; i < 120 + 20; ++i) z[i] = static_cast<char>(i % 4 == 3 ? 0 : Bis(256));
            std::ofstream(zufaellig, std::ios::binary).write(z.data(), static_cast<std::streamsize>(z.size()));
            ASSERT_TRUE(FarbsetLaden(zufaellig)) << host.LetzteMeldung();
        }
        FarbsetPfad = a;
        ASSERT_TRUE(FarbsetSchreiben());
        ASSERT_TRUE(FarbsetLaden(a));
        FarbsetPfad = b;
        ASSERT_TRUE(FarbsetSchreiben());
        ASSERT_EQ(Unterschied(Lesen(a), Lesen(b)), "") << "Runde " << runde;
    }
}

}  // namespace
