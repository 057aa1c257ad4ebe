#include "pendrel/engine/key_index.h"

#include "pendrel/engine/list.h"

void vKeyIndex::Appended(vNODE* node, std::string_view key) {
    auto it = entries_.find(key);
    if (it == entries_.end()) it = entries_.emplace(std::string(key), Entry{}).first;
    // Appending never changes which node comes first.
    if (it->second.count++ == 0) it->second.first = node;
}

void vKeyIndex::Removing(const vNODE* node, std::string_view key) {
    auto it = entries_.find(key);
    if (it == entries_.end()) return;
    Entry& e = it->second;
    if (--e.count <= 0) {
        entries_.erase(it);
        return;
    }
    if (e.first != node) return;
    // The next holder of the same key, later in the list, comes first now.
    for (vNODE* n = node->next; n; n = n->next) {
        const char* k = n->object ? n->object->key : nullptr;
        if (k && key == k) {
            e.first = n;
            return;
        }
    }
    entries_.erase(it); // a count out of step with the list: forget the key
}

vNODE* vKeyIndex::Find(std::string_view key) const {
    auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : it->second.first;
}

int vKeyIndex::CountPrefix(std::string_view prefix, vNODE** match) const {
    int count = 0;
    for (auto it = entries_.lower_bound(prefix); it != entries_.end() && count < 2; ++it) {
        if (std::string_view(it->first).substr(0, prefix.size()) != prefix) break;
        if (count == 0 && match) *match = it->second.first;
        count += it->second.count > 1 ? 2 : 1;
    }
    return count > 2 ? 2 : count;
}
