#pragma once
// The frame every dialog of an object kind shares: one grid per object
// (StringGrid1..N), one cell memory per grid, the choice of the object shown
// (RadioGroup_Objekt) and, where the kind has them, the pen-width and style
// groups (GroupStift, GroupStil) that act on the current object. Cells follow
// the common edit protocol (Eingabeprotokoll.h).
//
// A dialog adds only what is its own: where its current number and its
// objects live, which vector a grid column shows, how an object is read and
// refused, its start values and its further controls.

#include <array>
#include <cassert>
#include <initializer_list>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "forms/Eingabeprotokoll.h"
#include "forms/Gitter.h"
#include "geometry/Vektor.h"
#include "platform/Komponenten.h"
#include "platform/Zahltext.h"
#include "scene/Stilindex.h"

// The object grids under the names the forms give them.
template <int N>
struct TGitterSatz;

template <>
struct TGitterSatz<2> {
    TStringGrid StringGrid1, StringGrid2;
    std::array<TStringGrid*, 2> AlleGitter() { return {&StringGrid1, &StringGrid2}; }
};

template <>
struct TGitterSatz<3> {
    TStringGrid StringGrid1, StringGrid2, StringGrid3;
    std::array<TStringGrid*, 3> AlleGitter() { return {&StringGrid1, &StringGrid2, &StringGrid3}; }
};

template <>
struct TGitterSatz<4> {
    TStringGrid StringGrid1, StringGrid2, StringGrid3, StringGrid4;
    std::array<TStringGrid*, 4> AlleGitter() {
        return {&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4};
    }
};

// The attribute groups of a kind.
enum TAttributGruppen : unsigned { mitStift = 1, mitStil = 2 };

struct TStiftGruppe {
    TRadioGroup GroupStift;  // "1" .. "4"
};
struct TStilGruppe {
    TRadioGroup GroupStil;   // solid or dotted
};
template <int>
struct TOhneGruppe {};

// The shape of every object grid of a dialog (see GitterAnlegen).
struct TGitterForm {
    int Spalten, Zeilen, FesteSpalten, FesteZeilen;
    std::initializer_list<const char*> Kopf = {};
};

