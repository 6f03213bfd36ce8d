#pragma once
// The makers of the federal libraries' objects by type. Each answers a new
// object the caller owns, or none when no class serves the type.

#include "enumtypes.h"

class CTaxData_Form;

CTaxData_Form* AllocFedFormData(ENUMTYPE_FORM type);
CTaxData_Form* AllocSlipData(ENUMTYPE_SLIP type);
CTaxData_Form* AllocNoteData();
// Interview kinds 1 to 5; kind 6 comes from the provincial library.
CTaxData_Form* AllocWizData(ENUMTYPE_TAXWIZARD kind);
