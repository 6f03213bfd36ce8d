#include "filingsettings.h"

FilingSettings& filingSettings()
{
    static FilingSettings settings;
    return settings;
}
