#pragma once
// A person's downloaded tax data in the local database: the taxpayer's row
// in tb_taxpayers (found by S.I.N., or made with an empty name) and one row
// of tb_taxdata per taxpayer holding the XML as received and its page.
// Every statement runs on the connection handed in, so a worker thread uses
// its own named connection.

#include <cstdio>
#include <string>

#include "cstring.h"

class QSqlDatabase;
class TDDTaxDataOnePerson;

// The id of the taxpayer with that S.I.N. and its name (empty when none is
// stored); 0 when there is no such row or the statement fails.
int locateIDForSIN(QSqlDatabase* db, const std::string& sin, CString& name);
// Adds a taxpayer with an empty name; its id, 0 when the insert fails.
int saveSINReturnID(QSqlDatabase* db, const std::string& sin);
// Replaces the taxpayer's rows of tb_taxdata by one row, in one transaction:
// 2 when stored, 0 when not (the earlier rows then stay). A uid below 1
// stores nothing.
int updateDataForSIN(QSqlDatabase* db, int uid, const char* time, const char* xml, const char* html, int year);
// The taxpayer's id, found or made; 0 (logged) when neither works.
int locateOrMakeTaxpayer(QSqlDatabase* db, FILE* log, const std::string& sin, CString& name);

// Renders the record and stores it; 1 when its row was stored, else 0. The
// caller counts only stored rows.
int saveToSqliteDB(const TDDTaxDataOnePerson& record, QSqlDatabase* db, FILE* log, const std::string& sin,
                   const std::string& xml);
