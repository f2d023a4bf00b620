// What the three zoom windows share: every element of their block opens them
// over the disabled main window in the chosen language; Escape and the close box
// unload them, so the next use starts from the design texts, and leave nothing
// behind; Finish only hides them.
#include "../control/driving.h"

#include "windows/asm_zoom.h"
#include "windows/memory_zoom.h"
#include "windows/register_zoom.h"

#include <QLabel>
#include <QPixmapCache>
#include <QtTest>

using namespace driving;

namespace {

enum Which { Memory, Registers, Chart };

// A title and a label that differ by language.
struct Texts {
    const char* title[2];
    const char* label;
    const char* labelText[2];
};
const Texts kTexts[] = {
    {{"MN_Zoom", "MP_Zoom"}, "Label1", {"DATUA (16 BITAK)", "DATOS (16 BITS)"}},
    {{"EM_Zoom", "CR_Zoom"}, "Label1", {"DATUA (16 BITAK)", "DATOS (16 BITS)"}},
    {{"ASM_Zoom", "ASM_Zoom"}, "Label2", {"/* hRlag=0, hdesp=0 */", "/* hRaux=0, hdesp=0 */"}},
};

// The window, loaded anew if it was unloaded, as the run's refreshes do.
QWidget& zoom(Sim& s, Which which)
{
    switch (which) {
    case Memory: return s.w->MN_Zoom();
    case Registers: return s.w->EM_Zoom();
    case Chart: return s.w->ASM_Zoom();
    }
    return s.w->MN_Zoom();
}

// "MP_Zoom DATOS (16 BITS)": what the window shows of its language.
QString shownTexts(QWidget& z, Which which)
{
    return z.windowTitle() + QLatin1Char(' ') + z.findChild<QLabel*>(QLatin1String(kTexts[which].label))->text();
}

QString expectedTexts(Which which, bool spanish)
{
    const Texts& t = kTexts[which];
    return QString::fromUtf8(t.title[spanish]) + QLatin1Char(' ') + QString::fromUtf8(t.labelText[spanish]);
}

void addOpeners()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("index");
    for (const char* e : {"MN_G", "MN_etik_G", "MN_HELB_G", "MN_DATin_G", "MN_DATout_G", "MN_CS_G", "MN_OE_G",
                          "MN_WR_G", "MN_DAT_G"})
        QTest::newRow(e) << int(Memory) << QString::fromLatin1(e) << -1;
    for (const char* e : {"EM_G", "EM_etik_G", "EM_HELBa_G", "EM_HELBb_G", "EM_HELBc_G", "EM_Qi_G", "EM_Qj_G",
                          "EM_DATin_G", "EM_LD_G", "EM_CLK_G"})
        QTest::newRow(e) << int(Registers) << QString::fromLatin1(e) << -1;
    for (const char* e : {"ASM_aurreko_egoera_G", "ASM_oraingo_egoera_G", "ASM_hurrengo_egoera_G", "ASM_G", "Label11",
                          "Label27", "Label28", "Label14"})
        QTest::newRow(e) << int(Chart) << QString::fromLatin1(e) << -1;
    QTest::newRow("ASM_aurre_ego_Seinaleak_G(0)") << int(Chart) << "ASM_aurre_ego_Seinaleak_G" << 0;
    QTest::newRow("ASM_orain_ego_Seinaleak_G(1)") << int(Chart) << "ASM_orain_ego_Seinaleak_G" << 1;
    QTest::newRow("ASM_hur_ego_Seinaleak_G(2)") << int(Chart) << "ASM_hur_ego_Seinaleak_G" << 2;
}

}  // namespace

class TestZoomWindows : public QObject {
    Q_OBJECT
private slots:
    void everyElementOfTheBlockOpensItsWindow_data() { addOpeners(); }

