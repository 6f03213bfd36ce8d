#pragma once
// Writing a person's electronic return in a test, and reading what matters
// back out of it.

#include <cstdio>
#include <functional>
#include <map>

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QXmlStreamReader>
#include <QtTest>

#include "individualtaxdata.h"
#include "netfileparam.h"

// What `write` puts in a file; *rc gets what it returns.
inline QByteArray writtenToFile(const std::function<int(FILE*)>& write, int* rc = nullptr)
{
    FILE* out = std::tmpfile();
    if (!out) return QByteArray();
    const int result = write(out);
    if (rc) *rc = result;
    QByteArray bytes;
    std::fflush(out);
    std::rewind(out);
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, out)) > 0) bytes.append(buffer, int(n));
    std::fclose(out);
    return bytes;
}

// The whole electronic return as written to a file; *rc gets the result.
inline QByteArray electronicFile(IndividualTaxData& person, unsigned char mode, int* rc = nullptr)
{
    return writtenToFile([&person, mode](FILE* out) { return person.CreateElectronicFile(nullptr, out, mode); }, rc);
}

// Checks `bytes` against the golden file at `path`; with QUILLMERE_WRITE_GOLDEN
// set, writes them there instead.
inline void compareWithGolden(const QByteArray& bytes, const QString& path)
{
    if (qEnvironmentVariableIsSet("QUILLMERE_WRITE_GOLDEN")) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        qWarning("wrote %s", qPrintable(path));
        return;
    }
    QFile golden(path);
    QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(path));
    QCOMPARE(bytes, golden.readAll());
}

// The field map of one run of the return lines, written nowhere.
inline std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE> returnLineMap(IndividualTaxData& person, unsigned char mode,
                                                                  unsigned char outputKind)
{
    int count = 0;
    std::map<int, STRUCT_NETFILE_TIA_FIELD_TYPE> fields;
    NetfileGenObjParamStru param;
    param.mode = mode;
    param.outputKind = outputKind;
    param.lineCount = &count;
    param.fields = &fields;
    person.WriteNetfileFreeFormatData(mode, param);
    return fields;
}

struct ReadBack
{
    QString error;                   // the reader's error, empty when well-formed
    QMap<QString, QString> texts;    // qualified element name -> text of its first occurrence
    QStringList returnLineCodes;     // the field codes of the return lines, in order
    QMap<QString, QString> returnLineValues;   // code -> value of its first return line
    QList<QStringList> recordCodes;  // per selected-financial-data record, its codes
    int recordCount = -1;            // the count line, -1 without one
};

// Reads the file with a namespace-aware reader.
inline ReadBack readBack(const QByteArray& xml)
{
    struct Open
    {
        QString name;
        QString text;
        bool hasChild = false;
    };
    ReadBack out;
    QList<Open> stack;
    bool inRecord = false;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (!stack.isEmpty()) stack.last().hasChild = true;
            const QString name = reader.qualifiedName().toString();
            if (reader.namespaceUri().isEmpty()) out.error = QStringLiteral("no namespace: ") + name;
            if (name == QLatin1String("sfd:SelectedFinancialData")) {
                inRecord = true;
                out.recordCodes.append(QStringList());
            }
            stack.append(Open{name, QString(), false});
        } else if (reader.isCharacters() && !stack.isEmpty()) {
            stack.last().text += reader.text();
        } else if (reader.isEndElement() && !stack.isEmpty()) {
            const Open done = stack.takeLast();
            if (done.name == QLatin1String("sfd:SelectedFinancialData")) inRecord = false;
            if (done.name == QLatin1String("comm:FieldCode")) {
                if (inRecord)
                    out.recordCodes.last() << done.text;
                else
                    out.returnLineCodes << done.text;
            }
            if (done.name == QLatin1String("comm:FieldValue") && !inRecord && !out.returnLineCodes.isEmpty()
                && !out.returnLineValues.contains(out.returnLineCodes.last()))
                out.returnLineValues.insert(out.returnLineCodes.last(), done.text);
            if (done.name == QLatin1String("t1:SelectedFinancialDataRecordCount")) out.recordCount = done.text.toInt();
            if (!done.hasChild && !out.texts.contains(done.name)) out.texts.insert(done.name, done.text);
        }
    }
    if (reader.hasError()) out.error = reader.errorString();
    return out;
}

// xmllint's verdict; empty when the file is well-formed.
inline QString xmllintErrors(const QByteArray& xml)
{
    QProcess lint;
    lint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), QStringLiteral("-")});
    if (!lint.waitForStarted()) return QStringLiteral("xmllint did not start");
    lint.write(xml);
    lint.closeWriteChannel();
    lint.waitForFinished();
    if (lint.exitStatus() != QProcess::NormalExit || lint.exitCode() != 0)
        return QString::fromUtf8(lint.readAllStandardError()) + QStringLiteral(" (exit %1)").arg(lint.exitCode());
    return QString();
}
