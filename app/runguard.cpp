#include "runguard.h"

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/types.h>
#include <unistd.h>

namespace {
// The segment holds the owner's process id.
constexpr int kSegmentSize = 8;
}

QString RunGuard::sharedMemoryKey(const QString& key)
{
    const QByteArray bytes = key.toUtf8() + "_qlmr";
    return QString::fromLatin1(bytes.constData());
}

RunGuard::RunGuard(const QString& key, QObject* parent)
    : m_key(key), m_sharedmemKey(sharedMemoryKey(key)), m_sharedMem(m_sharedmemKey, parent)
{
}

RunGuard::~RunGuard()
{
    if (m_sharedMem.isAttached()) m_sharedMem.detach();
}

bool RunGuard::tryToRun()
{
    if (m_sharedMem.create(kSegmentSize, QSharedMemory::ReadWrite)) {
        m_sharedMem.attach(QSharedMemory::ReadWrite);
        claim();
        return true;
    }
    if (m_sharedMem.errorString().contains(QLatin1String("unable to set key on lock"))) return true;
    if (m_sharedMem.error() != QSharedMemory::AlreadyExists) return false;

    // A copy killed outright never detaches, and its segment outlives it:
    // only a living owner keeps this copy out.
    if (!m_sharedMem.attach(QSharedMemory::ReadWrite)) return false;
    if (!m_sharedMem.lock()) {
        m_sharedMem.detach();
        return false;
    }
    const bool alive = ownerIsAlive();
    if (!alive) {
        const qint64 self = ::getpid();
        std::memcpy(m_sharedMem.data(), &self, sizeof self);
    }
    m_sharedMem.unlock();
    if (alive) m_sharedMem.detach();
    return !alive;
}

// Called with the segment locked.
bool RunGuard::ownerIsAlive()
{
    qint64 owner = 0;
    std::memcpy(&owner, m_sharedMem.constData(), sizeof owner);
    // 0: the copy that made the segment has not written its id yet.
    if (owner == 0) return true;
    if (owner < 0 || owner == ::getpid()) return false;
    // EPERM: the process exists but belongs to someone else.
    return ::kill(static_cast<pid_t>(owner), 0) == 0 || errno == EPERM;
}

void RunGuard::claim()
{
    if (!m_sharedMem.isAttached() || !m_sharedMem.lock()) return;
    const qint64 self = ::getpid();
    std::memcpy(m_sharedMem.data(), &self, sizeof self);
    m_sharedMem.unlock();
}
