// ovta-check run on the demo content and on copies of it with one fault each.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <functional>

#include "support/fixture_dir.h"
#include "tools/tool_run.h"

namespace fs = std::filesystem;

namespace ovta::test {
namespace {

TEST(CheckTool, PassesTheDemoContent)
{
    const ToolRun text = runTool(OVTA_CHECK_BINARY, {OVTA_DEMO_DIR});
    EXPECT_EQ(text.status, 0) << text.out;
    EXPECT_EQ(text.out, "");
    EXPECT_EQ(text.err, "ovta-check: clean\n");

    const ToolRun json = runTool(OVTA_CHECK_BINARY, {"--json", OVTA_DEMO_DIR});
    EXPECT_EQ(json.status, 0);
    const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_TRUE(doc.value("clean").toBool()) << json.out;
    EXPECT_TRUE(doc.value("faults").isArray());
    EXPECT_EQ(doc.value("faults").toArray().size(), 0);
}

TEST(CheckTool, RefusesMisuse)
{
    FixtureDir empty;
    const QStringList cases[] = {{}, {"--bogus", OVTA_DEMO_DIR}, {OVTA_DEMO_DIR, OVTA_DEMO_DIR},
                                 {qpath(empty.path() / "nowhere")}};
    for (const auto& args : cases)
        EXPECT_EQ(runTool(OVTA_CHECK_BINARY, args).status, 2) << args.join(' ').toStdString();
}

// Field `field` (1-based) of record `record` (0-based) of a list replaced.
std::function<void(const fs::path&)> setField(const char* file, int recordSize, int record,
                                              int field, std::string value)
{
    return [=](const fs::path& root) {
        std::string bytes = fileBytes(root / file);
        bytes.replace(static_cast<std::size_t>(recordSize * record + 8 * (field - 1)), 8, value);
        writeBytes(root / file, bytes);
    };
}

std::function<void(const fs::path&)> rewrite(const char* file,
                                             std::function<std::string(std::string)> change)
{
    return [=](const fs::path& root) { writeBytes(root / file, change(fileBytes(root / file))); };
}

struct FaultCase {
    const char* name;
    std::function<void(const fs::path&)> damage;
    // The fault as printed, and the file, record and field --json gives.
    const char* line;
    const char* file;
    int record;
    int field;
};

class CheckToolFaults : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        content_ = new FixtureDir;
        fs::copy(OVTA_DEMO_DIR, content_->path(), fs::copy_options::recursive);
    }
    static void TearDownTestSuite()
    {
        delete content_;
        content_ = nullptr;
    }
    static FixtureDir* content_;
};

FixtureDir* CheckToolFaults::content_ = nullptr;

