#include "scenario.h"

#include <cmath>
#include <limits>
#include <set>

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QStringList>

#include "dependantinfo.h"
#include "familytaxdata.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "t1.h"
#include "taxdataform.h"

namespace {

constexpr int kT1032 = 118;   // the pension-splitting election both spouses file

bool isNumberName(const QString& name)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(name).hasMatch();
}

bool isWholeNumber(const QJsonValue& value)
{
    if (!value.isDouble()) return false;
    const double d = value.toDouble();
    return std::floor(d) == d && d >= std::numeric_limits<int>::min() && d <= std::numeric_limits<int>::max();
}

// Only "YYYY-MM-DD" of a real day; anything else is a fault, never a blank date.
QDate parseDate(const QJsonValue& value)
{
    static const QRegularExpression form(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    if (!value.isString() || !form.match(value.toString()).hasMatch()) return QDate();
    return QDate::fromString(value.toString(), QStringLiteral("yyyy-MM-dd"));
}

// A value as the error messages show it.
QString shown(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::String: return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    case QJsonValue::Double: return QString::number(value.toDouble(), 'g', 15);
    case QJsonValue::Bool: return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Array: return QStringLiteral("an array");
    case QJsonValue::Object: return QStringLiteral("an object");
    default: return QStringLiteral("null");
    }
}

// The scenario path of `key` inside `path` (empty: the top).
QString joined(const QString& path, const QString& key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

QString quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString slipTitle(int type)
{
    return QStringLiteral("slip type %1 (%2)").arg(type).arg(QString::fromUtf8(slipInfo(type)->shortName));
}

QString formTitle(int type)
{
    return QStringLiteral("form type %1 (%2)").arg(type).arg(QString::fromUtf8(formInfo(type)->shortName));
}

const QString kTheT1 = QStringLiteral("the T1");

// The identity of a person as the new-return page gives it.
struct Identity
{
    QString first, last, sin;
    QDate birth;
    int marital = MARITAL_NONE;
};

// Builds one family return from a parsed scenario. Every check fails with
// the scenario path of the fault and a message naming it.
class Builder
{
public:
    explicit Builder(QString* error) : m_error(error) {}

    std::unique_ptr<CFamilyTaxData> build(const QJsonObject& root);

private:
    struct PersonSpec
    {
        QString path;   // "taxpayer" or "spouse"
        QJsonObject object;
        QJsonObject t1;
        int province = 0;
        Identity identity;
    };

    bool fail(const QString& path, const QString& message)
    {
        if (m_error) *m_error = path + QStringLiteral(": ") + message;
        return false;
    }
    bool onlyKeys(const QJsonObject& object, const QString& path, const QStringList& allowed);
    bool objectAt(const QJsonObject& parent, const QString& key, const QString& path, QJsonObject* out, bool required);
    bool arrayAt(const QJsonObject& parent, const QString& key, const QString& path, QJsonArray* out);
    bool wholeNumber(const QJsonValue& value, const QString& path, int* out);
    bool text(const QJsonValue& value, const QString& path, QString* out);
    bool date(const QJsonValue& value, const QString& path, QDate* out);

    bool readProvince(const QJsonValue& value, const QString& path, int* out);
    bool readPerson(const QJsonObject& root, const QString& key, int sharedProvince, PersonSpec* out);
    bool readIdentity(const QJsonObject& t1, const QString& path, Identity* out);
    bool newReturn(IndividualTaxData& person, const PersonSpec& spec, const Identity* spouse);
    bool libraryLoaded(IndividualTaxData& person, int province, const QString& path);

    bool setValue(CTaxData_Form& form, const QString& what, const QString& path, const QString& label,
                  const QString& name, const QJsonValue& value);
    bool applyFields(CTaxData_Form& form, const QString& what, const QString& path, const QJsonObject& fields);
    bool applyRows(CTaxData_Form& form, const QString& what, const QString& path, const QString& group,
                   const QJsonArray& rows);
    bool applyNumbered(CTaxData_Form& form, const QString& what, const QString& path, const QString& label,
                       const QJsonObject& values);

    bool applyT1(IndividualTaxData& person, const PersonSpec& spec);
    bool applySlips(IndividualTaxData& person, const PersonSpec& spec);
    bool applyForms(CFamilyTaxData& family, int index, const PersonSpec& spec);
    bool applyDependants(DependantInfoStruct& record, const QJsonArray& list, const QString& path);
    bool applyDependant(DependantEntry& entry, const QJsonObject& object, const QString& path);

    QString* m_error;
    bool m_sharedListed = false;   // the couple's T1032 has been listed
};

bool Builder::onlyKeys(const QJsonObject& object, const QString& path, const QStringList& allowed)
{
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!allowed.contains(it.key())) return fail(path, QStringLiteral("unknown key %1").arg(quoted(it.key())));
    return true;
}

