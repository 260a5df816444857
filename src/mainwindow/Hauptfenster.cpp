#include "forms/Hauptfenster.h"

#include <algorithm>

#include "geometry/Vektor.h"
#include "forms/GitterWuerfel.h"
#include "forms/Koordsperre.h"
#include "forms/Schalter.h"
#include "platform/Zahltext.h"
#include "forms/Ergebnisauswahl.h"
#include "reports/Datenfenster.h"
#include "view3d/ObjektGeometrie.h"
#include "scene/Objekte.h"
#include "scene/Speicherzustand.h"
#include "control/Undo.h"
#include "control/Vorgabe.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"
#include "view3d/Projektion.h"
#include "view3d/Szene.h"
#include "view3d/Zeichnen.h"

namespace {

// The width between the side panels.
int FreieBreite(const TForm_Edits_01& F) {
    return F.ClientWidth - F.Panel_rechts.Width - (F.Panel_links.Visible ? F.Panel_links.Width : 0);
}

// The blanks inside a point are no-break spaces: a narrow panel breaks the
// text between words, never inside a point.
std::string PunktText(char Buchstabe, const TVek_R3& P) {
    const std::string Trenner = PunktLeerzeichen + "|" + PunktLeerzeichen;
    return std::string(1, Buchstabe) + "(" + KoordText(P.x) + Trenner + KoordText(P.y) + Trenner +
           KoordText(P.z) + ")";
}

}  // namespace

void TForm_Edits_01::FormCreate() {
    // Every scene instance zero-filled.
    SzeneObjekteNullen();

    // Start attributes.
    const TColor SpatFarben[5] = {0, 0x0000FF00, 0x00C8C864, 0x00004080, 0x00FF00FF};
    const TColor VSPFarben[5] = {0, 0x0000FF00, 0x00C8C864, 0x00000080, 0x00FF00FF};
    for (int i = 1; i <= 4; ++i) {
        Spat[i].ErzeugendeZeigen = 0;
        Spat[i].Stiftbreite = 1;
        Spat[i].StiftbreiteVektoren = 2;
        Spat[i].Linienstil = (i == 2) ? 2 : 0;
        Spat[i].Farbe = SpatFarben[i];
        Vektor[i].Farbe = Strecke[i].Farbe = Punkt[i].Farbe = VSPFarben[i];
        Vektor[i].Stiftbreite = Strecke[i].Stiftbreite = Punkt[i].Stiftbreite = 2;
        Punkt[i].mitFadenkreuz = 0;
        Punkt[i].Stil = 2;
        Kugel[i].Farbe = Kegel[i].Farbe = SpatFarben[i];
        Kugel[i].Breitenkreise = 12;
        Kugel[i].Laengenkreise = 24;
    }
    MaxQuader.Stiftbreite = 1;
    Fadenkreuz.Linienstil = 2;
    Fadenkreuz.Farbe = 0x0032C8C8;
    for (int i = 1; i <= 2; ++i) {
        Ebene[i].Linienstil = 0;
        Ebene[i].Stiftbreite = 2;
        Ebene[i].Darstellungsart = 0;
        Ebene[i].Netzlinien = 8;
        Ebene[i].WinkelQuadratSeite = 0.1L;
    }
    for (int i = 1; i <= 3; ++i) {
        Gerade[i].Stiftbreite = 1;
        Gerade[i].Linienstil = 0;
    }
    Gerade_t.Farbe = 0x00004080;
    for (int i = 1; i <= 6; ++i) {
        Projektionsgeraden[i].anzeigen = 0;
        Spurgeraden[i].anzeigen = 0;
    }
    // Visible exactly when the object's switch is down.
    for (int i = 1; i <= ObjektAnzahl; ++i) ObjektSichtbar(i) = But_sichtb(i).Down ? 1 : 0;

    // Projection and picture.
    SkFy = SkFz = 1.0L;
    VerschiebungX = VerschiebungY = 0;
    AchsenHalbLaenge = 8;
    AugpunktMitte = false;
    ErsteAktivierung = true;
    ProjEbene = 1;
    VerschProjEb = 1;
    GitterwaendeAutomatisch = false;
    ProjTexteZurueck = false;
    RichtungsMeldungAus = false;
    GeradenFaktor = 1.0L;
    NullVektor = TVek_R3{};

    // Undo, files, data sets.
    UndoAnzahl = UndoIndex = UndoModus = 0;
    FarbsetSatz2 = 1;
    ObjektdatenSatz2 = 1;
    NeuZeichnenAus = 0;
    DatenWerdenGeladen = false;
    Urzustand = true;

    // Rotation.
    AchsenMitDrehen = false;
    Drehwinkel = 1.0L;
    DauerDrehen = false;
    DrehMatrizenZeigen = false;
    DrehModus = 0;
    SzeneGedreht = false;
    DrehAnzahl = 0;
    DrehMatrixAnzahl = 0;
    DrehIntervall = 20;
    DrehstreckenZeigen = true;
    DrehungErfolgt = 0;
    DrehungInSzene = true;
    RueckdrehungLaeuft = false;
    DrehwinkelVonRollbalken = DrehwinkelVonEdit = false;
    for (auto& f : DrehObjektFlags) f = false;

    // Arrows, rotation segments, box of the axes.
    FarbeLinienDialog = 0x000000FF;
    StiftbreiteEbenenRichtungsvektoren = 3;
    StiftbreiteStuetzvektoren = 2;
    DrehstreckeStil = 2;
    DrehstreckeBreite = 1;
    DrehstreckeFarbe = 0x00DCC896;
    MaxQuaderFarbe = 0x00000000;

    // Colours of the start colour set that belong to no dialog.
    FarbeHintergrund = 0x00FFFFFF;
    FarbeStuetzvektoren = 0x00C8C800;
    FarbeAchsen = 0x00000000;
    FarbeSg = 0x00800080;
    MaxQuader.FarbeGitterwaende = 0x00F0F0F0;

    // Grid of the axes cuboid and vanishing segments.
    for (int w = 1; w <= 6; ++w) GitterWaende[w] = (w == 1 || w == 2 || w == 5);
    NetzLinienStil = 2;
    RandLinienStil = 2;
    FluchtstreckenFarbe = 0x00000080;
    FluchtstreckenStil = 2;
    FluchtstreckenBreite = 1;

    ErgebnisAuswahl = 0;

    // Change and click actions of the projection controls and the zoom bar.
    ScrollBar2.OnChange = [] { ScrollBar2Change(); };
    Edit_SkalF_1.OnChange = [this] { Edit_SkalF_1Change(); };
    Edit_SkalF_2.OnChange = [this] { Edit_SkalF_2Change(); };
    ZPEinAus.OnClick = [this] { ZPEinAusClick(); };
    CheckBox_ZP.OnClick = [this] { CheckBox_ZPClick(); };
    But_xz.OnClick = [this] { But_xzClick(); };
    But_yz.OnClick = [this] { But_yzClick(); };
    But_xy.OnClick = [this] { But_xyClick(); };
    ProjEbStart.OnClick = [this] { ProjEbStartClick(); };
    vdL.OnClick = [this] { vdLClick(); };
    But_vdL.OnClick = [this] { But_vdLClick(); };
    ProjektionseingabenAnlegen();
    AnsichtenAnlegen();
    BildsteuerungAnlegen();
    SichtbarkeitAnlegen();
    AnzeigeschalterAnlegen();
    SichtbarkeitAktualisieren();
    ObjektspeicherAnlegen();
    DateimenueAnlegen();
    DrehsteuerungAnlegen();
    But_ObjekteDaten.OnClick = [this] { But_ObjekteDatenClick(); };
    ErgebnismenueAnlegen();
    EinstellungenAnlegen();
    WerkzeugmenueAnlegen();

    PanelsAnordnen();
    BildSeiteBerechnen();
    HilfeDatei = "HILFEOV20.HLP";
}

