#pragma once
// One recently opened return file as the start page lists it.

#include <QString>

class ReturnFileEntry
{
public:
    ReturnFileEntry(int id, const QString& name, const QString& time, const QString& path);

    int getId() const { return m_id; }
    QString getName() const { return m_name; }
    QString getTime() const { return m_time; }
    QString getFilepath() const { return m_filepath; }

private:
    int m_id;             // row of the recent-files table
    QString m_name;       // taxpayer, or "taxpayer & spouse"
    QString m_time;       // last open or save, as stored
    QString m_filepath;   // full path of the return file
};
