// The content files of the list screens that read one fixed set: an index
// list, the data file of its titles and that of its texts.
#pragma once

namespace ovta {

struct ListFiles {
    const char* index;
    const char* titles;
    const char* texts;
};

inline constexpr ListFiles kFrm33Files{"data\\1kenor316", "data\\kenor317", "data\\kenor318"};
inline constexpr ListFiles kFrm34Files{"data\\1kenor319", "data\\kenor320", "data\\kenor321"};
inline constexpr ListFiles kFrm47Files{"data\\1kenor41", "data\\kenor42", "data\\kenor43"};

} // namespace ovta
