// The slips' copy into a return belongs to the return model, which the fuzz
// build leaves out; the parsers never call it.

#include "autofill/taxslip.h"

#define NO_COPY(Slip) \
    int Slip::copyToSlipData(CTaxData_Form*) { return 0; }

NO_COPY(TaxSlipT4)
NO_COPY(TaxSlipT4A)
NO_COPY(TaxSlipT4AP)
NO_COPY(TaxSlipT4RSP)
NO_COPY(TaxSlipT4E)
NO_COPY(TaxSlipT4AOAS)
NO_COPY(TaxSlipT4RIF)
NO_COPY(TaxSlipT5)
NO_COPY(TaxSlipT3)
NO_COPY(TaxSlipT5007)
NO_COPY(TaxSlipT5013)
NO_COPY(TaxSlipRC62)
NO_COPY(TaxSlipRC210)
NO_COPY(TaxSlipMBRentalAssistSlip)
NO_COPY(TaxSlipPRPP)
NO_COPY(TaxSlipT1204)
NO_COPY(TaxSlipT2202)