// A dialog of the N objects of kind TObjekt (numbered from 1).
template <class TObjekt, int N, unsigned Gruppen>
struct TObjektartDialog
    : TObjektDialog,
      TGitterSatz<N>,
      std::conditional_t<(Gruppen & mitStift) != 0, TStiftGruppe, TOhneGruppe<1>>,
      std::conditional_t<(Gruppen & mitStil) != 0, TStilGruppe, TOhneGruppe<2>> {
    // Window caption, the caption and items of the choice, every grid's
    // shape. The groups start on their first item.
    TObjektartDialog(const char* Titel, const char* Objektname, std::vector<std::string> Namen,
                     const TGitterForm& Form) {
        Caption = Titel;
        for (int i = 1; i <= N; ++i)
            GitterAnlegen(Gitter(i), Form.Spalten, Form.Zeilen, Form.FesteSpalten,
                          Form.FesteZeilen, Form.Kopf);
        RadioGroup_Objekt.Caption = Objektname;
        RadioGroup_Objekt.Items = std::move(Namen);
        RadioGroup_Objekt.ItemIndex = 0;
        if constexpr (Stift) GroupStiftAnlegen(this->GroupStift);
        if constexpr (Stil) GroupStilAnlegen(this->GroupStil);
    }

    TFeld<TZellenGedaechtnis, 1, N> Gedaechtnis;
    TRadioGroup RadioGroup_Objekt;  // the object shown

    // The grid of object Nr (1..N).
    TStringGrid& Gitter(int Nr) {
        assert(Nr >= 1 && Nr <= N);
        return *this->AlleGitter()[static_cast<std::size_t>(Nr - 1)];
    }

    TObjektGitter ObjektGitter(TStringGrid& G) override {
        for (int Nr = 1; Nr <= N; ++Nr) {
            if (&G != &Gitter(Nr)) continue;
            TObjektGitter O;
            O.Gitter = &G;
            O.Gedaechtnis = &Gedaechtnis[Nr];
            O.Ablehnung = Ablehnung(G);
            O.Anwenden = [this, Nr] { Einlesen(Nr); };
            // x, y, z down from the first number row.
            O.ObjektWert = [this, Nr, Erste = G.FixedRows](int Spalte, int Zeile) {
                const TVek_R3 v = Spaltenvektor(Objekt(Nr), Spalte);
                return Zeile == Erste ? v.x : Zeile == Erste + 1 ? v.y : v.z;
            };
            return O;
        }
        return {};
    }

    // Display rule and the controls of the current object; the keys go to
    // its grid at once, to the cell shown selected.
    void FormActivate() {
        ObjektWaehlen(Akt());
        if (Akt() >= 1 && Akt() <= N && Gitter(Akt()).Visible) Gitter(Akt()).SetFocus();
    }

    // Shows object Nr (1..N): its grid and its attributes.
    void ObjektWaehlen(int Nr) {
        if (Nr < 1 || Nr > N) return;
        if (Nr != Akt() && Akt() >= 1 && Akt() <= N) OffenesVerlassen();
        Akt() = static_cast<Byte>(Nr);
        RadioGroup_Objekt.ItemIndex = Nr - 1;
        GitterZeigen(Nr);
        const TObjekt& O = Objekt(Nr);
        if constexpr (Stift)
            if (O.Stiftbreite >= 1 && O.Stiftbreite <= 4)
                this->GroupStift.ItemIndex = O.Stiftbreite - 1;
        if constexpr (Stil) this->GroupStil.ItemIndex = LinienstilZuIndex(O.Linienstil);
        WeiteresZeigen(O);
    }

    void RadioGroup_ObjektClick() { ObjektWaehlen(RadioGroup_Objekt.ItemIndex + 1); }

    // The coordinates lock changed: the current grid shows or hides at once.
    void KoordSperreAnwenden() { GitterZeigen(Akt()); }

    void GroupStiftClick()
        requires((Gruppen & mitStift) != 0)
    {
        if (this->GroupStift.ItemIndex < 0) return;
        TObjekt& O = Objekt(Akt());
        O.Stiftbreite = static_cast<decltype(O.Stiftbreite)>(this->GroupStift.ItemIndex + 1);
        StiftGewaehlt(O);
        NachAttributZeichnen();
    }

    void GroupStilClick()
        requires((Gruppen & mitStil) != 0)
    {
        if (this->GroupStil.ItemIndex < 0) return;
        Objekt(Akt()).Linienstil = IndexZuLinienstil(static_cast<Byte>(this->GroupStil.ItemIndex));
        NachAttributZeichnen();
    }

protected:
    // The end of every FormCreate: the choice and the groups answer clicks,
    // and the grid of the current object shows.
    void Verbinden() {
        RadioGroup_Objekt.OnClick = [this] { RadioGroup_ObjektClick(); };
        if constexpr (Stift) this->GroupStift.OnClick = [this] { GroupStiftClick(); };
        if constexpr (Stil) this->GroupStil.OnClick = [this] { GroupStilClick(); };
        GitterZeigen(Akt());
    }

    // ---- What each dialog says -----------------------------------------------------

    // The number of the current object (a global the program keeps).
    virtual Byte& Akt() = 0;
    virtual TObjekt& Objekt(int Nr) = 0;
    // The switch that shows or locks the coordinates of the kind.
    virtual bool KoordZeigen() const = 0;
    // The vector grid column Spalte shows of object O.
    virtual TVek_R3 Spaltenvektor(const TObjekt& O, int Spalte) const = 0;
    // Reader and derived objects of object Nr.
    virtual void Einlesen(int Nr) = 0;
    // The object's own check on grid G; none by default.
    virtual TAblehnung Ablehnung(TStringGrid&) { return {}; }
    // What is open for the current object ends as if left when another one
    // is chosen: by default the cell open in its grid.
    virtual void OffenesVerlassen() { OffeneZelleVerlassen(Gitter(Akt())); }
    // The dialog's further controls of the object just chosen.
    virtual void WeiteresZeigen(const TObjekt&) {}
    // After the pen group set O's pen width.
    virtual void StiftGewaehlt(TObjekt&) {}
    // The redraw that ends a click of the groups.
    virtual void NachAttributZeichnen() { NachAttributNeuZeichnen(); }

private:
    static constexpr bool Stift = (Gruppen & mitStift) != 0;
    static constexpr bool Stil = (Gruppen & mitStil) != 0;

    void GitterZeigen(int Nr) {
        const std::array<TStringGrid*, N> g = this->AlleGitter();
        GitterAnzeigen(std::span<TStringGrid* const>(g), Nr, KoordZeigen());
    }
};
