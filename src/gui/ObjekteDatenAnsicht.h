#pragma once
// The Qt window of the object-data calculator Form_ObjekteDaten.

class DialogAnsicht;
class QWidget;

DialogAnsicht* ObjekteDatenAnsichtAnlegen(QWidget* hauptfenster);
