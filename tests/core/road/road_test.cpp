#include "account.h"
#include "adventure.h"
#include "demo_adventure_test.h"
#include "disk_faults.h"
#include "error.h"
#include "files.h"
#include "loaders.h"
#include "media.h"
#include "objects.h"
#include "permissions.h"
#include "qr_code.h"
#include "request_layer.h"
#include "scripts.h"
#include "session.h"
#include "text.h"

#include <gtest/gtest.h>
#include <qrencode.h>

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <utility>

namespace vorn {
namespace {

using test::TempDir;

using Names = std::vector<std::string>;

bool contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

using Road = test::DemoAdventureTest;

// The fixture's login and opening fill the session; refusals leave it alone.
TEST_F(Road, LoginAndOpeningFillTheSessionAndRefusalsLeaveItAlone) {
    EXPECT_EQ(session.SesLogin + "|" + session.SesSenha, "demo|demo");
    EXPECT_FALSE(session.SesIdx.empty() || session.SesCod.empty());
    EXPECT_TRUE(contains(LoadAdventureList(layer, session, "").names, "Castelo de Vorn"));
    const auto opened = OpenAdventure(layer, session, "Castelo de Vorn");
    ASSERT_TRUE(opened.ok);
    EXPECT_EQ(session.SesPfx, "vorn");
    EXPECT_EQ(session.DirAdv, home.path() + "vorn/");
    EXPECT_TRUE(dirExists(session.DirAdv));
    EXPECT_FALSE(session.SesScp.empty());
    EXPECT_EQ(session.SesScp, opened.data.firstScript);

    const Session before = session;
    const auto refused = logIn(layer, session, "demo", "errada");
    EXPECT_FALSE(refused.ok || refused.status.empty());
    EXPECT_FALSE(OpenAdventure(layer, session, "Aventura que nao existe").ok);
    for (auto field : {&Session::SesLogin, &Session::SesSenha, &Session::SesPfx, &Session::SesScp})
        EXPECT_EQ(session.*field, before.*field);
}

TEST_F(Road, ASaveFindsACoEditorsChangeAndNothingElse) {
    session.SesScp = "disputa";
    ASSERT_EQ(newScript(layer, session, "disputa"), "Ok");
    const Lines opened = {"//=== Script: disputa", "  fim"};
    const Lines mine = {"//=== Script: disputa", "  msg= meu", "  fim"};
    const Lines theirs = {"//=== Script: disputa", "  msg= seu", "  fim"};
    // What the server holds meanwhile (nothing: deleted), and whether it clashes.
    const std::tuple<const char*, Lines, bool> rows[] = {
        {"nobody else", opened, false},
        {"trailing blank lines only", {"//=== Script: disputa", "  fim", "", " "}, false},
        {"someone else", theirs, true},
        {"the same change as mine", mine, false},
        {"deleted meanwhile", {}, false},
    };
    for (const auto& [what, onServer, clash] : rows) {
        if (onServer.empty())
            ASSERT_EQ(deleteScript(layer, session, "disputa"), "Ok");
        else
            putScript(layer, session, "disputa", onServer);
        const ServerText server = checkServerText(layer, session, opened, mine);
        EXPECT_EQ(server.changedMeanwhile, clash) << what;
        if (clash) {
            EXPECT_EQ(server.lines, theirs) << what;
        }
    }
    // A server that cannot be reached stops the save before it is tried.
    session.UrlScp = "http://127.0.0.1:9/";
    EXPECT_THROW(checkServerText(layer, session, opened, mine), Error);
}

TEST_F(Road, ParametersAndRegisterTotalAreStored) {
    const auto d = OpenAdventure(layer, session, "Castelo de Vorn").data;
    AdventureParameters p{"Castelo de Vorn", d.firstScript, "Georgia Bold", "102030", d.Edit9,
                          d.Edit10,          d.JanWd,       d.JanHt,        d.TelWd,  d.TelHt,
                          d.TelPx,           d.TelPy,       d.MsgWd,        d.MsgHt,  d.MsgPx,
                          d.MsgPy,           "P",           d.ImgPan};
    EXPECT_EQ(saveParameters(layer, session, p), "Ok");
    saveRegisterTotal(layer, session, "250");
    const auto again = OpenAdventure(layer, session, "Castelo de Vorn");
    EXPECT_EQ(again.data.Edit7, "Georgia_Bold"); // the font travels with "_" for blanks
    EXPECT_EQ(again.data.colour, "102030");
    EXPECT_EQ(again.data.TipAvn, "P");
    EXPECT_EQ(again.data.TotReg, "250");
    EXPECT_EQ(HtmlColorToColor(session.AdvColor), 0x302010u);
}

TEST(Adventure, NewAdventuresAreCheckedLocally) {
    const char* const shortOrLong = "Entre 3 e 6 caracteres para o prefixo!!!";
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"", "abc", "Defina uma nome para a aventura!!!"},
        {"x", "", "Defina uma prefixo para a aventura!!!"},
        {"x", "ab", shortOrLong},
        {"x", "abcdefg", shortOrLong},
        {"x", "abc", ""},
        {"x", "abcdef", ""},
    };
    for (const auto& [name, prefix, message] : cases)
        EXPECT_EQ(checkNewAdventure(name, prefix), message) << prefix;
}

