#include "dialogs/Eingabeprotokoll.h"

#include "geometry/Eingabe.h"
#include "mainwindow/Hauptfenster.h"
#include "platform/Oberflaeche.h"
#include "reports/Ergebnisauswahl.h"
#include "reports/Ergebnisse.h"
#include "scene/Objekte.h"
#include "scene/Undo.h"
#include "view3d/Drehsteuerung.h"
#include "view3d/Zeichnen.h"

// ---- Building blocks ---------------------------------------------------------------

std::optional<char> TasteFiltern(char Taste) {
    if (Taste == '.') return ',';
    if ((Taste >= '0' && Taste <= '9') || Taste == ',' || Taste == '-' || Taste == TasteBackspace)
        return Taste;
    return std::nullopt;
}

ZellStand ZellTextPruefen(const std::string& Text) {
    // "," and "-," are where a number like ",5" begins: still typing.
    if (IstUnfertig(Text) || Text == "," || Text == "-,") return ZellStand::Unfertig;
    return ZahlImBereich(Text, -10001.0L, 10001.0L) ? ZellStand::Gueltig : ZellStand::Abgelehnt;
}

bool KoordAenderungErlaubt() { return KoordinatenAenderungVorbereiten(); }

bool ObjektAnwenden(const std::function<bool()>& Pruefen, const std::function<void()>& Anwenden) {
    if (Pruefen && !Pruefen()) return false;
    DrehungFuerEingabeAufheben();
    Anwenden();
    Form_Edits_01.SchnittAngabenSchreiben();
    if (NeuZeichnenAus == 0) SzeneZeichnen();
    ErgebnisAusgeben(ErgebnisAuswahl);
    UndoPunktSetzen();
    return true;
}

// ---- Grid cells ----------------------------------------------------------------------

const std::string* TZellenGedaechtnis::Text(int Spalte, int Zeile) const {
    auto it = texte_.find({Spalte, Zeile});
    return it == texte_.end() ? nullptr : &it->second;
}

void TZellenGedaechtnis::Merken(int Spalte, int Zeile, const std::string& Text) {
    texte_[{Spalte, Zeile}] = Text;
}

bool IstZahlZelle(const TStringGrid& G, int Spalte, int Zeile) {
    return Spalte >= G.FixedCols && Spalte < G.ColCount() && Zeile >= G.FixedRows &&
           Zeile < G.RowCount();
}

namespace {

// The cell's last valid text back into the cell.
void Zuruecksetzen(const TObjektGitter& O, int Spalte, int Zeile) {
    std::string& Zelle = O.Gitter->Cells(Spalte, Zeile);
    if (const std::string* t = O.Gedaechtnis ? O.Gedaechtnis->Text(Spalte, Zeile) : nullptr)
        Zelle = *t;
    else if (O.ObjektText)
        Zelle = O.ObjektText(Spalte, Zeile);
}

bool AlleZellenGueltig(const TStringGrid& G) {
    for (int c = G.FixedCols; c < G.ColCount(); ++c)
        for (int r = G.FixedRows; r < G.RowCount(); ++r)
            if (ZellTextPruefen(G.Cells(c, r)) != ZellStand::Gueltig) return false;
    return true;
}

void InBearbeitung(TStringGrid& G, int Spalte, int Zeile) {
    G.Col = Spalte;
    G.Row = Zeile;
    G.Bearbeitung = true;
}

// The checks and the apply of a cell whose text the user has just changed.
void ZelleAnwenden(const TObjektGitter& O, int Spalte, int Zeile) {
    TStringGrid& G = *O.Gitter;
    const std::string Text = G.Cells(Spalte, Zeile);
    switch (ZellTextPruefen(Text)) {
        case ZellStand::Unfertig:
            return;
        case ZellStand::Abgelehnt:
            MeldungZeigen(BereichsMeldung, MeldungsArt::Warnung);
            Zuruecksetzen(O, Spalte, Zeile);
            return;
        case ZellStand::Gueltig:
            break;
    }
    // Another cell still unfinished: the object is not whole yet.
    if (!AlleZellenGueltig(G)) return;
    if (!ObjektAnwenden(O.Pruefen, O.Anwenden)) {
        Zuruecksetzen(O, Spalte, Zeile);
        return;
    }
    if (O.Gedaechtnis) O.Gedaechtnis->Merken(Spalte, Zeile, Text);
}

}  // namespace

