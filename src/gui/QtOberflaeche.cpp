#include "gui/QtOberflaeche.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringList>

#include "control/Dateien.h"
#include "forms/Schalter.h"
#include "gui/Fensterordnung.h"
#include "gui/Hilfefenster.h"
#include "gui/QtZeichenflaeche.h"
#include "gui/Texte.h"

namespace {

// Input lets through again while a dialog of its own is shown during a pass.
class FilterPause {
public:
    explicit FilterPause(EscapeFilter& f) : f_(f) { f_.Pausieren(); }
    ~FilterPause() { f_.Fortsetzen(); }
    FilterPause(const FilterPause&) = delete;
    FilterPause& operator=(const FilterPause&) = delete;

private:
    EscapeFilter& f_;
};

// Ends an event loop when a window is hidden or destroyed.
class VerbergenBeobachter : public QObject {
public:
    VerbergenBeobachter(QWidget* w, QEventLoop& schleife) : schleife_(schleife) {
        w->installEventFilter(this);
        QObject::connect(w, &QObject::destroyed, &schleife, &QEventLoop::quit);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Hide) schleife_.quit();
        return false;
    }

private:
    QEventLoop& schleife_;
};

// Starting point of a file dialog: the given name, relative to the working
// directory, or the working directory itself.
QString Startpfad(const std::string& name) {
    if (name.empty()) return QDir::currentPath();
    return QDir::current().filePath(QtText(name));
}

// Qt's own file dialog, which speaks the program's German whatever the
// desktop's language. The default suffix goes to a name typed without an
// extension before the dialog checks the file, so the overwrite question of
// a save concerns the file that is then written.
std::optional<std::string> Dateidialog(QFileDialog::AcceptMode modus, const std::string& titel,
                                       const std::string& filter, const std::string& name,
                                       const std::string& endung) {
    QFileDialog dialog(QApplication::activeWindow(), QtText(titel), Startpfad(name), DateiFilterQt(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(modus);
    dialog.setFileMode(modus == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QtText(endung));
    const ModalGanzOben oben(&dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList gewaehlt = dialog.selectedFiles();
    if (gewaehlt.isEmpty() || gewaehlt.constFirst().isEmpty()) return std::nullopt;
    return KernText(gewaehlt.constFirst());
}

// Milliseconds between two dispatches of the event queue while Escape is polled.
constexpr qint64 EreignisAbstand = 15;

}  // namespace

QString DateiFilterQt(const std::string& filter) {
    if (filter.empty()) return {};
    const QStringList teile = QtText(filter).split(QLatin1Char('|'));
    QStringList ergebnis;
    for (qsizetype i = 0; i < teile.size(); i += 2) {
        QString text = teile[i].trimmed();
        const QString muster = i + 1 < teile.size() ? teile[i + 1] : QStringLiteral("*");
        if (text.isEmpty() && muster.trimmed().isEmpty()) continue;
        // The description often names its patterns itself: Qt takes the last
        // parentheses as the patterns, so they are written anew.
        if (text.endsWith(QLatin1Char(')'))) {
            const qsizetype auf = text.lastIndexOf(QLatin1Char('('));
            if (auf >= 0) text = text.left(auf).trimmed();
        }
        QStringList liste;
        for (QString m : muster.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            m = m.trimmed();
            if (m.isEmpty()) continue;
            if (m == QLatin1String("*.*")) m = QStringLiteral("*");
            for (const QString& v : {m.toLower(), m.toUpper()})
                if (!liste.contains(v)) liste << v;
        }
        if (liste.isEmpty()) liste << QStringLiteral("*");
        const QString alle = liste.join(QLatin1Char(' '));
        ergebnis << (text.isEmpty() ? alle : text + QStringLiteral(" (") + alle + QLatin1Char(')'));
    }
    return ergebnis.join(QStringLiteral(";;"));
}

bool EscapeFilter::EscapeAbfragen() {
    const bool ergebnis = unten_ || gedrueckt_;
    gedrueckt_ = false;
    return ergebnis;
}

bool EscapeFilter::eventFilter(QObject* ziel, QEvent* e) {
    const QEvent::Type t = e->type();
    if (t == QEvent::KeyPress || t == QEvent::KeyRelease) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Escape && !k->isAutoRepeat()) {
            if (t == QEvent::KeyPress) {
                unten_ = true;
                gedrueckt_ = true;
            } else {
                unten_ = false;
            }
        }
    }
    if (pass_ == 0 || pause_ > 0) return QObject::eventFilter(ziel, e);
    switch (t) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
        case QEvent::Timer:
            return true;
        case QEvent::Close:
            if (e->spontaneous()) {
                e->ignore();
                return true;
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(ziel, e);
}

QtOberflaeche::QtOberflaeche() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(&filter_);
}

QtOberflaeche::~QtOberflaeche() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(&filter_);
    if (sanduhr_) QApplication::restoreOverrideCursor();
}

