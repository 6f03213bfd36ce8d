#include "efileresources.h"

#include <QtGlobal>

// Resources of a static library are registered by hand, once.
static void registerEfileTemplates() { Q_INIT_RESOURCE(efile); }

void ensureEfileTemplates()
{
    static const bool done = (registerEfileTemplates(), true);
    Q_UNUSED(done);
}