std::optional<char> TasteGedrueckt(const TObjektGitter& O, char Taste) {
    if (!O.Gitter) return std::nullopt;
    TStringGrid& G = *O.Gitter;
    if (Taste == TasteTab) {
        ZelleVerlassen(O, G.Col, G.Row);
        GitterNaechsteZelle(G);
        return std::nullopt;
    }
    const std::optional<char> Zeichen = TasteFiltern(Taste);
    if (!Zeichen || !IstZahlZelle(G, G.Col, G.Row)) return std::nullopt;
    if (!KoordAenderungErlaubt()) return std::nullopt;
    // The text before this key is the one to put back should the key spoil it.
    const std::string& Vorher = G.Cells(G.Col, G.Row);
    if (O.Gedaechtnis && ZellTextPruefen(Vorher) == ZellStand::Gueltig)
        O.Gedaechtnis->Merken(G.Col, G.Row, Vorher);
    InBearbeitung(G, G.Col, G.Row);
    return Zeichen;
}

void ZelleGetippt(const TObjektGitter& O, int Spalte, int Zeile, const std::string& Text) {
    if (!O.Gitter || !IstZahlZelle(*O.Gitter, Spalte, Zeile)) return;
    TStringGrid& G = *O.Gitter;
    InBearbeitung(G, Spalte, Zeile);
    G.Cells(Spalte, Zeile) = Text;
    ZelleAnwenden(O, Spalte, Zeile);
}

void ZelleVerlassen(const TObjektGitter& O, int Spalte, int Zeile) {
    if (!O.Gitter || !IstZahlZelle(*O.Gitter, Spalte, Zeile)) return;
    TStringGrid& G = *O.Gitter;
    G.Bearbeitung = false;
    const std::string Text = G.Cells(Spalte, Zeile);
    switch (ZellTextPruefen(Text)) {
        case ZellStand::Unfertig:
            Zuruecksetzen(O, Spalte, Zeile);
            return;
        case ZellStand::Abgelehnt:
            MeldungZeigen(BereichsMeldung, MeldungsArt::Warnung);
            Zuruecksetzen(O, Spalte, Zeile);
            return;
        case ZellStand::Gueltig:
            break;
    }
    // A valid text that was never applied (the front missed its change):
    // apply it now; an applied or untouched one needs nothing.
    const std::string* Letzter = O.Gedaechtnis ? O.Gedaechtnis->Text(Spalte, Zeile) : nullptr;
    if (Letzter && *Letzter != Text) ZelleAnwenden(O, Spalte, Zeile);
}

// ---- Object dialogs -----------------------------------------------------------------

std::optional<char> TObjektDialog::TasteGedrueckt(TStringGrid& G, char Taste) {
    return ::TasteGedrueckt(ObjektGitter(G), Taste);
}

void TObjektDialog::ZelleGetippt(TStringGrid& G, int Spalte, int Zeile, const std::string& Text) {
    ::ZelleGetippt(ObjektGitter(G), Spalte, Zeile, Text);
}

void TObjektDialog::ZelleVerlassen(TStringGrid& G, int Spalte, int Zeile) {
    ::ZelleVerlassen(ObjektGitter(G), Spalte, Zeile);
}

void GitterAnzeigen(std::initializer_list<TStringGrid*> Gitter, int Akt, bool KoordZeigen) {
    int Nr = 0;
    for (TStringGrid* G : Gitter) {
        ++Nr;
        G->Visible = KoordZeigen && Nr == Akt;
    }
}
