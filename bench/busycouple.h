#pragma once
// The busy coupled return the benchmarks measure: an Ontario couple with 30
// slips a spouse (T4s, T5s and T3s).

#include <memory>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "familytaxdata.h"
#include "scenario.h"

namespace BenchReturns {

// A coupled Ontario return with 30 slips a spouse: T4s, T5s and T3s.
inline QByteArray busyCouple()
{
    auto person = [](const char* first, const char* sin, int seed) {
        QJsonArray slips;
        for (int i = 0; i < 10; ++i) {
            slips.append(QJsonObject{{"type", 1},
                                     {"boxes", QJsonObject{{"14", 4000.0 + seed + i}, {"16", 150.0}, {"18", 60.0}, {"22", 500.0}}},
                                     {"fields", QJsonObject{{"province_of_employment", 9}}}});
            slips.append(QJsonObject{{"type", 8}, {"boxes", QJsonObject{{"13", 120.0 + i}, {"24", 80.0}, {"25", 110.4}}}});
            slips.append(QJsonObject{{"type", 9}, {"boxes", QJsonObject{{"26", 35.0 + i}, {"49", 20.0}, {"50", 27.6}}}});
        }
        return QJsonObject{{"t1", QJsonObject{{"first_name", first}, {"last_name", "Lee"}, {"sin", sin},
                                              {"birth_date", "1970-05-01"}, {"marital_status", 0}}},
                           {"slips", slips}};
    };
    const QJsonObject root{{"province", 9}, {"taxpayer", person("Ann", "046454286", 0)},
                           {"spouse", person("Bo", "130692544", 7)}};
    return QJsonDocument(root).toJson();
}

inline std::unique_ptr<CFamilyTaxData> buildBusyCouple()
{
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(busyCouple(), &error);
    if (!family) qFatal("scenario: %s", qPrintable(error));
    return family;
}

} // namespace BenchReturns
