// Which content files the reader's screens read, where their names are
// chosen inside a screen rather than kept in a model table: the topic files
// some topic lists switch to, and the files of the list screens.
#pragma once

#include "books/book_tables.h"
#include "lists/list_files.h"

namespace ovta::tools {

// The topic files each topic list shows: its own pair (nullptr), and the
// pairs it takes for some groups or sets.
struct TopicSource {
    const char* kind;
    const char* topics;
    const char* titles;
};

inline constexpr TopicSource kTopicSources[] = {
    {"frm02", nullptr, nullptr},
    {"frm02", "data\\1kenor022", "data\\kenor023"},
    {"frm12", nullptr, nullptr},
    {"frm12", "data\\1kenor14", "data\\kenor13"},
    {"frm12", "data\\1kenor16", "data\\kenor15"},
    {"frm45", nullptr, nullptr},
    {"frm82", nullptr, nullptr},
};

// The readers with files of their own; the others read their opener's.
inline constexpr const char* kOwnFileReaders[] = {"frm13", "frm65", "frm83"};

// The two-pane reader with categories, the block list and the entry list.
inline constexpr const char* kCategoryIndex = kFrm34Files.index;
inline constexpr const char* kCategoryTitles = kFrm34Files.titles;
inline constexpr const char* kCategoryTexts = kFrm34Files.texts;
inline constexpr const char* kBlockIndex = kFrm33Files.index;
inline constexpr const char* kBlockTitles = kFrm33Files.titles;
inline constexpr const char* kBlockTexts = kFrm33Files.texts;
inline constexpr const char* kEntryIndex = kFrm47Files.index;
inline constexpr const char* kEntryTitles = kFrm47Files.titles;
inline constexpr const char* kEntryTexts = kFrm47Files.texts;

// The topic index: level-1 headings (a line list) with their spans of
// level-2 entries, the level-2 headings (a line list) with their spans of
// articles, and the articles' records and titles.
inline constexpr const char* kIndexHeadings1 = "data\\kenor07";
inline constexpr const char* kIndexRanges1 = "data\\1kenor06";
inline constexpr const char* kIndexPointers1 = "data\\1kenor05";
inline constexpr const char* kIndexHeadings2 = "data\\kenor08";
inline constexpr const char* kIndexRanges2 = "data\\1kenor04";
inline constexpr const char* kIndexPointers2 = "data\\1kenor03";
inline constexpr const char* kIndexArticles = "data\\1kenor016";
inline constexpr const char* kIndexTitles = "data\\kenor017";
inline constexpr int kIndexArticleRecord = 32;

// Pictures, sounds and fonts the screens open by fixed names.
inline constexpr const char* kFixedPictures[] = {"data1\\kenorb1.bmp", "data1\\kenorb2.bmp"};
inline constexpr const char* kFixedMedia[] = {"data1\\kenor.avi", "data1\\kenor.wav",
                                              "data1\\kenor01.wav"};
inline constexpr const char* kFontFiles[] = {"glyf01.ttf", "glyf01b.ttf"};

} // namespace ovta::tools
