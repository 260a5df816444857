#include "view3d/Tiefenordnung.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "platform/Oberflaeche.h"
#include "scene/Objekte.h"
#include "view3d/Tiefenpaare.h"
#include "view3d/Zeichnen.h"

namespace {

using namespace tiefe;

// ---- The selection -----------------------------------------------------------------------

constexpr std::size_t BitZeile = (StreckenHoechstzahl + 2 + 63) / 64;
constexpr int PlatzZeilen = 64;  // one bit each in Zwischenspeicher::InZeilen

// The pass's state: the prepared entries, and the order being found,
// index 1..n; kept between passes so nothing is allocated per picture.
struct Zwischenspeicher {
    Tiefendaten d;
    // Folge[Versatz + 1 .. Versatz + m]: the entries still to draw, in
    // order; Versatz counts the entries drawn. Entry x stands at place
    // Platz[x] - Versatz; a drawn entry keeps the place it was drawn from,
    // which the front has passed: Platz[x] <= Versatz tells it is drawn.
    std::vector<int> Folge;
    std::vector<int> Platz;
    std::vector<int> Reihenfolge;  // the entries in the order they are drawn
    std::vector<int> Kandidaten, Hilfe;  // the front entry's candidates; room for VergleicheMit
    // The entries x that must be drawn before entry a (the comparison (a, x)
    // is false), among those not drawn when a first came to the front:
    // Vorher[Anfang[a] .. Anfang[a] + Anzahl[a]); Anfang -1 while unknown.
    std::vector<int> Anfang, Anzahl;
    std::vector<int> Vorher;
    // The same as bits, row a, bit x, for entries with many of them
    // (BitsDa[a] once made).
    std::vector<std::uint64_t> VorherBits;
    std::vector<char> BitsDa;
    // For up to PlatzZeilen entries with very many, the places of those not
    // drawn as bits: row Fach[a], bit p set when the entry at place p of
    // Folge must come before a (Fach[a] -1 while a has no row). InZeilen[x]
    // has bit r set when row r holds x: an exchange moves the two entries'
    // bits in the rows that hold one of them only.
    std::vector<std::uint64_t> PlatzBits;
    std::vector<int> Fach;
    std::vector<std::uint64_t> InZeilen;
    int Faecher = 0;
    Ringsuche Ring;
};

Zwischenspeicher& Speicher() {
    static Zwischenspeicher z;
    if (z.Folge.empty()) {
        constexpr std::size_t N = StreckenHoechstzahl + 2;
        z.Folge.resize(N);
        z.Platz.resize(N);
        z.Reihenfolge.reserve(N);
        z.Kandidaten.resize(N);
        z.Hilfe.resize(N);
        z.Anfang.resize(N);
        z.Anzahl.resize(N);
        z.Vorher.reserve(1 << 16);
        z.VorherBits.resize(N * BitZeile);
        z.BitsDa.resize(N);
        z.PlatzBits.resize(PlatzZeilen * BitZeile);
        z.Fach.resize(N);
        z.InZeilen.resize(N);
    }
    return z;
}

}  // namespace

void TiefenordnungVorbereiten(int n) { TiefendatenVorbereiten(Speicher().d, std::min(n, StreckenHoechstzahl)); }

bool TiefenvergleichVorbereitet(int i, int j) { return Vergleich(Speicher().d, i, j); }

std::vector<int> TiefenvergleicheVorbereitet(int i, const std::vector<int>& xs) {
    std::vector<int> falsch, hilfe(xs.size() + 1);
    VergleicheMit(Speicher().d, i, xs.data(), static_cast<int>(xs.size()), hilfe.data(), falsch);
    return falsch;
}

bool TiefenKandidat(int i, int j) {
    std::vector<int> kandidaten(static_cast<std::size_t>(StreckenHoechstzahl) + 2);
    const int zahl = Speicher().d.Nachbarn.Sammeln(i, kandidaten.data());
    return zahl < 0 || std::find(kandidaten.begin(), kandidaten.begin() + zahl, j) != kandidaten.begin() + zahl;
}

void TiefenKandidatGezeichnet(int x) { Speicher().d.Nachbarn.Gezeichnet(x); }

