#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "qt/QSettingsAppProfile.h"

namespace numora {

TEST(QSettingsAppProfile, valuesWrittenInOneRunReadBackInTheNext) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Numora.conf"));
    {
        QSettingsAppProfile profile(file);
        EXPECT_EQ(profile.readText("Options", "Name", "PBall"), "PBall");
        EXPECT_EQ(profile.readInt("Advanced", "Hyper", 1), 1);
        profile.writeText("Options", "Name", "Lotto 6/49 \xC3\xA9");
        profile.writeInt("Advanced", "Hyper", 2);
    }
    const QSettingsAppProfile again(file);
    EXPECT_EQ(again.readText("Options", "Name", "PBall"), "Lotto 6/49 \xC3\xA9");
    EXPECT_EQ(again.readInt("Advanced", "Hyper", 1), 2);
    EXPECT_EQ(again.readText("Advanced", "Sound", "TRUE"), "TRUE");
}

}  // namespace numora
