#include "mainwindow/Einstellungen.h"

#include <optional>
#include <string>

#include "platform/Oberflaeche.h"
#include "scene/Stilindex.h"
#include "view3d/Zeichnen.h"

bool FarbeWaehlen(const std::string& Titel, TColor& Farbe) {
    const std::optional<TColor> neu = Host().FarbeWaehlen(Titel, Farbe);
    if (!neu) return false;
    // Only the three colour bytes: the top byte means something else to a
    // colour value and never comes from a dialog.
    Farbe = *neu & 0x00FFFFFFu;
    return true;
}

void EinstellFensterZeigen(const TEinstellFenster& F, bool Modal) { Host().FensterZeigen(F.Fenstername, Modal); }

void EinstellFensterVerbergen(const TEinstellFenster& F) { Host().FensterVerbergen(F.Fenstername); }

// ---- The fields' handlers ----------------------------------------------------------------

void TEinstellFenster::FormCreate() {
    const std::vector<TEinstellFeld> F = Felder();
    for (std::size_t i = 0; i < F.size(); ++i) {
        const auto Geaendert = [this, i] { FeldGeaendert(i); };
        switch (F[i].Art) {
            case TEinstellFeld::TArt::Schalter: static_cast<TCheckBox*>(F[i].Element)->OnClick = Geaendert; break;
            case TEinstellFeld::TArt::Stiftbreite:
            case TEinstellFeld::TArt::Linienstil:
            case TEinstellFeld::TArt::Auswahl: static_cast<TRadioGroup*>(F[i].Element)->OnClick = Geaendert; break;
            case TEinstellFeld::TArt::Farbe: static_cast<TButton*>(F[i].Element)->OnClick = Geaendert; break;
            case TEinstellFeld::TArt::Winkelgroesse:
                static_cast<TComboBox*>(F[i].Element)->OnChange = Geaendert;
                break;
            case TEinstellFeld::TArt::Text:
            case TEinstellFeld::TArt::Rollbalken:
            case TEinstellFeld::TArt::Zahlfeld: break;
        }
    }
    BitBtn_Ok.OnClick = [this] { BitBtn_OkClick(); };
    Anzeigen();
}

void TEinstellFenster::FormShow() { Anzeigen(); }

void TEinstellFenster::Anzeigen() {
    for (const TEinstellFeld& f : Felder()) {
        switch (f.Art) {
            case TEinstellFeld::TArt::Schalter:
                static_cast<TCheckBox*>(f.Element)->Checked = f.Lesen() != 0;
                break;
            case TEinstellFeld::TArt::Stiftbreite: {
                const int b = f.Lesen();
                if (b >= 1 && b <= 4) static_cast<TRadioGroup*>(f.Element)->ItemIndex = b - 1;
                break;
            }
            case TEinstellFeld::TArt::Linienstil:
                static_cast<TRadioGroup*>(f.Element)->ItemIndex = LinienstilZuIndex(static_cast<Byte>(f.Lesen()));
                break;
            case TEinstellFeld::TArt::Auswahl: {
                auto* R = static_cast<TRadioGroup*>(f.Element);
                const int i = f.Lesen();
                if (i >= 0 && i < static_cast<int>(R->Items.size())) R->ItemIndex = i;
                break;
            }
            case TEinstellFeld::TArt::Farbe: FarbfeldSetzen(*f.Farbfeld, f.FarbeLesen()); break;
            case TEinstellFeld::TArt::Winkelgroesse: {
                auto* C = static_cast<TComboBox*>(f.Element);
                WinkelGroesseZeigen(*C, f.GroesseLesen());
                C->Enabled = f.Aktiv();
                break;
            }
            case TEinstellFeld::TArt::Rollbalken:
                f.Beschriftung->Caption = std::to_string(static_cast<TScrollBar*>(f.Element)->Position());
                break;
            case TEinstellFeld::TArt::Text:
            case TEinstellFeld::TArt::Zahlfeld: break;
        }
    }
}

void TEinstellFenster::FeldGeaendert(std::size_t Nr) {
    const std::vector<TEinstellFeld> F = Felder();
    if (Nr >= F.size()) return;
    const TEinstellFeld& f = F[Nr];
    switch (f.Art) {
        case TEinstellFeld::TArt::Schalter: f.Schreiben(static_cast<TCheckBox*>(f.Element)->Checked ? 1 : 0); break;
        case TEinstellFeld::TArt::Stiftbreite:
            f.Schreiben(static_cast<TRadioGroup*>(f.Element)->ItemIndex + 1);
            break;
        case TEinstellFeld::TArt::Linienstil:
            f.Schreiben(IndexZuLinienstil(static_cast<Byte>(static_cast<TRadioGroup*>(f.Element)->ItemIndex)));
            break;
        case TEinstellFeld::TArt::Auswahl: {
            const auto* R = static_cast<TRadioGroup*>(f.Element);
            if (R->ItemIndex < 0 || R->ItemIndex >= static_cast<int>(R->Items.size())) return;
            f.Schreiben(R->ItemIndex);
            break;
        }
        case TEinstellFeld::TArt::Farbe: {
            TColor Farbe = f.FarbeLesen();
            if (!FarbeWaehlen(static_cast<TButton*>(f.Element)->Caption, Farbe)) return;
            f.FarbeSchreiben(Farbe);
            break;
        }
        case TEinstellFeld::TArt::Winkelgroesse: {
            Extended s = 0;
            if (!WinkelGroesseLesen(*static_cast<TComboBox*>(f.Element), s)) return;
            f.GroesseSchreiben(s);
            break;
        }
        case TEinstellFeld::TArt::Text:
        case TEinstellFeld::TArt::Rollbalken:
        case TEinstellFeld::TArt::Zahlfeld: return;
    }
    if (f.Danach) f.Danach();
    Anzeigen();
    SzeneZeichnen();
}

void TEinstellFenster::BitBtn_OkClick() {
    if (FormCloseQuery()) EinstellFensterVerbergen(*this);
}
