// Reads the screen of $DISPLAY through shared memory, for the scripts that drive the real program:
// they look at the screen many times, and five megabytes through the X socket each time, read
// back by an image tool, cost more than everything else they do.
//   screen_shot settled <file> <seconds> [<file>...]
//                                          the screen once two captures a little apart are the
//                                          same (every window has finished painting); exits 1
//                                          when it did not settle in time
//   screen_shot save <file>                the screen now
//   screen_shot changed <reference> <fuzz %> <WxH+X+Y> [--from <image>] [--keep <file>]
//                                          prints how many pixels of the area differ from the
//                                          reference image by more than the fuzz in a colour
//                                          channel (as ImageMagick's compare -fuzz -metric AE
//                                          counts them); the screen now, kept in a file if asked,
//                                          unless an image is given
//   screen_shot share <r,g,b>              prints the whole percentage of the screen in that colour
// Exits 2 on any other failure. Files are written in the format their suffix names.

// Qt first: Xlib defines names, such as Status, that Qt uses.
#include <QImage>
#include <QRect>
#include <QString>
#include <QSysInfo>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

// Needs the types of Xlib.h above.
#include <X11/extensions/XShm.h>

#include <zlib.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

// Long enough that a repaint already under way shows up in the second capture.
constexpr auto kApart = std::chrono::milliseconds(80);

[[noreturn]] void fail(const char *message)
{
    std::fprintf(stderr, "screen_shot: %s\n", message);
    std::exit(2);
}

// The width of the run of zero bits below the lowest set bit of the mask.
int shiftOf(unsigned long mask)
{
    int shift = 0;
    while (mask != 0 && (mask & 1UL) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

class Screen
{
public:
    Screen()
    {
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            fail("no X display");
        if (!XShmQueryExtension(m_display))
            fail("the X server has no shared-memory images");
        m_root = XDefaultRootWindow(m_display);
        XWindowAttributes attributes;
        XGetWindowAttributes(m_display, m_root, &attributes);
        m_image = XShmCreateImage(m_display, XDefaultVisual(m_display, XDefaultScreen(m_display)),
                                  static_cast<unsigned>(attributes.depth), ZPixmap, nullptr,
                                  &m_segment, static_cast<unsigned>(attributes.width),
                                  static_cast<unsigned>(attributes.height));
        if (!m_image)
            fail("no shared-memory image");
        m_size = static_cast<size_t>(m_image->bytes_per_line) * m_image->height;
        m_segment.shmid = shmget(IPC_PRIVATE, m_size, IPC_CREAT | 0600);
        if (m_segment.shmid < 0)
            fail("no shared memory");
        m_segment.shmaddr = m_image->data = static_cast<char *>(shmat(m_segment.shmid, nullptr, 0));
        // Marked for removal at once, so that nothing is left behind however the program ends.
        shmctl(m_segment.shmid, IPC_RMID, nullptr);
        m_segment.readOnly = False;
        if (!XShmAttach(m_display, &m_segment))
            fail("the X server could not attach the shared memory");
    }
    ~Screen()
    {
        XShmDetach(m_display, &m_segment);
        shmdt(m_segment.shmaddr);
        m_image->data = nullptr;
        m_image->f.destroy_image(m_image);
        XCloseDisplay(m_display);
    }
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    void capture()
    {
        if (!XShmGetImage(m_display, m_root, m_image, 0, 0, AllPlanes))
            fail("the screen could not be read");
    }
    const char *bytes() const { return m_image->data; }
    size_t size() const { return m_size; }

    // The last capture as 0xffRRGGBB pixels.
    QImage image() const
    {
        const int rs = shiftOf(m_image->red_mask);
        const int gs = shiftOf(m_image->green_mask);
        const int bs = shiftOf(m_image->blue_mask);
        QImage shot(m_image->width, m_image->height, QImage::Format_RGB32);
        const bool wordPixels = m_image->bits_per_pixel == 32;
        // The usual 24-bit screen already holds its pixels as Qt does, but for the unused byte.
        if (wordPixels && m_image->red_mask == 0xff0000 && m_image->green_mask == 0xff00 &&
            m_image->blue_mask == 0xff && m_image->byte_order == LSBFirst &&
            QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
            for (int y = 0; y < m_image->height; ++y) {
                const char *line = m_image->data + static_cast<size_t>(y) * m_image->bytes_per_line;
                auto *out = reinterpret_cast<QRgb *>(shot.scanLine(y));
                std::memcpy(out, line, static_cast<size_t>(m_image->width) * 4);
                for (int x = 0; x < m_image->width; ++x)
                    out[x] |= 0xff000000;
            }
            return shot;
        }
        for (int y = 0; y < m_image->height; ++y) {
            const char *line = m_image->data + static_cast<size_t>(y) * m_image->bytes_per_line;
            auto *out = reinterpret_cast<QRgb *>(shot.scanLine(y));
            for (int x = 0; x < m_image->width; ++x) {
                unsigned long pixel;
                if (wordPixels) {
                    std::uint32_t word;
                    std::memcpy(&word, line + static_cast<size_t>(x) * 4, 4);
                    pixel = word;
                } else {
                    pixel = XGetPixel(m_image, x, y);
                }
                out[x] = qRgb(static_cast<int>((pixel & m_image->red_mask) >> rs),
                              static_cast<int>((pixel & m_image->green_mask) >> gs),
                              static_cast<int>((pixel & m_image->blue_mask) >> bs));
            }
        }
        return shot;
    }

private:
    Display *m_display = nullptr;
    Window m_root = 0;
    XShmSegmentInfo m_segment{};
    XImage *m_image = nullptr;
    size_t m_size = 0;
};

void putBig32(std::vector<unsigned char> &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

void putChunk(std::vector<unsigned char> &out, const char *type, const unsigned char *data,
              size_t size)
{
    putBig32(out, static_cast<std::uint32_t>(size));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data, data + size);
    putBig32(out, static_cast<std::uint32_t>(
                      crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

// A PNG of unfiltered rows at the lowest compression: Qt's writer tries every row filter at a
// higher level and took five times as long for a screenshot.
bool writePng(const QImage &image, const char *path)
{
    const int width = image.width();
    const int height = image.height();
    std::vector<unsigned char> rows;
    rows.reserve(static_cast<size_t>(height) * (1 + static_cast<size_t>(width) * 3));
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);
        const auto *p = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            rows.push_back(static_cast<unsigned char>(qRed(p[x])));
            rows.push_back(static_cast<unsigned char>(qGreen(p[x])));
            rows.push_back(static_cast<unsigned char>(qBlue(p[x])));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::vector<unsigned char> packed(packedSize);
    if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), 1) !=
        Z_OK)
        return false;

    std::vector<unsigned char> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<unsigned char> header;
    putBig32(header, static_cast<std::uint32_t>(width));
    putBig32(header, static_cast<std::uint32_t>(height));
    // 8 bits a channel, RGB, deflate, adaptive filtering (every row says "none"), no interlace.
    header.insert(header.end(), {8, 2, 0, 0, 0});
    putChunk(out, "IHDR", header.data(), header.size());
    putChunk(out, "IDAT", packed.data(), packedSize);
    putChunk(out, "IEND", nullptr, 0);

    FILE *file = std::fopen(path, "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

// PNG files written quickly; other formats, such as BMP for scratch copies, by Qt.
void save(const QImage &image, const char *path)
{
    const QString name = QString::fromLocal8Bit(path);
    const bool saved = name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
                           ? writePng(image, path)
                           : image.save(name);
    if (!saved)
        fail("the file could not be written");
}

QImage load(const char *path)
{
    QImage image(QString::fromLocal8Bit(path));
    if (image.isNull())
        fail("an image could not be read");
    return image.convertToFormat(QImage::Format_RGB32);
}

int settled(const std::vector<const char *> &paths, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(static_cast<long>(seconds * 1000));
    Screen screen;
    std::vector<char> previous;
    for (;;) {
        screen.capture();
        if (!previous.empty() && std::memcmp(previous.data(), screen.bytes(), screen.size()) == 0) {
            const QImage image = screen.image();
            for (const char *path : paths)
                save(image, path);
            return 0;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return 1;
        previous.assign(screen.bytes(), screen.bytes() + screen.size());
        std::this_thread::sleep_for(kApart);
    }
}

QImage now()
{
    Screen screen;
    screen.capture();
    return screen.image();
}

// A channel differs when its distance reaches the fuzz, a share of the full 16-bit range that
// 8-bit values are scaled to; with no fuzz, any difference counts.
long changed(const QImage &reference, const QImage &image, double fuzzPercent, QRect area)
{
    area &= reference.rect() & image.rect();
    const double fuzz = fuzzPercent > 0 ? fuzzPercent / 100 * 65535 : 0.5;
    const auto differs = [fuzz](int a, int b) { return std::abs(a - b) * 257.0 >= fuzz; };
    long count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *r = reinterpret_cast<const QRgb *>(reference.constScanLine(y));
        const auto *p = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (differs(qRed(r[x]), qRed(p[x])) || differs(qGreen(r[x]), qGreen(p[x])) ||
                differs(qBlue(r[x]), qBlue(p[x])))
                ++count;
        }
    }
    return count;
}

QRect geometry(const char *text)
{
    int w, h, x, y;
    if (std::sscanf(text, "%dx%d+%d+%d", &w, &h, &x, &y) != 4)
        fail("the area is not WxH+X+Y");
    return QRect(x, y, w, h);
}

int share(QRgb colour)
{
    const QImage image = now();
    long count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += (p[x] & RGB_MASK) == (colour & RGB_MASK);
    }
    const long total = static_cast<long>(image.width()) * image.height();
    return static_cast<int>(count * 100 / total);
}

} // namespace

