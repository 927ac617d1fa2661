// An exam's order as exam/ checks it, its formats' table, and its file and key written together.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "circuit/scheme_number.h"
#include "core/error.h"
#include "exam/exam_files.h"
#include "exam/exam_order.h"
#include "exam/format_table.h"

namespace kvir {
namespace {

namespace fs = std::filesystem;

// The code `work` throws, or nothing.
template <typename Work>
std::optional<ErrorCode> Refusal(Work work) {
  try {
    work();
  } catch (const Error& error) {
    return error.code();
  }
  return std::nullopt;
}

class TempFolder {
 public:
  TempFolder() {
    std::string name = (fs::temp_directory_path() / "kvir-exam-XXXXXX").string();
    if (mkdtemp(name.data()) != nullptr) path_ = name;
  }
  ~TempFolder() { fs::remove_all(path_); }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

std::string Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

TEST(SchemeList, NumbersAndRangesEachOnceInTheOrderNamed) {
  EXPECT_EQ(ParseSchemeList("1,10-12"), (std::vector<int>{1, 10, 11, 12}));
  EXPECT_EQ(ParseSchemeList("16,01,3-4,4"), (std::vector<int>{16, 1, 3, 4}));
  const struct {
    const char* text;
    ErrorCode code;
  } kBad[] = {{"0", ErrorCode::kSchemeNumberInvalid},   {"17", ErrorCode::kSchemeNumberInvalid},
              {"", ErrorCode::kSchemeNumberInvalid},    {"1,,2", ErrorCode::kSchemeNumberInvalid},
              {"5-3", ErrorCode::kSchemeRangeReversed}, {"1-x", ErrorCode::kSchemeNumberInvalid}};
  for (const auto& c : kBad) {
    EXPECT_EQ(Refusal([&] { ParseSchemeList(c.text); }), c.code) << c.text;
  }
}

TEST(ExamOrderCheck, RefusesWhatCannotBeWritten) {
  TempFolder dir;
  const auto with = [&](auto change) {
    ExamOrder order;
    order.file = dir / "bank.xml";
    change(order);
    return order;
  };
  const struct {
    const char* what;
    ExamOrder order;
    ErrorCode code;
  } kCases[] = {
      {"no scheme", with([](ExamOrder& o) { o.schemes.clear(); }), ErrorCode::kExamNoSchemes},
      {"no kind", with([](ExamOrder& o) { o.kinds.clear(); }), ErrorCode::kExamNoKinds},
      {"no question", with([](ExamOrder& o) { o.count = 0; }), ErrorCode::kExamCountInvalid},
      {"too many a variant", with([](ExamOrder& o) { o.count = kMaxExamQuestions + 1; }),
       ErrorCode::kExamCountInvalid},
      {"too many in all", with([](ExamOrder& o) { o.count = 500, o.students.assign(41, "x"); }),
       ErrorCode::kExamTooManyQuestions},
      {"no file", with([](ExamOrder& o) { o.file.clear(); }), ErrorCode::kExamNoFile},
      {"standard output", with([](ExamOrder& o) { o.file = "-"; }),
       ErrorCode::kExamToStandardOutput},
      {"another format's file", with([](ExamOrder& o) { o.format = ExamFormat::kPdf; }),
       ErrorCode::kFileSuffixRefused},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Refusal([&] { CheckedExamOrder(c.order); }), c.code) << c.what;
  }
  EXPECT_EQ(CheckedExamOrder(with([&](ExamOrder& o) { o.file = dir / "bank"; })).file,
            dir / "bank.xml");
  // A key whose name is a link to a private file is refused before anything is written.
  std::ofstream(dir / "id_rsa") << "private";
  std::filesystem::create_symlink(dir / "id_rsa", dir / "z-key.csv");
  EXPECT_EQ(Refusal([&] {
              CheckedExamOrder(with([&](ExamOrder& o) {
                o.file = dir / "z.gift";
                o.format = ExamFormat::kGift;
              }));
            }),
            ErrorCode::kFileSuffixRefused);
  EXPECT_FALSE(std::filesystem::exists(dir / "z.gift"));
}

TEST(ExamOrderCheck, StudentNamesAreOneALineWithoutRepeats) {
  EXPECT_EQ(ParseStudentNames("  Иванов \n\nPetrov\r\n"),
            (std::vector<std::string>{"Иванов", "Petrov"}));
  const struct {
    std::string bytes;
    ErrorCode code;
  } kBad[] = {{"", ErrorCode::kStudentsNone},
              {"\n \n", ErrorCode::kStudentsNone},
              {"a\n\xff\n", ErrorCode::kStudentsNotUtf8},
              {"a\x01"
               "b",
               ErrorCode::kStudentsControl},
              {"a\nb\na\n", ErrorCode::kStudentsTwice}};
  for (const auto& c : kBad) {
    EXPECT_EQ(Refusal([&] { ParseStudentNames(c.bytes); }), c.code) << c.bytes;
  }
  EXPECT_EQ(Refusal([] { ReadStudentsFile("/nonexistent/names.txt"); }),
            ErrorCode::kStudentsUnreadable);
  // Nothing that is no regular file is read or waited on: a FIFO nobody writes to, a folder.
  TempFolder dir;
  ASSERT_EQ(mkfifo((dir / "names").c_str(), 0600), 0);
  for (const std::string& path : {dir / "names", dir / ""}) {
    EXPECT_EQ(Refusal([&] { ReadStudentsFile(path); }), ErrorCode::kStudentsUnreadable) << path;
  }
}

// Names that look alike are one name; names that would vanish or split a line are refused.
TEST(ExamOrderCheck, StudentNamesThatLookAlikeAreOneName) {
  const struct {
    std::string bytes;
    std::vector<std::string> names;
  } kCases[] = {
      {"\xEF\xBB\xBF"
       "Alice\nBob",
       {"Alice", "Bob"}},                                      // a byte-order mark
      {"Alice\xC2\xA0\nBob\xE3\x80\x80", {"Alice", "Bob"}},    // no-break, ideographic
      {"\xEF\xBB\xBF\n\xC2\xA0\n\xE3\x80\x80\nBob", {"Bob"}},  // lines of nothing
      {"Анна\xC2\xA0\xC2\xA0Петрова\n", {"Анна Петрова"}},     // one space inside
      {"Ann\xE2\x80\x8B", {"Ann"}},                            // zero-width space
      {"Al\tice\t", {"Al ice"}},                               // a tab is a space too
      {std::string(kMaxStudentName, 'a'), {std::string(kMaxStudentName, 'a')}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ParseStudentNames(c.bytes), c.names) << c.bytes;
  }
  const struct {
    std::string bytes;
    ErrorCode code;
  } kBad[] = {
      {"Alice\nAlice\xC2\xA0\n", ErrorCode::kStudentsTwice},
      {"\xEF\xBB\xBF"
       "Alice\nAlice\n",
       ErrorCode::kStudentsTwice},
      {"Al\xC2\x85ice", ErrorCode::kStudentsControl},      // U+0085, a control character
      {"Al\xE2\x80\xA8ice", ErrorCode::kStudentsControl},  // U+2028, a line separator
      {std::string(kMaxStudentName + 1, 'a'), ErrorCode::kStudentsNameTooLong},
      {std::string(20000, 'a'), ErrorCode::kStudentsNameTooLong},
  };
  for (const auto& c : kBad) {
    EXPECT_EQ(Refusal([&] { ParseStudentNames(c.bytes); }), c.code) << c.bytes.substr(0, 40);
  }
}

TEST(ExamFormatTable, EachFormatOnceWithItsNameSuffixesWordsAndWriter) {
  std::set<std::string_view> names;
  for (const ExamFormatRow& row : ExamFormats()) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(&ExamFormatOf(row.format), &row);
    EXPECT_EQ(&ExamFormatNamed(row.name), &row);
    EXPECT_TRUE(names.insert(row.name).second);
    ASSERT_FALSE(row.suffixes.empty());
    for (const std::string_view suffix : row.suffixes) EXPECT_TRUE(suffix.starts_with('.'));
    EXPECT_FALSE(row.label(Language::kRussian).empty());
    EXPECT_FALSE(row.label(Language::kEnglish).empty());
    EXPECT_NE(row.write, nullptr);
  }
  EXPECT_EQ(Refusal([] { ExamFormatNamed("word"); }), ErrorCode::kExamFormatUnknown);
}

TEST(ExamFiles, TheKeyIsNamedAfterTheFile) {
  EXPECT_EQ(KeyPath("bank.xml"), "bank-key.csv");
  EXPECT_EQ(KeyPath("a.b/Bank.GIFT"), "a.b/Bank-key.csv");
}

// Where the file cannot be written, its key goes back to what it was: the two always belong
// together.
TEST(ExamFiles, AFailedFileTakesItsKeyBack) {
  for (const bool old_key : {false, true}) {
    TempFolder dir;
    ExamOrder order;
    order.count = 2;
    order.format = ExamFormat::kGift;
    order.file = dir / "bank.gift";
    fs::create_directory(order.file);
    if (old_key) std::ofstream(dir / "bank-key.csv") << "old key";
    const FileStatus status = WriteExamFiles(CheckedExamOrder(order));
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.path(), order.file);
    EXPECT_EQ(fs::exists(dir / "bank-key.csv"), old_key);
    if (old_key) {
      EXPECT_EQ(Read(dir / "bank-key.csv"), "old key");
    }
  }
}

TEST(ExamFiles, TheFileAndItsKeyAreWrittenFromTheOrder) {
  TempFolder dir;
  ExamOrder order;
  order.count = 3;
  order.format = ExamFormat::kGift;
  order.file = dir / "bank.gift";
  ASSERT_TRUE(WriteExamFiles(CheckedExamOrder(order)).ok());
  const std::vector<ExamVariant> variants = ExamVariants(order);
  const std::vector<uint8_t> bytes = ExamFileBytes(order, variants);
  EXPECT_EQ(Read(order.file), std::string(bytes.begin(), bytes.end()));
  EXPECT_EQ(Read(dir / "bank-key.csv"), ExamKeyCsv(variants));
}

}  // namespace
}  // namespace kvir
