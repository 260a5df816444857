#include "tools/Werkzeugfelder.h"

#include <cmath>
#include <utility>

#include "forms/Eingabeprotokoll.h"
#include "geometry/Eingabe.h"
#include "platform/Oberflaeche.h"

bool FeldWert(const TEdit& E, Extended& v) { return ZelleLesen(E, v); }

bool EditBetragPruefen(TEdit& E) {
    Extended v;
    if (!FeldWert(E, v)) {
        E.SetFocus();
        return false;
    }
    if (std::fabs(v) > 9999.0L) {
        MeldungZeigen(Betrag10000Meldung);
        E.SetFocus();
        E.SelectAll();  // the next key replaces the refused number
        return false;
    }
    return true;
}

BereichsPruefung EditBereichPruefen(TEdit& E) {
    Extended v;
    if (!FeldWert(E, v)) {
        if (!IstUnfertig(E.Text())) {
            MeldungZeigen(Bereich10000Meldung);
            E.SelectAll();
        }
        E.SetFocus();
        return BereichsPruefung::KeineZahl;
    }
    if (!ImAenderungsBereich(v)) {
        MeldungZeigen(Bereich10000Meldung);
        E.SetFocus();
        E.SelectAll();
        return BereichsPruefung::Ausserhalb;
    }
    return BereichsPruefung::Gueltig;
}

std::string KeineZahlMeldung(const std::string& Text) { return "'" + Text + "' ist kein gültiger Gleitkommawert."; }

bool SpeicherWerte(const TSpeicherVektor& T, TVek_R3& v) {
    TVek_R3 w;
    for (auto [Text, Wert] : {std::pair{&T.x, &w.x}, {&T.y, &w.y}, {&T.z, &w.z}})
        if (!ZelleLesen(*Text, *Wert)) {
            MeldungZeigen(KeineZahlMeldung(*Text));
            return false;
        }
    v = w;
    return true;
}

bool IstEndlich(const TMatrix33& M) {
    for (const auto& Zeile : M.m)
        for (Extended e : Zeile)
            if (!std::isfinite(e)) return false;
    return true;
}
