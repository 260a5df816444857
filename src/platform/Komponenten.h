#pragma once
// Plain state of the window components the program's logic reads and writes.
// The Qt front shows this state and turns user actions into handler calls;
// views never keep their own copy of a value.
//
// Events follow the program's rules: setting an edit's text or a scroll bar's
// position from code runs its change handler when the value changes; writing
// a grid cell, a button's down state, a check box or a radio group from code
// runs nothing (callers run click handlers explicitly where the program does).

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Schrift.h"
#include "platform/Typen.h"

using TNotifyEvent = std::function<void()>;

struct TControl {
    bool Visible = true;
    bool Enabled = true;
    std::string Hint;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    // Focus and selection requests of the logic; the front applies them and
    // clears them. FokusAnforderungen counts SetFocus calls.
    int FokusAnforderungen = 0;
    void SetFocus() { ++FokusAnforderungen; }
};

// A number the program computed and wrote into a cell whose text shows fewer
// digits: the value noted behind the text it was written with. The cell
// reads as the value while it holds that text (ZelleLesen with the note), so
// taking a result over loses nothing; a text typed over it reads as typed.
struct TZellwert {
    std::string Text;
    Extended Wert = 0;
};

// The background of an edit that only shows a result.
inline constexpr TColor ErgebnisFarbe = 0x00E8E8E8;

struct TEdit : TControl {
    TNotifyEvent OnChange;
    bool AllesMarkiert = false;  // set by SelectAll, cleared when the text changes
    bool ReadOnly = false;
    int MaxLength = 0;           // 0 = no limit
    TColor Color = 0x00FFFFFF;

    const std::string& Text() const { return text_; }
    // Runs OnChange when the text changes.
    void SetText(const std::string& s) {
        if (s == text_) return;
        text_ = s;
        WertVergessen();
        AllesMarkiert = false;
        if (OnChange) OnChange();
    }
    // Sets the text without running OnChange (the user's typing as the front
    // reports it goes through SetText).
    void SetTextStill(const std::string& s) {
        text_ = s;
        WertVergessen();
    }
    // The same with the computed value v noted behind s, so that leaving
    // the field untouched takes no rounded number from it.
    void SetTextStill(const std::string& s, Extended v) {
        text_ = s;
        wert_ = TZellwert{s, v};
        hatWert_ = true;
    }
    // Writes the text s of the computed value v, with v noted behind it
    // (TZellwert); OnChange, when it runs, already reads v. A new value
    // behind the same text is a change as well.
    void SetTextMitWert(const std::string& s, Extended v) {
        const TZellwert* alt = Wert();
        const bool neuerWert = s == text_ && !(alt && alt->Wert == v);
        wert_ = TZellwert{s, v};
        hatWert_ = true;
        SetText(s);
        if (neuerWert && OnChange) OnChange();
    }
    // The note behind the text, or nullptr when the text was typed.
    const TZellwert* Wert() const { return hatWert_ && wert_.Text == text_ ? &wert_ : nullptr; }
    void SelectAll() { AllesMarkiert = true; }

private:
    std::string text_;
    TZellwert wert_;
    bool hatWert_ = false;
    // Any other text drops the note for good, so typing the noted text
    // again later reads as typed.
    void WertVergessen() {
        if (hatWert_ && wert_.Text != text_) hatWert_ = false;
    }
};

struct TStringGrid : TControl {
    int FixedCols = 1, FixedRows = 1;
    int Col = 1, Row = 1;  // current cell
    // Set by the front while an editor is open on the current cell; code
    // that writes the grid from the objects leaves that one cell alone.
    bool Bearbeitung = false;
    // How often the program wrote that open cell over the user's typing (a
    // whole scene brought back): the edit tells such a write by it, even
    // one of the very text typed.
    long Ueberschrieben = 0;
    // The value the program's latest write of that open cell put there,
    // whether it wrote the text or left the typing in place (a turn, a tick,
    // another window): what the cell stands for once the edit ends. The
    // edit clears it at each of its own steps.
    std::optional<Extended> Geschrieben;
    // The logic asks for the open editor's whole text to be selected, so the
    // next key replaces it; the front applies and clears it.
    bool AllesMarkiert = false;

    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    void SetColCount(int n) { Groesse(n, rows_); }
    void SetRowCount(int n) { Groesse(cols_, n); }
    // Resizes the cell table, keeping the texts that still fit.
    void Groesse(int cols, int rows) {
        std::vector<std::string> neu(static_cast<std::size_t>(cols * rows));
        for (int c = 0; c < cols && c < cols_; ++c)
            for (int r = 0; r < rows && r < rows_; ++r)
                neu[static_cast<std::size_t>(c * rows + r)] = std::move(cells_[static_cast<std::size_t>(c * rows_ + r)]);
        cells_ = std::move(neu);
        cols_ = cols;
        rows_ = rows;
    }
    // Cells(column, row), both from 0.
    std::string& Cells(int c, int r) {
        assert(c >= 0 && c < cols_ && r >= 0 && r < rows_);
        return cells_[static_cast<std::size_t>(c * rows_ + r)];
    }
    const std::string& Cells(int c, int r) const {
        assert(c >= 0 && c < cols_ && r >= 0 && r < rows_);
        return cells_[static_cast<std::size_t>(c * rows_ + r)];
    }

private:
    int cols_ = 5, rows_ = 5;
    std::vector<std::string> cells_ = std::vector<std::string>(25);
};

