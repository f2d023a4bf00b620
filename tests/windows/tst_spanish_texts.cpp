// The main window in Spanish: every text that exists in two languages changes,
// nothing else does, the button bar keeps its runs of blanks, and a whole run
// afterwards speaks Spanish without losing any of them.
#include "../control/driving.h"

#include "windows/spanish_texts.h"

#include <QLabel>
#include <QMap>
#include <QtTest>

using namespace driving;

namespace {

enum class Prop { Caption, Text, Tip, Menu };

struct Expect {
    QString control;
    int member;
    Prop prop;
    QString basque, spanish;
};

QList<Expect> tips(QStringList controls, const char* basque, const char* spanish)
{
    QList<Expect> rows;
    for (const QString& c : controls) {
        const int open = c.indexOf(QLatin1Char('('));
        rows.append({open < 0 ? c : c.left(open), open < 0 ? -1 : c.mid(open + 1, 1).toInt(), Prop::Tip,
                     QString::fromUtf8(basque), QString::fromUtf8(spanish)});
    }
    return rows;
}

// Every text of the main window that has a Spanish form, design text first.
QList<Expect> expectedTexts()
{
    auto text = [](const char* c, int m, const char* eu, const char* es) {
        return Expect{QLatin1String(c), m, Prop::Text, QString::fromUtf8(eu), QString::fromUtf8(es)};
    };
    auto menu = [](const char* c, const char* eu, const char* es) {
        return Expect{QLatin1String(c), -1, Prop::Menu, QString::fromUtf8(eu), QString::fromUtf8(es)};
    };
    QList<Expect> rows = {
        {QString(), -1, Prop::Caption, "Prozesadore sinple baten P.U.aren simuladorea [RIRIv4]",
         "Simulador de la U.P. de un procesador simple [RIRIv4]"},
        text("EM_etik_G", -1, "EM", "CR"), text("EM_HELBa_G", -1, "@h", "@d"),
        text("EM_HELBb_G", -1, "@i1", "@f1"), text("EM_HELBc_G", -1, "@i2", "@f2"),
        text("Rd_G", 0, "Rh", "Rd"), text("Rd_G", 1, "Rh", "Rd"), text("Ri_G", 0, "Ri1", "Rf1"),
        text("Ri_G", 1, "Ri1", "Rf1"), text("Rj_G", 0, "Ri2", "Rf2"), text("Rj_G", 1, "Ri2", "Rf2"),
        text("IR1_AK_G", -1, "EK", "CO"), text("UAL_EK_G", -1, "Erag", "Oper"), text("MN_etik_G", -1, "MN", "MP"),
        text("MN_HELB_G", -1, "HELB", "DIR"), text("Rlag_etik_G", -1, "Rlag", "Raux"),
        text("muxh3_h3_G", -1, "hRlag", "hRaux"), text("F_erlojua", -1, "Erloju - abiadura", "Velocidad reloj"),
        text("Frame2", -1, "Kontrol interfazea", "Interfaz de control"),
        text("Label14", -1, "ASM  algoritmoa", "Algoritmo ASM"), text("Label11", -1, "Aurreko egoera", "Estado anterior"),
        text("Label27", -1, "Oraingo egoera", "Estado presente"), text("Label28", -1, "Hurrengo egoera", "Estado siguiente"),
        menu("Artxiboa", "&Artxiboa", "&Archivo"), menu("Irten", "&Irten", "&Salir"),
        menu("Programak", "&Programak", "&Programas"), menu("Programa_kargatu", "&Programa kargatu", "&Cargar programa"),
        menu("Funtzionamendua", "&Funtzionamendua", "&Funcionamiento"),
        menu("Sistema_martxan_ipini", "&Sistema martxan ipini", "&Iniciar sistema"),
        menu("Exekuzio_motak", "&Exekuzio motak", "&Tipos de ejecución"),
        menu("Martxan_etengabe", "&Martxan etengabe", "&Marcha continua"),
        menu("Erloju_ziklo_bat", "&Erloju ziklo bat", "&1 ciclo de reloj"),
        menu("Agindu_oso_bat", "&Agindu oso bat", "&1 instrucción"), menu("Eten_Segi", "&Eten/Segi", "&Parar / Seguir"),
        menu("Bukatu", "&Bukatu", "&Terminar"), menu("Laguntza", "&Laguntza", "&Ayuda"),
        menu("Nola_erabili", "&Nola erabili...", "&Cómo utilizar..."),
    };
    rows += tips({"EM_G", "EM_DATin_G", "EM_LD_G", "EM_HELBa_G", "EM_HELBb_G", "EM_HELBc_G", "EM_etik_G", "EM_Qi_G",
                  "EM_Qj_G", "EM_CLK_G"},
                 "Click eginez EM-ren barneko datuak ikusiko dira", "Haciendo click se visualizan todos los registros");
    rows += tips({"MN_G", "MN_DATout_G", "MN_HELB_G", "MN_etik_G", "MN_DAT_G", "MN_CS_G", "MN_OE_G", "MN_WR_G",
                  "MN_DATin_G"},
                 "Click eginez MN-ren barneko datuak ikusiko dira",
                 "Haciendo click se visualizan todos los datos de la MP");
    rows += tips({"Text1", "Clk_T", "Command2", "Command1"}, "'+' eta '-' sakatuz gero erloju abiadura aldatzen da",
                 "Pulsando '+' y '-' varía la velocidad del reloj");
    rows += tips({"ASM_G", "Label14", "Label11", "Label27", "Label28", "ASM_aurreko_egoera_G", "ASM_oraingo_egoera_G",
                  "ASM_hurrengo_egoera_G", "ASM_aurre_ego_Seinaleak_G(0)", "ASM_orain_ego_Seinaleak_G(1)",
                  "ASM_hur_ego_Seinaleak_G(2)"},
                 "Click eginez ASM algoritmo osoa ikusiko da", "Haciendo click se visualiza el algoritmo por completo");
    return rows;
}

// The button bar: command, blanks, key, in both languages.
struct BarEntry {
    const char *basque, *spanish;
    int basqueBlanks, spanishBlanks;
    const char* key;
};
const BarEntry kBar[] = {
    {"Programa kargatu", "Cargar programa", 3, 5, "F8"},
    {"Sistema martxan ipini", "Iniciar sistema", 3, 14, "F5"},
    {"Eten / Segi", "Parar / Seguir", 18, 14, "F6"},
    {"Bukatu", "Terminar", 24, 22, "F7"},
    {"Martxan etengabe", "Marcha continua", 4, 7, "F2"},
    {"Erloju ziklo bat", "1 ciclo de reloj", 10, 11, "F3"},
    {"Agindu oso bat", "1 instrucción", 9, 14, "F4"},
    {"Laguntza", "Ayuda", 13, 18, "F1"},
    {"Irten", "Salir", 17, 18, "Ctrl+Q"},
};

QString barText(const char* command, int blanks, const char* key)
{
    return QString::fromUtf8(command) + QString(blanks, QLatin1Char(' ')) + QLatin1String(key);
}

QString key(const QString& control, int member, Prop prop)
{
    const char* what[] = {"caption", "text", "tip", "menu"};
    return (member < 0 ? control : QStringLiteral("%1(%2)").arg(control).arg(member)) + QLatin1Char('/') +
           QLatin1String(what[int(prop)]);
}

// Every text, tooltip, menu caption and the window caption, by key.
QMap<QString, QString> everyText(Sim& s)
{
    QMap<QString, QString> all;
    all.insert(key(QString(), -1, Prop::Caption), s.w->windowTitle());
    for (Element* e : s.w->diagram().all()) {
        all.insert(key(e->name(), e->index(), Prop::Text), e->text());
        all.insert(key(e->name(), e->index(), Prop::Tip), e->tip());
    }
    for (QAction* a : s.w->findChildren<QAction*>())
        if (!a->objectName().isEmpty())
            all.insert(key(a->objectName(), -1, Prop::Menu), a->text());
    return all;
}

// The texts that should be Spanish and are not, one line each.
QStringList notSpanish(Sim& s)
{
    const QMap<QString, QString> all = everyText(s);
    QStringList wrong;
    for (const Expect& e : expectedTexts()) {
        const QString k = key(e.control, e.member, e.prop);
        if (all.value(k) != e.spanish)
            wrong << QStringLiteral("%1: \"%2\"").arg(k, all.value(k));
    }
    for (int i = 0; i < 9; ++i)
        if (s.el("ga", i).text() != barText(kBar[i].spanish, kBar[i].spanishBlanks, kBar[i].key))
            wrong << QStringLiteral("ga(%1): \"%2\"").arg(i).arg(s.el("ga", i).text());
    return wrong;
}

}  // namespace

