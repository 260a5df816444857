// The program body: the application, Qt's German texts, the host and the
// off-screen picture, every window's state in the fixed order, the main
// window (whose first show runs the first activation at its real size), and
// the message loop.

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>

#include "gui/Dialogansicht.h"
#include "gui/Hauptfensteransicht.h"
#include "gui/QtOberflaeche.h"
#include "gui/QtZeichenflaeche.h"
#include "gui/Uebersetzung.h"
#include "forms/Hauptfenster.h"
#include "control/Programm.h"
#include "platform/Oberflaeche.h"
#include "platform/Zeichenflaeche.h"

int main(int argc, char* argv[]) {
    DeutscheUmgebungVorbereiten();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ProgrammTitel));
    DeutscheUebersetzungLaden(app);

    QtOberflaeche host;
    HostSetzen(&host);
    QtZeichenflaeche bild;
    ZeichenbitmapSetzen(&bild);

    FensterErzeugen();

    int rc = 0;
    {
        Hauptfensteransicht fenster;
        host.FensterRegistrieren("Form_Edits_01", &fenster);
        for (DialogAnsicht* d : DialogeAnlegen(&fenster)) host.FensterRegistrieren(d->Name(), d);
        fenster.ClientGroesseSetzen(Form_Edits_01.ClientWidth, Form_Edits_01.ClientHeight);
        // No larger than the screen: before the show, and once more when a
        // window manager has added its frame.
        fenster.AnBildschirmAnpassen();
        fenster.show();
        QTimer::singleShot(0, &fenster, [&fenster] { fenster.AnBildschirmAnpassen(); });
        rc = QApplication::exec();
    }

    ZeichenbitmapSetzen(nullptr);
    HostSetzen(nullptr);
    return rc;
}
