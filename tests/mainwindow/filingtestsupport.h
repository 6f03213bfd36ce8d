#pragma once
// What the filing tests of the main window share: a driver of the nested
// modal dialogs of one filing, in the order they must come, and the fake
// agency the program's clients are sent to.

#include <functional>
#include <list>
#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWizard>
#include <QtTest>

#include "agencyclient.h"
#include "basicevent.h"
#include "editortestsupport.h"
#include "familytaxdata.h"
#include "fakeagency.h"
#include "fakehttpsserver.h"
#include "fakepenvault.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "penvaultclient.h"
#include "penvaultservice.h"
#include "qwebclient.h"
#include "tabwndapp.h"
#include "filingsettings.h"
#include "form_return.h"
#include "tlsfakeagency.h"

namespace FilingTest {

// Drives the modal dialogs of one filing as they come. Each step names the
// dialog it expects (its class or its window title) and acts on it once. A
// modal that is not the next expected one is recorded and rejected, and a
// dialog still up two seconds after its step is recorded and rejected, so a
// wrong road fails the test instead of hanging it.
class ModalScript : public QObject
{
public:
    using Act = std::function<void(QWidget*)>;

    ModalScript()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

    ModalScript& expect(const QString& name, Act act)
    {
        m_steps.append({name, std::move(act)});
        return *this;
    }

    QStringList seen;       // the names of the dialogs acted on, in order
    QStringList unexpected; // modals that came out of order or stayed up
    int pending() const { return m_steps.size(); }

private:
    struct Step
    {
        QString name;
        Act act;
    };

    static bool matches(QWidget* w, const QString& name)
    {
        return w->windowTitle() == name || QLatin1String(w->metaObject()->className()) == name;
    }

    static void close(QWidget* w)
    {
        if (auto* dialog = qobject_cast<QDialog*>(w))
            dialog->reject();
        else
            w->close();
    }

    void poll()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (w != m_active) {
            m_active = w;
            m_since.start();
        }
        if (!w) return;
        if (m_handled.contains(w)) {
            // A dialog acted on is up again while its nested steps run; up
            // for long, its step did not close it.
            if (m_since.elapsed() > 5000) {
                unexpected << QStringLiteral("stayed up: ") + w->windowTitle();
                m_handled.removeAll(w);
                close(w);
            }
            return;
        }
        if (m_steps.isEmpty() || !matches(w, m_steps.first().name)) {
            unexpected << QStringLiteral("%1 (%2)").arg(w->windowTitle(), w->metaObject()->className());
            close(w);
            return;
        }
        const Step step = m_steps.takeFirst();
        seen << step.name;
        m_handled << w;
        // Acting may open nested dialogs: act from a timer of its own, for
        // this one does not fire again until its slot returns.
        QPointer<QWidget> target = w;
        QTimer::singleShot(0, this, [step, target] {
            if (target) step.act(target);
        });
    }

    QTimer m_timer;
    QList<Step> m_steps;
    QList<QPointer<QWidget>> m_handled;
    QPointer<QWidget> m_active;
    QElapsedTimer m_since;
};

inline void click(QAbstractButton* button)
{
    if (button) QTest::mouseClick(button, Qt::LeftButton);
}

// Triggers the window's action `name`, which must be there and enabled.
inline void triggerAction(QWidget* window, const char* name)
{
    QAction* action = window->findChild<QAction*>(QLatin1String(name));
    QVERIFY(action);
    QVERIFY(action->isEnabled());
    action->trigger();
}

inline QPushButton* boxButton(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    return box ? box->button(which) : nullptr;
}

