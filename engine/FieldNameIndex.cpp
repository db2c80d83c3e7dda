#include "FieldNameIndex.h"

#include <algorithm>

namespace sw {

namespace {
bool equalsUpper(const ShortString<30>& stored, QByteArrayView upperName) {
    const QByteArrayView name = stored.view();
    if (name.size() != upperName.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != upperName[i])
            return false;
    }
    return true;
}
} // namespace

uint32_t FieldNameIndex::hashOf(QByteArrayView upperName) {
    uint32_t h = 2166136261u; // FNV-1a
    for (char c : upperName) {
        h ^= static_cast<uint8_t>(c);
        h *= 16777619u;
    }
    return h;
}

int FieldNameIndex::find(QByteArrayView upperName,
                         const std::vector<TExPrinterField>& fields) const {
    if (m_slots.empty())
        return -1;
    const uint32_t h = hashOf(upperName);
    const size_t mask = m_slots.size() - 1;
    for (size_t i = h & mask;; i = (i + 1) & mask) {
        const uint64_t slot = m_slots[i];
        if (slot == 0)
            return -1;
        if (static_cast<uint32_t>(slot >> 32) == h) {
            const int index = static_cast<int>(static_cast<uint32_t>(slot)) - 1;
            if (equalsUpper(fields[static_cast<size_t>(index)].Name, upperName))
                return index;
        }
    }
}

void FieldNameIndex::insert(QByteArrayView upperName, int index) {
    if ((m_count + 1) * 2 > m_slots.size())
        grow(m_slots.empty() ? 16 : m_slots.size() * 2);
    const uint32_t h = hashOf(upperName);
    const size_t mask = m_slots.size() - 1;
    size_t i = h & mask;
    while (m_slots[i] != 0)
        i = (i + 1) & mask;
    m_slots[i] = (static_cast<uint64_t>(h) << 32) | static_cast<uint32_t>(index + 1);
    ++m_count;
}

void FieldNameIndex::reserve(qsizetype count) {
    size_t capacity = 16;
    while (capacity < static_cast<size_t>(count) * 2)
        capacity *= 2;
    if (capacity > m_slots.size())
        grow(capacity);
}

void FieldNameIndex::clear() {
    // The table keeps its room: a layout is usually reloaded at about the same size.
    std::fill(m_slots.begin(), m_slots.end(), 0);
    m_count = 0;
}

void FieldNameIndex::grow(size_t capacity) {
    std::vector<uint64_t> old;
    old.swap(m_slots);
    m_slots.assign(capacity, 0);
    const size_t mask = capacity - 1;
    for (uint64_t slot : old) {
        if (slot == 0)
            continue;
        size_t i = static_cast<uint32_t>(slot >> 32) & mask;
        while (m_slots[i] != 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

} // namespace sw
