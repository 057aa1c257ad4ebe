#pragma once
// The keyed index of a list: for every key, the first node that holds an object with that key
// and how many nodes hold one. A list builds it when it is first searched by key while long,
// and keeps it in step with every insertion and removal from then on, so that finding a label
// among thousands of paths costs a lookup instead of a walk. Prefix questions ("the one
// keyword that begins with ...") are answered from the same ordered keys.
#include <cstddef>
#include <map>
#include <string>
#include <string_view>

struct vNODE;

class vKeyIndex {
public:
    struct Entry {
        vNODE* first = nullptr; // earliest node in list order with this key
        long count = 0;         // nodes with this key
    };

    // The node was appended at the end of the list.
    void Appended(vNODE* node, std::string_view key);
    // The node is about to leave the list (its successors are still linked to it).
    void Removing(const vNODE* node, std::string_view key);
    // The first node with exactly this key, or none.
    vNODE* Find(std::string_view key) const;
    // How many nodes hold a key beginning with the prefix, counting at most 2; `match` is the
    // first of them.
    int CountPrefix(std::string_view prefix, vNODE** match) const;
    std::size_t Keys() const { return entries_.size(); }

private:
    std::map<std::string, Entry, std::less<>> entries_;
};
