#include "control/Einfuegen.h"

#include <string>

#include "forms/EbenKoord.h"
#include "platform/Oberflaeche.h"

namespace {

using TTexte = std::array<std::string, 3>;

TTexte Texte(const TSpeicherVektor& T) { return {T.x, T.y, T.z}; }

// Where a paste writes: three texts that are read, written and checked
// one by one (Pruefen, with Meldung when one fails) and as a whole object
// (AlleGueltig); Merken records an applied text as its cell's last valid one.
struct TEinfuegeZiel {
    std::function<ZellStand(const std::string&)> Pruefen;
    std::string Meldung;
    MeldungsArt Art;
    std::function<TTexte()> Lesen;
    std::function<void(const TTexte&)> Schreiben;
    std::function<bool()> AlleGueltig;
    std::function<void(int k, const std::string&)> Merken;
};

// The common part of both pastes: Neu into Z, refused as the object's
// Ablehnung says, applied by Anwenden.
bool Einfuegen(const TTexte& Neu, const TEinfuegeZiel& Z, const TAblehnung& Ablehnung,
               const std::function<void()>& Anwenden) {
    for (const std::string& t : Neu)
        if (Z.Pruefen(t) != ZellStand::Gueltig) {
            MeldungZeigen(Z.Meldung, Z.Art);
            return false;
        }
    if (!KoordAenderungErlaubt()) return false;
    const TTexte Alt = Z.Lesen();
    Z.Schreiben(Neu);
    // Another number of the object unfinished: nothing to apply.
    if (!Z.AlleGueltig()) {
        Z.Schreiben(Alt);
        return false;
    }
    const std::string Grund = Ablehnung ? Ablehnung() : std::string();
    if (!Grund.empty()) {
        Z.Schreiben(Alt);
        MeldungZeigen(Grund, MeldungsArt::Warnung);
        return false;
    }
    ObjektAnwenden(nullptr, Anwenden);
    for (int k = 0; k < 3; ++k) Z.Merken(k, Neu[static_cast<std::size_t>(k)]);
    return true;
}

}  // namespace

bool SpalteEinfuegen(const TObjektGitter& O, int Spalte, const TSpeicherVektor& T) {
    if (!O.Gitter || !O.Gedaechtnis) return false;
    TStringGrid& G = *O.Gitter;
    const int r0 = G.FixedRows;
    if (!IstZahlZelle(G, Spalte, r0) || !IstZahlZelle(G, Spalte, r0 + 2)) return false;
    // A cell still being edited ends first, as when the user leaves it.
    if (G.Bearbeitung) ZelleVerlassen(O, G.Col, G.Row);
    const TEinfuegeZiel Z{
        ZellTextPruefen, BereichsMeldung, MeldungsArt::Warnung,
        [&G, Spalte, r0] { return TTexte{G.Cells(Spalte, r0), G.Cells(Spalte, r0 + 1), G.Cells(Spalte, r0 + 2)}; },
        [&G, Spalte, r0](const TTexte& t) {
            for (int k = 0; k < 3; ++k) G.Cells(Spalte, r0 + k) = t[static_cast<std::size_t>(k)];
        },
        [&G] {
            for (int c = G.FixedCols; c < G.ColCount(); ++c)
                for (int r = G.FixedRows; r < G.RowCount(); ++r)
                    if (ZellTextPruefen(G.Cells(c, r)) != ZellStand::Gueltig) return false;
            return true;
        },
        [&O, Spalte, r0](int k, const std::string& t) { O.Gedaechtnis->Merken(Spalte, r0 + k, t); }};
    return Einfuegen(Texte(T), Z, O.Ablehnung, O.Anwenden);
}

