#pragma once
// The host: everything the core needs of the outside world. The Qt front
// implements it; tests install a scripted host. With no host installed, a
// silent host answers every message with OK (or No for questions).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Typen.h"

enum class MeldungsArt { Information, Warnung };
enum class Knoepfe { Ok, JaNein };
enum class Antwort { Ok, Ja, Nein };

// A print job on the printer the user chose. Coordinates are device pixels
// of the printable area of the current page. The job ends, and its pages go
// to the printer, at Beenden (or when the object is destroyed).
class Druckauftrag {
public:
    virtual ~Druckauftrag() = default;
    // Width of the printable area in device pixels.
    virtual int Seitenbreite() const = 0;
    // The font of the texts that follow: its family, fixed pitch, black, and
    // hoehe device pixels from the top of its tallest letter to the bottom
    // of its lowest.
    virtual void Schrift(const std::string& name, int hoehe) = 0;
    // Writes text with its upper left corner at (x, y).
    virtual void TextAus(int x, int y, const std::string& text) = 0;
    // Ends the current page and begins the next.
    virtual void NeueSeite() = 0;
    // Ends the job: empty when it ended well, else what to tell the user
    // (a file printed into then keeps its previous content).
    virtual std::string Beenden() { return {}; }
};

class Oberflaeche {
public:
    virtual ~Oberflaeche() = default;

    // Modal message dialog; returns the button the user pressed.
    virtual Antwort Meldung(const std::string& text, MeldungsArt art, Knoepfe knoepfe) = 0;

    // Windows are known by their instance name ("Form_Kugeln"). A modal show
    // returns only when the window has been closed again.
    virtual void FensterZeigen(const std::string& name, bool modal) = 0;
    virtual void FensterVerbergen(const std::string& name) = 0;

    // Busy cursor for long passes.
    virtual void Sanduhr(bool an) = 0;

    // Polled during the hidden-line pass: true when Escape is held down.
    virtual bool EscapeGedrueckt() = 0;

    // Bracket the hidden-line pass: in between, the front lets only Escape
    // through (other input and timers wait), so no handler runs inside it.
    virtual void LangerPassBeginnt() {}
    virtual void LangerPassEndet() {}

    // File dialogs. filter in the form "Beschreibung|*.EXT|Beschreibung|*.EXT";
    // endung is the default extension without the dot ("OVD"): a name typed
    // without an extension gets it before the dialog looks at the file, so the
    // save dialog asks before replacing the very file that will be written.
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> DateiOeffnenDialog(const std::string& titel,
                                                          const std::string& filter,
                                                          const std::string& name,
                                                          const std::string& endung) = 0;
    virtual std::optional<std::string> DateiSpeichernDialog(const std::string& titel,
                                                            const std::string& filter,
                                                            const std::string& name,
                                                            const std::string& endung) = 0;

    // The colour dialog, starting at farbe ($00BBGGRR). The chosen colour,
    // or nothing when the user cancelled (also for a host without one).
    virtual std::optional<TColor> FarbeWaehlen(const std::string& titel, TColor farbe) {
        (void)titel;
        (void)farbe;
        return std::nullopt;
    }

    // Shows the print dialog and starts a job named titel on the printer the
    // user chose; nothing when the user cancelled (no job is started then)
    // or the printer cannot take a job (the host has said so).
    virtual std::unique_ptr<Druckauftrag> DruckauftragBeginnen(const std::string& titel) = 0;

    // A picture (the bytes of a BMP file) to the clipboard; false when it
    // could not be put there.
    virtual bool BildInZwischenablage(const std::vector<std::uint8_t>& /*bmp*/) { return false; }
    // The user's folder for the program's settings, created when missing;
    // empty when there is none.
    virtual std::string KonfigurationsOrdner() { return {}; }
    // Opens the program's help at the page with this name.
    virtual void HilfeZeigen(const std::string& /*seite*/) {}
};

// The installed host (the silent one when none is installed).
Oberflaeche& Host();
// Installs h (nullptr: the silent host again); returns the previous one
// (nullptr when that was the silent host).
Oberflaeche* HostSetzen(Oberflaeche* h);

// Shortcuts for the program's usual dialogs.
inline void MeldungZeigen(const std::string& text, MeldungsArt art = MeldungsArt::Information) {
    Host().Meldung(text, art, Knoepfe::Ok);
}
// A warning with Yes and No; true only for Yes.
inline bool FrageJa(const std::string& text) {
    return Host().Meldung(text, MeldungsArt::Warnung, Knoepfe::JaNein) == Antwort::Ja;
}
