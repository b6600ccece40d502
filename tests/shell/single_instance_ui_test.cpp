// A second start of the program hands its file to the one running, and ends.
#include "shell/ui/single_instance_ui.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

TEST(SingleInstance, OneNamePerUserDesktopAndProgramFolder) {
    const QString name = InstanceName(QStringLiteral("/opt/a"), QStringLiteral(":0"));
    EXPECT_EQ(name, InstanceName(QStringLiteral("/opt/a"), QStringLiteral(":0")));
    EXPECT_NE(name, InstanceName(QStringLiteral("/opt/b"), QStringLiteral(":0")));
    EXPECT_NE(name, InstanceName(QStringLiteral("/opt/a"), QStringLiteral(":1")));
    EXPECT_TRUE(name.startsWith(QStringLiteral("vantora95-")));
}

TEST(SingleInstance, OnlyOneListensAndALeftOverNameIsTakenOver) {
    const QString name = InstanceName(QStringLiteral("/listen"), QString::number(getpid()));
    // What a program that crashed leaves behind: its socket's file, with nobody answering.
    const QString leftOver = InstanceSocketPath(name);
    {
        QFile f(leftOver);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QObject first, second;
    EXPECT_TRUE(ListenForLaterStarts(name, &first, [](const QString&) {}));
    EXPECT_FALSE(ListenForLaterStarts(name, &second, [](const QString&) {}));
    EXPECT_FALSE(HandToRunningProgram(InstanceName(QStringLiteral("/none"), QString()), {}, 500));
}

// The real program, started a second time with a file, hands it over and ends at once.
TEST(SingleInstance, ASecondProgramHandsItsFileOverAndEnds) {
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/vantora");
    if (!QFileInfo(program).isExecutable()) GTEST_SKIP() << "the program is not built";
    const QString display = QStringLiteral("handover-%1").arg(getpid());
    // The program's folder is the build folder, as this test's.
    const QString name = InstanceName(QCoreApplication::applicationDirPath(), display);
    QObject running;
    std::vector<QString> got;
    ASSERT_TRUE(
        ListenForLaterStarts(name, &running, [&got](const QString& p) { got.push_back(p); }));

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(QDir::tempPath());
    second.start(program, {QStringLiteral("Family.wms")});
    ASSERT_TRUE(second.waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 60000);
    EXPECT_EQ(second.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!got.empty(), 10000);
    // Relative to where the second program started.
    EXPECT_EQ(got.front(), QDir(QDir::tempPath()).absoluteFilePath(QStringLiteral("Family.wms")));
    if (second.state() != QProcess::NotRunning) second.kill();
}
