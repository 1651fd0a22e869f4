// Writes the screen of $DISPLAY to an image file once two captures a little apart are the same,
// that is once every window has finished painting. Captures go through shared memory: the
// end-to-end run takes many, and five megabytes through the X socket each time cost the most.
//   settled_shot <file.png> <seconds>
// Exits 1 when the screen did not settle within the given seconds, 2 on any other failure.

// Qt first: Xlib defines names, such as Status, that Qt uses.
#include <QImage>
#include <QString>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

// Needs the types of Xlib.h above.
#include <X11/extensions/XShm.h>

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

int fail(const char *message)
{
    std::fprintf(stderr, "settled_shot: %s\n", message);
    return 2;
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

// Written by Qt, in the format the file's suffix names; PNG with light compression, which is
// quick to write and a quarter of the size of none.
bool save(const char *path, XImage *image)
{
    const int rs = shiftOf(image->red_mask);
    const int gs = shiftOf(image->green_mask);
    const int bs = shiftOf(image->blue_mask);
    QImage shot(image->width, image->height, QImage::Format_RGB888);
    const bool wordPixels = image->bits_per_pixel == 32;
    for (int y = 0; y < image->height; ++y) {
        const char *line = image->data + static_cast<size_t>(y) * image->bytes_per_line;
        uchar *out = shot.scanLine(y);
        for (int x = 0; x < image->width; ++x) {
            unsigned long pixel;
            if (wordPixels) {
                std::uint32_t word;
                std::memcpy(&word, line + static_cast<size_t>(x) * 4, 4);
                pixel = word;
            } else {
                pixel = XGetPixel(image, x, y);
            }
            *out++ = static_cast<uchar>((pixel & image->red_mask) >> rs);
            *out++ = static_cast<uchar>((pixel & image->green_mask) >> gs);
            *out++ = static_cast<uchar>((pixel & image->blue_mask) >> bs);
        }
    }
    return shot.save(QString::fromLocal8Bit(path), nullptr, 80);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return fail("usage: settled_shot <file.png> <seconds>");
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(static_cast<long>(std::atof(argv[2]) * 1000));

    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return fail("no X display");
    if (!XShmQueryExtension(display))
        return fail("the X server has no shared-memory images");
    const int screen = XDefaultScreen(display);
    const Window root = XDefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);

    XShmSegmentInfo segment{};
    XImage *image = XShmCreateImage(display, XDefaultVisual(display, screen),
                                    static_cast<unsigned>(attributes.depth), ZPixmap, nullptr,
                                    &segment, static_cast<unsigned>(attributes.width),
                                    static_cast<unsigned>(attributes.height));
    if (!image)
        return fail("no shared-memory image");
    const size_t size = static_cast<size_t>(image->bytes_per_line) * image->height;
    segment.shmid = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
    if (segment.shmid < 0)
        return fail("no shared memory");
    segment.shmaddr = image->data = static_cast<char *>(shmat(segment.shmid, nullptr, 0));
    // Marked for removal at once, so that nothing is left behind however the program ends.
    shmctl(segment.shmid, IPC_RMID, nullptr);
    segment.readOnly = False;
    if (!XShmAttach(display, &segment))
        return fail("the X server could not attach the shared memory");

    std::vector<char> previous;
    int status = 1;
    for (;;) {
        if (!XShmGetImage(display, root, image, 0, 0, AllPlanes))
            return fail("the screen could not be read");
        if (!previous.empty() && std::memcmp(previous.data(), image->data, size) == 0) {
            status = save(argv[1], image) ? 0 : fail("the file could not be written");
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        previous.assign(image->data, image->data + size);
        std::this_thread::sleep_for(kApart);
    }

    XShmDetach(display, &segment);
    shmdt(segment.shmaddr);
    image->data = nullptr;
    image->f.destroy_image(image);
    XCloseDisplay(display);
    return status;
}
