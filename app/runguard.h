#pragma once
// Keeps a second copy of the program from starting: the first copy holds a
// small named shared-memory segment for its whole run.

#include <QSharedMemory>
#include <QString>

class QObject;

class RunGuard
{
public:
    explicit RunGuard(const QString& key, QObject* parent = nullptr);
    ~RunGuard();
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

    // True when this copy may run: it now holds the segment, or the system
    // refused the segment's lock itself. A segment left behind by a copy
    // that died without detaching is taken over.
    bool tryToRun();

    // The title's UTF-8 bytes and "_qlmr", up to the first NUL, as ASCII.
    static QString sharedMemoryKey(const QString& key);

private:
    bool ownerIsAlive();
    void claim();

    QString m_key;
    QString m_memLockKey;
    QString m_sharedmemKey;
    QSharedMemory m_sharedMem;
};
