#pragma once
// An ordered list of shared references that may be changed while it is being walked: members can
// remove themselves (or others) and add new members from inside a walk. Removal during a walk only
// blanks the slot; the blanks are swept out when the outermost walk ends, so no iterator is ever
// invalidated. Members added at the end during a walk are visited by that walk, members added at
// the front are not (as with a linked list walked from its head).

#include <list>
#include <memory>
#include <vector>

template <class T>
class TRefList {
 public:
  using Ref = std::shared_ptr<T>;

  int Count() const { return count_; }
  bool Empty() const { return count_ == 0; }

  void AddLast(Ref item) {
    if (!item) return;
    items_.push_back(std::move(item));
    ++count_;
  }
  void AddFirst(Ref item) {
    if (!item) return;
    items_.push_front(std::move(item));
    ++count_;
  }

  // Removes the first slot holding `item`. Returns false when it is not in the list.
  bool Remove(const T* item) {
    for (auto it = items_.begin(); it != items_.end(); ++it) {
      if (it->get() != item || item == nullptr) continue;
      if (walking_ > 0) {
        it->reset();
        dirty_ = true;
      } else {
        items_.erase(it);
      }
      --count_;
      return true;
    }
    return false;
  }

  bool Contains(const T* item) const {
    for (const auto& ref : items_)
      if (ref.get() == item && item != nullptr) return true;
    return false;
  }

  // Drops every member (without telling them).
  void Clear() {
    if (walking_ > 0) {
      for (auto& ref : items_) ref.reset();
      dirty_ = true;
    } else {
      items_.clear();
    }
    count_ = 0;
  }

  Ref First() const {
    for (const auto& ref : items_)
      if (ref) return ref;
    return nullptr;
  }
  Ref Last() const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
      if (*it) return *it;
    return nullptr;
  }
  // The member at `index` counted from 0, or null.
  Ref At(int index) const {
    if (index < 0) return nullptr;
    for (const auto& ref : items_) {
      if (!ref) continue;
      if (index-- == 0) return ref;
    }
    return nullptr;
  }
  std::vector<Ref> ToVector() const {
    std::vector<Ref> out;
    out.reserve(count_);
    for (const auto& ref : items_)
      if (ref) out.push_back(ref);
    return out;
  }

  // Calls f(ref) for every member, first to last, tolerating any change to the list from inside f.
  // The member being visited is kept alive until f returns, even if f removes it.
  template <class F>
  void ForEach(F&& f) {
    WalkGuard guard(*this);
    for (auto it = items_.begin(); it != items_.end(); ++it) {
      if (!*it) continue;
      Ref keep = *it;
      f(keep);
    }
  }

 private:
  struct WalkGuard {
    explicit WalkGuard(TRefList& l) : list(l) { ++list.walking_; }
    ~WalkGuard() {
      if (--list.walking_ == 0 && list.dirty_) {
        list.items_.remove(nullptr);
        list.dirty_ = false;
      }
    }
    WalkGuard(const WalkGuard&) = delete;
    WalkGuard& operator=(const WalkGuard&) = delete;
    TRefList& list;
  };

  std::list<Ref> items_;
  int count_ = 0;
  int walking_ = 0;
  bool dirty_ = false;
};
