#include "forms/Datenausgabe.h"

TForm_Datenausgabe::TForm_Datenausgabe() {
    Caption = "   Datenausgabe";
    ClientWidth = 385;
    ClientHeight = 404;
    Memo1.Font = {"Courier", -13};
    Memo1.Lines = {"", " "};
    Datei1.Caption = "&Datei";
    beenden1.Caption = "&beenden";
    drucken1.Caption = "dr&ucken";
}
