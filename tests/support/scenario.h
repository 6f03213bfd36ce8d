#pragma once
// A return described as a small JSON scenario, built into a family return the
// way the program builds a new one. Tests describe their returns this way, and
// scenario2r21 saves a scenario as a return file for the batch report.
//
//   { "province": 9,
//     "taxpayer": { "t1": { "first_name": "Ann", "last_name": "Lee", "sin": "046454286",
//                           "birth_date": "1960-05-01", "marital_status": 5,
//                           "lines": { "10400": 250 }, "fields": { "date_of_entry": "2021-03-01" } },
//                   "slips": [ { "type": 1, "boxes": { "14": 60000 }, "fields": { "province_of_employment": 9 } } ],
//                   "forms": [ { "type": 9, "fields": { "donations": [ { "name": "X", "amount": 100 } ] } } ],
//                   "dependants": [ { "first_name": "Kim", "birth_date": "2015-06-01", "relationship": 1 } ] },
//     "spouse": { "province": 9, "t1": { ... }, "slips": [], "forms": [] },
//     "expected": { "taxpayer": { "15000": 60000, "ON428:58689": 1921.89 }, "spouse": { ... } } }
//
// An expected key is a T1 line, or a form's short name, a colon and one of
// that form's lines (the provincial forms' lines, "ON428:58160").
//
// Every name is checked: an unknown type, key, line, box or field, a
// calculated line given as input, or a value of the wrong kind is an error
// that names it with its place in the scenario.

#include <memory>

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>

class CFamilyTaxData;

class Scenario
{
public:
    enum Person { Taxpayer, Spouse };

    // Reads a scenario's JSON and its expected block; a null scenario and
    // *error on a fault. The rest is checked when it is built.
    static Scenario parse(const QByteArray& json, QString* error);
    // Reads and builds in one step.
    static std::unique_ptr<CFamilyTaxData> build(const QByteArray& json, QString* error);

    bool isNull() const { return m_root.isEmpty(); }
    bool isCoupled() const { return m_root.contains(QLatin1String("spouse")); }
    // The family return, calculated once as a new return is; null and
    // *error naming the fault.
    std::unique_ptr<CFamilyTaxData> build(QString* error) const;
    // The amounts the scenario's own test asserts, by line number.
    QMap<QString, double> expected(Person person) const { return m_expected[person]; }
    // An expected key split into the form type (1, the T1, without a form
    // name) and the line; 0 for a form name no form has.
    static int formOfExpected(const QString& key, QString* line);

private:
    QJsonObject m_root;
    QMap<QString, double> m_expected[2];
};