Antwort QtOberflaeche::Meldung(const std::string& text, MeldungsArt art, Knoepfe knoepfe) {
    FilterPause pause(filter_);
    // The window the box interrupts gets the focus back when it closes, so
    // the user types on where the focus was (no window manager does it).
    // A modal dialog is interrupted even while the window system has not
    // made it the active window yet.
    QWidget* modal = QApplication::activeModalWidget();
    const QPointer<QWidget> aktiv = modal ? modal : QApplication::activeWindow();
    QMessageBox box(art == MeldungsArt::Warnung ? QMessageBox::Warning : QMessageBox::Information,
                    QString::fromUtf8(ProgrammTitel), QtText(text), QMessageBox::NoButton, aktiv);
    box.setTextFormat(Qt::PlainText);
    QPushButton* ja = nullptr;
    if (knoepfe == Knoepfe::Ok) {
        QPushButton* ok = box.addButton(QMessageBox::Ok);
        ok->setText(QStringLiteral("OK"));
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    } else {
        ja = box.addButton(QMessageBox::Yes);
        ja->setText(QStringLiteral("&Ja"));
        QPushButton* nein = box.addButton(QMessageBox::No);
        nein->setText(QStringLiteral("&Nein"));
        box.setDefaultButton(ja);
        box.setEscapeButton(nein);
    }
    const ModalGanzOben oben(&box);
    box.exec();
    if (aktiv && aktiv->isVisible() && QApplication::activeWindow() != aktiv) aktiv->activateWindow();
    if (knoepfe == Knoepfe::Ok) return Antwort::Ok;
    return box.clickedButton() == ja ? Antwort::Ja : Antwort::Nein;
}

void QtOberflaeche::FensterRegistrieren(const std::string& name, QWidget* fenster) {
    fenster_[name] = fenster;
    // Above the main window and the object dialogs, like the result window;
    // the one opened or activated last comes to the front among them.
    if (fenster && ImVordergrund(name) && !(fenster->windowFlags() & Qt::WindowStaysOnTopHint))
        fenster->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

QWidget* QtOberflaeche::Fenster(const std::string& name) const {
    auto it = fenster_.find(name);
    return it == fenster_.end() ? nullptr : it->second.data();
}

void QtOberflaeche::FensterZeigen(const std::string& name, bool modal) {
    QWidget* w = Fenster(name);
    if (!w) return;
    if (!modal) {
        w->show();
        w->raise();
        w->activateWindow();
        return;
    }
    FilterPause pause(filter_);
    if (auto* d = qobject_cast<QDialog*>(w)) {
        const ModalGanzOben oben(d);
        d->exec();
        return;
    }
    // A plain window shown modally: wait here until it is hidden again.
    QPointer<QWidget> wache(w);
    const Qt::WindowModality vorher = w->windowModality();
    if (w->isVisible()) w->hide();
    w->setWindowModality(Qt::ApplicationModal);
    const ModalGanzOben oben(w);
    QEventLoop schleife;
    VerbergenBeobachter beobachter(w, schleife);
    w->show();
    w->raise();
    w->activateWindow();
    schleife.exec();
    if (wache) {
        wache->removeEventFilter(&beobachter);
        wache->setWindowModality(vorher);
    }
}

void QtOberflaeche::FensterVerbergen(const std::string& name) {
    if (QWidget* w = Fenster(name)) w->hide();
}

void QtOberflaeche::Sanduhr(bool an) {
    // Like the program's screen cursor: set, not stacked.
    if (an == sanduhr_) return;
    sanduhr_ = an;
    if (an) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

bool QtOberflaeche::EscapeGedrueckt() {
    // Key presses reach the filter only through the event queue. It is
    // dispatched only inside a pass, where the filter keeps every handler out.
    if (filter_.PassLaeuft() && (!letzteEreignisse_.isValid() || letzteEreignisse_.elapsed() >= EreignisAbstand)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        letzteEreignisse_.start();
    }
    return filter_.EscapeAbfragen();
}

std::optional<std::string> QtOberflaeche::DateiOeffnenDialog(const std::string& titel, const std::string& filter,
                                                             const std::string& name, const std::string& endung) {
    FilterPause pause(filter_);
    return Dateidialog(QFileDialog::AcceptOpen, titel, filter, name, endung);
}

std::optional<std::string> QtOberflaeche::DateiSpeichernDialog(const std::string& titel,
                                                               const std::string& filter,
                                                               const std::string& name,
                                                               const std::string& endung) {
    FilterPause pause(filter_);
    return Dateidialog(QFileDialog::AcceptSave, titel, filter, name, endung);
}

std::optional<TColor> QtOberflaeche::FarbeWaehlen(const std::string& titel, TColor farbe) {
    FilterPause pause(filter_);
    const QPointer<QWidget> aktiv = QApplication::activeWindow();
    QColorDialog dialog(FarbeQt(farbe), aktiv);
    dialog.setWindowTitle(QtText(titel));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    QColor c;
    {
        const ModalGanzOben oben(&dialog);
        if (dialog.exec() == QDialog::Accepted) c = dialog.selectedColor();
    }
    if (aktiv && aktiv->isVisible() && QApplication::activeWindow() != aktiv) aktiv->activateWindow();
    if (!c.isValid()) return std::nullopt;
    return FarbeAusRGB(static_cast<Byte>(c.red()), static_cast<Byte>(c.green()), static_cast<Byte>(c.blue()));
}

namespace {

// True when the PDF file ends with its trailer: the last thing the engine
// writes, missing when a write failed on the way (full disk, size limit).
bool PdfVollstaendig(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 5) return false;
    f.seek(qMax<qint64>(0, f.size() - 64));
    return f.readAll().trimmed().endsWith("%%EOF");
}

// A job painted on the printer page by page; it ends at Beenden or when
// destroyed. A job into a file writes a temporary file beside it, which
// replaces the file only when the job ended well.
class QtDruckauftrag final : public Druckauftrag {
public:
    explicit QtDruckauftrag(QPrinter& drucker) : drucker_(drucker) {}
    bool Beginnen() {
        if (drucker_.outputFormat() == QPrinter::PdfFormat && !drucker_.outputFileName().isEmpty()) {
            ziel_ = drucker_.outputFileName();
            datei_ = std::make_unique<TSichereDatei>(QFile::encodeName(ziel_).toStdString());
            if (!datei_->Offen()) return false;
            drucker_.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(datei_->TempPfad())));
        }
        if (maler_.begin(&drucker_)) return true;
        if (datei_) drucker_.setOutputFileName(ziel_);   // the dialog shows the user's name again
        return false;
    }
    ~QtDruckauftrag() override { Beenden(); }
    std::string Beenden() override {
        if (beendet_) return {};
        beendet_ = true;
        bool ok = !maler_.isActive() || maler_.end();
        if (!datei_) return ok ? std::string() : "Der Druck konnte nicht abgeschlossen werden.";
        drucker_.setOutputFileName(ziel_);
        ok = ok && PdfVollstaendig(QFile::decodeName(QByteArray::fromStdString(datei_->TempPfad())));
        if (datei_->Abschliessen(ok)) return {};
        return "Der Druck in die Datei\n" + ziel_.toStdString() +
               "\nist fehlgeschlagen.\nEine vorhandene Datei dieses Namens bleibt unverändert.";
    }
    int Seitenbreite() const override { return drucker_.width(); }
    void Schrift(const std::string& name, int hoehe) override {
        QFont f(QtText(name));
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
        // The cell, not the letters alone, is hoehe pixels high: the letters
        // take the share of the cell that the font gives them.
        f.setPixelSize(qMax(1, hoehe));
        const QFontMetricsF m(f, &drucker_);
        const qreal zelle = m.ascent() + m.descent();
        if (zelle > hoehe) f.setPixelSize(qMax(1, qRound(hoehe * hoehe / zelle)));
        maler_.setFont(f);
        maler_.setPen(Qt::black);
    }
    void TextAus(int x, int y, const std::string& text) override {
        maler_.drawText(QPointF(x, y + QFontMetricsF(maler_.font(), &drucker_).ascent()), QtText(text));
    }
    void NeueSeite() override { drucker_.newPage(); }

private:
    QPrinter& drucker_;
    QString ziel_;
    std::unique_ptr<TSichereDatei> datei_;
    QPainter maler_;   // ends before the file it writes into is closed
    bool beendet_ = false;
};

}  // namespace

