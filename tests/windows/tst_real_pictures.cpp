// The program with the bitmaps the build draws: every picture it loads by path
// must exist and load, through a whole run. With RIRI_SHOTS naming a folder, the
// main window is also saved at moments worth looking at.
#include "../control/driving.h"
#include "datapath/datapath.h"
#include "platform/qt_services.h"

#include <QtTest>

namespace {
// The real loader, remembering every path it could not load.
class CheckingLoader : public PictureLoader {
public:
    QPixmap load(const QString& designPath) override
    {
        QPixmap p = real.load(designPath);
        if (p.isNull())
            missing.insert(designPath);
        loaded.insert(designPath);
        return p;
    }
    FilePictureLoader real;
    QSet<QString> missing;
    QSet<QString> loaded;
};

void shot(Sim& s, const QString& name)
{
    const QString dir = qEnvironmentVariable("RIRI_SHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QCoreApplication::processEvents();
    s.w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}
}  // namespace

class TestRealPictures : public QObject {
    Q_OBJECT
private slots:
    void everyPictureOfARunLoads()
    {
        CheckingLoader pictures;
        Sim s(false, &pictures);
        s.w->resize(1024, 768);
        s.w->show();
        shot(s, "1-rest");
        if (!qEnvironmentVariable("RIRI_SHOTS").isEmpty()) {
            s.el("ga", 0).click();
            s.w->P_K().grab().save(qEnvironmentVariable("RIRI_SHOTS") + QStringLiteral("/0-load.png"));
            s.w->P_K().hide();
        }
        driving::load(s, "5", "3");
        s.el("ga", 1).click();
        s.clock().advance(300);
        if (!qEnvironmentVariable("RIRI_SHOTS").isEmpty())
            s.w->S_H().grab().save(qEnvironmentVariable("RIRI_SHOTS") + QStringLiteral("/0-splash.png"));
        QVERIFY(s.clock().advanceUntil([&] { return !driving::splashShown(s); }, 5000));
        s.el("ga", 4).click();  // continuous

        // Halfway through the first fetch's fill: the edge, then four of its eight ticks.
        s.clock().advanceUntil([&] { return s.el("ASM_oraingo_egoera_G").text() == "fetch1"; }, 5000);
        s.clock().advance(4 * 201 + 10);
        shot(s, "2-fetch-fill-halfway");

        // Right after decode: the buses that carry new information are teal.
        s.clock().advanceUntil([&] { return s.el("ASM_oraingo_egoera_G").text() == "desk"; }, 60000);
        shot(s, "3-after-desk-info");

        // An ADD under way, then its result written back.
        s.clock().advanceUntil([&] { return s.el("ASM_oraingo_egoera_G").text() == "add2"; }, 600000);
        s.clock().advance(3 * 801);
        shot(s, "4-add2");

        QVERIFY(s.clock().advanceUntil([&] { return s.w->existingResult() && s.w->existingResult()->isVisible(); },
                                       10'000'000));
        shot(s, "5-end");
        if (!qEnvironmentVariable("RIRI_SHOTS").isEmpty())
            s.w->Amaiera().grab().save(qEnvironmentVariable("RIRI_SHOTS") + QStringLiteral("/6-result.png"));

        QVERIFY2(pictures.missing.isEmpty(), qPrintable(QStringList(pictures.missing.values()).join(", ")));
        // The run used every kind of picture: clock frames, the three arrow versions, ALU and adder.
        for (const char* p : {"clocks\\t1.bmp", "clocks\\t11.bmp", "clocks\\t12.bmp", "pictures\\UAL.bmp",
                              "pictures\\UAL_gorria.bmp", "pictures\\batukari_morea.bmp",
                              "pictures\\gezi_eskuin_gorria.bmp", "pictures\\gezi_gora_info.bmp",
                              "pictures\\gezi_behera_txuria.bmp"})
            QVERIFY2(pictures.loaded.contains(p), p);
    }
};

QTEST_MAIN(TestRealPictures)
#include "tst_real_pictures.moc"
