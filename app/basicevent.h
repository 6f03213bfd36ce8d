#pragma once
// History events (tb_history) and taxpayers (tb_taxpayers) of the local
// database. Stateless: every operation works on the connection it is given,
// which is the local database manager's.

#include <list>

#include <QSqlDatabase>

#include "cstring.h"

// One tb_history row.
struct _STRUCT_EVENT_MSG_
{
    int id = 0;
    int uid = 0;
    int eventid = 0;
    CString msg;   // as stored (still encoded when it was written encoded)
};

class CBasicEvent
{
public:
    enum EventId {
        EVENT_FIRST_START = 1001,   // uid 0, encoded seconds since the epoch, with time, unique
        EVENT_CONFIG_SETTING = 1007,
        EVENT_FILING_MADE = 1018,   // per taxpayer, after the electronic return was made
        EVENT_FILING_FILED = 1019,  // per taxpayer, after the return was marked as filed
    };

    CBasicEvent();
    virtual ~CBasicEvent();

    // Writes one event; with `unique` the earlier rows of the event for the
    // same uid go first (uid 0: every row of the event). With `encode` the
    // text's UTF-8 bytes are stored newbase64-encoded, whatever their length.
    // The new row's id, 0 on failure.
    static int saveUniqueEvent(QSqlDatabase& db, int uid, int eventId, const CString& text,
                               bool encode, bool withTime, bool unique);
    // Appends the rows of the event in the order written; their number, -100
    // on an exception.
    static int findByEventID(QSqlDatabase& db, int eventId, std::list<_STRUCT_EVENT_MSG_>& rows);
    static bool removeByEventID(QSqlDatabase& db, int eventId);

    // Records name=value as an encoded, untimed event 1007; 0.
    static int setConfigSetting(QSqlDatabase& db, const char* name, const CString& value);
    // The value of the newest event 1007 for name; 1 when found, 0 when not,
    // -100 on an exception.
    static int getConfigSetting(QSqlDatabase& db, const char* name, CString& value);

    // Updates name, phone and e-mail of the newest row of the S.I.N., or
    // inserts one; its id, 0 on failure. Rows are keyed by the S.I.N.'s
    // digits (`sinDigits`), as the tax-data download keys its own, so a
    // number typed grouped finds the same taxpayer.
    static int findUserIDAndUpdateUser(QSqlDatabase& db, const CString& sin, const CString& name,
                                       const CString& phone, const CString& email);
    // The newest row of the S.I.N.: its id and name, and each text of its
    // filing records 1018 and 1019 appended to `log` with a separator line.
    // 0, with name and log unchanged, for an unknown S.I.N.
    static int findFilingStatusFromUserID(QSqlDatabase& db, const CString& sin, CString& name, CString& log);
};
