#pragma once
// An ordered list of handlers fired one after another. A handler is known by
// the object that registered it, so it can be removed again; registering twice
// means being called twice, and one removal takes every registration away.
// An exception from a handler ends the firing and reaches the caller.

#include <functional>
#include <vector>

namespace tessaly {

template <typename... Args>
class TEventChain {
public:
  using Handler = std::function<void(Args...)>;

  void Add(const void* owner, Handler handler) { entries_.push_back({owner, std::move(handler)}); }
  void Remove(const void* owner) {
    std::erase_if(entries_, [owner](const Entry& e) { return e.owner == owner; });
  }
  size_t Count() const { return entries_.size(); }

  void Fire(Args... args) const {
    // A copy, so a handler may add or remove handlers while being called.
    const std::vector<Entry> snapshot = entries_;
    for (const Entry& entry : snapshot) entry.handler(args...);
  }

private:
  struct Entry {
    const void* owner;
    Handler handler;
  };
  std::vector<Entry> entries_;
};

}  // namespace tessaly
