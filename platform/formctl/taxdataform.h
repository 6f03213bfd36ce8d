#pragma once
// The base of every form, slip, note and interview-data object of a return.
// Its values live in named typed fields; the default operations below work
// on those fields, so a form class mostly declares its fields and overrides
// only what its own rules need.

#include <list>
#include <utility>

#include <QObject>

#include "cstring.h"
#include "enumtypes.h"
#include "fieldlist.h"
#include "pagelayout.h"

class BaseTaxPage;
class DependantInfoStruct;
class MyDataStream;
class QTextStream;
class QWidget;
struct NetfileGenObjParamStru;

class CTaxData_Form : public QObject
{
    Q_OBJECT
public:
    // Stored objects: format 1 holds the fields by name; format 2 (written
    // now) holds the object's marks first, so that an item the auto-fill
    // made is still known as one after the return is saved and reopened.
    static constexpr qint32 kObjectFormat = 2;
    enum StoredMark : qint32 { MarkAutoFilled = 0x1 };

    CTaxData_Form(ENUMTYPE_FROM itemKind, int type, QObject* parent = nullptr);
    ~CTaxData_Form() override;

    // What the object is: the calculation reads both from a changed object.
    ENUMTYPE_FROM getItemKind() const { return m_itemKind; }
    short getType() const { return m_type; }

    void setCoupledReturn(bool coupled) { m_coupled = coupled; }
    bool isCoupledReturn() const { return m_coupled; }
    void setMainTaxProvince(ENUMTYPE_PROVINCE province) { m_mainProvince = province; }
    ENUMTYPE_PROVINCE getMainTaxProvince() const { return m_mainProvince; }
    // Set on items that the auto-fill from downloaded data made.
    void setAutoFilled(bool on) { m_autoFilled = on; }
    bool isAutoFilled() const { return m_autoFilled; }
    // A mandatory object cannot be removed from its return.
    void setMandatory(bool on) { m_mandatory = on; }
    bool isMandatory() const { return m_mandatory; }
    DependantInfoStruct* dependants() const { return m_dependants; }

    CFieldList& fields() { return m_fields; }
    const CFieldList& fields() const { return m_fields; }
    CField* field(const CString& name) const { return m_fields.find(name); }
    CField* field(const char* name) const { return m_fields.find(name); }
    // Typed reads and writes by field name; reads answer the empty value and
    // writes do nothing when no field of that name and type exists.
    double getFloat(const CString& name) const { return getFloat(name.c_str()); }
    bool setFloat(const CString& name, double value) { return setFloat(name.c_str(), value); }
    int getInt(const CString& name) const { return getInt(name.c_str()); }
    bool setInt(const CString& name, int value) { return setInt(name.c_str(), value); }
    bool getBool(const CString& name) const { return getBool(name.c_str()); }
    bool setBool(const CString& name, bool value) { return setBool(name.c_str(), value); }
    CString getString(const CString& name) const { return getString(name.c_str()); }
    bool setString(const CString& name, const CString& value) { return setString(name.c_str(), value); }
    QDate getDate(const CString& name) const { return getDate(name.c_str()); }
    bool setDate(const CString& name, const QDate& value) { return setDate(name.c_str(), value); }
    double getFloat(const char* name) const;
    bool setFloat(const char* name, double value);
    int getInt(const char* name) const;
    bool setInt(const char* name, int value);
    bool getBool(const char* name) const;
    bool setBool(const char* name, bool value);
    CString getString(const char* name) const;
    bool setString(const char* name, const CString& value);
    QDate getDate(const char* name) const;
    bool setDate(const char* name, const QDate& value);

    // ---- the object's operations, in the order the libraries rely on

    // Appends the object's editing pages, made with `parent`: by default the
    // installed page maker's pages of the object's layout, none without one.
    virtual void FillPageList(std::list<BaseTaxPage*>& pages, QWidget* parent);

