#pragma once
// Password hashing without any outside library: SHA-256 (FIPS 180-4),
// HMAC-SHA256 (RFC 2104) and PBKDF2 with HMAC-SHA256 (RFC 8018), a
// comparison whose time does not depend on where two values differ, and
// random bytes from the kernel.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

using Sha256Wert = std::array<std::uint8_t, 32>;

Sha256Wert Sha256(const std::uint8_t* daten, std::size_t n);
Sha256Wert HmacSha256(std::string_view schluessel, const std::uint8_t* daten, std::size_t n);
// Derives laenge bytes from the password and the salt.
std::vector<std::uint8_t> Pbkdf2Sha256(std::string_view passwort, const std::uint8_t* salz, std::size_t salzLaenge,
                                       std::uint32_t iterationen, std::size_t laenge);
bool GleichInKonstanterZeit(const std::uint8_t* a, const std::uint8_t* b, std::size_t n);
// false when the kernel gives no random bytes.
bool ZufallsBytes(std::uint8_t* ziel, std::size_t n);
