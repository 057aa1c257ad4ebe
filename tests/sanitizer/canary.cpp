// A program that commits the fault named by its argument, for checking that the sanitizer
// build reports each one and stops: a leak (also one made inside a Qt event, where a
// suppression of a Qt library would hide it), a heap overflow, a use after free and undefined
// behaviour.
#include <cstdio>
#include <cstring>
#include <string_view>

#ifdef OLVAN_CANARY_QT
#include <QCoreApplication>
#include <QTimer>
#endif

namespace {

// Kept out of the optimiser's sight, so that every fault really happens.
int* volatile kept = nullptr;
volatile int big = 2147483647;

void leak() {
    kept = new int[16];
    kept = nullptr;
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view fault = argc > 1 ? argv[1] : "";
    if (fault == "leak") {
        leak();
    } else if (fault == "leak-in-qt") {
#ifdef OLVAN_CANARY_QT
        QCoreApplication app(argc, argv);
        QTimer::singleShot(0, &app, [&app] {
            leak();
            app.quit();
        });
        app.exec();
#else
        leak();
#endif
    } else if (fault == "heap-overflow") {
        kept = new int[4];
        std::printf("%d\n", kept[4]);
    } else if (fault == "use-after-free") {
        int* freed = new int[4];
        delete[] freed;
        kept = freed;
        std::printf("%d\n", kept[0]);
    } else if (fault == "undefined") {
        std::printf("%d\n", big + argc);
    } else {
        std::fprintf(stderr, "usage: sanitizer_canary leak|leak-in-qt|heap-overflow|"
                             "use-after-free|undefined\n");
        return 2;
    }
    std::puts("ran to its end");
    return 0;
}