    // Makes the pages of a form's layout. The widget library installs one
    // (installTaxFormPages()); the engine and the batch run never do, and
    // then no object has pages.
    using PageMaker = void (*)(CTaxData_Form* form, std::list<BaseTaxPage*>& pages, QWidget* parent);
    static void setPageMaker(PageMaker maker);
    static PageMaker pageMaker();
    // Copies every value of another object of the same type, and its
    // auto-fill mark, so that a copy of an auto-filled item is still known as
    // one (an auto-fill run on the copy then replaces it instead of adding it
    // again); false for another type.
    virtual bool CopyFrom(const CTaxData_Form* other);
    // True when another object, or its type, or any value differs.
    virtual bool Differs(const CTaxData_Form* other) const;
    // Whether the object belongs in next year's return of that edition and province.
    virtual bool IsCarriedToNewYear(unsigned char edition, ENUMTYPE_PROVINCE province) const;
    // Turns this year's object into next year's: without data every value restarts.
    virtual void CarryToNewYear(bool withData);
    // Refreshes this spouse's copy of a shared object from the changed one.
    // The copy stays this spouse's own: it keeps its auto-fill mark (whose
    // download made it), and a slip's share becomes the rest of the changed
    // one's, so that the pair counts each dollar once.
    virtual void CopyFromShared(const CTaxData_Form* changed);
    virtual bool HasSharedComponent() const;
    // The field holding this return's share, in percent, of a slip held
    // jointly with the spouse; null for items that are never shared so.
    virtual const char* sharePercentField() const;
    // Writes or reads the object: int format, then the non-default fields by
    // name, type and value. Answers 0, or -1 on damaged data.
    virtual int Serialize(int version, const CString& reservedText, MyDataStream& stream);
    // The caption of the object in the return's tree; the type's name by default.
    virtual CString GetDisplayName() const;
    // The object's own calculation; 0 when nothing else needs recalculating.
    virtual int Calculate();
    // Runs on every object before the return is calculated.
    virtual void BeforeCalculate();
    // Runs on every slip before its amounts are read into the totals.
    virtual void BeforeReadSlip();
    // Appends the warnings to confirm before the return is filed.
    virtual void AnyMsgBeforeNetfile(unsigned char mode, std::list<CString>& messages);
    // The yes/no field that marks an amount as entered, where a blank box
    // and an entered 0 mean different things; none for most amounts.
    virtual const char* entryMarkOf(const CString& field) const;
    // Appends the object's own validation messages; non-zero when it added any.
    virtual int Validate(unsigned char flag, std::list<CString>& messages);
    // Whether `value` may stand in `field`: false, with `why` naming the
    // line, for a negative amount in a line that cannot hold one (and for
    // what a class's own entry rules refuse, such as an impossible date).
    // The pages refuse such a value as it is typed; validation reports it;
    // the prior-year import and the auto-fill do not take it.
    virtual bool AcceptsValue(const CField& field, const QVariant& value, CString* why) const;
    // "line 20800" or "box 14" for a numbered line, else its label in quotes.
    CString fieldCaption(const CField& field) const;
    // Puts every amount AcceptsValue refuses back to its start, appending
    // the refusals to `why` when given. For amounts that come from outside
    // (last year's file, a download), never from the user's typing.
    void dropRefusedValues(std::list<CString>* why = nullptr);
    // Writes the object's lines of the electronic return; 0 on success.
    virtual int WriteFreeData(unsigned char mode, NetfileGenObjParamStru& param);
    // Hands the object the family's dependants record (not owned).
    virtual void SetDependantInfo(DependantInfoStruct* dependants);
    // The report maker's sources: a Java class and the two XML layouts. 0 on success.
    virtual int WriteJavaFile(const CString& folder, const CString& javaId);
    virtual int WriteXMLFile(const CString& folder, const CString& layoutName, int version);
    virtual int WriteBFormXMLFile(const CString& folder, const CString& layoutName, int version);
    // Fills every field with a sample value (for testing printed layouts).
    virtual void FillTestData();

    // Makes the field of that name when it is a row of a repeated entry that
    // this object can grow (see Schedule 3's share dispositions), with the
    // rest of its row; none by default. Reading a stored object, copying a
    // grown one and a page whose last row is in use ask it.
    virtual CField* growField(const CString& name);

    // How the object is laid out on its pages (empty: no layout).
    const PageLayout& pageLayout() const { return m_layout; }

protected:
    void setPageLayout(PageLayout layout) { m_layout = std::move(layout); }

    CFieldList m_fields;

private:
    void writeJavaLayout(QTextStream& out) const;
    int writeLayout(const CString& folder, const CString& layoutName, int version, const char* root) const;

    ENUMTYPE_FROM m_itemKind;
    short m_type;
    bool m_coupled = false;
    ENUMTYPE_PROVINCE m_mainProvince = 0;
    bool m_autoFilled = false;
    bool m_mandatory = false;
    DependantInfoStruct* m_dependants = nullptr;
    PageLayout m_layout;
};
