#pragma once
// The edit protocol shared by every object dialog: what a typed key may put
// into a number cell, when a cell's text counts as unfinished, valid or
// refused, and the chain that applies an object once all its cells are
// valid. Written once here; a dialog only says how its object is checked
// (its refusal, e.g. a null direction vector) and read (reader and derived
// objects).
//
// Events the front reports for a number cell of an object's grid, in the
// order they happen:
//   TasteGedrueckt(grid, key)           before the key changes the text; the
//                                       result is the character to insert, or
//                                       nothing (key dropped). Tab is handled
//                                       here: it leaves the cell and walks on.
//   ZelleGetippt(grid, col, row, text)  after the key: the cell's new text.
//                                       The front reports every change the
//                                       user makes to a cell's text this way
//                                       (also a paste).
//   ZelleVerlassen(grid, col, row)      the user leaves the cell (other
//                                       cell, other control, window closed).
//                                       A cell the user did not change is
//                                       left as it is (only a text that is no
//                                       number is mended).
//   ZelleAbbrechen(grid, col, row)      the user cancels the edit (Escape):
//                                       instead of leaving, the edit's own
//                                       typing is taken back (see below).
// After each event the front shows the grid's cells again: the protocol may
// have put a text back.
//
// Rules, the same in every dialog:
// - Key filter: "." becomes ","; digits, ",", "-" and Backspace pass; every
//   other key is dropped.
// - Before a key changes a coordinate the scene must not be rotated with its
//   axes nor turning: in the mode with axes the dialog asks its own question
//   (AchsenUmstellenFrage) and on Yes goes back to the mode without axes
//   (DrehungenZuruecksetzen); a continuous rotation left then is
//   KoordinatenAenderungVorbereiten's to ask about. On No the key is
//   dropped.
// - Empty, "-" (and "," or "-," before their digits) are unfinished: never
//   applied, no message. Left unfinished, the cell gets its last valid text
//   back, silently, so the grid always holds a whole object.
// - Anything else must be a number strictly between -10001 and 10001; if
//   not, BereichsMeldung is shown and the cell gets its last valid text back
//   (the text it held before this edit or at the last apply).
// - A valid text is applied only when every other number cell of the
//   object's grid holds a number (a dialog never applies half an object) and
//   the object's own check (Ablehnung) has nothing against it. The range is
//   checked only in the cell being typed into: the program itself may write
//   coordinates beyond it (a turned scene, a coordinate form), and those
//   never block an edit of the object. Leaving a cell the user did not
//   change mends only a text that is no number. A refused object is not
//   applied: its message is shown and the cell gets its last valid text back
//   at once, as a refused number does, so the cells always show the object
//   the scene holds. That text is selected (AllesMarkiert): the next key
//   starts the number anew.
// - Applying (ObjektAnwenden): DrehungFuerEingabeAufheben, the object's
//   reader and derived objects, SchnittAngabenSchreiben, SzeneZeichnen
//   (unless NeuZeichnenAus), ErgebnisAusgeben(ErgebnisAuswahl), and one undo
//   state (UndoPunktSetzen).
// - While the user edits a cell, the grid's Bearbeitung flag is set with
//   Col/Row on that cell, so code that writes the grid from the objects
//   (rotation and animation ticks) leaves that cell alone.
// - An edit stays open while the user works elsewhere, so other windows, a
//   load, undo, turns and ticks may change the scene meanwhile. At each
//   apply, on leaving and at the cancel the edit compares the scene, the
//   undo table, the turns and its own object with what its last own step
//   left (TSzenenAbdruck); any difference is another action's, and stays.
//   Its object counts as changed when its numbers changed, when a step
//   turned with the axes (a list emptied or a mode switched turns nothing),
//   when the program wrote the open cell (whatever the text), and after an
//   undo or redo.
//   Escape then takes back:
//   - nothing else happened: everything, exactly as before the edit (the
//     scene, the undo table with its redo steps, the texts). Where the
//     first key stopped a turn or undid the rotations, "before" is right
//     after that step;
//   - something else happened and left the edited object as the edit had
//     it: the cell's text from before the edit goes back into the object,
//     as a typed value would, with one undo state;
//   - something else changed the edited object: the typing before that
//     went with it, and only the keys typed since are taken back (exactly,
//     as in the first case); with none typed since, nothing changes.
//   Afterwards every cell and field shows what the scene holds. Turned
//   with the axes, the cells keep the axes' frame: the edited cell then
//   shows what the program last wrote for it while it was open (which a
//   write that left the typing alone keeps, Geschrieben), or, with no such
//   write since the edit's last own step, the typing that went with the
//   turn. An editor closed without a key shows such a write as well.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

#include "forms/Speichermenue.h"
#include "platform/Komponenten.h"
#include "platform/Oberflaeche.h"
#include "scene/Datensatz.h"

