#pragma once
// The published hashes and MAC the online services sign and check with,
// on Qt's implementations: SHA-1 and SHA-256 (FIPS 180-4) and HMAC-SHA-256
// (RFC 2104).

#include <QCryptographicHash>
#include <cstddef>
#include <string>

class SHA1
{
public:
    static constexpr int kHashBytes = 20;
    SHA1() : m_hash(QCryptographicHash::Sha1) {}
    void add(const void* data, std::size_t length);
    void reset() { m_hash.reset(); }
    // The 20 bytes of the hash of everything added.
    void getHash(unsigned char* out20);

private:
    QCryptographicHash m_hash;
};

class SHA256
{
public:
    static constexpr int kHashBytes = 32;
    SHA256() : m_hash(QCryptographicHash::Sha256) {}
    void add(const void* data, std::size_t length);
    void reset() { m_hash.reset(); }
    // The hash of everything added: 64 lower-case hex digits, or 32 bytes.
    std::string getHash();
    void getHash(unsigned char* out32);

private:
    QCryptographicHash m_hash;
};

// HMAC-SHA-256 of `data` under `key` (a key longer than the 64-byte block is
// first replaced by its SHA-256); 32 bytes into `out32`.
void hmacSha256(const void* data, std::size_t dataLength, const void* key, std::size_t keyLength,
                unsigned char* out32);
