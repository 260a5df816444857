#include "forms/Kegel.h"

#include "forms/EbenKoord.h"
#include "geometry/Eingabe.h"
#include "geometry/Geometrie.h"
#include "reports/Datenfenster.h"
#include "view3d/ObjektGeometrie.h"

namespace {

ZellStand MassPruefen(const std::string& Text) { return BetragTextPruefen(Text, 10000); }

// The refusal of cone Nr's grid as it stands.
std::string NormaleAblehnung(const TStringGrid& G) {
    TVek_R3 n;
    if (!SpalteLesen(G, 1, 1, n)) return "";
    return IstNullvektor(n) ? NullNormaleMeldung : "";
}

void KegelNeuBerechnen(int Nr) {
    KegelBerechnen(Nr);
    KreisBerechnen(0);
}

}  // namespace

TAblehnung TForm_Kegel::Ablehnung(TStringGrid& G) {
    return [&G] { return NormaleAblehnung(G); };
}

// Radius and height are already in the cone (their fields apply them).
void TForm_Kegel::Einlesen(int Nr) { KegelNeuBerechnen(Nr); }

TObjektFelder TForm_Kegel::Massfeld(TEdit& Feld) {
    const bool Radius = &Feld == &Edit_Radius;
    TObjektFelder O;
    O.Felder = {&Feld};
    O.Gedaechtnis = Radius ? &GedaechtnisRadius : &GedaechtnisHoehe;
    O.Pruefen = MassPruefen;
    O.PruefMeldung = Betrag10000Meldung;
    O.PruefArt = MeldungsArt::Information;
    // The cone is applied whole: its grid must not hold a null normal.
    O.Ablehnung = [this] { return NormaleAblehnung(Gitter(AktKegel)); };
    O.Anwenden = [&Feld, Radius] {
        TKegel& K = Kegel[AktKegel];
        Extended& Wert = Radius ? K.Radius : K.Hoehe;
        ZelleLesen(Feld.Text(), Wert);
        KegelNeuBerechnen(AktKegel);
    };
    O.ObjektText = [Radius](int) {
        const TKegel& K = Kegel[AktKegel];
        return KoordText(Radius ? K.Radius : K.Hoehe);
    };
    return O;
}

void TForm_Kegel::FormCreate() {
    ErgebnisseVerbinden(ErgebnisseKegel);
    // Three cones and one circle (Ke3, height 0), apart from each other and
    // from the spheres.
    struct { const char* M[3]; const char* n[3]; Extended r, h; } start[4] = {
        {{"0", "0", "-7"}, {"0", "0", "1"}, 2.0L, 4.0L},
        {{"7", "1", "0"}, {"-1", "0", "0"}, 1.5L, 3.0L},
        {{"0", "-6", "0"}, {"0", "1", "0"}, 2.0L, 0.0L},
        {{"-6", "0", "0"}, {"1", "1", "1"}, 1.0L, 3.0L},
    };
    for (int i = 1; i <= 4; ++i) {
        const auto& s = start[i - 1];
        SpalteSetzen(Gitter(i), 0, 1, s.M[0], s.M[1], s.M[2]);
        SpalteSetzen(Gitter(i), 1, 1, s.n[0], s.n[1], s.n[2]);
        Kegel[i].Radius = s.r;
        Kegel[i].Hoehe = s.h;
        Kegel[i].Speichen = 12;
        Kegel[i].Randstaerke = 1;
        Kegel[i].SpeichenZeigen = 0;
    }
    Edit_Radius.SetTextStill("2");
    Edit_Hoehe.SetTextStill("4");
    CheckBox_SpeichenEin.OnClick = [this] { CheckBox_SpeichenEinClick(); };
    ComboBox1.OnChange = [this] { ComboBox1Change(); };
    ComboBox2.OnChange = [this] { ComboBox2Change(); };
    Verbinden();
}

// The two fields end with the grid's open cell.
void TForm_Kegel::OffenesVerlassen() {
    OffeneZelleVerlassen(Gitter(AktKegel));
    if (GedaechtnisRadius.InBearbeitung(0, 0)) FeldVerlassen(Edit_Radius);
    if (GedaechtnisHoehe.InBearbeitung(0, 0)) FeldVerlassen(Edit_Hoehe);
}

void TForm_Kegel::WeiteresZeigen(const TKegel& K) {
    GedaechtnisRadius.Vergessen();
    GedaechtnisHoehe.Vergessen();
    Edit_Radius.SetTextStill(KoordText(K.Radius));
    Edit_Hoehe.SetTextStill(KoordText(K.Hoehe));
    CheckBox_SpeichenEin.Checked = K.SpeichenZeigen == 1;
    const std::string Speichen = std::to_string(K.Speichen);
    for (std::size_t n = 0; n < ComboBox1.Items.size(); ++n)
        if (ComboBox1.Items[n] == Speichen) {
            ComboBox1.ItemIndex = static_cast<int>(n);
            ComboBox1.Text = Speichen;
        }
    if (K.Randstaerke >= 1 && K.Randstaerke <= static_cast<int>(ComboBox2.Items.size())) {
        ComboBox2.ItemIndex = K.Randstaerke - 1;
        ComboBox2.Text = ComboBox2.Items[static_cast<std::size_t>(K.Randstaerke - 1)];
    }
}

void TForm_Kegel::CheckBox_SpeichenEinClick() {
    Kegel[AktKegel].SpeichenZeigen = CheckBox_SpeichenEin.Checked ? 1 : 0;
    NachAttributNeuZeichnen();
}

void TForm_Kegel::ComboBox1Change() {
    const int k = ComboBox1.ItemIndex;
    if (k < 0 || k >= static_cast<int>(ComboBox1.Items.size())) return;
    ComboBox1.Text = ComboBox1.Items[static_cast<std::size_t>(k)];
    Kegel[AktKegel].Speichen = std::stoi(ComboBox1.Text);
    NachAttributNeuZeichnen();
}

void TForm_Kegel::ComboBox2Change() {
    const int k = ComboBox2.ItemIndex;
    if (k < 0 || k >= static_cast<int>(ComboBox2.Items.size())) return;
    ComboBox2.Text = ComboBox2.Items[static_cast<std::size_t>(k)];
    Kegel[AktKegel].Randstaerke = k + 1;
    NachAttributNeuZeichnen();
}

std::optional<char> TForm_Kegel::TasteGedrueckt(TEdit& Feld, char Taste) {
    if (&Feld != &Edit_Radius && &Feld != &Edit_Hoehe) return std::nullopt;
    OffeneZelleVerlassen(Gitter(AktKegel));
    return FeldTasteGedrueckt(Massfeld(Feld), Feld, Taste);
}

void TForm_Kegel::FeldGetippt(TEdit& Feld, const std::string& Text) {
    if (&Feld != &Edit_Radius && &Feld != &Edit_Hoehe) return;
    OffeneZelleVerlassen(Gitter(AktKegel));
    ::FeldGetippt(Massfeld(Feld), Feld, Text);
}

void TForm_Kegel::FeldVerlassen(TEdit& Feld) {
    if (&Feld != &Edit_Radius && &Feld != &Edit_Hoehe) return;
    ::FeldVerlassen(Massfeld(Feld), Feld);
}
