#pragma once
// A host for tests: records what the core asks of the outside world and
// answers from scripts the test fills in beforehand.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Oberflaeche.h"

class SkriptHost : public Oberflaeche {
public:
    struct MeldungEintrag {
        std::string text;
        MeldungsArt art;
        Knoepfe knoepfe;
    };
    struct FensterEintrag {
        std::string name;
        bool zeigen;  // false: hidden
        bool modal;
    };
    struct DateiEintrag {
        bool speichern;
        std::string titel, filter, name, endung;
    };
    // One text of a print job: where it went and what it said.
    struct DruckText {
        int x, y;
        std::string text;
    };
    struct FarbEintrag {
        std::string titel;
        TColor farbe;  // the colour the dialog started at
    };
    // A print job: its name, the font set last, its pages, and whether it
    // has ended.
    struct DruckEintrag {
        std::string titel;
        std::string schrift;
        int schrifthoehe = 0;
        std::vector<std::vector<DruckText>> seiten{1};
        bool beendet = false;
    };

    // --- script ---
    // Answers to Yes/No questions in order; when empty, StandardAntwort.
    std::deque<Antwort> Antworten;
    Antwort StandardAntwort = Antwort::Nein;
    // Escape reads as pressed from the EscapeAb-th poll on (1 = the first);
    // 0: never.
    int EscapeAb = 0;
    // Answers of the file dialogs in order, taken as the path chosen (no
    // extension is added); when empty, cancelled.
    std::deque<std::optional<std::string>> Dateinamen;
    // Answers of the colour dialog in order; when empty, cancelled.
    std::deque<std::optional<TColor>> Farben;
    // false: the user cancels the print dialog.
    bool DruckGelingt = true;
    // What a job's Beenden answers: empty when it ended well.
    std::string DruckEndeFehler;
    // The printable width of the scripted printer's page (device pixels).
    int DruckSeitenbreite = 2400;
    bool ZwischenablageGelingt = true;
    // The settings folder the host names ("" none).
    std::string Konfiguration;
    // Runs inside a modal show, in place of the user working in that window.
    std::function<void(const std::string& name)> BeiModal;

    // --- records ---
    std::vector<MeldungEintrag> Meldungen;
    std::vector<FensterEintrag> Fenster;
    std::vector<DateiEintrag> Dateidialoge;
    std::vector<FarbEintrag> Farbdialoge;
    std::vector<DruckEintrag> Drucke;
    std::vector<bool> SanduhrWechsel;
    std::vector<std::vector<std::uint8_t>> Zwischenablage;
    std::vector<std::string> Hilfeseiten;
    std::vector<bool> PassWechsel;  // true: a long pass began, false: it ended
    int EscapeAbfragen = 0;

    Antwort Meldung(const std::string& text, MeldungsArt art, Knoepfe knoepfe) override;
    void FensterZeigen(const std::string& name, bool modal) override;
    void FensterVerbergen(const std::string& name) override;
    void Sanduhr(bool an) override;
    bool EscapeGedrueckt() override;
    void LangerPassBeginnt() override { PassWechsel.push_back(true); }
    void LangerPassEndet() override { PassWechsel.push_back(false); }
    std::optional<std::string> DateiOeffnenDialog(const std::string& titel, const std::string& filter,
                                                  const std::string& name, const std::string& endung) override;
    std::optional<std::string> DateiSpeichernDialog(const std::string& titel, const std::string& filter,
                                                    const std::string& name, const std::string& endung) override;
    std::optional<TColor> FarbeWaehlen(const std::string& titel, TColor farbe) override;
    std::unique_ptr<Druckauftrag> DruckauftragBeginnen(const std::string& titel) override;
    bool BildInZwischenablage(const std::vector<std::uint8_t>& bmp) override {
        if (ZwischenablageGelingt) Zwischenablage.push_back(bmp);
        return ZwischenablageGelingt;
    }
    std::string KonfigurationsOrdner() override { return Konfiguration; }
    void HilfeZeigen(const std::string& seite) override { Hilfeseiten.push_back(seite); }

    // The text of the latest message ("" when there was none).
    std::string LetzteMeldung() const;
    // Forgets all records (the script stays).
    void Vergessen();

private:
    std::optional<std::string> Dateidialog(DateiEintrag eintrag);
};

// Installs a host for the lifetime of the object and puts the previous one back.
class HostEinsetzen {
public:
    explicit HostEinsetzen(Oberflaeche& h) : vorher_(HostSetzen(&h)) {}
    ~HostEinsetzen() { HostSetzen(vorher_); }
    HostEinsetzen(const HostEinsetzen&) = delete;
    HostEinsetzen& operator=(const HostEinsetzen&) = delete;

private:
    Oberflaeche* vorher_;
};
