// NIRA_TRACE=1: one line on standard error per lookup, for bug reports and
// the end-to-end test.
#pragma once

#include <QString>

namespace nira {

// True when the environment variable NIRA_TRACE is "1".
bool TraceEnabled();

// The trace line of one lookup, without its line end.
QString FormatLookupTrace(const QString& query, const QString& headword,
                          int paneMode, bool fromClipboard);

// Writes FormatLookupTrace's line to standard error when tracing is on.
void TraceLookup(const QString& query, const QString& headword, int paneMode,
                 bool fromClipboard);

}  // namespace nira
