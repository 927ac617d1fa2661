// The rooms check on small trees written for each case: what it lets through, what it refuses and
// the words it refuses with; and the tree's own rooms.txt refusing the arrows it must refuse.

#include "tests/rooms/rooms_check.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace kvir::rooms {
namespace {

namespace fs = std::filesystem;

using Files = std::vector<std::pair<std::string, std::string>>;  // path, text

// A tree of `files` in a fresh folder, removed with the object.
class Tree {
 public:
  Tree(const std::string& name, const Files& files)
      : root_(fs::temp_directory_path() /
              ("kvir-rooms-" + std::to_string(::getpid()) + "-" + name)) {
    fs::remove_all(root_);
    for (const auto& [path, text] : files) {
      fs::create_directories((root_ / path).parent_path());
      std::ofstream(root_ / path) << text;
    }
  }
  ~Tree() { fs::remove_all(root_); }
  Tree(const Tree&) = delete;
  Tree& operator=(const Tree&) = delete;
  const fs::path& root() const { return root_; }

 private:
  fs::path root_;
};

std::vector<std::string> Check(const std::string& name, const std::string& table,
                               const Files& files) {
  std::vector<std::string> problems;
  const RoomTable rooms = ParseRoomTable(table, problems);
  EXPECT_TRUE(problems.empty()) << problems.front();
  const Tree tree(name, files);
  return CheckTree(tree.root(), rooms);
}

constexpr const char* kTable =
    "# rooms\n"
    "core:\n"
    "circuit: core\n"
    "render: core circuit\n"
    "app/common: core circuit render\n"
    "app/windows: app/common core circuit render\n"
    "app/shell: app/windows app/common core circuit render\n"
    "tests: core circuit render app/common app/windows app/shell\n";

struct TreeCase {
  const char* name;
  Files files;
  std::vector<std::string> problems;
};

const TreeCase kTreeCases[] = {
    {"kept",
     {{"core/se.h", "#pragma once\n"},
      {"circuit/scheme.cc", "#include \"circuit/scheme.h\"\n#include \"core/se.h\"\n"},
      {"circuit/scheme.h", "#include <vector>\n"},
      {"app/shell/main.cpp", "#include \"app/windows/about.h\"\n#include \"app/common/zoom.h\"\n"},
      {"app/windows/about.h", "#  include  \"app/common/zoom.h\"\n"},
      {"app/common/zoom.h", "#include \"render/zoom.h\"\n"},
      {"render/zoom.h", ""},
      {"tests/app/tst_about.cpp",
       "#include \"app/shell/main.h\"\n#include \"app_util.h\"\n#include \"tst_about.moc\"\n"},
      {"tests/app/app_util.h", "#include <QtTest>\n"},
      {"scripts/any.cc", "#include \"app/shell/main.h\"\n"}},
     {}},
    {"circuit_uses_render",
     {{"circuit/scheme.cc", "// the scheme\n#include \"core/se.h\"\n#include \"render/zoom.h\"\n"}},
     {"circuit/scheme.cc:3: circuit may not include from render (\"render/zoom.h\"); rooms.txt "
      "lets circuit use: core"}},
    {"windows_use_shell",
     {{"app/windows/about.cpp", "#include \"app/shell/mainwindow.h\"\n"},
      {"app/shell/mainwindow.cpp", "#include \"app/windows/about.h\"\n"}},
     {"app/windows/about.cpp:1: app/windows may not include from app/shell "
      "(\"app/shell/mainwindow.h\"); rooms.txt lets app/windows use: app/common circuit core "
      "render",
      "rooms include from each other round a circle: app/shell -> app/windows -> app/shell\n"
      "  app/shell/mainwindow.cpp:1 includes app/windows/about.h\n"
      "  app/windows/about.cpp:1 includes app/shell/mainwindow.h"}},
    {"core_uses_nothing",
     {{"core/se.cc", "#include \"core/se.h\"\n#include \"circuit/names.h\"\n"}},
     {"core/se.cc:2: core may not include from circuit (\"circuit/names.h\"); rooms.txt lets core "
      "use: nothing but itself"}},
    {"relative_paths",
     {{"render/png/codec.cc", "#include \"../zoom.h\"\n#include \"../../app/common/zoom.h\"\n"},
      {"render/zoom.h", ""},
      {"app/common/zoom.h", ""}},
     {"render/png/codec.cc:2: render may not include from app/common "
      "(\"../../app/common/zoom.h\"); rooms.txt lets render use: circuit core"}},
    {"file_in_no_room",
     {{"app/extra/thing.cpp", "#include \"core/se.h\"\n"}, {"app/CMakeLists.txt", ""}},
     {"app/extra/thing.cpp: lies in no room of rooms.txt"}},
};

TEST(RoomsCheck, TreesAgainstTheTable_KeptOrRefusedWithTheirLines) {
  for (const TreeCase& tree : kTreeCases) {
    SCOPED_TRACE(tree.name);
    EXPECT_EQ(Check(tree.name, kTable, tree.files), tree.problems);
  }
}

TEST(RoomsCheck, ATableWithACircleIsRefusedWithTheCircleInTheTree) {
  const std::string table = "core:\nio: core circuit\ncircuit: core io\n";
  const std::vector<std::string> problems =
      Check("table_circle", table,
            {{"io/file.cc", "#include \"circuit/names.h\"\n"},
             {"circuit/names.cc", "#include \"io/file.h\"\n"}});
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0],
            "rooms.txt: the table lets rooms include round a circle: circuit -> io "
            "-> circuit");
  EXPECT_EQ(problems[1],
            "rooms include from each other round a circle: circuit -> io -> circuit\n"
            "  circuit/names.cc:1 includes io/file.h\n"
            "  io/file.cc:1 includes circuit/names.h");
}

