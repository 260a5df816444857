#include "gui/Einstellungsfenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <functional>
#include <initializer_list>

#include "forms/AchsenWuerfel.h"
#include "forms/Differenzvektoren.h"
#include "forms/DrStrEinst.h"
#include "forms/EbEinstell.h"
#include "forms/Fluchtstr.h"
#include "forms/GitterWuerfel.h"
#include "forms/Hauptfenster.h"
#include "forms/Normalenvektoren.h"
#include "forms/ProjSpurGeraden.h"
#include "gui/Bindung.h"
#include "gui/Dialogansicht.h"

namespace {

// A settings window: its controls in one column that sizes the window, the
// core's settings written into them at every refresh, OK at the bottom.
template <class Form>
class EinstellAnsicht : public DialogAnsicht {
public:
    EinstellAnsicht(Form& F, QWidget* eltern) : DialogAnsicht(F, F.Fenstername, eltern), form_(F) {
        l_ = new QVBoxLayout(this);
        l_->setSizeConstraint(QLayout::SetFixedSize);
        l_->setContentsMargins(10, 10, 10, 10);
        l_->setSpacing(6);
    }

    void Auffrischen() override {
        // Colour sets, the menu "Ansicht" and other windows change these
        // settings as well.
        form_.Anzeigen();
        DialogAnsicht::Auffrischen();
    }

protected:
    // Qt places a window over its parent's middle.
    void Platzieren() override {}

    QGroupBox* Gruppe(TRadioGroup& R, int spalten = 1) {
        return b_.Radiogruppe(R, {.Spalten = spalten}, {}, this);
    }
    QCheckBox* Kreuz(TCheckBox& C) { return b_.Ankreuzfeld(C, {}, this); }
    // A colour button with the swatch of its colour beside it.
    QHBoxLayout* Farbe(TButton& B, TPanel& P) {
        auto* r = new QHBoxLayout;
        r->addWidget(b_.Knopf(B, {}, this));
        QLabel* feld = b_.Anzeige(P, this);
        feld->setObjectName(QStringLiteral("Panel_Farbe"));
        feld->setFixedSize(40, 22);
        r->addWidget(feld);
        r->addStretch(1);
        return r;
    }
    // A caption and a size box in one row.
    QHBoxLayout* Groesse(TLabel& L, TComboBox& C) {
        auto* r = new QHBoxLayout;
        r->addWidget(b_.Beschriftung(L, this));
        r->addWidget(b_.Auswahl(C, {}, this));
        r->addStretch(1);
        return r;
    }
    // Check boxes in spalten columns, down the columns first.
    QGridLayout* Kreuze(std::initializer_list<TCheckBox*> boxen, int spalten) {
        auto* g = new QGridLayout;
        g->setHorizontalSpacing(16);
        g->setVerticalSpacing(2);
        const int n = static_cast<int>(boxen.size());
        const int zeilen = (n + spalten - 1) / spalten;
        int i = 0;
        for (TCheckBox* c : boxen) {
            g->addWidget(Kreuz(*c), i % zeilen, i / zeilen);
            ++i;
        }
        return g;
    }
    void Ok() {
        auto* r = new QHBoxLayout;
        r->addStretch(1);
        QPushButton* ok = b_.Knopf(form_.BitBtn_Ok, {}, this);
        ok->setMinimumWidth(80);
        r->addWidget(ok);
        l_->addLayout(r);
    }

