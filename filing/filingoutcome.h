#pragma once
// What the two filing dialogs share in showing an outcome: the logs they
// link to and the filing result dialog.

#include <QString>

#include "cstring.h"

class QWidget;

namespace FilingOutcome {

// The success log (kind 0) or the filing result file (any other kind).
CString logPath(int kind);
// "Msg: <what>; Code: <code>." of a transmission that did not get through.
QString failureDetails(const QString& what, int code);
// The `what` of a transmission that did not reach the agency.
QString noConnection();
// A return sent with no reply after it: the agency may hold it, and a
// second send could file it twice.
QString mayHaveReached();
// What the filing text of such a return says.
QString notConfirmed();
// An acceptance whose reply holds no confirmation number.
QString noConfirmationNumber();
// The filing result dialog, modal over `parent`, linking the log at `path`.
void show(QWidget* parent, const QString& title, const QString& header, const QString& details, const QString& bottom,
          const CString& path);
// The current time as the filing texts give it.
QString now();

} // namespace FilingOutcome
