// The calculator's window: the object buttons with their popup menus, the
// two target groups, the registers, the arithmetic buttons and the two
// closing buttons, in that order from top to bottom. It shows only what
// Form_ObjekteDaten holds.

#include "gui/ObjekteDatenAnsicht.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <vector>

#include "forms/ObjekteDaten.h"
#include "gui/Dialogansicht.h"
#include "gui/Popupmenue.h"

namespace {

using F = TForm_ObjekteDaten;

// The arithmetic buttons in the rows and columns they stand in.
const std::vector<std::vector<TButton F::*>> VektorKnoepfe = {
    {&F::V1NachSpeicher, &F::V2NachSpeicher, &F::V3NachSpeicher, &F::But_ErgInSpeicher, &F::But_V1MinV2,
     &F::But_V2MinV1},
    {&F::But_V1MinV3, &F::But_V3MinV1, &F::But_V2MinV3, &F::But_V3MinV2, &F::But_V1PlusV2, &F::But_V1PlusV3},
    {&F::But_V2PlusV3, &F::Button2, &F::But_V1xLaenge, &F::But_V2xLaenge, &F::But_V3xLaenge, &F::ErgxLaenge},
};
const std::vector<std::vector<TButton F::*>> LangeVektorKnoepfe = {
    {&F::But_OrthV1, &F::But_OrthV2, &F::But_OrthV3},
    {&F::But_OrthErg, &F::But_OrthV1V2, &F::But_OrthV1V3},
    {&F::But_OrthV2V3, &F::But_LaengeV1AufLaenge, &F::But_V2AufLaenge},
    {&F::But_V3AufLaenge, &F::But_ErgAufLaenge},
};
const std::vector<std::vector<TButton F::*>> LaengenKnoepfe = {
    {&F::But_LaengeV1, &F::But_LaengeV2, &F::But_LaengeErg, &F::But_L1PlusL2, &F::But_L1MinL2},
    {&F::But_L2MinL1, &F::But_L1MalL2, &F::But_L1DivL2, &F::But_L2DurchL1},
};

QLabel* Rot(const char* text, QWidget* eltern) {
    auto* l = new QLabel(QString::fromUtf8(text), eltern);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    l->setPalette(p);
    return l;
}

class ObjekteDatenAnsicht : public DialogAnsicht {
public:
    explicit ObjekteDatenAnsicht(QWidget* eltern) : DialogAnsicht(Form_ObjekteDaten, "Form_ObjekteDaten", eltern) {
        F& R = Form_ObjekteDaten;
        auto* l = new QVBoxLayout(this);
        l->setSizeConstraint(QLayout::SetFixedSize);
        l->setContentsMargins(8, 6, 8, 6);
        l->setSpacing(4);

        // Object buttons, one column per kind, and the two target groups.
        auto* oben = new QHBoxLayout;
        auto* objekte = new QGridLayout;
        objekte->setSpacing(2);
        int spalte = -1, zeile = 0;
        for (int i = 1; i <= RechenObjektAnzahl; ++i) {
            const TRechenObjekt& O = RechenObjekte[i - 1];
            if (i == 1 || O.Art != RechenObjekte[i - 2].Art) {
                ++spalte;
                zeile = 0;
            }
            QMenu* menue = PopupAufbauen(R.PopupMenu[i], this);
            menue->setObjectName(QStringLiteral("PopupMenu_") + QString::fromLatin1(O.Name));
            QPushButton* k = b_.Knopf(R.ObjektKnopf[i], [this, menue] { menue->popup(MenueOrt()); }, this);
            k->setObjectName(QStringLiteral("But_aD") + QString::fromLatin1(O.Name));
            k->setFixedSize(40, 22);
            objekte->addWidget(k, zeile++, spalte, Qt::AlignTop);
        }
        oben->addLayout(objekte);
        oben->addSpacing(8);
        oben->addWidget(b_.Radiogruppe(R.RadioGroup1, {.Spalten = 3}, {}, this));
        oben->addWidget(b_.Radiogruppe(R.RadioGroup2, {}, {}, this));
        l->addLayout(oben);

        // The registers: three vectors, Ergebnis, three lengths.
        auto* reg = new QGridLayout;
        reg->setHorizontalSpacing(4);
        reg->setVerticalSpacing(2);
        const char* const Titel[7] = {"Vektor 1", "Vektor 2", "Vektor 3", "Ergebnis", "Länge 1", "Länge 2", "Länge"};
        for (int c = 0; c < 7; ++c) reg->addWidget(new QLabel(QString::fromUtf8(Titel[c]), this), 0, c);
        for (int i = 1; i <= 12; ++i) {
            const int c = i <= 9 ? (i - 1) / 3 : i - 6, r = i <= 9 ? (i - 1) % 3 + 1 : 1;
            reg->addWidget(Registerfeld(i), r, c);
        }
        TPanel* const erg[3] = {&R.Ergx, &R.Ergy, &R.Ergz};
        for (int r = 0; r < 3; ++r) {
            QLabel* p = b_.Anzeige(*erg[r], this);
            zahlen_.push_back(p);
            p->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            reg->addWidget(p, r + 1, 3);
        }
        reg->addWidget(new QLabel(QStringLiteral("LEx"), this), 2, 6);
        l->addLayout(reg);

        l->addWidget(Rot("Den Inhalt des gewählten Vektorspeichers ersetzen durch:", this));
        l->addLayout(Knopfgitter(VektorKnoepfe));
        l->addLayout(Knopfgitter(LangeVektorKnoepfe));
        l->addWidget(Rot("Den Inhalt des gewählten Längenspeichers ersetzen durch:", this));
        l->addLayout(Knopfgitter(LaengenKnoepfe));

        auto* unten = new QHBoxLayout;
        unten->addStretch(1);
        unten->addWidget(b_.Symbolknopf(R.BitBtn1, style()->standardIcon(QStyle::SP_DialogOkButton), {}, this));
        unten->addWidget(b_.Symbolknopf(R.BitBtn2, style()->standardIcon(QStyle::SP_DialogCancelButton), {}, this));
        l->addLayout(unten);
        Breiten();
    }

