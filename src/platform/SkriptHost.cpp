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

bool SkriptHost::Drucken(const std::string& titel, const std::vector<std::string>& zeilen) {
    Drucke.push_back({titel, zeilen});
    return DruckGelingt;
}

std::string SkriptHost::LetzteMeldung() const {
    return Meldungen.empty() ? std::string() : Meldungen.back().text;
}

void SkriptHost::Vergessen() {
    Meldungen.clear();
    Fenster.clear();
    Dateidialoge.clear();
    Drucke.clear();
    SanduhrWechsel.clear();
    PassWechsel.clear();
    EscapeAbfragen = 0;
}
