#pragma once
// One downloaded slip: its values kept as the text the agency sent, read
// from the slip's element, shown as HTML lines, and copied into a slip of the
// return made for the same slip type.

#include <map>
#include <string>

#include "cents.h"
#include "cstring.h"
#include "enumtypes.h"
#include "utils.h"

class CTaxData_Form;

// An amount as the agency sent it; text that is no amount, or one beyond any
// return, reads as nothing, so a broken reply cannot put it in a return.
template <class Text>
double downloadedAmount(const Text& text)
{
    const double v = myStringToDouble(text);
    return isUsableAmount(v) ? v : 0.0;
}
class TiXmlElement;

class TaxSlip
{
public:
    virtual ~TaxSlip() = default;
    TaxSlip(const TaxSlip&) = delete;
    TaxSlip& operator=(const TaxSlip&) = delete;

    ENUMTYPE_SLIP slipType() const { return m_slipType; }
    // The slip type's long name.
    virtual CString getName() const;

    // Reads the tax year, the version and every numbered box; 0.
    int parseXMLDataBasic(const TiXmlElement* slip);
    // Called with each child that has a text but no box number; 0.
    virtual int parseNoneBoxTagValue(const char* tag, const char* text);
    // The class's own fields; the base reads nothing more than
    // parseXMLDataBasic. Called after it on the same element; 0.
    virtual int parseXMLData(const TiXmlElement* slip);

    // The class's own HTML lines; 0.
    virtual int toHtml(CString& html, int n) const = 0;
    // The heading of the slip numbered `n` and its tax year and version; 0.
    int toHtmlBasic(CString& html, int n) const;
    // A line for each box of the map that has a label; the number of boxes visited.
    int toHtmlDefault(CString& html) const;
    int toHtmlOneLineByKey(CString& html, const char* box, const char* label, const char* skip) const;
    // The label shown for a box of the map; null when the class has none.
    const char* boxLabel(const char* box) const;

    // Copies the downloaded boxes into a slip object of the return; a form of
    // another class is left alone. 0.
    virtual int copyToSlipData(CTaxData_Form* slip) = 0;

    // The box map: every box the slip carried, by its printed number.
    void setBox(const char* box, const CString& text) { m_boxes[box] = text; }
    CString getNumberedBoxStrValue(const char* box) const;
    double getNumberedBoxValue(const char* box) const;

    // The slip's own fields of the boxes its class knows (text, as sent);
    // a box outside the class's list is not kept.
    bool setOwnBox(const char* box, const CString& text);
    CString ownBoxText(const char* box) const;
    double ownBoxValue(const char* box) const;

    CString taxYear;
    CString version;

protected:
    TaxSlip(ENUMTYPE_SLIP type, std::initializer_list<const char*> ownBoxes);
    // Stores each child's text in the own box its box number names, and the
    // text of a child without one whose tag ends with `nameTag` in `name`.
    void parseOwnBoxesAndName(const TiXmlElement* slip, const char* nameTag, CString* name);
    // The HTML lines of own boxes, each (label, box); the box `zeroSkipped`
    // leaves out the value "0" too.
    void ownBoxLines(CString& html, std::initializer_list<std::pair<const char*, const char*>> lines,
                     const char* zeroSkipped = nullptr) const;

private:
    ENUMTYPE_SLIP m_slipType;
    std::map<std::string, CString> m_boxes;   // ordered as text, like the agency's box numbers
    std::map<std::string, CString> m_own;     // the class's own boxes, each present from the start
    const std::map<std::string, const char*>* m_labels;   // by box number; null for most classes
};

