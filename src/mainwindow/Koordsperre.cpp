#include "forms/Koordsperre.h"

#include <cerrno>
#include <unistd.h>
#include <cstring>
#include <vector>

#include "control/Dateien.h"
#include "forms/EbenKoord.h"
#include "forms/Ebenen.h"
#include "forms/Geraden_t.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "forms/Schalter.h"
#include "platform/Oberflaeche.h"
#include "platform/Passwort.h"
#include "view3d/Zeichnen.h"

namespace {

// Record: "OVPS", version 1, 0, eight kind bytes, rounds (little endian),
// salt, hash, a SHA-256 check of all before it, four zero bytes.
constexpr std::uint8_t Kennung[5] = {'O', 'V', 'P', 'S', 1};
constexpr std::size_t ArtenAb = 6, RundenAb = 14, SalzAb = 18, HashAb = 34, PruefAb = 66;

std::array<bool*, 8> Schalter() {
    return {&KoordZeigenGeraden, &KoordZeigenEbenen, &KoordZeigenSpate, &KoordZeigenVektoren,
            &KoordZeigenStrecken, &KoordZeigenPunkte, &KoordZeigenKugeln, &KoordZeigenKegel};
}

void Anwenden(const TSperrArten& a) {
    const auto s = Schalter();
    KoordGesperrt = false;
    for (std::size_t i = 0; i < 8; ++i) {
        *s[i] = !a[i];
        KoordGesperrt = KoordGesperrt || a[i];
    }
}

enum class Zustand { Fehlt, Beschaedigt, Gut };

Zustand DateiLesen(const std::string& pfad, TSperrSatz& satz) {
    std::vector<std::uint8_t> b;
    if (!DateiAnfangLesen(pfad, SperrSatzLaenge + 1, b)) {
        // A path that exists but cannot be read is not a missing file.
        return ::access(pfad.c_str(), F_OK) != 0 && errno == ENOENT ? Zustand::Fehlt : Zustand::Beschaedigt;
    }
    const auto s = SperrSatzAusBytes(b.data(), b.size());
    if (!s) return Zustand::Beschaedigt;
    satz = *s;
    return Zustand::Gut;
}

std::string letzteMeldung;

void EinmalMelden(const std::string& text) {
    if (text == letzteMeldung) return;
    letzteMeldung = text;
    MeldungZeigen(text, MeldungsArt::Warnung);
}

// The dialogs open now follow a changed lock at once, not at their next
// activation.
void OffeneDialogeAnpassen() {
    const auto anpassen = [](auto& D) {
        if (D.Visible) D.KoordSperreAnwenden();
    };
    anpassen(Form_Geraden_t);
    anpassen(Form_Ebenen);
    anpassen(Form_Spate);
    anpassen(Form_Vektoren);
    anpassen(Form_Strecken);
    anpassen(Form_Punkte);
    anpassen(Form_Kugeln);
    anpassen(Form_Kegel);
    if (Form_EbenKoord.Visible)
        for (TEdit* E : {&Form_EbenKoord.Edit_a, &Form_EbenKoord.Edit_b, &Form_EbenKoord.Edit_c, &Form_EbenKoord.Edit_d,
                         &Form_EbenKoord.Edit_nx, &Form_EbenKoord.Edit_ny, &Form_EbenKoord.Edit_nz,
                         &Form_EbenKoord.Edit_ax, &Form_EbenKoord.Edit_ay, &Form_EbenKoord.Edit_az})
            E->Visible = KoordZeigenEbenen;
}

std::string DateiText(const std::string& pfad, Zustand z) {
    return "Die Datei der Koordinatensperre\n" + pfad + (z == Zustand::Fehlt ? "\nfehlt." : "\nist beschädigt.") +
           "\nDie Sperre bleibt, wie sie war.";
}

}  // namespace

