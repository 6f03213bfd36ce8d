#include "javavmenv.h"

#include <clocale>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <jni.h>

namespace {

using GetDefaultArgsFn = jint (*)(void*);
using GetCreatedVMsFn = jint (*)(JavaVM**, jsize, jsize*);
using CreateVMFn = jint (*)(JavaVM**, void**, void*);

constexpr const char* kEntryClass = "a/b/gm";

JavaVMEnv::SettingsSource& settingsSource()
{
    static JavaVMEnv::SettingsSource source;
    return source;
}

// Pops the job's local frame whichever way the job ends.
struct LocalFrame
{
    JNIEnv* env;
    explicit LocalFrame(JNIEnv* e) : env(e) { env->PushLocalFrame(64); }
    ~LocalFrame() { env->PopLocalFrame(nullptr); }
};

// A pending Java exception is never taken for success: its text goes to
// the run log, it is cleared, and the caller returns its code.
bool thrown(JNIEnv* env, const char* during)
{
    if (!env->ExceptionCheck()) return false;
    jthrowable error = env->ExceptionOccurred();
    env->ExceptionClear();
    QString text = QStringLiteral("(no text)");
    if (error) {
        jclass throwable = env->FindClass("java/lang/Throwable");
        jmethodID toString = throwable ? env->GetMethodID(throwable, "toString", "()Ljava/lang/String;") : nullptr;
        if (toString) {
            auto s = static_cast<jstring>(env->CallObjectMethod(error, toString));
            if (!env->ExceptionCheck() && s) {
                const char* chars = env->GetStringUTFChars(s, nullptr);
                if (chars) {
                    text = QString::fromUtf8(chars);
                    env->ReleaseStringUTFChars(s, chars);
                }
            }
        }
        env->ExceptionClear();
    }
    qWarning("report maker: Java exception during %s: %s", during, qPrintable(text));
    return true;
}

// A method id, or null with any pending NoSuchMethodError cleared.
jmethodID method(JNIEnv* env, jclass cls, const char* name, const char* signature)
{
    jmethodID id = env->GetMethodID(cls, name, signature);
    if (env->ExceptionCheck()) env->ExceptionClear();
    return id;
}

// A Java byte array holding the text's UTF-8 bytes, all of them.
jbyteArray utf8Array(JNIEnv* env, const QByteArray& bytes)
{
    jbyteArray array = env->NewByteArray(jsize(bytes.size()));
    if (!array || env->ExceptionCheck()) {
        if (env->ExceptionCheck()) env->ExceptionClear();
        return nullptr;
    }
    env->SetByteArrayRegion(array, 0, jsize(bytes.size()), reinterpret_cast<const jbyte*>(bytes.constData()));
    return array;
}

// Java strings go by UTF-16, as QString does: the JNI's "UTF" functions use
// Java's modified UTF-8, which writes characters beyond the basic plane
// otherwise than UTF-8.
jstring newString(JNIEnv* env, const QString& text)
{
    jstring s = env->NewString(reinterpret_cast<const jchar*>(text.utf16()), jsize(text.size()));
    if (env->ExceptionCheck()) {
        env->ExceptionClear();
        return nullptr;
    }
    return s;
}

} // namespace

JavaVMEnv JavaVMEnv::s_javaVMEnv;

JavaVMEnv* JavaVMEnv::getInstance() { return &s_javaVMEnv; }

void JavaVMEnv::setSettingsSource(SettingsSource source) { settingsSource() = std::move(source); }

JavaVMEnv::JavaVMEnv() { ClearVar(); }

JavaVMEnv::~JavaVMEnv() { Release(); }

void JavaVMEnv::ClearVar()
{
    m_library = nullptr;
    m_jvm = nullptr;
    m_env = nullptr;
    m_initialised = false;
}

JavaVMEnv::Settings JavaVMEnv::settings() const
{
    return settingsSource() ? settingsSource()() : Settings();
}

int JavaVMEnv::Init()
{
    if (m_initialised) return 0;
    const Settings s = settings();
    m_pdfPath = s.pdfPath;
    m_xmlPath = s.xmlPath;
    m_classPath = s.classPath;
    QString path;
    if (int rc = DetectJRE(path)) return rc;
    if (!m_library) m_library = new QLibrary(path);
    const int rc = GetJavaEnvironment();
    if (rc == 0) m_initialised = true;
    return rc;
}

