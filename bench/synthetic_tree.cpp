#include "bench/synthetic_tree.h"

#include <fstream>
#include <stdexcept>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace fandrel::bench {
namespace {

// The words of a list, '|' between them.
std::vector<std::string> Words(std::string_view list) {
  std::vector<std::string> words(1);
  for (char c : list) c == '|' ? words.emplace_back() : words.back() += c;
  return words;
}
const std::vector<std::string> kSites = Words(
    "Northwind Gazette|The Daily Ledger|Harbor Times|CodeForge|Stack Notes|Open Maps|Blue Kettle "
    "Kitchen|Trailhead|Pixel Weekly|Garden Patch|City Library|Museo del Prado|Café Müller|Zürich "
    "Tourismus|Señor Tapas|Bank of the Lakes|Wiki Commons|Tech Radar|Fotoforum|Новости дня|"
    "東京ガイド|Αθήνα Info|Rádio Comercial|Kraków Online|Beste Angebote");
const std::vector<std::string> kTopics = Words(
    "Weather|Sports|Travel|Recipes|Finance|Linux|Photography|Cycling|Jazz|Gardening|History|Movies|"
    "Football|Chess|Astronomy|Pottery|Baking|Hiking|Piano|Running|Economía|Fußball|Cuisine|Voyages|"
    "Музыка|料理|Design|Python");
const std::vector<std::string> kNouns = Words(
    "Forecast|News|Guide|Tips|Forum|Blog|Reviews|Tutorial|Calendar|Map|Deals|Results|Archive|"
    "Podcast|Wiki|Shop|Tickets|Report|Login|Account|Docs|Download|Video|Gallery");
const std::vector<std::string> kVerbs =
    Words("fix|cook|build|plant|tune|clean|learn|choose|repair|paint|install|plan");
const std::vector<std::string> kFolderWords = Words(
    "News|Work|Travel|Recipes|Shopping|Banking|Linux|Projects|Hobbies|Music|Reading|Kids|School|"
    "Health|Cars|Home|Archive|Old|Misc|Tools|Reference|Photos|Games|Software|Vacaciones|Ménage|"
    "Bücher|Фото");
constexpr int kMaxDepth = 6;

const std::string& Pick(std::mt19937& random, const std::vector<std::string>& words) {
  return words[random() % words.size()];
}

std::string FolderName(std::mt19937& random) {
  const std::string word = Pick(random, kFolderWords);
  const unsigned form = random() % 4;
  if (form > 1) return word;
  return form ? word + " and " + Pick(random, kTopics)
              : word + ' ' + std::to_string(2005 + random() % 20);
}

struct Folder {
  std::filesystem::path path;
  int depth;
  std::unordered_set<std::string> names;  // taken in this folder
};

// `wanted` itself, or with " (2)", " (3)"... when the folder already holds that name.
// Names are UTF-8 on every system.
std::filesystem::path FreeName(Folder& folder, std::string wanted, const char* suffix) {
#ifdef _WIN32
  // Characters no Windows name holds ("Naming Files, Paths, and Namespaces") become '-'.
  for (char& c : wanted)
    c = std::string_view("\\/:*?\"<>|").find(c) == std::string_view::npos ? c : '-';
#endif
  std::string name = wanted + suffix;
  for (int copy = 2; !folder.names.insert(name).second; ++copy) {
    name = wanted + " (" + std::to_string(copy) + ")" + suffix;
  }
  return folder.path / std::u8string(name.begin(), name.end());
}

}  // namespace

std::string ShortcutTitle(std::mt19937& random) {
  switch (random() % 5) {
    case 0:
    case 1:
      return Pick(random, kSites) + " - " + Pick(random, kTopics) + ' ' + Pick(random, kNouns);
    case 2:
      return "How to " + Pick(random, kVerbs) + ' ' + Pick(random, kTopics) + " | " +
             Pick(random, kSites);
    case 3:
      return Pick(random, kTopics) + ' ' + Pick(random, kNouns) + " (" +
             std::to_string(1998 + random() % 27) + ")";
    default:
      return Pick(random, kSites) + ": " + Pick(random, kNouns) + " #" +
             std::to_string(random() % 10000);
  }
}

long MakeSyntheticTree(const std::filesystem::path& root, long entries, std::uint32_t seed) {
  if (entries < kFewestEntries) throw std::invalid_argument("too few entries for a tree");
  std::mt19937 random(seed);
  const long folderCount = entries / 10;
  std::vector<Folder> folders;
  folders.reserve(static_cast<std::size_t>(folderCount) + 1);
  folders.push_back({root, 0, {}});
  // A spine first, so that the tree reaches its full depth whatever its size; then each
  // folder goes under one picked at random among those not yet at the deepest level.
  std::vector<std::size_t> open{0};
  for (long made = 0; made < folderCount; ++made) {
    const std::size_t parent = made < kMaxDepth ? folders.size() - 1 : open[random() % open.size()];
    Folder child{FreeName(folders[parent], FolderName(random), ""), folders[parent].depth + 1, {}};
    if (!std::filesystem::create_directory(child.path)) throw std::runtime_error("no folder");
    if (child.depth < kMaxDepth) open.push_back(folders.size());
    folders.push_back(std::move(child));
  }
  long shortcuts = 0;
  auto addShortcut = [&](Folder& folder, const std::string& title) {
    if (!std::ofstream(FreeName(folder, title, ".url"))) throw std::runtime_error("no shortcut");
    ++shortcuts;
  };
  std::uniform_int_distribution<std::size_t> anyFolder(0, folders.size() - 1);
  addShortcut(folders[kMaxDepth], "Quokka Sanctuary Tours");
  for (int k = 0; k < 300; ++k) {
    addShortcut(folders[anyFolder(random)], "Origami " + ShortcutTitle(random));
  }
  while (shortcuts + folderCount < entries) {
    addShortcut(folders[anyFolder(random)], ShortcutTitle(random));
  }
  return shortcuts;
}

}  // namespace fandrel::bench