std::optional<TSperrSatz> SperrSatzNeu(const std::string& passwort, const TSperrArten& gesperrt) {
    TSperrSatz s;
    s.gesperrt = gesperrt;
    s.iterationen = SperrIterationen;
    if (!ZufallsBytes(s.salz.data(), s.salz.size())) return std::nullopt;
    const auto h = Pbkdf2Sha256(passwort, s.salz.data(), s.salz.size(), s.iterationen, s.hash.size());
    std::memcpy(s.hash.data(), h.data(), s.hash.size());
    return s;
}

bool PasswortStimmt(const TSperrSatz& s, const std::string& passwort) {
    const auto h = Pbkdf2Sha256(passwort, s.salz.data(), s.salz.size(), s.iterationen, s.hash.size());
    return GleichInKonstanterZeit(h.data(), s.hash.data(), s.hash.size());
}

std::array<std::uint8_t, SperrSatzLaenge> SperrSatzBytes(const TSperrSatz& s) {
    std::array<std::uint8_t, SperrSatzLaenge> b{};
    std::memcpy(b.data(), Kennung, sizeof Kennung);
    for (std::size_t i = 0; i < 8; ++i) b[ArtenAb + i] = s.gesperrt[i] ? 1 : 0;
    for (std::size_t i = 0; i < 4; ++i) b[RundenAb + i] = std::uint8_t(s.iterationen >> (8 * i));
    std::memcpy(b.data() + SalzAb, s.salz.data(), s.salz.size());
    std::memcpy(b.data() + HashAb, s.hash.data(), s.hash.size());
    const auto pruef = Sha256(b.data(), PruefAb);
    std::memcpy(b.data() + PruefAb, pruef.data(), pruef.size());
    return b;
}

std::optional<TSperrSatz> SperrSatzAusBytes(const std::uint8_t* b, std::size_t n) {
    if (n != SperrSatzLaenge || std::memcmp(b, Kennung, sizeof Kennung) != 0 || b[5] != 0) return std::nullopt;
    const auto pruef = Sha256(b, PruefAb);
    if (std::memcmp(pruef.data(), b + PruefAb, pruef.size()) != 0) return std::nullopt;
    for (std::size_t i = PruefAb + 32; i < SperrSatzLaenge; ++i)
        if (b[i] != 0) return std::nullopt;
    TSperrSatz s;
    for (std::size_t i = 0; i < 8; ++i) {
        if (b[ArtenAb + i] > 1) return std::nullopt;
        s.gesperrt[i] = b[ArtenAb + i] == 1;
    }
    for (std::size_t i = 0; i < 4; ++i) s.iterationen |= std::uint32_t(b[RundenAb + i]) << (8 * i);
    // Only the count this program writes: a crafted or damaged count could
    // block the window for seconds at every OK.
    if (s.iterationen != SperrIterationen) return std::nullopt;
    std::memcpy(s.salz.data(), b + SalzAb, s.salz.size());
    std::memcpy(s.hash.data(), b + HashAb, s.hash.size());
    return s;
}

std::string SperrDateiPfad() {
    const std::string ordner = Host().KonfigurationsOrdner();
    return ordner.empty() ? std::string() : ordner + "/" + SperrDateiName;
}

TSperrArten SperrArtenAktuell() {
    TSperrArten a{};
    const auto s = Schalter();
    for (std::size_t i = 0; i < 8; ++i) a[i] = !*s[i];
    return a;
}

void KoordSperreLesen() {
    const std::string pfad = SperrDateiPfad();
    if (pfad.empty()) return;
    TSperrSatz satz;
    const Zustand z = DateiLesen(pfad, satz);
    if (z == Zustand::Gut) {
        Anwenden(satz.gesperrt);
        letzteMeldung.clear();
        return;
    }
    // No file and no lock: no password was ever set.
    if (z == Zustand::Fehlt && !KoordGesperrt) return;
    EinmalMelden(DateiText(pfad, z));
}

