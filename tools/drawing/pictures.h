// Every bitmap the simulator shows is drawn here with QPainter, so the
// program needs no binary artwork in the repository.  Run-time bitmaps are
// written to disk by the ririv4-pictures tool; the other pictures are drawn
// on demand by the program itself.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPolygonF>
#include <QSize>
#include <QString>
#include <QStringList>

class QPainter;

namespace drawing {

enum class Side { Left, Right, Top, Bottom };
enum class ArrowColour { White, Red, Info };

// Pure magenta: the program masks this colour out when it loads a bitmap,
// so it appears only as background and never inside a drawing.
QColor keyColour();

// An RGB32 image of the given size filled with `background`.
QImage canvas(QSize size, QColor background = keyColour());

// Lays a drawing made on a transparent image onto the key colour.  Pixels
// at least half covered become opaque in their own colour, the rest key;
// blending soft edges with magenta would leave a pink fringe once masked.
QImage onKey(const QImage& transparentDrawing);

// The picture as shown on screen: key-colour pixels transparent.
QPixmap masked(const QImage& image);

// A drawing made pointing towards `drawnTowards`, turned by whole quarter turns
// to point towards `pointsTo`, so every direction is pixel-for-pixel the same shape.
QImage turned(const QImage& image, Side drawnTowards, Side pointsTo);

// Moves every edge of a simple polygon `d` pixels inwards.
QPolygonF inset(const QPolygonF& polygon, qreal d);
// Fills `shape` with `fill` inside an outline `width` thick that stays within
// the shape, so a shape touching the picture's edge keeps its whole outline.
void drawOutlined(QPainter& painter, const QPolygonF& shape, QColor line, QColor fill, qreal width);

// Datapath components.
QImage alu(bool lit);                         // 224 x 80, inputs B (x=34) and A (x=196)
QImage adder(bool lit);                       // 64 x 48
QImage multiplexer(QSize size, Side outputSide);
QImage infoIcon();                            // 32 x 32
QImage logo();                                // 76 x 59

// Arrowhead filling its picture: 17 x 25 pointing left/right,
// 25 x 17 pointing up/down; the tip touches the edge it points to.
QImage arrow(Side pointsTo, ArrowColour colour);
QColor arrowFill(ArrowColour colour);
// Black arrow for a step button, 16 x 16, on the key colour.
QImage stepArrow(Side pointsTo);

// Clock face, 64 x 64, hand at position 1..12; 12 also marks the clock edge.
QImage clockFrame(int position);

// 659 x 181 start-up banners and the control unit's ASM chart.
QImage spanishBanner();
QImage basqueBanner();
QImage asmChart(QSize size);

// Round language flags, 30 x 27.
QImage basqueFlag();
QImage spanishFlag();

// Relative paths (forward slashes) of the bitmaps the program loads at run time.
QStringList runtimeFiles();
// The picture stored under one of runtimeFiles(); a null image for other names.
QImage runtimePicture(const QString& relativePath);
// Writes every runtime file below `outdir` as 24-bit BMP, creating folders.
bool writeRuntimePictures(const QString& outdir);
// Writes enlarged PNG previews of every picture into `outdir`/preview.
bool writePreviews(const QString& outdir);

} // namespace drawing
