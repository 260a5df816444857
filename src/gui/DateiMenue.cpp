#include "gui/DateiMenue.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolButton>

#include "gui/Auffrischen.h"
#include "gui/Beschleuniger.h"
#include "gui/Bindung.h"
#include "gui/Hauptfensteransicht.h"
#include "forms/Hauptfenster.h"

namespace {

// The file commands have no menu item in the core: their handlers suffice.
void ObjektdatenSpeichern() { Form_Edits_01.aktuelleObjektdatenspeichern1Click(); }
void ObjektdatenLaden() { Form_Edits_01.Objektdatenladen1Click(); }
void FarbsetSpeichern() { Form_Edits_01.aktuellesFarbsetspeichern1Click(); }
void FarbsetLaden() { Form_Edits_01.Farbsetladen1Click(); }

}  // namespace

DateiMenue::DateiMenue(QMainWindow& fenster, QMenu* datei, QWidget* panelRechts)
    : QObject(&fenster), b_(std::make_unique<Bindungen>()), fenster_(fenster) {
    TForm_Edits_01& F = Form_Edits_01;

    Befehl(datei, "aktuelle Objektdaten in Datei speichern", &ObjektdatenSpeichern);
    Befehl(datei, "Objektdaten aus Datei laden", &ObjektdatenLaden);
    b_->Menuepunkt(F.ObjektDatensatz1Vorgabeladen1, datei);
    datei->addSeparator();
    Befehl(datei, "aktuelles Farbset in Datei speichern", &FarbsetSpeichern);
    Befehl(datei, "Farbset aus Datei laden", &FarbsetLaden);
    datei->addSeparator();
    for (TMenuItem* m : {&F.FarbSet1, &F.Farbset2, &F.Farbset3, &F.Farbset4, &F.Farbset5}) b_->Menuepunkt(*m, datei);
    datei->addSeparator();

    QMenu* bearbeiten = fenster.menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    // "&" in the core's captions marks the accelerator, as in Qt.
    b_->Menuepunkt(F.rckgngig1, bearbeiten);
    b_->Menuepunkt(F.widerrufen1, bearbeiten);

    if (panelRechts) {
        leiste_ = new QWidget(panelRechts);
        leiste_->setObjectName(QStringLiteral("Objektspeicher"));
        QHBoxLayout* reihe = Reihe(leiste_, 2);
        const struct { TButton* knopf; QStyle::StandardPixmap symbol; } knoepfe[] = {
            {&F.BitBtn_BackObj, QStyle::SP_ArrowBack},
            {&F.BitBtn_RebackObj, QStyle::SP_ArrowForward},
            {&F.BitBtn_DatenNachSpeich, QStyle::SP_ArrowDown},
            {&F.BitBtn_DatenAusSpeich, QStyle::SP_ArrowUp},
        };
        for (const auto& k : knoepfe)
            reihe->addWidget(b_->Symbolknopf(*k.knopf, fenster.style()->standardIcon(k.symbol), {}, leiste_));
    }
    fenster.installEventFilter(this);
    Auffrischen();
}

QAction* DateiMenue::Befehl(QMenu* menue, const char* text, void (*handler)()) {
    QAction* a = menue->addAction(QtText(text));
    connect(a, &QAction::triggered, this, [handler] { Benutzeraktion(handler); });
    befehle_.push_back(a);
    return a;
}

DateiMenue::~DateiMenue() = default;

void DateiMenue::Auffrischen() {
    b_->Auffrischen();
}

QAction* DateiMenue::Aktion(const TMenuItem& m) const { return b_->Aktion(m); }

QAction* DateiMenue::Aktion(const std::string& text) const {
    for (QAction* a : befehle_)
        if (OhneBeschleuniger(a->text()) == OhneBeschleuniger(QtText(text))) return a;
    return nullptr;
}

QToolButton* DateiMenue::Knopf(const TButton& b) const { return qobject_cast<QToolButton*>(b_->Widget(&b)); }

bool DateiMenue::eventFilter(QObject* ziel, QEvent* e) {
    // Asked once per closing: the window system may send its close a second
    // time after the answer (seen with the close button and Alt+F4), and a
    // window closed already is asked no more either.
    if (ziel == &fenster_ && e->type() == QEvent::Show) beendet_ = false;
    if (ziel == &fenster_ && e->type() == QEvent::Close && fenster_.isVisible() && !beendet_) {
        bool schliessen = true;
        Benutzeraktion([&schliessen] { schliessen = Form_Edits_01.FormCloseQuery(); });
        if (!schliessen) {
            e->ignore();
            return true;
        }
        beendet_ = true;
    }
    return QObject::eventFilter(ziel, e);
}
