#include <cmath>

#include "fields.h"
#include "freedata.h"
#include "netfilelines.h"
#include "tableform.h"

int freeDataCode(const char* name)
{
    if (!name || name[0] < '1' || name[0] > '9') return 0;
    int code = 0;
    for (const char* c = name; *c; ++c) {
        if (*c < '0' || *c > '9' || code > 99999999) return 0;
        code = code * 10 + (*c - '0');
    }
    return code;
}

namespace {

// The starting value of an integer field: an answer starts at 2 (unanswered).
int startingValue(CIntField* field)
{
    const int value = field->GetValue();
    field->Reset();
    const int start = field->GetValue();
    field->SetValue(value);
    return start;
}

} // namespace

bool writeFreeDataField(CField* field, int code, const FreeDataRules& rules, NetfileGenObjParamStru& param)
{
    if (!field || code <= 0 || rules.notSent.count(code)) return false;
    switch (field->GetType()) {
    case CField::Float: {
        const double v = static_cast<CFloatField*>(field)->GetValue();
        if (rules.cents.count(code))
            return std::fabs(v) >= 0.005 && netfile::writeCents(param, code, v);
        return netfile::roundedAmount(v) != 0 && netfile::writeRoundedAmount(param, code, v);
    }
    case CField::Int: {
        auto* f = static_cast<CIntField*>(field);
        if (f->IsDefault()) return false;
        int value = f->GetValue();
        if (startingValue(f) == 2) {   // an answer
            if (value != 0 && value != 1) return false;
            value += 1;
        }
        return netfile::writeInteger(param, code, value);
    }
    case CField::Bool:
        return static_cast<CBoolField*>(field)->GetValue() && netfile::writeInteger(param, code, 1);
    case CField::String: {
        if (!rules.text.count(code)) return false;
        const QString text = static_cast<CStringField*>(field)->GetValue().toQString().trimmed();
        return !text.isEmpty() && netfile::writeText(param, code, text);
    }
    default:
        return false;
    }
}

int writeCodedFields(CTaxData_Form& form, NetfileGenObjParamStru& param)
{
    const FreeDataRules& rules = freeDataRules(form.getType());
    int lines = 0;
    for (CField* field : form.fields().all()) {
        const int code = freeDataCode(field->GetName().c_str());
        if (!writeFreeDataField(field, code, rules, param)) continue;
        ++lines;
        const auto mark = rules.marks.find(code);
        if (mark != rules.marks.end() && netfile::writeAmountOne(param, mark->second)) ++lines;
    }
    return lines;
}

int TableForm::WriteFreeData(unsigned char, NetfileGenObjParamStru& param)
{
    writeCodedFields(*this, param);
    return 0;
}
