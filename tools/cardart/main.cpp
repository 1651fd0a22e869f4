// Renders the card SVGs and the program icon SVG to the raster files the
// program compiles in, and draws a contact sheet of the deck for review.
//
//   cardart --root <repo>                          remake all outputs
//   cardart --root <repo> --contact-sheet <png>    draw the deck on one sheet

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr QSize kCardSize(114, 150);
constexpr int kJpegQuality = 90;
const QColor kNavy(0, 0, 64);
const int kIconSizes[] = {16, 32, 48, 64, 128, 256};

void fail(const QString &message)
{
    QTextStream(stderr) << "cardart: " << message << Qt::endl;
    std::exit(1);
}

QImage renderSvg(QSvgRenderer &svg, QSize size, QImage::Format format, QColor background)
{
    QImage image(size, format);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QStringList cardSlugs(const QDir &svgDir)
{
    QStringList slugs;
    for (const QFileInfo &info : svgDir.entryInfoList({"*.svg"}, QDir::Files, QDir::Name))
        slugs << info.completeBaseName();
    if (slugs.isEmpty())
        fail("no card SVGs in " + svgDir.path());
    return slugs;
}

QString titleFromSlug(const QString &slug)
{
    QStringList words = slug.split('-');
    for (QString &w : words)
        w[0] = w[0].toUpper();
    return words.join(' ');
}

void renderCards(const QDir &root)
{
    const QDir svgDir(root.filePath("content/cards/svg"));
    const QDir outDir(root.filePath("content/cards"));
    for (const QString &slug : cardSlugs(svgDir)) {
        QSvgRenderer svg(svgDir.filePath(slug + ".svg"));
        if (!svg.isValid())
            fail("cannot parse " + slug + ".svg");
        const struct
        {
            QString suffix;
            int scale;
        } variants[] = {{"", 1}, {"@2x", 2}};
        for (const auto &v : variants) {
            const QImage image = renderSvg(svg, kCardSize * v.scale, QImage::Format_RGB32, kNavy);
            const QString out = outDir.filePath(slug + v.suffix + ".jpg");
            if (!image.save(out, "JPG", kJpegQuality))
                fail("cannot write " + out);
        }
    }
}

void renderIcons(const QDir &root)
{
    const QDir iconDir(root.filePath("content/icons"));
    QSvgRenderer svg(iconDir.filePath("zorvane.svg"));
    if (!svg.isValid())
        fail("cannot parse zorvane.svg");
    for (int size : kIconSizes) {
        // The small sizes get their own hand-simplified drawing when one exists:
        // ten spheres do not survive plain downscaling to 16 px.
        const QString small = iconDir.filePath(QString("zorvane-%1.svg").arg(size));
        QSvgRenderer smallSvg;
        QSvgRenderer &source = QFileInfo::exists(small) && smallSvg.load(small) ? smallSvg : svg;
        const QImage image = renderSvg(source, QSize(size, size),
                                       QImage::Format_ARGB32_Premultiplied, Qt::transparent);
        const QString out = iconDir.filePath(QString("zorvane-%1.png").arg(size));
        if (!image.convertToFormat(QImage::Format_ARGB32).save(out, "PNG"))
            fail("cannot write " + out);
    }
}

// The sheet shows the committed JPEGs, not fresh renders, so a reviewer sees
// exactly what the program will show: both sizes, on the program's navy.
void contactSheet(const QDir &root, const QString &outPath)
{
    const QDir svgDir(root.filePath("content/cards/svg"));
    const QDir cardDir(root.filePath("content/cards"));
    const QStringList slugs = cardSlugs(svgDir);

    const int columns = 6;
    const int rows = (int(slugs.size()) + columns - 1) / columns;
    const QSize big = kCardSize * 2;
    const int gap = 16, label = 22;
    const QSize cell(big.width() + kCardSize.width() + 3 * gap, big.height() + label + gap);

    QImage sheet(QSize(columns * cell.width() + gap, rows * cell.height() + gap),
                 QImage::Format_RGB32);
    sheet.fill(kNavy);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font("DejaVu Sans");
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);

    for (int i = 0; i < slugs.size(); ++i) {
        const QPoint origin(gap + (i % columns) * cell.width(),
                            gap + (i / columns) * cell.height());
        QImage large(cardDir.filePath(slugs[i] + "@2x.jpg"));
        QImage small(cardDir.filePath(slugs[i] + ".jpg"));
        // Qt reads "@2x" in a file name as a device pixel ratio; here we want pixels.
        large.setDevicePixelRatio(1);
        small.setDevicePixelRatio(1);
        if (large.isNull() || small.isNull())
            fail("missing JPEG for " + slugs[i] + "; render the cards first");
        p.drawImage(origin, large);
        p.drawImage(origin + QPoint(big.width() + gap, 0), small);
        p.drawText(QRect(origin + QPoint(0, big.height()), QSize(cell.width() - gap, label)),
                   Qt::AlignLeft | Qt::AlignVCenter, titleFromSlug(slugs[i]));
    }
    p.end();
    if (!sheet.save(outPath, "PNG"))
        fail("cannot write " + outPath);
}

} // namespace

int main(int argc, char **argv)
{
    // Rendering needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString root, sheet;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--root" && i + 1 < args.size())
            root = args[++i];
        else if (args[i] == "--contact-sheet" && i + 1 < args.size())
            sheet = args[++i];
        else
            fail("usage: cardart --root <repo> [--contact-sheet <out.png>]");
    }
    if (root.isEmpty())
        fail("--root is required");
    const QDir rootDir(root);

    if (!sheet.isEmpty()) {
        contactSheet(rootDir, sheet);
    } else {
        renderCards(rootDir);
        renderIcons(rootDir);
    }
    return 0;
}
