// The windows of the linear-algebra tools. Each shows only what its core
// window holds; their number edits stand in blocks built by one builder and
// type through the dialogs' key filter (the vector product's take any key),
// and a right click on a column opens the window's memory popup at the
// window's top-left corner. Nothing a window shows changes its size. What a window draws itself (brackets, arrows, verdict
// pictures) the core draws on the window's own painter, at the places the
// layout gave the controls.

#include "gui/Werkzeugansichten.h"

#include <algorithm>
#include <array>

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "forms/DrehMatrizen.h"
#include "forms/Eingabeprotokoll.h"
#include "forms/LGS.h"
#include "forms/LaLua.h"
#include "forms/Matrizen.h"
#include "forms/VektProd.h"
#include "forms/VektSumme.h"
#include "gui/Dialogansicht.h"
#include "gui/Popupmenue.h"
#include "gui/QtZeichenflaeche.h"

namespace {

QLabel* Text(const char* t, QWidget* eltern) { return new QLabel(QString::fromUtf8(t), eltern); }

QGridLayout* Gitter(QWidget* w = nullptr, int abstand = 2) {
    auto* g = w ? new QGridLayout(w) : new QGridLayout;
    g->setContentsMargins(0, 0, 0, 0);
    g->setSpacing(abstand);
    return g;
}

// One column of a block of number fields: three fields one under another
// (a vector, or a column of a matrix; a single field stands in the middle
// row), or one widget level with their middle row (an operator, a colour),
// with what stands above and below it.
struct Blockspalte {
    std::array<TEdit*, 3> Felder{};
    QWidget* Mitte = nullptr;
    QWidget* Oben = nullptr;
    QWidget* Unten = nullptr;
    Qt::Alignment Ausrichtung = {};  // of Oben, Mitte and Unten
    const char* Jede = nullptr;      // a text in each of the three rows
};

// What the number fields of a block answer, and the widest text a field
// holds.
struct Feldart {
    TSpeicherMenue* Menue = nullptr;
    std::function<bool(TEdit&)> Rechtsklick;  // empty: no popup
    std::function<FeldEreignisse(TEdit&)> Ereignisse;
    bool Filter = true;  // the number fields' key filter (none on result fields)
    QString Muster;
};

// The frame every tool window shares.
class WerkzeugAnsicht : public DialogAnsicht {
public:
    WerkzeugAnsicht(TFormZustand& F, const char* name, QWidget* eltern, QColor grund)
        : DialogAnsicht(F, name, eltern) {
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, grund);
        setPalette(p);
    }

    // What the window draws itself follows the state as the controls do.
    void Auffrischen() override {
        DialogAnsicht::Auffrischen();
        update();
    }

protected:
    // The one builder of the number blocks: the columns side by side, the
    // title above them all (row 0), the fields in rows 1 to 3, the footer
    // below them all (row 4). Every field of the block is as wide as the
    // widest text it holds, and at least so wide that the title and the
    // footer fit over and under the columns: no text a field, title or
    // footer shows can widen the block or make its columns uneven.
    QGridLayout* Block(const std::vector<Blockspalte>& spalten, const Feldart& art, QLabel* titel = nullptr,
                       QLabel* fuss = nullptr, int abstand = 2, int spaltenabstand = 2) {
        auto* g = Gitter(nullptr, abstand);
        g->setHorizontalSpacing(spaltenabstand);
        const int n = static_cast<int>(spalten.size());
        const int erste = titel ? 1 : 0;
        if (titel) g->addWidget(titel, 0, 0, 1, n, Qt::AlignLeft);
        Blockmass m{{}, art.Muster, titel, fuss, spaltenabstand, 0};
        for (int c = 0; c < n; ++c) {
            const Blockspalte& s = spalten[static_cast<std::size_t>(c)];
            if (s.Oben) g->addWidget(s.Oben, erste, c, s.Ausrichtung);
            if (s.Mitte) g->addWidget(s.Mitte, erste + 2, c, s.Ausrichtung);
            for (int r = 0; s.Jede && r < 3; ++r) g->addWidget(Text(s.Jede, this), erste + 1 + r, c, s.Ausrichtung);
            for (int r = 0; r < 3; ++r) {
                TEdit* E = s.Felder[static_cast<std::size_t>(r)];
                if (!E) continue;
                QLineEdit* w = Zahlfeld(*E, art);
                m.Felder.push_back(w);
                g->addWidget(w, erste + 1 + r, c);
            }
            if (s.Felder[0] || s.Felder[1] || s.Felder[2]) ++m.Spalten;
            if (s.Unten) g->addWidget(s.Unten, erste + 4, c, s.Ausrichtung);
        }
        if (fuss) g->addWidget(fuss, erste + 5, 0, 1, n, Qt::AlignLeft | Qt::AlignTop);
        bloecke_.push_back(std::move(m));
        return g;
    }

