// The clipboard text decision, offscreen: offered types and their bytes in,
// the query text out. Checked: the bounds of the result, and against plain
// rules where one applies (a windows-1256 text is the first line of its
// bytes up to a zero byte, without white space at its ends; so is
// printable ASCII in UTF-8; a first type that is not text gives nothing).
#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QMimeData>
#include <QString>

#include <cstring>
#include <string>

#include "app/ClipboardText.h"
#include "text/CopiedText.h"
#include "FileModel.h"

namespace {

const char* const kTypes[] = {
    "text/plain", "text/plain;charset=utf-8", "text/plain;charset=windows-1256",
    "text/plain; charset=\"CP1256\"", "text/plain;charset=utf-16", "text/plain;charset=iso-8859-1",
    "text/plain;charset=bogus", "UTF8_STRING", "STRING", "TEXT", "TARGETS", "TIMESTAMP",
    "text/html", "text/rtf", "application/x-qt-richtext", "image/png", "text/uri-list", "",
};

bool IsPrintableAscii(const QByteArray& bytes) {
    for (char c : bytes)
        if (c < 0x20 || c > 0x7E) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using nira::fuzz::Check;
    FuzzedDataProvider in(data, size);
    QMimeData mime;
    QString firstType;
    QByteArray firstBytes;
    const int count = in.ConsumeIntegralInRange<int>(0, 4);
    for (int i = 0; i < count; ++i) {
        const std::string type = in.ConsumeBool() ? std::string(in.PickValueInArray(kTypes))
                                                  : in.ConsumeRandomLengthString(40);
        const std::string bytes = in.ConsumeRandomLengthString(400);
        const QString name = QString::fromLatin1(type.data(), static_cast<qsizetype>(type.size()));
        if (mime.hasFormat(name)) continue;
        mime.setData(name, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
        if (i == 0) {
            firstType = name;
            firstBytes = mime.data(name);
        }
    }

    unsigned char out[nira::kClipBufferSize];
    std::memset(out, 0xAA, sizeof out);
    std::size_t length = 99;
    const bool read = nira::ReadClipboardText(&mime, out, length);
    Check(length <= static_cast<std::size_t>(nira::kClipTextMax), "clip text too long");
    Check(out[length] == 0, "clip text not ended");
    Check(std::strlen(reinterpret_cast<const char*>(out)) == length, "clip length");
    if (!read) Check(length == 0, "nothing read but a length");

    // Plain rules, for a first type that is neither skipped nor rich.
    const std::string head(firstBytes.constData(), static_cast<std::size_t>(firstBytes.size()));
    const std::string expected =
        std::string(nira::CopiedWordCp1256(std::string_view(head).substr(0, head.find('\0'))))
            .substr(0, nira::kClipTextMax);
    const std::string got(reinterpret_cast<const char*>(out), length);
    if (firstType == QLatin1String("text/plain;charset=windows-1256") && !firstBytes.isEmpty())
        Check(read && got == expected, "windows-1256 text is its first line, trimmed");
    if ((firstType == QLatin1String("text/plain") || firstType == QLatin1String("UTF8_STRING")) &&
        !firstBytes.isEmpty() && IsPrintableAscii(firstBytes))
        Check(read && got == expected, "ASCII text is its first line, trimmed");
    if (firstType == QLatin1String("image/png") || firstType == QLatin1String("text/uri-list"))
        Check(!read, "a first type that is no text gave text");
    return 0;
}