bool Builder::objectAt(const QJsonObject& parent, const QString& key, const QString& path, QJsonObject* out,
                       bool required)
{
    *out = QJsonObject();
    const QJsonValue value = parent.value(key);
    if (value.isUndefined())
        return !required
            || fail(path.isEmpty() ? QStringLiteral("scenario") : path,
                    QStringLiteral("%1 is missing").arg(quoted(key)));
    if (!value.isObject()) return fail(joined(path, key), QStringLiteral("an object, not %1").arg(shown(value)));
    *out = value.toObject();
    return true;
}

bool Builder::arrayAt(const QJsonObject& parent, const QString& key, const QString& path, QJsonArray* out)
{
    *out = QJsonArray();
    const QJsonValue value = parent.value(key);
    if (value.isUndefined()) return true;
    if (!value.isArray()) return fail(joined(path, key), QStringLiteral("an array, not %1").arg(shown(value)));
    *out = value.toArray();
    return true;
}

bool Builder::wholeNumber(const QJsonValue& value, const QString& path, int* out)
{
    if (!isWholeNumber(value)) return fail(path, QStringLiteral("takes a whole number, not %1").arg(shown(value)));
    *out = int(value.toDouble());
    return true;
}

bool Builder::text(const QJsonValue& value, const QString& path, QString* out)
{
    if (!value.isString()) return fail(path, QStringLiteral("takes a string, not %1").arg(shown(value)));
    *out = value.toString();
    return true;
}

bool Builder::date(const QJsonValue& value, const QString& path, QDate* out)
{
    *out = parseDate(value);
    return out->isValid() || fail(path, QStringLiteral("takes a date \"YYYY-MM-DD\", not %1").arg(shown(value)));
}

// ---------------------------------------------------------------- fields

bool Builder::setValue(CTaxData_Form& form, const QString& what, const QString& path, const QString& label,
                       const QString& name, const QJsonValue& value)
{
    const QString named = label + QLatin1Char(' ') + quoted(name);
    CField* field = form.field(CString(name));
    if (!field) return fail(path, QStringLiteral("unknown %1 on %2").arg(named, what));
    if (field->IsCalculated())
        return fail(path, QStringLiteral("%1 on %2 is calculated, not an input").arg(named, what));

    QVariant v;
    QString takes;
    switch (field->GetType()) {
    case CField::Float:
        takes = QStringLiteral("a number");
        if (value.isDouble()) v = value.toDouble();
        break;
    case CField::Int:
        takes = QStringLiteral("a whole number");
        if (isWholeNumber(value)) v = int(value.toDouble());
        break;
    case CField::Bool:
        takes = QStringLiteral("true or false");
        if (value.isBool()) v = value.toBool();
        break;
    case CField::String:
        takes = QStringLiteral("a string");
        if (value.isString()) v = value.toString();
        break;
    case CField::Date:
        takes = QStringLiteral("a date \"YYYY-MM-DD\"");
        if (const QDate d = parseDate(value); d.isValid()) v = d;
        break;
    }
    if (!v.isValid() || !field->SetVariant(v))
        return fail(path, QStringLiteral("%1 on %2 takes %3, not %4").arg(named, what, takes, shown(value)));
    return true;
}

