// This machine's registry, which knows only where the system-information program
// is, and starting a program given by its path.
#include "platform/qt_services.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kMsinfo = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
constexpr uint32_t kLocalMachine = 0x80000002;
}  // namespace

class TestRegistry : public QObject {
    Q_OBJECT
private slots:
    void onlyTheProgramsPathIsThere_data()
    {
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<uint>("root");
        QTest::addColumn<QString>("keyPath");
        QTest::addColumn<QString>("valueName");
        QTest::addColumn<uint>("bufferSize");
        QTest::addColumn<int>("opened");
        QTest::addColumn<int>("queried");  // -1: not asked
        const QStringList some{"no-such-program-riri", "sh"};
        QTest::newRow("first program found") << some << uint(kLocalMachine) << kMsinfo << "PATH" << 1024u << 0 << 0;
        QTest::newRow("names in any case") << some << uint(kLocalMachine) << kMsinfo.toLower() << "path" << 1024u << 0
                                           << 0;
        QTest::newRow("no program") << QStringList{"no-such-program-riri"} << uint(kLocalMachine) << kMsinfo << "PATH"
                                    << 1024u << 2 << -1;
        QTest::newRow("other key") << some << uint(kLocalMachine) << "SOFTWARE\\Microsoft\\Shared Tools Location"
                                   << "MSINFO" << 1024u << 2 << -1;
        QTest::newRow("other root") << some << 0x80000001u << kMsinfo << "PATH" << 1024u << 2 << -1;
        QTest::newRow("other value") << some << uint(kLocalMachine) << kMsinfo << "MSINFO" << 1024u << 0 << 2;
        QTest::newRow("buffer too small") << some << uint(kLocalMachine) << kMsinfo << "PATH" << 3u << 0 << 234;
    }

    void onlyTheProgramsPathIsThere()
    {
        QFETCH(QStringList, programs);
        QFETCH(uint, root);
        QFETCH(QString, keyPath);
        QFETCH(QString, valueName);
        QFETCH(uint, bufferSize);
        QFETCH(int, queried);
        SysInfoRegistry registry(programs);
        uint32_t key = 0;
        QTEST(int(registry.open(root, keyPath, 0, 0x2003F, key)), "opened");
        if (queried < 0) {
            QCOMPARE(key, 0u);
            return;
        }
        QByteArray buffer(1024, '\0');
        uint32_t size = bufferSize;
        uint32_t type = 0;
        QCOMPARE(int(registry.query(key, valueName, 0, type, buffer.data(), size)), queried);
        const QByteArray path = QStandardPaths::findExecutable(QStringLiteral("sh")).toLocal8Bit() + '\0';
        if (queried == 0) {
            QCOMPARE(type, 1u);
            QCOMPARE(buffer.left(int(size)), path);
        } else if (queried == 234) {
            QCOMPARE(size, uint32_t(path.size()));
        }
        QCOMPARE(int(registry.close(key)), 0);
    }

    // A program path may hold blanks and the design's backslashes; the program
    // runs on its own and the call returns at once.
    void startsAProgramByItsPath()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("system info")));
        const QString folder = dir.filePath(QStringLiteral("system info"));
        const QString marker = dir.filePath(QStringLiteral("ran"));
        QFile script(folder + QStringLiteral("/MSINFO32.EXE"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toLocal8Bit());
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));

        QtProgramStarter starter;
        QVERIFY(starter.start(folder + QStringLiteral("\\MSINFO32.EXE")));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 5000);
        QVERIFY(!starter.start(folder + QStringLiteral("\\NOTHERE.EXE")));
    }
};

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
