#include <gtest/gtest.h>

#include "draws/CsvImport.h"
#include "draws/table/ReaderChoice.h"
#include "draws/table/TableText.h"
#include "draws/table/TextDecoding.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

TEST(TableFile, decodingFindsEachEncodingByItsMarkOrItsBytes) {
    const struct {
        std::string bytes;
        TextEncoding encoding;
        bool mark;
        std::string text;
    } cases[] = {
        {"Date,N1\n", TextEncoding::Utf8, false, "Date,N1\n"},
        {"\xEF\xBB\xBF"
         "D\xC3\xA4",
         TextEncoding::Utf8, true, "D\xC3\xA4"},
        {std::string("\xFF\xFE"
                     "D\0\xE4\0",
                     6),
         TextEncoding::Utf16Le, true, "D\xC3\xA4"},
        {std::string("\xFE\xFF\0D\0\xE4", 6), TextEncoding::Utf16Be, true, "D\xC3\xA4"},
        {std::string("D\0a\0t\0e\0", 8), TextEncoding::Utf16Le, false, "Date"},
        {std::string("\0D\0a\0t\0e", 8), TextEncoding::Utf16Be, false, "Date"},
        // Not UTF-8: Windows-1252, where 0x80 is the euro sign; zero bytes add nothing.
        {std::string("M\xE4rz\0 \x80", 7), TextEncoding::EightBit, false, "M\xC3\xA4rz \xE2\x82\xAC"},
    };
    for (const auto& [bytes, encoding, mark, text] : cases) {
        SCOPED_TRACE(text);
        const DecodedText decoded = decodeText(bytes);
        EXPECT_EQ(decoded.encoding, encoding);
        EXPECT_EQ(decoded.byteOrderMark, mark);
        EXPECT_EQ(decoded.text, text);
    }
    EXPECT_EQ(encodingInWords(decodeText("\xFF\xFE")), "UTF-16 little-endian with byte-order mark");
}

TEST(TableFile, linesAndFieldsKeepQuotedDelimitersAndEmptyLastFields) {
    std::vector<int> numbers;
    for (const TextLine& line : splitLines("a\r\nb\rc\n\nd")) numbers.push_back(line.number);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(splitLines("a\n").size(), 1u);

    std::vector<std::string> cells;
    EXPECT_TRUE(splitFields(R"( "a, ""b""" , 7 ,"$1,048 ",)", Delimiter::Comma, cells));
    EXPECT_EQ(cells, (std::vector<std::string>{"a, \"b\"", "7", "$1,048 ", ""}));
    EXPECT_FALSE(splitFields("  1   2\t3  ", Delimiter::Spaces, cells));
    EXPECT_EQ(cells, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_TRUE(splitFields("1;\"open; to the end", Delimiter::Semicolon, cells));
    EXPECT_EQ(cells, (std::vector<std::string>{"1", "open; to the end"}));
    EXPECT_TRUE(isCommentLine("  # note"));
    EXPECT_FALSE(isCommentLine("1,#"));
}

TEST(TableFile, onlyFilesOfTheLenientLineCharactersGoToTheLenientReader) {
    EXPECT_EQ(chooseReader(""), DrawReader::Lenient);
    EXPECT_EQ(chooseReader("01,02,03,1/4/2006\r\n1\\2:3.4-5\n"), DrawReader::Lenient);
    EXPECT_EQ(chooseReader(std::string("0\0001\0,\0\n\0", 8)), DrawReader::Lenient);  // the export's UTF-16LE
    for (const std::string bytes : {"1, 2,3\n", "Date,B1\n", "\"1\",2\n", "1;2\n",
                                    "\xFF\xFE"
                                    "1\0",
                                    "1\t2"}) {
        EXPECT_EQ(chooseReader(bytes), DrawReader::Table) << bytes;
    }

    testing::ScratchFolder folder;
    testing::writeBytes(folder / "table.csv", "Date,N1\n");
    std::string problem;
    EXPECT_EQ(readImportFile(folder / "table.csv", problem), "Date,N1\n");
    for (const auto& unreadable : {folder / "missing.csv", folder.path()}) {
        problem.clear();
        EXPECT_FALSE(readImportFile(unreadable, problem).has_value());
        EXPECT_EQ(problem.rfind(std::string(kImportCannotOpen) + "\n(", 0), 0u) << problem;
    }
}

}  // namespace
}  // namespace numora
