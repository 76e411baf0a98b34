#include "Kestrion/Common/AppStrings.h"

#include "ViewKit/VKBadgeLabel.h"
#include "ViewKit/VKStrings.h"

#include <gtest/gtest.h>

#include <memory>

using Kestrion::AppStrings;

TEST(AppStrings, TheViewsLookTheirKeysUpInTheProgramsTableWhenDrawn)
{
    AppStrings::install();
    std::unique_ptr<ViewKit::VKBadgeLabel> badge(ViewKit::VKBadgeLabel::withKey(QStringLiteral("PROCESSOR"), Qt::blue));
    EXPECT_NE(AppStrings::text("PROCESSOR"), QStringLiteral("PROCESSOR"));
    EXPECT_EQ(badge->label().value_or(QString()), AppStrings::text("PROCESSOR"));
    // A key the table lacks shows as itself.
    EXPECT_EQ(ViewKit::VKStrings::mainTable(QStringLiteral("NO_SUCH_KEY")), QStringLiteral("NO_SUCH_KEY"));
}