// Values by name; an array is a repeated entry.
bool Builder::applyFields(CTaxData_Form& form, const QString& what, const QString& path, const QJsonObject& fields)
{
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const QString& name = it.key();
        const bool ok = it.value().isArray()
            ? applyRows(form, what, path + QLatin1Char('.') + name, name, it.value().toArray())
            : setValue(form, what, path, QStringLiteral("field"), name, it.value());
        if (!ok) return false;
    }
    return true;
}

// Row i (from 0) of `group` fills the fields "<group>.<i+1>.<column>".
bool Builder::applyRows(CTaxData_Form& form, const QString& what, const QString& path, const QString& group,
                        const QJsonArray& rows)
{
    const QString firstRow = group + QStringLiteral(".1.");
    bool repeated = false;
    for (const CField* f : form.fields().all())
        if (f->GetName().toQString().startsWith(firstRow)) repeated = true;
    if (!repeated) return fail(path, QStringLiteral("unknown repeated entry %1 on %2").arg(quoted(group), what));

    for (int i = 0; i < rows.size(); ++i) {
        const QString rowPath = path + QStringLiteral("[%1]").arg(i);
        if (!rows.at(i).isObject())
            return fail(rowPath, QStringLiteral("a row is an object, not %1").arg(shown(rows.at(i))));
        const QJsonObject row = rows.at(i).toObject();
        for (auto it = row.begin(); it != row.end(); ++it) {
            const QString column = it.key();
            const QString name = QStringLiteral("%1.%2.%3").arg(group).arg(i + 1).arg(column);
            if (!form.field(CString(name))) {
                if (!form.field(CString(firstRow + column)))
                    return fail(
                        rowPath,
                        QStringLiteral("unknown column %1 of %2 on %3").arg(quoted(column), quoted(group), what));
                int holds = 1;
                while (form.field(CString(QStringLiteral("%1.%2.%3").arg(group).arg(holds + 1).arg(column))))
                    ++holds;
                return fail(path, QStringLiteral("%1 rows given; %2 holds %3").arg(rows.size()).arg(what).arg(holds));
            }
            if (!setValue(form, what, rowPath, QStringLiteral("field"), name, it.value())) return false;
        }
    }
    return true;
}

// Lines of the T1 or boxes of a slip: numbered fields only.
bool Builder::applyNumbered(CTaxData_Form& form, const QString& what, const QString& path, const QString& label,
                            const QJsonObject& values)
{
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (!isNumberName(it.key()))
            return fail(path,
                        QStringLiteral("%1 is not a %2 number: give it under fields").arg(quoted(it.key()), label));
        if (!setValue(form, what, path, label, it.key(), it.value())) return false;
    }
    return true;
}

// ---------------------------------------------------------------- persons

bool Builder::readProvince(const QJsonValue& value, const QString& path, int* out)
{
    if (!wholeNumber(value, path, out)) return false;
    const ProvInfo* info = provInfo(*out);
    if (!info || *out == PROV_NONE) return fail(path, QStringLiteral("unknown province %1").arg(*out));
    // A section 216 return holds a T1159 in place of the T1 a scenario describes.
    if (*out == PROV_T1159)
        return fail(path,
                    QStringLiteral("province %1 (%2) has no T1").arg(*out).arg(QString::fromUtf8(info->displayText)));
    return true;
}

