#include "platform/Fensterplatz.h"

#include <algorithm>
#include <compare>
#include <cstdlib>
#include <optional>

long long Ueberdeckung(const Rechteck& a, const Rechteck& b) {
    const int w = std::min(a.Right(), b.Right()) - std::max(a.Left, b.Left);
    const int h = std::min(a.Bottom(), b.Bottom()) - std::max(a.Top, b.Top);
    if (w <= 0 || h <= 0) return 0;
    return static_cast<long long>(w) * h;
}

Rechteck InDenBereich(Rechteck r, const Rechteck& frei) {
    r.Width = std::min(r.Width, frei.Width);
    r.Height = std::min(r.Height, frei.Height);
    r.Left = std::clamp(r.Left, frei.Left, frei.Right() - r.Width);
    r.Top = std::clamp(r.Top, frei.Top, frei.Bottom() - r.Height);
    return r;
}

Rechteck FensterPlatz(const Rechteck& frei, int Breite, int Hoehe, int WunschX, int WunschY,
                      const std::vector<Rechteck>& offen, const std::vector<Rechteck>& schonen) {
    const Rechteck wunsch = InDenBereich({WunschX, WunschY, Breite, Hoehe}, frei);
    const int w = wunsch.Width, h = wunsch.Height;

    // The wish, the places beside every open window, the corners of frei.
    std::vector<Rechteck> kandidaten{wunsch};
    for (const Rechteck& o : offen) {
        kandidaten.push_back({o.Right(), o.Top, w, h});
        kandidaten.push_back({o.Left - w, o.Top, w, h});
        kandidaten.push_back({o.Left, o.Bottom(), w, h});
        kandidaten.push_back({o.Left, o.Top - h, w, h});
        kandidaten.push_back({o.Right(), o.Bottom() - h, w, h});
        kandidaten.push_back({o.Left - w, o.Bottom() - h, w, h});
        kandidaten.push_back({o.Right() - w, o.Bottom(), w, h});
        kandidaten.push_back({o.Right() - w, o.Top - h, w, h});
        // Beside it as near the wish as can be.
        kandidaten.push_back({o.Right(), wunsch.Top, w, h});
        kandidaten.push_back({o.Left - w, wunsch.Top, w, h});
        kandidaten.push_back({wunsch.Left, o.Bottom(), w, h});
        kandidaten.push_back({wunsch.Left, o.Top - h, w, h});
    }
    for (int x : {frei.Left, frei.Right() - w})
        for (int y : {frei.Top, frei.Bottom() - h}) kandidaten.push_back({x, y, w, h});

    // Each place by what it covers: of the open windows, of their title
    // bars, of what should stay visible; then by its distance from the wish.
    struct Bewertung {
        const Rechteck* platz = nullptr;
        long long offen = 0, schonen = 0, abstand = 0;
        bool titelFrei = true;
    };
    const auto summe = [](const Rechteck& k, const std::vector<Rechteck>& liste) {
        long long d = 0;
        for (const Rechteck& r : liste) d += Ueberdeckung(k, r);
        return d;
    };
    std::vector<Bewertung> bewertet;
    for (Rechteck& k : kandidaten) {
        k = InDenBereich(k, frei);
        Bewertung b{&k, summe(k, offen), summe(k, schonen),
                    static_cast<long long>(std::abs(k.Left - wunsch.Left)) + std::abs(k.Top - wunsch.Top)};
        for (const Rechteck& o : offen)
            if (Ueberdeckung(k, {o.Left, o.Top, o.Width, std::min(o.Height, TitelHoehe)}) > 0) b.titelFrei = false;
        bewertet.push_back(b);
    }
    const auto besser = [](const Bewertung& a, const Bewertung& b) {
        if (a.offen != b.offen) return a.offen < b.offen;
        if (a.schonen != b.schonen) return a.schonen < b.schonen;
        return a.abstand < b.abstand;
    };
    const Bewertung* bester = nullptr;
    for (const Bewertung& b : bewertet)
        if (b.titelFrei && (!bester || besser(b, *bester))) bester = &b;
    // A place that covers none of the open windows; where there is none,
    // the one that covers least of them and none of their title bars.
    if (bester) return *bester->platz;

    // No room: a cascade, one step right and down from the last window
    // opened, or the steps of diagonals that start along the top edge; of
    // these the first that covers least of schonen. A window never lies
    // exactly on another.
    const auto passt = [&](int x, int y) {
        if (x + w > frei.Right() || y + h > frei.Bottom()) return false;
        return std::none_of(offen.begin(), offen.end(),
                            [x, y](const Rechteck& o) { return o.Left == x && o.Top == y; });
    };
    const auto deckung = [&schonen](const Rechteck& k) {
        long long d = 0;
        for (const Rechteck& s : schonen) d += Ueberdeckung(k, s);
        return d;
    };
    const Rechteck& letztes = offen.back();
    std::optional<Rechteck> stufe;
    long long stufenDeckung = 0;
    const auto pruefen = [&](int x, int y) {
        if (!passt(x, y)) return;
        const Rechteck k{x, y, w, h};
        const long long d = deckung(k);
        if (!stufe || d < stufenDeckung) stufe = k, stufenDeckung = d;
    };
    pruefen(letztes.Left + KaskadenSchritt, letztes.Top + KaskadenSchritt);
    for (int x0 = frei.Left; x0 + w <= frei.Right(); x0 += 2 * KaskadenSchritt)
        for (int x = x0, y = frei.Top; x + w <= frei.Right() && y + h <= frei.Bottom();
             x += KaskadenSchritt, y += KaskadenSchritt)
            pruefen(x, y);
    // When no step clears what should stay visible: just below it, the
    // window's own wish, the corners of the area.
    if (!stufe || stufenDeckung > 0) {
        for (const Rechteck& s : schonen)
            for (int x : {letztes.Left + KaskadenSchritt, frei.Left, frei.Right() - w}) pruefen(x, s.Bottom());
        pruefen(wunsch.Left, wunsch.Top);
        for (int x : {frei.Left, frei.Right() - w})
            for (int y : {frei.Top, frei.Bottom() - h}) pruefen(x, y);
    }
    if (stufe) return *stufe;
    return InDenBereich({letztes.Left + KaskadenSchritt, letztes.Top + KaskadenSchritt, w, h}, frei);
}

