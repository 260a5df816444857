#pragma once
// Context menus built from the core's popup menus (TPopupMenu): items,
// submenus and separators as the core has them. Each (sub)menu takes the
// captions and states of its items from the core whenever it opens; an
// item's click runs its OnClick as the user's action, and a submenu whose
// core item has an OnClick runs it when the user opens that submenu.

#include <QMenu>
#include <functional>

#include "platform/Komponenten.h"

class GitterTabelle;
class QLineEdit;
struct TObjektDialog;
struct TSpeicherMenue;

// The menu of P, a child of eltern. The core's items must stay in place as
// long as the menu lives.
QMenu* PopupAufbauen(TPopupMenu& P, QWidget* eltern);

// The memory popup on the columns of a dialog's grid: a right click on a
// column runs the dialog's SpalteGewaehlt and, when the column takes a
// vector, opens its PopupMenu_InSpeicher at the mouse.
void SpaltenPopup(GitterTabelle* Tabelle, TObjektDialog& D, TStringGrid& G);
// The same for a field (or a label showing a column); Gewaehlt is the
// window's right-click handler. The popup opens at Ort() when given, else at
// the mouse.
void FeldPopup(QWidget* Feld, TSpeicherMenue& M, std::function<bool()> Gewaehlt,
               std::function<QPoint()> Ort = {});
