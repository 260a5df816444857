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

// A settings window built from its description: its controls in one
// column that sizes the window, the core's settings written into them at
// every refresh, OK at the bottom.
class EinstellAnsicht : public DialogAnsicht {
public:
    EinstellAnsicht(TEinstellFenster& F, QWidget* eltern) : DialogAnsicht(F, F.Fenstername, eltern), form_(F) {
        l_ = new QVBoxLayout(this);
        l_->setSizeConstraint(QLayout::SetFixedSize);
        l_->setContentsMargins(10, 10, 10, 10);
        l_->setSpacing(6);
        const std::vector<TEinstellFeld> felder = F.Felder();
        QHBoxLayout* gruppen = nullptr;  // the row of the last group, for one beside it
        for (std::size_t i = 0; i < felder.size();) {
            const TEinstellFeld& f = felder[i];
            using A = TEinstellFeld::TArt;
            switch (f.Art) {
                case A::Text: {
                    if (i > 0) l_->addSpacing(4);
                    QLabel* text = b_.Beschriftung(*f.Beschriftung, this);
                    // A caption over a scroll bar is as wide as the bar.
                    text->setWordWrap(i + 1 < felder.size() && felder[i + 1].Art == A::Rollbalken);
                    l_->addWidget(text);
                    break;
                }
                case A::Schalter:
                    if (f.Block == 0) {
                        l_->addWidget(b_.Ankreuzfeld(*static_cast<TCheckBox*>(f.Element), {}, this));
                    } else {
                        i = Block(felder, i);
                        continue;
                    }
                    break;
                case A::Stiftbreite:
                case A::Linienstil:
                case A::Auswahl: {
                    QGroupBox* g = b_.Radiogruppe(*static_cast<TRadioGroup*>(f.Element),
                                                  {.Spalten = f.Art == A::Stiftbreite ? 4 : f.Spalten}, {}, this);
                    if (f.Daneben && gruppen) {
                        gruppen->addWidget(g);
                    } else {
                        gruppen = new QHBoxLayout;
                        gruppen->addWidget(g);
                        l_->addLayout(gruppen);
                    }
                    break;
                }
                case A::Farbe: {
                    auto* r = new QHBoxLayout;
                    r->addWidget(b_.Knopf(*static_cast<TButton*>(f.Element), {}, this));
                    QLabel* feld = b_.Anzeige(*f.Farbfeld, this);
                    feld->setObjectName(QStringLiteral("Panel_Farbe"));
                    feld->setFixedSize(40, 22);
                    r->addWidget(feld);
                    r->addStretch(1);
                    l_->addLayout(r);
                    break;
                }
                case A::Winkelgroesse: {
                    auto* r = new QHBoxLayout;
                    r->addWidget(b_.Beschriftung(*f.Beschriftung, this));
                    r->addWidget(b_.Auswahl(*static_cast<TComboBox*>(f.Element), {}, this));
                    r->addStretch(1);
                    l_->addLayout(r);
                    break;
                }
                case A::Rollbalken: {
                    auto* r = new QHBoxLayout;
                    QScrollBar* balken = b_.Rollbalken(*static_cast<TScrollBar*>(f.Element), Qt::Horizontal, this);
                    balken->setObjectName(QString::fromUtf8(f.Name ? f.Name : ""));
                    balken->setMinimumWidth(260);
                    r->addWidget(balken, 1);
                    QLabel* wert = b_.Beschriftung(*f.Beschriftung, this);
                    wert->setMinimumWidth(wert->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 4);
                    wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                    r->addWidget(wert);
                    l_->addLayout(r);
                    break;
                }
                case A::Zahlfeld: {
                    auto* r = new QHBoxLayout;
                    r->addWidget(b_.Beschriftung(*f.Beschriftung, this));
                    QLineEdit* feld = b_.Feld(*static_cast<TEdit*>(f.Element), {}, this);
                    feld->setObjectName(QString::fromUtf8(f.Name ? f.Name : ""));
                    feld->setFixedWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("-0000")) + 16);
                    r->addWidget(feld);
                    r->addStretch(1);
                    l_->addLayout(r);
                    break;
                }
            }
            if (f.Art != A::Stiftbreite && f.Art != A::Linienstil && f.Art != A::Auswahl) gruppen = nullptr;
            ++i;
        }
        auto* r = new QHBoxLayout;
        r->addStretch(1);
        QPushButton* ok = b_.Knopf(F.BitBtn_Ok, {}, this);
        ok->setMinimumWidth(80);
        r->addWidget(ok);
        l_->addLayout(r);
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
    bool Schliessen() override { return form_.FormCloseQuery(); }

private:
    // The check boxes of the block that starts at field i, in its columns,
    // down the columns first, framed when the block has a frame; returns the
    // field after the block.
    std::size_t Block(const std::vector<TEinstellFeld>& felder, std::size_t i) {
        const TEinstellFeld& erster = felder[i];
        std::size_t ende = i;
        while (ende < felder.size() && felder[ende].Art == TEinstellFeld::TArt::Schalter &&
               felder[ende].Block == erster.Block)
            ++ende;
        auto* g = new QGridLayout;
        g->setHorizontalSpacing(16);
        g->setVerticalSpacing(2);
        const int n = static_cast<int>(ende - i);
        const int zeilen = (n + erster.Spalten - 1) / erster.Spalten;
        for (int k = 0; k < n; ++k)
            g->addWidget(b_.Ankreuzfeld(*static_cast<TCheckBox*>(felder[i + static_cast<std::size_t>(k)].Element), {},
                                        this),
                         k % zeilen, k / zeilen);
        if (erster.Rahmen) {
            auto* rahmen = new QGroupBox(QString::fromUtf8(erster.Rahmen), this);
            (new QVBoxLayout(rahmen))->addLayout(g);
            l_->addWidget(rahmen);
        } else {
            l_->addLayout(g);
        }
        return ende;
    }

    TEinstellFenster& form_;
    QVBoxLayout* l_;
};

}  // namespace

std::vector<DialogAnsicht*> EinstellungsDialogeAnlegen(QWidget* hauptfenster) {
    std::vector<DialogAnsicht*> v;
    for (TEinstellFenster* F :
         std::initializer_list<TEinstellFenster*>{&Form_GitterWuerfelMax, &Form_AchsenWuerfel, &Form_Fluchtstr,
                                                  &Form_DrStrEinst, &Form_Normalenvektoren, &Form_EbEinstell,
                                                  &Form_ProjSpurGeraden, &Form_Differenzvektoren})
        v.push_back(new EinstellAnsicht(*F, hauptfenster));
    return v;
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
