// The map maker's files on a folder that cannot take them: each change is
// refused with a message, and the pair on disk stays the last one saved.
#include "disk_faults.h"
#include "error.h"
#include "files.h"
#include "map_editor.h"
#include "map_file.h"
#include "scripted_server.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace vorn::map {
namespace {

TEST(MapEditorOnADiskFault, EveryChangeFailsWholeAndTheNextOneSavesIt) {
    // Every change saves through the same pair writer: one change per fault.
    const struct {
        const char* what;
        bool readOnly;
        std::function<void(MapEditor&)> change;
    } cases[] = {
        {"place, read-only", true, [](MapEditor& e) { e.place(43, 15); }},
        {"update, full", false,
         [](MapEditor& e) {
             ASSERT_TRUE(e.update(57, {"sala", "", "", "", ""}));
         }},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        MapEditor editor(dir.path());
        editor.place(57, 12);
        const auto before = test::folderFiles(dir.path());
        std::string message;
        {
            std::optional<test::ReadOnlyFolder> locked;
            std::optional<test::FileSizeLimit> full;
            if (c.readOnly)
                locked.emplace(dir.path());
            else
                full.emplace(4096); // the text would fit, the picture does not
            message = test::thrownMessage([&] { c.change(editor); });
        }
        EXPECT_EQ(message.rfind("N\xc3\xa3o foi poss\xc3\xadvel gravar " + dir.path(), 0), 0u)
            << c.what << ": " << message;
        EXPECT_EQ(test::folderFiles(dir.path()), before) << c.what;
        // The change stays in the open map and reaches the files with the
        // next save that can be written.
        editor.place(0, 10);
        EXPECT_EQ(mapFromText(readFile(dir.path() + "mapa.txt")).cells, editor.model().cells)
            << c.what;
    }
}

} // namespace
} // namespace vorn::map
