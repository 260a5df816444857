#include "reports/Ergebnisse.h"

#include "forms/Ergebnisauswahl.h"
#include "reports/EbenenBerichte.h"
#include "reports/GeradenBerichte.h"
#include "reports/KoerperBerichte.h"
#include "reports/PunktBerichte.h"

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
        case 7: AusgabeSpat1Alt(); break;
        case 10: AusgabePunkt1Alt(); break;
        case 11: AusgabePunkt1Gedreht(); break;
        case 12: AusgabeKugelAlt(); break;
        case 13: AusgabeKugelEbenenAlt(); break;
        case 14: AusgabeVektorenAlt(); break;
        case 15: AusgabeStreckenAlt(); break;
        case 16: AusgabeGeradeTAlt(); break;
        case 17: AusgabeKegelAlt(); break;
        case 18: case 19: case 20: case 21: AusgabeSpat(static_cast<Byte>(Code - 17)); break;
        case 22: case 23: case 24: AusgabeGerade(static_cast<Byte>(Code - 21)); break;
        case 25: AusgabeGeradeGerade(1, 2); break;
        case 26: AusgabeGeradeGerade(1, 3); break;
        case 27: AusgabeGeradeGerade(2, 3); break;
        case 28: case 29: case 30: case 31: case 32: case 33:
            AusgabeGeradeEbene(static_cast<Byte>(1 + (Code - 28) / 2), static_cast<Byte>(1 + (Code - 28) % 2));
            break;
        case 34: AusgabeEbene(1); break;
        case 35: AusgabeEbeneE2(); break;
        case 36: case 37: case 38: case 39: AusgabeVektor(static_cast<Byte>(Code - 35)); break;
        case 40: AusgabeVektorenWinkel(); break;
        case 41: case 42: case 43: case 44: AusgabeStrecke(static_cast<Byte>(Code - 40)); break;
        case 45: AusgabeStreckenWinkel(); break;
        case 46: case 47: case 48: case 49: AusgabePunkt(static_cast<Byte>(Code - 45)); break;
        case 118: AusgabeEbeneEbene(); break;
        case 200: TestausgabeStrecken1bis20(); break;
        case 201: TestausgabeStreckenAb40(); break;
        default:
            // Codes of two objects each; 0, 8, 9, 70 to 73, 119 to 199 and
            // 202 to 255 have no report and leave the text as it is.
            if (Code >= 50 && Code <= 61)
                AusgabePunktGerade(static_cast<Byte>(1 + (Code - 50) / 3), static_cast<Byte>(1 + (Code - 50) % 3));
            else if (Code >= 62 && Code <= 69)
                AusgabePunktEbene(static_cast<Byte>(1 + (Code - 62) / 2), static_cast<Byte>(1 + (Code - 62) % 2));
            else if (Code >= 74 && Code <= 77)
                AusgabeKugel(static_cast<Byte>(Code - 73));
            else if (Code >= 78 && Code <= 93)
                AusgabeKugelPunkt(static_cast<Byte>(1 + (Code - 78) / 4), static_cast<Byte>(1 + (Code - 78) % 4));
            else if (Code >= 94 && Code <= 105)
                AusgabeKugelGerade(static_cast<Byte>(1 + (Code - 94) / 3), static_cast<Byte>(1 + (Code - 94) % 3));
            else if (Code >= 106 && Code <= 113)
                AusgabeKugelEbene(static_cast<Byte>(1 + (Code - 106) / 2), static_cast<Byte>(1 + (Code - 106) % 2));
            else if (Code >= 114 && Code <= 117)
                AusgabeKegel(static_cast<Byte>(Code - 113));
            break;
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
