#include "control/Dateien.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <initializer_list>

#include "geometry/Geometrie.h"
#include "mainwindow/Farbsets.h"
#include "forms/Hauptfenster.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"
#include "control/DatenInDialoge.h"
#include "view3d/ObjektGeometrie.h"
#include "scene/Objekte.h"
#include "scene/Speicherzustand.h"
#include "view3d/Zeichnen.h"

// ---- Content checks ------------------------------------------------------------

namespace {

bool Endlich(Extended v) { return std::isfinite(v); }

bool Endlich(const TVek_R3& v) { return IstEndlich(v); }

// Whole-number attributes: exactly one of the choices the control offers.
// Files written by the program hold exact whole numbers; anything else would
// depend on how a reader rounds.
bool Wahl(Extended v, std::initializer_list<int> erlaubt) {
    for (int e : erlaubt)
        if (v == e) return true;
    return false;
}

bool Zwischen(Extended v, int lo, int hi) {
    return std::isfinite(v) && v == std::round(v) && v >= lo && v <= hi;
}

template <class Feld, class Pruefen>
bool Alle(const Feld& feld, Pruefen pruefen) {
    for (const auto& x : feld)
        if (!pruefen(x)) return false;
    return true;
}

bool Stiftbreite(Extended v) { return Zwischen(v, 1, 4); }
bool Index01(Extended v) { return Zwischen(v, 0, 1); }   // style indexes and flags

}  // namespace

bool DatensatzGueltig(const TObjektDatensatz& d) {
    for (const TVek_R3* v : {&d.gStuetz, &d.gRichtung, &d.hStuetz, &d.hRichtung, &d.tStuetz, &d.tRichtung,
                             &d.E1Stuetz, &d.E1Richtung1, &d.E1Richtung2, &d.E2Stuetz, &d.E2Richtung1,
                             &d.E2Richtung2})
        if (!Endlich(*v)) return false;
    for (int i = 1; i <= 4; ++i) {
        const TSpatDaten& s = d.Spat[i];
        for (const TVek_R3* v : {&s.A, &s.AB, &s.AD, &s.AE, &d.Vektor[i].Anfang, &d.Vektor[i].Vektor,
                                 &d.Strecke[i].A, &d.Strecke[i].B, &d.Punkt[i], &d.KugelMitte[i]})
            if (!Endlich(*v)) return false;
    }
    return Alle(d.KugelRadius, [](Extended r) { return Endlich(r); });
}

bool Datensatz2Gueltig(const TObjektDatensatz2& d) {
    if (!Endlich(d.FadenkreuzMitte) || !Endlich(d.FadenkreuzSchrittweite)) return false;
    for (int i = 1; i <= 4; ++i) {
        const TKegelDaten& k = d.Kegel[i];
        if (!Endlich(k.Mitte) || !Endlich(k.Normale) || !Endlich(k.Radius) || !Endlich(d.KegelHoehe[i]))
            return false;
        if (!Wahl(k.Speichen, {3, 4, 5, 6, 10, 12, 15, 20, 30, 60})) return false;
        if (!Zwischen(k.Randdicke, 1, 12)) return false;
        if (!Wahl(d.KugelBreitenkreise[i], {24, 12, 8, 6, 4})) return false;
        if (!Wahl(d.KugelLaengenkreise[i], {24, 12, 8, 4})) return false;
    }
    if (!Alle(d.EbeneStiftbreite, Stiftbreite) || !Alle(d.GeradeStiftbreite, Stiftbreite) ||
        !Alle(d.SpatStiftbreite, Stiftbreite) || !Alle(d.VektorStiftbreite, Stiftbreite) ||
        !Alle(d.StreckeStiftbreite, Stiftbreite) || !Alle(d.PunktStiftbreite, Stiftbreite))
        return false;
    if (!Alle(d.GeradeStil, Index01) || !Alle(d.EbeneStil, Index01) || !Alle(d.SpatStil, Index01) ||
        !Alle(d.VektorStil, Index01) || !Alle(d.StreckeStil, Index01) || !Alle(d.KugelStil, Index01) ||
        !Alle(d.KegelStil, Index01) || !Index01(d.FadenkreuzStil))
        return false;
    return Alle(d.GeradeSichtbar, Index01) && Alle(d.EbeneSichtbar, Index01) && Alle(d.SpatSichtbar, Index01) &&
           Alle(d.VektorSichtbar, Index01) && Alle(d.StreckeSichtbar, Index01) &&
           Alle(d.PunktSichtbar, Index01) && Alle(d.KugelSichtbar, Index01) && Alle(d.KegelSichtbar, Index01) &&
           Index01(d.FadenkreuzSichtbar) && Alle(d.SpatErzeugende, Index01) && Alle(d.PunktFadenkreuz, Index01);
}

bool FarbsetGueltig(const TFarbset& f) {
    for (TColor c : f.Farben)
        if (c > 0x00FFFFFF) return false;
    return true;
}

