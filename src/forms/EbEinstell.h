#pragma once
// Settings of the plane display: the size factor of the squares that show
// the planes (1..50, 10 at start), read by every plane recomputation.

#include "platform/Komponenten.h"

struct TForm_EbEinstell : TFormZustand {
    TForm_EbEinstell();

    TLabel Label1;
    TScrollBar ScrollBar1;

    void FormCreate();
};

inline TForm_EbEinstell Form_EbEinstell;