int JavaVMEnv::DetectJRE(QString& path)
{
    const QString inside = QStringLiteral("%1/../Frameworks/openjdk/lib/server/libjvm.so")
                               .arg(QCoreApplication::applicationDirPath());
    if (QFileInfo(inside).isFile()) {
        path = QFileInfo(inside).canonicalFilePath();
        return 0;
    }
    const QString configured = settings().jvmPath;
    if (!configured.isEmpty() && QFileInfo(configured).isFile()) {
        path = configured;
        return 0;
    }
    return -21;
}

int JavaVMEnv::GetJavaEnvironment()
{
    if (!m_library) return -21;
    // A VM made by an earlier, failed attempt (its class missing) is kept:
    // JNI allows one per process.
    if (!m_jvm) {
        struct Entry { const char* name; int code; QFunctionPointer fn = nullptr; };
        Entry entries[] = {{"JNI_GetDefaultJavaVMInitArgs", -3}, {"JNI_GetCreatedJavaVMs", -4}, {"JNI_CreateJavaVM", -5}};
        for (Entry& e : entries) {
            e.fn = m_library->resolve(e.name);
            if (!e.fn) {
                std::fprintf(stderr, "JVM library did not contain %s entry point.\n", e.name);
                return e.code;
            }
        }
        JavaVMInitArgs args{};
        args.version = JNI_VERSION_1_2;
        if (reinterpret_cast<GetDefaultArgsFn>(entries[0].fn)(&args) != 0) return -7;

        const QByteArray fontCache = QDir::toNativeSeparators(QDir::tempPath()).toUtf8();
        std::vector<QByteArray> texts = {
            "-Djava.class.path=" + m_classPath.toUtf8(),
            "-Xrs",                                   // SIGTERM stays the program's
            "-Djava.awt.headless=true",
            "-XX:-UsePerfData",
            "-Dorg.apache.commons.logging.Log=org.apache.commons.logging.impl.NoOpLog",
            "-Dpdfbox.fontcache=" + fontCache,
        };
        std::vector<JavaVMOption> options(texts.size());
        for (size_t i = 0; i < texts.size(); ++i) {
            options[i].optionString = texts[i].data();
            options[i].extraInfo = nullptr;
        }
        args.version = JNI_VERSION_1_2;
        args.nOptions = jint(options.size());
        args.options = options.data();
        args.ignoreUnrecognized = JNI_FALSE;
        JavaVM* jvm = nullptr;
        JNIEnv* env = nullptr;
        // The program reads numbers in the C locale; whatever the VM does to
        // the process's locale while it starts is undone.
        const QByteArray numeric = std::setlocale(LC_NUMERIC, nullptr);
        const jint created = reinterpret_cast<CreateVMFn>(entries[2].fn)(&jvm, reinterpret_cast<void**>(&env), &args);
        std::setlocale(LC_NUMERIC, numeric.constData());
        if (created != 0 || !jvm) return -10;
        m_jvm = jvm;
        m_env = env;
        ++m_created;
    }
    JNIEnv* env = m_env;
    LocalFrame frame(env);
    jclass cls = env->FindClass(kEntryClass);
    if (thrown(env, "FindClass") || !cls) return -101;
    if (!method(env, cls, "<init>", "()V")) return -102;
    if (!method(env, cls, "if", "(Ljava/lang/String;)V")) return -103;
    if (!method(env, cls, "a", "(Ljava/lang/String;)V")) return -104;
    if (!method(env, cls, "a", "([B)V")) return -105;
    method(env, cls, "if", "([B)I");
    method(env, cls, "a", "(II)I");
    return 0;
}

