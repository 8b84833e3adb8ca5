#include "insert_table.h"

#include <algorithm>
#include <iterator>

static_assert(std::is_sorted(std::begin(kInsertItems), std::end(kInsertItems),
                             [](const InsertItem& a, const InsertItem& b) { return a.id < b.id; }),
              "kInsertItems must be sorted by id");

const char* InsertedText(int id) {
    auto found = std::lower_bound(std::begin(kInsertItems), std::end(kInsertItems), id,
                                  [](const InsertItem& item, int key) { return item.id < key; });
    if (found == std::end(kInsertItems) || found->id != id) return nullptr;
    return found->text;
}
