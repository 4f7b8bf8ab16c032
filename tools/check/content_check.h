// Checks a content directory against the record layouts the reader reads:
// every index list's fields, record counts, the texts its records point at
// inside their data files, the records they point at in other lists, the
// capacities of the screens' tables, and the pictures, sounds and fonts the
// screens open. Each fault names its file, record and field.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "store/content_dir.h"

namespace ovta::tools {

struct CheckFault {
    std::string file;         // content name ("data\\1kenor01")
    std::int64_t record = -1; // 0-based; -1 for the file as a whole
    int field = 0;            // 1-based; 0 for the record as a whole
    std::string message;
};

// Whether a picture file can be decoded; `why` says what went wrong. The
// checker's model has no image decoder of its own, so the program hands one in.
using PictureProbe = std::function<bool(const std::filesystem::path&, std::string& why)>;

// Every fault of the content, in a fixed order.
std::vector<CheckFault> checkContent(const ContentDir& dir, const PictureProbe& picture);

// "data\1kenor01, record 3, field 2: ..." (record and field counted from 1).
std::string faultLine(const CheckFault& fault);

// The faults as a JSON document: {"clean": bool, "faults": [{"file", "record",
// "field", "message"}]}, records and fields counted from 1 (0: none).
std::string faultsJson(const std::vector<CheckFault>& faults);

} // namespace ovta::tools
