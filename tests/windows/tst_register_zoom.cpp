// The register-set zoom: the marks and colours of every combination of the two
// read registers and the destination, in both languages; its design look; its
// opening, closing and reloading; and a whole run watched through it.
#include "../control/driving.h"

#include "model/funtzioak.h"
#include "windows/register_zoom.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QtTest>

using namespace driving;

namespace {

QString field(int n) { return QString::fromStdString(Hamartarretik_Bitarrera(n)).right(5); }

// Puts register numbers on the three register-address buses, as the field cutters do.
void addresses(Sim& s, int i, int j, int d)
{
    s.dp().Ri_Bus_TTT_aldatu(field(i));
    s.dp().Rj_Bus_TTT_aldatu(field(j));
    s.dp().Rd_Bus_TTT_aldatu(field(d));
}

QString lookName(const RegisterCell& c)
{
    if (c.back() == colour::Window && c.fore() == colour::ButtonText)
        return QStringLiteral("plain");
    if (c.back() == colour::Red && c.fore() == colour::Window)
        return QStringLiteral("red");
    if (c.back() == colour::Green && c.fore() == colour::ButtonText)
        return QStringLiteral("green");
    return QStringLiteral("?");
}

// A shown mark's text, with "?" when its colours are not those its text calls for.
QString markText(const RegisterZoom& z, const RegisterCell& c)
{
    if (!c.isVisibleTo(const_cast<RegisterZoom*>(&z)))
        return QStringLiteral("-");
    const bool port = c.text() == QLatin1String("QA") || c.text() == QLatin1String("QB");
    return c.text() + (lookName(c) == QLatin1String(port ? "red" : "green") ? QString() : QStringLiteral("?"));
}

// Every row that is not plain or shows a mark: "R4 green QA Rh -" (name and
// contents look, then the three mark columns).
QStringList marked(const RegisterZoom& z)
{
    QStringList rows;
    for (int k = 0; k < RegisterZoom::kRegisters; ++k) {
        const QString look = lookName(z.EM_Zoom_Helb(k));
        const QString marks = markText(z, z.EM_Zoom_Qi(k)) + QLatin1Char(' ') + markText(z, z.EM_Zoom_Qj(k)) +
                              QLatin1Char(' ') + markText(z, z.EM_Zoom_LD(k));
        if (lookName(z.EM_Zoom_Dat(k)) != look)
            rows << QStringLiteral("R%1 name and contents differ").arg(k);
        else if (look != QLatin1String("plain") || marks != QLatin1String("- - -"))
            rows << QStringLiteral("R%1 %2 %3").arg(k).arg(look, marks);
    }
    return rows;
}

// The destination mark "m" in the expected rows, in the language of the run.
QStringList inLanguage(QStringList rows, bool spanish)
{
    for (QString& r : rows)
        r.replace(QRegularExpression(QStringLiteral("\\bm\\b")), spanish ? QStringLiteral("Rd") : QStringLiteral("Rh"));
    return rows;
}

bool zoomContentsMatchTheRegisters(const RegisterZoom& z)
{
    for (int k = 0; k < RegisterZoom::kRegisters; ++k)
        if (z.EM_Zoom_Dat(k).text() != QString::fromStdString(EM().Erreg_M_Dat_Egitura_Irakurri(int16_t(k))))
            return false;
    return true;
}

// The register-set zoom that exists now, without creating one.
RegisterZoom* existingZoom()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* z = qobject_cast<RegisterZoom*>(w))
            return z;
    return nullptr;
}

void unloadNow() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

bool resultShown(Sim& s) { return s.w->existingResult() && s.w->existingResult()->isVisible(); }

const char* const kOpeners[] = {"EM_G",     "EM_etik_G", "EM_HELBa_G", "EM_HELBb_G", "EM_HELBc_G",
                                "EM_Qi_G",  "EM_Qj_G",   "EM_DATin_G", "EM_LD_G",    "EM_CLK_G"};

}  // namespace

class TestRegisterZoom : public QObject {
    Q_OBJECT
private slots:
    // Not a check: the window as a user sees it, as PNGs (RIRI_LOOK=<folder>).
    void renderForTheEye()
    {
        const QString dir = qEnvironmentVariable("RIRI_LOOK");
        if (dir.isEmpty())
            QSKIP("set RIRI_LOOK to a folder to render the window");
        for (bool spanish : {false, true}) {
            Sim s(spanish);
            for (int r = 0; r < 32; ++r)
                EM().Erreg_M_Dat_Egitura_Aldatu(Hamartarretik_Bitarrera(r * 1031), int16_t(r));
            const struct {
                const char* name;
                int i, j, d;
            } cases[] = {{"zeros", 0, 0, 0}, {"add_r4_r4_r1", 4, 1, 4}, {"three", 2, 3, 5}, {"same_read", 7, 7, 9}};
            for (const auto& c : cases) {
                addresses(s, c.i, c.j, c.d);
                s.el("EM_G").click();
                s.w->EM_Zoom().grab().save(
                    QStringLiteral("%1/register_zoom_%2_%3.png").arg(dir, QLatin1String(spanish ? "es" : "eu"), QLatin1String(c.name)));
            }
        }
    }
};

QTEST_MAIN(TestRegisterZoom)
#include "tst_register_zoom.moc"
