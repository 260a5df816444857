#pragma once
// A grid of the core (TStringGrid) as a Qt table.
//
// Grids and text fields report typing by the edit protocol: each key goes
// through the key filter first and only what it returns is inserted; every
// change of the text is reported (a paste as well); leaving the cell or
// field is reported once. A message box that pops up while the user types
// is no leaving: the editor stays open. Escape in a cell editor cancels the
// edit where the grid has Abbrechen: that is reported instead of leaving.

#include <QTableWidget>
#include <functional>
#include <optional>
#include <string>

#include "platform/Komponenten.h"

class QLineEdit;
struct TObjektDialog;

// What a grid reports to its dialog. Without Taste the grid is read-only.
struct GitterEreignisse {
    std::function<std::optional<char>(char Taste)> Taste;
    std::function<void(int Spalte, int Zeile, const std::string& Text)> Getippt;
    std::function<void(int Spalte, int Zeile)> Verlassen;
    // Escape in the editor: the edit is cancelled; empty: Escape leaves the
    // cell as any other way out.
    std::function<void(int Spalte, int Zeile)> Abbrechen;
    // Asked before a change without typing (delete, paste); empty: allowed.
    std::function<bool()> Aendern;
};
// The three events of an object grid of dialog D.
GitterEreignisse ObjektGitterEreignisse(TObjektDialog& D, TStringGrid& G);

class GitterTabelle : public QTableWidget {
public:
    GitterTabelle(TStringGrid& G, GitterEreignisse e, QWidget* eltern = nullptr);

    void Auffrischen();
    // The cell editor while one is open.
    QLineEdit* Editor() const { return editor_; }
    // Opens the editor on cell (Spalte, Zeile) of the core's numbering.
    void ZelleBearbeiten(int Spalte, int Zeile);
    // Closes an open editor; its cell counts as left.
    void EditorSchliessen();

    // Typing always edits a cell: no search for a cell by its text.
    void keyboardSearch(const QString&) override {}

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    friend class ZellenDelegat;
    void EditorGeoeffnet(QLineEdit* editor, int Spalte, int Zeile);
    // A key in the open editor; true when it is dealt with here.
    bool EditorTaste(QLineEdit* editor, QKeyEvent* e);
    void Getippt(const QString& text);
    void Tab();
    void Abbrechen();
    void GroesseAnpassen();

    TStringGrid& G_;
    GitterEreignisse e_;
    QLineEdit* editor_ = nullptr;
    int spalte_ = -1, zeile_ = -1;  // the cell of the open editor
    bool verlassen_ = false;        // its leaving has been reported already
    bool klickAufAktuelle_ = false; // the mouse went down on the current cell
    bool weiterleiten_ = false;     // a key is on its way to the editor
};

