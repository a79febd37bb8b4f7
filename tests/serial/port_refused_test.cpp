// A serial port the user may not open: the message says it is a question of rights and, on Linux, names
// the dialout group, in both reading modes. The refusal is real: the pseudo-terminal belongs to another
// account (run as nobody when the tests run as root, whom no permission stops).
#include "pty_pair.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <unistd.h>

TEST(PortRefused, APortTheUserMayNotOpenNamesTheDialoutGroup)
{
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    const QString device = pty.Description().section(u':', 0, 0);
    const bool root = ::geteuid() == 0;
    if (!root) {
        ASSERT_TRUE(QFile::setPermissions(device, QFileDevice::Permissions()));
    }
    for (const char* mode : {"string", "char"}) {
        QStringList args{QStringLiteral(SONDALOG_CLI), QStringLiteral("acquire"), QStringLiteral("--port"), device,
                         QStringLiteral("--mode"), QString::fromLatin1(mode), QStringLiteral("--seconds"),
                         QStringLiteral("1"), QStringLiteral("--open-wait-scale"), QStringLiteral("0.05")};
        QString program = args.takeFirst();
        if (root) {
            args.prepend(program);
            args = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                               QStringLiteral("--clear-groups")} + args;
            program = QStringLiteral("setpriv");
        }
        QProcess p;
        p.setWorkingDirectory(QStringLiteral("/tmp"));
        p.start(program, args);
        ASSERT_TRUE(p.waitForFinished(60000)) << mode;
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_TRUE(err.contains(QStringLiteral("Impossible d'ouvrir le port <") + device + QStringLiteral("> : accès refusé à ") +
                                 device + QStringLiteral(" : ce compte n'est pas dans le groupe dialout")))
            << mode << ": " << err.toStdString();
    }
}
