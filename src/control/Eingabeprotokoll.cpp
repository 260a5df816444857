#include "forms/Eingabeprotokoll.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "geometry/Eingabe.h"
#include "forms/Hauptfenster.h"
#include "platform/Oberflaeche.h"
#include "forms/Ergebnisauswahl.h"
#include "reports/Ergebnisse.h"
#include "scene/Objekte.h"
#include "control/Undo.h"
#include "scene/DrehZustand.h"
#include "scene/Speicherzustand.h"
#include "control/DatenInDialoge.h"
#include "control/Drehsteuerung.h"
#include "forms/Gitter.h"
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

ZellStand BetragTextPruefen(const std::string& Text, int n) {
    if (IstUnfertig(Text) || Text == "," || Text == "-,") return ZellStand::Unfertig;
    return ZahlBetragPruefen(Text, n) ? ZellStand::Gueltig : ZellStand::Abgelehnt;
}

bool KoordAenderungErlaubt() {
    if (AchsenMitDrehen) {
        if (!FrageJa(AchsenUmstellenFrage)) return false;
        DrehungenZuruecksetzen();
    }
    return KoordinatenAenderungVorbereiten();
}

bool ObjektAnwenden(const TAblehnung& Ablehnung, const std::function<void()>& Anwenden) {
    if (Ablehnung && !Ablehnung().empty()) return false;
    DrehungFuerEingabeAufheben();
    Anwenden();
    NachObjektAenderung();
    UndoPunktSetzen();
    return true;
}

void NachObjektAenderung() {
    Form_Edits_01.SchnittAngabenSchreiben();
    if (NeuZeichnenAus == 0) SzeneZeichnen();
    ErgebnisAusgeben(ErgebnisAuswahl);
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

// One cell or field as the shared rules see it.
struct TZelle {
    std::function<std::string()> Lesen;
    std::function<void(const std::string&)> Schreiben;
    std::function<void()> Markieren;  // its whole text selected for the next key
    int Spalte = 0, Zeile = 0;  // its place in the memory
    TZellenGedaechtnis* Gedaechtnis = nullptr;
    std::function<std::string()> ObjektText;
    std::function<bool()> AlleGueltig;  // every cell of the object holds a number
    TAblehnung Ablehnung;
    std::function<void()> Anwenden;
    std::function<ZellStand(const std::string&)> Pruefen = ZellTextPruefen;
    std::string Meldung = BereichsMeldung;  // of a refused text
    MeldungsArt Art = MeldungsArt::Warnung;
    // A grid cell (Gitter is set): Escape cancels its edit, which watches
    // the scene and the values behind all number cells of its object.
    bool Abbrechbar = false;
    TStringGrid* Gitter = nullptr;
    std::function<Extended(int Spalte, int Zeile)> ObjektWert;
};

void Ablehnen(const TZelle& Z) { MeldungZeigen(Z.Meldung, Z.Art); }

// A cell or field whose text is a number, whatever its range: what the
// program wrote itself (a turned point beyond the typing range) never keeps
// the object from being applied.
bool IstZahl(const std::string& Text) { return IstGleitkommazahl(Text); }

// The cell's last valid text back into the cell.
void Zuruecksetzen(const TZelle& Z) {
    if (const std::string* t = Z.Gedaechtnis->Text(Z.Spalte, Z.Zeile))
        Z.Schreiben(*t);
    else if (Z.ObjektText)
        Z.Schreiben(Z.ObjektText());
}

// ---- What an open edit watches ----

// f(column, row) for every number cell of the edited object, column by
// column: the order of ObjektWerte.
template <class F>
void JedeZahlZelle(const TStringGrid& G, F&& f) {
    for (int c = G.FixedCols; c < G.ColCount(); ++c)
        for (int r = G.FixedRows; r < G.RowCount(); ++r) f(c, r);
}

// The values behind every number cell of the edited object.
std::vector<Extended> ObjektWerte(const TZelle& Z) {
    std::vector<Extended> w;
    if (Z.Gitter && Z.ObjektWert) JedeZahlZelle(*Z.Gitter, [&](int c, int r) { w.push_back(Z.ObjektWert(c, r)); });
    return w;
}

bool GleicheWerte(const std::vector<Extended>& a, const std::vector<Extended>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), GleicherWert);
}

