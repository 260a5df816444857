#pragma once
// The object-data calculator " Rechnen mit Objektdaten": it picks values of
// the live scene from the object buttons' popup menus into a register or a
// memory slot chosen beforehand, computes with its vector and length
// registers, and hands the vector "Ergebnis" back to the dialog or tool that
// opened it. It never changes a drawn object; only the scratch plane E3 is
// overwritten by the sphere-sphere and polar entries.

#include <functional>
#include <optional>
#include <string>

#include "forms/Speicher.h"
#include "geometry/Vektor.h"
#include "platform/Komponenten.h"

// ---- Registers and flags (unit-level, kept for the whole run) ---------------------
inline TVek_R3 RechenVektor1, RechenVektor2, RechenVektor3;  // "Vektor 1".."Vektor 3"
inline TVek_R3 ErgebnisVektor;                               // "Ergebnis", handed back
inline Extended Laenge1 = 0, Laenge2 = 0, Laenge = 1;         // "Länge 1", "Länge 2", "Länge"
// Targets of picked vectors (1..10, the items of RadioGroup1) and lengths
// (1..3, RadioGroup2).
inline Byte VektorZiel = 8, LaengenZiel = 3;
// The window was closed with its take-over button.
inline bool ErgebnisUebernommen = false;
// The window was opened from the main window: nothing is handed back.
inline bool ObjekteDatenVomHauptfenster = false;

// The object buttons in their eight columns, top to bottom.
enum class TRechenArt : Byte { Gerade, Ebene, Spat, Vektor, Strecke, Punkt, Kugel, Kegel };
struct TRechenObjekt {
    TRechenArt Art;
    int Nr;            // the instance: Gerade[Nr], Ebene[Nr], ...
    const char* Name;  // the button's caption
};
inline constexpr TRechenObjekt RechenObjekte[] = {
    {TRechenArt::Gerade, 1, "g"},    {TRechenArt::Gerade, 2, "h"},    {TRechenArt::Gerade, 3, "t"},
    {TRechenArt::Ebene, 1, "E1"},    {TRechenArt::Ebene, 2, "E2"},
    {TRechenArt::Spat, 1, "SP1"},    {TRechenArt::Spat, 2, "SP2"},    {TRechenArt::Spat, 3, "SP3"},
    {TRechenArt::Spat, 4, "SP4"},    {TRechenArt::Vektor, 1, "V1"},   {TRechenArt::Vektor, 2, "V2"},
    {TRechenArt::Vektor, 3, "V3"},   {TRechenArt::Vektor, 4, "V4"},   {TRechenArt::Strecke, 1, "S1"},
    {TRechenArt::Strecke, 2, "S2"},  {TRechenArt::Strecke, 3, "S3"},  {TRechenArt::Strecke, 4, "S4"},
    {TRechenArt::Punkt, 1, "P1"},    {TRechenArt::Punkt, 2, "P2"},    {TRechenArt::Punkt, 3, "P3"},
    {TRechenArt::Punkt, 4, "P4"},    {TRechenArt::Kugel, 1, "K1"},    {TRechenArt::Kugel, 2, "K2"},
    {TRechenArt::Kugel, 3, "K3"},    {TRechenArt::Kugel, 4, "K4"},    {TRechenArt::Kegel, 1, "Ke1"},
    {TRechenArt::Kegel, 2, "Ke2"},   {TRechenArt::Kegel, 3, "Ke3"},   {TRechenArt::Kegel, 4, "Ke4"},
};
inline constexpr int RechenObjektAnzahl = static_cast<int>(sizeof(RechenObjekte) / sizeof(RechenObjekte[0]));

inline constexpr const char* DatenfensterGesperrtMeldung =
    "Das Datenfenster kann nur geöffnet werden, wenn die Koordinatenanzeige\n"
    "zu allen Objekten erlaubt ist.\n"
    "Die Anzeige von Koordinaten wird unter 'Einstellungen/Koordinaten' geregelt.";

struct TForm_ObjekteDaten : TFormZustand {
    TForm_ObjekteDaten();  // captions and items; FormCreate adds the menus and actions

