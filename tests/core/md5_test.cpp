#include "digest/Md5.h"
#include "digest/Constants.h"
#include "platform/File.h"
#include "platform/FileException.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace nira {
namespace {

std::vector<unsigned char> Bytes(const std::string& text)
{
    return std::vector<unsigned char>(text.begin(), text.end());
}

// n bytes that are not all alike, so that a misplaced byte shows.
std::vector<unsigned char> Pattern(std::size_t n, unsigned mul, unsigned add)
{
    std::vector<unsigned char> data(n);
    for (std::size_t i = 0; i < n; ++i)
        data[i] = static_cast<unsigned char>(i * mul + add);
    return data;
}

std::string UpdateInPieces(const std::vector<unsigned char>& data, std::size_t piece)
{
    CMd5 md5;
    for (std::size_t at = 0; at < data.size(); at += piece)
        md5.Update(data.data() + at, std::min(piece, data.size() - at));
    return md5.Final();
}

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/nira-md5-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_folder = pattern;
    }
    void TearDown() override
    {
        for (const std::string& path : m_files)
            std::remove(path.c_str());
        rmdir(m_folder.c_str());
    }
    std::string WriteFile(const std::string& name, const std::vector<unsigned char>& data)
    {
        const std::string path = m_folder + "/" + name;
        FILE* file = std::fopen(path.c_str(), "wb");
        EXPECT_NE(file, nullptr);
        if (file != nullptr) {
            if (!data.empty())
                std::fwrite(data.data(), 1, data.size(), file);
            std::fclose(file);
        }
        m_files.push_back(path);
        return path;
    }

    std::string m_folder;
    std::vector<std::string> m_files;
};

struct KnownDigest {
    std::string input;
    const char* digest;
};

// RFC 1321, appendix A.5.
const KnownDigest kRfcSuite[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
     "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57edf4a22be3c955ac49da2e2107b67a"},
};

class Md5RfcSuite : public TempFolder, public ::testing::WithParamInterface<KnownDigest> {};

TEST_P(Md5RfcSuite, EveryEntryPointGivesTheRfcDigest)
{
    const std::vector<unsigned char> data = Bytes(GetParam().input);
    const std::string expected = GetParam().digest;

    EXPECT_EQ(CMd5::DigestOfBytes(data.data(), data.size()), expected);
    EXPECT_EQ(UpdateInPieces(data, data.size() + 1), expected);
    EXPECT_EQ(UpdateInPieces(data, 1), expected);

    const std::string path = WriteFile("suite", data);
    EXPECT_EQ(CMd5::DigestOfFile(path), expected);
    CFile file(path);
    EXPECT_EQ(CMd5::DigestOfFile(file), expected);
}

INSTANTIATE_TEST_SUITE_P(Rfc1321, Md5RfcSuite, ::testing::ValuesIn(kRfcSuite));

// Lengths around the padding (55 bytes fit one final block, 56 need two)
// and the block size; digests from an independent implementation.
TEST(Md5Boundaries, LengthsAroundPaddingAndBlockSize)
{
    const struct {
        std::size_t length;
        const char* digest;
    } cases[] = {
        {55, "52c0e574e1198de5fe3f8f11440dcb1b"},
        {56, "46c9907fc908ee68b1e7b8e71286a518"},
        {63, "a62f6d59e837867693f042f5b8f5a236"},
        {64, "7160b8fb5e9e4023d549c3971fbaeead"},
        {65, "70bd662e7aefbda85a0f7244167b7897"},
    };
    for (const auto& c : cases) {
        const std::vector<unsigned char> data = Pattern(c.length, 7, 3);
        EXPECT_EQ(CMd5::DigestOfBytes(data.data(), data.size()), c.digest) << c.length;
        EXPECT_EQ(UpdateInPieces(data, 1), c.digest) << c.length;
    }
}