// After each of the edit's own steps: what the next comparison starts from.
void EigenenSchrittMerken(const TZelle& Z) {
    TBearbeitungsAnfang& A = Z.Gedaechtnis->Anfang();
    A.Abdruck = SzenenAbdruckNehmen();
    A.Objekt = ObjektWerte(Z);
    Z.Gitter->Geschrieben.reset();
}

// Writes values into the object's cells, each noted behind its text: a cell
// keeps its text where that shows its value, the edited one gets Text back
// where that does. Only inside a GespeicherteZellwerte do they read as noted.
void WerteSchreiben(const TZelle& Z, const std::vector<Extended>& Werte, const std::string& Text) {
    TStringGrid& G = *Z.Gitter;
    std::size_t k = 0;
    JedeZahlZelle(G, [&](int c, int r) {
        if (k >= Werte.size()) return;
        const Extended v = Werte[k++];
        std::string& t = G.Cells(c, r);
        if (c == Z.Spalte && r == Z.Zeile) t = Text;
        if (!ZeigtWert(t, v)) t = ZellText(v);
        ZellwertNotieren(G, c, r, v);
    });
}

// What the program last wrote for the grid cell Z while it was open
// (Geschrieben), if anything.
std::optional<Extended> Geschrieben(const TZelle& Z) {
    const TStringGrid* G = Z.Gitter;
    if (!G || G->Col != Z.Spalte || G->Row != Z.Zeile) return std::nullopt;
    return G->Geschrieben;
}

// The text the cell stands for: its own, or that of what the program last
// wrote for it while it was open, where its own does not show that.
std::string GeschriebenerText(const TZelle& Z) {
    const std::string Text = Z.Lesen();
    const std::optional<Extended> w = Geschrieben(Z);
    return w && !ZeigtWert(Text, *w) ? ZellText(*w) : Text;
}

enum class Fremdes { Nichts, NebenDemObjekt, AmObjekt };

// Whether something else changed the scene, the undo table, the turns or
// the edited object since the edit's last own step: the one place where an
// open edit notices every other action, however it came (another window, a
// load, undo, a turn, a tick). What that action did stays:
// - it left the object alone (NebenDemObjekt): the object still holds the
//   edit's typing, but the state before the edit can no longer come back
//   whole;
// - it changed the object (AmObjekt): the typing before went with it, and
//   the edit starts anew from the object as the action left it.
Fremdes FremdesBemerken(const TZelle& Z) {
    TZellenGedaechtnis& M = *Z.Gedaechtnis;
    if (!Z.Abbrechbar || !M.InBearbeitung(Z.Spalte, Z.Zeile)) return Fremdes::Nichts;
    TBearbeitungsAnfang& A = M.Anfang();
    TSzenenAbdruck Jetzt = SzenenAbdruckNehmen();
    std::vector<Extended> Objekt = ObjektWerte(Z);
    const bool SzeneGleich = Jetzt == A.Abdruck;
    // The object counts as changed whatever its numbers when the action
    // turned with the axes (in the picture every object turns, though the
    // numbers of some stay in the axes' frame; a list emptied or a mode
    // switched turns nothing), or wrote the edited cell itself, as
    // everything does that brings a whole scene back (undo, redo, a load,
    // the store), even with the very numbers and text the edit had typed.
    // An undo or redo always counts, also where it writes no cell of the
    // object (the rotation axis): the redo steps it leaves must not go for
    // the edit's sake.
    const bool MitAchsenGedreht = Jetzt.AchsenDrehschritte != A.Abdruck.AchsenDrehschritte;
    const bool Ueberschrieben = Z.Gitter->Ueberschrieben != A.Ueberschrieben;
    const bool UndoBewegt = Jetzt.UndoModus == 1 && (A.Abdruck.UndoModus != 1 || Jetzt.UndoIndex != A.Abdruck.UndoIndex);
    const bool ObjektGleich = GleicheWerte(Objekt, A.Objekt) && !MitAchsenGedreht && !Ueberschrieben && !UndoBewegt;
    A.Ueberschrieben = Z.Gitter->Ueberschrieben;
    if (ObjektGleich && SzeneGleich) return Fremdes::Nichts;
    A.Stand.reset();
    A.Fremd = ObjektGleich;
    if (!ObjektGleich) {
        // Turned with the axes, the cell keeps the axes' frame, in which a
        // turn changes nothing and writes no cell. What the program last
        // wrote for the cell since the edit's own step (a turn or another
        // window before the turn with the axes) is what it stands for;
        // without such a write the typing went with the turn and still
        // shows the object, unless it is unfinished (a key never gets here
        // in that frame: its question leaves it first).
        const std::string* Letzter = M.Text(Z.Spalte, Z.Zeile);
        if (ZellenImAchsenrahmen() && Geschrieben(Z))
            A.Text = GeschriebenerText(Z);
        else if (ZellenImAchsenrahmen() && IstZahl(Z.Lesen()))
            A.Text = Z.Lesen();
        else if (ZellenImAchsenrahmen() && Letzter)
            A.Text = *Letzter;
        else
            A.Text = Z.ObjektText ? Z.ObjektText() : Z.Lesen();
        A.Basis = Objekt;
        M.Merken(Z.Spalte, Z.Zeile, A.Text);
    }
    A.Abdruck = Jetzt;
    A.Objekt = std::move(Objekt);
    return ObjektGleich ? Fremdes::NebenDemObjekt : Fremdes::AmObjekt;
}