class TestSpanishTexts : public QObject {
    Q_OBJECT
private slots:
    // Every text is the design's before and the Spanish one after, the button bar
    // with its exact runs of blanks so the key names line up; nothing else of the
    // window changes: the About entry keeps its caption.
    void exactlyTheTwoLanguageTextsChange()
    {
        Sim s(true);
        const QMap<QString, QString> before = everyText(s);
        Gazteleraz_ipini(*s.w);
        const QMap<QString, QString> after = everyText(s);

        QMap<QString, QString> expectedBefore, expectedAfter;
        for (const Expect& e : expectedTexts()) {
            expectedBefore.insert(key(e.control, e.member, e.prop), e.basque);
            expectedAfter.insert(key(e.control, e.member, e.prop), e.spanish);
        }
        for (int i = 0; i < 9; ++i) {
            expectedBefore.insert(key(QStringLiteral("ga"), i, Prop::Text), barText(kBar[i].basque, kBar[i].basqueBlanks, kBar[i].key));
            expectedAfter.insert(key(QStringLiteral("ga"), i, Prop::Text), barText(kBar[i].spanish, kBar[i].spanishBlanks, kBar[i].key));
        }
        QCOMPARE(expectedAfter.size(), 80);

        QStringList changed;
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            if (before.value(it.key()) != it.value())
                changed << it.key();
        QCOMPARE(changed, expectedAfter.keys());
        for (const QString& k : expectedAfter.keys()) {
            QCOMPARE(before.value(k), expectedBefore.value(k));
            QCOMPARE(after.value(k), expectedAfter.value(k));
        }
        QCOMPARE(s.w->menu(QStringLiteral("About_Kovi")).text(), QStringLiteral("&About RIRIv4"));
        QCOMPARE(notSpanish(s), QStringList());
    }