void TForm_Edits_01::FormActivate() {
    // The start steps redraw one after the other, before the activation is
    // complete; one picture at its end is all anyone sees.
    MitEinemBild([this] {
        if (ErsteAktivierung) {
            // The start scene as the preset, undo state 0 and the object store.
            VorgabeDatensatzAusDialogen();
            if (ObjektdatenSatz2 > 0) VorgabeDatensatzAusDialogen2();
            SzeneNeuBerechnen();
            if (!AchsenMitDrehen) UndoPunktSetzen();
            SpeicherUebernehmen(0);

            // The planes first: the eye-point edits' change actions test
            // the eye point against the central one.
            for (TEbene* E : {&ProjEbeneZentral, &ProjEbeneParallel}) {
                E->Stuetzvektor = {0, 0, 0};
                E->Richtungsvektor1 = {1, 0, 0};
                E->Richtungsvektor2 = {0, 0, 1};
            }
            ProjEbene = 1;
            Augpunkt = {40, 80, 30};
            Edit_FPx.SetText(ZahlAllgemein(Augpunkt.x));
            Edit_FPy.SetText(ZahlAllgemein(Augpunkt.y));
            Edit_FPz.SetText(ZahlAllgemein(Augpunkt.z));
            ProjRichtung = {0.8L, 1.0L, 0.5L};
            Edit_SkalF_1.SetText(ZahlAllgemein(SkFy));
            Edit_SkalF_2.SetText(ZahlAllgemein(SkFz));
            ProjWinkelAnzeigen();
            SchraegbildVorgabe = true;
            Zentralprojektion = false;
            ZentralprojektionEinAus();
        }
        ErsteAktivierung = false;
        UrsprungBildBerechnen();
        KoordSperreLesen();
        FarbPanelsSetzen();
        if (!DauerDrehen) SzeneZeichnen();
    });
}

