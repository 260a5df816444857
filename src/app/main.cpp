// The program body: the application, Qt's German texts, the host and the
// off-screen picture, every window's state in the fixed order, the main
// window (whose first show runs the first activation at its real size), and
// the message loop.

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

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
        // On a screen too small for the form's size the window takes the screen.
        const QScreen* schirm = QGuiApplication::primaryScreen();
        if (schirm && !schirm->availableGeometry().contains(QRect(QPoint(0, 0), fenster.frameSize())))
            fenster.showMaximized();
        else
            fenster.show();
        rc = QApplication::exec();
    }

    ZeichenbitmapSetzen(nullptr);
    HostSetzen(nullptr);
    return rc;
}
