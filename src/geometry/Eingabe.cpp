#include "geometry/Eingabe.h"

#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"

namespace {
constexpr std::size_t PruefLaenge = 20;
}

std::string PruefText(const std::string& s) {
    if (s.size() <= PruefLaenge) return s;
    std::size_t k = PruefLaenge;
    // s[k] is the first byte left out; if it continues a character, that
    // character began inside the kept part and goes as a whole.
    while (k > 0 && (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80) --k;
    return s.substr(0, k);
}

bool ZelleLesen(const std::string& text, Extended& v) {
    return ZahlLesen(PruefText(text), v);
}

bool ZelleLesen(const std::string& text, const TZellwert* Notiz, Extended& v) {
    if (Notiz && Notiz->Text == text) {
        v = Notiz->Wert;
        return true;
    }
    return ZelleLesen(text, v);
}

bool IstUnfertig(const std::string& s) {
    return s.empty() || s == "-";
}

bool IstGleitkommazahl(const std::string& s) {
    Extended v;
    return ZelleLesen(s, v);
}

bool ZahlImBereich(const std::string& s, Extended lo, Extended hi) {
    Extended v;
    if (!ZelleLesen(s, v)) return false;
    return lo < v && v < hi;
}

bool ZahlBetragPruefen(const std::string& s, int n) {
    Extended v;
    if (!ZelleLesen(s, v)) return false;
    return (v < 0 ? -v : v) < static_cast<Extended>(n);
}

PruefErgebnis EditGleitkommaPruefen(TEdit& Edit, int n) {
    const std::string& s = Edit.Text();
    if (IstUnfertig(s)) return PruefErgebnis::Unfertig;
    if (!IstGleitkommazahl(s)) {
        MeldungZeigen("Diese Eingabe entspricht keiner Gleitkommazahl!", MeldungsArt::Warnung);
        Edit.SelectAll();
        Edit.SetFocus();
        return PruefErgebnis::Abgelehnt;
    }
    if (!ZahlImBereich(s, -static_cast<Extended>(n), static_cast<Extended>(n))) {
        MeldungZeigen("Geben Sie bitte nur Zahlen z ein mit\n" + std::to_string(-n) + " + < z < " +
                          std::to_string(n) + "   !",
                      MeldungsArt::Warnung);
        Edit.SetFocus();
        return PruefErgebnis::Abgelehnt;
    }
    return PruefErgebnis::Gueltig;
}

PruefErgebnis EditZahlPruefen(TEdit& Edit, int n) {
    const std::string& s = Edit.Text();
    if (!IstGleitkommazahl(s)) {
        Edit.SetFocus();
        return IstUnfertig(s) ? PruefErgebnis::Unfertig : PruefErgebnis::Abgelehnt;
    }
    if (!ZahlBetragPruefen(s, n)) {
        MeldungZeigen("Gib bitte nur Zahlen z mit\nz < " + std::to_string(n) + " ein!");
        Edit.SelectAll();
        Edit.SetFocus();
        return PruefErgebnis::Abgelehnt;
    }
    return PruefErgebnis::Gueltig;
}

void GitterNaechsteZelle(TStringGrid& Grid) {
    // Last row is RowCount - 1 whatever the fixed rows, so the walk never
    // leaves the grid (for one fixed row this is RowCount - FixedRows > Row).
    if (Grid.RowCount() - 1 > Grid.Row) {
        Grid.Row = Grid.Row + 1;
    } else {
        Grid.Row = Grid.FixedRows;
        if (Grid.ColCount() - Grid.FixedCols - 1 > Grid.Col)
            Grid.Col = Grid.Col + 1;
        else
            Grid.Col = Grid.FixedCols;
    }
}
