#pragma once
// The popup menus of the calculator's object buttons, built from tables:
// the values each object holds, and per pair of object kinds the relations
// offered in both objects' menus. Twins differ only in their numbers.

#include "forms/ObjekteDaten.h"
#include "platform/Komponenten.h"

// The menu of RechenObjekte[Nr - 1].
TPopupMenu ObjektMenue(const TRechenObjekt& O);
