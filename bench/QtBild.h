#pragma once
// A scripted host that answers Yes and the 1024 x 740 Qt picture put in:
// what the benchmarks of the picture without the windows draw on.

#include "gui/QtZeichenflaeche.h"
#include "platform/SkriptHost.h"
#include "platform/Zeichenflaeche.h"

struct QtBildUmgebung {
    SkriptHost host;
    HostEinsetzen hostEin{host};
    QtZeichenflaeche bild{1024, 740};
    ZeichenbitmapEinsetzen bildEin{bild};
    QtBildUmgebung() { host.StandardAntwort = Antwort::Ja; }
};
