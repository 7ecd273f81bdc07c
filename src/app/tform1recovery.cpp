// Crash recovery of the main window's estimate.

#include "app/tform1.h"

#include "app/recoverykeeper.h"

void TForm1::startRecovery(const QString &folder)
{
    m_recovery = std::make_unique<RecoveryKeeper>(m_doc, *m_host, folder);
    m_recovery->start();
    refresh();
}
