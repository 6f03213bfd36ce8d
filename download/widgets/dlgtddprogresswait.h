#pragma once
// The modal progress of one download: starts the web-auth worker when
// shown, starts the callback server once the sign-in page is opening, shows
// the latest progress code once a second and closes itself 3000 ms after
// the end. Workers reach it only through queued calls; when it ends it
// detaches itself from the server and the web service, so nothing reaches
// it afterwards.

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <list>
#include <map>
#include <memory>
#include <string>

namespace Ui {
class DlgTDDProgressWait;
}
class TddHttpServer;
class ThreadTDDGetWebAuth;

class DlgTDDProgressWait : public QDialog
{
    Q_OBJECT

public:
    // `server` is the program's callback server with its web service set
    // up; the S.I.N.s are copied.
    DlgTDDProgressWait(short forWhich, const std::list<std::string>& sins, TddHttpServer* server,
                       QWidget* parent = nullptr);
    ~DlgTDDProgressWait() override;

    // A saved reply to parse instead of going online (the settings' key);
    // the callback port (by edition).
    void setTaxDataFile(const QString& path) { m_taxDataFile = path; }
    void setCallbackPort(int port) { m_port = port; }

    int PostMessage(int code, int detail);
    int code() const { return m_code; }
    QString statusText() const { return m_statusText; }
    // Read by the caller once the dialog has ended.
    int recordCount() const { return m_recordCount; }
    // What the caller tells the user when no record was stored: why the
    // download ended (the agency held no record, it could not be reached,
    // ...); empty when the user cancelled.
    const QString& endingMessage() const { return m_endingMessage; }
    static QString noRecordText();
    const std::map<std::string, std::string>& noticeMessages() const { return m_noticeMessages; }

public slots:
    // What the web service hands over, queued on the GUI thread.
    void postProgress(int code, int detail);
    void setRecordCount(int count);
    void addNoticeMessage(const QString& sin, const QString& message);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private slots:
    void timerTimeout();

private:
    void detach();

    std::unique_ptr<Ui::DlgTDDProgressWait> m_ui;
    short m_forWhich;
    std::list<std::string> m_sins;
    TddHttpServer* m_server;
    QString m_taxDataFile;
    int m_port;
    int m_code = 0;
    QString m_statusText;
    int m_shownCode = -1;
    QTimer m_timer;
    int m_recordCount = 0;
    QString m_endingMessage;
    std::map<std::string, std::string> m_noticeMessages;
    QPointer<ThreadTDDGetWebAuth> m_webAuthWorker;
    bool m_started = false;
};
