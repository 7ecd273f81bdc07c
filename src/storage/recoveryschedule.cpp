#include "storage/recoveryschedule.h"

#include <algorithm>

void RecoverySchedule::changed(qint64 now)
{
    if (!m_firstPending)
        m_firstPending = now;
    m_lastChange = now;
}

void RecoverySchedule::written(qint64 now)
{
    m_lastWrite = now;
    m_firstPending.reset();
}

void RecoverySchedule::discarded()
{
    m_firstPending.reset();
}

std::optional<qint64> RecoverySchedule::dueAt() const
{
    if (!m_firstPending)
        return std::nullopt;
    const qint64 settled = std::min(m_lastChange + m_quiet, *m_firstPending + m_spacing);
    return m_lastWrite ? std::max(settled, *m_lastWrite + m_spacing) : settled;
}
