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

QString key(const QString& control, int member, Prop prop)
{
    const char* what[] = {"caption", "text", "tip", "menu"};
    return (member < 0 ? control : QStringLiteral("%1(%2)").arg(control).arg(member)) + QLatin1Char('/') +
           QLatin1String(what[int(prop)]);
}

// The button bar's Spanish texts: command, its run of blanks, key.
struct BarEntry {
    const char* command;
    int blanks;
    const char* key;
};
const BarEntry kBar[] = {
    {"Cargar programa", 5, "F8"}, {"Iniciar sistema", 14, "F5"}, {"Parar / Seguir", 14, "F6"},
    {"Terminar", 22, "F7"},       {"Marcha continua", 7, "F2"},  {"1 ciclo de reloj", 11, "F3"},
    {"1 instrucción", 14, "F4"},  {"Ayuda", 18, "F1"},           {"Salir", 18, "Ctrl+Q"},
};

// Every text of the main window that has a Spanish form, by key ("/caption",
// "Rd_G(1)/text", "EM_G/tip", "Irten/menu").
QMap<QString, QString> spanishTexts()
{
    QMap<QString, QString> all;
    all.insert(QStringLiteral("/caption"), QStringLiteral("Simulador de la U.P. de un procesador simple [RIRIv4]"));
    const char* const texts[][2] = {
        {"EM_etik_G", "CR"}, {"EM_HELBa_G", "@d"}, {"EM_HELBb_G", "@f1"}, {"EM_HELBc_G", "@f2"},
        {"Rd_G(0)", "Rd"}, {"Rd_G(1)", "Rd"}, {"Ri_G(0)", "Rf1"}, {"Ri_G(1)", "Rf1"}, {"Rj_G(0)", "Rf2"},
        {"Rj_G(1)", "Rf2"}, {"IR1_AK_G", "CO"}, {"UAL_EK_G", "Oper"}, {"MN_etik_G", "MP"}, {"MN_HELB_G", "DIR"},
        {"Rlag_etik_G", "Raux"}, {"muxh3_h3_G", "hRaux"}, {"F_erlojua", "Velocidad reloj"},
        {"Frame2", "Interfaz de control"}, {"Label14", "Algoritmo ASM"}, {"Label11", "Estado anterior"},
        {"Label27", "Estado presente"}, {"Label28", "Estado siguiente"},
    };
    for (const auto& t : texts)
        all.insert(QLatin1String(t[0]) + QLatin1String("/text"), QString::fromUtf8(t[1]));
    for (int i = 0; i < 9; ++i)
        all.insert(key(QStringLiteral("ga"), i, Prop::Text), QString::fromUtf8(kBar[i].command) +
                                                               QString(kBar[i].blanks, QLatin1Char(' ')) +
                                                               QLatin1String(kBar[i].key));
    const char* const menus[][2] = {
        {"Artxiboa", "&Archivo"}, {"Irten", "&Salir"}, {"Programak", "&Programas"},
        {"Programa_kargatu", "&Cargar programa"}, {"Funtzionamendua", "&Funcionamiento"},
        {"Sistema_martxan_ipini", "&Iniciar sistema"}, {"Exekuzio_motak", "&Tipos de ejecución"},
        {"Martxan_etengabe", "&Marcha continua"}, {"Erloju_ziklo_bat", "&1 ciclo de reloj"},
        {"Agindu_oso_bat", "&1 instrucción"}, {"Eten_Segi", "&Parar / Seguir"}, {"Bukatu", "&Terminar"},
        {"Laguntza", "&Ayuda"}, {"Nola_erabili", "&Cómo utilizar..."},
    };
    for (const auto& m : menus)
        all.insert(QLatin1String(m[0]) + QLatin1String("/menu"), QString::fromUtf8(m[1]));
    const std::pair<const char*, QStringList> tips[] = {
        {"Haciendo click se visualizan todos los registros",
         {"EM_G", "EM_DATin_G", "EM_LD_G", "EM_HELBa_G", "EM_HELBb_G", "EM_HELBc_G", "EM_etik_G", "EM_Qi_G",
          "EM_Qj_G", "EM_CLK_G"}},
        {"Haciendo click se visualizan todos los datos de la MP",
         {"MN_G", "MN_DATout_G", "MN_HELB_G", "MN_etik_G", "MN_DAT_G", "MN_CS_G", "MN_OE_G", "MN_WR_G", "MN_DATin_G"}},
        {"Pulsando '+' y '-' varía la velocidad del reloj", {"Text1", "Clk_T", "Command2", "Command1"}},
        {"Haciendo click se visualiza el algoritmo por completo",
         {"ASM_G", "Label14", "Label11", "Label27", "Label28", "ASM_aurreko_egoera_G", "ASM_oraingo_egoera_G",
          "ASM_hurrengo_egoera_G", "ASM_aurre_ego_Seinaleak_G(0)", "ASM_orain_ego_Seinaleak_G(1)",
          "ASM_hur_ego_Seinaleak_G(2)"}},
    };
    for (const auto& [tip, controls] : tips)
        for (const QString& c : controls)
            all.insert(c + QLatin1String("/tip"), QString::fromUtf8(tip));
    return all;
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
    const QMap<QString, QString> spanish = spanishTexts();
    QStringList wrong;
    for (auto it = spanish.cbegin(); it != spanish.cend(); ++it)
        if (all.value(it.key()) != it.value())
            wrong << QStringLiteral("%1: \"%2\"").arg(it.key(), all.value(it.key()));
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
        QCOMPARE(notSpanish(s).join(QLatin1Char('\n')), QString());

        QStringList changed;
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            if (before.value(it.key()) != it.value())
                changed << it.key();
        QCOMPARE(changed.join(QLatin1Char(' ')), spanishTexts().keys().join(QLatin1Char(' ')));
        QCOMPARE(changed.size(), 80);
        QCOMPARE(s.w->menu(QStringLiteral("About_Kovi")).text(), QStringLiteral("&About RIRIv4"));
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
        QCOMPARE(notSpanish(s).join(QLatin1Char('\n')), QString());
    }
};

QTEST_MAIN(TestSpanishTexts)
#include "tst_spanish_texts.moc"
