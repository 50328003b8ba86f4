// The document: "high.scr" read into the header and records, the program directory, the user
// level copy and the help command.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "frame/kavrel_doc.h"

namespace {

namespace fs = std::filesystem;

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("velkaro_doc_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "bin");
        fs::create_directories(dir / "config");
        fs::create_directories(dir / "elsewhere");
        setenv("VELKARO_CONFIG_DIR", (dir / "config").c_str(), 1);
        program = (dir / "bin" / "dravonel").string();
    }
    void TearDown() override {
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(dir);
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / "bin" / name, std::ios::binary) << bytes;
    }
    // Eleven 5-character header fields, then 55 records of a 10-byte name and a 3-digit number.
    static std::string File(const std::string& header, std::string (*name)(int), std::string (*value)(int)) {
        std::string s = header + "\r\n";
        for (int r = 1; r <= 55; ++r) s += name(r) + value(r) + "\r\n";
        return s;
    }
    fs::path dir;
    std::string program;
};

std::string PlainName(int r) {
    char buf[11];
    std::snprintf(buf, sizeof buf, "NAME%02d....", r);
    return std::string(buf, 10);
}
std::string PlainValue(int r) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "%3d", r * 3);
    return buf;
}

TEST_F(DocumentTest, ReadsTheHeaderAndEveryRecord) {
    // Blanks then digits, digits then letters, all blanks, signs, leading zeros.
    const std::string header = "   12" "12ab " "     " "-0042" "+7   " "00100" "99999" "  -3 " "x1234" "5 5 5" "   00";
    Write("high.scr", File(header, PlainName, PlainValue));
    ASSERT_EQ(fs::file_size(dir / "bin" / "high.scr"), 882u);
    frame::CKavrelDoc doc(2, program);
    bool gamePart = false;
    doc.SetNewGamePart([&] { gamePart = true; });
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(gamePart);
    EXPECT_TRUE(doc.RecordsRead());
    const int expected[12] = {0, 12, 12, 0, -42, 7, 100, 99999, -3, 0, 5, 0};
    for (int i = 1; i <= 11; ++i) EXPECT_EQ(doc.Records.ResultHeader[i], expected[i]) << "field " << i;
    for (int r = 1; r <= 55; ++r) {
        EXPECT_EQ(std::string(doc.Records.RecordName[r].data()), PlainName(r)) << r;
        EXPECT_EQ(doc.Records.RecordValue[r], r * 3) << r;
    }
    EXPECT_EQ(doc.Records.RecordName[56][0], 0) << "slots past 55 stay empty";
}

TEST_F(DocumentTest, NamesKeepTheirFillerAndAFullNameIsStillTerminated) {
    std::string s = File(std::string(55, '0'), PlainName, PlainValue);
    std::memcpy(&s[57], "ABC\0\0\0\0xyz", 10);  // a short name with whatever followed it in the file
    // Five double-byte characters (Shift-JIS), exactly 10 bytes.
    std::memcpy(&s[57 + 15], "\x83\x76\x83\x8c\x81\x5b\x83\x84\x81\x5b", 10);
    Write("high.scr", s);
    frame::CKavrelDoc doc(2, program);
    doc.OnNewDocument();
    EXPECT_EQ(std::string(doc.Records.RecordName[1].data(), 10), std::string("ABC\0\0\0\0xyz", 10));
    EXPECT_EQ(doc.Records.RecordName[1][10], 0);
    EXPECT_EQ(std::string(doc.Records.RecordName[2].data()), "\x83\x76\x83\x8c\x81\x5b\x83\x84\x81\x5b");
    EXPECT_EQ(doc.Records.RecordValue[2], 6);
}

TEST_F(DocumentTest, AShortFileReadsAsFarAsItGoes) {
    std::string header;
    for (int i = 1; i <= 11; ++i) header += std::string(4 - (i >= 10), '0') + std::to_string(i);
    const std::string full = File(header, PlainName, PlainValue);
    frame::CKavrelDoc doc(2, program);
    Write("high.scr", full);
    doc.OnNewDocument();
    // Cut inside record 3's name: its first four bytes are new, the rest stay from before.
    std::string cut = full.substr(0, 57 + 30 + 4);
    cut.replace(57 + 30, 4, "ZZZZ");
    Write("high.scr", cut);
    doc.OnNewDocument();
    EXPECT_EQ(doc.Records.ResultHeader[11], 11);
    EXPECT_EQ(std::string(doc.Records.RecordName[3].data()), "ZZZZ03....");
    EXPECT_EQ(doc.Records.RecordValue[3], 0);
    EXPECT_EQ(doc.Records.RecordValue[2], 6);
    EXPECT_EQ(std::string(doc.Records.RecordName[40].data()), PlainName(40));
}

TEST_F(DocumentTest, AMissingFileLeavesTheRecordsEmptyAndTheGameGoesOn) {
    frame::CKavrelDoc doc(2, program);
    Write("high.scr", File(std::string(55, '7'), PlainName, PlainValue));
    doc.OnNewDocument();
    fs::remove(dir / "bin" / "high.scr");
    int gameParts = 0;
    doc.SetNewGamePart([&] { ++gameParts; });
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(gameParts, 1);
    EXPECT_FALSE(doc.RecordsRead());
    EXPECT_EQ(doc.Records.ResultHeader[1], 0);
    EXPECT_EQ(doc.Records.RecordName[1][0], 0);
    EXPECT_EQ(doc.Records.RecordValue[1], 0);
}

TEST_F(DocumentTest, FindsTheFileBesideTheProgramFromAnotherDirectory) {
    Write("HIGH.SCR", File(std::string(55, '1'), PlainName, PlainValue));  // names match without case
    fs::current_path(dir / "elsewhere");
    frame::CKavrelDoc doc(2, program);
    doc.OnNewDocument();
    EXPECT_TRUE(doc.RecordsRead());
    EXPECT_EQ(doc.Records.ResultHeader[1], 11111);
    EXPECT_EQ(doc.ProgramDirectory(), (dir / "bin").string());
    EXPECT_EQ(fs::current_path(), dir / "bin");
}

TEST_F(DocumentTest, WritesTheUserLevelCopyAndOpensHelpAtTopicSix) {
    frame::CKavrelDoc doc(3, program);
    std::ifstream in(dir / "config" / "dravonel.ini.INI");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("[User]"), std::string::npos) << text;
    EXPECT_NE(text.find("UserLevel=3"), std::string::npos) << text;

    std::string file;
    int context = 0;
    doc.SetHelpOpener([&](const std::string& f, int c) { file = f, context = c; });
    doc.OnHelpTopic();
    EXPECT_EQ(file, "dravnel.HLP");
    EXPECT_EQ(context, 6);
}

} // namespace
