// Long random sequences of what a user does: typing into every object
// dialog, the plane forms and the tools, undo, redo, the object store, the
// preset, files, rotations and ticks of the continuous turn. After every
// step the scene must be one a file can hold and nothing the program shows
// may read NAN or INF; every few steps the scene is saved, loaded and saved
// again, which must give the same bytes.
//
// RG_ZUFALL_SCHRITTE=n runs n steps instead of the default, RG_ZUFALL_SAAT
// another seed.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include "Szenenstand.h"
#include "control/Dateien.h"
#include "control/Drehsteuerung.h"
#include "dialogs/Tippen.h"
#include "forms/Datenausgabe.h"
#include "forms/Animationen.h"
#include "forms/DrehMatrizen.h"
#include "forms/DrehenUmGerade.h"
#include "forms/EbenKoord.h"
#include "forms/Hauptfenster.h"
#include "forms/LGS.h"
#include "forms/LaLua.h"
#include "forms/Matrizen.h"
#include "forms/Schalter.h"
#include "forms/Speichermenue.h"
#include "forms/ObjekteDaten.h"
#include "forms/VektProd.h"
#include "forms/VektSumme.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "reports/Ergebnisse.h"
#include "scene/Datensatz.h"
#include "scene/DrehZustand.h"

namespace {

std::string Lesen(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

long Umgebung(const char* name, long sonst) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtol(v, nullptr, 10) : sonst;
}

bool Endlich(const std::string& t) { return t.find("NAN") == std::string::npos && t.find("INF") == std::string::npos; }

// Every text the program shows outside the reports and the picture: the
// object grids, the plane forms, the radius fields, the main window's
// position labels and the tool windows.
std::vector<std::string> Angezeigt() {
    std::vector<std::string> t = Gitterbild(false);
    TForm_EbenKoord& K = Form_EbenKoord;
    for (const TEdit* E : {&K.Edit_a, &K.Edit_b, &K.Edit_c, &K.Edit_d, &K.Edit_nx, &K.Edit_ny, &K.Edit_nz, &K.Edit_ax,
                           &K.Edit_ay, &K.Edit_az, &Form_Kugeln.Edit_Radius, &Form_Kegel.Edit_Radius,
                           &Form_Kegel.Edit_Hoehe})
        t.push_back(E->Text());
    TForm_Edits_01& F = Form_Edits_01;
    for (const TLabel* l : {&F.Label_gh, &F.Label_gt, &F.Label_ht, &F.Label_gE1, &F.Label_hE1, &F.Label_tE1,
                            &F.Label_gE2, &F.Label_hE2, &F.Label_tE2, &F.Label_E1E2, &F.Label_sg_Stuetz_x,
                            &F.Label_sg_Stuetz_y, &F.Label_sg_Stuetz_z, &F.Label_sg_Richt_x, &F.Label_sg_Richt_y,
                            &F.Label_sg_Richt_z})
        t.push_back(l->Caption);
    TForm_VektSumme& S = Form_VektSumme;
    for (int i = 1; i <= 18; ++i) t.push_back(S.Feld(i).Text());
    t.push_back(S.Label6.Caption);
    TForm_VektProd& P = Form_VektProd;
    for (int i = 1; i <= 9; ++i) t.push_back(P.Feld(i).Text());
    for (const TLabel* l : {&P.Label_vpx, &P.Label_vpy, &P.Label_vpz, &P.Label_Winkel, &P.Label_Hoehe,
                            &P.Label_Inhalt, &P.Label_SPProd, &P.Label_SpatVol})
        t.push_back(l->Caption);
    TForm_Matrizen& M = Form_Matrizen;
    for (int m = 1; m <= 4; ++m)
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) t.push_back(M.Zelle(m, i, j).Text());
    for (int v = 1; v <= 3; ++v)
        for (int k = 1; k <= 3; ++k) t.push_back(M.VZelle(v, k).Text());
    t.push_back(M.Panel1.Caption);
    TForm_LGS& L = Form_LGS;
    for (int i = 1; i <= 12; ++i) t.push_back(L.Feld(i).Text());
    for (const TLabel* l : {&L.Label13, &L.Label14, &L.Label15, &L.Label16, &L.Label17, &L.Label18, &L.Label19})
        t.push_back(l->Caption);
    TForm_LaLua& A = Form_LaLua;
    for (int i = 1; i <= 9; ++i) t.push_back(A.Feld(i).Text());
    for (const TLabel* l : {&A.Label4, &A.Label5, &A.Label6, &A.Label7}) t.push_back(l->Caption);
    TForm_Dreh_Matrizen& D = Form_Dreh_Matrizen;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) t.push_back(D.Makt(i, j).Text()), t.push_back(D.Mges(i, j).Text());
    t.push_back(D.Label3.Caption);
    t.push_back(D.Label4.Caption);
    return t;
}

