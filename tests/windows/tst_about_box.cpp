// The About box: its texts in each language, opening over the main window and
// unloading on every way out, and finding the system-information program.
#include "../control/driving.h"

#include "windows/about_box.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kMsinfo = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kLocation = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kUnavailable = QStringLiteral("La información del sistema no está disponible en este momento");

FakeRegistry::Value text(const QString& s) { return {1, s.toUtf8() + '\0'}; }

AboutBox& openAbout(Sim& s)
{
    driving::menu(s, "About_Kovi").trigger();
    return *s.w->existingAbout();
}

}  // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void textsFollowTheLanguage_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("disclaimerStart");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("sysInfo");
        QTest::newRow("Basque")
            << false << "Prozesadore sinple baten P.U.aren simuladorea [RIRIv4]" << "Bertsioa: 1.0.3"
            << "Aplikazioaren deskripzioa:\r\n\r\nProzesadore sinple baten Prozesu Unitatea simulatzen du; horretarako "
               "Kovi makinaren diseinua erabili da aplikazioa egituratzean, baina soilik 4 agindu erabiliz (LD, ST, "
               "ADD eta BEQ), eta hau izanik [RIRIv4] izena ipintzearen arrazoia."
            << "Oharra: " << "Onartu" << "&Sistemaren info...";
        QTest::newRow("Spanish")
            << true << "Simulador de la U.P. de un procesador simple [RIRIv4]" << "Versión 1.0.3"
            << "Descripción de la aplicación:\r\n\r\nSimula la Unidad de Proceso de un procesador simple; para ello se "
               "ha utilizado como estructura el diseño de la máquina Kovi, pero con 4 instrucciones (LD, ST, ADD y "
               "BEQ), de ahí el nombre [RIRIv4]."
            << "Advertencia: " << "Aceptar" << "&Info. del sistema...";
    }

    void textsFollowTheLanguage()
    {
        QFETCH(bool, spanish);
        Sim s(spanish);
        AboutBox& box = openAbout(s);
        QCOMPARE(box.windowTitle(), QStringLiteral("About RIRIv4"));
        QTEST(box.lblTitle()->text(), "title");
        QTEST(box.lblVersion()->text(), "version");
        QTEST(box.lblDescription()->text(), "description");
        QFETCH(QString, disclaimerStart);
        QVERIFY(box.lblDisclaimer()->text().startsWith(disclaimerStart));
        QVERIFY(box.lblDisclaimer()->text().size() > 80);
        QVERIFY(!box.lblDisclaimer()->text().contains(QLatin1Char('\n')));  // one paragraph
        QTEST(box.cmdOK()->text(), "ok");
        QTEST(box.cmdSysInfo()->text(), "sysInfo");
    }

    // Modal over the main window; OK, the close box and Escape unload it, and the
    // next opening loads it anew.
    void everyWayOutUnloadsIt_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("OK") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Escape") << 2;
    }

    void everyWayOutUnloadsIt()
    {
        QFETCH(int, way);
        Sim s;
        s.w->show();
        QPointer<AboutBox> box = &openAbout(s);
        QVERIFY(box->isVisible());
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        QCOMPARE(box->parentWidget(), s.w.get());
        box->lblTitle()->setText(QStringLiteral("changed"));
        if (way == 0)
            box->cmdOK()->click();
        else if (way == 1)
            box->close();
        else
            QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(!s.w->existingAbout());
        driving::unloadNow();
        QVERIFY(box.isNull());

        AboutBox& again = openAbout(s);
        QVERIFY(again.isVisible());
        QCOMPARE(again.lblTitle()->text(), QStringLiteral("Prozesadore sinple baten P.U.aren simuladorea [RIRIv4]"));
        QCOMPARE(again.cmdOK()->text(), QStringLiteral("Onartu"));
    }

    // The registry's two places in order, the file test on the second one only,
    // and the single message when nothing can be started.
    void systemInformationProgram_data()
    {
        QTest::addColumn<QString>("first");     // value PATH of the first key; "" none, the second read then
        QTest::addColumn<QString>("second");    // value MSINFO of the second key; "" none, "@" the test folder
        QTest::addColumn<QString>("inFolder");  // what the folder holds: "", "file", "folder"
        QTest::addColumn<bool>("startable");
        QTest::addColumn<QString>("started");   // "@" stands for the test folder
        QTest::newRow("first key") << "C:\\WINDOWS\\msinfo32.exe" << "@" << "file" << true
                                   << "C:\\WINDOWS\\msinfo32.exe";
        QTest::newRow("first key, cannot start") << "/usr/bin/hardinfo" << "" << "" << false << "/usr/bin/hardinfo";
        QTest::newRow("second key, file there") << "" << "@" << "file" << true << "@\\MSINFO32.EXE";
        QTest::newRow("second key, cannot start") << "" << "@" << "file" << false << "@\\MSINFO32.EXE";
        QTest::newRow("second key, file missing") << "" << "@" << "" << true << "";
        QTest::newRow("second key, a folder of that name") << "" << "@" << "folder" << true << "";
        QTest::newRow("both keys missing") << "" << "" << "" << true << "";
    }

    void systemInformationProgram()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, inFolder);
        QFETCH(bool, startable);
        QFETCH(QString, started);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        if (inFolder == QLatin1String("file")) {
            QFile f(QDir(folder.path()).filePath(QStringLiteral("MSINFO32.EXE")));
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else if (inFolder == QLatin1String("folder")) {
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("MSINFO32.EXE")));
        }
        Sim s;
        if (!first.isEmpty())
            s.fp.registry.keys[kMsinfo][QStringLiteral("PATH")] = text(first);
        if (!second.isEmpty())
            s.fp.registry.keys[kLocation][QStringLiteral("MSINFO")] = text(second.replace(QLatin1Char('@'), folder.path()));
        s.fp.starter.succeed = startable;
        s.w->show();
        AboutBox& box = openAbout(s);
        box.cmdSysInfo()->click();
        const QStringList expected =
            started.isEmpty() ? QStringList() : QStringList{started.replace(QLatin1Char('@'), folder.path())};
        QCOMPARE(s.fp.starter.started, expected);
        const bool failed = expected.isEmpty() || !startable;
        QCOMPARE(s.fp.messages.shown.size(), size_t(failed ? 1 : 0));
        if (failed) {
            QCOMPARE(s.fp.messages.shown[0].text, kUnavailable);
            QVERIFY(s.fp.messages.shown[0].plain);
        }
        QCOMPARE(s.fp.registry.calls.join(QLatin1Char('\n')).contains(kLocation), first.isEmpty());
        QVERIFY(box.isVisible());
        QCOMPARE(s.w->existingAbout(), &box);
    }

    // One value read step by step: the key opened for all access under the given
    // root, a 1024-byte buffer, the trailing zero dropped, every handle closed.
    void readingOneValue_data()
    {
        QTest::addColumn<bool>("keyThere");
        QTest::addColumn<uint>("type");       // 0: no such value
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("before");  // the receiving text on entry
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("after");
        const QByteArray full(1023, 'a');
        QTest::newRow("text") << true << 1u << QByteArray("C:\\x\\msinfo32.exe", 18) << "old" << true
                              << "C:\\x\\msinfo32.exe";
        QTest::newRow("text without its zero") << true << 1u << QByteArray("abc") << "" << true << "abc";
        QTest::newRow("empty text") << true << 1u << QByteArray() << "old" << true << "";
        QTest::newRow("text filling the buffer") << true << 1u << full + '\0' << "" << true << QString(full);
        QTest::newRow("text too long") << true << 1u << full + "bb" << "old" << false << "";
        QTest::newRow("number") << true << 4u << QByteArray("\x34\x12\x00\x00", 4) << "" << true << "4660";
        QTest::newRow("number with a small byte") << true << 4u << QByteArray("\x05\x01\x00\x00", 4) << "" << true
                                                  << "261";
        QTest::newRow("largest number") << true << 4u << QByteArray("\xff\xff\xff\xff", 4) << "" << true
                                        << "4294967295";
        QTest::newRow("other type") << true << 3u << QByteArray("\x01\x02", 2) << "old" << true << "old";
        QTest::newRow("no such value") << true << 0u << QByteArray() << "old" << false << "";
        QTest::newRow("no such key") << false << 0u << QByteArray() << "old" << false << "";
    }

    void readingOneValue()
    {
        QFETCH(bool, keyThere);
        QFETCH(uint, type);
        QFETCH(QByteArray, data);
        QFETCH(QString, before);
        FakeRegistry registry;
        if (keyThere)
            registry.keys[kMsinfo];
        if (type != 0)
            registry.keys[kMsinfo][QStringLiteral("PATH")] = {type, data};
        QString value = before;
        const bool read = AboutBox::GetKeyValue(registry, 0x80000002, kMsinfo, QStringLiteral("PATH"), value);
        QTEST(read, "read");
        QTEST(value, "after");
        QCOMPARE(registry.calls.first(), QStringLiteral("open 80000002 %1 2003f").arg(kMsinfo));
        if (keyThere)
            QCOMPARE(registry.calls[1], QStringLiteral("query 1 PATH 1024"));
        QCOMPARE(registry.calls.last(), keyThere ? QStringLiteral("close 1") : QStringLiteral("close 0"));
        QCOMPARE(registry.calls.size(), keyThere ? 3 : 2);
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_about_box.moc"
