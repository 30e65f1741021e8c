#pragma once

#include <string>
#include <vector>

#include "ui/main_view.h"

namespace fandrel {

// Controls held in memory, starting as the window starts (input mode). Every call that
// changes something is also logged, so tests can check the order of the steps.
class FakeMainView final : public MainView {
 public:
  enum class Focus { kNone, kInput, kResult };

  Text inputText;
  bool inputTabStop = true;
  PathList results;
  int selection = -1;
  bool resultVisible = false;
  Focus focus = Focus::kInput;
  PathList opened;
  bool closed = false;
  std::vector<std::string> log;

  Text InputText() const override { return inputText; }
  void SetInputText(const Text& text) override {
    inputText = text;
    log.push_back(text.empty() ? "clear text" : "set text");
  }
  void SetInputTabStop(bool inTabOrder) override {
    inputTabStop = inTabOrder;
    log.push_back(inTabOrder ? "input into tab order" : "input out of tab order");
  }
  void FocusInput() override {
    focus = Focus::kInput;
    log.push_back("focus input");
  }

  void ClearResults() override {
    results.clear();
    selection = -1;
    log.push_back("clear list");
  }
  void AppendResults(const PathList& entries) override {
    results.insert(results.end(), entries.begin(), entries.end());
    log.push_back("fill list");
  }
  int ResultSelection() const override { return selection; }
  void SetResultSelection(int position) override {
    selection = position >= 0 && static_cast<size_t>(position) < results.size() ? position : -1;
    log.push_back("select " + std::to_string(position));
  }
  bool ResultVisible() const override { return resultVisible; }
  void SetResultVisible(bool visible) override {
    resultVisible = visible;
    log.push_back(visible ? "show list" : "hide list");
  }
  void FocusResult() override {
    focus = Focus::kResult;
    log.push_back("focus list");
  }

  void OpenPath(const Text& path) override {
    opened.push_back(path);
    log.push_back("open");
  }
  void Close() override {
    closed = true;
    log.push_back("close");
  }
};

}  // namespace fandrel
