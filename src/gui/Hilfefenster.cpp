#include "gui/Hilfefenster.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>
#include <QWidget>

#include "gui/QtOberflaeche.h"

namespace {

struct Seite {
    const char* name;
    const char* titel;
    const char* html;
};

// The pages, in the order of the contents list. Links between pages use
// the page name as address.
const Seite Seiten[] = {
    {"Inhalt", "Übersicht",
     R"(<h2>Raumgeometrie</h2>
<p>Das Programm zeigt Punkte, Vektoren, Strecken, Geraden, Ebenen, Spate, Kugeln und Kegel
im räumlichen Koordinatensystem und berechnet ihre Lage zueinander.</p>
<ul>
<li><a href="Hauptfenster">Das Hauptfenster</a></li>
<li><a href="Objekte">Objekte eingeben</a></li>
<li><a href="Projektion">Ansicht und Projektion</a></li>
<li><a href="Drehen">Drehen der Szene</a></li>
<li><a href="Dateien">Dateien und Bilder</a></li>
<li><a href="Sperre">Koordinaten sperren</a></li>
</ul>
<p>Die Taste F1 öffnet diese Hilfe in jedem Fenster.</p>)"},
    {"Hauptfenster", "Das Hauptfenster",
     R"(<h2>Das Hauptfenster</h2>
<p>In der Mitte steht das Bild der Szene. Die Knöpfe am oberen Rand schalten jedes Objekt
ein oder aus; die farbigen Felder daneben zeigen seine Farbe, ein Klick auf ein Feld wählt
eine neue. Links stehen auf Wunsch die Schnittpunkte und die gegenseitige Lage der Geraden
und Ebenen.</p>
<p>Im Menü <i>Einstellungen</i> stellt man das Gitter und den Achsen-Würfel, die Fluchtstrecken,
Drehstrecken und Normalenvektoren, die Darstellung der Ebenen, die Projektions- und
Spurgeraden, die Differenzvektoren und die Farben von Hintergrund, Achsen und Gitterwänden
ein; das Bild folgt jeder Änderung sofort.</p>
<p>Rückgängig und Wiederholen (Menü <i>Bearbeiten</i>) führen durch die letzten Änderungen.</p>)"},
    {"Objekte", "Objekte eingeben",
     R"(<h2>Objekte eingeben</h2>
<p>Jede Objektart hat ihr eigenes Fenster mit einer Tabelle der Koordinaten. Eine Änderung
in der Tabelle zeichnet das Bild sofort neu. Zahlen werden mit Dezimalkomma eingegeben.</p>
<p>Geraden haben die Form <b>x = p + t·u</b>, Ebenen die Form <b>x = p + r·u + s·v</b>;
Ebenen lassen sich auch in Koordinaten- und Normalenform eingeben.</p>)"},
    {"Projektion", "Ansicht und Projektion",
     R"(<h2>Ansicht und Projektion</h2>
<p>Rechts wählt man zwischen Zentralprojektion (mit Augpunkt) und Parallelprojektion (mit
Projektionsrichtung) sowie die Bildebene x,z, y,z oder x,y. Die Faktoren verkürzen die
Achsen; der Rollbalken vergrößert oder verkleinert das Bild.</p>)"},
    {"Drehen", "Drehen der Szene",
     R"(<h2>Drehen der Szene</h2>
<p>Die Drehknöpfe drehen die Szene schrittweise oder dauernd um die Koordinatenachsen oder
um die Drehachse. Beim Drehen ohne Achsen drehen sich nur die ausgewählten Objekte, und
ihre neuen Koordinaten erscheinen in den Tabellen.</p>)"},
    {"Dateien", "Dateien und Bilder",
     R"(<h2>Dateien und Bilder</h2>
<p>Im Menü <i>Datei</i> werden Objektdaten (*.OVD) und Farbsets (*.OVF) gespeichert und geladen.</p>
<p>Im Menü <i>Bild</i> kommt das Bild in die Zwischenablage, in eine Bitmap-Datei (*.BMP)
oder in eine Metadatei (*.WMF); eine Bitmap-Datei lässt sich in eine Metadatei umwandeln.
Mit <i>Bildausschnitt mit der Maus wählen</i> zieht man ein Rechteck über das Bild; dieser
Ausschnitt kommt sofort in die Zwischenablage und gilt für die Befehle, bis
<i>ganzes Bild verwenden</i> gewählt wird.</p>)"},
    {"Sperre", "Koordinaten sperren",
     R"(<h2>Koordinaten sperren</h2>
<p>Unter <i>Einstellungen/ Koordinaten sperren-zeigen</i> kann eine Lehrkraft die Koordinaten
einzelner Objektarten verbergen. Die Fenster dieser Objektarten zeigen dann keine Tabelle,
und die Gleichungen im Bild entfallen.</p>
<p>Beim ersten Sperren wird ein Paßwort festgelegt; jede spätere Änderung verlangt es.
Das Programm speichert nur einen Prüfwert, aus dem sich das Paßwort nicht zurückgewinnen lässt.</p>)"},
};

const char* const Namen[] = {"Inhalt", "Hauptfenster", "Objekte", "Projektion", "Drehen", "Dateien", "Sperre", nullptr};

class Hilfe : public QWidget {
public:
    Hilfe() {
        setObjectName(QStringLiteral("Hilfe"));
        setWindowTitle(QStringLiteral("Hilfe"));
        auto* reihe = new QHBoxLayout(this);
        liste_ = new QListWidget(this);
        liste_->setObjectName(QStringLiteral("Hilfe_Inhalt"));
        for (const Seite& s : Seiten) liste_->addItem(QString::fromUtf8(s.titel));
        liste_->setMaximumWidth(180);
        text_ = new QTextBrowser(this);
        text_->setObjectName(QStringLiteral("Hilfe_Text"));
        text_->setOpenLinks(false);
        reihe->addWidget(liste_);
        reihe->addWidget(text_, 1);
        connect(liste_, &QListWidget::currentRowChanged, this, [this](int i) { Zeigen(i); });
        connect(text_, &QTextBrowser::anchorClicked, this,
                [this](const QUrl& u) { Oeffnen(u.toString().toStdString()); });
        resize(620, 420);
    }
    void Oeffnen(const std::string& name) {
        int i = 0;
        for (int k = 0; k < int(std::size(Seiten)); ++k)
            if (name == Seiten[k].name) i = k;
        liste_->setCurrentRow(i);
        Zeigen(i);
    }

private:
    void Zeigen(int i) {
        if (i < 0) return;
        text_->setHtml(QString::fromUtf8(Seiten[i].html));
    }
    QListWidget* liste_;
    QTextBrowser* text_;
};

QPointer<Hilfe> fenster;

}  // namespace

void HilfeFensterZeigen(const std::string& seite) {
    if (!fenster) {
        fenster = new Hilfe;
        fenster->setAttribute(Qt::WA_DeleteOnClose);
    }
    fenster->Oeffnen(seite);
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

QWidget* HilfeFenster() { return fenster; }

const char* const* HilfeSeitenNamen() { return Namen; }

void UeberDasProgramm(QWidget* eltern) {
    QMessageBox::about(eltern, QStringLiteral("Info"),
                       QStringLiteral("<h3>%1</h3><p>Version %2</p>"
                                      "<p>Analytische Geometrie im Raum für den Unterricht.</p>")
                           .arg(QString::fromUtf8(ProgrammTitel), QString::fromUtf8(ProgrammVersion)));
}
