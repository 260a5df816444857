#pragma once
// Qt widgets bound to the core's component state. A binding writes the
// component into its widget in Auffrischen() (signals blocked) and turns the
// user's action into the component's event, run through Benutzeraktion so
// every visible view follows. Widgets keep no value of their own.
//
// Grids and number fields report typing by the edit protocol: each key goes
// through the dialog's key filter first and only what it returns is
// inserted; every change of the text is reported (a paste as well); leaving
// the cell or field is reported once. A message box that pops up while the
// user types is no leaving: the editor stays open.

#include <QTableWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Komponenten.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;
struct TObjektDialog;

// What a grid reports to its dialog. Without Taste the grid is read-only.
struct GitterEreignisse {
    std::function<std::optional<char>(char Taste)> Taste;
    std::function<void(int Spalte, int Zeile, const std::string& Text)> Getippt;
    std::function<void(int Spalte, int Zeile)> Verlassen;
    // Asked before a change without typing (delete, paste); empty: allowed.
    std::function<bool()> Aendern;
};
// The three events of an object grid of dialog D.
GitterEreignisse ObjektGitterEreignisse(TObjektDialog& D, TStringGrid& G);

// What a text field reports. Without Taste every key goes in; without
// Getippt the text goes into the edit by TEdit::SetText (its OnChange runs);
// Verlassen is optional.
struct FeldEreignisse {
    std::function<std::optional<char>(char Taste)> Taste;
    std::function<void(const std::string& Text)> Getippt;
    std::function<void()> Verlassen;
    // Asked before a change without typing (delete, paste); empty: allowed.
    std::function<bool()> Aendern;
};

class GitterTabelle : public QTableWidget {
public:
    GitterTabelle(TStringGrid& G, GitterEreignisse e, QWidget* eltern = nullptr);

    TStringGrid& Kern() const { return G_; }
    void Auffrischen();
    // The cell editor while one is open.
    QLineEdit* Editor() const { return editor_; }
    // Opens the editor on cell (Spalte, Zeile) of the core's numbering.
    void ZelleBearbeiten(int Spalte, int Zeile);
    // Closes an open editor; its cell counts as left.
    void EditorSchliessen();

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    friend class ZellenDelegat;
    void EditorGeoeffnet(QLineEdit* editor, int Spalte, int Zeile);
    // A key in the open editor; true when it is dealt with here.
    bool EditorTaste(QLineEdit* editor, QKeyEvent* e);
    void Getippt(const QString& text);
    void Tab();
    void GroesseAnpassen();

    TStringGrid& G_;
    GitterEreignisse e_;
    QLineEdit* editor_ = nullptr;
    int spalte_ = -1, zeile_ = -1;  // the cell of the open editor
    bool verlassen_ = false;        // its leaving has been reported already
};

// The bindings of one window.
class Bindungen {
public:
    Bindungen();
    ~Bindungen();
    Bindungen(const Bindungen&) = delete;
    Bindungen& operator=(const Bindungen&) = delete;

    // Handlers left empty run the component's own event (OnClick, OnChange).
    GitterTabelle* Gitter(TStringGrid& G, GitterEreignisse e = {}, QWidget* eltern = nullptr);
    QLineEdit* Feld(TEdit& E, FeldEreignisse e = {}, QWidget* eltern = nullptr);
    // Items in `spalten` columns.
    QGroupBox* Radiogruppe(TRadioGroup& R, int spalten = 1, std::function<void()> handler = {},
                           QWidget* eltern = nullptr);
    QCheckBox* Ankreuzfeld(TCheckBox& C, std::function<void()> handler = {}, QWidget* eltern = nullptr);
    QComboBox* Auswahl(TComboBox& C, std::function<void()> handler = {}, QWidget* eltern = nullptr);
    // Down follows the program's rule before the handler runs: a button of
    // a group goes down (or up again when the group may be all up), the
    // others of its group bound here go up.
    QToolButton* Schnellknopf(TSpeedButton& B, std::function<void()> handler = {}, QWidget* eltern = nullptr);
    QPushButton* Knopf(TButton& B, std::function<void()> handler = {}, QWidget* eltern = nullptr);
    QLabel* Beschriftung(TLabel& L, QWidget* eltern = nullptr);
    QScrollBar* Rollbalken(TScrollBar& S, Qt::Orientation richtung, QWidget* eltern = nullptr);
    // A Qt timer that runs while the core's timer runs; its ticks run
    // OnTimer (a tick is dropped while one still runs).
    QTimer* Zeitgeber(TTimer& T, QObject* eltern);

    void Auffrischen();
    // Closes every open grid editor and reports the focused field as left
    // (the window closes).
    void EingabenBeenden();

    // The widget bound to a component (nullptr: none).
    QWidget* Widget(const void* komponente) const;
    GitterTabelle* Tabelle(const TStringGrid& G) const;

    struct Bindung;

private:
    Bindung& Neu(std::unique_ptr<Bindung> b);
    std::vector<std::unique_ptr<Bindung>> liste_;
    // Cleared when the bindings go: handlers of widgets still alive stop.
    std::shared_ptr<bool> lebt_;
};
