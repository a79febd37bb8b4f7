// "--version" on both programs: the project's version and the Qt in use, printed without a display
// (the window program answers before it makes any window).
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

TEST(Version, BothProgramsSayTheirVersionWithoutADisplay)
{
    const struct {
        const char* path;
        const char* name;
    } programs[] = {{SONDALOG_CLI, "sondalog-cli"}, {SONDALOG_GUI, "sondalog"}};
    for (const auto& program : programs) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(QString::fromUtf8(program.path), {QStringLiteral("--version")});
        ASSERT_TRUE(p.waitForFinished(30000)) << program.name;
        EXPECT_EQ(p.exitCode(), 0) << program.name;
        const QString out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        EXPECT_EQ(out, QString::fromUtf8(program.name) + QStringLiteral(" " SONDALOG_PROJECT_VERSION " (Qt ") +
                           QString::fromLatin1(qVersion()) + u')');
    }
}
