// Main memory, the register set and the demonstration program's image.
#include "model/funtzioak.h"
#include "model/globals.h"
#include "model/memoria.h"
#include "model/programa.h"

#include <QtTest>

class TestMemory : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        resetGlobals();
        MN().hasieratu();
        EM().hasieratu();
    }

    void startContentsAndLabels()
    {
        for (const char* a : {"0", "1A", "4010", "7FFF", "8000"}) {
            QCOMPARE(MN().MN_Egitura_Kodea_Irakurri(a), std::string(16, '0'));
            QCOMPARE(MN().MN_Egitura_Agindua_Irakurri(a), std::string());
            QCOMPARE(MN().MN_Egitura_AK_Irakurri(a), int16_t(-1));
        }
        QCOMPARE(MN().record("1A").h, std::string("001AH:"));
        QCOMPARE(MN().record("8000").h, std::string("8000H:"));
        QCOMPARE(MN().record("0").h, std::string("0000H:"));
        for (int16_t r = 0; r < 32; ++r)
            QCOMPARE(EM().Erreg_M_Dat_Egitura_Irakurri(r), std::string(16, '0'));
    }

    void addressTextsReachTheSameWord()
    {
        MN().MN_Egitura_Aldatu("2", "0000000000001111", ":X", -1);
        QCOMPARE(MN().MN_Egitura_Kodea_Irakurri("0002"), std::string("0000000000001111"));
        QCOMPARE(MN().MN_Egitura_Kodea_Irakurri("00002"), std::string("0000000000001111"));
        QCOMPARE(MN().record("0002").h, std::string("2"));  // a write stores the address text as given
        MN().MN_Egitura_Aldatu("8000", "1111111111111111", "", 5);  // the last word is usable
        QCOMPARE(MN().MN_Egitura_AK_Irakurri("8000"), int16_t(5));
    }

    void outOfRangeAccessIsHarmless()
    {
        // Above 8000H there is no word: reads give an empty record, writes change nothing.
        MN().MN_Egitura_Aldatu("8001", "1111111111111111", "X", 3);
        MN().MN_Egitura_Aldatu("FFFF", "1111111111111111", "X", 3);
        QCOMPARE(MN().MN_Egitura_Kodea_Irakurri("8001"), std::string());
        QCOMPARE(MN().MN_Egitura_AK_Irakurri("FFFF"), int16_t(-1));
        QCOMPARE(MN().MN_Egitura_Kodea_Irakurri("8000"), std::string(16, '0'));
        QCOMPARE(MN().MN_Egitura_Kodea_Irakurri("0"), std::string(16, '0'));

        EM().Erreg_M_Dat_Egitura_Aldatu("1111111111111111", 32);
        EM().Erreg_M_Dat_Egitura_Aldatu("1111111111111111", -1);
        QCOMPARE(EM().Erreg_M_Dat_Egitura_Irakurri(32), std::string());
        QCOMPARE(EM().Erreg_M_Dat_Egitura_Irakurri(-1), std::string());
        for (int16_t r = 0; r < 32; ++r)
            QCOMPARE(EM().Erreg_M_Dat_Egitura_Irakurri(r), std::string(16, '0'));
    }

    void registerZeroIsAnOrdinaryRegister()
    {
        EM().Erreg_M_Dat_Egitura_Aldatu("0000000000000111", 0);
        QCOMPARE(EM().Erreg_M_Dat_Egitura_Irakurri(0), std::string("0000000000000111"));
        EM().hasieratu();
        QCOMPARE(EM().Erreg_M_Dat_Egitura_Irakurri(0), std::string(16, '0'));
    }

    void programImageInBothLanguages_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::newRow("Basque") << false;
        QTest::newRow("Spanish") << true;
    }
    void programImageInBothLanguages()
    {
        QFETCH(bool, spanish);
        G().Gaztelera = spanish;
        MN().MN_Egitura_Aldatu("7000", "0101010101010101", "keep", 4);
        Programa().kargatu();

        const MN_Egitura first = MN().record("4000");
        QCOMPARE(first.h, std::string("4000"));  // the loader's address text replaces the label
        QCOMPARE(first.k, std::string("0000000000100000"));
        QCOMPARE(first.A, std::string("LD r1,A"));
        QCOMPARE(first.AK, int16_t(0));
        const MN_Egitura second = MN().record("4001");
        QCOMPARE(second.k, std::string(16, '0'));
        QCOMPARE(second.A, std::string());
        QCOMPARE(second.AK, int16_t(0));

        QCOMPARE(MN().MN_Egitura_Agindua_Irakurri("4004"), std::string(spanish ? "LD r3,MENOSUNO" : "LD r3,MINUSBAT"));
        QCOMPARE(MN().MN_Egitura_Agindua_Irakurri("3"), std::string(spanish ? ":MENOSUNO" : ":MINUSBAT"));
        QCOMPARE(MN().MN_Egitura_Agindua_Irakurri("4010"), std::string(spanish ? "END: ST r4,RESULTADO" : "END: ST r4,EMAITZA"));
        QCOMPARE(MN().record("400A").h, std::string("400A"));
        QCOMPARE(MN().MN_Egitura_AK_Irakurri("4011"), int16_t(3));
        QCOMPARE(MN().MN_Egitura_AK_Irakurri("4009"), int16_t(26));

        // The result word holds an empty text, not sixteen zeros, until the program stores.
        const MN_Egitura result = MN().record("2");
        QCOMPARE(result.k, std::string());
        QCOMPARE(result.A, std::string(spanish ? ":RESULTADO" : ":EMAITZA"));
        QCOMPARE(result.AK, int16_t(-1));
        QCOMPARE(MN().MN_Egitura_Kodea_Irakurri("3"), std::string(16, '1'));

        // The loader writes its 23 words and nothing else.
        QCOMPARE(MN().MN_Egitura_Kodea_Irakurri("7000"), std::string("0101010101010101"));
        QCOMPARE(MN().MN_Egitura_Kodea_Irakurri("4012"), std::string(16, '0'));
        QCOMPARE(MN().MN_Egitura_Kodea_Irakurri("5"), std::string(16, '0'));
        QCOMPARE(Programa().Izenburua, std::string("C:=A*B"));
        QCOMPARE(Programa().AK_itzuli(8), int16_t(3));
        QCOMPARE(Programa().AK_itzuli(9), int16_t(-1));
    }

    void branchDisplacementsLandOnTheirLabels()
    {
        Programa().kargatu();
        QCOMPARE(Bitarretik_Hamaseitarrera(Bitarrak_Batu("0100000000001000", MN().MN_Egitura_Kodea_Irakurri("4009"))),
                 std::string("4010"));
        QCOMPARE(Bitarretik_Hamaseitarrera(Bitarrak_Batu("0100000000001110", MN().MN_Egitura_Kodea_Irakurri("400F"))),
                 std::string("4008"));
    }

    void storeKeepsTheWordsTextAndCode()
    {
        // The clock's store rewrites a word with its own text and code read back first.
        Programa().kargatu();
        const std::string at = "2";
        MN().MN_Egitura_Aldatu(at, "0000000000001111", MN().MN_Egitura_Agindua_Irakurri(at), MN().MN_Egitura_AK_Irakurri(at));
        QCOMPARE(MN().MN_Egitura_Agindua_Irakurri("0002"), std::string(":EMAITZA"));
        QCOMPARE(MN().MN_Egitura_AK_Irakurri("0002"), int16_t(-1));
        QCOMPARE(MN().MN_Egitura_Kodea_Irakurri("0002"), std::string("0000000000001111"));
    }

    void tablesSurviveReinitialisation()
    {
        G().Agindu_Urratsa = 4;
        ASM().hasieratu();
        QCOMPARE(G().Agindu_Urratsa, int16_t(0));
        QCOMPARE(ASM().AK_ld(), int16_t(0));
        QCOMPARE(ASM().AK_st(), int16_t(3));
        QCOMPARE(ASM().AK_add(), int16_t(9));
        QCOMPARE(ASM().AK_beq(), int16_t(26));
        Erlojua().hasieratu();
        QCOMPARE(Erlojua().Clk_Iraupena(), int16_t(12));
        QCOMPARE(Erlojua().Clk_Aktibazio_iraupen(), int16_t(6));
    }
};

QTEST_APPLESS_MAIN(TestMemory)
#include "tst_memory.moc"
