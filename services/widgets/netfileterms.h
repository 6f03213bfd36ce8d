#pragma once
// The NETFILE terms step: asks the agency for its terms (NETFILE or
// ReFILE) and has the user agree to them.

class QWidget;

// 0 agreed (agreement 1), 10 declined (agreement 2); otherwise the code of
// the failed request, shown to the user, with agreement left alone.
int NetfileSOAP_request1(int& agreement, bool refile, QWidget* parent);