    // A Spanish run from loading to the result: Spanish warnings, splash, panel
    // and result, and the window's Spanish texts still there at the end.
    void wholeRunSpeaksSpanish()
    {
        Sim s(true);
        Gazteleraz_ipini(*s.w);
        load(s, QStringLiteral("x"), QStringLiteral("3"));
        QCOMPARE(s.fp.messages.shown.size(), size_t(1));
        QCOMPARE(s.fp.messages.shown[0].title, QStringLiteral("AVISO!"));
        QCOMPARE(s.fp.messages.shown[0].text, QStringLiteral("LA VARIABLE 'A' NO ES UN NÚMERO!"));
        QCOMPARE(s.w->P_K().windowTitle(), QStringLiteral("Cargar programa"));
        box(s, "Text2")->setText(QStringLiteral("5"));
        s.w->P_K().findChild<QPushButton*>(QStringLiteral("Command1"))->click();

        s.el("ga", 1).click();
        QCOMPARE(s.w->S_H().windowTitle(), QStringLiteral("Sistema inicializando..."));
        QVERIFY(s.clock().advanceUntil([&] { return !splashShown(s); }, 5000));

        // Two instructions: the second one's fetch shows the decode state gone by.
        s.el("ga", 6).click();
        QVERIFY(s.clock().advanceUntil([&] { return !s.w->control().clockTimer().isEnabled(); }, 100000));
        s.el("ga", 6).click();
        QVERIFY(s.clock().advanceUntil([&] { return s.el("ASM_oraingo_egoera_G").text() == QLatin1String("desc"); },
                                       100000));
        QCOMPARE(s.el("ASM_aurreko_egoera_G").text(), QStringLiteral("fetch2"));
        QCOMPARE(s.el("ASM_aurre_ego_Seinaleak_G", 0).text(), QStringLiteral("LEE_MEM\r\nCARGA_IR2\r\nINCR_PC"));

        setLevel(s, 10);
        QVERIFY(runToResult(s, 4));
        ResultWindow& result = *s.w->existingResult();
        QCOMPARE(result.windowTitle(), QStringLiteral("Resultado"));
        QCOMPARE(result.findChild<QLabel*>(QStringLiteral("Label4"))->text(), QStringLiteral("RESULTADO PROGRAMA A*B:"));
        QCOMPARE(result.Hamartar(2)->text(), QStringLiteral("15"));
        closeResult(s);
        QCOMPARE(notSpanish(s), QStringList());
    }
};

QTEST_MAIN(TestSpanishTexts)
#include "tst_spanish_texts.moc"
