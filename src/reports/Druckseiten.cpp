#include "reports/Druckseiten.h"

#include <cmath>

#include "platform/Oberflaeche.h"

void BerichtDrucken(const std::vector<std::string>& Zeilen, const std::string& Schrift, Druckauftrag& D) {
    const double s = D.Seitenbreite() / 2400.0;
    const int h = static_cast<int>(std::lround(50 * s));
    D.Schrift(Schrift, h);
    const int x = static_cast<int>(std::lround(290 * s));
    for (std::size_t i = 0; i < Zeilen.size(); ++i) {
        const int zeile = static_cast<int>(i % ZeilenJeSeite);
        if (i > 0 && zeile == 0) D.NeueSeite();
        D.TextAus(x, static_cast<int>(std::lround(400 * s + (h + 1) * zeile)), Zeilen[i]);
    }
}