TEST(Loaders, FileNamesLoseTheServerPrefixAndPlayerLinesFillSevenColumns) {
    const Lines lines = {"12-capa.png",  "13-som.mp3",   "fundo.jpg",    "vorn-FOTO.PNG",
                         "vorn-a-b.gif", "x-musica.ogg", "vorn-mapa.bmp"};
    EXPECT_EQ(filesOfKind(lines, FileKind::Image), (Lines{"capa.png", "fundo.jpg", "a-b.gif"}));
    EXPECT_EQ(filesOfKind(lines, FileKind::Sound), (Lines{"som.mp3", "musica.ogg"}));
    EXPECT_EQ(splitPlayerLine("a|b|c|d|e|f|g|h"), (PlayerRow{"a", "b", "c", "d", "e", "f", "g|h"}));
    EXPECT_EQ(splitPlayerLine("a|b"), (PlayerRow{"a", "", "", "", "", "", "b"}));
    EXPECT_EQ(splitPlayerLine(""), (PlayerRow{}));
}

TEST(Scripts, TrailingBlankLinesGoButTheFirstLineStays) {
    const std::pair<Lines, Lines> cases[] = {
        {{"a", "", "  ", ""}, {"a"}},          {{"", "", ""}, {""}},           {{"  "}, {"  "}},
        {{"a", "", "b", " "}, {"a", "", "b"}}, {{"a", "\t", " \x0b "}, {"a"}},
    };
    for (const auto& [typed, kept] : cases)
        EXPECT_EQ(trimTrailingBlankLines(typed), kept) << typed.size();
    EXPECT_EQ(newScriptTemplate("abc").front(), "//=== Script: abc ==============================");
}

// The first line that holds the keyword, trimmed of blanks, tabs and other
// control characters, so that the name of a screen picture never carries
// them; a comment that mentions the keyword counts too (the search is
// textual).
TEST(Scripts, FindInstructionParamsTakesTheFirstLineThatHoldsTheKeyword) {
    const std::pair<Lines, std::string> cases[] = {
        {{"// telpos= comentario.png", "  telpos= sala.png"}, "telpos= comentario.png"},
        {{"x", "  telpos= sala.png"}, "sala.png"},
        {{"  telpos=   "}, "telpos="},
        {{"  msg= x"}, ""},
        {{"  telpos= " + std::string(150, 'a')}, std::string(100, 'a')},
        {{"\ttelpos= fundo.jpg\t"}, "fundo.jpg"},
        {{"  telpos= fundo.jpg \t "}, "fundo.jpg"},
        {{"\t telpos=\x0b"}, "telpos="},
        {{"telpos=\tfundo.jpg"}, "telpos=\tfundo.jpg"}, // only a blank separates
    };
    for (const auto& [lines, params] : cases)
        EXPECT_EQ(FindInstructionParams(lines, "telpos="), params) << lines.front();
}

TEST(Scripts, LocalCopiesNeverReplaceEachOtherNorLeaveTheFolder) {
    TempDir dir;
    EXPECT_EQ(keepLocalCopy(dir.path(), "S", {"1"}), dir.path() + "S.scp");
    EXPECT_EQ(keepLocalCopy(dir.path(), "S", {"2"}), dir.path() + "S(1).scp");
    EXPECT_EQ(keepLocalCopy(dir.path(), "S", {"3"}), dir.path() + "S(2).scp");
    EXPECT_EQ(readFile(dir.path() + "S.scp"), "1\r\n");
    EXPECT_EQ(readFile(dir.path() + "S(2).scp"), "3\r\n");
    EXPECT_EQ(keepLocalCopy(dir.path(), "cora\xe7\xe3o", {"x"}), dir.path() + "coração.scp");
    for (const char* name : {"../fora", "a/b", ".."})
        EXPECT_THROW(keepLocalCopy(dir.path(), name, {"x"}), Error);
    EXPECT_EQ(test::folderFiles(dir.path()).size(), 4u);
}

TEST(Preview, TheQrPictureEncodesItsAddress) {
    const std::string address = "http://p/html/quorbel/exescp.php?Chx=61627C31317C787C";
    const QImage image = qrCodeImage(address, 160);
    ASSERT_EQ(image.size(), QSize(160, 160));
    // Compare with libqrencode's own modules at the centre of each one.
    QRcode* code = QRcode_encodeString8bit(address.c_str(), 0, QR_ECLEVEL_M);
    ASSERT_NE(code, nullptr);
    const int modules = code->width + 8;
    int mismatches = 0;
    for (int my = 0; my < code->width; ++my)
        for (int mx = 0; mx < code->width; ++mx) {
            const int px = ((mx + 4) * 160 + 80) / modules, py = ((my + 4) * 160 + 80) / modules;
            const bool dark = qRed(image.pixel(px, py)) < 128;
            mismatches += dark != bool(code->data[my * code->width + mx] & 1);
        }
    QRcode_free(code);
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255)); // quiet zone
}

