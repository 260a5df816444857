#pragma once
// The Qt window of the result window Form_Datenausgabe: the report as plain
// text in a fixed-pitch font with both scroll bars, editable, above the
// program's other windows, with the menus "&Datei" / "&beenden" and
// "dr&ucken". Every activation rebuilds the report; what the user types
// goes into the core's memo, so printing prints it. A refresh writes only
// the lines that changed.
//
// Also the "Ergebnisse" menus of the other windows, built from the core's
// entry groups.

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "gui/Dialogansicht.h"
#include "platform/Schrift.h"

class QMenu;
class QMenuBar;
class QPlainTextEdit;
struct TErgebnisGruppe;

class Datenausgabeansicht : public DialogAnsicht {
public:
    explicit Datenausgabeansicht(QWidget* eltern);

    void Auffrischen() override;
    void setVisible(bool sichtbar) override;
    QPlainTextEdit* Memo() const { return memo_; }
    QMenuBar* Menue() const { return menue_; }

protected:
    bool Schliessen() override;
    void Platzieren() override;
    void changeEvent(QEvent* e) override;
    // Escape is a key for the text here, not the end of the window.
    void reject() override {}

private:
    void Getippt();
    // Makes the document's lines those of zeilen.
    void ZeilenAbgleichen(const std::vector<std::string>& zeilen);

    QPlainTextEdit* memo_ = nullptr;
    QMenuBar* menue_ = nullptr;
    std::vector<std::string> gezeigt_;  // the lines last written into the document
    bool gezeigtGilt_ = false;          // false once the user has typed: compare every line
    std::optional<TFont> schriftFuer_;  // the memo font the widget's font was made from
    bool platziert_ = false;
    bool aktiv_ = false;
};

// The entries of the groups at the end of menue: each group in a submenu of
// its caption, or one group after the other with a separator between them.
void ErgebnisseEinfuegen(Bindungen& b, QMenu* menue, std::initializer_list<TErgebnisGruppe*> Gruppen,
                         bool Untermenues);
// A menu bar with the menu "&Ergebnisse" of the groups above the window's
// controls (w's layout must exist).
QMenuBar* Ergebnismenue(Bindungen& b, QWidget* w, std::initializer_list<TErgebnisGruppe*> Gruppen);