class TaxSlipT4 : public TaxSlip
{
public:
    TaxSlipT4() : TaxSlip(1, {}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
    CString employerName;
    CString province;        // box 10
    CString cppQppExemptCode;
    CString eiExemptCode;
    CString ppipExemptCode;
};

class TaxSlipT4A : public TaxSlip
{
public:
    TaxSlipT4A() : TaxSlip(2, {}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
    CString payerName;
};

class TaxSlipT4AP : public TaxSlip
{
public:
    TaxSlipT4AP() : TaxSlip(3, {"13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23"}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
};

class TaxSlipT4RSP : public TaxSlip
{
public:
    TaxSlipT4RSP() : TaxSlip(4, {"16", "18", "20", "22", "24", "25", "26", "27", "28", "30"}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
    CString payerName;
};

class TaxSlipT4E : public TaxSlip
{
public:
    TaxSlipT4E() : TaxSlip(5, {"7", "14", "15", "17", "18", "20", "21", "22", "23", "26", "30", "33", "37"}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
};

class TaxSlipT4AOAS : public TaxSlip
{
public:
    TaxSlipT4AOAS() : TaxSlip(6, {"18", "19", "20", "21", "22", "23"}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
};

class TaxSlipT4RIF : public TaxSlip
{
public:
    TaxSlipT4RIF() : TaxSlip(7, {"16", "18", "20", "22", "24", "26", "28"}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
    CString payerName;
};

class TaxSlipT5 : public TaxSlip
{
public:
    TaxSlipT5() : TaxSlip(8, {}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
    CString payerName;
};

class TaxSlipT3 : public TaxSlip
{
public:
    TaxSlipT3() : TaxSlip(9, {"21", "23", "25", "26", "30", "32", "34", "39", "49", "50", "51"}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
    CString trustName;
};

class TaxSlipT5007 : public TaxSlip
{
public:
    TaxSlipT5007() : TaxSlip(11, {"10", "11"}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
    CString payerName;
};

class TaxSlipT5013 : public TaxSlip
{
public:
    TaxSlipT5013() : TaxSlip(13, {}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseNoneBoxTagValue(const char* tag, const char* text) override;
    int toHtml(CString& html, int n) const override;
    CString payerName;
};

class TaxSlipRC62 : public TaxSlip
{
public:
    TaxSlipRC62() : TaxSlip(17, {"10", "12"}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
};

class TaxSlipRC210 : public TaxSlip
{
public:
    TaxSlipRC210() : TaxSlip(18, {"10"}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
};

// Share dispositions: they go to Schedule 3, never become slips.
class TaxSlipT5008 : public TaxSlip
{
public:
    TaxSlipT5008() : TaxSlip(19, {"11", "13", "15", "16", "17", "18", "19", "20", "21", "22", "23"}) {}
    int copyToSlipData(CTaxData_Form*) override { return 0; }
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
    CString issuerName;
};

// RRSP contribution receipts: they go to Schedule 7, never become slips.
class TaxSlipRRSPReceipt : public TaxSlip
{
public:
    TaxSlipRRSPReceipt() : TaxSlip(20, {}) {}
    int copyToSlipData(CTaxData_Form*) override { return 0; }
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
    CString issuerName;
    CString rrspNumber;
    CString rrspContractNumber;
    CString RRSPSpouseContributionIndicator;
    CString PriorYearRRSPContributionAmount;
    CString CurrentYearRRSPContributionAmount;
};

class TaxSlipMBRentalAssistSlip : public TaxSlip
{
public:
    TaxSlipMBRentalAssistSlip() : TaxSlip(21, {}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
    CString payerName;
    CString shelterBenefitAmount;
};

class TaxSlipPRPP : public TaxSlip
{
public:
    TaxSlipPRPP() : TaxSlip(22, {}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
    CString contractNumber;
    CString employeeCurrentYear;
    CString employeeCurrentYearExempt;
    CString employerContribution;
    CString employeePriorYear;
    CString employeePriorYearExempt;
    CString versionText;
};

class TaxSlipT1204 : public TaxSlip
{
public:
    TaxSlipT1204() : TaxSlip(23, {"82", "84"}) {}
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
    CString payerName;
};

class TaxSlipT2202 : public TaxSlip
{
public:
    static constexpr int kSessions = 4;
    TaxSlipT2202() : TaxSlip(25, {}) {}
    // 1 when the form is none or of another class.
    int copyToSlipData(CTaxData_Form* slip) override;
    int parseXMLData(const TiXmlElement* slip) override;
    int toHtml(CString& html, int n) const override;
    int sessionCount = 0;   // at most kSessions
    CString fromPeriod[kSessions];
    CString toPeriod[kSessions];
    CString partTimeMonths[kSessions];
    CString fullTimeMonths[kSessions];
    CString eligibleFees[kSessions];
};

// A new slip object of the class named by a slip element's tag (a namespace
// prefix dropped, case ignored); null for a name no class has.
TaxSlip* makeTaxSlipForTag(const char* tag);
