// The adventure's files, sounds, objects and editors against the real
// stand-in service.
#include "account.h"
#include "adventure.h"
#include "demo_adventure_test.h"
#include "error.h"
#include "files.h"
#include "loaders.h"
#include "local_service.h"
#include "media.h"
#include "objects.h"
#include "permissions.h"
#include "request_layer.h"
#include "scripted_server.h"
#include "session.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vorn {
namespace {

using Names = std::vector<std::string>;

bool contains(const Names& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

using MediaRoad = test::DemoAdventureTest;

TEST(Media, SoundNamesKeepTheirKindOrBecomeMp3) {
    const struct {
        const char* name;
        const char* file;
        bool library;
    } cases[] = {
        {"sino.mp3", "sino.mp3", false},
        {"sino", "sino.mp3", false},
        {"SOM.OGG", "SOM.OGG", false},
        {"ogg", "ogg.mp3", false},
        {"$", ".mp3", true},
        {"x.wav.txt", "x.wav.txt.mp3", false},
    };
    for (const auto& c : cases) {
        const SoundName sound = soundFileName(c.name);
        EXPECT_EQ(sound.file, c.file) << c.name;
        EXPECT_EQ(sound.library, c.library) << c.name;
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

TEST_F(MediaRoad, BothStatesOfAnObjectGoAndComeBackAndNewOnesAreCreatedOnce) {
    storeObjectState(layer, session, " lampiao velho ", {" salao ", " chave.png ", " porta velha "},
                     ObjectStateKind::Start);
    storeObjectState(layer, session, "lampiao velho", {"jogador", "", "aceso"},
                     ObjectStateKind::Current);
    const ObjectDetail detail = LoadObjectDetail(layer, session, "lampiao velho");
    ASSERT_TRUE(detail.ok);
    EXPECT_EQ(detail.first.place + "|" + detail.first.picture + "|" + detail.first.description,
              "salao|chave.png|_porta_velha_");
    EXPECT_EQ(detail.second.place + "|" + detail.second.picture + "|" + detail.second.description,
              "jogador||aceso");

    EXPECT_EQ(createObject(layer, session, " porta nova "), "Ok");
    EXPECT_TRUE(contains(LoadObjectList(layer, session), "porta nova"));
    EXPECT_NE(createObject(layer, session, "porta nova"), "Ok");
}

TEST(Permissions, RepliesSplitAtTheSeparator) {
    const struct {
        const char* reply;
        bool ok;
        Names users, editors;
    } cases[] = {
        {"Ok\r\nana\r\n-+-\r\n\r\nbia", true, {"ana"}, {"bia"}},
        {"Ok\r\nana\r\nbia", true, {"ana", "bia"}, {}},
        {"Ok\r\n-+-\r\nana\r\n", true, {}, {"ana"}},
        {"Recusado!!!\r\nana\r\n-+-\r\nbia", false, {}, {}},
        {"", false, {}, {}},
    };
    for (const auto& c : cases) {
        const EditorLists lists = readEditorLists(c.reply);
        EXPECT_EQ(lists.ok, c.ok) << c.reply;
        EXPECT_EQ(lists.users, c.users) << c.reply;
        EXPECT_EQ(lists.editors, c.editors) << c.reply;
    }
}

TEST_F(MediaRoad, EditorsGoAndComeBackOnlyAfterASuccessfulLoad) {
    const EditorLists before = LoadEditorLists(layer, session);
    ASSERT_TRUE(before.ok) << before.status;
    EXPECT_TRUE(contains(before.users, "bia"));
    EXPECT_EQ(before.editors, Names{"ana"});
    storeEditors(layer, session, before, {"ana", "bia"});
    EXPECT_EQ(LoadEditorLists(layer, session).editors, (Names{"ana", "bia"}));

    // A load that failed, or one of another adventure, sends nothing: the
    // editors stay.
    EditorLists failed = before;
    failed.ok = false;
    Session other = session;
    other.SesPfx = "vale";
    EXPECT_EQ(storeEditors(layer, session, failed, {}), kEditorsNotLoaded);
    EXPECT_EQ(storeEditors(layer, other, before, {}), kEditorsNotLoaded);
    EXPECT_EQ(LoadEditorLists(layer, session).editors, (Names{"ana", "bia"}));
}

} // namespace
} // namespace vorn
