// The Qt windows of the object dialogs, the coordinate-form dialog, the
// rotation-axis dialog and the animation windows. Each shows only what its
// core dialog holds; the core decides which grid is visible.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <initializer_list>
#include <type_traits>

#include "forms/Animationen.h"
#include "forms/DrehenUmGerade.h"
#include "forms/EbenKoord.h"
#include "forms/Ebenen.h"
#include "forms/Eingabeprotokoll.h"
#include "forms/Fadenkreuz.h"
#include "forms/Geraden_t.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "gui/Datenausgabeansicht.h"
#include "gui/Dialogansicht.h"
#include "gui/ObjekteDatenAnsicht.h"
#include "gui/Popupmenue.h"
#include "gui/Einstellungsfenster.h"
#include "gui/Werkzeugansichten.h"

namespace {

// A field wide enough for every coordinate the dialogs accept.
void Zahlbreite(QLineEdit* w) {
    w->setFixedWidth(w->fontMetrics().horizontalAdvance(QStringLiteral("-10000,000")) + 16);
}

QLabel* Text(const char* t, QWidget* eltern) { return new QLabel(QString::fromUtf8(t), eltern); }

// The layout that sizes the window to its contents: a grid that shows or
// hides changes the window with it.
QVBoxLayout* Spalte(QWidget* w) {
    auto* l = new QVBoxLayout(w);
    l->setSizeConstraint(QLayout::SetFixedSize);
    l->setContentsMargins(8, 8, 8, 8);
    l->setSpacing(6);
    return l;
}

// The object grids of a dialog side by side (only the current one shows),
// centred in the window.
QHBoxLayout* Gitterreihe(Bindungen& b, TObjektDialog& D, std::initializer_list<TStringGrid*> gitter, QWidget* w) {
    auto* reihe = new QHBoxLayout;
    reihe->addStretch(1);
    for (TStringGrid* G : gitter) {
        GitterTabelle* t = b.Gitter(*G, ObjektGitterEreignisse(D, *G), w);
        SpaltenPopup(t, D, *G);
        reihe->addWidget(t);
    }
    reihe->addStretch(1);
    return reihe;
}

// A number field of an object that follows the edit protocol of dialog D.
template <class D>
QLineEdit* ObjektFeld(Bindungen& b, D& dialog, TEdit& E, QWidget* eltern) {
    FeldEreignisse e;
    e.Taste = [&dialog, &E](char t) { return dialog.TasteGedrueckt(E, t); };
    e.Getippt = [&dialog, &E](const std::string& s) { dialog.FeldGetippt(E, s); };
    e.Verlassen = [&dialog, &E] { dialog.FeldVerlassen(E); };
    e.Aendern = KoordAenderungErlaubt;
    QLineEdit* w = b.Feld(E, std::move(e), eltern);
    Zahlbreite(w);
    return w;
}

// A caption and its control in one row.
QHBoxLayout* Zeile(const char* text, QWidget* control, QWidget* eltern) {
    auto* r = new QHBoxLayout;
    r->addWidget(Text(text, eltern));
    r->addWidget(control);
    r->addStretch(1);
    return r;
}

// A dialog whose controls stand in one column.
template <class Form>
class FormAnsicht : public DialogAnsicht {
public:
    FormAnsicht(Form& F, const char* name, QWidget* eltern)
        : DialogAnsicht(F, name, eltern), form_(F), l_(Spalte(this)) {}

protected:
    void Stil() { l_->addWidget(b_.Radiogruppe(form_.GroupStil, {}, {}, this)); }
    void Stift() { l_->addWidget(b_.Radiogruppe(form_.GroupStift, {.Spalten = 4}, {}, this)); }