// Every cell of the edited grid shows what the scene holds for its object.
void GitterZeigen(const TZelle& Z) {
    if (!Z.Gitter || !Z.ObjektWert) return;
    TStringGrid& G = *Z.Gitter;
    JedeZahlZelle(G, [&](int c, int r) {
        const Extended v = Z.ObjektWert(c, r);
        std::string& t = G.Cells(c, r);
        if (!ZeigtWert(t, v)) t = ZellText(v);
    });
}

// The user begins to change the cell: its text now is the one to put back
// should the edit fail (a number the program wrote counts, out of the typing
// range or not); without a number, the object's value is.
void BearbeitungBeginnen(const TZelle& Z) {
    TZellenGedaechtnis& M = *Z.Gedaechtnis;
    if (M.InBearbeitung(Z.Spalte, Z.Zeile)) return;
    // A write that left the open editor alone before the first key counts
    // as the cell's text.
    const std::string Vorher = GeschriebenerText(Z);
    if (IstZahl(Vorher))
        M.Merken(Z.Spalte, Z.Zeile, Vorher);
    else
        M.Vergessen(Z.Spalte, Z.Zeile);
    TBearbeitungsAnfang A;
    A.Text = Vorher;
    if (Z.Abbrechbar) {
        A.Basis = ObjektWerte(Z);
        A.Objekt = A.Basis;
        A.Abdruck = SzenenAbdruckNehmen();
        A.Ueberschrieben = Z.Gitter->Ueberschrieben;
    }
    M.Beginnen(Z.Spalte, Z.Zeile, std::move(A));
}

// Before a key changes the cell: the key as it goes in, or nothing.
std::optional<char> VorTaste(const TZelle& Z, char Taste) {
    const std::optional<char> Zeichen = TasteFiltern(Taste);
    if (!Zeichen || !KoordAenderungErlaubt()) return std::nullopt;
    BearbeitungBeginnen(Z);
    return Zeichen;
}

enum class Ausgang { Angewandt, Offen, Unvollstaendig, Zurueck };

// The checks and the apply of a cell whose text the user has changed. Offen:
// unfinished, not applied, the text stays; Unvollstaendig: valid, but another
// cell of the object is not; Zurueck: refused (the text or the object), the
// last valid text was put back.
Ausgang TextAnwenden(const TZelle& Z);

// Each change of the text, typed or pasted, first notices what happened
// since the edit's last step.
Ausgang Anwenden(const TZelle& Z) {
    FremdesBemerken(Z);
    return TextAnwenden(Z);
}

