#include "platform/Oberflaeche.h"

namespace {

// Answers without showing anything, so the core runs without a front.
class StillerHost final : public Oberflaeche {
public:
    Antwort Meldung(const std::string&, MeldungsArt, Knoepfe knoepfe) override {
        return knoepfe == Knoepfe::JaNein ? Antwort::Nein : Antwort::Ok;
    }
    void FensterZeigen(const std::string&, bool) override {}
    void FensterVerbergen(const std::string&) override {}
    void Sanduhr(bool) override {}
    bool EscapeGedrueckt() override { return false; }
    std::optional<std::string> DateiOeffnenDialog(const std::string&, const std::string&,
                                                  const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> DateiSpeichernDialog(const std::string&, const std::string&,
                                                    const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::unique_ptr<Druckauftrag> DruckauftragBeginnen(const std::string&) override { return nullptr; }
};

StillerHost stillerHost;
Oberflaeche* aktuellerHost = nullptr;

}  // namespace

Oberflaeche& Host() {
    return aktuellerHost ? *aktuellerHost : stillerHost;
}

Oberflaeche* HostSetzen(Oberflaeche* h) {
    Oberflaeche* vorher = aktuellerHost;
    aktuellerHost = h;
    return vorher;
}
