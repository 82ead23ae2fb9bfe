// The image command: the image tag of a stored image with its row's defaults, the parameters
// that override them, image maps, keys in every form, and its errors.
#include "tests/content/ObjectCommandFixture.h"

namespace {

using ImageCommandTest = ObjectCommandTest;

TEST_F(ImageCommandTest, AKeyAloneWritesTheRowsValues) {
    EXPECT_EQ(Body("<<image :3>>"),
              "<img src=\"../../site/news/img/logo.gif\" alt=\"Logo\" align=middle border=0 "
              "height=31 width=88 hspace=0 vspace=0>");
    EXPECT_TRUE(ErrorTexts().empty());
}

} // namespace
