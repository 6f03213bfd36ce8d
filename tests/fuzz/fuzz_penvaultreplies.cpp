// The e-signature service's replies: any bytes read as a status reply (the
// text shown and the signing time), as an upload's reply and as a signing
// time on their own. A signing time read must be a valid UTC time.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "penvaultreplies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const PenvaultStatus status = readStatusReply(text);
    if (status.signedAtUtc.isValid() && status.signedAtUtc.timeSpec() != Qt::UTC) std::abort();
    if (status.text.isEmpty()) std::abort();
    QString message;
    int id = 0;
    penvaultReplyText(text, "message", message);
    penvaultReplyInt(text, "sr_id", id);
    const QDateTime alone = readSigningTime(text);
    if (alone.isValid() && alone.timeSpec() != Qt::UTC) std::abort();
    return 0;
}
