#include "forms/EbEinstell.h"

void TForm_EbEinstell::FormCreate() {}
