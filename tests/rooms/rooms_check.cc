#include "tests/rooms/rooms_check.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>

namespace kvir::rooms {
namespace {

namespace fs = std::filesystem;

// Where an arrow between two rooms was seen first: "FILE:LINE includes PATH".
using Arrows = std::map<std::string, std::map<std::string, std::string>>;

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") + 1 - first);
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

bool IsSource(const fs::path& path) {
  static const std::set<std::string> kSuffixes = {".h", ".hh", ".hpp", ".c", ".cc", ".cpp", ".cxx"};
  return kSuffixes.contains(path.extension().string());
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string TopFolder(const std::string& room) {
  return room.substr(0, room.find('/'));
}

// The rooms in `graph` that include from each other round a circle: each circle once, as the
// rooms along it with the first again at the end.
std::vector<std::vector<std::string>> Circles(
    const std::map<std::string, std::set<std::string>>& graph) {
  std::vector<std::vector<std::string>> circles;
  std::set<std::vector<std::string>> seen;
  std::map<std::string, int> state;  // 1 on the path being walked, 2 done
  std::vector<std::string> path;
  std::function<void(const std::string&)> walk = [&](const std::string& room) {
    state[room] = 1;
    path.push_back(room);
    const auto arrows = graph.find(room);
    if (arrows != graph.end()) {
      for (const std::string& next : arrows->second) {
        if (state[next] == 1) {
          std::vector<std::string> circle(std::find(path.begin(), path.end(), next), path.end());
          std::vector<std::string> key = circle;
          std::rotate(key.begin(), std::min_element(key.begin(), key.end()), key.end());
          if (seen.insert(key).second) {
            circle.push_back(next);
            circles.push_back(circle);
          }
        } else if (state[next] == 0) {
          walk(next);
        }
      }
    }
    path.pop_back();
    state[room] = 2;
  };
  for (const auto& [room, arrows] : graph) {
    if (state[room] == 0) walk(room);
  }
  return circles;
}

std::string Joined(const std::vector<std::string>& rooms, const std::string& between) {
  std::string text;
  for (const std::string& room : rooms) text += (text.empty() ? "" : between) + room;
  return text;
}

std::string Allowed(const RoomTable& table, const std::string& room) {
  const std::set<std::string>& uses = table.at(room);
  if (uses.empty()) return "nothing but itself";
  return Joined({uses.begin(), uses.end()}, " ");
}

// The room of the file that `include` (written in the file at `from`, relative to the root) names:
// a path beside the including file where one exists, else a path from the root. Empty for a file
// of no room: a generated one, or a library's.
std::string IncludedRoom(const fs::path& root, const RoomTable& table, const std::string& from,
                         const std::string& include) {
  const fs::path beside = (fs::path(from).parent_path() / include).lexically_normal();
  if (fs::exists(root / beside)) return RoomOf(table, beside.generic_string());
  return RoomOf(table, fs::path(include).lexically_normal().generic_string());
}

}  // namespace

RoomTable ParseRoomTable(const std::string& text, std::vector<std::string>& problems) {
  RoomTable table;
  std::map<std::string, int> named;  // each room named after a colon, with its first line
  std::istringstream in(text);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    const std::string where = "rooms.txt:" + std::to_string(number) + ": ";
    line = Trimmed(line);
    if (line.empty() || line.front() == '#') continue;
    const auto colon = line.find(':');
    const std::vector<std::string> room =
        Words(colon == std::string::npos ? line : line.substr(0, colon));
    if (colon == std::string::npos || room.size() != 1) {
      problems.push_back(where + "expected a room, a colon and the rooms it may use: " + line);
      continue;
    }
    if (table.contains(room[0])) {
      problems.push_back(where + "room " + room[0] + " has a line already");
      continue;
    }
    std::set<std::string>& uses = table[room[0]];
    for (const std::string& used : Words(line.substr(colon + 1))) {
      if (used == room[0]) {
        problems.push_back(where + "room " + used + " lists itself");
        continue;
      }
      uses.insert(used);
      named.emplace(used, number);
    }
  }
  for (const auto& [room, line] : named) {
    if (!table.contains(room)) {
      problems.push_back("rooms.txt:" + std::to_string(line) + ": room " + room +
                         " has no line of its own");
    }
  }
  return table;
}

std::vector<Include> QuotedIncludes(const std::string& text) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*"([^"]+)\")");
  std::vector<Include> includes;
  std::istringstream in(text);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    std::smatch match;
    if (std::regex_search(line, match, kInclude)) includes.push_back({number, match[1].str()});
  }
  return includes;
}

std::string RoomOf(const RoomTable& table, const std::string& path) {
  std::string best;
  for (const auto& [room, uses] : table) {
    if (path.starts_with(room + "/") && room.size() > best.size()) best = room;
  }
  return best;
}

std::vector<std::string> CheckTree(const fs::path& root, const RoomTable& table) {
  std::vector<std::string> problems;
  for (const auto& circle : Circles(table)) {
    problems.push_back("rooms.txt: the table lets rooms include round a circle: " +
                       Joined(circle, " -> "));
  }
  std::set<std::string> tops;
  for (const auto& [room, uses] : table) tops.insert(TopFolder(room));
  std::vector<std::string> files;
  for (const std::string& top : tops) {
    if (!fs::is_directory(root / top)) continue;
    for (auto entry = fs::recursive_directory_iterator(root / top);
         entry != fs::recursive_directory_iterator(); ++entry) {
      if (entry->path().filename().string().starts_with(".")) {
        if (entry->is_directory()) entry.disable_recursion_pending();
        continue;
      }
      if (entry->is_regular_file() && IsSource(entry->path())) {
        files.push_back(entry->path().lexically_relative(root).generic_string());
      }
    }
  }
  std::sort(files.begin(), files.end());

  Arrows arrows;
  for (const std::string& file : files) {
    const std::string room = RoomOf(table, file);
    if (room.empty()) {
      problems.push_back(file + ": lies in no room of rooms.txt");
      continue;
    }
    for (const Include& include : QuotedIncludes(ReadAll(root / file))) {
      const std::string used = IncludedRoom(root, table, file, include.path);
      if (used.empty() || used == room) continue;
      const std::string where = file + ":" + std::to_string(include.line);
      arrows[room].emplace(used, where + " includes " + include.path);
      if (!table.at(room).contains(used)) {
        problems.push_back(where + ": " + room + " may not include from " + used + " (\"" +
                           include.path + "\"); rooms.txt lets " + room +
                           " use: " + Allowed(table, room));
      }
    }
  }

  std::map<std::string, std::set<std::string>> graph;
  for (const auto& [room, used] : arrows) {
    for (const auto& [to, where] : used) graph[room].insert(to);
  }
  for (const auto& circle : Circles(graph)) {
    std::string line = "rooms include from each other round a circle: " + Joined(circle, " -> ");
    for (size_t i = 0; i + 1 < circle.size(); ++i) {
      line += "\n  " + arrows.at(circle[i]).at(circle[i + 1]);
    }
    problems.push_back(line);
  }
  return problems;
}

}  // namespace kvir::rooms
