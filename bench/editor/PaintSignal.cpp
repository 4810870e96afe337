// Loaded into each program that bench_startup starts (LD_PRELOAD): once the program's first
// window has been painted and put on the screen, it says "painted" on standard output and ends
// the program at once, so that the start is timed up to that moment and nothing after it.
#include <QBackingStore>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

void QBackingStore::flush(const QRegion &region, QWindow *window, const QPoint &offset) {
    using Flush = void (*)(QBackingStore *, const QRegion &, QWindow *, const QPoint &);
    void *symbol = ::dlsym(RTLD_NEXT, "_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint");
    Flush toolkitFlush = nullptr;
    std::memcpy(&toolkitFlush, &symbol, sizeof toolkitFlush);
    if (toolkitFlush != nullptr)
        toolkitFlush(this, region, window, offset);
    constexpr char said[] = "painted\n";
    const ssize_t written = ::write(STDOUT_FILENO, said, sizeof said - 1);
    ::_exit(written == ssize_t(sizeof said - 1) ? 0 : 1);
}
