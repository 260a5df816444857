#include "scene/DrehZustand.h"

void DrehZustandNullen() {
    Drehwinkel = 1.0L;
    DrehModus = 0;
    DauerDrehen = false;
    AchsenMitDrehen = false;
    for (auto& f : DrehObjektFlags) f = false;
    for (auto& d : DrehListe) d = TDrehung{};
    DrehAnzahl = 0;
    DrehMatrixAnzahl = 0;
    MAkt = TMatrix33{};
    MGes = TMatrix33{};
    DrehText.clear();
    DrehungErfolgt = 0;
    DrehungInSzene = true;
    SzeneGedreht = false;
    Urzustand = true;
    DrehIntervall = 20;
    RueckdrehungLaeuft = false;
    DrehMatrizenZeigen = false;
    DrehstreckenZeigen = true;
    DrehwinkelVonRollbalken = false;
    DrehwinkelVonEdit = false;
    DrehwinkelRollbalkenPosition = 1;
}