    // Object button i (1..RechenObjektAnzahl, order of RechenObjekte) and
    // the popup menu it shows.
    TFeld<TButton, 1, RechenObjektAnzahl> ObjektKnopf;
    TFeld<TPopupMenu, 1, RechenObjektAnzahl> PopupMenu;

    TRadioGroup RadioGroup1;  // vector target, items "Speicher 1" .. "Ergebn (Ergebn-Wahl)"
    TRadioGroup RadioGroup2;  // length target, "Länge 1", "Länge 2", "Länge"

    // Register edits; Ergebnis shows in read-only panels.
    TEdit V1x, V1y, V1z, V2x, V2y, V2z, V3x, V3y, V3z;
    TEdit Edit_Laenge1, Edit_Laenge2, Edit_Laenge;
    TPanel Ergx, Ergy, Ergz;

    // Arithmetic on the registers; each delivers to the chosen target.
    TButton V1NachSpeicher, V2NachSpeicher, V3NachSpeicher, But_ErgInSpeicher;
    TButton But_V1MinV2, But_V2MinV1, But_V1MinV3, But_V3MinV1, But_V2MinV3, But_V3MinV2;
    TButton But_V1PlusV2, But_V1PlusV3, But_V2PlusV3, Button2;
    TButton But_OrthV1, But_OrthV2, But_OrthV3, But_OrthErg;
    TButton But_OrthV1V2, But_OrthV1V3, But_OrthV2V3;
    TButton But_V1xLaenge, But_V2xLaenge, But_V3xLaenge, ErgxLaenge;
    TButton But_LaengeV1AufLaenge, But_V2AufLaenge, But_V3AufLaenge, But_ErgAufLaenge;
    TButton But_LaengeV1, But_LaengeV2, But_LaengeErg;
    TButton But_L1PlusL2, But_L1MinL2, But_L2MinL1, But_L1MalL2, But_L1DivL2, But_L2DurchL1;

    TBitBtn BitBtn1;  // take over ("Ergebnis übernehmen", or "Ok" from the main window)
    TBitBtn BitBtn2;  // "Abbrechen"
    TButton Button1;  // never visible: h becomes the perpendicular from P1 on g

    // A dialog asked for the calculator while it was open without blocking:
    // "Ok" hands the result back to it (ObjekteDatenEinfuegen).
    std::function<void(const TSpeicherVektor&)> Rueckgabe;

    // Edit i (1..9 the vector edits V1x..V3z, 10..12 Edit_Laenge1, Edit_Laenge2,
    // Edit_Laenge) and the register it shows.
    TEdit& RegisterFeld(int i);
    Extended& RegisterWert(int i);

    void FormCreate();
    void FormActivate();
    void FormClose();
    void BitBtn1Click();
    void BitBtn2Click();
    void RadioGroup1Click();
    void RadioGroup2Click();
    // Register edits: a key typed into edit i (the number fields' filter
    // on V1x only, every other edit takes any key); the edit's text into
    // its register when it converts; the check when the edit is left.
    std::optional<char> RegisterTaste(int i, char Taste);
    void RegisterChange(int i);
    void RegisterExit(int i);
    void Button1Click();
};

inline TForm_ObjekteDaten Form_ObjekteDaten;

// Registers, targets and flags to their start values.
void ObjekteDatenNullen();

// Delivers a picked vector or point to the target VektorZiel (memory slot,
// register edit, or Ergebnis), a length to LaengenZiel. A value that is not
// finite is refused with a message and delivers nothing.
void VektorAusgeben(TVek_R3 v);
void LaengeAusgeben(Extended l);

// The calculator for a window that pastes what it hands back: refused while
// the coordinates lock is on; otherwise shown modally, and after "Ergebnis
// übernehmen" entry 0 of VektorSpeicher := Ergebnis (general format, each
// text at most 18 characters) and Einfuegen(entry 0). When the calculator is
// open without blocking already, it comes to the front and its "Ok" hands
// back instead.
void ObjekteDatenEinfuegen(std::function<void(const TSpeicherVektor&)> Einfuegen);
// Opens the calculator without blocking, for the main window.
void ObjekteDatenZeigen();
