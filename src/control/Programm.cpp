#include "control/Programm.h"

#include "forms/AchsenWuerfel.h"
#include "forms/Animationen.h"
#include "forms/Datenausgabe.h"
#include "forms/Differenzvektoren.h"
#include "forms/DrStrEinst.h"
#include "forms/DrehenUmGerade.h"
#include "forms/EbEinstell.h"
#include "forms/EbenKoord.h"
#include "forms/Ebenen.h"
#include "forms/Fadenkreuz.h"
#include "forms/Fluchtstr.h"
#include "forms/Geraden_t.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Normalenvektoren.h"
#include "forms/ProjSpurGeraden.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Speicher.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "forms/GitterWuerfel.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "forms/Ergebnisauswahl.h"
#include "reports/Ergebnisse.h"
#include "forms/ObjekteDaten.h"
#include "forms/LGS.h"
#include "forms/LaLua.h"
#include "forms/Matrizen.h"
#include "forms/VektProd.h"
#include "forms/VektSumme.h"
#include "scene/Objekte.h"
#include "scene/Speicherzustand.h"
#include "forms/DrehMatrizen.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"
#include "view3d/Schriftgroessen.h"
#include "view3d/Drehen.h"
#include "view3d/Szene.h"
#include "view3d/VerdeckteLinien.h"
#include "view3d/Zeichnen.h"

namespace {

void GlobaleNullen() {
    SzeneObjekteNullen();
    AnsichtNullen();
    VerdeckteLinienNullen();
    DrehZustandNullen();
    SchalterNullen();
    SpeicherzustandNullen();
    SpeicherNullen();
    ObjekteDatenNullen();
    SchriftGroessenNullen();
    ErgebnisAuswahl = 0;
    EbenKoordQuelle = false;
    FadenkreuzSchrittweite = 0.1L;
    AktGerade = 1;
    AktEbene = 1;
    AktSpat = 1;
    AktVektor = 1;
    AktStrecke = 1;
    AktPunkt = 1;
    AktKugel = 1;
    AktKegel = 1;
}

// Every window's components back to their form resources.
void FensterNeu() {
    Form_Edits_01 = TForm_Edits_01{};
    Form_GitterWuerfelMax = TForm_GitterWuerfelMax{};
    Form_Geraden_t = TForm_Geraden_t{};
    Form_Ebenen = TForm_Ebenen{};
    Form_EbenKoord = TForm_EbenKoord{};
    Form_Spate = TForm_Spate{};
    Form_Vektoren = TForm_Vektoren{};
    Form_Strecken = TForm_Strecken{};
    Form_Punkte = TForm_Punkte{};
    Form_Kugeln = TForm_Kugeln{};
    Form_Kegel = TForm_Kegel{};
    Form_Fadenkreuz = TForm_Fadenkreuz{};
    Form_EbEinstell = TForm_EbEinstell{};
    Form_DrehenUmGerade = TForm_DrehenUmGerade{};
    Form_Einst_GeradenAnima = TForm_Einst_GeradenAnima{};
    Form_Einst_EbenenAnima = TForm_Einst_EbenenAnima{};
    Form_Dreh_Matrizen = TForm_Dreh_Matrizen{};
    Form_ObjekteDaten = TForm_ObjekteDaten{};
    Form_Datenausgabe = TForm_Datenausgabe{};
    Form_AchsenWuerfel = TForm_AchsenWuerfel{};
    Form_Fluchtstr = TForm_Fluchtstr{};
    Form_DrStrEinst = TForm_DrStrEinst{};
    Form_Normalenvektoren = TForm_Normalenvektoren{};
    Form_ProjSpurGeraden = TForm_ProjSpurGeraden{};
    Form_Differenzvektoren = TForm_Differenzvektoren{};
    Form_Matrizen = TForm_Matrizen{};
    Form_LaLua = TForm_LaLua{};
    Form_VektSumme = TForm_VektSumme{};
    Form_LGS = TForm_LGS{};
    Form_VektProd = TForm_VektProd{};
}

// What lower layers run of the layers above them.
void RueckrufeSetzen() {
    SzeneNeuZeichnen = SzeneZeichnen;
    SchnittAngabenAusgeben = [] { Form_Edits_01.SchnittAngabenSchreiben(); };
    BerichtAusgabe = [] { ErgebnisAusgeben(ErgebnisAuswahl); };
    OffeneZelleSchliessen = [](TObjektDialog& D, TStringGrid& G) { D.ZelleVerlassen(G, G.Col, G.Row); };
    DrehmatrizenZeigen = [] {
        ZeigeAktuelleDrehmatrix();
        ZeigeDrehungenliste();
    };
}

}  // namespace

void FensterErzeugen() {
    RueckrufeSetzen();
    GlobaleNullen();
    FensterNeu();

    // The main window first: it creates the scene objects zero-filled.
    Form_Edits_01.FormCreate();
    Form_GitterWuerfelMax.FormCreate();
    Form_Geraden_t.FormCreate();
    Form_Ebenen.FormCreate();
    Form_EbenKoord.FormCreate();
    Form_Spate.FormCreate();
    Form_Vektoren.FormCreate();
    Form_Strecken.FormCreate();
    Form_Punkte.FormCreate();
    Form_Kugeln.FormCreate();
    Form_Kegel.FormCreate();
    Form_Fadenkreuz.FormCreate();
    Form_EbEinstell.FormCreate();
    Form_DrehenUmGerade.FormCreate();
    Form_Einst_GeradenAnima.FormCreate();
    Form_Einst_EbenenAnima.FormCreate();
    Form_Dreh_Matrizen.FormCreate();
    Form_ObjekteDaten.FormCreate();
    Form_Datenausgabe.FormCreate();
    Form_AchsenWuerfel.FormCreate();
    Form_Fluchtstr.FormCreate();
    Form_DrStrEinst.FormCreate();
    Form_Normalenvektoren.FormCreate();
    Form_ProjSpurGeraden.FormCreate();
    Form_Differenzvektoren.FormCreate();
    Form_Matrizen.FormCreate();
    Form_LaLua.FormCreate();
    Form_VektSumme.FormCreate();
    Form_LGS.FormCreate();
    Form_VektProd.FormCreate();
}

void ProgrammStart() {
    FensterErzeugen();
    Form_Edits_01.FormActivate();
}
