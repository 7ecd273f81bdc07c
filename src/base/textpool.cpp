#include "base/textpool.h"

#include <cstring>
#include <utility>

// Eight bytes at a time (cell texts are short).
std::uint32_t TextPool::hashOf(QStringView text)
{
    const char *p = reinterpret_cast<const char *>(text.data());
    size_t n = size_t(text.size()) * 2;
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ n;
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t v;
        std::memcpy(&v, p, 8);
        h = (h ^ v) * 0xBF58476D1CE4E5B9ull;
        h ^= h >> 31;
    }
    std::uint64_t v = 0; // the last one to three characters, without a call to memcpy
    for (size_t i = 0; i < n; i += 2)
        v |= std::uint64_t(std::uint8_t(p[i]) | (std::uint8_t(p[i + 1]) << 8)) << (8 * i);
    h = (h ^ v) * 0x94D049BB133111EBull;
    h ^= h >> 29;
    return std::uint32_t(h) ^ std::uint32_t(h >> 32);
}

TextPool::TextPool() = default;

TextPool::TextPool(const TextPool &other)
    : m_used(other.m_used), m_slots(other.m_slots), m_free(other.m_free), m_recent(other.m_recent.size())
{
    m_chunks.reserve(other.m_chunks.size());
    for (const auto &chunk : other.m_chunks) {
        auto copy = std::make_unique<Entry[]>(chunkSize);
        std::copy(chunk.get(), chunk.get() + chunkSize, copy.get());
        m_chunks.push_back(std::move(copy));
    }
}

TextPool &TextPool::operator=(const TextPool &other)
{
    if (this != &other)
        *this = TextPool(other);
    return *this;
}

// A pool moved from is empty and usable.
TextPool::TextPool(TextPool &&other) noexcept
    : m_chunks(std::move(other.m_chunks)), m_used(std::exchange(other.m_used, 1)), m_slots(std::move(other.m_slots)),
      m_free(std::move(other.m_free)), m_recent(std::move(other.m_recent))
{
    other.m_chunks.clear();
    other.m_slots.clear();
    other.m_free.clear();
    other.m_recent.clear();
}

TextPool &TextPool::operator=(TextPool &&other) noexcept
{
    if (this != &other) {
        m_chunks = std::move(other.m_chunks);
        m_used = std::exchange(other.m_used, 1);
        m_slots = std::move(other.m_slots);
        m_free = std::move(other.m_free);
        m_recent = std::move(other.m_recent);
        other.m_chunks.clear();
        other.m_slots.clear();
        other.m_free.clear();
        other.m_recent.clear();
    }
    return *this;
}

TextPool::~TextPool() = default;

TextPool::Id TextPool::acquire(const QString &text)
{
    if (text.isEmpty())
        return 0;
    if (m_slots.empty()) {
        m_slots.resize(64);
        m_recent.resize(recentSize);
    }
    Id id = findRecent(text);
    if (id == 0) {
        const std::uint32_t h = hashOf(text);
        id = find(text, h);
        if (id == 0) {
            // A text built with room to spare (appended to) is kept at its own size.
            id = add(text.capacity() > text.size() + 8 ? QString(text.constData(), text.size()) : text, h);
        }
        m_recent[recentIndex(entry(id).text.constData())] = {entry(id).text.constData(), text.size(), id};
    }
    ++entry(id).refs; // a text no cell held comes back without a copy
    return id;
}

TextPool::Id TextPool::acquire(QStringView text)
{
    if (text.isEmpty())
        return 0;
    if (m_slots.empty()) {
        m_slots.resize(64);
        m_recent.resize(recentSize);
    }
    const std::uint32_t h = hashOf(text);
    Id id = find(text, h);
    if (id == 0)
        id = add(text.toString(), h);
    ++entry(id).refs;
    return id;
}

TextPool::Id TextPool::add(const QString &text, std::uint32_t hash)
{
    const Id id = takeId();
    Entry &e = entry(id);
    e.text = text;
    e.hash = hash;
    insertSlot(id);
    return id;
}

size_t TextPool::recentIndex(const QChar *data)
{
    const auto a = reinterpret_cast<std::uintptr_t>(data);
    return ((a >> 4) ^ (a >> 14)) & (recentSize - 1);
}

// Two texts whose characters lie at the same address, both alive, are the same shared string.
TextPool::Id TextPool::findRecent(const QString &text)
{
    const Recent &r = m_recent[recentIndex(text.constData())];
    if (r.data != text.constData() || r.size != text.size() || r.id >= m_used)
        return 0;
    const QString &held = entry(r.id).text;
    return held.constData() == r.data && held.size() == r.size ? r.id : 0;
}

TextPool::Id TextPool::find(QStringView text, std::uint32_t hash) const
{
    const size_t mask = m_slots.size() - 1;
    for (size_t s = hash & mask; m_slots[s].id != 0; s = (s + 1) & mask) {
        if (m_slots[s].hash != hash)
            continue;
        const QString &held = entry(m_slots[s].id).text;
        if (held.size() == text.size() && (held.constData() == text.data() || QStringView(held) == text))
            return m_slots[s].id;
    }
    return 0;
}

int TextPool::size() const
{
    int n = 0;
    for (Id id = 1; id < m_used; ++id)
        n += entry(id).refs > 0 ? 1 : 0;
    return n;
}

void TextPool::free(Id id)
{
    Entry &e = entry(id);
    if (!e.listed) {
        e.listed = true;
        m_free.push_back(id);
    }
}

// An id for a new text: one whose text no cell holds any more (its text leaves the table), or a
// new one.
TextPool::Id TextPool::takeId()
{
    while (!m_free.empty()) {
        const Id id = m_free.back();
        m_free.pop_back();
        Entry &e = entry(id);
        e.listed = false;
        if (e.refs != 0)
            continue; // written again since it was listed
        eraseSlot(id);
        return id;
    }
    if ((m_used >> chunkBits) >= m_chunks.size())
        m_chunks.push_back(std::make_unique<Entry[]>(chunkSize));
    return m_used++;
}

void TextPool::insertSlot(Id id)
{
    // Every allocated id is in the table; keep it at most half full.
    if (size_t(m_used) * 2 > m_slots.size())
        grow();
    const size_t mask = m_slots.size() - 1;
    const std::uint32_t h = entry(id).hash;
    size_t s = h & mask;
    while (m_slots[s].id != 0)
        s = (s + 1) & mask;
    m_slots[s] = {id, h};
}

// Removes an id from the table, moving later entries of its probe run back so that every entry
// stays reachable from its home slot.
void TextPool::eraseSlot(Id id)
{
    const size_t mask = m_slots.size() - 1;
    size_t s = entry(id).hash & mask;
    while (m_slots[s].id != id)
        s = (s + 1) & mask;
    for (size_t next = (s + 1) & mask; m_slots[next].id != 0; next = (next + 1) & mask) {
        const size_t home = m_slots[next].hash & mask;
        // The entry at `next` may move into the hole at `s` when its home is not in (s, next].
        const bool between = s <= next ? (home > s && home <= next) : (home > s || home <= next);
        if (!between) {
            m_slots[s] = m_slots[next];
            s = next;
        }
    }
    m_slots[s] = {};
}

void TextPool::grow()
{
    std::vector<Slot> table(m_slots.size() * 2);
    const size_t mask = table.size() - 1;
    for (const Slot &slot : m_slots) {
        if (slot.id == 0)
            continue;
        size_t s = slot.hash & mask;
        while (table[s].id != 0)
            s = (s + 1) & mask;
        table[s] = slot;
    }
    m_slots = std::move(table);
}
