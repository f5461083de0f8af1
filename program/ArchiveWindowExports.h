#pragma once

#include "office/DataSheetContent.h"

class frmArchivio;

// What the archive window's export buttons do with the window itself: the data sheet is
// made from its boxes as they stand (unsaved edits included), and after a restore the
// window is left showing no record.
class ArchiveWindowExports {
public:
    static DataSheetContent contentOf(const frmArchivio &window);
    // The archive window's word-processor button.
    static void exportDataSheet(frmArchivio *window);
    // The archive window's backup button: the wizard, with the window reset after a restore.
    static void runBackupWizard(frmArchivio *window);
};