Ausgang TextAnwenden(const TZelle& Z) {
    TZellenGedaechtnis& M = *Z.Gedaechtnis;
    const std::string Text = Z.Lesen();
    switch (Z.Pruefen(Text)) {
        case ZellStand::Unfertig:
            return Ausgang::Offen;
        case ZellStand::Abgelehnt:
            // As after a refused object: the text put back is selected, so
            // the next key starts anew instead of refusing again.
            Ablehnen(Z);
            Zuruecksetzen(Z);
            Z.Markieren();
            return Ausgang::Zurueck;
        case ZellStand::Gueltig:
            break;
    }
    // Another cell still without a number: the object is not whole yet.
    if (!Z.AlleGueltig()) return Ausgang::Unvollstaendig;
    const std::string Grund = Z.Ablehnung ? Z.Ablehnung() : std::string();
    if (!Grund.empty()) {
        // The scene keeps the old object, so the cell shows its text again:
        // grid, picture and reports never disagree. That text is no part of
        // what the user was typing: the next key replaces it (a refused 0 on
        // the way to 0,5 ends as ",5").
        MeldungZeigen(Grund, MeldungsArt::Warnung);
        Zuruecksetzen(Z);
        Z.Markieren();
        return Ausgang::Zurueck;
    }
    const bool Beobachtet = Z.Abbrechbar && M.InBearbeitung(Z.Spalte, Z.Zeile);
    if (Beobachtet && !M.Anfang().Stand && !M.Anfang().Fremd) {
        // The first apply of the edit (or since another action changed its
        // object): what a cancel brings back, taken once the apply's own
        // step out of a turned scene is done.
        DrehungFuerEingabeAufheben();
        M.Anfang().Stand = EingabeStandNehmen();
    }
    ObjektAnwenden(nullptr, Z.Anwenden);
    M.Merken(Z.Spalte, Z.Zeile, Text);
    if (Beobachtet) EigenenSchrittMerken(Z);
    return Ausgang::Angewandt;
}

void Verlassen(const TZelle& Z) {
    TZellenGedaechtnis& M = *Z.Gedaechtnis;
    const std::string Text = Z.Lesen();
    const ZellStand Stand = Z.Pruefen(Text);
    if (!M.InBearbeitung(Z.Spalte, Z.Zeile)) {
        // Not changed by the user: only a text that is no number is mended;
        // the range is the typing's to keep, not the program's. A write
        // that left the open editor alone meanwhile (a turn, another
        // window) still shows now, in whatever frame the cells are.
        if (const std::string t = GeschriebenerText(Z); t != Text) {
            Z.Schreiben(t);
            return;
        }
        if (IstZahl(Text)) return;
        if (Stand == ZellStand::Abgelehnt) Ablehnen(Z);
        Zuruecksetzen(Z);
        return;
    }
    if (FremdesBemerken(Z) == Fremdes::AmObjekt) {
        // Another action changed the object since the last key: what the
        // cell holds is typing that went with it (or the action's own
        // text), so the cell shows the object as the action left it.
        Z.Schreiben(M.Anfang().Text);
        M.Beenden();
        return;
    }
    const std::string* Letzter = M.Text(Z.Spalte, Z.Zeile);
    // Applied as it stands: nothing more to do. Otherwise it ends applied or
    // with its last valid text; a valid text that waits for another cell
    // stays for the apply of the whole object.
    if (!(Stand == ZellStand::Gueltig && Letzter && *Letzter == Text) &&
        Anwenden(Z) == Ausgang::Offen)
        Zuruecksetzen(Z);
    M.Beenden();
}