bool Builder::readIdentity(const QJsonObject& t1, const QString& path, Identity* out)
{
    auto has = [&](const char* key) { return t1.contains(QLatin1String(key)); };
    auto value = [&](const char* key) { return t1.value(QLatin1String(key)); };
    auto at = [&](const char* key) { return path + QLatin1Char('.') + QLatin1String(key); };
    if ((has("first_name") && !text(value("first_name"), at("first_name"), &out->first))
        || (has("last_name") && !text(value("last_name"), at("last_name"), &out->last))
        || (has("sin") && !text(value("sin"), at("sin"), &out->sin))
        || (has("birth_date") && !date(value("birth_date"), at("birth_date"), &out->birth)))
        return false;
    if (!has("marital_status")) return fail(path, QStringLiteral("\"marital_status\" is missing"));
    if (!wholeNumber(value("marital_status"), at("marital_status"), &out->marital)) return false;
    if (out->marital < MARITAL_MARRIED || out->marital > MARITAL_SINGLE)
        return fail(at("marital_status"), QStringLiteral("unknown marital status %1").arg(out->marital));
    return true;
}

bool Builder::readPerson(const QJsonObject& root, const QString& key, int sharedProvince, PersonSpec* out)
{
    out->path = key;
    if (!objectAt(root, key, QString(), &out->object, true)) return false;
    const bool taxpayer = key == QLatin1String("taxpayer");
    QStringList allowed{QStringLiteral("t1"), QStringLiteral("slips"), QStringLiteral("forms")};
    allowed << (taxpayer ? QStringLiteral("dependants") : QStringLiteral("province"));
    if (!onlyKeys(out->object, key, allowed)) return false;

    out->province = sharedProvince;
    if (out->object.contains(QLatin1String("province"))
        && !readProvince(out->object.value(QLatin1String("province")), key + QStringLiteral(".province"),
                         &out->province))
        return false;

    const QString t1Path = key + QStringLiteral(".t1");
    if (!objectAt(out->object, QStringLiteral("t1"), key, &out->t1, true)) return false;
    if (!onlyKeys(out->t1, t1Path,
                  {QStringLiteral("first_name"), QStringLiteral("last_name"), QStringLiteral("sin"),
                   QStringLiteral("birth_date"), QStringLiteral("marital_status"), QStringLiteral("lines"),
                   QStringLiteral("fields")}))
        return false;
    return readIdentity(out->t1, t1Path, &out->identity);
}

bool Builder::libraryLoaded(IndividualTaxData& person, int province, const QString& path)
{
    const ProvInfo* info = provInfo(province);
    if (!*info->libFile || person.provMgr().loadedManager(province)) return true;
    return fail(path,
                QStringLiteral("the provincial library of %1 (%2) did not load")
                    .arg(QString::fromUtf8(info->displayText), QString::fromUtf8(info->libFile)));
}

// As the new-return page does: the spouse's names, S.I.N. and birth date
// come from the other person of a coupled scenario.
bool Builder::newReturn(IndividualTaxData& person, const PersonSpec& spec, const Identity* spouse)
{
    const Identity& me = spec.identity;
    const Identity none{};
    const Identity& other = spouse ? *spouse : none;
    person.NewData(spec.province, me.first, me.last, me.sin, me.birth, me.marital, other.first, other.last, other.sin,
                   other.birth, false);
    if (!person.t1()) return fail(spec.path + QStringLiteral(".t1"), QStringLiteral("the new return holds no T1"));
    return true;
}

