#include "platform/text_trim.h"

#include <gtest/gtest.h>

namespace {

TEST(TrimText, RemovesBlanksAndControlsAtBothEnds)
{
    EXPECT_EQ(TrimText(QStringLiteral("\r\n \t a\r\nb \r\n\r\n")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(TrimText(QStringLiteral("\r\n\r\n")), QString());
    EXPECT_EQ(TrimText(QString()), QString());
    EXPECT_EQ(TrimText(QStringLiteral("\x01x\x1f")), QStringLiteral("x"));
    EXPECT_EQ(TrimText(QStringLiteral("\u3000x\u3000")), QStringLiteral("\u3000x\u3000"));
    EXPECT_EQ(TrimLeadingText(QStringLiteral("\r\n x \r\n")), QStringLiteral("x \r\n"));
}

} // namespace