struct TableCase {
  const char* text;
  std::vector<std::string> problems;
};

TEST(RoomsCheck, TableLines_EachFaultNamedWithItsLine) {
  const TableCase cases[] = {
      {"# only a comment\n\ncore:\n", {}},
      {"core:\ncircuit core\n",
       {"rooms.txt:2: expected a room, a colon and the rooms it may use: circuit core"}},
      {"core:\ncore: io\n", {"rooms.txt:2: room core has a line already"}},
      {"core: core\n", {"rooms.txt:1: room core lists itself"}},
      {"core:\ncircuit: core learning\n", {"rooms.txt:2: room learning has no line of its own"}},
      {"app shell: core\ncore:\n",
       {"rooms.txt:1: expected a room, a colon and the rooms it may use: app shell: core"}},
  };
  for (const TableCase& table : cases) {
    SCOPED_TRACE(table.text);
    std::vector<std::string> problems;
    ParseRoomTable(table.text, problems);
    EXPECT_EQ(problems, table.problems);
  }
}

TEST(RoomsCheck, RoomOf_TheDeepestRoomAboveThePath) {
  std::vector<std::string> problems;
  const RoomTable table = ParseRoomTable("app: core\napp/shell: app core\ncore:\n", problems);
  EXPECT_EQ(RoomOf(table, "app/shell/main.cpp"), "app/shell");
  EXPECT_EQ(RoomOf(table, "app/shellfish/main.cpp"), "app");
  EXPECT_EQ(RoomOf(table, "core/se.h"), "core");
  EXPECT_EQ(RoomOf(table, "corex/se.h"), "");
  EXPECT_EQ(RoomOf(table, "se.h"), "");
}

TEST(RoomsCheck, QuotedIncludes_OnlyQuotedOnesWithTheirLines) {
  const std::vector<Include> includes = QuotedIncludes(
      "#include <QWidget>\n"
      "#include \"a/b.h\"\n"
      "  #  include \"c.h\"  // why\n"
      "// #include \"commented.h\" is not one\n"
      "#define X \"#include \\\"no.h\\\"\"\n");
  ASSERT_EQ(includes.size(), 2u);
  EXPECT_EQ(includes[0].line, 2);
  EXPECT_EQ(includes[0].path, "a/b.h");
  EXPECT_EQ(includes[1].line, 3);
  EXPECT_EQ(includes[1].path, "c.h");
}

// The tree's own table: the arrows that would undo the rooms are refused.
std::string SourceTable() {
  std::ifstream in(fs::path(KVIR_SOURCE_DIR) / "rooms.txt");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(RoomsCheck, TheTreesTable_RefusesArrowsThatWouldUndoTheRooms) {
  const std::string table = SourceTable();
  ASSERT_FALSE(table.empty());
  const std::pair<const char*, const char*> refused[] = {
      {"circuit/names.cc", "render/zoom.h"},
      {"app/windows/aboutwindow.cpp", "app/shell/x.h"},
      {"app/panel/schemepanel.cpp", "app/modes/x.h"},
      {"core/se.cc", "circuit/names.h"},
      {"learning/quiz.cc", "render/zoom.h"},
      {"render/zoom.cc", "app/panel/x.h"},
      {"app/modes/stepmode.cpp", "app/windows/x.h"},
      {"io/file.cc", "circuit/names.h"},
      {"render/zoom.cc", "io/output_file.h"},
      {"session/session.cc", "io/output_file.h"},
      {"session/session.cc", "app/modes/x.h"},
      {"web/binding.cc", "app/panel/x.h"},
  };
  for (const auto& [file, include] : refused) {
    SCOPED_TRACE(std::string(file) + " -> " + include);
    const std::vector<std::string> problems =
        Check("source_table", table, {{file, "#include \"" + std::string(include) + "\"\n"}});
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].rfind(std::string(file) + ":1: ", 0), 0u) << problems[0];
  }
}

}  // namespace
}  // namespace kvir::rooms
