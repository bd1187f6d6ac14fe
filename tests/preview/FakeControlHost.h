#pragma once
// A window and container for the viewer in tests: scroll bars, cursor and
// timers kept as plain state, posted calls run on demand, the page's events
// counted or kept.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "preview/viewer/HeadlessHost.h"

namespace tessaly::preview::test {

class FakeControlHost : public THeadlessHost {
public:
  FakeControlHost() : THeadlessHost({400, 300}) {}

  std::map<TScrollBarKind, TScrollInfo> Bars;
  std::map<TScrollBarKind, bool> BarVisible;
  std::map<int, std::function<void()>> Timers;
  std::vector<std::function<void()>> Posted;
  TCursorShape Cursor = TCursorShape::crDefault;
  int Invalidations = 0;
  bool HasFocus = false;
  int HistoryChanges = 0;
  std::vector<TFormSubmission> Submitted;
  std::vector<std::pair<int, std::string>> Refreshes;  // delay, address
  std::vector<std::string> Scripts;                    // name/language/text
  std::vector<TRect> Placed;                           // where form controls were shown or hidden
  int ControlClears = 0;

  void RunPosted() {
    auto calls = std::move(Posted);
    Posted.clear();
    for (auto& call : calls) call();
  }

  void Invalidate(const TRect*, bool) override { ++Invalidations; }
  void ScrollArea(int, int, const TRect&) override { ++Invalidations; }
  void SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) override { Bars[bar] = info; }
  TScrollInfo ScrollInfo(TScrollBarKind bar) const override {
    const auto it = Bars.find(bar);
    return it == Bars.end() ? TScrollInfo{} : it->second;
  }
  void ShowScrollBar(TScrollBarKind bar, bool visible) override { BarVisible[bar] = visible; }
  bool Focused() const override { return HasFocus; }
  void SetFocus() override { HasFocus = true; }
  void SetCursor(TCursorShape shape) override { Cursor = shape; }
  int StartTimer(int, std::function<void()> tick) override {
    Timers[++lastTimer_] = std::move(tick);
    return lastTimer_;
  }
  void StopTimer(int id) override { Timers.erase(id); }
  void PostCall(std::function<void()> call) override { Posted.push_back(std::move(call)); }

  void HistoryChange() override { ++HistoryChanges; }
  void FormSubmit(const TFormSubmission& form) override { Submitted.push_back(form); }
  void MetaRefresh(int delay, const std::string& url) override { Refreshes.emplace_back(delay, url); }
  void ScriptEvent(const std::string& name, const std::string& language, const std::string& script) override {
    Scripts.push_back(name + "/" + language + "/" + script);
  }
  void PlaceControl(TFormControlObj&, const TRect& rect) override { Placed.push_back(rect); }
  void ClearControls() override { ++ControlClears; }

private:
  int lastTimer_ = 0;
};

}  // namespace tessaly::preview::test
