#include "app/recoverykeeper.h"

#include "estimate/document.h"
#include "storage/estimatefile.h"
#include "storage/recovery.h"

RecoveryKeeper::RecoveryKeeper(EstimateDocument &doc, Host &host, const QString &folder, QObject *parent)
    : QObject(parent), m_doc(doc), m_host(host), m_store(folder)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    m_writer.setMaxThreadCount(1); // one write at a time, in the order they were made
}

RecoveryKeeper::~RecoveryKeeper()
{
    m_writer.waitForDone();
}

bool RecoveryKeeper::start()
{
    const bool restored = recovery::offerLeftovers(m_doc, m_host, m_store);
    m_started = m_store.open();
    documentChanged();
    return restored;
}

void RecoveryKeeper::documentChanged()
{
    if (!m_started)
        return;
    if (m_doc.kidou != 1) {
        discard();
        return;
    }
    m_schedule.changed(m_clock.elapsed());
    arm();
}

void RecoveryKeeper::discard()
{
    m_timer.stop();
    m_schedule.discarded();
    m_writer.waitForDone(); // a write still running would bring the file back
    m_store.remove();
}

void RecoveryKeeper::arm()
{
    const std::optional<qint64> due = m_schedule.dueAt();
    if (!due)
        return;
    m_timer.start(int(std::max<qint64>(0, *due - m_clock.elapsed())));
}

void RecoveryKeeper::writeNow()
{
    if (m_doc.kidou != 1)
        return;
    // The records are taken here, on the window's thread, where the document lives; encoding and
    // writing them (with the sync to the disk) happen on the writer's thread.
    const QString name = m_doc.estimatePath;
    const QStringList records = estimatefile::records(m_doc);
    const RecoveryStore *store = &m_store;
    m_writer.start([store, name, records] { store->write(recovery::content(name, records)); });
    m_schedule.written(m_clock.elapsed());
}
