// Picture commands: the metafile of the start scene as another program reads
// it, a BMP turned into a metafile, the chosen part and failed writes.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <tuple>
#include <sstream>

#include "Hauptfenstertest.h"
#include "forms/Beispiele.h"
#include "forms/Bilder.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "platform/WmfZeichenflaeche.h"

namespace fs = std::filesystem;

namespace {

// A recorder that also hands out "pixels": the asked part as text.
struct BildProtokoll : ProtokollZeichenflaeche {
    using ProtokollZeichenflaeche::ProtokollZeichenflaeche;
    std::vector<std::uint8_t> AlsBmp(int x, int y, int b, int h) override {
        const std::string s = std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(b) + "," +
                              std::to_string(h);
        return {s.begin(), s.end()};
    }
};

std::string Lesen(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// wmf2svg's picture of a metafile ("" when it refused the file).
std::string AlsSvg(const fs::path& wmf) {
    const fs::path svg = wmf.string() + ".svg";
    const std::string befehl = "wmf2svg -o '" + svg.string() + "' '" + wmf.string() + "' 2>/dev/null";
    if (std::system(befehl.c_str()) != 0) return {};
    return Lesen(svg);
}

// The two raster players built on libwmf: ImageMagick's reader and
// libwmf's own wmf2gd. Each picture comes back as 8-bit RGB pixels.
struct Raster {
    int breite = 0, hoehe = 0;
    std::vector<std::uint8_t> rgb;
    // Pixels within a small distance of the colour ($00BBGGRR); players
    // soften edges, so only the core of a line counts.
    int Anzahl(TColor farbe) const {
        const int r = int(farbe & 0xFF), g = int(farbe >> 8 & 0xFF), b = int(farbe >> 16 & 0xFF);
        int n = 0;
        for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
            if (std::abs(rgb[i] - r) < 60 && std::abs(rgb[i + 1] - g) < 60 && std::abs(rgb[i + 2] - b) < 60) ++n;
        return n;
    }
};

bool RasterWandlerDa() {
    return std::system("command -v convert >/dev/null && command -v wmf2gd >/dev/null") == 0;
}

// A binary PPM as ImageMagick writes it with depth 8; empty when unreadable.
Raster PpmLesen(const fs::path& p) {
    Raster r;
    std::ifstream f(p, std::ios::binary);
    std::string art;
    int hoechst = 0;
    if (!(f >> art >> r.breite >> r.hoehe >> hoechst) || art != "P6" || hoechst != 255) return {};
    f.get();
    r.rgb.resize(std::size_t(r.breite) * std::size_t(r.hoehe) * 3);
    f.read(reinterpret_cast<char*>(r.rgb.data()), std::streamsize(r.rgb.size()));
    if (!f) return {};
    return r;
}

Raster MitImageMagick(const fs::path& wmf) {
    const fs::path ppm = wmf.string() + ".im.ppm";
    const std::string befehl =
        "convert -density 96 '" + wmf.string() + "' -depth 8 'ppm:" + ppm.string() + "' 2>/dev/null";
    if (std::system(befehl.c_str()) != 0) return {};
    return PpmLesen(ppm);
}

Raster MitWmf2gd(const fs::path& wmf) {
    const fs::path png = wmf.string() + ".gd.png", ppm = wmf.string() + ".gd.ppm";
    const std::string befehl = "wmf2gd -t png -o '" + png.string() + "' '" + wmf.string() +
                               "' >/dev/null 2>&1 && convert '" + png.string() + "' -depth 8 'ppm:" +
                               ppm.string() + "' 2>/dev/null";
    if (std::system(befehl.c_str()) != 0) return {};
    return PpmLesen(ppm);
}

void Schreiben(const fs::path& p, const std::vector<std::uint8_t>& d) {
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(d.data()), std::streamsize(d.size()));
}

class Bildertest : public Hauptfenstertest {
protected:
    fs::path ordner = fs::temp_directory_path() / ("bilder_test_" + std::to_string(::getpid()));
    BildProtokoll bild{900, 640};
    std::unique_ptr<ZeichenbitmapEinsetzen> ein;
    void SetUp() override {
        fs::create_directories(ordner);
        ein = std::make_unique<ZeichenbitmapEinsetzen>(bild);
        Hauptfenstertest::SetUp();
        Bildausschnitt = {};
    }
    void TearDown() override {
        Hauptfenstertest::TearDown();
        ein.reset();
        Bildausschnitt = {};
        if (!std::getenv("BILDER_BEHALTEN")) fs::remove_all(ordner);
    }
};

TEST_F(Bildertest, MetadateiDerStartszeneHaeltDieLinienDesBildes) {
    if (std::system("command -v wmf2svg >/dev/null") != 0) GTEST_SKIP() << "wmf2svg fehlt";
    bild.Leeren();
    SzeneZeichnen();
    // Every line piece of the screen as (colour -> count).
    std::map<TColor, int> erwartet;
    int linien = 0;
    for (const auto& e : bild.Eintraege)
        if ((e.art == ProtokollZeichenflaeche::Art::LineTo || e.art == ProtokollZeichenflaeche::Art::Polyline) &&
            e.pen.Style != psClear) {
            ++erwartet[e.pen.Color & 0xFFFFFF];
            ++linien;
        }
    ASSERT_GT(linien, 50);

    const fs::path wmf = ordner / "start.wmf";
    host.Dateinamen.push_back(wmf.string());
    F.But_sichtb_g.Click();  // nothing may depend on a state left from the recording
    F.But_sichtb_g.Click();
    BildAlsWmfSpeichernClick();
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    const std::string svg = AlsSvg(wmf);
    ASSERT_FALSE(svg.empty());

    // wmf2svg writes each colour as the nearest SVG colour name.
    const std::map<TColor, std::string> namen = {{0x000000, "black"}, {0x0000FF, "red"}, {0x0080FF, "darkorange"},
                                                 {0x800080, "purple"}, {0xFF0000, "blue"}};
    std::map<std::string, int> soll, gefunden;
    for (const auto& [farbe, n] : erwartet) {
        ASSERT_TRUE(namen.count(farbe)) << std::hex << farbe;
        soll[namen.at(farbe)] += n;
    }
    int zuege = 0;
    // Lone segments come as lines, longer runs as polylines.
    const std::regex zug(R"re(<(?:poly)?line [^>]*stroke:([a-z]+)")re");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), zug); it != std::sregex_iterator(); ++it) {
        ++gefunden[(*it)[1]];
        ++zuege;
    }
    EXPECT_EQ(zuege, linien);
    EXPECT_EQ(gefunden, soll);
}