bool Builder::applyT1(IndividualTaxData& person, const PersonSpec& spec)
{
    const QString path = spec.path + QStringLiteral(".t1");
    TaxData_T1New* t1 = person.t1();
    QJsonObject lines, fields;
    if (!objectAt(spec.t1, QStringLiteral("lines"), path, &lines, false)
        || !objectAt(spec.t1, QStringLiteral("fields"), path, &fields, false))
        return false;
    if (!applyNumbered(*t1, kTheT1, path + QStringLiteral(".lines"), QStringLiteral("line"), lines)) return false;
    const QString fieldsPath = path + QStringLiteral(".fields");
    // The identity is given beside "lines", and the province is the person's:
    // a second place for either could only disagree with the first.
    static const QStringList identity{QStringLiteral("first_name"), QStringLiteral("last_name"), QStringLiteral("sin"),
                                      QStringLiteral("birth_date"), QStringLiteral("marital_status")};
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const QString name = quoted(it.key());
        if (isNumberName(it.key()))
            return fail(fieldsPath, QStringLiteral("%1 is a line number: give it under lines").arg(name));
        if (identity.contains(it.key())) return fail(fieldsPath, QStringLiteral("%1 is given in t1 itself").arg(name));
        if (it.key() == QLatin1String("province") || it.key() == QLatin1String("province_text"))
            return fail(fieldsPath, QStringLiteral("%1 is the person's \"province\"").arg(name));
    }
    return applyFields(*t1, kTheT1, fieldsPath, fields);
}

bool Builder::applySlips(IndividualTaxData& person, const PersonSpec& spec)
{
    QJsonArray slips;
    if (!arrayAt(spec.object, QStringLiteral("slips"), spec.path, &slips)) return false;
    for (int i = 0; i < slips.size(); ++i) {
        const QString path = spec.path + QStringLiteral(".slips[%1]").arg(i);
        if (!slips.at(i).isObject())
            return fail(path, QStringLiteral("a slip is an object, not %1").arg(shown(slips.at(i))));
        const QJsonObject slip = slips.at(i).toObject();
        if (!onlyKeys(slip, path, {QStringLiteral("type"), QStringLiteral("boxes"), QStringLiteral("fields")}))
            return false;
        int type = 0;
        if (!slip.contains(QLatin1String("type"))) return fail(path, QStringLiteral("\"type\" is missing"));
        if (!wholeNumber(slip.value(QLatin1String("type")), path + QStringLiteral(".type"), &type)) return false;
        if (type < 1 || !slipInfo(type))
            return fail(path + QStringLiteral(".type"), QStringLiteral("unknown slip type %1").arg(type));
        STRUCT_SLIPDATA_ITEM_2004* item = person.NewSlipData(type, -1, 0);
        if (!item)
            return fail(path + QStringLiteral(".type"), QStringLiteral("%1 cannot be made").arg(slipTitle(type)));

        QJsonObject boxes, fields;
        if (!objectAt(slip, QStringLiteral("boxes"), path, &boxes, false)
            || !objectAt(slip, QStringLiteral("fields"), path, &fields, false))
            return false;
        const QString what = slipTitle(type);
        if (!applyNumbered(*item->object, what, path + QStringLiteral(".boxes"), QStringLiteral("box"), boxes))
            return false;
        for (auto it = fields.begin(); it != fields.end(); ++it)
            if (isNumberName(it.key()))
                return fail(path + QStringLiteral(".fields"),
                            QStringLiteral("%1 is a box number: give it under boxes").arg(quoted(it.key())));
        if (!applyFields(*item->object, what, path + QStringLiteral(".fields"), fields)) return false;
    }
    return true;
}

