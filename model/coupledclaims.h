#pragma once
// Claims a coupled return makes across its two returns: a slip shared
// between the spouses, whose two shares must make the whole slip, and the
// spouse's donations, which the family may claim only once.

#include <list>

#include "cstring.h"

class CTaxData_Form;
class IndividualTaxData;

// The donations the two Schedules 9 claim (each spouse's own and the
// spouse's claimed) beyond what the two spouses hold. A spouse holds the
// gifts on their own schedule, or, when the other claims more of theirs than
// that, what the other claims (a claim on one side only stands).
// `jointNotEntered` are gifts of both that neither schedule holds yet (the
// optimiser's joint amount). Either schedule may be missing. 0 or more.
double DonationsClaimedBeyondHeld(const CTaxData_Form* taxpayerSch9, const CTaxData_Form* spouseSch9,
                                  double jointNotEntered = 0.0);

// Appends a message for every shared slip whose two shares do not add up to
// 100 percent, naming the slip, and one when the spouse's donations are
// claimed on both returns, saying by how much.
void CoupledClaimMessages(IndividualTaxData& taxpayer, IndividualTaxData& spouse, std::list<CString>& messages);
