// Looks at a window the way a player would: finds it by its title, reports
// its size, saves a screenshot and measures the mean colour of regions.
//
//   vk-shot --title "Vorlane Kart" [--out shot.png] [--mean x y w h]...
//
// Prints "window ID W H", then "mean x y w h R G B" for every region.

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Area {
    int x, y, w, h;
};

std::string windowTitle(Display* display, Window window) {
    char* name = nullptr;
    std::string title;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// Depth-first, so the window the game created is found below any frame.
Window findByTitle(Display* display, Window root, const std::string& title) {
    if (windowTitle(display, root) == title)
        return root;
    Window parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, root, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i)
            found = findByTitle(display, children[i], title);
        if (children)
            XFree(children);
    }
    return found;
}

int usage() {
    std::fprintf(stderr, "usage: vk-shot --title TITLE [--out FILE.png] [--mean X Y W H]...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string title, out;
    std::vector<Area> regions;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--title") && i + 1 < argc)
            title = argv[++i];
        else if (!std::strcmp(argv[i], "--out") && i + 1 < argc)
            out = argv[++i];
        else if (!std::strcmp(argv[i], "--mean") && i + 4 < argc) {
            Area r{std::atoi(argv[i + 1]), std::atoi(argv[i + 2]), std::atoi(argv[i + 3]),
                   std::atoi(argv[i + 4])};
            regions.push_back(r);
            i += 4;
        } else
            return usage();
    }
    if (title.empty())
        return usage();

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "vk-shot: cannot open the display\n");
        return 1;
    }
    Window window = findByTitle(display, DefaultRootWindow(display), title);
    if (!window) {
        std::fprintf(stderr, "vk-shot: no window titled \"%s\"\n", title.c_str());
        return 1;
    }
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    int width = attributes.width, height = attributes.height;
    std::printf("window %lu %d %d\n", static_cast<unsigned long>(window), width, height);

    XImage* image = XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap);
    if (!image) {
        std::fprintf(stderr, "vk-shot: cannot read the window's pixels\n");
        return 1;
    }
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned long pixel = XGetPixel(image, x, y);
            unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            p[0] = (pixel & image->red_mask) >> __builtin_ctzl(image->red_mask);
            p[1] = (pixel & image->green_mask) >> __builtin_ctzl(image->green_mask);
            p[2] = (pixel & image->blue_mask) >> __builtin_ctzl(image->blue_mask);
        }
    XDestroyImage(image);
    XCloseDisplay(display);

    for (const Area& r : regions) {
        double sum[3] = {0, 0, 0};
        long n = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) {
                if (x < 0 || y < 0 || x >= width || y >= height)
                    continue;
                const unsigned char* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
                for (int c = 0; c < 3; ++c)
                    sum[c] += p[c];
                ++n;
            }
        if (n == 0)
            n = 1;
        std::printf("mean %d %d %d %d %.1f %.1f %.1f\n", r.x, r.y, r.w, r.h, sum[0] / n, sum[1] / n,
                    sum[2] / n);
    }
    if (!out.empty() && !stbi_write_png(out.c_str(), width, height, 3, rgb.data(), width * 3)) {
        std::fprintf(stderr, "vk-shot: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
