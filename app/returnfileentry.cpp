#include "returnfileentry.h"

ReturnFileEntry::ReturnFileEntry(int id, const QString& name, const QString& time, const QString& path)
    : m_id(id), m_name(name), m_time(time), m_filepath(path)
{
}