void Abbrechen(const TZelle& Z) {
    TZellenGedaechtnis& M = *Z.Gedaechtnis;
    if (!M.InBearbeitung(Z.Spalte, Z.Zeile)) {
        Verlassen(Z);  // nothing typed: nothing to take back
        return;
    }
    FremdesBemerken(Z);
    const TBearbeitungsAnfang A = std::move(M.Anfang());
    M.Beenden();
    if (A.Stand) {
        // All since the first apply is the edit's own: the scene, the undo
        // table and the texts come back whole. An object no record holds
        // (the rotation axis) comes back through its cells.
        EingabeStandZurueck(*A.Stand);
        Z.Schreiben(A.Text);
        if (!GleicheWerte(ObjektWerte(Z), A.Basis)) {
            const GespeicherteZellwerte genau;
            WerteSchreiben(Z, A.Basis, A.Text);
            Z.Anwenden();
        }
        NachObjektAenderung();
    } else if (A.Fremd && !GleicheWerte(ObjektWerte(Z), A.Basis)) {
        // Something else happened meanwhile and left the object holding the
        // edit's typing: the text from before the edit goes back into it as
        // a typed value would (after the same question), with a state of
        // its own, so that an undo starts from it. The object is the one it
        // was, to the last digit: the edit's applies read its other cells
        // as their texts too. (No turn with the axes came in between, so
        // the question's step leaves the object as it is.)
        if (KoordAenderungErlaubt()) {
            const GespeicherteZellwerte genau;
            WerteSchreiben(Z, A.Basis, A.Text);
            const std::string Grund = Z.Ablehnung ? Z.Ablehnung() : std::string();
            if (!Grund.empty()) {
                // The object from before fails its own check (a file can
                // bring such a one): it keeps the typing, and so do the cells.
                MeldungZeigen(Grund, MeldungsArt::Warnung);
                GitterZeigen(Z);
            } else if (Z.AlleGueltig()) {
                ObjektAnwenden(nullptr, Z.Anwenden);
            }
        }
    } else {
        Z.Schreiben(A.Text);
    }
    // A cell that held no number when the edit began is mended as on
    // leaving, with the text of the object as it is now.
    if (!IstZahl(Z.Lesen()) && Z.ObjektText) Z.Schreiben(Z.ObjektText());
    M.Merken(Z.Spalte, Z.Zeile, Z.Lesen());
    // The radius and height fields show their current objects, whichever
    // the kept texts were written for.
    FelderNachSzene();
}

TZelle GitterZelle(const TObjektGitter& O, int Spalte, int Zeile) {
    TStringGrid* G = O.Gitter;
    TZelle Z;
    Z.Lesen = [G, Spalte, Zeile] { return G->Cells(Spalte, Zeile); };
    Z.Schreiben = [G, Spalte, Zeile](const std::string& t) { G->Cells(Spalte, Zeile) = t; };
    Z.Markieren = [G] { G->AllesMarkiert = true; };
    Z.Spalte = Spalte;
    Z.Zeile = Zeile;
    Z.Gedaechtnis = O.Gedaechtnis;
    if (O.ObjektWert) Z.ObjektText = [&O, Spalte, Zeile] { return ZellText(O.ObjektWert(Spalte, Zeile)); };
    Z.AlleGueltig = [G] {
        bool alle = true;
        JedeZahlZelle(*G, [&](int c, int r) { alle = alle && IstZahl(G->Cells(c, r)); });
        return alle;
    };
    Z.Ablehnung = O.Ablehnung;
    Z.Anwenden = O.Anwenden;
    Z.Abbrechbar = true;
    Z.Gitter = G;
    Z.ObjektWert = O.ObjektWert;
    return Z;
}

int FeldIndex(const TObjektFelder& O, const TEdit& Feld) {
    for (std::size_t k = 0; k < O.Felder.size(); ++k)
        if (O.Felder[k] == &Feld) return static_cast<int>(k);
    return -1;
}

TZelle FeldZelle(const TObjektFelder& O, TEdit& Feld, int Index) {
    TZelle Z;
    Z.Lesen = [&Feld] { return Feld.Text(); };
    Z.Schreiben = [&Feld](const std::string& t) { Feld.SetTextStill(t); };
    Z.Markieren = [&Feld] { Feld.SelectAll(); };
    Z.Spalte = Index;
    Z.Gedaechtnis = O.Gedaechtnis;
    if (O.ObjektText) Z.ObjektText = [&O, Index] { return O.ObjektText(Index); };
    if (O.Pruefen) Z.Pruefen = O.Pruefen;
    if (!O.PruefMeldung.empty()) Z.Meldung = O.PruefMeldung;
    Z.Art = O.PruefArt;
    Z.AlleGueltig = [&O] {
        for (const TEdit* E : O.Felder)
            if (!IstZahl(E->Text())) return false;
        return true;
    };
    Z.Ablehnung = O.Ablehnung;
    Z.Anwenden = O.Anwenden;
    return Z;
}