QPrinter& QtOberflaeche::Drucker() {
    if (!drucker_) drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *drucker_;
}

std::unique_ptr<Druckauftrag> QtOberflaeche::DruckauftragBeginnen(const std::string& titel) {
    QPrinter& drucker = Drucker();
    {
        FilterPause pause(filter_);
        QPrintDialog dialog(&drucker, QApplication::activeWindow());
        const ModalGanzOben oben(&dialog);
        if (dialog.exec() != QDialog::Accepted) return nullptr;
    }
    std::unique_ptr<Druckauftrag> auftrag = AuftragStarten(titel);
    if (!auftrag) Meldung("Der Druck konnte nicht begonnen werden.", MeldungsArt::Warnung, Knoepfe::Ok);
    return auftrag;
}

std::unique_ptr<Druckauftrag> QtOberflaeche::AuftragStarten(const std::string& titel) {
    QPrinter& drucker = Drucker();
    drucker.setDocName(QtText(titel));
    auto auftrag = std::make_unique<QtDruckauftrag>(drucker);
    if (!auftrag->Beginnen()) return nullptr;
    return auftrag;
}

bool QtOberflaeche::BildInZwischenablage(const std::vector<std::uint8_t>& bmp) {
    QImage bild;
    if (!bild.loadFromData(bmp.data(), int(bmp.size()), "BMP")) return false;
    QClipboard* ablage = QApplication::clipboard();
    if (!ablage) return false;
    ablage->setImage(bild);
    return true;
}

std::string QtOberflaeche::KonfigurationsOrdner() {
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (ordner.isEmpty() || !QDir().mkpath(ordner)) return {};
    return ordner.toStdString();
}

void QtOberflaeche::HilfeZeigen(const std::string& seite) { HilfeFensterZeigen(seite); }
