#include "reports/Ergebnisse.h"

#include "forms/Ergebnisauswahl.h"
#include "reports/EbenenBerichte.h"
#include "reports/GeradenBerichte.h"

namespace {

int buendelTiefe = 0;
bool vorgemerkt = false;
Byte vorgemerkterCode = 0;

void Bauen(Byte Code) {
    switch (Code) {
        case 1: AusgabeGeradenGH(); break;
        case 2: AusgabeGeradenGHProjektion(); break;
        case 3: AusgabeGeradenGHWinkel(); break;
        case 4: AusgabeGeradenEbenen(); break;
        case 5: AusgabeEbeneE1Alt(); break;
        case 6: AusgabeEbeneE2(); break;
        case 16: AusgabeGeradeTAlt(); break;
        case 22: case 23: case 24: AusgabeGerade(static_cast<Byte>(Code - 21)); break;
        case 25: AusgabeGeradeGerade(1, 2); break;
        case 26: AusgabeGeradeGerade(1, 3); break;
        case 27: AusgabeGeradeGerade(2, 3); break;
        case 28: case 29: case 30: case 31: case 32: case 33:
            AusgabeGeradeEbene(static_cast<Byte>(1 + (Code - 28) / 2), static_cast<Byte>(1 + (Code - 28) % 2));
            break;
        case 34: AusgabeEbene(1); break;
        case 35: AusgabeEbeneE2(); break;
        case 118: AusgabeEbeneEbene(); break;
        // The reports on bodies, vectors, segments and points (7, 10 to 15,
        // 17 to 21, 36 to 69, 74 to 117) and the segment listings (200, 201)
        // have no builder in this build; like 0, 8, 9, 70 to 73, 119 to 199
        // and 202 to 255 they leave the text as it is.
        default: break;
    }
}

}  // namespace

void ErgebnisAusgeben(Byte Code) {
    if (buendelTiefe > 0) {
        vorgemerkt = true;
        vorgemerkterCode = Code;
        return;
    }
    Bauen(Code);
}

ErgebnisseGebuendelt::ErgebnisseGebuendelt() { ++buendelTiefe; }

ErgebnisseGebuendelt::~ErgebnisseGebuendelt() {
    if (--buendelTiefe > 0 || !vorgemerkt) return;
    vorgemerkt = false;
    Bauen(vorgemerkterCode);
}
