#pragma once
// Hosts the Java virtual machine that the report maker runs in: finds
// libjvm, creates the VM once per run through JNI, and drives the report
// maker's entry class through one print job at a time. GUI thread only.

#include <functional>

#include <QString>

class QLibrary;
struct JNIEnv_;
struct JavaVM_;

class JavaVMEnv
{
public:
    // The settings the host reads; the program hands them in from its
    // configuration, so the host needs nothing above Qt Core.
    struct Settings
    {
        QString classPath;      // JAVACLASSPATH
        QString pdfPath;        // PDFPATH: the report maker's form templates
        QString xmlPath;        // XMLPATH
        QString jvmPath;        // JVMPATH: libjvm.so when the program carries none
        QString retPdfPath;     // RetPdfPath: the output folder when none is given
        bool printHeader = true;  // PrintHeader
    };
    using SettingsSource = std::function<Settings()>;

    // Error codes beyond the report maker's own.
    enum : int {
        kJavaException = -140,  // a Java exception in a call that has no code of its own
    };

    static JavaVMEnv* getInstance();
    static void setSettingsSource(SettingsSource source);

    JavaVMEnv();
    ~JavaVMEnv();
    JavaVMEnv(const JavaVMEnv&) = delete;
    JavaVMEnv& operator=(const JavaVMEnv&) = delete;

    // 0 when the VM is ready (also on every later call), else an error code.
    int Init();
    // 0 and the path of libjvm.so, or -21.
    int DetectJRE(QString& path);
    int GetJavaEnvironment();
    // One print job; 0 and the written PDF's path in pdfPath, or an error code.
    int doJob(const QString& returnFile, bool person, int mode, int formId, int flags, const char* outputFolder,
              QString& pdfPath);
    // Destroys the VM and unloads the library; the end of the run.
    void Release();

    bool isInitialised() const { return m_initialised; }
    // How many times this process created a VM (a second print reuses it).
    int createdVMs() const { return m_created; }

private:
    void ClearVar();
    Settings settings() const;

    QLibrary* m_library = nullptr;
    JavaVM_* m_jvm = nullptr;
    JNIEnv_* m_env = nullptr;
    bool m_initialised = false;
    int m_created = 0;
    QString m_classPath;
    QString m_pdfPath;
    QString m_xmlPath;

    static JavaVMEnv s_javaVMEnv;
};