void TiefenordnungZeichnen(int n) {
    Zwischenspeicher& z = Speicher();
    TiefendatenVorbereiten(z.d, n);
    for (int k = 1; k <= n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        z.Folge[u] = k;
        z.Platz[u] = k;
        z.Anfang[u] = -1;
        z.Anzahl[u] = 0;
        z.Fach[u] = -1;
        z.InZeilen[u] = 0;
    }
    z.Vorher.clear();
    z.Faecher = 0;
    // The order is found first and drawn in one go: the raster work would
    // push the pass's data out of the caches between every two decisions.
    // Nothing the order depends on reads the picture, and Escape is polled
    // where the entry would be drawn, so the picture is the same.
    z.Reihenfolge.clear();
    const auto zeichnen = [&z](int k) { z.Reihenfolge.push_back(k); };
    const auto ausgeben = [&z] {
        // St is read out of order: the next entries are asked for while one
        // is drawn (not further ahead: the drawing's own data would push
        // them out again).
        const std::size_t anzahl = z.Reihenfolge.size();
        for (std::size_t q = 0; q < anzahl; ++q) {
            if (q + 2 < anzahl) __builtin_prefetch(&St[z.Reihenfolge[q + 2]]);
            const int k = z.Reihenfolge[q];
            const TStr& s = St[k];
            const auto u = static_cast<std::size_t>(k);
            StreckePixelZeichnen(z.d.PixelA[u], z.d.PixelB[u], s.Farbe, s.Linienstil, s.Stiftbreite);
        }
    };

    // The entries are moved by their numbers only; St keeps its order. The
    // comparisons do not change during the pass, so the scan of the list
    // for the first entry that must come before the front one finds the
    // nearest of that entry's predecessors, each comparison made once.
    // Folge[Versatz + k] is the entry at place k: drawing the front entry
    // moves Versatz on and no other entry.
    int Versatz = 0;
    int* Reihe = z.Folge.data();
    int m = n;
    int Tausch = 0;
    int geparkt = 0;  // the entry the last exchange parked
    z.Ring.Neu(n);
    do {
        const int a = Reihe[Versatz + 1];
        const auto ua = static_cast<std::size_t>(a);
        if (z.Anfang[ua] < 0) {
            z.Anfang[ua] = static_cast<int>(z.Vorher.size());
            z.BitsDa[ua] = 0;
            // The search offers entries not drawn yet; so does the list.
            const int zahl = z.d.Nachbarn.Sammeln(a, z.Kandidaten.data());
            if (zahl >= 0)
                VergleicheMit(z.d, a, z.Kandidaten.data(), zahl, z.Hilfe.data(), z.Vorher);
            else
                VergleicheMit(z.d, a, Reihe + Versatz + 2, m - 1, z.Hilfe.data(), z.Vorher);
            z.Anzahl[ua] = static_cast<int>(z.Vorher.size()) - z.Anfang[ua];
        }
        int j = m + 1;
        if (z.Anzahl[ua] <= 48) {
            // Few predecessors: the nearest of them; drawn ones (place 0 or
            // before) leave the list. Without a branch per entry.
            int* v = z.Vorher.data() + z.Anfang[ua];
            const int* platz = z.Platz.data();
            const int zahl = z.Anzahl[ua];
            int bleiben = 0;
            for (int k = 0; k < zahl; ++k) {
                const int x = v[k];
                const int p = platz[x] - Versatz;
                v[bleiben] = x;
                bleiben += p > 0;
                j = std::min(j, p > 0 ? p : j);
            }
            z.Anzahl[ua] = bleiben;
        } else if (z.Anzahl[ua] > 256 && (z.Fach[ua] >= 0 || z.Faecher < PlatzZeilen)) {
            // Very many, and a row of places is free or a's already: the
            // first set bit of a's row behind the front. Its count no longer
            // changes: it stays here.
            if (z.Fach[ua] < 0) {
                const int r = z.Faecher++;
                z.Fach[ua] = r;
                std::uint64_t* bits = z.PlatzBits.data() + static_cast<std::size_t>(r) * BitZeile;
                std::fill(bits, bits + BitZeile, std::uint64_t{0});
                for (int k = 0; k < z.Anzahl[ua]; ++k) {
                    const int x = z.Vorher[static_cast<std::size_t>(z.Anfang[ua] + k)];
                    const auto ux = static_cast<std::size_t>(x);
                    if (z.Platz[ux] <= Versatz) continue;  // drawn
                    const auto p = static_cast<unsigned>(z.Platz[ux]);
                    bits[p >> 6] |= std::uint64_t{1} << (p & 63);
                    z.InZeilen[ux] |= std::uint64_t{1} << r;
                }
            }
            const std::uint64_t* bits = z.PlatzBits.data() + static_cast<std::size_t>(z.Fach[ua]) * BitZeile;
            const auto von = static_cast<unsigned>(Versatz + 2), bis = static_cast<unsigned>(Versatz + m);
            unsigned w = von >> 6;
            std::uint64_t wort = bits[w] & (~std::uint64_t{0} << (von & 63));
            while (wort == 0 && (w + 1) * 64 <= bis) wort = bits[++w];
            if (wort) {
                const unsigned p = w * 64 + static_cast<unsigned>(std::countr_zero(wort));
                if (p <= bis) j = static_cast<int>(p) - Versatz;
            }
        } else {
            // Many: walk the list from the front to the first of them, but
            // no farther than there are of them; past that, taking the
            // nearest from the list of them costs less.
            std::uint64_t* bits = z.VorherBits.data() + ua * BitZeile;
            if (!z.BitsDa[ua]) {
                std::fill(bits, bits + BitZeile, std::uint64_t{0});
                for (int k = 0; k < z.Anzahl[ua]; ++k) {
                    const auto x = static_cast<unsigned>(z.Vorher[static_cast<std::size_t>(z.Anfang[ua] + k)]);
                    bits[x >> 6] |= std::uint64_t{1} << (x & 63);
                }
                z.BitsDa[ua] = 1;
            }
            const int bis = std::min(m, z.Anzahl[ua] + 1);
            const auto Bit = [bits](int x) {
                const auto u = static_cast<unsigned>(x);
                return static_cast<unsigned>(bits[u >> 6] >> (u & 63) & 1);
            };
            const int* r = Reihe + Versatz;
            int k = 2;
            // Four places a step: the look-ups do not wait for each other.
            for (; k + 3 <= bis; k += 4) {
                const unsigned t = Bit(r[k]) | Bit(r[k + 1]) << 1 | Bit(r[k + 2]) << 2 | Bit(r[k + 3]) << 3;
                if (t) {
                    j = k + std::countr_zero(t);
                    break;
                }
            }
            if (j > m)
                for (; k <= bis; ++k)
                    if (Bit(r[k])) {
                        j = k;
                        break;
                    }
            if (j > m && bis < m) {
                int* v = z.Vorher.data() + z.Anfang[ua];
                int bleiben = 0;
                for (int q = 0; q < z.Anzahl[ua]; ++q) {
                    const int x = v[q];
                    if (z.Platz[static_cast<std::size_t>(x)] <= Versatz) {  // drawn
                        bits[static_cast<unsigned>(x) >> 6] &= ~(std::uint64_t{1} << (static_cast<unsigned>(x) & 63));
                        continue;
                    }
                    v[bleiben++] = x;
                    const int p = z.Platz[static_cast<std::size_t>(x)] - Versatz;
                    if (p < j) j = p;
                }
                z.Anzahl[ua] = bleiben;
            }
        }
        const bool alleWahr = j > m;
        if (!alleWahr) ++Tausch;
        if (alleWahr || Tausch > m) {
            // More exchanges than entries left: a ring of segments that
            // cover each other; the first is drawn anyway.
            if (Host().EscapeGedrueckt()) {
                if (geparkt > 0) TauschStrecke = geparkt;
                ausgeben();
                return;
            }
            zeichnen(a);
            z.d.Nachbarn.Gezeichnet(a);
            ++Versatz;
            --m;
            Tausch = 1;
            z.Ring.Neu(m);
        } else {
            // The parked entry goes to TauschStrecke once the pass ends.
            const int vorn = a, dort = Reihe[Versatz + j];
            Reihe[Versatz + 1] = dort;
            Reihe[Versatz + j] = vorn;
            geparkt = vorn;
            z.Platz[static_cast<std::size_t>(dort)] = 1 + Versatz;
            z.Platz[static_cast<std::size_t>(vorn)] = j + Versatz;
            // In every row that holds one of the two, its bit changes place
            // with the other's; a row that holds both stays as it was.
            const auto p1 = static_cast<unsigned>(1 + Versatz), pj = static_cast<unsigned>(j + Versatz);
            for (std::uint64_t zeilen = z.InZeilen[static_cast<std::size_t>(vorn)] ^
                                        z.InZeilen[static_cast<std::size_t>(dort)];
                 zeilen != 0; zeilen &= zeilen - 1) {
                std::uint64_t* zeile =
                    z.PlatzBits.data() + static_cast<std::size_t>(std::countr_zero(zeilen)) * BitZeile;
                zeile[p1 >> 6] ^= std::uint64_t{1} << (p1 & 63);
                zeile[pj >> 6] ^= std::uint64_t{1} << (pj & 63);
            }
            // Back in an order the run had before: it goes round the same
            // exchanges again and again until Tausch passes m. The whole
            // rounds that fit are left out; they would end where they began.
            const int Runde = z.Ring.Getauscht(j);
            if (Runde > 0 && Tausch + Runde <= m) Tausch += (m - Tausch) / Runde * Runde;
        }
    } while (m > 1);
    zeichnen(Reihe[Versatz + 1]);
    if (geparkt > 0) TauschStrecke = geparkt;
    ausgeben();
}
