#include "backup/widgets/BackupWizard.h"

#include "backup/frmBakClienti.h"
#include "backup/frmBakClienti01.h"
#include "backup/frmRipClienti01.h"

void BackupWizard::run(QWidget *parent, const std::function<void()> &archiveReplaced) {
    enum class Page { First, Backup, Restore, End };
    Page page = Page::First;
    while (page != Page::End) {
        switch (page) {
            case Page::First: {
                frmBakClienti first(parent);
                first.exec();
                page = first.next() == frmBakClienti::Choice::Backup    ? Page::Backup
                       : first.next() == frmBakClienti::Choice::Restore ? Page::Restore
                                                                        : Page::End;
                break;
            }
            case Page::Backup: {
                frmBakClienti01 backup(parent);
                backup.exec();
                page = backup.next() == frmBackupPage::Next::Back ? Page::First : Page::End;
                break;
            }
            case Page::Restore: {
                frmRipClienti01 restore(parent);
                if (archiveReplaced)
                    QObject::connect(&restore, &frmRipClienti01::archiveReplaced, archiveReplaced);
                restore.exec();
                page = restore.next() == frmBackupPage::Next::Back ? Page::First : Page::End;
                break;
            }
            case Page::End:
                break;
        }
    }
}
