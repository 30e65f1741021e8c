#include "bench/title_words.h"

#include <array>

namespace fandrel::bench {
namespace {

constexpr std::array kSites = {
    "Northwind Gazette", "The Daily Ledger", "Harbor Times",        "CodeForge",
    "Stack Notes",       "Open Maps",        "Blue Kettle Kitchen", "Trailhead",
    "Pixel Weekly",      "Garden Patch",     "City Library",        "Museo del Prado",
    "Café Müller",       "Zürich Tourismus", "Señor Tapas",         "Bank of the Lakes",
    "Wiki Commons",      "Tech Radar",       "Fotoforum",           "Новости дня",
    "東京ガイド",        "Αθήνα Info",       "Rádio Comercial",     "Kraków Online",
    "Beste Angebote"};

constexpr std::array kTopics = {
    "Weather",   "Sports",  "Travel",    "Recipes", "Finance", "Linux",    "Photography",
    "Cycling",   "Jazz",    "Gardening", "History", "Movies",  "Football", "Chess",
    "Astronomy", "Pottery", "Baking",    "Hiking",  "Piano",   "Running",  "Economía",
    "Fußball",   "Cuisine", "Voyages",   "Музыка",  "料理",    "Design",   "Python"};

constexpr std::array kNouns = {
    "Forecast", "News",   "Guide", "Tips",    "Forum",   "Blog",     "Reviews", "Tutorial",
    "Calendar", "Map",    "Deals", "Results", "Archive", "Podcast",  "Wiki",    "Shop",
    "Tickets",  "Report", "Login", "Account", "Docs",    "Download", "Video",   "Gallery"};

constexpr std::array kVerbs = {"fix",   "cook",   "build",  "plant", "tune",    "clean",
                               "learn", "choose", "repair", "paint", "install", "plan"};

constexpr std::array kFolderWords = {
    "News",     "Work",    "Travel",   "Recipes",    "Shopping", "Banking", "Linux",
    "Projects", "Hobbies", "Music",    "Reading",    "Kids",     "School",  "Health",
    "Cars",     "Home",    "Archive",  "Old",        "Misc",     "Tools",   "Reference",
    "Photos",   "Games",   "Software", "Vacaciones", "Ménage",   "Bücher",  "Фото"};

template <typename List>
const char* Pick(std::mt19937& random, const List& list) {
  return list[random() % list.size()];
}

}  // namespace

std::string FolderName(std::mt19937& random) {
  std::string name = Pick(random, kFolderWords);
  switch (random() % 4) {
    case 0:
      name += ' ';
      name += std::to_string(2005 + random() % 20);
      break;
    case 1:
      name += " and ";
      name += Pick(random, kTopics);
      break;
    default:
      break;
  }
  return name;
}

std::string ShortcutTitle(std::mt19937& random) {
  std::string title;
  switch (random() % 5) {
    case 0:
    case 1:
      title = std::string(Pick(random, kSites)) + " - " + Pick(random, kTopics) + ' ' +
              Pick(random, kNouns);
      break;
    case 2:
      title = std::string("How to ") + Pick(random, kVerbs) + ' ' + Pick(random, kTopics) + " | " +
              Pick(random, kSites);
      break;
    case 3:
      title = std::string(Pick(random, kTopics)) + ' ' + Pick(random, kNouns) + " (" +
              std::to_string(1998 + random() % 27) + ")";
      break;
    default:
      title = std::string(Pick(random, kSites)) + ": " + Pick(random, kNouns) + " #" +
              std::to_string(random() % 10000);
      break;
  }
  return title;
}

}  // namespace fandrel::bench
