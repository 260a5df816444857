#pragma once
// The coordinates lock: which object kinds show no coordinates, guarded by a
// password. The file "OVP.SIC" in the user's settings folder holds one
// 102-byte record: the locked kinds, a random salt and a slow salted hash of
// the password (PBKDF2-HMAC-SHA256), never the password itself.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Komponenten.h"

inline constexpr std::size_t SperrSatzLaenge = 102;
inline constexpr const char* SperrDateiName = "OVP.SIC";
// Rounds of the hash; a record with any other count is damaged.
inline std::uint32_t SperrIterationen = 200000;

// The eight kinds in the order of the check boxes: lines, planes,
// parallelepipeds, vectors, segments, points, spheres, cones.
using TSperrArten = std::array<bool, 8>;

struct TSperrSatz {
    TSperrArten gesperrt{};
    std::uint32_t iterationen = 0;
    std::array<std::uint8_t, 16> salz{};
    std::array<std::uint8_t, 32> hash{};
};

// A new record for the password (fresh salt); nothing when the system gives
// no random bytes.
std::optional<TSperrSatz> SperrSatzNeu(const std::string& passwort, const TSperrArten& gesperrt);
bool PasswortStimmt(const TSperrSatz& s, const std::string& passwort);
std::array<std::uint8_t, SperrSatzLaenge> SperrSatzBytes(const TSperrSatz& s);
// Nothing when the bytes are no intact record.
std::optional<TSperrSatz> SperrSatzAusBytes(const std::uint8_t* b, std::size_t n);

// The path of the file ("" when the host names no settings folder).
std::string SperrDateiPfad();

// The switches KoordZeigen* and KoordGesperrt as the file has them, read at
// every activation of the main window. A missing or damaged file keeps the
// lock as it is; while a kind is locked that is said once.
void KoordSperreLesen();
// The current switches as the eight kinds.
TSperrArten SperrArtenAktuell();

// Dialog "Koordinaten sperren-zeigen".
struct TForm_Koordsperre : TFormZustand {
    TForm_Koordsperre();
    std::array<TCheckBox, 8> CheckBox_Arten;
    TLabel Label_Hinweis;
    TEdit Edit_Passwort, Edit_Passwort2;
    TLabel Label_Passwort2;
    TButton But_Ok, But_Abbrechen;

    void FormShow();
    // true: the new choice is stored and applied, the dialog closes.
    bool But_OkClick();
};
inline TForm_Koordsperre Form_Koordsperre;

// Menu "Einstellungen/ Koordinaten sperren-zeigen".
void KoordSperrenZeigenClick();