TEST(HtmlColor, ReadsRrggbbIntoTheToolkitOrder) {
    // Characters 5-6, 3-4 and 1-2 are read whatever the length: what is
    // missing counts as nothing, what follows the sixth is not looked at.
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"FF8000", 0x0080FFu}, {"0000FF", 0xFF0000u},  {"", 0xCECECEu},
        {"zzzzzz", 0xCECECEu}, {"FF8000 ", 0x0080FFu}, {"FF8000AA", 0x0080FFu},
        {"FF80", 0x0080FFu},   {"12345", 0x053412u},   {"80", 0x000080u},
        {"F", 0x00000Fu},      {"#FF8000", 0xCECECEu}, {"FF80zz", 0xCECECEu},
        {"ff8000", 0x0080FFu}, {"FF 000", 0xCECECEu},
    };
    for (const auto& [text, colour] : cases)
        EXPECT_EQ(HtmlColorToColor(text), colour) << text;
}

using MediaRoad = test::DemoAdventureTest;

TEST(Media, SoundNamesKeepTheirKindOrBecomeMp3) {
    const std::pair<const char*, const char*> cases[] = {
        {"sino.mp3", "sino.mp3"}, {"sino", "sino.mp3"}, {"SOM.OGG", "SOM.OGG"},
        {"ogg", "ogg.mp3"},       {"$", ".mp3"},        {"x.wav.txt", "x.wav.txt.mp3"},
    };
    for (const auto& [name, file] : cases) {
        EXPECT_EQ(soundFileName(name).file, file) << name;
        EXPECT_EQ(soundFileName(name).library, name[0] == '$') << name;
    }
}

TEST_F(MediaRoad, LibrarySoundsAreFetchedOnceAndLocalOnesPlayUnderTheirOwnName) {
    const std::string gota = fetchSoundToPlay(layer, session, "$gota.wav");
    ASSERT_EQ(gota, session.DirAdv + "gota.wav");
    EXPECT_EQ(readFile(gota).substr(0, 4), "RIFF");
    EXPECT_EQ(fetchSoundToPlay(layer, session, "$vento"), session.DirAdv + "vento.mp3");
    // Once in the folder the copy is played as it is.
    writeFileAtomic(gota, "copia local");
    EXPECT_EQ(fetchSoundToPlay(layer, session, "$gota.wav"), gota);
    EXPECT_EQ(readFile(gota), "copia local");

    writeFileAtomic(session.DirAdv + "som.ogg", "OggS");
    EXPECT_EQ(fetchSoundToPlay(layer, session, "som.ogg"), session.DirAdv + "som.ogg");
    for (const char* missing : {"nao-existe.mp3", "$nao-existe", ""})
        EXPECT_EQ(fetchSoundToPlay(layer, session, missing), "") << missing;
    for (const char* unsafe : {"$../fora.mp3", "$a/b.wav", "..", "$..\\x.mp3"})
        EXPECT_THROW(fetchSoundToPlay(layer, session, unsafe), Error) << unsafe;
    EXPECT_FALSE(fileExists(home.path() + "fora.mp3"));
}

TEST(Objects, AStateNeedsAnObjectAndAPlace) {
    EXPECT_EQ(checkObjectState(false, "patio"), "Selecione objeto!");
    EXPECT_EQ(checkObjectState(true, ""), "Falta nome do local!");
    EXPECT_EQ(checkObjectState(true, "   "), "Falta nome do local!");
    EXPECT_EQ(checkObjectState(true, " patio "), "");
}

TEST(Permissions, RepliesSplitAtTheSeparator) {
    const std::tuple<const char*, bool, Names, Names> cases[] = {
        {"Ok\r\nana\r\n-+-\r\n\r\nbia", true, {"ana"}, {"bia"}},
        {"Ok\r\nana\r\nbia", true, {"ana", "bia"}, {}},
        {"Ok\r\n-+-\r\nana\r\n", true, {}, {"ana"}},
        {"Recusado!!!\r\nana\r\n-+-\r\nbia", false, {}, {}},
        {"", false, {}, {}},
    };
    for (const auto& [reply, ok, users, editors] : cases) {
        const EditorLists lists = readEditorLists(reply);
        EXPECT_EQ(std::tie(lists.ok, lists.users, lists.editors), std::tie(ok, users, editors))
            << reply;
    }
}

// A load that failed, or one of another adventure, sends nothing: the
// editors stay.
TEST_F(MediaRoad, EditorsAreStoredOnlyAfterASuccessfulLoadOfTheSameAdventure) {
    const EditorLists before = LoadEditorLists(layer, session);
    ASSERT_TRUE(before.ok && !before.editors.empty()) << before.status;
    EditorLists failed = before;
    failed.ok = false;
    Session other = session;
    other.SesPfx = "vale";
    EXPECT_EQ(storeEditors(layer, session, failed, {}), kEditorsNotLoaded);
    EXPECT_EQ(storeEditors(layer, other, before, {}), kEditorsNotLoaded);
    EXPECT_EQ(LoadEditorLists(layer, session).editors, before.editors);
}

} // namespace
} // namespace vorn