    // Modeless over the disabled main window, in the chosen language; Escape
    // unloads it like the close box and gives the main window back.
    void everyElementOfTheBlockOpensItsWindow()
    {
        QFETCH(int, which);
        QFETCH(QString, element);
        QFETCH(int, index);
        for (bool spanish : {false, true}) {
            Sim s(spanish);
            s.el(element, index).click();
            QPointer<QWidget> z = &zoom(s, Which(which));
            QVERIFY(z->isVisible());
            QVERIFY(!z->isModal());
            QVERIFY(!s.w->isEnabled());
            QCOMPARE(shownTexts(*z, Which(which)), expectedTexts(Which(which), spanish));
            QTest::keyClick(z, Qt::Key_Escape);
            unloadNow();
            QVERIFY(z.isNull());
            QVERIFY(s.w->isEnabled());
        }
    }

    void closingUnloadsAndFinishOnlyHides_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("memory") << int(Memory);
        QTest::newRow("register set") << int(Registers);
        QTest::newRow("ASM chart") << int(Chart);
    }

    // In Spanish: the window loaded again after a close shows the design texts
    // until an opening writes the Spanish ones; Finish hides it as it is and
    // leaves the main window as it was.
    void closingUnloadsAndFinishOnlyHides()
    {
        QFETCH(int, which);
        const char* const opener[] = {"MN_G", "EM_G", "ASM_G"};
        Sim s(true);
        s.el(QLatin1String(opener[which])).click();
        QPointer<QWidget> first = &zoom(s, Which(which));
        first->close();
        unloadNow();
        QVERIFY(first.isNull());
        QVERIFY(s.w->isEnabled());

        QPointer<QWidget> second = &zoom(s, Which(which));
        QVERIFY(!second->isVisible());
        QCOMPARE(shownTexts(*second, Which(which)), expectedTexts(Which(which), false));
        s.el(QLatin1String(opener[which])).click();
        QCOMPARE(&zoom(s, Which(which)), second.data());
        QCOMPARE(shownTexts(*second, Which(which)), expectedTexts(Which(which), true));

        s.w->commands().Bukatu_Click();
        unloadNow();
        QVERIFY(second);
        QVERIFY(!second->isVisible());
        QCOMPARE(shownTexts(*second, Which(which)), expectedTexts(Which(which), true));
        QVERIFY(!s.w->isEnabled());
    }

    // Side by side, the memory and register-set zooms show their cells in one
    // face: every cell asks for the same families and gets the same one.
    void everyZoomCellAsksForOneFace()
    {
        Sim s;
        const MemoryZoom& m = s.w->MN_Zoom();
        const RegisterZoom& r = s.w->EM_Zoom();
        const ZoomCell* cells[] = {&m.Helb(0), &m.Kod(0), &m.Ag(0), &m.Helb_joan(), &r.EM_Zoom_Helb(1),
                                   &r.EM_Zoom_Dat(1), &r.EM_Zoom_Qi(1)};
        for (const ZoomCell* c : cells) {
            QCOMPARE(c->font().families(), cells[0]->font().families());
            QCOMPARE(QFontInfo(c->font()).family(), QFontInfo(cells[0]->font()).family());
            QVERIFY(QFontInfo(c->font()).fixedPitch() && c->font().bold());
        }
    }

    void openingsLeaveNothingInThePixmapCache_data() { closingUnloadsAndFinishOnlyHides_data(); }

    // The style caches what it draws, keyed by palette and picture. Forty openings,
    // each painted, then closed: were each opening's drawings kept apart, they
    // would fill a small cache and push out a picture put there first.
    void openingsLeaveNothingInThePixmapCache()
    {
        QFETCH(int, which);
        const char* const opener[] = {"MN_G", "EM_G", "ASM_G"};
        Sim s;
        s.w->show();
        const int limit = QPixmapCache::cacheLimit();
        QPixmapCache::clear();
        QPixmapCache::setCacheLimit(1024);  // KB: one opening's drawings fit many times over
        QPixmap first(100, 100);             // 40 KB, never looked at again
        first.fill(Qt::red);
        const QPixmapCache::Key key = QPixmapCache::insert(first);
        for (int i = 0; i < 40; ++i) {
            s.el(QLatin1String(opener[which])).click();
            zoom(s, Which(which)).grab();
            zoom(s, Which(which)).close();
            unloadNow();
        }
        const bool kept = QPixmapCache::find(key, &first);
        QPixmapCache::setCacheLimit(limit);
        QVERIFY(kept);
    }
};

QTEST_MAIN(TestZoomWindows)
#include "tst_zoom_windows.moc"
