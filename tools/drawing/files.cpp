#include "drawing/pictures.h"

#include <QBitmap>
#include <QDir>
#include <QFileInfo>

#include <array>
#include <utility>
#include <vector>

namespace drawing {

QColor keyColour() { return QColor(255, 0, 255); }

QImage canvas(QSize size, QColor background)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

QPixmap masked(const QImage& image)
{
    QPixmap p = QPixmap::fromImage(image);
    p.setMask(p.createMaskFromColor(keyColour(), Qt::MaskInColor));
    return p;
}

QImage onKey(const QImage& transparentDrawing)
{
    const QImage src = transparentDrawing.convertToFormat(QImage::Format_ARGB32);
    QImage out = canvas(src.size());
    const QRgb key = keyColour().rgb();
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            if (qAlpha(in[x]) < 128)
                continue;
            QRgb c = qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x]));
            // A blend that happened to land exactly on the key would become a hole.
            if (c == key)
                c = qRgb(254, 0, 254);
            line[x] = c;
        }
    }
    return out;
}

namespace {

struct ArrowName {
    Side side;
    const char* name;
};
constexpr std::array<ArrowName, 4> arrowSides{{
    {Side::Top, "gora"}, {Side::Bottom, "behera"}, {Side::Right, "eskuin"}, {Side::Left, "ezker"}}};
constexpr std::array<std::pair<ArrowColour, const char*>, 3> arrowColours{{
    {ArrowColour::White, "txuria"}, {ArrowColour::Red, "gorria"}, {ArrowColour::Info, "info"}}};

// Preview images are enlarged so single pixels can be judged by eye.
QImage enlarged(const QImage& image)
{
    const int factor = image.width() * image.height() <= 80 * 80 ? 4 : image.width() <= 300 ? 2 : 1;
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

QStringList runtimeFiles()
{
    QStringList files{"pictures/UAL.bmp", "pictures/UAL_gorria.bmp", "pictures/batukari_morea.bmp",
                      "pictures/batukari_gorria.bmp", "pictures/sistema_inicializando.bmp"};
    for (const auto& side : arrowSides)
        for (const auto& colour : arrowColours)
            files << QStringLiteral("pictures/gezi_%1_%2.bmp").arg(side.name, colour.second);
    for (int k = 1; k <= 12; ++k)
        files << QStringLiteral("clocks/t%1.bmp").arg(k);
    return files;
}

QImage runtimePicture(const QString& relativePath)
{
    const QString name = QFileInfo(relativePath).completeBaseName();
    if (relativePath.startsWith(QLatin1String("clocks/t"))) {
        bool ok = false;
        const int k = name.mid(1).toInt(&ok);
        return ok && k >= 1 && k <= 12 && relativePath == QStringLiteral("clocks/t%1.bmp").arg(k)
                   ? clockFrame(k) : QImage();
    }
    if (!relativePath.startsWith(QLatin1String("pictures/")) || !relativePath.endsWith(QLatin1String(".bmp")))
        return {};
    if (name == QLatin1String("UAL")) return alu(false);
    if (name == QLatin1String("UAL_gorria")) return alu(true);
    if (name == QLatin1String("batukari_morea")) return adder(false);
    if (name == QLatin1String("batukari_gorria")) return adder(true);
    if (name == QLatin1String("sistema_inicializando")) return spanishBanner();
    for (const auto& side : arrowSides)
        for (const auto& colour : arrowColours)
            if (name == QStringLiteral("gezi_%1_%2").arg(side.name, colour.second))
                return arrow(side.side, colour.first);
    return {};
}

bool writeRuntimePictures(const QString& outdir)
{
    const QDir root(outdir);
    if (!root.mkpath(QStringLiteral("pictures")) || !root.mkpath(QStringLiteral("clocks")))
        return false;
    for (const QString& file : runtimeFiles()) {
        const QImage image = runtimePicture(file).convertToFormat(QImage::Format_RGB32);
        if (image.isNull() || !image.save(root.filePath(file), "BMP"))
            return false;
    }
    return true;
}

bool writePreviews(const QString& outdir)
{
    QDir dir(outdir);
    if (!dir.mkpath(QStringLiteral("preview")) || !dir.cd(QStringLiteral("preview")))
        return false;
    std::vector<std::pair<QString, QImage>> pictures;
    for (const QString& file : runtimeFiles())
        pictures.emplace_back(QFileInfo(file).completeBaseName(), runtimePicture(file));
    pictures.emplace_back("banner_basque", basqueBanner());
    pictures.emplace_back("info_icon", infoIcon());
    pictures.emplace_back("logo", logo());
    pictures.emplace_back("flag_basque", basqueFlag());
    pictures.emplace_back("flag_spanish", spanishFlag());
    pictures.emplace_back("mux_right_31x60", multiplexer({31, 60}, Side::Right));
    pictures.emplace_back("mux_left_31x60", multiplexer({31, 60}, Side::Left));
    pictures.emplace_back("mux_bottom_60x31", multiplexer({60, 31}, Side::Bottom));
    pictures.emplace_back("mux_top_60x31", multiplexer({60, 31}, Side::Top));
    pictures.emplace_back("asm_chart_260x200", asmChart({260, 200}));
    pictures.emplace_back("asm_chart_520x400", asmChart({520, 400}));
    bool ok = true;
    for (const auto& [name, image] : pictures)
        ok = enlarged(image).save(dir.filePath(name + ".png"), "PNG") && ok;
    return ok;
}

} // namespace drawing