// The sign-up page answered: Finish first (refused while nothing is chosen,
// which `refusedFinish` records), then the radio of the answer and Finish.
inline ModalScript::Act answerSignup(int answer, bool* refusedFinish = nullptr)
{
    return [answer, refusedFinish](QWidget* w) {
        auto* wizard = qobject_cast<QWizard*>(w);
        click(wizard->button(QWizard::FinishButton));
        if (refusedFinish) *refusedFinish = wizard->isVisible();
        auto* radio = wizard->findChild<QRadioButton*>(QStringLiteral("fld_signup_%1").arg(answer));
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(4, radio->height() / 2));
        click(wizard->button(QWizard::FinishButton));
    };
}

inline ModalScript::Act pressButton(QDialogButtonBox::StandardButton which)
{
    return [which](QWidget* w) { click(boxButton(w, which)); };
}

inline ModalScript::Act agreeToTerms()
{
    return [](QWidget* w) {
        click(w->findChild<QCheckBox*>(QStringLiteral("fld_bAgree")));
        click(boxButton(w, QDialogButtonBox::Ok));
    };
}

// The result dialog's overview line into `overview`, then OK.
inline ModalScript::Act readResult(QString* overview, QString* details = nullptr)
{
    return [overview, details](QWidget* w) {
        if (overview) *overview = w->findChild<QLabel*>(QStringLiteral("lblOverview"))->text();
        if (details) {
            const QObjectList children = w->findChildren<QObject*>(QStringLiteral("pteDetails"));
            if (!children.isEmpty()) *details = children.first()->property("plainText").toString();
        }
        click(boxButton(w, QDialogButtonBox::Ok));
    };
}

inline ModalScript::Act finishWizard()
{
    return [](QWidget* w) { click(qobject_cast<QWizard*>(w)->button(QWizard::FinishButton)); };
}

// The transmission dialog's test-case field: whether it shows into `shown`,
// then `typed` keyed into it and OK.
inline ModalScript::Act typeTestCase(const QString& typed, bool* shown)
{
    return [typed, shown](QWidget* w) {
        auto* field = w->findChild<QLineEdit*>(QStringLiteral("edtTestcase"));
        *shown = field->isVisible();
        QTest::keyClicks(field, typed);
        click(boxButton(w, QDialogButtonBox::Ok));
    };
}

// The fake agency over TLS, with the program's clients sent to it. The
// result file is the program's own, in the run folder, and the test mode
// is the configuration's, as the program has them.
class Agency
{
public:
    int timeoutMs = 10000;

    bool start(QString* error)
    {
        if (!m_tls.start(m_dir.path(), "agency", error)) return false;
        setAgencySettingsSource([this]() {
            TabWndApp* app = TabWndApp::getMainApp();
            AgencySettings s;
            s.netfileHost = s.efileHost = s.t1135Host = s.t1013Host = CString(m_tls.server().host());
            s.testMode = app->config().isTestMode();
            app->getFilingLogFilePath(s.resultFilePath, 1);
            s.timeoutMs = timeoutMs;
            return s;
        });
        return true;
    }

    void stop()
    {
        setAgencySettingsSource(nullptr);
        m_tls.stop();
    }

    void reset()
    {
        timeoutMs = 10000;
        m_tls.clear();
    }

    FakeAgency& fake() { return m_tls.agency(); }
    FakeHttpsServer& server() { return m_tls.server(); }

    // The requests of one service whose body element is `element` (any when empty).
    QList<FakeAgency::Request> requests(const char* path, const QString& element = QString()) const
    {
        QList<FakeAgency::Request> out;
        for (const FakeAgency::Request& r : m_tls.agency().requests(path))
            if (element.isEmpty() || r.bodyElement == element) out << r;
        return out;
    }

private:
    QTemporaryDir m_dir;
    TlsFakeAgency m_tls;
};

// The filing records the program sends to the e-signature service after a
// filing, received by a fake of it on the agency's own server. `filingReport`
// is the preparer's setting that asks for them.
class FilingRecords
{
public:
    bool filingReport = false;

