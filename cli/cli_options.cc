#include "cli_options.h"

#include <CLI/CLI.hpp>
#include <map>

namespace lumenfold::cli {
namespace {

const std::map<std::string, int> kFilters = {
    {"jpeg-gif", 1}, {"jpeg", 2}, {"gif", 3}, {"all", 4}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4},
};

const std::map<std::string, int> kColours = {
    {"white", 0}, {"cyan", 1}, {"magenta", 2}, {"yellow", 3}, {"red", 4}, {"green", 5},
    {"blue", 6},  {"grey", 7}, {"0", 0},       {"1", 1},      {"2", 2},   {"3", 3},
    {"4", 4},     {"5", 5},    {"6", 6},       {"7", 7},
};

const std::map<std::string, int> kSizes = {{"full", 0}, {"2", 1}, {"3", 2}, {"4", 3}};

// A choice among fixed words, given as text and turned into its number.
CLI::Option* AddChoice(CLI::App& app, const std::string& name,
                       const std::map<std::string, int>& words, int* value,
                       const std::string& help) {
  return app
      .add_option_function<std::string>(
          name, [&words, value](const std::string& word) { *value = words.at(word); }, help)
      ->check(CLI::IsMember(words));
}

}  // namespace

std::optional<CliOptions> ParseCommandLine(int argc, char** argv, int* exit_code) {
  CliOptions options;
  PageRequest& page = options.page;
  CLI::App app("Writes an HTML album page for a folder of pictures.", "lumenfold-cli");
  app.set_version_flag("-V,--version", "lumenfold-cli " LUMENFOLD_VERSION);
  app.add_option("FOLDER", options.folder, "The folder of pictures")->required();
  app.add_option("-o,--output", options.output,
                 "The page file (default: DSC.htm in FOLDER); its extension is forced");
  app.add_flag("--html", options.html, "Force .html instead of .htm");
  AddChoice(app, "-f,--filter", kFilters, &options.filter_index,
            "jpeg-gif (default), jpeg, gif or all; or 1 to 4");
  app.add_option("-t,--title", page.Title, "The page title");
  app.add_option("-u,--upper-comment", page.UpperComment, "The comment under the title");
  app.add_option("-l,--lower-comment", page.LowerComment, "The comment at the foot");
  app.add_option("-w,--wallpaper", page.Wallpaper, "The background picture, as typed");
  AddChoice(app, "-c,--colour", kColours, &page.ColourIndex,
            "white, cyan, magenta, yellow (default), red, green, blue, grey; or 0 to 7");
  AddChoice(app, "-s,--size", kSizes, &page.SizeIndex,
            "full (own size), or 2, 3, 4 (default) thumbnails a row");
  app.add_flag("--always-rule", page.AlwaysRule, "Always draw the rules");
  app.add_flag("--spacious", page.Spacious, "Leave a line between name and next picture");
  app.add_flag("--hide-names", page.HideNames, "Hide the names of pictures");
  app.add_flag("--stamp-date", page.StampDate, "Put the date at the foot");
  app.add_flag("-y,--yes", options.yes, "Overwrite an existing page without asking");
  app.add_flag("--list", options.list, "Only print the names found, one a line");
  app.add_flag("-q,--quiet", options.quiet, "Print nothing on success");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    *exit_code = app.exit(e) == 0 ? 0 : 2;
    return std::nullopt;
  }
  return options;
}

}  // namespace lumenfold::cli