    void Auffrischen() override {
        std::vector<QString> vorher;
        for (QLineEdit* e : felder_) vorher.push_back(e->text());
        DialogAnsicht::Auffrischen();
        // A number the calculator wrote shows its beginning, however long.
        for (std::size_t i = 0; i < felder_.size(); ++i)
            if (felder_[i]->text() != vorher[i]) felder_[i]->setCursorPosition(0);
    }

protected:
    bool Schliessen() override {
        Form_ObjekteDaten.FormClose();
        return true;
    }
    // At the top right of the screen, out of the way of the main window's
    // picture; on a small screen with a smaller font, so that it fits.
    void Platzieren() override {
        const QScreen* s = screen();
        if (!s) return;
        SchriftEinpassen([this] { Breiten(); });
        const QRect r = s->availableGeometry();
        move(r.right() - frameGeometry().width() + 1, r.top());
    }

private:
    std::vector<QLineEdit*> felder_;
    std::vector<QWidget*> zahlen_;  // register edits and Ergebnis panels

    // Wide enough for a number of the registers' range with its decimals.
    void Breiten() {
        const int b = QFontMetrics(font()).horizontalAdvance(QStringLiteral("-10000,0000000000")) + 10;
        for (QWidget* w : zahlen_) w->setFixedWidth(b);
    }

    // The object menus open at the left edge of the screen, level with the
    // window's top.
    QPoint MenueOrt() const {
        const QScreen* s = screen();
        return {s ? s->availableGeometry().left() : 0, frameGeometry().top() + 1};
    }

    QLineEdit* Registerfeld(int i) {
        FeldEreignisse e;
        e.Taste = [i](char t) { return Form_ObjekteDaten.RegisterTaste(i, t); };
        e.Verlassen = [i] { Form_ObjekteDaten.RegisterExit(i); };
        QLineEdit* w = b_.Feld(Form_ObjekteDaten.RegisterFeld(i), std::move(e), this);
        zahlen_.push_back(w);
        w->setCursorPosition(0);
        felder_.push_back(w);
        return w;
    }

    QGridLayout* Knopfgitter(const std::vector<std::vector<TButton F::*>>& zeilen) {
        auto* g = new QGridLayout;
        g->setSpacing(2);
        for (std::size_t r = 0; r < zeilen.size(); ++r)
            for (std::size_t c = 0; c < zeilen[r].size(); ++c)
                g->addWidget(b_.Knopf(Form_ObjekteDaten.*zeilen[r][c], {}, this), static_cast<int>(r),
                             static_cast<int>(c));
        return g;
    }
};

}  // namespace

DialogAnsicht* ObjekteDatenAnsichtAnlegen(QWidget* hauptfenster) { return new ObjekteDatenAnsicht(hauptfenster); }
