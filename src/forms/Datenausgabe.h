#pragma once
// State of the result window Form_Datenausgabe: one report at a time as
// plain text lines in Memo1, which the user may edit, and its menu. The
// reports write Memo1; the handlers are defined with the report dispatcher
// (reports/Datenausgabe.cpp).

#include "platform/Komponenten.h"

struct TForm_Datenausgabe : TFormZustand {
    // The form resource: caption, client size, the memo's font and lines,
    // the menu captions.
    TForm_Datenausgabe();

    TMemo Memo1;
    TMenuItem Datei1;    // "&Datei", holding beenden1
    TMenuItem beenden1;  // "&beenden"
    TMenuItem drucken1;  // "dr&ucken", on the menu bar itself
    int Left = -1;       // the window's left edge on the screen; -1: where the front puts it

    void FormCreate();
    // Every activation rebuilds the report of ErgebnisAuswahl.
    void FormActivate();
    // The window closes: no report any more (ErgebnisAuswahl 0); the text stays.
    void FormClose();
    void beenden1Click();
    // Prints the memo's lines, 49 a page, on the printer the user chooses.
    void drucken1Click();
};

inline TForm_Datenausgabe Form_Datenausgabe;

// The result window's instance name for the host.
inline constexpr const char* DatenausgabeName = "Form_Datenausgabe";
