// How the player reads the disc probe's end: only a clean, successful exit lets a disc open.
#include "discprobeclient.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ProbeCase
{
    const char *name;
    const char *script; // nullptr: no probe program at all
    bool opens;
};

class DiscProbeClientTest : public ::testing::TestWithParam<ProbeCase>
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "app_discprobe_tests";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }
};

TEST_P(DiscProbeClientTest, OnlyACleanSuccessfulExitLetsTheDiscOpen)
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("probe"));
    if (GetParam().script) {
        QFile file(program);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("#!/bin/sh\n") + GetParam().script + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_EQ(DiscProbeClient::SurvivesOpening(program, dir.path(), 1500), GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(Ends, DiscProbeClientTest,
                         ::testing::Values(ProbeCase{"Opened", "exit 0", true},
                                           ProbeCase{"Refused", "exit 1", false},
                                           ProbeCase{"Crashed", "kill -SEGV $$", false},
                                           ProbeCase{"Hung", "exec sleep 30", false},
                                           ProbeCase{"NoProbeProgram", nullptr, true}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
