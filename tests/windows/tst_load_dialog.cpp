// The load dialog: its checks in their order, the messages in both languages,
// the boxes it empties, and what acceptance writes into memory.
#include "../control/driving.h"

#include "model/funtzioak.h"
#include "model/programa.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QtTest>

using namespace driving;

namespace {
const QStringList kBasque = {
    "'A' ALDAGAIA EZ DA ZENBAKI BAT!",
    "'B' ALDAGAIA EZ DA ZENBAKI BAT!",
    "SARTU ZENBAKI BAT 'A' ALDAGAIARENTZAKO, MESEDEZ!",
    "SARTU ZENBAKI BAT 'B' ALDAGAIARENTZAKO, MESEDEZ!",
    "'A'-ren BALIOA EZIN DA 16 BITETAN ADIERAZI, ZENBAKI TXIKIAGO BAT IPINI!",
    "'B'-ren BALIOA EZIN DA 16 BITETAN ADIERAZI, ZENBAKI TXIKIAGO BAT IPINI!",
    "'A*B' EKUAZIOKO EMAITZAREN BALIOA EZIN DA 16 BITETAN ADIERAZI, ZENBAKI TXIKIAGOAK IPINI!",
};
const QStringList kSpanish = {
    QString::fromUtf8("LA VARIABLE 'A' NO ES UN NÚMERO!"),
    QString::fromUtf8("LA VARIABLE 'B' NO ES UN NÚMERO!"),
    QString::fromUtf8("INTRODUZCA UN NÚMERO PARA LA VARIABLE 'A':"),
    QString::fromUtf8("INTRODUZCA UN NÚMERO PARA LA VARIABLE 'B':"),
    "EL VALOR DE 'A' NO SE PUEDE REPRESENTAR CON 16 BITS, INTRODUZCA UNA MENOR:",
    "EL VALOR DE 'B' NO SE PUEDE REPRESENTAR CON 16 BITS, INTRODUZCA UNA MENOR:",
    "EL VALOR DEL RESULTADO DE 'A*B' NO SE PUEDE REPRESENTAR CON 16 BITS, INTRODUZCA VALORES MENORES:",
};

QString word(const char* address) { return QString::fromStdString(MN().MN_Egitura_Kodea_Irakurri(address)); }
QString binary(int n) { return QString::fromStdString(Hamartarretik_Bitarrera(n)); }

// How the dialog came to be on screen when the user starts typing.
enum Opening { First, AfterAcceptance, AfterCloseBox, AfterARefused, AfterBRefused };

void openThe(Sim& s, Opening how)
{
    if (how == AfterAcceptance) {
        QVERIFY(loadAndStart(s, QStringLiteral("5"), QStringLiteral("3")));
        s.el("ga", 3).click();  // finish: loading is available again
    } else if (how == AfterCloseBox) {
        s.el("ga", 0).click();
        s.w->P_K().close();
        unloadNow();
    }
    s.el("ga", 0).click();
    if (how == AfterARefused || how == AfterBRefused) {
        box(s, how == AfterARefused ? "Text2" : "Text3")->setText(QStringLiteral("x"));
        s.w->P_K().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    }
}
}  // namespace

