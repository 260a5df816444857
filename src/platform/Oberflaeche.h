#pragma once
// The host: everything the core needs of the outside world. The Qt front
// implements it; tests install a scripted host. With no host installed, a
// silent host answers every message with OK (or No for questions).

#include <optional>
#include <string>
#include <vector>

enum class MeldungsArt { Information, Warnung };
enum class Knoepfe { Ok, JaNein };
enum class Antwort { Ok, Ja, Nein };

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

    // Prints text lines as one document; false when nothing was printed
    // (cancelled, no printer).
    virtual bool Drucken(const std::string& titel, const std::vector<std::string>& zeilen) = 0;
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
