// The main window in Spanish: exactly the texts that exist in two languages
// change, the button bar keeps its runs of blanks, and a whole run from the
// start window speaks the chosen language without losing any of them.
#include "../control/driving.h"

#include "windows/spanish_texts.h"

#include <QLabel>
#include <QSet>
#include <QtTest>

using namespace driving;

namespace {

// Every text of a main window as loaded, and of one given the Spanish texts.
struct BothLanguages {
    QMap<QString, QString> design, spanish;
};

const BothLanguages& texts()
{
    static const BothLanguages both = [] {
        BothLanguages t;
        t.design = everyText(*Sim().w);
        Sim s(true);
        Gazteleraz_ipini(*s.w);
        t.spanish = everyText(*s.w);
        return t;
    }();
    return both;
}

QStringList changedKeys()
{
    QStringList keys;
    for (auto it = texts().spanish.cbegin(); it != texts().spanish.cend(); ++it)
        if (texts().design.value(it.key()) != it.value())
            keys << it.key();
    return keys;
}

// The texts of the first main window shown, at that moment.
struct FirstShow : QObject {
    QMap<QString, QString> seen;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && seen.isEmpty())
            if (auto* w = qobject_cast<MainWindow*>(watched))
                seen = everyText(*w);
        return false;
    }
};

}  // namespace

class TestSpanishTexts : public QObject {
    Q_OBJECT
private slots:
    // The caption, 31 texts, 34 tooltips shared by the controls of four blocks,
    // and 14 menu captions; nothing else of the window changes: the About entry
    // keeps its caption.
    void exactlyTheTwoLanguageTextsChange()
    {
        QMap<QString, int> kinds, sharingATip;
        for (const QString& key : changedKeys()) {
            ++kinds[key.section(QLatin1Char('/'), -1)];
            if (key.endsWith(QLatin1String("/tip")))
                ++sharingATip[texts().spanish.value(key)];
        }
        QCOMPARE(kinds, (QMap<QString, int>{{"caption", 1}, {"text", 31}, {"tip", 34}, {"menu", 14}}));
        QList<int> blocks = sharingATip.values();
        std::sort(blocks.begin(), blocks.end());
        QCOMPARE(blocks, (QList<int>{4, 9, 10, 11}));  // clock, memory, register set, chart
        QCOMPARE(texts().spanish.value(QStringLiteral("About_Kovi/menu")), QStringLiteral("&About RIRIv4"));
    }

