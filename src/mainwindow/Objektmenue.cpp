#include "mainwindow/Objektmenue.h"

#include "forms/Ebenen.h"
#include "forms/Fadenkreuz.h"
#include "forms/Geraden_t.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "forms/Hauptfenster.h"
#include "platform/Oberflaeche.h"

void ObjektDialogOeffnen(std::size_t Nr) {
    if (Nr >= ObjektDialogAnzahl) return;
    TForm_Edits_01& F = Form_Edits_01;
    switch (Nr) {
        case 0: Form_Geraden_t.FormActivate(); break;
        case 1: Form_Ebenen.FormActivate(); break;
        case 2: Form_Ebenen.But_KoordinatenformClick(); return;
        case 3: Form_Spate.FormActivate(); break;
        case 4: Form_Vektoren.FormActivate(); break;
        case 5: Form_Strecken.FormActivate(); break;
        case 6: Form_Punkte.FormActivate(); break;
        case 7: Form_Kugeln.FormActivate(); break;
        case 8: Form_Kegel.FormActivate(); break;
        case 9: Form_Fadenkreuz.FormActivate(); break;
        case 10: F.BitBtn_EinstDrhAchseClick(); return;
        default:
            F.RadioGroup_Animationen.ItemIndex = Nr == 11 ? 0 : 1;
            F.RadioGroup_AnimationenClick();
            return;
    }
    Host().FensterZeigen(ObjektDialoge[Nr].Fenster, false);
}
