// The windows of the linear-algebra tools. Each shows only what its core
// window holds; their number edits type through the dialogs' key filter, and
// a right click on a column opens the window's memory popup at the window's
// top-left corner. What a window draws itself (brackets, arrows, verdict
// pictures) the core draws on the window's own painter, at the places the
// layout gave the controls.

#include "gui/Werkzeugansichten.h"

#include <QCloseEvent>
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

// The frame every tool window shares.
class WerkzeugAnsicht : public DialogAnsicht {
public:
    WerkzeugAnsicht(TFormZustand& F, const char* name, QWidget* eltern, QColor grund, const char* muster)
        : DialogAnsicht(F, name, eltern), muster_(QString::fromUtf8(muster)) {
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
    // A number edit: typed keys through the dialogs' filter unless it shows
    // a result, a right click on it as Rechtsklick says.
    QLineEdit* Zahlfeld(TEdit& E, FeldEreignisse ev, TSpeicherMenue& M, std::function<bool()> Rechtsklick,
                        QWidget* eltern = nullptr) {
        if (!E.ReadOnly && !ev.Taste) ev.Taste = TasteFiltern;
        QLineEdit* w = b_.Feld(E, std::move(ev), eltern ? eltern : this);
        felder_.push_back(w);
        if (Rechtsklick) Popup(w, M, std::move(Rechtsklick));
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

    // Every edit wide enough for the longest number it shows.
    void Breiten() {
        const int b = QFontMetrics(font()).horizontalAdvance(muster_) + 12;
        for (QLineEdit* w : felder_) w->setFixedWidth(b);
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

    std::vector<QLineEdit*> felder_;

private:
    QString muster_;
};

// ---- Matrices -----------------------------------------------------------------------

class MatrizenAnsicht : public WerkzeugAnsicht {
public:
    explicit MatrizenAnsicht(QWidget* eltern)
        : WerkzeugAnsicht(Form_Matrizen, "Form_Matrizen", eltern, QColor(150, 150, 130), "-10000,000000") {
        TForm_Matrizen& M = Form_Matrizen;
        constexpr int E = TForm_Matrizen::Erg;
        auto* l = Gitter(this, 12);
        l->setSizeConstraint(QLayout::SetFixedSize);
        l->setContentsMargins(12, 12, 12, 12);
        for (int m = 1; m <= 3; ++m) l->addWidget(Matrix(m, nullptr), 0, m - 1);

        // The results below: MErg, the vectors, the determinant.
        l->addWidget(Matrix(E, b_.Beschriftung(M.Label_Ergebnismatrix, this)), 1, 0);
        auto* vektoren = new QWidget(this);
        auto* v = Gitter(vektoren, 2);
        v->setHorizontalSpacing(8);
        for (int k = 1; k <= TForm_Matrizen::VErgNr; ++k) {
            QLabel* titel = k == TForm_Matrizen::VErgNr ? b_.Beschriftung(M.Label_Ergebnisvektor, vektoren)
                                                        : Text(k == 1 ? "V1:" : "V2:", vektoren);
            v->addWidget(titel, 0, k - 1);
            for (int i = 1; i <= 3; ++i) v->addWidget(Zelle(M.VZelle(k, i), vektoren), i, k - 1);
        }
        l->addWidget(vektoren, 1, 1);
        l->addWidget(b_.Anzeige(M.Panel1, this), 1, 2, Qt::AlignBottom);

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
    QPushButton* Knopf(TButton& B) { return b_.Knopf(B, {}, this); }

    QLineEdit* Zelle(TEdit& E, QWidget* eltern) {
        TForm_Matrizen& M = Form_Matrizen;
        FeldEreignisse ev;
        if (M.IstErgebnisZelle(E))
            ev.Klick = [] { Form_Matrizen.ErgebnisZelleClick(); };
        else
            ev.Verlassen = [&E] { Form_Matrizen.ZelleExit(E); };
        return Zahlfeld(E, std::move(ev), M.PopupMenu_InSpeicher, [&E] { return Form_Matrizen.ZelleRechtsklick(E); },
                        eltern);
    }

    // Matrix m's nine cells under its title (the given label, or "M1:" ..).
    QWidget* Matrix(int m, QLabel* titel) {
        auto* w = new QWidget(this);
        auto* g = Gitter(w);
        if (titel)
            titel->setParent(w);
        else
            titel = Text(("M" + std::to_string(m) + ":").c_str(), w);
        g->addWidget(titel, 0, 0, 1, 3);
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) g->addWidget(Zelle(Form_Matrizen.Zelle(m, i, j), w), i, j - 1);
        return w;
    }
};

// ---- Rotation matrices ----------------------------------------------------------------

class DrehMatrizenAnsicht : public WerkzeugAnsicht {
public:
    explicit DrehMatrizenAnsicht(QWidget* eltern)
        : WerkzeugAnsicht(Form_Dreh_Matrizen, "Form_Dreh_Matrizen", eltern, QColor(120, 170, 170), "-0,000000") {
        TForm_Dreh_Matrizen& D = Form_Dreh_Matrizen;
        QVBoxLayout* l = Spalte();
        auto* oben = Gitter(nullptr, 16);
        for (const bool aktuell : {true, false}) {
            auto* g = Gitter();
            g->addWidget(b_.Beschriftung(aktuell ? D.Label1 : D.Label2, this), 0, 0, 1, 3);
            for (int i = 1; i <= 3; ++i)
                for (int j = 1; j <= 3; ++j) {
                    TEdit& E = aktuell ? D.Makt(i, j) : D.Mges(i, j);
                    g->addWidget(Zahlfeld(E, {}, D.PopupMenu_InSpeicher,
                                          [&E] { return Form_Dreh_Matrizen.ZelleRechtsklick(E); }),
                                 i, j - 1);
                }
            QLabel* unten = b_.Beschriftung(aktuell ? D.Label3 : D.Label4, this);
            unten->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            g->addWidget(unten, 4, 0, 1, 3);
            g->setRowStretch(4, 1);
            oben->addLayout(g, 0, aktuell ? 0 : 1, Qt::AlignTop);
        }
        l->addLayout(oben);
        for (TLabel* t : {&D.Label5, &D.Label6, &D.Label7, &D.Label8, &D.Label9}) {
            QLabel* w = b_.Beschriftung(*t, this);
            if (t == &D.Label8) l->addSpacing(4);
            if (t == &D.Label7) {
                QFont f = w->font();
                f.setBold(true);
                w->setFont(f);
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

class LaLuaAnsicht : public WerkzeugAnsicht {
public:
    explicit LaLuaAnsicht(QWidget* eltern)
        : WerkzeugAnsicht(Form_LaLua, "Form_LaLua", eltern, QColor(150, 100, 100), "-10000,000000") {
        TForm_LaLua& W = Form_LaLua;
        QVBoxLayout* l = Spalte();
        auto* g = Gitter(nullptr, 4);
        g->setHorizontalSpacing(16);
        TLabel* const titel[3] = {&W.Label1, &W.Label2, &W.Label3};
        for (int k = 1; k <= 3; ++k) {
            g->addWidget(b_.Beschriftung(*titel[k - 1], this), 0, k - 1);
            for (int r = 1; r <= 3; ++r) {
                const int i = 3 * (k - 1) + r;
                FeldEreignisse ev;
                ev.Verlassen = [i] { Form_LaLua.EditExit(i); };
                ev.Betreten = [i] { Form_LaLua.EditEnter(i); };
                g->addWidget(Zahlfeld(W.Feld(i), std::move(ev), W.PopupMenu_InSpeicher,
                                      [i] { return Form_LaLua.EditRechtsklick(i); }),
                             r, k - 1);
            }
        }
        l->addLayout(g);
        l->addSpacing(6);
        // Each verdict with room for its picture 20 pixels to its right.
        for (TLabel* u : {&W.Label4, &W.Label5, &W.Label6, &W.Label7}) {
            auto* zeile = new QHBoxLayout;
            zeile->addWidget(b_.Beschriftung(*u, this));
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

class LGSAnsicht : public WerkzeugAnsicht {
public:
    explicit LGSAnsicht(QWidget* eltern)
        : WerkzeugAnsicht(Form_LGS, "Form_LGS", eltern, QColor(230, 230, 150), "-10000,000000") {
        TForm_LGS& L = Form_LGS;
        QVBoxLayout* l = Spalte();
        auto* g = Gitter(nullptr, 4);
        const char* const zwischen[4] = {"* x1   +", "* x2   +", "* x3", "="};
        for (int r = 1; r <= 3; ++r)
            for (int s = 0; s < 4; ++s) {
                const int i = 3 * s + r;
                FeldEreignisse ev;
                ev.Verlassen = [i] { Form_LGS.EditExit(i); };
                const int spalte = s < 3 ? 2 * s : 7;
                g->addWidget(Zahlfeld(L.Feld(i), std::move(ev), L.PopupMenu_InSpeicher,
                                      [i] { return Form_LGS.EditRechtsklick(i); }),
                             r - 1, spalte);
                g->addWidget(Text(zwischen[s], this), r - 1, s < 3 ? 2 * s + 1 : 6);
            }
        l->addLayout(g);
        auto* dets = new QHBoxLayout;
        dets->setSpacing(24);
        for (TLabel* d : {&L.Label13, &L.Label14, &L.Label15, &L.Label16}) dets->addWidget(b_.Beschriftung(*d, this));
        dets->addStretch(1);
        l->addLayout(dets);
        for (TLabel* t : {&L.Label17, &L.Label18, &L.Label19}) {
            QLabel* w = b_.Beschriftung(*t, this);
            if (t == &L.Label17) {
                QFont f = w->font();
                f.setBold(true);
                w->setFont(f);
            }
            l->addWidget(w);
        }
    }
};

// ---- Vector product ---------------------------------------------------------------------

class VektProdAnsicht : public WerkzeugAnsicht {
public:
    explicit VektProdAnsicht(QWidget* eltern)
        : WerkzeugAnsicht(Form_VektProd, "Form_VektProd", eltern, QColor(180, 200, 150), "-10000,000000") {
        TForm_VektProd& P = Form_VektProd;
        QVBoxLayout* l = Spalte();
        l->setSpacing(10);
        // a, b, c as columns, each letter with its arrow above it.
        auto* vektoren = Gitter(nullptr, 4);
        vektoren->setHorizontalSpacing(28);
        vektoren->setVerticalSpacing(4);
        TLabel* const buchstabe[3] = {&P.Label_a, &P.Label_b, &P.Label_c};
        for (int k = 1; k <= 3; ++k) {
            vektoren->addWidget(Buchstabe(*buchstabe[k - 1]), 0, k, Qt::AlignHCenter);
            for (int r = 1; r <= 3; ++r) {
                const int i = 3 * (k - 1) + r;
                vektoren->addWidget(Zahlfeld(P.Feld(i), {}, P.PopupMenu_InSpeicher,
                                             [i] { return Form_VektProd.Rechtsklick(i); }),
                                    r, k);
            }
        }
        vektoren->setColumnMinimumWidth(0, 4);
        vektoren->setColumnStretch(4, 1);
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
            w->setMinimumWidth(w->fontMetrics().horizontalAdvance(QStringLiteral("-100000000,000")) + 8);
            Popup(w, P.PopupMenu_InSpeicher, [] { return Form_VektProd.Rechtsklick(10); });
            produkte_.push_back(w);
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
            werte->addWidget(b_.Beschriftung(*z.wert, this), r++, 1);
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
        werte->addWidget(b_.Beschriftung(P.Label_SPProd, this), r++, 1);
        werte->addWidget(Text("Volumen des durch diese 3 Vektoren aufgespannten Spats  =", this), r, 0);
        werte->addWidget(b_.Beschriftung(P.Label_SpatVol, this), r, 1);
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
    std::vector<QLabel*> produkte_;

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
};

// ---- Vector sums -------------------------------------------------------------------------

class VektSummeAnsicht : public WerkzeugAnsicht {
public:
    explicit VektSummeAnsicht(QWidget* eltern)
        : WerkzeugAnsicht(Form_VektSumme, "Form_VektSumme", eltern, QColor(200, 200, 180), "-10000,000") {
        TForm_VektSumme& S = Form_VektSumme;
        QVBoxLayout* l = Spalte();
        // r1 * v1 + r2 * v2 + r3 * v3, each term with its colour and button.
        auto* terme = Gitter(nullptr, 4);
        terme->setHorizontalSpacing(6);
        const char* const namen[3] = {"v1 =", "v2 = ", "v3 ="};
        for (int k = 1; k <= 3; ++k) {
            const int c = 6 * (k - 1);
            terme->addWidget(Text(namen[k - 1], this), 1, c);
            terme->addWidget(Feld(9 + k), 1, c + 1);
            terme->addWidget(Text("*", this), 1, c + 2);
            for (int r = 0; r < 3; ++r) terme->addWidget(Feld(3 * (k - 1) + r + 1), r, c + 3);
            terme->addWidget(Farbe(S.Farbfeld(k)), 1, c + 4);
            QToolButton* knopf = b_.Schnellknopf(S.Summandknopf(k), {}, this);
            knopf->setMinimumWidth(40);
            terme->addWidget(knopf, 3, c + 3, Qt::AlignHCenter);
            terme->setColumnMinimumWidth(c + 5, 14);
        }
        l->addLayout(terme);

        // The start point, the sum and the formula.
        auto* unten = Gitter(nullptr, 4);
        unten->setHorizontalSpacing(10);
        QLabel* a = b_.Beschriftung(S.Label7, this);
        unten->addWidget(a, 0, 0, 3, 1, Qt::AlignTop);
        for (int r = 0; r < 3; ++r) unten->addWidget(Feld(13 + r), r, 1);
        unten->setColumnMinimumWidth(2, 20);
        unten->addWidget(Text("Vektorsumme = v4 = ", this), 1, 3);
        for (int r = 0; r < 3; ++r) unten->addWidget(Feld(16 + r), r, 4);
        unten->addWidget(Farbe(S.Panel_v4), 1, 5);
        unten->setColumnStretch(6, 1);
        l->addLayout(unten);
        auto* formel = new QHBoxLayout;
        formel->addWidget(b_.Knopf(S.But_VSummeBestimm, {}, this));
        formel->addSpacing(12);
        formel->addWidget(Text("v4 =", this));
        QLabel* f = b_.Beschriftung(S.Label6, this);
        QFont fett = f->font();
        fett.setBold(true);
        f->setFont(fett);
        formel->addWidget(f);
        formel->addStretch(1);
        l->addLayout(formel);
    }

protected:
    bool Schliessen() override {
        Form_VektSumme.FormClose();
        return true;
    }
    // The chain of arrows it builds must stay in sight.
    std::vector<QRect> Schonen() const override { return BildSchonen(); }
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
    QLineEdit* Feld(int i) {
        TForm_VektSumme& S = Form_VektSumme;
        FeldEreignisse ev;
        if (i <= 15) {
            ev.Getippt = [i](const std::string& t) { Form_VektSumme.EditGetippt(i, t); };
            ev.Betreten = [i] { Form_VektSumme.EditEnter(i); };
        } else {
            ev.Klick = [] { Form_VektSumme.SummeClick(); };
        }
        return Zahlfeld(S.Feld(i), std::move(ev), S.PopupMenu_InSpeicher,
                        [i] { return Form_VektSumme.Rechtsklick(i); });
    }
    QLabel* Farbe(TPanel& P) {
        QLabel* w = b_.Anzeige(P, this);
        w->setFixedSize(18, 18);
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
