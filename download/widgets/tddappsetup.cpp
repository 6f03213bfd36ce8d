#include "tddappsetup.h"

#include "dlgtddprogresswait.h"
#include "sqlitedbmanager.h"
#include "t1appconfig.h"
#include "tabwndapp.h"
#include "tddhttpserver.h"

TddHttpServer* tddServerForApplication(TabWndApp& app)
{
    TddHttpServer* server = TddHttpServer::getInstance(app.database().getDBHandle(), nullptr);
    const CT1AppConfig& config = app.config();
    CString stepLog, dataLog;
    app.getTDDLogFilePath(stepLog, 0);
    app.getTDDLogFilePath(dataLog, 1);
    TddWebService& service = server->webService();
    service.setConfig(&config);
    service.setDatabaseManager(&app.database());
    service.setLogPaths(stepLog.toQString(), dataLog.toQString());
    service.setNoticeFolders(CString(app.dataFolder().toQString() + "/noa"), config.m_NOAPath);
    server->setLogPath(dataLog.toQString());
    server->setLogoutScriptUrl(config.getTDDWebService(CT1AppConfig::TDD_LOGOUT_SCRIPT_URL));
    return server;
}

std::unique_ptr<DlgTDDProgressWait> makeTddProgressDialog(TabWndApp& app, short forWhich,
                                                          const std::list<std::string>& sins, QWidget* parent)
{
    auto dialog = std::make_unique<DlgTDDProgressWait>(forWhich, sins, tddServerForApplication(app), parent);
    dialog->setCallbackPort(TddHttpServer::callbackPort(TabWndApp::s_appPurpose));
    dialog->setTaxDataFile(app.config().m_TDDDataFile.toQString());
    return dialog;
}
