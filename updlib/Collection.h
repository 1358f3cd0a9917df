// An ordered collection of texts with optional keys, as the platform's Collection: keys are
// compared without regard to case, and adding a key that is already there is refused.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "UpdaterApp.h"

namespace nv {

class Collection {
public:
    // Adds the item; false (nothing added) when the key is already used. An empty key adds
    // the item without a key.
    bool Add(std::string item, std::string_view key = {}) {
        if (!key.empty()) {
            if (!keys_.insert(LowerAscii(key)).second) return false;
        }
        items_.push_back(std::move(item));
        return true;
    }
    bool Contains(std::string_view key) const { return keys_.count(LowerAscii(key)) != 0; }
    size_t Count() const { return items_.size(); }
    // 1-based, as the platform's collections.
    const std::string& Item(size_t index) const { return items_.at(index - 1); }
    const std::vector<std::string>& Items() const { return items_; }
    void Clear() {
        items_.clear();
        keys_.clear();
    }

private:
    std::vector<std::string> items_;
    std::unordered_set<std::string> keys_;
};

}  // namespace nv
