#include "forms/Bilder.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "control/Dateien.h"
#include "platform/Oberflaeche.h"
#include "platform/WmfZeichenflaeche.h"
#include "platform/Zeichenflaeche.h"
#include "view3d/Zeichnen.h"

namespace {

struct Rechteck {
    int x, y, b, h;
};

// The part the commands take, clipped to the picture as it is now; nothing
// when no pixel of it is left.
std::optional<Rechteck> Teil() {
    const Zeichenflaeche& z = Zeichenbitmap();
    if (!Bildausschnitt.gesetzt) {
        if (z.Width() <= 0 || z.Height() <= 0) return std::nullopt;
        return Rechteck{0, 0, z.Width(), z.Height()};
    }
    const int x1 = std::max(0, std::min(Bildausschnitt.x1, Bildausschnitt.x2));
    const int y1 = std::max(0, std::min(Bildausschnitt.y1, Bildausschnitt.y2));
    const int x2 = std::min(z.Width(), std::max(Bildausschnitt.x1, Bildausschnitt.x2));
    const int y2 = std::min(z.Height(), std::max(Bildausschnitt.y1, Bildausschnitt.y2));
    if (x2 <= x1 || y2 <= y1) return std::nullopt;
    return Rechteck{x1, y1, x2 - x1, y2 - y1};
}

std::optional<Rechteck> TeilOderMeldung() {
    auto t = Teil();
    if (!t) MeldungZeigen(AusschnittLeerMeldung, MeldungsArt::Warnung);
    return t;
}

void SchreibFehler(const std::string& pfad) {
    MeldungZeigen("Die Datei\n" + pfad +
                      "\nkonnte nicht gespeichert werden.\n"
                      "Eine vorhandene Datei dieses Namens bleibt unverändert.",
                  MeldungsArt::Warnung);
}

void Speichern(const std::string& pfad, const std::vector<std::uint8_t>& inhalt) {
    if (inhalt.empty() || !DateiSicherSchreiben(pfad, inhalt)) SchreibFehler(pfad);
}

// The scene drawn once more, into a metafile instead of the screen picture.
std::vector<std::uint8_t> SzeneAlsWmf(const Rechteck& t) {
    Zeichenflaeche& schirm = Zeichenbitmap();
    WmfZeichenflaeche wmf(schirm.Width(), schirm.Height(), &schirm);
    wmf.Pen = schirm.Pen;
    wmf.Brush = schirm.Brush;
    wmf.Font = schirm.Font;
    wmf.AusschnittSetzen(t.x, t.y, t.b, t.h);
    const TFont schrift = schirm.Font;
    // The screen keeps the picture it shows.
    auto uebertragen = std::exchange(BildUebertragen, nullptr);
    {
        const ZeichenbitmapEinsetzen einsetzen(wmf);
        SzeneZeichnen();
    }
    BildUebertragen = std::move(uebertragen);
    schirm.Font = schrift;
    return wmf.Datei();
}

}  // namespace

void BildInZwischenablageClick() {
    const auto t = TeilOderMeldung();
    if (!t) return;
    const auto bmp = Zeichenbitmap().AlsBmp(t->x, t->y, t->b, t->h);
    if (bmp.empty() || !Host().BildInZwischenablage(bmp))
        MeldungZeigen("Das Bild konnte nicht in die Zwischenablage kopiert werden.", MeldungsArt::Warnung);
}

void BildAlsBmpSpeichernClick() {
    const auto t = TeilOderMeldung();
    if (!t) return;
    const auto pfad = Host().DateiSpeichernDialog("Bild als Bitmap speichern", "Bitmap (*.BMP)|*.BMP", "", "BMP");
    if (!pfad) return;
    Speichern(*pfad, Zeichenbitmap().AlsBmp(t->x, t->y, t->b, t->h));
}

void BildAlsWmfSpeichernClick() {
    const auto t = TeilOderMeldung();
    if (!t) return;
    const auto pfad =
        Host().DateiSpeichernDialog("Bild als Metadatei speichern", "Metadatei (*.WMF)|*.WMF", "", "WMF");
    if (!pfad) return;
    Speichern(*pfad, SzeneAlsWmf(*t));
}

void BmpInWmfUmwandelnClick() {
    const auto quelle = Host().DateiOeffnenDialog("Bitmap wählen", "Bitmap (*.BMP)|*.BMP", "", "BMP");
    if (!quelle) return;
    std::vector<std::uint8_t> bmp;
    // A metafile record holds at most 4 GB; a larger bitmap is refused below.
    std::error_code fehler;
    const auto groesse = std::filesystem::file_size(*quelle, fehler);
    if (fehler || !DateiAnfangLesen(*quelle, std::size_t(std::min<std::uintmax_t>(groesse, 0xFFFFFFF0u) + 1), bmp)) {
        MeldungZeigen("Die Datei\n" + *quelle + "\nkonnte nicht gelesen werden.", MeldungsArt::Warnung);
        return;
    }
    const auto wmf = BmpAlsWmf(bmp);
    if (wmf.empty()) {
        MeldungZeigen("Die Datei\n" + *quelle + "\nist keine Bitmap, die sich in eine Metadatei übernehmen läßt.",
                      MeldungsArt::Warnung);
        return;
    }
    const auto ziel =
        Host().DateiSpeichernDialog("Metadatei speichern", "Metadatei (*.WMF)|*.WMF", "", "WMF");
    if (!ziel) return;
    Speichern(*ziel, wmf);
}

void BildausschnittWaehlenClick() { BildausschnittWaehlen = true; }

void GanzesBildClick() {
    BildausschnittWaehlen = false;
    Bildausschnitt = {};
}

void BildausschnittGewaehlt(int x1, int y1, int x2, int y2) {
    BildausschnittWaehlen = false;
    Bildausschnitt = {true, x1, y1, x2, y2};
    if (!Teil()) {
        Bildausschnitt = {};
        MeldungZeigen(AusschnittLeerMeldung, MeldungsArt::Warnung);
        return;
    }
    BildInZwischenablageClick();
}
