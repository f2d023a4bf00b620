#pragma once
// The buses of the diagram as data: each piece array with its piece count, the
// pieces where it starts, turns or changes step, and its arrow; and the bus groups
// that one reset and one set-value operation handle together.
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

enum class ArrowDir { Gora, Behera, Eskuin, Ezker };  // up, down, right, left

// "eskuin", "ezker", "gora", "behera": the word in the arrow bitmaps' file names.
QString arrowWord(ArrowDir d);
// "pictures\gezi_<dir>_<version>.bmp" with version txuria, gorria or info.
QString arrowPicture(ArrowDir d, const char* version);

struct Waypoint {
    int piece;
    QPoint at;  // Left, Top in twips
};

struct BusLayout {
    const char* name;           // piece array, e.g. "Bus_PC_Rlag"; its arrow is name + "_Gezia"
    int pieces;
    QVector<Waypoint> waypoints;  // first piece, every turn or change of step, last piece
    QRect arrow;                // Left, Top, width, height in twips
    ArrowDir dir;
};

constexpr int kPieceSize = 135;  // every piece is a 135 x 135 twip square

const QVector<BusLayout>& busLayouts();
const BusLayout& busLayout(const QString& name);
// Piece positions: the listed waypoints exactly, the pieces between them evenly spaced.
QVector<QPoint> piecePositions(const BusLayout& bus);
