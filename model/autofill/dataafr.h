#pragma once
// The auto-fill options: which parts of a person's downloaded tax data may
// go into the open return. The options page binds its widgets to the fields.

#include "enumtypes.h"
#include <vector>

#include "fields.h"
#include "wsbasedata.h"

class DataAFR : public CWSBaseData
{
public:
    DataAFR();

    // The tick fields' names, in the holder's order (the options page binds
    // its check boxes by them).
    static const std::vector<const char*>& tickNames();

    int Calculate() override { return 0; }

    // 0 applies everything; any other value (-1 too: no choice made) applies
    // only what is ticked.
    int fillOption() const { return m_fillOption->GetValue(); }
    void setFillOption(int option) { m_fillOption->SetValue(option); }
    // The tick of a field by its name ("fld_bT4"); false for an unknown name.
    bool tick(const char* name) const;
    void setTick(const char* name, bool on);

    bool allowApplySlip(ENUMTYPE_SLIP type) const;
    bool allowInstalment() const { return allowByTick("fld_bInstalment"); }
    bool allowTuition() const { return allowByTick("fld_bTuition"); }
    bool allowRRSPContribution() const { return allowByTick("fld_bRRSPContribution"); }
    bool allowRRSPLimit() const { return allowByTick("fld_bRRSPLimit"); }
    bool allowHBPLLP() const { return allowByTick("fld_bHBPLLP"); }

    // The tick field of each slip type that has one (none for the others).
    static const char* slipTickName(ENUMTYPE_SLIP type);

private:
    bool allowByTick(const char* name) const { return fillOption() == 0 || tick(name); }

    CIntField* m_fillOption;
};
