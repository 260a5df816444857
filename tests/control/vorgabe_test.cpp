// The preset data set "Objektdatensatz1 (Vorgabe)": recorded at the first
// activation from the dialogs, loaded back from the menu "Datei".

#include "Szenenstand.h"

#include "forms/Hauptfenster.h"
#include "scene/Datensatz.h"
#include "scene/Speicherzustand.h"
#include "control/Vorgabe.h"
#include "scene/DrehZustand.h"

namespace {

using Vorgabe = Szenenstand;

TEST_F(Vorgabe, SetztGeometrieUndAttributeZurueck) {
    // The radius comes from the sphere, not from the dialog's edit field.
    EXPECT_EQ(Objektdatensaetze[1].KugelRadius[2], 2.5L);
    EXPECT_EQ(Form_Kugeln.Edit_Radius.Text(), "2");
    const auto start = Gitterbild();
    const TObjektDatensatz2 attribute = Datensatz2AusObjekten();
    const TObjektDatensatz vorgabe = Objektdatensaetze[1];

    Form_Edits_01.ObjektDatensatz1Vorgabeladen1Click();   // right after the start
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(Gitterbild(), start);
    EXPECT_EQ(UndoAnzahl, 2);

    Bearbeiten(Form_Geraden_t.StringGrid1, 0, 1, "3");
    Bearbeiten(Form_Kegel.StringGrid2, 1, 2, "5");
    Kugel[3].Radius = 0.5L;
    Gerade[1].Stiftbreite = 4;
    ObjektSichtbar(7) = 1;
    Kegel[2].Randstaerke = 9;
    FadenkreuzSchrittweite = 0.5L;
    UndoPunktSetzen();
    ObjektdatenSatzFuellen();                    // as a save does
    EXPECT_EQ(Objektdatensaetze[1], vorgabe);

    Form_Edits_01.ObjektDatensatz1Vorgabeladen1Click();
    EXPECT_EQ(Gitterbild(), start);
    EXPECT_EQ(Kugel[3].Radius, 2.0L);
    EXPECT_EQ(Datensatz2AusObjekten(), attribute);   // unlike undo, the attributes too
    EXPECT_FALSE(Form_Edits_01.But_sichtb(7).Down);
    EXPECT_EQ(UndoAnzahl, 6);
    EXPECT_EQ(NeuZeichnenAus, 0);
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
    EXPECT_EQ(host.LetzteMeldung(), UrzustandFrage);
    EXPECT_EQ(Gitterbild(), geaendert);
    EXPECT_EQ(UndoAnzahl, 3);                    // a state is recorded all the same
    EXPECT_EQ(NeuZeichnenAus, 0);

    host.Antworten = {Antwort::Ja};
    Form_Edits_01.ObjektDatensatz1Vorgabeladen1Click();
    EXPECT_EQ(Gitterbild(), start);
    EXPECT_TRUE(Urzustand);
    EXPECT_TRUE(DatenWerdenGeladen);
    Form_Edits_01.PaintBox1MouseMove();          // the next mouse move is ignored once
    EXPECT_FALSE(DatenWerdenGeladen);
}

}  // namespace
