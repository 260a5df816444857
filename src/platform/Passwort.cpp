#include "platform/Passwort.h"

#include <sys/random.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr std::uint32_t K[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr std::uint32_t Rot(std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

struct Sha256Lauf {
    std::array<std::uint32_t, 8> h{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                   0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::uint8_t block[64]{};
    std::size_t imBlock = 0;
    std::uint64_t gesamt = 0;

    void Verdichten(const std::uint8_t* b) {
        std::uint32_t w[64];
        for (int i = 0; i < 16; ++i)
            w[i] = std::uint32_t(b[4 * i]) << 24 | std::uint32_t(b[4 * i + 1]) << 16 |
                   std::uint32_t(b[4 * i + 2]) << 8 | b[4 * i + 3];
        for (int i = 16; i < 64; ++i) {
            const std::uint32_t s0 = Rot(w[i - 15], 7) ^ Rot(w[i - 15], 18) ^ (w[i - 15] >> 3);
            const std::uint32_t s1 = Rot(w[i - 2], 17) ^ Rot(w[i - 2], 19) ^ (w[i - 2] >> 10);
            w[i] = w[i - 16] + s0 + w[i - 7] + s1;
        }
        std::uint32_t a = h[0], bb = h[1], c = h[2], d = h[3], e = h[4], f = h[5], g = h[6], hh = h[7];
        for (int i = 0; i < 64; ++i) {
            const std::uint32_t t1 = hh + (Rot(e, 6) ^ Rot(e, 11) ^ Rot(e, 25)) + ((e & f) ^ (~e & g)) + K[i] + w[i];
            const std::uint32_t t2 = (Rot(a, 2) ^ Rot(a, 13) ^ Rot(a, 22)) + ((a & bb) ^ (a & c) ^ (bb & c));
            hh = g; g = f; f = e; e = d + t1; d = c; c = bb; bb = a; a = t1 + t2;
        }
        h[0] += a; h[1] += bb; h[2] += c; h[3] += d; h[4] += e; h[5] += f; h[6] += g; h[7] += hh;
    }
    void Dazu(const std::uint8_t* p, std::size_t n) {
        gesamt += n;
        while (n > 0) {
            const std::size_t k = std::min(n, 64 - imBlock);
            std::memcpy(block + imBlock, p, k);
            imBlock += k; p += k; n -= k;
            if (imBlock == 64) { Verdichten(block); imBlock = 0; }
        }
    }
    Sha256Wert Ende() {
        const std::uint64_t bits = gesamt * 8;
        const std::uint8_t eins = 0x80, null = 0;
        Dazu(&eins, 1);
        while (imBlock != 56) Dazu(&null, 1);
        std::uint8_t laenge[8];
        for (int i = 0; i < 8; ++i) laenge[i] = std::uint8_t(bits >> (56 - 8 * i));
        Dazu(laenge, 8);
        Sha256Wert r;
        for (int i = 0; i < 8; ++i)
            for (int j = 0; j < 4; ++j) r[4 * i + j] = std::uint8_t(h[i] >> (24 - 8 * j));
        return r;
    }
};

// HMAC with the key's inner and outer states computed once, so each PBKDF2
// round costs two hashes of one block each.
struct Hmac {
    Sha256Lauf innen, aussen;
    explicit Hmac(std::string_view schluessel) {
        std::uint8_t k[64]{};
        if (schluessel.size() > 64) {
            const Sha256Wert kurz = Sha256(reinterpret_cast<const std::uint8_t*>(schluessel.data()), schluessel.size());
            std::memcpy(k, kurz.data(), kurz.size());
        } else {
            std::memcpy(k, schluessel.data(), schluessel.size());
        }
        std::uint8_t ipad[64], opad[64];
        for (int i = 0; i < 64; ++i) { ipad[i] = k[i] ^ 0x36; opad[i] = k[i] ^ 0x5c; }
        innen.Dazu(ipad, 64);
        aussen.Dazu(opad, 64);
    }
    Sha256Wert Rechnen(const std::uint8_t* d, std::size_t n, const std::uint8_t* d2 = nullptr, std::size_t n2 = 0) const {
        Sha256Lauf i = innen;
        i.Dazu(d, n);
        if (d2) i.Dazu(d2, n2);
        const Sha256Wert mitte = i.Ende();
        Sha256Lauf a = aussen;
        a.Dazu(mitte.data(), mitte.size());
        return a.Ende();
    }
};

}  // namespace

Sha256Wert Sha256(const std::uint8_t* daten, std::size_t n) {
    Sha256Lauf l;
    l.Dazu(daten, n);
    return l.Ende();
}

Sha256Wert HmacSha256(std::string_view schluessel, const std::uint8_t* daten, std::size_t n) {
    return Hmac(schluessel).Rechnen(daten, n);
}

std::vector<std::uint8_t> Pbkdf2Sha256(std::string_view passwort, const std::uint8_t* salz, std::size_t salzLaenge,
                                       std::uint32_t iterationen, std::size_t laenge) {
    const Hmac prf(passwort);
    std::vector<std::uint8_t> ergebnis;
    for (std::uint32_t block = 1; ergebnis.size() < laenge; ++block) {
        const std::uint8_t nr[4] = {std::uint8_t(block >> 24), std::uint8_t(block >> 16), std::uint8_t(block >> 8),
                                    std::uint8_t(block)};
        Sha256Wert u = prf.Rechnen(salz, salzLaenge, nr, 4);
        Sha256Wert t = u;
        for (std::uint32_t i = 1; i < iterationen; ++i) {
            u = prf.Rechnen(u.data(), u.size());
            for (std::size_t j = 0; j < t.size(); ++j) t[j] ^= u[j];
        }
        const std::size_t k = std::min(t.size(), laenge - ergebnis.size());
        ergebnis.insert(ergebnis.end(), t.begin(), t.begin() + std::ptrdiff_t(k));
    }
    return ergebnis;
}

bool GleichInKonstanterZeit(const std::uint8_t* a, const std::uint8_t* b, std::size_t n) {
    volatile std::uint8_t unterschied = 0;
    for (std::size_t i = 0; i < n; ++i) unterschied = unterschied | std::uint8_t(a[i] ^ b[i]);
    return unterschied == 0;
}

bool ZufallsBytes(std::uint8_t* ziel, std::size_t n) {
    while (n > 0) {
        const ssize_t r = ::getrandom(ziel, n, 0);
        if (r < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        ziel += r;
        n -= std::size_t(r);
    }
    return true;
}
