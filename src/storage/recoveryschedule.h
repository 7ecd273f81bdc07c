#pragma once

#include <QtGlobal>

#include <optional>

// When the recovery file of the running estimate is written: a short quiet time after a change
// (so that a burst of typing costs one write), never sooner than a fixed spacing after the last
// write, and never later than that spacing after the first change not yet written, however long
// the changes go on. Times are milliseconds on any steady clock.
class RecoverySchedule
{
public:
    static constexpr qint64 defaultQuiet = 2'000;
    static constexpr qint64 defaultSpacing = 30'000;

    explicit RecoverySchedule(qint64 quiet = defaultQuiet, qint64 spacing = defaultSpacing)
        : m_quiet(quiet), m_spacing(spacing)
    {
    }

    // The estimate changed at `now`.
    void changed(qint64 now);
    // The recovery file was written at `now` with every change so far.
    void written(qint64 now);
    // The estimate was saved or closed: nothing is pending.
    void discarded();

    // When the next write is due; nullopt when nothing is pending.
    std::optional<qint64> dueAt() const;

private:
    qint64 m_quiet;
    qint64 m_spacing;
    std::optional<qint64> m_lastWrite;
    std::optional<qint64> m_firstPending;
    qint64 m_lastChange = 0;
};
