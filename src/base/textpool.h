#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <vector>

// The distinct texts of one grid, each held once with the number of cells that hold it. A cell
// then needs only the 4-byte id of its text: most cells of an estimate repeat ("0", "100", units,
// kinds, item names). Id 0 is the empty text.
//
// A text stays at its place for as long as the pool lives, so a reference to it stays valid while
// cells change. A text no cell holds any more keeps its id until a new text needs one: writing it
// again (as the next compilation of the same sheet does) costs no allocation.
class TextPool
{
public:
    using Id = std::uint32_t;

    TextPool();
    TextPool(const TextPool &other);
    TextPool &operator=(const TextPool &other);
    TextPool(TextPool &&other) noexcept;
    TextPool &operator=(TextPool &&other) noexcept;
    ~TextPool();

    const QString &text(Id id) const { return id == 0 ? s_empty : entry(id).text; }

    // The id of `text` with one more holder, the text added when it is new.
    Id acquire(const QString &text);
    // The same for text given as a view: a string is made only when the text is new.
    Id acquire(QStringView text);
    // Whether the text of `id` is `text` itself (the same shared characters).
    bool holds(Id id, const QString &text) const
    {
        const QString &held = this->text(id);
        return held.constData() == text.constData() && held.size() == text.size();
    }
    // Whether the text of `id` reads `text`.
    bool reads(Id id, QStringView text) const
    {
        const QString &held = this->text(id);
        if (held.size() != text.size())
            return false;
        const QChar *a = held.constData();
        const QChar *b = text.data();
        for (qsizetype i = 0; i < text.size(); ++i) // cell texts are short: no call
            if (a[i] != b[i])
                return false;
        return true;
    }
    // One more holder of a text already in the pool.
    void retain(Id id)
    {
        if (id != 0)
            ++entry(id).refs;
    }
    // One holder fewer.
    void release(Id id)
    {
        if (id != 0 && --entry(id).refs == 0)
            free(id);
    }

    // The hash the pool files a text under; quick for short texts.
    static std::uint32_t hashOf(QStringView text);

    // Distinct texts, for the tests.
    int size() const;

private:
    struct Entry {
        QString text;
        std::uint32_t hash = 0;
        std::uint32_t refs : 31 = 0;
        std::uint32_t listed : 1 = 0; // on the free list
    };
    static constexpr int chunkBits = 10;
    static constexpr Id chunkSize = Id(1) << chunkBits;

    Entry &entry(Id id) { return m_chunks[id >> chunkBits][id & (chunkSize - 1)]; }
    const Entry &entry(Id id) const { return m_chunks[id >> chunkBits][id & (chunkSize - 1)]; }

    static inline const QString s_empty;
    // A slot of the hash table: the id and its text's hash, so that a probe reads no entry
    // whose hash differs.
    struct Slot {
        Id id = 0; // 0: free
        std::uint32_t hash = 0;
    };
    // A text written lately, by the address of its characters: a cell copied from another cell
    // (most of a compilation's writes) is found without reading its characters.
    struct Recent {
        const QChar *data = nullptr;
        qsizetype size = 0;
        Id id = 0;
    };
    static constexpr size_t recentSize = 1024;

    static size_t recentIndex(const QChar *data);
    Id findRecent(const QString &text);
    Id find(QStringView text, std::uint32_t hash) const;
    Id add(const QString &text, std::uint32_t hash);
    void free(Id id);
    Id takeId();
    void insertSlot(Id id);
    void eraseSlot(Id id);
    void grow();

    std::vector<std::unique_ptr<Entry[]>> m_chunks; // chunks never move: references stay valid; id 0 unused
    Id m_used = 1;                                   // ids below are allocated (0 the empty text)
    std::vector<Slot> m_slots;                       // open addressing by hash
    std::vector<Id> m_free;                          // ids whose text no cell holds
    std::vector<Recent> m_recent;                    // recentSize entries by address, once used
};
