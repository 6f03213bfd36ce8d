#pragma once
// The agency clients read their hosts, test mode and result file from the
// running program's application object.

void installAgencySettingsFromApp();
