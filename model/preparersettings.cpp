#include "preparersettings.h"

PreparerSettings& preparerSettings()
{
    static PreparerSettings settings;
    return settings;
}
