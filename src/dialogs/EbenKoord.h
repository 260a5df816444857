#pragma once
// Dialog of a plane's coordinate form a·x + b·y + c·z + d = 0 and normal form
// n·(x - A) = 0, for the plane AktEbene.

#include "platform/Komponenten.h"

// Set while this dialog applies a change it made itself: the plane's
// recomputation then keeps the coordinate form and normal as set here.
inline bool EbenKoordQuelle = false;

struct TForm_EbenKoord : TFormZustand {
    TForm_EbenKoord();

    TEdit Edit_a, Edit_b, Edit_c, Edit_d;
    TEdit Edit_nx, Edit_ny, Edit_nz;
    TEdit Edit_ax, Edit_ay, Edit_az;

    void FormCreate();
};

inline TForm_EbenKoord Form_EbenKoord;