inline constexpr char TasteBackspace = '\b';
inline constexpr char TasteTab = '\t';

// The message of a refused cell.
inline constexpr const char* BereichsMeldung =
    "Geben Sie bitte nur Zahlen z ein mit\n-10001 < z < 10001 !";

// The dialogs' own question before a coordinate changes in the mode with
// axes.
inline constexpr const char* AchsenUmstellenFrage =
    "Vorsicht!\n\nZum Ändern der Koordinaten ist vorher auf 'Drehen ohne Achsen' "
    "umzustellen!\nSoll diese Umstellung für Sie jetzt durchgeführt werden?";

// The message of a refused radius, height or length.
inline constexpr const char* Betrag10000Meldung = "Gib bitte nur Zahlen z mit\nz < 10 000   ein!";

// ---- Building blocks ---------------------------------------------------------------
// For number fields that are not grid cells (edit fields of the plane's
// coordinate form, the rotation axis, ...) the same rules are built from
// these.

// The key filter of every number cell and number field.
std::optional<char> TasteFiltern(char Taste);

enum class ZellStand {
    Gueltig,    // a number strictly between -10001 and 10001
    Unfertig,   // "", "-", "," or "-,": the user is still typing
    Abgelehnt,  // anything else
};
// Judges a cell text; shows nothing.
ZellStand ZellTextPruefen(const std::string& Text);
// The same for a magnitude field (radius, height, step): valid when
// |v| < n, unfinished as a cell.
ZellStand BetragTextPruefen(const std::string& Text, int n);

// Before the user changes a coordinate: asks to leave the rotated state
// when the scene is rotated with its axes (AchsenUmstellenFrage) or turning
// (KoordinatenAenderungVorbereiten). True when the change may go on.
bool KoordAenderungErlaubt();

// The object's own check: the message that refuses it, or "" when it may be
// applied. Runs only when every number of the object is valid.
using TAblehnung = std::function<std::string()>;

// The apply chain of one object: nothing when Ablehnung (may be empty)
// refuses it (the caller shows the message); otherwise Anwenden reads the
// object and recomputes what derives from it, and the chain runs the common
// steps listed above. True when applied.
bool ObjektAnwenden(const TAblehnung& Ablehnung, const std::function<void()>& Anwenden);
// The part of the chain that also ends every animation tick, after the
// object and what derives from it are recomputed: SchnittAngabenSchreiben,
// SzeneZeichnen (unless NeuZeichnenAus) and ErgebnisAusgeben(ErgebnisAuswahl).
void NachObjektAenderung();

// ---- Grid cells ----------------------------------------------------------------------

// What a cancel of a cell's edit goes back to, from its start or from the
// last change another action made to the edited object: the cell's text
// then and the object's values it belongs to (Basis); the scene and undo
// table before the first apply since (Stand, none while nothing was
// applied); whether something else changed the scene since while leaving
// the object alone (Fremd: nothing comes back whole any more); and what
// the edit's last own step left (Abdruck, Objekt, the grid's count of
// writes of the open cell), to notice the next change that is not its own.
struct TBearbeitungsAnfang {
    std::string Text;
    std::vector<Extended> Basis;
    std::shared_ptr<const TEingabeStand> Stand;
    bool Fremd = false;
    long Ueberschrieben = 0;  // the grid's count of writes of the open cell then
    TSzenenAbdruck Abdruck;
    std::vector<Extended> Objekt;
};

// The last valid text of each cell of one grid, and which cell is being
// edited. Owned by the dialog beside the grid, so it lives and is reset
// with the dialog.
class TZellenGedaechtnis {
public:
    // nullptr when no valid text of that cell is known.
    const std::string* Text(int Spalte, int Zeile) const;
    void Merken(int Spalte, int Zeile, const std::string& Text);
    void Vergessen(int Spalte, int Zeile) { texte_.erase({Spalte, Zeile}); }
    void Vergessen() {
        texte_.clear();
        Beenden();
    }

    // The edit of a cell: begins with its first key (or change), ends when
    // it is left or cancelled.
    bool InBearbeitung(int Spalte, int Zeile) const {
        return bearbeitet_ && *bearbeitet_ == std::make_pair(Spalte, Zeile);
    }
    void Beginnen(int Spalte, int Zeile, TBearbeitungsAnfang Anfang = {}) {
        bearbeitet_ = std::make_pair(Spalte, Zeile);
        anfang_ = std::move(Anfang);
    }
    void Beenden() {
        bearbeitet_.reset();
        anfang_ = {};
    }
    TBearbeitungsAnfang& Anfang() { return anfang_; }

private:
    std::map<std::pair<int, int>, std::string> texte_;
    std::optional<std::pair<int, int>> bearbeitet_;
    TBearbeitungsAnfang anfang_;
};

