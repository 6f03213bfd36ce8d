#pragma once
// A temporary local database whose GUI-thread connection stays open while a
// worker thread writes through a connection of its own, as a download does;
// and the download's log in a temporary file.

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QVariant>
#include <cstdio>
#include <functional>
#include <memory>

#include "sqlitedbmanager.h"

class WorkerDb
{
public:
    bool open()
    {
        CString folder(m_dir.path());
        return m_dir.isValid() && m_manager.openDBFile(folder) == 0;
    }
    QString folder() const { return m_dir.path(); }
    QSqlDatabase& gui() { return m_manager.getDBHandle(); }

    // Runs `work` on a new thread with its own connection named `name`; the
    // log it writes is returned.
    QByteArray onWorker(const QString& name, const std::function<void(QSqlDatabase*, FILE*)>& work)
    {
        const QString logPath = m_dir.filePath(name + ".log");
        FILE* log = std::fopen(QFile::encodeName(logPath).constData(), "w");
        std::unique_ptr<QThread> thread(QThread::create([&] {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
                if (m_manager.openExtraDBHandle(db)) work(&db, log);
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        }));
        thread->start();
        thread->wait();
        if (log) std::fclose(log);
        QFile file(logPath);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    // One value read on the GUI thread's connection; an invalid one when none.
    QVariant value(const QString& sql)
    {
        QSqlQuery query(gui());
        if (!query.exec(sql) || !query.next()) return QVariant();
        return query.value(0);
    }
    bool run(const QString& sql) { return QSqlQuery(gui()).exec(sql); }
    const CSqliteDBManager& manager() const { return m_manager; }

private:
    QTemporaryDir m_dir;
    CSqliteDBManager m_manager;
};
