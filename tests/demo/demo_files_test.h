// A fixture holding one part of the demo content, written once for the
// suite into a scratch directory: the tests read it back through the
// models the screens use.
#pragma once

#include <gtest/gtest.h>
#include <vector>

#include "demo/content_writer.h"
#include "store/content_dir.h"
#include "store/data_file.h"
#include "store/index_list.h"
#include "support/fixture_dir.h"

namespace ovta::demo {

template <std::vector<DemoFile> (*Files)()>
class DemoFilesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new ovta::test::FixtureDir;
        for (const auto& f : Files())
            writeContentFile(dir_->path(), f);
    }
    static void TearDownTestSuite()
    {
        delete dir_;
        dir_ = nullptr;
    }

    static ContentDir dir() { return ContentDir(dir_->path()); }
    static IndexList list(const char* name) { return IndexList::load(dir(), name); }
    static DataFile data(const char* name) { return DataFile::open(dir(), name); }

    static inline ovta::test::FixtureDir* dir_ = nullptr;
};

}  // namespace ovta::demo