TForm_Koordsperre::TForm_Koordsperre() {
    Caption = "   Koordinaten sperren-zeigen";
    static const char* const namen[8] = {"Geraden", "Ebenen", "Spate", "Vektoren",
                                         "Strecken", "Punkte", "Kugeln", "Kegel"};
    for (std::size_t i = 0; i < 8; ++i) CheckBox_Arten[i].Caption = namen[i];
    Label_Passwort2.Caption = "Paßwort wiederholen:";
    But_Ok.Caption = "OK";
    But_Abbrechen.Caption = "Abbrechen";
}

void TForm_Koordsperre::FormShow() {
    const TSperrArten a = SperrArtenAktuell();
    for (std::size_t i = 0; i < 8; ++i) CheckBox_Arten[i].Checked = a[i];
    Edit_Passwort.SetTextStill("");
    Edit_Passwort2.SetTextStill("");
    TSperrSatz satz;
    const std::string pfad = SperrDateiPfad();
    const Zustand z = pfad.empty() ? Zustand::Fehlt : DateiLesen(pfad, satz);
    const bool neu = z == Zustand::Fehlt && !KoordGesperrt;
    Edit_Passwort2.Visible = Label_Passwort2.Visible = neu;
    Label_Hinweis.Caption = neu ? "Angekreuzte Objektarten zeigen keine Koordinaten.\n"
                                  "Neues Paßwort festlegen:"
                                : "Angekreuzte Objektarten zeigen keine Koordinaten.\n"
                                  "Zum Ändern das Paßwort eingeben:";
}

bool TForm_Koordsperre::But_OkClick() {
    const std::string pfad = SperrDateiPfad();
    if (pfad.empty()) {
        MeldungZeigen("Es gibt keinen Ordner für die Einstellungen des Programms.\n"
                      "Die Sperre kann nicht gespeichert werden.",
                      MeldungsArt::Warnung);
        return false;
    }
    TSperrArten gewaehlt{};
    for (std::size_t i = 0; i < 8; ++i) gewaehlt[i] = CheckBox_Arten[i].Checked;
    const std::string passwort = Edit_Passwort.Text();
    TSperrSatz alt;
    const Zustand z = DateiLesen(pfad, alt);
    if (z == Zustand::Gut) {
        if (!PasswortStimmt(alt, passwort)) {
            Edit_Passwort.SetTextStill("");
            MeldungZeigen("Das Paßwort ist falsch.\nDie Sperre bleibt, wie sie war.", MeldungsArt::Warnung);
            // The next try is typed at once, without a click into the field.
            Edit_Passwort.SetFocus();
            return false;
        }
    } else if (z == Zustand::Beschaedigt || KoordGesperrt) {
        MeldungZeigen(DateiText(pfad, z), MeldungsArt::Warnung);
        return false;
    } else if (passwort.empty()) {
        MeldungZeigen("Bitte ein Paßwort eingeben.", MeldungsArt::Warnung);
        return false;
    } else if (passwort != Edit_Passwort2.Text()) {
        MeldungZeigen("Die beiden Eingaben des Paßworts stimmen nicht überein.", MeldungsArt::Warnung);
        return false;
    }
    const auto satz = SperrSatzNeu(passwort, gewaehlt);
    if (!satz) {
        MeldungZeigen("Das Paßwort konnte nicht gesichert werden.\nDie Sperre bleibt, wie sie war.",
                      MeldungsArt::Warnung);
        return false;
    }
    const auto bytes = SperrSatzBytes(*satz);
    if (!DateiSicherSchreiben(pfad, std::vector<std::uint8_t>(bytes.begin(), bytes.end()))) {
        MeldungZeigen("Die Datei der Koordinatensperre\n" + pfad +
                          "\nkonnte nicht gespeichert werden.\nDie Sperre bleibt, wie sie war.",
                      MeldungsArt::Warnung);
        return false;
    }
    Edit_Passwort.SetTextStill("");
    Edit_Passwort2.SetTextStill("");
    Anwenden(gewaehlt);
    OffeneDialogeAnpassen();
    letzteMeldung.clear();
    return true;
}

void KoordSperrenZeigenClick() {
    Form_Koordsperre.FormShow();
    Host().FensterZeigen("Form_Koordsperre", true);
    SzeneZeichnen();
}