    Form& form_;
    QVBoxLayout* l_;
};

class GitterAnsicht : public EinstellAnsicht<TForm_GitterWuerfelMax> {
public:
    explicit GitterAnsicht(QWidget* eltern) : EinstellAnsicht(Form_GitterWuerfelMax, eltern) {
        TForm_GitterWuerfelMax& F = form_;
        auto* waende = new QGroupBox(QStringLiteral("Wände mit Gitter"), this);
        auto* g = new QVBoxLayout(waende);
        g->addLayout(Kreuze({&F.CheckBox1, &F.CheckBox2, &F.CheckBox3, &F.CheckBox4, &F.CheckBox5, &F.CheckBox6}, 2));
        l_->addWidget(waende);
        auto* anzahl = new QHBoxLayout;
        anzahl->addWidget(b_.Beschriftung(F.Label1, this));
        QLineEdit* feld = b_.Feld(F.Edit_AnzGitterLinien, {}, this);
        feld->setObjectName(QStringLiteral("Edit_AnzGitterLinien"));
        feld->setFixedWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("-0000")) + 16);
        anzahl->addWidget(feld);
        anzahl->addStretch(1);
        l_->addLayout(anzahl);
        auto* stile = new QHBoxLayout;
        stile->addWidget(Gruppe(F.RadioGroup1));
        stile->addWidget(Gruppe(F.RadioGroup2));
        l_->addLayout(stile);
        l_->addLayout(Farbe(F.Button_Farbe, F.Panel_Farbe));
        Ok();
    }

protected:
    bool Schliessen() override { return form_.FormCloseQuery(); }
};

class AchsenWuerfelAnsicht : public EinstellAnsicht<TForm_AchsenWuerfel> {
public:
    explicit AchsenWuerfelAnsicht(QWidget* eltern) : EinstellAnsicht(Form_AchsenWuerfel, eltern) {
        TForm_AchsenWuerfel& F = form_;
        l_->addWidget(Kreuz(F.CheckBox1));
        l_->addWidget(Gruppe(F.RadioGroup1, 4));
        l_->addLayout(Farbe(F.Button_Farbe, F.Panel_Farbe));
        Ok();
    }
};

class FluchtstreckenAnsicht : public EinstellAnsicht<TForm_Fluchtstr> {
public:
    explicit FluchtstreckenAnsicht(QWidget* eltern) : EinstellAnsicht(Form_Fluchtstr, eltern) {
        TForm_Fluchtstr& F = form_;
        l_->addWidget(Kreuz(F.CheckBox1));
        l_->addWidget(Gruppe(F.RadioGroup1, 4));
        l_->addWidget(Gruppe(F.RadioGroup2));
        l_->addLayout(Farbe(F.Button_Farbe, F.Panel_Farbe));
        Ok();
    }
};

class DrehstreckenAnsicht : public EinstellAnsicht<TForm_DrStrEinst> {
public:
    explicit DrehstreckenAnsicht(QWidget* eltern) : EinstellAnsicht(Form_DrStrEinst, eltern) {
        TForm_DrStrEinst& F = form_;
        l_->addWidget(Gruppe(F.RadioGroup1, 4));
        l_->addWidget(Gruppe(F.RadioGroup2));
        l_->addLayout(Farbe(F.Button_Farbe, F.Panel_Farbe));
        l_->addWidget(Kreuz(F.CheckBox1));
        l_->addLayout(Groesse(F.Label1, F.ComboBox1));
        Ok();
    }
};

class NormalenAnsicht : public EinstellAnsicht<TForm_Normalenvektoren> {
public:
    explicit NormalenAnsicht(QWidget* eltern) : EinstellAnsicht(Form_Normalenvektoren, eltern) {
        TForm_Normalenvektoren& F = form_;
        l_->addWidget(Kreuz(F.CheckBox1));
        l_->addWidget(Gruppe(F.RadioGroup1, 4));
        l_->addLayout(Farbe(F.Button_Farbe, F.Panel_Farbe));
        l_->addWidget(Kreuz(F.CheckBox2));
        l_->addLayout(Groesse(F.Label1, F.ComboBox1));
        Ok();
    }
};