class Zufallsfolge : public Szenenstand {
protected:
    void SetUp() override {
        Szenenstand::SetUp();
        const std::string basis = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string muster = basis + "/rg_zufall_XXXXXX";
        ASSERT_NE(::mkdtemp(muster.data()), nullptr);
        ordner = muster;
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(ordner, ec);
        Szenenstand::TearDown();
    }
    std::string ordner;
};

TEST_F(Zufallsfolge, JederZustandLaedtWiederUndZeigtNurEndlicheZahlen) {
    ProtokollZeichenflaeche bild(824, 740);
    ZeichenbitmapEinsetzen bildEin(bild);
    ProgrammStart();
    ParamDarstellungZeigen = true;   // the equations in the picture
    host.Vergessen();

    const long schritte = Umgebung("RG_ZUFALL_SCHRITTE", 3000);
    std::mt19937 zufall(static_cast<std::mt19937::result_type>(Umgebung("RG_ZUFALL_SAAT", 29)));
    auto bis = [&](std::size_t n) { return static_cast<int>(zufall() % n); };
    auto eins = [&]<class T>(std::initializer_list<T> auswahl) { return *(auswahl.begin() + bis(auswahl.size())); };

    // What a user types: ordinary numbers, tiny and huge ones, the range's
    // edges and beyond, and texts that are no number.
    auto zahl = [&]() -> std::string {
        switch (bis(6)) {
            case 0:
                return eins({"0,000000001", "-0,000000001", "1E-9", "0,0000000001", "1E-30", "0,00000000000000000001",
                             "1E-4000", "-0"});
            case 1:
                return eins({"9999,9999", "-10000", "10000,5", "10001", "1E4", "1E30", "1E4932", "-1E4932", "1E99999"});
            case 2:
                return eins({"x", "", "-", "1.5", "1,2,3", "1E", ",", "E5"});
            default: {
                std::string t = std::to_string(bis(20001) - 10000);
                if (bis(2)) t += "," + std::to_string(bis(10000));
                return t;
            }
        }
    };

    TForm_Edits_01& F = Form_Edits_01;
    TForm_EbenKoord& K = Form_EbenKoord;
    TForm_VektSumme& S = Form_VektSumme;
    TForm_VektProd& P = Form_VektProd;
    TForm_Matrizen& M = Form_Matrizen;
    TForm_ObjekteDaten& R = Form_ObjekteDaten;
    TObjektDialog* const dialoge[] = {&Form_Geraden_t, &Form_Ebenen, &Form_Spate,  &Form_Vektoren, &Form_Strecken,
                                      &Form_Punkte,    &Form_Kugeln, &Form_Kegel, &Form_Fadenkreuz};
    const std::vector<TStringGrid*> gitter = AlleObjektgitter();
    auto dialogVon = [&](TStringGrid& G) -> TObjektDialog& {
        for (TObjektDialog* D : dialoge)
            if (D->ObjektGitter(G).Gitter == &G) return *D;
        return *dialoge[0];
    };
    // Typed into a cell and left, left open, or cancelled with Escape,
    // which must leave the scene, the undo table and the grids as before
    // the edit (checked where the first key cannot turn anything back).
    int abbrueche = 0;
    long schrittJetzt = 0;
    bool weitergetippt = false;   // typed on in a cell whose edit was open
    auto zelle = [&] {
        TStringGrid& G = *gitter[static_cast<std::size_t>(bis(gitter.size()))];
        if (!G.Enabled) return;   // the vectors' grids while the vector sum is open
        const int c = G.FixedCols + bis(static_cast<std::size_t>(G.ColCount() - G.FixedCols));
        const int r = G.FixedRows + bis(static_cast<std::size_t>(G.RowCount() - G.FixedRows));
        TObjektDialog& D = dialogVon(G);
        // An edit left open by an earlier step ends first, as the user's
        // move to this cell would end it.
        if (G.Bearbeitung && (G.Col != c || G.Row != r)) D.ZelleVerlassen(G, G.Col, G.Row);
        weitergetippt = weitergetippt || (G.Bearbeitung && D.ObjektGitter(G).Gedaechtnis->InBearbeitung(c, r));
        switch (bis(6)) {
            case 0: Tippen(D, G, c, r, zahl()); break;
            case 1: {
                D.ZelleVerlassen(G, c, r);
                const bool ungedreht = !AchsenMitDrehen && DrehModus == 0 && !DauerDrehen;
                const std::vector<std::string> vorher = ungedreht ? UndoUndSzene() : std::vector<std::string>{};
                Tippen(D, G, c, r, zahl());
                D.ZelleAbbrechen(G, c, r);
                if (!ungedreht) break;
                const std::vector<std::string> nachher = UndoUndSzene();
                const long u = ErsterUnterschied(nachher, vorher);
                ASSERT_EQ(u, -1) << "Schritt " << schrittJetzt << " Teil " << u << ": " << (u >= 124 && u < static_cast<long>(vorher.size()) ? nachher[u] + " statt " + vorher[u] : "");
                ++abbrueche;
                break;
            }
            default: Eingeben(D, G, c, r, zahl());
        }
    };
    // A plane's coordinate or normal form: most often a tiny coefficient,
    // which takes the plane far out.
    auto ebenenform = [&] {
        AktEbene = static_cast<Byte>(1 + bis(2));
        K.FormActivate();
        for (int n = 1 + bis(3); n > 0; --n) {
            TEdit& E = *eins({&K.Edit_a, &K.Edit_b, &K.Edit_c, &K.Edit_d, &K.Edit_nx, &K.Edit_ny, &K.Edit_nz,
                              &K.Edit_ax, &K.Edit_ay, &K.Edit_az});
            FeldEingeben(K, E, bis(2) ? eins({"0,000000001", "-0,000000002", "0,000000001"}) : zahl());
        }
        K.FormCloseQuery();
    };
    // A right click has opened the memory popup: one of its shown items.
    auto speicher = [&](TSpeicherMenue& Menue) {
        using G = TSpeicherMenue;
        const G::Gruppe g = eins({G::SpalteKopieren, G::SpalteEinfuegen, G::MatrixKopieren, G::MatrixEinfuegen});
        if (!Menue.Punkt(g).Visible) return;
        switch (g) {
            case G::SpalteKopieren: Menue.InSpeicherClick(1 + bis(4)); break;
            case G::SpalteEinfuegen: Menue.AusSpeicherClick(bis(5)); break;
            case G::MatrixKopieren: Menue.InMatrixSpeicherClick(1 + bis(3)); break;
            default: Menue.AusMatrixSpeicherClick(bis(4)); break;
        }
    };
    bool summeOffen = false;
    // Each opening shows the scene's vectors again: a coefficient of 10000
    // typed round after round grows them towards the scene's bound.
    int summenRunden = 0;
    auto summenrunde = [&] {
        if (summeOffen) S.FormClose(), summeOffen = false;
        const int i = 10 + bis(3);
        for (int n = 20 + bis(41); n > 0; --n) {
            Form_Vektoren.But_VSummeClick();
            if (!S.Visible) return;
            S.EditEnter(i);
            S.EditGetippt(i, eins({"10000", "-10000", "10000", "9999,9", "-1000"}));
            if (bis(4) == 0)
                S.But_VSummeBestimm.Click(), S.Summandknopf(1 + bis(3)).Click(), S.Summandknopf(1 + bis(3)).Click();
            S.FormClose();
            ++summenRunden;
        }
    };
    auto vektorsumme = [&] {
        if (!summeOffen) {
            Form_Vektoren.But_VSummeClick();
            summeOffen = S.Visible;
            if (!summeOffen) return;
            S.But_VSummeBestimm.Click();
        }
        switch (bis(7)) {
            case 0: S.Summandknopf(1 + bis(3)).Click(); break;
            case 1: S.But_VSummeBestimm.Click(); break;
            case 3: S.Feld(1 + bis(15)).SetText(zahl()); break;   // as a paste or the program sets it
            case 4:
                if (S.Rechtsklick(1 + bis(18))) speicher(S.PopupMenu_InSpeicher);
                break;
            default: {
                const int i = 1 + bis(15);
                S.EditEnter(i);
                S.EditGetippt(i, zahl());
            }
        }
        // Open for a few steps only: meanwhile the vectors' grids take no input.
        if (bis(3) == 0) S.FormClose(), summeOffen = false;
    };
    auto vektorprodukt = [&] {
        if (bis(8) == 0) P.FormActivate();
        if (bis(4) == 0) {
            if (P.Rechtsklick(1 + bis(10))) speicher(P.PopupMenu_InSpeicher);
            return;
        }
        P.Feld(1 + bis(9)).SetText(zahl());
    };
    auto matrizen = [&] {
        if (bis(8) == 0) M.FormActivate();
        if (bis(2)) {
            TEdit& E = bis(4) ? M.Zelle(1 + bis(3), 1 + bis(3), 1 + bis(3)) : M.VZelle(1 + bis(2), 1 + bis(3));
            E.SetText(zahl());
            M.ZelleExit(E);
            return;
        }
        switch (bis(7)) {
            case 0: M.ProduktClick(1 + bis(3), 1 + bis(3)); break;
            case 1: M.InverseClick(1 + bis(4)); break;
            case 2: M.TranspClick(1 + bis(4)); break;
            case 3: M.DetClick(1 + bis(4)); break;
            case 4: M.MalVektorClick(1 + bis(4), 1 + bis(2)); break;
            case 5: M.AlsMatrixClick(1 + bis(3)); break;
            default: M.AlsVektorClick(1 + bis(2)); break;
        }
    };
    // The linear system and the dependence test: typed, pasted or given
    // from a memory.
    auto loeser = [&] {
        if (bis(2)) {
            TForm_LGS& L = Form_LGS;
            if (bis(8) == 0) L.FormActivate();
            const int i = 1 + bis(12);
            if (bis(5) == 0) {
                if (L.EditRechtsklick(i)) speicher(L.PopupMenu_InSpeicher);
                return;
            }
            L.Feld(i).SetText(zahl());
            L.EditExit(i);
        } else {
            TForm_LaLua& A = Form_LaLua;
            if (bis(8) == 0) A.FormActivate();
            const int i = 1 + bis(9);
            if (bis(5) == 0) {
                if (A.EditRechtsklick(i)) speicher(A.PopupMenu_InSpeicher);
                return;
            }
            A.EditEnter(i);
            A.Feld(i).SetText(zahl());
            A.EditExit(i);
        }
    };
    // The object-data calculator, opened from a column of an object dialog:
    // registers typed, an operation, its result taken over or not.
    auto rechner = [&] {
        TStringGrid& G = *gitter[static_cast<std::size_t>(bis(gitter.size()))];
        TObjektDialog& D = dialogVon(G);
        if (!G.Enabled || !D.SpalteGewaehlt(G, G.FixedCols + bis(static_cast<std::size_t>(G.ColCount() - G.FixedCols))))
            return;
        host.BeiModal = [&](const std::string&) {
            for (int n = bis(4); n > 0; --n) {
                const int i = 1 + bis(12);
                R.RegisterFeld(i).SetText(zahl());
                R.RegisterExit(i);
            }
            Waehle(R.RadioGroup1, bis(8));
            eins({&R.But_V1MinV2, &R.But_V1PlusV3, &R.But_OrthV1, &R.But_OrthV1V2, &R.But_V1xLaenge,
                  &R.But_LaengeV1AufLaenge, &R.But_L1MalL2, &R.But_L1DivL2, &R.Button2})
                ->Click();
            (bis(3) ? R.BitBtn1 : R.BitBtn2).Click();
        };
        D.BerechnEinfuegenClick();
        host.BeiModal = nullptr;
    };
    bool dauer = false;
    auto dauerdrehung = [&] {
        if (!dauer) {
            Druecken(F.But_DauerDrehungEinAus);
            Druecken(F.But_GesamtDrehen(1 + bis(6)));
            dauer = F.Timer1.Enabled;
        } else if (bis(4) == 0) {
            for (int k = 1; k <= 6; ++k)
                if (F.But_GesamtDrehen(k).Down) Druecken(F.But_GesamtDrehen(k));
            Druecken(F.But_DauerDrehungEinAus);
            dauer = false;
        }
    };
    auto ticks = [&] {
        for (int n = 1 + bis(4); n > 0; --n)
            if (F.Timer1.Enabled && F.Timer1.OnTimer) F.Timer1.OnTimer();
    };

    const std::string a = ordner + "/a.ovd", b = ordner + "/b.ovd";
    // The file the sequence saved last (every tenth step).
    auto laden = [&] {
        if (std::filesystem::exists(a)) ObjektdatenLaden(a);
    };
    // The animation of lines or planes, chosen in the main window: started,
    // a few ticks, closed (which takes the coordinates over).
    auto animation = [&] {
        host.BeiModal = [&](const std::string& name) {
            if (name == "Form_Einst_GeradenAnima") {
                TForm_Einst_GeradenAnima& L = Form_Einst_GeradenAnima;
                Druecken(L.But_Start);
                for (int n = 1 + bis(4); n > 0; --n) L.Timer1.OnTimer();
            } else {
                TForm_Einst_EbenenAnima& E = Form_Einst_EbenenAnima;
                Druecken(E.But_StartE1);
                Druecken(E.But_StartE2);
                for (int n = 1 + bis(4); n > 0; --n) (bis(2) ? E.Timer1 : E.Timer2).OnTimer();
            }
        };
        Waehle(F.RadioGroup_Animationen, bis(2));
        host.BeiModal = nullptr;
    };

    std::vector<std::pair<int, std::function<void()>>> aktionen = {
        {16, zelle},
        {6, ebenenform},
        {2, [&] { FeldEingeben(Form_Kugeln, Form_Kugeln.Edit_Radius, zahl()); }},
        {2, [&] { FeldEingeben(Form_Kegel, *eins({&Form_Kegel.Edit_Radius, &Form_Kegel.Edit_Hoehe}), zahl()); }},
        {2,
         [&] {
             Form_Geraden_t.ObjektWaehlen(1 + bis(3)), Form_Ebenen.ObjektWaehlen(1 + bis(2));
             Form_Spate.ObjektWaehlen(1 + bis(4)), Form_Vektoren.ObjektWaehlen(1 + bis(4));
             Form_Kugeln.ObjektWaehlen(1 + bis(4)), Form_Kegel.ObjektWaehlen(1 + bis(4));
         }},
        {4, vektorsumme},
        {1, summenrunde},
        {3, vektorprodukt},
        {3, matrizen},
        {2, rechner},
        {2, loeser},
        {3, [&] { F.rckgngig1Click(); }},
        {2, [&] { F.widerrufen1Click(); }},
        {2, [&] { bis(2) ? F.BitBtn_DatenNachSpeichClick() : F.BitBtn_DatenAusSpeichClick(); }},
        {1, [&] { F.ObjektDatensatz1Vorgabeladen1Click(); }},
        {1, [&] { F.Edit_Drehwinkel.SetText(std::to_string(bis(721) - 360) + ",5"), F.Edit_DrehwinkelExit(); }},
        {3, [&] { Druecken(F.But_GesamtDrehen(1 + bis(6))); }},
        {1, [&] { F.But_drehenMit_OhneAchsen.Click(); }},
        // Which objects turn without the axes: one switch, or all at once.
        {1, [&] { Druecken(bis(3) ? F.But_Drehen(1 + bis(ObjektAnzahl)) : bis(2) ? F.AlleDrehEin : F.AlleDrehAus); }},
        {1,
         [&] {
             Eingeben(Form_DrehenUmGerade, Form_DrehenUmGerade.StringGrid1, bis(2), 1 + bis(3), zahl());
             // Off while the axes turn along.
             if (F.But_GesamtDrehenUmAchse.Enabled) Druecken(F.But_GesamtDrehenUmAchse);
         }},
        {2, dauerdrehung},
        {5, ticks},
        {1, [&] { F.BitBtn_DrehenAufheben.Click(); }},
        {1, [&] { F.DrehMatrizenEinAus(); }},
        {1, [&] { F.vdLClick(); }},   // hidden lines on or off
        {1, laden},
        {1, animation},
        // The axis length, by a step or a jump, where the mode lets it move.
        {1,
         [&] {
             TScrollBar& L = F.ScrollBar4;
             if (L.Enabled) L.SetPosition(bis(2) ? L.Position() + eins({-1, 1}) : L.Min + bis(static_cast<std::size_t>(L.Max - L.Min + 1)));
         }},
    };
    // The other action of an interrupted edit is any of the above.

    // An edit left open while the user works elsewhere: keys, any other
    // action, perhaps more keys, then Escape. What the other action did
    // stays, every cell shows its object, and the edited object is as it
    // was before the edit or as the other action left it.
    int unterbrochen = 0;
    const std::size_t andere = aktionen.size();
    auto bearbeitungUnterbrechen = [&] {
        TStringGrid& G = *gitter[static_cast<std::size_t>(bis(gitter.size()))];
        if (!G.Enabled) return;
        const int c = G.FixedCols + bis(static_cast<std::size_t>(G.ColCount() - G.FixedCols));
        const int r = G.FixedRows + bis(static_cast<std::size_t>(G.RowCount() - G.FixedRows));
        TObjektDialog& D = dialogVon(G);
        if (G.Bearbeitung) D.ZelleVerlassen(G, G.Col, G.Row);
        D.ZelleVerlassen(G, c, r);
        const TObjektGitter O = D.ObjektGitter(G);
        auto werte = [&] {
            std::vector<std::string> w;
            for (int cc = G.FixedCols; cc < G.ColCount(); ++cc)
                for (int rr = G.FixedRows; rr < G.RowCount(); ++rr) w.push_back(ZahlAllgemein(O.ObjektWert(cc, rr), 21));
            return w;
        };
        // The geometry, the undo table and the turns, to tell whether the
        // other action changed anything at all.
        auto zustand = [] {
            std::vector<std::string> t = ObjektwerteOhne(nullptr);
            for (std::string& z : Undozustaende()) t.push_back(std::move(z));
            t.push_back(std::to_string(UndoAnzahl) + "/" + std::to_string(UndoIndex) + "/" + std::to_string(UndoModus) +
                        "/" + std::to_string(DrehAnzahl));
            for (const TDrehung& d : DrehListe) t.push_back(std::to_string(d.Achse) + ZahlAllgemein(d.Winkel, 21));
            return t;
        };
        // The first key's question, asked here so that "before the edit" is
        // after its step, as the edit takes it. Out of the axes' frame by
        // it, every cell shows its object, also one an edit there ended in.
        const bool imAchsenrahmen = ZellenImAchsenrahmen();
        if ((AchsenMitDrehen || DrehModus > 0) && !KoordAenderungErlaubt()) return;
        if (imAchsenrahmen && !ZellenImAchsenrahmen()) {
            ASSERT_EQ(ZelleOhneIhrObjekt(false), "") << "Schritt " << schrittJetzt << " nach der Frage";
        }
        const std::vector<std::string> vorher = werte(), zustandVorher = zustand();
        Tippen(D, G, c, r, zahl());
        if (!O.Gedaechtnis->InBearbeitung(c, r)) return;   // the key was refused
        const std::vector<std::string> zustandGetippt = zustand();
        const long geschrieben = G.Ueberschrieben;
        // One other action, or a few in a row (a tick, a switch of the mode,
        // a turn with the axes). Keys into the very cell are the edit's
        // own, no other action.
        std::size_t welche = 0;
        weitergetippt = false;
        for (int n = bis(3) ? 1 : 2 + bis(3); n > 0 && O.Gedaechtnis->InBearbeitung(c, r); --n) {
            welche = static_cast<std::size_t>(bis(andere));
            aktionen[welche].second();
            if (dauer && !F.Timer1.Enabled) dauer = false;
            if (summeOffen && !S.Visible) summeOffen = false;
        }
        if (weitergetippt) return;
        // Often a turn with the axes after them.
        if (bis(3) == 0 && O.Gedaechtnis->InBearbeitung(c, r)) {
            if (!AchsenMitDrehen) F.But_drehenMit_OhneAchsen.Click();
            Druecken(F.But_GesamtDrehen(1 + bis(6)));
            if (dauer && !F.Timer1.Enabled) dauer = false;
        }
        // The other action may have ended the edit (a move to another cell
        // of the grid, a window that takes the grid's input away).
        if (!O.Gedaechtnis->InBearbeitung(c, r) || !G.Enabled) return;
        const std::vector<std::string> danach = werte(), andereDanach = ObjektwerteOhne(&G), undoDanach = Undozustaende(),
                                       zustandDanach = zustand();
        // A whole scene brought back writes the open cell too, the same
        // numbers and text or not.
        const bool geaendert = zustandDanach != zustandGetippt || G.Ueberschrieben != geschrieben;
        const int modusDanach = UndoModus, indexDanach = UndoIndex;
        const bool achsenDanach = AchsenMitDrehen;
        const auto drehungenDanach = std::make_pair(DrehAnzahl, DrehListe);
        if (!AchsenMitDrehen && DrehModus == 0 && !DauerDrehen && bis(2)) Tippen(D, G, c, r, zahl(), true);
        const std::size_t meldungen = host.Meldungen.size();
        D.ZelleAbbrechen(G, c, r);
        ++unterbrochen;
        const std::string wo = "Unterbrechung " + std::to_string(unterbrochen) + ", Schritt " + std::to_string(schrittJetzt);
        bool gefragt = false;
        for (std::size_t m = meldungen; m < host.Meldungen.size(); ++m)
            gefragt = gefragt || host.Meldungen[m].text == AchsenUmstellenFrage || host.Meldungen[m].text == KoordAenderungFrage;
        // The edited object: as before the edit or as the other action left
        // it (or, where Escape asked first, as the answer left it).
        const std::vector<std::string> jetzt = werte();
        ASSERT_TRUE(jetzt == vorher || jetzt == danach || gefragt) << wo << ", Aktion " << welche;
        // Every cell of the edited grid shows its object, up to the rounding
        // a turn back leaves in a far-out column (which a restore brings
        // back as it was).
        for (int cc = G.FixedCols; cc < G.ColCount() && !ZellenImAchsenrahmen(); ++cc) {
            Extended groesse = 1;
            for (int rr = G.FixedRows; rr < G.RowCount(); ++rr) groesse = std::max(groesse, std::fabs(O.ObjektWert(cc, rr)));
            for (int rr = G.FixedRows; rr < G.RowCount(); ++rr) {
                Extended gelesen = 0;
                ASSERT_TRUE(ZeigtWert(G.Cells(cc, rr), O.ObjektWert(cc, rr)) ||
                            (ZahlLesen(G.Cells(cc, rr), gelesen) && std::fabs(gelesen - O.ObjektWert(cc, rr)) <= 1e-12L * groesse))
                    << wo << ": " << G.Cells(cc, rr) << " fuer " << ZahlAllgemein(O.ObjektWert(cc, rr), 18);
            }
        }
        if (gefragt) return;
        if (!geaendert) {
            // Nothing of the other action's to keep: all back as before.
            ASSERT_EQ(ErsterUnterschied(zustand(), zustandVorher), -1) << wo << ", Aktion " << welche;
            return;
        }
        // What the other action did stays: every other object, the turns
        // with their mode, and the undo states it left. The keys typed
        // since may have added states after them, and Escape one of its
        // own; a full table drops its oldest state after place 0 for each.
        ASSERT_EQ(ErsterUnterschied(ObjektwerteOhne(&G), andereDanach), -1) << wo;
        ASSERT_TRUE(AchsenMitDrehen == achsenDanach && std::make_pair(DrehAnzahl, DrehListe) == drehungenDanach) << wo;
        const std::vector<std::string> undo = Undozustaende();
        if (undo == undoDanach) {
            ASSERT_TRUE(UndoModus == modusDanach && UndoIndex == indexDanach) << wo;
            return;
        }
        ASSERT_EQ(UndoModus, 0) << wo;
        // n states added: the table the action left (its redo steps given
        // up by the first, as by any new state), less the d oldest after
        // place 0 that made room, then the n new ones.
        std::vector<std::string> basis = undoDanach;
        if (modusDanach == 1) basis.resize(static_cast<std::size_t>(indexDanach) + 1);
        bool erhalten = false;
        const std::size_t alt = basis.size(), plaetze = UndoPlaetze;
        for (std::size_t n = 1; n <= plaetze && !erhalten && alt > 0; ++n) {
            const std::size_t d = alt + n > plaetze ? alt + n - plaetze : 0;
            if (undo.size() != std::min(alt + n, plaetze) || d >= alt) continue;
            erhalten = undo[0] == basis[0] && std::equal(basis.begin() + 1 + d, basis.end(), undo.begin() + 1);
        }
        ASSERT_TRUE(erhalten) << wo << ", Aktion " << welche;
    };
    // Ended in the axes' frame, the edit's cell shows its object there too:
    // once the question a key asks leaves that frame, every cell does.
    auto unterbrocheneBearbeitung = [&] {
        bearbeitungUnterbrechen();
        if (HasFatalFailure() || !ZellenImAchsenrahmen() || bis(2) || !KoordAenderungErlaubt()) return;
        ASSERT_EQ(ZelleOhneIhrObjekt(false), "") << "Unterbrechung " << unterbrochen << ", Schritt " << schrittJetzt;
    };
    aktionen.push_back({4, unterbrocheneBearbeitung});
    int gewichte = 0;
    for (const auto& a : aktionen) gewichte += a.first;

    for (long schritt = 1; schritt <= schritte; ++schritt) {
        schrittJetzt = schritt;
        host.StandardAntwort = bis(3) ? Antwort::Ja : Antwort::Nein;
        int w = bis(static_cast<std::size_t>(gewichte));
        std::size_t k = 0;
        while (w >= aktionen[k].first) w -= aktionen[k++].first;
        aktionen[k].second();
        if (std::getenv("RG_SPUR")) { std::string h; for (auto& t : Gitterbild(false)) h += t + "|"; std::fprintf(stderr, "SPUR %ld %zu %zu\n", schritt, k, std::hash<std::string>{}(h)); }
        if (HasFatalFailure()) return;
        if (dauer && !F.Timer1.Enabled) dauer = false;   // a load or the preset stopped the turn
        if (summeOffen && !S.Visible) summeOffen = false;

        // What a file made now would hold passes the load's check.
        const std::string wo = "Schritt " + std::to_string(schritt) + ", Aktion " + std::to_string(k);
        TObjektDatensatz d1;
        TObjektDatensatz2 d2;
        AusBytes(InBytes(DatensatzAusObjekten()), d1);
        AusBytes(InBytes(Datensatz2AusObjekten()), d2);
        ASSERT_TRUE(DatensatzGueltig(d1) && Datensatz2Gueltig(d2)) << wo;
        // Every cell shows its object, up to the rounding a turn back
        // leaves in a far-out column.
        ASSERT_EQ(ZelleOhneIhrObjekt(false), "") << wo;
        for (const std::string& t : Angezeigt()) ASSERT_TRUE(Endlich(t)) << wo << ": " << t;
        ErgebnisAusgeben(static_cast<Byte>(1 + bis(118)));
        for (const std::string& z : Form_Datenausgabe.Memo1.Lines) ASSERT_TRUE(Endlich(z)) << wo << ": " << z;

        if (schritt % 10 != 0) continue;
        bild.Leeren();
        SzeneZeichnen();
        for (const std::string& t : bild.Texte()) ASSERT_TRUE(Endlich(t)) << wo << ": " << t;
        // Saved, loaded and saved again: the same bytes.
        host.Vergessen();
        ObjektdatenPfad = a;
        ASSERT_TRUE(ObjektdatenSchreiben()) << wo;
        ASSERT_TRUE(ObjektdatenLaden(a)) << wo << ": " << host.LetzteMeldung();
        dauer = dauer && F.Timer1.Enabled;
        ObjektdatenPfad = b;
        ASSERT_TRUE(ObjektdatenSchreiben()) << wo;
        ASSERT_TRUE(Lesen(a) == Lesen(b)) << wo;
    }
    EXPECT_GT(abbrueche, 0);
    EXPECT_GT(unterbrochen, 0);
    EXPECT_GT(summenRunden, 0);
}

}  // namespace
