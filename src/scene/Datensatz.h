#pragma once
// The two object data records and the two colour-set records: the values
// they hold, their exact byte layout in files, and the tables that keep them
// (file buffers, preset, undo states, object store, colour sets).
//
// The structs hold values; the byte layout exists only in the field table
// below, which InBytes/AusBytes follow to put every field at its fixed
// offset. Numbers are 10-byte
// little-endian x87 extended floats, colours 4-byte little-endian $00BBGGRR.
// Whole-number attributes are kept as Extended, as the file holds them, so
// a record read from a file goes back out unchanged.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "geometry/Vektor.h"
#include "platform/Typen.h"
#include "scene/DrehZustand.h"
#include "scene/Speicherzustand.h"

inline constexpr std::size_t DatensatzGroesse = 1704;   // one object data record
inline constexpr std::size_t FarbsetGroesse = 120;      // one colour-set record
using TDatensatzBytes = std::array<std::uint8_t, DatensatzGroesse>;
using TFarbsetBytes = std::array<std::uint8_t, FarbsetGroesse>;

// ---- 10-byte extended floats -----------------------------------------------

// b[0..9] := v as x87 double-extended, little-endian: 64-bit significand with
// explicit integer bit in bytes 0..7, 15-bit biased exponent and sign in 8..9.
// Zero, denormals, infinities keep their value and sign; every NaN becomes
// the quiet NaN of its sign.
void ExtendedZuBytes(Extended v, std::uint8_t* b);
// The value of b[0..9]. Encodings the x87 refuses as operands (unnormals,
// pseudo-infinities, pseudo-NaNs) read as NaN; pseudo-denormals read as the
// value the x87 gives them.
Extended BytesZuExtended(const std::uint8_t* b);

// ---- Record 1: geometry ------------------------------------------------------

struct TSpatDaten {
    TVek_R3 A, AB, AD, AE;
    bool operator==(const TSpatDaten&) const = default;
};
struct TVektorDaten {
    TVek_R3 Anfang, Vektor;   // start point and the vector itself (not its tip)
    bool operator==(const TVektorDaten&) const = default;
};
struct TStreckeDaten {
    TVek_R3 A, B;
    bool operator==(const TStreckeDaten&) const = default;
};

struct TObjektDatensatz {
    TVek_R3 gStuetz, gRichtung;                    // slot 0, 1
    TVek_R3 hStuetz, hRichtung;                    // 2, 3
    TVek_R3 tStuetz, tRichtung;                    // 4, 5
    TVek_R3 E1Stuetz, E1Richtung1, E1Richtung2;    // 6..8
    TVek_R3 E2Stuetz, E2Richtung1, E2Richtung2;    // 9..11
    TFeld<TSpatDaten, 1, 4> Spat;                  // byte 384 + 128(i-1)
    TFeld<TVektorDaten, 1, 4> Vektor;              // 896 + 64(i-1)
    TFeld<TStreckeDaten, 1, 4> Strecke;            // 1152 + 64(i-1)
    TFeld<TVek_R3, 1, 4> Punkt;                    // 1408 + 32(i-1)
    TFeld<TVek_R3, 1, 4> KugelMitte;               // 1536 + 32(i-1)
    TFeld<Extended, 1, 4> KugelRadius;             // 1664 + 10(i-1), packed
    bool operator==(const TObjektDatensatz&) const = default;
};

// ---- Record 2: crosshair, cones, attributes ---------------------------------

struct TKegelDaten {
    TVek_R3 Mitte, Normale;          // byte 32 + 96(i-1), 64 + 96(i-1)
    Extended Radius = 0;             // 96 + 96(i-1)
    Extended Speichen = 0;           // 106 + 96(i-1)
    Extended Randdicke = 0;          // 116 + 96(i-1)
    bool operator==(const TKegelDaten&) const = default;
};