void InBearbeitung(TStringGrid& G, int Spalte, int Zeile) {
    G.Col = Spalte;
    G.Row = Zeile;
    G.Bearbeitung = true;
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
    if (!IstZahlZelle(G, G.Col, G.Row)) return std::nullopt;
    const std::optional<char> Zeichen = VorTaste(GitterZelle(O, G.Col, G.Row), Taste);
    if (Zeichen) InBearbeitung(G, G.Col, G.Row);
    return Zeichen;
}

void ZelleGetippt(const TObjektGitter& O, int Spalte, int Zeile, const std::string& Text) {
    if (!O.Gitter || !IstZahlZelle(*O.Gitter, Spalte, Zeile)) return;
    const TZelle Z = GitterZelle(O, Spalte, Zeile);
    BearbeitungBeginnen(Z);
    InBearbeitung(*O.Gitter, Spalte, Zeile);
    O.Gitter->Cells(Spalte, Zeile) = Text;
    Anwenden(Z);
}

void ZelleVerlassen(const TObjektGitter& O, int Spalte, int Zeile) {
    if (!O.Gitter || !IstZahlZelle(*O.Gitter, Spalte, Zeile)) return;
    TStringGrid& G = *O.Gitter;
    const bool Offen = G.Col == Spalte && G.Row == Zeile;
    if (Offen) G.Bearbeitung = false;
    Verlassen(GitterZelle(O, Spalte, Zeile));
    if (Offen) G.Geschrieben.reset();
}

void ZelleAbbrechen(const TObjektGitter& O, int Spalte, int Zeile) {
    if (!O.Gitter || !IstZahlZelle(*O.Gitter, Spalte, Zeile)) return;
    TStringGrid& G = *O.Gitter;
    const bool Offen = G.Col == Spalte && G.Row == Zeile;
    if (Offen) G.Bearbeitung = false;
    Abbrechen(GitterZelle(O, Spalte, Zeile));
    if (Offen) G.Geschrieben.reset();
}

// ---- Number fields ----------------------------------------------------------------------

std::optional<char> FeldTasteGedrueckt(const TObjektFelder& O, TEdit& Feld, char Taste) {
    const int k = FeldIndex(O, Feld);
    if (k < 0) return std::nullopt;
    return VorTaste(FeldZelle(O, Feld, k), Taste);
}

void FeldGetippt(const TObjektFelder& O, TEdit& Feld, const std::string& Text) {
    const int k = FeldIndex(O, Feld);
    if (k < 0) return;
    const TZelle Z = FeldZelle(O, Feld, k);
    BearbeitungBeginnen(Z);
    Feld.SetTextStill(Text);
    Anwenden(Z);
}

void FeldVerlassen(const TObjektFelder& O, TEdit& Feld) {
    const int k = FeldIndex(O, Feld);
    if (k < 0) return;
    Verlassen(FeldZelle(O, Feld, k));
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

void TObjektDialog::ZelleAbbrechen(TStringGrid& G, int Spalte, int Zeile) {
    ::ZelleAbbrechen(ObjektGitter(G), Spalte, Zeile);
}

void GitterAnzeigen(std::initializer_list<TStringGrid*> Gitter, int Akt, bool KoordZeigen) {
    GitterAnzeigen(std::span<TStringGrid* const>(Gitter.begin(), Gitter.size()), Akt, KoordZeigen);
}

void GitterAnzeigen(std::span<TStringGrid* const> Gitter, int Akt, bool KoordZeigen) {
    int Nr = 0;
    for (TStringGrid* G : Gitter) {
        ++Nr;
        G->Visible = KoordZeigen && Nr == Akt;
    }
}
