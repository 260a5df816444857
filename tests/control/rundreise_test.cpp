// Every scene the program can reach saves and loads back. Random edits
// through the dialogs' handlers, attribute clicks, rotations with and
// without axes, animation steps, undo, redo and the object store; after each
// round the scene and its colours are saved, the preset scene and another
// colour set put in their place, both files loaded, and saving again must
// give the same bytes.

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

namespace {

std::string Lesen(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

using Rundreise = Szenenstand;

TEST_F(Rundreise, JederErreichbareZustandKommtGleichZurueck) {
    char muster[] = "/tmp/rg_rundreise_XXXXXX";
    ASSERT_NE(::mkdtemp(muster), nullptr);
    const std::string o = muster, a = o + "/a.ovd", b = o + "/b.ovd", fa = o + "/a.ovf", fb = o + "/b.ovf";
    struct Wegraeumen { std::string p; ~Wegraeumen() { std::filesystem::remove_all(p); } } weg{o};

    TForm_Edits_01& F = Form_Edits_01;
    std::mt19937 zufall(20261207);
    auto bis = [&](std::size_t n) { return static_cast<int>(zufall() % n); };
    auto eins = [&]<class T>(std::initializer_list<T> auswahl) { return *(auswahl.begin() + bis(auswahl.size())); };
    // What a user types: whole numbers, up to four decimals, the range's
    // edges and beyond, and texts that are no number.
    auto zahl = [&]() -> std::string {
        if (bis(3) == 0) return eins({"10000", "-9999,9999", "0,0001", "-0", "10001", "1e3", "x", ""});
        std::string t = std::to_string(bis(401) - 200);
        if (bis(2)) t += "," + std::to_string(1 + bis(9999));
        return t;
    };
    TObjektDialog* const dialoge[] = {&Form_Geraden_t, &Form_Ebenen,   &Form_Spate, &Form_Vektoren,  &Form_Strecken,
                                      &Form_Punkte,    &Form_Kugeln,   &Form_Kegel, &Form_Fadenkreuz};
    const std::vector<TStringGrid*> gitter = AlleObjektgitter();
    auto zelle = [&] {
        TStringGrid& G = *gitter[static_cast<std::size_t>(bis(gitter.size()))];
        for (TObjektDialog* D : dialoge)
            if (D->ObjektGitter(G).Gitter == &G)
                Eingeben(*D, G, G.FixedCols + bis(static_cast<std::size_t>(G.ColCount() - G.FixedCols)),
                         G.FixedRows + bis(static_cast<std::size_t>(G.RowCount() - G.FixedRows)), zahl());
    };
    TForm_EbenKoord& K = Form_EbenKoord;
    TForm_Einst_GeradenAnima& L = Form_Einst_GeradenAnima;
    const std::function<void()> aktionen[] = {
        zelle, zelle, zelle, zelle,
        [&] {
            Form_Geraden_t.ObjektWaehlen(1 + bis(3)), Form_Ebenen.ObjektWaehlen(1 + bis(2));
            Form_Spate.ObjektWaehlen(1 + bis(4)), Form_Vektoren.ObjektWaehlen(1 + bis(4));
            Form_Strecken.ObjektWaehlen(1 + bis(4)), Form_Punkte.ObjektWaehlen(1 + bis(4));
            Form_Kugeln.ObjektWaehlen(1 + bis(4)), Form_Kegel.ObjektWaehlen(1 + bis(4));
        },
        [&] {
            Waehle(*eins({&Form_Geraden_t.GroupStift, &Form_Ebenen.GroupStift, &Form_Spate.GroupStift,
                          &Form_Vektoren.GroupStift, &Form_Strecken.GroupStift, &Form_Punkte.GroupStift}),
                   bis(4));
        },
        [&] {
            Waehle(*eins({&Form_Geraden_t.GroupStil, &Form_Ebenen.GroupStil, &Form_Spate.GroupStil,
                          &Form_Spate.GroupErz, &Form_Vektoren.GroupStil, &Form_Strecken.GroupStil,
                          &Form_Kugeln.GroupStil, &Form_Kegel.GroupStil, &Form_Fadenkreuz.GroupStil}),
                   bis(2));
        },
        [&] {
            Form_Kugeln.Knopf(1 + bis(9)).Click(), Haken(Form_Punkte.CheckBox1, bis(2));
            Druecken(F.But_sichtb(1 + bis(30)));
        },
        [&] {
            Form_Kegel.ComboBox1.ItemIndex = bis(10), Form_Kegel.ComboBox1Change();
            Form_Kegel.ComboBox2.ItemIndex = bis(12), Form_Kegel.ComboBox2Change();
        },
        [&] { FeldEingeben(Form_Kugeln, Form_Kugeln.Edit_Radius, zahl()); },
        [&] { FeldEingeben(Form_Kegel, *eins({&Form_Kegel.Edit_Radius, &Form_Kegel.Edit_Hoehe}), zahl()); },
        [&] {   // a plane's coordinate or normal form
            AktEbene = static_cast<Byte>(1 + bis(2));
            K.FormActivate();
            FeldEingeben(K, *eins({&K.Edit_a, &K.Edit_b, &K.Edit_c, &K.Edit_d, &K.Edit_nx, &K.Edit_ny, &K.Edit_nz,
                                   &K.Edit_ax, &K.Edit_ay, &K.Edit_az}), zahl());
            K.FormCloseQuery();
        },
        [&] {   // the crosshair's step, and a shift by it
            Form_Fadenkreuz.Edit1.SetText(zahl()), Form_Fadenkreuz.Edit1Exit();
            Form_Fadenkreuz.But_VerschiebenClick(1 + bis(6));
        },
        [&] { F.Edit_Drehwinkel.SetText(std::to_string(bis(721) - 360) + ",5"), F.Edit_DrehwinkelExit(); },
        [&] { Druecken(F.But_GesamtDrehen(1 + bis(6))); },
        [&] { Druecken(F.But_GesamtDrehen(1 + bis(6))); },
        [&] { F.But_drehenMit_OhneAchsen.Click(); },
        [&] { Druecken(F.But_Drehen(1 + bis(30))); },
        [&] {   // about the rotation axis
            Eingeben(Form_DrehenUmGerade, Form_DrehenUmGerade.StringGrid1, bis(2), 1 + bis(3), zahl());
            Druecken(F.But_GesamtDrehenUmAchse);
        },
        [&] {   // a few ticks of the continuous rotation
            TSpeedButton& k = F.But_GesamtDrehen(1 + bis(6));
            Druecken(F.But_DauerDrehungEinAus), Druecken(k);
            for (int n = bis(5); n > 0; --n) F.Timer1.OnTimer();
            Druecken(k), Druecken(F.But_DauerDrehungEinAus);
        },
        [&] { F.BitBtn_DrehenAufheben.Click(); },
        [&] {   // a few steps of the line animation, taken over or not
            const int g = 1 + bis(2);
            L.FormShow();
            for (int k = 1; k <= 6; ++k)
                L.SchrittFeld(g, k).SetTextStill(bis(3) ? "0" : zahl()), L.Edit_SchrittExit(g, k);
            Druecken(L.But_Start);
            for (int n = bis(6); n > 0; --n) L.Timer1.OnTimer();
            if (L.But_Start.Down) Druecken(L.But_Start);
            if (bis(2)) L.But_KoordUebernehmen.Click();
            L.BitBtn_SchliessenClick();
        },
        [&] {   // the same for a plane
            TForm_Einst_EbenenAnima& E = Form_Einst_EbenenAnima;
            const int e = 1 + bis(2);
            E.FormShow();
            for (int k = 1; k <= 6; ++k)
                E.SchrittFeld(e, k).SetTextStill(bis(3) ? "0" : zahl()), E.Edit_SchrittExit(e, k);
            TSpeedButton& start = e == 1 ? E.But_StartE1 : E.But_StartE2;
            Druecken(start);
            for (int n = bis(6); n > 0; --n) (e == 1 ? E.Timer1 : E.Timer2).OnTimer();
            if (start.Down) Druecken(start);
            E.BitBtn_SchliessenClick();
        },
        [&] { F.rckgngig1Click(); },
        [&] { F.widerrufen1Click(); },
        [&] { bis(2) ? F.BitBtn_DatenNachSpeichClick() : F.BitBtn_DatenAusSpeichClick(); },
    };

    for (int runde = 1; runde <= 60; ++runde) {
        for (int k = 0; k < 8; ++k) {
            host.StandardAntwort = bis(3) ? Antwort::Ja : Antwort::Nein;
            aktionen[bis(std::size(aktionen))]();
        }
        if (bis(2)) {   // a preset colour set, or any colours a file may hold
            F.FarbSetClick(1 + bis(5));
        } else {
            std::string z(240, '\0');
            for (std::size_t i = 0; i < 140; ++i) z[i] = static_cast<char>(i % 4 == 3 ? 0 : bis(256));
            std::ofstream(o + "/z.ovf", std::ios::binary) << z;
            ASSERT_TRUE(FarbsetLaden(o + "/z.ovf"));
        }
        ObjektdatenPfad = a, FarbsetPfad = fa;
        ASSERT_TRUE(ObjektdatenSchreiben() && FarbsetSchreiben());
        host.StandardAntwort = Antwort::Ja;
        F.ObjektDatensatz1Vorgabeladen1Click();
        F.FarbSetClick(1 + runde % 5);
        host.Vergessen();
        ASSERT_TRUE(ObjektdatenLaden(a) && FarbsetLaden(fa)) << "Runde " << runde << ": " << host.LetzteMeldung();
        ObjektdatenPfad = b, FarbsetPfad = fb;
        ASSERT_TRUE(ObjektdatenSchreiben() && FarbsetSchreiben());
        ASSERT_TRUE(Lesen(a) == Lesen(b)) << "Runde " << runde;
        ASSERT_TRUE(Lesen(fa) == Lesen(fb)) << "Runde " << runde;
    }
}

}  // namespace