TEST_F(Bildertest, MetadateiDerStartszeneZeigtIhreLinienAuchInRasterprogrammen) {
    if (!RasterWandlerDa()) GTEST_SKIP() << "convert oder wmf2gd fehlt";
    const fs::path wmf = ordner / "raster.wmf";
    host.Dateinamen.push_back(wmf.string());
    BildAlsWmfSpeichernClick();
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    // g red, h blue, t purple, E1 orange: all of them lines on a grey wall.
    for (const auto& [name, raster] : {std::pair{"convert", MitImageMagick(wmf)}, {"wmf2gd", MitWmf2gd(wmf)}}) {
        ASSERT_GT(raster.breite, 0) << name;
        for (TColor farbe : {TColor(0x0000FF), TColor(0xFF0000), TColor(0x800080), TColor(0x0080FF)})
            EXPECT_GT(raster.Anzahl(farbe), 100) << name << " " << std::hex << farbe;
    }
}

TEST(Metadatei, EinzelneStreckenUndZuegeKommenInRasterprogrammenAn) {
    if (!RasterWandlerDa()) GTEST_SKIP() << "convert oder wmf2gd fehlt";
    WmfZeichenflaeche w(200, 120);
    w.Pen = {0x000000FF, 1, psSolid};
    w.MoveTo(10, 10);
    w.LineTo(190, 10);                              // red: one segment
    w.Pen = {0x00FF0000, 2, psSolid};
    w.Polyline({{10, 40}, {100, 40}, {190, 40}});   // blue: a run of two
    w.Pen = {0x0000C000, 1, psDot};
    w.Polyline({{10, 70}, {190, 70}});              // green, dotted: one segment
    w.Pen = {0x00FF00FF, 1, psSolid};
    w.Brush = {0x00FF00FF, bsSolid};
    w.Polygon({{10, 100}, {190, 100}});             // magenta: two corners are a line
    const fs::path p = fs::temp_directory_path() / ("strecken_" + std::to_string(::getpid()) + ".wmf");
    Schreiben(p, w.Datei());
    const Raster im = MitImageMagick(p), gd = MitWmf2gd(p);
    for (const char* endung : {"", ".im.ppm", ".gd.png", ".gd.ppm"}) fs::remove(p.string() + endung);
    // wmf2gd draws at 72 dpi: three quarters of the length.
    for (const auto& [name, r, mass] : {std::tuple{"convert", im, 1.0}, {"wmf2gd", gd, 0.75}}) {
        ASSERT_GT(r.breite, 0) << name;
        EXPECT_GT(r.Anzahl(0x000000FF), 150 * mass) << name;
        EXPECT_GT(r.Anzahl(0x00FF0000), 150 * mass) << name;
        EXPECT_GT(r.Anzahl(0x0000C000), 50 * mass) << name;
        EXPECT_GT(r.Anzahl(0x00FF00FF), 150 * mass) << name;
    }
}

