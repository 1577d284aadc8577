#include "app/Trace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace nira {

bool TraceEnabled() {
    const char* value = std::getenv("NIRA_TRACE");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

QString FormatLookupTrace(const QString& query, const QString& headword,
                          int paneMode, bool fromClipboard) {
    return QStringLiteral("nira: lookup query=\"%1\" headword=\"%2\" mode=%3 clipboard=%4")
        .arg(query, headword, QString::number(paneMode),
             fromClipboard ? QStringLiteral("1") : QStringLiteral("0"));
}

void TraceLookup(const QString& query, const QString& headword, int paneMode,
                 bool fromClipboard) {
    if (!TraceEnabled()) return;
    const QByteArray line =
        FormatLookupTrace(query, headword, paneMode, fromClipboard).toUtf8();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
}

}  // namespace nira