    Form& form_;
    QVBoxLayout* l_;
};

// An object dialog: the choice of the object above its grids, one each.
template <class Form>
class ObjektAnsicht : public FormAnsicht<Form> {
public:
    ObjektAnsicht(Form& F, const char* name, QWidget* eltern, std::initializer_list<TStringGrid*> gitter)
        : FormAnsicht<Form>(F, name, eltern) {
        const int n = static_cast<int>(gitter.size());
        this->l_->addWidget(this->b_.Radiogruppe(F.RadioGroup_Objekt, {.Spalten = n}, {}, this));
        this->l_->addLayout(Gitterreihe(this->b_, F, gitter, this));
    }
};

// The kinds with four objects and a pen: their window up to the pen.
template <class Form>
class VierObjekteAnsicht : public ObjektAnsicht<Form> {
public:
    VierObjekteAnsicht(Form& F, const char* name, QWidget* eltern)
        : ObjektAnsicht<Form>(F, name, eltern, {&F.StringGrid1, &F.StringGrid2, &F.StringGrid3, &F.StringGrid4}) {}
};

// ---- Lines and planes ------------------------------------------------------------

class GeradenAnsicht : public ObjektAnsicht<TForm_Geraden_t> {
public:
    explicit GeradenAnsicht(QWidget* eltern)
        : ObjektAnsicht(Form_Geraden_t, "Form_Geraden_t", eltern,
                        {&Form_Geraden_t.StringGrid1, &Form_Geraden_t.StringGrid2, &Form_Geraden_t.StringGrid3}) {
        Ergebnismenue(b_, this, {&Form_Geraden_t.ErgebnisseGeraden, &Form_Geraden_t.ErgebnisseGeradenEbenen});
        Stift();
        Stil();
    }
};

class EbenenAnsicht : public ObjektAnsicht<TForm_Ebenen> {
public:
    explicit EbenenAnsicht(QWidget* eltern)
        : ObjektAnsicht(Form_Ebenen, "Form_Ebenen", eltern, {&Form_Ebenen.StringGrid1, &Form_Ebenen.StringGrid2}) {
        Ergebnismenue(b_, this, {&Form_Ebenen.ErgebnisseEbenen, &Form_Ebenen.ErgebnisseGeradenEbenen});
        Stift();
        Stil();
        l_->addWidget(b_.Knopf(Form_Ebenen.But_Koordinatenform, {}, this));
    }
};

// ---- Coordinate and normal form of a plane ---------------------------------------

class EbenKoordAnsicht : public FormAnsicht<TForm_EbenKoord> {
public:
    explicit EbenKoordAnsicht(QWidget* eltern) : FormAnsicht(Form_EbenKoord, "Form_EbenKoord", eltern) {
        TForm_EbenKoord& F = Form_EbenKoord;
        Ergebnismenue(b_, this, {&F.ErgebnisseEbenen});
        QLabel* ebene = b_.Beschriftung(F.Label_Ebene, this);
        QFont f = ebene->font();
        f.setBold(true);
        ebene->setFont(f);
        l_->addWidget(ebene);

        auto* koord = new QGroupBox(QStringLiteral("Koordinatenform"), this);
        auto* k = new QHBoxLayout(koord);
        k->setSpacing(4);
        const char* const nach[4] = {"x +", "y +", "z +", "= 0"};
        TEdit* const koordFelder[4] = {&F.Edit_a, &F.Edit_b, &F.Edit_c, &F.Edit_d};
        for (int i = 0; i < 4; ++i) {
            k->addWidget(Feld(*koordFelder[i], koord));
            k->addWidget(Text(nach[i], koord));
        }
        l_->addWidget(koord);

        // n · (x − A) = 0 with n and A as columns.
        auto* normal = new QGroupBox(QStringLiteral("Normalenform"), this);
        auto* n = new QGridLayout(normal);
        n->setHorizontalSpacing(6);
        n->setVerticalSpacing(2);
        n->addWidget(Text("n", normal), 0, 0, Qt::AlignCenter);
        n->addWidget(Text("A", normal), 0, 2, Qt::AlignCenter);
        TEdit* const nFelder[3] = {&F.Edit_nx, &F.Edit_ny, &F.Edit_nz};
        TEdit* const aFelder[3] = {&F.Edit_ax, &F.Edit_ay, &F.Edit_az};
        for (int i = 0; i < 3; ++i) {
            n->addWidget(Feld(*nFelder[i], normal), i + 1, 0);
            n->addWidget(Feld(*aFelder[i], normal), i + 1, 2);
        }
        n->addWidget(Text("· ( x −", normal), 2, 1);
        n->addWidget(Text(") = 0", normal), 2, 3);
        n->setColumnStretch(4, 1);
        l_->addWidget(normal);
    }

protected:
    bool Schliessen() override { return Form_EbenKoord.FormCloseQuery(); }
    // Beside the planes dialog when that is open.
    void Platzieren() override {
        const QWidget* ebenen = parentWidget() ? parentWidget()->findChild<QWidget*>(QStringLiteral("Form_Ebenen")) : nullptr;
        if (ebenen && ebenen->isVisible())
            move(ebenen->frameGeometry().left() - frameGeometry().width(), ebenen->frameGeometry().top());
        else
            UeberRechtemPanel();
    }

private:
    QLineEdit* Feld(TEdit& E, QWidget* eltern) {
        QLineEdit* w = ObjektFeld(b_, Form_EbenKoord, E, eltern);
        FeldPopup(w, Form_EbenKoord.PopupMenu_InSpeicher, [&E] { return Form_EbenKoord.FeldGewaehlt(E); });
        return w;
    }
};

// ---- Parallelepipeds, vectors, segments, points ------------------------------------

class SpateAnsicht : public VierObjekteAnsicht<TForm_Spate> {
public:
    explicit SpateAnsicht(QWidget* eltern) : VierObjekteAnsicht(Form_Spate, "Form_Spate", eltern) {
        Ergebnismenue(b_, this, {&Form_Spate.ErgebnisseSpate});
        Stift();
        Stil();
        l_->addWidget(b_.Radiogruppe(Form_Spate.GroupErz, {.Spalten = 2}, {}, this));
    }
};

// Vectors and segments: pen and style below the grids.
template <class Form>
class StrichAnsicht : public VierObjekteAnsicht<Form> {
public:
    StrichAnsicht(Form& F, const char* name, QWidget* eltern, TErgebnisGruppe& Ergebnisse)
        : VierObjekteAnsicht<Form>(F, name, eltern) {
        Ergebnismenue(this->b_, this, {&Ergebnisse});
        this->Stift();
        this->Stil();
        if constexpr (std::is_same_v<Form, TForm_Vektoren>) this->l_->addWidget(this->b_.Knopf(F.But_VSumme, {}, this));
    }
};

class PunkteAnsicht : public VierObjekteAnsicht<TForm_Punkte> {
public:
    explicit PunkteAnsicht(QWidget* eltern) : VierObjekteAnsicht(Form_Punkte, "Form_Punkte", eltern) {
        Ergebnismenue(b_, this,
                      {&Form_Punkte.ErgebnissePunkte, &Form_Punkte.ErgebnissePunkteGeraden,
                       &Form_Punkte.ErgebnissePunkteEbenen});
        Stift();
        l_->addWidget(b_.Ankreuzfeld(Form_Punkte.CheckBox1, {}, this));
    }
};

// ---- Spheres, cones, crosshair ----------------------------------------------------

class KugelnAnsicht : public VierObjekteAnsicht<TForm_Kugeln> {
public:
    explicit KugelnAnsicht(QWidget* eltern) : VierObjekteAnsicht(Form_Kugeln, "Form_Kugeln", eltern) {
        TForm_Kugeln& F = Form_Kugeln;
        Ergebnismenue(b_, this,
                      {&F.ErgebnisseKugeln, &F.ErgebnisseKugelnPunkte, &F.ErgebnisseKugelnGeraden,
                       &F.ErgebnisseKugelnEbenen});
        l_->addLayout(Zeile("Radius:", ObjektFeld(b_, F, F.Edit_Radius, this), this));
        // The mesh densities, one group of buttons each.
        auto* dichte = new QGridLayout;
        dichte->setHorizontalSpacing(2);
        dichte->addWidget(Text("Breitenkreise:", this), 0, 0);
        dichte->addWidget(Text("Längenkreise:", this), 1, 0);
        for (int n = 1; n <= 9; ++n) {
            QToolButton* k = b_.Schnellknopf(F.Knopf(n), {}, this);
            k->setFixedWidth(k->fontMetrics().horizontalAdvance(QStringLiteral("25")) + 16);
            dichte->addWidget(k, n <= 5 ? 0 : 1, n <= 5 ? n : n - 5);
        }
        dichte->setColumnStretch(6, 1);
        l_->addLayout(dichte);
        Stil();
    }
};

class KegelAnsicht : public VierObjekteAnsicht<TForm_Kegel> {
public:
    explicit KegelAnsicht(QWidget* eltern) : VierObjekteAnsicht(Form_Kegel, "Form_Kegel", eltern) {
        TForm_Kegel& F = Form_Kegel;
        Ergebnismenue(b_, this, {&F.ErgebnisseKegel});
        auto* masse = new QGridLayout;
        masse->setHorizontalSpacing(6);
        masse->addWidget(Text("Radius:", this), 0, 0);
        masse->addWidget(ObjektFeld(b_, F, F.Edit_Radius, this), 0, 1);
        masse->addWidget(Text("Höhe:", this), 1, 0);
        masse->addWidget(ObjektFeld(b_, F, F.Edit_Hoehe, this), 1, 1);
        masse->addWidget(Text("Speichen:", this), 0, 2);
        masse->addWidget(b_.Auswahl(F.ComboBox1, {}, this), 0, 3);
        masse->addWidget(Text("Randstärke:", this), 1, 2);
        masse->addWidget(b_.Auswahl(F.ComboBox2, {}, this), 1, 3);
        masse->setColumnStretch(4, 1);
        l_->addLayout(masse);
        l_->addWidget(b_.Ankreuzfeld(F.CheckBox_SpeichenEin, {}, this));
        Stil();
    }
};

class FadenkreuzAnsicht : public FormAnsicht<TForm_Fadenkreuz> {
public:
    explicit FadenkreuzAnsicht(QWidget* eltern) : FormAnsicht(Form_Fadenkreuz, "Form_Fadenkreuz", eltern) {
        TForm_Fadenkreuz& F = Form_Fadenkreuz;
        auto* oben = new QHBoxLayout;
        GitterTabelle* gitter = b_.Gitter(F.StringGrid1, ObjektGitterEreignisse(F, F.StringGrid1), this);
        SpaltenPopup(gitter, F, F.StringGrid1);
        oben->addWidget(gitter);
        // The move buttons: one row per axis, minus and plus.
        auto* knoepfe = new QGridLayout;
        knoepfe->setSpacing(2);
        for (int code = 1; code <= 6; ++code) {
            QToolButton* k = b_.Schnellknopf(F.VerschiebeKnopf(code), {}, this);
            k->setFixedWidth(k->fontMetrics().horizontalAdvance(QStringLiteral("+x")) + 18);
            knoepfe->addWidget(k, (code - 1) / 2, (code - 1) % 2);
        }
        oben->addLayout(knoepfe);
        oben->addStretch(1);
        l_->addLayout(oben);
        FeldEreignisse e;
        e.Taste = [&F](char t) { return F.Edit1KeyPress(t); };
        e.Verlassen = [&F] { F.Edit1Exit(); };
        QLineEdit* schritt = b_.Feld(F.Edit1, std::move(e), this);
        Zahlbreite(schritt);
        l_->addLayout(Zeile("Schrittweite:", schritt, this));
        Stil();
    }
};

// ---- Rotation axis (modal) --------------------------------------------------------

class DrehachsenAnsicht : public FormAnsicht<TForm_DrehenUmGerade> {
public:
    explicit DrehachsenAnsicht(QWidget* eltern) : FormAnsicht(Form_DrehenUmGerade, "Form_DrehenUmGerade", eltern) {
        TForm_DrehenUmGerade& F = Form_DrehenUmGerade;
        l_->addWidget(b_.Radiogruppe(F.RadioGroup_Form, {}, {}, this));
        l_->addLayout(Gitterreihe(b_, F, {&F.StringGrid1}, this));
        Stift();
        Stil();
        l_->addWidget(b_.Ankreuzfeld(F.CheckBox_Zeigen, {}, this));
        auto* unten = new QHBoxLayout;
        unten->addStretch(1);
        unten->addWidget(b_.Knopf(F.BitBtn_Ok, {}, this));
        l_->addLayout(unten);
    }

protected:
    bool Schliessen() override { return Form_DrehenUmGerade.FormCloseQuery(); }
};

// ---- Animation windows (modal) ------------------------------------------------------

// The step fields of one moving object, titled with the object: support
// steps in the first column, direction steps in the second (x, y, z
// downwards), each column headed by its vector.
QGroupBox* Schrittfelder(Bindungen& b, QWidget* eltern, const QString& objekt, const QString& zweiter,
                         const std::function<TEdit&(int)>& feld,
                         const std::function<std::optional<char>(int, char)>& taste,
                         const std::function<void(int)>& verlassen) {
    auto* box = new QGroupBox(QStringLiteral("Schrittweite von ") + objekt, eltern);
    auto* g = new QGridLayout(box);
    // Tight: the window lies over the picture it animates.
    g->setContentsMargins(4, 2, 4, 2);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(2);
    g->addWidget(new QLabel(QStringLiteral("Stütz-V."), box), 0, 1);
    g->addWidget(new QLabel(zweiter, box), 0, 2);
    const char* const achsen[3] = {"x", "y", "z"};
    for (int r = 0; r < 3; ++r) g->addWidget(new QLabel(QString::fromLatin1(achsen[r]), box), r + 1, 0);
    for (int k = 1; k <= 6; ++k) {
        FeldEreignisse e;
        e.Taste = [taste, k](char t) { return taste(k, t); };
        e.Verlassen = [verlassen, k] { verlassen(k); };
        QLineEdit* w = b.Feld(feld(k), std::move(e), box);
        // A step is a small number; a longer one scrolls in its field.
        w->setFixedWidth(w->fontMetrics().horizontalAdvance(QStringLiteral("-100,000")) + 12);
        g->addWidget(w, (k - 1) % 3 + 1, (k - 1) / 3 + 1);
    }
    return box;
}

// An animation window: closing it runs FormClose; it ends in a row that
// takes the coordinates over and closes.
template <class Form>
class AnimaAnsicht : public FormAnsicht<Form> {
public:
    using FormAnsicht<Form>::FormAnsicht;

protected:
    bool Schliessen() override {
        this->form_.FormClose();
        return true;
    }
    // What the window animates must stay in sight.
    std::vector<QRect> Schonen() const override { return this->BildSchonen(); }
    // The last row, after the controls in vorne.
    void Fusszeile(std::initializer_list<QWidget*> vorne) {
        auto* unten = new QHBoxLayout;
        for (QWidget* w : vorne) unten->addWidget(w);
        unten->addWidget(this->b_.Knopf(this->form_.But_KoordUebernehmen, {}, this));
        unten->addStretch(1);
        unten->addWidget(this->b_.Knopf(this->form_.BitBtn_Schliessen, {}, this));
        this->l_->addLayout(unten);
    }
};

class GeradenAnimaAnsicht : public AnimaAnsicht<TForm_Einst_GeradenAnima> {
public:
    explicit GeradenAnimaAnsicht(QWidget* eltern)
        : AnimaAnsicht(Form_Einst_GeradenAnima, "Form_Einst_GeradenAnima", eltern) {
        TForm_Einst_GeradenAnima& F = Form_Einst_GeradenAnima;
        auto* gitter = new QHBoxLayout;
        gitter->addWidget(b_.Gitter(F.StringGrid1, {}, this));
        gitter->addWidget(b_.Gitter(F.StringGrid2, {}, this));
        l_->addLayout(gitter);
        auto* mitte = new QHBoxLayout;
        for (int n = 1; n <= 2; ++n)
            mitte->addWidget(Schrittfelder(
                b_, this, n == 1 ? QStringLiteral("g") : QStringLiteral("h"), QStringLiteral("Richt.-V."),
                [&F, n](int k) -> TEdit& { return F.SchrittFeld(n, k); },
                [&F, n](int k, char t) { return F.Edit_SchrittKeyPress(n, k, t); },
                [&F, n](int k) { F.Edit_SchrittExit(n, k); }));
        auto* knoepfe = new QVBoxLayout;
        for (TSpeedButton* s : {&F.But_Start, &F.But_ParamDarst}) {
            QToolButton* w = b_.Schnellknopf(*s, {}, this);
            w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            knoepfe->addWidget(w);
        }
        knoepfe->addStretch(1);
        mitte->addLayout(knoepfe);
        l_->addLayout(mitte);
        Fusszeile({});
        b_.Zeitgeber(F.Timer1, this);
    }
};

class EbenenAnimaAnsicht : public AnimaAnsicht<TForm_Einst_EbenenAnima> {
public:
    explicit EbenenAnimaAnsicht(QWidget* eltern)
        : AnimaAnsicht(Form_Einst_EbenenAnima, "Form_Einst_EbenenAnima", eltern) {
        TForm_Einst_EbenenAnima& F = Form_Einst_EbenenAnima;
        for (int e = 1; e <= 2; ++e) {
            auto* reihe = new QHBoxLayout;
            for (int i = 3 * e - 2; i <= 3 * e; ++i) reihe->addWidget(b_.Gitter(F.Gitter(i), {}, this));
            reihe->addSpacing(6);
            reihe->addWidget(Schrittfelder(
                b_, this, e == 1 ? QStringLiteral("E1") : QStringLiteral("E2"), QStringLiteral("1. Richt.-V."),
                [&F, e](int k) -> TEdit& { return F.SchrittFeld(e, k); },
                [&F, e](int k, char t) { return F.Edit_SchrittKeyPress(e, k, t); },
                [&F, e](int k) { F.Edit_SchrittExit(e, k); }));
            QToolButton* start = b_.Schnellknopf(e == 1 ? F.But_StartE1 : F.But_StartE2, {}, this);
            start->setMinimumWidth(start->fontMetrics().horizontalAdvance(QStringLiteral("Stopp")) + 24);
            reihe->addWidget(start, 0, Qt::AlignVCenter);
            l_->addLayout(reihe);
        }
        Fusszeile({b_.Schnellknopf(F.But_ParamDarst, {}, this)});
        b_.Zeitgeber(F.Timer1, this);
        b_.Zeitgeber(F.Timer2, this);
    }
};

}  // namespace