TEST(Metadatei, FlaechenEllipsenUndTexteKommenAn) {
    if (std::system("command -v wmf2svg >/dev/null") != 0) GTEST_SKIP() << "wmf2svg fehlt";
    WmfZeichenflaeche w(200, 100);
    w.Brush = {0x0000FF00, bsSolid};
    w.Polygon({{10, 10}, {60, 10}, {30, 50}});
    w.Ellipse(70, 10, 110, 50);
    w.Brush.Style = bsClear;
    w.Font.Color = 0x000000FF;
    w.TextOut(120, 20, "Größe");
    const fs::path p = fs::temp_directory_path() / ("metadatei_" + std::to_string(::getpid()) + ".wmf");
    const auto d = w.Datei();
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(d.data()), std::streamsize(d.size()));
    const std::string svg = AlsSvg(p);
    fs::remove(p);
    fs::remove(p.string() + ".svg");
    EXPECT_NE(svg.find("<polygon"), std::string::npos);
    EXPECT_NE(svg.find("<ellipse"), std::string::npos);
    EXPECT_NE(svg.find("fill:red"), std::string::npos);
    // The text travels in the metafile's ANSI code page.
    EXPECT_NE(svg.find("Gr\xF6\xDF" "e"), std::string::npos);
}

TEST_F(Bildertest, BitmapWirdZurMetadateiMitEingebettetemBild) {
    // 3 x 2 pixels, 24 bits, bottom-up rows padded to 4 bytes.
    std::vector<std::uint8_t> bmp = {'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 3, 0, 0, 0, 2, 0,
                                     0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                     0, 0, 0, 0};
    for (int i = 0; i < 24; ++i) bmp.push_back(std::uint8_t(i * 10));
    const fs::path quelle = ordner / "klein.bmp", ziel = ordner / "klein.wmf";
    std::ofstream(quelle, std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()), std::streamsize(bmp.size()));
    host.Dateinamen = {quelle.string(), ziel.string()};
    BmpInWmfUmwandelnClick();
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    const std::string wmf = Lesen(ziel);
    // The pixel rows sit unchanged inside the metafile.
    EXPECT_NE(wmf.find(std::string(bmp.begin() + 54, bmp.end())), std::string::npos);
    if (std::system("command -v wmf2svg >/dev/null") == 0) {
        EXPECT_NE(AlsSvg(ziel).find("<image"), std::string::npos);
    }

    // Damaged headers are refused with a message, and nothing is written.
    struct Fall { std::size_t stelle; std::uint8_t wert; };
    for (const Fall f : {Fall{0, 'X'}, Fall{18, 0}, Fall{28, 7}, Fall{10, 200}, Fall{30, 4}}) {
        auto kaputt = bmp;
        kaputt[f.stelle] = f.wert;
        EXPECT_TRUE(BmpAlsWmf(kaputt).empty()) << f.stelle;
    }
    bmp.resize(60);
    std::ofstream(quelle, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(bmp.data()), 60);
    host.Dateinamen = {quelle.string(), (ordner / "nie.wmf").string()};
    BmpInWmfUmwandelnClick();
    EXPECT_NE(host.LetzteMeldung().find("keine Bitmap"), std::string::npos);
    EXPECT_FALSE(fs::exists(ordner / "nie.wmf"));
}

