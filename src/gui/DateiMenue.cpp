#include "gui/DateiMenue.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

#include "gui/Auffrischen.h"
#include "mainwindow/Hauptfenster.h"

namespace {

QString Qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The core writes shortcuts as the German menus show them ("Strg+Z").
QKeySequence Kuerzel(const std::string& s) {
    QString t = Qs(s);
    t.replace(QStringLiteral("Strg"), QStringLiteral("Ctrl"));
    t.replace(QStringLiteral("Umschalt"), QStringLiteral("Shift"));
    return QKeySequence::fromString(t, QKeySequence::PortableText);
}

// The file commands have no menu item in the core: their handlers suffice.
void ObjektdatenSpeichern() { Form_Edits_01.aktuelleObjektdatenspeichern1Click(); }
void ObjektdatenLaden() { Form_Edits_01.Objektdatenladen1Click(); }
void FarbsetSpeichern() { Form_Edits_01.aktuellesFarbsetspeichern1Click(); }
void FarbsetLaden() { Form_Edits_01.Farbsetladen1Click(); }

constexpr int LeistenHoehe = 30;

}  // namespace

DateiMenue::DateiMenue(QMainWindow& fenster, QMenu* datei, QWidget* panelRechts)
    : QObject(&fenster), fenster_(fenster), panel_(panelRechts) {
    TForm_Edits_01& F = Form_Edits_01;

    Befehl(datei, "aktuelle Objektdaten in Datei speichern", &ObjektdatenSpeichern);
    Befehl(datei, "Objektdaten aus Datei laden", &ObjektdatenLaden);
    Eintrag(datei, F.ObjektDatensatz1Vorgabeladen1);
    datei->addSeparator();
    Befehl(datei, "aktuelles Farbset in Datei speichern", &FarbsetSpeichern);
    Befehl(datei, "Farbset aus Datei laden", &FarbsetLaden);
    datei->addSeparator();
    for (TMenuItem* m : {&F.FarbSet1, &F.Farbset2, &F.Farbset3, &F.Farbset4, &F.Farbset5}) Eintrag(datei, *m);
    datei->addSeparator();

    QMenu* bearbeiten = fenster.menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    Eintrag(bearbeiten, F.rckgngig1);
    Eintrag(bearbeiten, F.widerrufen1);

    if (panel_) {
        leiste_ = new QWidget(panel_);
        leiste_->setObjectName(QStringLiteral("Objektspeicher"));
        auto* reihe = new QHBoxLayout(leiste_);
        reihe->setContentsMargins(0, 0, 0, 0);
        reihe->setSpacing(2);
        KnopfAnlegen(F.BitBtn_BackObj, QStyle::SP_ArrowBack);
        KnopfAnlegen(F.BitBtn_RebackObj, QStyle::SP_ArrowForward);
        KnopfAnlegen(F.BitBtn_DatenNachSpeich, QStyle::SP_ArrowDown);
        KnopfAnlegen(F.BitBtn_DatenAusSpeich, QStyle::SP_ArrowUp);
        for (const KnopfEintrag& k : knoepfe_) reihe->addWidget(k.widget);
    }
    fenster.installEventFilter(this);
    Auffrischen();
}

QAction* DateiMenue::Befehl(QMenu* menue, const char* text, void (*handler)()) {
    QAction* a = menue->addAction(QString::fromUtf8(text));
    connect(a, &QAction::triggered, this, [handler] { Benutzeraktion(handler); });
    befehle_.push_back(a);
    return a;
}

void DateiMenue::Eintrag(QMenu* menue, TMenuItem& m) {
    // "&" in the core's captions marks the accelerator, as in Qt.
    QAction* a = menue->addAction(Qs(m.Caption));
    if (!m.ShortCut.empty()) a->setShortcut(Kuerzel(m.ShortCut));
    connect(a, &QAction::triggered, this, [&m] { Benutzeraktion([&m] { m.Click(); }); });
    eintraege_.push_back({&m, a});
}

void DateiMenue::KnopfAnlegen(TButton& b, int symbol) {
    auto* w = new QToolButton(leiste_);
    w->setIcon(fenster_.style()->standardIcon(static_cast<QStyle::StandardPixmap>(symbol)));
    w->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    w->setAutoRaise(false);
    connect(w, &QToolButton::clicked, this, [&b] { Benutzeraktion([&b] { b.Click(); }); });
    knoepfe_.push_back({&b, w});
}

void DateiMenue::Auffrischen() {
    for (const MenueEintrag& e : eintraege_) {
        const QSignalBlocker s(e.aktion);
        e.aktion->setText(Qs(e.item->Caption));
        e.aktion->setEnabled(e.item->Enabled);
        e.aktion->setVisible(e.item->Visible);
        e.aktion->setCheckable(e.item->Checked);
        e.aktion->setChecked(e.item->Checked);
    }
    for (const KnopfEintrag& k : knoepfe_) {
        const QSignalBlocker s(k.widget);
        k.widget->setText(Qs(k.knopf->Caption));
        k.widget->setToolTip(Qs(k.knopf->Hint));
        k.widget->setEnabled(k.knopf->Enabled);
        k.widget->setVisible(k.knopf->Visible);
        if (k.knopf->Caption.empty()) k.widget->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    if (leiste_ && panel_) {
        // At the foot of the right panel, across its width.
        leiste_->setGeometry(4, panel_->height() - LeistenHoehe - 4, panel_->width() - 8, LeistenHoehe);
        leiste_->raise();
    }
}

QAction* DateiMenue::Aktion(const TMenuItem& m) const {
    for (const MenueEintrag& e : eintraege_)
        if (e.item == &m) return e.aktion;
    return nullptr;
}

QAction* DateiMenue::Aktion(const std::string& text) const {
    for (QAction* a : befehle_)
        if (a->text() == Qs(text)) return a;
    return nullptr;
}

QToolButton* DateiMenue::Knopf(const TButton& b) const {
    for (const KnopfEintrag& k : knoepfe_)
        if (k.knopf == &b) return k.widget;
    return nullptr;
}

bool DateiMenue::eventFilter(QObject* ziel, QEvent* e) {
    if (ziel == &fenster_ && e->type() == QEvent::Close) {
        bool schliessen = true;
        Benutzeraktion([&schliessen] { schliessen = Form_Edits_01.FormCloseQuery(); });
        if (!schliessen) {
            e->ignore();
            return true;
        }
    }
    return QObject::eventFilter(ziel, e);
}