// Pen widths, counts, style indexes (0 solid, 1 dotted) and flags (stored
// inverted: 0 on, 1 off) as the extended floats of those whole numbers.
struct TObjektDatensatz2 {
    TVek_R3 FadenkreuzMitte;                       // byte 0
    TFeld<TKegelDaten, 1, 4> Kegel;
    TFeld<Extended, 1, 4> KegelHoehe;              // 416, 426, 436, 448
    TFeld<Extended, 1, 2> EbeneStiftbreite;
    TFeld<Extended, 1, 3> GeradeStiftbreite;
    TFeld<Extended, 1, 4> SpatStiftbreite, VektorStiftbreite, StreckeStiftbreite,
        PunktStiftbreite;
    TFeld<Extended, 1, 4> KugelBreitenkreise, KugelLaengenkreise;
    TFeld<Extended, 1, 3> GeradeStil;
    TFeld<Extended, 1, 2> EbeneStil;
    TFeld<Extended, 1, 4> SpatStil, VektorStil, StreckeStil, KugelStil, KegelStil;
    Extended FadenkreuzStil = 0;                   // 1034
    TFeld<Extended, 1, 3> GeradeSichtbar;
    TFeld<Extended, 1, 2> EbeneSichtbar;
    TFeld<Extended, 1, 4> SpatSichtbar, VektorSichtbar, StreckeSichtbar, PunktSichtbar,
        KugelSichtbar, KegelSichtbar;
    Extended FadenkreuzSichtbar = 0;               // 1364
    TFeld<Extended, 1, 4> SpatErzeugende;
    TFeld<Extended, 1, 4> PunktFadenkreuz;         // 1418, 1428, 1440, 1460
    Extended FadenkreuzSchrittweite = 0;           // 1472
    bool operator==(const TObjektDatensatz2&) const = default;
};

// ---- Colour sets -----------------------------------------------------------

// Colour n at byte 4(n-1): 1..3 g, h, t; 4, 5 E1, E2; 6 sg; 7 support
// vectors; 8 background; 9 axes; 10 grid walls of the axes cuboid;
// 11..14 Spat 1..4; 15..18 V1..V4; 19..22 S1..S4; 23..26 P1..P4; 27..30 K1..K4.
struct TFarbset {
    TFeld<TColor, 1, 30> Farben;
    bool operator==(const TFarbset&) const = default;
};

// Bytes 0..19: crosshair, Ke1..Ke4; the rest of the record is unused.
struct TFarbset2 {
    TColor FadenkreuzFarbe = 0;
    TFeld<TColor, 1, 4> KegelFarbe;
    bool operator==(const TFarbset2&) const = default;
};

// ---- The field table -----------------------------------------------------------
// Every value of both records, once: where it lies in the record's bytes,
// what a file may hold in it, where the scene keeps it and which grid
// column shows it. The byte layout, the filling from the scene, the way
// back into the dialogs and the check of a loaded file all walk these
// lists, so a field cannot be added to one of them and missed by another.

// What a file may hold in a number.
enum class TWertArt : Byte {
    Zahl,            // any finite value within the files' bound
    Speichen,        // 3, 4, 5, 6, 10, 12, 15, 20, 30 or 60
    Randdicke,       // 1..12
    Breitenkreise,   // 24, 12, 8, 6 or 4
    Laengenkreise,   // 24, 12, 8 or 4
    Stiftbreite,     // 1..4
    Index,           // 0 or 1: a style index or an inverted flag
};

// The dialog grid that shows a vector: the object's grid (Nr), the column,
// and the row of x (y and z below it).
enum class TGitterArt : Byte { Geraden, Ebenen, Spate, Vektoren, Strecken, Punkte, Kugeln, Kegel, Fadenkreuz };
struct TZellenOrt {
    TGitterArt Gitter;
    int Nr, Spalte, Zeile;
};

template <class Satz>
struct TVektorfeld {
    std::size_t Offset;                  // x; y and z follow at +10, +20
    int Nr;                              // the object's number
    TVek_R3& (*ImSatz)(Satz&, int Nr);
    TVek_R3& (*InSzene)(int Nr);         // where the scene keeps it
    TZellenOrt Zelle;
    bool Kegelteil;                      // kept by undo and the object store
    const TVek_R3& Wert(const Satz& d) const { return ImSatz(const_cast<Satz&>(d), Nr); }
};

template <class Satz>
struct TZahlfeld {
    std::size_t Offset;
    int Nr;
    Extended& (*ImSatz)(Satz&, int Nr);
    TWertArt Art;
    Extended (*AusSzene)(int Nr);        // the value the scene gives the file
    void (*InSzene)(int Nr, Extended);   // back into the scene; a whole-number
                                         // attribute rounded into its type
    bool Kegelteil;
    Extended Wert(const Satz& d) const { return ImSatz(const_cast<Satz&>(d), Nr); }
};

const std::vector<TVektorfeld<TObjektDatensatz>>& Vektorfelder1();
const std::vector<TZahlfeld<TObjektDatensatz>>& Zahlfelder1();
const std::vector<TVektorfeld<TObjektDatensatz2>>& Vektorfelder2();
const std::vector<TZahlfeld<TObjektDatensatz2>>& Zahlfelder2();

