#pragma once

#include "ExPrinterRecords.h"

#include <QByteArrayView>
#include <cstdint>
#include <vector>

namespace sw {

// Finds a field by its upper-cased name in about constant time. Each slot holds only the name's
// hash and the field's position, eight bytes, so the table stays in cache on layouts of tens of
// thousands of fields; the names themselves are compared in the records on a hash match.
class FieldNameIndex {
public:
    // upperName: the name already upper-cased (stored names are ASCII identifiers).
    int find(QByteArrayView upperName, const std::vector<TExPrinterField>& fields) const;
    // Adds the field at position index under upperName, which must not be in the index yet.
    void insert(QByteArrayView upperName, int index);
    void reserve(qsizetype count);
    void clear();

private:
    static uint32_t hashOf(QByteArrayView upperName);
    void grow(size_t capacity);

    std::vector<uint64_t> m_slots; // (hash << 32) | (index + 1); 0 = empty
    size_t m_count = 0;
};

} // namespace sw
