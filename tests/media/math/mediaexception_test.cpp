#include "media/mediaexception.h"

#include <gtest/gtest.h>

namespace {

TEST(MediaException, MessageIsTextThenUpperCaseHexCode)
{
    const EMediaException e(QStringLiteral("Resource not found."), 0x80070002u);
    EXPECT_EQ(e.Message(), QStringLiteral("Resource not found. ($80070002)."));
    EXPECT_EQ(e.ErrorCode(), 0x80070002u);
    EXPECT_STREQ(e.what(), "Resource not found. ($80070002).");
}

TEST(MediaException, NonAsciiTextSurvivesInWhat)
{
    const EMediaException e(QStringLiteral("Файл не найден"), 0xABCu);
    EXPECT_EQ(e.Message(), QStringLiteral("Файл не найден ($ABC)."));
    EXPECT_EQ(QString::fromStdString(e.what()), e.Message());
}

} // namespace
