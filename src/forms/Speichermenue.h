#pragma once
// The memory popup of a window's columns (a vector in three number cells or
// fields): copy the column into "Speicher 1".."4" of the vector memory, paste
// one of them into it, copy or paste a whole matrix (windows whose columns
// form one), and compute a vector in the object-data calculator and paste it
// there. Every right click on a column sets the popup's target and fills the
// transfer slot (Oeffnen); before the first one a paste does nothing. The
// window says with each click which groups the column offers.

#include <functional>
#include <string>

#include "forms/Speicher.h"
#include "platform/Komponenten.h"

// One column as the popup sees it.
struct TSpaltenZiel {
    // Its three texts (x, y, z).
    std::function<TSpeicherVektor()> Lesen;
    // The window's paste routine with its own checks. Empty: the column
    // takes nothing, and the paste group and the calculator are hidden.
    std::function<void(const TSpeicherVektor&)> Einfuegen;
    // Pastes matrix slot k (1..3) into the window's matrix. Empty: both
    // whole-matrix groups are hidden. The window fills slot 0 itself.
    std::function<void(int k)> MatrixEinfuegen;
    // The window's matrix may be copied although none is pasted here.
    bool MatrixKopieren = false;
    // The calculator is offered although nothing is pasted here: it then
    // only fills the transfer slot.
    bool Rechner = false;
};

// The captions that differ by window (the blanks inside them belong to
// the captions).
struct TSpeicherMenueTexte {
    const char* SpalteKopieren = "Den Inhalt dieser Spalte in einen Speicher   kopieren";
    const char* SpalteEinfuegen = "In diese Spalte den Inhalt eines Speichers   einfügen";
    const char* MatrixKopieren = "Die ganze Matrix in einen Speicher   kopieren";
    const char* MatrixEinfuegen = "Eine ganze Matrix aus einem Speicher   einfügen";
    const char* In = "in Speicher ";    // followed by 1..4
    const char* Aus = "aus Speicher ";  // followed by 1..4
};

inline constexpr TSpeicherMenueTexte LGSMenueTexte{
    .SpalteEinfuegen = "In diese Spalte den Inhalt eines Speichers       einfügen"};
inline constexpr TSpeicherMenueTexte VektSummeMenueTexte{
    .SpalteKopieren = "Die Koordinaten dieses Vektors  in einen Speicher   kopieren",
    .SpalteEinfuegen = "Diese Vektor- (Punkt-) Koordinaten durch die eines Speichers ersetzen",
    .MatrixKopieren = "Die Koordinaten zu v1, v2, v3 insgesamt als Matrix in einen Speicher   kopieren",
    .MatrixEinfuegen = "In die Zellen zu v1, v2, v3 den Inhalt eines Matrix-Speichers   einfügen"};
inline constexpr TSpeicherMenueTexte VektProdMenueTexte{
    .MatrixKopieren = "Die 3 Vektoren als 3x3-Matrix in einen Speicher   kopieren",
    .MatrixEinfuegen = "Die 3 Vektoren durch Spalten einer Matrix ersetzen",
    .In = " in Speicher ",
    .Aus = " aus Speicher "};

inline constexpr const char* BerechnEinfuegenText = "Vektor (Punkt) berechnen und einfügen";

struct TSpeicherMenue {
    explicit TSpeicherMenue(const TSpeicherMenueTexte& T = {});

    // The groups top to bottom, each a submenu: SpalteKopieren,
    // SpalteEinfuegen, a separator, MatrixKopieren, MatrixEinfuegen, a
    // separator, and the calculator item BerechnEinfuegen.
    TPopupMenu Menue;
    enum Gruppe { SpalteKopieren = 0, SpalteEinfuegen = 1, MatrixKopieren = 3, MatrixEinfuegen = 4,
                  BerechnEinfuegen = 6 };
    TMenuItem& Punkt(Gruppe g) { return Menue.Items[static_cast<std::size_t>(g)]; }

    bool ZielGesetzt() const { return static_cast<bool>(ziel_.Lesen); }

    // Right click on a column: entry 0 of VektorSpeicher := its texts (a
    // number too long for 18 characters written shorter), the target := Z,
    // the groups shown as Z offers them.
    void Oeffnen(TSpaltenZiel Z);
    void InSpeicherClick(int k);        // entry k (1..4) := entry 0
    void AusSpeicherClick(int k);       // entry k (0..4) pasted into the target
    void InMatrixSpeicherClick(int k);  // matrix slot k (1..3) := slot 0
    void AusMatrixSpeicherClick(int k);
    // The calculator, shown modally; the vector it hands back goes through
    // the transfer slot into the target (ObjekteDatenEinfuegen).
    void BerechnEinfuegenClick();

private:
    TSpaltenZiel ziel_;
};
