// The ASM zoom window on its own: its texts in both languages, the green mark,
// and the chart's arrows joining the boxes they are meant to join.
#include "../control/driving.h"
#include "asm_zoom_look.h"
#include "looking.h"

#include "windows/asm_chart.h"

#include <QLabel>
#include <QLineF>
#include <QtTest>

namespace {
using namespace asm_chart;

// The chart's boxes, decisions and labels by name, in twips within the frame.
const QList<QPair<QString, QRect>>& areas()
{
    static const QList<QPair<QString, QRect>> all = [] {
        QList<QPair<QString, QRect>> list;
        for (const StateBox& b : kStateBoxes)
            list << qMakePair(QString::fromLatin1(b.name), QRect(b.left, b.top, b.width, b.height));
        for (const Decision& d : kDecisions)
            list << qMakePair(QString::fromLatin1(d.name), QRect(d.left, d.top, d.width, d.height));
        for (const Label& l : kLabels)
            list << qMakePair(QString::fromLatin1(l.name), QRect(l.left, l.top, l.width, l.height));
        return list;
    }();
    return all;
}

QRect rectOf(const QString& name)
{
    for (const auto& [n, r] : areas())
        if (n == name)
            return r;
    return {};
}

bool isDecision(const QString& name)
{
    return std::any_of(std::begin(kDecisions), std::end(kDecisions),
                       [&](const Decision& d) { return name == QLatin1String(d.name); });
}

QLineF line(const Segment& s) { return QLineF(s.x1, s.y1, s.x2, s.y2); }

// Straight and within the two ends, to a twip.
bool onSegment(const QPointF& p, const QLineF& l)
{
    return std::abs(QLineF(l.p1(), p).length() + QLineF(p, l.p2()).length() - l.length()) < 0.5;
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

bool touches(const QPointF& p, const QString& what)
{
    if (what.startsWith(QLatin1String("ASM_"))) {
        const QRect r = rectOf(what);
        const int right = r.left() + r.width(), bottom = r.top() + r.height();
        return onOutline(p, QPolygon({{r.left(), r.top()}, {right, r.top()}, {right, bottom}, {r.left(), bottom}}));
    }
    const QString decision = what.section(QLatin1Char(':'), 0, 0);
    if (isDecision(decision))
        return onOutline(p, decisionOutline(rectOf(decision)));
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

    void textsInBothLanguages_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("basque");
        QTest::addColumn<QString>("spanish");
        QTest::newRow("window") << "window" << "ASM_Zoom" << "ASM_Zoom";
        QTest::newRow("frame") << "Frame1" << " ASM  KONTROL - ALGORITMOA " << " ALGORITMO DE CONTROL  ASM ";
        // Design texts end every line with a line break, the Spanish ones only separate them.
        QTest::newRow("fetch1") << "ASM_fetch1"
                                << "IRAK_MEM (cs, oe)\r\nKARGA_IR1 (ld_ir1)\r\nINKR_PC (ld_pc)\r\n"
                                   "KARGA_RLAG (ld_rlag)\r\n"
                                << "LEE_MEM (cs, oe)\r\nCARGA_IR1 (ld_ir1)\r\nINCR_PC (ld_pc)\r\nCARGA_RAUX (ld_Raux)";
        QTest::newRow("desk stays empty") << "ASM_desk" << "" << "";
        QTest::newRow("ld") << "ASM_ld" << "IRAK_MEM\r\n(hIR2, cs, oe)\r\nKARGA_EM\r\n(hmem, ld_EM)\r\n"
                            << "LEE_MEM\r\n(hIR2, cs, oe)\r\nCARGA_CR\r\n(hmem, ld_CR)";
        QTest::newRow("add3") << "ASM_add3" << "KARGA_EM (ld_EM)\r\n" << "CARGA_CR (ld_CR)";
        QTest::newRow("beq3, a blank ends its second line")
            << "ASM_beq3" << "KARGA_PC\r\n(ld_pc, hRlag, \r\nhdesp)\r\n" << "CARGA_PC\r\n(ld_pc, hRaux, hdesp)";
        QTest::newRow("opcode decision") << "AK" << "EK" << "CO";
        QTest::newRow("zero decision") << "Z" << "Z" << "Z";
        QTest::newRow("desk name") << "Label9" << "desk" << "desc";
        QTest::newRow("fetch1 name") << "Label7" << "fetch1" << "fetch1";
        QTest::newRow("fetch1 adder note") << "Label2" << "/* hRlag=0, hdesp=0 */" << "/* hRaux=0, hdesp=0 */";
        QTest::newRow("fetch2 adder note") << "Label4" << "/* hRlag=0, hdesp=0 */" << "/* hRaux=0, hdesp=0 */";
    }

    void textsInBothLanguages()
    {
        QFETCH(QString, control);
        QFETCH(QString, basque);
        QFETCH(QString, spanish);
        for (bool inSpanish : {false, true}) {
            Sim s(inSpanish);
            s.el("ASM_G").click();
            AsmZoom& z = s.w->ASM_Zoom();
            QString shown;
            if (control == QLatin1String("window"))
                shown = z.windowTitle();
            else if (auto* frame = z.findChild<ChartFrame*>(control))
                shown = frame->caption();
            else if (auto* box = z.findChild<ChartBox*>(control))
                shown = box->text();
            else
                shown = z.findChild<QLabel*>(control)->text();
            QCOMPARE(shown, inSpanish ? spanish : basque);
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
                QVERIFY2(width <= label->width(), qPrintable(label->objectName() + ": " + label->text()));
            }
        }
    }

