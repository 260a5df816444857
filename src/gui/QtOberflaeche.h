#pragma once
// The host for the Qt front: message boxes, windows by name, the busy
// cursor, the Escape poll, file dialogs, the print dialog and printing.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "platform/Oberflaeche.h"

class QPrinter;

// The program's title, the caption of its message boxes.
inline constexpr const char* ProgrammTitel = "Raumgeometrie";
inline constexpr const char* ProgrammVersion = "1.0";

// "Beschreibung|*.EXT|..." to a Qt name filter, "Beschreibung (*.ext *.EXT);;...":
// an extension matches in lower and upper case alike, "*.*" matches every file.
QString DateiFilterQt(const std::string& filter);

// Application-wide event filter. Always notes Escape (held, or pressed since
// the last poll). While a long pass runs it swallows every other keyboard and
// mouse input, timer ticks and the closing of windows by the user, so no
// handler can run in the middle of the pass.
class EscapeFilter : public QObject {
public:
    void PassBeginnen() { ++pass_; }
    void PassEnden() { if (pass_ > 0) --pass_; }
    bool PassLaeuft() const { return pass_ > 0; }
    // Lets input through again for a dialog that is shown during a pass.
    void Pausieren() { ++pause_; }
    void Fortsetzen() { if (pause_ > 0) --pause_; }

    // true when Escape is down now or was pressed since the last call.
    bool EscapeAbfragen();

    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    int pass_ = 0;
    int pause_ = 0;
    bool unten_ = false;
    bool gedrueckt_ = false;
};

class QtOberflaeche : public Oberflaeche {
public:
    // Needs the QApplication; installs the Escape filter on it.
    QtOberflaeche();
    ~QtOberflaeche() override;

    Antwort Meldung(const std::string& text, MeldungsArt art, Knoepfe knoepfe) override;
    void FensterZeigen(const std::string& name, bool modal) override;
    void FensterVerbergen(const std::string& name) override;
    void Sanduhr(bool an) override;
    bool EscapeGedrueckt() override;
    void LangerPassBeginnt() override { filter_.PassBeginnen(); }
    void LangerPassEndet() override { filter_.PassEnden(); }
    std::optional<std::string> DateiOeffnenDialog(const std::string& titel, const std::string& filter,
                                                  const std::string& name, const std::string& endung) override;
    std::optional<std::string> DateiSpeichernDialog(const std::string& titel, const std::string& filter,
                                                    const std::string& name, const std::string& endung) override;
    // Qt's own colour dialog, in German like the program.
    std::optional<TColor> FarbeWaehlen(const std::string& titel, TColor farbe) override;
    // Qt's print dialog on the program's one printer, which keeps what the
    // user chose for the next job (any printer of the system, or a PDF file).
    std::unique_ptr<Druckauftrag> DruckauftragBeginnen(const std::string& titel) override;
    // The job on the printer as it is set, without the dialog; nothing (and
    // no message) when it cannot begin.
    std::unique_ptr<Druckauftrag> AuftragStarten(const std::string& titel);
    QPrinter& Drucker();
    bool BildInZwischenablage(const std::vector<std::uint8_t>& bmp) override;
    std::string KonfigurationsOrdner() override;
    void HilfeZeigen(const std::string& seite) override;

    // Windows register under their instance name ("Form_Kugeln").
    void FensterRegistrieren(const std::string& name, QWidget* fenster);
    QWidget* Fenster(const std::string& name) const;

    EscapeFilter& Filter() { return filter_; }

private:
    EscapeFilter filter_;
    std::map<std::string, QPointer<QWidget>> fenster_;
    bool sanduhr_ = false;
    std::unique_ptr<QPrinter> drucker_;
    QElapsedTimer letzteEreignisse_;
};
