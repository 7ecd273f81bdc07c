#pragma once

#include "storage/recoveryschedule.h"
#include "storage/recoverystore.h"

#include <QElapsedTimer>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

class EstimateDocument;
class Host;

// Keeps the recovery file of the main window's estimate: after a change (the modified flag set)
// it writes the estimate on RecoverySchedule's times, on a thread of its own so that typing never
// waits for the disk; when the estimate is saved, read or closed the file goes.
class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    RecoveryKeeper(EstimateDocument &doc, Host &host, const QString &folder, QObject *parent = nullptr);
    ~RecoveryKeeper() override;

    // Start-up: offers what a program that did not end normally left, then takes a recovery file
    // of its own. Returns true when an estimate was restored.
    bool start();

    // The document may have changed: schedules a write while it has unsaved changes, removes the
    // recovery file once it has none.
    void documentChanged();
    // The window closes normally: nothing is kept.
    void discard();

    const RecoveryStore &store() const { return m_store; }

private:
    void writeNow();
    void arm();

    EstimateDocument &m_doc;
    Host &m_host;
    RecoveryStore m_store;
    RecoverySchedule m_schedule;
    QElapsedTimer m_clock;
    QTimer m_timer;
    QThreadPool m_writer;
    bool m_started = false;
};
