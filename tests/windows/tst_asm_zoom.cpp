// The ASM zoom window on its own: its texts in both languages, the green mark,
// the chart's arrows joining the boxes they are meant to join, and how its
// openers and its close box treat the main window.
#include "../control/driving.h"
#include "asm_zoom_look.h"

#include "windows/asm_chart.h"

#include <QLabel>
#include <QLineF>
#include <QPointer>
#include <QtTest>

namespace {
using namespace asm_chart;

QString lines(const QStringList& l, bool trailing)
{
    return l.join(QStringLiteral("\r\n")) + (trailing && !l.isEmpty() ? QStringLiteral("\r\n") : QString());
}

QString labelText(AsmZoom& z, const QString& name) { return z.findChild<QLabel*>(name)->text(); }
QString frameCaption(AsmZoom& z) { return z.findChild<ChartFrame*>(QStringLiteral("Frame1"))->caption(); }

void unload(AsmZoom& z)
{
    z.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// --- The chart's geometry, in twips within the frame.

QRect rectOf(const QString& name)
{
    for (const StateBox& b : kStateBoxes)
        if (name == QLatin1String(b.name))
            return {b.left, b.top, b.width, b.height};
    for (const Label& l : kLabels)
        if (name == QLatin1String(l.name))
            return {l.left, l.top, l.width, l.height};
    return {};
}

const Decision* decision(const QString& name)
{
    for (const Decision& d : kDecisions)
        if (name == QLatin1String(d.name))
            return &d;
    return nullptr;
}

QLineF line(const Segment& s) { return QLineF(s.x1, s.y1, s.x2, s.y2); }

bool onSegment(const QPointF& p, const QLineF& l)
{
    // Straight and within the two ends, to a twip.
    const QLineF a(l.p1(), p), b(p, l.p2());
    return std::abs(a.length() + b.length() - l.length()) < 0.5;
}

bool onOutline(const QPointF& p, const QPolygon& outline)
{
    for (int i = 0; i < outline.size(); ++i)
        if (onSegment(p, QLineF(outline[i], outline[(i + 1) % outline.size()])))
            return true;
    return false;
}

// The rows of one arrow: from a row whose start is named to the row with its head.
QList<const Segment*> arrowFrom(const QString& start)
{
    QList<const Segment*> arrow;
    for (const Segment& s : kSegments) {
        if (arrow.isEmpty() && start != QLatin1String(s.from))
            continue;
        arrow << &s;
        if (*s.to)
            break;
    }
    return arrow;
}

QPolygon outlineOf(const QRect& r)
{
    const int right = r.left() + r.width(), bottom = r.top() + r.height();
    return QPolygon({{r.left(), r.top()}, {right, r.top()}, {right, bottom}, {r.left(), bottom}});
}

bool touches(const QPointF& p, const QString& what)
{
    if (what.startsWith(QLatin1String("ASM_")))
        return onOutline(p, outlineOf(rectOf(what)));
    if (const Decision* d = decision(what.section(QLatin1Char(':'), 0, 0)))
        return onOutline(p, decisionOutline(QRect(d->left, d->top, d->width, d->height)));
    for (const Segment* s : arrowFrom(what))
        if (onSegment(p, line(*s)))
            return true;
    return false;
}

}  // namespace

class TestAsmZoom : public QObject {
    Q_OBJECT
private slots:
    void windowAndFrameHaveTheDesignSize()
    {
        Sim s;
        AsmZoom& z = s.w->ASM_Zoom();
        QCOMPARE(z.size(), QSize(569, 654));
        QCOMPARE(z.findChild<ChartFrame*>(QStringLiteral("Frame1"))->geometry(), QRect(2, 2, 565, 649));
        // Boxes lie within the frame, at a fifteenth of their twips.
        QCOMPARE(z.findChild<ChartBox*>(QStringLiteral("ASM_fetch1"))->geometry(), QRect(152, 36, 191, 71));
        QCOMPARE(z.findChild<ChartBox*>(QStringLiteral("ASM_beq3"))->geometry(), QRect(438, 578, 113, 53));
        QCOMPARE(z.findChild<ChartBox*>(QStringLiteral("Z"))->geometry(), QRect(488, 526, 17, 22));
    }

