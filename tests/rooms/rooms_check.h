#pragma once
// The rooms of the source tree and the includes between them: the table of what each room may
// include from (rooms.txt at the root), and the check of a tree's `#include "…"` lines against it.

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace kvir::rooms {

/// Each room (a folder relative to the root, such as "core" or "app/shell") with the rooms its
/// files may include from, besides its own.
using RoomTable = std::map<std::string, std::set<std::string>>;

/// The table read from the text of rooms.txt: one room a line, a colon, then the rooms it may use,
/// separated by blanks; '#' starts a comment line. Every room named after a colon must have a line
/// of its own. A line that breaks these rules goes to `problems` ("rooms.txt:LINE: …").
RoomTable ParseRoomTable(const std::string& text, std::vector<std::string>& problems);

/// One `#include "…"` of a file: the line it is on and the path as written.
struct Include {
  int line = 0;
  std::string path;
};

/// The `#include "…"` lines of a source file's text; angle-bracket includes are left out.
std::vector<Include> QuotedIncludes(const std::string& text);

/// The room a path relative to the root (such as "app/shell/main.cpp") lies in: the longest room
/// of `table` that is a folder above it; empty for none.
std::string RoomOf(const RoomTable& table, const std::string& path);

/// Checks every C and C++ source file under `root` that lies below a room's top folder: each lies
/// in a room, each of its includes that names a file of another room is an arrow the table allows,
/// and no rooms include from each other round a circle (neither in the table nor in the tree).
/// Returns one line for each fault found, naming the file, the line and the rule; none when the
/// tree keeps to the table.
std::vector<std::string> CheckTree(const std::filesystem::path& root, const RoomTable& table);

}  // namespace kvir::rooms