bool Farbset2Gueltig(const TFarbset2& f) {
    if (f.FadenkreuzFarbe > 0x00FFFFFF) return false;
    for (TColor c : f.KegelFarbe)
        if (c > 0x00FFFFFF) return false;
    return true;
}

// ---- Files -----------------------------------------------------------------------

bool DateiAnfangLesen(const std::string& pfad, std::size_t hoechstens, std::vector<std::uint8_t>& inhalt) {
    inhalt.clear();
    // Only plain files: a folder cannot be read, and opening a pipe or a
    // device could wait for ever.
    struct stat info {};
    if (::stat(pfad.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    std::FILE* f = std::fopen(pfad.c_str(), "rb");
    if (!f) return false;
    inhalt.resize(hoechstens);
    const std::size_t n = std::fread(inhalt.data(), 1, hoechstens, f);
    const bool fehler = std::ferror(f) != 0;
    std::fclose(f);
    inhalt.resize(fehler ? 0 : n);
    return !fehler;
}

namespace {

std::string Ordner(const std::string& pfad) {
    const auto p = pfad.find_last_of('/');
    if (p == std::string::npos) return ".";
    if (p == 0) return "/";
    return pfad.substr(0, p);
}

bool AllesSchreiben(int fd, const std::vector<std::uint8_t>& inhalt) {
    std::size_t geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t w = ::write(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (w == 0) return false;
        geschrieben += static_cast<std::size_t>(w);
    }
    return true;
}

// The file a save replaces: a symbolic link is followed to the file it
// names (a relative link from the link's folder), so the link stays a link
// and the linked file gets the new content. Empty for a loop of links.
std::string Speicherziel(const std::string& pfad) {
    namespace fs = std::filesystem;
    fs::path ziel = pfad;
    for (int schritte = 0; schritte < 40; ++schritte) {
        std::error_code fehler;
        if (!fs::is_symlink(fs::symlink_status(ziel, fehler))) return ziel.string();
        const fs::path verweis = fs::read_symlink(ziel, fehler);
        if (fehler) return {};
        ziel = verweis.is_absolute() ? verweis : ziel.parent_path() / verweis;
    }
    return {};
}

// While it lives, a file-size limit makes a write fail with an error
// instead of ending the program (SIGXFSZ), so the temporary file can be
// removed and the user told.
class DateigrenzeOhneSignal {
public:
    DateigrenzeOhneSignal() {
        struct sigaction ignorieren {};
        ignorieren.sa_handler = SIG_IGN;
        sigemptyset(&ignorieren.sa_mask);
        gesetzt_ = ::sigaction(SIGXFSZ, &ignorieren, &vorher_) == 0;
    }
    ~DateigrenzeOhneSignal() {
        if (gesetzt_) ::sigaction(SIGXFSZ, &vorher_, nullptr);
    }
    DateigrenzeOhneSignal(const DateigrenzeOhneSignal&) = delete;
    DateigrenzeOhneSignal& operator=(const DateigrenzeOhneSignal&) = delete;

private:
    struct sigaction vorher_ {};
    bool gesetzt_ = false;
};

}  // namespace

bool DateiSicherSchreiben(const std::string& gewaehlt, const std::vector<std::uint8_t>& inhalt) {
    if (gewaehlt.empty()) return false;
    const std::string pfad = Speicherziel(gewaehlt);
    if (pfad.empty()) return false;
    struct stat alt {};
    const bool vorhanden = ::stat(pfad.c_str(), &alt) == 0;
    // A folder or device is never replaced, and a write-protected file stays
    // protected (renaming over it would not ask).
    if (vorhanden && (!S_ISREG(alt.st_mode) || ::access(pfad.c_str(), W_OK) != 0)) return false;

    const std::string ordner = Ordner(pfad);
    std::string temp;
    int fd = -1;
    for (int k = 0; k < 100 && fd < 0; ++k) {
        temp = ordner + "/.raumgeometrie-" + std::to_string(::getpid()) + "-" + std::to_string(k) + ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    if (vorhanden) (void)::fchmod(fd, alt.st_mode & 07777);   // the new file keeps the old one's rights

    const DateigrenzeOhneSignal ohneSignal;
    bool ok = AllesSchreiben(fd, inhalt);
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temp.c_str(), pfad.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

// ---- Messages --------------------------------------------------------------------

namespace {

void DateiMeldung(const std::string& pfad, const std::string& text) {
    MeldungZeigen("Die Datei\n" + pfad + "\n" + text, MeldungsArt::Warnung);
}

void SchreibFehler(const std::string& pfad) {
    DateiMeldung(pfad,
                 "konnte nicht gespeichert werden.\n"
                 "Eine vorhandene Datei dieses Namens bleibt unverändert.");
}

void LeseFehler(const std::string& pfad) { DateiMeldung(pfad, "konnte nicht gelesen werden."); }

template <std::size_t N>
void Anhaengen(std::vector<std::uint8_t>& v, const std::array<std::uint8_t, N>& satz) {
    v.insert(v.end(), satz.begin(), satz.end());
}

template <std::size_t N>
std::array<std::uint8_t, N> Satz(const std::vector<std::uint8_t>& inhalt, std::size_t nr) {
    std::array<std::uint8_t, N> b{};
    std::copy_n(inhalt.begin() + static_cast<std::ptrdiff_t>(nr * N), N, b.begin());
    return b;
}

}  // namespace

// ---- Object data -------------------------------------------------------------------

bool ObjektdatenSchreiben() {
    std::vector<std::uint8_t> inhalt;
    ObjektdatenSatzFuellen();
    Anhaengen(inhalt, InBytes(Objektdatensaetze[0]));
    if (ObjektdatenSatz2 > 0) {
        ObjektdatenKegelSatzFuellen();
        Anhaengen(inhalt, InBytes(Objektdatensaetze2[0]));
    }
    if (!DateiSicherSchreiben(ObjektdatenPfad, inhalt)) {
        SchreibFehler(ObjektdatenPfad);
        return false;
    }
    return true;
}

void ObjektdatenSpeichernDialog() {
    const auto pfad = Host().DateiSpeichernDialog("", "OVD|*OVD", "", "OVD");
    if (!pfad || pfad->empty()) return;
    ObjektdatenPfad = *pfad;
    ObjektdatenSchreiben();
}

bool ObjektdatenLaden(const std::string& pfad) {
    std::vector<std::uint8_t> inhalt;
    if (!DateiAnfangLesen(pfad, 2 * DatensatzGroesse, inhalt)) {
        LeseFehler(pfad);
        return false;
    }
    const std::size_t n = inhalt.size() / DatensatzGroesse;
    if (n == 0) {
        DateiMeldung(pfad, "enthält keinen vollständigen Objektdatensatz.\nEs wurden keine Daten geladen.");
        return false;
    }
    TObjektDatensatz satz1;
    AusBytes(Satz<DatensatzGroesse>(inhalt, 0), satz1);
    const bool zwei = n >= 2 && ObjektdatenSatz2 > 0;
    TObjektDatensatz2 satz2;
    if (zwei) AusBytes(Satz<DatensatzGroesse>(inhalt, 1), satz2);
    if (!DatensatzGueltig(satz1) || (zwei && !Datensatz2Gueltig(satz2))) {
        DateiMeldung(pfad, "enthält keine gültigen Objektdaten.\nEs wurden keine Daten geladen.");
        return false;
    }

    Objektdatensaetze[0] = satz1;
    if (zwei) Objektdatensaetze2[0] = satz2;
    DatenWerdenGeladen = true;
    DateiDatensaetzeInDialoge(0, zwei);
    return true;
}

// ---- Colour sets -------------------------------------------------------------------

bool FarbsetSchreiben() {
    std::vector<std::uint8_t> inhalt;
    FarbsetSichern();
    Anhaengen(inhalt, InBytes(Farbsets[0]));
    if (FarbsetSatz2 > 0) {
        FarbsetSichern2();
        Anhaengen(inhalt, InBytes(Farbsets2[0]));
    }
    if (!DateiSicherSchreiben(FarbsetPfad, inhalt)) {
        SchreibFehler(FarbsetPfad);
        return false;
    }
    return true;
}

void FarbsetSpeichernDialog() {
    const auto pfad = Host().DateiSpeichernDialog("aktuelles Farbset speichern", "OVF|*.OVF", "", "OVF");
    if (!pfad || pfad->empty()) return;
    FarbsetPfad = *pfad;
    FarbsetSchreiben();
}

bool FarbsetLaden(const std::string& pfad) {
    std::vector<std::uint8_t> inhalt;
    if (!DateiAnfangLesen(pfad, 2 * FarbsetGroesse, inhalt)) {
        LeseFehler(pfad);
        return false;
    }
    const std::size_t n = inhalt.size() / FarbsetGroesse;
    if (n == 0) {
        DateiMeldung(pfad, "enthält kein vollständiges Farbset.\nDie Farben bleiben unverändert.");
        return false;
    }
    TFarbset satz1;
    AusBytes(Satz<FarbsetGroesse>(inhalt, 0), satz1);
    const bool zwei = n >= 2 && FarbsetSatz2 > 0;
    TFarbset2 satz2;
    if (zwei) AusBytes(Satz<FarbsetGroesse>(inhalt, 1), satz2);
    if (!FarbsetGueltig(satz1) || (zwei && !Farbset2Gueltig(satz2))) {
        DateiMeldung(pfad, "enthält kein gültiges Farbset.\nDie Farben bleiben unverändert.");
        return false;
    }

    Farbsets[0] = satz1;
    if (zwei) Farbsets2[0] = satz2;
    for (TMenuItem* m : {&Form_Edits_01.FarbSet1, &Form_Edits_01.Farbset2, &Form_Edits_01.Farbset3,
                         &Form_Edits_01.Farbset4, &Form_Edits_01.Farbset5})
        m->Checked = false;
    DatenWerdenGeladen = true;
    FarbsetAnwenden(0);
    if (zwei) FarbsetAnwenden2(0);
    FarbPanelsSetzen();
    // The picture shows the new colours at once, not only at its next paint.
    SzeneZeichnen();
    return true;
}