    void stateBoxTextsInBothLanguages_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("basque");
        QTest::addColumn<QStringList>("spanish");
        QTest::newRow("fetch1") << "ASM_fetch1"
                                << QStringList{"IRAK_MEM (cs, oe)", "KARGA_IR1 (ld_ir1)", "INKR_PC (ld_pc)",
                                               "KARGA_RLAG (ld_rlag)"}
                                << QStringList{"LEE_MEM (cs, oe)", "CARGA_IR1 (ld_ir1)", "INCR_PC (ld_pc)",
                                               "CARGA_RAUX (ld_Raux)"};
        QTest::newRow("desk stays empty") << "ASM_desk" << QStringList{} << QStringList{};
        QTest::newRow("ld") << "ASM_ld" << QStringList{"IRAK_MEM", "(hIR2, cs, oe)", "KARGA_EM", "(hmem, ld_EM)"}
                            << QStringList{"LEE_MEM", "(hIR2, cs, oe)", "CARGA_CR", "(hmem, ld_CR)"};
        QTest::newRow("add3") << "ASM_add3" << QStringList{"KARGA_EM (ld_EM)"} << QStringList{"CARGA_CR (ld_CR)"};
        QTest::newRow("beq3, a blank ends its second line")
            << "ASM_beq3" << QStringList{"KARGA_PC", "(ld_pc, hRlag, ", "hdesp)"}
            << QStringList{"CARGA_PC", "(ld_pc, hRaux, hdesp)"};
    }

    // Design texts end every line with a line break, the Spanish ones only separate them.
    void stateBoxTextsInBothLanguages()
    {
        QFETCH(QString, box);
        QFETCH(QStringList, basque);
        QFETCH(QStringList, spanish);
        Sim s;
        QCOMPARE(boxText(s.w->ASM_Zoom(), box), lines(basque, true));
        G().Gaztelera = true;
        s.w->openAsmZoom();
        QCOMPARE(boxText(s.w->ASM_Zoom(), box), lines(spanish, false));
    }

