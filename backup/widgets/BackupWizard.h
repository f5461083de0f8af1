#pragma once

#include <functional>

class QWidget;

// The backup and restore wizard: its pages follow one another, each shown modally over
// the archive window and unloaded before the next one is shown, until one ends it.
class BackupWizard {
public:
    // `archiveReplaced` runs after a restore has replaced the archive.
    static void run(QWidget *parent, const std::function<void()> &archiveReplaced = {});
};
