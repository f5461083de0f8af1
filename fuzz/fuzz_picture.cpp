// Logo loading on arbitrary bytes given as a picture file: a picture within the limits
// or the null image, never a crash, a hang or an allocation beyond the limits.
#include <QGuiApplication>

#include "fuzz/FuzzCheck.h"
#include "platform/PictureLoader.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // The picture formats come as plugins, found through the application; a picture
    // with text (SVG) needs the fonts of a GUI application, as in the program.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    PictureLoader::Failure why = PictureLoader::Failure::None;
    const QImage image = PictureLoader::fromBytes(fuzzBytes(data, size), &why);
    if (image.isNull()) {
        FUZZ_CHECK(why != PictureLoader::Failure::None);
    } else {
        FUZZ_CHECK(why == PictureLoader::Failure::None);
        FUZZ_CHECK(image.width() <= PictureLoader::kMaxSide);
        FUZZ_CHECK(image.height() <= PictureLoader::kMaxSide);
        FUZZ_CHECK(qint64(image.width()) * image.height() <= PictureLoader::kMaxPixels);
    }
    return 0;
}