bool Builder::applyForms(CFamilyTaxData& family, int index, const PersonSpec& spec)
{
    IndividualTaxData* person = family._getIndvTaxData(index);
    QJsonArray forms;
    if (!arrayAt(spec.object, QStringLiteral("forms"), spec.path, &forms)) return false;
    std::set<int> listed;   // single-instance types already listed
    for (int i = 0; i < forms.size(); ++i) {
        const QString path = spec.path + QStringLiteral(".forms[%1]").arg(i);
        const QString typePath = path + QStringLiteral(".type");
        if (!forms.at(i).isObject())
            return fail(path, QStringLiteral("a form is an object, not %1").arg(shown(forms.at(i))));
        const QJsonObject form = forms.at(i).toObject();
        if (!onlyKeys(form, path, {QStringLiteral("type"), QStringLiteral("fields")})) return false;
        int type = 0;
        if (!form.contains(QLatin1String("type"))) return fail(path, QStringLiteral("\"type\" is missing"));
        if (!wholeNumber(form.value(QLatin1String("type")), typePath, &type)) return false;
        if (type < 1 || !formInfo(type)) return fail(typePath, QStringLiteral("unknown form type %1").arg(type));
        if (formInfo(type)->flags & FF_Expired)
            return fail(typePath, QStringLiteral("%1 is not in use").arg(formTitle(type)));
        if (type == 1) return fail(typePath, QStringLiteral("the T1 is given as \"t1\""));
        QJsonObject fields;
        if (!objectAt(form, QStringLiteral("fields"), path, &fields, false)) return false;
        const QString what = formTitle(type);
        const bool multiple = IsMultipleForm(type);
        if (!multiple && !listed.insert(type).second)
            return fail(typePath, QStringLiteral("%1 is listed twice; a return holds one").arg(what));

        if (type == kT1032 && family.IsCoupledReturn()) {
            // One election, filed by both: the family adds it to each spouse.
            if (m_sharedListed) return fail(typePath, QStringLiteral("%1 is the couple's: list it once").arg(what));
            m_sharedListed = true;
            family.setCurIndv(index);
            if (!family.NewFormDataItem(type, -1, true, 0, true))
                return fail(typePath, QStringLiteral("%1 cannot be made").arg(what));
            CTaxData_Form* mine = person->GetFormData(type, false);
            CTaxData_Form* theirs = family.getNonCurIndvTaxData()->GetFormData(type, false);
            if (!mine || !theirs) return fail(typePath, QStringLiteral("%1 is not held once by each spouse").arg(what));
            if (!applyFields(*mine, what, path + QStringLiteral(".fields"), fields)
                || !applyFields(*theirs, what, path + QStringLiteral(".fields"), fields))
                return false;
            // The role is each spouse's own: the one who splits the pension
            // and the one who receives it.
            theirs->setBool("is_transferor", !mine->getBool("is_transferor"));
            continue;
        }

        CTaxData_Form* object = nullptr;
        if (multiple) {
            if (STRUCT_FORMDATA_ITEM_2004* item = person->NewFormDataItem(type, -1, true, 0, true))
                object = item->object;
        } else {
            object = person->makeFormExist(type);
        }
        if (!object) return fail(typePath, QStringLiteral("%1 cannot be made").arg(what));
        if (!applyFields(*object, what, path + QStringLiteral(".fields"), fields)) return false;
    }
    return true;
}

bool Builder::applyDependant(DependantEntry& entry, const QJsonObject& object, const QString& path)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString& key = it.key();
        const QJsonValue& value = it.value();
        const QString at = path + QLatin1Char('.') + key;
        QString s;
        int n = 0;
        if (key == QLatin1String("first_name") || key == QLatin1String("last_name")) {
            if (!text(value, at, &s)) return false;
            const QByteArray bytes = s.toUtf8();
            if (bytes.size() >= DependantEntry::kNameSize)
                return fail(at, QStringLiteral("longer than %1 bytes").arg(DependantEntry::kNameSize - 1));
            key == QLatin1String("first_name") ? entry.setFirstName(bytes.constData())
                                               : entry.setLastName(bytes.constData());
        } else if (key == QLatin1String("birth_date")) {
            if (!date(value, at, &entry.birthDate)) return false;
        } else if (key == QLatin1String("relationship")) {
            if (!wholeNumber(value, at, &n)) return false;
            if (n < DEP_REL_NONE || n > DEP_REL_OTHER)
                return fail(at, QStringLiteral("unknown relationship %1").arg(n));
            entry.relationship = n;
        } else if (key == QLatin1String("net_income") || key == QLatin1String("months_lived_with")) {
            if (!value.isDouble()) return fail(at, QStringLiteral("takes a number, not %1").arg(shown(value)));
            (key == QLatin1String("net_income") ? entry.netIncome : entry.monthsLivedWith) = value.toDouble();
        } else if (key == QLatin1String("infirm")) {
            if (!value.isBool()) return fail(at, QStringLiteral("takes true or false, not %1").arg(shown(value)));
            entry.infirm = value.toBool() ? 1 : 0;
        } else if (key == QLatin1String("sin") || key == QLatin1String("address")) {
            if (!text(value, at, &s)) return false;
            (key == QLatin1String("sin") ? entry.sin : entry.address) = CString(s);
        } else {
            return fail(path, QStringLiteral("unknown key %1").arg(quoted(key)));
        }
    }
    return true;
}