TEST_F(CheckToolFaults, ReportsEachFaultWithItsFileRecordAndField)
{
    const FaultCase cases[] = {
        {"field not a number", setField("data/1kenor49", 24, 2, 2, "12ab    "),
         "data\\1kenor49, record 3, field 2: \"data\\1kenor49\": field \"12ab    \"",
         "data\\1kenor49", 3, 2},
        {"field with a trailing blank", setField("data/1kenor86", 16, 4, 1, "0000012 "),
         "data\\1kenor86, record 5, field 1:", "data\\1kenor86", 5, 1},
        {"records on two lines",
         rewrite("data/1kenor85", [](std::string b) { return b.insert(160, "\r\n"); }),
         "data\\1kenor85: written on 2 lines", "data\\1kenor85", 0, 0},
        {"part of a record left over",
         rewrite("data/1kenor84", [](std::string b) { return b + "0000"; }),
         "characters after the last whole record of 24", "data\\1kenor84", -1, 0},
        {"title past the end of its data file",
         rewrite("data/kenor490", [](std::string b) { return b.substr(0, 10); }),
         "runs past the end of \"data\\kenor490\" (10 bytes)", "data\\1kenor49", -1, 1},
        {"negative length", setField("data/1kenor86", 16, 0, 2, "      -5"),
         "data\\1kenor86, record 1, field 2: negative length -5", "data\\1kenor86", 1, 2},
        {"topic pointing past the articles", setField("data/1kenor49", 24, 0, 3, "00099999"),
         "data\\1kenor49, record 1, field 3: points at record", "data\\1kenor49", 1, 3},
        {"heading pointing past the group map", setField("data/1kenor117", 32, 0, 4, "00009999"),
         "data\\1kenor117, record 1, field 4: points at record 9999 of \"data\\1kenor111\"",
         "data\\1kenor117", 1, 4},
        {"index entry pointing past the index's articles",
         setField("data/1kenor03", 8, 0, 1, "00099999"),
         "data\\1kenor03, record 1, field 1: points at record 99999 of \"data\\1kenor016\"",
         "data\\1kenor03", 1, 1},
        {"topic list over its capacity",
         rewrite("data/1kenor84",
                 [](std::string b) {
                     const std::string one = b.substr(0, 24);
                     std::string more;
                     for (int i = 0; i < 40; ++i)
                         more += one;
                     return more + b;
                 }),
         "the list of frm82 holds 30", "data\\1kenor84", 0, 0},
        {"entry list short of its entries",
         rewrite("data/1kenor41", [](std::string b) { return b.substr(0, 400) + "\r\n"; }),
         "data\\1kenor41: 10 records: the list reads 893", "data\\1kenor41", 0, 0},
        {"title table too long",
         rewrite("data/kenor002", [](std::string b) { return b + std::string(200, '\n'); }),
         "data\\kenor002", "data\\kenor002", 0, 0},
        {"picture that is no picture",
         rewrite("data1/kenorb1.bmp", [](std::string) { return std::string("BMnot really"); }),
         "data1\\kenorb1.bmp: cannot be decoded as a picture", "data1\\kenorb1.bmp", 0, 0},
        {"page picture that is no picture",
         rewrite("data1/page003.bmp", [](std::string b) { return b.substr(0, 30); }),
         "data1\\page003.bmp: cannot be decoded as a picture", "data1\\page003.bmp", 0, 0},
        {"sound missing", [](const fs::path& root) { fs::remove(root / "data1/kenor.wav"); },
         "data1\\kenor.wav: missing", "data1\\kenor.wav", 0, 0},
        {"video that is no video",
         rewrite("data1/kenor.avi", [](std::string) { return std::string("RIFF0000WAVE"); }),
         "data1\\kenor.avi: not a RIFF AVI  file", "data1\\kenor.avi", 0, 0},
        {"font missing", [](const fs::path& root) { fs::remove(root / "glyf01b.ttf"); },
         "glyf01b.ttf: missing", "glyf01b.ttf", 0, 0},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        FixtureDir copy;
        fs::copy(content_->path(), copy.path(), fs::copy_options::recursive);
        c.damage(copy.path());

        const ToolRun text = runTool(OVTA_CHECK_BINARY, {qpath(copy.path())});
        EXPECT_EQ(text.status, 1);
        EXPECT_NE(text.out.find(c.line), std::string::npos) << text.out.substr(0, 2000);
        EXPECT_NE(text.err.find(" faults"), std::string::npos) << text.err;

        const ToolRun json = runTool(OVTA_CHECK_BINARY, {"--json", qpath(copy.path())});
        EXPECT_EQ(json.status, 1);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.substr(0, 2000);
        EXPECT_FALSE(doc.object().value("clean").toBool());
        bool found = false;
        for (const auto& v : doc.object().value("faults").toArray()) {
            const QJsonObject f = v.toObject();
            found = found || (f.value("file").toString().toStdString() == c.file &&
                              (c.record < 0 || f.value("record").toInt() == c.record) &&
                              f.value("field").toInt() == c.field &&
                              !f.value("message").toString().isEmpty());
        }
        EXPECT_TRUE(found) << json.out.substr(0, 2000);
    }
}

} // namespace
} // namespace ovta::test
