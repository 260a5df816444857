#include "scene/Objekte.h"

void SzeneObjekteNullen() {
    for (auto& g : Gerade) g = TGerade{};
    Gerade_sg = TGerade{};
    Drehachse = TGerade{};
    for (auto& g : Projektionsgeraden) g = TGerade{};
    for (auto& g : Spurgeraden) g = TGerade{};
    ProjWinkelGerade = TGerade{};
    Lotgerade = TGerade{};
    for (auto& e : Ebene) e = TEbene{};
    ProjEbeneZentral = TEbene{};
    ProjEbeneParallel = TEbene{};
    for (auto& s : Spat) s = TSpat{};
    MaxQuader = TSpat{};
    for (auto& v : Vektor) v = TVektor{};
    for (auto& s : Strecke) s = TStrecke{};
    for (auto& p : Punkt) p = TPunkt{};
    for (auto& k : Kugel) k = TKugel{};
    for (auto& k : Kegel) k = TKegel{};
    for (auto& k : Kreis) k = TKreis{};
    Fadenkreuz = TFadenkreuz{};
    AchsenKreuz = TAKreuz{};
    AchsenEinteilung = TAchseneinteilungen{};

    LageGH = LageGT = LageHT = 0;
    LageTextGH.clear();
    LageTextGT.clear();
    LageTextHT.clear();
    SchnittpunktGH = SchnittpunktGT = SchnittpunktHT = TVek_R3{};
    SchnittgeradeVorhanden = false;
    LageTextE1E2.clear();
    NullVektor = TVek_R3{};

    FarbeG = FarbeH = FarbeT = FarbeE1 = FarbeE2 = 0;
    FarbeSg = 0;
    FarbeLinienDialog = 0;
    StiftbreiteEbenenRichtungsvektoren = 0;
    StiftbreiteStuetzvektoren = 0;
    DrehstreckeStil = 0;
    DrehstreckeBreite = 0;
    DrehstreckeFarbe = 0;
    MaxQuaderFarbe = 0;
    NeuZeichnenAus = 0;
}

Byte& ObjektSichtbar(int Nr) {
    assert(Nr >= 1 && Nr <= ObjektAnzahl);
    if (Nr <= 3) return Gerade[Nr].sichtbar;
    if (Nr <= 5) return Ebene[Nr - 3].sichtbar;
    if (Nr <= 9) return Spat[Nr - 5].sichtbar;
    if (Nr <= 13) return Vektor[Nr - 9].sichtbar;
    if (Nr <= 17) return Strecke[Nr - 13].sichtbar;
    if (Nr <= 21) return Punkt[Nr - 17].sichtbar;
    if (Nr <= 25) return Kugel[Nr - 21].sichtbar;
    if (Nr <= 29) return Kegel[Nr - 25].sichtbar;
    return Fadenkreuz.sichtbar;
}
