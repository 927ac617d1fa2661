// kvir-cli's messages in the language --lang names: every refusal and failure in Russian by
// default and in English with --lang en, wherever the option stands, with the same exit status.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "tests/cli/cli_run.h"

namespace kvir {
namespace {

using clitest::CliRun;
using clitest::Invoke;
using clitest::TempFolder;

struct Case {
  std::vector<std::string> args;
  int status;
  std::string russian;  ///< what the Russian message holds
  std::string english;  ///< what the English one holds
};

std::vector<Case> Cases(const std::string& folder) {
  const std::string missing = folder + "no-such-folder/x.png";
  return {
      {{},
       2,
       "не указана команда; допустимы list, about",
       "no command given; the commands are list, about"},
      {{"frobnicate"},
       2,
       "неизвестная команда «frobnicate»; допустимы list",
       "unknown command \"frobnicate\"; the commands are list"},
      {{"list", "extra"},
       2,
       "list: лишние аргументы: команда не принимает аргументов",
       "list: extra arguments: the command takes none"},
      {{"about", "1", "2"},
       2,
       "about: лишние аргументы после номера схемы",
       "about: extra arguments after the scheme number"},
      {{"about"},
       2,
       "about: не указан номер схемы: ожидается число от 1 до 16",
       "about: no scheme number given: expected a number from 1 to 16"},
      {{"state", "17"},
       2,
       "номер схемы «17» недопустим: ожидается число от 1 до 16",
       "scheme number \"17\" is not valid: expected a number from 1 to 16"},
      {{"state", "1", "Q"},
       2,
       "«Q» не кнопка входа схемы 1; кнопки этой схемы: IN00 (Y0), IN01 (Y1), IN02 (Y2), "
       "IN03 (Y3), IN04 (Y4), IN05 (Y5), IN06 (Y6), IN07 (Y7)",
       "\"Q\" is not an input button of scheme 1; the buttons of this scheme: IN00 (Y0), "
       "IN01 (Y1), IN02 (Y2), IN03 (Y3), IN04 (Y4), IN05 (Y5), IN06 (Y6), IN07 (Y7)"},
      {{"trace", "11", "E"},
       2,
       "«E» не кнопка входа схемы 11; кнопки этой схемы: IN00 (",
       "\"E\" is not an input button of scheme 11; the buttons of this scheme: IN00 ("},
      {{"list", "--crop"},
       2,
       "list: параметр --crop не подходит к этой команде",
       "list: the option --crop does not go with this command"},
      {{"render", "1"},
       2,
       "render: не указан файл: добавьте -o ФАЙЛ.png",
       "render: no file given: add -o FILE.png"},
      {{"render", "1", "-o", "x.jpg"},
       2,
       "render: файл «x.jpg»: тип «.jpg» не поддерживается; поддерживаемые типы: .png",
       "render: file \"x.jpg\": type \".jpg\" is not supported; supported types: .png"},
      {{"render", "1", "-o", "x.png", "--zoom"},
       2,
       "--zoom: не указан масштаб: ожидается 100, 150, 200, 250, 300",
       "--zoom: no zoom level given: expected 100, 150, 200, 250, 300"},
      {{"render", "1", "--zoom", "120", "-o", "x.png"},
       2,
       "--zoom: масштаб «120» не поддерживается: ожидается 100, 150, 200, 250, 300",
       "--zoom: zoom level \"120\" is not supported: expected 100, 150, 200, 250, 300"},
      {{"render", "1", "-o", missing},
       1,
       "Не удалось записать " + missing + ": ",
       "Could not write " + missing + ": "},
  };
}

std::vector<std::string> With(std::vector<std::string> before, const std::vector<std::string>& args,
                              std::vector<std::string> after = {}) {
  before.insert(before.end(), args.begin(), args.end());
  before.insert(before.end(), after.begin(), after.end());
  return before;
}

const std::regex kCyrillic("[\xD0\xD1][\x80-\xBF]");

TEST(CliLanguage, EveryMessageInTheLanguageAsked) {
  const TempFolder folder;
  for (const Case& c : Cases(folder.path())) {
    const std::string shown = c.args.empty() ? "(nothing)" : c.args[0];
    const std::vector<std::pair<std::vector<std::string>, const std::string*>> runs = {
        {c.args, &c.russian},
        {With({"--lang", "ru"}, c.args), &c.russian},
        {With({"--lang", "en"}, c.args), &c.english},
        {With({}, c.args, {"--lang", "en"}), &c.english},
    };
    for (const auto& [args, message] : runs) {
      const CliRun run = Invoke(args);
      SCOPED_TRACE(testing::PrintToString(args));
      EXPECT_EQ(run.status, c.status);
      EXPECT_TRUE(run.out.empty()) << run.out;
      EXPECT_EQ(run.err.find("kvir-cli: " + *message), 0u) << run.err;
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
      if (message == &c.english) {
        EXPECT_FALSE(std::regex_search(run.err, kCyrillic)) << run.err;
      }
    }
  }
}

// The language is named by the command line alone: a bad one gives the default's message.
TEST(CliLanguage, AnUnknownLanguageIsRefusedInRussian) {
  for (const char* args : {"--lang de list", "list --lang"}) {
    const CliRun run = Invoke(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_TRUE(run.err.starts_with("kvir-cli: --lang: ")) << run.err;
    EXPECT_TRUE(std::regex_search(run.err, kCyrillic)) << run.err;
  }
}

}  // namespace
}  // namespace kvir
