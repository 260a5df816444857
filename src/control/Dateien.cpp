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
#include "control/Farbsets.h"
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

// Both file kinds are one record, or two when the second is switched on:
// each buffer is filled just before it is written out.
template <class Satz1, class Satz2>
bool SaetzeSchreiben(const std::string& pfad, void (*fuellen1)(), const Satz1& satz1, bool mitSatz2,
                     void (*fuellen2)(), const Satz2& satz2) {
    std::vector<std::uint8_t> inhalt;
    fuellen1();
    Anhaengen(inhalt, InBytes(satz1));
    if (mitSatz2) {
        fuellen2();
        Anhaengen(inhalt, InBytes(satz2));
    }
    if (!DateiSicherSchreiben(pfad, inhalt)) {
        SchreibFehler(pfad);
        return false;
    }
    return true;
}

// The save dialog of a file kind: the accepted name becomes the kind's path,
// then the kind is written there.
void SpeichernUnter(const char* titel, const char* filter, const char* endung, std::string& ziel,
                    bool (*schreiben)()) {
    const auto pfad = Host().DateiSpeichernDialog(titel, filter, "", endung);
    if (!pfad || pfad->empty()) return;
    ziel = *pfad;
    schreiben();
}

// The texts a failed load shows behind the file's name.
struct TLadeMeldungen {
    const char* unvollstaendig;
    const char* ungueltig;
};

// Reads and checks the records of `pfad` without applying anything. The
// second record counts only when the file has it and `mitSatz2` is set
// (`zwei`). False, after the message, when the file is unusable.
template <std::size_t Groesse, class Satz1, class Satz2>
bool SaetzeLesen(const std::string& pfad, bool mitSatz2, bool (*gueltig1)(const Satz1&),
                 bool (*gueltig2)(const Satz2&), const TLadeMeldungen& texte, Satz1& satz1, Satz2& satz2,
                 bool& zwei) {
    std::vector<std::uint8_t> inhalt;
    if (!DateiAnfangLesen(pfad, 2 * Groesse, inhalt)) {
        LeseFehler(pfad);
        return false;
    }
    const std::size_t n = inhalt.size() / Groesse;
    if (n == 0) {
        DateiMeldung(pfad, texte.unvollstaendig);
        return false;
    }
    AusBytes(Satz<Groesse>(inhalt, 0), satz1);
    zwei = n >= 2 && mitSatz2;
    if (zwei) AusBytes(Satz<Groesse>(inhalt, 1), satz2);
    if (!gueltig1(satz1) || (zwei && !gueltig2(satz2))) {
        DateiMeldung(pfad, texte.ungueltig);
        return false;
    }
    return true;
}

}  // namespace

// ---- Object data -------------------------------------------------------------------

bool ObjektdatenSchreiben() {
    return SaetzeSchreiben(ObjektdatenPfad, ObjektdatenSatzFuellen, Objektdatensaetze[0], ObjektdatenSatz2 > 0,
                           ObjektdatenKegelSatzFuellen, Objektdatensaetze2[0]);
}

void ObjektdatenSpeichernDialog() {
    SpeichernUnter("", "OVD|*OVD", "OVD", ObjektdatenPfad, ObjektdatenSchreiben);
}

bool ObjektdatenLaden(const std::string& pfad) {
    TObjektDatensatz satz1;
    TObjektDatensatz2 satz2;
    bool zwei = false;
    if (!SaetzeLesen<DatensatzGroesse>(
            pfad, ObjektdatenSatz2 > 0, DatensatzGueltig, Datensatz2Gueltig,
            {"enthält keinen vollständigen Objektdatensatz.\nEs wurden keine Daten geladen.",
             "enthält keine gültigen Objektdaten.\nEs wurden keine Daten geladen."},
            satz1, satz2, zwei))
        return false;

    Objektdatensaetze[0] = satz1;
    if (zwei) Objektdatensaetze2[0] = satz2;
    DatenWerdenGeladen = true;
    DateiDatensaetzeInDialoge(0, zwei);
    return true;
}

// ---- Colour sets -------------------------------------------------------------------

bool FarbsetSchreiben() {
    return SaetzeSchreiben(FarbsetPfad, FarbsetSichern, Farbsets[0], FarbsetSatz2 > 0, FarbsetSichern2,
                           Farbsets2[0]);
}

void FarbsetSpeichernDialog() {
    SpeichernUnter("aktuelles Farbset speichern", "OVF|*.OVF", "OVF", FarbsetPfad, FarbsetSchreiben);
}

bool FarbsetLaden(const std::string& pfad) {
    TFarbset satz1;
    TFarbset2 satz2;
    bool zwei = false;
    if (!SaetzeLesen<FarbsetGroesse>(pfad, FarbsetSatz2 > 0, FarbsetGueltig, Farbset2Gueltig,
                                     {"enthält kein vollständiges Farbset.\nDie Farben bleiben unverändert.",
                                      "enthält kein gültiges Farbset.\nDie Farben bleiben unverändert."},
                                     satz1, satz2, zwei))
        return false;

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