TEST(Md5Update, AnySplitIntoThreeCallsGivesTheSameDigest)
{
    const std::vector<unsigned char> data = Pattern(150, 29, 5);
    const std::string whole = CMd5::DigestOfBytes(data.data(), data.size());
    for (std::size_t first = 0; first <= data.size(); ++first) {
        for (std::size_t second = first; second <= data.size(); ++second) {
            CMd5 md5;
            md5.Update(data.data(), first);
            md5.Update(data.data() + first, second - first);
            md5.Update(data.data() + second, data.size() - second);
            ASSERT_EQ(md5.Final(), whole) << first << " " << second;
        }
    }
}

// 2^29 bytes are 2^32 bits: the bit count carries into its high word.
TEST(Md5Update, BitCountCarriesPastThirtyTwoBits)
{
    const std::vector<unsigned char> zeros(1 << 20, 0);
    CMd5 md5;
    for (int i = 0; i < 512; ++i)
        md5.Update(zeros.data(), zeros.size());
    md5.Update(zeros.data(), 100);
    EXPECT_EQ(md5.Final(), "2fd298086ae19f076b408e275af7598c");
}

TEST(Md5Text, ThirtyTwoLowerCaseDigitsWithLeadingZeros)
{
    // Digest bytes 0x00, 0x0a and 0xff all occur in this one.
    const std::vector<unsigned char> data = Bytes("digest9234");
    const std::string text = CMd5::DigestOfBytes(data.data(), data.size());
    EXPECT_EQ(text, "b5436b2f5700ff13370a38de7a01e5a1");
    EXPECT_EQ(text.find_first_not_of("0123456789abcdef"), std::string::npos);
}

TEST_F(TempFolder, FilesOfBlockMultiplesAndOthersMatchTheBytes)
{
    const std::vector<unsigned char> kilobyte = Pattern(1024, 131, 17);
    EXPECT_EQ(CMd5::DigestOfFile(WriteFile("one-block", kilobyte)),
              "88a5a17765f74a9d23d4666ddb8f3377");
    for (std::size_t size : {0u, 1u, 1023u, 2048u, 3073u, 10240u}) {
        const std::vector<unsigned char> data = Pattern(size, 13, 1);
        EXPECT_EQ(CMd5::DigestOfFile(WriteFile("size" + std::to_string(size), data)),
                  CMd5::DigestOfBytes(data.data(), data.size()))
            << size;
    }
}

TEST_F(TempFolder, FilesAroundTheReadBlockSizeMatchTheBytes)
{
    const std::vector<unsigned char> million(1000000, 'a');
    EXPECT_EQ(CMd5::DigestOfFile(WriteFile("million", million)),
              "7707d6ae4e027c70eea2a935c2296f21");
    for (std::size_t size : {kDigestBlockSize - 1, kDigestBlockSize, kDigestBlockSize + 1,
                             3 * kDigestBlockSize + 63}) {
        const std::vector<unsigned char> data = Pattern(size, 7, 3);
        EXPECT_EQ(CMd5::DigestOfFile(WriteFile("block" + std::to_string(size), data)),
                  CMd5::DigestOfBytes(data.data(), data.size()))
            << size;
    }
}

TEST_F(TempFolder, OpenFileFormDigestsFromTheCurrentPosition)
{
    const std::vector<unsigned char> data = Pattern(3000, 3, 9);
    CFile file(WriteFile("partly-read", data));
    unsigned char skipped[100];
    ASSERT_EQ(file.Read(skipped, sizeof skipped), sizeof skipped);
    EXPECT_EQ(CMd5::DigestOfFile(file), CMd5::DigestOfBytes(data.data() + 100, data.size() - 100));
}

TEST_F(TempFolder, MissingFileRaisesNotFoundWithTheNameAsPassed)
{
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(m_folder.c_str()), 0);
    try {
        CMd5::DigestOfFile("english");
        FAIL() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.GetCause(), CFileException::kFileNotFound);
        EXPECT_EQ(e.FileName(), "english");
        EXPECT_EQ(e.Message(), "english was not found.");
    }
    ASSERT_EQ(chdir(previous), 0);
}

}  // namespace
}  // namespace nira
