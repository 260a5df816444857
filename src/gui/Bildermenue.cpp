#include "gui/Bildermenue.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRubberBand>
#include <QVBoxLayout>

#include "gui/Auffrischen.h"
#include "gui/Beschleuniger.h"
#include "gui/Bindung.h"
#include "gui/Hilfefenster.h"
#include "gui/QtOberflaeche.h"
#include "gui/QtZeichenflaeche.h"
#include "forms/Beispiele.h"
#include "forms/Bilder.h"
#include "forms/Hauptfenster.h"
#include "forms/Koordsperre.h"
#include "platform/Oberflaeche.h"

namespace {

// Form_Beispiele: paints the examples afresh at every paint.
class Beispielansicht : public QWidget {
public:
    Beispielansicht() {
        setObjectName(QStringLiteral("Form_Beispiele"));
        setWindowTitle(QString::fromStdString(Form_Beispiele.Caption).trimmed());
        setFixedSize(Form_Beispiele.ClientWidth, Form_Beispiele.ClientHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QtZeichenflaeche z(Form_Beispiele.ClientWidth, Form_Beispiele.ClientHeight);
        BeispielZeichnen(z);
        QPainter(this).drawImage(0, 0, z.Bild());
    }
};

void Hilfe() { Form_Edits_01.HilfeausDatei1Click(); }
void Beispiele() { Host().FensterZeigen("Form_Beispiele", false); }

}  // namespace

Bildermenue::Bildermenue(QMainWindow& fenster, QWidget* bild) : QObject(&fenster), fenster_(fenster), bild_(bild) {
    QMenuBar* leiste = fenster.menuBar();
    QMenu* menue = leiste->addMenu(QStringLiteral("B&ild"));
    Befehl(menue, QStringLiteral("Bild in die Zwischenablage kopieren"), &BildInZwischenablageClick);
    Befehl(menue, QStringLiteral("Bild als Bitmap (*.BMP) speichern ..."), &BildAlsBmpSpeichernClick);
    Befehl(menue, QStringLiteral("Bild als Metadatei (*.WMF) speichern ..."), &BildAlsWmfSpeichernClick);
    Befehl(menue, QStringLiteral("Bitmap-Datei in Metadatei umwandeln ..."), &BmpInWmfUmwandelnClick);
    menue->addSeparator();
    Befehl(menue, QStringLiteral("Bildausschnitt mit der Maus wählen"), &BildausschnittWaehlenClick);
    Befehl(menue, QStringLiteral("ganzes Bild verwenden"), &GanzesBildClick);

    for (QAction* a : leiste->actions())
        if (a->menu() && a->text() == QStringLiteral("&Einstellungen")) {
            a->menu()->addSeparator();
            Befehl(a->menu(), QStringLiteral("Koordinaten sperren-zeigen ..."), &KoordSperrenZeigenClick);
        }

    QMenu* hilfe = leiste->addMenu(QStringLiteral("&Hilfe"));
    QAction* f1 = Befehl(hilfe, QStringLiteral("Hilfe"), &Hilfe);
    // Shown in the menu; the key itself opens the page of the window it is
    // pressed in.
    f1->setShortcut(QKeySequence(Qt::Key_F1));
    HilfeTasteEinrichten();
    Befehl(hilfe, QStringLiteral("Beispiele"), &Beispiele);
    hilfe->addSeparator();
    QAction* info = hilfe->addAction(QStringLiteral("Info über %1").arg(QString::fromUtf8(ProgrammTitel)));
    connect(info, &QAction::triggered, this, [this] { UeberDasProgramm(&fenster_); });

    band_ = new QRubberBand(QRubberBand::Rectangle, bild_);
    bild_->installEventFilter(this);

    SperrdialogAnlegen();
    beispiele_ = new Beispielansicht;
    beispiele_->setParent(&fenster, Qt::Window);
    if (auto* host = dynamic_cast<QtOberflaeche*>(&Host())) {
        host->FensterRegistrieren("Form_Koordsperre", sperre_);
        host->FensterRegistrieren("Form_Beispiele", beispiele_);
    }
}

Bildermenue::~Bildermenue() { delete b_; }

QAction* Bildermenue::Befehl(QMenu* menue, const QString& text, void (*handler)()) {
    QAction* a = menue->addAction(text);
    connect(a, &QAction::triggered, this, [handler] { Benutzeraktion(handler); });
    return a;
}

QAction* Bildermenue::Aktion(const QString& text) const {
    for (QAction* m : fenster_.menuBar()->actions())
        if (m->menu())
            for (QAction* a : m->menu()->actions())
                if (OhneBeschleuniger(a->text()) == OhneBeschleuniger(text)) return a;
    return nullptr;
}

void Bildermenue::SperrdialogAnlegen() {
    TForm_Koordsperre& F = Form_Koordsperre;
    b_ = new Bindungen;
    sperre_ = new QDialog(&fenster_);
    sperre_->setObjectName(QStringLiteral("Form_Koordsperre"));
    sperre_->setWindowTitle(QString::fromStdString(F.Caption).trimmed());
    auto* spalte = new QVBoxLayout(sperre_);
    auto* arten = new QGridLayout;
    for (std::size_t i = 0; i < F.CheckBox_Arten.size(); ++i) {
        QCheckBox* c = b_->Ankreuzfeld(F.CheckBox_Arten[i], [] {}, sperre_);
        c->setObjectName(QStringLiteral("CheckBox_%1").arg(QString::fromStdString(F.CheckBox_Arten[i].Caption)));
        arten->addWidget(c, int(i % 4), int(i / 4));
    }
    spalte->addLayout(arten);
    spalte->addWidget(b_->Beschriftung(F.Label_Hinweis, sperre_));
    QLineEdit* pw = b_->Feld(F.Edit_Passwort, {}, sperre_);
    pw->setObjectName(QStringLiteral("Edit_Passwort"));
    pw->setEchoMode(QLineEdit::Password);
    spalte->addWidget(pw);
    spalte->addWidget(b_->Beschriftung(F.Label_Passwort2, sperre_));
    QLineEdit* pw2 = b_->Feld(F.Edit_Passwort2, {}, sperre_);
    pw2->setObjectName(QStringLiteral("Edit_Passwort2"));
    pw2->setEchoMode(QLineEdit::Password);
    spalte->addWidget(pw2);
    auto* knoepfe = new QHBoxLayout;
    QPushButton* ok = b_->Knopf(F.But_Ok, [this] {
        bool zu = false;
        Benutzeraktion([&zu] { zu = Form_Koordsperre.But_OkClick(); });
        b_->Auffrischen();
        if (zu) sperre_->accept();
    }, sperre_);
    ok->setObjectName(QStringLiteral("But_Ok"));
    ok->setDefault(true);
    QPushButton* ab = b_->Knopf(F.But_Abbrechen, [this] { sperre_->reject(); }, sperre_);
    ab->setObjectName(QStringLiteral("But_Abbrechen"));
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(ab);
    spalte->addLayout(knoepfe);
    // The core sets the dialog up before the modal show.
    connect(sperre_, &QDialog::finished, this, [this] { b_->Auffrischen(); });
    class Auf : public QObject {
    public:
        explicit Auf(Bindungen* b) : b_(b) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Show) b_->Auffrischen();
            return false;
        }
        Bindungen* b_;
    };
    sperre_->installEventFilter(new Auf(b_));
}

bool Bildermenue::eventFilter(QObject* ziel, QEvent* e) {
    if (ziel != bild_) return false;
    auto* m = static_cast<QMouseEvent*>(e);
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        if (!BildausschnittWaehlen || m->button() != Qt::LeftButton) return false;
        ziehen_ = true;
        anfang_ = m->position().toPoint();
        band_->setGeometry(QRect(anfang_, QSize()));
        band_->show();
        return true;
    case QEvent::MouseMove:
        if (!ziehen_) return false;
        band_->setGeometry(QRect(anfang_, m->position().toPoint()).normalized());
        return true;
    case QEvent::MouseButtonRelease: {
        if (!ziehen_ || m->button() != Qt::LeftButton) return false;
        ziehen_ = false;
        band_->hide();
        const QPoint ende = m->position().toPoint();
        Benutzeraktion([this, ende] { BildausschnittGewaehlt(anfang_.x(), anfang_.y(), ende.x(), ende.y()); });
        return true;
    }
    default:
        return false;
    }
}
