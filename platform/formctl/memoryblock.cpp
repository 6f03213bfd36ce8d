#include "memoryblock.h"

#include "mydatastream.h"

void CMemoryBlock::WriteToT1BarcodeArchive(MyDataStream& stream) const
{
    stream << qint32(m_bytes.size());
    stream.writeRawData(m_bytes.constData(), m_bytes.size());
}