bool Builder::applyDependants(DependantInfoStruct& record, const QJsonArray& list, const QString& path)
{
    if (list.size() > record.count())
        return fail(path,
                    QStringLiteral("%1 dependants given; the return holds %2").arg(list.size()).arg(record.count()));
    for (int i = 0; i < list.size(); ++i) {
        const QString at = path + QStringLiteral("[%1]").arg(i);
        if (!list.at(i).isObject())
            return fail(at, QStringLiteral("a dependant is an object, not %1").arg(shown(list.at(i))));
        if (!applyDependant(*record.entry(i), list.at(i).toObject(), at)) return false;
    }
    return true;
}

std::unique_ptr<CFamilyTaxData> Builder::build(const QJsonObject& root)
{
    int province = 0;
    if (!root.contains(QLatin1String("province"))) {
        fail(QStringLiteral("scenario"), QStringLiteral("\"province\" is missing"));
        return nullptr;
    }
    const bool coupled = root.contains(QLatin1String("spouse"));
    PersonSpec taxpayer, spouse;
    QJsonArray dependants;
    if (!readProvince(root.value(QLatin1String("province")), QStringLiteral("province"), &province)
        || !readPerson(root, QStringLiteral("taxpayer"), province, &taxpayer)
        || (coupled && !readPerson(root, QStringLiteral("spouse"), province, &spouse))
        || !arrayAt(taxpayer.object, QStringLiteral("dependants"), taxpayer.path, &dependants))
        return nullptr;

    auto family = std::make_unique<CFamilyTaxData>(MULTIPROV_MODE_NEW);
    if (!newReturn(*family->taxpayer(), taxpayer, coupled ? &spouse.identity : nullptr)) return nullptr;
    if (coupled) {
        // As the program couples two returns: the spouse's is made as a
        // return of its own, then taken into this family.
        CFamilyTaxData other(MULTIPROV_MODE_NEW);
        if (!newReturn(*other.taxpayer(), spouse, &taxpayer.identity)) return nullptr;
        family->CoupleTaxReturn(&other);
    }
    if (!libraryLoaded(*family->taxpayer(), taxpayer.province, QStringLiteral("province"))
        || (coupled
            && !libraryLoaded(*family->spouse(), spouse.province,
                              spouse.object.contains(QLatin1String("province")) ? QStringLiteral("spouse.province")
                                                                                : QStringLiteral("province"))))
        return nullptr;

    family->dependants().AllocData(DependantInfoStruct::kEntries);
    if (!applyDependants(family->dependants(), dependants, taxpayer.path + QStringLiteral(".dependants")))
        return nullptr;

    if (!applyT1(*family->taxpayer(), taxpayer) || !applySlips(*family->taxpayer(), taxpayer)
        || !applyForms(*family, CFamilyTaxData::kTaxpayer, taxpayer))
        return nullptr;
    if (coupled
        && (!applyT1(*family->spouse(), spouse) || !applySlips(*family->spouse(), spouse)
            || !applyForms(*family, CFamilyTaxData::kSpouse, spouse)))
        return nullptr;

    family->setCurIndv(CFamilyTaxData::kTaxpayer);
    family->Calculate(-1, nullptr);
    return family;
}