    // A label whose text changes keeps the room of the widest text it can
    // show (its lines one under another), so the window keeps its size; a
    // longer text wraps within that room when Umbruch is set.
    QLabel* Reserviert(QLabel* w, const QString& breitester, bool Umbruch = false) {
        w->setSizePolicy(Umbruch ? QSizePolicy::Ignored : QSizePolicy::Fixed, QSizePolicy::Fixed);
        if (Umbruch || breitester.contains(QLatin1Char('\n')))
            w->setAlignment((w->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
        w->setWordWrap(Umbruch);
        reserviert_.push_back({w, breitester, Umbruch});
        return w;
    }
    QLabel* Reserviert(QLabel* w, const char* breitester, bool Umbruch = false) {
        return Reserviert(w, QString::fromUtf8(breitester), Umbruch);
    }

    // A number edit: typed keys through the dialogs' filter unless it shows
    // a result or its window takes any key, a right click on it as the block
    // says.
    QLineEdit* Zahlfeld(TEdit& E, const Feldart& art) {
        FeldEreignisse ev = art.Ereignisse ? art.Ereignisse(E) : FeldEreignisse{};
        if (art.Filter && !E.ReadOnly && !ev.Taste) ev.Taste = TasteFiltern;
        QLineEdit* w = b_.Feld(E, std::move(ev), this);
        if (art.Rechtsklick && art.Menue) Popup(w, *art.Menue, [r = art.Rechtsklick, &E] { return r(E); });
        return w;
    }
    // The memory popup opens 20 pixels above the window's top-left corner.
    void Popup(QWidget* w, TSpeicherMenue& M, std::function<bool()> Rechtsklick) {
        FeldPopup(w, M, std::move(Rechtsklick), [this] { return frameGeometry().topLeft() - QPoint(0, 20); });
    }
    QVBoxLayout* Spalte() {
        auto* l = new QVBoxLayout(this);
        l->setSizeConstraint(QLayout::SetFixedSize);
        l->setContentsMargins(12, 12, 12, 12);
        l->setSpacing(8);
        return l;
    }

    // The reserved room of the labels, then the fields of each block, in
    // the window's present font.
    void Breiten() {
        for (const auto& r : reserviert_) {
            const QFontMetrics fm = r.w->fontMetrics();
            const QStringList zeilen = r.breitester.split(QLatin1Char('\n'));
            int b = 0;
            for (const QString& z : zeilen) b = std::max(b, fm.horizontalAdvance(z));
            // A wrapping label takes the width the window gives it and
            // room for each of its lines twice.
            const int m = r.w->margin() * 2 + 2;
            if (!r.umbruch) r.w->setFixedWidth(b + m);
            r.w->setFixedHeight(fm.lineSpacing() * static_cast<int>(zeilen.size()) * (r.umbruch ? 2 : 1) + m);
        }
        for (const Blockmass& k : bloecke_) {
            if (k.Felder.empty()) continue;
            int b = QFontMetrics(font()).horizontalAdvance(k.Muster) + 12;
            const int n = std::max(1, k.Spalten);
            for (const QLabel* t : {k.Titel, k.Fuss})
                if (t) {
                    // A reserved label's room, else the width of its fixed text.
                    const int tb = t->maximumWidth() < QWIDGETSIZE_MAX ? t->maximumWidth() : t->sizeHint().width();
                    b = std::max(b, (tb - (n - 1) * k.Spaltenabstand + n - 1) / n);
                }
            for (QLineEdit* w : k.Felder) w->setFixedWidth(b);
        }
    }
    void Platzieren() override {
        SchriftEinpassen([this] { Breiten(); });
        Ablegen();
        AufDenBildschirm();
    }
    // Where the window goes; over the middle of the main window by default.
    virtual void Ablegen() {
        const QWidget* haupt = parentWidget();
        if (haupt && haupt->isVisible()) move(haupt->frameGeometry().center() - rect().center());
    }

    // The core's own drawing of the window, with the controls where the
    // layout put them.
    virtual void Malen(Zeichenflaeche&) {}
    void paintEvent(QPaintEvent* e) override {
        DialogAnsicht::paintEvent(e);
        QPainter p(this);
        QtZeichenflaeche C(p, width(), height());
        Malen(C);
    }
    void Ort(const QWidget* w, TControl& c) const {
        const QPoint o = w->mapTo(this, QPoint(0, 0));
        c.Left = o.x();
        c.Top = o.y();
        c.Width = w->width();
        c.Height = w->height();
    }
    void Ort(const TControl& c, TControl& k) {
        if (QWidget* w = b_.Widget(&c)) Ort(w, k);
    }
    void Ort(TControl& c) { Ort(c, c); }

private:
    struct Blockmass {
        std::vector<QLineEdit*> Felder;
        QString Muster;
        const QLabel* Titel;
        const QLabel* Fuss;
        int Spaltenabstand;
        int Spalten;  // the columns that hold fields
    };
    struct Reservierung {
        QLabel* w;
        QString breitester;
        bool umbruch;
    };
    std::vector<Blockmass> bloecke_;
    std::vector<Reservierung> reserviert_;
};

// ---- Matrices -----------------------------------------------------------------------

class MatrizenAnsicht : public WerkzeugAnsicht {
public:
    explicit MatrizenAnsicht(QWidget* eltern)
        : WerkzeugAnsicht(Form_Matrizen, "Form_Matrizen", eltern, QColor(150, 150, 130)) {
        TForm_Matrizen& M = Form_Matrizen;
        constexpr int E = TForm_Matrizen::Erg;
        art_.Menue = &M.PopupMenu_InSpeicher;
        art_.Rechtsklick = [](TEdit& Z) { return Form_Matrizen.ZelleRechtsklick(Z); };
        art_.Ereignisse = [](TEdit& Z) {
            FeldEreignisse ev;
            if (Form_Matrizen.IstErgebnisZelle(Z))
                ev.Klick = [] { Form_Matrizen.ErgebnisZelleClick(); };
            else
                ev.Verlassen = [&Z] { Form_Matrizen.ZelleExit(Z); };
            return ev;
        };
        art_.Muster = QStringLiteral("-10000,000000");
        auto* l = Gitter(this, 12);
        l->setSizeConstraint(QLayout::SetFixedSize);
        l->setContentsMargins(12, 12, 12, 12);
        for (int m = 1; m <= 3; ++m)
            l->addLayout(Matrix(m, Text(("M" + std::to_string(m) + ":").c_str(), this)), 0, m - 1, Qt::AlignTop);

        // The results below: MErg, the vectors, the determinant.
        l->addLayout(Matrix(E, Reserviert(b_.Beschriftung(M.Label_Ergebnismatrix, this), "MErg = Transponierte(MErg):")),
                     1, 0, Qt::AlignTop);
        std::vector<Blockspalte> v;
        for (int k = 1; k <= TForm_Matrizen::VErgNr; ++k) {
            Blockspalte s{{&M.VZelle(k, 1), &M.VZelle(k, 2), &M.VZelle(k, 3)}};
            s.Oben = k == TForm_Matrizen::VErgNr
                         ? Reserviert(b_.Beschriftung(M.Label_Ergebnisvektor, this), "Ergebnisvektor VErg:")
                         : Text(k == 1 ? "V1:" : "V2:", this);
            v.push_back(s);
        }
        l->addLayout(Block(v, art_, nullptr, nullptr, 2, 8), 1, 1, Qt::AlignTop);
        l->addWidget(Reserviert(b_.Anzeige(M.Panel1, this), "Det(MErg) = -999999999999,999999"), 1, 2,
                     Qt::AlignBottom);

        // The buttons by kind.
        auto* produkte = Gitter();
        for (int n = 1; n <= 9; ++n) produkte->addWidget(Knopf(M.But_Produkt[n]), (n - 1) / 3, (n - 1) % 3);
        for (int m = 1; m <= 3; ++m) produkte->addWidget(Knopf(M.But_MalMErg[m]), 3, m - 1);
        l->addLayout(produkte, 2, 0);
        auto* einzeln = Gitter();
        for (int m = 1; m <= E; ++m) {
            einzeln->addWidget(Knopf(M.But_Inverse[m]), m - 1, 0);
            einzeln->addWidget(Knopf(M.But_Transp[m]), m - 1, 1);
            einzeln->addWidget(Knopf(M.But_Det[m]), m - 1, 2);
        }
        l->addLayout(einzeln, 2, 1);
        auto* mal = Gitter();
        for (int n = 1; n <= 8; ++n) mal->addWidget(Knopf(M.But_MalVektor[n]), (n - 1) % 4, (n - 1) / 4);
        l->addLayout(mal, 2, 2);

        auto* uebernahme = Gitter();
        uebernahme->addWidget(Text("Ergebnismatrix übernehmen:", this), 0, 0, 1, 3);
        for (int m = 1; m <= 3; ++m) uebernahme->addWidget(Knopf(M.But_AlsM[m]), 1, m - 1);
        l->addLayout(uebernahme, 3, 0);
        auto* vuebernahme = Gitter();
        vuebernahme->addWidget(Text("Ergebnisvektor übernehmen:", this), 0, 0, 1, 2);
        for (int k = 1; k <= 2; ++k) vuebernahme->addWidget(Knopf(M.But_AlsV[k]), 1, k - 1);
        l->addLayout(vuebernahme, 3, 1);
        l->addWidget(Knopf(M.But_Hilfe), 3, 2, Qt::AlignRight | Qt::AlignBottom);
    }

protected:
    // Centred on the screen.
    void Ablegen() override {
        if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    }

private:
    Feldart art_;

    QPushButton* Knopf(TButton& B) { return b_.Knopf(B, {}, this); }

    // Matrix m's nine cells under its title.
    QGridLayout* Matrix(int m, QLabel* titel) {
        std::vector<Blockspalte> s;
        for (int j = 1; j <= 3; ++j)
            s.push_back({{&Form_Matrizen.Zelle(m, 1, j), &Form_Matrizen.Zelle(m, 2, j), &Form_Matrizen.Zelle(m, 3, j)}});
        return Block(s, art_, titel);
    }
};

// ---- Rotation matrices ----------------------------------------------------------------

// The widest list of rotations: twenty lines, each after a line break.
QString BreitesteDrehliste() {
    QString s;
    for (int i = 0; i < 20; ++i) s += QStringLiteral("\n20. Drehung: um die x-Achse mit -99999,999 Grad");
    return s;
}

class DrehMatrizenAnsicht : public WerkzeugAnsicht {
public:
    explicit DrehMatrizenAnsicht(QWidget* eltern)
        : WerkzeugAnsicht(Form_Dreh_Matrizen, "Form_Dreh_Matrizen", eltern, QColor(120, 170, 170)) {
        TForm_Dreh_Matrizen& D = Form_Dreh_Matrizen;
        Feldart art;
        art.Menue = &D.PopupMenu_InSpeicher;
        art.Rechtsklick = [](TEdit& E) { return Form_Dreh_Matrizen.ZelleRechtsklick(E); };
        art.Muster = QStringLiteral("-0,000000");
        QVBoxLayout* l = Spalte();
        auto* oben = Gitter(nullptr, 16);
        for (const bool aktuell : {true, false}) {
            std::vector<Blockspalte> s;
            for (int j = 1; j <= 3; ++j)
                s.push_back(aktuell ? Blockspalte{{&D.Makt(1, j), &D.Makt(2, j), &D.Makt(3, j)}}
                                    : Blockspalte{{&D.Mges(1, j), &D.Mges(2, j), &D.Mges(3, j)}});
            QLabel* titel = b_.Beschriftung(aktuell ? D.Label1 : D.Label2, this);
            // Under the current matrix its rotation, under the total one the
            // list of all of them.
            QLabel* unten = b_.Beschriftung(aktuell ? D.Label3 : D.Label4, this);
            if (aktuell)
                Reserviert(unten, "\num die x-Achse mit -99999,9999 Grad");
            else
                Reserviert(unten, BreitesteDrehliste());
            oben->addLayout(Block(s, art, titel, unten), 0, aktuell ? 0 : 1, Qt::AlignTop);
        }
        l->addLayout(oben);
        for (TLabel* t : {&D.Label5, &D.Label6, &D.Label7, &D.Label8, &D.Label9}) {
            QLabel* w = b_.Beschriftung(*t, this);
            if (t == &D.Label8) l->addSpacing(4);
            if (t == &D.Label7) {
                QFont f = w->font();
                f.setBold(true);
                w->setFont(f);
                Reserviert(w, "Drehungen ohne Koordinatenachsen");
            }
            l->addWidget(w);
        }
        l->setSpacing(2);
    }

protected:
    bool Schliessen() override {
        Form_Dreh_Matrizen.FormClose();
        return true;
    }
    // At the main window's bottom left, off its rotation buttons.
    void Ablegen() override {
        const QWidget* haupt = parentWidget();
        if (!haupt || !haupt->isVisible()) return;
        const QRect h = haupt->frameGeometry();
        move(h.left(), h.bottom() - frameGeometry().height());
    }
};

// ---- Linear dependence ----------------------------------------------------------------

int LaLuaNummer(const TEdit& E) {
    for (int i = 1; i <= 9; ++i)
        if (&Form_LaLua.Feld(i) == &E) return i;
    return 0;
}

class LaLuaAnsicht : public WerkzeugAnsicht {
public:
    explicit LaLuaAnsicht(QWidget* eltern)
        : WerkzeugAnsicht(Form_LaLua, "Form_LaLua", eltern, QColor(150, 100, 100)) {
        TForm_LaLua& W = Form_LaLua;
        Feldart art;
        art.Menue = &W.PopupMenu_InSpeicher;
        art.Rechtsklick = [](TEdit& E) { return Form_LaLua.EditRechtsklick(LaLuaNummer(E)); };
        art.Ereignisse = [](TEdit& E) {
            const int i = LaLuaNummer(E);
            FeldEreignisse ev;
            ev.Verlassen = [i] { Form_LaLua.EditExit(i); };
            ev.Betreten = [i] { Form_LaLua.EditEnter(i); };
            return ev;
        };
        art.Muster = QStringLiteral("-10000,000000");
        QVBoxLayout* l = Spalte();
        TLabel* const titel[3] = {&W.Label1, &W.Label2, &W.Label3};
        std::vector<Blockspalte> s;
        for (int k = 1; k <= 3; ++k) {
            Blockspalte c{{&W.Feld(3 * k - 2), &W.Feld(3 * k - 1), &W.Feld(3 * k)}};
            c.Oben = b_.Beschriftung(*titel[k - 1], this);
            s.push_back(c);
        }
        l->addLayout(Block(s, art, nullptr, nullptr, 4, 16));
        l->addSpacing(6);
        // Each verdict with room for its picture 20 pixels to its right.
        for (TLabel* u : {&W.Label4, &W.Label5, &W.Label6, &W.Label7}) {
            auto* zeile = new QHBoxLayout;
            zeile->addWidget(Reserviert(b_.Beschriftung(*u, this), u == &W.Label7 ? "v1, v2, v3 sind linear unabhängig"
                                                                                 : "v1 und v2 sind linear unabhängig"));
            zeile->addSpacing(20 + BildGroesse);
            zeile->addStretch(1);
            l->addLayout(zeile);
        }
    }

protected:
    void Malen(Zeichenflaeche& C) override {
        TForm_LaLua& W = Form_LaLua;
        for (TLabel* u : {&W.Label4, &W.Label5, &W.Label6, &W.Label7}) Ort(*u);
        W.FormPaint(C);
    }
    // The close query decides; it checks the edit entered last itself.
    void closeEvent(QCloseEvent* e) override {
        bool zu = true;
        Benutzeraktion([&] { zu = Form_LaLua.FormCloseQuery(); });
        if (zu)
            e->accept();
        else
            e->ignore();
    }
};

// ---- Linear systems ---------------------------------------------------------------------

int LGSNummer(const TEdit& E) {
    for (int i = 1; i <= 12; ++i)
        if (&Form_LGS.Feld(i) == &E) return i;
    return 0;
}

class LGSAnsicht : public WerkzeugAnsicht {
public:
    explicit LGSAnsicht(QWidget* eltern)
        : WerkzeugAnsicht(Form_LGS, "Form_LGS", eltern, QColor(230, 230, 150)) {
        TForm_LGS& L = Form_LGS;
        Feldart art;
        art.Menue = &L.PopupMenu_InSpeicher;
        art.Rechtsklick = [](TEdit& E) { return Form_LGS.EditRechtsklick(LGSNummer(E)); };
        art.Ereignisse = [](TEdit& E) {
            FeldEreignisse ev;
            ev.Verlassen = [i = LGSNummer(E)] { Form_LGS.EditExit(i); };
            return ev;
        };
        art.Muster = QStringLiteral("-10000,000000");
        QVBoxLayout* l = Spalte();
        // The equations as they are written: the columns of A with "* x1 +"
        // and so on between them, "=" and the right-hand side.
        const char* const zwischen[4] = {"* x1   +", "* x2   +", "* x3", "="};
        std::vector<Blockspalte> s;
        for (int k = 0; k < 4; ++k) {
            const Blockspalte spalte{{&L.Feld(3 * k + 1), &L.Feld(3 * k + 2), &L.Feld(3 * k + 3)}};
            Blockspalte text;
            text.Jede = zwischen[k];
            if (k == 3) {
                s.push_back(text);
                s.push_back(spalte);
            } else {
                s.push_back(spalte);
                s.push_back(text);
            }
        }
        l->addLayout(Block(s, art, nullptr, nullptr, 4, 4));
        // The determinants two by two, each with room for the widest.
        auto* dets = Gitter(nullptr, 2);
        dets->setHorizontalSpacing(24);
        int n = 0;
        for (TLabel* d : {&L.Label13, &L.Label14, &L.Label15, &L.Label16}) {
            dets->addWidget(Reserviert(b_.Beschriftung(*d, this), "D1 = -99999999999999,999999"), n / 2, n % 2);
            ++n;
        }
        dets->setColumnStretch(2, 1);
        l->addLayout(dets);
        for (TLabel* t : {&L.Label17, &L.Label18, &L.Label19}) {
            QLabel* w = b_.Beschriftung(*t, this);
            if (t == &L.Label17) {
                QFont f = w->font();
                f.setBold(true);
                w->setFont(f);
                Reserviert(w, "Das Gleichungssystem hat eine eindeutig bestimmte Lösung.");
            } else {
                // The quotients and the solution wrap within the window.
                Reserviert(w, "x", true);
            }
            l->addWidget(w);
        }
    }
};

// ---- Vector product ---------------------------------------------------------------------

int VektProdNummer(const TEdit& E) {
    for (int i = 1; i <= 9; ++i)
        if (&Form_VektProd.Feld(i) == &E) return i;
    return 0;
}

class VektProdAnsicht : public WerkzeugAnsicht {
public:
    explicit VektProdAnsicht(QWidget* eltern)
        : WerkzeugAnsicht(Form_VektProd, "Form_VektProd", eltern, QColor(180, 200, 150)) {
        TForm_VektProd& P = Form_VektProd;
        QVBoxLayout* l = Spalte();
        l->setSpacing(10);
        // a, b, c as columns, each letter with its arrow above it. Any key
        // goes in: what is no number is answered by the range message.
        Feldart art;
        art.Menue = &P.PopupMenu_InSpeicher;
        art.Rechtsklick = [](TEdit& E) { return Form_VektProd.Rechtsklick(VektProdNummer(E)); };
        art.Filter = false;
        art.Muster = QStringLiteral("-10000,000000");
        TLabel* const buchstabe[3] = {&P.Label_a, &P.Label_b, &P.Label_c};
        std::vector<Blockspalte> s;
        for (int k = 1; k <= 3; ++k) {
            Blockspalte c{{&P.Feld(3 * k - 2), &P.Feld(3 * k - 1), &P.Feld(3 * k)}};
            c.Oben = Buchstabe(*buchstabe[k - 1]);
            c.Ausrichtung = Qt::AlignHCenter;
            s.push_back(c);
        }
        auto* vektoren = new QHBoxLayout;
        vektoren->addSpacing(8);
        vektoren->addLayout(Block(s, art, nullptr, nullptr, 4, 28));
        vektoren->addStretch(1);
        l->addLayout(vektoren);

        // "Vektorprodukt:  a x b = " and the product as a column.
        auto* produkt = Gitter(nullptr, 6);
        produkt->addWidget(Text("Vektorprodukt:", this), 1, 0);
        produkt->addWidget(Buchstabe(P.Label_aPrv), 1, 1);
        produkt->addWidget(Text("x", this), 1, 2);
        produkt->addWidget(Buchstabe(P.Label_bPrv), 1, 3);
        produkt->addWidget(Text("=", this), 1, 4);
        produkt->setColumnMinimumWidth(5, 8);
        for (int r = 0; r < 3; ++r) {
            TLabel& z = r == 0 ? P.Label_vpx : r == 1 ? P.Label_vpy : P.Label_vpz;
            QLabel* w = b_.Beschriftung(z, this);
            w->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Reserviert(w, "-9999999,999   ");
            Popup(w, P.PopupMenu_InSpeicher, [] { return Form_VektProd.Rechtsklick(10); });
            produkt->addWidget(w, r, 6);
        }
        produkt->setColumnStretch(7, 1);
        l->addLayout(produkt);

        const struct {
            const char* text;
            TLabel* wert;
        } zeilen[] = {
            {"Größe des durch die beiden ersten Vektoren gebildeten  Winkels   =   ", &P.Label_Winkel},
            {"Höhe des Parallelogramms auf die Seite, die durch den ersten der beiden Vektoren erzeugt wird  =",
             &P.Label_Hoehe},
            {"Inhalt des Parallelogramms, das durch die beiden Vektoren erzeugt wird  =", &P.Label_Inhalt},
        };
        auto* werte = Gitter(nullptr, 4);
        werte->setHorizontalSpacing(8);
        int r = 0;
        for (const auto& z : zeilen) {
            werte->addWidget(Text(z.text, this), r, 0);
            werte->addWidget(Wert(*z.wert), r++, 1);
        }
        // "Spatprodukt:  ( a x b ) . c = "
        auto* spat = new QHBoxLayout;
        spat->setSpacing(4);
        spat->addWidget(Text("Spatprodukt:", this));
        spat->addSpacing(8);
        spat->addWidget(Text("(", this));
        spat->addWidget(Buchstabe(P.Label_aSPProd));
        spat->addWidget(Text("x", this));
        spat->addWidget(Buchstabe(P.Label_bSPProd));
        spat->addWidget(Text(")", this));
        spat->addWidget(Text(".", this));
        spat->addWidget(Buchstabe(P.Label_cSPProd));
        spat->addWidget(Text("=", this));
        spat->addStretch(1);
        werte->setRowMinimumHeight(r, 8);
        werte->addLayout(spat, ++r, 0);
        werte->addWidget(Wert(P.Label_SPProd), r++, 1);
        werte->addWidget(Text("Volumen des durch diese 3 Vektoren aufgespannten Spats  =", this), r, 0);
        werte->addWidget(Wert(P.Label_SpatVol), r, 1);
        l->addLayout(werte);
    }

protected:
    void Malen(Zeichenflaeche& C) override {
        TForm_VektProd& P = Form_VektProd;
        for (int i = 1; i <= 9; ++i) Ort(P.Feld(i));
        for (TLabel* L : {&P.Label_vpx, &P.Label_vpy, &P.Label_vpz, &P.Label_a, &P.Label_b, &P.Label_c, &P.Label_aPrv,
                          &P.Label_bPrv, &P.Label_aSPProd, &P.Label_bSPProd, &P.Label_cSPProd})
            Ort(*L);
        P.FormPaint(C);
    }

private:
    // A vector letter: italic, as wide as it is.
    QLabel* Buchstabe(TLabel& L) {
        QLabel* w = b_.Beschriftung(L, this);
        QFont f = w->font();
        f.setItalic(true);
        f.setBold(true);
        w->setFont(f);
        w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        return w;
    }
    // A result with room for the widest one.
    QLabel* Wert(TLabel& L) { return Reserviert(b_.Beschriftung(L, this), "-9,999999E12 VE"); }
};

// ---- Vector sums -------------------------------------------------------------------------

int VektSummeNummer(const TEdit& E) {
    for (int i = 1; i <= 18; ++i)
        if (&Form_VektSumme.Feld(i) == &E) return i;
    return 0;
}

class VektSummeAnsicht : public WerkzeugAnsicht {
public:
    explicit VektSummeAnsicht(QWidget* eltern)
        : WerkzeugAnsicht(Form_VektSumme, "Form_VektSumme", eltern, QColor(200, 200, 180)) {
        TForm_VektSumme& S = Form_VektSumme;
        Feldart art;
        art.Menue = &S.PopupMenu_InSpeicher;
        art.Rechtsklick = [](TEdit& E) { return Form_VektSumme.Rechtsklick(VektSummeNummer(E)); };
        art.Ereignisse = [](TEdit& E) {
            const int i = VektSummeNummer(E);
            FeldEreignisse ev;
            if (i <= 15) {
                ev.Getippt = [i](const std::string& t) { Form_VektSumme.EditGetippt(i, t); };
                ev.Betreten = [i] { Form_VektSumme.EditEnter(i); };
            } else {
                ev.Klick = [] { Form_VektSumme.SummeClick(); };
            }
            return ev;
        };
        art.Muster = QStringLiteral("-10000,000");
        QVBoxLayout* l = Spalte();
        // r1 * v1 + r2 * v2 + r3 * v3, each term with its colour and button.
        const char* const namen[3] = {"v1 =", "v2 = ", "v3 ="};
        std::vector<Blockspalte> terme;
        for (int k = 1; k <= 3; ++k) {
            Blockspalte name, koef, mal, vektor, farbe, luecke;
            name.Mitte = Text(namen[k - 1], this);
            koef.Felder = {nullptr, &S.Feld(9 + k), nullptr};
            mal.Mitte = Text("*", this);
            vektor.Felder = {&S.Feld(3 * k - 2), &S.Feld(3 * k - 1), &S.Feld(3 * k)};
            QToolButton* knopf = b_.Schnellknopf(S.Summandknopf(k), {}, this);
            knopf->setMinimumWidth(40);
            vektor.Unten = knopf;
            vektor.Ausrichtung = Qt::AlignHCenter;
            farbe.Mitte = Farbe(S.Farbfeld(k));
            luecke.Mitte = Luecke(14);
            for (const Blockspalte& c : {name, koef, mal, vektor, farbe, luecke}) terme.push_back(c);
        }
        l->addLayout(Block(terme, art, nullptr, nullptr, 4, 6));

        // The start point, the sum and the formula.
        auto* unten = new QHBoxLayout;
        unten->setSpacing(10);
        unten->addWidget(b_.Beschriftung(S.Label7, this), 0, Qt::AlignTop);
        Blockspalte a{{&S.Feld(13), &S.Feld(14), &S.Feld(15)}}, luecke, titel, summe{{&S.Feld(16), &S.Feld(17), &S.Feld(18)}},
            farbe;
        luecke.Mitte = Luecke(20);
        titel.Mitte = Text("Vektorsumme = v4 = ", this);
        farbe.Mitte = Farbe(S.Panel_v4);
        unten->addLayout(Block({a, luecke, titel, summe, farbe}, art, nullptr, nullptr, 4, 10));
        unten->addStretch(1);
        l->addLayout(unten);
        auto* formel = new QHBoxLayout;
        formel->addWidget(b_.Knopf(S.But_VSummeBestimm, {}, this));
        formel->addSpacing(12);
        formel->addWidget(Text("v4 =", this));
        QLabel* f = b_.Beschriftung(S.Label6, this);
        QFont fett = f->font();
        fett.setBold(true);
        f->setFont(fett);
        formel->addWidget(Reserviert(f, " v1 + v2 + v3"));
        formel->addStretch(1);
        l->addLayout(formel);
    }

protected:
    bool Schliessen() override {
        Form_VektSumme.FormClose();
        return true;
    }
    // Below the vectors dialog, at the bottom of the screen.
    void Ablegen() override {
        const QScreen* s = screen();
        const QWidget* v =
            parentWidget() ? parentWidget()->findChild<QWidget*>(QStringLiteral("Form_Vektoren")) : nullptr;
        if (!s) return;
        const int x = v && v->isVisible() ? v->frameGeometry().left() : s->availableGeometry().left();
        move(x, s->availableGeometry().bottom() - frameGeometry().height() - 30);
    }

private:
    QLabel* Farbe(TPanel& P) {
        QLabel* w = b_.Anzeige(P, this);
        w->setFixedSize(18, 18);
        return w;
    }
    QWidget* Luecke(int breite) {
        auto* w = new QWidget(this);
        w->setFixedSize(breite, 1);
        return w;
    }
};

}  // namespace

void WerkzeugAnsichtenAnlegen(QWidget* hauptfenster, std::vector<DialogAnsicht*>& d) {
    d.push_back(new MatrizenAnsicht(hauptfenster));
    d.push_back(new DrehMatrizenAnsicht(hauptfenster));
    d.push_back(new LaLuaAnsicht(hauptfenster));
    d.push_back(new VektSummeAnsicht(hauptfenster));
    d.push_back(new LGSAnsicht(hauptfenster));
    d.push_back(new VektProdAnsicht(hauptfenster));
}
