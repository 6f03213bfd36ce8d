#include "templateprocessor.h"

#include <vector>

#include <QFile>

namespace {

struct Placeholder
{
    int start;     // offset of "$$(" in the line
    int end;       // offset after ")"
    std::string key;   // as written in the template
};

// The placeholders of one line; false on an unterminated one.
bool findPlaceholders(const QByteArray& line, std::vector<Placeholder>& out)
{
    int from = 0;
    while (true) {
        const int start = line.indexOf("$$(", from);
        if (start < 0) return true;
        const int close = line.indexOf(')', start + 3);
        if (close < 0) return false;
        out.push_back({start, close + 1, line.mid(start + 3, close - start - 3).toStdString()});
        from = close + 1;
    }
}

bool isOptional(const std::string& key) { return key.size() > 1 && key.back() == '0'; }
std::string valueKey(const std::string& key) { return isOptional(key) ? key.substr(0, key.size() - 1) : key; }

std::vector<QByteArray> splitLines(const QByteArray& text)
{
    std::vector<QByteArray> lines;
    int from = 0;
    while (from < text.size()) {
        int end = text.indexOf('\n', from);
        end = end < 0 ? text.size() : end + 1;
        lines.push_back(text.mid(from, end - from));
        from = end;
    }
    return lines;
}

} // namespace

int expandTemplateText(const QByteArray& text, const TemplateValues& values, QByteArray& out)
{
    const std::vector<QByteArray> lines = splitLines(text);
    std::vector<std::vector<Placeholder>> found(lines.size());
    for (size_t i = 0; i < lines.size(); ++i)
        if (!findPlaceholders(lines[i], found[i])) return 2;

    QByteArray result;
    for (size_t i = 0; i < lines.size(); ++i) {
        size_t skipTo = i;   // last line to leave out, when > i or the line itself is left out
        bool leaveOut = false;
        for (const Placeholder& p : found[i]) {
            const std::string key = valueKey(p.key);
            if (values.count(key)) continue;
            if (!isOptional(p.key)) return 1;
            leaveOut = true;
            // The paired form: the same marker after the closing tag ends the block.
            for (size_t j = i + 1; j < lines.size(); ++j) {
                bool pair = false;
                for (const Placeholder& q : found[j]) pair = pair || q.key == p.key;
                if (pair) {
                    skipTo = std::max(skipTo, j);
                    break;
                }
            }
        }
        if (leaveOut) {
            i = skipTo;
            continue;
        }
        QByteArray line = lines[i];
        for (auto p = found[i].rbegin(); p != found[i].rend(); ++p)
            line.replace(p->start, p->end - p->start, QByteArray::fromStdString(values.at(valueKey(p->key))));
        result += line;
    }
    out = result;
    return 0;
}

int processTemplatePartInString(CString& out, const char* resourcePath, const TemplateValues& values, int)
{
    QByteArray text;
    if (loadFileToString(QString::fromUtf8(resourcePath), text) != 0) return -1;
    QByteArray expanded;
    if (const int rc = expandTemplateText(text, values, expanded)) return rc;
    out += CString(expanded);
    return 0;
}

int writeTemplateText(FILE* file, const QByteArray& text, const TemplateValues& values)
{
    // No file is a failed write, never a quiet success: the caller would go
    // on to send an empty or half-written file.
    if (!file) return -2;
    QByteArray expanded;
    if (const int rc = expandTemplateText(text, values, expanded)) return rc;
    if (!expanded.isEmpty() && std::fwrite(expanded.constData(), 1, size_t(expanded.size()), file) != size_t(expanded.size()))
        return -2;
    return 0;
}

int processTemplatePart(FILE* file, const char* resourcePath, const TemplateValues& values, int)
{
    if (!file) return -2;
    QByteArray text;
    if (loadFileToString(QString::fromUtf8(resourcePath), text) != 0) return -1;
    return writeTemplateText(file, text, values);
}

int loadFileToString(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    bytes = file.readAll();
    return 0;
}

bool loadFileToQStr(const QString& path, QString& text)
{
    QByteArray bytes;
    if (loadFileToString(path, bytes) != 0) return false;
    text = QString::fromUtf8(bytes);
    return true;
}
