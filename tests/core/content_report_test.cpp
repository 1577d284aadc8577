// The content figures as `nira info` and the data build print them.
#include <gtest/gtest.h>

#include <string>

#include "present/ContentReport.h"

namespace nira {
namespace {

TEST(ContentReport, GivesEachFigureOnItsLineAndTheTotals) {
    const EditionContent content{300, 20, 1, 4000, 55, 3500, 12};
    const std::string text = ContentReport(content, "> ");
    EXPECT_EQ(text,
              "> English headwords: 321\n"
              ">   with a Persian translation:   300\n"
              ">   with only a category hint:    20\n"
              ">   with neither:                 1\n"
              "> Persian headwords: 4000\n"
              ">   single words:                 3500\n"
              ">   from our own vocabulary:      55\n"
              ">   from our Persian vocabulary:  12\n");
}

}  // namespace
}  // namespace nira