void TForm_Edits_01::KomponentenAusrichten() {
    // The two top panels span the width; below them Panel_links at the
    // left, Panel_rechts at the right and PaintBox1 between them. The
    // picture origin (PanelsAnordnen) counts on exactly this: x centred
    // between the side panels, y measured from the bottom with the top
    // panels added. The Qt front lays the window out itself and writes the
    // real places back.
    const int oben = Panel_oben.Height + Panel_oben_a.Height;
    const int links = Panel_links.Visible ? Panel_links.Width : 0;
    const int hoehe = std::max(ClientHeight - oben, 0);
    Panel_oben.Left = Panel_oben_a.Left = 0;
    Panel_oben.Top = 0;
    Panel_oben_a.Top = Panel_oben.Height;
    Panel_oben.Width = Panel_oben_a.Width = ClientWidth;
    Panel_rechts.Left = ClientWidth - Panel_rechts.Width;
    Panel_rechts.Top = oben;
    Panel_rechts.Height = hoehe;
    Panel_links.Left = 0;
    Panel_links.Top = oben;
    Panel_links.Height = hoehe;
    PaintBox1.Left = links;
    PaintBox1.Top = oben;
    PaintBox1.Width = std::max(Panel_rechts.Left - links, 0);
    PaintBox1.Height = hoehe;
}

void TForm_Edits_01::BildSeiteBerechnen() {
    const int frei = FreieBreite(*this);
    BildSeite = ClientHeight < frei ? ClientHeight : frei;
}

void TForm_Edits_01::PanelsAnordnen() {
    const int frei = FreieBreite(*this);
    const int hoehe = ClientHeight + Panel_oben.Height + Panel_oben_a.Height;
    if (Zentralprojektion) {
        AchsenKreuz.UrsprungX = (frei / 100) * 60;
        AchsenKreuz.UrsprungY = (hoehe / 100) * 55;
    } else {
        AchsenKreuz.UrsprungX = static_cast<Extended>(frei) / 2.0L;
        AchsenKreuz.UrsprungY = (hoehe / 100) * 52;
    }
}

void TForm_Edits_01::GitterwaendeWaehlen(Byte Ansicht) {
    // Walls that suit the view: 1 x,z from the front, 2 x,z from behind,
    // 3 x,y from above, 4 x,y from below, 5 y,z from the right, 6 y,z from the left.
    static const bool Wahl[7][7] = {
        {},
        {false, true, true, false, false, true, false},
        {false, true, false, true, false, false, false},
        {false, true, false, false, true, false, true},
        {false, false, true, true, false, true, false},
        {false, true, false, false, true, true, false},
        {false, true, true, false, false, false, true},
    };
    if (Ansicht < 1 || Ansicht > 6) return;
    for (int w = 1; w <= 6; ++w) {
        GitterWaende[w] = Wahl[Ansicht][w];
        Form_GitterWuerfelMax.WandBox(w).Checked = Wahl[Ansicht][w];
    }
}

void TForm_Edits_01::SchnittAngabenSchreiben() {
    Label_gh.Caption = LageGH == 1 ? PunktText('S', SchnittpunktGH) : LageTextGH;
    Label_gt.Caption = LageGT == 1 ? PunktText('S', SchnittpunktGT) : LageTextGT;
    Label_ht.Caption = LageHT == 1 ? PunktText('S', SchnittpunktHT) : LageTextHT;

    TLabel* durchstoss[3][2] = {{&Label_gE1, &Label_gE2}, {&Label_hE1, &Label_hE2}, {&Label_tE1, &Label_tE2}};
    for (int k = 1; k <= 2; ++k) {
        const TEbene& e = Ebene[k];
        durchstoss[0][k - 1]->Caption =
            e.DurchstosspunktGvorhanden == 1 ? PunktText('D', e.DurchstosspunktG) : e.LagetextG;
        durchstoss[1][k - 1]->Caption =
            e.DurchstosspunktHvorhanden == 1 ? PunktText('D', e.DurchstosspunktH) : e.LagetextH;
        durchstoss[2][k - 1]->Caption =
            e.DurchstosspunktTvorhanden == 1 ? PunktText('D', e.DurchstosspunktT) : e.LagetextT;
    }

    Label_E1E2.Caption = LageTextE1E2;
    const auto sg = [](Extended v) { return SchnittgeradeVorhanden ? KoordText(v) : std::string("-"); };
    const TVek_R3& A = Gerade_sg.Stuetzvektor;
    const TVek_R3& u = Gerade_sg.Richtungsvektor;
    Label_sg_Stuetz_x.Caption = sg(A.x);
    Label_sg_Stuetz_y.Caption = sg(A.y);
    Label_sg_Stuetz_z.Caption = sg(A.z);
    Label_sg_Richt_x.Caption = sg(u.x);
    Label_sg_Richt_y.Caption = sg(u.y);
    Label_sg_Richt_z.Caption = sg(u.z);
}

void TForm_Edits_01::ErgebnismenueAnlegen() {
    for (TErgebnisGruppe* G : AlleErgebnisse()) ErgebnisseVerbinden(*G);
    // The listings of the hidden-line segments, behind buttons never shown.
    Button1.OnClick = [] {
        ErgebnisAuswahl = 200;
        DatenfensterZeigen();
    };
    Button2.OnClick = [] {
        ErgebnisAuswahl = 201;
        DatenfensterZeigen();
    };
}