int main(int argc, char **argv)
{
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (command == QLatin1String("settled") && argc >= 4) {
        std::vector<const char *> paths{argv[2]};
        paths.insert(paths.end(), argv + 4, argv + argc);
        return settled(paths, std::atof(argv[3]));
    }
    if (command == QLatin1String("save") && argc == 3) {
        save(now(), argv[2]);
        return 0;
    }
    if (command == QLatin1String("changed") && argc >= 5 && argc % 2 == 1) {
        const char *from = nullptr;
        const char *keep = nullptr;
        for (int i = 5; i + 1 < argc; i += 2) {
            const QString option = QString::fromLocal8Bit(argv[i]);
            if (option == QLatin1String("--from"))
                from = argv[i + 1];
            else if (option == QLatin1String("--keep"))
                keep = argv[i + 1];
            else
                fail("unknown option");
        }
        const QImage image = from ? load(from) : now();
        if (keep)
            save(image, keep);
        std::printf("%ld\n", changed(load(argv[2]), image, std::atof(argv[3]), geometry(argv[4])));
        return 0;
    }
    int r, g, b;
    if (command == QLatin1String("share") && argc == 3 &&
        std::sscanf(argv[2], "%d,%d,%d", &r, &g, &b) == 3) {
        std::printf("%d\n", share(qRgb(r, g, b)));
        return 0;
    }
    fail("usage: screen_shot settled <file> <seconds> [<file>...] | save <file> | changed "
         "<reference> <fuzz %> <WxH+X+Y> [--from <image>] [--keep <file>] | share <r,g,b>");
}
