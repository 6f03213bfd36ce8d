#pragma once
// A download on the running program: the one callback server set up from
// the program's settings, database, logs and folders, and a progress
// dialog for one download on it (edition's port, saved-reply key).

#include <list>
#include <memory>
#include <string>

class DlgTDDProgressWait;
class QWidget;
class TabWndApp;
class TddHttpServer;

TddHttpServer* tddServerForApplication(TabWndApp& app);
std::unique_ptr<DlgTDDProgressWait> makeTddProgressDialog(TabWndApp& app, short forWhich,
                                                          const std::list<std::string>& sins, QWidget* parent);
