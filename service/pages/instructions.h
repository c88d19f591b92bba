#pragma once

#include <string>
#include <string_view>

namespace pequenia {

struct Reply;

// The instruction reference page of a name (a keyword, a shared page name,
// "0" + an element kind, or "naoeh"); an unknown name gets the "naoeh" text
// with status 404.
Reply referencePage(std::string_view name);

// The index of the reference, grouped as the editor's panel groups it.
Reply referenceIndex();

// The index of the service's official pages for authors.
Reply officialIndex();

} // namespace pequenia