// ---- Byte layout -------------------------------------------------------------
// Writing starts from a zeroed buffer: filler and unused bytes are 0. Reading
// ignores them.

TDatensatzBytes InBytes(const TObjektDatensatz& d);
TDatensatzBytes InBytes(const TObjektDatensatz2& d);
TFarbsetBytes InBytes(const TFarbset& f);
TFarbsetBytes InBytes(const TFarbset2& f);
void AusBytes(const TDatensatzBytes& b, TObjektDatensatz& d);
void AusBytes(const TDatensatzBytes& b, TObjektDatensatz2& d);
void AusBytes(const TFarbsetBytes& b, TFarbset& f);
void AusBytes(const TFarbsetBytes& b, TFarbset2& f);

// ---- Tables ------------------------------------------------------------------

// 0 = buffer of the object-data file, 1 = preset "Objektdatensatz1 (Vorgabe)",
// 2 = unused.
inline TFeld<TObjektDatensatz, 0, 2> Objektdatensaetze;
inline TFeld<TObjektDatensatz2, 0, 2> Objektdatensaetze2;
// Undo states: record 1 whole, of record 2 only the cone part (crosshair
// centre, cone centres, normals, radii and heights).
inline TFeld<TObjektDatensatz, 0, 60> UndoDaten;
inline TFeld<TObjektDatensatz2, 0, 60> UndoKegelDaten;
// The object store, halves as above.
inline TObjektDatensatz ObjektSpeicher;
inline TObjektDatensatz2 ObjektSpeicherKegel;
// 0 = buffer of the colour-set file, 1..5 = the preset colour sets.
inline TFeld<TFarbset, 0, 5> Farbsets;
inline TFeld<TFarbset2, 0, 5> Farbsets2;

// What a cancelled cell edit brings back whole (control/DatenInDialoge):
// the scene's geometry as an undo state keeps it, the undo table with its
// count, index and mode, and the texts of the object cells and fields, in
// the order the restore writes them.
struct TEingabeStand {
    TObjektDatensatz Daten;
    TObjektDatensatz2 Kegel;
    TFeld<TObjektDatensatz, 0, 60> UndoDaten;
    TFeld<TObjektDatensatz2, 0, 60> UndoKegelDaten;
    TFeld<TDrehstreckenStand, 0, 60> UndoDrehstrecken;
    int UndoAnzahl = 0, UndoIndex = 0, UndoModus = 0;
    long UndoAenderungen = 0;
    std::vector<std::optional<std::string>> Texte;  // none: a cell another edit held open
};

// What an open cell edit compares to notice that something else changed the
// scene, the undo table or the turns since its own last step
// (control/DatenInDialoge): record 1 and the cone part as bytes, every
// counter of the undo table, the recorded turns with their angles, and the
// steps turned with the axes.
struct TSzenenAbdruck {
    TDatensatzBytes Satz1{}, Kegelteil{};
    long UndoAenderungen = 0;
    int UndoAnzahl = 0, UndoIndex = 0, UndoModus = 0;
    int DrehAnzahl = 0;
    long AchsenDrehschritte = 0;
    TFeld<TDrehung, 1, 20> Drehungen;
    bool operator==(const TSzenenAbdruck&) const = default;
};

// Every table above back to zero.
void DatensaetzeNullen();

// ---- Filling from the scene objects -------------------------------------------
// Plain copies of the fixed instances; nothing is computed or checked.

TObjektDatensatz DatensatzAusObjekten();
// Every field of record 2, with FadenkreuzSchrittweite.
TObjektDatensatz2 Datensatz2AusObjekten();
// The cone part (crosshair centre; each cone's centre, normal and radius;
// the four heights) from the objects into d, leaving the rest of d.
void KegelteilAusObjekten(TObjektDatensatz2& d);

void ObjektdatenSatzFuellen();          // Objektdatensaetze[0]
void ObjektdatenKegelSatzFuellen();     // Objektdatensaetze2[0], whole record 2
void UndoDatenSichern(Byte N);          // UndoDaten[N], N in 0..60
void UndoKegelSichern(Byte N);          // cone part of UndoKegelDaten[N]
void SpeicherDatenSichern();            // ObjektSpeicher
void SpeicherKegelSichern();            // cone part of ObjektSpeicherKegel
