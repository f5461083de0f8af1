// PrintWrappedText over long texts on the recording page device: every help topic joined
// and repeated to about 100 KB, and the worst case, one 20 KB word with no blank.
// Run with QT_QPA_PLATFORM=offscreen.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/HelpTopics.h"
#include "app/PrintWrappedText.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"

namespace {

double timeOne(const QString &text, int *lines, int *pages) {
    PrinterPage &page = PrinterPage::printer();
    page.reset();
    auto device = std::make_shared<RecordingPageDevice>();
    page.setDevice(device);
    WrappedTextBox box;
    box.text = text;
    box.font.name = QStringLiteral("Verdana");
    box.font.size = 9;
    QElapsedTimer t;
    t.start();
    *lines = PrintWrappedText::print(page, box, 600, 600, 300, 10, false);
    page.endDoc();
    const double ms = t.nsecsElapsed() / 1e6;
    *pages = device->pageCount();
    return ms;
}

void run(const char *what, const QString &text) {
    QList<double> times;
    int lines = 0, pages = 0;
    for (int i = 0; i < 5; ++i) times.append(timeOne(text, &lines, &pages));
    std::sort(times.begin(), times.end());
    std::printf("%-34s %7lld chars %6d lines %4d pages  median %8.1f ms\n", what,
                static_cast<long long>(text.size()), lines, pages, times.at(times.size() / 2));
}

}  // namespace

int main(int argc, char *argv[]) {
    QGuiApplication app(argc, argv);
    QStringList all;
    for (const QString &key : HelpTopics::keys()) all += HelpTopics::find(key)->paragraphs;
    const QString topics = HelpTopics::text(all);
    QString big;
    while (big.size() < 100000) big += topics + QStringLiteral("\r\n\r\n");
    run("every help topic once", topics);
    run("help topics repeated to 100 KB", big);
    run("one 20 KB word", QString(20000, u'x'));
    return 0;
}
