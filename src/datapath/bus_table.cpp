#include "bus_table.h"

#include <QtGlobal>

QString arrowWord(ArrowDir d)
{
    switch (d) {
    case ArrowDir::Gora:
        return QStringLiteral("gora");
    case ArrowDir::Behera:
        return QStringLiteral("behera");
    case ArrowDir::Eskuin:
        return QStringLiteral("eskuin");
    case ArrowDir::Ezker:
        return QStringLiteral("ezker");
    }
    return {};
}

QString arrowPicture(ArrowDir d, const char* version)
{
    return QStringLiteral("pictures\\gezi_%1_%2.bmp").arg(arrowWord(d), QLatin1String(version));
}

namespace {
using D = ArrowDir;
constexpr QSize kHoriz(255, 375);  // arrow pointing left or right
constexpr QSize kVert(375, 255);   // arrow pointing up or down

QRect at(int left, int top, QSize s) { return QRect(QPoint(left, top), s); }

const QVector<BusLayout> kBuses{
    {"Bus_MN_mux", 136, {{0, {14400, 2040}}, {17, {14400, 0}}, {126, {1320, 0}}, {129, {1320, 360}}, {135, {2040, 360}}}, at(2160, 240, kHoriz), D::Eskuin},
    {"Bus_MN_IR1", 2, {{0, {8280, 120}}, {1, {8280, 240}}}, at(8160, 360, kVert), D::Behera},
    {"Bus_MN_IR2", 2, {{0, {11520, 120}}, {1, {11520, 240}}}, at(11400, 360, kVert), D::Behera},
    {"Bus_IR2_muxh4", 12, {{0, {10800, 2040}}, {5, {10800, 2640}}, {11, {10080, 2640}}}, at(9840, 2520, kHoriz), D::Ezker},
    {"Bus_IR2_mux", 2, {{0, {10920, 2640}}, {1, {11040, 2640}}}, at(11160, 2520, kHoriz), D::Eskuin},
    {"Bus_Batu_PC", 13, {{0, {8280, 4560}}, {7, {8280, 5400}}, {12, {8880, 5400}}}, at(9000, 5280, kHoriz), D::Eskuin},
    {"Bus_PC_mux", 38, {{0, {11280, 5880}}, {3, {11640, 5880}}, {21, {11640, 3720}}, {29, {10680, 3720}}, {34, {10680, 3120}}, {37, {11040, 3120}}}, at(11160, 3000, kHoriz), D::Eskuin},
    {"Bus_PC_Rlag", 23, {{0, {11640, 6000}}, {5, {11640, 6600}}, {18, {10080, 6600}}, {22, {10080, 7080}}}, at(9960, 7200, kVert), D::Behera},
    {"Bus_PC_muxh3", 24, {{0, {9960, 6600}}, {21, {7440, 6600}}, {23, {7440, 6360}}}, at(7350, 6120, kVert), D::Gora},
    {"Bus_Rlag_mux", 53, {{0, {10140, 8760}}, {3, {10140, 9120}}, {29, {7020, 9120}}, {52, {7020, 6360}}}, at(6930, 6120, kVert), D::Gora},
    {"Bus_EM_MN", 154, {{0, {5280, 2400}}, {4, {5280, 2880}}, {10, {6000, 2880}}, {55, {6000, 8280}}, {60, {6600, 8280}}, {70, {6600, 9480}}, {118, {12360, 9480}}, {137, {12360, 7200}}, {151, {14040, 7200}}, {153, {14040, 6960}}}, at(13920, 6720, kVert), D::Gora},
    {"Bus_EM_RB", 7, {{0, {5160, 2880}}, {5, {4560, 2880}}, {6, {4560, 3000}}}, at(4440, 3120, kVert), D::Behera},
    {"Bus_EM_RA", 30, {{0, {4890, 2400}}, {2, {4890, 2640}}, {26, {2010, 2640}}, {29, {2010, 3000}}}, at(1890, 3120, kVert), D::Behera},
    {"Bus_RA_UAL", 6, {{0, {2010, 4680}}, {1, {2010, 4800}}, {4, {1650, 4800}}, {5, {1650, 4920}}}, at(1530, 5040, kVert), D::Behera},
    {"Bus_RB_UAL", 6, {{0, {4440, 4680}}, {1, {4440, 4800}}, {4, {4080, 4800}}, {5, {4080, 4920}}}, at(3960, 5040, kVert), D::Behera},
    {"Bus_RZ_mux", 79, {{0, {600, 7800}}, {4, {120, 7800}}, {62, {120, 840}}, {78, {2040, 840}}}, at(2160, 720, kHoriz), D::Eskuin},
    {"Bus_muxh4_Batu", 37, {{0, {9240, 2850}}, {2, {9000, 2850}}, {6, {9000, 2370}}, {28, {6360, 2370}}, {35, {6360, 3210}}, {36, {6480, 3210}}}, at(6600, 3120, kHoriz), D::Eskuin},
    {"Bus_muxh3_Batu", 22, {{0, {7290, 5490}}, {4, {7290, 5010}}, {12, {6330, 5010}}, {20, {6330, 4050}}, {21, {6450, 4050}}}, at(6600, 3960, kHoriz), D::Eskuin},
    {"Bus_Bat_mux", 6, {{0, {10200, 3600}}, {4, {10200, 3120}}, {5, {10080, 3120}}}, at(9840, 3000, kHoriz), D::Ezker},
    {"Bus_Rd_EM", 8, {{0, {2850, 1260}}, {7, {3690, 1260}}}, at(3810, 1140, kHoriz), D::Eskuin},
    {"Bus_Ri_EM", 8, {{0, {2850, 1590}}, {7, {3690, 1590}}}, at(3810, 1470, kHoriz), D::Eskuin},
    {"Bus_Rj_EM", 8, {{0, {2850, 1920}}, {7, {3690, 1920}}}, at(3810, 1800, kHoriz), D::Eskuin},
    {"Bus_UAL_RZ", 10, {{0, {4080, 6990}}, {1, {4080, 7140}}, {5, {4080, 7620}}, {6, {4080, 7770}}, {9, {3630, 7770}}}, at(3390, 7650, kHoriz), D::Ezker},
    {"Bus_mux_MN", 7, {{0, {11880, 2940}}, {6, {12600, 2940}}}, at(12720, 2820, kHoriz), D::Eskuin},
    {"Bus_mux_EM", 8, {{0, {2880, 660}}, {7, {3720, 660}}}, at(3840, 570, kHoriz), D::Eskuin},
};
}  // namespace

const QVector<BusLayout>& busLayouts() { return kBuses; }

const BusLayout& busLayout(const QString& name)
{
    for (const BusLayout& b : kBuses)
        if (name == QLatin1String(b.name))
            return b;
    qFatal("No bus named %s", qPrintable(name));
}

QVector<QPoint> piecePositions(const BusLayout& bus)
{
    QVector<QPoint> out(bus.pieces);
    for (int w = 0; w + 1 < bus.waypoints.size(); ++w) {
        const Waypoint& a = bus.waypoints[w];
        const Waypoint& b = bus.waypoints[w + 1];
        const int steps = b.piece - a.piece;
        for (int i = 0; i <= steps; ++i) {
            // Integer division keeps the listed waypoints exact at both ends of a run.
            out[a.piece + i] = QPoint(a.at.x() + (b.at.x() - a.at.x()) * i / steps,
                                      a.at.y() + (b.at.y() - a.at.y()) * i / steps);
        }
    }
    if (bus.waypoints.size() == 1)
        out[0] = bus.waypoints[0].at;
    return out;
}
