#include "platform/SkriptHost.h"

#include <utility>

Antwort SkriptHost::Meldung(const std::string& text, MeldungsArt art, Knoepfe knoepfe) {
    Meldungen.push_back({text, art, knoepfe});
    if (knoepfe == Knoepfe::Ok) return Antwort::Ok;
    if (Antworten.empty()) return StandardAntwort;
    Antwort a = Antworten.front();
    Antworten.pop_front();
    return a;
}

void SkriptHost::FensterZeigen(const std::string& name, bool modal) {
    Fenster.push_back({name, true, modal});
    if (modal && BeiModal) BeiModal(name);
}

void SkriptHost::FensterVerbergen(const std::string& name) {
    Fenster.push_back({name, false, false});
}

void SkriptHost::Sanduhr(bool an) { SanduhrWechsel.push_back(an); }

bool SkriptHost::EscapeGedrueckt() {
    ++EscapeAbfragen;
    return EscapeAb > 0 && EscapeAbfragen >= EscapeAb;
}

std::optional<std::string> SkriptHost::Dateidialog(DateiEintrag eintrag) {
    Dateidialoge.push_back(std::move(eintrag));
    if (Dateinamen.empty()) return std::nullopt;
    std::optional<std::string> d = Dateinamen.front();
    Dateinamen.pop_front();
    return d;
}

std::optional<std::string> SkriptHost::DateiOeffnenDialog(const std::string& titel, const std::string& filter,
                                                          const std::string& name, const std::string& endung) {
    return Dateidialog({false, titel, filter, name, endung});
}

std::optional<std::string> SkriptHost::DateiSpeichernDialog(const std::string& titel,
                                                            const std::string& filter,
                                                            const std::string& name,
                                                            const std::string& endung) {
    return Dateidialog({true, titel, filter, name, endung});
}

std::optional<TColor> SkriptHost::FarbeWaehlen(const std::string& titel, TColor farbe) {
    Farbdialoge.push_back({titel, farbe});
    if (Farben.empty()) return std::nullopt;
    std::optional<TColor> f = Farben.front();
    Farben.pop_front();
    return f;
}

namespace {

// Writes what the core prints into the host's record of the job.
class SkriptDruck final : public Druckauftrag {
public:
    SkriptDruck(std::vector<SkriptHost::DruckEintrag>& drucke, int breite, std::string fehler)
        : drucke_(drucke), nr_(drucke.size() - 1), breite_(breite), fehler_(std::move(fehler)) {}
    ~SkriptDruck() override { Eintrag().beendet = true; }
    int Seitenbreite() const override { return breite_; }
    void Schrift(const std::string& name, int hoehe) override {
        Eintrag().schrift = name;
        Eintrag().schrifthoehe = hoehe;
    }
    void TextAus(int x, int y, const std::string& text) override { Eintrag().seiten.back().push_back({x, y, text}); }
    void NeueSeite() override { Eintrag().seiten.emplace_back(); }
    std::string Beenden() override { return fehler_; }

private:
    // By number: the record may grow while the job runs.
    SkriptHost::DruckEintrag& Eintrag() { return drucke_[nr_]; }
    std::vector<SkriptHost::DruckEintrag>& drucke_;
    std::size_t nr_;
    int breite_;
    std::string fehler_;
};

}  // namespace

std::unique_ptr<Druckauftrag> SkriptHost::DruckauftragBeginnen(const std::string& titel) {
    if (!DruckGelingt) return nullptr;
    DruckEintrag e;
    e.titel = titel;
    Drucke.push_back(std::move(e));
    return std::make_unique<SkriptDruck>(Drucke, DruckSeitenbreite, DruckEndeFehler);
}

std::string SkriptHost::LetzteMeldung() const {
    return Meldungen.empty() ? std::string() : Meldungen.back().text;
}

void SkriptHost::Vergessen() {
    Meldungen.clear();
    Fenster.clear();
    Dateidialoge.clear();
    Farbdialoge.clear();
    Drucke.clear();
    SanduhrWechsel.clear();
    PassWechsel.clear();
    Zwischenablage.clear();
    Hilfeseiten.clear();
    EscapeAbfragen = 0;
}
