#include "agencyappsettings.h"

#include "agencyclient.h"
#include "tabwndapp.h"

void installAgencySettingsFromApp()
{
    TabWndApp* app = TabWndApp::getMainApp();
    if (!app) return;
    installAgencySettingsFor(&app->config(), [app]() {
        CString path;
        app->getFilingLogFilePath(path, 1);
        return path;
    });
}
