#include "dict/DataFileWriter.h"

#include "dict/Constants.h"

namespace nira {

namespace {

void AppendInt32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

unsigned char FirstByte(const std::string& headword) {
    return headword.empty() ? 0 : static_cast<unsigned char>(headword[0]);
}

int32_t CountBelow(const std::vector<std::string>& headwords, unsigned char byte) {
    int32_t count = 0;
    for (const std::string& h : headwords) {
        if (FirstByte(h) < byte) ++count;
    }
    return count;
}

}  // namespace

std::string BuildDataFile(const std::vector<std::string>& entries,
                          int32_t& indexBase) {
    std::string file;
    std::vector<uint32_t> offsets;
    offsets.reserve(entries.size());
    for (const std::string& entry : entries) {
        offsets.push_back(static_cast<uint32_t>(file.size()));
        file += entry;
    }
    indexBase = static_cast<int32_t>(file.size());
    for (uint32_t offset : offsets) AppendInt32(file, offset);
    return file;
}

std::vector<LetterBucketRow> BuildEnglishTable(
    const std::vector<std::string>& headwords) {
    std::vector<LetterBucketRow> rows;
    for (int letter = 'a'; letter <= 'z'; ++letter) {
        rows.push_back({letter, CountBelow(headwords, static_cast<unsigned char>(letter))});
    }
    rows.push_back({kEndRowFirstByte, static_cast<int32_t>(headwords.size())});
    return rows;
}

std::vector<LetterBucketRow> BuildPersianTable(
    const std::vector<std::string>& headwords) {
    std::vector<LetterBucketRow> rows;
    for (std::size_t i = 0; i < headwords.size(); ++i) {
        const unsigned char byte = FirstByte(headwords[i]);
        if (rows.empty() || rows.back().firstByte != byte) {
            rows.push_back({byte, static_cast<int32_t>(i)});
        }
    }
    rows.push_back({kEndRowFirstByte, static_cast<int32_t>(headwords.size())});
    return rows;
}

}  // namespace nira
