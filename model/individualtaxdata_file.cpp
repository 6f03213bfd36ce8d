// A person's block of the return file: written and read by one routine.

#include <QIODevice>

#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "mydatastream.h"
#include "prompt.h"
#include "returnfile.h"
#include "taxdataform.h"

using namespace ReturnFile;

namespace {

bool droppedWhenRead(int type, int taxYear)
{
    switch (type) {
    case 100: case 114: case 115: case 120: case 134: case 141: case 8:
        return true;
    case 19: case 22: case 33:
        if (taxYear > 2007) return true;
        break;
    default:
        break;
    }
    return IsFormExpired(type, 0);
}

void showDamaged()
{
    Prompt::message(Prompt::Kind::Warning, QString::fromLatin1(kMessageTitle), QString::fromLatin1(kDamagedText),
                    Prompt::Ok, Prompt::Ok);
}

bool plausibleCount(qint32 count, int most)
{
    return count >= 0 && count <= most;
}

void writeMarkers(MyDataStream& stream)
{
    for (int i = 0; i < kMarkerRun; ++i) stream << qint8(kMarker);
}

void readMarkers(MyDataStream& stream)
{
    qint8 b = 0;
    for (int i = 0; i < kMarkerRun; ++i) stream >> b;   // their values are not tested
}

} // namespace

int IndividualTaxData::serialize(unsigned char edition, MyDataStream& stream)
{
    if (stream.IsStoring()) {
        // The summary form goes first, so that readers meet it before the rest.
        for (auto it = m_forms.begin(); it != m_forms.end(); ++it) {
            if ((*it)->formType != FormType::Summary) continue;
            STRUCT_FORMDATA_ITEM_2004* summary = *it;
            m_forms.erase(it);
            m_forms.push_front(summary);
            break;
        }
        m_fileVersion = kVersion;
        m_taxYear = kTaxYear;
        stream << qint32(m_fileVersion) << qint32(m_taxYear) << qint32(0) << qint32(m_storedValue);
        m_reserved.setString(1, m_readPassword);
        m_reserved.setString(2, kReservedText);
        m_reserved.writeToArchive(stream);
        const CString reservedText(kReservedText);
        stream << qint32(m_nextUniqueId) << qint32(m_mainProvince);

        stream << qint32(m_forms.size());
        for (STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
            stream << qint32(item->formType) << qint32(item->uniqueId) << qint32(item->sharedId);
            item->object->Serialize(m_fileVersion, reservedText, stream);
        }
        stream << qint32(m_slips.size());
        for (STRUCT_SLIPDATA_ITEM_2004* item : m_slips) {
            stream << qint32(item->slipType) << qint32(item->uniqueId) << qint32(item->sharedId);
            item->object->Serialize(m_fileVersion, reservedText, stream);
        }
        stream << qint32(m_notes.size());
        for (STRUCT_NOTEDATA_ITEM_2004* item : m_notes) {
            stream << qint32(1) << qint32(item->noteId);
            item->object->Serialize(m_fileVersion, reservedText, stream);
        }
        writeMarkers(stream);
        WriteBarcode(true, stream);
        writeMarkers(stream);
        return m_fileVersion;
    }

    // ---- reading
    auto damaged = [&]() {
        showDamaged();
        return kDamaged;
    };
    qint32 version = 0, year = 0;
    stream >> version >> year;
    if (stream.failed()) return damaged();
    m_fileVersion = version;
    m_taxYear = year;
    if ((quint32(version) >> 16) != 1) return damaged();
    if (version >= kFirstRefusedVersion) {
        Prompt::message(Prompt::Kind::Warning, QString::fromLatin1(kMessageTitle), QString::fromLatin1(kTooNewText),
                        Prompt::Ok, Prompt::Ok);
        return kDamaged;
    }
    qint32 value = 0;
    if (version >= kSince_IgnoredInt) stream >> value;
    m_storedValue = -100;
    if (version >= kSince_StoredValue) {
        stream >> value;
        m_storedValue = value;
    }
    m_reserved.readFromArchive(stream);
    if (stream.failed()) return damaged();
    m_reserved.getString(1, m_readPassword);
    if (version < kSince_Password) m_readPassword.Empty();
    CString reservedText;
    m_reserved.getString(2, reservedText);

    qint32 nextId = 0, province = 0;
    stream >> nextId >> province;
    // A province outside the table is not a return's: the header is damaged
    // (0 is a spouse's block of a single return).
    if (stream.failed() || (province != 0 && !provInfo(province))) return damaged();
    m_nextUniqueId = nextId;
    setMainProvince(province);

    qint32 count = 0;
    stream >> count;
    if (stream.failed() || !plausibleCount(count, kMaxForms)) return damaged();
    bool summaryMet = false;
    for (qint32 i = 0; i < count; ++i) {
        qint32 type = 0, id = 0, sharedId = 0;
        stream >> type;
        if (version >= kSince_FormIds) {
            stream >> id >> sharedId;
        } else {
            id = GetNextUniqueID();
            sharedId = 0;
        }
        if (stream.failed()) return damaged();
        bool stays = !droppedWhenRead(type, m_taxYear);
        if (type == FormType::Summary) {
            if (summaryMet) stays = false;
            summaryMet = true;
        }
        STRUCT_FORMDATA_ITEM_2004* item = nullptr;
        if (stays && !IsMultipleForm(type) && GetCountOfForm(type) == 1) {
            item = GetFormDataItem(type, false);
        } else {
            item = NewFormDataItem(type, id, stays, sharedId, false);
        }
        if (!item && !stays) {
            // A retired type no class makes any more: its fields are stored by
            // name, so a plain object can consume them and the rest of the
            // file is still read.
            item = new STRUCT_FORMDATA_ITEM_2004;
            item->formType = type;
            item->object = new CTaxData_Form(FROM_FORM, type);
        }
        if (!item) return kFormNotCreated;
        const int read = item->object->Serialize(version, reservedText, stream);
        if (type == FormType::T1M && stays) m_carriedT1MAmount = item->object->getFloat("carried_forward_to_next_year");
        if (!stays) {
            if (!m_provMgr.FreeFormData(item->object, false)) delete item->object;
            delete item;
        }
        if (read != 0 || stream.failed()) return damaged();
    }

    stream >> count;
    if (stream.failed() || !plausibleCount(count, kMaxSlips)) return damaged();
    for (qint32 i = 0; i < count; ++i) {
        qint32 type = 0, id = 0, sharedId = 0;
        stream >> type >> id;
        if (version >= kSince_SlipSharedId) stream >> sharedId;
        if (stream.failed()) return damaged();
        STRUCT_SLIPDATA_ITEM_2004* item = NewSlipData(type, id, sharedId);
        if (!item) return kSlipNotCreated;
        if (item->object->Serialize(version, reservedText, stream) != 0 || stream.failed()) return damaged();
    }

    if (version >= kSince_Notes) {
        stream >> count;
        if (stream.failed() || !plausibleCount(count, kMaxNotes)) return damaged();
        for (qint32 i = 0; i < count; ++i) {
            qint32 kind = 0, id = 0;
            stream >> kind >> id;
            if (stream.failed()) return damaged();
            STRUCT_NOTEDATA_ITEM_2004* item = NewNoteData(id);
            if (!item) return kNoteNotCreated;
            if (item->object->Serialize(version, reservedText, stream) != 0 || stream.failed()) return damaged();
        }
    }

    if (version >= kSince_Barcode) {
        readMarkers(stream);
        ReadBarcode(stream);
        readMarkers(stream);
        if (stream.failed()) return damaged();
    }
    DoSthAfterReading(edition);
    return version;
}