    void eguneratuMarksTheState_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("state");
        QTest::addColumn<QStringList>("after");  // in state order
        const QStringList two{"ASM_desk", "ASM_beq3"};
        QTest::newRow("0 clears every box") << two << 0 << QStringList{};
        QTest::newRow("1 lights fetch1 only") << two << 1 << QStringList{"ASM_fetch1", "ASM_desk", "ASM_beq3"};
        QTest::newRow("5 lights st") << QStringList{} << 5 << QStringList{"ASM_st"};
        QTest::newRow("11 lights beq3, already green") << two << 11 << two;
        QTest::newRow("-1 changes nothing") << two << -1 << two;
        QTest::newRow("12 changes nothing") << two << 12 << two;
    }

    void eguneratuMarksTheState()
    {
        QFETCH(QStringList, before);
        QFETCH(int, state);
        Sim s;
        AsmZoom& z = s.w->ASM_Zoom();
        for (const QString& box : before)
            z.setBox(box, colour::Green);
        z.ASM_eguneratu(int16_t(state));
        QTEST(greenBoxes(z), "after");
    }

    // What the state actions write is what the window shows.
    void theBoxesShowTheirColour()
    {
        Sim s;
        s.w->openAsmZoom();
        AsmZoom& z = s.w->ASM_Zoom();
        z.setBox(QStringLiteral("ASM_add2"), colour::Green);
        auto colourIn = [&](const char* name) {
            const QWidget* box = z.findChild<ChartBox*>(QLatin1String(name));
            return colourSeen(*box, QPoint(box->width() - 6, box->height() - 6));
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
                const bool met = std::any_of(std::begin(kSegments), std::end(kSegments), [&](const Segment& other) {
                    return QLatin1String(other.to) == from && line(other).p2() == line(s).p1();
                });
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
        for (const Segment& s : kSegments) {
            const QRectF span = QRectF(line(s).p1(), line(s).p2()).normalized();
            for (const auto& [name, area] : areas()) {
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
        QFETCH(QString, label);
        const QList<const Segment*> arrow = arrowFrom(from);
        QVERIFY2(!arrow.isEmpty(), "no arrow leaves");
        if (!label.isEmpty()) {
            // Within five pixels of its arrow.
            const QRectF near = QRectF(rectOf(label)).adjusted(-75, -75, 75, 75);
            const bool beside = std::any_of(arrow.begin(), arrow.end(), [&](const Segment* s) {
                return near.intersects(QRectF(line(*s).p1(), line(*s).p2()).normalized().adjusted(0, 0, 1, 1));
            });
            QVERIFY2(beside, "the exit label is away from its arrow");
        }
        // Return lines lead on to where they end.
        QString reached = QLatin1String(arrow.last()->to);
        for (int hops = 0; hops < 3 && !reached.startsWith(QLatin1String("ASM_")) && !isDecision(reached); ++hops)
            reached = QLatin1String(arrowFrom(reached).last()->to);
        QTEST(reached, "to");
    }

    // Not a check: with RIRI_SHOTS naming a folder, the window in both languages.
    void shots()
    {
        if (pictureFolder().isEmpty())
            QSKIP("set RIRI_SHOTS to a folder to save pictures of the window");
        for (bool spanish : {false, true}) {
            Sim s(spanish);
            s.w->openAsmZoom();
            s.w->ASM_Zoom().setBox(QStringLiteral("ASM_add2"), colour::Green);
            savePicture(s.w->ASM_Zoom(), spanish ? QStringLiteral("asm-spanish") : QStringLiteral("asm-basque"));
        }
    }
};

QTEST_MAIN(TestAsmZoom)
#include "tst_asm_zoom.moc"