class TestLoadDialog : public QObject {
    Q_OBJECT
private slots:
    void wrongInputIsReportedByTheFirstFailingCheck_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("check");  // 1..7
        QTest::addColumn<QString>("aAfter");
        QTest::addColumn<QString>("bAfter");
        QTest::newRow("A 12a, B not looked at") << "12a" << "x" << 1 << "" << "x";
        QTest::newRow("leading blank in A") << " 5" << "3" << 1 << "" << "3";
        QTest::newRow("plus sign in A") << "+5" << "3" << 1 << "" << "3";
        QTest::newRow("minus sign in B") << "5" << "-3" << 2 << "5" << "";
        QTest::newRow("A empty, B x") << "" << "x" << 2 << "" << "";
        QTest::newRow("both empty") << "" << "" << 3 << "" << "";
        QTest::newRow("B empty") << "7" << "" << 4 << "7" << "";
        QTest::newRow("A 32768") << "32768" << "1" << 5 << "" << "1";
        QTest::newRow("A five nines") << "99999" << "0" << 5 << "" << "0";
        QTest::newRow("B 40000") << "1" << "40000" << 6 << "1" << "";
        QTest::newRow("200 x 200") << "200" << "200" << 7 << "" << "";
        QTest::newRow("182 x 181") << "182" << "181" << 7 << "" << "";
    }

    void wrongInputIsReportedByTheFirstFailingCheck()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, check);
        QFETCH(QString, aAfter);
        QFETCH(QString, bAfter);
        Sim s;
        load(s, a, b);
        QCOMPARE(s.fp.messages.shown.size(), size_t(1));
        QCOMPARE(s.fp.messages.shown[0].title, QStringLiteral("OHARRA!"));
        QCOMPARE(s.fp.messages.shown[0].text, kBasque[check - 1]);
        QCOMPARE(box(s, "Text2")->text(), aAfter);
        QCOMPARE(box(s, "Text3")->text(), bAfter);
        // The dialog stays, nothing is loaded, no command changes.
        QVERIFY(s.w->P_K().isVisible());
        QVERIFY(!s.w->isEnabled());
        QCOMPARE(word("4000"), QString(16, QLatin1Char('0')));
        QVERIFY(!menu(s, "Sistema_martxan_ipini").isEnabled());
        QVERIFY(pressed(s, 0));
    }

    void typingReachesTheOperandsWithNoClick_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("focus");  // the box that has the keys, its whole text selected
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::newRow("first opening") << false << int(First) << "Text2" << "7\t1\n" << 7 << 1;
        QTest::newRow("first opening, Spanish") << true << int(First) << "Text2" << "7\t1\n" << 7 << 1;
        QTest::newRow("after an acceptance") << false << int(AfterAcceptance) << "Text2" << "7\t1\n" << 7 << 1;
        QTest::newRow("after the close box") << false << int(AfterCloseBox) << "Text2" << "7\t1\n" << 7 << 1;
        QTest::newRow("after A refused") << false << int(AfterARefused) << "Text2" << "7\t1\n" << 7 << 1;
        QTest::newRow("after B refused") << true << int(AfterBRefused) << "Text3" << "2\n" << 5 << 2;
        QTest::newRow("Enter alone keeps 5 and 3") << false << int(First) << "Text2" << "\n" << 5 << 3;
    }

    void typingReachesTheOperandsWithNoClick()
    {
        QFETCH(bool, spanish);
        QFETCH(int, how);
        QFETCH(QString, focus);
        QFETCH(QString, keys);
        QFETCH(int, a);
        QFETCH(int, b);
        Sim s(spanish);
        openThe(s, Opening(how));
        QLineEdit* typed = box(s, focus.toLatin1().constData());
        QVERIFY(hasTheKeys(&s.w->P_K(), typed));
        QCOMPARE(typed->selectedText(), typed->text());
        QVERIFY(typeIntoFocus(keys));
        QVERIFY(!s.w->P_K().isVisible());
        QCOMPARE(word("0000"), binary(a));
        QCOMPARE(word("0001"), binary(b));
    }

    void tabGoesRoundTheOperandsAndTheButtonOnly_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::newRow("Basque explanation shown") << false;
        QTest::newRow("Spanish explanation shown") << true;
    }

    void tabGoesRoundTheOperandsAndTheButtonOnly()
    {
        QFETCH(bool, spanish);
        Sim s(spanish);
        s.el("ga", 0).click();
        QVERIFY(QTest::qWaitForWindowActive(&s.w->P_K()));
        box(s, "Text2")->setFocus();
        QStringList visited;
        for (int i = 0; i < 3; ++i) {
            QVERIFY(typeIntoFocus(QStringLiteral("\t")));
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"Text3", "Command1", "Text2"}));
    }

    void theOffendingBoxGetsTheFocus()
    {
        Sim s;
        load(s, QStringLiteral("5"), QStringLiteral("b"));
        QCOMPARE(s.w->P_K().focusWidget(), box(s, "Text3"));
        box(s, "Text3")->setText(QStringLiteral("300"));
        s.w->P_K().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QCOMPARE(s.w->P_K().focusWidget(), box(s, "Text2"));
    }

    void emptyBoxesAreAskedForOneAtATime()
    {
        Sim s;
        load(s, QString(), QString());
        box(s, "Text2")->setText(QStringLiteral("4"));
        s.w->P_K().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QCOMPARE(s.fp.messages.shown.size(), size_t(2));
        QCOMPARE(s.fp.messages.shown[0].text, kBasque[2]);
        QCOMPARE(s.fp.messages.shown[1].text, kBasque[3]);
    }

    void spanishMessagesAndTexts()
    {
        Sim s(true);
        s.el("ga", 0).click();
        LoadDialog& dialog = s.w->P_K();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Cargar programa"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("Aceptar"));
        QVERIFY(dialog.findChild<QPlainTextEdit*>(QStringLiteral("Text4"))->isVisible());
        QVERIFY(!dialog.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->isVisible());
        QCOMPARE(dialog.findChild<QPlainTextEdit*>(QStringLiteral("Text4"))->toPlainText(),
                 QString::fromUtf8("EL PROGRAMA QUE SE EJECUTARÁ REALIZA LA \nECUACIÓN 'E=A*B'.\n"
                                   "SE PUEDEN MODIFICAR LAS VARIABLES 'A' Y 'B':\n"));
        const QString inputs[][2] = {{"a", "1"}, {"1", "b"}, {"", "1"}, {"1", ""},
                                     {"32768", "1"}, {"1", "32768"}, {"200", "200"}};
        for (const auto& in : inputs)
            load(s, in[0], in[1]);
        QCOMPARE(s.fp.messages.shown.size(), size_t(7));
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(s.fp.messages.shown[i].title, QStringLiteral("AVISO!"));
            QCOMPARE(s.fp.messages.shown[i].text, kSpanish[i]);
        }
    }

    void basqueDialogShowsTheBasqueExplanation()
    {
        Sim s;
        s.el("ga", 0).click();
        LoadDialog& dialog = s.w->P_K();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Programa kargatu"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("Onartu"));
        QVERIFY(dialog.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->isVisible());
        QVERIFY(!dialog.findChild<QPlainTextEdit*>(QStringLiteral("Text4"))->isVisible());
        QCOMPARE(box(s, "Text2")->maxLength(), 5);
        QCOMPARE(box(s, "Text3")->maxLength(), 5);
    }

    void validOperandsAreStoredAfterTheProgram_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("av");
        QTest::addColumn<int>("bv");
        QTest::newRow("design values") << "5" << "3" << 5 << 3;
        QTest::newRow("32767 x 1") << "32767" << "1" << 32767 << 1;
        QTest::newRow("leading zeros") << "00005" << "3" << 5 << 3;
        QTest::newRow("181 x 181") << "181" << "181" << 181 << 181;
        QTest::newRow("0 x 32767") << "0" << "32767" << 0 << 32767;
        QTest::newRow("0 x 0") << "0" << "0" << 0 << 0;
    }

    void validOperandsAreStoredAfterTheProgram()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, av);
        QFETCH(int, bv);
        Sim s;
        load(s, a, b);
        QVERIFY(s.fp.messages.shown.empty());
        QCOMPARE(word("0000"), binary(av));
        QCOMPARE(word("0001"), binary(bv));
        QCOMPARE(QString::fromStdString(MN().MN_Egitura_Agindua_Irakurri("0000")), QStringLiteral(":A"));
        QCOMPARE(QString::fromStdString(MN().MN_Egitura_Agindua_Irakurri("0001")), QStringLiteral(":B"));
        QCOMPARE(MN().MN_Egitura_AK_Irakurri("0001"), int16_t(-1));
        QCOMPARE(word("4000"), QString::fromLatin1(kProgramImage[0].first));
        QVERIFY(s.w->isEnabled());
        QVERIFY(!s.w->P_K().isVisible());
        QCOMPARE(box(s, "Text2")->text(), QStringLiteral("5"));
        QCOMPARE(box(s, "Text3")->text(), QStringLiteral("3"));
        QVERIFY(released(s, 0));
        QVERIFY(!s.el("ga", 0).isUsable());
        QVERIFY(!menu(s, "Programa_kargatu").isEnabled());
        QVERIFY(s.el("ga", 1).isUsable());
        QVERIFY(menu(s, "Sistema_martxan_ipini").isEnabled());
    }

    void acceptingAgainInTheSameRunLoadsTheNewOperands()
    {
        Sim s;
        QVERIFY(loadAndStart(s, QStringLiteral("9"), QStringLiteral("8")));
        s.el("ga", 3).click();
        QCOMPARE(word("0000"), QString(16, QLatin1Char('0')));
        load(s, QStringLiteral("12"), QStringLiteral("2"));
        QCOMPARE(word("0000"), binary(12));
        QCOMPARE(word("0001"), binary(2));
        QCOMPARE(word("4000"), QString::fromLatin1(kProgramImage[0].first));
        QVERIFY(s.el("ga", 1).isUsable());
    }

    void aMessageLeftOpenWhenTheDialogCloses()
    {
        // A real message box answers later; the dialog may be gone by then.
        struct LateMessages : FakeMessages {
            std::function<void()> pending;
            void warning(QWidget*, const QString&, const QString&, std::function<void()> then) override
            {
                pending = then;
            }
        };
        LateMessages late;
        Sim s(false, nullptr, &late);
        s.w->commands().Programa_kargatu_Click();
        box(s, "Text2")->setText(QStringLiteral("q"));
        s.w->P_K().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        s.w->P_K().close();
        unloadNow();
        QVERIFY(late.pending);
        late.pending();  // must not touch the deleted dialog
        QVERIFY(s.w->isEnabled());
    }
};

QTEST_MAIN(TestLoadDialog)
#include "tst_load_dialog.moc"