// "expected": { "taxpayer": { "15000": 60000 }, "spouse": { ... } }
bool readExpected(const QJsonObject& root, QMap<QString, double>* out, QString* error)
{
    auto fail = [error](const QString& path, const QString& message) {
        if (error) *error = path + QStringLiteral(": ") + message;
        return false;
    };
    const QJsonValue block = root.value(QLatin1String("expected"));
    if (block.isUndefined()) return true;
    if (!block.isObject())
        return fail(QStringLiteral("expected"), QStringLiteral("an object, not %1").arg(shown(block)));
    const QJsonObject persons = block.toObject();
    for (auto it = persons.begin(); it != persons.end(); ++it) {
        const QString path = QStringLiteral("expected.") + it.key();
        int person = 0;
        if (it.key() == QLatin1String("taxpayer"))
            person = Scenario::Taxpayer;
        else if (it.key() == QLatin1String("spouse"))
            person = Scenario::Spouse;
        else
            return fail(QStringLiteral("expected"), QStringLiteral("unknown key %1").arg(quoted(it.key())));
        if (person == Scenario::Spouse && !root.contains(QLatin1String("spouse")))
            return fail(path, QStringLiteral("the scenario has no spouse"));
        if (!it.value().isObject()) return fail(path, QStringLiteral("an object, not %1").arg(shown(it.value())));
        const QJsonObject lines = it.value().toObject();
        for (auto line = lines.begin(); line != lines.end(); ++line) {
            QString lineName;
            const int form = Scenario::formOfExpected(line.key(), &lineName);
            if (form == 0)
                return fail(path, QStringLiteral("%1 names no form").arg(quoted(line.key())));
            if (!isNumberName(lineName))
                return fail(path, QStringLiteral("%1 is not a line number").arg(quoted(line.key())));
            if (!line.value().isDouble())
                return fail(
                    path,
                    QStringLiteral("line %1 takes a number, not %2").arg(quoted(line.key()), shown(line.value())));
            out[person].insert(line.key(), line.value().toDouble());
        }
    }
    return true;
}

} // namespace

int Scenario::formOfExpected(const QString& key, QString* line)
{
    const int colon = key.indexOf(QLatin1Char(':'));
    if (line) *line = key.mid(colon + 1);
    if (colon < 0) return 1;
    const QByteArray name = key.left(colon).toUtf8();
    for (int type = 1; type <= MAX_FORM_TYPE; ++type)
        if (!(formInfo(type)->flags & FF_Expired) && name == formInfo(type)->shortName) return type;
    return 0;
}

Scenario Scenario::parse(const QByteArray& json, QString* error)
{
    Scenario scenario;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = QStringLiteral("scenario: malformed JSON at offset %1: %2")
                         .arg(parseError.offset)
                         .arg(parseError.errorString());
        return scenario;
    }
    if (!document.isObject() || document.object().isEmpty()) {
        if (error) *error = QStringLiteral("scenario: not a JSON object with a return");
        return scenario;
    }
    const QJsonObject root = document.object();
    static const QStringList keys{QStringLiteral("province"), QStringLiteral("taxpayer"), QStringLiteral("spouse"),
                                  QStringLiteral("expected")};
    for (auto it = root.begin(); it != root.end(); ++it) {
        if (!keys.contains(it.key())) {
            if (error) *error = QStringLiteral("scenario: unknown key %1").arg(quoted(it.key()));
            return scenario;
        }
    }
    if (!readExpected(root, scenario.m_expected, error)) return Scenario();
    scenario.m_root = root;
    return scenario;
}

std::unique_ptr<CFamilyTaxData> Scenario::build(QString* error) const
{
    if (error) error->clear();
    if (isNull()) {
        if (error) *error = QStringLiteral("scenario: empty");
        return nullptr;
    }
    return Builder(error).build(m_root);
}

std::unique_ptr<CFamilyTaxData> Scenario::build(const QByteArray& json, QString* error)
{
    const Scenario scenario = parse(json, error);
    return scenario.isNull() ? nullptr : scenario.build(error);
}