    void captionsAndLabelsInBothLanguages_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("basque");
        QTest::addColumn<QString>("spanish");
        QTest::newRow("window") << "window" << "ASM_Zoom" << "ASM_Zoom";
        QTest::newRow("frame") << "Frame1" << " ASM  KONTROL - ALGORITMOA " << " ALGORITMO DE CONTROL  ASM ";
        QTest::newRow("opcode decision") << "AK" << "EK" << "CO";
        QTest::newRow("zero decision") << "Z" << "Z" << "Z";
        QTest::newRow("desk name") << "Label9" << "desk" << "desc";
        QTest::newRow("fetch1 name") << "Label7" << "fetch1" << "fetch1";
        QTest::newRow("fetch1 adder note") << "Label2" << "/* hRlag=0, hdesp=0 */" << "/* hRaux=0, hdesp=0 */";
        QTest::newRow("fetch2 adder note") << "Label4" << "/* hRlag=0, hdesp=0 */" << "/* hRaux=0, hdesp=0 */";
    }

    void captionsAndLabelsInBothLanguages()
    {
        QFETCH(QString, control);
        QFETCH(QString, basque);
        QFETCH(QString, spanish);
        auto text = [&](AsmZoom& z) {
            if (control == QLatin1String("window"))
                return z.windowTitle();
            if (control == QLatin1String("Frame1"))
                return frameCaption(z);
            if (auto* box = z.findChild<ChartBox*>(control))
                return box->text();
            return labelText(z, control);
        };
        for (bool inSpanish : {false, true}) {
            Sim s(inSpanish);
            s.el("ASM_G").click();
            QCOMPARE(text(s.w->ASM_Zoom()), inSpanish ? spanish : basque);
        }
    }

    // Labels do not wrap: a text wider than its label would be cut off.
    void everyLabelShowsItsWholeText()
    {
        for (bool spanish : {false, true}) {
            Sim s(spanish);
            s.w->openAsmZoom();
            for (QLabel* label : s.w->ASM_Zoom().findChildren<QLabel*>()) {
                const int width = label->fontMetrics().horizontalAdvance(label->text());
                QVERIFY2(width <= label->width(), qPrintable(label->objectName() + ": " + label->text() + QString(" %1 > %2").arg(width).arg(label->width())));
            }
        }
    }

    // Before any run every box is clear. Closing unloads the window; the next
    // opening writes the Spanish texts again.
    void closingUnloadsAndReopeningWritesTheLanguageAgain_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::newRow("basque") << false;
        QTest::newRow("spanish") << true;
    }

    void closingUnloadsAndReopeningWritesTheLanguageAgain()
    {
        QFETCH(bool, spanish);
        Sim s(spanish);
        s.el("ASM_oraingo_egoera_G").click();
        QPointer<AsmZoom> first = &s.w->ASM_Zoom();
        QVERIFY(first->isVisible());
        QVERIFY(!s.w->isEnabled());
        QCOMPARE(greenBoxes(*first), QStringList());
        unload(*first);
        QVERIFY(first.isNull());
        QVERIFY(s.w->isEnabled());
        // Loaded again by a state action, before any opening: the design texts.
        QCOMPARE(boxText(s.w->ASM_Zoom(), "ASM_add3"), QStringLiteral("KARGA_EM (ld_EM)\r\n"));
        s.el("Label28").click();
        QCOMPARE(frameCaption(s.w->ASM_Zoom()),
                 spanish ? QStringLiteral(" ALGORITMO DE CONTROL  ASM ") : QStringLiteral(" ASM  KONTROL - ALGORITMOA "));
        QCOMPARE(boxText(s.w->ASM_Zoom(), "ASM_add3"),
                 spanish ? QStringLiteral("CARGA_CR (ld_CR)") : QStringLiteral("KARGA_EM (ld_EM)\r\n"));
        QCOMPARE(boxText(s.w->ASM_Zoom(), "ASM_desk"), QString());
        // Escape closes it like the close box.
        QTest::keyClick(&s.w->ASM_Zoom(), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(s.w->isEnabled());
    }

    void everyPanelElementOpensIt_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("index");
        QTest::newRow("previous state") << "ASM_aurreko_egoera_G" << -1;
        QTest::newRow("current state") << "ASM_oraingo_egoera_G" << -1;
        QTest::newRow("next state") << "ASM_hurrengo_egoera_G" << -1;
        QTest::newRow("previous signals") << "ASM_aurre_ego_Seinaleak_G" << 0;
        QTest::newRow("current signals") << "ASM_orain_ego_Seinaleak_G" << 1;
        QTest::newRow("next signals") << "ASM_hur_ego_Seinaleak_G" << 2;
        QTest::newRow("mini chart") << "ASM_G" << -1;
        QTest::newRow("previous caption") << "Label11" << -1;
        QTest::newRow("current caption") << "Label27" << -1;
        QTest::newRow("next caption") << "Label28" << -1;
        QTest::newRow("chart caption") << "Label14" << -1;
    }

    void everyPanelElementOpensIt()
    {
        QFETCH(QString, element);
        QFETCH(int, index);
        Sim s;
        s.w->ASM_Zoom().setBox(QStringLiteral("ASM_beq2"), colour::Green);
        s.el(element, index).click();
        QVERIFY(s.w->ASM_Zoom().isVisible());
        QVERIFY(!s.w->isEnabled());
        // State 0 before any run: the opening clears the box painted before.
        QCOMPARE(greenBoxes(s.w->ASM_Zoom()), QStringList());
    }

    void eguneratuMarksTheState_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("state");
        QTest::addColumn<QStringList>("after");
        const QStringList two{"ASM_desk", "ASM_beq3"};
        QTest::newRow("0 clears every box") << two << 0 << QStringList{};
        QTest::newRow("1 lights fetch1 only") << two << 1 << QStringList{"ASM_desk", "ASM_beq3", "ASM_fetch1"};
        QTest::newRow("5 lights st") << QStringList{} << 5 << QStringList{"ASM_st"};
        QTest::newRow("11 lights beq3, already green") << two << 11 << two;
        QTest::newRow("-1 changes nothing") << two << -1 << two;
        QTest::newRow("12 changes nothing") << two << 12 << two;
    }

    void eguneratuMarksTheState()
    {
        QFETCH(QStringList, before);
        QFETCH(int, state);
        QFETCH(QStringList, after);
        Sim s;
        AsmZoom& z = s.w->ASM_Zoom();
        for (const QString& box : before)
            z.setBox(box, colour::Green);
        z.ASM_eguneratu(int16_t(state));
        QStringList expected = after;
        std::sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
            return AsmZoom::boxNames().indexOf(a) < AsmZoom::boxNames().indexOf(b);
        });
        QCOMPARE(greenBoxes(z), expected);
    }

    // What the state actions write is what the window shows.
    void theBoxesShowTheirColour()
    {
        Sim s;
        s.w->openAsmZoom();
        AsmZoom& z = s.w->ASM_Zoom();
        z.setBox(QStringLiteral("ASM_add2"), colour::Green);
        const QImage shot = z.grab().toImage();
        auto colourIn = [&](const char* name) {
            const QWidget* box = z.findChild<ChartBox*>(QLatin1String(name));
            return shot.pixelColor(box->mapTo(&z, QPoint(box->width() - 6, box->height() - 6)));
        };
        QCOMPARE(colourIn("ASM_add2"), QColor(0, 255, 0));
        QCOMPARE(colourIn("ASM_add1"), colour::toQColor(colour::Window));
        QCOMPARE(colourIn("AK"), colour::toQColor(0x80C0FF));
    }

    // Every line of every arrow starts and ends on what its row names.
    void everyArrowLineTouchesWhatItJoins()
    {
        int heads = 0;
        for (int i = 0; i < int(std::size(kSegments)); ++i) {
            const Segment& s = kSegments[i];
            const QString row = QStringLiteral("row %1").arg(i);
            const QString from = QLatin1String(s.from), to = QLatin1String(s.to);
            if (from == QLatin1String("^")) {
                QVERIFY2(i > 0 && !*kSegments[i - 1].to, qPrintable(row + " carries on from an arrowhead"));
                QVERIFY2(line(kSegments[i - 1]).p2() == line(s).p1(), qPrintable(row + " leaves a gap"));
            } else if (from == QLatin1String("ldst") || from == QLatin1String("return")) {
                // A return line starts where an arrow meets it.
                bool met = false;
                for (const Segment& other : kSegments)
                    met = met || (QLatin1String(other.to) == from && line(other).p2() == line(s).p1());
                QVERIFY2(met, qPrintable(row + " starts where nothing meets it"));
            } else {
                QVERIFY2(touches(line(s).p1(), from), qPrintable(row + " does not start on " + from));
            }
            if (to.isEmpty()) {
                QVERIFY2(i + 1 < int(std::size(kSegments)) && QLatin1String(kSegments[i + 1].from) == QLatin1String("^"),
                         qPrintable(row + " ends in the air"));
            } else {
                ++heads;
                QVERIFY2(touches(line(s).p2(), to), qPrintable(row + " does not end on " + to));
            }
            QVERIFY2(line(s).dx() == 0 || line(s).dy() == 0, qPrintable(row + " is slanted"));
        }
        // The chart draws 68 lines: the shafts and two per arrowhead.
        QCOMPARE(int(std::size(kSegments)) + 2 * heads, 68);
    }

    // No line runs over a box or a label: it only meets their edges.
    void arrowsRunBetweenTheBoxesAndLabels()
    {
        QList<QPair<QString, QRect>> areas;
        for (const StateBox& b : kStateBoxes)
            areas << qMakePair(QString::fromLatin1(b.name), QRect(b.left, b.top, b.width, b.height));
        for (const Decision& d : kDecisions)
            areas << qMakePair(QString::fromLatin1(d.name), QRect(d.left, d.top, d.width, d.height));
        for (const Label& l : kLabels)
            areas << qMakePair(QString::fromLatin1(l.name), QRect(l.left, l.top, l.width, l.height));
        for (const Segment& s : kSegments) {
            const QRectF span = QRectF(line(s).p1(), line(s).p2()).normalized();
            for (const auto& [name, area] : areas) {
                const QRectF inside = QRectF(area).adjusted(1, 1, -1, -1);
                const bool crosses = span.left() < inside.right() && span.right() > inside.left() &&
                                     span.top() < inside.bottom() && span.bottom() > inside.top();
                QVERIFY2(!crosses, qPrintable(QStringLiteral("(%1,%2)-(%3,%4) runs over %5")
                                                  .arg(s.x1).arg(s.y1).arg(s.x2).arg(s.y2).arg(name)));
            }
        }
    }

    void arrowsLeadWhereTheChartGoes_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("label");  // the exit label beside the arrow, if any
        QTest::newRow("fetch1 to fetch2") << "ASM_fetch1" << "ASM_fetch2" << "";
        QTest::newRow("fetch2 to desk") << "ASM_fetch2" << "ASM_desk" << "";
        QTest::newRow("desk to the opcode") << "ASM_desk" << "AK" << "";
        QTest::newRow("LD exit") << "AK:00" << "ASM_ld" << "Label18";
        QTest::newRow("ST exit") << "AK:03" << "ASM_st" << "Label19";
        QTest::newRow("ADD exit") << "AK:09" << "ASM_add1" << "Label20";
        QTest::newRow("BEQ exit") << "AK:26" << "ASM_beq1" << "Label21";
        QTest::newRow("add1 to add2") << "ASM_add1" << "ASM_add2" << "";
        QTest::newRow("add2 to add3") << "ASM_add2" << "ASM_add3" << "";
        QTest::newRow("beq1 to beq2") << "ASM_beq1" << "ASM_beq2" << "";
        QTest::newRow("beq2 to Z") << "ASM_beq2" << "Z" << "";
        QTest::newRow("Z lit") << "Z:1" << "ASM_beq3" << "Label23";
        QTest::newRow("Z not lit, back") << "Z:0" << "ASM_fetch1" << "Label22";
        QTest::newRow("ld back") << "ASM_ld" << "ASM_fetch1" << "";
        QTest::newRow("st back") << "ASM_st" << "ASM_fetch1" << "";
        QTest::newRow("add3 back") << "ASM_add3" << "ASM_fetch1" << "";
        QTest::newRow("beq3 back") << "ASM_beq3" << "ASM_fetch1" << "";
    }

    void arrowsLeadWhereTheChartGoes()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, label);
        QList<const Segment*> arrow = arrowFrom(from);
        QVERIFY2(!arrow.isEmpty(), "no arrow leaves");
        if (!label.isEmpty()) {
            // Within five pixels of its arrow.
            const QRectF near = QRectF(rectOf(label)).adjusted(-75, -75, 75, 75);
            bool beside = false;
            for (const Segment* s : arrow)
                beside = beside || near.intersects(QRectF(line(*s).p1(), line(*s).p2()).normalized().adjusted(0, 0, 1, 1));
            QVERIFY2(beside, "the exit label is away from its arrow");
        }
        // Return lines lead on to where they end.
        QString reached = QLatin1String(arrow.last()->to);
        for (int hops = 0; hops < 3 && !reached.startsWith(QLatin1String("ASM_")) && !decision(reached); ++hops)
            reached = QLatin1String(arrowFrom(reached).last()->to);
        QCOMPARE(reached, to);
    }

    // Not a check: with RIRI_SHOTS naming a folder, the window in both languages.
    void shots()
    {
        const QString dir = qEnvironmentVariable("RIRI_SHOTS");
        if (dir.isEmpty())
            QSKIP("set RIRI_SHOTS to a folder to save pictures of the window");
        QDir().mkpath(dir);
        for (bool spanish : {false, true}) {
            Sim s(spanish);
            s.w->openAsmZoom();
            s.w->ASM_Zoom().setBox(QStringLiteral("ASM_add2"), colour::Green);
            s.w->ASM_Zoom().grab().save(dir + (spanish ? QStringLiteral("/asm-spanish.png") : QStringLiteral("/asm-basque.png")));
        }
    }
};

QTEST_MAIN(TestAsmZoom)
#include "tst_asm_zoom.moc"
