// The result window's handlers and the entries that open it.

#include "forms/Datenausgabe.h"

#include "forms/Ergebnisauswahl.h"
#include "platform/Oberflaeche.h"
#include "reports/Datenfenster.h"
#include "reports/Druckseiten.h"
#include "reports/Ergebnisse.h"

void TForm_Datenausgabe::FormCreate() {
    Left = 0;
    beenden1.OnClick = [this] { beenden1Click(); };
    drucken1.OnClick = [this] { drucken1Click(); };
}

void TForm_Datenausgabe::FormActivate() { ErgebnisAusgeben(ErgebnisAuswahl); }

void TForm_Datenausgabe::FormClose() {
    ErgebnisAuswahl = 0;
    Visible = false;
}

void TForm_Datenausgabe::beenden1Click() {
    FormClose();
    Host().FensterVerbergen(DatenausgabeName);
}

void TForm_Datenausgabe::drucken1Click() {
    // The text as it stands, with whatever the user typed into it.
    const std::vector<std::string> zeilen = Memo1.Lines;
    if (std::unique_ptr<Druckauftrag> auftrag = Host().DruckauftragBeginnen("Datenausgabe")) {
        BerichtDrucken(zeilen, Memo1.Font.Name, *auftrag);
        const std::string fehler = auftrag->Beenden();
        if (!fehler.empty()) MeldungZeigen(fehler, MeldungsArt::Warnung);
    }
}

void DatenfensterZeigen() {
    TForm_Datenausgabe& F = Form_Datenausgabe;
    F.Visible = true;
    F.FormActivate();
    Host().FensterZeigen(DatenausgabeName, false);
}

void ErgebnisseVerbinden(TErgebnisGruppe& G) {
    for (int i = 0; i < G.Anzahl; ++i) {
        const Byte code = G.Codes[static_cast<std::size_t>(i)];
        G.Punkt(i).OnClick = [code] {
            ErgebnisAuswahl = code;
            DatenfensterZeigen();
        };
    }
}
