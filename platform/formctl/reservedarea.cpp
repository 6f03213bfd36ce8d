#include "reservedarea.h"

#include "mydatastream.h"

namespace {
constexpr qint32 kMaxStrings = 1024;
}

bool CReservedArea::getString(int number, CString& text) const
{
    auto it = m_strings.constFind(number);
    if (it == m_strings.constEnd()) {
        text.Empty();
        return false;
    }
    text = it.value();
    return true;
}

void CReservedArea::writeToArchive(MyDataStream& stream) const
{
    stream << qint32(m_strings.size());
    for (auto it = m_strings.constBegin(); it != m_strings.constEnd(); ++it)
        stream << qint32(it.key()) << it.value();
}

void CReservedArea::readFromArchive(MyDataStream& stream)
{
    m_strings.clear();
    qint32 count = 0;
    stream >> count;
    if (count < 0 || count > kMaxStrings) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    for (qint32 i = 0; i < count && !stream.failed(); ++i) {
        qint32 number = 0;
        CString text;
        stream >> number >> text;
        if (!stream.failed())
            m_strings[number] = text;
    }
}
