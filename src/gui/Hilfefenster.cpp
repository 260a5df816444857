#include "gui/Hilfefenster.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>
#include <QWidget>

#include "gui/Auffrischen.h"
#include "gui/Fensterordnung.h"
#include "gui/QtOberflaeche.h"
#include "mainwindow/Hilfe.h"

namespace {

class Hilfe : public QWidget {
public:
    Hilfe() {
        setObjectName(QStringLiteral("Hilfe"));
        setWindowTitle(QStringLiteral("Hilfe"));
        auto* reihe = new QHBoxLayout(this);
        liste_ = new QListWidget(this);
        liste_->setObjectName(QStringLiteral("Hilfe_Inhalt"));
        for (const HilfeSeite& s : HilfeSeiten()) liste_->addItem(QString::fromUtf8(s.Titel));
        liste_->setMaximumWidth(180);
        text_ = new QTextBrowser(this);
        text_->setObjectName(QStringLiteral("Hilfe_Text"));
        text_->setOpenLinks(false);
        reihe->addWidget(liste_);
        reihe->addWidget(text_, 1);
        connect(liste_, &QListWidget::currentRowChanged, this, [this](int i) { Zeigen(i); });
        connect(text_, &QTextBrowser::anchorClicked, this,
                [this](const QUrl& u) { Oeffnen(u.toString().toStdString()); });
        resize(780, 560);
    }
    void Oeffnen(const std::string& name) {
        int i = 0;
        for (int k = 0; k < int(HilfeSeiten().size()); ++k)
            if (name == HilfeSeiten()[std::size_t(k)].Name) i = k;
        liste_->setCurrentRow(i);
        Zeigen(i);
    }

protected:
    // Esc closes the help, as it closes the program's dialogs.
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
            close();
            return;
        }
        QWidget::keyPressEvent(e);
    }

private:
    void Zeigen(int i) {
        if (i < 0 || i >= int(HilfeSeiten().size())) return;
        text_->setHtml(QString::fromUtf8(HilfeSeiten()[std::size_t(i)].Html));
    }
    QListWidget* liste_;
    QTextBrowser* text_;
};

QPointer<Hilfe> fenster;

// The program's name of the window a widget sits in: the nearest window
// up the chain whose name is one of the program's ("Form_..."); a menu or
// message box counts as the window it belongs to.
std::string FensterName(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        w = w->window();
        if (w->objectName().startsWith(QStringLiteral("Form_"))) return w->objectName().toStdString();
    }
    return {};
}

// F1 anywhere in the program: the page of the window it was pressed in.
// Taken before the shortcuts, so it works in modal dialogs too, where the
// main window's menu is blocked.
class F1Filter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::ShortcutOverride && e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() != Qt::Key_F1 || k->modifiers() != Qt::NoModifier) return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w) return false;
        if (e->type() == QEvent::ShortcutOverride) {
            // Claimed here, the key arrives as a key press below.
            e->accept();
            return true;
        }
        const std::string name = FensterName(w);
        Benutzeraktion([&name] { HilfeFuerFenster(name); });
        return true;
    }
};

}  // namespace

void HilfeTasteEinrichten() {
    static QPointer<F1Filter> filter;
    if (!filter) {
        filter = new F1Filter(qApp);
        qApp->installEventFilter(filter);
    }
}

void HilfeFensterZeigen(const std::string& seite) {
    if (!fenster) {
        fenster = new Hilfe;
        fenster->setAttribute(Qt::WA_DeleteOnClose);
    }
    // A modal dialog blocks every other window: the help then belongs to it.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* eltern = modal && modal != fenster && !fenster->isAncestorOf(modal) ? modal : nullptr;
    if (fenster->parentWidget() != eltern) fenster->setParent(eltern, Qt::Window);
    fenster->Oeffnen(seite);
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

QWidget* HilfeFenster() { return fenster; }

void UeberDasProgramm(QWidget* eltern) {
    // As QMessageBox::about, but above the windows that stay on top.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Info"),
                    QStringLiteral("<h3>%1</h3><p>Version %2</p>"
                                   "<p>Analytische Geometrie im Raum für den Unterricht.</p>")
                        .arg(QString::fromUtf8(ProgrammTitel), QString::fromUtf8(ProgrammVersion)),
                    QMessageBox::Ok, eltern);
    const ModalGanzOben oben(&box);
    box.exec();
}
