#include "hashes.h"

#include <QMessageAuthenticationCode>
#include <cstring>

namespace {

QByteArray view(const void* data, std::size_t length)
{
    return QByteArray::fromRawData(static_cast<const char*>(data), int(length));
}

// QCryptographicHash takes an int length: feed larger inputs in pieces.
void feed(QCryptographicHash& hash, const void* data, std::size_t length)
{
    const char* at = static_cast<const char*>(data);
    while (length > 0) {
        const std::size_t piece = length < (1u << 30) ? length : (1u << 30);
        hash.addData(at, int(piece));
        at += piece;
        length -= piece;
    }
}

} // namespace

void SHA1::add(const void* data, std::size_t length)
{
    if (data) feed(m_hash, data, length);
}

void SHA1::getHash(unsigned char* out20)
{
    const QByteArray result = m_hash.result();
    std::memcpy(out20, result.constData(), kHashBytes);
}

void SHA256::add(const void* data, std::size_t length)
{
    if (data) feed(m_hash, data, length);
}

std::string SHA256::getHash()
{
    return m_hash.result().toHex().toStdString();
}

void SHA256::getHash(unsigned char* out32)
{
    const QByteArray result = m_hash.result();
    std::memcpy(out32, result.constData(), kHashBytes);
}

void hmacSha256(const void* data, std::size_t dataLength, const void* key, std::size_t keyLength,
                unsigned char* out32)
{
    const QByteArray mac = QMessageAuthenticationCode::hash(view(data, data ? dataLength : 0),
                                                            view(key, key ? keyLength : 0), QCryptographicHash::Sha256);
    std::memcpy(out32, mac.constData(), SHA256::kHashBytes);
}