Rechteck GewoehnlicherFensterPlatz(const Rechteck& frei, int Breite, int Hoehe, int WunschX, int WunschY,
                                   int Titel, const std::vector<Rechteck>& felder, const Fensterlage& lage) {
    const Rechteck wunsch = InDenBereich({WunschX, WunschY, Breite, Hoehe}, frei);
    const int w = wunsch.Width, h = wunsch.Height;

    // The best place has an edge of the window, or of a part of it, on an
    // edge of something it should keep clear of, or on an edge of frei:
    // the rows and columns of every such alignment are the candidates.
    const Rechteck titel{0, 0, w, std::min(Titel, h)};
    std::vector<Rechteck> bezug{{0, 0, w, h}, titel};
    bezug.insert(bezug.end(), felder.begin(), felder.end());
    std::vector<int> xs{wunsch.Left, frei.Left, frei.Right() - w};
    std::vector<int> ys{wunsch.Top, frei.Top, frei.Bottom() - h};
    for (const std::vector<Rechteck>* liste : {&lage.Oben, &lage.Freihalten, &lage.Offen, &lage.Schonen})
        for (const Rechteck& o : *liste)
            for (const Rechteck& t : bezug) {
                if (t.Leer()) continue;
                xs.insert(xs.end(), {o.Right() - t.Left, o.Left - t.Right()});
                ys.insert(ys.end(), {o.Bottom() - t.Top, o.Top - t.Bottom()});
            }
    for (std::vector<int>* v : {&xs, &ys}) {
        std::sort(v->begin(), v->end());
        v->erase(std::unique(v->begin(), v->end()), v->end());
    }

    const auto summe = [](const Rechteck& k, const std::vector<Rechteck>& liste) {
        long long d = 0;
        for (const Rechteck& r : liste) d += Ueberdeckung(k, r);
        return d;
    };
    // What each place costs, in the order of the rule.
    struct Bewertung {
        long long titelVerdeckt, felderVerdeckt, verdeckt, gleich, freihalten, offen, schonen, abstand;
        auto operator<=>(const Bewertung&) const = default;
    };
    const auto bewerten = [&](const Rechteck& k) {
        const auto verdeckt = [&](const Rechteck& t) {
            return summe({k.Left + t.Left, k.Top + t.Top, t.Width, t.Height}, lage.Oben);
        };
        long long felderVerdeckt = 0;
        for (const Rechteck& f : felder) felderVerdeckt += verdeckt(f);
        const bool gleich = std::any_of(lage.Offen.begin(), lage.Offen.end(),
                                        [&k](const Rechteck& o) { return o.Left == k.Left && o.Top == k.Top; });
        return Bewertung{verdeckt(titel),
                         felderVerdeckt,
                         summe(k, lage.Oben),
                         gleich ? 1 : 0,
                         summe(k, lage.Freihalten),
                         summe(k, lage.Offen),
                         summe(k, lage.Schonen),
                         static_cast<long long>(std::abs(k.Left - wunsch.Left)) + std::abs(k.Top - wunsch.Top)};
    };

    Rechteck bester = wunsch;
    Bewertung besteWertung = bewerten(wunsch);
    for (int x : xs)
        for (int y : ys) {
            const Rechteck k = InDenBereich({x, y, w, h}, frei);
            const Bewertung b = bewerten(k);
            if (b < besteWertung) bester = k, besteWertung = b;
        }
    return bester;
}