int JavaVMEnv::doJob(const QString& returnFile, bool person, int mode, int formId, int flags,
                     const char* outputFolder, QString& pdfPath)
{
    if (!m_initialised || !m_env) return -101;
    JNIEnv* env = m_env;
    const Settings s = settings();
    LocalFrame frame(env);

    jclass cls = env->FindClass(kEntryClass);
    if (thrown(env, "FindClass") || !cls) return -101;
    jmethodID ctor = method(env, cls, "<init>", "()V");
    if (!ctor) return -102;
    jmethodID setPdf = method(env, cls, "if", "(Ljava/lang/String;)V");
    if (!setPdf) return -103;
    jmethodID setXml = method(env, cls, "a", "(Ljava/lang/String;)V");
    if (!setXml) return -104;
    jmethodID setOutput = method(env, cls, "a", "([B)V");
    if (!setOutput) return -105;
    jmethodID result = method(env, cls, "a", "()Ljava/lang/String;");
    jmethodID setFlags = method(env, cls, "if", "(I)V");
    if (!setFlags) return -112;
    jmethodID load = method(env, cls, "if", "([B)I");
    if (!load) return -106;
    jmethodID generate = method(env, cls, "a", "(II)I");
    if (!generate) return -107;

    jobject maker = env->NewObject(cls, ctor);
    if (thrown(env, "the constructor") || !maker) return -108;
    jmethodID step1 = method(env, cls, "do", "()V");
    if (!step1) return -124;

    jstring pdfFolder = newString(env, m_pdfPath);
    if (!pdfFolder) return -109;
    env->CallVoidMethod(maker, setPdf, pdfFolder);
    if (thrown(env, "set PDF folder")) return kJavaException;
    jstring xmlFolder = newString(env, m_xmlPath);
    if (!xmlFolder) return -111;
    env->CallVoidMethod(maker, setXml, xmlFolder);
    if (thrown(env, "set XML folder")) return kJavaException;

    // The array holds every UTF-8 byte of the folder, so accented names arrive whole.
    const QByteArray folder = (outputFolder && *outputFolder) ? QByteArray(outputFolder) : s.retPdfPath.toUtf8();
    jbyteArray folderBytes = utf8Array(env, folder);
    if (!folderBytes) return -111;
    env->CallVoidMethod(maker, setOutput, folderBytes);
    if (thrown(env, "set output folder")) return kJavaException;

    env->CallVoidMethod(maker, setFlags, jint(flags));
    if (thrown(env, "set flags")) return kJavaException;
    env->CallVoidMethod(maker, step1);
    if (thrown(env, "step 1")) return kJavaException;

    jmethodID step2 = method(env, cls, "int", "()V");
    if (!step2) return -120;
    env->CallVoidMethod(maker, step2);
    if (thrown(env, "step 2")) return kJavaException;
    if (!s.printHeader) {
        jmethodID step3 = method(env, cls, "new", "()V");
        if (!step3) return -121;
        env->CallVoidMethod(maker, step3);
        if (thrown(env, "step 3")) return kJavaException;
    }
    jmethodID step4 = method(env, cls, "for", "()V");
    if (!step4) return -122;
    env->CallVoidMethod(maker, step4);
    if (thrown(env, "step 4")) return kJavaException;

    if (mode != 0) {
        jmethodID setMode = method(env, cls, "a", "(I)V");
        if (!setMode) return -123;
        env->CallVoidMethod(maker, setMode, jint(mode));
        if (thrown(env, "set mode")) return kJavaException;
    }

    jbyteArray path = utf8Array(env, returnFile.toUtf8());
    if (!path) return -130;
    const jint loaded = env->CallIntMethod(maker, load, path);
    if (thrown(env, "load")) return -116;
    if (loaded != 0 && loaded != 5166 && loaded != 5167) return -116;

    const jint generated = env->CallIntMethod(maker, generate, jint(person ? 1 : 0), jint(formId));
    if (thrown(env, "generate") || generated != 0) return -117;

    if (result) {
        auto text = static_cast<jstring>(env->CallObjectMethod(maker, result));
        if (thrown(env, "result")) return kJavaException;
        if (text) {
            const jsize length = env->GetStringLength(text);
            const jchar* chars = env->GetStringChars(text, nullptr);
            if (!chars) {
                thrown(env, "result text");
                return kJavaException;
            }
            pdfPath = QString::fromUtf16(chars, length);
            env->ReleaseStringChars(text, chars);
        }
    }
    return 0;
}

void JavaVMEnv::Release()
{
    if (m_jvm) m_jvm->DestroyJavaVM();
    if (m_library) {
        m_library->unload();
        delete m_library;
    }
    ClearVar();
}
