// Conversions and the 16-bit adder: the arithmetic every register and bus value
// goes through.
#include "model/funtzioak.h"

#include <QtTest>

namespace {
std::string w(uint32_t v) { return Hamartarretik_Bitarrera(static_cast<int32_t>(v)); }
}  // namespace

class TestWords : public QObject {
    Q_OBJECT
private slots:
    void adderWrapsBothWays_data()
    {
        QTest::addColumn<uint>("a");
        QTest::addColumn<uint>("b");
        QTest::addColumn<uint>("sum");
        QTest::newRow("7FFF+1 overflows into the sign") << 0x7FFFu << 0x0001u << 0x8000u;
        QTest::newRow("FFFF+8000") << 0xFFFFu << 0x8000u << 0x7FFFu;
        QTest::newRow("8000+8000") << 0x8000u << 0x8000u << 0x0000u;
        QTest::newRow("5 + -5") << 0x0005u << 0xFFFBu << 0x0000u;
        QTest::newRow("branch back -6") << 0x400Eu << 0xFFFAu << 0x4008u;
        QTest::newRow("branch forward +8") << 0x4008u << 0x0008u << 0x4010u;
        QTest::newRow("-1 + 1") << 0xFFFFu << 0x0001u << 0x0000u;
        QTest::newRow("two negatives") << 0xFFFEu << 0xFFFDu << 0xFFFBu;
        QTest::newRow("largest positive sum") << 0x7FFFu << 0x7FFFu << 0xFFFEu;
        QTest::newRow("181*181 accumulates") << 32580u << 181u << 32761u;
    }
    void adderWrapsBothWays()
    {
        QFETCH(uint, a);
        QFETCH(uint, b);
        QFETCH(uint, sum);
        QCOMPARE(Bitarrak_Batu(w(a), w(b)), w(sum));
        QCOMPARE(Bitarrak_Batu(w(b), w(a)), w(sum));  // the order of the operands does not matter
    }

    void adderAgreesWithModularArithmetic()
    {
        // A sweep across sign boundaries catches a wrong case split in the adder.
        const uint32_t probes[] = {0, 1, 2, 0x7FFE, 0x7FFF, 0x8000, 0x8001, 0xFFFE, 0xFFFF, 0x1234, 0xABCD};
        for (uint32_t a : probes)
            for (uint32_t b : probes)
                QCOMPARE(Bitarrak_Batu(w(a), w(b)), w((a + b) & 0xFFFF));
    }

    void conversionsAtTheEnds()
    {
        QCOMPARE(Hamartarretik_Bitarrera(0), std::string(16, '0'));
        QCOMPARE(Hamartarretik_Bitarrera(65535), std::string(16, '1'));
        QCOMPARE(Hamartarretik_Bitarrera(1), std::string("0000000000000001"));
        QCOMPARE(Hamartarretik_Bitarrera(16385), std::string("0100000000000001"));
        for (int32_t n : {0, 1, 255, 256, 32767, 32768, 65535})
            QCOMPARE(Hamartarretik_Bitarrera(n).size(), size_t(16));

        QCOMPARE(Bitarretik_Hamartarrera(std::string(16, '1')), 65535);
        QCOMPARE(Bitarretik_Hamartarrera("1000000000000000"), 32768);  // unsigned: no sign
        QCOMPARE(Bitarretik_Hamartarrera("00100"), 4);
        QCOMPARE(Bitarretik_Hamartarrera("11111"), 31);

        QCOMPARE(Bitarretik_Hamaseitarrera(std::string(16, '0')), std::string("0"));  // not "0000"
        QCOMPARE(Bitarretik_Hamaseitarrera("0100000000010000"), std::string("4010"));
        QCOMPARE(Bitarretik_Hamaseitarrera("0000000000000010"), std::string("2"));
        QCOMPARE(Bitarretik_Hamaseitarrera("1000000000000000"), std::string("8000"));

        QCOMPARE(Hamaseitarretik_Hamartarrera("0000"), 0);
        QCOMPARE(Hamaseitarretik_Hamartarrera("0"), 0);
        QCOMPARE(Hamaseitarretik_Hamartarrera("4000"), 16384);
        QCOMPARE(Hamaseitarretik_Hamartarrera("8000"), 32768);
        QCOMPARE(Hamaseitarretik_Hamartarrera("400E"), 0x400E);
    }

    void roundTripsForEveryWord()
    {
        for (int32_t n = 0; n <= 65535; ++n) {
            const std::string word = Hamartarretik_Bitarrera(n);
            if (Bitarretik_Hamartarrera(word) != n || Hamaseitarretik_Hamartarrera(Bitarretik_Hamaseitarrera(word)) != n)
                QFAIL(qPrintable(QString("round trip broken at %1").arg(n)));
        }
    }

    void inputNoCallerPassesHasADefinedResult()
    {
        // Never undefined behaviour: empty texts, stray characters, overlong texts
        // and out-of-range numbers all give a stated, harmless result.
        QCOMPARE(Hamaseitarretik_Hamartarrera(""), 0);
        QCOMPARE(Bitarretik_Hamartarrera(""), 0);
        QCOMPARE(Bitarretik_Hamaseitarrera(""), std::string("0"));
        QCOMPARE(Hamaseitarretik_Hamartarrera("a"), 0);  // only upper-case letters are digits
        QCOMPARE(Hamaseitarretik_Hamartarrera("1G"), 16);
        QCOMPARE(Bitarretik_Hamartarrera(std::string(16, 'z')), 0);  // an undriven bus reads as zero
        QCOMPARE(Bitarretik_Hamartarrera(std::string(40, '1')), INT32_MAX);
        QCOMPARE(Hamaseitarretik_Hamartarrera("FFFFFFFFFFFF"), INT32_MAX);
        QCOMPARE(Hamartarretik_Bitarrera(-1), std::string(16, '1'));  // taken modulo 65536
        QCOMPARE(Hamartarretik_Bitarrera(65536), std::string(16, '0'));
        QCOMPARE(Bitarrak_Batu("", ""), std::string(16, '0'));
        QCOMPARE(Bitarrak_Batu("1", "1"), std::string("0000000000000010"));
        QCOMPARE(Bitarrak_Batu(std::string(20, '1'), "1"), std::string(16, '0'));
    }
};

QTEST_APPLESS_MAIN(TestWords)
#include "tst_words.moc"
