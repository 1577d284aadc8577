// Reading the clipboard's text as the watcher takes it: the first type
// offered decides, and the text comes out as at most 50 Windows-1256 bytes.
#pragma once

#include <cstddef>

#include "app/Resource.h"

class QMimeData;
class QString;

namespace nira {

// How the first offered type is read, after the X11 bookkeeping targets
// (TARGETS, MULTIPLE, TIMESTAMP and the other all-capital atoms except
// UTF8_STRING, STRING and TEXT) are left out.
enum class ClipFormat {
    None,         // no type, or a type that is not read (images, file lists)
    UnicodeText,  // a plain-text type: decoded, then converted to cp1256
    Cp1256Text,   // a text declared in windows-1256: its bytes as they are
    RichText,     // html, rtf, Qt rich text: the plain text beside it is read
};

ClipFormat ClassifyClipFormat(const QString& mimeType);

// The type Nira adds to what it copies out of its panes, so that the
// watcher knows its own text where the platform cannot tell the owner.
constexpr const char* kOwnCopyType = "application/x-nira-own-copy";

// True when data carries kOwnCopyType.
bool IsOwnCopy(const QMimeData& data);

// Fills out with the clipboard text the watcher takes: its first line
// without white space and format characters at the ends (a copied cell's
// line break, a tab, a no-break space, direction marks), then at most
// kClipTextMax bytes, ending in a zero byte; length is the byte count.
// False, with out empty, when the first type is not one that is read,
// when there is no data or the data is empty. Only the first few kilobytes
// of the data are decoded, whatever its size.
bool ReadClipboardText(const QMimeData* data,
                       unsigned char (&out)[kClipBufferSize],
                       std::size_t& length);

// A text given as a copied one (the words of `nira WORD...`): its first
// line without white space and format characters at the ends, at most
// kClipTextMax units, in out as cp1256 bytes ending in a zero byte;
// returns the byte count.
std::size_t TakeAsCopiedText(const QString& text, unsigned char (&out)[kClipBufferSize]);

}  // namespace nira