TEST_F(Bildertest, AusschnittLeerOderAusserhalbKopiertNichtsUndSagtEs) {
    struct Fall { int x1, y1, x2, y2; std::string teil; };
    const Fall faelle[] = {
        {10, 10, 10, 80, ""},             // no width
        {950, 10, 1200, 80, ""},          // right of the picture
        {-50, -40, -1, 30, ""},           // left above it
        {120, 90, 20, 30, "20,30,100,60"},  // dragged backwards
        {850, 600, 1000, 700, "850,600,50,40"},  // clipped at the edges
    };
    for (const Fall& f : faelle) {
        host.Vergessen();
        BildausschnittGewaehlt(f.x1, f.y1, f.x2, f.y2);
        if (f.teil.empty()) {
            EXPECT_EQ(host.LetzteMeldung(), AusschnittLeerMeldung);
            EXPECT_TRUE(host.Zwischenablage.empty());
            EXPECT_FALSE(Bildausschnitt.gesetzt);
        } else {
            ASSERT_EQ(host.Zwischenablage.size(), 1u);
            EXPECT_EQ(std::string(host.Zwischenablage[0].begin(), host.Zwischenablage[0].end()), f.teil);
            EXPECT_TRUE(host.Meldungen.empty());
        }
    }
    // The part stays for the next command; a smaller picture can leave it empty.
    bild.GroesseSetzen(500, 400);
    host.Vergessen();
    host.Dateinamen.push_back((ordner / "a.bmp").string());
    BildAlsBmpSpeichernClick();
    EXPECT_EQ(host.LetzteMeldung(), AusschnittLeerMeldung);
    EXPECT_TRUE(host.Dateidialoge.empty());
    GanzesBildClick();
    BildInZwischenablageClick();
    EXPECT_EQ(std::string(host.Zwischenablage.back().begin(), host.Zwischenablage.back().end()), "0,0,500,400");
}

TEST_F(Bildertest, MisslungenesSchreibenLaesstDieAlteDateiUndMeldetEs) {
    const fs::path alt = ordner / "alt.bmp";
    std::ofstream(alt) << "alt";
    fs::create_directory(ordner / "ordner.bmp");
    for (const fs::path& ziel : {ordner / "ordner.bmp", ordner / "fehlt" / "x.wmf"}) {
        host.Vergessen();
        host.Dateinamen.push_back(ziel.string());
        if (ziel.extension() == ".wmf") BildAlsWmfSpeichernClick();
        else BildAlsBmpSpeichernClick();
        EXPECT_NE(host.LetzteMeldung().find("konnte nicht gespeichert werden"), std::string::npos) << ziel;
    }
    EXPECT_TRUE(fs::is_directory(ordner / "ordner.bmp"));
    // A good write replaces the file in one step and leaves no temporary file.
    host.Vergessen();
    host.Dateinamen.push_back(alt.string());
    BildAlsBmpSpeichernClick();
    EXPECT_EQ(Lesen(alt), "0,0,900,640");
    int dateien = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(ordner)) ++dateien;
    EXPECT_EQ(dateien, 2);
}

}  // namespace



TEST(Beispiele, PfeileUndUnterschriftenLiegenImFenster) {
    ProtokollZeichenflaeche z(Form_Beispiele.ClientWidth, Form_Beispiele.ClientHeight);
    BeispielZeichnen(z);
    const auto pfeile = z.Alle(ProtokollZeichenflaeche::Art::Polygon);
    EXPECT_EQ(pfeile.size(), 6u);  // a; p and u; p, u and v
    for (const auto& e : z.Eintraege)
        for (const TPoint& p : e.punkte) {
            EXPECT_TRUE(p.X >= 0 && p.X <= z.Width() && p.Y >= 0 && p.Y <= z.Height()) << p.X << "," << p.Y;
        }
    const auto texte = z.Texte();
    EXPECT_NE(std::find(texte.begin(), texte.end(), "Ebene E: x = p + r·u + s·v"), texte.end());
}