// One object's grid as the protocol needs it.
struct TObjektGitter {
    TStringGrid* Gitter = nullptr;  // nullptr: no object grid
    TZellenGedaechtnis* Gedaechtnis = nullptr;  // required
    // The object's refusal; may be empty.
    TAblehnung Ablehnung;
    // Reader and derived objects of the object.
    std::function<void()> Anwenden;
    // The object's value behind a number cell; its text (ZellText) is put
    // back when no valid text of the cell is known yet.
    std::function<Extended(int Spalte, int Zeile)> ObjektWert;
};

// The number cells of a grid: column >= FixedCols and row >= FixedRows.
bool IstZahlZelle(const TStringGrid& G, int Spalte, int Zeile);

// The three events of the grid's current cell (see above).
std::optional<char> TasteGedrueckt(const TObjektGitter& O, char Taste);
void ZelleGetippt(const TObjektGitter& O, int Spalte, int Zeile, const std::string& Text);
void ZelleVerlassen(const TObjektGitter& O, int Spalte, int Zeile);
void ZelleAbbrechen(const TObjektGitter& O, int Spalte, int Zeile);

// ---- Number fields ----------------------------------------------------------------------
// The same protocol for an object whose numbers sit in edit fields (the
// coordinate and normal form of a plane). The protocol writes the fields
// with SetTextStill: their OnChange is not the user's typing. Tab is the
// front's focus move: it ends in FeldVerlassen.

struct TObjektFelder {
    std::vector<TEdit*> Felder;  // all number fields of the object
    TZellenGedaechtnis* Gedaechtnis = nullptr;  // required; field k is cell (k, 0)
    TAblehnung Ablehnung;
    std::function<void()> Anwenden;
    std::function<std::string(int Index)> ObjektText;  // Index into Felder
    // The check of a field's text; empty: that of a coordinate cell. A
    // refused text shows PruefMeldung ("" : BereichsMeldung) as PruefArt.
    std::function<ZellStand(const std::string&)> Pruefen;
    std::string PruefMeldung;
    MeldungsArt PruefArt = MeldungsArt::Warnung;
};

std::optional<char> FeldTasteGedrueckt(const TObjektFelder& O, TEdit& Feld, char Taste);
void FeldGetippt(const TObjektFelder& O, TEdit& Feld, const std::string& Text);
void FeldVerlassen(const TObjektFelder& O, TEdit& Feld);

// ---- Object dialogs -----------------------------------------------------------------

// Base of the dialogs that show object grids. A dialog says which object a
// grid belongs to; the front calls the three events with the grid. A dialog
// keeps one TZellenGedaechtnis per grid and answers, e.g. for sphere i:
//   O.Gitter = &G; O.Gedaechtnis = &Gedaechtnis[i];
//   O.Ablehnung = ...;                       // "" when nothing refuses it
//   O.Anwenden = [i] { KugelBerechnen(i); };  // reader and derived objects
//   O.ObjektWert = [i](int c, int r) { return ...; };
struct TObjektDialog : TFormZustand {
    // The protocol of grid G (Gitter nullptr when G is no object grid of
    // this dialog).
    virtual TObjektGitter ObjektGitter(TStringGrid& G) = 0;

    std::optional<char> TasteGedrueckt(TStringGrid& G, char Taste);
    void ZelleGetippt(TStringGrid& G, int Spalte, int Zeile, const std::string& Text);
    void ZelleVerlassen(TStringGrid& G, int Spalte, int Zeile);
    void ZelleAbbrechen(TStringGrid& G, int Spalte, int Zeile);
    // The cell of G the user is editing is left, as when the focus moves to
    // another control of the dialog.
    void OffeneZelleVerlassen(TStringGrid& G);

    // The popup of the object grids' columns: vector memory and calculator
    // (control/Einfuegen.cpp). A right click on column Spalte of G sets its
    // target; false when that is no number column of an object grid.
    TSpeicherMenue PopupMenu_InSpeicher;
    bool SpalteGewaehlt(TStringGrid& G, int Spalte);
    void BerechnEinfuegenClick();
};

// Leaving a cell runs the edit chain, which lies above the windows' state:
// set at start-up.
inline void (*OffeneZelleSchliessen)(TObjektDialog& D, TStringGrid& G) = nullptr;

inline void TObjektDialog::OffeneZelleVerlassen(TStringGrid& G) {
    if (G.Bearbeitung && OffeneZelleSchliessen) OffeneZelleSchliessen(*this, G);
}

// Display rule: only the grid of the current object (Akt, from 1) is
// visible, and none while the coordinates of the kind are locked. Hidden
// grids keep their texts.
void GitterAnzeigen(std::span<TStringGrid* const> Gitter, int Akt, bool KoordZeigen);
void GitterAnzeigen(std::initializer_list<TStringGrid*> Gitter, int Akt, bool KoordZeigen);
