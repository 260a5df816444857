#pragma once
// Object-data files (two 1704-byte records, 3408 bytes) and colour-set files
// (two 120-byte records, 240 bytes): saving, checking and loading.
//
// A file's content is checked whole before anything of it is applied; a
// file that fails leaves the scene, the dialogs and the buffers as they were
// and the user is told which file it was. Saving writes a temporary file
// beside the target and renames it over the target only when every byte is
// on disk, so a failed save never destroys the previous file. Failures are
// the program's own German messages; nothing here throws.

#include <signal.h>

#include <cstdint>
#include <string>
#include <vector>

#include "scene/Datensatz.h"
#include "scene/Speicherzustand.h"

// ---- Content checks ------------------------------------------------------------
// Only what the program cannot hold: a number that is not finite or beyond
// DateiZahlGrenze in magnitude (past anything the program writes), an
// attribute that is none of the choices its control offers, a colour with a
// top byte. Every scene the program can reach passes, whatever its
// coordinates (a turn or a plane form may take them far beyond what can be
// typed) and however many decimals they carry.

bool DatensatzGueltig(const TObjektDatensatz& d);
bool Datensatz2Gueltig(const TObjektDatensatz2& d);
bool FarbsetGueltig(const TFarbset& f);
bool Farbset2Gueltig(const TFarbset2& f);

// ---- Files -----------------------------------------------------------------------

// Reads at most `hoechstens` bytes from the start of the file into `inhalt`.
// False when the file cannot be opened or read, or is no plain file.
bool DateiAnfangLesen(const std::string& pfad, std::size_t hoechstens, std::vector<std::uint8_t>& inhalt);
// Writes `inhalt` as the whole file `pfad` through a temporary file in the
// same folder. False, with the previous file untouched and no temporary file
// left, when anything fails (also a file-size limit). A symbolic link is
// followed: the file it names is replaced, the link stays. An existing
// target that is no regular file or is write-protected is refused.
bool DateiSicherSchreiben(const std::string& pfad, const std::vector<std::uint8_t>& inhalt);

// The same for a writer that needs the file open for a while (a print job
// into a file): the temporary file beside the target is created at once and
// replaces the target only at Abschliessen(true). While the object lives, a
// file-size limit makes writes fail instead of ending the program (SIGXFSZ
// is ignored). Destroyed without a successful Abschliessen, it removes the
// temporary file and leaves the target as it was.
class TSichereDatei {
public:
    explicit TSichereDatei(const std::string& gewaehlt);
    ~TSichereDatei();
    TSichereDatei(const TSichereDatei&) = delete;
    TSichereDatei& operator=(const TSichereDatei&) = delete;

    // False when no temporary file could be made (no such folder, a target
    // that is no regular file or is write-protected, a loop of links).
    bool Offen() const { return fd_ >= 0; }
    int Deskriptor() const { return fd_; }
    const std::string& TempPfad() const { return temp_; }
    // ok: the content is complete. It is then put on disk and renamed over
    // the target; true when that worked. Otherwise the temporary file goes.
    bool Abschliessen(bool ok);

private:
    std::string temp_;
    std::string ziel_;
    int fd_ = -1;
    bool fertig_ = false;
    bool signalGesetzt_ = false;
    struct sigaction signalVorher_ {};   // the SIGXFSZ action to restore
};

// Fills the file buffers from the objects and writes ObjektdatenPfad. False
// (after a message) when the file could not be written.
bool ObjektdatenSchreiben();
// The save dialog of the object data; on acceptance ObjektdatenSchreiben.
void ObjektdatenSpeichernDialog();
// Reads, checks and applies the object-data file `pfad` (the steps between
// the open dialog and the undo state). False when nothing was applied.
bool ObjektdatenLaden(const std::string& pfad);

// Copies the current colours into the buffers and writes FarbsetPfad.
bool FarbsetSchreiben();
void FarbsetSpeichernDialog();
// Reads, checks and applies the colour-set file `pfad`. False when nothing
// was applied.
bool FarbsetLaden(const std::string& pfad);