class EbenenAnsicht : public EinstellAnsicht<TForm_EbEinstell> {
public:
    explicit EbenenAnsicht(QWidget* eltern) : EinstellAnsicht(Form_EbEinstell, eltern) {
        TForm_EbEinstell& F = form_;
        QLabel* text = b_.Beschriftung(F.Label1, this);
        text->setWordWrap(true);
        l_->addWidget(text);
        auto* r = new QHBoxLayout;
        QScrollBar* balken = b_.Rollbalken(F.ScrollBar1, Qt::Horizontal, this);
        balken->setObjectName(QStringLiteral("ScrollBar1"));
        balken->setMinimumWidth(260);
        r->addWidget(balken, 1);
        QLabel* wert = b_.Beschriftung(F.Label2, this);
        wert->setMinimumWidth(wert->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 4);
        wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        r->addWidget(wert);
        l_->addLayout(r);
        auto* arten = new QHBoxLayout;
        arten->addWidget(Gruppe(F.RadioGroup1));
        arten->addWidget(Gruppe(F.RadioGroup2));
        l_->addLayout(arten);
        Ok();
    }
};

class ProjSpurAnsicht : public EinstellAnsicht<TForm_ProjSpurGeraden> {
public:
    explicit ProjSpurAnsicht(QWidget* eltern) : EinstellAnsicht(Form_ProjSpurGeraden, eltern) {
        TForm_ProjSpurGeraden& F = form_;
        l_->addWidget(b_.Beschriftung(F.Label1, this));
        l_->addLayout(Kreuze({&F.CheckBox1, &F.CheckBox2, &F.CheckBox3, &F.CheckBox4, &F.CheckBox5, &F.CheckBox6}, 3));
        l_->addSpacing(4);
        l_->addWidget(b_.Beschriftung(F.Label2, this));
        l_->addLayout(
            Kreuze({&F.CheckBox7, &F.CheckBox8, &F.CheckBox9, &F.CheckBox10, &F.CheckBox11, &F.CheckBox12}, 2));
        Ok();
    }
};

class DifferenzAnsicht : public EinstellAnsicht<TForm_Differenzvektoren> {
public:
    explicit DifferenzAnsicht(QWidget* eltern) : EinstellAnsicht(Form_Differenzvektoren, eltern) {
        TForm_Differenzvektoren& F = form_;
        l_->addWidget(b_.Beschriftung(F.Label1, this));
        l_->addLayout(Kreuze({&F.CheckBox1, &F.CheckBox2, &F.CheckBox3, &F.CheckBox4, &F.CheckBox5, &F.CheckBox6,
                              &F.CheckBox7, &F.CheckBox8, &F.CheckBox9, &F.CheckBox10},
                             2));
        l_->addLayout(Farbe(F.Button_Farbe, F.Panel_Farbe));
        Ok();
    }
};

}  // namespace

std::vector<DialogAnsicht*> EinstellungsDialogeAnlegen(QWidget* hauptfenster) {
    return {new GitterAnsicht(hauptfenster),    new AchsenWuerfelAnsicht(hauptfenster),
            new FluchtstreckenAnsicht(hauptfenster), new DrehstreckenAnsicht(hauptfenster),
            new NormalenAnsicht(hauptfenster),  new EbenenAnsicht(hauptfenster),
            new ProjSpurAnsicht(hauptfenster),  new DifferenzAnsicht(hauptfenster)};
}

void EinstellungsmenueAnlegen(Bindungen& b, QMenu* menue) {
    TForm_Edits_01& F = Form_Edits_01;
    menue->addSeparator();
    for (TMenuItem* m : {&F.GitterWuerfelEinst, &F.AchsenWuerfelEinst, &F.FluchtstreckenEinst, &F.DrehstreckenEinst,
                         &F.NormalenvektorenEinst, &F.EbenenEinst, &F.ProjSpurGeradenEinst, &F.DifferenzvektorenEinst})
        b.Menuepunkt(*m, menue);
    QMenu* farben = menue->addMenu(QStringLiteral("Farben"));
    for (TMenuItem* m : {&F.FarbeHintergrund1, &F.FarbeAchsen1, &F.FarbeStuetzvektoren1, &F.FarbeGitterwaende1})
        b.Menuepunkt(*m, farben);
}
