// The coordinates lock: the hash routines against published values, the
// password file, and the dialog as a teacher uses it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Hauptfenstertest.h"
#include "forms/EbenKoord.h"
#include "forms/Ebenen.h"
#include "forms/Geraden_t.h"
#include "forms/Koordsperre.h"
#include "platform/Passwort.h"

namespace fs = std::filesystem;

namespace {

std::string Hex(const std::uint8_t* d, std::size_t n) {
    static const char* z = "0123456789abcdef";
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += {z[d[i] >> 4], z[d[i] & 15]};
    return s;
}

TEST(Passwort, HashesWieVeroeffentlicht) {
    const std::string abc = "abc";
    const auto h = Sha256(reinterpret_cast<const std::uint8_t*>(abc.data()), 3);
    EXPECT_EQ(Hex(h.data(), 32), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    const std::string salt = "salt";
    auto k = Pbkdf2Sha256("passwd", reinterpret_cast<const std::uint8_t*>(salt.data()), 4, 1, 64);
    EXPECT_EQ(Hex(k.data(), 64),
              "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
              "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783");
    // A key longer than a block is hashed first.
    std::string lang;
    for (int i = 0; i < 6; ++i) lang += "Geheimnis \xC3\xA4";
    const std::string salz = "0123456789abcdef";
    k = Pbkdf2Sha256(lang, reinterpret_cast<const std::uint8_t*>(salz.data()), 16, 1000, 32);
    EXPECT_EQ(Hex(k.data(), 32), "9be3f09656163b76456aa5dce19cac7ec05ab372708dc6b8f7c1283439c4af5e");
}

class Koordsperretest : public Hauptfenstertest {
protected:
    fs::path ordner = fs::temp_directory_path() / ("koordsperre_" + std::to_string(::getpid()));
    fs::path datei = ordner / "OVP.SIC";
    TForm_Koordsperre& D = Form_Koordsperre;
    std::uint32_t runden = SperrIterationen;

    void SetUp() override {
        fs::create_directories(ordner);
        host.Konfiguration = ordner.string();
        SperrIterationen = 1000;
        Hauptfenstertest::SetUp();
    }
    void TearDown() override {
        SperrIterationen = runden;
        Hauptfenstertest::TearDown();
        fs::remove_all(ordner);
    }
    // The menu entry; in the dialog the user ticks, types and presses OK.
    bool Sperren(std::initializer_list<int> arten, const std::string& pw, const std::string& pw2) {
        bool zu = false;
        host.BeiModal = [&](const std::string& name) {
            ASSERT_EQ(name, "Form_Koordsperre");
            for (auto& c : D.CheckBox_Arten) c.Checked = false;
            for (int a : arten) D.CheckBox_Arten[std::size_t(a)].Checked = true;
            D.Edit_Passwort.SetText(pw);
            D.Edit_Passwort2.SetText(pw2);
            zu = D.But_OkClick();
        };
        KoordSperrenZeigenClick();
        return zu;
    }
    std::string Inhalt() const {
        std::ifstream f(datei, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
};

TEST_F(Koordsperretest, FalschesPasswortEntsperrtNichtsUndDieDateiVerraetEsNicht) {
    EXPECT_FALSE(Sperren({0, 1}, "Lehrer1", "Lehrer2"));  // the repeat differs
    EXPECT_FALSE(fs::exists(datei));
    ASSERT_TRUE(Sperren({0, 1}, "Lehrer1", "Lehrer1"));
    EXPECT_FALSE(KoordZeigenGeraden || KoordZeigenEbenen);
    EXPECT_TRUE(KoordGesperrt && KoordZeigenSpate && KoordZeigenKegel);
    const std::string inhalt = Inhalt();
    ASSERT_EQ(inhalt.size(), SperrSatzLaenge);
    EXPECT_EQ(inhalt.find("Lehrer1"), std::string::npos);
    // No byte pattern of the password, not even scrambled by a fixed XOR.
    const std::string pw = "Lehrer1";
    for (std::size_t i = 0; i + pw.size() <= inhalt.size(); ++i) {
        int gleich = 0;
        for (std::size_t j = 1; j < pw.size(); ++j)
            gleich += (inhalt[i + j] ^ inhalt[i]) == (pw[j] ^ pw[0]);
        EXPECT_LT(gleich, int(pw.size()) - 1) << i;
    }
    // Two records of one password differ (fresh salt).
    ASSERT_TRUE(Sperren({0, 1}, "Lehrer1", ""));
    EXPECT_NE(Inhalt(), inhalt);

    for (const char* falsch : {"", "lehrer1", "Lehrer1 ", "Lehrer"}) {
        host.Vergessen();
        EXPECT_FALSE(Sperren({}, falsch, "")) << falsch;
        EXPECT_NE(host.LetzteMeldung().find("Paßwort ist falsch"), std::string::npos);
        EXPECT_FALSE(KoordZeigenGeraden || KoordZeigenEbenen);
    }
    // The dialogs of the locked kinds show no grid.
    Form_Geraden_t.FormActivate();
    Form_Ebenen.FormActivate();
    EXPECT_FALSE(Form_Geraden_t.StringGrid1.Visible || Form_Geraden_t.StringGrid2.Visible ||
                 Form_Geraden_t.StringGrid3.Visible || Form_Ebenen.StringGrid1.Visible ||
                 Form_Ebenen.StringGrid2.Visible);

    ASSERT_TRUE(Sperren({}, "Lehrer1", ""));
    EXPECT_TRUE(KoordZeigenGeraden && KoordZeigenEbenen);
    EXPECT_FALSE(KoordGesperrt);
}

TEST_F(Koordsperretest, OffeneDialogeFolgenSofortUndDasFalschePasswortBehaeltDenFokus) {
    Form_Geraden_t.Visible = Form_EbenKoord.Visible = true;
    Form_Geraden_t.FormActivate();
    Form_EbenKoord.FormActivate();
    ASSERT_TRUE(Form_Geraden_t.StringGrid1.Visible && Form_EbenKoord.Edit_a.Visible);
    ASSERT_TRUE(Sperren({0, 1}, "Lehrer1", "Lehrer1"));
    EXPECT_FALSE(Form_Geraden_t.StringGrid1.Visible || Form_EbenKoord.Edit_a.Visible);
    EXPECT_FALSE(Form_Ebenen.StringGrid1.Visible && Form_Ebenen.Visible);

    D.Edit_Passwort.FokusAnforderungen = 0;
    EXPECT_FALSE(Sperren({}, "falsch", ""));
    EXPECT_EQ(D.Edit_Passwort.Text(), "");
    EXPECT_GT(D.Edit_Passwort.FokusAnforderungen, 0);  // typed on at once
    EXPECT_FALSE(Form_Geraden_t.StringGrid1.Visible);

    ASSERT_TRUE(Sperren({}, "Lehrer1", ""));
    EXPECT_TRUE(Form_Geraden_t.StringGrid1.Visible && Form_EbenKoord.Edit_nz.Visible);
    EXPECT_FALSE(Form_Geraden_t.StringGrid2.Visible);  // only the current line's grid
}

TEST_F(Koordsperretest, BeschaedigteOderFehlendeDateiBehaeltDieSperreUndSagtEs) {
    ASSERT_TRUE(Sperren({2, 6}, "abc", "abc"));
    const std::string gut = Inhalt();
    struct Fall { const char* was; std::string inhalt; const char* meldung; };
    std::string gekippt = gut;
    gekippt[50] ^= 1;
    // Intact but for a round count the program never writes.
    const auto satzMitRunden = [&](std::uint32_t runden) {
        auto satz = SperrSatzAusBytes(reinterpret_cast<const std::uint8_t*>(gut.data()), gut.size());
        satz->iterationen = runden;
        const auto b = SperrSatzBytes(*satz);
        return std::string(b.begin(), b.end());
    };
    const Fall faelle[] = {
        {"gekippt", gekippt, "beschädigt"},
        {"kurz", gut.substr(0, 101), "beschädigt"},
        {"lang", gut + "x", "beschädigt"},
        {"viele Runden", satzMitRunden(20000000), "beschädigt"},
        {"wenige Runden", satzMitRunden(1), "beschädigt"},
        {"fehlt", "", "fehlt"},
    };
    for (const Fall& f : faelle) {
        std::ofstream(datei, std::ios::binary | std::ios::trunc) << gut;
        F.FormActivate();
        host.Vergessen();
        fs::remove(datei);
        if (f.inhalt.size()) std::ofstream(datei, std::ios::binary) << f.inhalt;
        F.FormActivate();
        F.FormActivate();  // said once, not at every activation
        ASSERT_EQ(host.Meldungen.size(), 1u) << f.was;
        EXPECT_NE(host.LetzteMeldung().find(f.meldung), std::string::npos) << f.was;
        EXPECT_FALSE(KoordZeigenSpate || KoordZeigenKugeln) << f.was;
        // The right password cannot unlock through a broken file either.
        EXPECT_FALSE(Sperren({}, "abc", "abc")) << f.was;
        EXPECT_FALSE(KoordZeigenSpate || KoordZeigenKugeln) << f.was;
    }
    // The intact file again: its lock is read at the next activation.
    std::ofstream(datei, std::ios::binary | std::ios::trunc) << gut;
    KoordZeigenSpate = true;
    F.FormActivate();
    EXPECT_FALSE(KoordZeigenSpate);
    EXPECT_TRUE(KoordZeigenGeraden);
}

TEST_F(Koordsperretest, OhneDateiUndOhneSperreSchweigtDasProgramm) {
    F.FormActivate();
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_FALSE(KoordGesperrt);
    EXPECT_FALSE(Sperren({0}, "", ""));
    EXPECT_EQ(host.LetzteMeldung(), "Bitte ein Paßwort eingeben.");
}

}  // namespace
