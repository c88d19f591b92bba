// The data files of an export folder (objects, page, authorised users,
// parameters) as an author may have edited them, or as anything at all.
#include <export_data.h>
#include <export_folder.h>

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool sameState(const vorn::ObjectState& a, const vorn::ObjectState& b) {
    return a.place == b.place && a.picture == b.picture && a.description == b.description;
}

bool samePage(const vorn::PageData& a, const vorn::PageData& b) {
    return a.Lb1 == b.Lb1 && a.Lb3 == b.Lb3 && a.Lb4 == b.Lb4 && a.Ed5 == b.Ed5 && a.Ed6 == b.Ed6 &&
           a.Ed7 == b.Ed7 && a.Lb5 == b.Lb5 && a.Lb6 == b.Lb6 && a.Desc == b.Desc;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    using namespace vorn::adventure;

    // What was read comes back the same once written: a restore reads what
    // an export wrote, and an export may be exported again.
    const auto objects = readObjects(bytes);
    const auto objectsAgain = readObjects(objectsText(objects));
    if (objectsAgain.size() != objects.size()) std::abort();
    for (std::size_t i = 0; i < objects.size(); ++i)
        if (objects[i].name.empty() || objectsAgain[i].name != objects[i].name ||
            !sameState(objectsAgain[i].start, objects[i].start) ||
            !sameState(objectsAgain[i].current, objects[i].current))
            std::abort();

    const auto page = readPage(bytes);
    if (!samePage(readPage(pageText(page)), page)) std::abort();

    for (const auto& name : readEditors(bytes))
        if (name.empty() || name.front() == ' ' || name.back() == ' ') std::abort();
    (void)readParameters(bytes);
    return 0;
}