bool FelderEinfuegen(const TObjektFelder& O, const std::array<TEdit*, 3>& Felder, const TSpeicherVektor& T) {
    if (!O.Gedaechtnis) return false;
    std::array<int, 3> Index{};
    for (std::size_t k = 0; k < 3; ++k) {
        Index[k] = -1;
        for (std::size_t i = 0; i < O.Felder.size(); ++i)
            if (O.Felder[i] == Felder[k]) Index[k] = static_cast<int>(i);
        if (Index[k] < 0) return false;
    }
    const auto Pruefen = O.Pruefen ? O.Pruefen : std::function<ZellStand(const std::string&)>(ZellTextPruefen);
    // Fields left unfinished get their last valid texts first.
    for (TEdit* E : O.Felder) FeldVerlassen(O, *E);
    const TEinfuegeZiel Z{
        Pruefen, O.PruefMeldung.empty() ? BereichsMeldung : O.PruefMeldung, O.PruefArt,
        [&Felder] { return TTexte{Felder[0]->Text(), Felder[1]->Text(), Felder[2]->Text()}; },
        [&Felder](const TTexte& t) {
            for (std::size_t k = 0; k < 3; ++k) Felder[k]->SetTextStill(t[k]);
        },
        [&O, &Pruefen] {
            for (const TEdit* E : O.Felder)
                if (Pruefen(E->Text()) != ZellStand::Gueltig) return false;
            return true;
        },
        [&O, &Index](int k, const std::string& t) { O.Gedaechtnis->Merken(Index[static_cast<std::size_t>(k)], 0, t); }};
    return Einfuegen(Texte(T), Z, O.Ablehnung, O.Anwenden);
}

TSpaltenZiel GitterSpalte(std::function<TObjektGitter()> Protokoll, TStringGrid& G, int Spalte) {
    TSpaltenZiel Z;
    Z.Lesen = [&G, Spalte] {
        const int r0 = G.FixedRows;
        return TSpeicherVektor{G.Cells(Spalte, r0), G.Cells(Spalte, r0 + 1), G.Cells(Spalte, r0 + 2)};
    };
    Z.Einfuegen = [Protokoll = std::move(Protokoll), Spalte](const TSpeicherVektor& T) {
        SpalteEinfuegen(Protokoll(), Spalte, T);
    };
    return Z;
}

// ---- The dialogs' popup ----------------------------------------------------------------------

bool TObjektDialog::SpalteGewaehlt(TStringGrid& G, int Spalte) {
    const TObjektGitter O = ObjektGitter(G);
    if (!O.Gitter || !IstZahlZelle(G, Spalte, G.FixedRows) || !IstZahlZelle(G, Spalte, G.FixedRows + 2))
        return false;
    PopupMenu_InSpeicher.Oeffnen(GitterSpalte([this, &G] { return ObjektGitter(G); }, G, Spalte));
    return true;
}

void TObjektDialog::BerechnEinfuegenClick() { PopupMenu_InSpeicher.BerechnEinfuegenClick(); }

bool TForm_EbenKoord::FeldGewaehlt(TEdit& Feld) {
    // The coefficients a, b, c, the normal n and the point A take a vector.
    const std::array<std::array<TEdit*, 3>, 3> Spalten{{{&Edit_a, &Edit_b, &Edit_c},
                                                        {&Edit_nx, &Edit_ny, &Edit_nz},
                                                        {&Edit_ax, &Edit_ay, &Edit_az}}};
    for (const auto& S : Spalten) {
        if (S[0] != &Feld && S[1] != &Feld && S[2] != &Feld) continue;
        TSpaltenZiel Z;
        Z.Lesen = [S] { return TSpeicherVektor{S[0]->Text(), S[1]->Text(), S[2]->Text()}; };
        Z.Einfuegen = [this, S](const TSpeicherVektor& T) { FelderEinfuegen(FormMit(*S[0]), S, T); };
        PopupMenu_InSpeicher.Oeffnen(std::move(Z));
        return true;
    }
    return false;
}

void TForm_EbenKoord::BerechnEinfuegenClick() { PopupMenu_InSpeicher.BerechnEinfuegenClick(); }