struct TSpeedButton : TControl {
    std::string Caption;
    TColor FontColor = 0x00000000;
    bool Down = false;
    int GroupIndex = 0;
    bool AllowAllUp = false;
    TNotifyEvent OnClick;
    // Pressing and releasing the mouse on the button (buttons that act while held).
    TNotifyEvent OnMouseDown, OnMouseUp;
    void Click() { if (OnClick) OnClick(); }
};

struct TButton : TControl {
    std::string Caption;
    TNotifyEvent OnClick;
    TNotifyEvent OnMouseDown, OnMouseUp;
    void Click() { if (OnClick) OnClick(); }
};
using TBitBtn = TButton;

struct TCheckBox : TControl {
    std::string Caption;
    bool Checked = false;
    TNotifyEvent OnClick;
    void Click() { if (OnClick) OnClick(); }
};

struct TRadioGroup : TControl {
    std::string Caption;
    std::vector<std::string> Items;
    int ItemIndex = -1;
    TNotifyEvent OnClick;
    void Click() { if (OnClick) OnClick(); }
};

struct TComboBox : TControl {
    std::vector<std::string> Items;
    int ItemIndex = -1;
    std::string Text;
    TNotifyEvent OnChange;
};

struct TScrollBar : TControl {
    int Min = 0, Max = 100;
    int SmallChange = 1, LargeChange = 1;
    TNotifyEvent OnChange;
    int Position() const { return pos_; }
    // Runs OnChange when the position changes; clamps into Min..Max.
    void SetPosition(int p) {
        if (p < Min) p = Min;
        if (p > Max) p = Max;
        if (p == pos_) return;
        pos_ = p;
        if (OnChange) OnChange();
    }
    void SetPositionStill(int p) { pos_ = p; }

private:
    int pos_ = 0;
};

struct TPanel : TControl {
    std::string Caption;
    TColor Color = 0x00F0F0F0;
    TColor FontColor = 0x00000000;
};

struct TLabel : TControl {
    std::string Caption;
    TColor FontColor = 0x00000000;
};

// A picture box: the picture it shows, by name ("" for none). The front
// draws the picture; it sizes itself to it.
struct TImage : TControl {
    std::string Bild;
};

struct TMemo : TControl {
    std::vector<std::string> Lines;
    TFont Font;
};

struct TMenuItem {
    std::string Caption;   // "-" is a separator
    std::string ShortCut;  // as shown, e.g. "Strg+A", "F2"
    bool Checked = false;
    bool Enabled = true;
    bool Visible = true;
    TColor FontColor = 0x00000000;  // the colour of its text
    TNotifyEvent OnClick;  // of an item with a submenu: runs when the submenu opens
    std::vector<TMenuItem> Items;  // the submenu
    void Click() { if (OnClick) OnClick(); }
};

// A context menu: its items, each maybe with a submenu.
struct TPopupMenu {
    std::vector<TMenuItem> Items;
};

// Interval 0 or Enabled false: the timer does not run.
struct TTimer {
    int Interval = 1000;
    bool Enabled = true;
    TNotifyEvent OnTimer;
    bool Laeuft() const { return Enabled && Interval > 0; }
};

// The repeat of a button held down, as keyboards and auto-repeat buttons do
// it: the press makes the first step at once, and the ticks of the button's
// timer repeat it only once the button has been held for the delay, so that
// an ordinary click moves exactly one step. The ticks keep their interval;
// they count the time held.
struct TWiederholung {
    static constexpr int Verzoegerung = 300;  // ms from the press to the first repeat

    void Druecken() { gehalten_ = 0; }
    void Loslassen() { gehalten_ = -1; }
    // A tick of the timer, Interval ms after the one before (or the press):
    // true when it repeats the step.
    bool Tick(int Interval) {
        if (gehalten_ < 0) return false;
        if (gehalten_ < Verzoegerung) gehalten_ += Interval > 0 ? Interval : 1;
        return gehalten_ >= Verzoegerung;
    }

private:
    int gehalten_ = -1;  // ms held as the ticks count them; -1: not held
};

// What every window's state has in common.
struct TFormZustand {
    std::string Caption;
    bool Visible = false;
    int ClientWidth = 0, ClientHeight = 0;
};
