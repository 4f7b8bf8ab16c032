// The whole generated demo content of the text and music families, as bytes,
// so that tests can check it without running the generator.
#pragma once

#include <vector>

#include "demo/content_writer.h"

namespace ovta::demo {

// Every file, in a fixed order; the same bytes on every call.
std::vector<DemoFile> buildDemoText();

} // namespace ovta::demo