    // A text of every kind and of every group that shares a tooltip, and the
    // button bar whole: its runs of blanks line the key names up.
    void spanishTexts_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("caption") << "/caption" << "Simulador de la U.P. de un procesador simple [RIRIv4]";
        QTest::newRow("register address") << "EM_HELBa_G/text" << "@d";
        QTest::newRow("destination, second") << "Rd_G(1)/text" << "Rd";
        QTest::newRow("second read, first") << "Rj_G(0)/text" << "Rf2";
        QTest::newRow("opcode") << "IR1_AK_G/text" << "CO";
        QTest::newRow("adder select") << "muxh3_h3_G/text" << "hRaux";
        QTest::newRow("clock frame") << "F_erlojua/text" << "Velocidad reloj";
        QTest::newRow("next state caption") << "Label28/text" << "Estado siguiente";
        QTest::newRow("register set tip") << "EM_CLK_G/tip" << "Haciendo click se visualizan todos los registros";
        QTest::newRow("memory tip") << "MN_DATin_G/tip" << "Haciendo click se visualizan todos los datos de la MP";
        QTest::newRow("clock tip") << "Command1/tip" << "Pulsando '+' y '-' varía la velocidad del reloj";
        QTest::newRow("chart tip") << "ASM_hur_ego_Seinaleak_G(2)/tip"
                                   << "Haciendo click se visualiza el algoritmo por completo";
        QTest::newRow("file menu") << "Artxiboa/menu" << "&Archivo";
        QTest::newRow("one instruction menu") << "Agindu_oso_bat/menu" << "&1 instrucción";
        QTest::newRow("how to use menu") << "Nola_erabili/menu" << "&Cómo utilizar...";
        const struct {
            const char* command;
            int blanks;
            const char* key;
        } bar[] = {
            {"Cargar programa", 5, "F8"}, {"Iniciar sistema", 14, "F5"}, {"Parar / Seguir", 14, "F6"},
            {"Terminar", 22, "F7"},       {"Marcha continua", 7, "F2"},  {"1 ciclo de reloj", 11, "F3"},
            {"1 instrucción", 14, "F4"},  {"Ayuda", 18, "F1"},           {"Salir", 18, "Ctrl+Q"},
        };
        for (int i = 0; i < 9; ++i)
            QTest::addRow("bar %d", i) << QStringLiteral("ga(%1)/text").arg(i)
                                       << QString::fromUtf8(bar[i].command) + QString(bar[i].blanks, QLatin1Char(' ')) +
                                              QLatin1String(bar[i].key);
    }

    void spanishTexts()
    {
        QFETCH(QString, key);
        QTEST(texts().spanish.value(key), "text");
    }

    // From its first show the chosen window holds the texts of its language; a
    // run's warnings, load dialog, splash, panel and result speak it, and every
    // text of the window is still in it at the end.
    void wholeRunSpeaksTheChosenLanguage_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("warningTitle");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("loadTitle");
        QTest::addColumn<QString>("splashTitle");
        QTest::addColumn<QString>("decodeName");
        QTest::addColumn<QString>("fetch2Signals");
        QTest::addColumn<QString>("resultTitle");
        QTest::addColumn<QString>("resultLabel");
        QTest::newRow("Basque") << "Text4" << "OHARRA!" << "'A' ALDAGAIA EZ DA ZENBAKI BAT!" << "Programa kargatu"
                                << "Sistema Hasieratzen..." << "desk" << "IRAK_MEM\r\nKARGA_IR2\r\nINKR_PC" << "Emaitza"
                                << "A*B PROGRAMAREN EMAITZA:";
        QTest::newRow("Spanish") << "Text5" << "AVISO!" << "LA VARIABLE 'A' NO ES UN NÚMERO!" << "Cargar programa"
                                 << "Sistema inicializando..." << "desc" << "LEE_MEM\r\nCARGA_IR2\r\nINCR_PC"
                                 << "Resultado" << "RESULTADO PROGRAMA A*B:";
    }

    void wholeRunSpeaksTheChosenLanguage()
    {
        QFETCH(QString, choice);
        QFETCH(QString, decodeName);
        QFETCH(QString, fetch2Signals);
        const QStringList keys = changedKeys();  // before the machine below is made
        const QMap<QString, QString>& chosen = choice == QLatin1String("Text5") ? texts().spanish : texts().design;
        Sim s(Sim::FromStartWindow{});
        s.start->show();
        QVERIFY(QTest::qWaitForWindowActive(s.start.get()));
        FirstShow first;
        qApp->installEventFilter(&first);
        QTest::mouseClick(s.start->findChild<QWidget*>(choice), Qt::LeftButton);
        qApp->removeEventFilter(&first);
        QVERIFY(s.w);
        QCOMPARE(first.seen, chosen);

        load(s, QStringLiteral("x"), QStringLiteral("3"));
        QCOMPARE(s.fp.messages.shown.size(), size_t(1));
        QTEST(s.fp.messages.shown[0].title, "warningTitle");
        QTEST(s.fp.messages.shown[0].text, "warning");
        QTEST(s.w->P_K().windowTitle(), "loadTitle");
        box(s, "Text2")->setText(QStringLiteral("5"));
        s.w->P_K().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        s.el("ga", 1).click();
        QTEST(s.w->S_H().windowTitle(), "splashTitle");
        QVERIFY(s.clock().advanceUntil([&] { return !splashShown(s); }, 5000));

        // What the panel shows as current, and as previous while decoding.
        QSet<QString> current, beforeDecoding;
        s.el("ga", 4).click();
        QVERIFY(s.clock().advanceUntil(
            [&] {
                current << s.el("ASM_oraingo_egoera_G").text() << s.el("ASM_orain_ego_Seinaleak_G", 1).text();
                if (s.el("ASM_oraingo_egoera_G").text() == decodeName)
                    beforeDecoding << s.el("ASM_aurreko_egoera_G").text() + QLatin1Char('|') +
                                          s.el("ASM_aurre_ego_Seinaleak_G", 0).text();
                return resultShown(s);
            },
            qint64(1) << 40));
        QVERIFY(current.contains(decodeName));
        QVERIFY(current.contains(fetch2Signals));
        QCOMPARE(beforeDecoding, QSet<QString>{QStringLiteral("fetch2|") + fetch2Signals});
        ResultWindow& result = *s.w->existingResult();
        QTEST(result.windowTitle(), "resultTitle");
        QTEST(result.findChild<QLabel*>(QStringLiteral("Label4"))->text(), "resultLabel");
        QCOMPARE(result.Hamartar(2)->text(), QStringLiteral("15"));

        closeResult(s);
        const QMap<QString, QString> after = everyText(*s.w);
        QStringList lost;
        for (const QString& key : keys)
            if (after.value(key) != chosen.value(key))
                lost << QStringLiteral("%1: \"%2\"").arg(key, after.value(key));
        QCOMPARE(lost.join(QLatin1Char('\n')), QString());
    }
};

QTEST_MAIN(TestSpanishTexts)
#include "tst_spanish_texts.moc"
