// The preset data set "Objektdatensatz1 (Vorgabe)": recorded at the first
// activation from the dialogs, loaded back from the menu "Datei".

#include "Szenenstand.h"

#include "mainwindow/Hauptfenster.h"
#include "scene/Datensatz.h"
#include "scene/Speicherzustand.h"
#include "scene/Vorgabe.h"
#include "view3d/DrehZustand.h"

namespace {

using Vorgabe = Szenenstand;

TEST_F(Vorgabe, HaeltDieStartzellenUndDieRadienDerKugeln) {
    const TObjektDatensatz& d = Objektdatensaetze[1];
    Extended x = 0;
    ASSERT_TRUE(ZahlLesen(Form_Geraden_t.StringGrid2.Cells(1, 3), x));
    EXPECT_EQ(d.hRichtung.z, x);
    ASSERT_TRUE(ZahlLesen(Form_Punkte.StringGrid3.Cells(1, 2), x));
    EXPECT_EQ(d.Punkt[3].z, x);
    ASSERT_TRUE(ZahlLesen(Form_Spate.StringGrid4.Cells(3, 1), x));
    EXPECT_EQ(d.Spat[4].AE.x, x);
    // The radius comes from the sphere, not from the dialog's edit field.
    EXPECT_EQ(d.KugelRadius[2], 2.5L);
    EXPECT_EQ(Form_Kugeln.Edit_Radius.Text(), "2");
    // At the start the objects are those of the cells.
    EXPECT_EQ(d, DatensatzAusObjekten());
    EXPECT_EQ(Objektdatensaetze2[1], Datensatz2AusObjekten());
    EXPECT_EQ(Objektdatensaetze2[1].FadenkreuzSchrittweite, 0.1L);
}

TEST_F(Vorgabe, LadenNachDemStartOhneFrageMitEinemZustand) {
    const auto start = Gitterbild();
    Form_Edits_01.ObjektDatensatz1Vorgabeladen1Click();
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(Gitterbild(), start);
    EXPECT_EQ(UndoAnzahl, 2);
    EXPECT_EQ(NeuZeichnenAus, 0);
}

TEST_F(Vorgabe, SetztGeometrieUndAttributeZurueck) {
    const auto start = Gitterbild();
    const TObjektDatensatz2 attribute = Datensatz2AusObjekten();
    const TObjektDatensatz vorgabe = Objektdatensaetze[1];
    const TObjektDatensatz2 vorgabe2 = Objektdatensaetze2[1];

    Bearbeiten(Form_Geraden_t.StringGrid1, 0, 1, "3");
    Bearbeiten(Form_Kegel.StringGrid2, 1, 2, "5");
    Kugel[3].Radius = 0.5L;
    Gerade[1].Stiftbreite = 4;
    Ebene[2].Linienstil = 2;
    ObjektSichtbar(7) = 1;
    Kugel[1].Breitenkreise = 4;
    Kegel[2].Speichen = 60;
    Kegel[2].Randstaerke = 9;
    Spat[2].ErzeugendeZeigen = 1;
    Punkt[1].mitFadenkreuz = 1;
    FadenkreuzSchrittweite = 0.5L;
    UndoPunktSetzen();
    // Neither an edit nor a save changes the preset.
    ObjektdatenSatzFuellen();
    ObjektdatenKegelSatzFuellen();
    EXPECT_EQ(Objektdatensaetze[1], vorgabe);
    EXPECT_EQ(Objektdatensaetze2[1], vorgabe2);

    Form_Edits_01.ObjektDatensatz1Vorgabeladen1Click();
    EXPECT_EQ(Gitterbild(), start);
    EXPECT_EQ(Kugel[3].Radius, 2.0L);
    EXPECT_EQ(Datensatz2AusObjekten(), attribute);   // unlike undo, the attributes too
    EXPECT_EQ(Form_Fadenkreuz.Edit1.Text(), "0,100");
    EXPECT_FALSE(Form_Edits_01.But_sichtb(7).Down);
    EXPECT_EQ(UndoAnzahl, 5);
    Rueckgaengig();                              // the load is one state
    EXPECT_EQ(Gerade[1].Stuetzvektor.x, 3.0L);
}

TEST_F(Vorgabe, NachDrehungNurNachJa) {
    const auto start = Gitterbild();
    Bearbeiten(Form_Geraden_t.StringGrid1, 0, 1, "3");
    const auto geaendert = Gitterbild();
    Urzustand = false;                           // as after a rotation
    host.Antworten = {Antwort::Nein};
    Form_Edits_01.ObjektDatensatz1Vorgabeladen1Click();
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, UrzustandFrage);
    EXPECT_EQ(Gitterbild(), geaendert);
    EXPECT_EQ(UndoAnzahl, 3);                    // a state is recorded all the same
    EXPECT_EQ(NeuZeichnenAus, 0);
    EXPECT_FALSE(DatenWerdenGeladen);

    Urzustand = false;
    host.Antworten = {Antwort::Ja};
    Form_Edits_01.ObjektDatensatz1Vorgabeladen1Click();
    EXPECT_EQ(Gitterbild(), start);
    EXPECT_TRUE(Urzustand);
    EXPECT_TRUE(DatenWerdenGeladen);
    EXPECT_EQ(UndoAnzahl, 4);
    // The mouse move that follows is ignored once.
    Form_Edits_01.PaintBox1MouseMove();
    EXPECT_FALSE(DatenWerdenGeladen);
}

}  // namespace