namespace {
IndividualTaxData::BarcodeWriter s_barcodeWriter = nullptr;
}

void IndividualTaxData::installBarcodeWriter(BarcodeWriter writer) { s_barcodeWriter = writer; }
IndividualTaxData::BarcodeWriter IndividualTaxData::barcodeWriter() { return s_barcodeWriter; }

int IndividualTaxData::WriteBarcode(bool, MyDataStream& stream)
{
    if (s_barcodeWriter) return s_barcodeWriter(*this, stream);
    // Without the writer installed: a return without barcode blocks.
    stream << qint32(0);
    return 0;
}

int IndividualTaxData::ReadBarcode(MyDataStream& stream)
{
    auto skip = [&](qint32 size) {
        if (stream.skipRawData(size) != size) stream.setStatus(QDataStream::ReadPastEnd);
    };
    qint32 size = 0;
    stream >> size;
    if (stream.failed() || size < 1) return 0;
    skip(size);
    qint32 count = 0;
    stream >> count;
    if (stream.failed() || count < 1) return 0;
    if (m_fileVersion >= kSince_BarcodeLayout) {
        for (qint32 i = 0; i < count && !stream.failed(); ++i) {
            stream >> size;
            if (!stream.failed() && size > 0) skip(size);
        }
        return 0;
    }
    // Older files laid their statement blocks out otherwise: find the
    // closing run of markers instead.
    QIODevice* device = stream.device();
    if (!device) return 0;
    const qint64 start = device->pos();
    const QByteArray ahead = device->peek(3100);
    if (ahead.size() < 9) return 0;
    const QByteArray run(kMarkerRun, kMarker);
    // A run that ends exactly where the peeked bytes end counts too.
    for (int i = 0; i + kMarkerRun <= ahead.size(); ++i) {
        if (ahead.mid(i, kMarkerRun) == run) {
            device->seek(start + i);
            return 0;
        }
    }
    return 0;
}
