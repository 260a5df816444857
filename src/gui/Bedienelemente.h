#pragma once
// Qt widgets that stand for one component of the core each. A widget keeps
// no value of its own: the user's action goes to the core (through
// Benutzeraktion, which refreshes every view afterwards) and Auffrischen
// writes the core's state back, with the widget's signals blocked.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <functional>
#include <string>
#include <vector>

#include "platform/Komponenten.h"

class QRadioButton;

QString QtText(const std::string& s);
std::string KernText(const QString& s);

// Presses b as the user presses a speed button: with group index 0 it stays
// up; in a group an up button goes down and releases the others of its
// group, a down one goes up only when its group may be all up. Then its
// click action runs (also when the down state stayed).
void TempoknopfDruecken(TSpeedButton& b, const std::vector<TSpeedButton*>& gruppe);

// TSpeedButton: a checkable tool button showing Down, caption, hint, font
// colour and the enabled state. Its group is every Tempoknopf of the same
// window with the same group index.
class Tempoknopf : public QToolButton {
public:
    Tempoknopf(TSpeedButton& knopf, const char* name, QWidget* eltern);
    ~Tempoknopf() override;
    TSpeedButton& Knopf() const { return knopf_; }
    void Auffrischen();

private:
    void Gedrueckt();
    TSpeedButton& knopf_;
};

// TButton / TBitBtn: a push button; Click on every press.
class Knopf : public QPushButton {
public:
    Knopf(TButton& knopf, const char* name, QWidget* eltern);
    void Auffrischen();

private:
    TButton& knopf_;
};

// TEdit: typing writes the text into the core (its change action runs).
// An optional key filter sees every typed character first (0: dropped,
// another character: typed in its place); an optional exit action runs when
// the focus moves to another control of the window (not when the window
// loses the focus, e.g. to a message box).
class Editfeld : public QLineEdit {
public:
    using Tastenfilter = std::function<void(char&)>;
    Editfeld(TEdit& edit, const char* name, QWidget* eltern, Tastenfilter filter = {},
             std::function<void()> verlassen = {});
    void Auffrischen();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool event(QEvent* e) override;

private:
    TEdit& edit_;
    Tastenfilter filter_;
    std::function<void()> verlassen_;
};

// TScrollBar: moving it sets the core's position (its change action runs).
class Rollbalken : public QScrollBar {
public:
    Rollbalken(TScrollBar& balken, const char* name, QWidget* eltern);
    void Auffrischen();

private:
    TScrollBar& balken_;
};

// TPanel used as a display field, and TLabel: caption, font colour, hint.
class Anzeigefeld : public QLabel {
public:
    Anzeigefeld(TPanel& panel, const char* name, QWidget* eltern);
    Anzeigefeld(TLabel& label, const char* name, QWidget* eltern);
    void Auffrischen();

private:
    TPanel* panel_ = nullptr;
    TLabel* label_ = nullptr;
};

// TRadioGroup: a group box with one radio button per item; a click on an
// item sets ItemIndex and runs the click action, also when that item was
// already chosen (the group starts windows, so the same choice may come
// again).
class Auswahlgruppe : public QGroupBox {
public:
    // The items fill `spalten` columns, row by row.
    Auswahlgruppe(TRadioGroup& gruppe, const char* name, QWidget* eltern, int spalten = 1);
    void Auffrischen();
    QRadioButton* Eintrag(int i) const;

private:
    TRadioGroup& gruppe_;
    std::vector<QRadioButton*> knoepfe_;
};
