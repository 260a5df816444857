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
#include "control/Drehsteuerung.h"
#include "view3d/ObjektGeometrie.h"
#include "scene/Objekte.h"
#include "scene/Speicherzustand.h"
#include "view3d/Zeichnen.h"

// ---- Content checks ------------------------------------------------------------

namespace {

bool ImBereich(Extended v) { return std::isfinite(v) && std::fabs(v) <= DateiZahlGrenze; }

bool ImBereich(const TVek_R3& v) { return ImBereich(v.x) && ImBereich(v.y) && ImBereich(v.z); }

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

// What a file may hold in a number of the kind.
bool Zulaessig(Extended v, TWertArt art) {
    switch (art) {
        case TWertArt::Zahl: return ImBereich(v);
        case TWertArt::Speichen: return Wahl(v, {3, 4, 5, 6, 10, 12, 15, 20, 30, 60});
        case TWertArt::Randdicke: return Zwischen(v, 1, 12);
        case TWertArt::Breitenkreise: return Wahl(v, {24, 12, 8, 6, 4});
        case TWertArt::Laengenkreise: return Wahl(v, {24, 12, 8, 4});
        case TWertArt::Stiftbreite: return Zwischen(v, 1, 4);
        case TWertArt::Index: return Zwischen(v, 0, 1);   // style indexes and flags
    }
    return false;
}

template <class D>
bool Gueltig(const D& d, const std::vector<TVektorfeld<D>>& vektoren, const std::vector<TZahlfeld<D>>& zahlen) {
    for (const auto& f : vektoren)
        if (!ImBereich(f.Wert(d))) return false;
    for (const auto& f : zahlen)
        if (!Zulaessig(f.Wert(d), f.Art)) return false;
    return true;
}

}  // namespace

bool DatensatzGueltig(const TObjektDatensatz& d) { return Gueltig(d, Vektorfelder1(), Zahlfelder1()); }

bool Datensatz2Gueltig(const TObjektDatensatz2& d) { return Gueltig(d, Vektorfelder2(), Zahlfelder2()); }

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

}  // namespace

TSichereDatei::TSichereDatei(const std::string& gewaehlt) {
    if (gewaehlt.empty()) return;
    ziel_ = Speicherziel(gewaehlt);
    if (ziel_.empty()) return;
    struct stat alt {};
    const bool vorhanden = ::stat(ziel_.c_str(), &alt) == 0;
    // A folder or device is never replaced, and a write-protected file stays
    // protected (renaming over it would not ask).
    if (vorhanden && (!S_ISREG(alt.st_mode) || ::access(ziel_.c_str(), W_OK) != 0)) return;

    const std::string ordner = Ordner(ziel_);
    int fd = -1;
    for (int k = 0; k < 100 && fd < 0; ++k) {
        temp_ = ordner + "/.raumgeometrie-" + std::to_string(::getpid()) + "-" + std::to_string(k) + ".tmp";
        fd = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return;
    fd_ = fd;
    if (vorhanden) (void)::fchmod(fd_, alt.st_mode & 07777);   // the new file keeps the old one's rights

    // A file-size limit makes a write fail with an error instead of ending
    // the program, so the temporary file can be removed and the user told.
    struct sigaction ignorieren {};
    ignorieren.sa_handler = SIG_IGN;
    sigemptyset(&ignorieren.sa_mask);
    signalGesetzt_ = ::sigaction(SIGXFSZ, &ignorieren, &signalVorher_) == 0;
}

TSichereDatei::~TSichereDatei() {
    if (fd_ >= 0 && !fertig_) Abschliessen(false);
    if (signalGesetzt_) ::sigaction(SIGXFSZ, &signalVorher_, nullptr);
}

bool TSichereDatei::Abschliessen(bool ok) {
    if (fd_ < 0 || fertig_) return false;
    fertig_ = true;
    ok = ok && ::fsync(fd_) == 0;
    ok = (::close(fd_) == 0) && ok;
    ok = ok && std::rename(temp_.c_str(), ziel_.c_str()) == 0;
    if (!ok) ::unlink(temp_.c_str());
    return ok;
}

bool DateiSicherSchreiben(const std::string& gewaehlt, const std::vector<std::uint8_t>& inhalt) {
    TSichereDatei datei(gewaehlt);
    if (!datei.Offen()) return false;
    return datei.Abschliessen(AllesSchreiben(datei.Deskriptor(), inhalt));
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
    OhneDrehungLaden([zwei] { DateiDatensaetzeInDialoge(0, zwei); });
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