    void install(FakeHttpsServer& server)
    {
        m_penvault.reset(new FakePenvault(server, "preparer@example.ca", "pw", "0123456789abcdefghijklmn"));
        const QString host = server.host();
        m_client.reset(new PenvaultClient([this, host] {
            PenvaultSettings s;
            s.email = "preparer@example.ca";
            s.password = "pw";
            s.host = host;
            s.filingReport = filingReport;
            return s;
        }));
        PenvaultService::install(m_client.get());
    }

    void uninstall() { PenvaultService::install(nullptr); }

private:
    std::unique_ptr<FakePenvault> m_penvault;
    std::unique_ptr<PenvaultClient> m_client;
};

// The taxpayer's T1 with a Canadian mailing address (so the return validates
// clean) and the fields of `extra`.
inline std::function<void(QJsonObject&)> withT1(const QJsonObject& extra = {}, bool mailing = true)
{
    return [extra, mailing](QJsonObject& root) {
        if (mailing) EditorTest::withMailingAddress(root);
        QJsonObject taxpayer = root.value("taxpayer").toObject();
        QJsonObject t1 = taxpayer.value("t1").toObject();
        QJsonObject fields = t1.value("fields").toObject();
        for (auto it = extra.begin(); it != extra.end(); ++it) {
            if (it.key() == "sin")
                t1.insert("sin", it.value());
            else
                fields.insert(it.key(), it.value());
        }
        t1.insert("fields", fields);
        taxpayer.insert("t1", t1);
        root.insert("taxpayer", taxpayer);
    };
}

inline CTaxData_Form* t1Of(Form_Return* editor)
{
    return editor->familyData()->taxpayer()->GetFormData(FormType::T1, false);
}

inline QStringList workFiles()
{
    return QDir(TabWndApp::getMainApp()->runFolder().toQString())
        .entryList({QStringLiteral("*_2021.ws"), QStringLiteral("*_2021_t1135.xml")}, QDir::Files);
}

inline QString successLog()
{
    CString path;
    TabWndApp::getMainApp()->getFilingLogFilePath(path, 0);
    QFile file(path.toQString());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

inline std::list<_STRUCT_EVENT_MSG_> events(int id)
{
    std::list<_STRUCT_EVENT_MSG_> rows;
    CBasicEvent::findByEventID(TabWndApp::getMainApp()->database().getDBHandle(), id, rows);
    return rows;
}

// The configuration and the model's copy of the filing settings alike.
inline void setNoWarningMsg(bool on)
{
    TabWndApp::getMainApp()->config().m_NoWarningMsg = on;
    filingSettings().NoWarningMsg = on;
}

// Test mode in the configuration and the model's copy of the filing settings alike.
inline void setTestMode(bool on)
{
    TabWndApp::getMainApp()->config().m_MODEDEBUG = on;
    filingSettings().TestMode = on;
}

// Each test starts in the NETFILE edition, outside test mode, with no
// pre-filing warnings, no filing events and no success log.
inline void freshFilingState(const QString& returnFolder)
{
    TabWndApp* app = TabWndApp::getMainApp();
    TabWndApp::s_appPurpose = 2;
    CT1AppConfig& config = app->config();
    config.m_RetPath = returnFolder;
    config.m_SaveBackup = 0;
    setTestMode(false);
    setNoWarningMsg(true);
    QSqlDatabase& db = app->database().getDBHandle();
    CBasicEvent::removeByEventID(db, CBasicEvent::EVENT_FILING_MADE);
    CBasicEvent::removeByEventID(db, CBasicEvent::EVENT_FILING_FILED);
    CString log;
    app->getFilingLogFilePath(log, 0);
    QFile::remove(log.toQString());
}

// A return folder of the test's own, in the filing state above; null when
// no folder could be made.
inline std::unique_ptr<QTemporaryDir> freshReturnFolder()
{
    auto dir = std::make_unique<QTemporaryDir>();
    if (!dir->isValid()) return nullptr;
    freshFilingState(dir->path());
    return dir;
}

} // namespace FilingTest