std::vector<DialogAnsicht*> DialogeAnlegen(QWidget* hauptfenster) {
    std::vector<DialogAnsicht*> d;
    d.push_back(new GeradenAnsicht(hauptfenster));
    d.push_back(new EbenenAnsicht(hauptfenster));
    d.push_back(new EbenKoordAnsicht(hauptfenster));
    d.push_back(new SpateAnsicht(hauptfenster));
    d.push_back(new StrichAnsicht(Form_Vektoren, "Form_Vektoren", hauptfenster, Form_Vektoren.ErgebnisseVektoren));
    d.push_back(new StrichAnsicht(Form_Strecken, "Form_Strecken", hauptfenster, Form_Strecken.ErgebnisseStrecken));
    d.push_back(new PunkteAnsicht(hauptfenster));
    d.push_back(new KugelnAnsicht(hauptfenster));
    d.push_back(new KegelAnsicht(hauptfenster));
    d.push_back(new FadenkreuzAnsicht(hauptfenster));
    d.push_back(new DrehachsenAnsicht(hauptfenster));
    d.push_back(new GeradenAnimaAnsicht(hauptfenster));
    d.push_back(new EbenenAnimaAnsicht(hauptfenster));
    d.push_back(ObjekteDatenAnsichtAnlegen(hauptfenster));
    d.push_back(new Datenausgabeansicht(hauptfenster));
    for (DialogAnsicht* e : EinstellungsDialogeAnlegen(hauptfenster)) d.push_back(e);
    WerkzeugAnsichtenAnlegen(hauptfenster, d);
    return d;
}
